// TfcCanvas and three drawing helpers that let plain platform calls use a
// canvas's pen, font and brush.
#pragma once

#include "components/fcCommonDraw.h"

// A control canvas the helpers below may draw on.
class TfcCanvas : public TControlCanvas {
 public:
  explicit TfcCanvas(TControl* Control) : TControlCanvas(Control) {}
  String ClassName() const override { return L"TfcCanvas"; }
};

// Selects the canvas's pen, font and brush into its DC.
void fcSelectCanvasObjects(TCanvas* Canvas);
// Every other pixel from P1 to P2, in the pen colour.
void fcDottedLine(TCanvas* Canvas, const TPoint& P1, const TPoint& P2);
// DrawTextEx with the canvas's colours; with flag 0x80000 (and not measuring)
// the text is engraved in the button highlight and shadow colours.
void fcDrawCanvasText(TCanvas* Canvas, const String& Text, const TRect& R, UINT Flags, TRect& ResultRect);
