// Record set-up shared by the skin art's pieces: nine stretched pieces, the
// text colours of a button record, and the one arrow glyph every button uses.
#pragma once

#include "skin/SkinCtrlRecords.h"
#include "tools/SkinArt/ArtPalette.h"

// Nine pieces of SkinRect with Corner-pixel corners and every edge stretched;
// the client lies Corner pixels in at the sides and ClientInset at the top
// and bottom.
void SetNinePieces(TspDataSkinCustomControl& Rec, const TRect& SkinRect, int Corner, int ClientInset,
                   bool StretchEffect = true);

enum TDirection { dLeft, dRight, dUp, dDown };

// A chevron pointing in Direction, centred in Cell: the arrow of scroll bars,
// up-downs, spin edits, combo boxes and edit buttons alike.
void Chevron(TArtImage& I, const TRect& Cell, TDirection Direction, TRgb C);

// The palette's font, with its text colour for the normal, hot, pressed and
// disabled looks.
void SetButtonFonts(TspDataSkinButtonControl& Rec, const TSkinPalette& P);
