#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/ZLib.h"

namespace {

// Text-like runs mixed with noise, so that both kinds of deflate blocks occur.
std::vector<uint8_t> SampleData(size_t size) {
  std::vector<uint8_t> data(size);
  uint32_t noise = 12345;
  for (size_t i = 0; i < size; ++i) {
    noise = noise * 1103515245u + 12345u;
    data[i] = (i / 1000) % 2 ? static_cast<uint8_t>(noise >> 16) : static_cast<uint8_t>("skin data "[i % 10]);
  }
  return data;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data, TCompressionLevel level) {
  TMemoryStream packed;
  TCompressionStream z(level, &packed);
  // Several writes of uneven size make one zlib stream.
  size_t first = data.size() / 3;
  z.WriteBuffer(data.data(), static_cast<int64_t>(first));
  z.WriteBuffer(data.data() + first, static_cast<int64_t>(data.size() - first));
  EXPECT_EQ(z.Position(), static_cast<int64_t>(data.size()));
  z.Finish();
  return packed.Bytes();
}

TEST(ZLibTest, RoundTripReadInPieces) {
  const auto data = SampleData(300000);
  const auto packed = Compress(data, zcMax);
  ASSERT_GE(packed.size(), 2u);
  EXPECT_EQ(packed[0], 0x78);
  EXPECT_EQ(packed[1], 0xDA);

  // The zlib stream sits between other bytes of the source.
  TMemoryStream source;
  source.WriteBuffer("HEAD", 4);
  source.WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
  source.WriteBuffer("TAIL", 4);
  source.SetPosition(4);
  TDecompressionStream z(&source);
  std::vector<uint8_t> out;
  uint8_t piece[4096];
  int64_t n;
  while ((n = z.Read(piece, sizeof piece)) > 0) out.insert(out.end(), piece, piece + n);
  EXPECT_EQ(out, data);
  EXPECT_EQ(z.Read(piece, 1), 0);
  EXPECT_EQ(source.Position(), 4 + static_cast<int64_t>(packed.size()));
}

TEST(ZLibTest, LevelsShowInTheHeader) {
  const auto data = SampleData(5000);
  const auto none = Compress(data, zcNone);
  const auto fastest = Compress(data, zcFastest);
  const auto normal = Compress(data, zcDefault);
  EXPECT_EQ(none[1], 0x01);
  EXPECT_EQ(fastest[1], 0x01);
  EXPECT_EQ(normal[1], 0x9C);
  EXPECT_GT(none.size(), data.size());
  EXPECT_LT(fastest.size(), none.size());
  EXPECT_EQ(ZDecompressBuffer(none.data(), none.size()), data);
}

TEST(ZLibTest, CorruptOrCutDataRaises) {
  const auto data = SampleData(20000);
  auto packed = ZCompressBuffer(data.data(), data.size(), zcDefault);
  EXPECT_EQ(ZDecompressBuffer(packed.data(), packed.size()), data);

  auto badHeader = packed;
  badHeader[0] = 0x00;
  try {
    ZDecompressBuffer(badHeader.data(), badHeader.size());
    FAIL() << "no exception";
  } catch (const EZDecompressionError& e) {
    EXPECT_EQ(e.Message().rfind(L"Corrupt compressed data: ", 0), 0u) << e.what();
  }
  auto badChecksum = packed;
  badChecksum.back() ^= 0xFF;
  EXPECT_THROW(ZDecompressBuffer(badChecksum.data(), badChecksum.size()), EZDecompressionError);
  EXPECT_THROW(ZDecompressBuffer(packed.data(), packed.size() / 2), EZDecompressionError);
  EXPECT_THROW(ZDecompressBuffer(packed.data(), 0), EZDecompressionError);
}

TEST(ZLibTest, EmptyInputIsAValidStream) {
  auto packed = ZCompressBuffer(nullptr, 0, zcMax);
  EXPECT_EQ(packed.size(), 8u);  // header, empty final block, checksum 1
  EXPECT_TRUE(ZDecompressBuffer(packed.data(), packed.size()).empty());
}

TEST(ZLibTest, InflateIntoABlockStopsAtTheLimit) {
  const auto data = SampleData(300000);
  const auto packed = ZCompressBuffer(data.data(), data.size(), zcMax);
  TByteBlock block;
  // A limit of exactly the inflated size passes; one byte less does not.
  ZDecompressBuffer(packed.data(), packed.size(), data.size(), block);
  ASSERT_EQ(block.Size, data.size());
  EXPECT_TRUE(std::equal(data.begin(), data.end(), block.Data.get()));
  try {
    ZDecompressBuffer(packed.data(), packed.size(), data.size() - 1, block);
    FAIL() << "no exception";
  } catch (const EZDecompressionError& e) {
    EXPECT_EQ(e.Message(), L"Compressed data inflates to more than 299999 bytes");
  }
  const auto empty = ZCompressBuffer(nullptr, 0, zcMax);
  ZDecompressBuffer(empty.data(), empty.size(), 0, block);
  EXPECT_EQ(block.Size, 0u);
  try {
    ZDecompressBuffer(packed.data(), packed.size() - 5, data.size(), block);
    FAIL() << "no exception";
  } catch (const EZDecompressionError& e) {
    EXPECT_EQ(e.Message(), L"Compressed data ends before its end mark");
  }
}

TEST(ZLibTest, DecompressionSeeksByReadingAndRestarting) {
  const auto data = SampleData(50000);
  auto packed = ZCompressBuffer(data.data(), data.size(), zcDefault);
  TMemoryStream source;
  source.WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
  source.SetPosition(0);
  TDecompressionStream z(&source);
  uint8_t b = 0;
  EXPECT_EQ(z.Seek(30000, soBeginning), 30000);
  z.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[30000]);
  EXPECT_EQ(z.Seek(-20001, soCurrent), 10000);
  z.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[10000]);
  EXPECT_THROW(z.Seek(0, soEnd), EZDecompressionError);
  EXPECT_THROW(z.Seek(60000, soBeginning), EZDecompressionError);
  EXPECT_THROW(z.Write(&b, 1), EZDecompressionError);

  TMemoryStream sink;
  TCompressionStream c(zcDefault, &sink);
  EXPECT_THROW(c.Read(&b, 1), EZCompressionError);
  EXPECT_THROW(c.Seek(0, soBeginning), EZCompressionError);
}

TEST(ZLibTest, DestructorFinishesTheStream) {
  const auto data = SampleData(1000);
  TMemoryStream packed;
  {
    TCompressionStream z(zcMax, &packed);
    z.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  }
  EXPECT_EQ(ZDecompressBuffer(packed.Memory(), static_cast<size_t>(packed.Size())), data);
}

}  // namespace
