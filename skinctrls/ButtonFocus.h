// Focus and keys of the button-like controls (push button, check and radio
// box, scroll and track bar): whether the control takes the focus, a press
// that takes the focus first, what Space and Enter mean to it, its caption's
// accelerator, and a click made of a press and a release.
#pragma once

#include <functional>

#include "classlib/Controls.h"

// A key that a focusable button-like control acts on: Space presses it on
// key down and clicks it on key up; Enter clicks it on key down. A Space key
// held down repeats its key down: the repeats are no new press (bkNone).
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

// A click made of a press and its release: a press of the left button on the
// control, or of the Space key while it has the focus. Only the release of
// what pressed clicks; one press is held at a time.
class TspPressClick {
 public:
  enum TBy { byNone, byMouse, bySpace };
  // Starts a press; false, starting none, while a press is held.
  bool Press(TBy By) {
    if (By == byNone || FBy != byNone) return false;
    FBy = By;
    return true;
  }
  bool Press(TMouseButton Button) { return Press(Button == mbLeft ? byMouse : byNone); }
  // True when this release ends the press By started; the press ends with it.
  bool Release(TBy By) {
    if (By == byNone || By != FBy) return false;
    FBy = byNone;
    return true;
  }
  bool Release(TMouseButton Button) { return Release(Button == mbLeft ? byMouse : byNone); }
  // A press is held (the left button since a press on the control, or Space).
  bool Pressed() const { return FBy != byNone; }
  bool PressedBy(TBy By) const { return FBy == By; }
  // Ends the press without a click (the control lost the focus, or was
  // disabled or hidden).
  void Cancel() { FBy = byNone; }

 private:
  TBy FBy = byNone;
};
