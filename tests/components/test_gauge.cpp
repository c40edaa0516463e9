// The class library's gauge: percentage, clamping and the filled part.
#include <gtest/gtest.h>

#include "classlib/Gauges.h"
#include "tests/components/ComponentTestUtils.h"

TEST(Gauge, PercentOfTheRange) {
  EXPECT_EQ(GaugePercentDone(0, 100, 42), 42);
  EXPECT_EQ(GaugePercentDone(20, 60, 40), 50);
  EXPECT_EQ(GaugePercentDone(5, 5, 5), 0);  // an empty range shows nothing
  EXPECT_EQ(GaugePercentDone(0, 4000000000LL, 3000000000LL), 75);
}

TEST(Gauge, ProgressClampedAndBarFilled) {
  TGauge gauge(nullptr);
  gauge.SetBounds(0, 0, 53, 15);
  gauge.SetBorderStyle(bsNone);
  gauge.SetShowText(false);
  gauge.SetForeColor(clBlue);
  gauge.SetBackColor(clAqua);
  gauge.SetProgress(150);
  EXPECT_EQ(gauge.Progress(), 100);
  gauge.SetMaxValue(10);
  EXPECT_EQ(gauge.Progress(), 10);
  gauge.SetProgress(5);
  TBitmap bmp;
  PaintInto(&gauge, bmp);
  EXPECT_EQ(PixelAt(bmp, 10, 7), clBlue);
  EXPECT_EQ(PixelAt(bmp, 40, 7), clAqua);
  gauge.SetKind(gkVerticalBar);
  PaintInto(&gauge, bmp);
  EXPECT_EQ(PixelAt(bmp, 40, 12), clBlue);
  EXPECT_EQ(PixelAt(bmp, 40, 2), clAqua);
}
