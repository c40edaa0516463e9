// Caption buttons of the skinned form with the real mouse under Wine: a click
// counts only when pressed and released inside, hot tracking morphs to the
// active look with a glow, hints come from the resource strings, double-click
// on the caption maximizes, and buttons without pictures draw default glyphs.
#include <gtest/gtest.h>

#include "SkinFormTestUtils.h"
#include "skin/SPUtils_draw.h"

namespace {

class ButtonsTest : public FrameSkinTest {
 protected:
  void SetUp() override {
    f = std::make_unique<TSkinnedForm>(Skin);
    ShowAndActivate(f->Form);
  }
  void TearDown() override { f.reset(); }
  // Screen point of P in window coordinates.
  TPoint At(const TPoint& P) const {
    const TRect w = WindowRectOf(f->Handle());
    return TPoint(w.Left + P.X, w.Top + P.Y);
  }
  COLORREF PixelOfForm(const TPoint& P) const {
    TBitmap shot;
    shot.SetSize(f->Form->Width(), f->Form->Height());
    f->Frame->PaintFormTo(shot.Canvas()->Handle(), 0, 0);
    return GetPixel(shot.Canvas()->Handle(), P.X, P.Y);
  }
  std::unique_ptr<TSkinnedForm> f;
};

const TPoint kRollUp(225, 14), kClose(285, 14), kMax(265, 14), kTray(205, 14);

TEST_F(ButtonsTest, AClickIsAPressAndAReleaseInside) {
  MoveMouse(At(kRollUp));
  MouseDown();
  Settle();
  TspSkinFrameObject* rollUp = f->Frame->FindObject(L"rollupbutton");
  EXPECT_TRUE(rollUp->Down);
  EXPECT_FALSE(f->Frame->RollUpState());  // nothing happens on the press
  MouseUp();
  Settle();
  EXPECT_TRUE(f->Frame->RollUpState());
  EXPECT_FALSE(rollUp->Down);

  // Rolled up, the roll-down button in the same place brings the form back.
  MoveMouse(At(kRollUp));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(f->Frame->RollUpState());
  EXPECT_EQ(f->Form->Height(), 200);
}

TEST_F(ButtonsTest, ReleasedOutsideThePressedButtonIsNoClick) {
  TspSkinFrameObject* close = f->Frame->FindObject(L"closebutton");
  MoveMouse(At(kClose));
  MouseDown();
  Settle();
  EXPECT_TRUE(close->Down && close->Active);
  MoveMouse(At(TPoint(150, 100)));
  EXPECT_TRUE(close->Down);
  EXPECT_FALSE(close->Active);  // shown released while the mouse is away
  MouseUp();
  Settle();
  EXPECT_TRUE(IsWindowVisible(f->Handle()));
  EXPECT_FALSE(close->Down);

  // Back over it the press shows again, and the release closes the form.
  MoveMouse(At(kClose));
  MouseDown();
  MoveMouse(At(TPoint(150, 100)));
  MoveMouse(At(kClose));
  EXPECT_TRUE(close->Active);
  MouseUp();
  Settle();
  EXPECT_FALSE(IsWindowVisible(f->Handle()));
}

BOOL CALLBACK FindLayered(HWND w, LPARAM Data) {
  if (IsWindowVisible(w) && (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED)) *reinterpret_cast<bool*>(Data) = true;
  return TRUE;
}

// A glow layer (a shown layered window of this thread) is up.
bool LayeredWindowShown() {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), FindLayered, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST_F(ButtonsTest, HotTrackingMorphsToTheActiveLookWithAGlow) {
  TspSkinFrameObject* close = f->Frame->FindObject(L"closebutton");
  const TPoint fill(278, 8);  // inside the button, off its glyph
  EXPECT_EQ(PixelOfForm(fill), RGB(58, 104, 182));
  MoveMouse(At(kClose));
  EXPECT_TRUE(close->Active);
  ASSERT_TRUE(PumpUntil([&] { return close->MorphKf == 1; }));
  EXPECT_EQ(PixelOfForm(fill), RGB(96, 150, 230));
  EXPECT_TRUE(LayeredWindowShown());
  MoveMouse(At(TPoint(150, 100)));
  EXPECT_FALSE(close->Active);
  ASSERT_TRUE(PumpUntil([&] { return close->MorphKf == 0; }));
  EXPECT_FALSE(LayeredWindowShown());

  // Without glow frames the hot button shows none.
  Skin->SetShowCaptionButtonGlowFrames(false);
  MoveMouse(At(kClose));
  EXPECT_TRUE(close->Active);
  EXPECT_FALSE(LayeredWindowShown());
  Skin->SetShowCaptionButtonGlowFrames(true);
  MoveMouse(At(TPoint(150, 100)));
}

TEST_F(ButtonsTest, HintsComeFromTheResourceStrings) {
  TspFrameState state;
  state.Skin = Skin;
  auto* close = f->Frame->FindObject(L"closebutton");
  auto* max = f->Frame->FindObject(L"maxbutton");
  EXPECT_EQ(close->Hint(state), L"Close");
  EXPECT_EQ(max->Hint(state), L"Maximize");
  state.WindowState = 2;
  EXPECT_EQ(max->Hint(state), L"Restore");
  TspResourceStrData strings(nullptr);
  strings.ResStrings()->SetValues(L"CLOSEBUTTON_HINT", L"\x5173\x95ED");
  state.Strings = &strings;
  EXPECT_EQ(close->Hint(state), L"\x5173\x95ED");
}

TEST_F(ButtonsTest, DoubleClickOnTheCaptionMaximizesAndRestores) {
  const HWND h = f->Handle();
  const TPoint caption = At(TPoint(150, 15));
  SendMessageW(h, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.X, caption.Y));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(h) != FALSE; }));
  EXPECT_EQ(f->Frame->WindowState(), 2);
  // The maximize button now shows its restore look.
  TRect work;
  GetMonitorRect(h, true, work);
  EXPECT_EQ(PixelOfForm(TPoint(work.Width() - 44 + 2, 6 + 7)), RGB(58, 104, 182));
  const TPoint again = At(TPoint(150, 15));
  SendMessageW(h, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(again.X, again.Y));
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(h); }));
  EXPECT_EQ(WindowRectOf(h).Width(), 300);
}

// The system's move and size loop runs inside the press: the rest of a drag
// comes from a thread timer, which that loop dispatches.
std::vector<TPoint> gDragPath;

void CALLBACK DragStep(HWND, UINT, UINT_PTR Timer, DWORD) {
  if (gDragPath.empty()) {
    KillTimer(nullptr, Timer);
    MouseUp();
    return;
  }
  MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, gDragPath.front().X, gDragPath.front().Y);
  gDragPath.erase(gDragPath.begin());
}

TEST_F(ButtonsTest, DraggingTheCaptionMovesTheFormAndABorderSizesIt) {
  const HWND h = f->Handle();
  const TRect start = WindowRectOf(h);
  const TPoint grab = At(TPoint(150, 15));
  MoveMouse(grab);
  gDragPath = {TPoint(grab.X + 20, grab.Y + 10), TPoint(grab.X + 40, grab.Y + 30)};
  SetTimer(nullptr, 0, 40, DragStep);
  MouseDown();
  ASSERT_TRUE(PumpUntil([&] { return WindowRectOf(h).Left == start.Left + 40; }));
  EXPECT_EQ(WindowRectOf(h), TRect(start.Left + 40, start.Top + 30, start.Right + 40, start.Bottom + 30));

  const TPoint edge = At(TPoint(297, 100));
  MoveMouse(edge);
  gDragPath = {TPoint(edge.X + 30, edge.Y), TPoint(edge.X + 60, edge.Y)};
  SetTimer(nullptr, 0, 40, DragStep);
  MouseDown();
  ASSERT_TRUE(PumpUntil([&] { return WindowRectOf(h).Width() == 360; }));
  EXPECT_EQ(ClientInWindow(h), TRect(5, 28, 355, 195));
}

TEST_F(ButtonsTest, ButtonsWithoutPicturesDrawTheDefaultGlyphs) {
  // The tray button's square glyph, in the caption's font colour.
  EXPECT_EQ(PixelOfForm(TPoint(203, 13)), RGB(192, 192, 192));
  // Minimize to tray without a tray icon on the form minimizes it.
  MoveMouse(At(kTray));
  MouseDown();
  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(f->Handle()) != FALSE; }));
  EXPECT_EQ(f->Frame->WindowState(), 1);
}

}  // namespace
