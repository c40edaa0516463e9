// Rotation, effect room and extrusion steps of the effect text renderer.
#include "components/fcTextGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "classlib/SysUtils.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
double Radians(int Degrees) { return Degrees * kPi / 180; }
}  // namespace

TPoint fcOrientationStep(TfcOrientation Orientation) {
  static const TPoint kSteps[] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}, {0, 1}, {-1, 0}, {1, 0}, {0, -1}};
  return kSteps[Orientation];
}

int fcNormalizeRotation(int Value) {
  if (Value >= 0) return Value % 360;
  return 360 - (std::abs(Value) % 360);
}

int fcFloor(double X) { return static_cast<int>(RoundHalfEven(X - 0.4999)); }

TPoint fcExtrudeOffset(const TfcEffectGeometry& G, bool Abs) {
  if (!G.ExtrudeOn) return TPoint();
  if (!Abs) return TPoint(G.Depth, G.Depth);
  const TPoint d = fcOrientationStep(G.Orientation);
  return TPoint(std::abs(d.X) * G.Depth, std::abs(d.Y) * G.Depth);
}

TPoint fcShadowOffset(const TfcEffectGeometry& G) {
  if (!G.ShadowOn) return TPoint();
  if (!G.ExtrudeOn) return TPoint(G.ShadowX, G.ShadowY);
  // Along an axis where the extrusion already reaches out the same way,
  // the shadow needs no room of its own.
  const TPoint d = fcOrientationStep(G.Orientation);
  auto counts = [](int offset, int dir) { return offset != 0 && (offset > 0) == (dir > 0) && dir != 0; };
  return TPoint(counts(G.ShadowX, d.X) ? G.ShadowX : 0, counts(G.ShadowY, d.Y) ? G.ShadowY : 0);
}

TSize fcTextExtent(const TfcEffectGeometry& G, const TSize& TextSize, const TSize* Clip) {
  const TPoint e = fcExtrudeOffset(G, false), s = fcShadowOffset(G);
  int w = TextSize.cx + e.X + s.X, h = TextSize.cy + e.Y + s.Y;
  if (G.Outline) {
    w += 2;
    h += 2;
  }
  const double a = Radians(G.Rotation);
  int W = fcFloor(std::fabs(std::cos(a)) * w + std::fabs(std::sin(a)) * h);
  int H = fcFloor(std::fabs(std::sin(a)) * w + std::fabs(std::cos(a)) * h);
  if (Clip) {
    W = std::min(W, Clip->cx);
    H = std::min(H, Clip->cy);
  }
  return TSize(W, H);
}

TRect fcTextPlace(const TfcEffectGeometry& G, const TRect& TextRect, const TSize& TextSize, bool Unclipped) {
  const TPoint e = fcExtrudeOffset(G, false), s = fcShadowOffset(G);
  int x = TextRect.Left + TextRect.Width() / 2 - s.X / 2 - e.X / 2;
  int y = TextRect.Top + TextRect.Height() / 2 - s.Y / 2 - e.Y / 2;
  const double a = Radians(G.Rotation);
  const int w = TextSize.cx, h = TextSize.cy;
  x -= fcFloor(std::cos(a) * w) / 2;
  y += fcFloor(std::sin(a) * w) / 2;
  y -= fcFloor(std::cos(a) * h) / 2;
  x -= fcFloor(std::sin(a) * h) / 2;
  const TSize clip(TextRect.Width(), TextRect.Height());
  const TSize ext = fcTextExtent(G, TextSize, Unclipped ? nullptr : &clip);
  TRect r(x, y, x + ext.cx, y + ext.cy);
  if (r.Left < TextRect.Left) OffsetRect(r, TextRect.Left - r.Left, 0);
  if (r.Top < TextRect.Top) OffsetRect(r, 0, TextRect.Top - r.Top);
  return r;
}

std::vector<TPoint> fcExtrusionSteps(const TfcEffectGeometry& G, TPoint& TextOffset) {
  std::vector<TPoint> steps;
  TextOffset = TPoint();
  if (!G.ExtrudeOn) return steps;
  const TPoint d = fcOrientationStep(G.Orientation);
  const TPoint half(fcExtrudeOffset(G, true).X / 2, fcExtrudeOffset(G, true).Y / 2);
  TPoint at(half.X - d.X * half.X, half.Y - d.Y * half.Y);
  for (int i = 1; i <= G.Depth; ++i) {
    at.X += d.X;
    at.Y += d.Y;
    steps.push_back(at);
  }
  TextOffset = at;
  return steps;
}

uint32_t fcExtrusionColor(uint32_t NearRGB, uint32_t FarRGB, int Depth, int I, bool Striated) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int nearC = (NearRGB >> shift) & 0xFF, farC = (FarRGB >> shift) & 0xFF;
    int c;
    if (!Striated) c = fcFloor((nearC - farC) / (double(Depth) / I) + farC);
    else c = ((nearC - farC) / Depth + farC) * I / (I % 2 == 0 ? 4 : 1);
    out |= static_cast<uint32_t>(((c % 256) + 256) % 256) << shift;
  }
  return out;
}
