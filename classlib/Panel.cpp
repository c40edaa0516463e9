// TCustomPanel: bevels and a caption.
#include "classlib/ExtCtrls.h"

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable};
  FWidth = 185;
  FHeight = 41;
  FColor = clBtnFace;
  FParentColor = false;
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (FBevelInner == Value) return;
  FBevelInner = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (FBevelOuter == Value) return;
  FBevelOuter = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
  if (FBevelWidth == Value || Value < 1) return;
  FBevelWidth = Value;
  Realign();
  Invalidate();
}

int TCustomPanel::BevelExtent() const {
  return ((FBevelOuter != bvNone) + (FBevelInner != bvNone)) * FBevelWidth;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) const { InflateRect(Rect, -BevelExtent(), -BevelExtent()); }

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  auto bevel = [&](TBevelCut Cut) {
    if (Cut == bvNone) return;
    const TColor light = Cut == bvLowered || Cut == bvFrame ? clBtnShadow : clBtnHighlight;
    const TColor dark = Cut == bvLowered ? clBtnHighlight : clBtnShadow;
    for (int i = 0; i < FBevelWidth; ++i) {
      if (Cut != bvSpace) {
        canvas->Pen()->SetColor(light);
        canvas->Polyline({TPoint(r.Left, r.Bottom - 1), TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top)});
        canvas->Pen()->SetColor(dark);
        canvas->Polyline({TPoint(r.Right - 1, r.Top), TPoint(r.Right - 1, r.Bottom - 1),
                          TPoint(r.Left - 1, r.Bottom - 1)});
      }
      InflateRect(r, -1, -1);
    }
  };
  bevel(FBevelOuter);
  bevel(FBevelInner);
  const String caption = Caption();
  if (caption.empty()) return;
  canvas->SetFont(Font());
  HDC dc = canvas->Handle();
  HGDIOBJ old = SelectObject(dc, canvas->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  UINT flags = DT_SINGLELINE | DT_VCENTER;
  flags |= FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  RECT t = {r.Left, r.Top, r.Right, r.Bottom};
  DrawTextFallback(dc, caption.c_str(), static_cast<int>(caption.size()), &t, flags);
  SelectObject(dc, old);
}

void TCustomPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
  }
  TCustomControl::Dispatch(Message);
}
