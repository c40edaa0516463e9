// What the windowed push button and the windowless speed button share, as one
// class template over their skinned base: glyph and layout properties, the
// pressed and down state with groups and auto-repeat, the button record's
// values with the hover morph and frame animation, and the content drawing.
#pragma once

#include <memory>

#include "skinctrls/SkinButtonParts.h"
#include "skinctrls/SkinControl.h"

template <class TBase>
class TspSkinButtonBase : public TBase {
 public:
  explicit TspSkinButtonBase(TComponent* AOwner);
  ~TspSkinButtonBase() override;
  void BeforeDestruction() override;

  TBitmap* Glyph() const { return FGlyph.Get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TspNumGlyphs Value);
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout Value);
  // -1 centres glyph and caption together; values below -1 are refused.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  bool Down() const { return FDown; }
  // Putting a group button down puts the others of its group up, unless
  // AllowAllUp.
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  virtual void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool Value) { FRepeatMode = Value; }
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { this->SetLookValue(FUseSkinFontColor, Value); }

  // State, for owners and tests.
  bool MouseIn() const { return FMouseIn; }
  double MorphKf() const { return FEffects ? FEffects->MorphKf : 0; }
  // The wait before the next auto-repeat click; 0 when none is due.
  unsigned RepeatDelay() const { return FRepeat ? FRepeat->NextDelay() : 0; }
  const TspButtonSkin& SkinValues() const { return FSkin; }
  // The glyph frame shown for a state: 1 normal, 2 disabled, 3 pressed, 4 hot.
  int GetGlyphNum(bool ADown, bool AMouseIn) const;

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinButtonControl>; }
  void GetSkinData() override;
  // The morph and the frame animation end with the skin they belonged to:
  // the morph level is set again from the hover state of now, so nothing
  // hot or pressed from before the change is drawn after it.
  void ChangeSkinData() override;

  TspButtonPaintEvent OnPaint;

 protected:
  // The click of a press: the push button's ButtonClick, the speed button's Click.
  virtual void PressClick() = 0;
  // The hot look is the target of the morph.
  virtual bool MorphTarget() { return FMouseIn; }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void CalcSize(int& W, int& H) override;
  TspLookKey LookKey() const override;
  // The button's own states drawn by its look: down, pressed, hover, the
  // morph level and the animation frame.
  uint64_t LookState() const override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Runs the press logic; true when the button was freed by its click.
  bool ReleaseLeft();

  bool CanMorph() const { return FSkin.Morphing && SkinEffectsOn(this->FSkinData); }
  bool CanAnimate() const;
  void StartAnimation(bool Forward) { Effects().StartAnimation(Forward, FSkin.FrameCount, FSkin.AnimateInterval); }
  // The morph and the frame animation, made with the first effect the button
  // shows, and the auto-repeat, made with its first repeating press: most
  // buttons never need either.
  TspButtonEffects& Effects();
  TspAutoRepeat& Repeat();
  void SetMorphKf(double Kf) {
    if (FEffects || Kf != 0) Effects().MorphKf = Kf;
  }
  bool Animating() const { return FEffects && FEffects->Animating(); }
  void StopMorph() {
    if (FEffects) FEffects->StopMorph();
  }
  void StopAnimation() {
    if (FEffects) FEffects->StopAnimation();
  }
  void StopRepeat() {
    if (FRepeat) FRepeat->Stop();
  }
  void MorphOrRepaint();
  void StopTimers();
  // A disabled or hidden button leaves every effect where it ends.
  void Quiet();
  // The record's font and the caption colour of a face.
  void SetFaceFont(TCanvas* Canvas, bool AActive, bool ADown);
  // Glyph and caption in R, after OnPaint had its say.
  void DrawContent(TCanvas* Canvas, const TRect& R, bool ADown, bool AMouseIn, int GlyphNum, bool Pressed,
                   bool ImagesFirst, const String& Caption);
  // Lets a button take its image or caption from elsewhere (a tool bar's
  // image lists, an image menu's choice) just before the content is drawn.
  virtual void AdjustContent(TspButtonContent& Content, bool ADown, bool AMouseIn) {}

  TspGlyph FGlyph{this};
  TspNumGlyphs FNumGlyphs = 1;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = -1;
  TspButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 1;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FRepeatMode = false;
  int FRepeatInterval = 100;
  bool FUseSkinSize = true;
  bool FUseSkinFontColor = true;

  bool FMouseIn = false;
  TspPressClick FPress;
  bool FCanRelease = false;
  TspButtonSkin FSkin;
  std::unique_ptr<TspButtonEffects> FEffects;
  std::unique_ptr<TspAutoRepeat> FRepeat;
};

extern template class TspSkinButtonBase<TspSkinCustomControl>;
extern template class TspSkinButtonBase<TspGraphicSkinCustomControl>;
