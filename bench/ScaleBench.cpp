// Benchmark: forms of 100, 1,000 and 5,000 skinned controls of each kind
// (buttons, panels, edits, spin edits, labels, check boxes, combo boxes, list
// boxes, buttons inside a scroll box, and all of them mixed) wearing the
// built-in skin against the same forms of plain controls over the system's
// window classes, shown and then filled, repainted, switched to the same
// skin, resized and freed in one process, the two sides taking turns. Prints
// the ratios by kind and size, the growth of the library's share from 100 to
// the largest size, and what a control of the mixed form holds: windows, GDI
// objects before and after it paints, and heap bytes.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>
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
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinLookCache.h"
#include "skinctrls/SkinPanels.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinScrollBox.h"
#include "skininputs/SkinSpinEdit.h"

namespace {

constexpr int kCellW = 24, kCellH = 16, kColumns = 50;

// The plain side's controls the class library has no class for, over the
// system's window classes as a program without skins would make them.
class TPlainCheckBox : public TButton {
 public:
  using TButton::TButton;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButton::CreateParams(Params);
    Params.Style = (Params.Style & ~0xF) | BS_AUTOCHECKBOX;
  }
};

class TPlainComboBox : public TWinControl {
 public:
  explicit TPlainComboBox(TComponent* AOwner) : TWinControl(AOwner) { FControlStyle.Include(csFixedHeight); }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, L"COMBOBOX");
    Params.Style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
  }
};

// An edit with the system's up-down arrows inside it.
class TPlainSpinEdit : public TEdit {
 public:
  using TEdit::TEdit;

 protected:
  void CreateHandleDone() override {
    TEdit::CreateHandleDone();
    CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, std::max(0, Width() - 12), 0, 12, Height(),
                    Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }
};

// A control of a kind, dressed in Skin on the skinned side; not yet placed.
using TMake = std::function<TControl*(bool Skinned, TComponent* Owner, TspSkinData* Skin)>;

template <class TSkinned, class TPlain>
TMake Pair() {
  return [](bool Skinned, TComponent* Owner, TspSkinData* Skin) -> TControl* {
    if (!Skinned) return new TPlain(Owner);
    auto* c = new TSkinned(Owner);
    c->SetSkinData(Skin);
    return c;
  };
}

struct TKind {
  const char* Name;
  std::vector<TMake> Makers;  // taken in turn
  bool InScrollBox = false;   // the controls go inside one box (a plain panel on the plain side)
};

const std::vector<TKind>& Kinds() {
  static const std::vector<TKind> kinds = [] {
    const TMake buttons = Pair<TspSkinButton, TButton>(), panels = Pair<TspSkinPanel, TPanel>(),
                edits = Pair<TspSkinEdit, TEdit>(), labels = Pair<TspSkinStdLabel, TLabel>(),
                checks = Pair<TspSkinCheckRadioBox, TPlainCheckBox>();
    return std::vector<TKind>{
        {"buttons", {buttons}},
        {"panels", {panels}},
        {"edits", {edits}},
        {"spin edits", {Pair<TspSkinSpinEdit, TPlainSpinEdit>()}},
        {"labels", {labels}},
        {"check boxes", {checks}},
        {"combo boxes", {Pair<TspSkinComboBox, TPlainComboBox>()}},
        {"list boxes", {Pair<TspSkinListBox, TListBox>()}},
        {"buttons in a scroll box", {buttons}, true},
        {"mixed", {buttons, panels, edits, labels, checks}},
    };
  }();
  return kinds;
}

void Settle() {
  for (int i = 0; i < 4; ++i) Application->ProcessMessages();
}

double Ms(const std::chrono::steady_clock::time_point& Since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Since).count();
}

// What was timed in one round of one side, and what a control held.
struct TRound {
  double Create = 0, Repaint = 0, Switch = 0, Resize = 0, Free = 0;
  double Windows = 0, GdiMade = 0, GdiShown = 0, Heap = 0, Looks = 0;  // per control
};
enum TStep { stCreate, stRepaint, stSwitch, stResize, stFree, stCount };
const char* const kStepNames[stCount] = {"create", "repaint", "shown skin switch (plain: bare load + repaint)",
                                         "resize", "free"};
double TRound::*const kSteps[stCount] = {&TRound::Create, &TRound::Repaint, &TRound::Switch, &TRound::Resize,
                                         &TRound::Free};

// Each control is given its parent first and its place after, the way a
// program usually writes it; with --bounds-first, its place first.
bool gBoundsFirst = false;

// A form of Count controls of Kind; a Shown form shows before its controls
// are made. Made lists the controls counted.
TForm* MakeForm(const TKind& Kind, bool Skinned, int Count, TspSkinData* Skin, bool Shown,
                std::vector<TControl*>* Made = nullptr) {
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, kColumns * kCellW + 20, 780);
  if (Skinned) (new TspSkinForm(form))->SetSkinData(Skin);
  if (Shown) form->Show();
  TWinControl* parent = form;
  if (Kind.InScrollBox) {
    parent = Skinned ? static_cast<TWinControl*>(Pair<TspSkinScrollBox, TPanel>()(true, form, Skin))
                     : new TPanel(form);
    parent->SetParent(form);
    parent->SetAlign(alClient);
  }
  for (int i = 0; i < Count; ++i) {
    TControl* c = Kind.Makers[static_cast<size_t>(i) % Kind.Makers.size()](Skinned, form, Skin);
    if (!gBoundsFirst) c->SetParent(parent);
    c->SetCaption(L"B");
    c->SetBounds(4 + (i % kColumns) * kCellW, 4 + (i / kColumns) * kCellH, kCellW - 2, kCellH - 2);
    if (gBoundsFirst) c->SetParent(parent);
    if (Made) Made->push_back(c);
  }
  return form;
}

// Windows, GDI objects and heap bytes that a form of Count controls holds,
// made with its windows but never shown.
void CountHeld(const TKind& Kind, bool Skinned, int Count, TspSkinData* Skin, double& Windows, double& Gdi,
               double& Heap) {
  Settle();
  const int windows0 = ThreadWindowsWithChildren(), gdi0 = GdiObjectsInUse();
  const long long heap0 = bench::HeapBytesInUse();
  TForm* form = MakeForm(Kind, Skinned, Count, Skin, false);
  form->HandleNeeded();
  Windows = ThreadWindowsWithChildren() - windows0;
  Gdi = GdiObjectsInUse() - gdi0;
  Heap = static_cast<double>(bench::HeapBytesInUse() - heap0);
  Free(form);
  Settle();
}

TRound Measure(const TKind& Kind, bool Skinned, int Count, TspSkinData* Skin, TspCompressedStoredSkin* Stored,
               double BareLoadMs, bool CountWhatIsHeld) {
  TRound r;
  double emptyGdi = 0;
  if (CountWhatIsHeld) {
    // What the controls hold, beyond what the empty form of that side holds.
    double emptyWindows, emptyHeap;
    CountHeld(Kind, Skinned, 0, Skin, emptyWindows, emptyGdi, emptyHeap);
    CountHeld(Kind, Skinned, Count, Skin, r.Windows, r.GdiMade, r.Heap);
    r.Windows = (r.Windows - emptyWindows) / Count;
    r.GdiMade = (r.GdiMade - emptyGdi) / Count;
    r.Heap = (r.Heap - emptyHeap) / Count;
  }
  Settle();
  const int gdi0 = GdiObjectsInUse();
  std::vector<TControl*> made;
  auto t = std::chrono::steady_clock::now();
  TForm* form = MakeForm(Kind, Skinned, Count, Skin, true, &made);
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
  // Every control a little wider, as a layout that follows the form's width would make it.
  t = std::chrono::steady_clock::now();
  for (TControl* c : made) c->SetBounds(c->Left(), c->Top(), c->Width() + 1, c->Height());
  UpdateWindow(form->Handle());
  r.Resize = Ms(t);
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

// The largest size may be given as an argument (5,000 by default), the kinds
// by name (--kind NAME, repeated; every kind by default), and --bounds-first
// places each control before giving it its parent.
int wmain(int argc, wchar_t** argv) {
  int largeCount = 5000;
  std::vector<const TKind*> kinds;
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--bounds-first") == 0) {
      gBoundsFirst = true;
    } else if (std::wcscmp(argv[i], L"--kind") == 0 && i + 1 < argc) {
      char name[64];
      std::snprintf(name, sizeof name, "%ls", argv[++i]);
      for (const TKind& k : Kinds())
        if (std::strcmp(k.Name, name) == 0) kinds.push_back(&k);
    } else {
      largeCount = std::max(1000, _wtoi(argv[i]));
    }
  }
  if (kinds.empty())
    for (const TKind& k : Kinds()) kinds.push_back(&k);
  Application->Initialize();
  auto* stored = bench::NewBuiltInStoredSkin();
  auto* skin = bench::NewSkinData(stored);
  const double bareMs = BareLoad(stored);
  const int counts[] = {100, 1000, largeCount};
  char name[200];
  for (const TKind* kind : kinds) {
    const bool held = std::strcmp(kind->Name, "mixed") == 0;
    // A warm-up round of each side at 100, then the two sides by turns.
    Measure(*kind, true, 100, skin, stored, bareMs, false);
    Measure(*kind, false, 100, skin, stored, bareMs, false);
    TRound skinned[3], plain[3];
    for (int s = 0; s < 3; ++s) {
      plain[s] = Measure(*kind, false, counts[s], skin, stored, bareMs, held);
      skinned[s] = Measure(*kind, true, counts[s], skin, stored, bareMs, held);
    }
    for (int s = 0; s < 3; ++s) {
      const TRound &k = skinned[s], &p = plain[s];
      std::printf("%s, %d (ms)  create  repaint  switch  resize    free\n", kind->Name, counts[s]);
      std::printf("  skinned      %8.1f %8.1f %7.1f %7.1f %7.1f\n", k.Create, k.Repaint, k.Switch, k.Resize, k.Free);
      std::printf("  plain        %8.1f %8.1f %7.1f %7.1f %7.1f\n", p.Create, p.Repaint, p.Switch, p.Resize, p.Free);
      for (int step = 0; step < stCount; ++step) {
        std::snprintf(name, sizeof name, "%s, %d controls, %s: skinned / plain", kind->Name, counts[s],
                      kStepNames[step]);
        bench::PrintRatio(name, k.*kSteps[step] / (p.*kSteps[step]), bench::Target(1.5));
      }
      if (!held) continue;
      std::printf("  per control: windows %.2f / %.2f, GDI made %.2f, shown %.2f, heap %.0f / %.0f bytes, "
                  "kept looks %.0f bytes\n",
                  k.Windows, p.Windows, k.GdiMade, k.GdiShown, k.Heap, p.Heap, k.Looks);
      const struct {
        const char* What;
        double Value;
        bench::Target Goal;
      } rows[] = {
          {"memory per control: skinned / plain", k.Heap / p.Heap, bench::Target(2)},
          {"windows per control: skinned / plain", k.Windows / p.Windows, bench::Target(1)},
          {"GDI objects per skinned control before painting", k.GdiMade, bench::kNoTarget},
          {"GDI objects per skinned control shown and idle", k.GdiShown, bench::kNoTarget},
      };
      for (const auto& row : rows) {
        std::snprintf(name, sizeof name, "%s, %d controls, %s", kind->Name, counts[s], row.What);
        bench::PrintRatio(name, row.Value, row.Goal);
      }
    }
    // The growth of the library's share: how much more a skinned control's
    // cost grows from 100 to the largest size than a plain one's does.
    for (int step = 0; step < stCount; ++step) {
      double TRound::*field = kSteps[step];
      const double growth = (skinned[2].*field / (plain[2].*field)) / (skinned[0].*field / (plain[0].*field));
      std::snprintf(name, sizeof name, "%s, growth of the library's share of %s, %d / 100 controls", kind->Name,
                    step == stSwitch ? "shown switch" : kStepNames[step], largeCount);
      bench::PrintRatio(name, growth, bench::Target(1.5));
    }
  }
  Free(skin);
  Free(stored);
  return 0;
}
