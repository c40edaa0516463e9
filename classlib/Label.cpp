// TLabel: text drawn on the parent's surface.
#include "classlib/StdCtrls.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csOpaque).Include(csReplicatable);
  FWidth = 65;
  FHeight = 17;
  FAutoSize = true;
}

UINT TLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  if (FAlignment == taRightJustify) flags |= DT_RIGHT;
  else if (FAlignment == taCenter) flags |= DT_CENTER;
  return flags;
}

RECT TLabel::MeasureText(RECT R) const {
  String text = Caption();
  // An empty line still has the height of one.
  if (text.empty() || (FShowAccelChar && text == L"&")) text = L" ";
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &R, TextFlags() | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return R;
}

bool TLabel::CanAutoSize(int& NewWidth, int& NewHeight) {
  RECT r = MeasureText(RECT{0, 0, FWordWrap ? FWidth : 0, 0});
  if (!FWordWrap) NewWidth = r.right;
  NewHeight = r.bottom;
  return true;
}

void TLabel::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
  }
  RECT r = {client.Left, client.Top, client.Right, client.Bottom};
  if (FLayout != tlTop) {
    RECT text = MeasureText(RECT{r.left, r.top, r.right, r.top});
    const int free = (r.bottom - r.top) - (text.bottom - text.top);
    r.top += FLayout == tlCenter ? free / 2 : free;
  }
  const String text = Caption();
  HDC dc = canvas->Handle();
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFlags());
  SelectObject(dc, old);
}

void TLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustSize();
      Invalidate();
      return;
  }
  TGraphicControl::Dispatch(Message);
}

void TLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustSize();
  Invalidate();
}

void TLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustSize();
  Invalidate();
}
