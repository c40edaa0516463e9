// Pixel pictures that the skin art is drawn into: fills, gradients, crisp lines
// and shapes with anti-aliased edges, saved as BMP files.
#pragma once

#include <cstdint>
#include <functional>

#include "classlib/BmpCodec.h"
#include "classlib/GraphicsTypes.h"

struct TRgb {
  uint8_t R = 0, G = 0, B = 0;
};
constexpr TRgb Rgb(uint8_t R, uint8_t G, uint8_t B) { return TRgb{R, G, B}; }
constexpr bool operator==(TRgb A, TRgb B) { return A.R == B.R && A.G == B.G && A.B == B.B; }
// The colour as a skin writes it (0x00BBGGRR).
constexpr TColor ToColor(TRgb C) { return MakeColor(C.R, C.G, C.B); }
// (1 - k) x A + k x B.
TRgb Mix(TRgb A, TRgb B, double k);

// The colour of a pixel of a shape or fill, by its picture coordinates.
using TPaint = std::function<TRgb(int X, int Y)>;
TPaint Solid(TRgb C);
// Top colour on row Y0, bottom colour on row Y1 - 1, linear between.
TPaint Vertical(TRgb Top, TRgb Bottom, int Y0, int Y1);
// Whether a point (in pixel units, pixel centres at .5) lies in a shape.
using TShape = std::function<bool(double X, double Y)>;
// A rectangle (edges at whole pixels) with corners rounded by Radius.
TShape RoundRectShape(double Left, double Top, double Right, double Bottom, double Radius);
// Top and bottom corners rounded by different radii.
TShape RoundRectShape(double Left, double Top, double Right, double Bottom, double TopRadius, double BottomRadius);
// The share of the pixel (X, Y) that Shape covers, from 4 x 4 sample points.
double Coverage(const TShape& Shape, int X, int Y);
// A line from (X0, Y0) to (X1, Y1), Width thick with flat ends.
TShape LineShape(double X0, double Y0, double X1, double Y1, double Width);

class TArtImage {
 public:
  TArtImage(int Width, int Height, TRgb Fill);
  int Width() const { return FImage.Width; }
  int Height() const { return FImage.Height; }

  // Points outside the picture read black and are not written.
  TRgb Get(int X, int Y) const;
  void Set(int X, int Y, TRgb C);
  // Covers the pixel by Opacity (0 .. 1) of C.
  void Blend(int X, int Y, TRgb C, double Opacity);

  void Fill(const TRect& R, const TPaint& Paint);
  void Fill(const TRect& R, TRgb C) { Fill(R, Solid(C)); }
  // One-pixel outline of R.
  void Frame(const TRect& R, TRgb C);
  void HLine(int X0, int X1, int Y, TRgb C);  // X1 excluded
  void VLine(int X, int Y0, int Y1, TRgb C);  // Y1 excluded
  // Paints the part of each pixel of Bounds that Shape covers.
  void FillShape(const TRect& Bounds, const TShape& Shape, const TPaint& Paint, double Opacity = 1);
  void FillShape(const TRect& Bounds, const TShape& Shape, TRgb C, double Opacity = 1) {
    FillShape(Bounds, Shape, Solid(C), Opacity);
  }
  // Copies From of Source with its top-left corner at (X, Y).
  void Copy(const TArtImage& Source, const TRect& From, int X, int Y);
  // Keeps the first Height rows.
  void CropHeight(int Height);

  // 24 bits a pixel, or 1 bit (black and white) for a mask.
  void Save(const String& FileName, bool Monochrome = false) const;

 private:
  TBmpImage FImage;
};
