// Glyph and caption placement on buttons.
#include "classlib/ButtonLayout.h"

void CalcGlyphLayout(const TRect& Client, const TPoint& Offset, TButtonLayout Layout, int Margin, int Spacing,
                     const TSize& GlyphSize, const TSize& TextSize, TPoint& GlyphPos, TRect& TextBounds) {
  const int cw = Client.Width(), ch = Client.Height();
  TPoint glyph, text;
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  if (horizontal) {
    glyph.Y = (ch - GlyphSize.cy + 1) / 2;
    text.Y = (ch - TextSize.cy + 1) / 2;
  } else {
    glyph.X = (cw - GlyphSize.cx + 1) / 2;
    text.X = (cw - TextSize.cx + 1) / 2;
  }
  if (TextSize.cx == 0 || GlyphSize.cx == 0) Spacing = 0;
  const int extent = horizontal ? cw : ch;
  const int glyphExtent = horizontal ? GlyphSize.cx : GlyphSize.cy;
  const int textExtent = horizontal ? TextSize.cx : TextSize.cy;
  if (Margin == -1 && Spacing == -1) {
    Margin = (extent - (glyphExtent + textExtent)) / 3;
    Spacing = Margin;
  } else if (Margin == -1) {
    Margin = (extent - (glyphExtent + Spacing + textExtent) + 1) / 2;
  } else if (Spacing == -1) {
    Spacing = ((extent - (Margin + glyphExtent)) - textExtent) / 2;
  }
  switch (Layout) {
    case blGlyphLeft:
      glyph.X = Margin;
      text.X = glyph.X + GlyphSize.cx + Spacing;
      break;
    case blGlyphRight:
      glyph.X = cw - Margin - GlyphSize.cx;
      text.X = glyph.X - Spacing - TextSize.cx;
      break;
    case blGlyphTop:
      glyph.Y = Margin;
      text.Y = glyph.Y + GlyphSize.cy + Spacing;
      break;
    case blGlyphBottom:
      glyph.Y = ch - Margin - GlyphSize.cy;
      text.Y = glyph.Y - Spacing - TextSize.cy;
      break;
  }
  GlyphPos = TPoint(glyph.X + Client.Left + Offset.X, glyph.Y + Client.Top + Offset.Y);
  TextBounds = Bounds(text.X + Client.Left + Offset.X, text.Y + Client.Top + Offset.Y, TextSize.cx, TextSize.cy);
}

int GlyphCellOf(TNumGlyphs NumGlyphs, TButtonState State) {
  switch (State) {
    case bsUp: return 0;
    case bsDisabled: return NumGlyphs >= 2 ? 1 : 0;
    case bsDown: return NumGlyphs >= 3 ? 2 : 0;
    case bsExclusive: return NumGlyphs >= 4 ? 3 : NumGlyphs == 3 ? 2 : 0;
  }
  return 0;
}

TNumGlyphs NumGlyphsOf(int W, int H, TNumGlyphs Current) {
  if (W <= 0 || H <= 0 || W % H != 0) return Current;
  const int n = W / H;
  return n > 4 ? 1 : n;
}
