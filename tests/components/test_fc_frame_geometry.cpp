// The edit frame's edge, text offsets, edit rectangle and height rule.
#include <gtest/gtest.h>

#include "components/fcFrameGeometry.h"

TEST(fcFrameGeometry, DefaultFrameDrawsBottomUnfocusedAndAllSidesFocused) {
  TfcFrameSettings f;
  const TRect client(0, 0, 100, 20);
  TfcFrameEdge e = fcFrameEdge(f, client, false);
  EXPECT_EQ(e.Edge, 10u);
  EXPECT_EQ(e.Flags, 8u | 0x8000u);  // bottom, monochrome
  EXPECT_EQ(e.Rect, client);
  e = fcFrameEdge(f, client, true);
  EXPECT_EQ(e.Flags, 15u | 0x8000u);
  f.Transparent = true;  // without a right side: two pixels narrower
  EXPECT_EQ(fcFrameEdge(f, client, false).Rect.Right, 98);
  EXPECT_EQ(fcFrameEdge(f, client, true).Rect.Right, 100);
  const uint32_t edges[] = {10, 10, 5, 6, 9, 2};
  for (int s = efsFrameBox; s <= efsFrameSingle; ++s) {
    f.FocusStyle = TfcEditFocusStyle(s);
    e = fcFrameEdge(f, client, true);
    EXPECT_EQ(e.Edge, edges[s]);
    EXPECT_EQ((e.Flags & 0x8000u) != 0, fcIsSingleLineStyle(f.FocusStyle));
  }
}

TEST(fcFrameGeometry, TextOffsetsFollowTheDrawnSidesInBothStates) {
  TfcFrameSettings f;
  int x, y;
  fcFrameTextOffsets(f, false, x, y);  // bottom only
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  fcFrameTextOffsets(f, true, x, y);  // single-line left side
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 2);
  f.FocusStyle = efsFrameSunken;
  f.NonFocusTextOffsetX = 4;
  f.NonFocusTextOffsetY = -1;
  fcFrameTextOffsets(f, true, x, y);  // two-pixel sides, offsets added while focused too
  EXPECT_EQ(x, 3 + 4);
  EXPECT_EQ(y, 3 - 1);
}

TEST(fcFrameGeometry, EditRectangleInsideTheFocusedFrame) {
  TfcFrameSettings f;
  TRect r(0, 0, 80, 21);
  fcFrameAdjustEditRect(f, r);
  EXPECT_EQ(r, TRect(2, 2, 79, 21));
  f.FocusBorders = TfcEditFrameEnabledSet{efTopBorder, efBottomBorder};
  r = TRect(0, 0, 80, 21);
  fcFrameAdjustEditRect(f, r);
  EXPECT_EQ(r.Right, 80);  // no right side: nothing taken
  f.FocusStyle = efsFrameRaised;
  r = TRect(0, 0, 80, 21);
  fcFrameAdjustEditRect(f, r);
  EXPECT_EQ(r, TRect(1, 3, 78, 21));
  f.FocusBorders.Include(efLeftBorder);
  r = TRect(0, 0, 80, 21);
  fcFrameAdjustEditRect(f, r);
  EXPECT_EQ(r.Left, 2);
  f.FocusStyle = efsFrameBump;
  fcFrameAdjustEditRect(f, r);
  EXPECT_EQ(r.Left, 3);
}

TEST(fcFrameGeometry, HeightRule) {
  // New-style controls and no border: font height + 6, plus the frame's adjustment.
  EXPECT_EQ(fcFrameAutoHeight(13, 13, true, true, true, true, 0, 1), 19);
  EXPECT_EQ(fcFrameAutoHeight(13, 13, true, true, true, true, 3, 1), 22);
  EXPECT_EQ(fcFrameAutoHeight(13, 13, true, true, true, false, 3, 1), 19);  // adjustment only with the frame on
  EXPECT_EQ(fcFrameAutoHeight(13, 13, true, true, false, false, 0, 1), 21);
  EXPECT_EQ(fcFrameAutoHeight(13, 13, true, false, false, false, 0, 1), 19);
  EXPECT_EQ(fcFrameAutoHeight(16, 12, false, true, false, false, 0, 1), 16 + 4 + 3);
}
