// Rotation, effect room, placement and extrusion steps of the effect text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "components/fcTextGeometry.h"

TEST(fcTextRotation, StoredWithin0To360) {
  EXPECT_EQ(fcNormalizeRotation(-90), 270);
  EXPECT_EQ(fcNormalizeRotation(725), 5);
  EXPECT_EQ(fcNormalizeRotation(360), 0);
  EXPECT_EQ(fcNormalizeRotation(-360), 360);
  EXPECT_EQ(fcNormalizeRotation(0), 0);
}

TEST(fcTextRotation, FloorIsExactExceptJustBelowIntegers) {
  EXPECT_EQ(fcFloor(2.0), 2);
  EXPECT_EQ(fcFloor(2.7), 2);
  EXPECT_EQ(fcFloor(-0.5), -1);
  EXPECT_EQ(fcFloor(2.99995), 3);
}

TEST(fcTextEffects, OffsetsOfShadowAndExtrusion) {
  TfcEffectGeometry g;
  EXPECT_EQ(fcExtrudeOffset(g, false), TPoint(0, 0));
  g.ExtrudeOn = true;
  g.Depth = 6;
  g.Orientation = fcTop;
  EXPECT_EQ(fcExtrudeOffset(g, false), TPoint(6, 6));
  EXPECT_EQ(fcExtrudeOffset(g, true), TPoint(0, 6));
  g.ShadowOn = true;
  g.ShadowX = 4;
  g.ShadowY = 5;
  // fcTop steps (0, 1): only the shadow's y agrees with the extrusion.
  EXPECT_EQ(fcShadowOffset(g), TPoint(0, 5));
  g.ExtrudeOn = false;
  EXPECT_EQ(fcShadowOffset(g), TPoint(4, 5));
  // A one-pixel shadow the same way as the extrusion takes room; one the
  // other way does not.
  g.ExtrudeOn = true;
  g.Orientation = fcTopLeft;  // steps (1, 1)
  g.ShadowX = 1;
  g.ShadowY = -1;
  EXPECT_EQ(fcShadowOffset(g), TPoint(1, 0));
  g.Orientation = fcBottomRight;  // steps (-1, -1)
  g.ShadowX = -1;
  g.ShadowY = 1;
  EXPECT_EQ(fcShadowOffset(g), TPoint(-1, 0));
}

TEST(fcTextEffects, ExtentGrowsByEffectsAndTurns) {
  TfcEffectGeometry g;
  // An empty text still measures 1 wide (added by the caller) plus the effects.
  EXPECT_EQ(fcTextExtent(g, TSize(1, 0), nullptr), TSize(1, 0));
  g.Outline = true;
  EXPECT_EQ(fcTextExtent(g, TSize(40, 12), nullptr), TSize(42, 14));
  g.Rotation = 90;
  EXPECT_EQ(fcTextExtent(g, TSize(40, 12), nullptr), TSize(14, 42));
  const TSize clip(20, 30);
  EXPECT_EQ(fcTextExtent(g, TSize(40, 12), &clip), TSize(14, 30));
  // Turned by 45 degrees a 100 x 20 text needs a square of 84.85, floored.
  TfcEffectGeometry turned;
  turned.Rotation = 45;
  EXPECT_EQ(fcTextExtent(turned, TSize(100, 20), nullptr), TSize(84, 84));
  turned.Rotation = 30;  // 86.6 + 10 across, 50 + 17.3 down
  EXPECT_EQ(fcTextExtent(turned, TSize(100, 20), nullptr), TSize(96, 67));
}

TEST(fcTextPlace, CentredAndKeptInsideTheArea) {
  TfcEffectGeometry g;
  // 100 x 40 area, text 30 x 10: centred at (50, 20).
  EXPECT_EQ(fcTextPlace(g, TRect(0, 0, 100, 40), TSize(30, 10), false), TRect(35, 15, 65, 25));
  // Too big for the area: pushed to its top-left corner, and clipped unless asked.
  EXPECT_EQ(fcTextPlace(g, TRect(10, 10, 30, 20), TSize(40, 12), false), TRect(10, 10, 30, 20));
  EXPECT_EQ(fcTextPlace(g, TRect(10, 10, 30, 20), TSize(40, 12), true), TRect(10, 10, 50, 22));
  // Wider than the area but not taller: only pushed across.
  EXPECT_EQ(fcTextPlace(g, TRect(10, 0, 30, 100), TSize(40, 12), true), TRect(10, 44, 50, 56));
  // Taller but not wider: only pushed down.
  EXPECT_EQ(fcTextPlace(g, TRect(0, 10, 100, 20), TSize(30, 40), true), TRect(35, 10, 65, 50));
  // Turned by 90 degrees the text is centred by its height across.
  g.Rotation = 90;
  EXPECT_EQ(fcTextPlace(g, TRect(0, 0, 100, 100), TSize(30, 12), true), TRect(44, 65, 56, 95));
}

TEST(fcExtrusion, BottomRightStepsBackTowardsThePreparedPlace) {
  TfcEffectGeometry g;
  g.ExtrudeOn = true;
  g.Depth = 10;
  g.Orientation = fcBottomRight;
  TPoint text;
  auto steps = fcExtrusionSteps(g, text);
  ASSERT_EQ(steps.size(), 10u);
  EXPECT_EQ(steps.front(), TPoint(9, 9));
  EXPECT_EQ(steps.back(), TPoint(0, 0));
  EXPECT_EQ(text, TPoint(0, 0));

  g.Orientation = fcTopLeft;
  steps = fcExtrusionSteps(g, text);
  EXPECT_EQ(steps.front(), TPoint(1, 1));
  EXPECT_EQ(steps.back(), TPoint(10, 10));
  EXPECT_EQ(text, TPoint(10, 10));

  g.ExtrudeOn = false;
  EXPECT_TRUE(fcExtrusionSteps(g, text).empty());
}

TEST(fcExtrusion, EveryOrientationStepsOnePixelAtATime) {
  struct Case {
    TfcOrientation O;
    TPoint First, Last;
  } cases[] = {
      {fcTopLeft, {1, 1}, {4, 4}},  {fcTopRight, {3, 1}, {0, 4}}, {fcBottomLeft, {1, 3}, {4, 0}},
      {fcBottomRight, {3, 3}, {0, 0}}, {fcTop, {0, 1}, {0, 4}},   {fcRight, {3, 0}, {0, 0}},
      {fcLeft, {1, 0}, {4, 0}},     {fcBottom, {0, 3}, {0, 0}},
  };
  TfcEffectGeometry g;
  g.ExtrudeOn = true;
  g.Depth = 4;
  for (const Case& c : cases) {
    g.Orientation = c.O;
    TPoint text;
    const std::vector<TPoint> steps = fcExtrusionSteps(g, text);
    ASSERT_EQ(steps.size(), 4u) << c.O;
    EXPECT_EQ(steps.front(), c.First) << c.O;
    EXPECT_EQ(steps.back(), c.Last) << c.O;
    EXPECT_EQ(text, c.Last) << c.O;
    for (size_t i = 1; i < steps.size(); ++i) {
      EXPECT_LE(std::abs(steps[i].X - steps[i - 1].X), 1) << c.O;
      EXPECT_LE(std::abs(steps[i].Y - steps[i - 1].Y), 1) << c.O;
    }
  }
}

TEST(fcExtrusion, ColoursRunFromFarToNear) {
  const uint32_t nearC = 0x0000C8, farC = 0x000000;  // red 200 near, black far
  EXPECT_EQ(fcExtrusionColor(nearC, farC, 10, 1, false), 0x000014u);
  EXPECT_EQ(fcExtrusionColor(nearC, farC, 10, 10, false), 0x0000C8u);
  // Each of the three bytes runs on its own.
  EXPECT_EQ(fcExtrusionColor(0xC864C8, 0, 10, 5, false), 0x643264u);
  // Striated: odd steps climb, even steps drop to a quarter.
  EXPECT_EQ(fcExtrusionColor(nearC, farC, 10, 3, true), 60u);
  EXPECT_EQ(fcExtrusionColor(nearC, farC, 10, 4, true), 20u);
  // and wrap within a byte
  EXPECT_EQ(fcExtrusionColor(0x0000FF, 0, 1, 1, true), 0xFFu);
  EXPECT_EQ(fcExtrusionColor(0x0000FF, 0, 2, 3, true), (127u * 3) % 256);
}
