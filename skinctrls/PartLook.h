// How the parts of a control (arrow, thumb, tab) are drawn beyond the look
// without a skin (DrawDefaultPart of the buttons' parts): a skin piece blended
// over what lies under it, and a part composed from a skin button record.
#pragma once

#include <initializer_list>

#include "classlib/Graphics.h"
#include "skinctrls/SkinButtonParts.h"

// The fill of a hot part without a skin (red 182, green 189, blue 210).
constexpr TColor clPartHotFill = 0xD2BDB6;
// Part drawn at (X, Y) mixed with what Canvas shows there: Value 255 gives
// the part alone, 0 the canvas alone.
void DrawPartBlended(TCanvas* Canvas, TBitmap* Part, int X, int Y, uint8_t Value);

class TspSkinData;

// A button of the first of Names that the skin has as a button record with a
// picture, composed at Dest's size over Canvas in its normal, hot or pressed
// piece (a missing hot piece falls back to the normal one, a missing pressed
// piece to the hot one). Returns false, drawing nothing, when the skin has
// none of them; else FontColor gets the record's text colour for the state.
bool DrawSkinButtonPart(TCanvas* Canvas, TspSkinData* SkinData, std::initializer_list<String> Names,
                        const TRect& Dest, TspPartState State, TColor& FontColor);
// FontColor := the text colour of that button record for State; false,
// leaving it, when the skin has none of them.
bool SkinButtonPartFontColor(TspSkinData* SkinData, std::initializer_list<String> Names, TspPartState State,
                             TColor& FontColor);
// The same for a single record name.
inline bool DrawSkinButtonPart(TCanvas* Canvas, TspSkinData* SkinData, const String& Name, const TRect& Dest,
                               TspPartState State, TColor& FontColor) {
  return DrawSkinButtonPart(Canvas, SkinData, {Name}, Dest, State, FontColor);
}
