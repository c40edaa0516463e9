// The tray icon under Wine: the shell's callback messages turned into clicks
// and double clicks, the icon coming back after the taskbar restarts, image
// index and animation, the tip, and the owner form going into the tray.
#include <functional>
#include <vector>

#include "../skin/SkinFormTestUtils.h"
#include "SkinInputTestUtils.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinForm.h"
#include "skininputs/SkinTrayIcon.h"
#include "skinctrls/SkinMenus.h"

namespace {

// Records what would go to the shell (Wine's shell may have no tray to take it).
class TRecordingTray : public TspTrayIcon {
 public:
  using TspTrayIcon::TspTrayIcon;
  struct TCall {
    DWORD Message;
    HICON Icon;
    String Tip;
  };
  std::vector<TCall> Calls;
  int Count(DWORD Message) const {
    int n = 0;
    for (const TCall& c : Calls) n += c.Message == Message;
    return n;
  }

 protected:
  bool NotifyShell(DWORD Message, NOTIFYICONDATAW& Data) override {
    EXPECT_EQ(Data.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(Data.uCallbackMessage, MSG_TRAY_CALLBACK);
    EXPECT_EQ(Data.hWnd, WindowHandle());
    Calls.push_back({Message, Data.hIcon, Data.szTip});
    return true;
  }
};

class TrayTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    tray = new TRecordingTray(form);
    tray->OnClick = [this](TObject*) { ++clicks; };
    tray->OnDblClick = [this](TObject*) { ++dblClicks; };
  }
  void Callback(UINT Mouse) {
    SendMessageW(tray->WindowHandle(), MSG_TRAY_CALLBACK, 1, Mouse);
  }
  // Pumps a little past the double-click time, so the click timer is done.
  void PastDoubleClickTime() {
    const DWORD until = GetTickCount() + GetDoubleClickTime() + 150;
    PumpUntil([&] { return GetTickCount() > until; });
  }
  // Three 16 x 16 images in distinct colours.
  TImageList* ThreeImages() {
    auto* list = new TImageList(form, 16, 16);
    for (TColor c : {clRed, clLime, clBlue}) {
      TBitmap b;
      b.SetSize(16, 16);
      b.Canvas()->Brush()->SetColor(c);
      b.Canvas()->FillRect(TRect(0, 0, 16, 16));
      list->Add(&b, nullptr);
    }
    return list;
  }
  TRecordingTray* tray = nullptr;
  int clicks = 0, dblClicks = 0;
};

TEST_F(TrayTest, AQuickClickFiresClickWhenTheDoubleClickTimeHasPassed) {
  std::vector<TMouseButton> downs;
  tray->OnMouseDown = [&](TObject*, TMouseButton B, TShiftState S, int, int) {
    downs.push_back(B);
    EXPECT_TRUE(S.Contains(B == mbLeft ? ssLeft : ssRight));
  };
  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  PastDoubleClickTime();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(dblClicks, 0);
  EXPECT_EQ(downs, (std::vector<TMouseButton>{mbLeft}));
}

TEST_F(TrayTest, ADoubleClickFiresOnlyDblClick) {
  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  Callback(WM_LBUTTONDBLCLK);
  Callback(WM_LBUTTONUP);
  PastDoubleClickTime();
  EXPECT_EQ(dblClicks, 1);
  EXPECT_EQ(clicks, 0);
  // The next single click is a click again.
  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  PastDoubleClickTime();
  EXPECT_EQ(clicks, 1);
}

TEST_F(TrayTest, APressHeldPastTheDoubleClickTimeClicksOnRelease) {
  Callback(WM_LBUTTONDOWN);
  PastDoubleClickTime();
  EXPECT_EQ(clicks, 0);
  Callback(WM_LBUTTONUP);
  EXPECT_EQ(clicks, 1);
  PastDoubleClickTime();
  EXPECT_EQ(clicks, 1);
}

TEST_F(TrayTest, DisabledIgnoresEveryCallback) {
  int moves = 0, balloons = 0;
  tray->OnMouseMove = [&](TObject*, TShiftState, int, int) { ++moves; };
  tray->OnBalloonHintClick = [&](TObject*) { ++balloons; };
  tray->SetEnabled(false);
  for (UINT m : {UINT(WM_MOUSEMOVE), UINT(WM_LBUTTONDOWN), UINT(WM_LBUTTONUP), UINT(WM_LBUTTONDBLCLK),
                 UINT(WM_RBUTTONDOWN), MSG_TRAY_BALLOON_CLICK})
    Callback(m);
  PastDoubleClickTime();
  EXPECT_EQ(moves + balloons + clicks + dblClicks, 0);
  tray->SetEnabled(true);
  Callback(WM_MOUSEMOVE);
  Callback(MSG_TRAY_BALLOON_CLICK);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(balloons, 1);
}

TEST_F(TrayTest, DoubleClickRunsTheMenusDefaultItem) {
  auto* menu = new TspSkinPopupMenu(form);
  int chosen = -1;
  for (int i = 0; i < 3; ++i) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(L"item");
    item->SetDefault(i >= 1);
    item->OnClick = [&chosen, i](TObject*) { if (chosen < 0) chosen = i; };
    menu->Items()->Add(item);
  }
  tray->SetPopupMenu(menu);
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(dblClicks, 1);
}

TEST_F(TrayTest, TaskbarCreatedAddsAVisibleIconAgain) {
  const UINT created = RegisterWindowMessageW(L"TaskbarCreated");
  // IconVisible is True from the start, but an icon never shown stays away.
  SendMessageW(tray->WindowHandle(), created, 0, 0);
  EXPECT_EQ(tray->Count(NIM_ADD), 0);
  tray->SetIconVisible(true);
  EXPECT_EQ(tray->Count(NIM_ADD), 1);
  SendMessageW(tray->WindowHandle(), created, 0, 0);
  EXPECT_EQ(tray->Count(NIM_ADD), 2);
  tray->SetIconVisible(false);
  EXPECT_EQ(tray->Count(NIM_DELETE), 1);
  SendMessageW(tray->WindowHandle(), created, 0, 0);
  EXPECT_EQ(tray->Count(NIM_ADD), 2);
  // The icon's window is top-level, so the broadcast the shell sends reaches it.
  EXPECT_EQ(GetParent(tray->WindowHandle()), nullptr);
}

TEST_F(TrayTest, IndexIsClampedAndAnEmptyListLeavesTheIconAlone) {
  tray->SetIconIndex(3);
  EXPECT_EQ(tray->IconIndex(), 0);
  const HICON before = tray->Icon()->Handle();
  auto* empty = new TImageList(form, 16, 16);
  tray->SetIconList(empty);
  tray->SetIconIndex(2);
  EXPECT_EQ(tray->IconIndex(), 0);
  EXPECT_EQ(tray->Icon()->Handle(), before);
  EXPECT_NE(before, nullptr);
  tray->SetIconList(ThreeImages());
  tray->SetIconIndex(7);
  EXPECT_EQ(tray->IconIndex(), 2);
  tray->SetIconIndex(-3);
  EXPECT_EQ(tray->IconIndex(), 0);
  EXPECT_EQ(tray->Calls.back().Message, DWORD(NIM_MODIFY));
  EXPECT_EQ(tray->Calls.back().Icon, tray->Icon()->Handle());
}

TEST_F(TrayTest, AnimationWrapsWhileTheHandlerHearsTheCountAtTheLastImage) {
  tray->SetIconList(ThreeImages());
  std::vector<int> next, shown;
  tray->OnCycle = [&](TObject*, int N) {
    next.push_back(N);
    shown.push_back(tray->IconIndex());
  };
  tray->SetAnimateTimerInterval(10);
  tray->SetCycleIcons(true);
  EXPECT_TRUE(PumpUntil([&] { return next.size() >= 5; }));
  tray->SetCycleIcons(false);
  next.resize(5);
  shown.resize(5);
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0, 1}));
  EXPECT_EQ(next, (std::vector<int>{1, 2, 3, 1, 2}));
}

TEST_F(TrayTest, TheTipIsCutToTheRecord) {
  tray->SetHint(String(200, L'h'));
  EXPECT_EQ(tray->TipText(), String(127, L'h'));
  EXPECT_EQ(tray->Calls.back().Tip, String(127, L'h'));
  tray->SetShowHint(false);
  EXPECT_EQ(tray->Calls.back().Tip, L"");
  tray->SetShowHint(true);
  tray->SetHint(L"");
  EXPECT_EQ(tray->Calls.back().Tip, L"");
}

TEST_F(TrayTest, MinimisingTheOwnerFormHidesItIntoTheTray) {
  ShowAndActivate(form);
  tray->SetIconVisible(false);
  tray->SetMinimizeToTray(true);
  const int adds = tray->Count(NIM_ADD);
  form->SetWindowState(wsMinimized);
  EXPECT_TRUE(PumpUntil([&] { return !form->Visible(); }));
  EXPECT_TRUE(tray->IconVisible());
  EXPECT_EQ(tray->Count(NIM_ADD), adds + 1);
  tray->ShowMainForm();
  Settle();
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->WindowState(), wsNormal);
}

TEST_F(TrayTest, TheSkinnedFormsTrayButtonGoesInAndADoubleClickComesBack) {
  ShowAndActivate(form);
  tray->OnDblClick = nullptr;
  tray->SetIconVisible(false);
  TspTrayLink* link = tray;
  link->MinimizeFormToTray(form, nullptr);
  Settle();
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(tray->IconVisible());
  Callback(WM_LBUTTONDBLCLK);
  Settle();
  EXPECT_TRUE(form->Visible());
  // The icon was not shown before, so it goes again; the handler was only lent.
  EXPECT_FALSE(tray->IconVisible());
  EXPECT_FALSE(tray->MinimizeToTray());
  EXPECT_FALSE(tray->OnDblClick);
}

TEST_F(TrayTest, TheSkinnedFormLendsItsTrayMenuWhoseItemsRestoreAndCarryTheGlyphNames) {
  auto* skinForm = new TspSkinForm(form);
  ASSERT_NE(FindSkinMenu(skinForm), nullptr);
  ShowAndActivate(form);
  tray->SetPopupMenu(nullptr);
  // The system menu's minimize-to-tray item takes the form into the tray.
  TMenuItem* items = skinForm->SystemMenu();
  TMenuItem* toTray = nullptr;
  for (int i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Name() == L"DSF_MINTOTRAY") toTray = items->Items(i);
  ASSERT_NE(toTray, nullptr);
  toTray->Click();
  Settle();
  EXPECT_FALSE(form->Visible());
  ASSERT_NE(tray->PopupMenu(), nullptr);
  EXPECT_EQ(tray->PopupMenu(), skinForm->TrayMenu());
  TMenuItem* restore = tray->PopupMenu()->Items()->Items(0);
  EXPECT_EQ(restore->Name(), L"TRAY_DSF_RESTORE");
  EXPECT_EQ(tray->PopupMenu()->Items()->Items(1)->Name(), L"TRAY_DSF_CLOSE");
  restore->Click();
  Settle();
  EXPECT_TRUE(form->Visible());
  // The menu was only lent.
  EXPECT_EQ(tray->PopupMenu(), nullptr);
}

// The tray menu opened during a modal dialog and closed by Esc or by a pick:
// the keys go back to the dialog (typing reaches its edit, Enter presses its
// default button), not to the form the dialog disabled. Plain and skinned.
TEST_F(TrayTest, AfterTheTrayMenuTheKeysGoBackToTheModalDialog) {
  auto* skinForm = new TspSkinForm(form);
  auto* menu = new TspSkinPopupMenu(form);
  int picks = 0;
  auto* item = new TMenuItem(menu);
  item->SetCaption(L"Pick");
  item->OnClick = [&](TObject*) { ++picks; };
  menu->Items()->Add(item);
  tray->SetPopupMenu(menu);
  ShowAndActivate(form);
  for (bool skinned : {false, true}) {
    SCOPED_TRACE(skinned);
    TForm dialog(Application);
    dialog.SetBounds(200, 200, 300, 150);
    if (skinned) (new TspSkinForm(&dialog))->SetSkinData(NewTestSkin(&dialog));
    auto* edit = new TEdit(&dialog);
    edit->SetParent(&dialog);
    edit->SetBounds(10, 10, 150, 21);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetBounds(10, 50, 80, 25);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    dialog.SetActiveControl(edit);
    int ticks = 0;
    bool ran = false;
    TTimer script(nullptr);
    script.SetInterval(100);
    script.OnTimer = [&](TObject*) {
      if (++ticks == 100) PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);  // stuck: end the test
      if (ran || GetActiveWindow() != dialog.Handle()) return;
      ran = true;
      for (bool pick : {false, true}) {
        Callback(WM_RBUTTONDOWN);
        Callback(WM_RBUTTONUP);
        Settle();
        ASSERT_TRUE(FindSkinMenu(skinForm)->Visible());
        if (pick) KeyChord({}, VK_DOWN);
        KeyChord({}, pick ? VK_RETURN : VK_ESCAPE);
        EXPECT_FALSE(FindSkinMenu(skinForm)->Visible());
        EXPECT_EQ(GetForegroundWindow(), dialog.Handle());
        TypeInput(pick ? L"b" : L"a");
      }
      KeyChord({}, VK_RETURN);
    };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(edit->Text(), L"ab");
  }
  EXPECT_EQ(picks, 2);
}

// The frame test skin on the tray's form, whose caption buttons the real
// mouse clicks.
class SkinnedTrayTest : public TrayTest {
 protected:
  void SetUp() override {
    TrayTest::SetUp();
    tray->OnDblClick = nullptr;
    tray->SetIconVisible(false);
    form->SetBorderStyle(bsSizeable);
    skin = new TspSkinData(form);
    LoadTestSkin(skin, "frame.ini");
    skinForm = new TspSkinForm(form);
    skinForm->SetSkinData(skin);
    ShowAndActivate(form);
  }
  void ClickButton(const wchar_t* Name) {
    TspSkinFrameObject* button = skinForm->FindObject(Name);
    ASSERT_NE(button, nullptr);
    const TRect w = WindowRectOf(form->Handle());
    const TRect& r = button->ObjectRect;
    MoveMouse(TPoint(2, 2));
    MoveMouse(TPoint(w.Left + (r.Left + r.Right) / 2, w.Top + (r.Top + r.Bottom) / 2));
    ::MouseDown();
    ::MouseUp();
    Settle();
  }
  TspSkinData* skin = nullptr;
  TspSkinForm* skinForm = nullptr;
};

TEST_F(SkinnedTrayTest, TheTrayButtonTakesTheFormInAgainAfterEveryWayBack) {
  const struct {
    const char* Name;
    std::function<void()> Back;
  } ways[] = {
      {"Show", [&] { form->Show(); }},
      {"ShowMainForm", [&] { tray->ShowMainForm(); }},
      {"Visible", [&] { form->SetVisible(true); }},
      {"double click on the icon", [&] { Callback(WM_LBUTTONDBLCLK); }},
      {"the tray menu's restore", [&] { tray->PopupMenu()->Items()->Items(0)->Click(); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.Name);
    ClickButton(L"traybutton");
    ASSERT_TRUE(PumpUntil([&] { return !form->Visible(); }));
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_TRUE(tray->MinimizeToTray());
    way.Back();
    Settle();
    ASSERT_TRUE(form->Visible());
    // Whatever brought it back, the icon is as it was and lent nothing more.
    EXPECT_FALSE(tray->IconVisible());
    EXPECT_FALSE(tray->MinimizeToTray());
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    EXPECT_FALSE(tray->OnDblClick);
  }
  // An icon the program shows stays after the way back.
  tray->SetIconVisible(true);
  ClickButton(L"traybutton");
  ASSERT_TRUE(PumpUntil([&] { return !form->Visible(); }));
  form->Show();
  Settle();
  EXPECT_TRUE(tray->IconVisible());
}

// Minimizing into the tray leaves the hidden window minimized: a state the
// program sets meanwhile is the one the form comes back in.
TEST_F(SkinnedTrayTest, AFormMinimizedIntoTheTrayComesBackInTheStateSetWhileHidden) {
  tray->SetMinimizeToTray(true);
  ClickButton(L"minbutton");
  ASSERT_TRUE(PumpUntil([&] { return !form->Visible(); }));
  EXPECT_EQ(skinForm->WindowState(), 1);
  skinForm->SetWindowState(0);
  EXPECT_EQ(form->WindowState(), wsNormal);
  form->Show();
  Settle();
  EXPECT_FALSE(IsIconic(form->Handle()));
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_EQ(WindowRectOf(form->Handle()).Width(), 420);
  // And the minimize button works again, with the real mouse as before.
  tray->SetMinimizeToTray(false);
  ClickButton(L"minbutton");
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(form->Handle()); }));
  EXPECT_EQ(skinForm->WindowState(), 1);
}

}  // namespace

namespace {

TEST_F(TrayTest, AHandlerThatFreesTheIconEndsTheCallback) {
  auto* menu = new TspSkinPopupMenu(form);
  auto* item = new TMenuItem(menu);
  item->SetDefault(true);
  bool ran = false;
  item->OnClick = [&](TObject*) { ran = true; };
  menu->Items()->Add(item);
  tray->SetPopupMenu(menu);
  tray->OnDblClick = [this](TObject*) {
    delete tray;
    tray = nullptr;
  };
  const HWND wnd = tray->WindowHandle();
  SendMessageW(wnd, MSG_TRAY_CALLBACK, 1, WM_LBUTTONDBLCLK);
  EXPECT_EQ(tray, nullptr);
  EXPECT_FALSE(ran);
  EXPECT_FALSE(IsWindow(wnd));
}

}  // namespace

namespace {

// The colour at the middle of an icon drawn on white.
COLORREF IconMiddle(HICON Icon) {
  TBitmap b;
  b.SetSize(32, 32);
  b.Canvas()->Brush()->SetColor(clWhite);
  b.Canvas()->FillRect(TRect(0, 0, 32, 32));
  DrawIconEx(b.Canvas()->Handle(), 0, 0, Icon, 32, 32, 0, nullptr, DI_NORMAL);
  return GetPixel(b.Canvas()->Handle(), 16, 16);
}

// Whether the shell holds the icon now: added, and not deleted since.
bool InTray(const TRecordingTray* Tray) {
  bool in = false;
  for (const auto& c : Tray->Calls) {
    if (c.Message == NIM_ADD) in = true;
    if (c.Message == NIM_DELETE) in = false;
  }
  return in;
}

TEST_F(TrayTest, TheTrayAndTheFormsShowTheProgramsIcon) {
  // The test program's only icon group is its own (test_program_icon.rc).
  const COLORREF programs = RGB(200, 30, 160);
  ASSERT_NE(ProgramIcon(), nullptr);
  EXPECT_EQ(IconMiddle(ProgramIcon()), programs);
  EXPECT_EQ(IconMiddle(Application->Icon()->Handle()), programs);
  EXPECT_EQ(IconMiddle(tray->Icon()->Handle()), programs);
  Settle();
  ASSERT_FALSE(tray->Calls.empty());
  EXPECT_EQ(IconMiddle(tray->Calls.back().Icon), programs);
  EXPECT_EQ(IconMiddle(reinterpret_cast<HICON>(GetClassLongPtrW(form->Handle(), GCLP_HICON))), programs);
}

TEST_F(TrayTest, AnIconMadeInCodeIsInTheTrayOnceTheLoopRunsAndHidingTheFormLeavesIt) {
  EXPECT_TRUE(tray->IconVisible());
  Settle();
  EXPECT_TRUE(InTray(tray));
  EXPECT_EQ(tray->Count(NIM_ADD), 1);
  ShowAndActivate(form);
  tray->HideMainForm();
  Settle();
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(InTray(tray));
  // The way back a program gives its icon: a double click.
  tray->OnDblClick = [this](TObject*) { tray->ShowMainForm(); };
  Callback(WM_LBUTTONDBLCLK);
  Settle();
  EXPECT_TRUE(form->Visible());
}

TEST_F(TrayTest, ALoadedIconShowsOnlyWhatItsStoredValuesSay) {
  auto* loaded = new TRecordingTray(form);
  loaded->BeginLoading();
  loaded->SetIconVisible(false);
  Settle();  // the loop runs while the component is still loading
  loaded->EndLoading();
  Settle();
  EXPECT_FALSE(loaded->IconVisible());
  EXPECT_FALSE(InTray(loaded));
  EXPECT_EQ(loaded->Count(NIM_ADD), 0);
  Free(loaded);
}

TEST_F(TrayTest, MinimizedOnStartInCodeStartsTheProgramInTheTray) {
  // Made in code just before the program runs, as a program's main form does.
  auto* main = new TForm(nullptr);
  main->SetBounds(100, 100, 240, 160);
  auto* starter = new TRecordingTray(main);
  starter->SetIconVisible(false);
  starter->SetMinimizedOnStart(true);
  TCustomForm* oldMain = Application->MainForm();
  Application->SetMainForm(main);
  PostQuitMessage(0);
  Application->Run();
  Application->ResetTerminated();
  Application->SetMainForm(oldMain);
  EXPECT_FALSE(Application->ShowMainForm());
  Application->SetShowMainForm(true);
  EXPECT_FALSE(main->Visible());
  EXPECT_TRUE(starter->IconVisible());
  EXPECT_TRUE(starter->MinimizeToTray());
  EXPECT_TRUE(InTray(starter));
  Free(main);
}

}  // namespace
