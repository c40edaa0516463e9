// The windowless skinned tool button.
#include "skinctrls/SkinSpeedButton.h"

#include "skin/SPUtils.h"

TspSkinSpeedButton::TspSkinSpeedButton(TComponent* AOwner)
    : TspGraphicSkinCustomControl(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FEffects(
          this, [this] { Repaint(); }, [this] { return FMouseIn; }, [this] { return FIndex != -1 && CanMorph(); }),
      FRepeat(this, [this] { Click(); }) {
  // Clicks come from MouseUp, not from the class library's click on release.
  FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
  FSkinDataName = L"toolbutton";
  FWidth = 25;
  FHeight = 25;
  FGlyph->OnChange = [this](TObject*) { Repaint(); };
}

TspSkinSpeedButton::~TspSkinSpeedButton() { StopTimers(); }

// ---------------------------------------------------------------------------
// Properties

void TspSkinSpeedButton::SetDown(bool Value) {
  FDown = Value;
  if (CanMorph()) {
    FEffects.MorphKf = 1;
    if (Value) FEffects.StopMorph();
    else FEffects.StartMorph();
  }
  Repaint();
  if (FGroupIndex == 0 || !Value || FAllowAllUp) return;
  for (TspSkinSpeedButton* other : GroupSiblings<TspSkinSpeedButton>(this, FGroupIndex))
    if (other->Down()) other->SetDown(false);
}

void TspSkinSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  if (Value) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TspSkinSpeedButton::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  Repaint();
}

void TspSkinSpeedButton::SetNumGlyphs(TspNumGlyphs Value) {
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  Repaint();
}

void TspSkinSpeedButton::SetImageList(TCustomImageList* Value) {
  if (FImageList) FImageList->RemoveFreeNotification(this);
  FImageList = Value;
  if (Value) Value->FreeNotification(this);
  Repaint();
}

void TspSkinSpeedButton::SetImageIndex(int Value) {
  FImageIndex = Value;
  if (FImageList) Repaint();
}

void TspSkinSpeedButton::SetLayout(TspButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Repaint();
}

void TspSkinSpeedButton::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  Repaint();
}

void TspSkinSpeedButton::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Repaint();
}

void TspSkinSpeedButton::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  if (FWidthWithCaption >= 1 && FWidthWithoutCaption >= 1)
    SetWidth(Value ? FWidthWithCaption : FWidthWithoutCaption);
  else
    Repaint();
}

void TspSkinSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TspGraphicSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

void TspSkinSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TspGraphicSkinCustomControl::ActionChange(Sender, CheckDefaults);
  if (FGlyph->Empty() && GlyphFromAction(Sender, FGlyph.get())) Repaint();
}

int TspSkinSpeedButton::GetGlyphNum(bool ADown, bool AMouseIn) const {
  return ButtonGlyphNum(ADown, AMouseIn, Enabled(), FNumGlyphs);
}

bool TspSkinSpeedButton::CanAnimate() const {
  return FIndex != -1 && SkinEffectsOn(FSkinData) && !IsNullRect(FSkin.AnimateSkinRect);
}

void TspSkinSpeedButton::StopTimers() {
  FEffects.StopMorph();
  FEffects.StopAnimation();
  FRepeat.Stop();
}

void TspSkinSpeedButton::ResetState() {
  FDown = false;
  FMouseIn = false;
  if (CanMorph()) FEffects.MorphKf = 0;
  FEffects.StopAnimation();
  Repaint();
}

// ---------------------------------------------------------------------------
// Skin

void TspSkinSpeedButton::GetSkinData() {
  TspGraphicSkinCustomControl::GetSkinData();
  auto* record = dynamic_cast<TspDataSkinButtonControl*>(SkinRecord());
  if (!record) {
    FSkin.Clear();
    return;
  }
  FSkin.Read(*record, SkinRect);
  if (FFlat) FSkin.Morphing = false;
  if (SkinEffectsOn(FSkinData))
    FEffects.ApplyAnimationFrame(FSkin.ActiveSkinRect, SkinRect, FSkin.AnimateSkinRect, SkinRect.Width());
}

void TspSkinSpeedButton::ChangeSkinData() {
  FEffects.StopAnimation();
  FEffects.StopMorph();
  TspGraphicSkinCustomControl::ChangeSkinData();
  if (CanMorph() && FIndex != -1 && FMouseIn) FEffects.MorphKf = 1;
}

void TspSkinSpeedButton::CalcSize(int& W, int& H) {
  if (FUseSkinSize || ResizeMode == 1) {
    TspGraphicSkinCustomControl::CalcSize(W, H);
    return;
  }
  NewClRect = ClRect;
  NewClRect.Right += W - SkinRect.Width();
  NewClRect.Bottom += H - SkinRect.Height();
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinSpeedButton::DrawContent(TCanvas* Canvas, const TRect& R, bool Hot, bool Pressed) {
  bool drawContent = true;
  if (OnPaint) OnPaint(this, Canvas, R, FDown, FMouseIn, drawContent);
  if (!drawContent) return;
  TspButtonContent content;
  content.Images = FGlyph->Empty() ? FImageList : nullptr;
  content.ImageIndex = FImageIndex;
  content.Glyph = FGlyph.get();
  content.NumGlyphs = FNumGlyphs;
  content.GlyphNum = GetGlyphNum(FDown, Hot);
  content.Caption = FShowCaption ? Caption() : String();
  content.Layout = FLayout;
  content.Margin = FMargin;
  content.Spacing = FSpacing;
  content.Enabled = Enabled();
  content.Pressed = Pressed;
  DrawButtonContent(Canvas, R, content);
}

void TspSkinSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  // An idle flat button draws only its content over the parent.
  if (!FFlat || FMouseIn || DownLook()) {
    TspGraphicSkinCustomControl::Paint();
    return;
  }
  TCanvas* canvas = Canvas();
  if (FIndex == -1) {
    if (!FDrawDefault) return;
    SetCaptionFont(canvas, false, L"", 0, {}, DefaultFont(), FSkinData);
    if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
    DrawContent(canvas, ClientRect(), false, false);
    return;
  }
  SetCaptionFont(canvas, FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, DefaultFont(), FSkinData);
  const TspSkinColors* colors = FSkinData->SkinColors.get();
  if (!Enabled()) canvas->Font()->SetColor(colors->cBtnShadow);
  else if (FUseSkinFontColor) canvas->Font()->SetColor(colors->cBtnText);
  DrawContent(canvas, IsNullRect(NewClRect) ? ClientRect() : NewClRect, false, false);
}

void TspSkinSpeedButton::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* canvas = B->Canvas();
  const TRect r(0, 0, Width(), Height());
  DrawDefaultPart(canvas, r, DownLook() ? psPressed : (FMouseIn ? psHot : psIdle));
  SetCaptionFont(canvas, false, L"", 0, {}, DefaultFont(), FSkinData);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  DrawContent(canvas, r, FMouseIn, FDown && FMouseIn);
}

void TspSkinSpeedButton::CreateFace(TBitmap* B, const TRect& R, bool AActive, bool ADown) {
  if (!FUseSkinSize && ResizeMode != 1) {
    B->SetSize(Width(), Height());
    if (Picture) CreateSkinImageByOffsets(B, Picture, R, ClRect, true);
  } else {
    CreateSkinControlImage(B, Picture, R);
  }
  TCanvas* canvas = B->Canvas();
  SetCaptionFont(canvas, FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, DefaultFont(), FSkinData);
  TColor color = FSkin.FontColor;
  if (Enabled() && !FUseSkinFontColor) color = DefaultFont()->Color();
  else if (!Enabled()) color = FSkin.DisabledFontColor;
  else if (AActive && ADown) color = FSkin.DownFontColor;
  else if (AActive) color = FSkin.ActiveFontColor;
  canvas->Font()->SetColor(color);
  DrawContent(canvas, IsNullRect(NewClRect) ? ClientRect() : NewClRect, AActive, AActive && ADown);
}

void TspSkinSpeedButton::CreateControlSkinImage(TBitmap* B) {
  const double kf = FEffects.MorphKf;
  if (CanMorph() && Enabled() && kf > 0 && kf < 1) {
    CreateFace(B, SkinRect, false, false);
    TBitmap active;
    active.SetSize(Width(), Height());
    CreateFace(&active, FSkin.ActiveSkinRect, true, false);
    MorphFaces(B, &active, FSkin.MorphKind, kf);
    return;
  }
  TspFaceState s;
  s.Enabled = Enabled();
  s.Down = FDown;
  s.InGroup = FGroupIndex != 0;
  s.MouseIn = FMouseIn;
  s.HasDisabledFace = !IsNullRect(FSkin.DisabledSkinRect);
  s.MorphAtHot = CanMorph() && kf == 1;
  switch (ChooseButtonFace(s)) {
    case bfDisabled: CreateFace(B, FSkin.DisabledSkinRect, false, false); break;
    case bfDown: CreateFace(B, FSkin.DownSkinRect, true, true); break;
    case bfActive:
    case bfFocused: CreateFace(B, FSkin.ActiveSkinRect, true, false); break;
    case bfNormal: CreateFace(B, SkinRect, false, false); break;
  }
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<WORD>(Message.WParam), Caption()) && Enabled() && Visible() && Parent() &&
          Parent()->IsShowing()) {
        Message.Result = 1;
        Click();
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      TspGraphicSkinCustomControl::Dispatch(Message);
      // A disabled or hidden button leaves every effect where it ends.
      StopTimers();
      FEffects.MorphKf = 0;
      FMouseIn = false;
      FPressed = false;
      Repaint();
      return;
    case CM_TEXTCHANGED:
      if (FIndex != -1 || FDrawDefault || Designing()) Repaint();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspGraphicSkinCustomControl::Dispatch(Message);
      if (!Designing()) Hover(Message.Msg == CM_MOUSEENTER);
      return;
  }
  TspGraphicSkinCustomControl::Dispatch(Message);
}

void TspSkinSpeedButton::Hover(bool Enter) {
  FMouseIn = Enter;
  if (FDown && FRepeatMode && FGroupIndex == 0) {
    if (Enter) FRepeat.Start(FRepeatInterval);
    else FRepeat.Stop();
  }
  if ((FDown && FGroupIndex != 0) || !Enabled()) return;
  if (Enter && FDown) {
    if (CanMorph()) FEffects.MorphKf = 1;
    Repaint();
    return;
  }
  if (CanAnimate() && !FFlat) FEffects.StartAnimation(Enter, FSkin.FrameCount, FSkin.AnimateInterval);
  if (CanMorph() && FIndex != -1) FEffects.StartMorph();
  else Repaint();
}

// ---------------------------------------------------------------------------
// Mouse

void TspSkinSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TFreeWatch watch(this);
  TspGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  if (CanAnimate()) FEffects.StopAnimation();
  FPressed = true;
  if (FDown) {
    if (FGroupIndex != 0) FCanRelease = true;
    return;
  }
  FMouseIn = true;
  FCanRelease = false;
  SetDown(true);
  if (FRepeatMode && FGroupIndex == 0) FRepeat.Start(FRepeatInterval);
  else if (FGroupIndex != 0) Click();
}

void TspSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TFreeWatch watch(this);
  if (Button == mbLeft) {
    FPressed = false;
    if (FGroupIndex != 0) {
      if (FDown && FAllowAllUp && FCanRelease && FMouseIn) {
        SetDown(false);
        Click();
      }
    } else if (FMouseIn) {
      const bool wasDown = FDown;
      SetDown(false);
      FRepeat.Stop();
      if (wasDown) Click();
    } else {
      FDown = false;
      FRepeat.Stop();
    }
  }
  if (!watch.Freed()) TspGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
}
