// How the parts of a control (arrow, thumb, tab, button) are drawn: the look
// without a skin (a one-pixel frame and a fill by state), and a skin piece
// blended over what lies under it.
#pragma once

#include "classlib/Graphics.h"

constexpr TColor clPartPressedFill = 0xB59385;  // red 133, green 147, blue 181
constexpr TColor clPartHotFill = 0xD2BDB6;      // red 182, green 189, blue 210
constexpr TColor clPartActiveFrame = 0x800000;  // navy

enum TspPartLook { plNormal, plHot, plPressed };

// Frames R in one pixel and fills what lies inside the frame.
void DrawDefaultPart(TCanvas* Canvas, const TRect& R, TspPartLook Look);
// The same frame with a fill of its own.
void DrawFramedFill(TCanvas* Canvas, const TRect& R, TColor Frame, TColor Fill);
// Part drawn at (X, Y) mixed with what Canvas shows there: Value 255 gives
// the part alone, 0 the canvas alone.
void DrawPartBlended(TCanvas* Canvas, TBitmap* Part, int X, int Y, uint8_t Value);

class TspSkinData;

// A button of the skin's button record Name composed at Dest's size over
// Canvas, in its normal, hot or pressed piece (a missing hot piece falls back
// to the normal one, a missing pressed piece to the hot one). Returns false,
// drawing nothing, when the skin has no such record or picture; else
// FontColor gets the record's text colour for the state.
bool DrawSkinButtonPart(TCanvas* Canvas, TspSkinData* SkinData, const String& Name, const TRect& Dest,
                        TspPartLook Look, TColor& FontColor);
