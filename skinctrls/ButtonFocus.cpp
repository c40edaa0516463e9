// Focus and keys of the button-like controls.
#include "skinctrls/ButtonFocus.h"

void TspButtonFocus::SetCanFocused(bool Value) {
  FCanFocused = Value;
  FControl->SetTabStop(Value);
}

bool TspButtonFocus::DropMessage(const TMessage& Message) {
  if (!FCanFocused) return false;
  if (Message.Msg == CN_COMMAND) return FSettingFocus;
  if (Message.Msg != WM_LBUTTONDOWN && Message.Msg != WM_LBUTTONDBLCLK) return false;
  if (FControl->ComponentState().Contains(csDesigning) || FControl->Focused()) return false;
  FSettingFocus = true;
  const bool focused = FControl->FocusIfAble();
  if (FControl->BeingFreed()) return true;
  FSettingFocus = false;
  return !focused;
}

TspButtonKey TspButtonFocus::Key(const TMessage& Message) const {
  if (!FCanFocused) return bkNone;
  // Bit 30 of a key down's data: the key was already down (an auto-repeat).
  if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_SPACE) return Message.LParam & (1 << 30) ? bkNone : bkSpaceDown;
  if (Message.Msg == WM_KEYUP && Message.WParam == VK_SPACE) return bkSpaceUp;
  if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN) return bkEnter;
  return bkNone;
}

bool TspButtonFocus::DialogChar(TMessage& Message, const String& Caption, const std::function<void()>& Click) {
  if (!FCanFocused || !IsAccel(static_cast<WORD>(Message.WParam), Caption) || !FControl->CanFocus()) return false;
  Message.Result = 1;
  FControl->SetFocus();
  Click();
  return true;
}
