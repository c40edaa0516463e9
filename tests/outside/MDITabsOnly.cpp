// An MDI frame with the skinned MDI tabs bar and two children, nothing else:
// the bar's list button wears the skin's "resizetoolbutton" look though the
// program names no skinned button.
#include <algorithm>
#include <iterator>

#include "PaintedImage.h"
#include "SmallestCheck.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"

namespace {

// The list button's pixels as the bar paints them now.
std::vector<COLORREF> ListButtonPixels(TspSkinMDITabsBar* Bar) {
  Bar->Repaint();
  const TPaintedImage image(Bar);
  const TRect r = Bar->ListButtonRect();
  std::vector<COLORREF> pixels;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) pixels.push_back(image.At(x, y));
  return pixels;
}

}  // namespace

int wmain() {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(30, 30, 600, 420);
  TspSkinData* skin = LoadBuiltInSkinData(frame);
  auto* frameSkin = new TspSkinForm(frame);
  frameSkin->SetSkinData(skin);
  auto* bar = new TspSkinMDITabsBar(frame);
  bar->SetParent(frame);
  bar->SetAlign(alTop);
  bar->SetHeight(21);
  bar->SetSkinData(skin);
  frameSkin->SetMDITabsBar(bar);
  ShowAndActivate(frame);
  for (const wchar_t* caption : {L"One", L"Two"}) {
    auto* child = new TForm(frame);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption(caption);
    child->SetBounds(20, 40, 220, 150);
    (new TspSkinForm(child))->SetSkinData(skin);
    child->Show();
    Settle();
  }

  Check(bar->TabCount() == 2 && bar->HasListButton(), "the bar shows both children and its list button");
  // The default look of a button at rest has only the system's face, shadow
  // and text colours; the skin's record brings its own.
  const COLORREF plain[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNTEXT)};
  int skinColoured = 0;
  for (COLORREF c : ListButtonPixels(bar))
    if (std::find(std::begin(plain), std::end(plain), c) == std::end(plain)) ++skinColoured;
  Check(skinColoured > 0, "the list button wears the skin's button, not the default look");

  Free(frame);
  Settle();
  return Finish("MDITabsOnly");
}
