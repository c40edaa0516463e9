// TTimer: a window-message timer carried by one hidden window that all the
// timers of a thread share; TCustomPanel and TPanel: containers with bevels.
#pragma once

#include <windows.h>

#include "classlib/Classes.h"
#include "classlib/Controls.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  void BeforeDestruction() override;
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
  void StopTimer();
  void LeaveHost();
  static bool HostMessage(TMessage& Message);
  struct THost;
  static thread_local THost* sThreadHost;
  THost* FHost = nullptr;  // its thread's shared window, from its first start
  UINT_PTR FId = 0;        // its identifier there while it runs
  bool FEnabled = true;
  uint32_t FInterval = 1000;
};

// Bevel cuts of a panel; bvFrame, a flat one-pixel frame, is the skinned
// panel's border without a skin, which shares these names.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace, bvFrame };
using TBevelWidth = int;

// A container with outer and inner bevels and a caption centred in it.
class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);
  String ClassName() const override { return L"TCustomPanel"; }
  void Dispatch(TMessage& Message) override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  TBevelWidth BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth Value);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) const override;
  // The width the bevels take on each side.
  int BevelExtent() const;

  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  TBevelWidth FBevelWidth = 1;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
  String ClassName() const override { return L"TPanel"; }
};
