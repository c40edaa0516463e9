// Pixel rules of the 32-bit bitmaps with an alpha byte: blending, colour-keyed
// copies, nearest-pixel stretching, the stack blur and the glow colouring.
// Portable: the routines work on rows of blue, green, red, alpha pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/Types.h"

// A pixel as a 32-bit value: blue in the low byte, then green, red, alpha.
using TspPixel = uint32_t;

// Pixels equal to this value are not drawn by colour-keyed copies.
constexpr TspPixel spKeyColor = 0x007F007F;

constexpr uint8_t PixelBlue(TspPixel p) { return p & 0xFF; }
constexpr uint8_t PixelGreen(TspPixel p) { return (p >> 8) & 0xFF; }
constexpr uint8_t PixelRed(TspPixel p) { return (p >> 16) & 0xFF; }
constexpr uint8_t PixelAlpha(TspPixel p) { return p >> 24; }
constexpr TspPixel MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  return TspPixel(b) | TspPixel(g) << 8 | TspPixel(r) << 16 | TspPixel(a) << 24;
}
// A colour value (red in the low byte) as a pixel with the given alpha.
constexpr TspPixel ColorToPixel(uint32_t Color, uint8_t Alpha) {
  return MakePixel(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF, Alpha);
}

// A view of 32-bit pixel rows without padding; the memory belongs to others.
struct TspPixels32 {
  TspPixel* Bits = nullptr;
  int Width = 0;
  int Height = 0;

  TspPixel* Row(int y) const { return Bits + static_cast<ptrdiff_t>(y) * Width; }
  bool Empty() const { return Bits == nullptr || Width <= 0 || Height <= 0; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};

// 32-bit pixels held in memory of their own.
class TspPixelBuffer32 {
 public:
  TspPixelBuffer32() = default;
  TspPixelBuffer32(int Width, int Height, TspPixel Fill = 0);
  TspPixelBuffer32(const TspPixelBuffer32& Other) { *this = Other; }
  TspPixelBuffer32& operator=(const TspPixelBuffer32& Other);
  TspPixels32 View() const { return FView; }

 private:
  std::vector<TspPixel> FData;
  TspPixels32 FView;
};

// Source s with its alpha over destination d: 255 gives s, 0 keeps d, else
// each channel (s x a + d x (255 - a)) div 256 and alpha 255.
inline TspPixel BlendPixel(TspPixel s, TspPixel d) {
  const uint32_t a = s >> 24, na = 255 - a;
  // Red and blue side by side: each product stays below 65536.
  const uint32_t rb = (((s & 0xFF00FFu) * a + (d & 0xFF00FFu) * na) >> 8) & 0xFF00FFu;
  const uint32_t g = (((s & 0xFF00u) * a + (d & 0xFF00u) * na) >> 8) & 0xFF00u;
  const TspPixel mixed = a == 255 ? s : (rb | g | 0xFF000000u);
  return a == 0 ? d : mixed;
}

void BlendRow(TspPixel* Dst, const TspPixel* Src, int Count);
// Copies the pixels that are not the key colour, with alpha 255.
void KeyCopyRow(TspPixel* Dst, const TspPixel* Src, int Count);

enum TspDrawMode { dmCopy, dmBlend, dmKey };

// Draws SrcRect of Src into DstRect of Dst: equal sizes copy pixel for pixel,
// different sizes stretch by nearest pixel. Both rectangles are clipped to
// their bitmaps first.
void DrawPixels(const TspPixels32& Dst, TRect DstRect, const TspPixels32& Src, TRect SrcRect, TspDrawMode Mode);

void SetAlphaPixels(const TspPixels32& Img, uint8_t Alpha);
// True when some pixel has an alpha from 1 to 254.
bool HasPartialAlpha(const TspPixels32& Img);
// Pixels whose blue, green and red each differ from those of Value by less than
// 6 become the key colour; returns whether any did.
bool SetKeyColorPixels(const TspPixels32& Img, TspPixel Value);
// Alpha of each target pixel := (red + green + blue) / 3 of the source pixel.
void AlphaFromGrayPixels(const TspPixels32& Target, const TspPixels32& Source);
// Every pixel becomes Color (red in the low byte) with alpha = its red value.
void ColorizeFromRed(const TspPixels32& Img, uint32_t Color);
// The stack blur: triangular weights over 2r + 1 neighbours, rows then columns,
// edge pixels repeated; the result is opaque. Nothing when Radius is below 1.
void BlurPixels(const TspPixels32& Img, int Radius);
// Glyph silhouette: pixels that differ from the top-left one become opaque red,
// and those near the top-left colour become the key colour.
void MakeSilhouette(const TspPixels32& Img);
// Reflection of text whose rows run from Top to Bottom: each row between them
// takes Color with alpha = red x (0.7 - (Bottom - (y - Top)) / (Bottom - Top)),
// not below 0; every other row is cleared. Nothing when Bottom <= Top.
void ReflectionAlpha(const TspPixels32& Img, int Top, int Bottom, uint32_t Color);
// Turns the rows upside down in place.
void FlipRows(const TspPixels32& Img);
