// The skinned push button.
#include "skinctrls/SkinButtons.h"

#include "classlib/Forms.h"
#include "skin/SPUtils.h"

TspSkinButton::TspSkinButton(TComponent* AOwner)
    : TspSkinCustomControl(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FEffects(
          this, [this] { Repaint(); }, [this] { return FMouseIn || FocusHot(); },
          [this] { return FIndex != -1 && MorphPossible(); }),
      FRepeat(this, [this] { ButtonClick(); }),
      FLayerManager(new TspLayerManager(this)) {
  // Clicks come from MouseUp, not from the class library's click on release.
  FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks, csSetCaption};
  FSkinDataName = L"button";
  FWidth = 75;
  FHeight = 25;
  FGlyph->OnChange = [this](TObject*) { Repaint(); };
}

TspSkinButton::~TspSkinButton() { StopTimers(); }

// ---------------------------------------------------------------------------
// Properties

void TspSkinButton::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  Repaint();
}

void TspSkinButton::SetNumGlyphs(TspNumGlyphs Value) {
  FNumGlyphs = Value;
  Repaint();
}

void TspSkinButton::SetImageList(TCustomImageList* Value) {
  if (FImageList) FImageList->RemoveFreeNotification(this);
  FImageList = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinButton::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Repaint();
}

void TspSkinButton::SetLayout(TspButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Repaint();
}

void TspSkinButton::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  Repaint();
}

void TspSkinButton::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Repaint();
}

void TspSkinButton::SetGroupIndex(int Value) {
  FGroupIndex = Value;
  if (Value != 0) SetCanFocused(false);
}

void TspSkinButton::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TspSkinButton::SetDown(bool Value) {
  FDown = Value;
  if (MorphPossible()) {
    FEffects.MorphKf = 1;
    if (Value) FEffects.StopMorph();
    else FEffects.StartMorph();
  }
  Repaint();
  if (FGroupIndex == 0 || !Value || FAllowAllUp) return;
  for (TspSkinButton* other : GroupSiblings<TspSkinButton>(this, FGroupIndex))
    if (other->Down()) other->SetDown(false);
}

void TspSkinButton::SetDefault(bool Value) {
  FDefault = Value;
  // Every button of the form works out again which one Enter presses.
  TCustomForm* form = GetParentForm(this);
  if (form && HandleAllocated() && FCanFocused && !Designing())
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(form->ActiveControl()));
}

// ---------------------------------------------------------------------------
// Clicks

void TspSkinButton::ButtonClick() {
  if (FCanFocused)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TspSkinCustomControl::Click();
}

void TspSkinButton::Click() {
  if (!Action()) TspSkinCustomControl::Click();
}

void TspSkinButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TspSkinCustomControl::ActionChange(Sender, CheckDefaults);
  if (FGlyph->Empty() && GlyphFromAction(Sender, FGlyph.get())) Repaint();
}

void TspSkinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

// ---------------------------------------------------------------------------
// State

bool TspSkinButton::AnimationPossible() const {
  return FIndex != -1 && SkinEffectsOn(FSkinData) && !IsNullRect(FSkin.AnimateSkinRect);
}

bool TspSkinButton::FocusHot() { return FCanFocused && Focused(); }

TspFaceState TspSkinButton::FaceState() {
  TspFaceState s;
  s.Enabled = Enabled();
  s.Down = FDown;
  s.InGroup = FGroupIndex != 0;
  s.MouseIn = FMouseIn;
  s.FocusHot = FocusHot();
  s.Pressed = FPressed;
  s.HasDisabledFace = !IsNullRect(FSkin.DisabledSkinRect);
  s.HasFocusedFace = !IsNullRect(FSkin.FocusedSkinRect);
  s.Animating = FEffects.Animating();
  s.MorphAtHot = MorphPossible() && FEffects.MorphKf == 1;
  return s;
}

int TspSkinButton::GetGlyphNum(bool ADown, bool AMouseIn) const {
  return ButtonGlyphNum(ADown, AMouseIn, Enabled(), FNumGlyphs);
}

void TspSkinButton::MorphOrRepaint() {
  if (MorphPossible() && FIndex != -1) FEffects.StartMorph();
  else Repaint();
}

void TspSkinButton::StartAnimation(bool Forward) {
  FEffects.StartAnimation(Forward, FSkin.FrameCount, FSkin.AnimateInterval);
}

void TspSkinButton::StopTimers() {
  FEffects.StopMorph();
  FEffects.StopAnimation();
  FRepeat.Stop();
}

// ---------------------------------------------------------------------------
// Skin

void TspSkinButton::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* record = dynamic_cast<TspDataSkinButtonControl*>(SkinRecord());
  if (!record) {
    FSkin.Clear();
    return;
  }
  // A freely sized button gets no region.
  if (!FUseSkinSize) MaskPicture = nullptr;
  FSkin.Read(*record, SkinRect);
  if (SkinEffectsOn(FSkinData))
    FEffects.ApplyAnimationFrame(FSkin.ActiveSkinRect, SkinRect, FSkin.AnimateSkinRect, SkinRect.Width());
}

void TspSkinButton::ChangeSkinData() {
  FEffects.StopMorph();
  FEffects.StopAnimation();
  FEffects.MorphKf = 0;
  TspSkinCustomControl::ChangeSkinData();
  if (MorphPossible() && FIndex != -1 && (FocusHot() || FMouseIn)) FEffects.MorphKf = 1;
  if (FMouseIn) PostLayerMessage(MSG_SHOW_LAYER_FRAME);
}

void TspSkinButton::ClearSkinIndex() {
  TspSkinCustomControl::ClearSkinIndex();
  HideLayerFrame();
}

void TspSkinButton::CalcSize(int& W, int& H) {
  if (FUseSkinSize || ResizeMode == 1) {
    TspSkinCustomControl::CalcSize(W, H);
    return;
  }
  NewClRect = ClRect;
  NewClRect.Right += W - SkinRect.Width();
  NewClRect.Bottom += H - SkinRect.Height();
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
  SetCaptionFont(canvas, FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, DefaultFont(), FSkinData);
  TColor color = FSkin.FontColor;
  if (Enabled() && !FUseSkinFontColor) color = DefaultFont()->Color();
  else if (!Enabled()) color = FSkin.DisabledFontColor;
  else if (ADown && AMouseIn) color = FSkin.DownFontColor;
  else if (AMouseIn) color = FSkin.ActiveFontColor;
  canvas->Font()->SetColor(color);
  if (FSkin.ShowFocus && Focused()) {
    canvas->Brush()->SetStyle(bsClear);
    DrawDottedFocusRect(canvas, NewClRect);
  }
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, canvas, NewClRect, ADown, AMouseIn, drawDefault);
  if (!drawDefault) return;
  TspButtonContent content;
  content.Images = FImageList;
  content.ImageIndex = FImageIndex;
  content.Glyph = FGlyph.get();
  content.NumGlyphs = FNumGlyphs;
  content.GlyphNum = GetGlyphNum(ADown, AMouseIn);
  content.Caption = Caption();
  content.Layout = FLayout;
  content.Margin = FMargin;
  content.Spacing = FSpacing;
  content.Enabled = Enabled();
  content.Pressed = ADown && AMouseIn;
  DrawButtonContent(canvas, NewClRect, content);
}

void TspSkinButton::CreateControlSkinImage(TBitmap* B) {
  const TspFaceState s = FaceState();
  const double kf = FEffects.MorphKf;
  if (MorphPossible() && kf > 0 && kf < 1 && s.Enabled) {
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
  TspSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas* canvas = B->Canvas();
  SetCaptionFont(canvas, false, L"", 0, {}, DefaultFont(), FSkinData);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  const TspFaceState s = FaceState();
  const TRect r(0, 0, Width(), Height());
  const bool down = ShowsDown(s);
  DrawDefaultPart(canvas, r, down ? psPressed : (!s.MouseIn && !s.FocusHot ? psIdle : psHot));
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, canvas, r, FDown, FMouseIn, drawDefault);
  if (!drawDefault) return;
  TspButtonContent content;
  content.Images = FImageList;
  content.ImageIndex = FImageIndex;
  content.Glyph = FGlyph.get();
  content.NumGlyphs = FNumGlyphs;
  content.GlyphNum = GetGlyphNum(FDown, FMouseIn);
  content.Caption = Caption();
  content.Layout = FLayout;
  content.Margin = FMargin;
  content.Spacing = FSpacing;
  content.Enabled = Enabled();
  content.Pressed = down;
  DrawButtonContent(canvas, r, content);
}

// ---------------------------------------------------------------------------
// Glow frame

void TspSkinButton::PostLayerMessage(unsigned Msg) {
  if (HandleAllocated()) PostMessageW(Handle(), Msg, 0, 0);
}

void TspSkinButton::ShowLayerFrame() {
  if (!SkinEffectsOn(FSkinData) || !IsWindows2000OrLater() || !FMouseIn || !IsShowing()) return;
  if (!(FSkinData->ShowButtonGlowFrames() || FAlwaysShowLayeredFrame)) return;
  TBitmap* glow = ActivePicture(FSkin.GlowLayerPictureIndex);
  if (!glow) return;
  TBitmap* mask = ActivePicture(FSkin.GlowLayerMaskPictureIndex);
  TCustomForm* form = GetParentForm(this);
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
  if (FLayerManager->Showing()) FLayerManager->Hide();
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinButton::CreateWnd() {
  TspSkinCustomControl::CreateWnd();
  FActive = FDefault;
}

void TspSkinButton::WndProc(TMessage& Message) {
  if (!FCanFocused) {
    TspSkinCustomControl::WndProc(Message);
    return;
  }
  TFreeWatch watch(this);
  switch (Message.Msg) {
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE && FUseSpaceKey) {
        SetDown(true);
        if (FRepeatMode) ButtonClick();
      } else if (Message.WParam == VK_RETURN) {
        ButtonClick();
      }
      break;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE && FUseSpaceKey) {
        SetDown(false);
        ButtonClick();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Designing() && !Focused()) {
        FSettingFocus = true;
        SetFocus();
        if (watch.Freed()) return;
        FSettingFocus = false;
        if (!Focused()) return;  // the focus stayed elsewhere: no press
      }
      break;
    case CN_COMMAND:
      if (FSettingFocus) return;
      break;
  }
  if (!watch.Freed()) TspSkinCustomControl::WndProc(Message);
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
      TspSkinCustomControl::Dispatch(Message);
      // A disabled or hidden button leaves every effect where it ends.
      StopTimers();
      FEffects.MorphKf = 0;
      FMouseIn = false;
      FPressed = false;
      HideLayerFrame();
      Repaint();
      return;
    case CM_TEXTCHANGED:
      if (FIndex != -1 || FDrawDefault || Designing()) Repaint();
      return;
    case WM_ERASEBKGND:
      // Drawn into a foreign DC (a parent painting its children) the button paints itself.
      if (!FPainting && Message.WParam) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinButton::CMDialogKey(TMessage& Message) {
  const bool enter = Message.WParam == VK_RETURN && FActive && Enabled();
  const bool esc = Message.WParam == VK_ESCAPE && FCancel && FCanFocused &&
                   KeyDataToShiftState(Message.LParam).Empty() && CanFocus();
  if (!enter && !esc) {
    TspSkinCustomControl::Dispatch(Message);
    return;
  }
  Message.Result = 1;
  ButtonClick();
}

void TspSkinButton::CMDialogChar(TMessage& Message) {
  if (!IsAccel(static_cast<WORD>(Message.WParam), Caption()) || !CanFocus() || !FCanFocused) {
    TspSkinCustomControl::Dispatch(Message);
    return;
  }
  Message.Result = 1;
  TFreeWatch watch(this);
  SetFocus();
  if (!watch.Freed()) ButtonClick();
}

void TspSkinButton::CMFocusChanged(TMessage& Message) {
  auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
  auto* button = dynamic_cast<TspSkinButton*>(focused);
  FActive = button ? button == this : FDefault;
  if (FCanFocused && FDefault && focused && focused != this) {
    if (button) {
      FMouseIn = false;
      MorphOrRepaint();
    } else {
      // The default button looks hot while Enter would press it.
      FMouseIn = true;
      if (MorphPossible()) FEffects.MorphKf = 1;
      Repaint();
    }
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinButton::CMMouseEnter(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  if (Designing()) return;
  FMouseIn = true;
  if ((FGroupIndex == 0 && (!FocusHot() || FDown)) || (FGroupIndex != 0 && !FDown)) {
    if (FDown) {
      if (MorphPossible()) FEffects.MorphKf = 1;
      Repaint();
    } else {
      if (AnimationPossible()) StartAnimation(true);
      MorphOrRepaint();
    }
  }
  if (FDown && FRepeatMode && FGroupIndex == 0) FRepeat.Start(FRepeatInterval);
  PostLayerMessage(MSG_SHOW_LAYER_FRAME);
}

void TspSkinButton::CMMouseLeave(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  if (Designing()) return;
  // The default button stays hot while the focus is elsewhere.
  if (!(FCanFocused && FDefault && FActive && !Focused())) FMouseIn = false;
  if ((FGroupIndex == 0 && (!FocusHot() || FDown)) || (FGroupIndex != 0 && !FDown)) {
    if (AnimationPossible()) StartAnimation(false);
    MorphOrRepaint();
  }
  if (FDown && FRepeatMode && FGroupIndex == 0) FRepeat.Stop();
  PostLayerMessage(MSG_HIDE_LAYER_FRAME);
}

void TspSkinButton::WMSetFocus(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  if (!FCanFocused) return;
  if (AnimationPossible()) StartAnimation(true);
  MorphOrRepaint();
}

void TspSkinButton::WMKillFocus(TMessage& Message) {
  FRepeat.Stop();
  if (FGroupIndex == 0 && FDown) FDown = false;
  TspSkinCustomControl::Dispatch(Message);
  if (!FCanFocused) return;
  if (AnimationPossible()) StartAnimation(false);
  if (MorphPossible() && FIndex != -1) FEffects.StartMorph();
  else Invalidate();
}

// ---------------------------------------------------------------------------
// Mouse

void TspSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TFreeWatch watch(this);
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  if (AnimationPossible()) FEffects.StopAnimation();
  FPressed = true;
  if (FDown) {
    if (FGroupIndex != 0) FCanRelease = true;
    return;
  }
  FMouseIn = true;
  SetDown(true);
  FCanRelease = false;
  if (FRepeatMode && FGroupIndex == 0) FRepeat.Start(FRepeatInterval);
  else if (FGroupIndex != 0) ButtonClick();
}

void TspSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TFreeWatch watch(this);
  if (Button == mbLeft) {
    FPressed = false;
    if (FGroupIndex != 0) {
      if (FDown && FAllowAllUp && FCanRelease && FMouseIn) {
        SetDown(false);
        ButtonClick();
      }
    } else if (FMouseIn) {
      const bool wasDown = FDown;
      SetDown(false);
      FRepeat.Stop();
      if (wasDown) ButtonClick();
    } else {
      FDown = false;
      FRepeat.Stop();
    }
  }
  if (watch.Freed()) return;
  if (HandleAllocated() && Visible()) TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}
