#include "classlib/FreeWatch.h"

namespace {
thread_local TDispatchFrame* gTopFrame = nullptr;
}

#if defined(__GNUC__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
TDispatchFrame::TDispatchFrame(TControl* Control, bool SystemEntry)
    : FSystemEntry(SystemEntry || !Control), FPrev(gTopFrame) {
  FBelowFreed = !FSystemEntry && PathFreedFrom(FPrev);
  if (Control) FWatch.emplace(Control);
  gTopFrame = this;
}
#if defined(__GNUC__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif

TDispatchFrame::~TDispatchFrame() {
  gTopFrame = FPrev;
}

bool TDispatchFrame::Freed() const { return FWatch && FWatch->Freed(); }

bool TDispatchFrame::PathFreedFrom(const TDispatchFrame* Frame) {
  for (; Frame; Frame = Frame->FPrev) {
    if (Frame->Freed()) return true;
    if (Frame->FSystemEntry) return false;
  }
  return false;
}

bool TDispatchFrame::PathFreed() { return PathFreedFrom(gTopFrame); }

void TDispatchFrame::PassOn() const {
  if (!FSystemEntry && !FBelowFreed && PathFreedFrom(FPrev)) throw;
}

void TDispatchFrame::Returned() const {
  if (!FSystemEntry && !FBelowFreed && PathFreedFrom(FPrev)) throw EControlFreed();
}
