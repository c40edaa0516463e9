// Colour to hue, saturation and lightness and back.
#include "components/HSLUtils.h"

#include <algorithm>

#include "classlib/SysUtils.h"

void RGBtoHSL(TColor Color, double& H, double& S, double& L) {
  const double r = GetRedOf(Color) / 255.0, g = GetGreenOf(Color) / 255.0, b = GetBlueOf(Color) / 255.0;
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  L = (mx + mn) / 2;
  if (mx == mn) {
    H = 0;
    S = 0;
    return;
  }
  const double d = mx - mn;
  S = L < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
  if (r == mx) H = (g - b) / d;
  else if (g == mx) H = 2 + (b - r) / d;
  else H = 4 + (r - g) / d;
  H /= 6;
  if (H < 0) H += 1;
}

namespace {

uint8_t Channel(double m1, double m2, double h) {
  if (h < 0) h += 1;
  else if (h >= 1) h -= 1;
  double v;
  if (6 * h < 1) v = m1 + (m2 - m1) * 6 * h;
  else if (2 * h < 1) v = m2;
  else if (3 * h < 2) v = m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
  else v = m1;
  return static_cast<uint8_t>(std::clamp(RoundHalfEven(255 * v), 0.0, 255.0));
}

}  // namespace

TColor HSLtoRGB(double H, double S, double L) {
  if (S == 0) {
    const auto grey = static_cast<uint8_t>(std::clamp(RoundHalfEven(255 * L), 0.0, 255.0));
    return MakeColor(grey, grey, grey);
  }
  const double m2 = L <= 0.5 ? L * (1 + S) : L + S - L * S;
  const double m1 = 2 * L - m2;
  return MakeColor(Channel(m1, m2, H + 1.0 / 3), Channel(m1, m2, H), Channel(m1, m2, H - 1.0 / 3));
}

void RGBtoHSLRange(TColor Color, int& H, int& S, int& L) {
  double h, s, l;
  RGBtoHSL(Color, h, s, l);
  H = static_cast<int>(RoundHalfEven(h * (HSLRange - 1)));
  S = static_cast<int>(RoundHalfEven(s * HSLRange));
  L = static_cast<int>(RoundHalfEven(l * HSLRange));
}

TColor HSLRangeToRGB(int H, int S, int L) {
  return HSLtoRGB(double(H) / (HSLRange - 1), double(S) / HSLRange, double(L) / HSLRange);
}

TColor AdvancedColorOf(TColor BaseRGB, int Percent, bool Darken) {
  int h, s, l;
  RGBtoHSLRange(BaseRGB, h, s, l);
  l += 10;
  l = std::clamp(Darken ? l - Percent : l + Percent, 0, HSLRange);
  return HSLRangeToRGB(h, s, l);
}
