// Placement rules of the fc custom combo.
#include "components/fcComboGeometry.h"

#include <algorithm>

TRect fcComboButtonHolderBounds(int Width, int ClientHeight, int ButtonWidth, bool FrameActive, bool SunkenBorder) {
  const int d = FrameActive ? 2 : 0;
  if (SunkenBorder) return Bounds(Width - ButtonWidth - 4, d, ButtonWidth, ClientHeight - d);
  return Bounds(Width - ButtonWidth - d, d, ButtonWidth, ClientHeight - 2 * d);
}

TRect fcComboEditRect(const TfcComboEditInput& In) {
  TRect r;
  r.Bottom = In.ClientHeight + 1;
  r.Right = (In.ButtonShown ? In.HolderLeft : In.ClientWidth) - 2;
  int top = In.BorderNone ? (In.ParentIsGrid ? 2 : 1) : 0;
  if (In.CenterVertically)
    top = In.BorderNone ? top + (In.Height - In.TextHeight - 2) / 2 : (In.Height - In.TextHeight - 5) / 2;
  r.Top = top;
  r.Left = In.BorderNone ? (In.ParentIsGrid ? 2 : 1) : 0;
  r.Left += In.LeftIndent;
  return r;
}

TRect fcComboDropDownBounds(const TfcComboDropInput& In) {
  TPoint p = In.ComboScreen;
  if (In.ParentIsGrid) p.Y += 1;
  const int b = In.BorderHeight;
  int h = In.ItemCount >= 1 ? std::min(In.DropDownCount, In.ItemCount) * In.ItemSize.cy : In.ComboHeight;
  h += 2 * b;
  const int w = In.ItemSize.cx != 0 ? std::max(In.ComboWidth, In.ItemSize.cx + 2 * b + 2 * In.VScrollWidth)
                                    : In.ComboWidth;
  if (In.ScreenWidth - w < p.X) p.X += In.ComboWidth - w;
  if (In.ScreenHeight < p.Y + In.ComboHeight + h) p.Y -= In.ComboHeight + h;
  return Bounds(p.X, p.Y + In.ComboHeight, w, h);
}
