// The scroll box's bar ranges and how its children follow them.
#include <gtest/gtest.h>

#include "skininputs/SkinScrollBoxRanges.h"

TEST(ScrollBoxRange, ChildrenThatFitHideTheBarAndComeBack) {
  TScrollBoxRange r = ScrollBoxRange(100, 80, 0, 0, 0);
  EXPECT_FALSE(r.Visible);
  EXPECT_EQ(r.Max, 0);
  EXPECT_EQ(r.PageSize, 0);
  EXPECT_EQ(r.Position, 0);
  EXPECT_EQ(r.ScrollBack, 0);
  // Scrolled by 30 with 60 of children left in view: all of it fits again.
  r = ScrollBoxRange(100, 60, 30, 0, 149);
  EXPECT_FALSE(r.Visible);
  EXPECT_EQ(r.ScrollBack, 30);
  // Exactly the client height still fits.
  EXPECT_FALSE(ScrollBoxRange(100, 100, 0, 0, 0).Visible);
}

TEST(ScrollBoxRange, ChildrenTallerThanTheBoxShowTheBar) {
  const TScrollBoxRange r = ScrollBoxRange(100, 250, 0, 0, 0);
  EXPECT_TRUE(r.Visible);
  EXPECT_EQ(r.Max, 249);
  EXPECT_EQ(r.PageSize, 100);
  EXPECT_EQ(r.Position, 0);
  EXPECT_EQ(r.ScrollBack, 0);
  // Scrolled half-way the extent counts from the children's first edge.
  const TScrollBoxRange s = ScrollBoxRange(100, 150, 100, 0, 249);
  EXPECT_EQ(s.Max, 249);
  EXPECT_EQ(s.Position, 100);
  EXPECT_EQ(s.ScrollBack, 0);
}

TEST(ScrollBoxRange, GrowingWhileScrolledLeavesNoEmptyBand) {
  // 300 of children scrolled to the end of a 100 box, which then grows by
  // 40: the children move down by the growth.
  TScrollBoxRange r = ScrollBoxRange(140, 100, 200, 40, 299);
  EXPECT_EQ(r.ScrollBack, 40);
  EXPECT_EQ(r.Position, 160);
  EXPECT_EQ(r.Max, 299);
  EXPECT_EQ(r.PageSize, 140);
  // Growth beyond the position moves them back by the position only.
  r = ScrollBoxRange(140, 135, 10, 40, 144);
  EXPECT_EQ(r.ScrollBack, 10);
  EXPECT_EQ(r.Position, 0);
}

TEST(ScrollBoxRange, ShrunkChildrenCloseTheGapBelowThem) {
  // The children shrank from 300 to 250 while scrolled by 200.
  TScrollBoxRange r = ScrollBoxRange(100, 50, 200, 0, 299);
  EXPECT_EQ(r.Max, 249);
  EXPECT_EQ(r.ScrollBack, 50);
  EXPECT_EQ(r.Position, 150);
  // Whatever the branch, the bar's position stays in its range and the
  // children follow any clamp of it.
  r = ScrollBoxRange(100, 50, 200, 0, 100);
  EXPECT_EQ(r.Position, r.Max - r.PageSize + 1);
  EXPECT_EQ(r.ScrollBack, 200 - r.Position);
}
