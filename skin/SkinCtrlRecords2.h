// Skin control records of lists, combos, edits, tabs, grids, gauges, panels,
// check boxes and buttons. Included by SkinCtrlRecords.h, and includes it
// first when included alone.
#pragma once

#include "skin/SkinCtrlRecords.h"

class TspDataSkinListBox : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinListBox"; }
  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0;
  TRect CaptionRect;
  String CaptionFontName = L"Arial";
  int CaptionFontHeight = 14;
  TFontStyles CaptionFontStyle;
  TColor CaptionFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  String VScrollBarName = L"vscrollbar", HScrollBarName = L"hscrollbar", BothHScrollBarName = L"bothhscrollbar";
  bool ShowFocus = false;
  TRect DisabledButtonsRect, ButtonsArea;
  // Its item looks, cut in three by the item offsets, each keep a middle.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinCheckListBox : public TspDataSkinListBox {
 public:
  using TspDataSkinListBox::TspDataSkinListBox;
  String ClassName() const override { return L"TspDataSkinCheckListBox"; }
  TRect CheckImageRect, ItemCheckRect, UnCheckImageRect;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinComboBox : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinComboBox"; }
  TRect ActiveSkinRect, ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, FocusFontColor = 0, ActiveFontColor = 0;
  String ListBoxName;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;
  // Its item looks, cut in three by the item offsets, each keep a middle.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinEditControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinEditControl"; }
  TRect ActiveSkinRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  // Drawn as three pieces across (its middle from the left to the right top
  // point) and its text field from the client piece: both must be there.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinMemoControl : public TspDataSkinEditControl {
 public:
  using TspDataSkinEditControl::TspDataSkinEditControl;
  String ClassName() const override { return L"TspDataSkinMemoControl"; }
  TColor BGColor = 0, ActiveBGColor = 0;
  // Drawn from pieces as any control sized both ways.
  bool LeavesNothingToDraw(bool HasPicture) const override {
    return TspDataSkinCustomControl::LeavesNothingToDraw(HasPicture);
  }

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinSpinEditControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinSpinEditControl"; }
  TRect ActiveSkinRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, DisabledFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

// Tab control: carries its own frame geometry, not that of the custom control.
class TspDataSkinTabControl : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinTabControl"; }
  TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, ClRect;
  int BGPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  TRect TabsBGRect;
  bool TabStretchEffect = false;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  String UpDown;
  bool ShowFocus = false;
  int FocusOffsetX = 0, FocusOffsetY = 0;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;
  // Drawn from its picture: the frame, and the client piece on the sheets
  // unless they have a background picture of their own; its tab looks, cut
  // in three by the tab offsets, each keep a middle.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinGridControl : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinGridControl"; }
  TRect FixedCellRect, SelectCellRect, FocusCellRect;
  int FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
  TRect FixedCellTextRect;
  int CellLeftOffset = 0, CellRightOffset = 0;
  TRect CellTextRect;
  int BGPictureIndex = -1;
  TColor LinesColor = 0, BGColor = 0;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, SelectFontColor = 0, FocusFontColor = 0;
  String FixedFontName = L"Arial";
  int FixedFontHeight = 14;
  TFontStyles FixedFontStyle;
  TColor FixedFontColor = 0;
  bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinGaugeControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinGaugeControl"; }
  TRect ProgressArea, ProgressRect;
  int BeginOffset = 0, EndOffset = 0;
  bool Vertical = false;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  bool ProgressTransparent = false;
  TColor ProgressTransparentColor = 0;
  bool ProgressStretch = false;
  TRect AnimationSkinRect;
  int AnimationCountFrames = 0, AnimationTimerInterval = 0;
  TRect ProgressAnimationSkinRect;
  int ProgressAnimationCountFrames = 0, ProgressAnimationTimerInterval = 0;
  int AnimationBeginOffset = 0, AnimationEndOffset = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinScrollBoxControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinScrollBoxControl"; }
  int BGPictureIndex = -1;

 protected:
  void Exchange(TspRecordIO& IO) override;
  bool HasBackgroundPicture() const override { return BGPictureIndex >= 0; }
};

class TspDataSkinPanelControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinPanelControl"; }
  int BGPictureIndex = -1;
  TRect CaptionRect;
  TAlignment Alignment = taCenter;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;
  // Its caption frame, cut in three by the frame offsets, keeps a middle.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
  bool HasBackgroundPicture() const override { return BGPictureIndex >= 0; }
};

class TspDataSkinExPanelControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinExPanelControl"; }
  TRect RollHSkinRect, RollVSkinRect;
  int RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  TRect RollVCaptionRect, RollHCaptionRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  TRect CaptionRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  bool ButtonsTransparent = false;
  TColor ButtonsTransparentColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinCheckRadioControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinCheckRadioControl"; }
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
  bool Morphing = false;
  TspMorphKind MorphKind = mkDefault;
  TRect ActiveSkinRect, CheckImageArea, TextArea;
  TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;
  TRect GrayedCheckImageRect, ActiveGrayedCheckImageRect;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinButtonControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinButtonControl"; }
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, DisabledFontColor = 0, DownFontColor = 0;
  bool Morphing = false;
  TspMorphKind MorphKind = mkDefault;
  TRect ActiveSkinRect, DownSkinRect, FocusedSkinRect, DisabledSkinRect, AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool ShowFocus = false;
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = 0;
  int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetLeft = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetBottom = 0;
  int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
  int GlowLayerAlphaBlendValue = 255;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinMenuButtonControl : public TspDataSkinButtonControl {
 public:
  using TspDataSkinButtonControl::TspDataSkinButtonControl;
  String ClassName() const override { return L"TspDataSkinMenuButtonControl"; }
  TRect TrackButtonRect;

 protected:
  void Exchange(TspRecordIO& IO) override;
};
