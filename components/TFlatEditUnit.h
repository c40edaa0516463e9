// TCustomFlatEdit and TFlatEdit: a single-line edit with a flat three-pixel
// frame in its non-client area that lights up while it has the focus or the
// mouse is over it; its height follows its font.
#pragma once

#include "classlib/StdCtrls.h"
#include "components/FlatUtilitys.h"

class TCustomFlatEdit : public TCustomEdit {
 public:
  explicit TCustomFlatEdit(TComponent* AOwner);
  String ClassName() const override { return L"TCustomFlatEdit"; }
  void Dispatch(TMessage& Message) override;

  TColor ColorFocused() const { return FFocusedColor; }
  TColor ColorBorder() const { return FBorderColor; }
  TColor ColorFlat() const { return FFlatColor; }
  // 0 focused, 1 border, 2 flat (which also stops following the parent's colour).
  void SetColors(int Index, TColor Value);
  // The flat colour follows the parent's colour.
  bool ParentColor() const { return FParentColorFlat; }
  void SetParentColor(bool Value);
  TAdvColors AdvColorFocused() const { return FAdvColorFocused; }
  TAdvColors AdvColorBorder() const { return FAdvColorBorder; }
  // 0 focused, 1 border.
  void SetAdvColors(int Index, TAdvColors Value);
  bool UseAdvColors() const { return FUseAdvColors; }
  void SetUseAdvColors(bool Value);
  // Whether the frame is drawn in the focused colours now.
  bool DrawnHot() const;

 protected:
  void Loaded() override;
  void CreateParams(TCreateParams& Params) override;
  void RedrawBorder();
  void AdjustHeight();

 private:
  void CalcAdvColors();
  void ParentColorChanged();
  TColor FFocusedColor = clWhite;
  TColor FBorderColor = 0x8396A0;
  TColor FFlatColor = 0xE1EAEB;
  bool FParentColorFlat = true;
  TAdvColors FAdvColorFocused = 10, FAdvColorBorder = 50;
  bool FUseAdvColors = false;
  bool FMouseIn = false;
};

class TFlatEdit : public TCustomFlatEdit {
 public:
  explicit TFlatEdit(TComponent* AOwner) : TCustomFlatEdit(AOwner) {}
  String ClassName() const override { return L"TFlatEdit"; }
};
