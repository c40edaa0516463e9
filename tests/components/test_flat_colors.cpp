// Colour to hue, saturation and lightness and back, and the advanced colours
// the flat controls derive from a base colour.
#include <gtest/gtest.h>

#include <cmath>

#include "components/HSLUtils.h"

TEST(HSLRange, PrimaryAndGreyColoursConvert) {
  int h, s, l;
  RGBtoHSLRange(clRed, h, s, l);
  EXPECT_EQ(h, 0); EXPECT_EQ(s, 240); EXPECT_EQ(l, 120);
  RGBtoHSLRange(clWhite, h, s, l);
  EXPECT_EQ(h, 0); EXPECT_EQ(s, 0); EXPECT_EQ(l, 240);
  RGBtoHSLRange(clBlack, h, s, l);
  EXPECT_EQ(h, 0); EXPECT_EQ(s, 0); EXPECT_EQ(l, 0);
  RGBtoHSLRange(clBlue, h, s, l);
  EXPECT_EQ(h, 159);  // 4/6 of 239, rounded
  EXPECT_EQ(s, 240);
}

TEST(HSLRange, GreysComeBackWithRoundedBytes) {
  for (int l : {0, 1, 60, 120, 121, 239, 240}) {
    const TColor c = HSLRangeToRGB(0, 0, l);
    const int expected = static_cast<int>(std::nearbyint(255.0 * l / 240));
    EXPECT_EQ(GetRedOf(c), expected) << l;
    EXPECT_EQ(GetGreenOf(c), expected);
    EXPECT_EQ(GetBlueOf(c), expected);
  }
}

TEST(HSLRange, RoundTripKeepsSaturatedColours) {
  for (TColor c : {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua, TColor(0x996633)}) {
    double h, s, l;
    RGBtoHSL(c, h, s, l);
    EXPECT_EQ(HSLtoRGB(h, s, l), c) << std::hex << c;
  }
}

TEST(AdvancedColor, DarkenBeyondLightnessGivesBlackWithBaseHue) {
  // Red: L 120 + 10 - 200 is below 0.
  EXPECT_EQ(AdvancedColorOf(clRed, 200, true), clBlack);
  // 50 steps darker from L 130: L 80 keeps hue 0 and full saturation.
  EXPECT_EQ(AdvancedColorOf(clRed, 50, true), HSLRangeToRGB(0, 240, 80));
}

TEST(AdvancedColor, LighteningALightColourNeverDarkensIt) {
  // The flat buttons' default face, L about 226: lightening clamps at 240,
  // the top of the scale, not at 100.
  const TColor face = 0xE1EAEB;
  int h, s, l;
  RGBtoHSLRange(face, h, s, l);
  const TColor lighter = AdvancedColorOf(face, 10, false);
  int h2, s2, l2;
  RGBtoHSLRange(lighter, h2, s2, l2);
  EXPECT_GE(l2, l);
  EXPECT_EQ(AdvancedColorOf(clWhite, 50, false), clWhite);
  // A small darkening of white stays within the scale (240 + 10 - 5 is clamped).
  EXPECT_EQ(AdvancedColorOf(clWhite, 5, true), clWhite);
}
