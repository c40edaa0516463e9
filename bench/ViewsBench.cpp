// Benchmark: 100,000 rows added to the skinned list view (report style, two
// columns) and to the skinned tree view, and their first screen painted, next
// to the plain system controls filled by messages in the same way (prints ratios).
#include <windows.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinTreeView.h"

namespace {

constexpr int kRows = 100000, kRuns = 3;

double MedianMs(int Runs, const std::function<void()>& Body) {
  std::vector<double> times;
  for (int i = 0; i < Runs; ++i) times.push_back(bench::Milliseconds(Body));
  return bench::Median(times);
}

String RowText(int I) { return L"Row \x884C " + IntToStr(I); }

void Paint(HWND Window) {
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The system control as a program without this library fills it.
void PlainList(HWND Parent) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 400,
                              500, Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW col = {};
    col.mask = LVCF_WIDTH | LVCF_TEXT;
    col.cx = 150;
    col.pszText = const_cast<wchar_t*>(c ? L"Value" : L"Name");
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
  }
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < kRows; ++i) {
    String text = RowText(i), value = IntToStr(i * 7);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = &text[0];
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = &value[0];
    SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  Paint(list);
  DestroyWindow(list);
}

void PlainTree(HWND Parent) {
  HWND tree = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, 10, 10, 400, 500,
                              Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < kRows; ++i) {
    String text = RowText(i);
    TVINSERTSTRUCTW is = {};
    is.hParent = TVI_ROOT;
    is.hInsertAfter = TVI_LAST;
    is.item.mask = TVIF_TEXT;
    is.item.pszText = &text[0];
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&is));
  }
  SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
  Paint(tree);
  SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  DestroyWindow(tree);
}

template <class TView>
TView* PutView(TForm* Form, TspSkinData* Skin) {
  auto* view = new TView(Form);
  view->SetParent(Form);
  view->SetBounds(10, 10, 384, 500);
  auto* bar = new TspSkinScrollBar(Form);
  bar->SetParent(Form);
  bar->SetKind(sbVertical);
  bar->SetBounds(394, 10, 16, 500);
  bar->SetSkinDataName(L"vscrollbar");
  bar->SetSkinData(Skin);
  view->SetSkinData(Skin);
  view->SetVScrollBar(bar);
  return view;
}

void SkinnedList(TForm* Form, TspSkinData* Skin) {
  auto* list = PutView<TspSkinListView>(Form, Skin);
  list->SetViewStyle(vsReport);
  for (const wchar_t* caption : {L"Name", L"Value"}) {
    TListColumn* c = list->Columns()->Add();
    c->SetCaption(caption);
    c->SetWidth(150);
  }
  TListItems* items = list->Items();
  items->BeginUpdate();
  for (int i = 0; i < kRows; ++i) {
    TListItem* item = items->Add();
    item->SetCaption(RowText(i));
    item->SubItems()->Add(IntToStr(i * 7));
  }
  items->EndUpdate();
  Paint(list->Handle());
  Free(list->VScrollBar());
  Free(list);
}

void SkinnedTree(TForm* Form, TspSkinData* Skin) {
  auto* tree = PutView<TspSkinTreeView>(Form, Skin);
  TTreeNodes* nodes = tree->Items();
  nodes->BeginUpdate();
  for (int i = 0; i < kRows; ++i) nodes->Add(nullptr, RowText(i));
  nodes->EndUpdate();
  Paint(tree->Handle());
  Free(tree->VScrollBar());
  Free(tree);
}

}  // namespace

int wmain() {
  Application->Initialize();
  auto* stored = bench::NewBuiltInStoredSkin();
  auto* skin = bench::NewSkinData(stored);
  auto* form = new TForm(nullptr);
  form->SetBounds(10, 10, 440, 560);
  (new TspSkinForm(form))->SetSkinData(skin);
  form->Show();
  Application->ProcessMessages();
  HWND parent = form->Handle();

  std::printf("100,000 rows added and the first screen painted (medians of %d runs)\n", kRuns);
  const double plainTree = MedianMs(kRuns, [&] { PlainTree(parent); });
  const double skinnedTree = MedianMs(kRuns, [&] { SkinnedTree(form, skin); });
  std::printf("tree view: skinned %.1f ms, plain system control %.1f ms, ratio %.2f (target 1.5)\n", skinnedTree,
              plainTree, skinnedTree / plainTree);
  bench::PrintRatio("skinned tree view: 100,000 items and first paint", skinnedTree / plainTree, bench::Target(1.5));
  std::fflush(stdout);
  const double plainList = MedianMs(kRuns, [&] { PlainList(parent); });
  const double skinnedList = MedianMs(kRuns, [&] { SkinnedList(form, skin); });
  std::printf("list view: skinned %.1f ms, plain system control %.1f ms, ratio %.2f (target 1.5)\n", skinnedList,
              plainList, skinnedList / plainList);
  bench::PrintRatio("skinned list view: 100,000 items and first paint", skinnedList / plainList, bench::Target(1.5));
  Free(form);
  Free(skin);
  Free(stored);
  return 0;
}
