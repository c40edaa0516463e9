// A button drawn from a skin's button record at any size: the nine-piece
// image of its normal, hot or pressed rectangle and the record's font colour
// for that state, for buttons that controls draw inside themselves.
#pragma once

#include "classlib/Graphics.h"

class TspSkinData;

enum TspPieceState { psNormal, psHot, psDown };

// The first of Names that the skin has as a button record draws its state
// into Canvas over Dest; returns the record's font colour for the state, or
// clNone (and draws nothing) when the skin has none of them.
TColor DrawSkinButtonPiece(TCanvas* Canvas, TspSkinData* SkinData, std::initializer_list<const wchar_t*> Names,
                           const TRect& Dest, TspPieceState State);
