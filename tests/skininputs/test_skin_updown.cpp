// The skinned up-down on a real form: Min, Max and Position rules, steps on
// release and by repeat counted in ticks, the held button's pause, and the
// default look read back in pixels.
#include <gtest/gtest.h>

#include "../classlib/ControlTestUtils.h"
#include "../classlib/PaintedImage.h"
#include "../skin/SkinFormTestUtils.h"
#include "skininputs/SkinBoxCtrls.h"

namespace {

LPARAM At(int X, int Y) { return MAKELPARAM(X, Y); }

class UpDownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The real pointer away from the control: only the messages sent here move it.
    MoveMouse(TPoint(2, 2));
    FForm = new TForm(nullptr);
    FForm->SetBounds(50, 50, 300, 200);
    FForm->Show();
    FUpDown = new TspSkinUpDown(FForm);
    FUpDown->SetParent(FForm);
    FUpDown->SetBounds(10, 10, 40, 20);  // down button 0..20, up button 20..40
    FUpDown->HandleNeeded();
    FUpDown->OnChange = [this](TObject*) { ++FChanges; };
    FUpDown->OnUpButtonClick = [this](TObject*) { ++FUpClicks; };
    FUpDown->OnDownButtonClick = [this](TObject*) { ++FDownClicks; };
    Settle();
  }
  void TearDown() override { delete FForm; }
  void Send(UINT Msg, int X, int Y) { SendMessageW(FUpDown->Handle(), Msg, Msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, At(X, Y)); }
  void Tick() { SendMessageW(FUpDown->Handle(), WM_TIMER, 1, 0); }
  TColor PixelAt(int X, int Y) { return TPaintedImage(FUpDown).At(X, Y); }

  TForm* FForm = nullptr;
  TspSkinUpDown* FUpDown = nullptr;
  int FChanges = 0, FUpClicks = 0, FDownClicks = 0;
};

TEST_F(UpDownTest, Defaults) {
  auto* u = new TspSkinUpDown(FForm);
  EXPECT_EQ(u->SkinDataName(), L"hupdown");
  EXPECT_EQ(u->Width(), 25);
  EXPECT_EQ(u->Height(), 50);
  EXPECT_EQ(u->Min(), 0);
  EXPECT_EQ(u->Max(), 100);
  EXPECT_EQ(u->Position(), 0);
  EXPECT_EQ(u->Increment(), 1);
  EXPECT_TRUE(u->UseSkinSize());
  EXPECT_EQ(u->Orientation(), udHorizontal);
}

TEST_F(UpDownTest, PositionRules) {
  FUpDown->SetPosition(101);
  FUpDown->SetPosition(-1);
  EXPECT_EQ(FUpDown->Position(), 0);
  EXPECT_EQ(FChanges, 0);
  FUpDown->SetPosition(0);  // unchanged, still reported
  EXPECT_EQ(FChanges, 1);
  FUpDown->SetMin(5);
  EXPECT_EQ(FUpDown->Position(), 5);
  FUpDown->SetPosition(50);
  FUpDown->SetMax(20);
  EXPECT_EQ(FUpDown->Position(), 20);
  EXPECT_EQ(FChanges, 2);  // Min and Max move Position silently
}

TEST_F(UpDownTest, ClickStepsOnReleaseAndHoldingRepeats) {
  Send(WM_LBUTTONDOWN, 30, 10);
  EXPECT_EQ(FUpDown->Position(), 0);  // nothing at the press
  Tick();                              // the first tick only shortens the timer
  EXPECT_EQ(FUpDown->Position(), 0);
  Tick();
  Tick();
  EXPECT_EQ(FUpDown->Position(), 2);
  Send(WM_LBUTTONUP, 30, 10);
  EXPECT_EQ(FUpDown->Position(), 3);  // and one more on release
  EXPECT_EQ(FUpClicks, 1);
  EXPECT_EQ(FChanges, 3);
  Send(WM_LBUTTONDOWN, 5, 10);
  Send(WM_LBUTTONUP, 5, 10);
  EXPECT_EQ(FUpDown->Position(), 2);
  EXPECT_EQ(FDownClicks, 1);
}

TEST_F(UpDownTest, TheSystemTimerRepeatsWhileHeldOverTheButton) {
  FUpDown->SetPosition(50);
  Send(WM_LBUTTONDOWN, 5, 10);  // the down button
  ASSERT_TRUE(PumpUntil([&] { return FUpDown->Position() <= 48; }));
  // Off the held button the repeat pauses; back on it, it goes on.
  Send(WM_MOUSEMOVE, 5, 30);
  const int paused = FUpDown->Position();
  ASSERT_TRUE(PumpThroughTimerTicks(4, TspHoldRepeat::kPaceMs));
  EXPECT_EQ(FUpDown->Position(), paused);
  Send(WM_MOUSEMOVE, 5, 10);
  ASSERT_TRUE(PumpUntil([&] { return FUpDown->Position() < paused; }));
  Send(WM_LBUTTONUP, 5, 10);
  const int released = FUpDown->Position();
  ASSERT_TRUE(PumpThroughTimerTicks(4, TspHoldRepeat::kPaceMs));
  EXPECT_EQ(FUpDown->Position(), released);
  Tick();  // a tick left in the queue after the release steps no more
  EXPECT_EQ(FUpDown->Position(), released);
}

TEST_F(UpDownTest, AtMaxTheClickStillFires) {
  FUpDown->SetPosition(100);
  FChanges = 0;
  Send(WM_LBUTTONDOWN, 30, 10);
  Send(WM_LBUTTONUP, 30, 10);
  EXPECT_EQ(FUpDown->Position(), 100);
  EXPECT_EQ(FChanges, 0);
  EXPECT_EQ(FUpClicks, 1);
}

TEST_F(UpDownTest, ZeroIncrementStepsNothing) {
  FUpDown->SetIncrement(0);
  Send(WM_LBUTTONDOWN, 30, 10);
  // Long enough for a repeat's first wait and three steps of its pace.
  ASSERT_TRUE(PumpThroughTimerTicks(9, TspHoldRepeat::kPaceMs));
  Send(WM_LBUTTONUP, 30, 10);
  EXPECT_EQ(FUpDown->Position(), 0);
  EXPECT_EQ(FChanges, 0);
  EXPECT_EQ(FUpClicks, 1);
}

TEST_F(UpDownTest, DraggingOffPausesAndTheOtherButtonNeverLightsUp) {
  Send(WM_MOUSEMOVE, 30, 10);  // the pointer comes onto the up button first, as a user's does
  Send(WM_LBUTTONDOWN, 30, 10);
  Send(WM_MOUSEMOVE, 5, 10);  // onto the down button
  EXPECT_EQ(PixelAt(0, 10), ColorToRGB(clBtnShadow));  // not hot
  ASSERT_TRUE(PumpThroughTimerTicks(9, TspHoldRepeat::kPaceMs));
  EXPECT_EQ(FUpDown->Position(), 0);  // paused off the held button
  Send(WM_MOUSEMOVE, 30, 10);
  EXPECT_TRUE(PumpUntil([&] { return FUpDown->Position() >= 2; }));
  Send(WM_MOUSEMOVE, 5, 10);
  const int held = FUpDown->Position();
  Send(WM_LBUTTONUP, 5, 10);  // released off the button: still one step
  EXPECT_EQ(FUpDown->Position(), held + 1);
  EXPECT_EQ(FUpClicks, 1);
}

TEST_F(UpDownTest, DefaultLookByState) {
  EXPECT_EQ(PixelAt(20, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(22, 2), ColorToRGB(clBtnFace));
  Send(WM_MOUSEMOVE, 30, 10);
  EXPECT_EQ(PixelAt(20, 0), ColorToRGB(0x800000));
  EXPECT_EQ(PixelAt(22, 2), ColorToRGB(0xD2BDB6));
  Send(WM_LBUTTONDOWN, 30, 10);
  EXPECT_EQ(PixelAt(22, 2), ColorToRGB(0xB59385));
  Send(WM_LBUTTONUP, 30, 10);
  // Vertical: the up button on top.
  FUpDown->SetOrientation(udVertical);
  FUpDown->SetBounds(10, 10, 20, 40);
  Send(WM_MOUSEMOVE, 10, 5);
  EXPECT_EQ(PixelAt(2, 2), ColorToRGB(0xD2BDB6));
  EXPECT_EQ(PixelAt(2, 22), ColorToRGB(clBtnFace));
}

TEST_F(UpDownTest, RecordWithoutPictureShowsTheDefaultLook) {
  // The test skin's "hupdown" names button places but no skin rectangle.
  auto* skin = new TspSkinData(FForm);
  LoadTestSkin(skin, "skin.ini");
  FUpDown->SetSkinData(skin);
  ASSERT_NE(FUpDown->SkinIndex(), -1);
  EXPECT_EQ(FUpDown->ButtonRect(0), TRect(20, 0, 40, 20));
  EXPECT_EQ(PixelAt(20, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(22, 2), ColorToRGB(clBtnFace));
}

}  // namespace
