#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

#include "skin/SPUtils_regiondata.h"

namespace {

int32_t IntAt(const std::vector<uint8_t>& d, size_t at) {
  int32_t v;
  std::memcpy(&v, d.data() + at, 4);  // the host is little-endian like the platform
  return v;
}

std::vector<TRect> Rects(const std::vector<uint8_t>& d) {
  std::vector<TRect> out;
  for (int i = 0; i < IntAt(d, 8); ++i) {
    const size_t at = 32 + 16 * i;
    out.emplace_back(IntAt(d, at), IntAt(d, at + 4), IntAt(d, at + 8), IntAt(d, at + 12));
  }
  return out;
}

// A mask from rows of '#' (black, inside) and '.' (white).
TspPixelBuffer24 Mask(std::initializer_list<const char*> rows) {
  const int w = static_cast<int>(std::strlen(*rows.begin()));
  TspPixelBuffer24 m(w, static_cast<int>(rows.size()), 255);
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; x < w; ++x)
      if (row[x] == '#') std::memset(m.View().Pixel(x, y), 0, 3);
    ++y;
  }
  return m;
}

using Cell = std::pair<int, int>;
void AddRects(std::set<Cell>& cells, const std::vector<TRect>& rects) {
  for (const TRect& r : rects)
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) cells.insert({x, y});
}

TEST(RegionData, HeaderAndOneRectanglePerRunPerRow) {
  auto m = Mask({"#.##", "####"});
  std::vector<uint8_t> d;
  ASSERT_EQ(BuildRegionData(m.View(), 5, 7, d), 32 + 16 * 3);
  EXPECT_EQ(IntAt(d, 0), 32);
  EXPECT_EQ(IntAt(d, 4), 1);
  EXPECT_EQ(IntAt(d, 8), 3);
  EXPECT_EQ(IntAt(d, 12), 0);
  EXPECT_EQ(IntAt(d, 16), 5);
  EXPECT_EQ(IntAt(d, 20), 7);
  EXPECT_EQ(IntAt(d, 24), 9);
  EXPECT_EQ(IntAt(d, 28), 9);
  EXPECT_EQ(Rects(d), (std::vector<TRect>{TRect(5, 7, 6, 8), TRect(7, 7, 9, 8), TRect(5, 8, 9, 9)}));
}

TEST(RegionData, NoBlackGivesAnEmptyListAndNoMaskNothing) {
  auto m = Mask({"...", "..."});
  std::vector<uint8_t> d;
  EXPECT_EQ(BuildRegionData(m.View(), 0, 0, d), 32);
  EXPECT_EQ(IntAt(d, 8), 0);
  std::vector<uint8_t> untouched{1, 2, 3};
  EXPECT_EQ(BuildRegionData(TspPixels24(), 0, 0, untouched), 0);
  EXPECT_EQ(untouched, (std::vector<uint8_t>{1, 2, 3}));
}

TEST(RegionData, MoreRectanglesThanAFixedBufferHolds) {
  TspPixelBuffer24 m(200, 120, 255);
  for (int y = 0; y < 120; ++y)
    for (int x = y % 2; x < 200; x += 2) std::memset(m.View().Pixel(x, y), 0, 3);
  std::vector<uint8_t> d;
  EXPECT_EQ(BuildRegionData(m.View(), 0, 0, d), 32 + 16 * 12000);
  EXPECT_EQ(Rects(d).back(), TRect(199, 119, 200, 120));
}

// A 10 x 8 window mask with cut corners; client (2, 2, 8, 6), plain corners.
struct WindowMask {
  TspPixelBuffer24 M = Mask({".########.", "##########", "##......##", "##......##", "##......##",
                             "##......##", "##########", ".########."});
  TspSkinGeometry Old{TPoint(2, 2), TPoint(8, 2), TPoint(2, 6), TPoint(8, 6), TRect(2, 2, 8, 6)};
  TspSkinGeometry At(int W, int H) const {
    TspSkinGeometry n = Old;
    n.RT.X += W - 10;
    n.RB.X += W - 10;
    n.CL.Right += W - 10;
    n.LB.Y += H - 8;
    n.RB.Y += H - 8;
    n.CL.Bottom += H - 8;
    return n;
  }
};

std::set<Cell> RegionCells(const TspSkinRegionParts& r) {
  std::set<Cell> cells;
  for (const auto& part : r.Parts) AddRects(cells, Rects(part));
  AddRects(cells, {r.Client});
  return cells;
}

TEST(RegionData, SkinRegionAtTheDesignSizeIsTheMaskPlusClient) {
  WindowMask w;
  const TspSkinRegionParts r = BuildSkinRegionParts(w.Old, w.Old, w.M.View(), 10);
  ASSERT_TRUE(r.Valid);
  std::set<Cell> expected;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x)
      if (w.M.View().Pixel(x, y)[0] == 0 || (x >= 2 && x < 8 && y >= 2 && y < 6)) expected.insert({x, y});
  EXPECT_EQ(RegionCells(r), expected);
  EXPECT_EQ(r.Parts.size(), 4u);
}

TEST(RegionData, SkinRegionAtALargerSizeTilesTheBorder) {
  WindowMask w;
  const TspSkinRegionParts r = BuildSkinRegionParts(w.Old, w.At(23, 11), w.M.View(), 23);
  const std::set<Cell> cells = RegionCells(r);
  EXPECT_EQ(cells.size(), 23u * 11 - 4);  // all but the four cut corners
  for (Cell corner : {Cell{0, 0}, Cell{22, 0}, Cell{0, 10}, Cell{22, 10}}) EXPECT_EQ(cells.count(corner), 0u);
}

TEST(RegionData, MissingBandsKeepThePartsThatArePresent) {
  // No left or right band: the top and bottom parts and the client remain.
  auto m = Mask({"######", "......", "######"});
  TspSkinGeometry g{TPoint(0, 1), TPoint(6, 1), TPoint(0, 2), TPoint(6, 2), TRect(0, 1, 6, 2)};
  const TspSkinRegionParts r = BuildSkinRegionParts(g, g, m.View(), 6);
  EXPECT_EQ(r.Parts.size(), 2u);
  EXPECT_EQ(RegionCells(r).size(), 18u);
}

TEST(RegionData, CrossedPointsGiveNoRegion) {
  WindowMask w;
  TspSkinGeometry n = w.Old;
  n.RT.X = 1;
  EXPECT_FALSE(BuildSkinRegionParts(w.Old, n, w.M.View(), 10).Valid);
  n = w.Old;
  n.LB.Y = 1;
  EXPECT_FALSE(BuildSkinRegionParts(w.Old, n, w.M.View(), 10).Valid);
}

}  // namespace
