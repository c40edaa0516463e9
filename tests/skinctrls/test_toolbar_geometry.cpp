// The menu button's track part and the tool bar's horizontal scrolling.
#include <gtest/gtest.h>

#include "skinctrls/ToolBarGeometry.h"

namespace {

TspMenuTrackInput Button(int W, int H) {
  TspMenuTrackInput in;
  in.HasMenu = true;
  in.TrackButtonMode = true;
  in.Width = W;
  in.Height = H;
  return in;
}

}  // namespace

TEST(MenuTrack, WithoutAMenuThereIsNoTrack) {
  TspMenuTrackInput in = Button(60, 25);
  in.HasMenu = false;
  EXPECT_FALSE(InMenuTrack(in, TPoint(55, 10)));
  EXPECT_TRUE(MenuTrackRect(in).IsEmpty());
}

TEST(MenuTrack, WithoutTrackModeTheWholeButtonIsTheTrack) {
  TspMenuTrackInput in = Button(60, 25);
  in.TrackButtonMode = false;
  EXPECT_TRUE(InMenuTrack(in, TPoint(0, 0)));
  EXPECT_TRUE(InMenuTrack(in, TPoint(30, 12)));
}

TEST(MenuTrack, StripOfFifteenPixelsAtTheRightOrBottom) {
  TspMenuTrackInput in = Button(60, 25);
  EXPECT_TRUE(InMenuTrack(in, TPoint(45, 12)));
  EXPECT_TRUE(InMenuTrack(in, TPoint(59, 0)));
  EXPECT_FALSE(InMenuTrack(in, TPoint(44, 12)));
  in.BottomStrip = true;
  EXPECT_EQ(MenuTrackRect(in), TRect(0, 10, 60, 25));
  EXPECT_TRUE(InMenuTrack(in, TPoint(5, 10)));
  EXPECT_FALSE(InMenuTrack(in, TPoint(55, 9)));
}

TEST(MenuTrack, SkinTrackMovesWithTheResizedSide) {
  TspMenuTrackInput in = Button(80, 30);
  in.SkinTrack = true;
  in.TrackButtonRect = TRect(30, 0, 40, 25);
  in.SkinWidth = 40;
  in.SkinHeight = 25;
  in.ResizeMode = 2;
  EXPECT_EQ(MenuTrackRect(in), TRect(70, 0, 80, 25));
  in.ResizeMode = 3;
  EXPECT_EQ(MenuTrackRect(in), TRect(30, 5, 40, 30));
  in.ResizeMode = 1;
  EXPECT_EQ(MenuTrackRect(in), TRect(30, 0, 40, 25));
  EXPECT_TRUE(InMenuTrack(in, TPoint(40, 25)));  // edges count
}

TEST(ToolBarScroll, FittingContentShowsNoButtons) {
  TspToolBarScroll s;
  EXPECT_EQ(LayoutToolBarScroll(s, 200, 200), 0);  // ends exactly at the client width
  EXPECT_FALSE(s.Shown);
  EXPECT_EQ(LayoutToolBarScroll(s, 0, 200), 0);
  EXPECT_FALSE(s.Shown);
}

TEST(ToolBarScroll, StepsByAClientWidthAndStopAtTheEnds) {
  TspToolBarScroll s;
  LayoutToolBarScroll(s, 500, 200);
  ASSERT_TRUE(s.Shown);
  EXPECT_EQ(s.Extent, 499);
  EXPECT_EQ(StepToolBarScroll(s, true, 0, 200), 200);
  EXPECT_EQ(StepToolBarScroll(s, true, 0, 200), 100);  // the last pixel reaches the right edge
  EXPECT_EQ(s.Position, 300);
  EXPECT_EQ(StepToolBarScroll(s, true, 0, 200), 0);  // nothing moved: the timer stops
  EXPECT_EQ(StepToolBarScroll(s, false, 120, 200), -120);
  EXPECT_EQ(StepToolBarScroll(s, false, 120, 200), -120);
  EXPECT_EQ(StepToolBarScroll(s, false, 120, 200), -60);
  EXPECT_EQ(s.Position, 0);
  EXPECT_EQ(StepToolBarScroll(s, false, 120, 200), 0);
}

TEST(ToolBarScroll, ScrolledBarGivesBackRoomWhenItGrowsOrTheContentShrinks) {
  TspToolBarScroll s;
  LayoutToolBarScroll(s, 500, 200);
  StepToolBarScroll(s, true, 0, 200);
  StepToolBarScroll(s, true, 0, 200);  // position 300, content ends at 200
  // Grown by 50: the children come 50 back.
  s.Growth = 50;
  EXPECT_EQ(LayoutToolBarScroll(s, 200, 250), 50);
  EXPECT_EQ(s.Position, 250);
  EXPECT_EQ(s.Growth, 0);
  // Laid out again wider, with nothing gone and no growth noted (the children
  // came 50 back, so the content ends at 250): the offset stays.
  {
    TspToolBarScroll same = s;
    EXPECT_EQ(LayoutToolBarScroll(same, 250, 260), 0);
    EXPECT_EQ(same.Position, 250);
    EXPECT_TRUE(same.Shown);
  }
  // Grown, but the content grew as much: nothing to give back.
  {
    TspToolBarScroll same = s;
    same.Growth = 50;
    EXPECT_EQ(LayoutToolBarScroll(same, 250, 250), 0);
    EXPECT_EQ(same.Position, 250);
  }
  // A child at the end went away: the content ends 40 pixels earlier.
  EXPECT_EQ(LayoutToolBarScroll(s, 210, 250), 40);
  EXPECT_EQ(s.Position, 210);
  // The same layout again changes nothing.
  EXPECT_EQ(LayoutToolBarScroll(s, 250, 250), 0);
  // Everything fits again: the children go back to the start.
  EXPECT_EQ(LayoutToolBarScroll(s, 250, 500), 210);
  EXPECT_FALSE(s.Shown);
  EXPECT_EQ(s.Position, 0);
}

TEST(ToolBarScroll, ShrinkingContentThatStillOverflowsStaysScrolled) {
  TspToolBarScroll s;
  LayoutToolBarScroll(s, 500, 200);
  StepToolBarScroll(s, true, 0, 200);  // position 200, content ends at 300
  EXPECT_EQ(LayoutToolBarScroll(s, 250, 200), 0);
  EXPECT_EQ(s.Position, 200);
  EXPECT_EQ(s.Extent, 449);
  EXPECT_TRUE(s.Shown);
  // Down to one pixel: as much comes back as the client has room for.
  EXPECT_EQ(LayoutToolBarScroll(s, 1, 200), 199);
  EXPECT_EQ(s.Position, 1);
}

TEST(ToolBarScroll, GivingBackRoomNeverScrollsPastTheStart) {
  TspToolBarScroll s;
  LayoutToolBarScroll(s, 230, 170);
  EXPECT_EQ(StepToolBarScroll(s, true, 30, 170), 30);  // content now ends at 200
  // Widened by more than was scrolled: only the 30 pixels come back.
  s.Growth = 50;
  EXPECT_EQ(LayoutToolBarScroll(s, 200, 220), 30);
  EXPECT_EQ(s.Position, 0);
  // Scrolled by one pixel, then the content fits exactly: that pixel comes back too.
  TspToolBarScroll one;
  LayoutToolBarScroll(one, 300, 200);
  EXPECT_EQ(StepToolBarScroll(one, true, 1, 200), 1);
  EXPECT_EQ(LayoutToolBarScroll(one, 299, 300), 1);
  EXPECT_FALSE(one.Shown);
  EXPECT_EQ(one.Position, 0);
}
