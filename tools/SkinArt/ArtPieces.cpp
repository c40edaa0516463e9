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

void SetButtonFonts(TspDataSkinButtonControl& Rec, const TSkinPalette& P) {
  Rec.FontName = P.FontName;
  Rec.FontHeight = P.FontHeight;
  Rec.FontColor = ToColor(P.Text);
  Rec.ActiveFontColor = ToColor(Mix(P.Text, P.Accent, 0.5));
  Rec.DownFontColor = ToColor(P.Text);
  Rec.DisabledFontColor = ToColor(P.TextDim);
}
