// The gallery's own small controls: what reacts to the mouse and the keyboard.
#pragma once

#include "classlib/Controls.h"
#include "skin/SPUtils_layer.h"

// A windowed control that takes the focus (Tab or a click), shows a dotted
// frame while focused, lightens under the mouse, darkens while pressed and
// counts its clicks (mouse, Space or Enter).
class TSwatch : public TCustomControl {
 public:
  TSwatch(TComponent* AOwner, TColor ABaseColor);
  String ClassName() const override { return L"TSwatch"; }
  void Dispatch(TMessage& Message) override;
  void Click() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  TColor FBaseColor;
  bool FPressed = false;
  int FClicks = 0;
};

// A windowless star painted by its parent: it turns gold under the mouse.
class THoverStar : public TGraphicControl {
 public:
  explicit THoverStar(TComponent* AOwner);
  String ClassName() const override { return L"THoverStar"; }
  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
};

// A control whose window region comes from a mask picture: the mask's border
// is kept at its size and its middle tiled, whatever the control's size.
class TShapedControl : public TCustomControl {
 public:
  explicit TShapedControl(TComponent* AOwner);
  String ClassName() const override { return L"TShapedControl"; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void CreateHandleDone() override;
  void Paint() override;

 private:
  void ApplyRegion();
  TBitmap FMask;  // 40 x 40: black inside, a disc cut into the corners
};

// A panel that fades a layered glow window in beside itself while the mouse
// is over it, and hides it when the mouse leaves.
class TGlowPanel : public TCustomControl {
 public:
  explicit TGlowPanel(TComponent* AOwner);
  String ClassName() const override { return L"TGlowPanel"; }
  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;

 private:
  TspLayerManager* FGlow;
  TBitmap FGlowPicture, FGlowMask;
};
