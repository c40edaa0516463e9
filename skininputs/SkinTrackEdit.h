// TspSkinTrackEdit: an integer edit whose edit button drops a skinned
// horizontal track bar under it; edit and bar keep one value.
#pragma once

#include "skinctrls/SkinTrackBar.h"
#include "skininputs/PopupFade.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinTrackEditRules.h"

class TspSkinTrackEdit;

// The track bar in a pop-up tool window that never takes activation.
class TspSkinPopupTrackBar : public TspSkinTrackBar {
 public:
  explicit TspSkinPopupTrackBar(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinPopupTrackBar"; }

  TspSkinTrackEdit* TrackEdit = nullptr;
  TspPopupFade Fade{this};

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
};

class TspSkinTrackEdit : public TspSkinCustomEdit {
 public:
  explicit TspSkinTrackEdit(TComponent* AOwner);
  ~TspSkinTrackEdit() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinTrackEdit"; }
  void Dispatch(TMessage& Message) override;

  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value) { FMinValue = Value; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value) { FMaxValue = Value; }
  int Value() const { return FValue; }
  void SetValue(int Value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  bool SupportUpDownKeys() const { return FSupportUpDownKeys; }
  void SetSupportUpDownKeys(bool Value) { FSupportUpDownKeys = Value; }
  TspTrackBarPopupKind PopupKind() const { return FPopupKind; }
  void SetPopupKind(TspTrackBarPopupKind Value) { FPopupKind = Value; }
  int TrackBarWidth() const { return FTrackBarWidth; }
  void SetTrackBarWidth(int Value) { FTrackBarWidth = Value; }
  const String& TrackBarSkinDataName() const { return FTrackBarSkinDataName; }
  void SetTrackBarSkinDataName(const String& Value) { FTrackBarSkinDataName = Value; }
  bool TrackBarAlphaBlend() const { return FTrackBarAlphaBlend; }
  void SetTrackBarAlphaBlend(bool Value) { FTrackBarAlphaBlend = Value; }
  uint8_t TrackBarAlphaBlendValue() const { return FTrackBarAlphaBlendValue; }
  void SetTrackBarAlphaBlendValue(uint8_t Value) { FTrackBarAlphaBlendValue = Value; }
  bool TrackBarAlphaBlendAnimation() const { return FTrackBarAlphaBlendAnimation; }
  void SetTrackBarAlphaBlendAnimation(bool Value) { FTrackBarAlphaBlendAnimation = Value; }
  bool JumpWhenClick() const { return FTrackBar->JumpWhenClick(); }
  void SetJumpWhenClick(bool Value) { FTrackBar->SetJumpWhenClick(Value); }

  TspSkinPopupTrackBar* TrackBar() const { return FTrackBar; }
  bool DroppedDown() const { return FTrackBar->Visible(); }
  void DropDown();
  void CloseUp();

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void Change() override;

 private:
  int Limited(int V) const;
  void SetOwnText(const String& S);
  void ToggleDropDown();
  void TrackBarChanged();
  void Step(int Delta);
  void DetachTrackBar();

  TspSkinPopupTrackBar* FTrackBar = nullptr;
  int FMinValue = 0, FMaxValue = 100, FValue = 0, FIncrement = 1;
  bool FSupportUpDownKeys = true;
  TspTrackBarPopupKind FPopupKind = tbpRight;
  int FTrackBarWidth = 0;
  String FTrackBarSkinDataName = L"htrackbar";
  bool FTrackBarAlphaBlend = false, FTrackBarAlphaBlendAnimation = false;
  uint8_t FTrackBarAlphaBlendValue = 0;
  bool FTextSetting = false, FRewriting = false;
};
