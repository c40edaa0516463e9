// The page control's tab arithmetic as plain functions: the display area it
// leaves for the pages, the places of the tabs, centring, the close button's
// place on turned tabs and the part of the frame an active tab covers.
// Sides are numbered as TTabPosition: 0 top, 1 bottom, 2 left, 3 right.
#pragma once

#include <vector>

#include "classlib/Types.h"

enum TspTabSide { tsdTop, tsdBottom, tsdLeft, tsdRight };

// The frame margins a tab skin puts around the pages: its client rectangle
// inside its skin rectangle.
struct TspTabFrameMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
TspTabFrameMargins TabFrameMargins(const TRect& SkinRect, const TRect& ClientRect);

// The display area the page control gives its pages, from the one the tab
// control computed (Inherited) in a client of CW x CH; Skin nullptr without
// a skin.
TRect AdjustTabDisplayRect(TspTabSide Side, const TRect& Inherited, int CW, int CH, const TspTabFrameMargins* Skin);
// The place the page control draws a tab at, from the tab control's own.
TRect AdjustTabItemRect(TspTabSide Side, TRect R, bool MultiLine, int CenterOffset);
// How far a row of VisibleTabs tabs of TabWidth moves right to stand centred
// in Width; 0 for tabs sized to their captions.
int TabsCenterOffset(int Width, int TabWidth, int VisibleTabs);
// The close box R of a tab image W x H drawn turned onto a side tab, in the
// tab's own coordinates; top and bottom tabs keep R.
TRect TurnTabRect(TspTabSide Side, const TRect& R, int W, int H);
// The part of the page frame an active tab D pixels taller than the others covers.
TRect ActiveTabExtension(TspTabSide Side, TRect TabRect, int D);
// The page frame: the display area grown by the skin's margins.
TRect TabFrameRect(const TRect& Display, const TspTabFrameMargins& M);
// Whether a tab whose rectangle ends at Right is cut off in a strip Width wide,
// and whether it lies wholly left of the view.
bool TabOutOfView(int Right, int Width);
bool TabLeftOfView(int Right);
// Single-line tabs scrolled so that tab First is the leftmost shown, in a view
// ViewWidth wide (the strip less the scroll arrows); Rights holds each tab's
// right end with the row laid out from 0 (a tab starts where the one before
// it ends). The first tab to show: Selected (when not -1) wholly in view with
// the least move from First, and no room left at the right end that a tab
// before First could fill.
int FirstTabInView(const std::vector<int>& Rights, int Selected, int First, int ViewWidth);
// Whether a tab ending at Right reaches under scroll arrows that begin at
// ViewWidth: such a tab is not drawn, so that no half tab shows there.
bool TabUnderScroller(int Right, int ViewWidth);
