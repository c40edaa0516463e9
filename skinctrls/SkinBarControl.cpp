// Focus, keys and erase painting shared by the skinned bars.
#include "skinctrls/SkinBarControl.h"

TspSkinBarControl::TspSkinBarControl(TComponent* AOwner) : TspSkinCustomControl(AOwner), FFocus(this, false) {
  FTabStop = false;
}

void TspSkinBarControl::WndProc(TMessage& Message) {
  if (FFocus.DropMessage(Message)) return;
  TspSkinCustomControl::WndProc(Message);
}

void TspSkinBarControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      if (CanFocused()) Repaint();
      return;
    case WM_ERASEBKGND:
      // Asked for its picture in another's context, the bar draws itself there.
      if (ErasesIntoForeignDC(Message)) {
        TPaintDCLoan loan(FCanvas.get(), reinterpret_cast<HDC>(Message.WParam));
        Paint();
      }
      Message.Result = 1;
      return;
    case CM_WANTSPECIALKEY:
      if (CanFocused() && Message.WParam >= VK_LEFT && Message.WParam <= VK_DOWN) {
        Message.Result = 1;
        return;
      }
      break;
  }
  TspSkinCustomControl::Dispatch(Message);
}
