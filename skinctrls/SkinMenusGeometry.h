// The geometry of one skin-menu level as plain functions: its size from the
// measured items, the layout of the items in view, the position against the
// rectangle that opened it, and the keyboard search for the next item.
#pragma once

#include <vector>

#include "classlib/Types.h"

constexpr int kMenuArrowHeight = 10;

struct TspMenuSizeInput {
  std::vector<int> TextRights;  // right edge of each item's measured text
  std::vector<int> Heights;
  int ImageColumnWidth = 16;
  bool Skinned = false;
  // With a skin: the frame and item-record margins around the text, across
  // and down (see CalcMenuSize).
  int SkinExtraWidth = 0, SkinExtraHeight = 0;
  int MaxItems = 0;            // 0: no limit
  int LimitedItemHeight = 20;  // height of one item when MaxItems limits the window
  int WorkAreaHeight = 0;
};

struct TspMenuSize {
  int Width = 0, Height = 0;
  bool Scrolling = false, LimitedByCount = false;
};

TspMenuSize CalcMenuSize(const TspMenuSizeInput& In);

struct TspMenuLayout {
  std::vector<TRect> Rects;
  std::vector<bool> Shown;
  int VisibleCount = 0;
};

// Items from TopIndex on, one under the other inside ItemsRect (less the two
// arrow strips when scrolling), up to the first that would not fit.
TspMenuLayout LayoutMenuItems(const std::vector<int>& Heights, const TRect& ItemsRect, bool Scrolling, int TopIndex);

// The first index of the last page of a scrolling level.
int LastMenuPageTop(const std::vector<int>& Heights, const TRect& ItemsRect);

struct TspMenuPlacementInput {
  TRect R;          // what opened the level, screen coordinates
  TRect WorkArea;
  TRect ItemsRect;  // window coordinates
  int Width = 0, Height = 0;
  bool Scrolling = false, LimitedByCount = false, IsSubLevel = false, PopupUp = false;
};

// The window's top-left: below or above R for a first level, beside it for a
// submenu or when there is no room, always inside the work area's height.
TPoint CalcMenuPosition(const TspMenuPlacementInput& In);

// The next (Forward) or previous selectable item for the arrow keys, or -1.
// Down starts after ItemIndex, at 0 from -1 or the last item; Up starts
// before it, at the last item from -1 or 0. Neither wraps further.
int FindMenuSelectable(const std::vector<bool>& Selectable, int ItemIndex, bool Forward);

// The corner points and client rectangle of a frame picture of
// PictureWidth x PictureHeight moved to a window of Width x Height: left and
// top ones stay, right and bottom ones keep their distance to the right and
// bottom edges.
struct TspMovedFrame {
  TPoint LT, RT, LB, RB;
  TRect Client;
};
TspMovedFrame MoveFrameToSize(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                              const TRect& Client, int PictureWidth, int PictureHeight, int Width, int Height);
