// The windowless skinned tool button: a push button, a toggle within a group
// or an auto-repeat button, with a glyph beside an optional caption, a hover
// morph and a frame animation from the skin. It holds the mouse while pressed.
#pragma once

#include "skinctrls/SkinButtonBase.h"

// A parent that lends its image lists to the speed buttons on it.
class TspButtonImagesHost {
 public:
  virtual ~TspButtonImagesHost() = default;
  // The list a button without a glyph shows in that state; nullptr for none.
  virtual TCustomImageList* ButtonImages(bool Enabled, bool Hot) const = 0;
};

class TspSkinSpeedButton : public TspSkinButtonBase<TspGraphicSkinCustomControl> {
 public:
  explicit TspSkinSpeedButton(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinSpeedButton"; }

  // An idle flat button shows no face: the parent shows through.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  // With both widths set (at least 1) the button takes the matching one.
  void SetShowCaption(bool Value);
  int WidthWithCaption() const { return FWidthWithCaption; }
  void SetWidthWithCaption(int Value) { FWidthWithCaption = Value; }
  int WidthWithoutCaption() const { return FWidthWithoutCaption; }
  void SetWidthWithoutCaption(int Value) { FWidthWithoutCaption = Value; }

  // Clears the down and hot state and any effect under way.
  void ResetState();

  void GetSkinData() override;

 protected:
  void PressClick() override { Click(); }
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  // The face of skin rectangle R at the button's size with its content.
  virtual void CreateFace(TBitmap* B, const TRect& R, bool AActive, bool ADown);
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void AdjustContent(TspButtonContent& Content, bool ADown, bool AMouseIn) override;
  // The caption font of an idle flat button over its content R; false when
  // nothing is drawn.
  bool SetFlatFont(TCanvas* C, const TRect& R);
  // Shadow moved, when it must be, to read on the face under R.
  void SetDisabledColor(TCanvas* C, const TRect& R, TColor Shadow);
  bool DownLook() const { return FDown && (FGroupIndex != 0 || FMouseIn); }
  String ShownCaption() const { return FShowCaption ? Caption() : String(); }

 private:
  void Hover(bool Enter);

  bool FFlat = false;
  bool FShowCaption = true;
  int FWidthWithCaption = 0, FWidthWithoutCaption = 0;
};
