// The skinned push button.
#include "skinctrls/SkinButtons.h"

#include "classlib/Forms.h"
#include "skin/SPUtils.h"

using TButtonBase = TspSkinButtonBase<TspSkinCustomControl>;

TspSkinButton::TspSkinButton(TComponent* AOwner) : TButtonBase(AOwner), FFocus(this, true) {
  // Clicks come from MouseUp, not from the class library's click on release.
  FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks, csSetCaption};
  FSkinDataName = L"button";
  FWidth = 75;
  FHeight = 25;
}

void TspSkinButton::SetGroupIndex(int Value) {
  TButtonBase::SetGroupIndex(Value);
  if (Value != 0) SetCanFocused(false);
}

void TspSkinButton::SetDefault(bool Value) {
  FDefault = Value;
  // Every button of the form works out again which one Enter presses.
  TCustomForm* form = GetParentForm(this);
  if (form && HandleAllocated() && CanFocused() && !Designing())
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(form->ActiveControl()));
}

// ---------------------------------------------------------------------------
// Clicks

void TspSkinButton::ButtonClick() {
  if (CanFocused())
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TButtonBase::Click();
}

void TspSkinButton::Click() {
  if (!Action()) TButtonBase::Click();
}

// ---------------------------------------------------------------------------
// State

TspFaceState TspSkinButton::FaceState() const {
  TspFaceState s;
  s.Enabled = Enabled();
  s.Down = FDown;
  s.InGroup = FGroupIndex != 0;
  s.MouseIn = FMouseIn;
  s.FocusHot = FocusHot();
  s.Pressed = FPress.PressedBy(TspPressClick::byMouse);
  s.HasDisabledFace = !IsNullRect(FSkin.DisabledSkinRect);
  s.HasFocusedFace = !IsNullRect(FSkin.FocusedSkinRect);
  s.Animating = Animating();
  s.MorphAtHot = CanMorph() && MorphKf() == 1;
  return s;
}

// ---------------------------------------------------------------------------
// Skin

void TspSkinButton::GetSkinData() {
  TButtonBase::GetSkinData();
  // A freely sized button gets no region.
  if (SkinRecord() && !FUseSkinSize) MaskPicture = nullptr;
}

void TspSkinButton::ChangeSkinData() {
  TButtonBase::ChangeSkinData();
  if (FMouseIn) PostLayerMessage(MSG_SHOW_LAYER_FRAME);
}

void TspSkinButton::ClearSkinIndex() {
  TButtonBase::ClearSkinIndex();
  HideLayerFrame();
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  if (!FUseSkinSize && ResizeMode != 1) {
    B->SetSize(Width(), Height());
    if (Picture && ResizeMode == 0)
      B->Canvas()->CopyRect(TRect(0, 0, Width(), Height()), Picture->Canvas(), R);
    else if (Picture && (ResizeMode == 2 || ResizeMode == 3))
      CreateSkinImageByOffsets(B, Picture, R, ClRect, true);
  } else {
    CreateSkinControlImage(B, Picture, R);
  }
  TCanvas* canvas = B->Canvas();
  SetFaceFont(canvas, AMouseIn, ADown);
  if (FSkin.ShowFocus && Focused()) {
    canvas->Brush()->SetStyle(bsClear);
    DrawDottedFocusRect(canvas, NewClRect);
  }
  DrawContent(canvas, NewClRect, ADown, AMouseIn, GetGlyphNum(ADown, AMouseIn), ADown && AMouseIn, true, Caption());
}

void TspSkinButton::CreateControlSkinImage(TBitmap* B) {
  const TspFaceState s = FaceState();
  const double kf = MorphKf();
  if (CanMorph() && kf > 0 && kf < 1 && s.Enabled) {
    CreateButtonImage(B, SkinRect, false, false);
    TBitmap hot;
    hot.SetSize(Width(), Height());
    CreateButtonImage(&hot, FSkin.ActiveSkinRect, false, true);
    MorphFaces(B, &hot, FSkin.MorphKind, kf);
    return;
  }
  switch (ChooseButtonFace(s)) {
    case bfDisabled: CreateButtonImage(B, FSkin.DisabledSkinRect, false, false); break;
    case bfDown: CreateButtonImage(B, FSkin.DownSkinRect, true, true); break;
    case bfFocused: CreateButtonImage(B, FSkin.FocusedSkinRect, false, true); break;
    case bfActive: CreateButtonImage(B, FSkin.ActiveSkinRect, false, true); break;
    case bfNormal: CreateButtonImage(B, SkinRect, false, false); break;
  }
}

void TspSkinButton::CreateControlDefaultImage(TBitmap* B) {
  TButtonBase::CreateControlDefaultImage(B);
  TCanvas* canvas = B->Canvas();
  SetCaptionFont(canvas, false, L"", 0, {}, DrawingDefaultFont(), FSkinData);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  const TspFaceState s = FaceState();
  const TRect r(0, 0, Width(), Height());
  const bool down = ShowsDown(s);
  DrawDefaultPart(canvas, r, down ? psPressed : (!s.MouseIn && !s.FocusHot ? psIdle : psHot));
  DrawContent(canvas, r, FDown, FMouseIn, GetGlyphNum(FDown, FMouseIn), down, true, Caption());
}

// ---------------------------------------------------------------------------
// Glow frame

void TspSkinButton::PostLayerMessage(unsigned Msg) {
  if (HandleAllocated()) PostMessageW(Handle(), Msg, 0, 0);
}

TspLayerManager* TspSkinButton::LayerManager() {
  if (!FLayerManager && !BeingFreed()) FLayerManager = new TspLayerManager(this);
  return FLayerManager;
}

void TspSkinButton::ShowLayerFrame() {
  if (!SkinEffectsOn(FSkinData) || !IsWindows2000OrLater() || !FMouseIn || !IsShowing()) return;
  if (!(FSkinData->ShowButtonGlowFrames() || FAlwaysShowLayeredFrame)) return;
  TBitmap* glow = ActivePicture(FSkin.GlowLayerPictureIndex);
  if (!glow) return;
  TBitmap* mask = ActivePicture(FSkin.GlowLayerMaskPictureIndex);
  TCustomForm* form = GetParentForm(this);
  if (!LayerManager()) return;
  FLayerManager->SetTopMost(form && form->FormStyle() == fsStayOnTop);
  TBitmap sizedGlow, sizedMask;
  const int dW = Width() - SkinRect.Width(), dH = Height() - SkinRect.Height();
  const auto widen = [&](TBitmap* Source, TBitmap* Target) {
    if (!Source) return;
    const TRect r(0, 0, Source->Width(), Source->Height());
    if (ResizeMode == 2) {
      CreateHSkinImage(FSkin.GlowLayerOffsetLeft, FSkin.GlowLayerOffsetRight, Target, Source, r, r.Width() + dW,
                       r.Height(), true);
    } else {
      Target->SetSize(r.Width() + dW, r.Height() + dH);
      const TRect inner(FSkin.GlowLayerOffsetLeft, FSkin.GlowLayerOffsetTop, r.Width() - FSkin.GlowLayerOffsetRight,
                        r.Height() - FSkin.GlowLayerOffsetBottom);
      CreateSkinImageByOffsets(Target, Source, r, inner, true);
    }
  };
  if (ResizeMode == 1 || (ResizeMode == 2 && FUseSkinSize)) {
    widen(glow, &sizedGlow);
    widen(mask, &sizedMask);
    glow = &sizedGlow;
    mask = mask ? &sizedMask : nullptr;
  } else if (ResizeMode != 0) {
    return;
  }
  const TPoint origin = ClientToScreen(TPoint(0, 0));
  FLayerManager->Show(origin.X - FSkin.GlowLayerShowOffsetX, origin.Y - FSkin.GlowLayerShowOffsetY, glow, mask,
                      static_cast<uint8_t>(FSkin.GlowLayerAlphaBlendValue));
}

void TspSkinButton::HideLayerFrame() {
  // Whatever showed the frame (the skin's switch or AlwaysShowLayeredFrame),
  // it goes when the mouse does.
  if (FLayerManager && FLayerManager->Showing()) FLayerManager->Hide();
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinButton::CreateWnd() {
  TButtonBase::CreateWnd();
  FActive = FDefault;
}

void TspSkinButton::WndProc(TMessage& Message) {
  if (FFocus.DropMessage(Message)) return;
  switch (FFocus.Key(Message)) {
    case bkSpaceDown:
      if (!FPress.Press(TspPressClick::bySpace)) break;
      SetDown(true);
      if (FRepeatMode) ButtonClick();
      break;
    case bkSpaceUp:
      if (!FPress.Release(TspPressClick::bySpace)) break;
      SetDown(false);
      ButtonClick();
      break;
    case bkEnter: ButtonClick(); break;
    case bkNone: break;
  }
  TButtonBase::WndProc(Message);
}

void TspSkinButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGKEY: CMDialogKey(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); return;
    case CM_MOUSEENTER: CMMouseEnter(Message); return;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case MSG_SHOW_LAYER_FRAME: ShowLayerFrame(); return;
    case MSG_HIDE_LAYER_FRAME: HideLayerFrame(); return;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      TButtonBase::Dispatch(Message);
      Quiet();
      HideLayerFrame();
      Repaint();
      return;
    case CM_TEXTCHANGED:
      if (FIndex != -1 || FDrawDefault || Designing()) Repaint();
      return;
    case WM_ERASEBKGND:
      // Drawn into a foreign DC (a parent painting its children) the button paints itself.
      if (ErasesIntoForeignDC(Message)) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
  }
  TButtonBase::Dispatch(Message);
}

void TspSkinButton::CMDialogKey(TMessage& Message) {
  const bool enter = Message.WParam == VK_RETURN && FActive && Enabled();
  const bool esc = Message.WParam == VK_ESCAPE && FCancel && CanFocused() &&
                   KeyDataToShiftState(Message.LParam).Empty() && CanFocus();
  if (!enter && !esc) {
    TButtonBase::Dispatch(Message);
    return;
  }
  Message.Result = 1;
  ButtonClick();
}

void TspSkinButton::CMDialogChar(TMessage& Message) {
  if (!FFocus.DialogChar(Message, Caption(), [this] { ButtonClick(); })) TButtonBase::Dispatch(Message);
}

void TspSkinButton::CMFocusChanged(TMessage& Message) {
  auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
  auto* button = dynamic_cast<TspSkinButton*>(focused);
  FActive = button ? button == this : FDefault;
  if (CanFocused() && FDefault && focused && focused != this) {
    if (button) {
      FMouseIn = false;
      MorphOrRepaint();
    } else {
      // The default button looks hot while Enter would press it.
      FMouseIn = true;
      if (CanMorph()) SetMorphKf(1);
      Repaint();
    }
  }
  TButtonBase::Dispatch(Message);
}

void TspSkinButton::CMMouseEnter(TMessage& Message) {
  TButtonBase::Dispatch(Message);
  if (Designing()) return;
  FMouseIn = true;
  if ((FGroupIndex == 0 && (!FocusHot() || FDown)) || (FGroupIndex != 0 && !FDown)) {
    if (FDown) {
      if (CanMorph()) SetMorphKf(1);
      Repaint();
    } else {
      if (CanAnimate()) StartAnimation(true);
      MorphOrRepaint();
    }
  }
  if (FDown && FRepeatMode && FGroupIndex == 0) Repeat().Start(FRepeatInterval);
  PostLayerMessage(MSG_SHOW_LAYER_FRAME);
}

void TspSkinButton::CMMouseLeave(TMessage& Message) {
  TButtonBase::Dispatch(Message);
  if (Designing()) return;
  // The default button stays hot while the focus is elsewhere.
  if (!(CanFocused() && FDefault && FActive && !Focused())) FMouseIn = false;
  if ((FGroupIndex == 0 && (!FocusHot() || FDown)) || (FGroupIndex != 0 && !FDown)) {
    if (CanAnimate()) StartAnimation(false);
    MorphOrRepaint();
  }
  if (FDown && FRepeatMode && FGroupIndex == 0) StopRepeat();
  PostLayerMessage(MSG_HIDE_LAYER_FRAME);
}

void TspSkinButton::WMSetFocus(TMessage& Message) {
  TButtonBase::Dispatch(Message);
  if (!CanFocused()) return;
  if (CanAnimate()) StartAnimation(true);
  MorphOrRepaint();
}

void TspSkinButton::WMKillFocus(TMessage& Message) {
  StopRepeat();
  // A press of a plain button ends without a click when the focus goes.
  if (FGroupIndex == 0) {
    FDown = false;
    FPress.Cancel();
  }
  TButtonBase::Dispatch(Message);
  if (!CanFocused()) return;
  if (CanAnimate()) StartAnimation(false);
  if (CanMorph() && FIndex != -1) Effects().StartMorph();
  else Invalidate();
}

// ---------------------------------------------------------------------------
// Mouse

void TspSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && ReleaseLeft()) return;
  if (HandleAllocated() && Visible()) TButtonBase::MouseUp(Button, Shift, X, Y);
}
