// Samples of the skinned panels: a captioned panel that checks and rolls up,
// a group box, a paint panel, a transparent panel and a status bar with a grip.
#include "classlib/StdCtrls.h"
#include "demo/SkinSamples.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"

namespace {

template <typename T>
T* AddSample(TWinControl* Parent, TspSkinData* SkinData, int Left, int Top, int Width, int Height) {
  T* control = Place<T>(Parent, Left, Top, Width, Height);
  control->DefaultFont()->SetName(kChineseFont);
  control->SetSkinData(SkinData);
  return control;
}

// A label in the skin's colours, so that it reads on the skin's panels.
TspSkinStdLabel* AddLabel(TWinControl* Parent, TspSkinData* SkinData, int Left, int Top, const String& Text) {
  auto* label = Place<TspSkinStdLabel>(Parent, Left, Top, 10, 10);
  label->SetAutoSize(true);
  label->DefaultFont()->SetName(kChineseFont);
  label->SetCaption(Text);
  label->SetSkinData(SkinData);
  return label;
}

}  // namespace

int BuildPanelSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;

  auto* panel = AddSample<TspSkinPanel>(Parent, SkinData, X, Y, w, 80);
  panel->SetCaption(L"Panel \x9762\x677F: check, roll up");
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->SetChecked(true);
  panel->SetRollUpMode(true);
  AddLabel(panel, SkinData, 10, 34, L"A child \x5B50\x63A7\x4EF6 (click the caption)");
  Y = panel->Top() + panel->Height() + 8;

  auto* group = AddSample<TspSkinGroupBox>(Parent, SkinData, X, Y, w, 60);
  group->SetCaption(L"Group box \x5206\x7EC4\x6846");
  AddLabel(group, SkinData, 10, 30, L"Inside the group \x7EC4\x5185");
  Y = group->Top() + group->Height() + 8;

  auto* paint = AddSample<TspSkinPaintPanel>(Parent, SkinData, X, Y, w, 40);
  paint->SetBorderStyle(bvLowered);
  paint->OnPanelPaint = [](TCanvas* Cnvs, const TRect& R) {
    Cnvs->Pen()->SetColor(clRed);
    Cnvs->MoveTo(R.Left + 4, R.Bottom - 4);
    Cnvs->LineTo(R.Right - 4, R.Top + 4);
  };
  Y = paint->Top() + paint->Height() + 8;

  auto* transparent = AddSample<TspSkinPanel>(Parent, SkinData, X, Y, w, 50);
  transparent->SetTransparentMode(true);
  transparent->SetCaptionMode(true);
  transparent->SetCaption(L"Transparent \x900F\x660E");
  Y = transparent->Top() + transparent->Height() + 8;

  // A status bar takes the bottom of its parent: a small panel holds it.
  auto* holder = AddSample<TspSkinPanel>(Parent, SkinData, X, Y, w, 50);
  holder->SetBorderStyle(bvLowered);
  auto* status = AddSample<TspSkinStatusBar>(holder, SkinData, 0, 0, w, 21);
  status->SetSizeGrip(true);
  AddLabel(status, SkinData, 6, 4, L"Ready \x5C31\x7EEA");
  return holder->Top() + holder->Height();
}
