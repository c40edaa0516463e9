// Rules of the frame objects (values, frame strips, gauges, tracks,
// regulators, animations, bit label cells) and the frame's buttons area and
// size grip.
#include <gtest/gtest.h>

#include "skin/SkinFormGeometry.h"
#include "skin/SkinFormObjectRules.h"

TEST(FrameObjectRules, ValuesStayInTheRecordsRange) {
  EXPECT_EQ(ClampObjectValue(5, 0, 10), 5);
  EXPECT_EQ(ClampObjectValue(-3, 0, 10), 0);
  EXPECT_EQ(ClampObjectValue(11, 0, 10), 10);
  // A record whose maximum is not above its minimum (both default to 0) has one value.
  EXPECT_EQ(ClampObjectValue(7, 0, 0), 0);
  EXPECT_EQ(ClampObjectValue(7, 5, 2), 5);
}

TEST(FrameObjectRules, FrameStripsShowTheNearestFrame) {
  EXPECT_EQ(FrameIndexForValue(0, 0, 100, 5), 0);
  EXPECT_EQ(FrameIndexForValue(100, 0, 100, 5), 4);
  EXPECT_EQ(FrameIndexForValue(37, 0, 100, 5), 1);   // 1.48
  EXPECT_EQ(FrameIndexForValue(38, 0, 100, 5), 2);   // 1.52
  EXPECT_EQ(FrameIndexForValue(500, 0, 100, 5), 4);  // beyond the range: the last frame
  EXPECT_EQ(FrameIndexForValue(50, 0, 100, 1), 0);
  EXPECT_EQ(FrameIndexForValue(50, 0, 100, 0), 0);
  EXPECT_EQ(FrameIndexForValue(100, 0, 100, 0), 0);
  EXPECT_EQ(FrameStripRect(TRect(10, 20, 30, 28), 3, false), TRect(70, 20, 90, 28));
  EXPECT_EQ(FrameStripRect(TRect(10, 20, 30, 28), 3, true), TRect(10, 44, 30, 52));
}

TEST(FrameObjectRules, AnObjectWithEqualEndsShowsItsFirstState) {
  EXPECT_EQ(FrameIndexForValue(7, 5, 5, 4), 0);
  EXPECT_EQ(FrameIndexForValue(5, 5, 5, 4), 0);
  EXPECT_EQ(GaugeFillRect(TSize(80, 10), 5, 5, 5, false), TRect(0, 0, 0, 10));
  EXPECT_EQ(GaugeFillRect(TSize(10, 80), 5, 5, 5, true), TRect(0, 80, 10, 80));
  EXPECT_EQ(TrackPointForValue(TPoint(4, 6), TPoint(104, 6), 5, 5, 5), TPoint(4, 6));
  // A range that does not start at 0 counts from its minimum.
  EXPECT_EQ(FrameIndexForValue(15, 10, 20, 5), 2);
  EXPECT_EQ(GaugeFillRect(TSize(80, 10), 15, 10, 20, false), TRect(0, 0, 40, 10));
}

TEST(FrameObjectRules, GaugesFillFromTheLeftOrFromTheBottom) {
  EXPECT_EQ(GaugeFillRect(TSize(80, 10), 25, 0, 100, false), TRect(0, 0, 20, 10));
  EXPECT_EQ(GaugeFillRect(TSize(10, 80), 25, 0, 100, true), TRect(0, 60, 10, 80));
  EXPECT_EQ(GaugeFillRect(TSize(80, 10), -5, 0, 100, false), TRect(0, 0, 0, 10));
  EXPECT_EQ(GaugeFillRect(TSize(80, 10), 900, 0, 100, false), TRect(0, 0, 80, 10));
}

TEST(FrameObjectRules, TrackPointsAndValuesMatchBothWays) {
  const TPoint begin(4, 6), end(104, 6);
  EXPECT_EQ(TrackPointForValue(begin, end, 0, 0, 10), begin);
  EXPECT_EQ(TrackPointForValue(begin, end, 10, 0, 10), end);
  EXPECT_EQ(TrackPointForValue(begin, end, 3, 0, 10), TPoint(34, 6));
  EXPECT_EQ(TrackValueAtPoint(begin, end, TPoint(34, 6), 0, 10), 3);
  // Off the track the nearest point counts; beyond its ends the end values.
  EXPECT_EQ(TrackValueAtPoint(begin, end, TPoint(56, 40), 0, 10), 5);
  EXPECT_EQ(TrackValueAtPoint(begin, end, TPoint(-50, 6), 0, 10), 0);
  EXPECT_EQ(TrackValueAtPoint(begin, end, TPoint(500, 6), 0, 10), 10);
  // A vertical track, and a track of no length.
  EXPECT_EQ(TrackValueAtPoint(TPoint(5, 100), TPoint(5, 0), TPoint(5, 25), 0, 100), 75);
  EXPECT_EQ(TrackValueAtPoint(TPoint(5, 5), TPoint(5, 5), TPoint(50, 50), 2, 9), 2);
  // A maximum below the minimum: the minimum, wherever the point is.
  EXPECT_EQ(TrackValueAtPoint(begin, end, TPoint(94, 6), 9, 2), 9);
}

TEST(FrameObjectRules, RegulatorsTurnByTheirKind) {
  const TSize size(40, 40);
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkHorizontal, size, TPoint(10, 10), TPoint(20, 30), 0, 100), 25.0);
  // Upwards counts positive.
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkVertical, size, TPoint(10, 30), TPoint(10, 20), 0, 100), 25.0);
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkVertical, size, TPoint(10, 20), TPoint(10, 30), 0, 100), -25.0);
  // A quarter turn clockwise, from the top to the right, is a quarter of the range.
  EXPECT_NEAR(RegulatorTurn(rkRound, size, TPoint(20, 0), TPoint(40, 20), 0, 100), 25.0, 1e-9);
  EXPECT_NEAR(RegulatorTurn(rkRound, size, TPoint(40, 20), TPoint(20, 0), 0, 100), -25.0, 1e-9);
  // Across the left (angle +-180) the short way round counts.
  EXPECT_NEAR(RegulatorTurn(rkRound, size, TPoint(0, 19), TPoint(0, 21), 0, 100), -RegulatorTurn(rkRound, size, TPoint(0, 21), TPoint(0, 19), 0, 100), 1e-9);
  EXPECT_LT(std::abs(RegulatorTurn(rkRound, size, TPoint(0, 21), TPoint(0, 19), 0, 100)), 5.0);
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkRound, size, TPoint(20, 20), TPoint(40, 20), 0, 100), 0.0);
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkHorizontal, size, TPoint(0, 0), TPoint(40, 0), 5, 5), 0.0);
  // An object without width or height does not turn.
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkHorizontal, TSize(0, 40), TPoint(0, 0), TPoint(40, 0), 0, 100), 0.0);
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkVertical, TSize(40, 0), TPoint(0, 40), TPoint(0, 0), 0, 100), 0.0);
  // Min 10, Max 20: half the width turns by half the range, and a quarter
  // turn by a quarter of it.
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkHorizontal, size, TPoint(0, 0), TPoint(20, 0), 10, 20), 5.0);
  EXPECT_DOUBLE_EQ(RegulatorTurn(rkVertical, size, TPoint(0, 40), TPoint(0, 20), 10, 20), 5.0);
  EXPECT_NEAR(RegulatorTurn(rkRound, size, TPoint(20, 0), TPoint(40, 20), 10, 20), 2.5, 1e-9);
}

TEST(FrameObjectRules, AnimationsRunForwardBackOrRound) {
  EXPECT_EQ(NextAnimationFrame(0, 4, true, false).Frame, 1);
  EXPECT_TRUE(NextAnimationFrame(1, 4, true, false).Running);
  const TspAnimationStep last = NextAnimationFrame(2, 4, true, false);
  EXPECT_EQ(last.Frame, 3);
  EXPECT_FALSE(last.Running);
  EXPECT_EQ(NextAnimationFrame(3, 4, true, false).Frame, 3);
  const TspAnimationStep wrapped = NextAnimationFrame(3, 4, true, true);
  EXPECT_EQ(wrapped.Frame, 0);
  EXPECT_TRUE(wrapped.Running);
  EXPECT_EQ(NextAnimationFrame(3, 4, false, false).Frame, 2);
  const TspAnimationStep home = NextAnimationFrame(1, 4, false, false);
  EXPECT_EQ(home.Frame, 0);
  EXPECT_FALSE(home.Running);
  EXPECT_FALSE(NextAnimationFrame(0, 1, true, true).Running);
  EXPECT_EQ(NextAnimationFrame(0, 1, true, true).Frame, 0);
  // Two frames are an animation.
  EXPECT_EQ(NextAnimationFrame(0, 2, true, false).Frame, 1);
  EXPECT_TRUE(NextAnimationFrame(0, 2, true, true).Running);
}

TEST(FrameObjectRules, BitLabelCellsComeFromTheSymbolRows) {
  const std::vector<String> symbols = {L"0123456789", L":-. "};
  int column = -1, row = -1;
  ASSERT_TRUE(BitLabelCell(symbols, L'7', column, row));
  EXPECT_EQ(column, 7);
  EXPECT_EQ(row, 0);
  ASSERT_TRUE(BitLabelCell(symbols, L'.', column, row));
  EXPECT_EQ(column, 2);
  EXPECT_EQ(row, 1);
  EXPECT_FALSE(BitLabelCell(symbols, L'x', column, row));
}

namespace {

TspFrameMetrics ObjectsMetrics(bool ButtonsInLeft) {
  TspSkinSections s;
  s.LTPoint = TPoint(40, 30);
  s.RTPoint = TPoint(160, 30);
  s.LBPoint = TPoint(40, 170);
  s.RBPoint = TPoint(160, 170);
  s.ClRect = TRect(4, 30, 196, 176);
  s.BorderW = 4;
  s.SizeGripArea = TRect(182, 162, 196, 176);
  // The buttons area reaches into the stretched middle of the caption.
  s.ButtonsRect = TRect(90, 4, 150, 26);
  s.ButtonsInLeft = ButtonsInLeft;
  return MakeFrameMetrics(s, 200, 180, 0);
}

}  // namespace

TEST(FrameObjectRules, CaptionButtonsMoveTogetherWithTheButtonsArea) {
  const TspFrameMetrics right = ObjectsMetrics(false);
  // Both buttons follow the right side, though the first lies in the left half.
  EXPECT_EQ(PlaceCaptionButton(right, TRect(92, 6, 110, 24), 300, 180), TRect(192, 6, 210, 24));
  EXPECT_EQ(PlaceCaptionButton(right, TRect(130, 6, 148, 24), 300, 180), TRect(230, 6, 248, 24));
  // On the left they stay where the picture has them.
  const TspFrameMetrics left = ObjectsMetrics(true);
  EXPECT_EQ(PlaceCaptionButton(left, TRect(130, 6, 148, 24), 300, 180), TRect(130, 6, 148, 24));
  // Outside the area the frame's own placement holds.
  EXPECT_EQ(PlaceCaptionButton(right, TRect(170, 6, 188, 24), 300, 180), TRect(270, 6, 288, 24));
  // A button filling the area to its edges belongs to it.
  EXPECT_EQ(PlaceCaptionButton(right, TRect(90, 4, 150, 26), 300, 180), TRect(190, 4, 250, 26));
  // An icon left of the area, above it or below it stays as the window widens.
  for (const TRect& icon : {TRect(6, 6, 22, 22), TRect(70, 6, 88, 24), TRect(92, 0, 98, 3), TRect(92, 27, 98, 30)})
    EXPECT_EQ(PlaceCaptionButton(right, icon, 300, 180), icon) << icon.Left << "," << icon.Top;
}

TEST(FrameObjectRules, TheSizeGripAreaSizesFromTheCorner) {
  const TspFrameMetrics m = ObjectsMetrics(false);
  // The grip follows the bottom-right corner into the client.
  EXPECT_EQ(FrameHitTest(m, 300, 250, TPoint(290, 240), true), fhBottomRight);
  EXPECT_EQ(FrameHitTest(m, 300, 250, TPoint(270, 240), true), fhClient);
  // A form that does not size has no grip.
  EXPECT_EQ(FrameHitTest(m, 300, 250, TPoint(290, 240), false), fhClient);
}
