// The hue ring and saturation/lightness box of the colour dialog.
#include "skininputs/SkinHueRing.h"

#include <cstdint>

using namespace HueRing;

namespace {

// The ring's colours, one per degree, at full saturation and a little below
// mid lightness so that yellow and cyan are not washed out.
const TRGBBytes& RingHue(int Degree) {
  static const auto table = [] {
    std::array<TRGBBytes, HueDegrees> t;
    for (int i = 0; i < HueDegrees; ++i) t[i] = HSLToRGB(double(i) / HueDegrees, 1.0, 0.47);
    return t;
  }();
  return table[Degree];
}

}  // namespace

TspHueRingImage::TspHueRingImage(TComponent* AOwner, TPSPColor& Color) : TGraphicControl(AOwner), FColor(Color) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  FBitmap.SetPixelFormat(pf32bit);
  FBitmap.SetSize(Size, Size);
  SetBounds(0, 0, Size, Size);
}

void TspHueRingImage::PutPixel(int X, int Y, const TRGBBytes& C) {
  auto* row = static_cast<uint32_t*>(FBitmap.ScanLine(Y));
  row[X] = uint32_t(C.B) | uint32_t(C.G) << 8 | uint32_t(C.R) << 16;
}

void TspHueRingImage::DrawHueRing(TBitmap* Background) {
  TCanvas* c = FBitmap.Canvas();
  if (Background) {
    c->Draw(0, 0, Background);
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, Size, Size));
  }
  GdiFlush();
  // The pixel's angle is taken from the ring's middle, the same centre that
  // picks use, so a press lands on the hue drawn under it.
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x)
      if (InRingPaint(x, y)) PutPixel(x, y, RingHue(HueAtAngle(AngleFromTop(x, y, 97, 97))));
  RedrawBox();
}

void TspHueRingImage::RedrawBox() {
  GdiFlush();
  const double h = FColor.HSL().H;
  for (int y = BoxLeft; y <= BoxRight; ++y)
    for (int x = BoxLeft; x <= BoxRight; ++x)
      PutPixel(x, y, HSLToRGB(h, double(x - BoxLeft) / BoxSpan, double(y - BoxLeft) / BoxSpan));
  Invalidate();
}

void TspHueRingImage::Paint() {
  TBitmap b;
  b.SetSize(Width(), Height());
  TCanvas* c = b.Canvas();
  c->Draw(0, 0, &FBitmap);
  // Markers in XOR so that they show on every colour.
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetMode(pmXor);
  c->Brush()->SetStyle(bsClear);
  for (const TPoint& p : {BoxMarker(FColor.HSL()), RingMarker(FColor.HSL())})
    c->Ellipse(p.X - 5, p.Y - 5, p.X + 5, p.Y + 5);
  Canvas()->Draw(0, 0, &b);
}

void TspHueRingImage::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  FMode = InBox(X, Y) ? 2 : InRingPick(X, Y) ? 1 : 0;
  if (Button == mbLeft) Pick(X, Y);
}

void TspHueRingImage::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (Shift.Contains(ssLeft)) Pick(X, Y);
}

void TspHueRingImage::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) Pick(X, Y);
  FMode = 0;
}

void TspHueRingImage::Pick(int X, int Y) {
  if (FMode == 1) {
    const uint8_t hue = PickHueByte(X, Y);
    if (hue == FColor.HByte()) return;
    FColor.SetHSLBytes(hue, FColor.SByte(), FColor.LByte());
    if (OnPick) OnPick();
    RedrawBox();
  } else if (FMode == 2) {
    uint8_t s, l;
    PickBoxBytes(X, Y, s, l);
    FColor.SetHSLBytes(FColor.HByte(), s, l);
    if (OnPick) OnPick();
    Invalidate();
  }
}
