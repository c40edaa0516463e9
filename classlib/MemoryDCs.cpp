#include "classlib/MemoryDCs.h"

#include <mutex>
#include <vector>

namespace {

// A few suffice: a composition seldom draws on more than two bitmaps at once.
constexpr size_t kMostSpares = 4;

std::mutex gLock;
std::vector<HDC> gSpares;
int gHolds = 0;

}  // namespace

HDC TakeMemoryDC() {
  HDC dc = nullptr;
  {
    const std::lock_guard<std::mutex> guard(gLock);
    if (!gSpares.empty()) {
      dc = gSpares.back();
      gSpares.pop_back();
    }
  }
  if (!dc) dc = CreateCompatibleDC(nullptr);
  // The state of a new DC, saved as level 1: giving it back restores it,
  // selections, clipping, origins and modes alike, whatever the taker changed.
  if (dc) SaveDC(dc);
  return dc;
}

void GiveBackMemoryDC(HDC DC) {
  if (!DC) return;
  const bool clean = RestoreDC(DC, 1) != FALSE;
  {
    const std::lock_guard<std::mutex> guard(gLock);
    if (clean && gHolds > 0 && gSpares.size() < kMostSpares) {
      gSpares.push_back(DC);
      return;
    }
  }
  DeleteDC(DC);
}

void HoldSpareMemoryDCs() {
  const std::lock_guard<std::mutex> guard(gLock);
  ++gHolds;
}

void ReleaseSpareMemoryDCs() {
  std::vector<HDC> freed;
  {
    const std::lock_guard<std::mutex> guard(gLock);
    if (gHolds > 0 && --gHolds == 0) freed.swap(gSpares);
  }
  for (HDC dc : freed) DeleteDC(dc);
}

int SpareMemoryDCs() {
  const std::lock_guard<std::mutex> guard(gLock);
  return static_cast<int>(gSpares.size());
}
