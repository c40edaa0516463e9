// Reading and writing Windows bitmap (BMP) files, without the platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/Classes.h"

// A decoded bitmap: Height rows from the top, each RowBytes() long (padded to
// 4 bytes), BitCount bits a pixel. 24 and 32 bits are blue, green, red(, alpha)
// bytes; 1, 4 and 8 bits index Palette, which then has 2^BitCount entries
// 0x00RRGGBB.
struct TBmpImage {
  int Width = 0;
  int Height = 0;
  int BitCount = 24;
  std::vector<uint32_t> Palette;
  std::vector<uint8_t> Pixels;

  int RowBytes() const { return static_cast<int>(((int64_t(Width) * BitCount + 31) / 32) * 4); }
  uint8_t* Row(int Y) { return Pixels.data() + static_cast<size_t>(Y) * RowBytes(); }
  const uint8_t* Row(int Y) const { return Pixels.data() + static_cast<size_t>(Y) * RowBytes(); }
  // Sizes Pixels (zeroed) and Palette for the current Width, Height, BitCount.
  void Allocate();
};

// Largest image the reader accepts: pixels in all, and pixels a side.
constexpr int64_t MaxBmpPixels = int64_t(1) << 24;
constexpr int64_t MaxBmpSide = int64_t(1) << 16;
// Largest file a picture reader takes (a bitmap of MaxBmpPixels at 32 bits
// needs 64 MB; compressed rows, colour tables and gaps fit well within).
constexpr int64_t MaxBmpFileBytes = int64_t(1) << 28;

// A whole BMP file in memory whose headers, colour table and pixel data have
// been checked, not yet decoded. Width, Height, BitCount and Palette are those
// of the decoded image (as in TBmpImage); the rest says where and how the
// pixels are stored. It points into the file's bytes, which must outlive it.
struct TBmpView {
  int Width = 0;
  int Height = 0;
  int BitCount = 24;
  std::vector<uint32_t> Palette;

  const uint8_t* Pixels = nullptr;  // the file's pixel data
  size_t PixelBytes = 0;
  int SourceBitCount = 24;
  uint32_t Compression = 0;
  bool TopDown = false;
  uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha

  int RowBytes() const { return static_cast<int>(((int64_t(Width) * BitCount + 31) / 32) * 4); }
};

// Checks the BMP file that fills Data and describes it in View; bad data
// raises EInvalidGraphic (the same faults ReadBmp reports) and leaves View
// unchanged.
void ParseBmp(const uint8_t* Data, size_t Size, TBmpView& View);
// Decodes the pixels of a checked file: row Y from the top, View.RowBytes()
// long, is written at Top + Y * Stride (a negative Stride for bottom-up
// memory).
void DecodeBmp(const TBmpView& View, uint8_t* Top, ptrdiff_t Stride);

// Reads one BMP file starting at the stream position, consuming exactly the
// size its file header gives. Takes core, info, V4 and V5 headers, 1, 4, 8,
// 16, 24 and 32 bits, bit-field masks, RLE4 and RLE8, both row orders.
// 16 bits become 24, 32-bit colour masks become plain 32 bits, RLE becomes
// uncompressed. Bad data raises EInvalidGraphic; Image is then unchanged.
void ReadBmp(TStream* Stream, TBmpImage& Image);
// The same over a buffer that holds the whole file.
void ReadBmp(const uint8_t* Data, size_t Size, TBmpImage& Image);

// Writes a BMP file (info header, bottom-up rows) of 1, 4, 8, 24 or 32 bits.
void WriteBmp(TStream* Stream, const TBmpImage& Image);
