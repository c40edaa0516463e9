// The hover-trigger speed button under the real mouse: trigger counts,
// simulated clicks, suppressed triggers; and what its painting adds.
#include <gtest/gtest.h>

#include "components/HyStdCtrls.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

class HyButtonTest : public FormTest {
 protected:
  THySpeedButton* Button() {
    auto* b = Add<THySpeedButton>(20, 20, 30, 30);
    b->SetTimerInterval(20);
    b->OnTimerTrigger = [this](TObject*) { ++triggers; };
    b->OnMouseEnter = [this](TObject*) { ++enters; };
    b->OnMouseLeave = [this](TObject*) { ++leaves; };
    return b;
  }
  // Waits for the hover to run out of ticks (the counter stops rising).
  void RestOn(THySpeedButton* B, int Ticks) {
    MoveMouse(Center(B));
    ASSERT_TRUE(PumpUntil([&] { return B->TickCount() == Ticks && B->TimerRunning(); }));
    const DWORD until = GetTickCount() + 200;  // several more intervals
    while (GetTickCount() < until) Settle();
  }
  int triggers = 0, enters = 0, leaves = 0;
  std::vector<bool> downs;
};

TEST_F(HyButtonTest, ThreeTicksToggleDownThreeTimesThenRest) {
  auto* b = Button();
  b->SetTriggerCount(3);
  b->SetSimulateClick(true);
  b->SetGroupIndex(1);
  b->SetAllowAllUp(true);
  b->OnTimerTrigger = [this, b](TObject*) { downs.push_back(b->Down()); };
  ShowAndActivate(form);
  RestOn(b, 3);
  EXPECT_EQ(downs, (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(b->TimerRunning());  // saturated: ticking, doing nothing
  EXPECT_EQ(enters, 1);
  // Leaving and coming back starts a new hover.
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return leaves >= 1; }));
  EXPECT_FALSE(b->TimerRunning());
  // The form, too, must have seen the mouse go before it can come back.
  ASSERT_TRUE(PumpUntil([&] { return !b->MouseInControl(); }));
  RestOn(b, 3);
  EXPECT_EQ(downs.size(), 6u);
  EXPECT_EQ(enters, 2);
}

TEST_F(HyButtonTest, ZeroTriggerCountNeverTriggers) {
  auto* b = Button();
  b->SetTriggerCount(0);
  ShowAndActivate(form);
  MoveMouse(Center(b));
  ASSERT_TRUE(PumpUntil([&] { return b->TimerRunning(); }));
  const DWORD until = GetTickCount() + 200;
  while (GetTickCount() < until) Settle();
  EXPECT_EQ(triggers, 0);
}

TEST_F(HyButtonTest, ClearedIsTriggerStillTogglesButRaisesNothing) {
  auto* b = Button();
  b->SetTriggerCount(2);
  b->SetSimulateClick(true);
  b->SetGroupIndex(1);
  b->SetAllowAllUp(true);
  b->OnStartToTrigger = [](TObject*, bool& IsTrigger) { IsTrigger = false; };
  ShowAndActivate(form);
  RestOn(b, 2);
  EXPECT_EQ(triggers, 0);
  EXPECT_FALSE(b->Down());  // toggled twice
}

TEST_F(HyButtonTest, ATickWithTheCursorElsewhereEndsTheHover) {
  auto* b = Button();
  b->SetTriggerCount(100);
  ShowAndActivate(form);
  MoveMouse(Center(b));
  ASSERT_TRUE(PumpUntil([&] { return b->TimerRunning(); }));
  SetCursorPos(2, 2);  // no mouse message reaches the button
  ASSERT_TRUE(PumpUntil([&] { return !b->TimerRunning() && leaves >= 1; }));
}

TEST_F(HyButtonTest, FlatTransparentButtonsGetFillBadgeAndMark) {
  auto* b = Button();
  b->SetColor(clYellow);
  b->SetPatternStyle(psUp);
  b->SetPatternColor(clRed);
  b->SetSign1Text(L"8");
  TBitmap bmp;
  // Not flat and transparent: none of the three.
  PaintInto(b, bmp, clLime);
  EXPECT_NE(PixelAt(bmp, 5, 20), clYellow);
  EXPECT_NE(PixelAt(bmp, 15, 14), clRed);
  b->SetFlat(true);
  b->SetTransparent(true);
  PaintInto(b, bmp, clLime);
  EXPECT_EQ(PixelAt(bmp, 5, 20), clYellow);
  EXPECT_EQ(PixelAt(bmp, 0, 0), clLime);  // the fill stays one pixel inside
  EXPECT_EQ(PixelAt(bmp, 15, 14), clRed);  // psUp's tip at (Width / 2, (Height - 3) / 2 + 1)
  // The badge's text may be smoothed: reddish pixels count.
  auto reddish = [&](int x, int y) {
    const TColor c = PixelAt(bmp, x, y);
    return GetRedOf(c) > 150 && GetGreenOf(c) < 150 && GetBlueOf(c) < 150;
  };
  int badge = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 25; x < 30; ++x) badge += reddish(x, y);
  EXPECT_GT(badge, 0);
  // A badge wider than the button is left out.
  b->SetSign1Offset(30);
  PaintInto(b, bmp, clLime);
  badge = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 30; ++x) badge += reddish(x, y);
  EXPECT_EQ(badge, 0);
}

TEST_F(HyButtonTest, DisabledMarksAreEngravedOrLeftOut) {
  auto* b = Button();
  b->SetFlat(true);
  b->SetTransparent(true);
  b->SetPatternColor(clRed);
  b->SetNotEnabledColor(clBlue);
  b->SetEnabled(false);
  b->SetPatternStyle(psClose);
  TBitmap bmp;
  PaintInto(b, bmp, clLime);
  for (int y = 3; y < 10; ++y)
    for (int x = 3; x < 10; ++x) EXPECT_EQ(PixelAt(bmp, x, y), clLime) << x << "," << y;
  b->SetPatternStyle(psUp);
  PaintInto(b, bmp, clLime);
  // White at (a, b) = (16, 14), grey one pixel up and left.
  EXPECT_EQ(PixelAt(bmp, 16, 16), clWhite);
  EXPECT_EQ(PixelAt(bmp, 15, 13), clBlue);
}

}  // namespace
