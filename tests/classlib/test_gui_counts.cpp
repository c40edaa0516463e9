// The library's own leak counters see what a leak leaves behind: the checks
// that count with them can fail.
#include <gtest/gtest.h>

#include <vector>

#include "classlib/GuiCounts.h"

namespace {

template <typename Handle, typename Make>
int RiseWhileKept(int Count, Make MakeOne) {
  const int before = GdiObjectsInUse();
  std::vector<Handle> kept;
  for (int i = 0; i < Count; ++i) kept.push_back(MakeOne(i));
  const int rise = GdiObjectsInUse() - before;
  for (Handle h : kept) DeleteObject(h);
  EXPECT_EQ(GdiObjectsInUse(), before) << "deleting them brings the count back";
  return rise;
}

TEST(GuiCounts, KeptBrushesAndRegionsRaiseTheGdiCount) {
  EXPECT_GE(RiseWhileKept<HBRUSH>(10, [](int i) { return CreateSolidBrush(RGB(i, 0, 0)); }), 10);
  EXPECT_GE(RiseWhileKept<HRGN>(10, [](int i) { return CreateRectRgn(0, 0, i + 1, 5); }), 10);
  // Objects freed in any order before are not counted, however the system
  // hands their entries out again.
  std::vector<HBRUSH> spread;
  for (int i = 0; i < 40; ++i) spread.push_back(CreateSolidBrush(RGB(0, i, 0)));
  const int before = GdiObjectsInUse();
  for (int i = 0; i < 40; i += 2) DeleteObject(spread[i]);
  EXPECT_EQ(GdiObjectsInUse(), before - 20);
  EXPECT_EQ(RiseWhileKept<HRGN>(10, [](int i) { return CreateRectRgn(0, 0, 3, i + 1); }), 10);
  for (int i = 39; i > 0; i -= 2) DeleteObject(spread[i]);
  EXPECT_EQ(GdiObjectsInUse(), before - 40);
  EXPECT_EQ(GdiObjectsInUse(), GdiObjectsInUse()) << "counting changes nothing";
}

TEST(GuiCounts, WindowsAreCountedWithAllTheirDescendants) {
  // The system's hidden input window of the thread comes with its first
  // window and goes with its last: one is kept for the count.
  HWND first = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const int before = ThreadWindowsWithChildren();
  HWND top = CreateWindowExW(0, L"STATIC", L"top", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
  CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, child, nullptr, nullptr, nullptr);
  EXPECT_EQ(ThreadWindowsWithChildren(), before + 3);
  DestroyWindow(top);
  EXPECT_EQ(ThreadWindowsWithChildren(), before);
  DestroyWindow(first);
}

}  // namespace
