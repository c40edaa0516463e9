// Glyph and caption placement on a push button, and the states a speed button
// goes through. Portable: the caller measures the caption.
#pragma once

#include "classlib/Types.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
// Cells in a glyph strip: up, disabled, down, exclusive.
using TNumGlyphs = int;

// Places a glyph of GlyphSize and a caption of TextSize in Client: glyph
// position and text bounds come out moved by Client's corner and Offset.
// Margin -1 centres; Spacing -1 spreads evenly; no text or no glyph means no
// spacing.
void CalcGlyphLayout(const TRect& Client, const TPoint& Offset, TButtonLayout Layout, int Margin, int Spacing,
                     const TSize& GlyphSize, const TSize& TextSize, TPoint& GlyphPos, TRect& TextBounds);

// The glyph cell a state shows with NumGlyphs cells.
int GlyphCellOf(TNumGlyphs NumGlyphs, TButtonState State);
// The cell count a new glyph of W x H implies (square cells side by side), or
// Current when its width is no whole multiple of its height; over 4 gives 1.
TNumGlyphs NumGlyphsOf(int W, int H, TNumGlyphs Current);
