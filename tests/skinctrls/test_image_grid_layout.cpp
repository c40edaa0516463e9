// The image-grid menu's geometry: cells and rows, heading and caption rows,
// the item under a point, arrow keys with and without a hot item, placement.
#include <gtest/gtest.h>

#include "skinctrls/ImageGridLayout.h"

namespace {

std::vector<TspGridItemKind> Images(int N) { return std::vector<TspGridItemKind>(N); }

TspImageGrid Grid(const std::vector<TspGridItemKind>& Items, int Columns, int HeaderHeight = -1) {
  TspImageGridInput in;
  in.Items = Items;
  in.Columns = Columns;
  in.HeaderHeight = HeaderHeight;
  return LayoutImageGrid(in);
}

const TspGridItemKind kHeader{true, false}, kButton{false, true};

}  // namespace

TEST(ImageGridLayout, TwentyImagesInEightColumnsMakeRowsOfEightEightAndFour) {
  const TspImageGrid g = Grid(Images(20), 8);
  ASSERT_EQ(g.Rects.size(), 20u);
  EXPECT_EQ(g.RowWidth, 8 * 26);
  for (int i = 0; i < 20; ++i) {
    const int row = i / 8, col = i % 8;
    EXPECT_EQ(g.Rects[i], TRect(5 + col * 26, 5 + row * 27, 5 + col * 26 + 26, 5 + row * 27 + 26)) << i;
  }
  // The last row holds four cells; the grid spans a full row across.
  EXPECT_EQ(g.Rects[19].Left, 5 + 3 * 26);
  EXPECT_EQ(g.Bounds, TRect(5, 5, 5 + 208, 5 + 2 * 27 + 26));
}

TEST(ImageGridLayout, HeadingAndCaptionRowsSpanTheRowAndStartNewRows) {
  // image, header, image, button, image
  const std::vector<TspGridItemKind> items{{}, kHeader, {}, kButton, {}};
  const TspImageGrid g = Grid(items, 4, 18);
  EXPECT_EQ(g.Rects[0], TRect(5, 5, 31, 31));
  // The begun row ends: the heading goes under it with the label's height.
  EXPECT_EQ(g.Rects[1], TRect(5, 32, 5 + 104, 50));
  EXPECT_EQ(g.Rects[2], TRect(5, 51, 31, 77));
  EXPECT_EQ(g.Rects[3], TRect(5, 78, 109, 104));  // a caption row is a cell high
  EXPECT_EQ(g.Rects[4], TRect(5, 105, 31, 131));
  // Without a heading skin the heading is a cell high.
  EXPECT_EQ(Grid(items, 4).Rects[1].Height(), 26);
}

TEST(ImageGridLayout, SkinOriginAndImageSizeSetTheCells) {
  TspImageGridInput in;
  in.Items = Images(3);
  in.Columns = 2;
  in.ImageWidth = 24;
  in.ImageHeight = 20;
  in.Origin = TPoint(3, 7);
  const TspImageGrid g = LayoutImageGrid(in);
  EXPECT_EQ(g.Rects[1], TRect(37, 7, 71, 37));
  EXPECT_EQ(g.Rects[2], TRect(3, 38, 37, 68));
  EXPECT_TRUE(Grid({}, 3).Bounds.IsEmpty());
}

TEST(ImageGridLayout, ItemUnderAPointSkipsHeadings) {
  const std::vector<TspGridItemKind> items{kHeader, {}, {}};
  const TspImageGrid g = Grid(items, 2);
  EXPECT_EQ(ImageGridItemAt(g, items, TPoint(10, 10)), -1);  // on the heading
  EXPECT_EQ(ImageGridItemAt(g, items, TPoint(10, 40)), 1);
  EXPECT_EQ(ImageGridItemAt(g, items, TPoint(40, 40)), 2);
  EXPECT_EQ(ImageGridItemAt(g, items, TPoint(70, 40)), -1);  // right of the grid
}

TEST(ImageGridLayout, KeysWithoutAHotItemStartAtAnEnd) {
  const std::vector<TspGridItemKind> items{kHeader, {}, {}, {}};
  const TspImageGrid g = Grid(items, 2);
  EXPECT_EQ(ImageGridKeyTarget(g, items, -1, gkRight), 1);  // item 0 is a heading
  EXPECT_EQ(ImageGridKeyTarget(g, items, -1, gkDown), 1);
  EXPECT_EQ(ImageGridKeyTarget(g, items, -1, gkLeft), 3);
  EXPECT_EQ(ImageGridKeyTarget(g, items, -1, gkUp), 3);
  EXPECT_EQ(ImageGridKeyTarget(g, Images(0), -1, gkRight), -1);
}

TEST(ImageGridLayout, KeysWithAHotItemWrapAndKeepTheColumn) {
  // Three columns: 0 1 2 / 3 4 / caption row 5 / 6
  std::vector<TspGridItemKind> items = Images(5);
  items.push_back(kButton);
  items.push_back({});
  const TspImageGrid g = Grid(items, 3);
  EXPECT_EQ(ImageGridKeyTarget(g, items, 2, gkRight), 3);
  EXPECT_EQ(ImageGridKeyTarget(g, items, 6, gkRight), 0);  // wraps
  EXPECT_EQ(ImageGridKeyTarget(g, items, 0, gkLeft), 6);
  EXPECT_EQ(ImageGridKeyTarget(g, items, 4, gkLeft), 3);
  EXPECT_EQ(ImageGridKeyTarget(g, items, 7, gkRight), 0) << "a hot index past the items is none";
  EXPECT_EQ(ImageGridKeyTarget(g, items, 1, gkDown), 4);  // same column
  EXPECT_EQ(ImageGridKeyTarget(g, items, 4, gkDown), 5);  // the caption row below
  EXPECT_EQ(ImageGridKeyTarget(g, items, 2, gkDown), 5);  // no cell below: the caption row
  EXPECT_EQ(ImageGridKeyTarget(g, items, 6, gkDown), 6);  // nothing lower: stays
  EXPECT_EQ(ImageGridKeyTarget(g, items, 4, gkUp), 1);
  EXPECT_EQ(ImageGridKeyTarget(g, items, 6, gkUp), 5);
  EXPECT_EQ(ImageGridKeyTarget(g, items, 5, gkUp), 3);  // first column above the row
  EXPECT_EQ(ImageGridKeyTarget(g, items, 0, gkUp), 0);
}

TEST(ImageGridLayout, PlacementStaysInTheWorkArea) {
  const TRect work(0, 0, 800, 600);
  EXPECT_EQ(PlaceImageGrid(TRect(100, 100, 140, 125), 200, 150, work), TPoint(100, 125));
  // No room below: above the button.
  EXPECT_EQ(PlaceImageGrid(TRect(100, 500, 140, 525), 200, 150, work), TPoint(100, 350));
  // Past the right edge: moved left by the overflow.
  EXPECT_EQ(PlaceImageGrid(TRect(700, 100, 740, 125), 200, 150, work), TPoint(600, 125));
  // Taller than the room above and below: kept inside at the top.
  EXPECT_EQ(PlaceImageGrid(TRect(-50, 100, 0, 125), 100, 700, work), TPoint(0, 0));
}
