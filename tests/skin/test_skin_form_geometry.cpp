// Frame geometry of the skinned form: client margins, placement of picture
// rectangles, smallest size and the hit test, on a 220 x 120 frame picture.
#include <gtest/gtest.h>

#include <array>

#include "skin/SkinFormGeometry.h"

namespace {

// The frame of skins/Test/frame.ini: client 5,28,215,115, border 5,
// hit-test points 12 pixels in from each corner.
TspFrameMetrics TestMetrics(int RollUpPicH = 0) {
  TspSkinSections s;
  s.LTPoint = TPoint(46, 32);
  s.RTPoint = TPoint(112, 32);
  s.LBPoint = TPoint(40, 110);
  s.RBPoint = TPoint(180, 110);
  s.ClRect = TRect(5, 28, 215, 115);
  s.BorderW = 5;
  s.HitTestLTPoint = TPoint(12, 12);
  s.HitTestRTPoint = TPoint(208, 12);
  s.HitTestLBPoint = TPoint(12, 108);
  s.HitTestRBPoint = TPoint(208, 108);
  s.FormMinWidth = 240;
  return MakeFrameMetrics(s, 220, 120, RollUpPicH);
}

TEST(FrameGeometry, ClientKeepsTheFrameMarginsAtEverySize) {
  const TspFrameMetrics m = TestMetrics();
  EXPECT_EQ(FrameMargins(m), TRect(5, 28, 5, 5));
  EXPECT_EQ(FrameClientRect(m, 300, 200, false), TRect(5, 28, 295, 195));
  EXPECT_EQ(FrameClientRect(m, 640, 480, false), TRect(5, 28, 635, 475));
  // Rolled up the client has no height; a window smaller than its frame
  // gets an empty client, never a negative one.
  EXPECT_EQ(FrameClientRect(m, 300, 40, true), TRect(5, 28, 295, 28));
  EXPECT_EQ(FrameClientRect(m, 8, 20, false), TRect(5, 28, 5, 28));
}

TEST(FrameGeometry, TheFourBandsTileTheWindowAroundTheClient) {
  const TspFrameMetrics m = TestMetrics();
  for (const TSize size : {TSize(300, 200), TSize(220, 120), TSize(8, 20)}) {
    const TRect client = FrameClientRect(m, size.cx, size.cy, false);
    const std::array<TRect, 4> bands = FrameBands(size.cx, size.cy, client);
    // Every pixel of the window lies in exactly one band or in the client.
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        int owners = client.Contains(TPoint(x, y)) ? 1 : 0;
        for (const TRect& b : bands) owners += b.Contains(TPoint(x, y)) ? 1 : 0;
        ASSERT_EQ(owners, 1) << size.cx << "x" << size.cy << " at " << x << "," << y;
      }
  }
  const std::array<TRect, 4> bands = FrameBands(300, 200, TRect(5, 28, 295, 195));
  EXPECT_EQ(bands[0], TRect(0, 0, 300, 28));
  EXPECT_EQ(bands[1], TRect(0, 195, 300, 200));
  EXPECT_EQ(bands[2], TRect(0, 28, 5, 195));
  EXPECT_EQ(bands[3], TRect(295, 28, 300, 195));
}

TEST(FrameGeometry, PointsOnTheRightAndBottomMoveWithTheSize) {
  const TspSkinGeometry n = FrameGeometryAt(TestMetrics(), 320, 220);
  EXPECT_EQ(n.LT, TPoint(46, 32));
  EXPECT_EQ(n.RT, TPoint(212, 32));
  EXPECT_EQ(n.LB, TPoint(40, 210));
  EXPECT_EQ(n.RB, TPoint(280, 210));
  EXPECT_EQ(n.CL, TRect(5, 28, 315, 215));
}

TEST(FrameGeometry, RectanglesFollowTheHalfOfThePictureTheirEdgesLieIn) {
  // A close button in the right half keeps its distance to the right side,
  // the icon in the left half stays, a caption across both halves stretches
  // and a grip in the bottom right follows both edges.
  EXPECT_EQ(PlaceFrameRect(TRect(196, 5, 214, 23), 220, 120, 400, 300), TRect(376, 5, 394, 23));
  EXPECT_EQ(PlaceFrameRect(TRect(6, 6, 22, 22), 220, 120, 400, 300), TRect(6, 6, 22, 22));
  EXPECT_EQ(PlaceFrameRect(TRect(48, 4, 150, 26), 220, 120, 400, 300), TRect(48, 4, 330, 26));
  EXPECT_EQ(PlaceFrameRect(TRect(200, 100, 215, 115), 220, 120, 400, 300), TRect(380, 280, 395, 295));
  // Smaller than the picture: the right-half button moves left.
  EXPECT_EQ(PlaceFrameRect(TRect(196, 5, 214, 23), 220, 120, 200, 100), TRect(176, 5, 194, 23));
  // An edge exactly on the middle belongs to the left half.
  EXPECT_EQ(PlaceFrameRect(TRect(100, 4, 110, 20), 220, 120, 400, 300), TRect(100, 4, 110, 20));
}

TEST(FrameGeometry, TheFramesFixedPartsOutweighTheHalves) {
  const TspFrameMetrics m = TestMetrics();  // fixed parts: x up to 46 and from 112, y up to 32 and from 110
  // A caption ending where the fixed right part begins stretches, though it
  // lies in the left half.
  EXPECT_EQ(PlaceFrameRect(TRect(50, 4, 112, 26), 220, 120, 400, 300, &m.Geometry), TRect(50, 4, 292, 26));
  // An icon in the fixed left part stays even past the middle of a narrow picture.
  EXPECT_EQ(PlaceFrameRect(TRect(30, 4, 46, 20), 80, 120, 400, 300, &m.Geometry), TRect(30, 4, 46, 20));
  // A far part that begins left of the picture's middle: rectangles from its
  // start on follow the far side (right and bottom) all the same.
  TspSkinGeometry early = m.Geometry;
  early.LT = TPoint(30, 20);
  early.RT = TPoint(80, 20);
  early.LB = TPoint(30, 50);
  EXPECT_EQ(PlaceFrameRect(TRect(80, 4, 100, 20), 220, 120, 400, 300, &early), TRect(260, 4, 280, 20));
  EXPECT_EQ(PlaceFrameRect(TRect(4, 50, 20, 58), 220, 120, 400, 300, &early), TRect(4, 230, 20, 238));
  early.LT = TPoint(0, 0);
  early.RT = TPoint(1, 0);  // the far part begins at the first column
  EXPECT_EQ(PlaceFrameRect(TRect(1, 4, 10, 20), 220, 120, 400, 300, &early), TRect(181, 4, 190, 20));
  // In the stretched middle the halves decide.
  EXPECT_EQ(PlaceFrameRect(TRect(60, 40, 100, 100), 220, 120, 400, 300, &m.Geometry), TRect(60, 40, 100, 280));
}

TEST(FrameGeometry, SmallestSizeHoldsTheCornersAndTheSkinMinimum) {
  TspFrameMetrics m = TestMetrics();
  EXPECT_EQ(FrameMinSize(m), TSize(240, 33));  // corners need 46 + 108 = 154 < 240
  m.FormMinWidth = 0;
  EXPECT_EQ(FrameMinSize(m), TSize(154, 33));
  // Rolled up without a roll-up picture, the caption band and the bottom band remain.
  EXPECT_EQ(m.RollUpH, 33);
  EXPECT_EQ(TestMetrics(32).RollUpH, 32);
}

TEST(FrameGeometry, HitTestFindsCaptionBordersCornersAndClient) {
  const TspFrameMetrics m = TestMetrics();
  const int w = 300, h = 200;
  struct Case {
    TPoint P;
    TspFrameHit Hit;
  } cases[] = {
      {{150, 15}, fhCaption},   {{150, 100}, fhClient},   {{150, 2}, fhTop},
      {{150, 197}, fhBottom},   {{2, 100}, fhLeft},       {{297, 100}, fhRight},
      {{2, 2}, fhTopLeft},      {{11, 2}, fhTopLeft},     {{2, 11}, fhTopLeft},
      {{12, 2}, fhTop},         {{2, 12}, fhLeft},        {{297, 2}, fhTopRight},
      {{288, 2}, fhTopRight},   {{287, 2}, fhTop},        {{297, 11}, fhTopRight},
      {{2, 197}, fhBottomLeft}, {{2, 188}, fhBottomLeft}, {{2, 187}, fhLeft},
      {{297, 197}, fhBottomRight}, {{288, 197}, fhBottomRight}, {{297, 188}, fhBottomRight},
      // The bottom corners' zones follow the height; the bottom band starts
      // on the first row below the client.
      {{297, 187}, fhRight},    {{297, 150}, fhRight},    {{2, 150}, fhLeft},
      {{150, 195}, fhBottom},   {{150, 194}, fhClient},   {{150, 0}, fhTop},        {{0, 100}, fhLeft},
      {{-1, 50}, fhNowhere},    {{300, 50}, fhNowhere},   {{150, 200}, fhNowhere},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FrameHitTest(m, w, h, c.P, true), c.Hit) << c.P.X << "," << c.P.Y;
}

TEST(FrameGeometry, WithoutSizingTheEdgesAreCaptionOrBorder) {
  const TspFrameMetrics m = TestMetrics();
  EXPECT_EQ(FrameHitTest(m, 300, 200, TPoint(2, 2), false), fhCaption);
  EXPECT_EQ(FrameHitTest(m, 300, 200, TPoint(150, 2), false), fhCaption);
  EXPECT_EQ(FrameHitTest(m, 300, 200, TPoint(2, 100), false), fhBorder);
  EXPECT_EQ(FrameHitTest(m, 300, 200, TPoint(297, 197), false), fhBorder);
  // The caption ends where the client begins.
  EXPECT_EQ(FrameHitTest(m, 300, 200, TPoint(2, 27), false), fhCaption);
  EXPECT_EQ(FrameHitTest(m, 300, 200, TPoint(2, 28), false), fhBorder);
  // A skin without a border width cannot be sized either.
  TspFrameMetrics none = m;
  none.BorderW = 0;
  EXPECT_EQ(FrameHitTest(none, 300, 200, TPoint(2, 100), true), fhBorder);
}

}  // namespace
