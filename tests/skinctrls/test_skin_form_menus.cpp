// The skinned form's menus under real windows and messages: the pre-filter
// closing an open menu, keyboard menu mode through the menu bar, the
// built-in system menu, menu settings handed to the skin menu, and no
// window or GDI growth after many bar menus.
#include <gtest/gtest.h>

#include "../skin/SkinFormTestUtils.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinResStr.h"
#include "skinctrls/SkinMenus.h"
#include "test_skin_menus_utils.h"

namespace {

// The built-in skin's sources: a frame with a 22-pixel menu bar.
class FormMenuTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Skin = new TspSkinData(nullptr);
    TspCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
    Skin->LoadCompressedStoredSkin(&stored);
  }
  static void TearDownTestSuite() {
    Free(Skin);
    Skin = nullptr;
  }
  void SetUp() override {
    SetCursorPos(0, 0);
    F = std::make_unique<TSkinnedForm>(Skin, 420, 300);
    Frame = F->Frame;
    Menu = FindSkinMenu(Frame);
    Main = new TMainMenu(F->Form);
    TMenuItem* root = Main->Items();
    File = AddItem(root, L"&File", Main);
    Open = AddItem(File, L"&Open", Main);
    AddItem(File, L"-", Main);
    Recent = AddItem(File, L"&Recent", Main);
    AddItem(Recent, L"One", Main);
    Exit = AddItem(File, L"E&xit", Main);
    Edit = AddItem(root, L"&Edit", Main);
    AddItem(Edit, L"&Undo", Main);
    Help = AddItem(root, L"&Help", Main);
    AddItem(Help, L"&About", Main);
  }
  void TearDown() override {
    F.reset();
    Settle();
  }
  void ShowWithMenu() {
    F->Form->SetMenu(Main);
    Frame->UpdateMenuBar();
    ShowAndActivate(F->Form);
  }
  // A system key as the user types it, to the focused window through the
  // loop: Alt itself carries the Alt flag, F10 does not.
  void SysKey(WORD Key) {
    HWND focus = GetFocus() ? GetFocus() : F->Handle();
    const LPARAM alt = Key == VK_MENU ? 0x20000000 : 0;
    PostMessageW(focus, WM_SYSKEYDOWN, Key, alt | 1);
    PostMessageW(focus, WM_SYSKEYUP, Key, alt | 0xC0000001);
    Settle();
  }
  void Key(WORD K) {
    HWND focus = GetFocus() ? GetFocus() : F->Handle();
    PostMessageW(focus, WM_KEYDOWN, K, 1);
    PostMessageW(focus, WM_KEYUP, K, 0xC0000001);
    Settle();
  }
  bool Open_() const { return Menu->Visible(); }

  inline static TspSkinData* Skin = nullptr;
  std::unique_ptr<TSkinnedForm> F;
  TspSkinForm* Frame = nullptr;
  TspSkinMenu* Menu = nullptr;
  TMainMenu* Main = nullptr;
  TMenuItem *File = nullptr, *Open = nullptr, *Recent = nullptr, *Exit = nullptr, *Edit = nullptr, *Help = nullptr;
};

TEST_F(FormMenuTest, EverySkinnedFormOwnsOneSkinMenuForItsForm) {
  ASSERT_NE(Menu, nullptr);
  EXPECT_EQ(Frame->SkinMenu(), Menu);
  EXPECT_EQ(Menu->Owner(), Frame);
  EXPECT_EQ(Menu->Form(), F->Form);
}

TEST_F(FormMenuTest, MenuSettingsAreCopiedIntoTheSkinMenuAndOutOfRangeValuesIgnored) {
  Frame->SetUseSkinFontInMenu(false);
  Frame->SetDefMenuItemHeight(26);
  Frame->SetMenusAlphaBlend(true);
  Frame->SetMenusAlphaBlendValue(150);
  Frame->SetMenusAlphaBlendAnimation(true);
  Frame->SetMaxMenuItemsInWindow(7);
  TFont font;
  font.SetName(L"Tahoma");
  font.SetHeight(17);
  Frame->SetDefMenuItemFont(&font);
  EXPECT_FALSE(Menu->UseSkinFont);
  EXPECT_EQ(Menu->DefMenuItemHeight, 26);
  EXPECT_TRUE(Menu->AlphaBlend);
  EXPECT_EQ(Menu->AlphaBlendValue, 150);
  EXPECT_TRUE(Menu->AlphaBlendAnimation);
  EXPECT_EQ(Menu->MaxMenuItemsInWindow, 7);
  EXPECT_EQ(Menu->DefMenuItemFont()->Name(), L"Tahoma");
  EXPECT_EQ(Menu->DefMenuItemFont()->Height(), 17);

  Frame->SetDefMenuItemHeight(0);
  Frame->SetDefMenuItemHeight(-3);
  Frame->SetMaxMenuItemsInWindow(-1);
  EXPECT_EQ(Frame->DefMenuItemHeight(), 26);
  EXPECT_EQ(Menu->DefMenuItemHeight, 26);
  EXPECT_EQ(Menu->MaxMenuItemsInWindow, 7);
  Frame->SetMaxMenuItemsInWindow(0);  // no limit is a valid value
  EXPECT_EQ(Menu->MaxMenuItemsInWindow, 0);
}

TEST_F(FormMenuTest, ThePreFilterClosesAnOpenMenuOnEachCloseMessageAndOnlyOnThose) {
  ShowAndActivate(F->Form);
  auto* popup = new TspSkinPopupMenu(F->Form);
  AddItem(popup->Items(), L"One", popup);
  AddItem(popup->Items(), L"Two", popup);
  int closes = 0;
  Frame->OnSkinMenuClose = [&](TObject*) { ++closes; };
  const int hooks = Application->MessageHookCount();
  // Messages the form itself receives, each with harmless parameters.
  for (UINT msg : {WM_MOVE, WM_SIZE, WM_ACTIVATE, WM_KILLFOCUS, WM_CANCELMODE, WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN,
                   WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_PARENTNOTIFY}) {
    SCOPED_TRACE(msg);
    popup->Popup(150, 150);
    ASSERT_TRUE(Menu->Visible());
    ASSERT_TRUE(Frame->SkinMenuOpened());
    EXPECT_EQ(Application->MessageHookCount(), hooks + 1);
    // Messages the filter lets through leave the menu open.
    SendMessageW(F->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(F->Handle(), WM_TIMER, 77, 0);
    EXPECT_TRUE(Menu->Visible());
    const int before = closes;
    SendMessageW(F->Handle(), msg, msg == WM_ACTIVATE ? WA_ACTIVE : 0, 0);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_FALSE(Frame->SkinMenuOpened());
    EXPECT_EQ(closes, before + 1);
    EXPECT_EQ(Application->MessageHookCount(), hooks);
  }
  // Only the open state, with no level shown: the filter still ends it.
  Frame->SkinMenuOpen();
  EXPECT_TRUE(Frame->SkinMenuOpened());
  SendMessageW(F->Handle(), WM_MOVE, 0, 0);
  EXPECT_FALSE(Frame->SkinMenuOpened());
  EXPECT_EQ(Application->MessageHookCount(), hooks);
}

TEST_F(FormMenuTest, KeysAndOutsideClicksReachTheOpenMenuThroughTheApplicationHook) {
  ShowAndActivate(F->Form);
  auto* edit = new TCustomControl(F->Form);
  edit->SetParent(F->Form);
  edit->SetBounds(10, 10, 80, 30);
  edit->SetFocus();
  Settle();
  auto* popup = new TspSkinPopupMenu(F->Form);
  AddItem(popup->Items(), L"One", popup);
  TMenuItem* two = AddItem(popup->Items(), L"&Two", popup);
  bool ran = false;
  two->OnClick = [&](TObject*) { ran = true; };
  popup->Popup(200, 200);
  ASSERT_TRUE(Menu->Visible());
  // Keys typed into a control of the form drive the menu, not the control.
  ASSERT_EQ(Menu->Level(0)->ItemIndex(), 0);
  Key(VK_DOWN);
  EXPECT_EQ(Menu->Level(0)->ItemIndex(), 1);
  Key(VK_RETURN);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(Menu->Visible());
  EXPECT_FALSE(Frame->SkinMenuOpened());

  // A click on a child control of the form closes the menu.
  popup->Popup(200, 200);
  ASSERT_TRUE(Menu->Visible());
  PostMessageW(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageW(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  Settle();
  EXPECT_FALSE(Menu->Visible());
  EXPECT_FALSE(Frame->SkinMenuOpened());
}

TEST_F(FormMenuTest, TheMenuBarTakesRoomAboveTheClientAndOpensItsItems) {
  ShowAndActivate(F->Form);
  const TRect plain = ClientInWindow(F->Handle());
  EXPECT_FALSE(Frame->HasMenuBar());
  F->Form->SetMenu(Main);
  Frame->UpdateMenuBar();
  Settle();
  ASSERT_TRUE(Frame->HasMenuBar());
  EXPECT_EQ(GetMenu(F->Handle()), nullptr);  // no system menu bar beside the skin's
  const TRect bar = Frame->MainMenuBarRect();
  const TRect withBar = ClientInWindow(F->Handle());
  EXPECT_EQ(withBar.Top, plain.Top + bar.Height());
  EXPECT_EQ(withBar.Bottom, plain.Bottom);
  ASSERT_EQ(Frame->MenuBarItemCount(), 3);
  // Items stand side by side in the bar, left to right.
  for (int i = 0; i < 3; ++i) {
    const TRect r = Frame->MenuBarItemRect(i);
    EXPECT_EQ(r.Top, bar.Top);
    EXPECT_EQ(r.Bottom, bar.Bottom);
    EXPECT_GT(r.Width(), 16);
    if (i > 0) {
      EXPECT_EQ(r.Left, Frame->MenuBarItemRect(i - 1).Right);
    }
    EXPECT_EQ(HitAt(F->Handle(), TPoint(r.Left + 3, r.Top + 3)), fhObject);
  }
  // A hidden item takes no place.
  Edit->SetVisible(false);
  EXPECT_EQ(Frame->MenuBarItemCount(), 2);
  EXPECT_EQ(Frame->MenuBarItem(1), Help);
  Edit->SetVisible(true);

  // A click on an item opens its menu below it; a click on it again closes it.
  const TRect w = WindowRectOf(F->Handle());
  const TRect help = Frame->MenuBarItemRect(2);
  MoveMouse(TPoint(w.Left + help.Left + 5, w.Top + help.Top + 5));
  MouseDown();
  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return Menu->Visible(); }));
  EXPECT_EQ(Frame->MenuBarDown(), 2);
  EXPECT_EQ(Menu->Level(0)->ItemCount(), 1);
  EXPECT_GE(Menu->Level(0)->Top(), w.Top + help.Bottom - 1);
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(Menu->Visible());
  EXPECT_EQ(Frame->MenuBarDown(), -1);

  // Without a menu the bar goes and the client gets its room back.
  F->Form->SetMenu(nullptr);
  Frame->UpdateMenuBar();
  Settle();
  EXPECT_EQ(ClientInWindow(F->Handle()), plain);
  MoveMouse(TPoint(2, 2));
}

TEST_F(FormMenuTest, TheSystemMenuBarShowsWhileTheSkinDrawsNone) {
  ShowWithMenu();
  const HWND h = F->Handle();
  EXPECT_EQ(GetMenu(h), nullptr);
  // Empty skin data: the system frame, and with it the system's menu bar.
  TspSkinData empty(nullptr);
  Frame->SetSkinData(&empty);
  ASSERT_NE(GetMenu(h), nullptr);
  EXPECT_EQ(GetMenuItemCount(GetMenu(h)), 3);
  Frame->SetSkinData(Skin);
  EXPECT_EQ(GetMenu(h), nullptr);
  // The skinned form gone, the form shows the system's bar again.
  Free(Frame);
  Frame = nullptr;
  ASSERT_NE(GetMenu(h), nullptr);
  EXPECT_EQ(GetMenuItemCount(GetMenu(h)), 3);
}

TEST_F(FormMenuTest, TheBarAndItsOpenItemAreDrawnFromTheSkinsMenuBarRecords) {
  ShowWithMenu();
  const int barIndex = Skin->GetControlIndex(L"mainmenubar");
  ASSERT_GE(barIndex, 0);
  auto* bar = dynamic_cast<TspDataSkinMainMenuBar*>(Skin->CtrlList[barIndex]);
  ASSERT_NE(bar, nullptr);
  TBitmap* picture = Skin->ActivePictures[bar->PictureIndex];
  TspDataSkinMainMenuItem* item = nullptr;
  for (int i = 0; i < Skin->ObjectList.Count() && !item; ++i)
    item = dynamic_cast<TspDataSkinMainMenuBarItem*>(Skin->ObjectList[i]);
  ASSERT_NE(item, nullptr);
  auto picturePixel = [&](int X, int Y) { return GetPixel(picture->Canvas()->Handle(), X, Y); };

  // The bar right of the last item shows the bar picture.
  const TRect barRect = Frame->MainMenuBarRect();
  const TRect last = Frame->MenuBarItemRect(2);
  const int y = barRect.Height() / 2;
  EXPECT_EQ(ScreenPixel(F->Handle(), TPoint(last.Right + 20, barRect.Top + y)),
            picturePixel(bar->SkinRect.Left + bar->SkinRect.Width() / 2, bar->SkinRect.Top + y));
  // An item whose menu is open wears the record's opened look; its left
  // part (up to "itemleftoffset") is copied as it is.
  Frame->PopupMenuBarItem(1);
  ASSERT_TRUE(Menu->Visible());
  Settle();
  const TRect open = Frame->MenuBarItemRect(1);
  for (int x : {2, 3}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(ScreenPixel(F->Handle(), TPoint(open.Left + x, open.Top + y)),
              picturePixel(item->DownRect.Left + x, item->DownRect.Top + y));
  }
  EXPECT_NE(picturePixel(item->DownRect.Left + 3, item->DownRect.Top + y),
            picturePixel(item->SkinRect.Left + 3, item->SkinRect.Top + y));
  Menu->CloseSkinMenu();
  Settle();
  EXPECT_EQ(ScreenPixel(F->Handle(), TPoint(open.Left + 3, open.Top + y)),
            picturePixel(item->SkinRect.Left + 3, item->SkinRect.Top + y));
}

TEST_F(FormMenuTest, AltAndF10EnterKeyboardMenuModeWhereArrowsEnterEscAndAcceleratorsWork) {
  ShowWithMenu();
  const int hooks = Application->MessageHookCount();
  SysKey(VK_MENU);  // Alt pressed and released alone
  ASSERT_TRUE(Frame->InMenuLoop());
  EXPECT_EQ(Frame->MenuBarHot(), 0);
  EXPECT_FALSE(Menu->Visible());
  Key(VK_RIGHT);
  EXPECT_EQ(Frame->MenuBarHot(), 1);
  Key(VK_LEFT);
  Key(VK_LEFT);
  EXPECT_EQ(Frame->MenuBarHot(), 2);  // wraps round
  Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMenuLoop());
  EXPECT_EQ(Frame->MenuBarHot(), -1);
  EXPECT_EQ(Application->MessageHookCount(), hooks);

  // F10 likewise; Down opens the hot item's menu.
  SysKey(VK_F10);
  ASSERT_TRUE(Frame->InMenuLoop());
  Key(VK_DOWN);
  ASSERT_TRUE(Menu->Visible());
  EXPECT_EQ(Frame->MenuBarDown(), 0);
  EXPECT_EQ(Menu->Level(0)->ItemCount(), 4);
  // Right on an item without a submenu moves to the next bar menu, Left back.
  Key(VK_RIGHT);
  EXPECT_EQ(Frame->MenuBarDown(), 1);
  EXPECT_EQ(Menu->Level(0)->ItemCount(), 1);
  Key(VK_LEFT);
  EXPECT_EQ(Frame->MenuBarDown(), 0);
  // Esc on the only level steps back to the highlighted title, the next leaves the bar.
  Key(VK_ESCAPE);
  EXPECT_FALSE(Menu->Visible());
  EXPECT_TRUE(Frame->InMenuLoop());
  EXPECT_EQ(Frame->MenuBarDown(), -1);
  EXPECT_EQ(Frame->MenuBarHot(), 0);
  Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMenuLoop());
  EXPECT_EQ(Application->MessageHookCount(), hooks);

  // An accelerator in keyboard mode opens its item; one in the menu runs it.
  bool exited = false;
  Exit->OnClick = [&](TObject*) { exited = true; };
  SysKey(VK_MENU);
  ASSERT_TRUE(Frame->InMenuLoop());
  Key('H');
  EXPECT_EQ(Frame->MenuBarDown(), 2);
  Key('F');  // no such item in the Help menu: nothing happens
  EXPECT_EQ(Frame->MenuBarDown(), 2);
  Key(VK_LEFT);
  Key(VK_LEFT);
  ASSERT_EQ(Frame->MenuBarDown(), 0);
  Key('X');
  EXPECT_TRUE(exited);
  EXPECT_FALSE(Menu->Visible());
  EXPECT_FALSE(Frame->InMenuLoop());
  EXPECT_EQ(Application->MessageHookCount(), hooks);

  // Alt with a letter opens that item's menu at once.
  SendMessageW(F->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
  EXPECT_EQ(Frame->MenuBarDown(), 1);
  EXPECT_TRUE(Menu->Visible());
  Key(VK_MENU);
  EXPECT_FALSE(Menu->Visible());
  EXPECT_FALSE(Frame->InMenuLoop());
}

TEST_F(FormMenuTest, FKeysAndTheNumericPadPickNoBarItemInKeyboardMenuMode) {
  AddItem(AddItem(Main->Items(), L"&View", Main), L"&Zoom", Main);
  ShowWithMenu();
  SysKey(VK_MENU);
  ASSERT_TRUE(Frame->InMenuLoop());
  // F7 has the code of "v", NumPad6 of "f": neither is an accelerator.
  for (WORD key : {WORD(VK_F7), WORD(VK_NUMPAD6)}) {
    KeyChord({}, key);
    Settle();
    EXPECT_FALSE(Menu->Visible()) << key;
    EXPECT_EQ(Frame->MenuBarDown(), -1) << key;
    EXPECT_TRUE(Frame->InMenuLoop()) << key;
  }
  KeyChord({}, 'V');
  Settle();
  EXPECT_EQ(Frame->MenuBarDown(), 3);
  Key(VK_ESCAPE);
  Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMenuLoop());
}

// Alt+letter reaches the focused control first; the bar answers it from any
// control of the form, as the system's bar does. Esc steps back as there:
// the first closes the drop-down and leaves the title highlighted, the second
// leaves the bar, and neither reaches the control.
TEST_F(FormMenuTest, AltLetterOpensTheBarItemWhicheverControlHasTheFocusAndEscStepsBack) {
  auto* edit = new TEdit(F->Form);
  edit->SetParent(F->Form);
  edit->SetBounds(10, 10, 120, 22);
  auto* list = new TListBox(F->Form);
  list->SetParent(F->Form);
  list->SetBounds(10, 40, 120, 80);
  list->Items()->Add(L"one");
  int escapes = 0;
  const auto countEscape = [&](TObject*, WORD& Key, TShiftState) { escapes += Key == VK_ESCAPE; };
  edit->OnKeyDown = countEscape;
  list->OnKeyDown = countEscape;
  ShowWithMenu();
  for (TWinControl* c : std::vector<TWinControl*>{edit, list}) {
    c->SetFocus();
    Settle();
    ASSERT_EQ(GetFocus(), c->Handle());
    KeyChord({VK_MENU}, 'E');
    EXPECT_EQ(Frame->MenuBarDown(), 1) << c->ClassName();
    EXPECT_TRUE(Menu->Visible());
    KeyChord({}, VK_ESCAPE);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_TRUE(Frame->InMenuLoop());
    EXPECT_EQ(Frame->MenuBarHot(), 1);
    KeyChord({}, VK_ESCAPE);
    EXPECT_FALSE(Frame->InMenuLoop());
    EXPECT_EQ(Frame->MenuBarHot(), -1);
    // The control keeps the focus and its text: the letter went to the menu.
    EXPECT_EQ(GetFocus(), c->Handle());
  }
  EXPECT_EQ(edit->Text(), L"");
  EXPECT_EQ(escapes, 0);
  // Esc with the bar left reaches the control again.
  KeyChord({}, VK_ESCAPE);
  EXPECT_EQ(escapes, 1);
}

// Esc on a skinned menu that is not a bar item's drop-down (the system menu,
// a popup menu, also one opened while the bar is lit) leaves menu mode at once: no title stays highlighted, no hook
// stays, the next Esc reaches the control. A bar item's drop-down steps back to its title instead.
TEST_F(FormMenuTest, EscOnAMenuThatIsNoBarDropDownLeavesMenuMode) {
  auto* edit = new TEdit(F->Form);
  edit->SetParent(F->Form);
  edit->SetBounds(10, 10, 120, 22);
  int escapes = 0;
  edit->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { escapes += Key == VK_ESCAPE; };
  auto* popup = new TspSkinPopupMenu(F->Form);
  AddItem(popup->Items(), L"&One", popup);
  ShowWithMenu();
  edit->SetFocus();
  Settle();
  const int hooks = Application->MessageHookCount();
  const auto escLeaves = [&](const char* Menu_) {
    ASSERT_TRUE(Menu->Visible()) << Menu_;
    KeyChord({}, VK_ESCAPE);
    EXPECT_FALSE(Menu->Visible()) << Menu_;
    EXPECT_FALSE(Frame->InMenuLoop()) << Menu_;
    EXPECT_EQ(Frame->MenuBarHot(), -1) << Menu_;
    EXPECT_FALSE(Frame->SkinMenuOpened()) << Menu_;
    EXPECT_EQ(Application->MessageHookCount(), hooks) << Menu_;
  };
  KeyChord({VK_MENU}, VK_SPACE);
  escLeaves("system menu");
  const TPoint at = edit->ClientToScreen(TPoint(5, 30));
  popup->Popup(at.X, at.Y);
  escLeaves("popup menu");
  SysKey(VK_F10);
  ASSERT_TRUE(Frame->InMenuLoop());
  popup->Popup(at.X, at.Y);
  escLeaves("popup menu opened while the bar is lit");
  EXPECT_EQ(escapes, 0);

  KeyChord({VK_MENU}, 'F');
  ASSERT_EQ(Frame->MenuBarDown(), 0);
  KeyChord({}, VK_ESCAPE);
  EXPECT_TRUE(Frame->InMenuLoop());
  EXPECT_EQ(Frame->MenuBarHot(), 0);
  KeyChord({}, VK_ESCAPE);
  EXPECT_FALSE(Frame->InMenuLoop());
  EXPECT_EQ(escapes, 0);
  KeyChord({}, VK_ESCAPE);
  EXPECT_EQ(escapes, 1);
  EXPECT_EQ(GetFocus(), edit->Handle());
}

// On an MDI frame Alt+letter opens the skinned bar wherever the focus is:
// the client window (no child yet), a child with no control, a control on
// a child; a round trip by Ctrl+F6 leaves the focus on that control.
TEST_F(FormMenuTest, AltLetterOnAnMDIFrameOpensTheBarFromTheClientAChildOrItsControl) {
  F->Form->SetFormStyle(fsMDIForm);
  ShowWithMenu();
  auto altH = [&](const char* Where) {
    KeyChord({VK_MENU}, 'H');
    EXPECT_EQ(Frame->MenuBarDown(), 2) << Where;
    EXPECT_TRUE(Menu->Visible()) << Where;
    KeyChord({}, VK_ESCAPE);
    EXPECT_FALSE(Menu->Visible()) << Where;
    KeyChord({}, VK_ESCAPE);
    EXPECT_FALSE(Frame->InMenuLoop()) << Where;
  };
  ::SetFocus(F->Form->ClientHandle());
  Settle();
  ASSERT_EQ(GetFocus(), F->Form->ClientHandle());
  altH("client");
  auto newChild = [&] {
    auto* child = new TForm(F->Form);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(0, 0, 220, 140);
    (new TspSkinForm(child))->SetSkinData(Skin);
    child->Show();
    Settle();
    return child;
  };
  TForm* empty = newChild();
  ASSERT_EQ(GetFocus(), empty->Handle());
  altH("child");
  TForm* child = newChild();
  auto* edit = new TEdit(child);
  edit->SetParent(child);
  edit->SetBounds(10, 10, 120, 22);
  edit->SetFocus();
  Settle();
  ASSERT_EQ(GetFocus(), edit->Handle());
  altH("edit");
  KeyChord({VK_CONTROL}, VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return F->Form->ActiveMDIChild() == empty; }, 5000));
  KeyChord({VK_CONTROL}, VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return F->Form->ActiveMDIChild() == child; }, 5000));
  EXPECT_EQ(GetFocus(), edit->Handle());
  KeyChord({}, 'K');
  EXPECT_EQ(edit->Text(), L"k");
}

TEST_F(FormMenuTest, TheBuiltInSystemMenuFollowsTheFormAndItsItemsActOnIt) {
  ShowAndActivate(F->Form);
  TMenuItem* sys = Frame->SystemMenu();
  ASSERT_EQ(sys->Count(), 7);
  const wchar_t* captions[] = {L"&Restore", L"Mi&nimize", L"Ma&ximize", L"Minimize to &Tray",
                               L"Ro&llUp",  L"-",         L"&Close"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(sys->Items(i)->Caption(), captions[i]);
  EXPECT_FALSE(sys->Items(0)->Enabled());  // restore: the form is normal
  EXPECT_TRUE(sys->Items(2)->Enabled());

  // Shown as a skin menu under the given rectangle.
  Frame->SystemMenuPopup(TRect(200, 100, 216, 116));
  ASSERT_TRUE(Menu->Visible());
  EXPECT_EQ(Menu->Level(0)->ItemCount(), 7);
  EXPECT_TRUE(Frame->SkinMenuOpened());
  TspSkinPopupWindow* level = Menu->Level(0);
  Menu->ActivateMenuItem(level, level->Items(2), true, false);  // maximize
  Settle();
  EXPECT_EQ(Frame->WindowState(), 2);
  EXPECT_FALSE(Frame->SkinMenuOpened());
  sys = Frame->SystemMenu();
  EXPECT_TRUE(sys->Items(0)->Enabled());
  EXPECT_FALSE(sys->Items(2)->Enabled());
  sys->Items(0)->Click();
  Settle();
  EXPECT_EQ(Frame->WindowState(), 0);
  sys->Items(4)->Click();
  EXPECT_TRUE(Frame->RollUpState());
  EXPECT_TRUE(Frame->SystemMenu()->Items(0)->Enabled());  // restore unrolls
  Frame->SystemMenu()->Items(0)->Click();
  EXPECT_FALSE(Frame->RollUpState());

  // Border icons hide what the form does not offer.
  Frame->SetBorderIcons({sbiSystemMenu, sbiMaximize});
  sys = Frame->SystemMenu();
  EXPECT_FALSE(sys->Items(1)->Visible());
  EXPECT_TRUE(sys->Items(2)->Visible());
  EXPECT_FALSE(sys->Items(3)->Visible());
  EXPECT_FALSE(sys->Items(4)->Visible());

  // A string store gives the captions; a key it lacks gives an empty one.
  auto* strings = new TspResourceStrData(nullptr);
  strings->ResStrings()->Clear();
  strings->ResStrings()->Add(L"MI_CLOSECAPTION=Schlie&ssen");
  Skin->SetResourceStrData(strings);
  sys = Frame->SystemMenu();
  EXPECT_EQ(sys->Items(6)->Caption(), L"Schlie&ssen");
  EXPECT_EQ(sys->Items(0)->Caption(), L"");
  Skin->SetResourceStrData(nullptr);
  Free(strings);

  // Close closes the form.
  bool closed = false;
  F->Form->OnClose = [&](TObject*, TCloseAction& Action) {
    closed = true;
    Action = caHide;
  };
  Frame->SystemMenu()->Items(6)->Click();
  EXPECT_TRUE(closed);
}

TEST_F(FormMenuTest, AnAssignedSystemMenuReplacesTheBuiltInOne) {
  auto* own = new TPopupMenu(F->Form);
  AddItem(own->Items(), L"Mine", own);
  Frame->SetSystemMenuSource(own);
  EXPECT_EQ(Frame->SystemMenu(), own->Items());
  Free(own);
  EXPECT_EQ(Frame->SystemMenuSource(), nullptr);
  EXPECT_EQ(Frame->SystemMenu()->Count(), 7);
}

TEST_F(FormMenuTest, OpeningAndClosingTheBarMenusAThousandTimesLeavesNoWindowsOrGdiObjects) {
  ShowWithMenu();
  Frame->PopupMenuBarItem(0);
  Menu->CloseSkinMenu();
  Settle();
  const int windows = ThreadWindows();
  const int gdi = GdiObjectsInUse();
  const int hooks = Application->MessageHookCount();
  for (int i = 0; i < 1000; ++i) {
    Frame->PopupMenuBarItem(i % 3);
    ASSERT_TRUE(Menu->Visible());
    if (i % 2) Menu->CloseSkinMenu();
    else SendMessageW(F->Handle(), WM_CANCELMODE, 0, 0);
    ASSERT_FALSE(Frame->SkinMenuOpened());
    if (i % 100 == 0) Application->ProcessMessages();
  }
  Settle();
  EXPECT_EQ(ThreadWindows(), windows);
  EXPECT_LE(GdiObjectsInUse(), gdi + 4);
  EXPECT_EQ(Application->MessageHookCount(), hooks);
}

}  // namespace
