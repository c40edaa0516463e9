// TFlatProgressBar: a position between Min and Max shown as blocks or as one
// smooth bar inside a one-pixel frame, horizontal or vertical.
#pragma once

#include "components/FlatProgressGeometry.h"
#include "components/FlatUtilitys.h"

class TFlatProgressBar : public TGraphicControl {
 public:
  explicit TFlatProgressBar(TComponent* AOwner);
  String ClassName() const override { return L"TFlatProgressBar"; }
  void Dispatch(TMessage& Message) override;
  // A block bar's length is whole blocks: the extent along the bar is snapped.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TColor ColorElement() const { return FElementColor; }
  TColor ColorBorder() const { return FBorderColor; }
  // Index 0 the element colour, 1 the border colour.
  void SetColors(int Index, TColor Value);
  TAdvColors AdvColorBorder() const { return FAdvColorBorder; }
  void SetAdvColorBorder(TAdvColors Value);
  bool UseAdvColors() const { return FUseAdvColors; }
  void SetUseAdvColors(bool Value);
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation Value);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  // Kept within Min..Max. A growing position draws only the bar, over what
  // is there; a shrinking one repaints the whole control.
  void SetPosition(int Value);
  int Step() const { return FStep; }
  void SetStep(int Value);
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool Value);

 protected:
  void Paint() override;
  void DrawBar();
  void CalcAdvColors();
  int Extent() const { return FOrientation == pbHorizontal ? Width() : Height(); }

 private:
  bool FTransparent = false;
  TColor FElementColor = 0x996633;
  TColor FBorderColor = 0x8396A0;
  TAdvColors FAdvColorBorder = 50;
  bool FUseAdvColors = false;
  TProgressBarOrientation FOrientation = pbHorizontal;
  int FMin = 0, FMax = 100, FPosition = 0, FStep = 10;
  bool FSmooth = false;
  TSize FAskedSize{147, 16};
};
