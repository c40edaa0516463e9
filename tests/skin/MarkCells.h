// The pixels of the default look's marks and caption glyphs, worked out from
// their strokes: a line covers its start and every pixel up to its end point,
// which it leaves out, as GDI draws lines.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

using Cells = std::set<std::pair<int, int>>;

// A level, upright or 45-degree line from (X0, Y0) towards (X1, Y1).
inline void AddLine(Cells& C, int X0, int Y0, int X1, int Y1) {
  const int dx = (X1 > X0) - (X1 < X0), dy = (Y1 > Y0) - (Y1 < Y0);
  const int steps = std::max(std::abs(X1 - X0), std::abs(Y1 - Y0));
  for (int k = 0; k < steps; ++k) C.insert({X0 + k * dx, Y0 + k * dy});
}

inline void AddBox(Cells& C, int Left, int Top, int Right, int Bottom) {
  for (int y = Top; y < Bottom; ++y)
    for (int x = Left; x < Right; ++x) C.insert({x, y});
}

// Three strokes i = 0, 1, 2: (X, Y + 5 - i) to (X + 2, Y + 7 - i) to (X + 7, Y + 2 - i).
inline Cells CheckMarkCells(int X, int Y) {
  Cells c;
  for (int i = 0; i < 3; ++i) {
    AddLine(c, X, Y + 5 - i, X + 2, Y + 7 - i);
    AddLine(c, X + 2, Y + 7 - i, X + 7, Y + 2 - i);
  }
  return c;
}

// A filled square from (X, Y) to (X + 6, Y + 6).
inline Cells RadioMarkCells(int X, int Y) {
  Cells c;
  AddBox(c, X, Y, X + 6, Y + 6);
  return c;
}

// The one-pixel outline of the rectangle (Left, Top) - (Right, Bottom).
inline Cells FrameCells(int Left, int Top, int Right, int Bottom) {
  Cells c;
  AddLine(c, Left, Top, Right, Top);
  AddLine(c, Left, Bottom - 1, Right, Bottom - 1);
  AddLine(c, Left, Top, Left, Bottom);
  AddLine(c, Right - 1, Top, Right - 1, Bottom);
  return c;
}
