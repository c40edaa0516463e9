// Press-and-hold repeat of a control's step buttons.
#include "skininputs/HoldRepeat.h"

void TspHoldRepeat::SetPace(unsigned Ms) {
  if (FControl->HandleAllocated()) SetTimer(FControl->Handle(), kTimerId, Ms, nullptr);
}

void TspHoldRepeat::Start(int Sign) {
  FSign = Sign;
  FFirstTick = true;
  FResumed = false;
  SetPace(kFirstMs);
}

void TspHoldRepeat::Pause() {
  if (FControl->HandleAllocated()) KillTimer(FControl->Handle(), kTimerId);
}

void TspHoldRepeat::Stop() {
  Pause();
  FSign = 0;
}

void TspHoldRepeat::Timer(WPARAM Id) {
  if (Id != kTimerId) return;
  if (FFirstTick) {
    FFirstTick = false;
    if (!(FKeepResumedPace && FResumed)) SetPace(kPaceMs);
    return;
  }
  if (FSign != 0) FStep(FSign);
}
