// TBevel and the two-colour drawing of bevel shapes.
#include "classlib/Bevel.h"

void BevelColors(TBevelStyle Style, TColor Light, TColor Dark, TColor& First, TColor& Second) {
  First = Style == bsLowered ? Dark : Light;
  Second = Style == bsLowered ? Light : Dark;
}

void DrawBevelRect(TCanvas* Canvas, const TRect& R, TColor First, TColor Second) {
  TPen* pen = Canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetColor(First);
  Canvas->Polyline({TPoint(R.Left, R.Bottom), TPoint(R.Left, R.Top), TPoint(R.Right, R.Top)});
  pen->SetColor(Second);
  Canvas->Polyline({TPoint(R.Right, R.Top), TPoint(R.Right, R.Bottom), TPoint(R.Left, R.Bottom)});
}

namespace {

// A one-pixel line from (X1, Y1) up to, not including, (X2, Y2).
void BevelLine(TCanvas* Canvas, TColor Color, int X1, int Y1, int X2, int Y2) {
  TPen* pen = Canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetColor(Color);
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

}  // namespace

void DrawBevelShape(TCanvas* Canvas, TBevelShape Shape, int Width, int Height, TColor First, TColor Second) {
  const int W = Width, H = Height;
  switch (Shape) {
    case bsBox:
      DrawBevelRect(Canvas, TRect(0, 0, W - 1, H - 1), First, Second);
      break;
    case bsFrame:
      // The second colour's outline one pixel in, then the first colour's
      // over it: an etched groove (or ridge) one pixel wide.
      DrawBevelRect(Canvas, TRect(1, 1, W - 1, H - 1), Second, Second);
      DrawBevelRect(Canvas, TRect(0, 0, W - 2, H - 2), First, First);
      break;
    case bsTopLine:
      BevelLine(Canvas, First, 0, 0, W, 0);
      BevelLine(Canvas, Second, 0, 1, W, 1);
      break;
    case bsBottomLine:
      BevelLine(Canvas, First, 0, H - 2, W, H - 2);
      BevelLine(Canvas, Second, 0, H - 1, W, H - 1);
      break;
    case bsLeftLine:
      BevelLine(Canvas, First, 0, 0, 0, H);
      BevelLine(Canvas, Second, 1, 0, 1, H);
      break;
    case bsRightLine:
      BevelLine(Canvas, First, W - 2, 0, W - 2, H);
      BevelLine(Canvas, Second, W - 1, 0, W - 1, H);
      break;
    case bsSpacer:
      break;
  }
}

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  FWidth = 50;
  FHeight = 50;
}

void TBevel::SetShape(TBevelShape Value) {
  if (FShape == Value) return;
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() {
  TColor first, second;
  BevelColors(FStyle, clBtnHighlight, clBtnShadow, first, second);
  DrawBevelShape(Canvas(), FShape, Width(), Height(), first, second);
}
