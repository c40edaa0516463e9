// Size, layout, placement and keyboard search of a skin-menu level.
#include "skinctrls/SkinMenusGeometry.h"

#include <algorithm>

TspMenuSize CalcMenuSize(const TspMenuSizeInput& In) {
  TspMenuSize s;
  const int count = static_cast<int>(In.Heights.size());
  int widest = 0;
  for (int right : In.TextRights) widest = std::max(widest, right + 2);
  s.Width = widest + 16 + In.ImageColumnWidth + (In.Skinned ? In.SkinExtraWidth : 10);
  int sum = 0;
  for (int h : In.Heights) sum += h;
  int arrows = 0;
  if (In.MaxItems != 0 && In.MaxItems < count) {
    sum = In.MaxItems * In.LimitedItemHeight;
    s.Scrolling = s.LimitedByCount = true;
    arrows = 2 * kMenuArrowHeight;
  }
  s.Height = (In.Skinned ? In.SkinExtraHeight : 6) + sum + arrows;
  if (s.Height > In.WorkAreaHeight) {
    s.Height = In.WorkAreaHeight;
    s.Scrolling = true;
  }
  return s;
}

TspMenuLayout LayoutMenuItems(const std::vector<int>& Heights, const TRect& ItemsRect, bool Scrolling, int TopIndex) {
  TspMenuLayout l;
  const int count = static_cast<int>(Heights.size());
  l.Rects.assign(count, TRect());
  l.Shown.assign(count, !Scrolling);
  int y = ItemsRect.Top, bottom = ItemsRect.Bottom;
  if (Scrolling) {
    y += kMenuArrowHeight;
    bottom -= kMenuArrowHeight;
  }
  for (int i = std::max(0, TopIndex); i < count; ++i) {
    const TRect r(ItemsRect.Left, y, ItemsRect.Right, y + Heights[i]);
    l.Rects[i] = r;
    if (r.Bottom > bottom) break;
    l.Shown[i] = true;
    ++l.VisibleCount;
    y = r.Bottom;
  }
  return l;
}

int LastMenuPageTop(const std::vector<int>& Heights, const TRect& ItemsRect) {
  int y = ItemsRect.Bottom - kMenuArrowHeight;
  for (int i = static_cast<int>(Heights.size()) - 1; i >= 0; --i) {
    y -= Heights[i];
    if (y < ItemsRect.Top + kMenuArrowHeight) return std::min(i + 1, static_cast<int>(Heights.size()) - 1);
  }
  return 0;
}

TPoint CalcMenuPosition(const TspMenuPlacementInput& In) {
  const TRect& R = In.R;
  const TRect& WA = In.WorkArea;
  const int W = In.Width, H = In.Height;
  const bool fullHeight = In.Scrolling && !In.LimitedByCount;
  const bool upperHalf = R.Top < WA.Top + WA.Height() / 2;
  bool moved = false;
  int top;
  if (fullHeight) {
    top = WA.Top;
  } else if (In.IsSubLevel) {
    if (R.Top + H - In.ItemsRect.Top - WA.Bottom < 1) top = R.Top - In.ItemsRect.Top;
    else if (upperHalf) top = WA.Bottom - H;
    else top = std::max(R.Bottom - H + In.ItemsRect.Top, WA.Top);
  } else if (In.PopupUp) {
    if (R.Top - H >= WA.Top) top = R.Top - H;
    else if (!upperHalf) top = WA.Top, moved = true;
    else if (R.Bottom + H - WA.Bottom < 1) top = R.Bottom;
    else top = WA.Bottom - H, moved = true;
  } else {
    if (R.Bottom + H - WA.Bottom < 1) top = R.Bottom;
    else if (upperHalf) top = WA.Bottom - H, moved = true;
    else if (R.Top - H >= WA.Top) top = R.Top - H;
    else top = WA.Top, moved = true;
  }
  int left;
  if (In.IsSubLevel || fullHeight || moved) {
    left = R.Right + W + 1 <= WA.Right ? R.Right + 1 : R.Left - W - 1;
  } else {
    left = R.Left;
    if (left + W > WA.Right) left = WA.Right - W;
    else if (left < WA.Left) left = WA.Left;
  }
  return TPoint(left, top);
}

int FindMenuSelectable(const std::vector<bool>& Selectable, int ItemIndex, bool Forward) {
  const int count = static_cast<int>(Selectable.size());
  if (count == 0) return -1;
  if (Forward) {
    const int from = (ItemIndex < 0 || ItemIndex >= count - 1) ? 0 : ItemIndex + 1;
    for (int i = from; i < count; ++i)
      if (Selectable[i]) return i;
  } else {
    const int from = (ItemIndex <= 0 || ItemIndex >= count) ? count - 1 : ItemIndex - 1;
    for (int i = from; i >= 0; --i)
      if (Selectable[i]) return i;
  }
  return -1;
}

TspMovedFrame MoveFrameToSize(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                              const TRect& Client, int PictureWidth, int PictureHeight, int Width, int Height) {
  const int dw = Width - PictureWidth, dh = Height - PictureHeight;
  TspMovedFrame f;
  f.LT = LT;
  f.RT = TPoint(RT.X + dw, RT.Y);
  f.LB = TPoint(LB.X, LB.Y + dh);
  f.RB = TPoint(RB.X + dw, RB.Y + dh);
  f.Client = TRect(Client.Left, Client.Top, Client.Right + dw, Client.Bottom + dh);
  return f;
}
