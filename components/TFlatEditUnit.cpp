// TCustomFlatEdit: the non-client frame, its colours and the height rule.
#include "components/TFlatEditUnit.h"

#include "classlib/Forms.h"

TCustomFlatEdit::TCustomFlatEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FParentFont = true;
  // The control's own colour is driven by the frame state, not by the parent.
  TControl::SetParentColor(false);
  FAutoSize = false;
  SetBorderStyle(bsNone);
  FControlStyle.Exclude(csFramed);
  FWidth = 121;
  FHeight = 19;
}

void TCustomFlatEdit::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
  Params.Style &= ~WS_BORDER;
}

void TCustomFlatEdit::Loaded() {
  TCustomEdit::Loaded();
  if (!ComponentState().Contains(csDesigning)) AdjustHeight();
}

void TCustomFlatEdit::SetColors(int Index, TColor Value) {
  switch (Index) {
    case 0: FFocusedColor = Value; break;
    case 1: FBorderColor = Value; break;
    case 2:
      FFlatColor = Value;
      FParentColorFlat = false;
      break;
  }
  RedrawBorder();
}

void TCustomFlatEdit::SetParentColor(bool Value) {
  if (FParentColorFlat == Value) return;
  FParentColorFlat = Value;
  if (Value && Parent()) FFlatColor = Parent()->Color();
  RedrawBorder();
}

void TCustomFlatEdit::SetAdvColors(int Index, TAdvColors Value) {
  if (Index == 0) FAdvColorFocused = Value;
  else if (Index == 1) FAdvColorBorder = Value;
  if (!FUseAdvColors) return;
  CalcAdvColors();
  RedrawBorder();
}

void TCustomFlatEdit::SetUseAdvColors(bool Value) {
  if (FUseAdvColors == Value) return;
  FUseAdvColors = Value;
  SetParentColor(Value);
  CalcAdvColors();
  RedrawBorder();
}

void TCustomFlatEdit::CalcAdvColors() {
  if (!FUseAdvColors) return;
  FFocusedColor = CalcAdvancedColor(FFlatColor, FFocusedColor, FAdvColorFocused, false);
  FBorderColor = CalcAdvancedColor(FFlatColor, FBorderColor, FAdvColorBorder, true);
}

void TCustomFlatEdit::ParentColorChanged() {
  if (FUseAdvColors) {
    if (Parent()) FFlatColor = Parent()->Color();
    CalcAdvColors();
  } else if (FParentColorFlat && Parent()) {
    FFlatColor = Parent()->Color();
  }
  RedrawBorder();
}

bool TCustomFlatEdit::DrawnHot() const {
  if (ComponentState().Contains(csDesigning)) return false;
  if (Focused()) return true;
  // Hovering lights the edit only while no other flat edit holds the focus.
  return FMouseIn && !(Screen && dynamic_cast<TCustomFlatEdit*>(Screen->ActiveControl()));
}

void TCustomFlatEdit::RedrawBorder() {
  if (!HandleAllocated()) return;
  const bool hot = DrawnHot();
  const TColor inner = hot ? FFocusedColor : FFlatColor;
  SetColor(inner);
  HWND wnd = Handle();
  HDC dc = GetWindowDC(wnd);
  RECT r;
  GetWindowRect(wnd, &r);
  OffsetRect(&r, -r.left, -r.top);
  HBRUSH border = CreateSolidBrush(ColorToRGB(FBorderColor));
  HBRUSH fill = CreateSolidBrush(ColorToRGB(inner));
  FrameRect(dc, &r, border);
  for (int i = 0; i < 2; ++i) {
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, fill);
  }
  ReleaseDC(wnd, dc);
  DeleteObject(border);
  DeleteObject(fill);
}

void TCustomFlatEdit::AdjustHeight() {
  SetHeight(FontLineHeight(Font()) + 6);
}

void TCustomFlatEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: {
      TCustomEdit::Dispatch(Message);
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      InflateRect(r, -3, -3);
      return;
    }
    case WM_NCPAINT:
      TCustomEdit::Dispatch(Message);
      RedrawBorder();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
      TCustomEdit::Dispatch(Message);
      RedrawBorder();
      return;
    case CM_MOUSEENTER:
      TCustomEdit::Dispatch(Message);
      if (GetActiveWindow()) {
        FMouseIn = true;
        RedrawBorder();
      }
      return;
    case CM_MOUSELEAVE:
      TCustomEdit::Dispatch(Message);
      FMouseIn = false;
      RedrawBorder();
      return;
    case CM_FONTCHANGED:
      TCustomEdit::Dispatch(Message);
      if (!(ComponentState().Contains(csDesigning) && ComponentState().Contains(csLoading))) AdjustHeight();
      return;
    case CM_PARENTCOLORCHANGED:
    case CM_SYSCOLORCHANGE:
      ParentColorChanged();
      return;
  }
  TCustomEdit::Dispatch(Message);
}
