// Range rules and layout of the scroll bar and the track bar as plain
// arithmetic: clamping, thumb and arrow rectangles, drags and clicks.
#pragma once

#include "classlib/Types.h"

// ---------------------------------------------------------------------------
// Scroll bar

// Position kept within Min .. Max - PageSize + 1 with a page, Min .. Max
// without; Min wins over an empty range.
int ClampScrollPosition(int Position, int Min, int Max, int PageSize);
// Where the thumb stands along the track, 0 .. 1.
double ScrollRatio(int Position, int Min, int Max, int PageSize, bool Horizontal);

// The values of a scroll-bar skin record the layout reads (control coordinates
// for the track and the buttons, picture coordinates for the thumb).
struct TspScrollBarSkinGeometry {
  TRect SkinRect, TrackArea, UpButtonRect, DownButtonRect, ThumbRect;
  TPoint RTPoint, LBPoint;
  int ThumbMinSize = 0, ThumbMinPageSize = 0;
};

struct TspScrollBarRange {
  int Min = 0, Max = 100, PageSize = 0, Position = 0;
};

// Parts in index order: 0 thumb, 1 up (towards Max: right or bottom end),
// 2 down (towards Min).
struct TspScrollBarLayout {
  TRect Track;
  TRect Parts[3];
  int TravelStart = 0, TravelEnd = 0, Offset = 0;
};

// Skin nullptr lays out the default look (16-pixel arrows); BothMarker is the
// width kept free at the right end of a horizontal bar without a skin.
TspScrollBarLayout LayoutScrollBar(bool Horizontal, int Width, int Height, const TspScrollBarRange& Range,
                                   const TspScrollBarSkinGeometry* Skin, int BothMarker);
// The first of parts 0, 1, 2 containing P, or -1.
int ScrollBarPartAt(const TspScrollBarLayout& Layout, const TPoint& P);
// Position for a thumb dragged C pixels past its travel start.
int ScrollPositionFromDrag(int C, int TravelStart, int TravelEnd, const TspScrollBarRange& Range);

// ---------------------------------------------------------------------------
// Track bar

int ClampTrackValue(int Value, int MinValue, int MaxValue);

struct TspTrackThumb {
  TRect Thumb;
  int TravelStart = 0, TravelEnd = 0, Offset = 0;
};

// The thumb of size ThumbW x ThumbH on Track; a vertical bar has MinValue at
// the bottom.
TspTrackThumb LayoutTrackThumb(bool Vertical, const TRect& Track, int ThumbW, int ThumbH, int Value, int MinValue,
                               int MaxValue);
// The value at P pixels past the travel start.
int TrackValueFromOffset(int P, int TravelStart, int TravelEnd, int MinValue, int MaxValue);
// The thumb size without a skin: half as long as it is thick.
void DefaultTrackThumbSize(bool Vertical, int Width, int Height, int& ThumbW, int& ThumbH);
// The offset a click at (X, Y) jumps the thumb to: measured from the track's
// left edge, or for a vertical bar upwards from its bottom edge.
int TrackJumpOffset(bool Vertical, int X, int Y, const TRect& Track, int ThumbW, int ThumbH);
