// The colour dialog's picker: a hue ring around a saturation/lightness box,
// drawn once into a bitmap, with markers over the colour and mouse picking.
#pragma once

#include <functional>

#include "classlib/Controls.h"
#include "skininputs/ColorModel.h"

class TspHueRingImage : public TGraphicControl {
 public:
  // Color is the colour the ring and box show and that picks change.
  TspHueRingImage(TComponent* AOwner, TPSPColor& Color);
  String ClassName() const override { return L"TspHueRingImage"; }

  // Ring and box over Background (nullptr: button face), then markers.
  void DrawHueRing(TBitmap* Background);
  // The box again for the colour's present hue.
  void RedrawBox();
  TBitmap* Bitmap() { return &FBitmap; }
  // 0 none, 1 ring, 2 box: set by a press, held until the button is released.
  int PickMode() const { return FMode; }

  // After a pick changed the colour.
  TEvent<void()> OnPick;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void Pick(int X, int Y);
  void PutPixel(int X, int Y, const TRGBBytes& C);

  TPSPColor& FColor;
  TBitmap FBitmap;
  int FMode = 0;
};
