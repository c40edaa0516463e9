// Counts of the windows and GDI objects a program holds, for leak checks.
#include "classlib/GuiCounts.h"

#include <cstdint>
#include <vector>

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM Data) {
  ++*reinterpret_cast<int*>(Data);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND Window, LPARAM Data) {
  ++*reinterpret_cast<int*>(Data);
  EnumChildWindows(Window, CountWindow, Data);  // every descendant, not only the direct children
  return TRUE;
}

}  // namespace

int ThreadWindowsWithChildren() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Windows counts GDI objects; Wine reports 0, so there the handle table is
// probed: it hands out freed entries first and then new ones in order, so
// allocating until the entries come in order counts the free entries below
// the highest one ever used.
int GdiObjectsInUse() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
  std::vector<HBRUSH> probes;
  int run = 0, runStart = 0;
  for (int i = 0; i < 65536 && run < 64; ++i) {
    HBRUSH b = CreateSolidBrush(RGB(1, 2, 3));
    if (!b) break;
    const int index = static_cast<int>(reinterpret_cast<uintptr_t>(b) & 0xFFFF);
    const int last = probes.empty() ? -2 : static_cast<int>(reinterpret_cast<uintptr_t>(probes.back()) & 0xFFFF);
    if (index == last + 1) ++run;
    else run = 0, runStart = static_cast<int>(probes.size());
    probes.push_back(b);
  }
  if (probes.empty()) return 0;
  const int highest = static_cast<int>(reinterpret_cast<uintptr_t>(probes[runStart]) & 0xFFFF);
  for (HBRUSH b : probes) DeleteObject(b);
  return highest - runStart;
}
