// What skinned controls hold of the system's limited windows and GDI objects,
// in thousands and over many rounds.
#include <gtest/gtest.h>

#include "SkinCtrlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/GuiCounts.h"
#include "classlib/HeapCheck.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"

namespace {

struct TCounts {
  int Windows, Gdi;
};
TCounts Now() {
  Settle();
  return {ThreadWindowsWithChildren(), GdiObjectsInUse()};
}

// A button holds one window (its timers ride on one window all timers
// share) and, idle, no GDI object; all of them go with their form.
// A form of Count skinned buttons, shown, with one button hovered and one
// pressed by keys, so that their timers start; freed when it returns.
void ShowButtons(TspSkinData* Skin, int Count, TCounts* Shown) {
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, 1000, 700);
  (new TspSkinForm(form))->SetSkinData(Skin);
  std::vector<TspSkinButton*> buttons;
  for (int i = 0; i < Count; ++i) {
    auto* b = new TspSkinButton(form);
    b->SetBounds(4 + i % 50 * 19, 4 + i / 50 * 13, 18, 12);
    b->SetSkinData(Skin);
    b->SetParent(form);
    buttons.push_back(b);
  }
  ShowAndActivate(form);
  MoveMouse(Center(buttons[0]));
  buttons[1]->SetFocus();
  PostKey(VK_SPACE);
  if (Shown) *Shown = Now();
  MoveMouse(TPoint(1200, 760));
  Free(form);
}

// A button holds one window (its timers ride on one window all timers
// share) and, idle, no GDI object; all of them go with their form.
TEST(ManyControls, FiveThousandSkinnedButtonsHoldOneWindowEachAndLeaveNothing) {
  constexpr int kButtons = 5000;
  auto* skin = NewTestSkin(nullptr);
  // The system's own first-use objects (the thread's input window, its cache
  // of device contexts, which fills as the first hundred or so windows
  // paint) come with a first form and stay.
  ShowButtons(skin, 200, nullptr);
  const TCounts start = Now();
  TCounts shown;
  ShowButtons(skin, kButtons, &shown);
  EXPECT_LE(shown.Windows - start.Windows, kButtons + 4);
  EXPECT_LT(shown.Gdi - start.Gdi, 100) << "idle buttons hold no GDI object of their own";
  const TCounts end = Now();
  EXPECT_EQ(start.Windows, end.Windows);
  EXPECT_EQ(start.Gdi, end.Gdi);
  Free(skin);
}

// A skinned dialog with a timer, shown modally and closed by its timer a
// hundred times from the program's own loop, leaves the counts flat.
TEST(ManyControls, ADialogOpenedAndClosedAHundredTimesLeavesNothingBehind) {
  auto* skin = NewTestSkin(nullptr);
  const auto round = [&] {
    auto* dialog = new TForm(nullptr);
    dialog->SetBounds(100, 100, 300, 200);
    (new TspSkinForm(dialog))->SetSkinData(skin);
    for (int i = 0; i < 3; ++i) {
      auto* b = new TspSkinButton(dialog);
      b->SetBounds(10 + i * 90, 120, 80, 25);
      b->SetSkinData(skin);
      b->SetParent(dialog);
    }
    auto* close = new TTimer(dialog);
    close->SetInterval(1);
    close->OnTimer = [dialog](TObject*) { dialog->SetModalResult(mrOk); };
    dialog->ShowModal();
    Free(dialog);
  };
  round();
  const TCounts first = Now();
  for (int i = 1; i < 100; ++i) round();
  const TCounts last = Now();
  EXPECT_EQ(first.Windows, last.Windows);
  EXPECT_EQ(first.Gdi, last.Gdi);
  Free(skin);
  EXPECT_TRUE(ProcessHeapsValid());
}

}  // namespace
