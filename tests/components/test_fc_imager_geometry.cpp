// The imager's draw rectangle for each draw style.
#include <gtest/gtest.h>

#include "components/fcImagerGeometry.h"

using namespace fcds;

TEST(fcImagerGeometry, RectangleByStyle) {
  // Working image 40 x 20 in a 100 x 60 control; picture 30 x 10.
  EXPECT_EQ(fcImagerDrawRect(dsNormal, 40, 20, 100, 60, 30, 10), TRect(0, 0, 30, 10));
  EXPECT_EQ(fcImagerDrawRect(dsCenter, 40, 20, 100, 60, 30, 10), TRect(30, 20, 70, 40));
  EXPECT_EQ(fcImagerDrawRect(dsStretch, 40, 20, 100, 60, 30, 10), TRect(0, 0, 100, 60));
  EXPECT_EQ(fcImagerDrawRect(dsTile, 40, 20, 100, 60, 30, 10), TRect(0, 0, 100, 60));
  EXPECT_EQ(fcImagerDrawRect(dsProportional, 40, 20, 100, 60, 30, 10), TRect(0, 0, 100, 50));
  EXPECT_EQ(fcImagerDrawRect(dsProportionalCenter, 40, 20, 100, 60, 30, 10), TRect(0, 5, 100, 55));
}

TEST(fcImagerGeometry, CenterOfALargerPictureStartsOutside) {
  const TRect r = fcImagerDrawRect(dsCenter, 201, 150, 100, 100, 201, 150);
  EXPECT_EQ(r.Left, 50 - 100);
  EXPECT_EQ(r.Top, 50 - 75);
  EXPECT_EQ(r.Right, 100 - r.Left);  // right and bottom mirror the offsets
  EXPECT_EQ(r.Bottom, 125);
  EXPECT_FALSE(fcImagerFillsControl(dsCenter));
  EXPECT_TRUE(fcImagerFillsControl(dsTile));
}
