// TLEDFontNum: property rules and drawing of the LED cells.
#include "components/LEDFont.h"

TLEDFontNum::TLEDFontNum(TComponent* AOwner) : TGraphicControl(AOwner) {
  FWidth = 47;
  FHeight = 38;
  FText = L"00";
}

void TLEDFontNum::SetAndInvalidate(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TLEDFontNum::SetOffSetX(int Value) { SetAndInvalidate(FOffSetX, Value); }
void TLEDFontNum::SetOffSetY(int Value) { SetAndInvalidate(FOffSetY, Value); }
void TLEDFontNum::SetSpace(int Value) { SetAndInvalidate(FSpace, Value); }
void TLEDFontNum::SetLightColor(TColor Value) { SetAndInvalidate(FLightColor, Value); }
void TLEDFontNum::SetBGColor(TColor Value) { SetAndInvalidate(FBGColor, Value); }
void TLEDFontNum::SetDarkColor(TColor Value) { SetAndInvalidate(FDarkColor, Value); }

void TLEDFontNum::SetWordWidth(int Value) {
  if (Value != FWordWidth && LEDAcceptsWordWidth(Value, FThick)) SetAndInvalidate(FWordWidth, Value);
}

void TLEDFontNum::SetWordHeight(int Value) {
  if (Value != FWordHeight && LEDAcceptsWordHeight(Value, FThick)) SetAndInvalidate(FWordHeight, Value);
}

void TLEDFontNum::SetThick(int Value) {
  if (Value != FThick && LEDAcceptsThick(Value, FWordWidth, FWordHeight)) SetAndInvalidate(FThick, Value);
}

void TLEDFontNum::Dispatch(TMessage& Message) {
  if (Message.Msg != CM_TEXTCHANGED) {
    TGraphicControl::Dispatch(Message);
    return;
  }
  if (Parent() && Parent()->HandleAllocated() && IsShowing()) {
    Canvas()->Lock();
    DrawDigits();
    Canvas()->Unlock();
  }
}

TSize TLEDFontNum::ComputedSize() const {
  int point;
  const String s = LEDCellText(Text(), point);
  return LEDComputedSize(static_cast<int>(s.size()), FOffSetX, FOffSetY, FWordWidth, FWordHeight, FSpace);
}

void TLEDFontNum::SetAutoSize(bool Value) {
  if (FAutoSizeLED == Value) return;
  FAutoSizeLED = Value;
  const TSize size = ComputedSize();
  if (Value && Width() != size.cx) SizeTo(size);
}

void TLEDFontNum::SizeTo(const TSize& Size) {
  // An aligned display keeps what its side gives it (the height beside a
  // left or right side, the width along a top or bottom one, both in the
  // client area): taking it back would realign, repaint and resize again forever.
  const TAlign a = Align();
  const int w = a == alTop || a == alBottom || a == alClient ? Width() : Size.cx;
  const int h = a == alLeft || a == alRight || a == alClient ? Height() : Size.cy;
  SetBounds(Left(), Top(), w, h);
}

void TLEDFontNum::Paint() {
  TGraphicControl::Paint();
  DrawDigits();
}

void TLEDFontNum::DrawDigits() {
  if (!Visible()) return;
  TBitmap image;
  image.SetSize(Width(), Height());
  TCanvas* c = image.Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FBGColor);
  c->FillRect(Rect(0, 0, Width(), Height()));
  int point;
  const String s = LEDCellText(Text(), point);
  auto fill = [&](const TLEDSegment& seg, TColor Color) {
    c->Pen()->SetColor(Color);
    c->Brush()->SetColor(Color);
    c->Polygon(std::vector<TPoint>(seg.begin(), seg.end()));
  };
  int x = 0, y = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (i == 0) {
      x += FOffSetX;
      y += FOffSetY;
    } else {
      x += FWordWidth + FSpace;
    }
    const auto segments = LEDSegments(x, y, FWordWidth, FWordHeight, FThick);
    if (FDarkColor != FBGColor)
      for (const TLEDSegment& seg : segments) fill(seg, FDarkColor);
    if (s[i] == L' ' || FLightColor == FBGColor) continue;
    for (wchar_t n : LEDLitSegments(s[i])) fill(segments[n - L'0'], FLightColor);
    if (static_cast<int>(i) == point && s[i] >= L'0' && s[i] <= L'9') fill(segments[7], FLightColor);
  }
  BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), c->Handle(), 0, 0, SRCCOPY);
  if (FAutoSizeLED) {
    const TSize size = ComputedSize();
    // One pixel wider than computed is left alone: a new control (47 x 38)
    // keeps its size.
    if (Width() != size.cx + 1) SizeTo(size);
  }
}
