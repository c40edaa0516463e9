// The skinned check box and radio button in one control: checked, unchecked
// and grayed states, radio behaviour among siblings of one group, a flat look
// (mark and caption over the parent's background) and a full-skin look with a
// morph between its normal and hot pictures.
#pragma once

#include "classlib/StdCtrls.h"
#include "skinctrls/SkinButtonParts.h"
#include "skinctrls/SkinControl.h"

// The values of a check box record with their fallbacks: empty hot pictures
// are the normal ones, empty disabled marks the enabled ones.
struct TspCheckRadioSkin {
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
  bool Morphing = false;
  int MorphKind = 0;
  TRect ActiveSkinRect, CheckImageArea, TextArea;
  TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect, GrayedCheckImageRect, ActiveGrayedCheckImageRect;

  void Read(const TspDataSkinCheckRadioControl& Record, const TRect& SkinRect);
  void Clear() { *this = TspCheckRadioSkin(); }
};

class TspSkinCheckRadioBox : public TspSkinCustomControl {
 public:
  explicit TspSkinCheckRadioBox(TComponent* AOwner);
  ~TspSkinCheckRadioBox() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinCheckRadioBox"; }

  bool Checked() const { return FChecked; }
  virtual void SetChecked(bool Value);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value);
  bool Radio() const { return FRadio; }
  void SetRadio(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { SetLookValue(FUseSkinFontColor, Value); }
  bool CanFocused() const { return FFocus.CanFocused(); }
  void SetCanFocused(bool Value) { FFocus.SetCanFocused(Value); }

  bool MouseIn() const { return FMouseIn; }
  double MorphKf() const { return FEffects.MorphKf; }
  // Where the full-skin look puts the mark and the caption.
  TRect CheckImageRect, TextRect;

  // The click of the control: a check box inverts Checked, an unchecked radio
  // button becomes checked.
  void Toggle();

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinCheckRadioControl>; }
  void GetSkinData() override;
  void ChangeSkinData() override;

 protected:
  TspLookKey LookKey() const override {
    TspLookKey key = TspSkinCustomControl::LookKey();
    if (FUseSkinFontColor) key.FontChoices |= lfcSkinFontColor;
    return key;
  }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void BackgroundChanged() override;
  void CalcSize(int& W, int& H) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void DoClick();

 private:
  bool MorphPossible() const { return FSkin.Morphing && SkinEffectsOn(FSkinData); }
  bool FocusHot() const { return FFocus.FocusHot(); }
  void MorphOrInvalidate();
  // The skin picture of the mark for the current state, drawn at (X, Y).
  void DrawSkinMark(TCanvas* Canvas, int X, int Y);
  TRect MarkRect() const;
  // The square and mark of the look without a skin.
  void DrawDefaultMark(TCanvas* Canvas);
  void PaintFlat();
  void DrawCaption(TCanvas* Canvas, int Left, int ImageWidth, int ImageGap);
  void CreateCheckRadioImage(TBitmap* B, const TRect& R, bool Hot);

  bool FChecked = false;
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  bool FRadio = false;
  int FGroupIndex = 0;
  bool FFlat = true;
  bool FWordWrap = false;
  TCustomImageList* FImages = nullptr;
  int FImageIndex = 0;
  bool FUseSkinFontColor = true;
  bool FMouseIn = false;
  TspPressClick FPress;
  TspCheckRadioSkin FSkin;
  TspButtonEffects FEffects;
  TspButtonFocus FFocus;
};
