#include "classlib/MemoryDCs.h"

#include <mutex>
#include <vector>

namespace {

// A few suffice: a composition seldom draws on more than two bitmaps at once.
constexpr size_t kMostSpares = 4;

// Made on first use and never destroyed: a bitmap made or freed while the
// program starts or exits may still take or give back a DC.
std::mutex& Lock() {
  static auto* lock = new std::mutex;
  return *lock;
}

std::vector<HDC>& Spares() {
  static auto* spares = new std::vector<HDC>;
  return *spares;
}

int gHolds = 0;

}  // namespace

HDC TakeMemoryDC() {
  HDC dc = nullptr;
  {
    const std::lock_guard<std::mutex> guard(Lock());
    if (!Spares().empty()) {
      dc = Spares().back();
      Spares().pop_back();
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
    const std::lock_guard<std::mutex> guard(Lock());
    if (clean && gHolds > 0 && Spares().size() < kMostSpares) {
      Spares().push_back(DC);
      return;
    }
  }
  DeleteDC(DC);
}

void HoldSpareMemoryDCs() {
  const std::lock_guard<std::mutex> guard(Lock());
  ++gHolds;
}

void ReleaseSpareMemoryDCs() {
  std::vector<HDC> freed;
  {
    const std::lock_guard<std::mutex> guard(Lock());
    if (gHolds > 0 && --gHolds == 0) freed.swap(Spares());
  }
  for (HDC dc : freed) DeleteDC(dc);
}

int SpareMemoryDCs() {
  const std::lock_guard<std::mutex> guard(Lock());
  return static_cast<int>(Spares().size());
}
