// Benchmark: a skinned list box wearing the built-in skin against the plain
// system list box of the same size: filling each with 100,000 items, then
// scrolling from the top to the bottom a page at a time, painting each page;
// the heap bytes an item holds; and clearing each of 1,000,000 items. Then a
// skinned combo box filled with 10,000 and 100,000 items against a system
// combo box, and a skinned list box scrolled a line at a time with its
// horizontal extent on against the same list with it off, at 10,000 and
// 200,000 items.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench/BenchHeap.h"
#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinForm.h"
#include "skininputs/SkinComboBox.h"
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

// The fill of a skinned combo box against a system combo box of the same
// size, Count items each, added one by one as a program adds them; the two
// by turns, each emptied first. Returns the medians (skinned, system) in ms.
std::pair<double, double> ComboFill(TspSkinComboBox* Skinned, HWND System, int Count, int Runs) {
  std::vector<double> skinned, system;
  for (int run = 0; run < Runs; ++run) {
    Skinned->Items()->Clear();
    Settle();
    skinned.push_back(Ms([&] {
      TStrings* items = Skinned->Items();
      for (int i = 0; i < Count; ++i) items->Add(L"Item number " + std::to_wstring(i));
      Skinned->SetItemIndex(0);
      RedrawWindow(Skinned->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }));
    SendMessageW(System, CB_RESETCONTENT, 0, 0);
    Settle();
    system.push_back(Ms([&] {
      for (int i = 0; i < Count; ++i) {
        const std::wstring s = L"Item number " + std::to_wstring(i);
        SendMessageW(System, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
      }
      SendMessageW(System, CB_SETCURSEL, 0, 0);
      RedrawWindow(System, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }));
  }
  return {Median(skinned), Median(system)};
}

// Scrolls List down a line at a time, Steps times from the row First,
// painting after each step; the time of one step in ms.
double LineScroll(TspSkinListBox* List, int First, int Steps) {
  List->SetTopIndex(First);
  Settle();
  return Ms([&] {
           for (int i = 1; i <= Steps; ++i) {
             List->SetTopIndex(First + i);
             RedrawWindow(List->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
           }
         }) /
         Steps;
}

// Two skinned list boxes of Count long items, one with its horizontal extent
// on and one without, scrolled a line at a time by turns; the medians of a
// step (extent on, extent off) in ms.
std::pair<double, double> ExtentScroll(TForm* Form, TspSkinData* Skin, int Count) {
  TspSkinListBox* lists[2] = {};
  for (int side : {0, 1}) {
    auto* list = new TspSkinListBox(Form);
    list->SetParent(Form);
    list->SetBounds(10 + side * 250, 10, 240, 400);
    list->SetSkinData(Skin);
    list->SetHorizontalExtent(side == 0);
    TStrings* items = list->Items();
    items->BeginUpdate();
    for (int i = 0; i < Count; ++i)
      items->Add(L"Item number " + std::to_wstring(i) + L" with words enough to be wider than the list");
    items->EndUpdate();
    lists[side] = list;
  }
  Settle();
  std::vector<double> on, off;
  const int steps = 100;
  for (int run = 0; run < 5; ++run) {
    const int first = (Count / 5) * run;
    on.push_back(LineScroll(lists[0], first, steps));
    off.push_back(LineScroll(lists[1], first, steps));
  }
  const bool bar = lists[0]->HScrollBar() != nullptr && lists[1]->HScrollBar() == nullptr;
  Free(lists[0]);
  Free(lists[1]);
  Settle();
  if (!bar) std::printf("the extent-on list shows no horizontal bar, or the extent-off list does\n");
  return {Median(on), Median(off)};
}

}  // namespace

// With an argument, only the part it names runs: "list", "combo" or "extent".
int wmain(int argc, wchar_t** argv) {
  const std::wstring only = argc > 1 ? argv[1] : L"";
  auto runs = [&](const wchar_t* Part) { return only.empty() || only == Part; };
  Application->Initialize();
  auto* stored = bench::NewBuiltInStoredSkin();
  auto* skin = bench::NewSkinData(stored);

  auto* form = new TForm(nullptr);
  form->SetBounds(10, 10, 520, 460);
  // The desktop may be shared with programs that press keys of their own:
  // nothing they send closes the measuring form.
  form->OnCloseQuery = [](TObject*, bool& CanClose) { CanClose = false; };
  (new TspSkinForm(form))->SetSkinData(skin);
  TspSkinListBox* skinned = nullptr;
  TListBox* plain = nullptr;
  if (runs(L"list")) {
    skinned = new TspSkinListBox(form);
    skinned->SetParent(form);
    skinned->SetBounds(10, 10, 240, 400);
    skinned->SetSkinData(skin);
    plain = new TListBox(form);
    plain->SetParent(form);
    plain->SetBounds(260, 10, 240, 400);
  }
  form->Show();
  Settle();

  if (runs(L"list")) {
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
    Free(skinned);
    Free(plain);
    Settle();
  }

  // The combo boxes, skinned and system, side by side.
  if (runs(L"combo")) {
    auto* combo = new TspSkinComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 200, 20);
    combo->SetSkinData(skin);
    HWND system = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 260, 10,
                                  200, 200, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    Settle();
    for (int count : {10000, 100000}) {
      const auto fill = ComboFill(combo, system, count, count > 10000 ? 3 : 5);
      const std::string n = count == 10000 ? "10,000" : "100,000";
      std::printf("combo fill %s items: skinned %.1f ms, system %.1f ms, ratio %.2f (target 2)\n", n.c_str(),
                  fill.first, fill.second, fill.first / fill.second);
      bench::PrintRatio(("combo box: fill " + n + " items: skinned / system").c_str(), fill.first / fill.second,
                        bench::Target(2));
    }
    DestroyWindow(system);
    Free(combo);
    Settle();
  }

  if (runs(L"extent")) {
    for (int count : {10000, 200000}) {
      const auto scroll = ExtentScroll(form, skin, count);
      const std::string n = count == 10000 ? "10,000" : "200,000";
      std::printf("line scroll of %s items: extent on %.3f ms, extent off %.3f ms, ratio %.2f (target 2)\n", n.c_str(),
                  scroll.first, scroll.second, scroll.first / scroll.second);
      bench::PrintRatio(("list box: line scroll of " + n + " items: horizontal extent on / off").c_str(),
                        scroll.first / scroll.second, bench::Target(2));
    }
  }
  Free(form);
  Free(skin);
  Free(stored);
  return 0;
}
