#include "classlib/ExtCtrls.h"

#include "classlib/Forms.h"
#include "classlib/SystemCallback.h"
#include "classlib/UtilWindow.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindowHandle = AllocateHWnd([this](TMessage& m) {
    if (m.Msg != WM_TIMER) return false;
    // Timer may free this timer; nothing of it is touched afterwards.
    return FromSystem(this, true, [this] {
      Timer();
      return true;
    });
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
  DeallocateHWnd(FWindowHandle);
}

void TTimer::BeforeDestruction() {
  // Freed in its own OnTimer, it ticks no more while its memory waits.
  UpdateTimer();
  TComponent::BeforeDestruction();
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(uint32_t Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FRunning) KillTimer(FWindowHandle, kTimerId);
  FRunning = false;
  // A timer being freed stays stopped, whatever code runs on after the free.
  if (FEnabled && FInterval > 0 && !BeingFreed()) {
    if (!SetTimer(FWindowHandle, kTimerId, FInterval, nullptr))
      throw EOutOfResources(L"Not enough timers available");
    FRunning = true;
  }
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}
