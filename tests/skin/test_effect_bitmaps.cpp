// Effect bitmaps on real DIB sections and device contexts.
#include <gtest/gtest.h>

#include "classlib/GuiCounts.h"
#include "skin/speffbmp.h"

namespace {

void Fill(TBitmap& b, TColor c) {
  b.Canvas()->Brush()->SetColor(c);
  b.Canvas()->FillRect(TRect(0, 0, b.Width(), b.Height()));
}

TEST(EffectBitmaps, EffectBmpTakesABitmapsPixelsAndDrawsThem) {
  TBitmap src;
  src.SetSize(5, 3);
  Fill(src, MakeColor(10, 20, 30));
  src.Canvas()->SetPixels(4, 2, clWhite);
  TspEffectBmp e(src.Handle());
  ASSERT_EQ(e.Width(), 5);
  EXPECT_EQ(e.Size(), 16 * 3);
  const uint8_t* p = e.Pixels().Pixel(0, 0);
  EXPECT_EQ(p[0], 30);  // blue, green, red
  EXPECT_EQ(p[2], 10);
  EXPECT_EQ(e.Pixels().Pixel(4, 2)[1], 255);

  TspEffectBmp white(5, 3);
  white.Invert();  // a new image is black
  e.Morph(&white, 0.5);
  EXPECT_EQ(e.Pixels().Pixel(0, 0)[2], 132);  // (10 + 255) / 2 = 132.5 -> 132

  TBitmap out;
  out.SetSize(7, 5);
  Fill(out, clBlack);
  e.Draw(out.Canvas()->Handle(), 1, 1);
  EXPECT_EQ(out.Canvas()->Pixels(1, 1), MakeColor(132, 138, 142));
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), clBlack);
}

TEST(EffectBitmaps, TurnsNeedTheTurnedSize) {
  TspEffectBmp a(3, 2), turned(2, 3), wrong(3, 2);
  a.Pixels().Pixel(2, 0)[0] = 99;
  a.Rotate90(&turned);
  EXPECT_EQ(turned.Pixels().Pixel(0, 0)[0], 99);
  a.Rotate90(&wrong);
  EXPECT_EQ(wrong.Pixels().Pixel(0, 0)[0], 0);
}

TEST(EffectBitmaps, SetSizeTakesAbsoluteValuesAndKeepsPixelsAtTheSameSize) {
  TspBitmap b;
  EXPECT_TRUE(b.Empty());
  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  b.SetSize(-10, 20);
  ASSERT_FALSE(b.Empty());
  EXPECT_EQ(b.Width(), 10);
  EXPECT_EQ(b.Height(), 20);
  b.SetPixel(3, 4, 0x11223344);
  b.SetSize(10, 20);
  EXPECT_EQ(b.GetPixel(3, 4), 0x11223344u);
  EXPECT_EQ(b.GetPixel(10, 0), 0u);
  EXPECT_EQ(b.GetPixel(-1, 0), 0u);
  b.SetPixel(99, 99, 1);  // outside: nothing
  EXPECT_EQ(TspBitmap::FromDC(b.DC()), &b);
}

TEST(EffectBitmaps, AlphaDrawingOntoAPlainDCBlends) {
  TBitmap dest;
  dest.SetSize(4, 1);
  Fill(dest, MakeColor(100, 100, 100));
  TspBitmap b;
  b.SetSize(3, 1);
  b.SetPixel(0, 0, MakePixel(200, 200, 200, 0));
  b.SetPixel(1, 0, MakePixel(200, 200, 200, 128));
  b.SetPixel(2, 0, MakePixel(200, 10, 20, 255));
  b.UpdateAlphaFlag();
  ASSERT_TRUE(b.HasAlpha);
  b.Draw(dest.Canvas(), 1, 0);
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), MakeColor(100, 100, 100));
  EXPECT_EQ(dest.Canvas()->Pixels(1, 0), MakeColor(100, 100, 100));
  EXPECT_EQ(dest.Canvas()->Pixels(2, 0), MakeColor(149, 149, 149));
  EXPECT_EQ(dest.Canvas()->Pixels(3, 0), MakeColor(200, 10, 20));
}

TEST(EffectBitmaps, KeyColourIsLeftOutWhenDrawing) {
  TBitmap dest;
  dest.SetSize(2, 1);
  Fill(dest, clBlue);
  TspBitmap b;
  b.SetSize(2, 1);
  b.SetPixel(0, 0, MakePixel(250, 0, 0, 255));
  b.SetPixel(1, 0, MakePixel(0, 200, 0, 255));
  b.SetKeyColor(MakePixel(255, 3, 0, 0));
  ASSERT_TRUE(b.HasKey);
  b.Draw(dest.Canvas(), 0, 0);
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(dest.Canvas()->Pixels(1, 0), MakeColor(0, 200, 0));
}

TEST(EffectBitmaps, DrawingOntoAnotherTspBitmapsDCDrawsIntoItsPixels) {
  TspBitmap target, src;
  target.SetSize(4, 4);
  src.SetSize(2, 2);
  src.SetAlpha(255);
  src.SetPixel(1, 1, MakePixel(1, 2, 3, 128));
  src.UpdateAlphaFlag();
  src.Draw(target.DC(), 2, 2);
  EXPECT_EQ(target.GetPixel(3, 3), MakePixel(0, 1, 1, 255));  // (s x 128) div 256
  EXPECT_EQ(target.GetPixel(2, 2), 0xFF000000u);
}

TEST(EffectBitmaps, AssignFromBitmapsAndBack) {
  TBitmap plain;
  plain.SetSize(3, 2);
  Fill(plain, MakeColor(1, 2, 3));
  TspBitmap b;
  b.Assign(&plain);
  EXPECT_EQ(b.GetPixel(2, 1), MakePixel(1, 2, 3, 255));
  EXPECT_FALSE(b.HasAlpha);

  TBitmap argb;
  argb.SetPixelFormat(pf32bit);
  argb.SetSize(2, 1);
  static_cast<uint32_t*>(argb.ScanLine(0))[1] = MakePixel(9, 9, 9, 77);
  b.Assign(&argb);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_TRUE(b.HasAlpha);

  TspBitmap copy;
  b.SetTagText(L"glow");
  copy.Assign(&b);
  EXPECT_EQ(copy.GetPixel(1, 0), MakePixel(9, 9, 9, 77));
  EXPECT_EQ(copy.TagText(), L"glow");
  EXPECT_TRUE(copy.HasAlpha);

  TBitmap out;
  plain.Canvas();
  b.SetPixel(0, 0, MakePixel(5, 6, 7, 255));
  b.HasAlpha = false;
  b.AssignTo(&out);
  EXPECT_EQ(out.PixelFormat(), pf32bit);
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), MakeColor(5, 6, 7));
}

TEST(EffectBitmaps, PicturesInAndOut) {
  TPicture picture;
  TBitmap plain;
  plain.SetSize(2, 2);
  Fill(plain, MakeColor(40, 50, 60));
  picture.Assign(&plain);
  TspBitmap b;
  b.Assign(&picture);
  EXPECT_EQ(b.GetPixel(1, 1), MakePixel(40, 50, 60, 255));
  TPicture out;
  b.AssignTo(&out);
  ASSERT_NE(out.Bitmap(), nullptr);
  EXPECT_EQ(out.Width(), 2);
  EXPECT_EQ(out.Bitmap()->Canvas()->Pixels(0, 0), MakeColor(40, 50, 60));
}

TEST(EffectBitmaps, NoHandleGrowth) {
  const int before = GdiObjectsInUse();
  for (int i = 0; i < 2000; ++i) {
    TspBitmap b;
    b.SetSize(8, 8);
    b.Canvas()->Pen()->SetColor(clRed);
    b.Canvas()->MoveTo(0, 0);
    b.Canvas()->LineTo(7, 7);
    b.SetSize(9, 9);
    TspEffectBmp e(4, 4);
  }
  EXPECT_LE(GdiObjectsInUse(), before + 2);
}

}  // namespace
