// Press-and-hold repeat of a control's step buttons on its window timer.
#pragma once

#include <functional>

#include "classlib/Controls.h"

// A held button waits kFirstMs, then sets a kPaceMs pace whose ticks step
// (the first tick only sets the pace, so a click is never doubled); back on
// the held button after leaving it, the repeat comes again after kResumeMs.
// Step gets +1 for the up button, -1 for the down one.
class TspHoldRepeat {
 public:
  static constexpr UINT_PTR kTimerId = 1;
  static constexpr unsigned kFirstMs = 500, kPaceMs = 100, kResumeMs = 50;

  TspHoldRepeat(TWinControl* Control, std::function<void(int Sign)> Step)
      : FControl(Control), FStep(std::move(Step)) {}
  void Start(int Sign);
  // The pointer left the held button, or came back to it.
  void Pause();
  void Resume() { SetPace(kResumeMs); }
  // Released: no more steps until the next Start.
  void Stop();
  // To be called with the id of every WM_TIMER the control gets.
  void Timer(WPARAM Id);

 private:
  void SetPace(unsigned Ms);
  TWinControl* FControl;
  std::function<void(int)> FStep;
  int FSign = 0;
  bool FFirstTick = false;
};
