// The MDI tabs bar's plain rules: tab places for the documented examples,
// hidden tabs, drag limits, the drop target and the close-button press.
#include <gtest/gtest.h>

#include <string>

#include "skin/SkinMDITabsGeometry.h"

namespace {

TspMDITabsMetrics Metrics(int Count, int Width, int DefaultTabWidth = 100, int MinTabWidth = 0) {
  TspMDITabsMetrics m;
  m.Count = Count;
  m.Width = Width;
  m.Height = 21;
  m.DefaultTabWidth = DefaultTabWidth;
  m.MinTabWidth = MinTabWidth;
  return m;
}

TEST(MDITabsLayout, FourTabsShareTheBarAndTheLastReachesTheEnd) {
  const TspMDITabsLayout l = LayoutMDITabs(Metrics(4, 315));
  ASSERT_EQ(l.Rects.size(), 4u);
  EXPECT_EQ(l.Rects[0], TRect(15, 0, 90, 21));
  EXPECT_EQ(l.Rects[1], TRect(90, 0, 165, 21));
  EXPECT_EQ(l.Rects[2], TRect(165, 0, 240, 21));
  EXPECT_EQ(l.Rects[3], TRect(240, 0, 315, 21));
  EXPECT_EQ(l.HiddenCount, 0);
  EXPECT_EQ(l.DragLimit, 315);
}

TEST(MDITabsLayout, WideBarKeepsTheDefaultWidthWithoutStretching) {
  const TspMDITabsLayout l = LayoutMDITabs(Metrics(2, 600));
  EXPECT_EQ(l.Rects[0], TRect(15, 0, 115, 21));
  EXPECT_EQ(l.Rects[1], TRect(115, 0, 215, 21));
}

TEST(MDITabsLayout, MinTabWidthHidesWhatDoesNotFit) {
  const TspMDITabsLayout l = LayoutMDITabs(Metrics(4, 200, 100, 80));
  EXPECT_EQ(l.HiddenCount, 2);
  EXPECT_TRUE(l.Visible[0]);
  EXPECT_TRUE(l.Visible[1]);
  EXPECT_FALSE(l.Visible[2]);
  EXPECT_FALSE(l.Visible[3]);
  EXPECT_EQ(l.Rects[0], TRect(15, 0, 95, 21));
  EXPECT_EQ(l.Rects[1], TRect(95, 0, 175, 21));
  EXPECT_TRUE(l.Rects[3].IsEmpty());
  EXPECT_EQ(l.DragLimit, 185);
  // Tabs wide enough for the minimum all show.
  EXPECT_EQ(LayoutMDITabs(Metrics(4, 315, 100, 75)).HiddenCount, 0);
}

TEST(MDITabsLayout, NarrowOrEmptyBarsGiveNoNegativeTabs) {
  EXPECT_TRUE(LayoutMDITabs(Metrics(0, 300)).Rects.empty());
  const TspMDITabsLayout tiny = LayoutMDITabs(Metrics(3, 10));
  for (const TRect& r : tiny.Rects) EXPECT_GE(r.Width(), 0);
  const TspMDITabsLayout none = LayoutMDITabs(Metrics(3, 20, 100, 50));
  EXPECT_EQ(none.HiddenCount, 3);
}

TEST(MDITabsLayout, DraggedTabStaysInsideTheBar) {
  TspMDITabsMetrics m = Metrics(4, 315);
  m.DragIndex = 0;
  m.DragOffset = -40;
  EXPECT_EQ(LayoutMDITabs(m).Rects[0], TRect(0, 0, 75, 21));
  m.DragIndex = 2;
  m.DragOffset = 500;
  EXPECT_EQ(LayoutMDITabs(m).Rects[2], TRect(240, 0, 315, 21));
  m = Metrics(4, 200, 100, 80);
  m.DragIndex = 1;
  m.DragOffset = 60;
  EXPECT_EQ(LayoutMDITabs(m).Rects[1].Right, 185);  // the hidden button's room stays free
}

TEST(MDITabsLayout, HitTestTakesEdgesAndSkipsHiddenTabs) {
  const TspMDITabsLayout l = LayoutMDITabs(Metrics(4, 200, 100, 80));
  EXPECT_EQ(MDITabAt(l, TPoint(15, 0)), 0);
  EXPECT_EQ(MDITabAt(l, TPoint(95, 21)), 0);  // shared edge: the first tab
  EXPECT_EQ(MDITabAt(l, TPoint(96, 10)), 1);
  EXPECT_EQ(MDITabAt(l, TPoint(190, 10)), -1);
  EXPECT_EQ(MDITabAt(l, TPoint(5, 10)), -1);
}

int DropFor(int DragIndex, int Offset) {
  TspMDITabsMetrics m = Metrics(4, 315);
  m.DragIndex = DragIndex;
  m.DragOffset = Offset;
  return MDITabDropTarget(LayoutMDITabs(m), DragIndex, Offset);
}

TEST(MDITabsDrop, TargetFollowsTheMiddlesOfTheOtherTabs) {
  // Tabs of 75 from 15: middles 52, 127, 202, 277.
  EXPECT_EQ(DropFor(0, 0), -1);
  EXPECT_EQ(DropFor(0, 1), -1);    // right edge 91 short of 127
  EXPECT_EQ(DropFor(0, 37), -1);   // right edge 127: the middle is not left of it
  EXPECT_EQ(DropFor(0, 38), 1);
  EXPECT_EQ(DropFor(0, 200), 3);
  EXPECT_EQ(DropFor(3, -100), 2);  // left edge 140: only the middle 202 lies right of it
  EXPECT_EQ(DropFor(3, -200), 0);
  EXPECT_EQ(DropFor(-1, 50), -1);
}

TEST(MDITabsDrop, MarkSitsAtTheTargetsFarEdge) {
  const TspMDITabsLayout l = LayoutMDITabs(Metrics(4, 315));
  EXPECT_EQ(MDITabDropMarkX(l, 2, 10), 240);
  EXPECT_EQ(MDITabDropMarkX(l, 2, -10), 165);
  EXPECT_EQ(MDITabDropMarkX(l, 9, -10), -1);
}

TEST(MDITabsDrop, MoveKeepsTheOthersInOrder) {
  std::string s = "abcd";
  std::vector<char> v(s.begin(), s.end());
  MoveListItem(v, 0, 2);
  EXPECT_EQ(std::string(v.begin(), v.end()), "bcad");
  MoveListItem(v, 3, 0);
  EXPECT_EQ(std::string(v.begin(), v.end()), "dbca");
  MoveListItem(v, 1, 7);  // out of range: nothing
  MoveListItem(v, 2, 2);
  EXPECT_EQ(std::string(v.begin(), v.end()), "dbca");
}

TEST(MDITabsClose, OnlyAPressAndReleaseOnTheSameButtonCloses) {
  TspMDICloseTracker t;
  t.Press(1, true);
  EXPECT_TRUE(t.Release(1, true));
  // The press ended: a second release closes nothing.
  EXPECT_FALSE(t.Release(1, true));
  t.Press(1, true);
  EXPECT_FALSE(t.Release(2, true));  // released over another tab's button
  t.Press(1, false);
  EXPECT_FALSE(t.Release(1, true));  // the press began on the tab, not its button
  t.Press(1, true);
  EXPECT_FALSE(t.Release(1, false));  // released off the button
  t.Press(1, true);
  t.DragStarted();
  EXPECT_FALSE(t.Release(1, true));  // dragged in between
  EXPECT_FALSE(t.Release(-1, true));
}

TEST(MDITabsClose, ButtonSitsAtTheRightMiddleOfTheTab) {
  EXPECT_EQ(MDITabCloseButtonRect(75, 21, 14, 2), TRect(57, 3, 71, 17));
  EXPECT_EQ(MDITabCloseButtonRect(75, 24, 14, 5), TRect(54, 5, 68, 19));
  EXPECT_EQ(MDITabCloseButtonRect(10, 21, 14, 2).Left, 0);
}

}  // namespace
