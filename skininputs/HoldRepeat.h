// Press-and-hold repeat of a control's step buttons on its window timer.
#pragma once

#include <functional>

#include "classlib/Controls.h"

// A held button waits kFirstMs, then sets a kPaceMs pace whose ticks step
// (the first tick only sets the pace, so a click is never doubled); back on
// the held button after leaving it, the repeat comes again after kResumeMs
// (with KeepResumedPace, a pace resumed during the first wait is kept).
// Step gets the sign Start was given.
class TspHoldRepeat {
 public:
  static constexpr UINT_PTR kTimerId = 1;
  static constexpr unsigned kFirstMs = 500, kPaceMs = 100, kResumeMs = 50;

  TspHoldRepeat(TWinControl* Control, TEvent<void(int Sign)> Step, bool KeepResumedPace = false)
      : FControl(Control), FStep(std::move(Step)), FKeepResumedPace(KeepResumedPace) {}
  void Start(int Sign);
  // A button is held and repeating.
  bool Active() const { return FSign != 0; }
  // The pointer left the held button, or came back to it.
  void Pause();
  void Resume() {
    FResumed = true;
    SetPace(kResumeMs);
  }
  // Released: no more steps until the next Start.
  void Stop();
  // To be called with the id of every WM_TIMER the control gets.
  void Timer(WPARAM Id);

 private:
  void SetPace(unsigned Ms);
  TWinControl* FControl;
  TEvent<void(int)> FStep;
  bool FKeepResumedPace;
  int FSign = 0;
  bool FFirstTick = false, FResumed = false;
};
