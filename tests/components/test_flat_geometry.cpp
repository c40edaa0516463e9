// Block snapping and fill of the flat progress bar, and the glyph and caption
// layout and glyph cells of the buttons.
#include <gtest/gtest.h>

#include "classlib/ButtonLayout.h"
#include "components/FlatProgressGeometry.h"

TEST(FlatProgress, BlockBarsSnapToWholeBlocks) {
  EXPECT_EQ(FlatBarSnapExtent(147), 147);
  EXPECT_EQ(FlatBarSnapExtent(150), 147);
  EXPECT_EQ(FlatBarSnapExtent(10), 12);
  EXPECT_EQ(FlatBarSnapExtent(12), 12);
  EXPECT_EQ(FlatBarSnapExtent(20), 12);
}

TEST(FlatProgress, BlockCountsOfTheExamples) {
  EXPECT_EQ(FlatBarBlockCount(147, 0, 100, 50), 8);
  EXPECT_EQ(FlatBarBlockCount(147, 0, 100, 100), 16);
  EXPECT_EQ(FlatBarBlockCount(147, 0, 100, 1), 0);
  EXPECT_EQ(FlatBarBlockCount(147, 20, 60, 40), 8);
  EXPECT_EQ(FlatBarBlockCount(147, 0, 100, 0), 0);
}

TEST(FlatProgress, EmptyRangeFillsNothing) {
  EXPECT_EQ(FlatBarBlockCount(147, 5, 5, 5), 0);
  EXPECT_EQ(FlatBarSmoothLength(147, 5, 5, 5), 0);
  EXPECT_EQ(FlatBarSmoothRect(TRect(0, 0, 147, 16), pbHorizontal, 0), TRect());
}

TEST(FlatProgress, LongBarsCountMoreThan255Blocks) {
  const int extent = 300 * kFlatBlockPitch + 3;
  EXPECT_EQ(FlatBarBlockCount(extent, 0, 100, 100), 300);
  auto blocks = FlatBarBlocks(TRect(0, 0, extent, 16), pbHorizontal, false, 300);
  ASSERT_EQ(blocks.size(), 300u);
  EXPECT_EQ(blocks.back(), TRect(2 + 299 * 9, 2, 10 + 299 * 9, 14));
}

TEST(FlatProgress, BlockPlacesPerOrientation) {
  const TRect r(0, 0, 147, 16);
  auto b = FlatBarBlocks(r, pbHorizontal, false, 2);
  EXPECT_EQ(b[0], TRect(2, 2, 10, 14));
  EXPECT_EQ(b[1], TRect(11, 2, 19, 14));
  b = FlatBarBlocks(r, pbHorizontal, true, 2);
  EXPECT_EQ(b[0], TRect(137, 2, 145, 14));
  EXPECT_EQ(b[1], TRect(128, 2, 136, 14));
  b = FlatBarBlocks(TRect(0, 0, 16, 147), pbVertical, false, 2);
  EXPECT_EQ(b[0], TRect(2, 137, 14, 145));
  EXPECT_EQ(b[1], TRect(2, 128, 14, 136));
}

TEST(FlatProgress, SmoothFill) {
  EXPECT_EQ(FlatBarSmoothLength(100, 0, 100, 50), 48);
  EXPECT_EQ(FlatBarSmoothRect(TRect(0, 0, 16, 100), pbVertical, 48), TRect(2, 50, 14, 98));
  EXPECT_EQ(FlatBarSmoothLength(147, 20, 60, 40), 143 / 2);
  EXPECT_EQ(FlatBarSmoothRect(TRect(0, 0, 147, 16), pbHorizontal, 71), TRect(2, 2, 73, 14));
  // Disk-sized ranges do not overflow the product.
  EXPECT_EQ(FlatBarSmoothLength(104, 0, 2000000000, 1000000000), 50);
}

TEST(FlatProgress, PositionClamp) {
  EXPECT_EQ(FlatBarClampPosition(150, 0, 100), 100);
  EXPECT_EQ(FlatBarClampPosition(-5, 0, 100), 0);
  EXPECT_EQ(FlatBarClampPosition(5, 10, 0), 10);  // Min wins over Max
}

TEST(ButtonLayout, CentredGlyphAboveText) {
  TPoint glyph;
  TRect text;
  // 25 x 25 client, 16 x 16 glyph, no caption: no spacing, glyph centred.
  CalcGlyphLayout(TRect(0, 0, 25, 25), TPoint(), blGlyphTop, -1, 4, TSize(16, 16), TSize(), glyph, text);
  EXPECT_EQ(glyph, TPoint(5, 5));
  EXPECT_EQ(text, TRect(13, 21, 13, 21));
  // With a caption of 30 x 13 in 60 x 50, spacing 4: margin (50 - 33 + 1) / 2 = 9.
  CalcGlyphLayout(TRect(0, 0, 60, 50), TPoint(1, 1), blGlyphTop, -1, 4, TSize(16, 16), TSize(30, 13), glyph,
                  text);
  EXPECT_EQ(glyph, TPoint(23, 10));
  EXPECT_EQ(text, TRect(16, 30, 46, 43));
}

TEST(ButtonLayout, NoGlyphNoCaptionAndEvenSpread) {
  TPoint glyph;
  TRect text;
  CalcGlyphLayout(TRect(0, 0, 40, 20), TPoint(), blGlyphLeft, -1, 4, TSize(), TSize(), glyph, text);
  EXPECT_EQ(text.Width(), 0);
  EXPECT_EQ(text.Height(), 0);
  EXPECT_EQ(text.Left, 20);  // margin (40 + 1) / 2, spacing 0
  // Margin and spacing -1: thirds of what is left.
  CalcGlyphLayout(TRect(0, 0, 70, 20), TPoint(), blGlyphLeft, -1, -1, TSize(16, 16), TSize(24, 12), glyph, text);
  EXPECT_EQ(glyph, TPoint(10, 2));
  EXPECT_EQ(text, TRect(36, 4, 60, 16));
  CalcGlyphLayout(TRect(0, 0, 70, 20), TPoint(), blGlyphRight, 2, 3, TSize(16, 16), TSize(24, 12), glyph, text);
  EXPECT_EQ(glyph, TPoint(52, 2));
  EXPECT_EQ(text, TRect(25, 4, 49, 16));
}

TEST(ButtonGlyphs, CellsPerStateAndCountFromSize) {
  EXPECT_EQ(GlyphCellOf(1, bsDisabled), 0);
  EXPECT_EQ(GlyphCellOf(2, bsDisabled), 1);
  EXPECT_EQ(GlyphCellOf(2, bsExclusive), 0);
  EXPECT_EQ(GlyphCellOf(3, bsDown), 2);
  EXPECT_EQ(GlyphCellOf(3, bsExclusive), 2);
  EXPECT_EQ(GlyphCellOf(4, bsExclusive), 3);
  EXPECT_EQ(NumGlyphsOf(64, 16, 1), 4);
  EXPECT_EQ(NumGlyphsOf(80, 16, 2), 1);
  EXPECT_EQ(NumGlyphsOf(40, 16, 2), 2);
}
