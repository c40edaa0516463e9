// Geometry and stepping rules of the skinned list box as plain functions:
// its height by rows, where the inner list and its bars go, the caption
// buttons and text, skin pieces moved with the control, and tab stops.
#pragma once

#include <vector>

#include "classlib/ControlTypes.h"
#include "classlib/Types.h"

// An item height the list can divide by: at least 1.
inline int ListBoxItemHeight(int Height) { return Height < 1 ? 1 : Height; }

// The height that shows Rows rows. With a skin (SkinRect and ClRect of the
// record) the frame is what the skin rectangle holds around its client;
// without, a 2-pixel frame and the caption (CaptionHeight 0 without one).
// HBarHeight is the horizontal bar's height, 0 when there is none.
int ListBoxRowsHeight(bool Skinned, const TRect& SkinRect, const TRect& ClRect, int Rows, int ItemHeight,
                      int CaptionHeight, int HBarHeight);

struct TspListBoxLayoutInput {
  int Width = 0, Height = 0;
  bool Skinned = false;
  // With a skin: the client rectangle moved for the size. Without: the
  // caption height, 1 when there is no caption.
  TRect SkinClient;
  int CaptionHeight = 1;
  int Columns = 0;
  // Bars that exist and show; their own thickness (used with a skin).
  bool VBar = false, HBar = false;
  int VBarSize = 19, HBarSize = 19;
};

struct TspListBoxLayout {
  TRect List, VBar, HBar;
};

// Places the inner list and the bars. With Columns the "vertical" bar lies
// along the bottom and scrolls columns; the horizontal one is then unused.
TspListBoxLayout CalcListBoxLayout(const TspListBoxLayoutInput& In);

// The skin's client rectangle at W x H: right and bottom follow the size.
TRect ListBoxSkinClient(const TRect& ClRect, const TRect& SkinRect, int W, int H);

// Caption buttons without a skin, B = min(17, CaptionHeight - 3) square-ish,
// right to left: Up, Down, Check (index 0, 1, 2).
void DefaultCaptionButtons(int Width, int CaptionHeight, TRect (&Buttons)[3]);

// A skin rectangle (relative to the skin rectangle) at the control's size:
// pieces below the left-top corner follow the bottom edge (and the right one
// when right of the right-bottom corner), others the right edge when right
// of the right-top corner.
TRect MoveListBoxPiece(const TRect& R, const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& RBPoint, int DW,
                       int DH);

// The left of a caption CaptionWidth wide in R by Alignment; the skinned
// caption keeps 2 pixels from the edges.
int ListBoxCaptionX(TAlignment Alignment, const TRect& R, int CaptionWidth, bool Skinned);

// Tab stops of item text: digit-only entries in pixels, any other 0; at most 10.
std::vector<int> ListBoxTabStops(const std::vector<String>& Entries);

// The index a caption Up (Direction -1) or Down (+1) step gives: never above
// the first item nor past the last.
int StepListIndex(int Index, int Count, int Direction);

// Whether the list needs its bar, from the system list's scroll range.
// Rows: list height div item height.
bool ListNeedsVBar(int Min, int Max, int Position, int Rows, int Count);
bool ListNeedsColumnBar(int Min, int Max, int Position, int Columns, int Rows, int Count);
