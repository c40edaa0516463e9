// Pixel rules of the 24-bit effect bitmaps: morphs between two states of a
// control, the inactive-window effects, quarter turns and flips. Portable: the
// routines work on rows of blue, green, red bytes wherever they live.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/Types.h"

// Bytes of one row of a 24-bit top-down DIB: three a pixel, padded to 4 bytes.
constexpr int RowBytes24(int Width) { return 3 * Width + Width % 4; }

// A view of 24-bit pixel rows (blue, green, red); the memory belongs to others.
struct TspPixels24 {
  uint8_t* Bits = nullptr;
  int Width = 0;
  int Height = 0;
  int RowBytes = 0;

  uint8_t* Row(int y) const { return Bits + static_cast<ptrdiff_t>(y) * RowBytes; }
  uint8_t* Pixel(int x, int y) const { return Row(y) + 3 * x; }
  bool Empty() const { return Bits == nullptr || Width <= 0 || Height <= 0; }
  bool SameSize(const TspPixels24& o) const { return Width == o.Width && Height == o.Height; }
};

// 24-bit pixels held in memory of their own, laid out like a DIB section.
class TspPixelBuffer24 {
 public:
  TspPixelBuffer24() = default;
  TspPixelBuffer24(int Width, int Height, uint8_t Fill = 0);
  TspPixelBuffer24(const TspPixelBuffer24& Other) { *this = Other; }
  TspPixelBuffer24& operator=(const TspPixelBuffer24& Other);
  TspPixels24 View() { return FView; }
  const TspPixels24& View() const { return FView; }

 private:
  std::vector<uint8_t> FData;
  TspPixels24 FView;
};

// Morphs change Old toward New in place; different sizes leave Old as it is.
void MorphPixels(TspPixels24& Old, const TspPixels24& New, double k);
// Blend of rectangle R of Old with New read from (x, y), clipped to both images.
void MorphRectPixels(TspPixels24& Old, const TspPixels24& New, TRect R, int x, int y, double k);
void MorphGradPixels(TspPixels24& Old, const TspPixels24& New, double k);
void MorphLeftGradPixels(TspPixels24& Old, const TspPixels24& New, double k);
void MorphRightGradPixels(TspPixels24& Old, const TspPixels24& New, double k);
void MorphLeftSlidePixels(TspPixels24& Old, const TspPixels24& New, double k);
void MorphRightSlidePixels(TspPixels24& Old, const TspPixels24& New, double k);
void MorphPushPixels(TspPixels24& Old, const TspPixels24& New, double k);
// The morph of a skin's "morphkind" number (0 default .. 6 push).
void MorphPixelsByKind(TspPixels24& Old, const TspPixels24& New, int Kind, double k);

// Inactive-window effects.
void ChangeBrightnessPixels(TspPixels24& Img, double k);
void ChangeDarknessPixels(TspPixels24& Img, double k);
void GrayScalePixels(TspPixels24& Img);
void AddColorNoisePixels(TspPixels24& Img, int Amount);
void SplitBlurPixels(TspPixels24& Img, int Distance);
void InvertPixels(TspPixels24& Img);

// Turned or flipped copies; a destination of the wrong size is left alone.
void Rotate90Pixels(const TspPixels24& Src, TspPixels24& Dst);
void Rotate270Pixels(const TspPixels24& Src, TspPixels24& Dst);
void FlipVerticalPixels(const TspPixels24& Src, TspPixels24& Dst);

// The program's pseudo-random generator: a 32-bit linear congruential sequence.
void RandSeed(uint32_t Seed);
// A number in 0 .. Range - 1 (0 when Range is below 1).
int Random(int Range);
