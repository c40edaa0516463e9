// Helpers for tests that drive real windows through the message loop.
#pragma once

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <vector>

#include "classlib/Forms.h"
#include "tests/WindowsTestMain.h"

// Runs the message loop until Done holds; false when it never does within a
// generous limit (the machines are shared, so the limit is no timing claim),
// or at once when a handler's exception fails the test meanwhile.
inline bool PumpUntil(const std::function<bool()>& Done, DWORD LimitMs = 20000) {
  const DWORD start = GetTickCount();
  const int exceptions = ExceptionsReachingApplication();
  while (!Done()) {
    Application->ProcessMessages();
    if (ExceptionsReachingApplication() != exceptions) return Done();
    if (GetTickCount() - start > LimitMs) return false;
    Sleep(1);
  }
  return true;
}

inline int gProbeTicks = 0;
inline void CALLBACK CountProbeTick(HWND, UINT, UINT_PTR, DWORD) { ++gProbeTicks; }

// Runs the message loop until a timer of its own, at PaceMs, has ticked
// Count times: a wait in which any timer at that pace or faster would have
// run, however loaded the machine. A check that nothing happened during a
// wait means something only after this; false when the ticks never come.
inline bool PumpThroughTimerTicks(int Count, UINT PaceMs) {
  gProbeTicks = 0;
  const UINT_PTR id = SetTimer(nullptr, 0, PaceMs, CountProbeTick);
  const bool ticked = PumpUntil([&] { return gProbeTicks >= Count; });
  KillTimer(nullptr, id);
  return ticked;
}

// Handles what is queued now, plus whatever that produces in a short while.
inline void Settle() {
  for (int i = 0; i < 20; ++i) {
    Application->ProcessMessages();
    Sleep(2);
  }
}

// Real mouse input, as from the user: the cursor moves and the system
// produces the messages.
inline void MouseInput(DWORD Flags, int X = 0, int Y = 0) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = Flags;
  if (Flags & MOUSEEVENTF_ABSOLUTE) {
    in.mi.dx = X * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = Y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &in, sizeof(in));
}

inline void MoveMouse(const TPoint& Screen) {
  MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Screen.X, Screen.Y);
  Settle();
}

inline void MouseDown() { MouseInput(MOUSEEVENTF_LEFTDOWN); }
inline void MouseUp() { MouseInput(MOUSEEVENTF_LEFTUP); }

inline TPoint Center(TControl* C) { return C->ClientToScreen(TPoint(C->Width() / 2, C->Height() / 2)); }

// One real key going down or up, through the system's input.
inline void KeyInput(WORD Key, bool Up) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = Key;
  in.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

// A real key press with the Held modifiers down around it, as the keyboard
// sends it, then the loop settled.
inline void KeyChord(std::initializer_list<WORD> Held, WORD Key) {
  std::vector<INPUT> in;
  auto add = [&](WORD K, bool Up) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = K;
    i.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  };
  for (WORD h : Held) add(h, false);
  add(Key, false);
  add(Key, true);
  for (WORD h : Held) add(h, true);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  Settle();
}

// Characters typed through the system's input, each as the keyboard sends a
// character it has no key for, then the loop settled.
inline void TypeInput(const String& Text) {
  std::vector<INPUT> in;
  for (wchar_t c : Text)
    for (DWORD up : {0ul, static_cast<DWORD>(KEYEVENTF_KEYUP)}) {
      INPUT i = {};
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = c;
      i.ki.dwFlags = KEYEVENTF_UNICODE | up;
      in.push_back(i);
    }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  Settle();
}

// A key press posted to the focused window, through the application's loop.
inline void PostKey(WORD Key) {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, Key, 1);
  PostMessageW(focus, WM_KEYUP, Key, 0xC0000001);
  Settle();
}

// Shows a form and waits until it is active, with the mouse parked outside it.
inline void ShowAndActivate(TCustomForm* Form) {
  MoveMouse(TPoint(2, 2));
  Form->Show();
  SetForegroundWindow(Form->Handle());
  PumpUntil([&] { return GetActiveWindow() == Form->Handle(); });
  Settle();
}

// Ends the test program with a failure when the calls in its scope have not
// returned within LimitMs: a call that never returns fails its test rather
// than hanging the run (the limit is generous, no timing claim).
class HangWatchdog {
 public:
  explicit HangWatchdog(const char* What, DWORD LimitMs = 30000)
      : FWhat(What), FLimit(LimitMs), FDone(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    FThread = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
  }
  ~HangWatchdog() {
    SetEvent(FDone);
    WaitForSingleObject(FThread, INFINITE);
    CloseHandle(FThread);
    CloseHandle(FDone);
  }
  HangWatchdog(const HangWatchdog&) = delete;
  HangWatchdog& operator=(const HangWatchdog&) = delete;

 private:
  static DWORD WINAPI Watch(void* Self) {
    auto* w = static_cast<HangWatchdog*>(Self);
    if (WaitForSingleObject(w->FDone, w->FLimit) == WAIT_TIMEOUT) {
      fprintf(stderr, "FAILED: %s did not return (hangs)\n", w->FWhat);
      fflush(stderr);
      TerminateProcess(GetCurrentProcess(), 3);
    }
    return 0;
  }
  const char* FWhat;
  DWORD FLimit;
  HANDLE FDone;
  HANDLE FThread = nullptr;
};
