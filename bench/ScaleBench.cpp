// Benchmark: forms of 100 and of 5,000 skinned buttons and panels wearing the
// built-in skin against the same forms of plain class-library buttons and
// panels, shown and then filled, repainted, switched to the same skin and
// freed in one process, the two sides taking turns. Prints the ratios by
// size, the growth of the library's share from 100 to 5,000 controls, and
// what a control holds: windows, GDI objects before and after it paints, and
// heap bytes.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "bench/BenchHeap.h"
#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/GuiCounts.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinLookCache.h"
#include "skinctrls/SkinPanels.h"

namespace {

constexpr int kCellW = 24, kCellH = 16, kColumns = 50;

void Settle() {
  for (int i = 0; i < 4; ++i) Application->ProcessMessages();
}

double Ms(const std::chrono::steady_clock::time_point& Since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Since).count();
}

// One round of one side at one size.
struct TRound {
  double Create = 0, Repaint = 0, Switch = 0, Free = 0;
  double Windows = 0, GdiMade = 0, GdiShown = 0, Heap = 0, Looks = 0;  // per control
};

// Each control is given its parent first and its place after, the way a
// program usually writes it; with --bounds-first, its place first.
bool gBoundsFirst = false;

// A form of Count controls, buttons and panels by turns; a Shown form shows
// before its controls are made.
TForm* MakeForm(bool Skinned, int Count, TspSkinData* Skin, bool Shown) {
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, kColumns * kCellW + 20, 780);
  if (Skinned) (new TspSkinForm(form))->SetSkinData(Skin);
  if (Shown) form->Show();
  for (int i = 0; i < Count; ++i) {
    TControl* c;
    if (Skinned) c = i % 2 ? static_cast<TControl*>(new TspSkinButton(form)) : new TspSkinPanel(form);
    else c = i % 2 ? static_cast<TControl*>(new TButton(form)) : new TPanel(form);
    if (!gBoundsFirst) c->SetParent(form);
    if (auto* b = dynamic_cast<TspSkinButton*>(c)) b->SetSkinData(Skin);
    if (auto* p = dynamic_cast<TspSkinPanel*>(c)) p->SetSkinData(Skin);
    if (i % 2) c->SetCaption(L"B");
    c->SetBounds(4 + (i % kColumns) * kCellW, 4 + (i / kColumns) * kCellH, kCellW - 2, kCellH - 2);
    if (gBoundsFirst) c->SetParent(form);
  }
  return form;
}

// Windows, GDI objects and heap bytes that a form of Count controls holds,
// made with its windows but never shown.
void CountHeld(bool Skinned, int Count, TspSkinData* Skin, double& Windows, double& Gdi, double& Heap) {
  Settle();
  const int windows0 = ThreadWindowsWithChildren(), gdi0 = GdiObjectsInUse();
  const long long heap0 = bench::HeapBytesInUse();
  TForm* form = MakeForm(Skinned, Count, Skin, false);
  form->HandleNeeded();
  Windows = ThreadWindowsWithChildren() - windows0;
  Gdi = GdiObjectsInUse() - gdi0;
  Heap = static_cast<double>(bench::HeapBytesInUse() - heap0);
  Free(form);
  Settle();
}

TRound Measure(bool Skinned, int Count, TspSkinData* Skin, TspCompressedStoredSkin* Stored, double BareLoadMs) {
  TRound r;
  // What the controls hold, beyond what the empty form of that side holds.
  double emptyWindows, emptyGdi, emptyHeap;
  CountHeld(Skinned, 0, Skin, emptyWindows, emptyGdi, emptyHeap);
  CountHeld(Skinned, Count, Skin, r.Windows, r.GdiMade, r.Heap);
  r.Windows = (r.Windows - emptyWindows) / Count;
  r.GdiMade = (r.GdiMade - emptyGdi) / Count;
  r.Heap = (r.Heap - emptyHeap) / Count;
  Settle();
  const int gdi0 = GdiObjectsInUse();
  auto t = std::chrono::steady_clock::now();
  TForm* form = MakeForm(Skinned, Count, Skin, true);
  UpdateWindow(form->Handle());
  r.Create = Ms(t);
  Settle();
  r.GdiShown = static_cast<double>(GdiObjectsInUse() - gdi0 - emptyGdi) / Count;
  r.Looks = static_cast<double>(TspLookCache::BytesHeld()) / Count;
  t = std::chrono::steady_clock::now();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  r.Repaint = Ms(t);
  if (Skinned) {
    t = std::chrono::steady_clock::now();
    Skin->LoadCompressedStoredSkin(Stored);
    UpdateWindow(form->Handle());
    r.Switch = Ms(t);
  } else {
    r.Switch = BareLoadMs + r.Repaint;  // what a shown switch cannot do without
  }
  Settle();
  t = std::chrono::steady_clock::now();
  Free(form);
  Settle();
  r.Free = Ms(t);
  return r;
}

double BareLoad(TspCompressedStoredSkin* Stored) {
  auto* bare = new TspSkinData(nullptr);
  const auto t = std::chrono::steady_clock::now();
  bare->LoadCompressedStoredSkin(Stored);
  const double ms = Ms(t);
  Free(bare);
  return ms;
}

}  // namespace

// The larger size may be given as an argument (5,000 by default), and
// --bounds-first places each control before giving it its parent.
int wmain(int argc, wchar_t** argv) {
  int largeCount = 5000;
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--bounds-first") == 0) gBoundsFirst = true;
    else largeCount = std::max(200, _wtoi(argv[i]));
  }
  Application->Initialize();
  auto* stored = bench::NewBuiltInStoredSkin();
  auto* skin = bench::NewSkinData(stored);
  const double bareMs = BareLoad(stored);
  struct TSize {
    int Count;
    TRound Skinned, Plain;
  } sizes[] = {{100, {}, {}}, {largeCount, {}, {}}};
  for (TSize& size : sizes) {
    // A warm-up round of each side at 100, then the two sides by turns.
    if (size.Count == 100) {
      Measure(true, 100, skin, stored, bareMs);
      Measure(false, 100, skin, stored, bareMs);
    }
    size.Plain = Measure(false, size.Count, skin, stored, bareMs);
    size.Skinned = Measure(true, size.Count, skin, stored, bareMs);
  }
  char name[160];
  for (const TSize& size : sizes) {
    const TRound &s = size.Skinned, &p = size.Plain;
    std::printf("%d controls (ms)      create  repaint  switch    free | per control: windows gdi-made gdi-shown heap\n",
                size.Count);
    std::printf("  skinned        %9.1f %8.1f %7.1f %7.1f | %6.2f %6.2f %6.2f %8.0f\n", s.Create, s.Repaint, s.Switch,
                s.Free, s.Windows, s.GdiMade, s.GdiShown, s.Heap);
    std::printf("  plain          %9.1f %8.1f %7.1f %7.1f | %6.2f %6.2f %6.2f %8.0f\n", p.Create, p.Repaint, p.Switch,
                p.Free, p.Windows, p.GdiMade, p.GdiShown, p.Heap);
    const struct {
      const char* What;
      double Value;
      bench::Target Goal;
    } rows[] = {
        {"create", s.Create / p.Create, bench::Target(1.5)},
        {"repaint", s.Repaint / p.Repaint, bench::Target(1.3)},
        {"shown skin switch (plain: bare load + repaint)", s.Switch / p.Switch, bench::Target(1.3)},
        {"free", s.Free / p.Free, bench::Target(1.5)},
        {"memory per control", s.Heap / p.Heap, bench::Target(2)},
    };
    for (const auto& row : rows) {
      std::snprintf(name, sizeof name, "%d controls, %s: skinned / plain", size.Count, row.What);
      bench::PrintRatio(name, row.Value, row.Goal);
    }
    std::snprintf(name, sizeof name, "%d controls, windows per skinned control", size.Count);
    bench::PrintRatio(name, s.Windows, bench::Target(1));
    std::snprintf(name, sizeof name, "%d controls, GDI objects per skinned control before painting", size.Count);
    bench::PrintRatio(name, s.GdiMade, bench::kNoTarget);
    std::snprintf(name, sizeof name, "%d controls, GDI objects per skinned control shown and idle", size.Count);
    bench::PrintRatio(name, s.GdiShown, bench::kNoTarget);
    std::printf("  the skinned controls' kept looks: %.0f bytes of pixels a control\n", s.Looks);
  }
  // The growth of the library's share: how much more a skinned control's
  // cost grows from 100 to the larger size than a plain one's does. (What a
  // skinned control costs beyond a plain one is within the noise at 100.)
  const TSize &small = sizes[0], &large = sizes[1];
  const auto growth = [&](double TRound::*Field) {
    return (large.Skinned.*Field / large.Plain.*Field) / (small.Skinned.*Field / small.Plain.*Field);
  };
  for (const auto& row : {std::make_pair("create", &TRound::Create), std::make_pair("free", &TRound::Free)}) {
    std::snprintf(name, sizeof name, "growth of the library's share of %s, %d / 100 controls", row.first, largeCount);
    bench::PrintRatio(name, growth(row.second), bench::Target(1.5));
  }
  Free(skin);
  Free(stored);
  return 0;
}
