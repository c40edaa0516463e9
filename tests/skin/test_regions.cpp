// Window regions built with the system from mask bitmaps.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/SPUtils_region.h"

namespace {

// A 24-bit mask from rows of '#' (black) and '.' (white).
void MakeMask(TBitmap& m, std::initializer_list<const char*> rows) {
  const int w = static_cast<int>(std::strlen(*rows.begin()));
  m.SetSize(w, static_cast<int>(rows.size()));
  int y = 0;
  for (const char* row : rows) {
    auto* p = static_cast<uint8_t*>(m.ScanLine(y++));
    for (int x = 0; x < w; ++x) std::memset(p + 3 * x, row[x] == '#' ? 0 : 255, 3);
  }
}

int Inside(HRGN rgn, int w, int h) {
  int n = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) n += PtInRegion(rgn, x, y) ? 1 : 0;
  return n;
}

TEST(Regions, MaskRegionCoversTheBlackPixels) {
  TBitmap m;
  MakeMask(m, {"#.##", "####", "...."});
  std::vector<uint8_t> data;
  EXPECT_EQ(CreateRegionDataFromMask(&m, 0, 0, data), 32 + 16 * 3);
  HRGN rgn = nullptr;
  CreateMaskRegion(rgn, &m);
  ASSERT_NE(rgn, nullptr);
  EXPECT_EQ(Inside(rgn, 4, 3), 7);
  EXPECT_FALSE(PtInRegion(rgn, 1, 0));
  RECT box;
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.right, 4);
  EXPECT_EQ(box.bottom, 2);
  DeleteObject(rgn);
  TBitmap empty;
  std::vector<uint8_t> untouched{9};
  EXPECT_EQ(CreateRegionDataFromMask(&empty, 0, 0, untouched), 0);
  EXPECT_EQ(untouched.size(), 1u);
  CreateMaskRegion(rgn, &empty);
  EXPECT_EQ(rgn, nullptr);
}

TEST(Regions, FMaskBitmapRowsArePadded) {
  TBitmap m;
  MakeMask(m, {"#..", "..#"});
  TFBitmap f(m.Handle());
  EXPECT_EQ(f.Width(), 3);
  EXPECT_EQ(f.Pad(), 3);
  EXPECT_EQ(f.RowBytes(), 12);
  EXPECT_EQ(f.Rows(1) - f.Rows(0), 12);
  EXPECT_EQ(f.Rows(1)[6], 0);
  EXPECT_EQ(f.Rows(1)[0], 255);
}

TEST(Regions, SkinRegionAtALargerSize) {
  TBitmap m;
  MakeMask(m, {".########.", "##########", "##......##", "##......##", "##......##", "##......##", "##########",
               ".########."});
  const TPoint LT(2, 2), RT(8, 2), LB(2, 6), RB(8, 6);
  const TRect CL(2, 2, 8, 6);
  HRGN rgn = nullptr;
  CreateSkinRegion(rgn, LT, RT, LB, RB, CL, LT, TPoint(21, 2), TPoint(2, 9), TPoint(21, 9), TRect(2, 2, 21, 9), &m,
                   23, 11);
  ASSERT_NE(rgn, nullptr);
  EXPECT_EQ(Inside(rgn, 23, 11), 23 * 11 - 4);
  EXPECT_FALSE(PtInRegion(rgn, 22, 10));
  EXPECT_TRUE(PtInRegion(rgn, 21, 10));
  DeleteObject(rgn);
  CreateSkinRegion(rgn, LT, RT, LB, RB, CL, LT, TPoint(1, 2), LB, RB, CL, &m, 10, 8);  // crossed
  EXPECT_EQ(rgn, nullptr);
}

TEST(Regions, MissingPartsDoNotDropThePresentOnes) {
  // No left or right band and an empty client: the top and bottom remain.
  TBitmap m;
  MakeMask(m, {"######", "......", "######"});
  const TPoint LT(0, 1), RT(6, 1), LB(0, 2), RB(6, 2);
  HRGN rgn = nullptr;
  CreateSkinRegion(rgn, LT, RT, LB, RB, TRect(0, 1, 6, 2), LT, RT, LB, RB, TRect(0, 1, 6, 1), &m, 6, 3);
  ASSERT_NE(rgn, nullptr);
  // The window shrank to two rows: the top at row 0, the bottom at row 1.
  EXPECT_EQ(Inside(rgn, 6, 3), 12);
  EXPECT_TRUE(PtInRegion(rgn, 5, 1));
  EXPECT_FALSE(PtInRegion(rgn, 0, 2));
  DeleteObject(rgn);
}

TEST(Regions, BorderMasksAreTiledAtTheNewWidth) {
  TBitmap m;
  MakeMask(m, {"#.#.#.", "#....#", "######"});
  TBitmap top, left, right, bottom;
  const TPoint LT(1, 1), RT(5, 1), LB(1, 2), RB(5, 2);
  CreateSkinBorderMasks(LT, RT, LB, RB, TRect(1, 1, 5, 2), LT, TPoint(9, 1), LB, TPoint(9, 2), TRect(1, 1, 9, 2), &m,
                        &top, &left, &right, &bottom, 10, 3);
  ASSERT_EQ(top.Width(), 10);
  EXPECT_EQ(top.Height(), 1);
  // ".#.#" tiled from 1 to 9, then the right part "." at 9.
  const char* expected = "#.#.#.#.#.";
  for (int x = 0; x < 10; ++x) EXPECT_EQ(top.Canvas()->Pixels(x, 0) == clBlack, expected[x] == '#') << x;
  EXPECT_EQ(left.Width(), 1);
  EXPECT_EQ(right.Width(), 1);
  EXPECT_EQ(bottom.Width(), 10);
}

}  // namespace
