// The drag tracker: threshold, targets entered and left, drop and end.
#include "classlib/DragState.h"

#include <cstdlib>

bool DragThresholdPassed(const TPoint& Start, const TPoint& P, int Threshold) {
  return std::abs(P.X - Start.X) >= Threshold || std::abs(P.Y - Start.Y) >= Threshold;
}

void TDragTracker::Begin(const TPoint& Screen, bool Immediate, int Threshold) {
  if (FPhase != dpIdle) return;
  ++FGeneration;
  FStart = FPos = Screen;
  FThreshold = Threshold < 0 ? DefaultDragThreshold : Threshold;
  FTarget = nullptr;
  FAccepted = false;
  FPhase = dpPending;
  if (Immediate) Start(Screen);
}

void TDragTracker::Start(const TPoint& Screen) {
  FPhase = dpDragging;
  const unsigned gen = FGeneration;
  FClient.StartDrag(Screen);
  if (Current(gen)) Move(Screen);
}

void TDragTracker::Move(const TPoint& Screen) {
  if (FPhase == dpPending) {
    if (DragThresholdPassed(FStart, Screen, FThreshold)) Start(Screen);
    return;
  }
  if (FPhase != dpDragging) return;
  const unsigned gen = FGeneration;
  FPos = Screen;
  TObject* target = FClient.FindTarget(Screen);
  if (!Current(gen)) return;
  if (target != FTarget) {
    TObject* old = FTarget;
    FTarget = nullptr;
    FAccepted = false;
    if (old) {
      FClient.DragOver(old, Screen, dsDragLeave);
      if (!Current(gen)) return;
    }
    FTarget = target;
    if (target) {
      FClient.DragOver(target, Screen, dsDragEnter);
      if (!Current(gen)) return;
    }
  }
  bool accept = false;
  if (FTarget) {
    accept = FClient.DragOver(FTarget, Screen, dsDragMove);
    if (!Current(gen)) return;
  }
  FAccepted = accept;
  FClient.Feedback(Screen, FTarget, accept);
}

bool TDragTracker::Release(const TPoint& Screen) {
  if (FPhase == dpPending) {
    FPhase = dpIdle;
    return false;
  }
  if (FPhase != dpDragging) return false;
  const unsigned gen = FGeneration;
  // The drop goes where the button came up, asked once more there.
  if (Screen != FPos) Move(Screen);
  if (Current(gen)) End(true);
  return true;
}

void TDragTracker::End(bool Drop) {
  if (FPhase == dpPending) {
    FPhase = dpIdle;
    return;
  }
  if (FPhase != dpDragging) return;
  // Idle before any event: what the events do cannot end this drag twice.
  FPhase = dpIdle;
  const unsigned gen = FGeneration;
  const TPoint pos = FPos;
  FEndingTarget = FTarget;
  const bool dropped = Drop && FTarget && FAccepted;
  FTarget = nullptr;
  FAccepted = false;
  if (FEndingTarget) FClient.DragOver(FEndingTarget, pos, dsDragLeave);
  TObject* target = dropped ? FEndingTarget : nullptr;
  if (target) FClient.DragDrop(target, pos);
  // A target freed by its own drop event is not reported as taking it.
  if (target && !FEndingTarget) target = nullptr;
  FEndingTarget = nullptr;
  if (gen != FGeneration) return;
  FClient.EndDrag(target, pos);
}

void TDragTracker::TargetGone(TObject* Target) {
  if (!Target) return;
  if (FTarget == Target) {
    FTarget = nullptr;
    FAccepted = false;
  }
  if (FEndingTarget == Target) FEndingTarget = nullptr;
}

void TDragTracker::Abandon() {
  const TPhase phase = FPhase;
  FPhase = dpIdle;
  ++FGeneration;
  TObject* target = FTarget;
  FTarget = nullptr;
  FAccepted = false;
  if (phase == dpDragging && target) FClient.DragOver(target, FPos, dsDragLeave);
}
