// The image-grid menu's geometry.
#include "skinctrls/ImageGridLayout.h"

#include <algorithm>

TspImageGrid LayoutImageGrid(const TspImageGridInput& In) {
  TspImageGrid g;
  const int cw = In.ImageWidth + kGridCellMargin, ch = In.ImageHeight + kGridCellMargin;
  const int x0 = In.Origin.X, y0 = In.Origin.Y;
  g.RowWidth = In.Columns * cw;
  int x = x0, y = y0;
  for (const TspGridItemKind& item : In.Items) {
    if (item.Header || item.Button) {
      // A row of images under way ends first.
      if (x != x0) y += ch + 1;
      const int h = item.Header && In.HeaderHeight >= 0 ? In.HeaderHeight : ch;
      g.Rects.emplace_back(x0, y, x0 + g.RowWidth, y + h);
      y += h + 1;
      x = x0;
      continue;
    }
    g.Rects.emplace_back(x, y, x + cw, y + ch);
    x += cw;
    if (x + cw > x0 + g.RowWidth) {
      x = x0;
      y += ch + 1;
    }
  }
  if (!g.Rects.empty())
    g.Bounds = TRect(g.Rects.front().Left, g.Rects.front().Top, g.Rects.front().Left + g.RowWidth,
                     g.Rects.back().Bottom);
  return g;
}

int ImageGridItemAt(const TspImageGrid& Grid, const std::vector<TspGridItemKind>& Items, const TPoint& P) {
  const int n = static_cast<int>(std::min(Grid.Rects.size(), Items.size()));
  for (int i = 0; i < n; ++i)
    if (!Items[i].Header && Grid.Rects[i].Contains(P)) return i;
  return -1;
}

namespace {

int FirstItem(const std::vector<TspGridItemKind>& Items) {
  for (int i = 0; i < static_cast<int>(Items.size()); ++i)
    if (!Items[i].Header) return i;
  return -1;
}

int LastItem(const std::vector<TspGridItemKind>& Items) {
  for (int i = static_cast<int>(Items.size()) - 1; i >= 0; --i)
    if (!Items[i].Header) return i;
  return -1;
}

// The nearest item from Hot in Step's direction that lies beyond it
// vertically and is a caption row or in its column.
int VerticalTarget(const TspImageGrid& Grid, const std::vector<TspGridItemKind>& Items, int Hot, int Step) {
  const TRect& from = Grid.Rects[Hot];
  for (int i = Hot + Step; i >= 0 && i < static_cast<int>(Items.size()); i += Step) {
    if (Items[i].Header) continue;
    const TRect& r = Grid.Rects[i];
    const bool beyond = Step < 0 ? r.Top < from.Top : r.Top > from.Top;
    if (beyond && (Items[i].Button || r.Left == from.Left)) return i;
  }
  return Hot;
}

}  // namespace

int ImageGridKeyTarget(const TspImageGrid& Grid, const std::vector<TspGridItemKind>& Items, int Hot, TspGridKey Key) {
  const int n = static_cast<int>(std::min(Grid.Rects.size(), Items.size()));
  if (Hot >= n) Hot = -1;
  // A heading is never hot: with none hot the keys start at an end.
  if (Hot < 0 || Items[Hot].Header)
    return Key == gkLeft || Key == gkUp ? LastItem(Items) : FirstItem(Items);
  switch (Key) {
    case gkLeft:
      for (int i = Hot - 1; i >= 0; --i)
        if (!Items[i].Header) return i;
      return LastItem(Items);
    case gkRight:
      for (int i = Hot + 1; i < n; ++i)
        if (!Items[i].Header) return i;
      return FirstItem(Items);
    case gkUp: return VerticalTarget(Grid, Items, Hot, -1);
    case gkDown: return VerticalTarget(Grid, Items, Hot, 1);
  }
  return Hot;
}

TPoint PlaceImageGrid(const TRect& R, int Width, int Height, const TRect& WorkArea) {
  int left = R.Left, top = R.Bottom;
  if (top + Height > WorkArea.Bottom) top = R.Top - Height;
  if (left + Width > WorkArea.Right) left -= left + Width - WorkArea.Right;
  return TPoint(std::max(left, WorkArea.Left), std::max(top, WorkArea.Top));
}
