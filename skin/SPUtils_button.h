// A glyph and a caption laid out in a button (CalcButtonLayout), moved by one
// pixel when pressed, with an optional colour bar; plain or glowing.
#pragma once

#include "classlib/ImgList.h"
#include "skin/SPUtils_geometry.h"

// Image Index of the list as the glyph (greyed unless Enabled).
void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar, bool Enabled,
                      bool Pressed, TCustomImageList* Images, int ImageIndex, const String& Caption, int Layout,
                      int Spacing);
// Frame FrameNumber (from 1) of a strip of FrameCount frames as the glyph.
void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar, bool Pressed,
                      int FrameNumber, int FrameCount, TBitmap* Glyph, const String& Caption, int Layout,
                      int Spacing);
// The same with a glow of GlowSize pixels in GlowColor around glyph and caption.
void DrawImageAndTextGlow(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar, bool Enabled,
                          bool Pressed, TCustomImageList* Images, int ImageIndex, const String& Caption,
                          int Layout, int Spacing, int GlowSize, TColor GlowColor);
void DrawGlyphAndTextGlow(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar,
                          bool Pressed, int FrameNumber, int FrameCount, TBitmap* Glyph, const String& Caption,
                          int Layout, int Spacing, int GlowSize, TColor GlowColor);
