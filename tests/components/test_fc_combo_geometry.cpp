// The custom combo's button holder, edit rectangle and drop-down placement.
#include <gtest/gtest.h>

#include "components/fcComboGeometry.h"

TEST(fcComboGeometry, ButtonHolderBesideTheText) {
  EXPECT_EQ(fcComboButtonHolderBounds(120, 17, 15, false, true), Bounds(101, 0, 15, 17));
  EXPECT_EQ(fcComboButtonHolderBounds(120, 21, 15, false, false), Bounds(105, 0, 15, 21));
  EXPECT_EQ(fcComboButtonHolderBounds(120, 21, 15, true, false), Bounds(103, 2, 15, 17));
}

TEST(fcComboGeometry, EditRectangleWithAndWithoutTheButton) {
  TfcComboEditInput in;
  in.ClientWidth = 102;
  in.ClientHeight = 16;
  in.Height = 16;
  in.HolderLeft = 85;
  in.BorderNone = true;
  TRect r = fcComboEditRect(in);
  EXPECT_EQ(r, TRect(1, 1, 83, 17));
  in.ButtonShown = false;  // the text reaches the client width - 2
  EXPECT_EQ(fcComboEditRect(in).Right, 100);
  in.ParentIsGrid = true;
  EXPECT_EQ(fcComboEditRect(in).Left, 2);
  EXPECT_EQ(fcComboEditRect(in).Top, 2);
  in.ParentIsGrid = false;
  in.CenterVertically = true;
  in.Height = 30;
  in.TextHeight = 13;
  EXPECT_EQ(fcComboEditRect(in).Top, 1 + (30 - 13 - 2) / 2);
  in.BorderNone = false;
  in.Height = 10;  // negative halves truncate toward zero
  EXPECT_EQ(fcComboEditRect(in).Top, (10 - 13 - 5) / 2);
  in.LeftIndent = 5;
  EXPECT_EQ(fcComboEditRect(in).Left, 5);
}

TEST(fcComboGeometry, DropDownBelowAboveAndRightAligned) {
  TfcComboDropInput in;
  in.ComboScreen = TPoint(100, 100);
  in.ComboWidth = 120;
  in.ComboHeight = 21;
  in.ItemCount = 20;
  in.ItemSize = TSize(0, 16);
  in.ScreenWidth = 800;
  in.ScreenHeight = 600;
  EXPECT_EQ(fcComboDropDownBounds(in), Bounds(100, 121, 120, 8 * 16 + 2));
  in.ItemCount = 0;  // nothing to show: the combo's height
  EXPECT_EQ(fcComboDropDownBounds(in).Height(), 21 + 2);
  in.ItemCount = 3;
  in.ComboScreen = TPoint(100, 540);  // would pass the bottom: opens above
  EXPECT_EQ(fcComboDropDownBounds(in), Bounds(100, 540 - 50, 120, 50));
  in.ComboScreen = TPoint(700, 100);
  in.ItemSize = TSize(200, 16);  // wider than the combo and too far right
  const TRect r = fcComboDropDownBounds(in);
  EXPECT_EQ(r.Width(), 200 + 2 + 32);
  EXPECT_EQ(r.Right, 700 + 120);
}
