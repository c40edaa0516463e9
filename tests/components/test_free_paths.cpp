// Frees that used to crash, grouped by what keeps them sound: parts a
// control makes beside itself are owned and freed once in any order;
// destructors close a dropped list without the parent; and a control's own
// code that runs on after a key, click or change handler freed it meets an
// inert object, deleted when the message loop comes back.
// Run under Wine's heap checks with real keys and clicks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "components/fcImager.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skininputs/SkinCalendarGrid.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SkinSpinEdit.h"
#include "tests/skinctrls/SkinCtrlTestUtils.h"

namespace {

TForm* NewForm() {
  auto* f = new TForm(nullptr);
  f->SetBorderStyle(bsNone);
  f->SetBounds(100, 100, 360, 260);
  return f;
}

template <class T>
T* Put(TWinControl* Parent, int Left, int Top, int Width, int Height) {
  auto* c = new T(Parent);
  c->SetParent(Parent);
  c->SetBounds(Left, Top, Width, Height);
  return c;
}

TfcImager* TabStopImager(TForm* Form) {
  auto* imager = Put<TfcImager>(Form, 10, 10, 60, 60);
  imager->SetTabStop(true);
  return imager;
}

TEST(OwnedParts, AnImagersFocusWindowIsFreedOnceWhateverGoesFirst) {
  // The form frees its child windows, the focus window among them, before
  // the imager that made it.
  TForm* form = NewForm();
  TabStopImager(form);
  ShowAndActivate(form);
  Free(form);

  // The imager alone, then its form; and its form never shown.
  form = NewForm();
  TfcImager* imager = TabStopImager(form);
  ShowAndActivate(form);
  ASSERT_NE(imager->FocusControl(), nullptr);
  EXPECT_TRUE(imager->FocusControl()->HandleAllocated());
  Free(imager);
  Free(form);
  form = NewForm();
  TabStopImager(form);
  Free(form);

  // Freed from a check box's click, by the real mouse.
  form = NewForm();
  TabStopImager(form);
  auto* box = Put<TspSkinCheckRadioBox>(form, 100, 20, 120, 24);
  bool freed = false;
  box->OnClick = [&freed, form](TObject*) {
    Free(form);
    freed = true;
  };
  ShowAndActivate(form);
  MoveMouse(Center(box));
  MouseDown();
  MouseUp();
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
  Settle();
}

TEST(Destructors, ACombosOpenListClosesWithoutItsParent) {
  // A form freed from a timer while the user has the list open.
  for (bool tree : {false, true}) {
    TForm* form = NewForm();
    TfcCustomCombo* combo = tree ? static_cast<TfcCustomCombo*>(Put<TfcTreeCombo>(form, 10, 10, 150, 21))
                                 : static_cast<TfcCustomCombo*>(Put<TfcStringCombo>(form, 10, 10, 150, 21));
    if (tree) static_cast<TfcTreeCombo*>(combo)->Items()->Add(nullptr, L"Apple");
    else static_cast<TfcStringCombo*>(combo)->Items()->Add(L"Apple");
    ShowAndActivate(form);
    combo->SetFocus();
    combo->DropDown();
    Settle();
    ASSERT_TRUE(combo->GetDroppedDown()) << tree;
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.OnTimer = [&form, &timer](TObject*) {
      timer.SetEnabled(false);
      Free(form);
      form = nullptr;
    };
    EXPECT_TRUE(PumpUntil([&] { return form == nullptr; })) << tree;
    Settle();
    EXPECT_EQ(fcComboHookUsers(), 0);
  }
  // Dropped down on a form never shown, then freed.
  TForm* hidden = NewForm();
  auto* combo = Put<TfcStringCombo>(hidden, 10, 10, 150, 21);
  combo->Items()->Add(L"Apple");
  combo->DropDown();
  Free(hidden);
  Settle();
  EXPECT_EQ(fcComboHookUsers(), 0);
}

// The deferred free: after a handler that frees its control, the control's
// own code (an edit's change, a spin step, a calendar's close-up) runs on an
// inert object without a fault.
class FreeWatchPaths : public ::testing::Test {
 protected:
  void SetUp() override { form = NewForm(); }
  void TearDown() override {
    MouseUp();
    Settle();
    if (form) Free(form);
  }
  // Shows the form with C focused.
  void Focus(TWinControl* C) {
    ShowAndActivate(form);
    C->SetFocus();
    Settle();
  }
  // What a handler does after its free: writes through its captures.
  std::function<void()> Freeing(TControl* C, const std::string& What) {
    return [this, C, What] {
      if (!log.empty()) return;
      Free(C);
      log.push_back(What);
    };
  }
  bool Ran() { return PumpUntil([&] { return !log.empty(); }, 3000); }
  TForm* form = nullptr;
  std::vector<std::string> log;
};

TEST_F(FreeWatchPaths, EscapeInASkinnedEditsKeyDown) {
  auto* e = Put<TspSkinEdit>(form, 10, 10, 140, 22);
  auto freeIt = Freeing(e, "a skinned edit freed on Escape went on");
  e->OnKeyDown = [freeIt](TObject*, WORD& Key, TShiftState) {
    if (Key == VK_ESCAPE) freeIt();
  };
  Focus(e);
  KeyChord({}, VK_ESCAPE);
  EXPECT_TRUE(Ran());
}

TEST_F(FreeWatchPaths, ANumericEditsUpKeyAndASpinEditsDownKeyToItsLimit) {
  auto* n = Put<TspSkinNumericEdit>(form, 10, 10, 140, 22);
  n->SetSupportUpDownKeys(true);
  auto freeNumber = Freeing(n, "a numeric edit freed by its Up key went on");
  n->OnChange = [freeNumber](TObject*) { freeNumber(); };
  Focus(n);
  KeyChord({}, VK_UP);
  EXPECT_TRUE(Ran());

  log.clear();
  auto* s = Put<TspSkinSpinEdit>(form, 10, 40, 140, 22);
  s->SetMinValue(0);
  s->SetMaxValue(10);
  s->SetValue(1);
  auto freeSpin = Freeing(s, "a spin edit stepped to its limit went on");
  Focus(s);
  s->OnChange = [freeSpin](TObject*) { freeSpin(); };
  KeyChord({}, VK_DOWN);
  EXPECT_TRUE(Ran());
}

TEST_F(FreeWatchPaths, ADateEditFreedByADayClickInItsCalendar) {
  auto* e = Put<TspSkinDateEdit>(form, 10, 10, 140, 22);
  e->SetDate(EncodeDate(2024, 6, 15));
  auto freeIt = Freeing(e, "a date edit freed by its calendar went on");
  e->OnDateChange = [freeIt](TObject*) { freeIt(); };
  Focus(e);
  e->DropDown();
  Settle();
  TspSkinMonthCalendar* c = e->Calendar();
  const int index = 20 - FirstCellDay(2024, 6, 0);
  const TRect cell = c->Grid().Cell(index / 7 + 1, index % 7);
  MoveMouse(c->ClientToScreen(TPoint(cell.Left + 4, cell.Top + 4)));
  MouseDown();
  MouseUp();
  EXPECT_TRUE(Ran());
}

TEST_F(FreeWatchPaths, ATreeCombosFormFreedFromItsChange) {
  auto* c = Put<TfcTreeCombo>(form, 10, 10, 150, 21);
  for (const wchar_t* s : {L"Apple", L"Bean"}) c->Items()->Add(nullptr, s);
  bool freed = false;
  c->OnChange = [this, &freed](TObject*) {
    if (freed) return;
    Free(form);
    form = nullptr;
    freed = true;
  };
  Focus(c);
  KeyChord({}, VK_DOWN);
  EXPECT_TRUE(PumpUntil([&] { return freed; }, 3000));
}

}  // namespace
