// The colour button: a menu speed button that shows its colour as a bar and
// drops down a grid of 40 colours, optionally headed by "Automatic" and
// closed by "More colors...", which opens the colour dialog.
#pragma once

#include <vector>

#include "skinctrls/SkinMenuSpeedButton.h"
#include "skininputs/ColorModel.h"

class TspSkinColorDialog;

class TspSkinColorButton : public TspSkinMenuSpeedButton {
 public:
  explicit TspSkinColorButton(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinColorButton"; }

  TColor ColorValue() const { return FColorValue; }
  // Repaints, and fires OnChangeColor even when the colour is the same.
  void SetColorValue(TColor Value);
  TColor AutoColor() const { return FAutoColor; }
  // Taken by the "Automatic" entry at the next rebuild of the menu.
  void SetAutoColor(TColor Value) { FAutoColor = Value; }
  bool ShowAutoColor() const { return FPlan.ShowAuto; }
  void SetShowAutoColor(bool Value);
  bool ShowMoreColor() const { return FPlan.ShowMore; }
  void SetShowMoreColor(bool Value);
  TspSkinColorDialog* ColorDialog() const { return FColorDialog; }
  void SetColorDialog(TspSkinColorDialog* Value);

  bool MenuUseSkinFont() const { return FMenu->UseSkinFont; }
  void SetMenuUseSkinFont(bool Value) { FMenu->UseSkinFont = Value; }
  TFont* MenuDefaultFont() const { return FMenu->DefaultFont(); }
  void SetMenuDefaultFont(TFont* Value) { FMenu->SetDefaultFont(Value); }
  bool MenuAlphaBlend() const { return FMenu->AlphaBlend; }
  void SetMenuAlphaBlend(bool Value) { FMenu->AlphaBlend = Value; }
  bool MenuAlphaBlendAnimation() const { return FMenu->AlphaBlendAnimation; }
  void SetMenuAlphaBlendAnimation(bool Value) { FMenu->AlphaBlendAnimation = Value; }
  int MenuAlphaBlendValue() const { return FMenu->AlphaBlendValue; }
  void SetMenuAlphaBlendValue(int Value) { FMenu->AlphaBlendValue = uint8_t(Value); }

  // The own grid menu and its images.
  TspSkinImagesMenu* ColorMenu() const { return FMenu; }
  TCustomImageList* ColorImages() const { return FImages; }
  // The colour that menu item Index stands for ("More colors..." has none).
  TColor ItemColor(int Index) const { return FPlan.ItemColor(Index, FAutoColor); }

  void Loaded() override;

  TNotifyEvent OnChangeColor;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;

 private:
  bool Quiet() const;
  void RebuildMenu();
  void MenuOpening();
  void ItemChosen();
  void RunColorDialog();
  void DrawColorMarker(TCanvas* C);

  TColor FColorValue = 0, FAutoColor = 0;
  TColorMenuPlan FPlan;
  TspSkinColorDialog* FColorDialog = nullptr;
  TCustomImageList* FImages;
  TspSkinImagesMenu* FMenu;
};
