// Record set-up shared by the skin art's pieces.
#include "tools/SkinArt/ArtPieces.h"

void SetNinePieces(TspDataSkinCustomControl& Rec, const TRect& SkinRect, int Corner, int ClientInset,
                   bool StretchEffect) {
  const int w = SkinRect.Width(), h = SkinRect.Height();
  Rec.SkinRect = SkinRect;
  Rec.ClRect = Rect(Corner, ClientInset, w - Corner, h - ClientInset);
  Rec.LTPoint = Point(Corner, Corner);
  Rec.RTPoint = Point(w - Corner, Corner);
  Rec.LBPoint = Point(Corner, h - Corner);
  Rec.RBPoint = Point(w - Corner, h - Corner);
  Rec.LeftStretch = Rec.TopStretch = Rec.RightStretch = Rec.BottomStretch = true;
  Rec.StretchEffect = StretchEffect;
}

void Chevron(TArtImage& I, const TRect& Cell, TDirection Direction, TRgb C) {
  const double cx = (Cell.Left + Cell.Right) / 2.0, cy = (Cell.Top + Cell.Bottom) / 2.0;
  const double a = 3.5, b = 2;
  auto stroke = [&](double X0, double Y0, double X1, double Y1) {
    I.FillShape(Cell, LineShape(X0, Y0, X1, Y1, 1.5), C);
  };
  switch (Direction) {
    case dLeft: stroke(cx + b / 2, cy - a, cx - b, cy), stroke(cx - b, cy, cx + b / 2, cy + a); break;
    case dRight: stroke(cx - b / 2, cy - a, cx + b, cy), stroke(cx + b, cy, cx - b / 2, cy + a); break;
    case dUp: stroke(cx - a, cy + b / 2, cx, cy - b), stroke(cx, cy - b, cx + a, cy + b / 2); break;
    case dDown: stroke(cx - a, cy - b / 2, cx, cy + b), stroke(cx, cy + b, cx + a, cy - b / 2); break;
  }
}

void SetButtonFonts(TspDataSkinButtonControl& Rec, const TSkinPalette& P) {
  Rec.FontName = P.FontName;
  Rec.FontHeight = P.FontHeight;
  Rec.FontColor = ToColor(P.Text);
  // Tinted toward the accent, and still 4.5 to 1 on the hot face's gradient.
  Rec.ActiveFontColor = ToColor(Mix(P.Text, P.Accent, 0.4));
  Rec.DownFontColor = ToColor(P.Text);
  Rec.DisabledFontColor = ToColor(P.TextDim);
}
