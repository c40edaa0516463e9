// The scroll box's arithmetic: the range of one of its bars for the extent of
// its children, and how far the children move back when room opens up.
#pragma once

struct TScrollBoxRange {
  int Max = 0, PageSize = 0, Position = 0;
  bool Visible = false;
  // How far the children move toward the end (down or right): room that
  // opened up behind them is filled by what was scrolled out of view.
  int ScrollBack = 0;
};

// One axis of the box: ClientExtent is the client height (width),
// ChildExtent the lowest (rightmost) edge of the visible children, Position
// the bar's position, Growth how much the box grew at its last resize and
// BarMax the bar's present Max. The bar's position never leaves its range
// (0 .. Max - PageSize + 1) without the children following it.
TScrollBoxRange ScrollBoxRange(int ClientExtent, int ChildExtent, int Position, int Growth, int BarMax);
