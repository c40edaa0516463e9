// Drop-down placement and text length of the track edit.
#include "skininputs/SkinTrackEditRules.h"

#include <algorithm>
#include <string>

TPoint TrackBarPopupPos(const TRect& Edit, int BarW, int BarH, TspTrackBarPopupKind Kind, const TRect& WorkArea) {
  int x = Edit.Left;
  if (Kind == tbpLeft && BarW != Edit.Width()) x += Edit.Width() - BarW;
  int y = Edit.Bottom;
  if (x + BarW > WorkArea.Right) x -= x + BarW - WorkArea.Right;
  else if (x < WorkArea.Left) x = WorkArea.Left;
  if (y + BarH > WorkArea.Bottom) y = Edit.Top - BarH;
  return TPoint(x, y);
}

int TrackEditMaxLength(int MinValue, int MaxValue) {
  return static_cast<int>(std::max(std::to_string(MinValue).size(), std::to_string(MaxValue).size()));
}
