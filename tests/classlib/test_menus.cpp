// Menu trees as data, and actions linked to controls.
#include <gtest/gtest.h>

#include "classlib/ActnList.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const String& Caption) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}

TEST(MenuTest, ShortCutTexts) {
  EXPECT_EQ(L"Ctrl+C", ShortCutToText(ShortCut('C', {ssCtrl})));
  EXPECT_EQ(L"Shift+Ctrl+F5", ShortCutToText(ShortCut(VK_F5, {ssCtrl, ssShift})));
  EXPECT_EQ(L"Alt+Del", ShortCutToText(ShortCut(VK_DELETE, {ssAlt})));
  EXPECT_EQ(L"", ShortCutToText(0));
}

TEST(MenuTest, DispatchCommandClicksTheItemAnywhereInTheTree) {
  TPopupMenu menu(nullptr);
  TMenuItem* file = AddItem(menu.Items(), L"File");
  TMenuItem* open = AddItem(file, L"Open");
  TMenuItem* off = AddItem(file, L"Off");
  off->SetEnabled(false);
  int opened = 0, offClicks = 0;
  open->OnClick = [&](TObject* Sender) { opened += Sender == open; };
  off->OnClick = [&](TObject*) { ++offClicks; };
  EXPECT_NE(open->Command(), off->Command());
  EXPECT_TRUE(menu.DispatchCommand(open->Command()));
  EXPECT_EQ(1, opened);
  EXPECT_TRUE(menu.DispatchCommand(off->Command()));
  EXPECT_EQ(0, offClicks);  // disabled items do nothing
  EXPECT_FALSE(menu.DispatchCommand(0));
  EXPECT_EQ(&menu, open->GetParentMenu());
  EXPECT_EQ(0, open->MenuIndex());
  EXPECT_EQ(file, off->Parent());
}

TEST(MenuTest, RethinkLinesHidesSeparatorsAtTheEndsAndRepeated) {
  TPopupMenu menu(nullptr);
  TMenuItem* root = menu.Items();
  TMenuItem* lead = AddItem(root, L"-");
  AddItem(root, L"A");
  TMenuItem* mid = AddItem(root, L"-");
  TMenuItem* twice = AddItem(root, L"-");
  TMenuItem* hiddenItem = AddItem(root, L"B");
  hiddenItem->SetVisible(false);
  TMenuItem* beforeC = AddItem(root, L"-");
  AddItem(root, L"C");
  TMenuItem* tail = AddItem(root, L"-");
  root->RethinkLines();
  EXPECT_FALSE(lead->Visible());
  EXPECT_TRUE(mid->Visible());
  EXPECT_FALSE(twice->Visible());
  EXPECT_FALSE(beforeC->Visible());  // only a hidden item since the last line
  EXPECT_FALSE(tail->Visible());
}

TEST(MenuTest, RadioItemsOfAGroupExcludeEachOther) {
  TPopupMenu menu(nullptr);
  TMenuItem* a = AddItem(menu.Items(), L"A");
  TMenuItem* b = AddItem(menu.Items(), L"B");
  TMenuItem* other = AddItem(menu.Items(), L"Other");
  for (TMenuItem* i : {a, b}) i->SetRadioItem(true);
  other->SetRadioItem(true);
  other->SetGroupIndex(1);
  other->SetChecked(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other->Checked());
}

TEST(MenuTest, ItemsLeaveTheTreeWhenFreedAndImagesAreForgotten) {
  TForm owner(nullptr);
  auto* menu = new TPopupMenu(&owner);
  auto* item = new TMenuItem(&owner);
  menu->Items()->Add(item);
  AddItem(item, L"child");
  auto* images = new TImageList(nullptr);
  menu->SetImages(images);
  Free(item);
  EXPECT_EQ(0, menu->Items()->Count());
  Free(images);
  EXPECT_EQ(nullptr, menu->Images());
}

class Probe : public TGraphicControl {
 public:
  explicit Probe(TComponent* AOwner) : TGraphicControl(AOwner) {}
};

TEST(ActionTest, LinkedControlsFollowTheActionAndClickRunsIt) {
  TActionList list(nullptr);
  auto* action = new TCustomAction(&list);
  action->SetActionList(&list);
  action->SetCaption(L"Save");
  int executed = 0;
  action->OnExecute = [&](TObject*) { ++executed; };
  Probe probe(nullptr);
  probe.SetAction(action);
  EXPECT_EQ(L"Save", probe.Caption());
  action->SetCaption(L"Save all");
  action->SetEnabled(false);
  EXPECT_EQ(L"Save all", probe.Caption());
  EXPECT_FALSE(probe.Enabled());

  probe.Click();
  EXPECT_EQ(1, executed);
  // A click handler of the control's own runs instead of the action.
  int own = 0;
  probe.OnClick = [&](TObject*) { ++own; };
  probe.Click();
  EXPECT_EQ(1, executed);
  EXPECT_EQ(1, own);

  EXPECT_EQ(1, list.ActionCount());
  Free(action);
  EXPECT_EQ(nullptr, probe.Action());
  EXPECT_EQ(0, list.ActionCount());
}

}  // namespace
