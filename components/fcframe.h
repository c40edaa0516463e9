// The fc edit frame and button effects: option objects that an edit-like
// control owns to draw its own border and to make its button flat or transparent.
#pragma once

#include "classlib/Controls.h"
#include "components/fcFrameGeometry.h"

class TfcEditFrame : public TPersistent {
 public:
  explicit TfcEditFrame(TControl* Control);
  String ClassName() const override { return L"TfcEditFrame"; }
  void Assign(TPersistent* Source) override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Transparent() const { return FSettings.Transparent; }
  void SetTransparent(bool Value);
  int AutoSizeHeightAdjust() const { return FAutoSizeHeightAdjust; }
  void SetAutoSizeHeightAdjust(int Value) { FAutoSizeHeightAdjust = Value; }
  TfcEditFrameEnabledSet FocusBorders() const { return FSettings.FocusBorders; }
  void SetFocusBorders(TfcEditFrameEnabledSet Value);
  TfcEditFrameEnabledSet NonFocusBorders() const { return FSettings.NonFocusBorders; }
  void SetNonFocusBorders(TfcEditFrameEnabledSet Value);
  TfcEditFocusStyle FocusStyle() const { return FSettings.FocusStyle; }
  void SetFocusStyle(TfcEditFocusStyle Value) { FSettings.FocusStyle = Value; }
  TfcEditFocusStyle NonFocusStyle() const { return FSettings.NonFocusStyle; }
  void SetNonFocusStyle(TfcEditFocusStyle Value);
  int NonFocusTextOffsetX() const { return FSettings.NonFocusTextOffsetX; }
  void SetNonFocusTextOffsetX(int Value) { FSettings.NonFocusTextOffsetX = Value; }
  int NonFocusTextOffsetY() const { return FSettings.NonFocusTextOffsetY; }
  void SetNonFocusTextOffsetY(int Value) { FSettings.NonFocusTextOffsetY = Value; }
  TColor NonFocusTransparentFontColor() const { return FNonFocusTransparentFontColor; }
  void SetNonFocusTransparentFontColor(TColor Value) { FNonFocusTransparentFontColor = Value; }
  TColor NonFocusColor() const { return FNonFocusColor; }
  void SetNonFocusColor(TColor Value) { FNonFocusColor = Value; }
  TColor NonFocusFontColor() const { return FNonFocusFontColor; }
  void SetNonFocusFontColor(TColor Value) { FNonFocusFontColor = Value; }
  bool MouseEnterSameAsFocus() const { return FMouseEnterSameAsFocus; }
  void SetMouseEnterSameAsFocus(bool Value) { FMouseEnterSameAsFocus = Value; }

  // The frame is in force: enabled and on a windowed control.
  bool IsActive() const { return FEnabled && FControl != nullptr; }
  const TfcFrameSettings& Settings() const { return FSettings; }
  virtual void GetTextOffsets(int& X, int& Y, bool Focused) const { fcFrameTextOffsets(FSettings, Focused, X, Y); }
  void AdjustEditRect(TRect& R) const { fcFrameAdjustEditRect(FSettings, R); }
  // Sizes the control to its font under the frame's height rule.
  void AdjustHeight();
  bool TransparentWindow() const { return FTransparentWindow; }
  void SetTransparentWindow(bool Value) { FTransparentWindow = Value; }

 private:
  void InvalidateControl();
  TWinControl* FControl;
  TfcFrameSettings FSettings;
  bool FEnabled = false;
  int FAutoSizeHeightAdjust = 0;
  TColor FNonFocusTransparentFontColor = clNone, FNonFocusColor = clNone, FNonFocusFontColor = clNone;
  bool FMouseEnterSameAsFocus = false;
  bool FTransparentWindow = false;
};

class TfcButtonEffects : public TPersistent {
 public:
  TfcButtonEffects(TControl* Control, TControl* Button) : FControl(Control), FButton(Button) {}
  String ClassName() const override { return L"TfcButtonEffects"; }
  void Assign(TPersistent* Source) override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  virtual void Refresh() {}

 protected:
  TControl* FControl;
  TControl* FButton;

 private:
  void Apply(bool AlsoTransparent);
  bool FFlat = false, FTransparent = false;
};

void DrawEditFrame(TControl* Control, TfcEditFrame* Frame, TCanvas* Canvas, bool Focused);
// The parent is a transparent fc panel or group box, or a window with the transparent style.
bool IsParentTransparent(TControl* Control);
// Repaints what lies behind a transparent edit: its formatting area or its whole client.
void FillEditBackground(TWinControl* Control, TfcEditFrame* Frame, bool WholeClient);
// Invalidates the control's rectangle in its parent, and further up through transparent parents.
void InvalidateUnderControl(TControl* Control);
