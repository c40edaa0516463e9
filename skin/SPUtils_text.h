// Text on a canvas: drawing and measuring with the system's text layout,
// fitting with an ellipsis, label text, and text with a glow or reflection.
#pragma once

#include "classlib/Graphics.h"

// Text's colour moved, when it must be, to read on the face the canvas
// holds at At (the pixel under the text's start, read before it is drawn).
// A point the canvas cannot read keeps Text.
TColor ReadableTextColor(TCanvas* Canvas, TPoint At, TColor Text);

// Disabled text: a Light copy one pixel down and right under the text in
// Shade, which is made to read on the face under R.
void DrawDisabledText(TCanvas* Canvas, const String& Text, const TRect& R, UINT Flags, TColor Light, TColor Shade);

// DrawText on the canvas with its font, font colour and brush (a clear brush
// draws no background). Returns the text height; R gets the result of
// DT_CALCRECT when that flag is given.
int CanvasDrawText(TCanvas* Canvas, const String& Text, TRect& R, UINT Flags);

// The wide call on NT platforms, the 8-bit call (system code page) otherwise.
int DrawWideText(TCanvas* Canvas, const String& Text, TRect& R, UINT Flags);
int WideTextWidth(TCanvas* Canvas, const String& Text);
int WideTextHeight(TCanvas* Canvas, const String& Text);

// One line, left aligned, vertically centred in R; nothing for empty text.
void DrawTextCenteredV(TCanvas* Canvas, const String& Text, const TRect& R);
// Text clipped to R at x = Left + 2 (+ Offset), vertically centred.
void DrawLabelText(TCanvas* Canvas, const String& Text, const TRect& R);
void DrawLabelTextOffset(TCanvas* Canvas, const String& Text, const TRect& R, int Offset);

// Shortens Text until it plus "..." fits Width (canvas text width or the
// system's layout width); text that fits is left as it is.
void FitTextWithEllipsis(TCanvas* Canvas, String& Text, int Width);
void FitWideTextWithEllipsis(TCanvas* Canvas, String& Text, int Width);

// Text in R with a blurred glow of GlowSize pixels in GlowColor around it,
// the glow shifted by Offset. DrawGlowWideText draws no shifted copies.
void DrawGlowText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, int Offset, TColor GlowColor,
                  int GlowSize);
void DrawGlowText(TCanvas* Canvas, const TRect& R, const String& Text, int GlowSize, TColor GlowColor, UINT Flags);
void DrawGlowWideText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, int Offset,
                      TColor GlowColor, int GlowSize);
// Caption glow of a fixed size 12 over a soft red band behind the text.
void DrawGlowCaptionText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, TColor GlowColor);
// Text with its fading mirror image under it, lower by Offset.
void DrawReflectedText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, int Offset,
                       TColor ReflectionColor);
