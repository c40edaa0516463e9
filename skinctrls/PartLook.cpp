// Parts drawn without a skin, and skin parts blended over the canvas.
#include "skinctrls/PartLook.h"

#include "skin/speffbmp.h"

void DrawFramedFill(TCanvas* Canvas, const TRect& R, TColor Frame, TColor Fill) {
  if (R.IsEmpty()) return;
  TRect r = R;
  Frame3D(Canvas, r, Frame, Frame, 1);
  Canvas->Brush()->SetColor(Fill);
  Canvas->FillRect(r);
}

void DrawDefaultPart(TCanvas* Canvas, const TRect& R, TspPartLook Look) {
  switch (Look) {
    case plPressed: DrawFramedFill(Canvas, R, clPartActiveFrame, clPartPressedFill); break;
    case plHot: DrawFramedFill(Canvas, R, clPartActiveFrame, clPartHotFill); break;
    default: DrawFramedFill(Canvas, R, clBtnShadow, clBtnFace); break;
  }
}

void DrawPartBlended(TCanvas* Canvas, TBitmap* Part, int X, int Y, uint8_t Value) {
  const int w = Part->Width(), h = Part->Height();
  TBitmap under;
  under.SetSize(w, h);
  under.Canvas()->CopyRect(TRect(0, 0, w, h), Canvas, Bounds(X, Y, w, h));
  TspEffectBmp image(Part->Handle());
  TspEffectBmp background(under.Handle());
  image.Morph(&background, 1.0 - Value / 255.0);
  image.Draw(Canvas->Handle(), X, Y);
}
