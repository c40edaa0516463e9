// The skinned panel's state: caption, check mark, roll-up, transparent mode,
// client rectangle and caption clicks. Its drawing is in SkinPanelPaint.cpp.
#include "skinctrls/SkinPanels.h"

#include <algorithm>

TspSkinPanel::TspSkinPanel(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  FSkinDataName = L"panel";
  FPaintByPieces = true;
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable});
  SetBounds(Left(), Top(), 150, 150);
}

void TspSkinPanel::RepaintAndRealign() {
  Repaint();
  Realign();
}

void TspSkinPanel::SetCaptionMode(bool Value) {
  FCaptionMode = Value;
  RepaintAndRealign();
}

void TspSkinPanel::SetDefaultCaptionHeight(int Value) {
  FDefaultCaptionHeight = Value;
  if (FIndex == -1 && FCaptionMode) RepaintAndRealign();
}

void TspSkinPanel::SetDefaultAlignment(TAlignment Value) { SetLookValue(FDefaultAlignment, Value); }

void TspSkinPanel::SetBorderStyle(TspSkinBorderStyle Value) {
  // The skin look draws the client piece alone without a border; the default
  // look's client rectangle follows the border.
  if (SetLookValue(FBorderStyle, Value) && FIndex == -1) Realign();
}

void TspSkinPanel::SetCheckedMode(bool Value) {
  FCheckedMode = Value;
  Repaint();
}

void TspSkinPanel::SetChecked(bool Value) {
  FChecked = Value;
  if (FCheckedMode) Repaint();
  if (FAutoEnabledControls && FCheckedMode)
    ChildWalk().ForEach([Value](TControl* c) { c->SetEnabled(Value); });
  if (OnChecked) OnChecked(this);
}

void TspSkinPanel::SetRollUpMode(bool Value) {
  // Leaving the mode while rolled up would strand the children hidden at
  // caption height: unroll first, while the mode still allows it.
  if (!Value && FRollUpState) SetRollUpState(false);
  SetLookValue(FRollUpMode, Value);
}

void TspSkinPanel::SetRollUpState(bool Value) {
  if (Value == FRollUpState) return;
  if (!FRollUpMode) {
    // Only a rolled-up panel gets here: unroll it and give the limits back.
    FRollUpState = false;
    DoRollUp(false);
    if (FConstraintsSaved) SetConstraints(FSavedConstraints);
    FConstraintsSaved = false;
    return;
  }
  // The user's size limits would stop the roll-up; they are kept aside while
  // rolled up and given back once the full height is restored.
  if (Value) {
    FSavedConstraints = Constraints();
    FConstraintsSaved = true;
    SetConstraints(TSizeConstraints());
  }
  FRollUpState = Value;
  DoRollUp(Value);
  if (!Value && FConstraintsSaved) {
    SetConstraints(FSavedConstraints);
    FConstraintsSaved = false;
  }
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

int TspSkinPanel::RolledUpHeight() {
  if (FIndex == -1) return FDefaultCaptionHeight + 1;
  // The caption and the borders stay: the full height less the client's.
  int w = Width(), h = FRealHeight != -1 ? FRealHeight : Height();
  CalcSize(w, h);
  const int rolled = h - NewClRect.Height();
  w = Width();
  h = Height();
  CalcSize(w, h);  // the geometry back at the current size
  return rolled;
}

void TspSkinPanel::DoRollUp(bool Up) {
  FRollingUp = true;
  if (Up && FRealHeight == -1) {
    FRealHeight = Height();
    if (!FAlignHeld) {
      DisableAlign();
      FAlignHeld = true;
    }
    FHiddenByRollUp.clear();
    ChildWalk().ForEach([this](TControl* child) {
      if (!child->Visible()) return;
      FHiddenByRollUp.push_back(child);
      child->SetVisible(false);
    });
    SetHeight(RolledUpHeight());
  } else if (!Up && FRealHeight != -1) {
    SetHeight(FRealHeight);
    FRealHeight = -1;
    // Only what the roll-up hid comes back; a child hidden before stays so.
    // Children are matched by the current list, so one freed meanwhile is
    // never touched.
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      if (std::find(FHiddenByRollUp.begin(), FHiddenByRollUp.end(), child) != FHiddenByRollUp.end())
        child->SetVisible(true);
    }
    FHiddenByRollUp.clear();
    if (FAlignHeld) {
      FAlignHeld = false;
      EnableAlign();
    }
  }
  FRollingUp = false;
}

void TspSkinPanel::SetTransparentMode(bool Value) {
  if (FTransparentMode == Value) return;
  FTransparentMode = Value;
  // The client rectangle depends on the mode.
  RepaintAndRealign();
  if (!Designing() && !ComponentState().Contains(csLoading)) BroadcastBackgroundChanged(this);
}

void TspSkinPanel::SetImagePosition(TspImagePosition Value) { SetLookValue(FImagePosition, Value); }

void TspSkinPanel::SetGlyph(TBitmap* Value) {
  FGlyph.Get()->Assign(Value);
  Repaint();
}

void TspSkinPanel::SetNumGlyphs(int Value) {
  FNumGlyphs = std::max(1, Value);
  Repaint();
}

void TspSkinPanel::SetSpacing(int Value) { SetLookValue(FSpacing, Value); }

void TspSkinPanel::SetCaptionImageList(TCustomImageList* Value) {
  if (FCaptionImageList) FCaptionImageList->RemoveFreeNotification(this);
  if (Value) Value->FreeNotification(this);
  SetLookValue(FCaptionImageList, Value);
}

void TspSkinPanel::SetCaptionImageIndex(int Value) { SetLookValue(FCaptionImageIndex, Value); }

void TspSkinPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FCaptionImageList) SetLookValue(FCaptionImageList, nullptr);
}

void TspSkinPanel::CreateParams(TCreateParams& Params) {
  TspSkinCustomControl::CreateParams(Params);
  // Children stay where they are on a resize: no full redraw is needed.
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

const TspDataSkinPanelControl& TspSkinPanel::Skin() const {
  static const TspDataSkinPanelControl none{String()};
  // Looked up each time, never kept: the record goes with the next skin load.
  const auto* record = SkinRecordAs<TspDataSkinPanelControl>();
  return record ? *record : none;
}

void TspSkinPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (FRealHeight == -1) {
    Realign();
    return;
  }
  // Still rolled up: the caption height of the new skin.
  FRollingUp = true;
  SetHeight(RolledUpHeight());
  FRollingUp = false;
}

void TspSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TspSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FIndex == -1) Repaint();
}

bool TspSkinPanel::CanAutoSize(int& NewWidth, int& NewHeight) {
  if (FRollUpMode && FRollingUp && AutoSize()) return false;
  return TspSkinCustomControl::CanAutoSize(NewWidth, NewHeight);
}

int TspSkinPanel::CaptionTextHeight() const {
  TBitmap b;
  b.SetSize(1, 1);
  SetCaptionFont(b.Canvas());
  const String text = Caption();
  return b.Canvas()->TextHeight(text.empty() ? String(L"Wg") : text);
}

TRect TspSkinPanel::GetSkinClientRect() const {
  TRect r(0, 0, Width(), Height());
  AdjustClientRect(r);
  return r;
}

void TspSkinPanel::AdjustClientRect(TRect& Rect) const {
  TspSkinCustomControl::AdjustClientRect(Rect);
  if (FIndex != -1 && FTransparentMode) {
    Rect = TRect(2, FCaptionMode ? CaptionTextHeight() : 2, Width() - 2, Height() - 2);
    return;
  }
  if (FIndex != -1 && !Designing()) {
    if (Skin().BGPictureIndex != -1 || (FBorderStyle == bvNone && !FCaptionMode && ResizeMode == 1)) return;
    // The client of the skin picture at the current size.
    TspControlGeometry g = *this;
    int w = Width(), h = Height();
    g.CalcSize(w, h, true);
    Rect = g.NewClRect;
    return;
  }
  if (FBorderStyle != bvNone) Rect = TRect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
  if (FCaptionMode) Rect.Top += FDefaultCaptionHeight;
}

void TspSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if ((FRollUpMode || FCheckedMode) && FCaptionMode && Button == mbLeft) {
    // An empty skin caption rectangle takes no clicks; edges count.
    const TRect r = FIndex != -1 ? FCaptionRectNow : TRect(1, 1, Width() - 1, FDefaultCaptionHeight);
    const bool hit = !r.IsEmpty() && X >= r.Left && X <= r.Right && Y >= r.Top && Y <= r.Bottom;
    if (hit) {
      if (FCheckedMode) SetChecked(!FChecked);
      if (FRollUpMode) SetRollUpState(!FRollUpState);
    }
  }
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TspSkinPanel::BackgroundChanged() {
  if (!FTransparentMode && !FAlphaBlend) return;
  Repaint();
  BroadcastBackgroundChanged(this);
}

void TspSkinPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOVE:
      TspSkinCustomControl::Dispatch(Message);
      if (FTransparentMode) {
        Repaint();
        BroadcastBackgroundChanged(this);
      }
      return;
    default:
      TspSkinCustomControl::Dispatch(Message);
  }
}

TspSkinGroupBox::TspSkinGroupBox(TComponent* AOwner) : TspSkinPanel(AOwner) {
  FSkinDataName = L"groupbox";
  SetCaptionMode(true);
}
