// The fc edit frame and button effects, and the drawing behind transparent edits.
#include "components/fcframe.h"

#include "classlib/StdCtrls.h"
#include "components/fcCommonDraw.h"

#include <algorithm>

TfcEditFrame::TfcEditFrame(TControl* Control) : FControl(dynamic_cast<TWinControl*>(Control)) {}

void TfcEditFrame::InvalidateControl() {
  if (dynamic_cast<TCustomEdit*>(FControl)) FControl->Invalidate();
}

void TfcEditFrame::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  if (!dynamic_cast<TCustomEdit*>(FControl)) return;
  if (Value) fcSetOrdPropByName(FControl, L"BorderStyle", bsNone);
  if (fcGetOrdPropByName(FControl, L"AutoSize")) AdjustHeight();
  FControl->Invalidate();
}

void TfcEditFrame::SetFocusBorders(TfcEditFrameEnabledSet Value) {
  FSettings.FocusBorders = Value;
  InvalidateControl();
}

void TfcEditFrame::SetNonFocusStyle(TfcEditFocusStyle Value) {
  if (FSettings.NonFocusStyle == Value) return;
  FSettings.NonFocusStyle = Value;
  InvalidateControl();
}

void TfcEditFrame::SetNonFocusBorders(TfcEditFrameEnabledSet Value) {
  FSettings.NonFocusBorders = Value;
  if (!dynamic_cast<TCustomEdit*>(FControl)) return;
  if (FEnabled && FSettings.Transparent && FControl->Parent() && FControl->Parent()->HandleAllocated()) {
    const TRect b = FControl->BoundsRect();
    RECT r = {b.Left, b.Top, b.Right, b.Bottom};
    InvalidateRect(FControl->Parent()->Handle(), &r, FALSE);
  } else {
    FControl->Invalidate();
  }
}

void TfcEditFrame::SetTransparent(bool Value) {
  if (FSettings.Transparent == Value) return;
  FSettings.Transparent = Value;
  FTransparentWindow = Value;
  if (!Value || !IsActive() || fcIsDesigning(FControl) || !FControl->HandleAllocated()) return;
  TWinControl* parent = FControl->Parent();
  if (parent && parent->HandleAllocated() && (GetWindowLongW(parent->Handle(), GWL_STYLE) & WS_CLIPCHILDREN))
    FControl->Perform(CM_RECREATEWND);
}

void TfcEditFrame::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TfcEditFrame*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FSettings.FocusStyle = s->FSettings.FocusStyle;
  SetEnabled(s->FEnabled);
  SetTransparent(s->FSettings.Transparent);
  if (!FEnabled) return;
  FAutoSizeHeightAdjust = s->FAutoSizeHeightAdjust;
  SetFocusBorders(s->FSettings.FocusBorders);
  SetNonFocusBorders(s->FSettings.NonFocusBorders);
  SetNonFocusStyle(s->FSettings.NonFocusStyle);
  FSettings.NonFocusTextOffsetX = s->FSettings.NonFocusTextOffsetX;
  FSettings.NonFocusTextOffsetY = s->FSettings.NonFocusTextOffsetY;
  FNonFocusTransparentFontColor = s->FNonFocusTransparentFontColor;
  FNonFocusColor = s->FNonFocusColor;
  FNonFocusFontColor = s->FNonFocusFontColor;
  FMouseEnterSameAsFocus = s->FMouseEnterSameAsFocus;
}

void TfcEditFrame::AdjustHeight() {
  if (!FControl) return;
  const int fontH = FontLineHeight(FControl->Font());
  const int screenH = FontLineHeight(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  // Every platform this runs on has the new-style controls; the control keeps no 3-D flag of its own.
  const int h = fcFrameAutoHeight(fontH, screenH, true, true, fcGetOrdPropByName(FControl, L"BorderStyle") == bsNone,
                                  FEnabled, FAutoSizeHeightAdjust, GetSystemMetrics(SM_CYBORDER));
  // An unchanged height still goes through a resize.
  if (h == FControl->Height()) FControl->SetHeight(h - 1);
  FControl->SetHeight(h);
}

void TfcButtonEffects::Apply(bool AlsoTransparent) {
  const bool on = FFlat || FTransparent;
  if (FButton) {
    if (AlsoTransparent) fcSetOrdPropByName(FButton, L"Transparent", on);
    fcSetOrdPropByName(FButton, L"Flat", on);
  }
  Refresh();
  if (FButton) FButton->Invalidate();
}

void TfcButtonEffects::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  Apply(false);
}

void TfcButtonEffects::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Apply(true);
}

void TfcButtonEffects::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TfcButtonEffects*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  SetFlat(s->FFlat);
  SetTransparent(s->FTransparent);
}

void DrawEditFrame(TControl* Control, TfcEditFrame* Frame, TCanvas* Canvas, bool Focused) {
  const TfcFrameEdge e = fcFrameEdge(Frame->Settings(), Control->ClientRect(), Focused);
  RECT r = {e.Rect.Left, e.Rect.Top, e.Rect.Right, e.Rect.Bottom};
  DrawEdge(Canvas->Handle(), &r, e.Edge, e.Flags);
}

bool IsParentTransparent(TControl* Control) {
  TWinControl* p = Control->Parent();
  if (!p) return false;
  if ((fcIsClassByName(p, L"TfcPanel") || fcIsClassByName(p, L"TfcGroupBox")) && fcGetOrdPropByName(p, L"Transparent"))
    return true;
  return p->HandleAllocated() && (GetWindowLongW(p->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

void InvalidateUnderControl(TControl* Control) {
  const TPoint origin = Control->Parent() ? Control->Parent()->ClientToScreen(TPoint(Control->Left(), Control->Top()))
                                          : TPoint(Control->Left(), Control->Top());
  for (TWinControl* a = Control->Parent(); a; a = a->Parent()) {
    if (a->HandleAllocated()) {
      const TPoint p = a->ScreenToClient(origin);
      RECT r = {p.X, p.Y, p.X + Control->Width(), p.Y + Control->Height()};
      InvalidateRect(a->Handle(), &r, FALSE);
    }
    if (!IsParentTransparent(a)) break;
  }
}

void FillEditBackground(TWinControl* Control, TfcEditFrame* Frame, bool WholeClient) {
  TWinControl* parent = Control->Parent();
  if (!parent || !Control->HandleAllocated()) return;
  TRect b = Control->BoundsRect();
  RECT f = {};
  if (!WholeClient) {
    SendMessageW(Control->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&f));
    if (fcGetOrdPropByName(Control, L"BorderStyle") == bsNone) {
      b = TRect(b.Left + 2, b.Top + 2, b.Right - 2, b.Bottom - 2);
      if (!Frame->NonFocusBorders().Contains(efLeftBorder)) b.Left -= 2;
      b.Right = b.Left + f.right + 1;
    }
  }
  if (IsParentTransparent(Control)) {
    InvalidateUnderControl(Control);
    return;
  }
  TControl* under = parent->ControlAtPos(TPoint(Control->Left(), Control->Top()), true);
  if (!under || dynamic_cast<TWinControl*>(under)) {
    HDC dc = GetDC(Control->Handle());
    HBRUSH brush = CreateSolidBrush(ColorToRGB(parent->Color()));
    RECT r;
    if (WholeClient) {
      GetClientRect(Control->Handle(), &r);
    } else {
      r = {f.left - 1, f.top - 1, f.right + 1, f.bottom + 1};
      if (!Frame->NonFocusBorders().Contains(efLeftBorder)) r.left = std::max<LONG>(0, r.left - 1);
    }
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(Control->Handle(), dc);
    return;
  }
  RECT r = {b.Left, b.Top, b.Right, b.Bottom};
  InvalidateRect(parent->Handle(), &r, FALSE);
}
