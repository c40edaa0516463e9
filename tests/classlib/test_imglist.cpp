// Image lists over the system image list: adding, reading back, and drawing
// enabled and disabled.
#include <gtest/gtest.h>

#include "classlib/ImgList.h"

namespace {

// 8 x 8 glyph: fuchsia background, red square at 2..5.
void MakeGlyph(TBitmap& b) {
  b.SetSize(8, 8);
  b.Canvas()->Brush()->SetColor(clFuchsia);
  b.Canvas()->FillRect(Rect(0, 0, 8, 8));
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(2, 2, 6, 6));
}

struct Canvas {
  TBitmap bmp;
  Canvas() {
    bmp.SetSize(20, 20);
    bmp.Canvas()->Brush()->SetColor(clBlue);
    bmp.Canvas()->FillRect(Rect(0, 0, 20, 20));
  }
  TColor At(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
};

TEST(ImageListTest, AddMaskedSplitsAStripAndKeepsTheSource) {
  TImageList list(nullptr, 8, 8);
  EXPECT_EQ(list.Count(), 0);
  TBitmap strip;
  strip.SetSize(24, 8);
  strip.Canvas()->Brush()->SetColor(clFuchsia);
  strip.Canvas()->FillRect(Rect(0, 0, 24, 8));
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(strip.Canvas()->Pixels(0, 0), clFuchsia);  // not blackened
  TBitmap glyph;
  MakeGlyph(glyph);
  EXPECT_EQ(list.AddMasked(&glyph, clFuchsia), 3);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_THROW(list.Delete(3), EListError);
  list.SetSize(16, 16);  // a new size empties the list
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, DrawEnabledIsTransparentWhereMasked) {
  TImageList list(nullptr, 8, 8);
  TBitmap glyph;
  MakeGlyph(glyph);
  list.AddMasked(&glyph, clFuchsia);
  Canvas c;
  list.Draw(c.bmp.Canvas(), 4, 4, 0);
  EXPECT_EQ(c.At(4, 4), clBlue);
  EXPECT_EQ(c.At(7, 7), clRed);
  EXPECT_EQ(c.At(9, 9), clRed);
  EXPECT_EQ(c.At(10, 10), clBlue);
  list.Draw(c.bmp.Canvas(), 0, 0, 5);  // no such image: nothing drawn
  EXPECT_EQ(c.At(0, 0), clBlue);
}

TEST(ImageListTest, DisabledDrawingIsEmbossedGrey) {
  TImageList list(nullptr, 8, 8);
  TBitmap glyph;
  MakeGlyph(glyph);
  list.AddMasked(&glyph, clFuchsia);
  Canvas enabled, disabled;
  list.Draw(enabled.bmp.Canvas(), 4, 4, 0, true);
  list.Draw(disabled.bmp.Canvas(), 4, 4, 0, false);
  int differing = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) differing += enabled.At(x, y) != disabled.At(x, y);
  EXPECT_GT(differing, 16);
  const TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
  EXPECT_EQ(disabled.At(6, 6), shadow);      // the square's top-left
  EXPECT_EQ(disabled.At(9, 9), shadow);      // its bottom-right
  EXPECT_EQ(disabled.At(10, 10), highlight);  // the highlight one pixel further
  EXPECT_EQ(disabled.At(10, 7), highlight);
  EXPECT_EQ(disabled.At(4, 4), clBlue);      // transparent part untouched
  EXPECT_EQ(disabled.At(11, 11), clBlue);
}

TEST(ImageListTest, GetBitmapAndGetIconGiveTheImageBack) {
  TImageList list(nullptr, 8, 8);
  TBitmap glyph;
  MakeGlyph(glyph);
  list.AddMasked(&glyph, clFuchsia);
  TBitmap out;
  list.GetBitmap(0, &out);
  EXPECT_EQ(out.Width(), 8);
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), clWhite);  // transparent on white
  EXPECT_EQ(out.Canvas()->Pixels(3, 3), clRed);
  list.SetBkColor(clLime);
  list.GetBitmap(0, &out);
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), clLime);

  TIcon icon;
  list.GetIcon(0, &icon);
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 8);
  EXPECT_EQ(icon.Height(), 8);
  TImageList other(nullptr, 8, 8);
  EXPECT_EQ(other.AddIcon(&icon), 0);
  Canvas c;
  other.Draw(c.bmp.Canvas(), 0, 0, 0);
  EXPECT_EQ(c.At(3, 3), clRed);
  EXPECT_EQ(c.At(0, 0), clBlue);
}

TEST(ImageListTest, AddWithAMaskBitmapAndAssign) {
  TImageList list(nullptr, 4, 4);
  TBitmap image, mask;
  image.SetSize(4, 4);
  image.Canvas()->Brush()->SetColor(clGreen);
  image.Canvas()->FillRect(Rect(0, 0, 4, 4));
  mask.SetMonochrome(true);
  mask.SetSize(4, 4);
  mask.Canvas()->Brush()->SetColor(clWhite);  // white = transparent
  mask.Canvas()->FillRect(Rect(0, 0, 4, 4));
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 2, 4));
  EXPECT_EQ(list.Add(&image, &mask), 0);
  TImageList copy(nullptr);
  copy.Assign(&list);
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(copy.Count(), 1);
  Canvas c;
  copy.Draw(c.bmp.Canvas(), 0, 0, 0);
  EXPECT_EQ(c.At(0, 0), clGreen);
  EXPECT_EQ(c.At(3, 0), clBlue);
}

}  // namespace
