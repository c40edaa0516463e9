// Drawing primitives of the skin art pictures.
#include "tools/SkinArt/ArtImage.h"

#include <algorithm>
#include <cmath>

#include "classlib/Classes.h"
#include "skin/speffbmp_mix.h"

TRgb Mix(TRgb A, TRgb B, double k) {
  return Rgb(MixByFormula(A.R, B.R, k), MixByFormula(A.G, B.G, k), MixByFormula(A.B, B.B, k));
}

TPaint Solid(TRgb C) {
  return [C](int, int) { return C; };
}

TPaint Vertical(TRgb Top, TRgb Bottom, int Y0, int Y1) {
  return [=](int, int Y) {
    const double span = Y1 - Y0 > 1 ? Y1 - Y0 - 1 : 1;
    return Mix(Top, Bottom, std::clamp((Y - Y0) / span, 0.0, 1.0));
  };
}

TShape RoundRectShape(double Left, double Top, double Right, double Bottom, double Radius) {
  return RoundRectShape(Left, Top, Right, Bottom, Radius, Radius);
}

TShape RoundRectShape(double Left, double Top, double Right, double Bottom, double TopRadius, double BottomRadius) {
  return [=](double X, double Y) {
    if (X < Left || X > Right || Y < Top || Y > Bottom) return false;
    const bool top = Y < Top + TopRadius, bottom = Y > Bottom - BottomRadius;
    const double r = top ? TopRadius : (bottom ? BottomRadius : 0);
    if (r <= 0) return true;
    const double cy = top ? Top + r : Bottom - r;
    double cx;
    if (X < Left + r)
      cx = Left + r;
    else if (X > Right - r)
      cx = Right - r;
    else
      return true;
    return (X - cx) * (X - cx) + (Y - cy) * (Y - cy) <= r * r;
  };
}

TShape LineShape(double X0, double Y0, double X1, double Y1, double Width) {
  return [=](double X, double Y) {
    const double dx = X1 - X0, dy = Y1 - Y0, len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? ((X - X0) * dx + (Y - Y0) * dy) / len2 : 0;
    if (t < 0 || t > 1) return false;
    const double px = X0 + t * dx - X, py = Y0 + t * dy - Y;
    return px * px + py * py <= Width * Width / 4;
  };
}

double Coverage(const TShape& Shape, int X, int Y) {
  constexpr int kSamples = 4;
  int inside = 0;
  for (int sy = 0; sy < kSamples; ++sy)
    for (int sx = 0; sx < kSamples; ++sx)
      inside += Shape(X + (sx + 0.5) / kSamples, Y + (sy + 0.5) / kSamples) ? 1 : 0;
  return double(inside) / (kSamples * kSamples);
}

TArtImage::TArtImage(int Width, int Height, TRgb Fill) {
  FImage.Width = Width;
  FImage.Height = Height;
  FImage.BitCount = 24;
  FImage.Allocate();
  this->Fill(Rect(0, 0, Width, Height), Fill);
}

TRgb TArtImage::Get(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= Width() || Y >= Height()) return TRgb{};
  const uint8_t* p = FImage.Row(Y) + 3 * X;
  return Rgb(p[2], p[1], p[0]);
}

void TArtImage::Set(int X, int Y, TRgb C) {
  if (X < 0 || Y < 0 || X >= Width() || Y >= Height()) return;
  uint8_t* p = FImage.Row(Y) + 3 * X;
  p[0] = C.B;
  p[1] = C.G;
  p[2] = C.R;
}

void TArtImage::Blend(int X, int Y, TRgb C, double Opacity) {
  if (Opacity <= 0) return;
  Set(X, Y, Opacity >= 1 ? C : Mix(Get(X, Y), C, Opacity));
}

void TArtImage::Fill(const TRect& R, const TPaint& Paint) {
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) Set(x, y, Paint(x, y));
}

void TArtImage::Frame(const TRect& R, TRgb C) {
  HLine(R.Left, R.Right, R.Top, C);
  HLine(R.Left, R.Right, R.Bottom - 1, C);
  VLine(R.Left, R.Top, R.Bottom, C);
  VLine(R.Right - 1, R.Top, R.Bottom, C);
}

void TArtImage::HLine(int X0, int X1, int Y, TRgb C) {
  for (int x = X0; x < X1; ++x) Set(x, Y, C);
}

void TArtImage::VLine(int X, int Y0, int Y1, TRgb C) {
  for (int y = Y0; y < Y1; ++y) Set(X, y, C);
}

void TArtImage::FillShape(const TRect& Bounds, const TShape& Shape, const TPaint& Paint, double Opacity) {
  for (int y = Bounds.Top; y < Bounds.Bottom; ++y)
    for (int x = Bounds.Left; x < Bounds.Right; ++x) Blend(x, y, Paint(x, y), Opacity * Coverage(Shape, x, y));
}

void TArtImage::Copy(const TArtImage& Source, const TRect& From, int X, int Y) {
  for (int y = From.Top; y < From.Bottom; ++y)
    for (int x = From.Left; x < From.Right; ++x) Set(X + x - From.Left, Y + y - From.Top, Source.Get(x, y));
}

void TArtImage::CropHeight(int Height) {
  if (Height >= FImage.Height) return;
  FImage.Height = Height;
  FImage.Pixels.resize(static_cast<size_t>(FImage.RowBytes()) * Height);
}

void TArtImage::Save(const String& FileName, bool Monochrome) const {
  TMemoryStream out;
  if (!Monochrome) {
    WriteBmp(&out, FImage);
    out.SaveToFile(FileName);
    return;
  }
  TBmpImage mask;
  mask.Width = Width();
  mask.Height = Height();
  mask.BitCount = 1;
  mask.Allocate();
  mask.Palette = {0x000000, 0xFFFFFF};
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x) {
      const TRgb c = Get(x, y);
      if (c.R | c.G | c.B) mask.Row(y)[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  WriteBmp(&out, mask);
  out.SaveToFile(FileName);
}
