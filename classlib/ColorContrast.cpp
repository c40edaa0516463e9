// Colour contrast and the readable colour nearest to a wanted one.
#include "classlib/ColorContrast.h"

#include <cmath>

namespace {

double Luminance(TColor C) {
  auto channel = [](int V) {
    const double c = (V & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(C) + 0.7152 * channel(C >> 8) + 0.0722 * channel(C >> 16);
}

// A + (B - A) * T per channel, T in 0 .. 1.
TColor Blend(TColor A, TColor B, double T) {
  TColor out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = (A >> shift) & 0xFF, b = (B >> shift) & 0xFF;
    out |= static_cast<TColor>(std::lround(a + (b - a) * T)) << shift;
  }
  return out;
}

}  // namespace

double ColorContrast(TColor A, TColor B) {
  const double a = Luminance(A) + 0.05, b = Luminance(B) + 0.05;
  return a > b ? a / b : b / a;
}

TColor ReadableOn(TColor Text, TColor Face, double Ratio) {
  Text &= 0xFFFFFF;
  Face &= 0xFFFFFF;
  if (ColorContrast(Text, Face) >= Ratio) return Text;
  const TColor end = ColorContrast(clWhite, Face) >= ColorContrast(clBlack, Face) ? clWhite : clBlack;
  if (ColorContrast(end, Face) < Ratio) return end;
  // Contrast grows along the way to the end: halve toward the first point
  // that reads.
  double lo = 0, hi = 1;
  for (int i = 0; i < 12; ++i) {
    const double mid = (lo + hi) / 2;
    (ColorContrast(Blend(Text, end, mid), Face) >= Ratio ? hi : lo) = mid;
  }
  return Blend(Text, end, hi);
}
