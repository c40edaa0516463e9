// A control's context menu: OnContextPopup first, then its popup menu.
#include "classlib/Controls.h"
#include "classlib/Menus.h"

void TControl::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0 || ComponentState().Contains(csDesigning)) return;
  TPoint screen(Message.XPos(), Message.YPos());
  // The keyboard (Shift+F10, the menu key) sends (-1, -1): no mouse position.
  const bool fromKeyboard = screen.X == -1 && screen.Y == -1;
  const TPoint client = fromKeyboard ? screen : ScreenToClient(screen);
  bool handled = false;
  DoContextPopup(client, handled);
  if (handled) {
    Message.Result = 1;
    return;
  }
  if (!FPopupMenu || !FPopupMenu->AutoPopup()) {
    DefaultHandler(Message);
    return;
  }
  // Asked for from the keyboard, the menu opens at the control.
  if (fromKeyboard) screen = ClientToScreen(TPoint(FWidth / 2, FHeight / 2));
  FPopupMenu->SetPopupComponent(this);
  FPopupMenu->Popup(screen.X, screen.Y);
  Message.Result = 1;
}
