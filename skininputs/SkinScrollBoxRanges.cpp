// The scroll box's bar ranges.
#include "skininputs/SkinScrollBoxRanges.h"

#include <algorithm>

TScrollBoxRange ScrollBoxRange(int ClientExtent, int ChildExtent, int Position, int Growth, int BarMax) {
  const int H = ClientExtent, B = ChildExtent, P = Position, T = P + B;
  TScrollBoxRange r;
  if (T <= H) {
    // Everything fits: what was scrolled away comes back into view.
    r.ScrollBack = std::max(P, 0);
    return r;
  }
  r.Visible = true;
  r.Max = T - 1;
  r.PageSize = H;
  int wanted = P;
  if (P >= 1 && B < H && Growth >= 1)
    wanted = P - std::min(Growth, P);  // the box grew: fill the new room from above
  else if (Growth == 0 && T - 1 < BarMax && P >= 1 && B < H)
    wanted = P - std::min(H - B, P);   // the children shrank: close the gap below them
  r.Position = std::clamp(wanted, 0, std::max(r.Max - r.PageSize + 1, 0));
  r.ScrollBack = P - r.Position;
  return r;
}
