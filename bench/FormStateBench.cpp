// Benchmark: maximize and restore of a form of 100 skinned controls (anchored
// panels and status bars, labels) wearing the built-in skin's frame, against
// the same form and controls with the system frame; each change is timed
// until every window has painted. Prints the times, the paints of one
// maximize and the ratio line.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"

namespace {

constexpr int kColumns = 10, kRows = 10, kCellW = 60, kCellH = 40;

void Settle() {
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
}

// Ten kinds a row, a quarter of them anchored to the right and bottom so
// that a maximize moves or stretches them.
TForm* NewForm(const wchar_t* Caption, TspSkinData* Skin, bool SkinnedFrame) {
  auto* form = new TForm(nullptr);
  form->SetCaption(Caption);
  form->SetBounds(20, 20, kColumns * kCellW + 40, kRows * kCellH + 80);
  if (SkinnedFrame) (new TspSkinForm(form))->SetSkinData(Skin);
  for (int row = 0; row < kRows; ++row)
    for (int column = 0; column < kColumns; ++column) {
      TControl* c = nullptr;
      switch (column % 5) {
        case 0: {
          auto* bar = new TspSkinStatusBar(form);
          bar->SetAlign(alNone);
          bar->SetSizeGrip(true);
          bar->SetSkinData(Skin);
          c = bar;
          break;
        }
        case 1: {
          auto* label = new TspSkinStdLabel(form);
          label->SetCaption(L"Label");
          label->SetSkinData(Skin);
          c = label;
          break;
        }
        default: {
          auto* panel = new TspSkinPanel(form);
          panel->SetSkinData(Skin);
          c = panel;
          break;
        }
      }
      c->SetParent(form);
      c->SetBounds(8 + column * kCellW, 8 + row * kCellH, kCellW - 6, kCellH - 6);
      if (column >= 7) c->SetAnchors(column == 9 ? TAnchors{akLeft, akTop, akRight, akBottom}
                                                 : TAnchors{akRight, akBottom});
    }
  return form;
}

int Paints = 0;

LRESULT CALLBACK CountPaints(int Code, WPARAM W, LPARAM L) {
  if (Code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(L)->message == WM_PAINT) ++Paints;
  return CallNextHookEx(nullptr, Code, W, L);
}

// The form's window state as its user changes it: through the skinned form
// when it has one.
void SetState(TForm* Form, int State) {
  if (TspSkinForm* skinForm = GetSkinForm(Form)) skinForm->SetWindowState(State);
  else Form->SetWindowState(static_cast<TWindowState>(State));
}

// Median of Runs maximize-and-restore rounds, each change drawn to the end.
double RoundTrip(TForm* Form, int Runs) {
  std::vector<double> times;
  for (int i = 0; i < Runs; ++i) {
    times.push_back(bench::Milliseconds([&] {
      SetState(Form, 2);
      Settle();
      SetState(Form, 0);
      Settle();
    }));
  }
  return bench::Median(times);
}

int PaintsOfOneMaximize(TForm* Form) {
  Paints = 0;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountPaints, nullptr, GetCurrentThreadId());
  SetState(Form, 2);
  Settle();
  UnhookWindowsHookEx(hook);
  const int paints = Paints;
  SetState(Form, 0);
  Settle();
  return paints;
}

}  // namespace

int wmain() {
  Application->Initialize();
  auto* stored = bench::NewBuiltInStoredSkin();
  auto* skin = bench::NewSkinData(stored);

  double times[2] = {};
  int paints[2] = {};
  for (int pass = 0; pass < 2; ++pass) {
    const bool skinned = pass == 1;
    TForm* form = NewForm(skinned ? L"Skinned frame" : L"System frame", skin, skinned);
    form->Show();
    Settle();
    RoundTrip(form, 2);  // warm up
    paints[pass] = PaintsOfOneMaximize(form);
    times[pass] = RoundTrip(form, 21);
    Free(form);
    Settle();
  }
  std::printf("maximize and restore, 100 controls, system frame:  %8.2f ms (%d WM_PAINT per maximize)\n", times[0],
              paints[0]);
  std::printf("maximize and restore, 100 controls, skinned frame: %8.2f ms (%d WM_PAINT per maximize)\n", times[1],
              paints[1]);
  bench::PrintRatio("maximize and restore, 100 controls: skinned / system frame", times[1] / times[0],
                    bench::Target(2));
  Free(skin);
  Free(stored);
  return 0;
}
