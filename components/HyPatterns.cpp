// Mark shapes of the hover-trigger speed button.
#include "components/HyPatterns.h"

namespace {

THyMarkShape Poly(std::vector<TPoint> P) { return THyMarkShape{true, std::move(P)}; }
THyMarkShape Line(std::vector<TPoint> P) { return THyMarkShape{false, std::move(P)}; }

}  // namespace

std::vector<THyMarkShape> HyEnabledMark(THySpeedButtonPatternStyle Style, int W, int H) {
  const int cx = W / 2, cy = (H - 3) / 2;
  const THyMarkShape cross1 = Line({{4, 4}, {9, 9}}), cross2 = Line({{8, 4}, {3, 9}});
  const THyMarkShape left = Poly({{cx + 1, cy - 1}, {cx + 1, cy + 3}, {cx - 1, cy + 1}});
  const THyMarkShape right = Poly({{cx - 1, cy - 1}, {cx - 1, cy + 3}, {cx + 1, cy + 1}});
  switch (Style) {
    case psNone: return {};
    case psUp: return {Poly({{cx, cy}, {cx - 2, cy + 2}, {cx + 2, cy + 2}})};
    case psDown: return {Poly({{cx, cy + 2}, {cx - 2, cy}, {cx + 2, cy}})};
    case psLineUp: return {Line({{1, 0}, {W - 1, 0}})};
    case psLeftUp: return {Poly({{1, 1}, {1, 3}, {3, 1}})};
    case psRightDown: return {Poly({{W - 1, H - 1}, {W - 3, H - 1}, {W - 1, H - 3}})};
    case psClose: return {cross1, cross2};
    case psBoxClose: return {cross1, cross2, Line({{3, 3}, {9, 3}, {9, 9}, {3, 9}, {3, 3}})};
    case psLeft: return {left};
    case psRight: return {right};
    case psRight2: return {Line({{5, 4}, {7, 6}, {4, 9}})};
    case psLeftStart: return {left, Line({{cx - 2, cy - 1}, {cx - 2, cy + 4}})};
    case psRightEnd: return {right, Line({{cx + 2, cy - 1}, {cx + 2, cy + 4}})};
  }
  return {};
}

std::vector<THyMarkShape> HyDisabledMark(THySpeedButtonPatternStyle Style, int W, int H, bool Light) {
  const int a = W / 2 + 1, b = (H - 3) / 2 + 1;
  // The dark layer is the light one moved one pixel up and left.
  const int d = Light ? 0 : -1;
  const int x = a + d, y = b + d;
  const THyMarkShape left = Poly({{x, y - 1}, {x, y + 3}, {x - 2, y + 1}});
  const THyMarkShape right = Poly({{x, y - 1}, {x, y + 3}, {x + 2, y + 1}});
  switch (Style) {
    case psUp: return {Poly({{x, y}, {x - 2, y + 2}, {x + 2, y + 2}})};
    case psDown: return {Poly({{x, y + 2}, {x - 2, y}, {x + 2, y}})};
    case psLeft: return {left};
    case psRight: return {right};
    case psLeftStart: return {left, Line({{x - 3, y - 1}, {x - 3, y + 4}})};
    case psRightEnd: return {right, Line({{x + 3, y - 1}, {x + 3, y + 4}})};
    default: return {};
  }
}
