// Benchmark: a skinned list box wearing the built-in skin against the plain
// system list box of the same size: filling each with 100,000 items, then
// scrolling from the top to the bottom a page at a time, painting each page;
// the heap bytes an item holds; and clearing each of 1,000,000 items.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchHeap.h"
#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinForm.h"
#include "skininputs/SkinListBox.h"

namespace {

constexpr int kItems = 100000, kRuns = 1;

double Ms(const std::function<void()>& Body) {
  const auto start = std::chrono::steady_clock::now();
  Body();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> V) {
  std::sort(V.begin(), V.end());
  return V[V.size() / 2];
}

void Settle() {
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
}

void Fill(TStrings* Items, int Count = kItems) {
  Items->BeginUpdate();
  for (int i = 0; i < Count; ++i) Items->Add(L"Item number " + std::to_wstring(i));
  Items->EndUpdate();
}

struct TResult {
  double Fill = 0, Scroll = 0;
  int Pages = 0;
};

// Heap bytes an item of Items holds: the list emptied, then filled.
double BytesPerItem(TStrings* Items) {
  Items->Clear();
  Settle();
  const long long before = bench::HeapBytesInUse();
  Fill(Items);
  Settle();
  return static_cast<double>(bench::HeapBytesInUse() - before) / kItems;
}

// Fills List (through Items) and scrolls it a page at a time, painting
// Window after each step; Clear empties it between runs.
TResult Run(TCustomListBox* List, TStrings* Items, HWND Window, const std::function<void()>& Clear) {
  std::vector<double> fills, scrolls;
  int pages = 0;
  for (int run = 0; run < kRuns; ++run) {
    Clear();
    Settle();
    std::fprintf(stderr, "filling...\n");
    fills.push_back(Ms([&] {
      Fill(Items);
      RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }));
    List->SetTopIndex(0);
    Settle();
    const int page = std::max(1, List->ClientHeight() / std::max(1, List->ItemHeight()));
    pages = 0;
    std::fprintf(stderr, "scrolling...\n");
    scrolls.push_back(Ms([&] {
      for (int top = 0; top < kItems; top += page, ++pages) {
        List->SetTopIndex(top);
        RedrawWindow(Window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      }
    }));
  }
  return {Median(fills), Median(scrolls), pages};
}

}  // namespace

int wmain() {
  Application->Initialize();
  auto* stored = bench::NewBuiltInStoredSkin();
  auto* skin = bench::NewSkinData(stored);

  auto* form = new TForm(nullptr);
  form->SetBounds(10, 10, 520, 460);
  // The desktop may be shared with programs that press keys of their own:
  // nothing they send closes the measuring form.
  form->OnCloseQuery = [](TObject*, bool& CanClose) { CanClose = false; };
  (new TspSkinForm(form))->SetSkinData(skin);
  auto* skinned = new TspSkinListBox(form);
  skinned->SetParent(form);
  skinned->SetBounds(10, 10, 240, 400);
  skinned->SetSkinData(skin);
  auto* plain = new TListBox(form);
  plain->SetParent(form);
  plain->SetBounds(260, 10, 240, 400);
  form->Show();
  Settle();

  const TResult s = Run(skinned->ListBox(), skinned->Items(), skinned->Handle(), [&] { skinned->Clear(); });
  const TResult p = Run(plain, plain->Items(), plain->Handle(), [&] { plain->Clear(); });
  std::printf("fill %d items: skinned %.1f ms, plain %.1f ms, ratio %.2f (target 1.5)\n", kItems, s.Fill, p.Fill,
              s.Fill / p.Fill);
  std::printf("scroll top to bottom: skinned %.1f ms in %d pages, plain %.1f ms in %d pages, ratio %.2f (target 1.5)\n",
              s.Scroll, s.Pages, p.Scroll, p.Pages, s.Scroll / p.Scroll);
  std::printf("scroll per page: skinned %.3f ms, plain %.3f ms, ratio %.2f\n", s.Scroll / s.Pages, p.Scroll / p.Pages,
              (s.Scroll / s.Pages) / (p.Scroll / p.Pages));
  bench::PrintRatio("list box: fill 100,000 items", s.Fill / p.Fill, bench::Target(1.5));
  bench::PrintRatio("list box: scroll top to bottom by pages", s.Scroll / p.Scroll, bench::Target(1.5));
  const double bytes[2] = {BytesPerItem(skinned->Items()), BytesPerItem(plain->Items())};
  std::printf("heap bytes an item: skinned %.0f, plain %.0f\n", bytes[0], bytes[1]);
  bench::PrintRatio("list box: memory per item", bytes[0] / bytes[1], bench::kNoTarget);
  // A million items cleared, the two lists by turns.
  double clears[2] = {};
  for (int side : {0, 1}) {
    TStrings* items = side == 0 ? skinned->Items() : plain->Items();
    Fill(items, 1000000);
    Settle();
    clears[side] = Ms([&] { side == 0 ? skinned->Clear() : plain->Clear(); });
  }
  std::printf("clear 1,000,000 items: skinned %.1f ms, plain %.1f ms, ratio %.2f (target 3)\n", clears[0], clears[1],
              clears[0] / clears[1]);
  bench::PrintRatio("list box: clear 1,000,000 items", clears[0] / clears[1], bench::Target(3));
  Free(form);
  Free(skin);
  Free(stored);
  return 0;
}
