// An MDI frame with the skinned MDI tabs bar and its children, nothing else:
// though the program names no skinned button, the bar's list and hidden-tab
// buttons are menu speed buttons that wear the skin's "resizetoolbutton" look
// and open the frame's skin menu.
#include <algorithm>
#include <iterator>

#include "PaintedImage.h"
#include "SmallestCheck.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"

namespace {

// A button's pixels as the bar paints it now.
std::vector<COLORREF> ButtonPixels(TspSkinMDITabsBar* Bar, TControl* Button) {
  Bar->Repaint();
  const TPaintedImage image(Bar);
  const TRect r = Button->BoundsRect();
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
  bar->SetMinTabWidth(200);
  for (const wchar_t* caption : {L"One", L"Two", L"Three", L"Four"}) {
    auto* child = new TForm(frame);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption(caption);
    child->SetBounds(20, 40, 220, 150);
    (new TspSkinForm(child))->SetSkinData(skin);
    child->Show();
    Settle();
  }

  bar->Repaint();
  Settle();
  Check(bar->TabCount() == 4, "the bar shows every child");
  TControl* buttons[] = {bar->ListButton(), bar->HiddenButton()};
  Check(buttons[0] && buttons[1], "the bar has its list button and, tabs being hidden, its hidden-tab button");
  if (!buttons[0] || !buttons[1]) return Finish("MDITabsOnly");
  // The default look of a button at rest has only the system's face, shadow
  // and text colours; the skin's record brings its own.
  const COLORREF plain[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNTEXT)};
  for (TControl* button : buttons) {
    Check(button->ClassName() == L"TspSkinMenuSpeedButton", "each button is a menu speed button");
    int skinColoured = 0;
    for (COLORREF c : ButtonPixels(bar, button))
      if (std::find(std::begin(plain), std::end(plain), c) == std::end(plain)) ++skinColoured;
    Check(skinColoured > 0, "each button wears the skin's button, not the default look");
  }
  // A real click on the list button opens the frame's skin menu of the tabs.
  MoveMouse(buttons[0]->ClientToScreen(TPoint(7, 10)));
  MouseDown();
  Settle();
  MouseUp();
  Settle();
  Check(frameSkin->SkinMenuOpened() && bar->ListMenu()->Count() == 4, "the list button opens the list of the tabs");
  MoveMouse(frame->ClientToScreen(TPoint(400, 300)));
  MouseDown();
  MouseUp();
  Settle();
  Check(!frameSkin->SkinMenuOpened(), "a click elsewhere closes it");

  Free(frame);
  Settle();
  return Finish("MDITabsOnly");
}
