// TspPopupFade: a drop-down window's fade-in, driven by the window's own timer.
#pragma once

#include "classlib/Controls.h"

// The opacity of a layered pop-up rises by 10 a tick up to a target. The
// ticks come from the window's timer, so nothing is pumped while the control
// that dropped the window down may go away, and a freed window takes its
// timer with it.
class TspPopupFade {
 public:
  explicit TspPopupFade(TWinControl* Window) : FWindow(Window) {}
  // From 0 (set at once) towards Target.
  void Start(uint8_t Target);
  void Stop();
  bool Running() const { return FRunning; }
  // Called first from the window's Dispatch: true when Message was a tick
  // of the fade, which it then handled.
  bool HandleTimer(const TMessage& Message);

 private:
  TWinControl* FWindow;
  int FAlpha = 0;
  uint8_t FTarget = 0;
  bool FRunning = false;
};
