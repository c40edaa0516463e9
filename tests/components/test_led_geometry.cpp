// Segments of the LED cells and the rules of the LED display's size properties.
#include <gtest/gtest.h>

#include "components/LEDFontGeometry.h"

TEST(LEDSegments, EachDigitLightsItsSegments) {
  const wchar_t* expected[] = {L"012345", L"12", L"01643", L"01623", L"5612",
                               L"05623", L"054326", L"012", L"0123456", L"650123"};
  for (int d = 0; d < 10; ++d) EXPECT_EQ(LEDLitSegments(L'0' + d), expected[d]) << d;
  EXPECT_EQ(LEDLitSegments(L'-'), L"6");
  EXPECT_EQ(LEDLitSegments(L' '), L"");
  EXPECT_EQ(LEDLitSegments(L'A'), L"");
  EXPECT_EQ(LEDLitSegments(L'.'), L"");
}

TEST(LEDSegments, PolygonsOfTheDefaultCell) {
  // W 17, H 29, T 3: hm 14, hp 15.
  auto s = LEDSegments(4, 4, 17, 29, 3);
  EXPECT_EQ(s[0][0], TPoint(6, 4));
  EXPECT_EQ(s[0][2], TPoint(4 + 17 - 6 - 3, 4 + 2));
  EXPECT_EQ(s[0][5], TPoint(4 + 17 - 3 - 4, 4));
  EXPECT_EQ(s[2][3], TPoint(4 + 17 - 5, 4 + 27));
  EXPECT_EQ(s[6][0], TPoint(7, 4 + 13));
  EXPECT_EQ(s[6][4], TPoint(4 + 10, 4 + 14));
  // The point is a T x T square in the lower right corner.
  EXPECT_EQ(s[7][0], TPoint(18, 30));
  EXPECT_EQ(s[7][1], TPoint(18, 30));
  EXPECT_EQ(s[7][4], TPoint(21, 33));
}

TEST(LEDSegments, ThinMiddleBarIsPulledIn) {
  auto thick = LEDSegments(0, 0, 17, 29, 1);
  // hp 15, T 1: (1, 15) moved by (+1, -1).
  EXPECT_EQ(thick[6][0], TPoint(2, 14));
  EXPECT_EQ(thick[6][2], TPoint(2, 14));
  EXPECT_EQ(thick[6][3], TPoint(12, 14));
  EXPECT_EQ(thick[6][5], TPoint(12, 14));
}

TEST(LEDText, FirstPointLightsThePreviousCell) {
  int point;
  EXPECT_EQ(LEDCellText(L"12.5", point), L"125");
  EXPECT_EQ(point, 1);
  EXPECT_EQ(LEDCellText(L"1.2.3", point), L"12.3");
  EXPECT_EQ(point, 0);
  EXPECT_EQ(LEDCellText(L".5", point), L"5");
  EXPECT_EQ(point, -1);
  EXPECT_EQ(LEDCellText(L"42", point), L"42");
  EXPECT_EQ(point, -1);
}

TEST(LEDText, ComputedSize) {
  EXPECT_EQ(LEDComputedSize(3, 4, 4, 17, 29, 4), TSize(67, 37));
  EXPECT_EQ(LEDComputedSize(2, 4, 4, 17, 29, 4), TSize(46, 37));
}

TEST(LEDRules, RefusedThicknessAndHeights) {
  EXPECT_TRUE(LEDAcceptsThick(7, 17, 29));
  EXPECT_FALSE(LEDAcceptsThick(8, 17, 29));  // 31 is not below 29
  EXPECT_FALSE(LEDAcceptsThick(9, 17, 29));  // 18 is not below 17
  EXPECT_FALSE(LEDAcceptsThick(2, 17, 30));  // 30 - 8 + 1 is odd
  int h = 30;
  EXPECT_TRUE(LEDAcceptsWordHeight(h, 3));
  EXPECT_EQ(h, 31);
  h = 11;
  EXPECT_FALSE(LEDAcceptsWordHeight(h, 3));
  h = 12;
  EXPECT_TRUE(LEDAcceptsWordHeight(h, 3));
  EXPECT_EQ(h, 13);
  EXPECT_TRUE(LEDAcceptsWordWidth(7, 3));
  EXPECT_FALSE(LEDAcceptsWordWidth(6, 3));
}
