// Resize modes of a control's skin picture, the sizes they force and where a
// rectangle of the picture lands at another size.
#include <gtest/gtest.h>

#include "skinctrls/ControlGeometry.h"

namespace {

// A 40 x 30 picture with 5-pixel borders.
TspControlGeometry NinePiece() {
  TspControlGeometry g;
  g.SkinRect = TRect(10, 20, 50, 50);
  g.LTPoint = TPoint(5, 5);
  g.RTPoint = TPoint(35, 5);
  g.LBPoint = TPoint(5, 25);
  g.RBPoint = TPoint(35, 25);
  g.ClRect = TRect(5, 5, 35, 25);
  g.ResizeMode = g.GetResizeMode();
  return g;
}

TEST(ControlGeometry, ResizeModeFollowsTheSetCornerPoints) {
  const TRect skin(0, 0, 40, 30);
  EXPECT_EQ(TspControlGeometry::ResizeModeOf(TRect(0, 0, 0, 30), {1, 1}, {1, 1}, {1, 1}), -1);
  EXPECT_EQ(TspControlGeometry::ResizeModeOf(TRect(0, 0, 40, 0), {1, 1}, {1, 1}, {1, 1}), -1);
  EXPECT_EQ(TspControlGeometry::ResizeModeOf(skin, {35, 5}, {5, 25}, {35, 25}), 1);
  // One coordinate of the bottom-right point is not enough for both ways.
  EXPECT_EQ(TspControlGeometry::ResizeModeOf(skin, {35, 0}, {0, 0}, {35, 0}), 2);
  EXPECT_EQ(TspControlGeometry::ResizeModeOf(skin, {0, 0}, {0, 25}, {0, 25}), 3);
  EXPECT_EQ(TspControlGeometry::ResizeModeOf(skin, {0, 0}, {0, 0}, {35, 0}), 0);
  EXPECT_EQ(TspControlGeometry::ResizeModeOf(skin, {0, 0}, {0, 0}, {0, 0}), 0);
}

TEST(ControlGeometry, CopyGeometryTakesTheRecordAndItsMode) {
  TspDataSkinCustomControl record(L"panel");
  record.SkinRect = TRect(0, 0, 40, 30);
  record.RTPoint = TPoint(30, 0);
  record.StretchEffect = true;
  record.StretchType = spstVert;
  record.LeftStretch = true;
  TspControlGeometry g;
  g.CopyGeometry(record);
  EXPECT_EQ(g.ResizeMode, 2);
  EXPECT_EQ(g.RTPoint, TPoint(30, 0));
  EXPECT_TRUE(g.StretchEffect);
  EXPECT_TRUE(g.LeftStretch);
  EXPECT_EQ(g.StretchType, 2);
  // A record with all four points resizes both ways and keeps every flag.
  record.LTPoint = TPoint(5, 5);
  record.RTPoint = TPoint(35, 5);
  record.LBPoint = TPoint(5, 25);
  record.RBPoint = TPoint(35, 25);
  record.ClRect = TRect(5, 5, 35, 25);
  record.LeftStretch = false;
  record.TopStretch = true;
  record.RightStretch = true;
  record.BottomStretch = true;
  g.CopyGeometry(record);
  EXPECT_EQ(g.ResizeMode, 1);
  EXPECT_EQ(g.LTPoint, TPoint(5, 5));
  EXPECT_EQ(g.LBPoint, TPoint(5, 25));
  EXPECT_EQ(g.RBPoint, TPoint(35, 25));
  EXPECT_EQ(g.SkinRect, TRect(0, 0, 40, 30));
  EXPECT_EQ(g.ClRect, TRect(5, 5, 35, 25));
  EXPECT_FALSE(g.LeftStretch);
  EXPECT_TRUE(g.TopStretch);
  EXPECT_TRUE(g.RightStretch);
  EXPECT_TRUE(g.BottomStretch);
  // A record of a kind without pieces: its own rectangle at its own size,
  // nothing of the record before.
  TspDataSkinBevel bevel(L"bevel");
  bevel.SkinRect = TRect(2, 3, 12, 9);
  g.CopyGeometry(bevel);
  EXPECT_EQ(g.SkinRect, TRect(2, 3, 12, 9));
  EXPECT_EQ(g.ResizeMode, 0);
  EXPECT_EQ(g.RBPoint, TPoint(0, 0));
  EXPECT_EQ(g.ClRect, TRect());
  EXPECT_FALSE(g.TopStretch);
  int w = 100, h = 50;
  g.CalcSize(w, h, true);
  EXPECT_EQ(TSize(w, h), TSize(10, 6));
}

TEST(ControlGeometry, CalcSizeMovesTheGeometryAndForcesTheSkinsSides) {
  TspControlGeometry g = NinePiece();
  int w = 100, h = 50;
  g.CalcSize(w, h, true);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 50);
  EXPECT_EQ(g.NewLTPoint, TPoint(5, 5));
  EXPECT_EQ(g.NewRTPoint, TPoint(95, 5));
  EXPECT_EQ(g.NewLBPoint, TPoint(5, 45));
  EXPECT_EQ(g.NewRBPoint, TPoint(95, 45));
  EXPECT_EQ(g.NewClRect, TRect(5, 5, 95, 45));

  g.ResizeMode = 2;  // across only: the height is the skin's
  w = 100, h = 80;
  g.CalcSize(w, h, true);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 30);
  EXPECT_EQ(g.NewRTPoint, TPoint(95, 5));
  EXPECT_EQ(g.NewClRect, TRect(5, 5, 95, 25));

  g.ResizeMode = 3;  // down only: the width is the skin's
  w = 100, h = 80;
  g.CalcSize(w, h, true);
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 80);
  EXPECT_EQ(g.NewLBPoint, TPoint(5, 75));
  EXPECT_EQ(g.NewClRect, TRect(5, 5, 35, 75));

  g.ResizeMode = 0;  // fixed: the skin rectangle's size, with a record only
  w = 100, h = 80;
  g.CalcSize(w, h, true);
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 30);
  EXPECT_EQ(g.NewClRect, g.ClRect);
  w = 100, h = 80;
  g.CalcSize(w, h, false);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 80);

  g.ResizeMode = -1;
  g.NewClRect = TRect(1, 2, 3, 4);
  w = 7, h = 9;
  g.CalcSize(w, h, true);
  EXPECT_EQ(w, 7);
  EXPECT_EQ(h, 9);
  EXPECT_EQ(g.NewClRect, TRect(1, 2, 3, 4));
}

TEST(ControlGeometry, MapSkinRectMovesCornerPiecesAndGrowsSpanningOnes) {
  const TspControlGeometry g = NinePiece();  // 40 x 30 shown at 100 x 50: dW 60, dH 20
  EXPECT_EQ(g.MapSkinRect(TRect(1, 1, 4, 4), 100, 50), TRect(1, 1, 4, 4));          // top-left corner
  EXPECT_EQ(g.MapSkinRect(TRect(36, 1, 39, 4), 100, 50), TRect(96, 1, 99, 4));      // top-right
  EXPECT_EQ(g.MapSkinRect(TRect(1, 26, 4, 29), 100, 50), TRect(1, 46, 4, 49));      // bottom-left
  EXPECT_EQ(g.MapSkinRect(TRect(36, 26, 39, 29), 100, 50), TRect(96, 46, 99, 49));  // bottom-right
  // A caption across the top grows with the width; edges count as inside.
  EXPECT_EQ(g.MapSkinRect(TRect(2, 0, 38, 5), 100, 50), TRect(2, 0, 98, 5));
  EXPECT_EQ(g.MapSkinRect(TRect(1, 1, 39, 29), 100, 50), TRect(1, 1, 99, 49));   // top-left to bottom-right
  EXPECT_EQ(g.MapSkinRect(TRect(2, 26, 38, 29), 100, 50), TRect(2, 46, 98, 49));  // along the bottom
  EXPECT_EQ(g.MapSkinRect(TRect(1, 2, 4, 28), 100, 50), TRect(1, 2, 4, 48));     // down the left
  EXPECT_EQ(g.MapSkinRect(TRect(36, 2, 39, 28), 100, 50), TRect(96, 2, 99, 48));  // down the right
  // Pieces flush with the picture's edges: corners filling their corner
  // exactly move with it, strips along a whole edge grow with it.
  EXPECT_EQ(g.MapSkinRect(TRect(35, 0, 40, 5), 100, 50), TRect(95, 0, 100, 5));
  EXPECT_EQ(g.MapSkinRect(TRect(0, 25, 5, 30), 100, 50), TRect(0, 45, 5, 50));
  EXPECT_EQ(g.MapSkinRect(TRect(35, 25, 40, 30), 100, 50), TRect(95, 45, 100, 50));
  EXPECT_EQ(g.MapSkinRect(TRect(0, 0, 40, 30), 100, 50), TRect(0, 0, 100, 50));
  EXPECT_EQ(g.MapSkinRect(TRect(0, 0, 40, 5), 100, 50), TRect(0, 0, 100, 5));
  EXPECT_EQ(g.MapSkinRect(TRect(0, 25, 40, 30), 100, 50), TRect(0, 45, 100, 50));
  EXPECT_EQ(g.MapSkinRect(TRect(0, 0, 5, 30), 100, 50), TRect(0, 0, 5, 50));
  EXPECT_EQ(g.MapSkinRect(TRect(35, 0, 40, 30), 100, 50), TRect(95, 0, 100, 50));
  // A piece of the middle alone stays.
  EXPECT_EQ(g.MapSkinRect(TRect(10, 10, 20, 20), 100, 50), TRect(10, 10, 20, 20));

  TspControlGeometry across = g;
  across.ResizeMode = 2;
  EXPECT_EQ(across.MapSkinRect(TRect(2, 0, 38, 5), 100, 50), TRect(2, 0, 98, 5));
  EXPECT_EQ(across.MapSkinRect(TRect(36, 0, 39, 5), 100, 50), TRect(96, 0, 99, 5));
  EXPECT_EQ(across.MapSkinRect(TRect(10, 0, 20, 5), 100, 50), TRect(10, 0, 20, 5));
  // From the left part to the right one, and the right part on its own.
  EXPECT_EQ(across.MapSkinRect(TRect(5, 0, 35, 30), 100, 50), TRect(5, 0, 95, 30));
  EXPECT_EQ(across.MapSkinRect(TRect(35, 0, 40, 30), 100, 50), TRect(95, 0, 100, 30));

  TspControlGeometry down = g;
  down.ResizeMode = 3;
  EXPECT_EQ(down.MapSkinRect(TRect(0, 2, 5, 28), 100, 50), TRect(0, 2, 5, 48));
  EXPECT_EQ(down.MapSkinRect(TRect(0, 26, 5, 29), 100, 50), TRect(0, 46, 5, 49));
  EXPECT_EQ(down.MapSkinRect(TRect(0, 5, 40, 25), 100, 50), TRect(0, 5, 40, 45));
  EXPECT_EQ(down.MapSkinRect(TRect(0, 25, 40, 30), 100, 50), TRect(0, 45, 40, 50));
  // Reaching from the stretched middle into the bottom part: left alone.
  EXPECT_EQ(down.MapSkinRect(TRect(0, 10, 5, 28), 100, 50), TRect(0, 10, 5, 28));

  TspControlGeometry fixed = g;
  fixed.ResizeMode = 0;
  EXPECT_EQ(fixed.MapSkinRect(TRect(36, 26, 39, 29), 100, 50), TRect(36, 26, 39, 29));
}

}  // namespace
