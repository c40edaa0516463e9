// The paint panel (an owner-draw event over the panel's look) and the status
// bar with its size grip.
#include <windowsx.h>

#include "classlib/Forms.h"
#include "skin/SPUtils.h"
#include "skinctrls/SkinPanels.h"
#include "classlib/RaiseFor.h"

void DrawGrip(TCanvas* Cnvs, const TRect& R, TColor Dark, TColor Light) {
  const int steps = R.Width() / 3 + 1;
  for (int k = 3, i = 0; R.Left + k + 2 <= R.Right && i < steps; k += 3, ++i) {
    Cnvs->Pen()->SetColor(Dark);
    Cnvs->MoveTo(R.Left + k, R.Bottom);
    Cnvs->LineTo(R.Right, R.Top + k);
    Cnvs->Pen()->SetColor(Light);
    Cnvs->MoveTo(R.Left + k + 1, R.Bottom);
    Cnvs->LineTo(R.Right, R.Top + k + 1);
  }
}

// ---------------------------------------------------------------------------
// TspSkinPaintPanel

TspSkinPaintPanel::TspSkinPaintPanel(TComponent* AOwner) : TspSkinPanel(AOwner) { FPaintByPieces = false; }

void TspSkinPaintPanel::CreateControlDefaultImage(TBitmap* B) {
  TspSkinPanel::CreateControlDefaultImage(B);
  PaintContent(B->Canvas());
}

void TspSkinPaintPanel::CreateControlSkinImage(TBitmap* B) {
  TspSkinPanel::CreateControlSkinImage(B);
  PaintContent(B->Canvas());
}

void TspSkinPaintPanel::PaintContent(TCanvas* Cnvs) {
  RaiseFor(this, OnPanelPaint, Cnvs, GetSkinClientRect());
}

void TspSkinPaintPanel::Dispatch(TMessage& Message) {
  // Asked to erase into a foreign device context (a parent painting its
  // children into a bitmap), the panel draws itself there.
  if (Message.Msg == WM_ERASEBKGND && ErasesIntoForeignDC(Message)) {
    Perform(WM_PAINT, Message.WParam, 0);
    Message.Result = 1;
    return;
  }
  TspSkinPanel::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// TspSkinStatusBar

TspSkinStatusBar::TspSkinStatusBar(TComponent* AOwner) : TspSkinPanel(AOwner) {
  FSkinDataName = L"statusbar";
  FPaintByPieces = false;
  SetBorderStyle(bvNone);
  SetAlign(alBottom);
  SetHeight(21);
}

void TspSkinStatusBar::SetSizeGrip(bool Value) {
  FSizeGrip = Value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetShowGrip(bool Value) {
  FShowGrip = Value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetSkinData(TspSkinData* Value) {
  TspSkinPanel::SetSkinData(Value);
  ChildWalk().ForEach([Value](TControl* c) {
    if (auto* child = dynamic_cast<TspSkinControl*>(c)) child->SetSkinData(Value);
  });
}

bool TspSkinStatusBar::HasGripPicture() const { return FIndex != -1 && Picture && !Skin().GripperRect.IsEmpty(); }

void TspSkinStatusBar::AdjustClientRect(TRect& Rect) const {
  TspSkinPanel::AdjustClientRect(Rect);
  if (!HasGrip()) return;
  Rect.Right -= HasGripPicture() ? Skin().GripperRect.Width() : Rect.Height();
}

TRect TspSkinStatusBar::GripRect() const {
  if (!HasGrip()) return TRect();
  const TRect c = GetSkinClientRect();
  if (HasGripPicture()) {
    const TRect& g = Skin().GripperRect;
    return TRect(c.Right, c.Bottom - g.Height(), c.Right + g.Width(), c.Bottom);
  }
  return TRect(c.Right + 2, c.Top, c.Right + c.Height(), c.Bottom - 2);
}

void TspSkinStatusBar::DrawGripOn(TCanvas* Cnvs) {
  if (!HasGrip()) return;
  const TRect r = GripRect();
  if (HasGripPicture()) {
    DrawPicturePiece(Cnvs, Skin().GripperRect, r.Left, r.Top, Skin().GripperTransparent,
                     Skin().GripperTransparentColor);
  } else if (FIndex != -1) {
    DrawGrip(Cnvs, r, SkinColor(&TspSkinColors::cBtnShadow, clBtnShadow),
             SkinColor(&TspSkinColors::cBtnHighLight, clBtnHighlight));
  } else {
    DrawGrip(Cnvs, r, clBtnShadow, clBtnHighlight);
  }
}

void TspSkinStatusBar::CreateControlDefaultImage(TBitmap* B) {
  TspSkinPanel::CreateControlDefaultImage(B);
  DrawGripOn(B->Canvas());
}

void TspSkinStatusBar::CreateControlSkinImage(TBitmap* B) {
  TspSkinPanel::CreateControlSkinImage(B);
  DrawGripOn(B->Canvas());
}

void TspSkinStatusBar::PaintContent(TCanvas* Cnvs) { DrawGripOn(Cnvs); }

void TspSkinStatusBar::WMNCHitTest(TMessage& Message) {
  const TPoint p = ScreenToClient(TPoint(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
  Message.Result = GripRect().Contains(p) ? HTBOTTOMRIGHT : HTCLIENT;
}

void TspSkinStatusBar::WMNCLButtonDown(TMessage& Message) {
  // Left to the default handling, a press on the grip would try to size the
  // bar itself; the form is what the grip sizes.
  TCustomForm* form = GetParentForm(this);
  if (!form || !form->HandleAllocated()) {
    TspSkinPanel::Dispatch(Message);
    return;
  }
  // Posted: the sizing loop runs from the form's own queue, not inside the bar.
  PostMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, Message.LParam);
  Message.Result = 0;
}

void TspSkinStatusBar::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_NCHITTEST && !Designing() && HasGrip()) {
    WMNCHitTest(Message);
    return;
  }
  if (Message.Msg == WM_NCLBUTTONDOWN && Message.WParam == HTBOTTOMRIGHT && HasGrip()) {
    WMNCLButtonDown(Message);
    return;
  }
  TspSkinPanel::Dispatch(Message);
}
