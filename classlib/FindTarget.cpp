// FindDragTarget: which control of this library lies under a screen point.
#include "classlib/Controls.h"

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  HWND wnd = WindowFromPoint(POINT{Pos.X, Pos.Y});
  TWinControl* win = nullptr;
  // A system child (the edit of a combo box) belongs to the nearest control above it.
  for (; wnd && !win; wnd = GetParent(wnd)) win = FindControl(wnd);
  if (!win) return nullptr;
  if (TControl* child = win->ControlAtPos(win->ScreenToClient(Pos), AllowDisabled)) return child;
  return win;
}
