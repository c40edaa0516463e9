// The drop-down fade-in of the track edit's bar and the date edit's calendar.
#include "skininputs/PopupFade.h"

#include <algorithm>

#include "skin/SPUtils_platform.h"

namespace {

// An id apart from the timers the pop-up controls run themselves.
constexpr UINT_PTR kFadeTimer = 0xFADE;
constexpr UINT kFadeMs = 6;

}  // namespace

void TspPopupFade::Start(uint8_t Target) {
  FAlpha = 0;
  FTarget = Target;
  SetAlphaBlendTransparent(FWindow->Handle(), 0);
  FRunning = SetTimer(FWindow->Handle(), kFadeTimer, kFadeMs, nullptr) != 0;
  // Without a timer the window shows at its opacity at once.
  if (!FRunning) SetAlphaBlendTransparent(FWindow->Handle(), Target);
}

void TspPopupFade::Stop() {
  if (FRunning && FWindow->HandleAllocated()) KillTimer(FWindow->Handle(), kFadeTimer);
  FRunning = false;
}

bool TspPopupFade::HandleTimer(const TMessage& Message) {
  if (Message.Msg != WM_TIMER || Message.WParam != kFadeTimer) return false;
  if (!FRunning) return true;
  FAlpha = std::min(FAlpha + 10, static_cast<int>(FTarget));
  SetAlphaBlendTransparent(FWindow->Handle(), static_cast<BYTE>(FAlpha));
  if (FAlpha >= FTarget) Stop();
  return true;
}
