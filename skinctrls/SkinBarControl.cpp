// Focus, keys and erase painting shared by the skinned bars.
#include "skinctrls/SkinBarControl.h"

#include "skinctrls/SkinButtonParts.h"

TspSkinBarControl::TspSkinBarControl(TComponent* AOwner) : TspSkinCustomControl(AOwner) { FTabStop = false; }

void TspSkinBarControl::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TspSkinBarControl::WndProc(TMessage& Message) {
  // A click first takes the focus; when the focus does not come, the click is dropped.
  if (FCanFocused && DropPressWithoutFocus(this, Message, FSettingFocus)) return;
  TspSkinCustomControl::WndProc(Message);
}

void TspSkinBarControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(Message);
      if (FCanFocused) Repaint();
      return;
    case WM_ERASEBKGND:
      // Outside a paint the sender wants the control's picture in its DC.
      if (!FPainting && Message.WParam) {
        TPaintDCLoan loan(FCanvas.get(), reinterpret_cast<HDC>(Message.WParam));
        Paint();
      }
      Message.Result = 1;
      return;
    case CM_WANTSPECIALKEY:
      if (FCanFocused && Message.WParam >= VK_LEFT && Message.WParam <= VK_DOWN) {
        Message.Result = 1;
        return;
      }
      break;
  }
  TspSkinCustomControl::Dispatch(Message);
}
