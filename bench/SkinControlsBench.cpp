// Benchmark: a form of 100 skinned panels, labels and bevels wearing the
// built-in skin, against the same form of plain class-library controls in the
// same places (full repaint), and a whole skin switch (load, messages,
// re-reads, repaint) against the bare load of the same skin, which a skin
// data component bound to no control does.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/BenchTiming.h"
#include "classlib/Bevel.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"

namespace {

constexpr int kColumns = 10, kRows = 10, kCellW = 78, kCellH = 56;

// Median of Runs timings of Body, in milliseconds.
double MedianMs(int Runs, const std::function<void()>& Body) {
  std::vector<double> times;
  for (int i = 0; i < Runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    Body();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

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

void Settle() {
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
}

}  // namespace

int wmain() {
  Application->Initialize();
  auto* stored = new TspCompressedStoredSkin(nullptr);
  LoadBuiltInSkin(stored);
  auto* skin = new TspSkinData(nullptr);
  skin->LoadCompressedStoredSkin(stored);
  auto* bare = new TspSkinData(nullptr);  // bound to nothing: the load alone

  TForm* skinned = SkinnedForm(skin);
  skinned->Show();
  Settle();
  const double skinnedPaint = MedianMs(31, [&] { Repaint(skinned); });
  const double switchMs = MedianMs(31, [&] {
    skin->LoadCompressedStoredSkin(stored);
    UpdateWindow(skinned->Handle());
  });
  const double bareMs = MedianMs(31, [&] { bare->LoadCompressedStoredSkin(stored); });
  // The same switch with the form hidden: load, messages and re-reads without painting.
  skinned->Hide();
  const double hiddenMs = MedianMs(31, [&] { skin->LoadCompressedStoredSkin(stored); });
  Free(skinned);
  Settle();

  TForm* plain = PlainForm();
  plain->Show();
  Settle();
  const double plainPaint = MedianMs(31, [&] { Repaint(plain); });
  Free(plain);

  std::printf("100 controls, full repaint: skinned %.2f ms, plain %.2f ms, ratio %.2f (target 2)\n", skinnedPaint,
              plainPaint, skinnedPaint / plainPaint);
  std::printf("skin switch with the form: %.2f ms, bare load %.2f ms, ratio %.2f (target 3)\n", switchMs, bareMs,
              switchMs / bareMs);
  std::printf("skin switch with the form hidden (no painting): %.2f ms, ratio %.2f to the bare load\n", hiddenMs,
              hiddenMs / bareMs);
  bench::PrintRatio("100 controls, repaint: skinned / plain", skinnedPaint / plainPaint, bench::Target(2));
  bench::PrintRatio("skin switch with 100 controls / bare load", switchMs / bareMs, bench::Target(3));
  bench::PrintRatio("skin switch, form hidden / bare load", hiddenMs / bareMs, bench::kNoTarget);
  Free(bare);
  Free(skin);
  Free(stored);
  return 0;
}
