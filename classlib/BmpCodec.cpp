#include "classlib/BmpCodec.h"

#include <cstring>
#include <utility>

#include "classlib/ByteOrder.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
enum : uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitFields = 3, BiAlphaBitFields = 6 };

[[noreturn]] void Fail(const String& What) { throw EInvalidGraphic(L"Invalid bitmap: " + What); }

String Num(int64_t v) { return std::to_wstring(v); }

// One colour channel described by a bit mask, scaled to 0..255.
struct TChannel {
  uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  explicit TChannel(uint32_t mask) : Mask(mask) {
    if (!mask) return;
    while (!((mask >> Shift) & 1)) ++Shift;
    for (uint32_t m = mask >> Shift; m & 1; m >>= 1) ++Bits;
  }
  uint8_t Get(uint32_t pixel) const {
    if (!Mask) return 0;
    uint32_t v = (pixel & Mask) >> Shift;
    if (Bits >= 8) return static_cast<uint8_t>(v >> (Bits - 8));
    uint32_t max = (1u << Bits) - 1;
    if (v > max) v = max;  // a mask with gaps
    return static_cast<uint8_t>((v * 255 + max / 2) / max);
  }
};

struct THeader {
  uint32_t HeaderSize = 0;
  int64_t Width = 0;
  int64_t Height = 0;  // negative: rows run top-down
  int BitCount = 0;
  uint32_t Compression = BiRgb;
  uint32_t ColorsUsed = 0;
  uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  uint32_t MaskBytes = 0;            // masks stored after a 40-byte header
};

THeader ParseHeader(const uint8_t* d, size_t size) {
  THeader h;
  h.HeaderSize = LoadLE32(d + kFileHeaderSize);
  const uint32_t hs = h.HeaderSize;
  if (hs != kCoreHeaderSize && hs != kInfoHeaderSize && hs != 52 && hs != 56 && hs != 108 && hs != 124)
    Fail(L"unsupported header size " + Num(hs));
  if (kFileHeaderSize + hs > size) Fail(L"the header runs past the end of the data");
  const uint8_t* p = d + kFileHeaderSize;
  if (hs == kCoreHeaderSize) {
    h.Width = LoadLE16(p + 4);
    h.Height = LoadLE16(p + 6);
    h.BitCount = LoadLE16(p + 10);
    return h;
  }
  h.Width = LoadLE32Signed(p + 4);
  h.Height = LoadLE32Signed(p + 8);
  h.BitCount = LoadLE16(p + 14);
  h.Compression = LoadLE32(p + 16);
  h.ColorsUsed = LoadLE32(p + 32);
  if (h.Compression == BiBitFields || h.Compression == BiAlphaBitFields) {
    const uint32_t count = h.Compression == BiAlphaBitFields ? 4 : 3;
    const uint8_t* m = p + kInfoHeaderSize;
    if (hs == kInfoHeaderSize) {
      h.MaskBytes = count * 4;
      if (kFileHeaderSize + hs + h.MaskBytes > size) Fail(L"the colour masks run past the end of the data");
    } else if (hs < kInfoHeaderSize + count * 4) {
      Fail(L"the header is too small for its colour masks");
    }
    for (uint32_t i = 0; i < count; ++i) h.Masks[i] = LoadLE32(m + 4 * i);
    if (hs >= 56 && count == 3) h.Masks[3] = LoadLE32(m + 12);
  }
  return h;
}

void CheckHeader(const THeader& h) {
  if (h.Width <= 0 || h.Height == 0) Fail(L"size " + Num(h.Width) + L" x " + Num(h.Height) + L" is empty");
  const int64_t rows = h.Height < 0 ? -h.Height : h.Height;
  if (h.Width > MaxBmpSide || rows > MaxBmpSide || h.Width * rows > MaxBmpPixels)
    Fail(L"size " + Num(h.Width) + L" x " + Num(rows) + L" is too large");
  const int bc = h.BitCount;
  if (bc != 1 && bc != 4 && bc != 8 && bc != 16 && bc != 24 && bc != 32) Fail(L"unsupported bit depth " + Num(bc));
  switch (h.Compression) {
    case BiRgb:
      break;
    case BiRle8:
    case BiRle4:
      if (bc != (h.Compression == BiRle8 ? 8 : 4)) Fail(L"RLE compression does not match bit depth " + Num(bc));
      if (h.Height < 0) Fail(L"compressed rows cannot run top-down");
      break;
    case BiBitFields:
    case BiAlphaBitFields:
      if (bc != 16 && bc != 32) Fail(L"colour masks need 16 or 32 bits, not " + Num(bc));
      break;
    default:
      Fail(L"unsupported compression " + Num(h.Compression));
  }
}

// Walks RLE8 or RLE4 data. With Top set, the pixels go into zeroed rows
// (row Y from the top at Top + Y * Stride); without, the data is only
// checked. Data ending at a command boundary ends the image, as does the
// end-of-bitmap mark; pixels placed outside the image are dropped.
void DecodeRle(const uint8_t* d, size_t size, bool rle4, int64_t width, int64_t height, uint8_t* Top,
               ptrdiff_t Stride) {
  int64_t x = 0, y = 0;  // y counts rows from the bottom
  auto put = [&](int value) {
    if (Top && x < width && y < height) {
      uint8_t* row = Top + (height - 1 - y) * Stride;
      if (rle4) {
        uint8_t& b = row[x / 2];
        b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | value) : static_cast<uint8_t>((b & 0x0F) | (value << 4));
      } else {
        row[x] = static_cast<uint8_t>(value);
      }
    }
    ++x;
  };
  size_t p = 0;
  while (p < size && y < height) {
    if (p + 2 > size) Fail(L"compressed data is cut off");
    const uint8_t count = d[p], value = d[p + 1];
    p += 2;
    if (count > 0) {
      if (Top)
        for (int i = 0; i < count; ++i) put(rle4 ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (p + 2 > size) Fail(L"compressed data is cut off");
      x += d[p];
      y += d[p + 1];
      p += 2;
    } else {
      const size_t bytes = rle4 ? (value + 1u) / 2 : value;
      const size_t padded = (bytes + 1) & ~size_t(1);
      if (p + padded > size) Fail(L"compressed data is cut off");
      if (Top)
        for (int i = 0; i < value; ++i) put(rle4 ? ((i & 1) ? d[p + i / 2] & 0x0F : d[p + i / 2] >> 4) : d[p + i]);
      p += padded;
    }
  }
}

void DecodeRows(const TBmpView& v, uint8_t* Top, ptrdiff_t Stride) {
  const int64_t srcStride = ((int64_t(v.Width) * v.SourceBitCount + 31) / 32) * 4;
  uint32_t masks[4] = {v.Masks[0], v.Masks[1], v.Masks[2], v.Masks[3]};
  const bool fields = v.Compression == BiBitFields || v.Compression == BiAlphaBitFields;
  if (v.SourceBitCount == 16 && !fields) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  }
  const bool plain32 = v.SourceBitCount == 32 &&
                       (!fields || (masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF &&
                                    (masks[3] == 0 || masks[3] == 0xFF000000u)));
  const bool sameLayout = v.SourceBitCount != 16 && (v.SourceBitCount != 32 || plain32);
  const TChannel r(masks[0]), g(masks[1]), b(masks[2]), a(masks[3]);
  const size_t outStride = static_cast<size_t>(v.RowBytes());
  for (int y = 0; y < v.Height; ++y) {
    const uint8_t* s = v.Pixels + srcStride * (v.TopDown ? y : v.Height - 1 - y);
    uint8_t* o = Top + y * Stride;
    if (sameLayout) {
      std::memcpy(o, s, outStride);
      continue;
    }
    for (int x = 0; x < v.Width; ++x) {
      const uint32_t px = v.SourceBitCount == 16 ? LoadLE16(s + 2 * x) : LoadLE32(s + 4 * x);
      uint8_t* q = o + x * (v.BitCount / 8);
      q[0] = b.Get(px);
      q[1] = g.Get(px);
      q[2] = r.Get(px);
      if (v.BitCount == 32) q[3] = a.Get(px);
    }
    const size_t used = static_cast<size_t>(v.Width) * static_cast<size_t>(v.BitCount / 8);
    std::memset(o + used, 0, outStride - used);  // row padding
  }
}

}  // namespace

void TBmpImage::Allocate() {
  Pixels.assign(static_cast<size_t>(RowBytes()) * static_cast<size_t>(Height), 0);
  if (BitCount <= 8) Palette.resize(size_t(1) << BitCount, 0);
  else Palette.clear();
}

void ParseBmp(const uint8_t* d, size_t size, TBmpView& View) {
  if (size < kFileHeaderSize + 4) Fail(L"the data is too short for a file header");
  if (d[0] != 'B' || d[1] != 'M') Fail(L"no \"BM\" signature");
  const THeader h = ParseHeader(d, size);
  CheckHeader(h);

  const bool core = h.HeaderSize == kCoreHeaderSize;
  const uint64_t tableStart = kFileHeaderSize + h.HeaderSize + h.MaskBytes;
  uint64_t tableEnd = tableStart;
  uint32_t entries = 0;
  if (h.BitCount <= 8) {
    const uint32_t maxEntries = 1u << h.BitCount;
    entries = h.ColorsUsed ? h.ColorsUsed : maxEntries;
    if (entries > maxEntries)
      Fail(L"colour table of " + Num(entries) + L" entries for " + Num(h.BitCount) + L" bits a pixel");
    tableEnd += uint64_t(entries) * (core ? 3 : 4);
    if (tableEnd > size) Fail(L"the colour table runs past the end of the data");
  }
  const uint32_t offBits = LoadLE32(d + 10);
  if (offBits < tableEnd) Fail(L"pixel data offset " + Num(offBits) + L" lies inside the headers");
  if (offBits > size) Fail(L"pixel data offset " + Num(offBits) + L" lies past the end of the data");

  TBmpView v;
  v.Width = static_cast<int>(h.Width);
  v.Height = static_cast<int>(h.Height < 0 ? -h.Height : h.Height);
  v.BitCount = h.BitCount == 16 ? 24 : h.BitCount;
  v.SourceBitCount = h.BitCount;
  v.Compression = h.Compression;
  v.TopDown = h.Height < 0;
  std::memcpy(v.Masks, h.Masks, sizeof v.Masks);
  if (v.BitCount <= 8) v.Palette.assign(size_t(1) << v.BitCount, 0);
  for (uint32_t i = 0; i < entries; ++i) {
    const uint8_t* e = d + tableStart + uint64_t(i) * (core ? 3 : 4);
    v.Palette[i] = e[0] | (e[1] << 8) | (uint32_t(e[2]) << 16);
  }
  v.Pixels = d + offBits;
  v.PixelBytes = size - offBits;
  if (h.Compression == BiRle8 || h.Compression == BiRle4) {
    DecodeRle(v.Pixels, v.PixelBytes, h.Compression == BiRle4, v.Width, v.Height, nullptr, 0);
  } else {
    const uint64_t srcStride = ((uint64_t(h.Width) * h.BitCount + 31) / 32) * 4;
    const uint64_t needed = srcStride * uint64_t(v.Height);
    if (needed > v.PixelBytes)
      Fail(L"pixel data is cut off: " + Num(static_cast<int64_t>(v.PixelBytes)) + L" of " +
           Num(static_cast<int64_t>(needed)) + L" bytes");
  }
  View = std::move(v);
}

void DecodeBmp(const TBmpView& View, uint8_t* Top, ptrdiff_t Stride) {
  if (View.Compression == BiRle8 || View.Compression == BiRle4) {
    for (int y = 0; y < View.Height; ++y) std::memset(Top + y * Stride, 0, static_cast<size_t>(View.RowBytes()));
    DecodeRle(View.Pixels, View.PixelBytes, View.Compression == BiRle4, View.Width, View.Height, Top, Stride);
  } else {
    DecodeRows(View, Top, Stride);
  }
}

void ReadBmp(const uint8_t* d, size_t size, TBmpImage& Image) {
  TBmpView view;
  ParseBmp(d, size, view);
  TBmpImage img;
  img.Width = view.Width;
  img.Height = view.Height;
  img.BitCount = view.BitCount;
  img.Palette = view.Palette;
  img.Pixels.resize(static_cast<size_t>(img.RowBytes()) * static_cast<size_t>(img.Height));
  DecodeBmp(view, img.Pixels.data(), img.RowBytes());
  Image = std::move(img);
}

void ReadBmp(TStream* Stream, TBmpImage& Image) {
  const int64_t start = Stream->Position();
  uint8_t fileHeader[kFileHeaderSize];
  if (Stream->Read(fileHeader, kFileHeaderSize) != kFileHeaderSize) {
    Stream->SetPosition(start);
    Fail(L"the data is too short for a file header");
  }
  Stream->SetPosition(start);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Fail(L"no \"BM\" signature");
  const uint32_t fileSize = LoadLE32(fileHeader + 2);
  const int64_t remaining = Stream->Size() - start;
  if (fileSize < kFileHeaderSize + kCoreHeaderSize) Fail(L"file size " + Num(fileSize) + L" is too small");
  if (fileSize > MaxBmpFileBytes)
    Fail(L"the file header gives " + Num(fileSize) + L" bytes, more than a bitmap may have (" + Num(MaxBmpFileBytes) +
         L")");
  if (fileSize > remaining)
    Fail(L"the file header gives " + Num(fileSize) + L" bytes, only " + Num(remaining) + L" are there");
  std::vector<uint8_t> data(fileSize);
  if (Stream->Read(data.data(), fileSize) != fileSize) {
    Stream->SetPosition(start);
    Fail(L"the data is cut off");
  }
  try {
    ReadBmp(data.data(), data.size(), Image);
  } catch (...) {
    Stream->SetPosition(start);
    throw;
  }
}

void WriteBmp(TStream* Stream, const TBmpImage& Image) {
  const int bc = Image.BitCount;
  if (bc != 1 && bc != 4 && bc != 8 && bc != 24 && bc != 32)
    throw EInvalidGraphic(L"Cannot write a bitmap of " + Num(bc) + L" bits a pixel");
  const uint32_t entries = bc <= 8 ? 1u << bc : 0;
  const uint32_t stride = static_cast<uint32_t>(Image.RowBytes());
  const uint32_t imageSize = stride * static_cast<uint32_t>(Image.Height);
  const uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + entries * 4;

  std::vector<uint8_t> head;
  head.reserve(offBits);
  head.push_back('B');
  head.push_back('M');
  AppendLE32(head, offBits + imageSize);
  AppendLE32(head, 0);
  AppendLE32(head, offBits);
  AppendLE32(head, kInfoHeaderSize);
  AppendLE32(head, static_cast<uint32_t>(Image.Width));
  AppendLE32(head, static_cast<uint32_t>(Image.Height));
  AppendLE16(head, 1);
  AppendLE16(head, static_cast<uint32_t>(bc));
  AppendLE32(head, BiRgb);
  AppendLE32(head, imageSize);
  AppendLE32(head, 2835);  // 72 dots per inch
  AppendLE32(head, 2835);
  AppendLE32(head, entries);
  AppendLE32(head, 0);
  for (uint32_t i = 0; i < entries; ++i) AppendLE32(head, i < Image.Palette.size() ? Image.Palette[i] & 0xFFFFFF : 0);
  Stream->WriteBuffer(head.data(), static_cast<int64_t>(head.size()));
  for (int y = Image.Height - 1; y >= 0; --y) Stream->WriteBuffer(Image.Row(y), stride);
}
