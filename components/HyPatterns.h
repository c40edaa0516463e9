// The marks a hover-trigger speed button draws: arrows, crosses and corner
// triangles, as filled polygons and pen lines. Portable.
#pragma once

#include <vector>

#include "classlib/Types.h"

enum THySpeedButtonPatternStyle {
  psNone, psUp, psDown, psLineUp, psLeftUp, psRightDown, psClose, psBoxClose, psLeft, psRight, psRight2,
  psLeftStart, psRightEnd
};

struct THyMarkShape {
  bool Filled;  // a filled polygon, else a pen line through the points
  std::vector<TPoint> Points;
};

// The mark of an enabled button of Width x Height.
std::vector<THyMarkShape> HyEnabledMark(THySpeedButtonPatternStyle Style, int Width, int Height);
// The engraved mark of a disabled button: its light layer (Light) or the
// dark layer one pixel up and left. Styles without a disabled look give none.
std::vector<THyMarkShape> HyDisabledMark(THySpeedButtonPatternStyle Style, int Width, int Height, bool Light);
