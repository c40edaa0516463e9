// The application's chain of message hooks, a menu item's action link and
// custom drawing, and a form's main menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestUtils.h"
#include "classlib/Menus.h"

namespace {

UINT PostOwn(WPARAM Tag) {
  const UINT msg = WM_APP + 7;
  PostMessageW(Application->Handle(), msg, Tag, 0);
  return msg;
}

TEST(MessageHooks, RunInOrderAndTheFirstToHandleStopsTheMessage) {
  std::vector<std::string> log;
  const UINT msg = WM_APP + 7;
  const int a = Application->AddMessageHook([&](MSG& m, bool&) { if (m.message == msg) log.push_back("a"); });
  const int b = Application->AddMessageHook([&](MSG& m, bool& handled) {
    if (m.message != msg) return;
    log.push_back("b");
    handled = m.wParam == 1;
  });
  const int c = Application->AddMessageHook([&](MSG& m, bool&) { if (m.message == msg) log.push_back("c"); });
  bool onMessage = false;
  Application->OnMessage = [&](MSG& m, bool&) { if (m.message == msg) onMessage = true; };
  PostOwn(1);
  Settle();
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(onMessage);
  log.clear();
  PostOwn(0);
  Settle();
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(onMessage);
  Application->OnMessage = nullptr;
  for (int id : {a, b, c}) Application->RemoveMessageHook(id);
  EXPECT_EQ(Application->MessageHookCount(), 0);
}

TEST(MessageHooks, AHookMayRemoveItselfAndOthersWhileRunning) {
  std::vector<std::string> log;
  const UINT msg = WM_APP + 7;
  int self = 0, later = 0;
  self = Application->AddMessageHook([&](MSG& m, bool&) {
    if (m.message != msg) return;
    log.push_back("self");
    Application->RemoveMessageHook(self);  // the running hook goes away
    Application->RemoveMessageHook(later);
  });
  later = Application->AddMessageHook([&](MSG& m, bool&) { if (m.message == msg) log.push_back("later"); });
  PostOwn(0);
  PostOwn(0);
  Settle();
  EXPECT_EQ(log, (std::vector<std::string>{"self"}));
  EXPECT_EQ(Application->MessageHookCount(), 0);
}

TEST(MenuItemAction, TakesTheActionsStateAndRunsItWithoutAnOnClick) {
  TMenuItem item(nullptr);
  auto* action = new TCustomAction(nullptr);
  action->SetCaption(L"&Save");
  action->SetEnabled(false);
  action->SetChecked(true);
  action->SetHint(L"Saves");
  action->SetImageIndex(3);
  int executed = 0, updated = 0;
  action->OnExecute = [&](TObject*) { ++executed; };
  action->OnUpdate = [&](TObject*) { ++updated; };
  item.SetAction(action);
  EXPECT_EQ(item.Caption(), L"&Save");
  EXPECT_FALSE(item.Enabled());
  EXPECT_TRUE(item.Checked());
  EXPECT_EQ(item.Hint(), L"Saves");
  EXPECT_EQ(item.ImageIndex(), 3);
  item.Click();  // disabled: nothing
  EXPECT_EQ(executed, 0);
  action->SetEnabled(true);  // kept in step
  EXPECT_TRUE(item.Enabled());
  item.Click();
  EXPECT_EQ(executed, 1);
  EXPECT_TRUE(action->Update());
  EXPECT_EQ(updated, 1);
  bool own = false;
  item.OnClick = [&](TObject*) { own = true; };
  item.Click();
  EXPECT_TRUE(own);
  EXPECT_EQ(executed, 1);  // an OnClick of its own wins
  Free(action);
  EXPECT_EQ(item.Action(), nullptr);
  item.Click();  // no stale link
}

TEST(FormMenu, IsClearedWhenTheMainMenuIsFreed) {
  auto* form = new TForm(nullptr);
  auto* menu = new TMainMenu(nullptr);
  form->SetMenu(menu);
  EXPECT_EQ(form->Menu(), menu);
  Free(menu);
  EXPECT_EQ(form->Menu(), nullptr);
  Free(form);
}

}  // namespace
