#include "classlib/Types.h"

#include <algorithm>

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b) {
  TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom));
  if (r.IsEmpty()) {
    dest = TRect();
    return false;
  }
  dest = r;
  return true;
}

bool UnionRect(TRect& dest, const TRect& a, const TRect& b) {
  if (a.IsEmpty()) {
    dest = b.IsEmpty() ? TRect() : b;
  } else if (b.IsEmpty()) {
    dest = a;
  } else {
    dest = TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom));
  }
  return !dest.IsEmpty();
}
