// The image-grid menu's geometry as plain functions: cells, heading and
// caption rows, the window's size and place, the item under a point and the
// item an arrow key moves to.
#pragma once

#include <vector>

#include "classlib/Types.h"

// What the layout needs of an item.
struct TspGridItemKind {
  bool Header = false;  // a heading row
  bool Button = false;  // a full-width caption row
};

struct TspImageGridInput {
  std::vector<TspGridItemKind> Items;
  int ImageWidth = 16, ImageHeight = 16;
  int Columns = 1;
  TPoint Origin{5, 5};
  int HeaderHeight = -1;  // the heading skin's height; -1: a cell's height
};

// The cell of an image is the image with 5 pixels round it; rows stand one
// pixel apart.
constexpr int kGridCellMargin = 10;

struct TspImageGrid {
  std::vector<TRect> Rects;  // one per item, window coordinates
  int RowWidth = 0;
  // From item 0's left and top to the right of a row and the last item's
  // bottom; empty without items.
  TRect Bounds;
};

TspImageGrid LayoutImageGrid(const TspImageGridInput& In);

// The first item that is not a header and contains P; -1 for none.
int ImageGridItemAt(const TspImageGrid& Grid, const std::vector<TspGridItemKind>& Items, const TPoint& P);

enum TspGridKey { gkLeft, gkRight, gkUp, gkDown };
// The item Key moves the hot item Hot to (-1: none is hot). Left and Right
// wrap round the list; Up and Down go to the nearest item above or below
// in the same column, or to a caption row; they stay when there is none.
int ImageGridKeyTarget(const TspImageGrid& Grid, const std::vector<TspGridItemKind>& Items, int Hot, TspGridKey Key);

// The window's top-left for a drop-down of Width x Height under R (screen
// coordinates): below R, above it when it would pass the work area's bottom,
// moved left when it would pass its right, and never left of or above it.
TPoint PlaceImageGrid(const TRect& R, int Width, int Height, const TRect& WorkArea);
