// A skin switch to or from no skin while the user drags a corner of a
// skinned form with a main menu (plain and MDI): the system's sizing loop
// still ends when the button comes up, and later clicks size nothing.
#include <gtest/gtest.h>

#include "../skin/SkinFormTestUtils.h"
#include "classlib/Menus.h"
#include "test_skin_menus_utils.h"

namespace {

// The drag runs inside the system's sizing loop: a timer of our own steps it
// from there, as the user's hand and a program's timer would.
struct DragScript {
  TspSkinData* Skin = nullptr;
  bool ToNoSkin = true;
  TPoint Start;
  DWORD Entered = 0;      // when the loop began
  int Step = 0;           // 0 moving, 1 switched, 2 released, 3 forced out
  bool InLoop = false;
  int Exits = 0;
};
DragScript* gScript = nullptr;

void CALLBACK DragTick(HWND, UINT, UINT_PTR, DWORD) {
  DragScript& s = *gScript;
  if (!s.InLoop) return;
  const DWORD t = GetTickCount() - s.Entered;
  if (s.Step == 0 && t >= 500) {
    MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, s.Start.X + 30, s.Start.Y + 25);
    if (s.ToNoSkin) s.Skin->ClearAll();
    else LoadSkinSources(s.Skin, "skins/Default/skin.ini");
    s.Step = 1;
  } else if (s.Step == 0) {
    MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, s.Start.X + static_cast<int>(t / 25),
               s.Start.Y + static_cast<int>(t / 30));
  } else if (s.Step == 1 && t >= 700) {
    MouseUp();
    s.Step = 2;
  } else if (s.Step == 2 && t >= 5700) {
    // Still sizing long after the button came up: out by Esc, and the test fails.
    KeyInput(VK_ESCAPE, false);
    KeyInput(VK_ESCAPE, true);
    s.Step = 3;
  }
}

// A point of the frame where a press sizes from the lower right corner.
bool FindCorner(HWND Wnd, TPoint& Screen) {
  const TRect w = WindowRectOf(Wnd);
  for (int d = 1; d < 12; ++d) {
    const TPoint p(w.Width() - d, w.Height() - d);
    const POINT screen = {w.Left + p.X, w.Top + p.Y};
    // Inside the window's shape, where the mouse reaches it.
    if (HitAt(Wnd, p) == HTBOTTOMRIGHT && WindowFromPoint(screen) == Wnd) {
      Screen = TPoint(screen.x, screen.y);
      return true;
    }
  }
  return false;
}

void DragCornerDuringASwitch(bool MDI, bool ToNoSkin) {
  SCOPED_TRACE(std::string(MDI ? "MDI" : "plain") + (ToNoSkin ? ", to no skin" : ", from no skin"));
  auto* skin = new TspSkinData(nullptr);
  if (ToNoSkin) LoadSkinSources(skin, "skins/Default/skin.ini");
  auto* form = new TForm(nullptr);
  if (MDI) form->SetFormStyle(fsMDIForm);
  form->SetBounds(60, 60, 420, 300);
  form->SetBorderStyle(bsSizeable);
  auto* frame = new TspSkinForm(form);
  frame->SetSkinData(skin);
  auto* menu = new TMainMenu(form);
  AddItem(AddItem(menu->Items(), L"&File", menu), L"&Open", menu);
  AddItem(menu->Items(), L"&Edit", menu);
  form->SetMenu(menu);
  DragScript script;
  script.Skin = skin;
  script.ToNoSkin = ToNoSkin;
  gScript = &script;
  TWindowProcEvent old = form->WindowProc;
  form->WindowProc = [&script, old](TMessage& M) {
    if (M.Msg == WM_ENTERSIZEMOVE) {
      script.InLoop = true;
      script.Entered = GetTickCount();
    } else if (M.Msg == WM_EXITSIZEMOVE) {
      script.InLoop = false;
      ++script.Exits;
    }
    old(M);
  };
  ShowAndActivate(form);
  ASSERT_TRUE(FindCorner(form->Handle(), script.Start));
  MoveMouse(script.Start);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, DragTick);
  MouseDown();
  PumpUntil([&] { return script.Exits > 0; });
  EXPECT_EQ(1, script.Exits);
  EXPECT_EQ(2, script.Step) << "the sizing loop outlived the button";
  KillTimer(nullptr, timer);
  MouseUp();
  Settle();
  // Later clicks in the client area size nothing.
  const TRect after = WindowRectOf(form->Handle());
  MoveMouse(TPoint(after.Left + after.Width() / 2, after.Top + after.Height() / 2));
  MouseDown();
  Settle();
  MoveMouse(TPoint(after.Left + after.Width() / 2 + 40, after.Top + after.Height() / 2 + 30));
  MouseUp();
  Settle();
  EXPECT_EQ(after, WindowRectOf(form->Handle()));
  EXPECT_FALSE(script.InLoop);
  gScript = nullptr;
  Free(form);
  Free(skin);
  Settle();
}

TEST(SkinSwitchSizingTest, ASwitchDuringACornerDragLeavesTheLoopEndingWithTheButton) {
  for (bool mdi : {false, true})
    for (bool toNoSkin : {true, false}) DragCornerDuringASwitch(mdi, toNoSkin);
}

}  // namespace
