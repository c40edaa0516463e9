// Spin edit geometry: the default places and the skin's places at other sizes.
#include <gtest/gtest.h>

#include "skininputs/SpinEditLayout.h"

TEST(SpinEditLayout, DefaultButtonsOnTheRightEditCentred) {
  const TSpinEditLayout l = SpinEditDefaultLayout(120, 21);
  EXPECT_EQ(l.Up, TRect(103, 2, 118, 10));
  EXPECT_EQ(l.Down, TRect(103, 10, 118, 19));
  EXPECT_EQ(l.EditArea.Left, 2);
  EXPECT_EQ(l.EditArea.Width(), 101);
  // H div 2 - h div 2, also for odd heights.
  EXPECT_EQ(SpinEditTop(l.EditArea, 13), 10 - 6);
  EXPECT_EQ(SpinEditTop(SpinEditDefaultLayout(120, 20).EditArea, 14), 10 - 7);
}

// A 60 x 22 skin, right corner at 45, stacked buttons at 46..58.
class SpinSkinLayout : public ::testing::Test {
 protected:
  TSpinEditLayout At(int W, int H, bool UseSkinSize, TRect Up = TRect(46, 2, 58, 11),
                     TRect Down = TRect(46, 11, 58, 20)) {
    return SpinEditSkinLayout(TRect(0, 0, 60, 22), 45, TRect(3, 3, 44, 19), Up, Down, W, H, UseSkinSize);
  }
};

TEST_F(SpinSkinLayout, SkinSizeMovesButtonsRightOfTheCornerWithTheWidth) {
  const TSpinEditLayout l = At(100, 22, true);
  EXPECT_EQ(l.Up, TRect(86, 2, 98, 11));
  EXPECT_EQ(l.Down, TRect(86, 11, 98, 20));
  EXPECT_EQ(l.EditArea, TRect(3, 3, 84, 19));
  // A button from the corner on moves only when it starts right of it.
  EXPECT_EQ(At(100, 22, true, TRect(45, 2, 58, 11)).Up, TRect(45, 2, 58, 11));
  // A button left of the corner stays where the skin has it.
  EXPECT_EQ(At(100, 22, true, TRect(2, 2, 10, 11)).Up, TRect(2, 2, 10, 11));
  // The height is the skin's: a taller control changes nothing.
  EXPECT_EQ(At(100, 40, true).Down, TRect(86, 11, 98, 20));
}

TEST_F(SpinSkinLayout, StretchedStackedButtonsShareTheGrownAreaSideBySideBothGrow) {
  const TSpinEditLayout l = At(100, 42, false);  // 20 taller
  EXPECT_EQ(l.EditArea, TRect(3, 3, 84, 39));
  EXPECT_EQ(l.Up, TRect(86, 2, 98, 21));
  EXPECT_EQ(l.Down, TRect(86, 21, 98, 40));
  const TSpinEditLayout s = At(100, 42, false, TRect(46, 2, 52, 20), TRect(52, 2, 58, 18));
  EXPECT_EQ(s.Up, TRect(86, 2, 92, 40));
  EXPECT_EQ(s.Down, TRect(92, 2, 98, 38));
  // Buttons whose bottoms are level are split into an upper and a lower one.
  const TSpinEditLayout level = At(100, 42, false, TRect(46, 2, 52, 20), TRect(52, 2, 58, 20));
  EXPECT_EQ(level.Up, TRect(86, 2, 98, 21));
  EXPECT_EQ(level.Down, TRect(86, 21, 98, 40));
}
