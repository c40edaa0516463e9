// A program's SetFocus on a skinned control built around an inner window
// puts the focus where the control's keys work, and Tab still walks in and
// out of such controls both ways.
#include "SkinInputTestUtils.h"
#include "classlib/StdCtrls.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinSpinEdit.h"

namespace {

class InnerFocusTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    first = Add<TEdit>(form, 10, 280, 80, 22);
    first->SetTabStop(true);
    list = Add<TspSkinListBox>(form, 10, 10, 120, 104);
    for (int i = 0; i < 5; ++i) list->Items()->Add(L"item " + std::to_wstring(i));
    list->SetItemIndex(0);
    spin = Add<TspSkinSpinEdit>(form, 150, 10, 100, 22);
    combo = Add<TspSkinComboBox>(form, 150, 50, 120, 22);
    combo->SetStyle(spcbEditStyle);
    Settle();
  }
  TEdit* first = nullptr;
  TspSkinListBox* list = nullptr;
  TspSkinSpinEdit* spin = nullptr;
  TspSkinComboBox* combo = nullptr;
};

TEST_F(InnerFocusTest, SetFocusGivesTheKeysToTheInnerWindow) {
  list->SetFocus();
  Settle();
  EXPECT_EQ(GetFocus(), list->ListBox()->Handle());
  EXPECT_EQ(form->ActiveControl(), list->ListBox());
  KeyChord({}, VK_DOWN);
  KeyChord({}, VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 2);

  spin->SetFocus();
  Settle();
  EXPECT_EQ(GetFocus(), spin->Edit()->Handle());
  KeyChord({}, VK_UP);
  EXPECT_EQ(spin->Value(), 1);

  combo->SetFocus();
  Settle();
  EXPECT_EQ(GetFocus(), combo->Edit()->Handle());

  // Set before the form shows, the active control gets the keys as well.
  form->Hide();
  form->SetActiveControl(list);
  ShowAndActivate(form);
  EXPECT_EQ(GetFocus(), list->ListBox()->Handle());
  KeyChord({}, VK_UP);
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(InnerFocusTest, TabAndShiftTabPassThroughWithoutSticking) {
  list->SetFocus();
  Settle();
  std::vector<HWND> forward, back;
  for (int i = 0; i < 4; ++i) {
    KeyChord({}, VK_TAB);
    forward.push_back(GetFocus());
  }
  EXPECT_EQ(forward, (std::vector<HWND>{spin->Edit()->Handle(), combo->Edit()->Handle(), first->Handle(),
                                         list->ListBox()->Handle()}));
  for (int i = 0; i < 4; ++i) {
    KeyChord({VK_SHIFT}, VK_TAB);
    back.push_back(GetFocus());
  }
  EXPECT_EQ(back, (std::vector<HWND>{first->Handle(), combo->Edit()->Handle(), spin->Edit()->Handle(),
                                      list->ListBox()->Handle()}));
}

}  // namespace
