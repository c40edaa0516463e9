// The page control's tab arithmetic: the display-area table for each side
// with and without a skin, tab places, centring, turned close boxes and the
// frame an active tab covers.
#include <gtest/gtest.h>

#include "skinctrls/TabGeometry.h"

namespace {

TEST(TabGeometry, DisplayAreaWithoutSkin) {
  // What the tab control gave, in a 300 x 200 client.
  const TRect in(4, 26, 296, 196);
  EXPECT_EQ(AdjustTabDisplayRect(tsdTop, in, 300, 200, nullptr), TRect(1, 21, 299, 199));
  EXPECT_EQ(AdjustTabDisplayRect(tsdBottom, in, 300, 200, nullptr), TRect(1, 1, 299, 199));
  EXPECT_EQ(AdjustTabDisplayRect(tsdLeft, in, 300, 200, nullptr), TRect(1, 21, 299, 199));
  EXPECT_EQ(AdjustTabDisplayRect(tsdRight, in, 300, 200, nullptr), TRect(1, 21, 299, 199));
}

TEST(TabGeometry, DisplayAreaWithSkinMargins) {
  // A 48 x 22 skin with a client of (2, 3) .. (44, 20): margins 2, 3, 4, 2.
  const TspTabFrameMargins m = TabFrameMargins(TRect(0, 0, 48, 22), TRect(2, 3, 44, 20));
  EXPECT_EQ(m.Left, 2);
  EXPECT_EQ(m.Top, 3);
  EXPECT_EQ(m.Right, 4);
  EXPECT_EQ(m.Bottom, 2);
  const TRect in(4, 26, 296, 196);
  EXPECT_EQ(AdjustTabDisplayRect(tsdTop, in, 300, 200, &m), TRect(2, 23, 296, 198));
  EXPECT_EQ(AdjustTabDisplayRect(tsdBottom, in, 300, 200, &m), TRect(2, 25, 296, 198));
  EXPECT_EQ(AdjustTabDisplayRect(tsdLeft, in, 300, 200, &m), TRect(2, 25, 296, 198));
  EXPECT_EQ(AdjustTabDisplayRect(tsdRight, in, 300, 200, &m), TRect(2, 25, 296, 198));
  // The frame is the display area grown back by the margins.
  EXPECT_EQ(TabFrameRect(TRect(2, 23, 296, 198), m), TRect(0, 20, 300, 200));
}

TEST(TabGeometry, TabPlacesBySide) {
  const TRect r(10, 20, 60, 40);
  EXPECT_EQ(AdjustTabItemRect(tsdTop, r, false, 0), TRect(8, 18, 58, 38));
  EXPECT_EQ(AdjustTabItemRect(tsdTop, r, true, 0), TRect(10, 18, 60, 38));
  EXPECT_EQ(AdjustTabItemRect(tsdTop, r, false, 80), TRect(88, 18, 138, 38));
  EXPECT_EQ(AdjustTabItemRect(tsdBottom, r, false, 0), TRect(8, 22, 58, 42));
  EXPECT_EQ(AdjustTabItemRect(tsdLeft, r, false, 0), TRect(8, 20, 58, 40));
  EXPECT_EQ(AdjustTabItemRect(tsdRight, r, false, 0), TRect(12, 20, 62, 40));
}

TEST(TabGeometry, CentredRowOffset) {
  EXPECT_EQ(TabsCenterOffset(400, 60, 4), 80);
  EXPECT_EQ(TabsCenterOffset(400, 0, 4), 0);
  EXPECT_EQ(TabsCenterOffset(100, 60, 4), 0);  // wider than the control: never negative
}

TEST(TabGeometry, CloseBoxOnTurnedTabs) {
  // A 60 x 20 tab image with its close box near the right end.
  const TRect box(44, 3, 58, 17);
  EXPECT_EQ(TurnTabRect(tsdTop, box, 60, 20), box);
  // Turned a quarter onto a left tab (20 wide, 60 high), the box goes to the top.
  EXPECT_EQ(TurnTabRect(tsdLeft, box, 60, 20), TRect(3, 2, 17, 16));
  // Onto a right tab, to the bottom.
  EXPECT_EQ(TurnTabRect(tsdRight, box, 60, 20), TRect(3, 44, 17, 58));
}

TEST(TabGeometry, ActiveTabCoversTheFrameTowardsItsPage) {
  const TRect tab(10, 0, 60, 20);
  EXPECT_EQ(ActiveTabExtension(tsdTop, tab, 3), TRect(10, 0, 60, 23));
  EXPECT_EQ(ActiveTabExtension(tsdBottom, tab, 3), TRect(10, -3, 60, 20));
  EXPECT_EQ(ActiveTabExtension(tsdLeft, tab, 3), TRect(10, 0, 63, 20));
  EXPECT_EQ(ActiveTabExtension(tsdRight, tab, 3), TRect(7, 0, 60, 20));
}

TEST(TabGeometry, TabsOutOfView) {
  EXPECT_TRUE(TabOutOfView(198, 200));
  EXPECT_FALSE(TabOutOfView(197, 200));
  EXPECT_TRUE(TabOutOfView(0, 200));
  EXPECT_FALSE(TabOutOfView(1, 200));
  EXPECT_TRUE(TabLeftOfView(0));
  EXPECT_FALSE(TabLeftOfView(1));
}

TEST(TabGeometry, FirstTabInViewShowsTheSelectedTabWholeAndFillsTheStrip) {
  // Ten tabs 50 wide in a 180 view: three whole tabs fit.
  std::vector<int> rights;
  for (int i = 1; i <= 10; ++i) rights.push_back(50 * i);
  EXPECT_EQ(FirstTabInView(rights, 1, 0, 180), 0) << "already in view: no move";
  EXPECT_EQ(FirstTabInView(rights, 5, 0, 180), 3) << "comes in at the right end";
  EXPECT_EQ(FirstTabInView(rights, 2, 5, 180), 2) << "comes in at the left end";
  EXPECT_EQ(FirstTabInView(rights, 9, 0, 180), 7);
  EXPECT_EQ(FirstTabInView(rights, 9, 9, 180), 7) << "no room left after the last tab";
  EXPECT_EQ(FirstTabInView(rights, -1, 9, 180), 7) << "no selection: only the filling";
  EXPECT_EQ(FirstTabInView(rights, 4, 40, 180), 4) << "a first past the end is clamped";
  EXPECT_EQ(FirstTabInView(rights, 3, 0, 40), 3) << "a tab wider than the view stands first";
  EXPECT_EQ(FirstTabInView(rights, 9, 8, 1000), 0) << "all fit";
  EXPECT_EQ(FirstTabInView({}, 0, 3, 100), 0);
  const std::vector<int> exact(rights);  // no spare capacity: a read past the end is caught
  EXPECT_EQ(FirstTabInView(exact, 10, 2, 180), 2) << "a selection past the last tab is none";
  // Tabs of unequal widths: 30, 100, 40, 40, 40.
  EXPECT_EQ(FirstTabInView({30, 130, 170, 210, 250}, 4, 0, 130), 2);
  EXPECT_EQ(FirstTabInView({30, 130, 170, 210, 250}, 1, 4, 130), 1);
  EXPECT_TRUE(TabUnderScroller(181, 180));
  EXPECT_FALSE(TabUnderScroller(180, 180));
}

}  // namespace
