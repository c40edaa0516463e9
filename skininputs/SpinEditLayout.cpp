// Spin edit geometry: button and edit places with and without a skin.
#include "skininputs/SpinEditLayout.h"

TSpinEditLayout SpinEditDefaultLayout(int W, int H) {
  TSpinEditLayout l;
  l.Up = TRect(W - 17, 2, W - 2, H / 2);
  l.Down = TRect(W - 17, H / 2, W - 2, H - 2);
  l.EditArea = TRect(2, 2, W - 17, H - 2);
  return l;
}

TSpinEditLayout SpinEditSkinLayout(const TRect& SkinRect, int RTX, const TRect& ClRect, const TRect& UpRect,
                                   const TRect& DownRect, int W, int H, bool UseSkinSize) {
  TSpinEditLayout l;
  const int dw = W - SkinRect.Width();
  l.Up = UpRect;
  l.Down = DownRect;
  if (l.Up.Left > RTX) OffsetRect(l.Up, dw, 0);
  if (l.Down.Left > RTX) OffsetRect(l.Down, dw, 0);
  l.EditArea = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dw, ClRect.Bottom);
  if (UseSkinSize) return l;
  const int dh = H - SkinRect.Height();
  l.EditArea.Bottom += dh;
  if (l.Down.Bottom < l.Up.Bottom) {
    // Side by side: both grow.
    l.Up.Bottom += dh;
    l.Down.Bottom += dh;
    return l;
  }
  const TRect area(l.Up.Left, l.Up.Top, l.Down.Right, l.Down.Bottom + dh);
  const int mid = area.Top + area.Height() / 2;
  l.Up = TRect(area.Left, area.Top, area.Right, mid);
  l.Down = TRect(area.Left, mid, area.Right, area.Bottom);
  return l;
}

int SpinEditTop(const TRect& Area, int EditHeight) { return Area.Top + Area.Height() / 2 - EditHeight / 2; }
