// TCustomLabel: text drawn on the parent's surface.
#include "classlib/StdCtrls.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csOpaque).Include(csReplicatable);
  FWidth = 65;
  FHeight = 17;
  FAutoSize = true;
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  if (FAlignment == taRightJustify) flags |= DT_RIGHT;
  else if (FAlignment == taCenter) flags |= DT_CENTER;
  return flags;
}

void TCustomLabel::DoDrawText(TRect& Rect, UINT Flags) {
  String text = GetLabelText();
  // Measured, an empty line still has the height of one.
  if ((Flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == L"&"))) text += L" ";
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  HDC dc = canvas->Handle();
  HGDIOBJ old = SelectObject(dc, canvas->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  RECT r = {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  DrawTextFallback(dc, text.c_str(), static_cast<int>(text.size()), &r, Flags);
  SelectObject(dc, old);
  Rect = ::Rect(r.left, r.top, r.right, r.bottom);
}

namespace {

// Measuring happens outside painting, on one memory DC that the labels keep
// for the life of the program: it measures text as the screen does, without
// a screen DC fetched and released for every label.
HDC MeasureDC() {
  static HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

}  // namespace

TRect TCustomLabel::MeasureText(const TRect& R) {
  TRect r = R;
  TControlCanvas* canvas = FCanvas.get();
  TPaintDCLoan loan(canvas, MeasureDC());
  DoDrawText(r, TextFlags() | DT_CALCRECT);
  return r;
}

bool TCustomLabel::CanAutoSize(int& NewWidth, int& NewHeight) {
  TRect r = MeasureText(Rect(0, 0, FWordWrap ? FWidth : 0, 0));
  if (!FWordWrap) NewWidth = r.Right;
  NewHeight = r.Bottom;
  return true;
}

void TCustomLabel::Paint() {
  const TRect client = ClientRect();
  if (!Transparent()) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(client);
  }
  TRect r = client;
  if (FLayout != tlTop) {
    // Measured on the paint DC itself, then placed.
    TRect text = Rect(client.Left, client.Top, client.Right, client.Top);
    DoDrawText(text, TextFlags() | DT_CALCRECT);
    const int free = client.Height() - text.Height();
    r.Top += FLayout == tlCenter ? free / 2 : free;
  }
  DoDrawText(r, TextFlags());
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustSize();
      Invalidate();
      return;
  }
  TGraphicControl::Dispatch(Message);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustSize();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustSize();
  Invalidate();
}
