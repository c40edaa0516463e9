// Skin menus under real windows and messages: opening, sizes without a skin,
// scrolling and placement, the submenu delay, keys, the order of the close
// notifications and the command, and menus closed from their own handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/GuiCounts.h"
#include "../classlib/ControlTestUtils.h"
#include "../skin/SkinTestData.h"
#include "skin/SkinForm.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinStoredSkin.h"
#include "classlib/StdCtrls.h"
#include "skinctrls/SkinMenus.h"
#include "test_skin_menus_utils.h"

namespace {

std::vector<std::string> gLog;

// Notes the menu messages its window receives.
class TLogControl : public TCustomControl {
 public:
  TLogControl(TComponent* AOwner, const char* AName) : TCustomControl(AOwner), FName(AName) {}
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == MSG_SKINMENU_CLOSED) gLog.push_back(FName + " closed");
    if (Message.Msg == MSG_SKINMENU_ITEM_DONE) gLog.push_back(FName + " done");
    TCustomControl::Dispatch(Message);
  }

 private:
  std::string FName;
};

class TLogForm : public TForm {
 public:
  using TForm::TForm;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == MSG_SKINMENU_CLOSED) gLog.push_back("form closed");
    TForm::Dispatch(Message);
  }
};

class SkinMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gLog.clear();
    SetCursorPos(0, 0);  // away from the menus, whose windows poll the cursor
    FForm = new TLogForm(nullptr);
    FForm->SetBounds(100, 100, 400, 300);
    FSkinForm = new TspSkinForm(FForm);
    FMenu = FindSkinMenu(FSkinForm);  // the skinned form makes its own
    FOpener = new TLogControl(FForm, "opener");
    FOpener->SetParent(FForm);
    FPopup = new TPopupMenu(FForm);
  }
  void TearDown() override { Free(FForm); }

  // "&Open", "-", "Disabled", "&Recent" > ("One", "Two"), "E&xit"
  void BuildMenu() {
    TMenuItem* root = FPopup->Items();
    FOpen = AddItem(root, L"&Open", FPopup);
    AddItem(root, L"-", FPopup);
    AddItem(root, L"Disabled", FPopup)->SetEnabled(false);
    FRecent = AddItem(root, L"&Recent", FPopup);
    AddItem(FRecent, L"One", FPopup);
    AddItem(FRecent, L"Two", FPopup);
    FExit = AddItem(root, L"E&xit", FPopup);
  }
  void Open(TControl* Control = nullptr, const TRect& R = TRect(150, 150, 150, 150)) {
    FMenu->PopupItems(Control, nullptr, false, FPopup->Items(), R, 0);
  }
  TspSkinPopupWindow* Level(int I) { return FMenu->Level(I); }

  TLogForm* FForm = nullptr;
  TspSkinForm* FSkinForm = nullptr;
  TspSkinMenu* FMenu = nullptr;
  TLogControl* FOpener = nullptr;
  TPopupMenu* FPopup = nullptr;
  TMenuItem *FOpen = nullptr, *FRecent = nullptr, *FExit = nullptr;
};

TEST_F(SkinMenuTest, ChoosingALeafClosesEverythingBeforeTheCommandRuns) {
  BuildMenu();
  FExit->OnClick = [&](TObject*) {
    gLog.push_back(FMenu->LevelCount() == 0 && !FMenu->Visible() ? "command (closed)" : "command (open)");
  };
  Open(FOpener);
  FMenu->SetOnMenuClose([](TObject*) { gLog.push_back("on close"); }, nullptr);
  ASSERT_EQ(FMenu->LevelCount(), 1);
  TspSkinPopupWindow* w = Level(0);
  ASSERT_EQ(w->ItemCount(), 5);
  FMenu->ActivateMenuItem(w, w->Items(4), true, false);
  EXPECT_EQ(gLog, (std::vector<std::string>{"opener closed", "on close", "form closed", "command (closed)",
                                            "opener done"}));
  EXPECT_EQ(FMenu->LastPopupControl(), FOpener);
  EXPECT_FALSE(FMenu->HasOnMenuClose());
}

TEST_F(SkinMenuTest, DefaultLookSizesFirstSelectableItemAndEmptyMenus) {
  BuildMenu();
  Open();
  TspSkinPopupWindow* w = Level(0);
  // Four items of 20 and one separator of 4, a 3-pixel frame each side.
  EXPECT_EQ(w->Height(), 4 * 20 + 4 + 6);
  EXPECT_EQ(w->Items(1)->ItemRect.Height(), 4);
  EXPECT_EQ(w->Items(0)->ItemRect, TRect(3, 3, w->Width() - 3, 23));
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->Font()->Assign(FMenu->DefMenuItemFont());
  int widest = 0;
  for (const wchar_t* s : {L"&Open", L"-", L"Disabled", L"&Recent", L"E&xit"}) {
    TRect r(0, 0, 0, 0);
    DrawWideText(measure.Canvas(), s, r, DT_CALCRECT);  // through the canvas: its font selected
    widest = std::max<int>(widest, r.Right + 2);
  }
  EXPECT_EQ(w->Width(), widest + 16 + 16 + 10);
  EXPECT_EQ(w->ItemIndex(), 0);
  EXPECT_TRUE(w->Items(0)->Active);
  EXPECT_TRUE(IsWindowVisible(w->Handle()));
  EXPECT_EQ(w->Left(), 150);
  EXPECT_EQ(w->Top(), 150);

  // An item without children, or a start beyond them, opens nothing; the
  // open menu still closes.
  TMenuItem empty(nullptr);
  FMenu->PopupItems(nullptr, nullptr, false, &empty, TRect(0, 0, 0, 0), 0);
  EXPECT_FALSE(FMenu->Visible());
  EXPECT_EQ(FMenu->LevelCount(), 0);
  FMenu->PopupItems(nullptr, nullptr, false, FPopup->Items(), TRect(0, 0, 0, 0), 5);
  EXPECT_FALSE(FMenu->Visible());
  FMenu->HandleMenuKey(VK_RETURN);  // nothing open: nothing happens
}

TEST_F(SkinMenuTest, MaxItemsInWindowScrollsWithArrowsAndStillOpensBelow) {
  for (int i = 0; i < 8; ++i) AddItem(FPopup->Items(), L"Item " + std::to_wstring(i), FPopup);
  FMenu->MaxMenuItemsInWindow = 5;
  Open(nullptr, TRect(200, 120, 260, 140));
  TspSkinPopupWindow* w = Level(0);
  EXPECT_TRUE(w->Scrolling());
  EXPECT_TRUE(w->LimitedByCount());
  EXPECT_EQ(w->Height(), 5 * 20 + 6 + 20);
  EXPECT_EQ(w->VisibleCount(), 5);
  EXPECT_EQ(w->Top(), 140);
  EXPECT_EQ(w->Left(), 200);
  EXPECT_EQ(w->Items(0)->ItemRect.Top, 3 + 10);
  EXPECT_FALSE(w->Items(5)->InView);
  // Down past the last item in view scrolls; from the last item it wraps.
  for (int i = 0; i < 5; ++i) FMenu->HandleMenuKey(VK_DOWN);
  EXPECT_EQ(w->ItemIndex(), 5);
  EXPECT_EQ(w->TopIndex(), 1);
  EXPECT_TRUE(w->Items(5)->InView);
  FMenu->HandleMenuKey(VK_DOWN);
  FMenu->HandleMenuKey(VK_DOWN);
  FMenu->HandleMenuKey(VK_DOWN);
  EXPECT_EQ(w->ItemIndex(), 0);
  EXPECT_EQ(w->TopIndex(), 0);
  // Up from the first wraps to the last page.
  FMenu->HandleMenuKey(VK_UP);
  EXPECT_EQ(w->ItemIndex(), 7);
  EXPECT_EQ(w->TopIndex(), 3);
  // Resting on the down arrow scrolls until the end, then stops.
  FMenu->HandleMenuKey(VK_UP);
  for (int i = 0; i < 3; ++i) w->ScrollUp(false);
  ASSERT_EQ(w->TopIndex(), 0);
  // The real cursor is left out: other tests may move it meanwhile.
  w->MouseTimer()->SetEnabled(false);
  w->TrackMouse(w->Width() / 2, w->Height() - 6);
  ASSERT_EQ(w->ScrollState(), 2);
  EXPECT_TRUE(PumpUntil([&] { return w->ScrollState() == 0; }));
  EXPECT_EQ(w->TopIndex(), 3);
}

TEST_F(SkinMenuTest, OpensUpwardWithoutRoomBelowAndSubmenusBesideTheirItem) {
  BuildMenu();
  const TRect wa = FMenu->WorkArea().Width() ? FMenu->WorkArea() : TRect();
  Open(nullptr, TRect(300, 0, 360, 0));  // sets the work area
  const TRect area = FMenu->WorkArea();
  const int h = Level(0)->Height();
  Open(nullptr, TRect(300, area.Bottom - 20, 360, area.Bottom - 5));
  EXPECT_EQ(Level(0)->Top(), area.Bottom - 20 - h);
  EXPECT_EQ(Level(0)->Left(), 300);
  (void)wa;
  // Asked to open upward with room above.
  FMenu->PopupItems(nullptr, nullptr, true, FPopup->Items(), TRect(300, 400, 360, 420), 0);
  EXPECT_EQ(Level(0)->Top(), 400 - h);
  // A submenu at the right edge opens left of its parent, one pixel apart.
  Open(nullptr, TRect(area.Right - 10, 100, area.Right - 10, 100));
  TspSkinPopupWindow* w = Level(0);
  FMenu->ActivateMenuItem(w, w->Items(3), true, false);
  ASSERT_EQ(FMenu->LevelCount(), 2);
  EXPECT_EQ(Level(1)->Left(), w->Left() + w->Items(3)->ItemRect.Left - Level(1)->Width() - 1);
  EXPECT_EQ(Level(1)->Top(), w->Top() + w->Items(3)->ItemRect.Top - Level(1)->ItemsRect().Top);
}

TEST_F(SkinMenuTest, HoveringASubmenuItemOpensItAfterTheDelayAndRunsItsClickFirst) {
  BuildMenu();
  int recentClicks = 0;
  FRecent->OnClick = [&](TObject*) { ++recentClicks; };
  Open();
  TspSkinPopupWindow* w = Level(0);
  const TRect r = w->Items(3)->ItemRect;
  w->TrackMouse(r.Left + 5, r.Top + 5);
  EXPECT_EQ(FMenu->PendingItem(), w->Items(3));
  EXPECT_TRUE(FMenu->SubMenuTimer()->Enabled());
  EXPECT_EQ(FMenu->LevelCount(), 1);
  // Moving to a plain item before the delay cancels the wait.
  const TRect e = w->Items(4)->ItemRect;
  w->TrackMouse(e.Left + 5, e.Top + 5);
  EXPECT_EQ(FMenu->PendingItem(), nullptr);
  EXPECT_FALSE(FMenu->SubMenuTimer()->Enabled());
  w->TrackMouse(r.Left + 5, r.Top + 5);
  ASSERT_TRUE(PumpUntil([&] { return FMenu->LevelCount() == 2; }));
  EXPECT_EQ(recentClicks, 1);
  EXPECT_TRUE(w->Items(3)->SubMenuOpened);
  EXPECT_EQ(FMenu->PendingItem(), nullptr);
}

TEST_F(SkinMenuTest, KeysMoveThroughItemsAndLevels) {
  BuildMenu();
  Open();
  TspSkinPopupWindow* w = Level(0);
  FMenu->HandleMenuKey(VK_DOWN);  // skips the separator and the disabled item
  EXPECT_EQ(w->ItemIndex(), 3);
  EXPECT_EQ(FMenu->LevelCount(), 1);  // selecting by key opens no submenu
  FMenu->HandleMenuKey(VK_LEFT);      // the first level: nothing
  EXPECT_EQ(FMenu->LevelCount(), 1);
  FMenu->HandleMenuKey(VK_RIGHT);
  ASSERT_EQ(FMenu->LevelCount(), 2);
  EXPECT_EQ(Level(1)->ItemIndex(), 0);
  FMenu->HandleMenuKey(VK_LEFT);
  EXPECT_EQ(FMenu->LevelCount(), 1);
  EXPECT_FALSE(w->Items(3)->SubMenuOpened);
  // The accelerator of a submenu item opens it at once.
  FMenu->HandleMenuKey('R');
  EXPECT_EQ(FMenu->LevelCount(), 2);
  FMenu->HandleMenuKey(VK_ESCAPE);
  EXPECT_EQ(FMenu->LevelCount(), 1);
  // F1 has the code of a lower-case "p" and F7 of "v": never accelerators.
  int opened = 0;
  FOpen->OnClick = [&](TObject*) { ++opened; };
  FOpen->SetCaption(L"&Paste");
  FMenu->HandleMenuKey(VK_F1);
  FMenu->HandleMenuKey(VK_NUMPAD0 + 0x10);  // VK_F1 again by its value
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(FMenu->LevelCount(), 1);
  FMenu->HandleMenuKey('P');
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(FMenu->Visible());
}

TEST_F(SkinMenuTest, EscapeRightAfterHoveringASubmenuItemLeavesNoPendingSubmenu) {
  BuildMenu();
  TMenuItem* inner = AddItem(FRecent, L"More", FPopup);
  AddItem(inner, L"Deep", FPopup);
  Open();
  FMenu->ActivateMenuItem(Level(0), Level(0)->Items(3), true, false);
  ASSERT_EQ(FMenu->LevelCount(), 2);
  TspSkinPopupWindow* sub = Level(1);
  const TRect r = sub->Items(2)->ItemRect;
  sub->TrackMouse(r.Left + 3, r.Top + 3);
  ASSERT_EQ(FMenu->PendingItem(), sub->Items(2));
  FMenu->HandleMenuKey(VK_ESCAPE);  // frees the level whose item was pending
  EXPECT_EQ(FMenu->LevelCount(), 1);
  EXPECT_EQ(FMenu->PendingItem(), nullptr);
  EXPECT_FALSE(FMenu->SubMenuTimer()->Enabled());
  Sleep(600);
  Settle();
  EXPECT_EQ(FMenu->LevelCount(), 1);
}

TEST_F(SkinMenuTest, ASubmenuItemWhoseClickClosesOrReopensTheMenuOpensNoStaleLevel) {
  BuildMenu();
  FRecent->OnClick = [&](TObject*) { FMenu->CloseSkinMenu(); };
  Open();
  FMenu->ActivateMenuItem(Level(0), Level(0)->Items(3), true, false);
  EXPECT_EQ(FMenu->LevelCount(), 0);
  EXPECT_FALSE(FMenu->Visible());
  FRecent->OnClick = [&](TObject*) { Open(); };
  Open();
  FMenu->ActivateMenuItem(Level(0), Level(0)->Items(3), true, false);
  EXPECT_EQ(FMenu->LevelCount(), 1);  // only the reopened first level
}

TEST_F(SkinMenuTest, OnMenuCloseOfAFreedPopupMenuNeverRuns) {
  BuildMenu();
  auto* popup = new TspSkinPopupMenu(FForm);
  AddItem(popup->Items(), L"Only", popup);
  int closes = 0;
  popup->OnMenuClose = [&](TObject*) { ++closes; };
  popup->Popup(120, 120);
  ASSERT_TRUE(FMenu->Visible());
  EXPECT_TRUE(FMenu->HasOnMenuClose());
  Free(popup);
  EXPECT_FALSE(FMenu->HasOnMenuClose());
  FMenu->CloseSkinMenu();
  EXPECT_EQ(closes, 0);
  // A popup menu whose tree is empty leaves no one-shot event behind.
  auto* empty = new TspSkinPopupMenu(FForm);
  empty->OnMenuClose = [&](TObject*) { ++closes; };
  empty->Popup(120, 120);
  EXPECT_FALSE(FMenu->HasOnMenuClose());
  Free(empty);
  // The opening control going away while the menu is open is forgotten.
  auto* control = new TLogControl(FForm, "gone");
  control->SetParent(FForm);
  Open(control);
  Free(control);
  FMenu->CloseSkinMenu();
  EXPECT_EQ(FMenu->LastPopupControl(), nullptr);
}

TEST_F(SkinMenuTest, ASkinnedLevelTakesThePopupFrameAndTheItemRecord) {
  BuildMenu();
  auto* stored = new TspCompressedStoredSkin(FForm);
  stored->LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  auto* skin = new TspSkinData(FForm);
  skin->LoadCompressedStoredSkin(stored);
  FMenu->PopupItems(nullptr, skin, false, FPopup->Items(), TRect(150, 150, 150, 150), 0);
  TspSkinPopupWindow* w = Level(0);
  ASSERT_NE(w->PopupWindowData(), nullptr);
  ASSERT_NE(w->ItemData(), nullptr);
  const TRect ir = skin->PopupWindow->ItemsRect;
  EXPECT_EQ(w->ItemsRect().Left, ir.Left);
  EXPECT_EQ(w->ItemsRect().Top, ir.Top);
  TBitmap b;
  b.SetSize(w->Width(), w->Height());
  w->PaintMenu(b.Canvas()->Handle());  // paints without a fault
  FMenu->CloseSkinMenu();
  // An empty skin gives the plain look.
  auto* none = new TspSkinData(FForm);
  FMenu->PopupItems(nullptr, none, false, FPopup->Items(), TRect(150, 150, 150, 150), 0);
  EXPECT_EQ(Level(0)->PopupWindowData(), nullptr);
}

TEST_F(SkinMenuTest, AThousandMenusLeaveNoWindowsOrGdiObjectsBehind) {
  BuildMenu();
  auto open = [&] {
    Open(FOpener);
    FMenu->ActivateMenuItem(Level(0), Level(0)->Items(3), true, false);
    FMenu->CloseSkinMenu();
  };
  for (int i = 0; i < 20; ++i) open();  // caches and fonts settle
  Settle();
  const int gdi = GdiObjectsInUse();
  const int windows = ThreadWindowsWithChildren();
  for (int i = 0; i < 1000; ++i) open();
  Settle();
  EXPECT_LE(GdiObjectsInUse(), gdi + 10);
  EXPECT_EQ(ThreadWindowsWithChildren(), windows);
}

TEST_F(SkinMenuTest, ARightClickOnAControlOpensItsSkinnedPopupMenu) {
  auto* popup = new TspSkinPopupMenu(FForm);
  AddItem(popup->Items(), L"Only", popup);
  auto* page = new TCustomControl(FForm);
  page->SetParent(FForm);
  page->SetBounds(10, 10, 200, 150);
  auto* label = new TLabel(FForm);
  label->SetParent(page);
  label->SetBounds(20, 20, 100, 40);
  label->SetCaption(L"Right-click");
  label->SetPopupMenu(popup);
  ShowAndActivate(FForm);
  MoveMouse(label->ClientToScreen(TPoint(10, 10)));
  MouseInput(MOUSEEVENTF_RIGHTDOWN);
  MouseInput(MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(PumpUntil([&] { return FMenu->Visible(); }, 3000));
  const TPoint at = label->ClientToScreen(TPoint(10, 10));
  EXPECT_EQ(popup->PopupPoint(), at);
  FMenu->CloseSkinMenu();
  MoveMouse(TPoint(0, 0));
}

}  // namespace
