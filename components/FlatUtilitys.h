// Drawing helpers shared by the flat controls: 3-D frames, the parent's image
// under a control, advanced colours and the glyph and caption layout.
#pragma once

#include <functional>

#include "classlib/Buttons.h"
#include "classlib/Controls.h"
#include "components/HSLUtils.h"

// When a flat control fills its face: never, only while the mouse is over
// it, or always.
enum TTransparentMode { tmAlways, tmNotFocused, tmNone };
// A percentage, 0..100.
using TAdvColors = int;

// Width nested one-pixel frames: TopColor on the top and left, BottomColor
// on the bottom and right.
void Frame3DBorder(TCanvas* Canvas, const TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
// Paints what lies under Control on its parent into Canvas.
void DrawParentImage(TControl* Control, TCanvas* Canvas);
// Base lightened or darkened by Percent lightness steps; Current when Percent is 0.
TColor CalcAdvancedColor(TColor Base, TColor Current, TAdvColors Percent, bool Darken);
// Places Glyph (NumGlyphs cells; may be null) and Caption, measured on Canvas,
// in Client moved by Offset.
void CalcButtonLayout(TCanvas* Canvas, const TRect& Client, const TPoint& Offset, TButtonLayout Layout,
                      int Spacing, int Margin, TBitmap* Glyph, TNumGlyphs NumGlyphs, const String& Caption,
                      TRect& TextBounds, TPoint& GlyphPos);

// Advanced colours of a flat control: switching them on makes the control
// follow its parent's colour and recomputes them (Recalc); false when Value
// is what Field held already.
bool SwitchAdvColors(TControl* Control, bool& Field, bool Value, const std::function<void()>& Recalc);
// A system or parent colour change: with advanced colours the control
// follows its parent again and recomputes them; it repaints either way.
void AdvColorsChanged(TControl* Control, bool UseAdvColors, const std::function<void()>& Recalc);
