#include "classlib/ExtCtrls.h"

#include "classlib/Forms.h"
#include "classlib/SystemCallback.h"
#include "classlib/UtilWindow.h"

#include <memory>
#include <unordered_map>

// One hidden window carries every timer of a thread, each under an
// identifier of its own: a window per timer would make every control that
// animates cost two of the system's windows. The window is made at the first
// start and goes with the last timer that started on it. A timer runs on, and
// is freed by, the thread that started it, as the system's window timers do.
struct TTimer::THost {
  HWND Wnd = nullptr;
  std::unordered_map<UINT_PTR, TTimer*> Running;
  int Members = 0;  // timers that started here and are not torn down
  // Each start takes a new identifier, so that a tick the queue still holds
  // for a stopped or freed timer finds nothing.
  UINT_PTR LastId = 0;
};

thread_local TTimer::THost* TTimer::sThreadHost = nullptr;

bool TTimer::HostMessage(TMessage& Message) {
  if (Message.Msg != WM_TIMER || !sThreadHost) return false;
  const auto found = sThreadHost->Running.find(Message.WParam);
  if (found == sThreadHost->Running.end()) return true;
  TTimer* timer = found->second;
  // Timer may free this timer, and with the last one the host; neither is
  // touched afterwards.
  return FromSystem(timer, true, [timer] {
    timer->Timer();
    return true;
  });
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }

TTimer::~TTimer() { LeaveHost(); }

void TTimer::BeforeDestruction() {
  // Freed in its own OnTimer, it ticks no more while its memory waits.
  LeaveHost();
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

void TTimer::StopTimer() {
  if (!FId) return;
  KillTimer(FHost->Wnd, FId);
  FHost->Running.erase(FId);
  FId = 0;
}

void TTimer::LeaveHost() {
  StopTimer();
  if (!FHost) return;
  THost* host = FHost;
  FHost = nullptr;
  if (--host->Members > 0) return;
  if (sThreadHost == host) sThreadHost = nullptr;
  DeallocateHWnd(host->Wnd);  // safe inside the window's own tick
  delete host;
}

void TTimer::UpdateTimer() {
  StopTimer();
  // A timer being freed stays stopped, whatever code runs on after the free.
  if (!FEnabled || FInterval == 0 || BeingFreed()) return;
  if (!FHost) {
    if (!sThreadHost) {
      auto host = std::make_unique<THost>();
      host->Wnd = AllocateHWnd(HostMessage);
      sThreadHost = host.release();
    }
    FHost = sThreadHost;
    ++FHost->Members;
  }
  const UINT_PTR id = ++FHost->LastId ? FHost->LastId : ++FHost->LastId;
  if (!SetTimer(FHost->Wnd, id, FInterval, nullptr)) throw EOutOfResources(L"Not enough timers available");
  FHost->Running.emplace(id, this);
  FId = id;
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}
