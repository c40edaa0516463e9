// Scroll-bar and track-bar arithmetic: clamping, default and skin layouts,
// drags and clicks, and the ranges that would divide by zero.
#include <gtest/gtest.h>

#include "skinctrls/BarGeometry.h"

namespace {

TspScrollBarRange Range(int Min, int Max, int PageSize, int Position) {
  TspScrollBarRange r;
  r.Min = Min;
  r.Max = Max;
  r.PageSize = PageSize;
  r.Position = Position;
  return r;
}

TEST(ScrollBarRange, PositionStaysWithinTheLastPage) {
  EXPECT_EQ(ClampScrollPosition(95, 0, 100, 10), 91);
  EXPECT_EQ(ClampScrollPosition(200, 0, 100, 10), 91);
  EXPECT_EQ(ClampScrollPosition(200, 0, 100, 0), 100);
  EXPECT_EQ(ClampScrollPosition(-3, 0, 100, 0), 0);
  // A range that does not start at 0 keeps its last page reachable.
  EXPECT_EQ(ClampScrollPosition(200, 10, 110, 11), 100);
  EXPECT_EQ(ClampScrollPosition(0, 10, 110, 11), 10);
  // An empty range gives Min.
  EXPECT_EQ(ClampScrollPosition(7, 5, 2, 4), 5);
}

TEST(ScrollBarRange, RatioOfEmptyOrFullRanges) {
  EXPECT_DOUBLE_EQ(ScrollRatio(50, 0, 100, 0, true), 0.5);
  EXPECT_DOUBLE_EQ(ScrollRatio(3, 3, 3, 0, true), 0);
  // A page as large as the range: horizontal bars stand at the end, vertical at the start.
  EXPECT_DOUBLE_EQ(ScrollRatio(0, 0, 9, 10, true), 1);
  EXPECT_DOUBLE_EQ(ScrollRatio(0, 0, 9, 10, false), 0);
}

TEST(ScrollBarLayout, DefaultLookHasSixteenPixelArrows) {
  TspScrollBarLayout h = LayoutScrollBar(true, 200, 19, Range(0, 100, 0, 0), nullptr, 0);
  EXPECT_EQ(h.Parts[2], TRect(1, 1, 17, 18));
  EXPECT_EQ(h.Parts[1], TRect(183, 1, 199, 18));
  EXPECT_EQ(h.Track, TRect(17, 1, 183, 18));
  EXPECT_EQ(h.Parts[0], TRect(17, 1, 33, 18));  // 16 long without a page, at the start
  // A press finds each arrow and the thumb; the bare track is none of them.
  EXPECT_EQ(ScrollBarPartAt(h, TPoint(5, 9)), 2);
  EXPECT_EQ(ScrollBarPartAt(h, TPoint(190, 9)), 1);
  EXPECT_EQ(ScrollBarPartAt(h, TPoint(20, 9)), 0);
  EXPECT_EQ(ScrollBarPartAt(h, TPoint(100, 9)), -1);

  TspScrollBarLayout end = LayoutScrollBar(true, 200, 19, Range(0, 100, 0, 100), nullptr, 0);
  EXPECT_EQ(end.Parts[0], TRect(167, 1, 183, 18));

  TspScrollBarLayout v = LayoutScrollBar(false, 19, 150, Range(0, 100, 0, 0), nullptr, 0);
  EXPECT_EQ(v.Parts[2], TRect(1, 1, 18, 17));
  EXPECT_EQ(v.Parts[1], TRect(1, 133, 18, 149));
  EXPECT_EQ(v.Track, TRect(1, 17, 18, 133));
}

TEST(ScrollBarLayout, BothMarkerKeepsTheCornerFree) {
  TspScrollBarLayout l = LayoutScrollBar(true, 200, 19, Range(0, 100, 0, 0), nullptr, 19);
  EXPECT_EQ(l.Parts[1].Right, 200 - 19 - 1);
  EXPECT_EQ(l.Track.Right, 200 - 19 - 17);
}

TEST(ScrollBarLayout, ThumbFollowsThePage) {
  // Track 166 long; a page of 10 in 101 values is 16 pixels, the minimum.
  TspScrollBarLayout small = LayoutScrollBar(true, 200, 19, Range(0, 100, 10, 0), nullptr, 0);
  EXPECT_EQ(small.Parts[0].Width(), 16);
  // A tiny page still gets a thumb of 16.
  EXPECT_EQ(LayoutScrollBar(true, 200, 19, Range(0, 1000, 10, 0), nullptr, 0).Parts[0].Width(), 16);
  TspScrollBarLayout half = LayoutScrollBar(true, 200, 19, Range(0, 99, 50, 0), nullptr, 0);
  EXPECT_EQ(half.Parts[0].Width(), 82);  // 83 rounded down to an even length
  // A page larger than the range fills the track rather than overrunning the arrows.
  TspScrollBarLayout big = LayoutScrollBar(true, 200, 19, Range(0, 9, 50, 0), nullptr, 0);
  EXPECT_GE(big.Parts[0].Left, big.Track.Left);
  EXPECT_LE(big.Parts[0].Right, big.Track.Right);
  // At the last page the thumb reaches the end of the track, halfway it is
  // in the middle; the same with a range that does not start at 0.
  EXPECT_DOUBLE_EQ(ScrollRatio(91, 0, 100, 10, true), 1);
  EXPECT_DOUBLE_EQ(ScrollRatio(15, 10, 29, 10, false), 0.5);
  const TspScrollBarLayout last = LayoutScrollBar(true, 200, 19, Range(0, 100, 10, 91), nullptr, 0);
  EXPECT_EQ(last.Parts[0], TRect(167, 1, 183, 18));
  const TspScrollBarLayout middle = LayoutScrollBar(false, 19, 150, Range(10, 29, 10, 15), nullptr, 0);
  EXPECT_EQ(middle.Track, TRect(1, 17, 18, 133));
  EXPECT_EQ(middle.Parts[0].Top - middle.Track.Top, middle.Track.Bottom - middle.Parts[0].Bottom);
}

TEST(ScrollBarLayout, EmptyRangeFillsTheTrack) {
  TspScrollBarLayout l = LayoutScrollBar(true, 200, 19, Range(10, 5, 3, 10), nullptr, 0);
  EXPECT_EQ(l.Parts[0].Left, l.Track.Left);
  EXPECT_EQ(l.Parts[0].Right, l.Track.Right);
  TspScrollBarLayout v = LayoutScrollBar(false, 19, 100, Range(0, -1, 1, 0), nullptr, 0);
  EXPECT_EQ(v.Parts[0].Top, v.Track.Top);
  EXPECT_EQ(v.Parts[0].Bottom, v.Track.Bottom);
}

TEST(ScrollBarLayout, SkinButtonsAtTheFarEndFollowTheEdge) {
  TspScrollBarSkinGeometry skin;
  skin.SkinRect = TRect(0, 0, 100, 16);
  skin.TrackArea = TRect(16, 0, 84, 16);
  skin.DownButtonRect = TRect(0, 0, 16, 16);
  skin.UpButtonRect = TRect(84, 0, 100, 16);
  skin.RTPoint = TPoint(80, 0);
  skin.ThumbRect = TRect(0, 40, 20, 50);  // 20 long, 10 thick
  TspScrollBarLayout l = LayoutScrollBar(true, 150, 16, Range(0, 100, 0, 0), &skin, 0);
  EXPECT_EQ(l.Track, TRect(16, 0, 134, 16));
  EXPECT_EQ(l.Parts[2], TRect(0, 0, 16, 16));
  EXPECT_EQ(l.Parts[1], TRect(134, 0, 150, 16));
  // Thumb as long as its picture, as thick, centred across the track.
  EXPECT_EQ(l.Parts[0], TRect(16, 3, 36, 13));
  // A button starting right at the corner point belongs to the far piece.
  skin.RTPoint = TPoint(84, 0);
  EXPECT_EQ(LayoutScrollBar(true, 150, 16, Range(0, 100, 0, 0), &skin, 0).Parts[1], TRect(134, 0, 150, 16));
  skin.ThumbMinPageSize = 30;
  EXPECT_EQ(LayoutScrollBar(true, 150, 16, Range(0, 100, 0, 0), &skin, 0).Parts[0].Width(), 30);
  skin.ThumbMinSize = 40;
  EXPECT_EQ(LayoutScrollBar(true, 150, 16, Range(0, 100, 10, 0), &skin, 0).Parts[0].Width(), 40);
}

TEST(ScrollBarDrag, FractionOfTheTravelGivesThePosition) {
  EXPECT_EQ(ScrollPositionFromDrag(50, 25, 125, Range(0, 100, 0, 0)), 50);
  EXPECT_EQ(ScrollPositionFromDrag(-40, 25, 125, Range(0, 100, 0, 0)), 0);
  EXPECT_EQ(ScrollPositionFromDrag(400, 25, 125, Range(0, 100, 10, 0)), 91);
  EXPECT_EQ(ScrollPositionFromDrag(100, 25, 125, Range(10, 110, 11, 0)), 100);
  EXPECT_EQ(ScrollPositionFromDrag(30, 60, 60, Range(0, 100, 0, 0)), 0);  // no travel
  EXPECT_EQ(ScrollPositionFromDrag(150, 25, 125, Range(0, 100, 0, 0)), 100);  // half a travel past the end
}

TEST(TrackBar, ThumbLayoutBothWays) {
  const TRect track(2, 2, 98, 18);
  TspTrackThumb mid = LayoutTrackThumb(false, track, 8, 16, 50, 0, 100);
  EXPECT_EQ(mid.TravelStart, 6);
  EXPECT_EQ(mid.TravelEnd, 94);
  EXPECT_EQ(mid.Thumb, TRect(46, 2, 54, 18));
  // Equal ends put the thumb at the start: left, or bottom when vertical.
  EXPECT_EQ(LayoutTrackThumb(false, track, 8, 16, 7, 7, 7).Thumb.Left, 2);
  const TRect vtrack(2, 2, 18, 98);
  EXPECT_EQ(LayoutTrackThumb(true, vtrack, 16, 8, 7, 7, 7).Thumb.Bottom, 98);
  EXPECT_EQ(LayoutTrackThumb(true, vtrack, 16, 8, 100, 0, 100).Thumb.Top, 2);
  // Centred across the track both ways.
  EXPECT_EQ(LayoutTrackThumb(true, TRect(2, 2, 32, 98), 16, 8, 50, 0, 100).Thumb.Left, 9);
  EXPECT_EQ(LayoutTrackThumb(false, TRect(2, 2, 98, 32), 8, 16, 50, 0, 100).Thumb.Top, 9);
}

TEST(TrackBar, DefaultThumbIsHalfAsLongAsThick) {
  int w = 0, h = 0;
  DefaultTrackThumbSize(false, 100, 20, w, h);
  EXPECT_EQ(w, 8);
  EXPECT_EQ(h, 16);
  DefaultTrackThumbSize(true, 21, 100, w, h);
  EXPECT_EQ(w, 17);
  EXPECT_EQ(h, 8);
}

TEST(TrackBar, ClickJumpsTheThumbCentreToThePoint) {
  const TRect track(2, 2, 98, 18);
  const TspTrackThumb t = LayoutTrackThumb(false, track, 8, 16, 0, 0, 100);
  const int p = TrackJumpOffset(false, 50, 10, track, 8, 16);
  EXPECT_EQ(TrackValueFromOffset(p, t.TravelStart, t.TravelEnd, 0, 100), 50);
  // A vertical skin track with a 10-pixel top and a 30-pixel bottom margin:
  // a click on the thumb centre leaves the value where it is.
  const TRect vtrack(0, 10, 20, 170);  // control 200 high
  const TspTrackThumb v = LayoutTrackThumb(true, vtrack, 20, 10, 25, 0, 100);
  const int cy = (v.Thumb.Top + v.Thumb.Bottom) / 2;
  const int vp = TrackJumpOffset(true, 10, cy, vtrack, 20, 10);
  EXPECT_EQ(TrackValueFromOffset(vp, v.TravelStart, v.TravelEnd, 0, 100), 25);
  EXPECT_EQ(TrackValueFromOffset(TrackJumpOffset(true, 10, 300, vtrack, 20, 10), v.TravelStart, v.TravelEnd, 0, 100), 0);
}

TEST(TrackBar, ValueClampsToTheEnds) {
  EXPECT_EQ(ClampTrackValue(150, 0, 100), 100);
  EXPECT_EQ(ClampTrackValue(-1, 0, 100), 0);
  EXPECT_EQ(TrackValueFromOffset(5, 10, 10, 3, 9), 3);
}

TEST(TrackBar, DraggingARangeThatDoesNotStartAtZero) {
  // Min 10, Max 20 over 100 pixels of travel.
  EXPECT_EQ(TrackValueFromOffset(0, 10, 110, 10, 20), 10);
  EXPECT_EQ(TrackValueFromOffset(50, 10, 110, 10, 20), 15);
  EXPECT_EQ(TrackValueFromOffset(100, 10, 110, 10, 20), 20);
  EXPECT_EQ(TrackValueFromOffset(300, 10, 110, 10, 20), 20);
  // The thumb laid out for a value gives that value back when dragged there.
  const TRect track(2, 2, 98, 18);
  for (int v = 10; v <= 20; ++v) {
    const TspTrackThumb t = LayoutTrackThumb(false, track, 8, 16, v, 10, 20);
    EXPECT_EQ(TrackValueFromOffset(t.Offset, t.TravelStart, t.TravelEnd, 10, 20), v);
  }
}

}  // namespace
