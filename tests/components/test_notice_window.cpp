// The notice window under the real message loop: countdown, cancel and
// close, the notification to the notify window, the gauge and the skin.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "classlib/Menus.h"
#include "components/HyMsgForm.h"
#include "tests/classlib/ControlTestUtils.h"
#include "tests/skin/SkinTestData.h"

namespace {

const wchar_t* const kCancelAction = L"\x53D6\x6D88\x8BE5\x64CD\x4F5C";

// A plain window that records the notifications it receives.
struct NotifyWindow {
  NotifyWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"NoticeTestNotify";
    RegisterClassW(&wc);
    Handle = CreateWindowW(L"NoticeTestNotify", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    Received().clear();
  }
  ~NotifyWindow() { DestroyWindow(Handle); }
  static LRESULT CALLBACK Proc(HWND W, UINT M, WPARAM P, LPARAM L) {
    if (M == MSG_NOTICE_ENDED) Received().push_back(static_cast<int>(P));
    return DefWindowProcW(W, M, P, L);
  }
  static std::vector<int>& Received() {
    static std::vector<int> r;
    return r;
  }
  HWND Handle;
};

class NoticeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    notice = new THyMsgForm(nullptr);
    notice->Form()->OnClosed = [this, owner = notice->Form()->OnClosed](TObject* Sender) {
      ++closed;
      owner(Sender);
    };
  }
  void TearDown() override {
    Free(notice);
    Settle();
  }
  // Shows the window and sends it a notice, as the timer tool does.
  TMsgFormInfo Show(int32_t Countdown, uint32_t Flags, int32_t Tick, int32_t Param = 2) {
    TMsgFormInfo info{};
    info.Kind = kNoticeKind;
    SetNoticeText(info, String(L"\x5173\x673A notice"));
    info.Value = Tick;
    info.Countdown = Countdown;
    info.NotifyWnd = static_cast<int32_t>(reinterpret_cast<uintptr_t>(target.Handle));
    info.NotifyParam = Param;
    info.Notify = 1;
    info.Flags = Flags;
    notice->SetFormVisible(true);
    Send(MSG_NOTICE_TEXT, info);
    return info;
  }
  void Send(unsigned Msg, const TMsgFormInfo& Info) {
    SendMessageW(notice->GetFormHandle(), Msg, 0, reinterpret_cast<LPARAM>(&Info));
  }
  bool Shown() { return IsWindowVisible(notice->GetFormHandle()) != 0; }
  // The user's close (Alt+F4 or the system menu).
  void UserClose() {
    SendMessageW(notice->GetFormHandle(), WM_CLOSE, 0, 0);
    Settle();
  }
  TMsgForm* form() { return notice->Form(); }

  NotifyWindow target;
  THyMsgForm* notice = nullptr;
  int closed = 0;
};

}  // namespace

TEST_F(NoticeTest, CancelableCountdownRefusesCloseThenNotifiesAndHides) {
  Show(30, kNoticeCancelable, 15, 3);
  EXPECT_EQ(form()->lblMessage->Caption(), L"\x5173\x673A notice");
  EXPECT_EQ(form()->lblTimelapse->Caption(), L"( 30 )");
  EXPECT_TRUE(form()->sbCancel->Visible());
  EXPECT_EQ(form()->sbCancel->Caption(), kCancelAction);
  EXPECT_TRUE(notice->FormVisible());
  UserClose();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(closed, 0);
  ASSERT_TRUE(PumpUntil([&] { return !Shown(); }));
  EXPECT_EQ(NotifyWindow::Received(), std::vector<int>{3});
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(notice->FormVisible());
  EXPECT_EQ(form()->lblTimelapse->Caption(), L"( 1 )");
  EXPECT_FALSE(form()->Timer1->Enabled());
}

TEST_F(NoticeTest, CancelHidesWithoutNotifying) {
  Show(30, kNoticeCancelable, 1000);
  EXPECT_EQ(form()->Timer1->Interval(), 1000u);
  EXPECT_TRUE(form()->Timer1->Enabled());
  form()->sbCancel->Click();
  Settle();
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(form()->sbCancel->Visible());
  EXPECT_FALSE(form()->Timer1->Enabled());
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(NotifyWindow::Received().empty());
  // The window is reused: the next notice counts again.
  Show(1, kNoticeCancelable, 10, 4);
  ASSERT_TRUE(PumpUntil([&] { return !Shown(); }));
  EXPECT_EQ(NotifyWindow::Received(), std::vector<int>{4});
}

TEST_F(NoticeTest, PlainNoticeClosesByTheUserWithoutNotifying) {
  Show(30, kNoticePlain, 1000);
  EXPECT_FALSE(form()->sbCancel->Visible());
  UserClose();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(+form()->MsgInfo.Notify, 0);
  EXPECT_TRUE(NotifyWindow::Received().empty());
}

TEST_F(NoticeTest, NoticeWithNoTimerAndNoButtonCanStillBeClosed) {
  for (uint32_t flags : {0u, 3u}) {
    closed = 0;
    Show(0, flags, 1000);
    EXPECT_FALSE(form()->Timer1->Enabled());
    EXPECT_FALSE(form()->sbCancel->Visible());
    UserClose();
    EXPECT_FALSE(Shown()) << flags;
    EXPECT_EQ(closed, 1) << flags;
  }
  EXPECT_TRUE(NotifyWindow::Received().empty());
}

TEST_F(NoticeTest, TickOfZeroStillEndsTheCountdown) {
  Show(2, kNoticePlain, 0);
  EXPECT_TRUE(form()->Timer1->Enabled());
  EXPECT_EQ(form()->Timer1->Interval(), 1000u);
  ASSERT_TRUE(PumpUntil([&] { return !Shown(); }));
  EXPECT_EQ(closed, 1);
}

TEST_F(NoticeTest, TextLengthByteBeyondTheFieldShowsOnlyTheField) {
  TMsgFormInfo info{};
  info.Kind = kNoticeKind;
  info.Flags = kNoticePlain;
  info.Text[0] = 255;
  for (int i = 1; i <= kNoticeTextMax; i += 2) {
    info.Text[i] = 0xD6;
    info.Text[i + 1] = 0xD0;
  }
  info.Value = 0x0000D6D6;  // would complete a character if read past the field
  Send(MSG_NOTICE_TEXT, info);
  EXPECT_EQ(form()->lblMessage->Caption(), String(50, L'\x4E2D'));
  // A record without an address is ignored.
  SendMessageW(notice->GetFormHandle(), MSG_NOTICE_TEXT, 0, 0);
  EXPECT_EQ(form()->lblMessage->Caption(), String(50, L'\x4E2D'));
}

TEST_F(NoticeTest, GaugeShowsWithAndWithoutANewMaximum) {
  TMsgFormInfo info{};
  info.Flags = kGaugeVisible;
  info.Value = 40;
  Send(MSG_NOTICE_PROGRESS_INFO, info);
  EXPECT_TRUE(form()->Gauge1->Visible());
  EXPECT_EQ(form()->Gauge1->MaxValue(), 100);
  info.Flags = kGaugeVisible | kGaugeSetMax;
  Send(MSG_NOTICE_PROGRESS_INFO, info);
  EXPECT_EQ(form()->Gauge1->MaxValue(), 40);
  info.Value = 30;
  Send(MSG_NOTICE_PROGRESS, info);
  EXPECT_EQ(form()->Gauge1->Progress(), 30);
  info.Flags = 0;
  Send(MSG_NOTICE_PROGRESS_INFO, info);
  EXPECT_FALSE(form()->Gauge1->Visible());
  EXPECT_EQ(+form()->MsgInfo.Kind, 0);  // gauge messages are not stored
}

TEST_F(NoticeTest, PlacedTopMostWithItsOwnTaskbarButton) {
  const TPoint at = NoticePlacement(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                    notice->GetFormWidth(), notice->GetFormHeight());
  RECT r = {};
  GetWindowRect(notice->GetFormHandle(), &r);
  EXPECT_EQ(TPoint(r.left, r.top), at);
  const LONG ex = GetWindowLongW(notice->GetFormHandle(), GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(ex & WS_EX_APPWINDOW);
  EXPECT_EQ(form()->ClientWidth(), 272);
  EXPECT_EQ(form()->ClientHeight(), 135);
  // The message keeps its box whatever the text: long texts wrap inside it.
  Show(30, kNoticePlain, 1000);
  EXPECT_EQ(form()->lblMessage->BoundsRect(), Rect(23, 6, 246, 86));
}

TEST_F(NoticeTest, StaysAboveAnActivatedForm) {
  Show(30, kNoticePlain, 1000);
  RECT r = {};
  GetWindowRect(notice->GetFormHandle(), &r);
  auto* other = new TForm(nullptr);
  other->SetBounds(r.left - 20, r.top - 20, r.right - r.left + 40, r.bottom - r.top + 40);
  ShowAndActivate(other);
  POINT mid = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  EXPECT_EQ(GetAncestor(WindowFromPoint(mid), GA_ROOT), notice->GetFormHandle());
  Free(other);
}

TEST_F(NoticeTest, ClickOnTheWindowReachesTheOwnerEvent) {
  int clicks = 0;
  notice->OnMsgFormClick = [&](TObject* Sender) {
    EXPECT_EQ(Sender, notice);
    ++clicks;
  };
  Show(30, kNoticePlain, 1000);
  const LPARAM at = MAKELPARAM(260, 125);  // beside the labels
  SendMessageW(notice->GetFormHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(notice->GetFormHandle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicks, 1);
  // Real clicks on the text and on the countdown.
  for (TControl* on : std::initializer_list<TControl*>{form()->lblMessage, form()->lblTimelapse}) {
    MoveMouse(Center(on));
    MouseDown();
    MouseUp();
    Settle();
  }
  EXPECT_EQ(clicks, 3);
}

TEST_F(NoticeTest, FreedWhileCountingSendsNothing) {
  // A countdown of two 10 ms ticks notifies well within the wait below...
  Show(2, kNoticeCancelable, 10, 5);
  ASSERT_TRUE(PumpUntil([&] { return !NotifyWindow::Received().empty(); }, 5000));
  NotifyWindow::Received().clear();
  // ...but not once its window was freed while counting.
  Show(2, kNoticeCancelable, 10, 6);
  Free(notice);
  notice = nullptr;
  EXPECT_FALSE(PumpUntil([&] { return !NotifyWindow::Received().empty(); }, 500));
  EXPECT_TRUE(NotifyWindow::Received().empty());
  notice = new THyMsgForm(nullptr);
}

TEST(NoticeSkin, DefaultTakesTheStoredSkinAndAnythingElseIsAFile) {
  auto* stored = new TspCompressedStoredSkin(nullptr);
  stored->LoadFromSkinFile(ProjectPath("skins/Test/frame.ini"));
  auto* shared = new TspSkinData(nullptr);
  shared->SetCompressedStoredSkin(stored);
  auto* notice = new THyMsgForm(nullptr);
  TspSkinData* own = notice->Form()->spSkinData1;

  // Nothing to take, or a skin data loaded without keeping its stored skin:
  // an error that says so, and the skin stays as it was.
  EXPECT_THROW(notice->LoadSkin(L"Default", nullptr), EInvalidOperation);
  TspSkinData loadedOnly(nullptr);
  loadedOnly.LoadCompressedStoredSkin(stored);
  try {
    notice->LoadSkin(L"Default", &loadedOnly);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidOperation& e) {
    EXPECT_NE(e.Message().find(L"SetCompressedStoredSkin"), String::npos);
  }
  EXPECT_TRUE(own->Empty());
  notice->LoadSkin(L"Default", shared);
  EXPECT_FALSE(own->Empty());
  EXPECT_EQ(own->SkinName, L"Frame test");
  TspSkinForm* frame = notice->Form()->spSkinForm1;
  EXPECT_TRUE(frame->FrameOn());
  // Only the system menu's buttons: the notice neither maximizes nor rolls up.
  EXPECT_FALSE(frame->FindObject(L"maxbutton")->Visible);
  EXPECT_FALSE(frame->FindObject(L"rollupbutton")->Visible);
  EXPECT_EQ(notice->Form()->ClientWidth(), 272);
  EXPECT_EQ(notice->Form()->ClientHeight(), 135);
  EXPECT_THROW(notice->LoadSkin(L"default", shared), EFOpenError);

  // A packed skin file by its path.
  TspCompressedStoredSkin small(nullptr);
  small.LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const String path = String(dir) + L"notice_test.skn";
  {
    TFileStream file(path, fmCreate);
    small.SaveToCompressStream(&file);
  }
  notice->LoadSkin(path, nullptr);
  EXPECT_NE(own->SkinName, L"Frame test");
  EXPECT_FALSE(own->Empty());
  DeleteFileW(path.c_str());

  Free(notice);
  Free(shared);
  Free(stored);
}

// The user types in a form while notices come and go: the keys and the menu
// shortcuts stay with the focused control, plain and skinned.
TEST(NoticeFocus, ShowsWithoutTakingTheKeys) {
  auto* stored = new TspCompressedStoredSkin(nullptr);
  stored->LoadFromSkinFile(ProjectPath("skins/Test/frame.ini"));
  auto* shared = new TspSkinData(nullptr);
  shared->SetCompressedStoredSkin(stored);
  auto* form = new TForm(nullptr);
  form->SetBounds(20, 20, 300, 200);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(menu);
  file->SetCaption(L"&File");
  menu->Items()->Add(file);
  auto* save = new TMenuItem(menu);
  file->Add(save);
  save->SetShortCut(ShortCut('S', {ssCtrl}));
  int saves = 0;
  save->OnClick = [&](TObject*) { ++saves; };
  form->SetMenu(menu);
  ShowAndActivate(form);
  edit->SetFocus();
  for (bool skinned : {false, true}) {
    auto* notice = new THyMsgForm(nullptr);
    if (skinned) notice->LoadSkin(L"Default", shared);
    TMsgFormInfo info{};
    info.Flags = kNoticePlain;
    info.Countdown = 30;
    SetNoticeText(info, String(L"saved"));
    notice->SetFormVisible(true);
    SendMessageW(notice->GetFormHandle(), MSG_NOTICE_TEXT, 0, reinterpret_cast<LPARAM>(&info));
    Settle();
    EXPECT_TRUE(IsWindowVisible(notice->GetFormHandle()));
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << skinned;
    EXPECT_EQ(GetFocus(), edit->Handle()) << skinned;
    TypeInput(L"ab");
    KeyChord({VK_CONTROL}, 'S');
    Free(notice);
    Settle();
  }
  EXPECT_EQ(edit->Text(), L"abab");
  EXPECT_EQ(saves, 2);
  Free(form);
  Free(shared);
  Free(stored);
}
