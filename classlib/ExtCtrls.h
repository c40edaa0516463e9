// TTimer: a window-message timer on a hidden window of its own.
#pragma once

#include <windows.h>

#include "classlib/Classes.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  String ClassName() const override { return L"TTimer"; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Milliseconds; 0 stops the timer.
  uint32_t Interval() const { return FInterval; }
  void SetInterval(uint32_t Value);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  HWND FWindowHandle = nullptr;
  bool FEnabled = true;
  uint32_t FInterval = 1000;
  bool FRunning = false;
};
