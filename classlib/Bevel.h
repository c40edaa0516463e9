// TBevel: a box, frame, line or spacer drawn in two shades, and the drawing
// of those shapes in any two colours for controls that take theirs elsewhere.
#pragma once

#include "classlib/Controls.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// The colour of the top-left strokes (First) and of the bottom-right ones
// (Second): a lowered bevel is dark at the top left, a raised one light.
void BevelColors(TBevelStyle Style, TColor Light, TColor Dark, TColor& First, TColor& Second);
// The outline of R through its four corners, one pixel wide: bottom-left over
// top-left to top-right in First, then on over bottom-right back to bottom-left
// in Second. The end points are not painted, so bottom-left stays First.
void DrawBevelRect(TCanvas* Canvas, const TRect& R, TColor First, TColor Second);
// Shape filling a Width x Height control with its top-left at the canvas
// origin; bsSpacer draws nothing.
void DrawBevelShape(TCanvas* Canvas, TBevelShape Shape, int Width, int Height, TColor First, TColor Second);

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* AOwner);
  String ClassName() const override { return L"TBevel"; }

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  // The shape in clBtnHighlight and clBtnShadow.
  void Paint() override;

  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
