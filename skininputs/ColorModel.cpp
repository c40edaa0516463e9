// Colour conversions, the three-form colour object, the basic table, grid
// cell layout, custom slots and hue ring geometry.
#include "skininputs/ColorModel.h"

#include <algorithm>
#include <cmath>

#include "classlib/SysUtils.h"

namespace {
constexpr double Pi = 3.14159265358979323846;
}

THSL RGBToHSL(const TRGBBytes& C) {
  const double r = C.R / 255.0, g = C.G / 255.0, b = C.B / 255.0;
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  THSL out;
  out.L = (mx + mn) / 2;
  if (mx == mn) return out;
  const double d = mx - mn;
  out.S = out.L >= 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
  double h;
  if (r == mx)
    h = (g - b) / d;
  else if (g == mx)
    h = 2 + (b - r) / d;
  else
    h = 4 + (r - g) / d;
  h /= 6;
  if (h < 0) h += 1;
  out.H = h;
  return out;
}

namespace {

double HueValue(double m1, double m2, double h) {
  if (h < 0)
    h += 1;
  else if (h > 1)
    h -= 1;
  if (6 * h < 1) return m1 + (m2 - m1) * h * 6;
  if (2 * h < 1) return m2;
  if (3 * h < 2) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
  return m1;
}

uint8_t ByteOf(double V) { return uint8_t(std::clamp(Round(V), 0, 255)); }

}  // namespace

TRGBBytes HSLToRGB(double H, double S, double L) {
  if (S == 0) {
    const uint8_t v = ByteOf(255 * L);
    return {v, v, v};
  }
  const double m2 = L <= 0.5 ? L * (1 + S) : L + S - L * S;
  const double m1 = 2 * L - m2;
  return {ByteOf(255 * HueValue(m1, m2, H + 1.0 / 3)), ByteOf(255 * HueValue(m1, m2, H)),
          ByteOf(255 * HueValue(m1, m2, H - 1.0 / 3))};
}

void RGBToHSB(const TRGBBytes& C, THSB& Hsb) {
  // Ties go to the earlier of R, G, B; only the values matter here.
  const int mx = std::max({C.R, C.G, C.B}), mn = std::min({C.R, C.G, C.B});
  const int d = mx - mn;
  if (d == 0) {
    Hsb.S = 0;
    Hsb.B = Round(C.R * 100.0 / 255);
    return;
  }
  Hsb.S = Round(double(d) / mx * 100);
  Hsb.B = Round(mx / 255.0 * 100);
  Hsb.H = Round(RGBToHSL(C).H * HueDegrees) % HueDegrees;
}

TRGBBytes HSBToRGB(const THSB& Hsb) {
  const double h = double(Hsb.H) / HueDegrees, s = Hsb.S / 100.0, v = Hsb.B * 255.0 / 100;
  const uint8_t V = ByteOf(v);
  if (s == 0) return {V, V, V};
  const double h6 = h / (1.0 / 6);
  const int i = int(std::trunc(h6));
  const double f = h6 - i;
  const uint8_t p = ByteOf((1 - s) * v), q = ByteOf((1 - s * f) * v), t = ByteOf((1 - (1 - f) * s) * v);
  switch (i) {
    case 0:
      return {V, t, p};
    case 1:
      return {q, V, p};
    case 2:
      return {p, V, t};
    case 3:
      return {p, q, V};
    case 4:
      return {t, p, V};
    default:
      return {V, p, q};
  }
}

void TPSPColor::BytesFromHSL() {
  FHB = ByteOf(FHSL.H * 255);
  FSB = ByteOf(FHSL.S * 255);
  FLB = ByteOf(FHSL.L * 255);
}

void TPSPColor::SetRGB(TColor Color) {
  FRGB = ColorBytes(Color);
  FHSL = RGBToHSL(FRGB);
  BytesFromHSL();
}

void TPSPColor::SetHSL(double H, double S, double L) {
  FHSL = {H, S, L};
  FRGB = HSLToRGB(H, S, L);
  BytesFromHSL();
}

void TPSPColor::SetHSLBytes(uint8_t H, uint8_t S, uint8_t L) {
  FHB = H;
  FSB = S;
  FLB = L;
  FHSL = {H / 255.0, S / 255.0, L / 255.0};
  FRGB = HSLToRGB(FHSL.H, FHSL.S, FHSL.L);
}

const std::array<TColor, BasicColorCount> BasicColors = {
    0x000000, 0x000040, 0x000080, 0x404080, 0x0000FF, 0x8080FF, 0x008080, 0x004080, 0x0080FF, 0x4080FF,
    0x00FFFF, 0x80FFFF, 0x408080, 0x004000, 0x008000, 0x00FF00, 0x00FF80, 0x80FF80, 0x808080, 0x404000,
    0x408000, 0x808000, 0x40FF00, 0x80FF00, 0x808040, 0x800000, 0xFF0000, 0x804000, 0xFFFF00, 0xFFFF80,
    0xC0C0C0, 0x400000, 0xA00000, 0xFF8080, 0xC08000, 0xFF8000, 0x400040, 0x4F4280, 0x800080, 0x400080,
    0xC08080, 0xC080FF, 0xFFFFFF, 0x800040, 0xFF0080, 0x8000FF, 0xFF00FF, 0xFF80FF};

int BasicColorIndex(TColor C) {
  const auto it = std::find(BasicColors.begin(), BasicColors.end(), C);
  return it == BasicColors.end() ? -1 : int(it - BasicColors.begin());
}

TColorGridLayout ColorGridLayout(const TRect& Client, int ColCount, int RowCount) {
  TColorGridLayout l;
  l.ColCount = ColCount;
  l.RowCount = RowCount;
  l.CellW = (Client.Width() - 2 * ColCount) / ColCount;
  l.CellH = (Client.Height() - 2 * RowCount) / RowCount;
  l.Left = Client.Left + Client.Width() / 2 - (l.CellW + 2) * ColCount / 2;
  l.Top = Client.Top + Client.Height() / 2 - (l.CellH + 2) * RowCount / 2;
  return l;
}

TPoint TColorGridLayout::CellOrigin(int K) const {
  const int c = (K - 1) % ColCount, r = (K - 1) / ColCount;
  return TPoint(Left + 1 + c * (CellW + 2), Top + 1 + r * (CellH + 2));
}

TRect TColorGridLayout::CellFrame(int K) const {
  const TPoint p = CellOrigin(K);
  return TRect(p.X - 1, p.Y - 1, p.X + CellW + 1, p.Y + CellH + 1);
}

TRect TColorGridLayout::CellHitRect(int K) const {
  const TPoint p = CellOrigin(K);
  return TRect(p.X, p.Y, p.X + CellW, p.Y + CellH);
}

TRect TColorGridLayout::CellSwatch(int K, bool Selected) const {
  const TPoint p = CellOrigin(K);
  const int in = (Selected ? 3 : 2) + 1;
  return TRect(p.X + in, p.Y + in, p.X + CellW - in, p.Y + CellH - in);
}

int TColorGridLayout::CellAt(const TPoint& P, int Count) const {
  const int cells = std::min(Count, ColCount * RowCount);
  for (int k = 1; k <= cells; ++k) {
    const TRect r = CellHitRect(k);
    if (P.X >= r.Left && P.X < r.Right && P.Y >= r.Top && P.Y < r.Bottom) return k;
  }
  return 0;
}

void TCustomColorSlots::AddColor(TColor C) {
  if (LastWritten == Count) LastWritten = 0;
  ++LastWritten;
  Colors[LastWritten - 1] = C;
}

namespace HueRing {

int AngleFromTop(int X, int Y, double Cx, double Cy) {
  const double deg = std::atan2(X - Cx, Cy - Y) * 180 / Pi;  // clockwise from up
  int a = Round(deg < 0 ? deg + 360 : deg);
  return a % 360;
}

bool InEllipse(int X, int Y, int L, int T, int R, int B) {
  // Pixel centres inside the ellipse inscribed in L..R-1, T..B-1.
  const double cx = (L + R - 1) / 2.0, cy = (T + B - 1) / 2.0;
  const double rx = (R - L) / 2.0, ry = (B - T) / 2.0;
  const double dx = (X - cx) / rx, dy = (Y - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

bool InRingPaint(int X, int Y) {
  return InEllipse(X, Y, 0, 0, Size, Size) && !InEllipse(X, Y, Thickness, Thickness, Size - Thickness, Size - Thickness);
}

bool InRingPick(int X, int Y) {
  return InEllipse(X, Y, 0, 0, Size, Size) &&
         !InEllipse(X, Y, Thickness, Thickness, Size - Thickness - 1, Size - Thickness - 1);
}

bool InBox(int X, int Y) { return X >= BoxLeft && X <= BoxRight && Y >= BoxLeft && Y <= BoxRight; }

uint8_t PickHueByte(int X, int Y) {
  const int a = AngleFromTop(X, Y, 97, 97);
  return ByteOf(double(HueAtAngle(a)) / HueDegrees * 255);
}

void PickBoxBytes(int X, int Y, uint8_t& S, uint8_t& L) {
  X = std::clamp(X, BoxLeft, BoxRight);
  Y = std::clamp(Y, BoxLeft, BoxRight);
  S = ByteOf(double(X - BoxLeft) / BoxSpan * 255);
  L = ByteOf(double(Y - BoxLeft) / BoxSpan * 255);
}

TPoint BoxMarker(const THSL& C) { return TPoint(Round(BoxSpan * C.S + BoxLeft), Round(BoxSpan * C.L + BoxLeft)); }

TPoint RingMarker(const THSL& C) {
  const double a = Round(C.H * HueDegrees) * Pi / 180;  // counter-clockwise from up
  return TPoint(Round(97 - MarkerRadius * std::sin(a)), Round(97 - MarkerRadius * std::cos(a)));
}

}  // namespace HueRing

const std::array<TColor, ColorButtonColorCount> ColorButtonColors = {
    0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x353333, 0x333333, 0x000080, 0x0066FF,
    0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080, 0x0000FF, 0x0099FF, 0x00CC99, 0x669933,
    0xCCCC33, 0xFF6633, 0x800080, 0x999999, 0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00,
    0x663399, 0xC0C0C0, 0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF};

TColor TColorMenuPlan::ItemColor(int Index, TColor Auto) const {
  if (ShowAuto && Index == 0) return Auto;
  return ColorButtonColors[Index - ShowAuto];
}

int TColorMenuPlan::Highlight(TColor Value, TColor Auto) const {
  const int colours = ColorButtonColorCount + ShowAuto;
  for (int i = 0; i < colours; ++i)
    if (ItemColor(i, Auto) == Value) return i;
  return MoreIndex();
}
