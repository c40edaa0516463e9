// Focus and keys of the button-like controls (push button, check and radio
// box, scroll and track bar): whether the control takes the focus, a press
// that takes the focus first, what Space and Enter mean to it, its caption's
// accelerator, and a click made of a press and a release.
#pragma once

#include <functional>

#include "classlib/Controls.h"

// A key that a focusable button-like control acts on: Space presses it on
// key down and clicks it on key up; Enter clicks it on key down.
enum TspButtonKey { bkNone, bkSpaceDown, bkSpaceUp, bkEnter };

// The control holds one, calls DropMessage first in its WndProc and asks it
// about keys and accelerators.
class TspButtonFocus {
 public:
  TspButtonFocus(TWinControl* Control, bool CanFocused) : FControl(Control), FCanFocused(CanFocused) {}
  bool CanFocused() const { return FCanFocused; }
  // Also sets the control's TabStop.
  void SetCanFocused(bool Value);
  // Focused and focusable: the control shows its focused look.
  bool FocusHot() const { return FCanFocused && FControl->Focused(); }

  // A press first takes the focus and is dropped when the focus stays
  // elsewhere (or the control went away meanwhile), as is a reflected command
  // while the focus is being taken. True when Message is to be dropped;
  // never for a control that cannot take the focus.
  bool DropMessage(const TMessage& Message);
  // The key Message brings; bkNone when the control cannot take the focus.
  TspButtonKey Key(const TMessage& Message) const;
  // CM_DIALOGCHAR: when the character is Caption's accelerator and the control
  // can take the focus, it takes it, Click runs and the message is answered.
  // True then; else the message is left to the base class.
  bool DialogChar(TMessage& Message, const String& Caption, const std::function<void()>& Click);

 private:
  TWinControl* FControl;
  bool FCanFocused;
  bool FSettingFocus = false;
};

// A click made of a press of the left button on the control and its release:
// only a release that follows a press clicks.
class TspPressClick {
 public:
  void Press(TMouseButton Button) {
    if (Button == mbLeft) FPressed = true;
  }
  // True when this release ends a press; the press ends with it.
  bool Release(TMouseButton Button) {
    const bool ends = FPressed && Button == mbLeft;
    if (Button == mbLeft) FPressed = false;
    return ends;
  }
  // The left button is held since a press on the control.
  bool Pressed() const { return FPressed; }
  void Cancel() { FPressed = false; }

 private:
  bool FPressed = false;
};
