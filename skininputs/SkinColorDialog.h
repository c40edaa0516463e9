// The colour dialog: a skinned modal window with the basic and custom colour
// grids, a hue ring around a saturation/lightness box, R G B and H S B number
// fields, a preview swatch, OK, Cancel and add-to-custom-colours.
#pragma once

#include <memory>

#include "classlib/Forms.h"
#include "skininputs/ColorModel.h"

class TspSkinData;
class TspSkinColorGrid;
class TspSkinCustomColorGrid;
class TspColorViewer;
class TspSkinTrackEdit;
class TspSkinButton;
class TspHueRingImage;

// A host that neither erases nor paints: the ring image covers it whole.
class TspEmptyControl : public TCustomControl {
 public:
  explicit TspEmptyControl(TComponent* AOwner) : TCustomControl(AOwner) {}
  String ClassName() const override { return L"TspEmptyControl"; }

 protected:
  void Dispatch(TMessage& Message) override;
};

class TspSkinColorDialog : public TComponent {
 public:
  explicit TspSkinColorDialog(TComponent* AOwner);
  ~TspSkinColorDialog() override;
  String ClassName() const override { return L"TspSkinColorDialog"; }

  // Shows the window modally; True and Color set when it closed with OK.
  bool Execute();

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  bool GroupBoxTransparentMode() const { return FGroupBoxTransparentMode; }
  void SetGroupBoxTransparentMode(bool Value) { FGroupBoxTransparentMode = Value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value) { FAlphaBlendValue = Value; }
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  TspSkinData* CtrlSkinData() const { return FCtrlSkinData; }
  void SetCtrlSkinData(TspSkinData* Value);
  const String& ButtonSkinDataName() const { return FButtonSkinDataName; }
  void SetButtonSkinDataName(const String& Value) { FButtonSkinDataName = Value; }
  const String& LabelSkinDataName() const { return FLabelSkinDataName; }
  void SetLabelSkinDataName(const String& Value) { FLabelSkinDataName = Value; }
  const String& EditSkinDataName() const { return FEditSkinDataName; }
  void SetEditSkinDataName(const String& Value) { FEditSkinDataName = Value; }
  TFont* DefaultLabelFont() const { return FDefaultLabelFont.get(); }
  TFont* DefaultButtonFont() const { return FDefaultButtonFont.get(); }
  TFont* DefaultEditFont() const { return FDefaultEditFont.get(); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // Kept between runs; written back only after OK.
  const TCustomColorSlots& CustomColors() const { return FCustom; }
  void SetCustomColors(const TCustomColorSlots& Value) { FCustom = Value; }

  // While the window is open (nullptr otherwise), for the ones who drive it.
  TForm* Form() const { return FForm; }
  TspSkinColorGrid* BasicGrid() const { return FBasicGrid; }
  TspSkinCustomColorGrid* CustomGrid() const { return FCustomGrid; }
  TspHueRingImage* Picker() const { return FPicker; }
  TspColorViewer* Preview() const { return FPreview; }
  // 0..2 R G B, 3..5 H S and brightness.
  TspSkinTrackEdit* Field(int Index) const { return FFields[Index]; }
  TspSkinButton* OkButton() const { return FOk; }
  TspSkinButton* CancelButton() const { return FCancel; }
  TspSkinButton* AddButton() const { return FAdd; }
  // The colour under the ring and the box.
  const TPSPColor& PickerColor() const { return FPickerColor; }

  // Called once the window is built, before it shows modally.
  TNotifyEvent OnShowDialog;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void BuildWindow();
  // Its steps: the skinned frame and the panel the controls stand on, the
  // two grids, the hue ring (in the control it returns), the number fields,
  // the preview and the buttons, and the colours the dialog starts with.
  TWinControl* BuildFrame();
  void BuildGrids(TWinControl* Client);
  TWinControl* BuildPicker(TWinControl* Client);
  void BuildFields(TWinControl* Client, int FirstLeft);
  void BuildPreviewAndButtons(TWinControl* Client, TWinControl* Host);
  void StartColours(TWinControl* Host);
  void GridChosen(TColor C);
  void RGBFieldChanged();
  void HSLFieldChanged();
  void PickerChanged();
  // Writes three fields from First on with Guard held.
  void WriteFields(int First, int A, int B, int C, bool& Guard);
  void SetRGBFields(TColor C);
  void SetHSBFields(TColor C);
  // The picker follows C unless the picker itself is the source.
  void FollowInPicker(TColor C);
  int FieldValue(int Index) const;

  TColor FColor = 0;
  String FCaption = L"Set color";
  bool FGroupBoxTransparentMode = false;
  bool FAlphaBlend = false, FAlphaBlendAnimation = false;
  uint8_t FAlphaBlendValue = 200;
  TspSkinData* FSkinData = nullptr;
  TspSkinData* FCtrlSkinData = nullptr;
  String FButtonSkinDataName = L"button", FLabelSkinDataName = L"stdlabel", FEditSkinDataName = L"edit";
  std::unique_ptr<TFont> FDefaultLabelFont, FDefaultButtonFont, FDefaultEditFont;
  bool FUseSkinFont = true;
  TCustomColorSlots FCustom;

  TPSPColor FPickerColor;
  TForm* FForm = nullptr;
  TspSkinColorGrid* FBasicGrid = nullptr;
  TspSkinCustomColorGrid* FCustomGrid = nullptr;
  TspHueRingImage* FPicker = nullptr;
  TspColorViewer* FPreview = nullptr;
  TspSkinTrackEdit* FFields[6] = {};
  TspSkinButton *FOk = nullptr, *FCancel = nullptr, *FAdd = nullptr;
  bool FRGBGuard = false, FHSLGuard = false, FPickGuard = false;
};
