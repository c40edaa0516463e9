// Menu and action shortcuts under Wine with real keys: the form's menu (with
// the system's menu bar), a focused edit, an MDI child's menu and its frame's,
// a control's popup menu, disabled items, parents clicked first, action
// lists, and the order of the form's shortcut hook and key preview.
#include <gtest/gtest.h>

#include <string>

#include "ControlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"

namespace {

TMenuItem* AddItem(TComponent* Owner, TMenuItem* Parent, const String& Caption, TShortCut Key, std::string* Log,
                   const char* Name) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  item->SetShortCut(Key);
  item->OnClick = [Log, Name](TObject*) { *Log += std::string(Name) + ";"; };
  Parent->Add(item);
  return item;
}

class ShortCutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 320, 220);
    menu = new TMainMenu(form);
    file = AddItem(form, menu->Items(), L"&File", 0, &log, "file");
    newItem = AddItem(form, file, L"&New", ShortCut('N', TShiftState{ssCtrl}), &log, "new");
    save = AddItem(form, file, L"&Save", ShortCut(VK_F2, TShiftState{}), &log, "save");
    form->SetMenu(menu);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 22);
  }
  void TearDown() override {
    Free(form);
    Settle();
  }
  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *newItem = nullptr, *save = nullptr;
  TEdit* edit = nullptr;
  std::string log;
};

TEST_F(ShortCutTest, AKeyRunsTheItemAfterItsParentsAndIsEatenWhileAnEditKeepsItsOwnKeys) {
  ShowAndActivate(form);
  ASSERT_NE(menu->Handle(), nullptr) << "the plain form shows the system's menu bar";
  edit->SetFocus();
  edit->SetText(L"copy me");
  KeyChord({VK_CONTROL}, 'N');
  EXPECT_EQ(log, "file;new;");
  EXPECT_EQ(edit->Text(), L"copy me") << "the shortcut never reached the edit";
  log.clear();
  KeyChord({}, VK_F2);
  EXPECT_EQ(log, "file;save;");
  // Keys no item claims stay the edit's: select all, copy, paste at the end.
  log.clear();
  SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
  KeyChord({VK_CONTROL}, 'C');
  KeyChord({}, VK_END);
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(edit->Text(), L"copy mecopy me");
  KeyChord({VK_CONTROL}, 'Z');
  EXPECT_EQ(edit->Text(), L"copy me");
  EXPECT_EQ(log, "");
}

TEST_F(ShortCutTest, ADisabledItemOrParentRunsNothingAndTheKeyGoesOn) {
  ShowAndActivate(form);
  edit->SetFocus();
  newItem->SetShortCut(ShortCut('X', TShiftState{}));
  newItem->SetEnabled(false);
  edit->SetText(L"abc");
  SendMessageW(edit->Handle(), EM_SETSEL, 3, 3);
  // The parent hears of the key (it may enable the item); the item does not run.
  KeyChord({}, 'X');
  EXPECT_EQ(log, "file;");
  EXPECT_EQ(edit->Text(), L"abcx") << "the key was not eaten";
  log.clear();
  file->SetEnabled(false);
  KeyChord({}, VK_F2);
  EXPECT_EQ(log, "");
  // A parent's OnClick may enable the item just in time.
  file->SetEnabled(true);
  save->SetEnabled(false);
  file->OnClick = [&](TObject*) {
    log += "file;";
    save->SetEnabled(true);
  };
  KeyChord({}, VK_F2);
  EXPECT_EQ(log, "file;save;");
}

TEST_F(ShortCutTest, TheHookSeesTheKeyFirstAndKeyPreviewOnlyWhatNoShortCutTook) {
  ShowAndActivate(form);
  edit->SetFocus();
  form->SetKeyPreview(true);
  form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
    if (Key == 'N' || Key == 'Q') log += "preview;";
  };
  bool eat = false;
  form->OnShortCut = [&](TMessage& Msg, bool& Handled) {
    if (Msg.WParam == 'N') log += "hook;";
    Handled = eat;
  };
  KeyChord({VK_CONTROL}, 'N');
  EXPECT_EQ(log, "hook;file;new;");
  log.clear();
  eat = true;
  KeyChord({VK_CONTROL}, 'N');
  EXPECT_EQ(log, "hook;");
  log.clear();
  KeyChord({VK_CONTROL}, 'Q');
  EXPECT_EQ(log, "") << "an eaten key reaches no preview";
  eat = false;
  KeyChord({VK_CONTROL}, 'Q');
  EXPECT_EQ(log, "preview;");
}

TEST_F(ShortCutTest, AControlsPopupMenuAndItsParentsAnswerBeforeTheForm) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 50, 200, 100);
  edit->SetParent(panel);
  auto* popup = new TPopupMenu(form);
  AddItem(form, popup->Items(), L"Clear", ShortCut('N', TShiftState{ssCtrl}), &log, "popup");
  panel->SetPopupMenu(popup);
  ShowAndActivate(form);
  edit->SetFocus();
  KeyChord({VK_CONTROL}, 'N');
  EXPECT_EQ(log, "popup;");
  log.clear();
  panel->SetPopupMenu(nullptr);
  KeyChord({VK_CONTROL}, 'N');
  EXPECT_EQ(log, "file;new;");
}

TEST_F(ShortCutTest, ActionsOfTheFormsListsRunByTheirKeysAndLinkedItemsShowThem) {
  auto* list = new TActionList(form);
  auto* action = new TCustomAction(form);
  action->SetActionList(list);
  action->SetCaption(L"Find");
  action->SetShortCut(ShortCut('F', TShiftState{ssCtrl}));
  int updates = 0, runs = 0;
  action->OnUpdate = [&](TObject*) { ++updates; };
  action->OnExecute = [&](TObject*) { ++runs; };
  ShowAndActivate(form);
  edit->SetFocus();
  KeyChord({VK_CONTROL}, 'F');
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(updates, 1);
  action->SetEnabled(false);
  KeyChord({VK_CONTROL}, 'F');
  EXPECT_EQ(runs, 1);
  action->SetEnabled(true);
  auto* item = new TMenuItem(form);
  item->SetAction(action);
  file->Add(item);
  EXPECT_EQ(item->ShortCut(), action->ShortCut());
  KeyChord({VK_CONTROL}, 'F');
  EXPECT_EQ(runs, 2) << "the menu item ran it, once";
  EXPECT_EQ(log, "file;");
}

class MDIShortCutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 640, 480);
    auto* frameMenu = new TMainMenu(frame);
    auto* window = AddItem(frame, frameMenu->Items(), L"&Window", 0, &log, "window");
    AddItem(frame, window, L"&Tile", ShortCut('T', TShiftState{ssCtrl}), &log, "tile");
    AddItem(frame, window, L"&Shared", ShortCut('S', TShiftState{ssCtrl}), &log, "frame-shared");
    frame->SetMenu(frameMenu);
    ShowAndActivate(frame);
    child = new TForm(frame);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 260, 180);
    auto* childMenu = new TMainMenu(child);
    auto* edit = AddItem(child, childMenu->Items(), L"&Edit", 0, &log, "edit");
    AddItem(child, edit, L"&Bold", ShortCut('B', TShiftState{ssCtrl}), &log, "bold");
    AddItem(child, edit, L"&Shared", ShortCut('S', TShiftState{ssCtrl}), &log, "child-shared");
    child->SetMenu(childMenu);
    field = new TEdit(child);
    field->SetParent(child);
    field->SetBounds(8, 8, 120, 22);
    child->Show();
    Settle();
    field->SetFocus();
    Settle();
  }
  void TearDown() override {
    Free(frame);
    Settle();
  }
  TForm *frame = nullptr, *child = nullptr;
  TEdit* field = nullptr;
  std::string log;
};

TEST_F(MDIShortCutTest, AChildsMenuWinsAndTheFramesMenuAnswersTheRest) {
  ASSERT_EQ(frame->ActiveMDIChild(), child);
  KeyChord({VK_CONTROL}, 'B');
  EXPECT_EQ(log, "edit;bold;");
  log.clear();
  KeyChord({VK_CONTROL}, 'S');
  EXPECT_EQ(log, "edit;child-shared;");
  log.clear();
  KeyChord({VK_CONTROL}, 'T');
  EXPECT_EQ(log, "window;tile;");
  // With the focus on the frame, its active child's menu still answers.
  log.clear();
  ::SetFocus(frame->Handle());
  Settle();
  KeyChord({VK_CONTROL}, 'B');
  EXPECT_EQ(log, "edit;bold;");
}

}  // namespace
