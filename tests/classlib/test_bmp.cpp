// The portable BMP reader and writer: layouts, round trips, and a corpus of
// malformed files that must be refused cleanly.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "classlib/BmpCodec.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void Set32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Hand-made BMP file: file header, a header of HeaderSize bytes (12 = core),
// optional masks after a 40-byte header, colour table, pixel data.
struct BmpSpec {
  uint32_t HeaderSize = 40;
  int32_t Width = 0;
  int32_t Height = 0;
  uint16_t BitCount = 24;
  uint32_t Compression = 0;
  uint32_t ColorsUsed = 0;
  std::vector<uint32_t> Masks;    // stored in the header (V4/V5) or after it (40)
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  Bytes Pixels;
};

Bytes Build(const BmpSpec& s) {
  Bytes b = {'B', 'M'};
  Put32(b, 0);  // file size, set below
  Put32(b, 0);
  Put32(b, 0);  // pixel offset, set below
  Put32(b, s.HeaderSize);
  if (s.HeaderSize == 12) {
    Put16(b, static_cast<uint32_t>(s.Width));
    Put16(b, static_cast<uint32_t>(s.Height));
    Put16(b, 1);
    Put16(b, s.BitCount);
  } else {
    Put32(b, static_cast<uint32_t>(s.Width));
    Put32(b, static_cast<uint32_t>(s.Height));
    Put16(b, 1);
    Put16(b, s.BitCount);
    Put32(b, s.Compression);
    Put32(b, static_cast<uint32_t>(s.Pixels.size()));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, s.ColorsUsed);
    Put32(b, 0);
    const size_t headerEnd = 14 + s.HeaderSize;
    for (uint32_t m : s.Masks) Put32(b, m);
    while (b.size() < headerEnd) b.push_back(0);
  }
  for (uint32_t c : s.Palette) {
    b.push_back(static_cast<uint8_t>(c));
    b.push_back(static_cast<uint8_t>(c >> 8));
    b.push_back(static_cast<uint8_t>(c >> 16));
    if (s.HeaderSize != 12) b.push_back(0);
  }
  Set32(b, 10, static_cast<uint32_t>(b.size()));
  b.insert(b.end(), s.Pixels.begin(), s.Pixels.end());
  Set32(b, 2, static_cast<uint32_t>(b.size()));
  return b;
}

TBmpImage Decode(const Bytes& b) {
  TBmpImage img;
  ReadBmp(b.data(), b.size(), img);
  return img;
}

// Pixel (x, y) of a decoded 24- or 32-bit image as 0x00RRGGBB.
uint32_t Rgb(const TBmpImage& img, int x, int y) {
  const uint8_t* p = img.Row(y) + x * (img.BitCount / 8);
  return p[0] | (p[1] << 8) | (uint32_t(p[2]) << 16);
}

TBmpImage RandomImage(int w, int h, int bits, uint32_t seed) {
  std::mt19937 rng(seed);
  TBmpImage img;
  img.Width = w;
  img.Height = h;
  img.BitCount = bits;
  img.Allocate();
  for (auto& c : img.Palette) c = rng() & 0xFFFFFF;
  for (int y = 0; y < h; ++y) {
    uint8_t* row = img.Row(y);
    const int used = (w * bits + 7) / 8;
    for (int i = 0; i < used; ++i) row[i] = static_cast<uint8_t>(rng());
    // Bits past the last pixel of a row are padding and stay zero.
    if ((w * bits) % 8) row[used - 1] &= static_cast<uint8_t>(0xFF << (8 - (w * bits) % 8));
  }
  return img;
}

TEST(BmpTest, EveryWrittenDepthReadsBackUnchanged) {
  for (int bits : {1, 4, 8, 24, 32}) {
    for (int w : {1, 3, 7, 33}) {
      const TBmpImage img = RandomImage(w, 5, bits, static_cast<uint32_t>(bits * 100 + w));
      TMemoryStream s;
      WriteBmp(&s, img);
      s.SetPosition(0);
      TBmpImage back;
      ReadBmp(&s, back);
      EXPECT_EQ(s.Position(), s.Size());
      EXPECT_EQ(back.Width, w);
      EXPECT_EQ(back.Height, 5);
      EXPECT_EQ(back.BitCount, bits);
      EXPECT_EQ(back.Palette, img.Palette) << bits << " bits";
      EXPECT_EQ(back.Pixels, img.Pixels) << bits << " bits, width " << w;
    }
  }
}

TEST(BmpTest, WrittenFileHasTheExpectedLayout) {
  TBmpImage img = RandomImage(2, 2, 24, 1);
  TMemoryStream s;
  WriteBmp(&s, img);
  const Bytes& b = s.Bytes();
  ASSERT_EQ(b.size(), 14u + 40 + 2 * 8);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(b[2] | (b[3] << 8), 14 + 40 + 16);
  EXPECT_EQ(b[10], 54);
  EXPECT_EQ(b[14], 40);
  // The first row in the file is the bottom row of the image.
  EXPECT_EQ(0, std::memcmp(&b[54], img.Row(1), 6));
}

TEST(BmpTest, BottomUpAndTopDownRowsGiveTheSameImage) {
  BmpSpec s;
  s.Width = 2;
  s.Height = 2;
  // Rows as stored: first row 0x0000FF (red) 0x00FF00, second row blue, white.
  s.Pixels = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
  const TBmpImage up = Decode(Build(s));
  s.Height = -2;
  const TBmpImage down = Decode(Build(s));
  EXPECT_EQ(Rgb(up, 0, 1), 0xFF0000u);  // stored first = bottom row
  EXPECT_EQ(Rgb(up, 1, 1), 0x00FF00u);
  EXPECT_EQ(Rgb(up, 0, 0), 0x0000FFu);
  EXPECT_EQ(Rgb(down, 0, 0), 0xFF0000u);  // stored first = top row
  EXPECT_EQ(Rgb(down, 1, 1), 0xFFFFFFu);
}

TEST(BmpTest, CoreHeaderWithThreeByteColourTable) {
  BmpSpec s;
  s.HeaderSize = 12;
  s.Width = 3;
  s.Height = 1;
  s.BitCount = 8;
  s.Palette.resize(256, 0);
  s.Palette[1] = 0x112233;
  s.Palette[2] = 0xAABBCC;
  s.Pixels = {2, 1, 0, 0};
  const TBmpImage img = Decode(Build(s));
  EXPECT_EQ(img.BitCount, 8);
  EXPECT_EQ(img.Palette[1], 0x112233u);
  EXPECT_EQ(img.Palette[2], 0xAABBCCu);
  EXPECT_EQ(img.Row(0)[0], 2);
}

TEST(BmpTest, ShortColourTableIsPaddedWithBlack) {
  BmpSpec s;
  s.Width = 2;
  s.Height = 1;
  s.BitCount = 8;
  s.ColorsUsed = 2;
  s.Palette = {0xFF0000, 0x00FF00};
  s.Pixels = {1, 200, 0, 0};
  const TBmpImage img = Decode(Build(s));
  ASSERT_EQ(img.Palette.size(), 256u);
  EXPECT_EQ(img.Palette[1], 0x00FF00u);
  EXPECT_EQ(img.Palette[200], 0u);
}

TEST(BmpTest, SixteenBitsDefaultAndMaskedBecome24) {
  BmpSpec s;
  s.Width = 3;
  s.Height = 1;
  s.BitCount = 16;
  // 5-5-5: white, pure blue, half red (16 of 31).
  s.Pixels = {0xFF, 0x7F, 0x1F, 0x00, 0x00, 0x40, 0, 0};
  TBmpImage img = Decode(Build(s));
  EXPECT_EQ(img.BitCount, 24);
  EXPECT_EQ(Rgb(img, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(Rgb(img, 1, 0), 0x0000FFu);
  EXPECT_EQ(Rgb(img, 2, 0), uint32_t((16 * 255 + 15) / 31) << 16);
  // 5-6-5 through masks after a 40-byte header: pure green.
  s.Compression = 3;
  s.Masks = {0xF800, 0x07E0, 0x001F};
  s.Pixels = {0xE0, 0x07, 0, 0, 0, 0, 0, 0};
  img = Decode(Build(s));
  EXPECT_EQ(Rgb(img, 0, 0), 0x00FF00u);
}

TEST(BmpTest, LongerHeadersHoldTheirMasksInside) {
  // The 108-byte header is the common one for plain RGB files too.
  BmpSpec plain;
  plain.HeaderSize = 108;
  plain.Width = 1;
  plain.Height = 1;
  plain.Pixels = {0x30, 0x20, 0x10, 0};
  EXPECT_EQ(Rgb(Decode(Build(plain)), 0, 0), 0x102030u);
  // 5-6-5 green with its masks inside a 52-, 56-, 108- and 124-byte header.
  for (uint32_t size : {52u, 56u, 108u, 124u}) {
    BmpSpec s;
    s.HeaderSize = size;
    s.Width = 1;
    s.Height = 1;
    s.BitCount = 16;
    s.Compression = 3;
    s.Masks = {0xF800, 0x07E0, 0x001F};
    s.Pixels = {0xE0, 0x07, 0, 0};
    TBmpImage img;
    ASSERT_NO_THROW(img = Decode(Build(s))) << size;
    EXPECT_EQ(Rgb(img, 0, 0), 0x00FF00u) << size;
  }
}

TEST(BmpTest, V5HeaderWithUnusualMasksKeepsAlpha) {
  BmpSpec s;
  s.HeaderSize = 124;
  s.Width = 1;
  s.Height = 1;
  s.BitCount = 32;
  s.Compression = 3;
  s.Masks = {0xFF000000u, 0x00FF0000u, 0x0000FF00u, 0x000000FFu};  // R G B A from the top byte down
  s.Pixels = {0x80, 0x30, 0x20, 0x10};                              // A=0x80 B=0x30 G=0x20 R=0x10
  const TBmpImage img = Decode(Build(s));
  EXPECT_EQ(img.BitCount, 32);
  EXPECT_EQ(Rgb(img, 0, 0), 0x102030u);
  EXPECT_EQ(img.Row(0)[3], 0x80);
}

TEST(BmpTest, ThirtyTwoBitMasksAfterAPlainHeader) {
  // The usual masks: the pixel's four bytes come through as they are.
  BmpSpec s;
  s.Width = 1;
  s.Height = 1;
  s.BitCount = 32;
  s.Compression = 3;
  s.Masks = {0xFF0000, 0x00FF00, 0x0000FF};
  s.Pixels = {0x30, 0x20, 0x10, 0x7F};
  TBmpImage img = Decode(Build(s));
  EXPECT_EQ(Rgb(img, 0, 0), 0x102030u);
  EXPECT_EQ(img.Row(0)[3], 0x7F);
  // Red where it usually is, green and blue swapped: each channel is read by its mask.
  s.Masks = {0xFF0000, 0x0000FF, 0x00FF00};
  img = Decode(Build(s));
  EXPECT_EQ(Rgb(img, 0, 0), 0x103020u);
}

TEST(BmpTest, Rle8RunsDeltasAndAbsoluteRuns) {
  BmpSpec s;
  s.Width = 6;
  s.Height = 3;
  s.BitCount = 8;
  s.Compression = 1;
  s.Palette.resize(256, 0);
  s.Pixels = {
      3, 7,           // bottom row: 7 7 7
      0, 3, 1, 2, 3, 0,  // absolute 1 2 3 (padded to even)
      0, 0,           // end of line
      0, 2, 2, 1,     // delta: two right, one up -> row 2 from the bottom, x 2
      2, 9,           // 9 9
      0, 1,           // end of bitmap
  };
  const TBmpImage img = Decode(Build(s));
  EXPECT_EQ(img.BitCount, 8);
  const uint8_t* bottom = img.Row(2);
  EXPECT_EQ(Bytes(bottom, bottom + 6), (Bytes{7, 7, 7, 1, 2, 3}));
  EXPECT_EQ(Bytes(img.Row(1), img.Row(1) + 6), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(img.Row(0), img.Row(0) + 6), (Bytes{0, 0, 9, 9, 0, 0}));
}

TEST(BmpTest, Rle4AlternatesNibbles) {
  BmpSpec s;
  s.Width = 5;
  s.Height = 1;
  s.BitCount = 4;
  s.Compression = 2;
  s.Palette.resize(16, 0);
  s.Pixels = {3, 0x12, 0, 3, 0xAB, 0xC0, 0, 1};  // 1 2 1, then absolute A B C (C past the width)
  const TBmpImage img = Decode(Build(s));
  EXPECT_EQ(img.BitCount, 4);
  EXPECT_EQ(img.Row(0)[0], 0x12);
  EXPECT_EQ(img.Row(0)[1], 0x1A);
  EXPECT_EQ(img.Row(0)[2], 0xB0);
}

// Decoding into caller memory: bottom-up rows (a negative stride) over
// leftover bytes give the same rows as the decoded image, RLE gaps included.
TEST(BmpTest, DecodeIntoBottomUpMemoryMatchesTheImage) {
  BmpSpec rle;
  rle.Width = 6;
  rle.Height = 3;
  rle.BitCount = 8;
  rle.Compression = 1;
  rle.Palette.resize(256, 0);
  rle.Pixels = {3, 7, 0, 0, 0, 2, 2, 1, 2, 9, 0, 1};
  BmpSpec topDown16;
  topDown16.Width = 3;
  topDown16.Height = -2;
  topDown16.BitCount = 16;
  topDown16.Pixels = {0xFF, 0x7F, 0x1F, 0x00, 0x00, 0x40, 0, 0, 0x1F, 0, 0, 0x7C, 0xE0, 0x03, 0, 0};
  for (const BmpSpec& spec : {rle, topDown16}) {
    const Bytes file = Build(spec);
    const TBmpImage image = Decode(file);
    TBmpView view;
    ParseBmp(file.data(), file.size(), view);
    ASSERT_EQ(view.Width, image.Width);
    ASSERT_EQ(view.Height, image.Height);
    ASSERT_EQ(view.BitCount, image.BitCount);
    EXPECT_EQ(view.Palette, image.Palette);
    const ptrdiff_t stride = view.RowBytes();
    Bytes memory(static_cast<size_t>(stride) * view.Height, 0xCC);
    DecodeBmp(view, memory.data() + (view.Height - 1) * stride, -stride);
    for (int y = 0; y < image.Height; ++y) {
      const uint8_t* row = memory.data() + (image.Height - 1 - y) * stride;
      EXPECT_EQ(Bytes(row, row + stride), Bytes(image.Row(y), image.Row(y) + stride)) << "row " << y;
    }
  }
}

TEST(BmpTest, BackToBackFilesReadOneAtATime) {
  const TBmpImage a = RandomImage(3, 2, 24, 7), b = RandomImage(9, 4, 1, 8);
  TMemoryStream s;
  WriteBmp(&s, a);
  const int64_t firstEnd = s.Position();
  WriteBmp(&s, b);
  const uint8_t tail[] = {'t', 'a', 'i', 'l'};
  s.WriteBuffer(tail, 4);
  s.SetPosition(0);
  TBmpImage x, y;
  ReadBmp(&s, x);
  EXPECT_EQ(s.Position(), firstEnd);
  ReadBmp(&s, y);
  EXPECT_EQ(s.Position(), s.Size() - 4);
  EXPECT_EQ(x.Pixels, a.Pixels);
  EXPECT_EQ(y.Pixels, b.Pixels);
  EXPECT_EQ(y.Palette, b.Palette);
}

// Every malformed input: EInvalidGraphic, the image untouched, no read
// outside the data (checked by the sanitizers in the host build).
void ExpectRefused(const Bytes& data, const std::string& what) {
  TBmpImage img = RandomImage(2, 2, 8, 99);
  const TBmpImage before = img;
  // Copy into an exactly sized buffer so any over-read leaves the allocation.
  std::unique_ptr<uint8_t[]> exact(new uint8_t[data.size() + (data.empty() ? 1 : 0)]);
  if (!data.empty()) std::memcpy(exact.get(), data.data(), data.size());
  EXPECT_THROW(ReadBmp(exact.get(), data.size(), img), EInvalidGraphic) << what;
  EXPECT_EQ(img.Pixels, before.Pixels) << what;
  EXPECT_EQ(img.Width, before.Width) << what;

  TMemoryStream s;
  if (!data.empty()) s.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  s.SetPosition(0);
  EXPECT_THROW(ReadBmp(&s, img), EInvalidGraphic) << what << " (stream)";
  EXPECT_EQ(s.Position(), 0) << what;
  EXPECT_EQ(img.Pixels, before.Pixels) << what;
}

BmpSpec Valid8() {
  BmpSpec s;
  s.Width = 4;
  s.Height = 2;
  s.BitCount = 8;
  s.Palette.assign(256, 0x808080);
  s.Pixels.assign(8, 1);
  return s;
}

TEST(BmpTest, MalformedCorpusIsRefused) {
  const Bytes good = Build(Valid8());
  ASSERT_NO_THROW(Decode(good));

  // Every truncation of a valid file.
  for (size_t n = 0; n < good.size(); ++n) {
    Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    TBmpImage img;
    EXPECT_THROW(ReadBmp(cut.data(), cut.size(), img), EInvalidGraphic) << "cut at " << n;
    if (n >= 14) {  // with an intact file header the stream reader sees the lie
      TMemoryStream s;
      s.WriteBuffer(cut.data(), static_cast<int64_t>(n));
      s.SetPosition(0);
      EXPECT_THROW(ReadBmp(&s, img), EInvalidGraphic) << "stream cut at " << n;
    }
  }

  auto variant = [](void (*change)(BmpSpec&)) {
    BmpSpec s = Valid8();
    change(s);
    return Build(s);
  };
  ExpectRefused({}, "empty");
  ExpectRefused({'B', 'M', 1, 2, 3}, "stub header");
  {
    Bytes b = good;
    b[0] = 'X';
    ExpectRefused(b, "signature");
  }
  {
    Bytes b = good;
    Set32(b, 2, static_cast<uint32_t>(good.size() + 100));
    TMemoryStream s;
    s.WriteBuffer(b.data(), static_cast<int64_t>(b.size()));
    s.SetPosition(0);
    TBmpImage img;
    EXPECT_THROW(ReadBmp(&s, img), EInvalidGraphic) << "file size larger than the data";
    Set32(b, 2, 20);
    s.SetPosition(0);
    s.WriteBuffer(b.data(), static_cast<int64_t>(b.size()));
    s.SetPosition(0);
    EXPECT_THROW(ReadBmp(&s, img), EInvalidGraphic) << "file size smaller than the headers";
  }
  {
    Bytes b = good;
    Set32(b, 10, 20);
    ExpectRefused(b, "pixel offset inside the headers");
    Set32(b, 10, 0xFFFFFFF0u);
    ExpectRefused(b, "pixel offset past the end");
    b = good;
    Set32(b, 14, 20);
    ExpectRefused(b, "unknown header size");
    Set32(b, 14, 0xFFFFFFFFu);
    ExpectRefused(b, "huge header size");
  }
  ExpectRefused(variant([](BmpSpec& s) { s.Width = 0; }), "zero width");
  ExpectRefused(variant([](BmpSpec& s) { s.Width = -4; }), "negative width");
  ExpectRefused(variant([](BmpSpec& s) { s.Height = 0; }), "zero height");
  ExpectRefused(variant([](BmpSpec& s) { s.Height = INT32_MIN; }), "most negative height");
  ExpectRefused(variant([](BmpSpec& s) { s.Width = 100000; s.Height = 100000; }), "absurd size");
  ExpectRefused(variant([](BmpSpec& s) { s.Width = 1 << 27; s.Height = 1; }), "absurd width");
  ExpectRefused(variant([](BmpSpec& s) { s.Width = 1 << 26; s.Height = -1; s.BitCount = 32; }),
                "width whose row length overflows");
  ExpectRefused(variant([](BmpSpec& s) { s.Width = 3000; }), "pixel data too short for the width");
  ExpectRefused(variant([](BmpSpec& s) { s.BitCount = 7; }), "odd bit depth");
  ExpectRefused(variant([](BmpSpec& s) { s.BitCount = 0; }), "zero bit depth");
  ExpectRefused(variant([](BmpSpec& s) { s.ColorsUsed = 300; }), "colour count beyond the depth");
  ExpectRefused(variant([](BmpSpec& s) { s.ColorsUsed = 0xFFFFFFFFu; }), "huge colour count");
  ExpectRefused(variant([](BmpSpec& s) { s.Palette.resize(16); }), "colour table cut short");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 4; }), "JPEG compression");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 5; }), "PNG compression");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 77; }), "unknown compression");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 2; }), "RLE4 on 8 bits");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 3; }), "masks on 8 bits");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 1; s.Height = -2; }), "top-down RLE");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 1; s.Pixels = {0, 5, 1, 2}; }), "RLE absolute run cut off");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 1; s.Pixels = {0, 2, 1}; }), "RLE delta cut off");
  ExpectRefused(variant([](BmpSpec& s) { s.Compression = 1; s.Pixels = {4, 1, 0}; }), "RLE command cut off");
  ExpectRefused(variant([](BmpSpec& s) { s.Width = 70000; s.Height = 70000; s.Compression = 1; s.Pixels = {0, 1}; }),
                "RLE with an absurd size");
  // Each side allowed, the pixel count not: a few bytes of RLE must not make
  // the reader allocate the whole image.
  ExpectRefused(variant([](BmpSpec& s) { s.Width = 8192; s.Height = 4096; s.Compression = 1; s.Pixels = {0, 1}; }),
                "RLE with too many pixels");
  {
    BmpSpec s;
    s.Width = 1;
    s.Height = 1;
    s.BitCount = 16;
    s.Compression = 3;
    s.Pixels = {0, 0, 0, 0};
    Bytes b = Build(s);  // masks missing: they would be read from the pixel data
    b.resize(14 + 40 + 4);
    Set32(b, 2, static_cast<uint32_t>(b.size()));
    Set32(b, 10, 14 + 40);
    ExpectRefused(b, "masks past the end");
  }
}

TEST(BmpTest, RandomCorruptionNeverEscapesAsAnythingElse) {
  std::vector<Bytes> seeds;
  for (int bits : {1, 4, 8, 24, 32}) {
    TMemoryStream s;
    WriteBmp(&s, RandomImage(5, 3, bits, static_cast<uint32_t>(bits)));
    seeds.push_back(s.Bytes());
  }
  BmpSpec rle = Valid8();
  rle.Compression = 1;
  rle.Pixels = {3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 1, 2, 9, 0, 1};
  seeds.push_back(Build(rle));
  std::mt19937 rng(12345);
  int decoded = 0, refused = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes b = seeds[round % seeds.size()];
    const int flips = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < flips; ++i) b[rng() % b.size()] = static_cast<uint8_t>(rng());
    if (rng() % 4 == 0) b.resize(rng() % b.size());
    TBmpImage img;
    try {
      ReadBmp(b.data(), b.size(), img);
      ++decoded;
      EXPECT_EQ(img.Pixels.size(), static_cast<size_t>(img.RowBytes()) * img.Height);
    } catch (const EInvalidGraphic&) {
      ++refused;
    }
  }
  EXPECT_GT(decoded, 0);
  EXPECT_GT(refused, 0);
}

TEST(BmpTest, WriterRefusesDepthsItCannotWrite) {
  TBmpImage img;
  img.Width = 1;
  img.Height = 1;
  img.BitCount = 16;
  img.Allocate();
  TMemoryStream s;
  EXPECT_THROW(WriteBmp(&s, img), EInvalidGraphic);
}

}  // namespace
