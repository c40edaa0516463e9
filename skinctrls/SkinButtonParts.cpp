// Pieces shared by the skinned buttons, check boxes and speed buttons.
#include "skinctrls/SkinButtonParts.h"

#include "classlib/ActnList.h"
#include "skin/SPUtils_button.h"
#include "skin/SPUtils_geometry.h"
#include "skin/speffbmp.h"

void TspControlTimer::Start(unsigned Interval) {
  // A control torn down by a handler gets no new timer.
  if (FOwner->BeingFreed()) return;
  if (!FTimer) {
    FTimer = new TTimer(FOwner);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject*) { FOnTick(); };
  }
  FTimer->SetInterval(Interval);
  FTimer->SetEnabled(true);
}

void TspControlTimer::Stop() {
  if (FTimer) FTimer->SetEnabled(false);
}

void TspControlTimer::SetInterval(unsigned Interval) {
  if (FTimer) FTimer->SetInterval(Interval);
}

TspButtonEffects::TspButtonEffects(TComponent* Owner, std::function<void()> Repaint, std::function<bool()> TargetHot,
                                   std::function<bool()> CanMorph)
    : FRepaint(std::move(Repaint)),
      FTargetHot(std::move(TargetHot)),
      FCanMorph(std::move(CanMorph)),
      FMorphTimer(Owner, [this] { MorphTick(); }),
      FAnimateTimer(Owner, [this] { AnimateTick(); }) {}

void TspButtonEffects::StartMorph() {
  if (!FMorphTimer.Running()) FMorphTimer.Start(kMorphInterval);
}

void TspButtonEffects::MorphTick() {
  if (!FCanMorph()) {
    MorphKf = FTargetHot() ? 1 : 0;
    FMorphTimer.Stop();
    return;
  }
  if (MorphStep(MorphKf, FTargetHot())) FMorphTimer.Stop();
  FRepaint();
}

void TspButtonEffects::StartAnimation(bool Forward, int FrameCount, int Interval) {
  FForward = Forward;
  FFrameCount = FrameCount;
  FFrame = Forward ? 1 : FrameCount;
  FAnimateTimer.Start(Interval > 0 ? Interval : 25);
}

void TspButtonEffects::StopAnimation() {
  FAnimateTimer.Stop();
  FFrame = 0;
}

void TspButtonEffects::AnimateTick() {
  if (!AnimationStep(FFrame, FForward, FFrameCount)) FAnimateTimer.Stop();
  FRepaint();
}

void TspButtonEffects::ApplyAnimationFrame(TRect& ActiveRect, TRect& NormalRect, const TRect& AnimateRect,
                                           int SkinWidth) const {
  if (!Animating() || FFrame < 1 || FFrame > FFrameCount) return;
  const TRect frame = AnimationFrameRect(AnimateRect, SkinWidth, FFrameCount, FFrame);
  if (FForward) ActiveRect = frame;
  else NormalRect = frame;
}

TspAutoRepeat::TspAutoRepeat(TComponent* Owner, TEvent<void()> Click)
    : FClick(std::move(Click)), FTimer(Owner, [this] { Tick(); }) {}

void TspAutoRepeat::Start(unsigned Interval) {
  FInterval = Interval;
  FTimer.Start(kFirstRepeatDelay);
}

void TspAutoRepeat::Tick() {
  // The interval changes first: the click may free the control.
  FTimer.SetInterval(FInterval);
  FClick();
}

void TspButtonSkin::Read(const TspDataSkinButtonControl& R, const TRect& SkinRect) {
  FontName = R.FontName;
  FontHeight = R.FontHeight;
  FontStyle = R.FontStyle;
  FontColor = R.FontColor;
  ActiveFontColor = R.ActiveFontColor;
  DownFontColor = R.DownFontColor;
  DisabledFontColor = R.DisabledFontColor == R.FontColor ? TColor(0x808080) : R.DisabledFontColor;
  ActiveSkinRect = IsNullRect(R.ActiveSkinRect) ? SkinRect : R.ActiveSkinRect;
  DownSkinRect = IsNullRect(R.DownSkinRect) ? ActiveSkinRect : R.DownSkinRect;
  DisabledSkinRect = R.DisabledSkinRect;
  FocusedSkinRect = R.FocusedSkinRect;
  AnimateSkinRect = R.AnimateSkinRect;
  Morphing = R.Morphing;
  MorphKind = R.MorphKind;
  FrameCount = R.FrameCount;
  AnimateInterval = R.AnimateInterval;
  ShowFocus = R.ShowFocus;
  MenuMarkerRect = R.MenuMarkerRect;
  MenuMarkerActiveRect = IsNullRect(R.MenuMarkerActiveRect) ? MenuMarkerRect : R.MenuMarkerActiveRect;
  MenuMarkerDownRect = IsNullRect(R.MenuMarkerDownRect) ? MenuMarkerActiveRect : R.MenuMarkerDownRect;
  MenuMarkerFlatRect = IsNullRect(R.MenuMarkerFlatRect) ? MenuMarkerRect : R.MenuMarkerFlatRect;
  MenuMarkerTransparentColor = R.MenuMarkerTransparentColor;
  GlowLayerPictureIndex = R.GlowLayerPictureIndex;
  GlowLayerMaskPictureIndex = R.GlowLayerMaskPictureIndex;
  GlowLayerOffsetLeft = R.GlowLayerOffsetLeft;
  GlowLayerOffsetTop = R.GlowLayerOffsetTop;
  GlowLayerOffsetRight = R.GlowLayerOffsetRight;
  GlowLayerOffsetBottom = R.GlowLayerOffsetBottom;
  GlowLayerShowOffsetX = R.GlowLayerShowOffsetX;
  GlowLayerShowOffsetY = R.GlowLayerShowOffsetY;
  GlowLayerAlphaBlendValue = R.GlowLayerAlphaBlendValue;
}

bool SkinEffectsOn(const TspSkinData* SkinData) {
  return SkinData && !SkinData->Empty() && SkinData->EnableSkinEffects();
}

void MorphFaces(TBitmap* Normal, TBitmap* Hot, int Kind, double Kf) {
  if (Normal->Empty() || Hot->Empty()) return;
  TspEffectBmp from(Normal->Handle());
  TspEffectBmp to(Hot->Handle());
  MorphPixelsByKind(from.Pixels(), to.Pixels(), Kind, Kf);
  from.Draw(Normal->Canvas()->Handle(), Normal->StoredPart().Left, Normal->StoredPart().Top);
}

void SetCaptionFont(TCanvas* Canvas, bool FromRecord, const String& Name, int Height, TFontStyles Style,
                    TFont* DefaultFont, const TspSkinData* SkinData) {
  TFont* font = Canvas->Font();
  if (FromRecord) {
    font->SetName(Name);
    font->SetHeight(Height);
    font->SetStyle(Style);
  } else {
    font->Assign(DefaultFont);
  }
  if (SkinData && SkinData->ResourceStrData()) font->SetCharset(SkinData->ResourceStrData()->CharSet());
  else font->SetCharset(DefaultFont->Charset());
}

void DrawButtonContent(TCanvas* Canvas, const TRect& R, const TspButtonContent& C) {
  if (C.Images && C.ImageIndex >= 0 && C.ImageIndex < C.Images->Count())
    DrawImageAndText(Canvas, R, C.Margin, clNone, false, C.Enabled, C.Pressed, C.Images, C.ImageIndex, C.Caption,
                     C.Layout, C.Spacing);
  else
    DrawGlyphAndText(Canvas, R, C.Margin, clNone, false, C.Pressed, C.GlyphNum, C.NumGlyphs, C.Glyph, C.Caption,
                     C.Layout, C.Spacing);
}

bool GlyphFromAction(TObject* Action, TBitmap* Glyph) {
  auto* action = dynamic_cast<TCustomAction*>(Action);
  if (!action || !action->ActionList()) return false;
  TCustomImageList* images = action->ActionList()->Images();
  const int index = action->ImageIndex();
  if (!images || index < 0 || index >= images->Count()) return false;
  Glyph->SetSize(images->Width(), images->Height());
  Glyph->Canvas()->Brush()->SetStyle(bsSolid);
  Glyph->Canvas()->Brush()->SetColor(clFuchsia);
  Glyph->Canvas()->FillRect(TRect(0, 0, images->Width(), images->Height()));
  images->Draw(Glyph->Canvas(), 0, 0, index, true);
  return true;
}
