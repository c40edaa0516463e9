// The skinned form's frame under Wine: client margins and window shape at two
// sizes, hit tests, window states with the status bar grip, frame objects,
// skin switches, SkinnableForm, the private paint queries and handle hygiene.
#include <gtest/gtest.h>

#include "SkinFormTestUtils.h"
#include "classlib/StdCtrls.h"
#include "skin/SPUtils_draw.h"

namespace {

using FrameTest = FrameSkinTest;

// Checks the rounded window shape of the frame test skin at W x H.
void ExpectRoundedShape(HWND Wnd, int W, int H) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(Wnd, rgn), COMPLEXREGION);
  RECT box = {};
  GetRgnBox(rgn, &box);
  EXPECT_EQ(TRect(box.left, box.top, box.right, box.bottom), TRect(0, 0, W, H));
  for (TPoint corner : {TPoint(0, 0), TPoint(W - 1, 0), TPoint(0, H - 1), TPoint(W - 1, H - 1)})
    EXPECT_FALSE(PtInRegion(rgn, corner.X, corner.Y)) << corner.X << "," << corner.Y;
  for (TPoint inside : {TPoint(6, 0), TPoint(0, 6), TPoint(W / 2, 0), TPoint(W - 1, H / 2), TPoint(W / 2, H - 1),
                        TPoint(W / 2, H / 2)})
    EXPECT_TRUE(PtInRegion(rgn, inside.X, inside.Y)) << inside.X << "," << inside.Y;
  DeleteObject(rgn);
}

TEST_F(FrameTest, ClientAndWindowShapeFollowTheSize) {
  TSkinnedForm f(Skin);
  ShowAndActivate(f.Form);
  for (TSize size : {TSize(300, 200), TSize(480, 360)}) {
    f.Form->SetBounds(60, 60, size.cx, size.cy);
    Settle();
    EXPECT_EQ(ClientInWindow(f.Handle()), TRect(5, 28, size.cx - 5, size.cy - 5));
    EXPECT_EQ(f.Form->ClientWidth(), size.cx - 10);
    ExpectRoundedShape(f.Handle(), size.cx, size.cy);
  }
}

TEST_F(FrameTest, HitTestsAtCaptionBordersCornersAndButtons) {
  TSkinnedForm f(Skin);
  ShowAndActivate(f.Form);
  const HWND h = f.Handle();
  EXPECT_EQ(HitAt(h, TPoint(150, 15)), HTCAPTION);
  EXPECT_EQ(HitAt(h, TPoint(150, 100)), HTCLIENT);
  EXPECT_EQ(HitAt(h, TPoint(150, 2)), HTTOP);
  EXPECT_EQ(HitAt(h, TPoint(150, 197)), HTBOTTOM);
  EXPECT_EQ(HitAt(h, TPoint(2, 100)), HTLEFT);
  EXPECT_EQ(HitAt(h, TPoint(297, 100)), HTRIGHT);
  EXPECT_EQ(HitAt(h, TPoint(2, 2)), HTTOPLEFT);
  EXPECT_EQ(HitAt(h, TPoint(297, 2)), HTTOPRIGHT);
  EXPECT_EQ(HitAt(h, TPoint(2, 197)), HTBOTTOMLEFT);
  EXPECT_EQ(HitAt(h, TPoint(297, 197)), HTBOTTOMRIGHT);
  // Close, maximize, minimize, roll-up, tray and system-menu buttons, the icon.
  for (int x : {285, 265, 245, 225, 205, 35, 14}) EXPECT_EQ(HitAt(h, TPoint(x, 14)), HTOBJECT) << x;
  // The buttons follow the right side when the form grows.
  f.Form->SetWidth(400);
  Settle();
  EXPECT_EQ(HitAt(h, TPoint(385, 14)), HTOBJECT);
  EXPECT_EQ(HitAt(h, TPoint(285, 14)), HTCAPTION);
  // A form that is not sizeable has no sizing zones.
  f.Frame->SetSizeable(false);
  EXPECT_EQ(HitAt(h, TPoint(2, 100)), HTBORDER);
  EXPECT_EQ(HitAt(h, TPoint(150, 2)), HTCAPTION);
}

class TGripBar : public TComponent, public TspSizeGripLink {
 public:
  using TComponent::TComponent;
  bool SizeGrip() const override { return true; }
  void SetShowGrip(bool Value) override { Shown = Value; }
  bool Shown = true;
};

TEST_F(FrameTest, MaximizeRestoreAndRollUpWithTheStatusBarGrip) {
  TSkinnedForm f(Skin);
  auto* grip = new TGripBar(f.Form);
  grip->SetName(L"statusbar");
  ShowAndActivate(f.Form);
  const HWND h = f.Handle();
  const TRect normal = WindowRectOf(h);

  f.Frame->SetWindowState(2);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(h) != FALSE; }));
  Settle();
  TRect work;
  GetMonitorRect(h, true, work);
  EXPECT_EQ(WindowRectOf(h), work);  // the work area, not over the task bar
  EXPECT_FALSE(grip->Shown);
  EXPECT_EQ(HitAt(h, TPoint(2, 100)), HTBORDER);  // no sizing while maximized

  f.Frame->SetWindowState(0);
  Settle();
  EXPECT_EQ(WindowRectOf(h), normal);
  EXPECT_TRUE(grip->Shown);

  f.Frame->SetRollUpState(true);
  Settle();
  EXPECT_TRUE(f.Frame->RollUpState());
  EXPECT_EQ(WindowRectOf(h).Height(), 32);  // the roll-up picture's height
  EXPECT_EQ(ClientInWindow(h).Height(), 0);
  EXPECT_EQ(f.Frame->WindowState(), 0);
  ExpectRoundedShape(h, 300, 32);
  EXPECT_EQ(HitAt(h, TPoint(150, 30)), HTBORDER);  // no sizing downwards
  EXPECT_EQ(HitAt(h, TPoint(2, 16)), HTLEFT);      // but sideways

  // Maximizing a rolled-up form unrolls it first; restoring gives the old height.
  f.Frame->SetWindowState(2);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(h) != FALSE; }));
  EXPECT_FALSE(f.Frame->RollUpState());
  f.Frame->SetWindowState(0);
  Settle();
  EXPECT_EQ(WindowRectOf(h), normal);
  EXPECT_TRUE(grip->Shown);
}

TEST_F(FrameTest, AnInactiveFormWearsTheSkinsInactiveEffect) {
  TSkinnedForm f(Skin);
  ShowAndActivate(f.Form);
  auto topPixel = [&] {
    TBitmap shot;
    shot.SetSize(300, 200);
    f.Frame->PaintFormTo(shot.Canvas()->Handle(), 0, 0);
    return GetPixel(shot.Canvas()->Handle(), 150, 0);
  };
  EXPECT_EQ(topPixel(), RGB(150, 185, 235));
  TSkinnedForm other(Skin);
  other.Form->SetLeft(400);
  ShowAndActivate(other.Form);
  // The frame test skin renders its inactive frame in grey.
  const COLORREF inactive = topPixel();
  EXPECT_EQ(GetRValue(inactive), GetGValue(inactive));
  EXPECT_EQ(GetGValue(inactive), GetBValue(inactive));
  EXPECT_EQ(ScreenPixel(f.Handle(), TPoint(150, 0)), inactive);
  ShowAndActivate(f.Form);
  EXPECT_EQ(topPixel(), RGB(150, 185, 235));
}

// Children made before their frame shows (in its constructor, say): the
// active one wears the active caption from the start, the others do not.
TEST_F(FrameTest, ChildrenMadeBeforeTheFrameShowsWearTheirActivityFromTheStart) {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(40, 40, 640, 480);
  (new TspSkinForm(frame))->SetSkinData(Skin);
  frame->HandleNeeded();  // the children's client window
  TForm* children[2] = {};
  for (TForm*& child : children) {
    child = new TForm(frame);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(0, 0, 300, 200);
    (new TspSkinForm(child))->SetSkinData(Skin);
    child->Show();
  }
  ShowAndActivate(frame);
  auto topPixel = [&](TForm* Child) {
    TBitmap shot;
    shot.SetSize(300, 200);
    GetSkinForm(Child)->PaintFormTo(shot.Canvas()->Handle(), 0, 0);
    return GetPixel(shot.Canvas()->Handle(), 150, 0);
  };
  ASSERT_EQ(frame->ActiveMDIChild(), children[1]);
  EXPECT_EQ(topPixel(children[1]), RGB(150, 185, 235));
  const COLORREF inactive = topPixel(children[0]);
  EXPECT_EQ(GetRValue(inactive), GetBValue(inactive));
  // The frame losing the activation takes the child's with it, and gives it back.
  TSkinnedForm other(Skin);
  other.Form->SetLeft(700);
  ShowAndActivate(other.Form);
  EXPECT_EQ(topPixel(children[1]), inactive);
  ShowAndActivate(frame);
  EXPECT_EQ(topPixel(children[1]), RGB(150, 185, 235));
  Free(frame);
}

// FormStyle set after a skin load made the window: the window is made again
// as an MDI frame whose children open and switch by the keyboard. A frame
// with children, or a child without a frame, refuses the change at once.
TEST_F(FrameTest, FormStyleSetAfterTheSkinMadeTheWindowTakesEffect) {
  auto* own = new TspSkinData(nullptr);
  TSkinnedForm f(own, 640, 480);
  LoadTestSkin(own, "frame.ini");
  ASSERT_TRUE(f.Form->HandleAllocated());
  auto* edit = new TEdit(f.Form);
  edit->SetParent(f.Form);
  edit->SetText(L"kept");
  f.Form->SetFormStyle(fsMDIForm);
  ASSERT_NE(f.Form->ClientHandle(), nullptr);
  ShowAndActivate(f.Form);
  EXPECT_EQ(edit->Text(), L"kept");
  TForm* children[2] = {};
  for (TForm*& child : children) {
    child = new TForm(f.Form);
    child->SetFormStyle(fsMDIChild);
    (new TspSkinForm(child))->SetSkinData(Skin);
    child->Show();
    Settle();
  }
  EXPECT_EQ(f.Form->ActiveMDIChild(), children[1]);
  KeyChord({VK_CONTROL}, VK_F6);
  EXPECT_EQ(f.Form->ActiveMDIChild(), children[0]);
  EXPECT_THROW(f.Form->SetFormStyle(fsNormal), EInvalidOperation);
  EXPECT_EQ(f.Form->FormStyle(), fsMDIForm);
  EXPECT_EQ(f.Form->MDIChildCount(), 2);
  // A child made a plain form leaves the client window for a window of its own.
  children[0]->SetFormStyle(fsNormal);
  EXPECT_EQ(f.Form->MDIChildCount(), 1);
  EXPECT_EQ(GetAncestor(children[0]->Handle(), GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(IsWindowVisible(children[0]->Handle()));
  EXPECT_EQ(f.Form->ActiveMDIChild(), children[1]);

  TSkinnedForm lone(own);
  lone.Form->HandleNeeded();
  EXPECT_THROW(lone.Form->SetFormStyle(fsMDIChild), EInvalidOperation);
  EXPECT_EQ(lone.Form->FormStyle(), fsNormal);
  EXPECT_TRUE(IsWindow(lone.Handle()));
  Free(own);
}

TEST_F(FrameTest, SizeLimitsMenuBarPlaceAndAlphaBlending) {
  TSkinnedForm f(Skin);
  f.Frame->SetAlphaBlendAnimation(true);
  f.Frame->SetAlphaBlend(true);
  f.Frame->SetAlphaBlendValue(180);
  ShowAndActivate(f.Form);
  const HWND h = f.Handle();
  // Shown, the form fades in to its own alpha.
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(PumpUntil([&] { return GetLayeredWindowAttributes(h, nullptr, &alpha, &flags) && alpha == 180; }));
  EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED);
  f.Frame->SetAlphaBlend(false);
  EXPECT_FALSE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED);

  // Sizing stops at the skin's smallest width and the frame's bands.
  MINMAXINFO info = {};
  SendMessageW(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 240);
  EXPECT_EQ(info.ptMinTrackSize.y, 33);

  // The menu bar's place on the frame follows the width.
  EXPECT_EQ(f.Frame->MainMenuBarRect(), TRect(6, 26, 294, 28));
  EXPECT_EQ(f.Frame->IconRect(), TRect(6, 6, 22, 22));

  // The form's own constraints narrow the frame's limits, however it is sized.
  TSizeConstraints limits;
  limits.MinWidth = 320;
  limits.MaxHeight = 260;
  f.Form->SetConstraints(limits);
  info = {};
  SendMessageW(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 320);
  EXPECT_EQ(info.ptMinTrackSize.y, 33);
  EXPECT_EQ(info.ptMaxTrackSize.y, 260);
  MoveWindow(h, 60, 60, 100, 400, TRUE);
  Settle();
  EXPECT_EQ(WindowRectOf(h).Width(), 320);
  EXPECT_EQ(f.Form->Height(), 260);
}

TEST_F(FrameTest, OneFrameObjectPerRecordAndEmptiedActiveRects) {
  TSkinnedForm f(Skin);
  ASSERT_EQ(f.Frame->ObjectCount(), Skin->ObjectList.Count());
  for (int i = 0; i < f.Frame->ObjectCount(); ++i)
    EXPECT_EQ(f.Frame->Objects(i)->IDName(), Skin->ObjectList[i]->IDName);
  EXPECT_NE(dynamic_cast<TspSkinStdButtonObject*>(f.Frame->FindObject(L"closebutton")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinCaptionObject*>(f.Frame->FindObject(L"caption")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinUserObject*>(f.Frame->FindObject(L"userarea")), nullptr);
  // A record whose active picture index lies beyond the pictures gets no
  // active picture and its active rectangle is emptied in the record.
  auto* menuItem = Skin->ObjectList[Skin->GetObjectIndex(L"menuitem")];
  EXPECT_TRUE(menuItem->ActiveSkinRect.IsEmpty());
  EXPECT_EQ(f.Frame->FindObject(L"menuitem")->ActivePicture(), nullptr);
  EXPECT_EQ(f.Frame->FindObject(L"traybutton")->ActivePicture(), nullptr);
  EXPECT_EQ(Skin->ObjectList[Skin->GetObjectIndex(L"closebutton")]->ActiveSkinRect, TRect(0, 18, 18, 36));
  EXPECT_NE(f.Frame->FindObject(L"closebutton")->ActivePicture(), nullptr);

  // Border icons take buttons off the frame.
  ShowAndActivate(f.Form);
  f.Frame->SetBorderIcons({sbiSystemMenu, sbiMinimize});
  EXPECT_FALSE(f.Frame->FindObject(L"maxbutton")->Visible);
  EXPECT_FALSE(f.Frame->FindObject(L"rollupbutton")->Visible);
  EXPECT_NE(HitAt(f.Handle(), TPoint(265, 14)), HTOBJECT);
  EXPECT_EQ(HitAt(f.Handle(), TPoint(285, 14)), HTOBJECT);
}

TEST_F(FrameTest, SkinSwitchReachesOpenFormsAndLaterForms) {
  TspSkinData data(nullptr);
  LoadTestSkin(&data, "skin.ini");
  TSkinnedForm before(&data);
  ShowAndActivate(before.Form);
  EXPECT_EQ(ClientInWindow(before.Handle()), TRect(6, 22, 294, 194));
  EXPECT_EQ(before.Frame->ObjectCount(), 5);

  const COLORREF oldTop = ScreenPixel(before.Handle(), TPoint(150, 0));
  LoadTestSkin(&data, "frame.ini");
  Settle();
  EXPECT_FALSE(before.Frame->SkinChanging());
  // The client keeps its 288 x 172: the window takes the new frame's bands around it.
  EXPECT_EQ(ClientInWindow(before.Handle()), TRect(5, 28, 293, 200));
  // On the screen, not only in the frame's own bitmap: the new frame is drawn.
  EXPECT_NE(oldTop, RGB(150, 185, 235));
  EXPECT_EQ(ScreenPixel(before.Handle(), TPoint(150, 0)), RGB(150, 185, 235));
  EXPECT_EQ(ScreenPixel(before.Handle(), TPoint(150, 27)), ScreenPixel(before.Handle(), TPoint(200, 27)));
  EXPECT_EQ(before.Frame->ObjectCount(), 11);
  ExpectRoundedShape(before.Handle(), 298, 205);

  TSkinnedForm after(&data, 320, 220);
  after.Form->Show();
  Settle();
  EXPECT_EQ(ClientInWindow(after.Handle()), TRect(5, 28, 315, 215));
}

TEST_F(FrameTest, SkinnableFormOffGivesTheSystemFrameBack) {
  TspSkinData data(nullptr);
  LoadTestSkin(&data, "frame.ini");
  TSkinnedForm f(&data);
  ShowAndActivate(f.Form);
  ASSERT_TRUE(f.Frame->FrameOn());

  data.SetSkinnableForm(false);
  Settle();
  EXPECT_FALSE(f.Frame->FrameOn());
  RECT frame = {0, 0, 0, 0};
  AdjustWindowRectEx(&frame, GetWindowLongW(f.Handle(), GWL_STYLE), FALSE, GetWindowLongW(f.Handle(), GWL_EXSTYLE));
  EXPECT_EQ(ClientInWindow(f.Handle()).TopLeft(), TPoint(-frame.left, -frame.top));
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(f.Handle(), rgn), ERROR);  // no window shape
  EXPECT_EQ(HitAt(f.Handle(), TPoint(150, 100)), HTCLIENT);

  data.SetSkinnableForm(true);
  Settle();
  EXPECT_TRUE(f.Frame->FrameOn());
  EXPECT_EQ(ClientInWindow(f.Handle()), TRect(5, 28, 295, 195));

  // Freeing the skinned form leaves the form with the system frame.
  Free(f.Frame);
  Settle();
  EXPECT_EQ(ClientInWindow(f.Handle()).TopLeft(), TPoint(-frame.left, -frame.top));
  EXPECT_EQ(GetWindowRgn(f.Handle(), rgn), ERROR);
  DeleteObject(rgn);
}

// Answers the private paint queries the way skinned controls do.
class TQueryControl : public TCustomControl {
 public:
  TQueryControl(TComponent* AOwner, bool AnswersFrameQuery) : TCustomControl(AOwner), FAnswers(AnswersFrameQuery) {}
  void WndProc(TMessage& Message) override {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    if (Message.Msg == MSG_SKIN_FRAME_QUERY) {
      ++FrameQueries;
      if (FAnswers && Message.LParam == SKIN_FRAME_REPLY) {
        Fill(dc, RGB(255, 0, 0));
        Message.Result = SKIN_FRAME_REPLY;
        return;
      }
    } else if (Message.Msg == MSG_SKIN_AWARE_QUERY) {
      ++AwareQueries;
      Fill(dc, RGB(0, 0, 255));
      Message.Result = SKIN_AWARE_REPLY;
      return;
    }
    TCustomControl::WndProc(Message);
  }
  int FrameQueries = 0, AwareQueries = 0;

 private:
  static void Fill(HDC DC, COLORREF Color) {
    RECT r = {0, 0, 3, 3};
    HBRUSH b = CreateSolidBrush(Color);
    FillRect(DC, &r, b);
    DeleteObject(b);
  }
  bool FAnswers;
};

TEST_F(FrameTest, PaintingTheFormAsksSkinnedControlsForTheirFrames) {
  TSkinnedForm f(Skin);
  auto* framed = new TQueryControl(f.Form, true);
  framed->SetParent(f.Form);
  framed->SetBounds(20, 40, 60, 30);
  auto* aware = new TQueryControl(f.Form, false);
  aware->SetParent(f.Form);
  aware->SetBounds(120, 40, 60, 30);
  ShowAndActivate(f.Form);

  TBitmap shot;
  shot.SetSize(300, 200);
  f.Frame->PaintFormTo(shot.Canvas()->Handle(), 0, 0);
  EXPECT_EQ(framed->FrameQueries, 1);
  EXPECT_EQ(framed->AwareQueries, 0);  // it answered the frame query
  EXPECT_EQ(aware->FrameQueries, 1);
  EXPECT_EQ(aware->AwareQueries, 1);
  HDC dc = shot.Canvas()->Handle();
  EXPECT_EQ(GetPixel(dc, 5 + 20, 28 + 40), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 5 + 120, 28 + 40), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 150, 0), RGB(150, 185, 235));  // the frame picture's top edge
}

TEST_F(FrameTest, SkinSwitchesAndFormCyclesLeaveNoWindowsOrGdiObjects) {
  TspSkinData data(nullptr);
  TspCompressedStoredSkin plain(nullptr), framed(nullptr);
  plain.LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  framed.LoadFromSkinFile(ProjectPath("skins/Test/frame.ini"));
  data.LoadCompressedStoredSkin(&framed);
  TSkinnedForm f(&data);
  ShowAndActivate(f.Form);
  auto cycle = [&](int i) {
    data.LoadCompressedStoredSkin(i % 2 ? &framed : &plain);
    TSkinnedForm g(&data, 200 + i % 7, 150);
    g.Form->Show();
  };
  cycle(0);
  cycle(1);
  Settle();
  const int windows = ThreadWindows();
  const int gdi = GdiObjectsInUse();
  const int shared = GdiResourceCount();
  for (int i = 0; i < 1000; ++i) cycle(i);
  Settle();
  EXPECT_EQ(ThreadWindows(), windows);
  EXPECT_EQ(GdiResourceCount(), shared);
  EXPECT_LE(GdiObjectsInUse(), gdi + 16);  // probe noise, far below one object a cycle
}

}  // namespace
