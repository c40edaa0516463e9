// Benchmark: 100,000 nodes in the fc tree view against the plain system tree
// control doing the same: adding them, expanding all, painting the first
// screen, scrolling to the end and clearing the whole tree (prints timings
// and ratios).
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchHeap.h"
#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "components/fcTreeView.h"

namespace {

// 100 roots of 999 children each: 100,000 nodes (a smaller count may be given).
// Few parents, because the system control's expansion costs time in proportion
// to the whole tree under Wine.
int kRoots = 100;
constexpr int kChildren = 999;

double Ms(const std::function<void()>& Body) {
  const auto start = std::chrono::steady_clock::now();
  Body();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Median of five timings of Body, each after the untimed Reset.
double MedianMs(const std::function<void()>& Reset, const std::function<void()>& Body) {
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    Reset();
    times.push_back(Ms(Body));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void PaintNow(HWND Wnd) { RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

void ScrollToEnd(HWND Wnd) {
  SendMessageW(Wnd, WM_VSCROLL, SB_BOTTOM, 0);
  UpdateWindow(Wnd);
}

struct TTimes {
  double Add = 0, Expand = 0, Paint = 0, Scroll = 0, Clear = 0;
  // Heap bytes the added nodes hold, one node's share.
  double Bytes = 0;
};

TTimes PlainTree(HWND Parent) {
  HWND tv = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, 420, 10, 380,
                            500, Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  std::vector<HTREEITEM> roots;
  roots.reserve(kRoots);
  TTimes t;
  const long long before = bench::HeapBytesInUse();
  t.Add = Ms([&] {
    SendMessageW(tv, WM_SETREDRAW, FALSE, 0);
    for (int r = 0; r < kRoots; ++r) {
      std::wstring text = L"Node " + std::to_wstring(r);
      TVINSERTSTRUCTW ins = {};
      ins.hParent = TVI_ROOT;
      ins.hInsertAfter = TVI_LAST;
      ins.item.mask = TVIF_TEXT;
      ins.item.pszText = &text[0];
      HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageW(tv, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
      roots.push_back(root);
      for (int c = 0; c < kChildren; ++c) {
        std::wstring child = text + L"." + std::to_wstring(c);
        ins.hParent = root;
        ins.item.pszText = &child[0];
        SendMessageW(tv, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
      }
    }
    SendMessageW(tv, WM_SETREDRAW, TRUE, 0);
  });
  t.Bytes = static_cast<double>(bench::HeapBytesInUse() - before) / (kRoots * (kChildren + 1));
  t.Expand = Ms([&] {
    SendMessageW(tv, WM_SETREDRAW, FALSE, 0);
    for (HTREEITEM r : roots) SendMessageW(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(r));
    SendMessageW(tv, WM_SETREDRAW, TRUE, 0);
  });
  auto top = [&] { SendMessageW(tv, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(roots.front())); };
  t.Paint = MedianMs(top, [&] { PaintNow(tv); });
  t.Scroll = MedianMs([&] { top(); UpdateWindow(tv); }, [&] { ScrollToEnd(tv); });
  t.Clear = Ms([&] { SendMessageW(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); });
  DestroyWindow(tv);
  return t;
}

// The whole tree added, roots in descending order so that a sort has work.
void AddNodes(TfcTreeNodes* Items) {
  Items->BeginUpdate();
  for (int r = kRoots - 1; r >= 0; --r) {
    const String text = L"Node " + std::to_wstring(r);
    TfcTreeNode* root = Items->Add(nullptr, text);
    for (int c = 0; c < kChildren; ++c) Items->AddChild(root, text + L"." + std::to_wstring(c));
  }
  Items->EndUpdate();
}

TTimes FcTree(TForm* Form) {
  auto* tv = new TfcTreeView(Form);
  tv->SetParent(Form);
  tv->SetBounds(10, 10, 380, 500);
  TfcTreeNodes* items = tv->Items();
  TTimes t;
  const long long before = bench::HeapBytesInUse();
  t.Add = Ms([&] { AddNodes(items); });
  t.Bytes = static_cast<double>(bench::HeapBytesInUse() - before) / (kRoots * (kChildren + 1));
  t.Expand = Ms([&] { tv->FullExpand(); });
  auto top = [&] { tv->SetTopItem(items->GetFirstNode()); };
  t.Paint = MedianMs(top, [&] { PaintNow(tv->Handle()); });
  t.Scroll = MedianMs([&] { top(); UpdateWindow(tv->Handle()); }, [&] { ScrollToEnd(tv->Handle()); });
  t.Clear = Ms([&] { items->Clear(); });
  delete tv;
  return t;
}

// Building a tree that sorts by text (the adds, then one sort) against the
// same adds to a tree that does not sort.
void SortedBuild(TForm* Form, double& Sorted, double& Unsorted) {
  for (bool sorted : {false, true}) {
    auto* tv = new TfcTreeView(Form);
    tv->SetParent(Form);
    tv->SetBounds(10, 10, 380, 500);
    if (sorted) tv->SetSortType(fcstText);
    const double ms = Ms([&] {
      AddNodes(tv->Items());
      if (sorted) tv->AlphaSort();
    });
    (sorted ? Sorted : Unsorted) = ms;
    delete tv;
    Application->ProcessMessages();
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 1) kRoots = std::max(1, _wtoi(argv[1]) / (kChildren + 1));
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, 820, 560);
  form->Show();
  Application->ProcessMessages();
  const TTimes plain = PlainTree(form->Handle());
  Application->ProcessMessages();
  const TTimes fc = FcTree(form);
  Application->ProcessMessages();
  double sortedBuild = 0, unsortedBuild = 0;
  SortedBuild(form, sortedBuild, unsortedBuild);
  std::printf("%d nodes ", kRoots * (kChildren + 1));
  std::printf("         fc tree view   system tree   ratio\n");
  const struct {
    const char* Name;
    double Fc, Plain, Goal;
  } rows[] = {{"add", fc.Add, plain.Add, 1.5},
              {"expand all", fc.Expand, plain.Expand, 1.5},
              {"paint first screen", fc.Paint, plain.Paint, 1.5},
              {"scroll to the end", fc.Scroll, plain.Scroll, 1.5},
              {"clear (system tree: one whole delete)", fc.Clear, plain.Clear, 2}};
  for (const auto& r : rows)
    std::printf("%-38s %10.1f ms %10.1f ms %7.2fx\n", r.Name, r.Fc, r.Plain, r.Plain > 0 ? r.Fc / r.Plain : 0.0);
  std::printf("%-22s %10.1f ms %10.1f ms %7.2fx   (sorted tree against unsorted)\n", "add sorted, sort once",
              sortedBuild, unsortedBuild, unsortedBuild > 0 ? sortedBuild / unsortedBuild : 0.0);
  for (const auto& r : rows)
    bench::PrintRatio((std::string("fc tree, 100,000 nodes: ") + r.Name).c_str(), r.Plain > 0 ? r.Fc / r.Plain : 0.0,
                      bench::Target(r.Goal));
  std::printf("heap bytes a node: fc tree view %.0f, system tree %.0f\n", fc.Bytes, plain.Bytes);
  bench::PrintRatio("fc tree, 100,000 nodes: memory per node", fc.Bytes / plain.Bytes, bench::kNoTarget);
  bench::PrintRatio("fc tree, 100,000 nodes: added to a sorted tree, sorted once",
                    unsortedBuild > 0 ? sortedBuild / unsortedBuild : 0.0, bench::Target(1.5));
  std::fflush(stdout);
  delete form;
  return 0;
}
