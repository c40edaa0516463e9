// Benchmark: switching a program to no skin and back against switching it
// between two skins (the built-in and the dark one). The program is an MDI
// frame with a menu, a tool bar, a status bar and a page control, and four
// skinned MDI children with panels, buttons and labels, all on one skin data;
// each switch is timed until every window has painted. The slowest of the
// two no-skin directions is set against the slowest skin-to-skin direction,
// as a user waits for the slower one.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinToolBar.h"

namespace {

constexpr int kChildren = 4;

void Settle() {
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
}

template <class T>
T* Put(TWinControl* Parent, TspSkinData* Skin, int Left, int Top, int Width, int Height) {
  T* c = new T(Parent);
  c->SetParent(Parent);
  c->SetBounds(Left, Top, Width, Height);
  c->SetSkinData(Skin);
  return c;
}

void AddMenu(TForm* Form) {
  auto* menu = new TMainMenu(Form);
  for (const wchar_t* caption : {L"&File", L"&Edit", L"&View", L"&Window", L"&Help"}) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    auto* sub = new TMenuItem(menu);
    sub->SetCaption(L"&Item");
    item->Add(sub);
    menu->Items()->Add(item);
  }
  Form->SetMenu(menu);
}

TForm* NewFrame(TspSkinData* Skin) {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetCaption(L"Frame");
  frame->SetBounds(10, 10, 1000, 720);
  auto* skinForm = new TspSkinForm(frame);
  skinForm->SetSkinData(Skin);
  AddMenu(frame);
  skinForm->UpdateMenuBar();
  auto* tools = Put<TspSkinToolBar>(frame, Skin, 0, 0, 1000, 30);
  tools->SetAlign(alTop);
  auto* tabs = new TspSkinMDITabsBar(frame);
  tabs->SetParent(frame);
  tabs->SetAlign(alTop);
  tabs->SetSkinData(Skin);
  auto* pages = new TspSkinPageControl(frame);
  pages->SetParent(frame);
  pages->SetAlign(alLeft);
  pages->SetWidth(200);
  pages->SetSkinData(Skin);
  for (const wchar_t* caption : {L"One", L"Two"}) {
    auto* sheet = new TspSkinTabSheet(frame);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    Put<TspSkinButton>(sheet, Skin, 10, 10, 90, 25)->SetCaption(L"Button");
  }
  auto* status = Put<TspSkinStatusBar>(frame, Skin, 0, 0, 1000, 21);
  status->SetAlign(alBottom);
  return frame;
}

void AddChild(TForm* Frame, TspSkinData* Skin, int Index) {
  auto* child = new TForm(Frame);
  child->SetFormStyle(fsMDIChild);
  child->SetCaption(L"Child");
  child->SetBounds(20 * Index, 20 * Index, 420, 300);
  (new TspSkinForm(child))->SetSkinData(Skin);
  auto* panel = Put<TspSkinPanel>(child, Skin, 0, 0, 100, 40);
  panel->SetAlign(alTop);
  for (int row = 0; row < 4; ++row) {
    Put<TspSkinButton>(child, Skin, 10, 50 + row * 30, 90, 25)->SetCaption(L"Button");
    Put<TspSkinStdLabel>(child, Skin, 110, 54 + row * 30, 90, 20)->SetCaption(L"Label");
    Put<TspSkinPanel>(child, Skin, 210, 50 + row * 30, 120, 25);
  }
  child->Show();
}

// What a program does for no skin: the forms hear of it as of a load, and
// everything bound to the emptied skin data draws its default look.
void SwitchToNoSkin(TspSkinData* Skin) { Skin->ClearAll(); }

struct TSamples {
  std::vector<double> Times;
  void Add(const std::function<void()>& Body, TForm* Frame) {
    const auto start = std::chrono::steady_clock::now();
    Body();
    RedrawWindow(Frame->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  double Median() const { return bench::Median(Times); }
};

}  // namespace

int wmain() {
  Application->Initialize();
  auto* builtIn = bench::NewBuiltInStoredSkin();
  auto* dark = new TspCompressedStoredSkin(nullptr);
  dark->LoadFromSkinFile(String(SKINGUI_SOURCE_DIR L"/skins/Dark/skin.ini"));
  auto* skin = bench::NewSkinData(builtIn);

  TForm* frame = NewFrame(skin);
  frame->Show();
  for (int i = 0; i < kChildren; ++i) AddChild(frame, skin, i);
  Settle();
  // Each turn goes round built-in -> dark -> built-in -> none -> built-in, so
  // that every switch meets the machine's load of the moment alike.
  TSamples toDark, fromDark, toNone, fromNone;
  for (int turn = 0; turn < 12; ++turn) {
    toDark.Add([&] { skin->LoadCompressedStoredSkin(dark); }, frame);
    Settle();
    fromDark.Add([&] { skin->LoadCompressedStoredSkin(builtIn); }, frame);
    Settle();
    toNone.Add([&] { SwitchToNoSkin(skin); }, frame);
    Settle();
    fromNone.Add([&] { skin->LoadCompressedStoredSkin(builtIn); }, frame);
    Settle();
  }
  Free(frame);
  const double skinToSkin = std::max(toDark.Median(), fromDark.Median());
  const double noSkin = std::max(toNone.Median(), fromNone.Median());
  std::printf("built-in to dark %.2f ms, dark to built-in %.2f ms, to no skin %.2f ms, from no skin %.2f ms\n",
              toDark.Median(), fromDark.Median(), toNone.Median(), fromNone.Median());
  bench::PrintRatio("MDI frame, 4 skinned children: slowest switch to or from no skin / slowest between skins",
                    noSkin / skinToSkin, bench::Target(2));
  Free(skin);
  Free(dark);
  Free(builtIn);
  return 0;
}
