// Frames, parent images, advanced colours and layout for the flat controls.
#include "components/FlatUtilitys.h"

#include "skin/SPUtils_parent.h"

void Frame3DBorder(TCanvas* Canvas, const TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  TRect r = Rect;
  Canvas->Pen()->SetWidth(1);
  Canvas->Pen()->SetStyle(psSolid);
  --r.Right;
  --r.Bottom;
  for (int i = 0; i < Width; ++i) {
    Canvas->Pen()->SetColor(TopColor);
    Canvas->Polyline({TPoint(r.Left, r.Bottom), TPoint(r.Left, r.Top), TPoint(r.Right, r.Top)});
    Canvas->Pen()->SetColor(BottomColor);
    Canvas->Polyline({TPoint(r.Right, r.Top), TPoint(r.Right, r.Bottom), TPoint(r.Left - 1, r.Bottom)});
    InflateRect(r, -1, -1);
  }
}

void DrawParentImage(TControl* Control, TCanvas* Canvas) { PaintParentBackground(Control, Canvas); }

TColor CalcAdvancedColor(TColor Base, TColor Current, TAdvColors Percent, bool Darken) {
  if (Percent == 0) return Current;
  return AdvancedColorOf(ColorToRGB(Base), Percent, Darken);
}

void CalcButtonLayout(TCanvas* Canvas, const TRect& Client, const TPoint& Offset, TButtonLayout Layout,
                      int Spacing, int Margin, TBitmap* Glyph, TNumGlyphs NumGlyphs, const String& Caption,
                      TRect& TextBounds, TPoint& GlyphPos) {
  TSize glyph;
  if (Glyph && !Glyph->Empty() && NumGlyphs > 0) glyph = TSize(Glyph->Width() / NumGlyphs, Glyph->Height());
  const TSize text = MeasureButtonCaption(Canvas, Caption, Client.Width());
  CalcGlyphLayout(Client, Offset, Layout, Margin, Spacing, glyph, text, GlyphPos, TextBounds);
}

bool SwitchAdvColors(TControl* Control, bool& Field, bool Value, const std::function<void()>& Recalc) {
  if (Field == Value) return false;
  Field = Value;
  Control->SetParentColor(Value);
  Recalc();
  Control->Invalidate();
  return true;
}

void AdvColorsChanged(TControl* Control, bool UseAdvColors, const std::function<void()>& Recalc) {
  if (UseAdvColors) {
    Control->SetParentColor(true);
    Recalc();
  }
  Control->Invalidate();
}
