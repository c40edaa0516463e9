// What the push button and the speed button share.
#include "skinctrls/SkinButtonBase.h"

#include "skin/SPUtils_geometry.h"

template <class TBase>
TspSkinButtonBase<TBase>::TspSkinButtonBase(TComponent* AOwner) : TBase(AOwner) {}

template <class TBase>
TspButtonEffects& TspSkinButtonBase<TBase>::Effects() {
  if (!FEffects)
    FEffects = std::make_unique<TspButtonEffects>(
        this, [this] { this->Repaint(); }, [this] { return MorphTarget(); },
        [this] { return this->FIndex != -1 && CanMorph(); });
  return *FEffects;
}

template <class TBase>
TspAutoRepeat& TspSkinButtonBase<TBase>::Repeat() {
  if (!FRepeat) FRepeat = std::make_unique<TspAutoRepeat>(this, [this] { PressClick(); });
  return *FRepeat;
}

template <class TBase>
TspSkinButtonBase<TBase>::~TspSkinButtonBase() = default;

// The timers are components this button owns, which the base's
// BeforeDestruction frees with the rest: they stop before that, and nothing
// touches them afterwards. (Deleted without Free, the button frees them last
// and they stop as they go.)
template <class TBase>
void TspSkinButtonBase<TBase>::BeforeDestruction() {
  StopTimers();
  TBase::BeforeDestruction();
}

// ---------------------------------------------------------------------------
// Properties

template <class TBase>
void TspSkinButtonBase<TBase>::SetGlyph(TBitmap* Value) {
  FGlyph.Get()->Assign(Value);
  this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::SetNumGlyphs(TspNumGlyphs Value) {
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::SetImageList(TCustomImageList* Value) {
  if (FImageList) FImageList->RemoveFreeNotification(this);
  FImageList = Value;
  if (Value) Value->FreeNotification(this);
  this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::SetLayout(TspButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::SetDown(bool Value) {
  FDown = Value;
  if (CanMorph()) {
    SetMorphKf(1);
    if (Value) StopMorph();
    else Effects().StartMorph();
  }
  this->Repaint();
  if (FGroupIndex == 0 || !Value || FAllowAllUp) return;
  for (auto* other : GroupSiblings<TspSkinButtonBase<TBase>>(this, FGroupIndex))
    if (other->Down()) other->SetDown(false);
}

template <class TBase>
void TspSkinButtonBase<TBase>::Notification(TComponent* AComponent, TOperation Operation) {
  TBase::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

template <class TBase>
void TspSkinButtonBase<TBase>::ActionChange(TObject* Sender, bool CheckDefaults) {
  TBase::ActionChange(Sender, CheckDefaults);
  if (FGlyph.Empty() && GlyphFromAction(Sender, FGlyph.Get())) this->Repaint();
}

// ---------------------------------------------------------------------------
// Skin and effects

template <class TBase>
int TspSkinButtonBase<TBase>::GetGlyphNum(bool ADown, bool AMouseIn) const {
  return ButtonGlyphNum(ADown, AMouseIn, this->Enabled(), FNumGlyphs);
}

template <class TBase>
bool TspSkinButtonBase<TBase>::CanAnimate() const {
  return this->FIndex != -1 && SkinEffectsOn(this->FSkinData) && !IsNullRect(FSkin.AnimateSkinRect);
}

template <class TBase>
void TspSkinButtonBase<TBase>::MorphOrRepaint() {
  if (CanMorph() && this->FIndex != -1) Effects().StartMorph();
  else this->Repaint();
}

template <class TBase>
void TspSkinButtonBase<TBase>::StopTimers() {
  StopMorph();
  StopAnimation();
  StopRepeat();
}

template <class TBase>
void TspSkinButtonBase<TBase>::Quiet() {
  StopTimers();
  SetMorphKf(0);
  FMouseIn = false;
  FPress.Cancel();
}

template <class TBase>
void TspSkinButtonBase<TBase>::GetSkinData() {
  TBase::GetSkinData();
  auto* record = this->template SkinRecordAs<TspDataSkinButtonControl>();
  if (!record) {
    FSkin.Clear();
    return;
  }
  FSkin.Read(*record, this->SkinRect);
  if (FEffects && SkinEffectsOn(this->FSkinData))
    FEffects->ApplyAnimationFrame(FSkin.ActiveSkinRect, this->SkinRect, FSkin.AnimateSkinRect, this->SkinRect.Width());
}

template <class TBase>
void TspSkinButtonBase<TBase>::ChangeSkinData() {
  StopMorph();
  StopAnimation();
  SetMorphKf(0);
  TBase::ChangeSkinData();
  if (CanMorph() && this->FIndex != -1 && MorphTarget()) SetMorphKf(1);
}

template <class TBase>
uint64_t TspSkinButtonBase<TBase>::LookState() const {
  const auto level = static_cast<uint64_t>(MorphKf() * 1000 + 0.5);
  const int frame = FEffects ? FEffects->Frame() : 0;
  return TBase::LookState() << 24 | static_cast<uint64_t>(frame & 0xFF) << 16 | level << 3 |
         uint64_t(FDown) << 2 | uint64_t(FPress.PressedBy(TspPressClick::byMouse)) << 1 | uint64_t(FMouseIn);
}

template <class TBase>
TspLookKey TspSkinButtonBase<TBase>::LookKey() const {
  TspLookKey key = TBase::LookKey();
  if (FUseSkinFontColor) key.FontChoices |= lfcSkinFontColor;
  return key;
}

template <class TBase>
void TspSkinButtonBase<TBase>::CalcSize(int& W, int& H) {
  if (FUseSkinSize || this->ResizeMode == 1) {
    TBase::CalcSize(W, H);
    return;
  }
  // A freely sized button: the client grows with it.
  this->NewClRect = this->ClRect;
  this->NewClRect.Right += W - this->SkinRect.Width();
  this->NewClRect.Bottom += H - this->SkinRect.Height();
}

// ---------------------------------------------------------------------------
// Painting

template <class TBase>
void TspSkinButtonBase<TBase>::SetFaceFont(TCanvas* Canvas, bool AActive, bool ADown) {
  SetCaptionFont(Canvas, this->FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle,
                 this->DrawingDefaultFont(), this->FSkinData);
  TColor color = FSkin.FontColor;
  if (this->Enabled() && !FUseSkinFontColor) color = this->DrawingDefaultFont()->Color();
  else if (!this->Enabled()) color = FSkin.DisabledFontColor;
  else if (AActive && ADown) color = FSkin.DownFontColor;
  else if (AActive) color = FSkin.ActiveFontColor;
  Canvas->Font()->SetColor(color);
}

template <class TBase>
void TspSkinButtonBase<TBase>::DrawContent(TCanvas* Canvas, const TRect& R, bool ADown, bool AMouseIn, int GlyphNum,
                                           bool Pressed, bool ImagesFirst, const String& Caption) {
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, Canvas, R, ADown, AMouseIn, drawDefault);
  if (!drawDefault) return;
  TspButtonContent content;
  // The push button prefers its image list; the speed button its glyph.
  content.Images = ImagesFirst || FGlyph.Empty() ? FImageList : nullptr;
  content.ImageIndex = FImageIndex;
  content.Glyph = FGlyph.Made();
  content.NumGlyphs = FNumGlyphs;
  content.GlyphNum = GlyphNum;
  content.Caption = Caption;
  content.Layout = FLayout;
  content.Margin = FMargin;
  content.Spacing = FSpacing;
  content.Enabled = this->Enabled();
  content.Pressed = Pressed;
  AdjustContent(content, ADown, AMouseIn);
  DrawButtonContent(Canvas, R, content);
}

// ---------------------------------------------------------------------------
// Mouse

template <class TBase>
void TspSkinButtonBase<TBase>::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TBase::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (CanAnimate()) StopAnimation();
  FPress.Press(Button);
  if (FDown) {
    if (FGroupIndex != 0) FCanRelease = true;
    return;
  }
  FMouseIn = true;
  FCanRelease = false;
  SetDown(true);
  if (FRepeatMode && FGroupIndex == 0) Repeat().Start(FRepeatInterval);
  else if (FGroupIndex != 0) PressClick();  // a group button clicks at the press
}

template <class TBase>
bool TspSkinButtonBase<TBase>::ReleaseLeft() {
  // Only a release that ends the press made on the button clicks it, and
  // only over the button.
  const bool ends = FPress.Release(mbLeft);
  if (FGroupIndex != 0) {
    if (ends && FDown && FAllowAllUp && FCanRelease && FMouseIn) {
      SetDown(false);
      PressClick();
    }
    return this->BeingFreed();
  }
  // The Space key holds the button down until it is let go.
  if (FPress.Pressed()) return false;
  StopRepeat();
  if (!FMouseIn) {
    FDown = false;  // released off the button: it comes up without a click
    return false;
  }
  SetDown(false);
  if (ends) PressClick();
  return this->BeingFreed();
}

template class TspSkinButtonBase<TspSkinCustomControl>;
template class TspSkinButtonBase<TspGraphicSkinCustomControl>;
