// Plain Win32 calls, no library: windows whose device contexts are held at
// once, then all released and the windows destroyed. Under Wine the GDI
// objects stay at the count of the most contexts held at once (the system
// keeps each context it made, with its regions, for later GetDC calls);
// holding as many again later adds nothing. The driver's GDI counts after a
// seed grow the same way: what a seed leaves is this cache, not in use.
//   WineDcCache [windows]    prints the GDI objects in use after each step
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "classlib/GuiCounts.h"

namespace {

// Holds a context of each of Count new windows at once, then lets them all go.
void HoldAtOnce(int Count) {
  std::vector<HWND> windows;
  std::vector<HDC> dcs;
  for (int i = 0; i < Count; ++i) {
    windows.push_back(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10 * i, 10, 50, 50, nullptr,
                                      nullptr, nullptr, nullptr));
    dcs.push_back(GetDC(windows.back()));
  }
  for (int i = 0; i < Count; ++i) ReleaseDC(windows[i], dcs[i]);
  for (HWND w : windows) DestroyWindow(w);
}

// One context after another, never two at once.
void HoldOneByOne(int Count) {
  for (int i = 0; i < Count; ++i) {
    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr, nullptr, nullptr,
                             nullptr);
    ReleaseDC(w, GetDC(w));
    DestroyWindow(w);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 30;
  const int start = GdiObjectsInUse();
  HoldOneByOne(count);
  std::printf("%d windows, one context at a time:  %+d GDI objects\n", count, GdiObjectsInUse() - start);
  HoldAtOnce(count);
  std::printf("%d windows, all contexts at once:   %+d GDI objects\n", count, GdiObjectsInUse() - start);
  HoldAtOnce(count);
  std::printf("the same again:                     %+d GDI objects\n", GdiObjectsInUse() - start);
  HoldAtOnce(2 * count);
  std::printf("%d windows, all contexts at once:   %+d GDI objects\n", 2 * count, GdiObjectsInUse() - start);
  HoldOneByOne(count);
  std::printf("%d windows, one context at a time:  %+d GDI objects\n", count, GdiObjectsInUse() - start);
  return 0;
}
