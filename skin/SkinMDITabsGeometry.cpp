// The MDI tabs bar's layout, hit test and drop rules.
#include "skin/SkinMDITabsGeometry.h"

#include <algorithm>

TspMDITabsLayout LayoutMDITabs(const TspMDITabsMetrics& M) {
  TspMDITabsLayout L;
  if (M.Count <= 0) return L;
  L.Rects.assign(M.Count, TRect());
  L.Visible.assign(M.Count, false);
  const int h = std::max(0, M.Height);
  const int w = std::max(0, std::min((M.Width - kMDITabsMargin) / M.Count, M.DefaultTabWidth));
  if (M.MinTabWidth <= 0 || w >= M.MinTabWidth) {
    for (int i = 0; i < M.Count; ++i) {
      L.Rects[i] = TRect(kMDITabsMargin + i * w, 0, kMDITabsMargin + (i + 1) * w, h);
      L.Visible[i] = true;
    }
    if (w < M.DefaultTabWidth) L.Rects.back().Right = std::max(L.Rects.back().Left, M.Width);
    L.DragLimit = M.Width;
  } else {
    const int fit = std::max(0, (M.Width - 2 * kMDITabsMargin) / M.MinTabWidth);
    for (int i = 0; i < M.Count; ++i) {
      if (i < fit) {
        L.Rects[i] = TRect(kMDITabsMargin + i * M.MinTabWidth, 0, kMDITabsMargin + (i + 1) * M.MinTabWidth, h);
        L.Visible[i] = true;
      } else {
        ++L.HiddenCount;
      }
    }
    L.DragLimit = M.Width - kMDITabsMargin;
  }
  if (M.DragIndex >= 0 && M.DragIndex < M.Count && L.Visible[M.DragIndex]) {
    TRect& r = L.Rects[M.DragIndex];
    const int width = r.Width();
    r.Left += M.DragOffset;
    if (r.Left + width > L.DragLimit) r.Left = L.DragLimit - width;
    if (r.Left < 0) r.Left = 0;
    r.Right = r.Left + width;
  }
  return L;
}

int MDITabAt(const TspMDITabsLayout& L, const TPoint& P) {
  for (size_t i = 0; i < L.Rects.size(); ++i) {
    const TRect& r = L.Rects[i];
    if (L.Visible[i] && P.X >= r.Left && P.X <= r.Right && P.Y >= r.Top && P.Y <= r.Bottom)
      return static_cast<int>(i);
  }
  return -1;
}

int MDITabDropTarget(const TspMDITabsLayout& L, int DragIndex, int DragOffset) {
  const int n = static_cast<int>(L.Rects.size());
  if (DragIndex < 0 || DragIndex >= n || !L.Visible[DragIndex]) return -1;
  const TRect& dragged = L.Rects[DragIndex];
  auto middle = [&](int j) { return L.Rects[j].Left + L.Rects[j].Width() / 2; };
  int target = -1;
  if (DragOffset >= 1) {
    for (int j = DragIndex + 1; j < n; ++j)
      if (L.Visible[j] && middle(j) < dragged.Right) target = j;
  } else if (DragOffset < 0) {
    for (int j = DragIndex - 1; j >= 0; --j)
      if (L.Visible[j] && middle(j) > dragged.Left) target = j;
  }
  return target;
}

int MDITabDropMarkX(const TspMDITabsLayout& L, int Target, int DragOffset) {
  if (Target < 0 || Target >= static_cast<int>(L.Rects.size())) return -1;
  return DragOffset > 0 ? L.Rects[Target].Right : L.Rects[Target].Left;
}

TRect MDITabCloseButtonRect(int TabWidth, int TabHeight, int Size, int RightOffset) {
  const int left = std::max(0, TabWidth - std::max(RightOffset, 2) - Size - 2);
  const int top = (TabHeight - Size) / 2;
  return TRect(left, top, left + Size, top + Size);
}
