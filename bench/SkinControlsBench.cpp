// Benchmark: a form of 100 skinned panels, labels and bevels wearing the
// built-in skin, against the same form of plain class-library controls in the
// same places (full repaint; a resize of the form that resizes every control,
// so that every look is composed anew), and a whole skin switch (load,
// messages, re-reads, repaint) against the bare load of the same skin, which
// a skin data component bound to no control does, plus the plain form's full
// repaint that a shown form cannot do without.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "classlib/Bevel.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"

namespace {

constexpr int kColumns = 10, kRows = 10, kCellW = 78, kCellH = 56, kCellGrow = 4;

// Timings of one measure, in milliseconds.
struct TSamples {
  std::vector<double> Times;
  void Add(int Runs, const std::function<void()>& Body) {
    for (int i = 0; i < Runs; ++i) {
      const auto start = std::chrono::steady_clock::now();
      Body();
      Times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
  }
  double Median() const {
    std::vector<double> t = Times;
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
  }
};

void Repaint(TForm* Form) {
  RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TForm* NewForm(const wchar_t* Caption, int Left) {
  auto* form = new TForm(nullptr);
  form->SetCaption(Caption);
  form->SetBounds(Left, 10, kColumns * kCellW + 40, kRows * kCellH + 60);
  return form;
}

template <class T>
T* Put(TForm* Form, int Column, int Row) {
  T* c = new T(Form);
  c->SetParent(Form);
  c->SetBounds(8 + Column * kCellW, 8 + Row * kCellH, kCellW - 6, kCellH - 6);
  return c;
}

// The form resized by CellGrow pixels a cell and back, each control growing
// with its cell, every window painted after each step.
void ResizeTwice(TForm* Form) {
  for (int grow : {kCellGrow, 0}) {
    const int pitch = kCellW + kCellGrow - grow;  // the cells' width before the step
    Form->DisableAlign();
    for (int i = 0; i < Form->ControlCount(); ++i) {
      TControl* c = Form->Controls(i);
      const int column = (c->Left() - 8) / pitch;
      c->SetBounds(8 + column * (kCellW + grow), c->Top(), kCellW + grow - 6, c->Height());
    }
    Form->SetBounds(Form->Left(), Form->Top(), kColumns * (kCellW + grow) + 40, Form->Height());
    Form->EnableAlign();
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
}

template <class T>
T* PutSkinned(TForm* Form, int Column, int Row, TspSkinData* Skin) {
  T* c = Put<T>(Form, Column, Row);
  c->SetSkinData(Skin);
  return c;
}

// Ten kinds a row: captioned panel, group box, plain panel, status bar,
// paint panel, two labels, a button label and two bevels.
TForm* SkinnedForm(TspSkinData* Skin) {
  TForm* form = NewForm(L"Skinned", 10);
  (new TspSkinForm(form))->SetSkinData(Skin);
  for (int row = 0; row < kRows; ++row) {
    auto* panel = PutSkinned<TspSkinPanel>(form, 0, row, Skin);
    panel->SetCaptionMode(true);
    panel->SetCaption(L"Panel");
    PutSkinned<TspSkinGroupBox>(form, 1, row, Skin)->SetCaption(L"Group");
    PutSkinned<TspSkinPanel>(form, 2, row, Skin);
    auto* bar = PutSkinned<TspSkinStatusBar>(form, 3, row, Skin);
    bar->SetAlign(alNone);
    bar->SetBounds(8 + 3 * kCellW, 8 + row * kCellH, kCellW - 6, 21);
    bar->SetSizeGrip(true);
    PutSkinned<TspSkinPaintPanel>(form, 4, row, Skin);
    PutSkinned<TspSkinStdLabel>(form, 5, row, Skin)->SetCaption(L"Label \x6807\x7B7E");
    PutSkinned<TspSkinStdLabel>(form, 6, row, Skin)->SetCaption(L"Another");
    PutSkinned<TspSkinButtonLabel>(form, 7, row, Skin)->SetCaption(L"Button label");
    PutSkinned<TspSkinBevel>(form, 8, row, Skin);
    PutSkinned<TspSkinBevel>(form, 9, row, Skin)->SetShape(bsFrame);
  }
  return form;
}

// The same places with the class library's panel, label and bevel.
TForm* PlainForm() {
  TForm* form = NewForm(L"Plain", 10);
  for (int row = 0; row < kRows; ++row) {
    for (int column : {0, 1, 2, 3, 4}) Put<TPanel>(form, column, row)->SetCaption(column < 2 ? L"Panel" : L"");
    Put<TLabel>(form, 5, row)->SetCaption(L"Label \x6807\x7B7E");
    Put<TLabel>(form, 6, row)->SetCaption(L"Another");
    Put<TLabel>(form, 7, row)->SetCaption(L"Button label");
    Put<TBevel>(form, 8, row);
    Put<TBevel>(form, 9, row)->SetShape(bsFrame);
  }
  return form;
}

// Messages of the paint kinds that the windows of this thread receive, by kind.
struct TPaintCounts {
  int Paint = 0, EraseBkgnd = 0, NCPaint = 0;
};
TPaintCounts PaintCounts;

LRESULT CALLBACK CountPaints(int Code, WPARAM W, LPARAM L) {
  if (Code == HC_ACTION) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(L);
    if (m->message == WM_PAINT) ++PaintCounts.Paint;
    if (m->message == WM_ERASEBKGND) ++PaintCounts.EraseBkgnd;
    if (m->message == WM_NCPAINT) ++PaintCounts.NCPaint;
  }
  return CallNextHookEx(nullptr, Code, W, L);
}

void Settle() {
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
}

}  // namespace

int wmain() {
  Application->Initialize();
  auto* stored = bench::NewBuiltInStoredSkin();
  auto* skin = bench::NewSkinData(stored);
  auto* bare = new TspSkinData(nullptr);  // bound to nothing: the load alone

  TForm* skinned = SkinnedForm(skin);
  TForm* plain = PlainForm();
  skinned->Show();
  Settle();
  // One switch with the messages counted, to see how often the windows paint.
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountPaints, nullptr, GetCurrentThreadId());
  skin->LoadCompressedStoredSkin(stored);
  UpdateWindow(skinned->Handle());
  UnhookWindowsHookEx(hook);
  std::printf("one switch: %d WM_PAINT, %d WM_ERASEBKGND, %d WM_NCPAINT\n", PaintCounts.Paint,
              PaintCounts.EraseBkgnd, PaintCounts.NCPaint);
  // The two forms take turns, a few runs of each measure a turn, so that the
  // machine's load of the moment weighs on both sides of every ratio alike.
  TSamples skinnedPaint, skinnedResize, switchMs, bareMs, plainPaint, plainResize, hiddenMs;
  for (int turn = 0; turn < 8; ++turn) {
    plain->Hide();
    skinned->Show();
    Settle();
    skinnedPaint.Add(4, [&] { Repaint(skinned); });
    skinnedResize.Add(2, [&] { ResizeTwice(skinned); });
    switchMs.Add(4, [&] {
      skin->LoadCompressedStoredSkin(stored);
      UpdateWindow(skinned->Handle());
    });
    bareMs.Add(4, [&] { bare->LoadCompressedStoredSkin(stored); });
    // The same switch with the form hidden: load, messages and re-reads without painting.
    skinned->Hide();
    hiddenMs.Add(4, [&] { skin->LoadCompressedStoredSkin(stored); });
    plain->Show();
    Settle();
    plainPaint.Add(4, [&] { Repaint(plain); });
    plainResize.Add(2, [&] { ResizeTwice(plain); });
  }
  Free(skinned);
  Free(plain);
  const double skinnedPaintMs = skinnedPaint.Median(), skinnedResizeMs = skinnedResize.Median();
  const double switchShownMs = switchMs.Median(), bareLoadMs = bareMs.Median(), hiddenSwitchMs = hiddenMs.Median();
  const double plainPaintMs = plainPaint.Median(), plainResizeMs = plainResize.Median();

  std::printf("100 controls, full repaint: skinned %.2f ms, plain %.2f ms, ratio %.2f\n", skinnedPaintMs, plainPaintMs,
              skinnedPaintMs / plainPaintMs);
  std::printf("100 controls, resized twice: skinned %.2f ms, plain %.2f ms, ratio %.2f\n", skinnedResizeMs,
              plainResizeMs, skinnedResizeMs / plainResizeMs);
  std::printf("skin switch with the form: %.2f ms, bare load %.2f ms, ratio %.2f to the bare load and the plain "
              "repaint\n",
              switchShownMs, bareLoadMs, switchShownMs / (bareLoadMs + plainPaintMs));
  std::printf("skin switch with the form hidden (no painting): %.2f ms, ratio %.2f to the bare load\n", hiddenSwitchMs,
              hiddenSwitchMs / bareLoadMs);
  bench::PrintRatio("100 controls, repaint: skinned / plain", skinnedPaintMs / plainPaintMs, bench::Target(1.1));
  bench::PrintRatio("100 controls, resize recomposing every look: skinned / plain", skinnedResizeMs / plainResizeMs,
                    bench::Target(2));
  // A shown form must at least load the skin and repaint everything once.
  bench::PrintRatio("skin switch, form shown / (bare load + plain full repaint)", switchShownMs / (bareLoadMs + plainPaintMs),
                    bench::Target(1.3));
  bench::PrintRatio("skin switch, form hidden / bare load", hiddenSwitchMs / bareLoadMs, bench::Target(1.5));
  bench::PrintRatio("skin switch, form shown / bare load", switchShownMs / bareLoadMs, bench::kNoTarget);
  bench::PrintRatio("plain form's full repaint / bare load", plainPaintMs / bareLoadMs, bench::kNoTarget);
  Free(bare);
  Free(skin);
  Free(stored);
  return 0;
}
