#include "classlib/FreeWatch.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

thread_local std::vector<TDispatchFrame*> gFrames;
// Each live control and the serial number it was made with.
thread_local std::unordered_map<const TControl*, unsigned> gLiveControls;
thread_local unsigned gNextSerial = 0;

uintptr_t Address(const void* P) { return reinterpret_cast<uintptr_t>(P); }

}  // namespace

void TDispatchFrame::ControlMade(const TControl* Control) { gLiveControls[Control] = ++gNextSerial; }

void TDispatchFrame::ControlFreed(const TControl* Control) { gLiveControls.erase(Control); }

TDispatchFrame::TDispatchFrame(TControl* Control, bool SystemEntry)
    : FControl(Control), FSystemEntry(SystemEntry || !Control) {
  // The stack grows down: a frame this one runs inside lies above it.
  while (!gFrames.empty() && Address(gFrames.back()) <= Address(this)) gFrames.pop_back();
  FIndex = gFrames.size();
  if (Control) {
    const auto live = gLiveControls.find(Control);
    FSerial = live != gLiveControls.end() ? live->second : 0;
  }
  FBelowFreed = !FSystemEntry && PathFreedBelow(FIndex);
  gFrames.push_back(this);
}

TDispatchFrame::~TDispatchFrame() {
  if (FIndex < gFrames.size() && gFrames[FIndex] == this) gFrames.resize(FIndex);
}

bool TDispatchFrame::Freed() const {
  if (!FControl) return false;
  const auto live = gLiveControls.find(FControl);
  return live == gLiveControls.end() || live->second != FSerial;
}

bool TDispatchFrame::PathFreedBelow(size_t End) {
  for (size_t i = End; i-- > 0;) {
    const TDispatchFrame* f = gFrames[i];
    if (f->Freed()) return true;
    if (f->FSystemEntry) return false;
  }
  return false;
}

bool TDispatchFrame::PathFreed() { return PathFreedBelow(gFrames.size()); }

void TDispatchFrame::PassOn() const {
  if (!FSystemEntry && !FBelowFreed && PathFreedBelow(FIndex)) throw;
}

void TDispatchFrame::Returned() const {
  if (!FSystemEntry && !FBelowFreed && PathFreedBelow(FIndex)) throw EControlFreed();
}
