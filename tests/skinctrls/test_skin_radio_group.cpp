// The skinned radio group: its grid of buttons, ItemIndex against the items,
// clicks and change signals, and an index stored while loading.
#include <gtest/gtest.h>

#include "../classlib/ControlTestUtils.h"
#include "skinctrls/SkinRadioGroup.h"

namespace {

class RadioGroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    group = new TspSkinRadioGroup(form);
    group->SetParent(form);
    group->SetBounds(10, 10, 300, 200);
    group->OnClick = [this](TObject*) { ++clicks; };
    auto inner = group->WindowProc;
    group->WindowProc = [this, inner](TMessage& m) {
      if (m.Msg == CM_CHANGED) ++changes;
      inner(m);
    };
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  void AddItems(int Count) {
    for (int i = 0; i < Count; ++i) group->Items()->Add(L"Item " + std::to_wstring(i));
  }
  TForm* form;
  TspSkinRadioGroup* group;
  int clicks = 0, changes = 0;
};

TEST_F(RadioGroupTest, ColumnsAreClampedAndButtonsFillThemColumnByColumn) {
  EXPECT_EQ(1, group->Columns());
  group->SetColumns(0);
  EXPECT_EQ(1, group->Columns());
  group->SetColumns(20);
  EXPECT_EQ(16, group->Columns());
  group->SetColumns(2);
  AddItems(5);
  ASSERT_EQ(5, group->ButtonCount());
  // Three rows: items 0-2 on the left, 3-4 on the right, all as wide.
  for (int i : {1, 2}) EXPECT_EQ(group->Buttons(0)->Left(), group->Buttons(i)->Left());
  EXPECT_EQ(group->Buttons(3)->Left(), group->Buttons(4)->Left());
  EXPECT_GT(group->Buttons(3)->Left(), group->Buttons(0)->Left());
  EXPECT_EQ(group->Buttons(0)->Top(), group->Buttons(3)->Top());
  EXPECT_EQ(group->Buttons(1)->Top(), group->Buttons(4)->Top());
  EXPECT_LT(group->Buttons(1)->Top(), group->Buttons(2)->Top());
  EXPECT_EQ(group->Buttons(0)->Width(), group->Buttons(3)->Width());
  EXPECT_EQ(L"Item 4", group->Buttons(4)->Caption());
  EXPECT_TRUE(group->Buttons(4)->Visible());
  EXPECT_TRUE(group->Buttons(4)->Radio());
  // Fewer items, fewer buttons.
  group->Items()->Delete(4);
  EXPECT_EQ(4, group->ButtonCount());
}

TEST_F(RadioGroupTest, RightToLeftMirrorsTheColumnsAndTheButtonsTakeTheGroupsMode) {
  group->SetColumns(2);
  AddItems(4);
  const int ltr0 = group->Buttons(0)->Left(), ltr2 = group->Buttons(2)->Left();
  form->SetBiDiMode(bdRightToLeft);  // the group follows its parent
  EXPECT_EQ(bdRightToLeft, group->BiDiMode());
  EXPECT_TRUE(group->ParentBiDiMode());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bdRightToLeft, group->Buttons(i)->BiDiMode()) << i;
  // Mirrored: the first column on the right, the rows and the pitch kept.
  const int rtl0 = group->Buttons(0)->Left(), rtl2 = group->Buttons(2)->Left();
  EXPECT_EQ(rtl0 - rtl2, ltr2 - ltr0);
  EXPECT_EQ(rtl0 + ltr0, rtl2 + ltr2);
  EXPECT_EQ(group->Buttons(0)->Top(), group->Buttons(2)->Top());
  // A mode of its own stops the group following the form.
  group->SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(group->ParentBiDiMode());
  EXPECT_EQ(ltr0, group->Buttons(0)->Left());
  form->SetBiDiMode(bdLeftToRight);
  form->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(ltr0, group->Buttons(0)->Left());
  group->SetParentBiDiMode(true);
  EXPECT_EQ(rtl0, group->Buttons(0)->Left());
}

TEST_F(RadioGroupTest, ItemIndexStaysWithinTheItems) {
  AddItems(3);
  group->SetItemIndex(10);
  EXPECT_EQ(2, group->ItemIndex());
  EXPECT_TRUE(group->Buttons(2)->Checked());
  group->SetItemIndex(-5);
  EXPECT_EQ(-1, group->ItemIndex());
  EXPECT_FALSE(group->Buttons(2)->Checked());
  group->SetItemIndex(2);
  group->Items()->Delete(0);  // the index beyond the items moves to the last
  EXPECT_EQ(1, group->ItemIndex());
  group->Items()->Clear();
  EXPECT_EQ(-1, group->ItemIndex());
  EXPECT_EQ(0, group->ButtonCount());
}

TEST_F(RadioGroupTest, ClicksAndWritesSignalTheChange) {
  AddItems(3);
  ShowAndActivate(form);
  MoveMouse(group->Buttons(1)->ClientToScreen(TPoint(10, group->Buttons(1)->Height() / 2)));
  MouseDown();
  Settle();
  MouseUp();
  Settle();
  EXPECT_EQ(1, group->ItemIndex());
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(1, changes);
  group->SetItemIndex(2);
  EXPECT_EQ(2, clicks);
  EXPECT_EQ(2, changes);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  group->SetItemIndex(2);  // the same value: nothing
  EXPECT_EQ(2, clicks);
}

TEST_F(RadioGroupTest, AnIndexStoredWhileLoadingIsClampedWhenTheButtonsAreMade) {
  group->BeginLoading();
  group->SetItemIndex(7);
  AddItems(3);
  EXPECT_EQ(0, group->ButtonCount());  // nothing is built while loading
  group->EndLoading();
  ASSERT_EQ(3, group->ButtonCount());
  EXPECT_EQ(2, group->ItemIndex());
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_EQ(0, clicks);  // checking while updating is no click
}

}  // namespace
