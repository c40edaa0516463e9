// The windowless skinned tool button: a push button, a toggle within a group
// or an auto-repeat button, with a glyph beside an optional caption, a hover
// morph and a frame animation from the skin. It holds the mouse while pressed.
#pragma once

#include <memory>

#include "skinctrls/SkinButtonParts.h"
#include "skinctrls/SkinControl.h"

class TspSkinSpeedButton : public TspGraphicSkinCustomControl {
 public:
  explicit TspSkinSpeedButton(TComponent* AOwner);
  ~TspSkinSpeedButton() override;
  String ClassName() const override { return L"TspSkinSpeedButton"; }

  bool Down() const { return FDown; }
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // An idle flat button shows no face: the parent shows through.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool Value) { FRepeatMode = Value; }
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TspNumGlyphs Value);
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  bool ShowCaption() const { return FShowCaption; }
  // With both widths set (at least 1) the button takes the matching one.
  void SetShowCaption(bool Value);
  int WidthWithCaption() const { return FWidthWithCaption; }
  void SetWidthWithCaption(int Value) { FWidthWithCaption = Value; }
  int WidthWithoutCaption() const { return FWidthWithoutCaption; }
  void SetWidthWithoutCaption(int Value) { FWidthWithoutCaption = Value; }
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }

  bool MouseIn() const { return FMouseIn; }
  double MorphKf() const { return FEffects.MorphKf; }
  unsigned RepeatDelay() const { return FRepeat.NextDelay(); }
  const TspButtonSkin& SkinValues() const { return FSkin; }
  int GetGlyphNum(bool ADown, bool AMouseIn) const;

  // Clears the down and hot state and any effect under way.
  void ResetState();

  void GetSkinData() override;
  void ChangeSkinData() override;

  TspButtonPaintEvent OnPaint;

 protected:
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void CalcSize(int& W, int& H) override;
  // The face of skin rectangle R at the button's size with its content.
  virtual void CreateFace(TBitmap* B, const TRect& R, bool AActive, bool ADown);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;

 private:
  bool CanMorph() const { return FSkin.Morphing && SkinEffectsOn(FSkinData); }
  bool CanAnimate() const;
  bool DownLook() const { return FDown && (FGroupIndex != 0 || FMouseIn); }
  void StopTimers();
  void Hover(bool Enter);
  // Glyph and caption in R; the image list stands in for an empty glyph.
  void DrawContent(TCanvas* Canvas, const TRect& R, bool Hot, bool Pressed);

  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FRepeatMode = false;
  int FRepeatInterval = 100;
  std::unique_ptr<TBitmap> FGlyph;
  TspNumGlyphs FNumGlyphs = 1;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = 0;
  TspButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 1;
  bool FShowCaption = true;
  int FWidthWithCaption = 0, FWidthWithoutCaption = 0;
  bool FUseSkinSize = true;
  bool FUseSkinFontColor = true;

  bool FMouseIn = false;
  bool FPressed = false;
  bool FCanRelease = false;
  TspButtonSkin FSkin;
  TspButtonEffects FEffects;
  TspAutoRepeat FRepeat;
};
