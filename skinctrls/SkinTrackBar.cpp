// The skinned track bar: value rules, drag, jump, keys and wheel, and the
// skin and default looks.
#include "skinctrls/SkinTrackBar.h"

#include "skin/SPUtils.h"
#include "skin/SkinCtrlRecords.h"
#include "skinctrls/PartLook.h"

TspSkinTrackBar::TspSkinTrackBar(TComponent* AOwner) : TspSkinBarControl(AOwner) {
  FSkinDataName = L"htrackbar";
  FWidth = 100;
  FHeight = 20;
}

void TspSkinTrackBar::SetValue(int Value) {
  Value = ClampTrackValue(Value, FMinValue, FMaxValue);
  if (Value == FValue) return;
  FValue = Value;
  Repaint();
  if (OnChange) OnChange(this);
}

void TspSkinTrackBar::SetMinValue(int Value) {
  FMinValue = Value;
  if (FValue < Value) FValue = Value;
  Repaint();
}

void TspSkinTrackBar::SetMaxValue(int Value) {
  FMaxValue = Value;
  if (FValue > Value) FValue = Value;
  Repaint();
}

void TspSkinTrackBar::SetVertical(bool Value) {
  FVertical = Value;
  if (Designing() && !ComponentState().Contains(csLoading)) FSkinDataName = Value ? L"trackbar" : L"htrackbar";
  Repaint();
}

void TspSkinTrackBar::GetSkinData() {
  TspSkinBarControl::GetSkinData();
  auto* r = SkinRecordAs<TspDataSkinTrackBarControl>();
  FSkinValid = r != nullptr;
  if (!r) return;
  FActiveSkinRect = r->ActiveSkinRect;
  FTrackArea = r->TrackArea;
  FButtonRect = r->ButtonRect;
  FActiveButtonRect = r->ActiveButtonRect.IsEmpty() ? r->ButtonRect : r->ActiveButtonRect;
  FButtonTransparent = r->ButtonTransparent;
  FButtonTransparentColor = r->ButtonTransparentColor;
  FVertical = r->Vertical;
}

TRect TspSkinTrackBar::TrackArea() {
  if (!HasSkin()) return TRect(2, 2, Width() - 2, Height() - 2);
  TRect t = FTrackArea;
  if (ResizeMode >= 1) {
    if (FVertical) t.Bottom += Height() - SkinRect.Height();
    else t.Right += Width() - SkinRect.Width();
  }
  return t;
}

void TspSkinTrackBar::ThumbSize(int& W, int& H) const {
  if (HasSkin()) {
    W = FButtonRect.Width();
    H = FButtonRect.Height();
  } else {
    DefaultTrackThumbSize(FVertical, Width(), Height(), W, H);
  }
}

TspTrackThumb TspSkinTrackBar::ThumbLayout() {
  GetSkinData();
  int w, h;
  ThumbSize(w, h);
  return LayoutTrackThumb(FVertical, TrackArea(), w, h, FValue, FMinValue, FMaxValue);
}

// ---------------------------------------------------------------------------
// Messages, mouse and keys

void TspSkinTrackBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEWHEEL: {
      if (!FocusedLook()) break;
      const int delta = static_cast<int16_t>(Message.WParamHi());
      if (delta == 0) break;
      // A vertical bar follows the wheel, a horizontal one moves the other way.
      const int step = (delta < 0) == FVertical ? -1 : 1;
      StepValue(step);
      Message.Result = 1;
      return;
    }
  }
  TspSkinBarControl::Dispatch(Message);
}

void TspSkinTrackBar::StepValue(int Delta) {
  SetValue(FValue + Delta);
  if (OnLastChange) OnLastChange(this);
}

void TspSkinTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinBarControl::MouseDown(Button, Shift, X, Y);
  if (!FMouseSupport) return;
  const TRect hit(FThumbRect.Left, FThumbRect.Top, FThumbRect.Right + 1, FThumbRect.Bottom + 1);
  if (!hit.Contains(TPoint(X, Y))) return;
  FDragOrigin = FVertical ? Y : X;
  FDragOffset = ThumbLayout().Offset;
  FDragging = true;
  Repaint();
  if (OnStartDragButton) OnStartDragButton(this);
}

void TspSkinTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  if (FDragging) {
    const TspTrackThumb t = ThumbLayout();
    const int p = FVertical ? FDragOrigin - Y + FDragOffset : X - FDragOrigin + FDragOffset;
    SetValue(TrackValueFromOffset(p, t.TravelStart, t.TravelEnd, FMinValue, FMaxValue));
  }
  TspSkinBarControl::MouseMove(Shift, X, Y);
}

void TspSkinTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinBarControl::MouseUp(Button, Shift, X, Y);
  if (FDragging) {
    FDragging = false;
    Repaint();
    if (OnLastChange) OnLastChange(this);
    return;
  }
  if (!FMouseSupport || !FJumpWhenClick) return;
  const TspTrackThumb t = ThumbLayout();
  int w, h;
  ThumbSize(w, h);
  const int p = TrackJumpOffset(FVertical, X, Y, TrackArea(), w, h);
  SetValue(TrackValueFromOffset(p, t.TravelStart, t.TravelEnd, FMinValue, FMaxValue));
}

void TspSkinTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
  TspSkinBarControl::KeyDown(Key, Shift);
  if (!CanFocused()) return;
  if (Key == VK_LEFT || Key == VK_DOWN) StepValue(-1);
  else if (Key == VK_UP || Key == VK_RIGHT) StepValue(1);
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinTrackBar::CreateControlDefaultImage(TBitmap* B) {
  TspSkinBarControl::CreateControlDefaultImage(B);
  TCanvas* c = B->Canvas();
  const int W = Width(), H = Height();
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(TRect(0, 0, W, H));
  TRect groove = FVertical ? TRect(W / 2 - 1, 4, W / 2 + 1, H - 4) : TRect(4, H / 2 - 1, W - 4, H / 2 + 1);
  Frame3D(c, groove, clBtnShadow, clBtnHighlight, 1);
  const TspTrackThumb t = ThumbLayout();
  FThumbRect = t.Thumb;
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(FThumbRect);
  const TspPartState look = FDragging ? psPressed : (FocusedLook() ? psHot : psIdle);
  DrawDefaultPart(c, FThumbRect, look);
}

void TspSkinTrackBar::CreateControlSkinImage(TBitmap* B) {
  TspSkinBarControl::CreateControlSkinImage(B);
  if (!Picture || !FSkinValid) return;
  TCanvas* c = B->Canvas();
  const TspTrackThumb t = ThumbLayout();
  FThumbRect = t.Thumb;
  // The part of the track already covered shows the active picture.
  if (!FActiveSkinRect.IsEmpty()) {
    TBitmap active;
    active.SetSize(Width(), Height());
    CreateSkinControlImage(&active, Picture, FActiveSkinRect);
    const int cx = FThumbRect.Left + FThumbRect.Width() / 2, cy = FThumbRect.Top + FThumbRect.Height() / 2;
    if (FVertical) {
      const TRect strip(0, cy, Width(), Height());
      c->CopyRect(strip, active.Canvas(), strip);
    } else if (cx > 0) {
      const TRect strip(0, 0, cx, Height());
      c->CopyRect(strip, active.Canvas(), strip);
    }
  }
  const TRect& piece = ThumbLit() ? FActiveButtonRect : FButtonRect;
  if (piece.IsEmpty()) return;
  TBitmap thumb;
  thumb.SetSize(piece.Width(), piece.Height());
  thumb.Canvas()->CopyRect(TRect(0, 0, piece.Width(), piece.Height()), Picture->Canvas(), piece);
  if (FAlphaBlend && !FButtonTransparent) {
    DrawPartBlended(c, &thumb, FThumbRect.Left, FThumbRect.Top, FAlphaBlendValue);
    return;
  }
  if (FButtonTransparent) {
    thumb.SetTransparentColor(FButtonTransparentColor);
    thumb.SetTransparent(true);
  }
  c->Draw(FThumbRect.Left, FThumbRect.Top, &thumb);
}
