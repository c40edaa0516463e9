// The effect bitmap on the real DIB: layout, copies, listeners, blending and drawing.
#include <gtest/gtest.h>

#include <cstring>

#include "classlib/SysUtils.h"
#include "components/fcBitmap.h"

namespace {

struct CountingListener : IfcBitmapListener {
  int Count = 0;
  void BitmapChanged(TfcBitmap*) override { ++Count; }
};

void Fill(TfcBitmap& B, TColor C) {
  B.Canvas()->Brush()->SetColor(C);
  B.Canvas()->FillRect(TRect(0, 0, B.Width(), B.Height()));
  GdiFlush();
}

}  // namespace

TEST(fcBitmap, NewImageIsWhiteWithDibLayout) {
  for (int w = 1; w <= 5; ++w) {
    TfcBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(w, 3);
    ASSERT_FALSE(b.Empty());
    EXPECT_EQ(b.Stride(), RowBytes24(w));
    EXPECT_EQ(b.Gap(), w % 4);
    EXPECT_EQ(b.ImageSize(), b.Stride() * 3);
    EXPECT_EQ(b.Row(2) - b.Row(0), 2 * b.Stride());
    EXPECT_EQ(fcPixelRGB(b.Row(2) + 3 * (w - 1)), 0xFFFFFFu);
  }
  TfcBitmap b;
  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 0);
}

TEST(fcBitmap, CanvasDrawsIntoTheSameRowsTopDown) {
  TfcBitmap b;
  b.SetSize(4, 4);
  b.Canvas()->SetPixels(1, 0, MakeColor(10, 20, 30));
  GdiFlush();
  EXPECT_EQ(fcPixelRGB(b.Row(0) + 3), 0x0A141Eu);  // red 10, green 20, blue 30
}

TEST(fcBitmap, ListenersHearChangesButNotEffects) {
  TfcBitmap b;
  CountingListener l;
  b.AddListener(&l);
  b.AddListener(&l);
  b.SetSize(2, 2);
  EXPECT_EQ(l.Count, 1);
  b.SetWidth(2);  // same size: nothing
  EXPECT_EQ(l.Count, 1);
  b.Invert();
  EXPECT_EQ(l.Count, 1);
  b.RemoveListener(&l);
  b.SetSize(3, 3);
  EXPECT_EQ(l.Count, 1);
}

TEST(fcBitmap, CopiesToAndFromClassLibraryBitmaps) {
  TBitmap src;
  src.SetSize(5, 3);
  src.Canvas()->Brush()->SetColor(MakeColor(200, 100, 50));
  src.Canvas()->FillRect(TRect(0, 0, 5, 3));
  src.Canvas()->SetPixels(4, 2, clBlack);
  TfcBitmap b;
  b.Assign(&src);
  ASSERT_EQ(b.Width(), 5);
  EXPECT_EQ(fcPixelRGB(b.Row(0)), 0xC86432u);
  EXPECT_EQ(fcPixelRGB(b.Row(2) + 12), 0u);

  TfcBitmap copy;
  copy.Assign(&b);
  EXPECT_EQ(copy.Height(), 3);
  EXPECT_EQ(std::memcmp(copy.Bits(), b.Bits(), b.ImageSize()), 0);

  b.Invert();
  TBitmap back;
  back.Assign(&b);
  EXPECT_EQ(back.Canvas()->Pixels(0, 0), MakeColor(55, 155, 205));
  EXPECT_EQ(back.Canvas()->Pixels(4, 2), clWhite);

  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(fcBitmap, ParkAndUnparkKeepThePixels) {
  TfcBitmap b;
  b.SetSize(3, 2);
  Fill(b, MakeColor(1, 2, 3));
  b.ParkPixels();
  EXPECT_TRUE(b.Empty());
  b.UnparkPixels();
  ASSERT_EQ(b.Width(), 3);
  EXPECT_EQ(fcPixelRGB(b.Row(1) + 6), 0x010203u);
}

TEST(fcBitmap, AlphaBlendRefusesOtherSizeUnlessStretched) {
  TfcBitmap a, o;
  a.SetSize(4, 4);
  o.SetSize(2, 2);
  Fill(a, clWhite);
  Fill(o, clBlack);
  EXPECT_THROW(a.AlphaBlend(&o, 128, false), EInvalidOperation);
  EXPECT_EQ(fcPixelRGB(a.Row(0)), 0xFFFFFFu);
  a.AlphaBlend(&o, 128, true);
  EXPECT_EQ(a.Row(3)[9], 255 - 128);  // 255 + floor(128 x -255 / 256)

  // A transparent blend bitmap of our size skips its key (top-left) pixels.
  TfcBitmap k;
  k.SetSize(4, 4);
  Fill(k, clBlack);
  k.Canvas()->SetPixels(0, 0, clRed);
  k.Canvas()->SetPixels(1, 0, clRed);
  GdiFlush();
  k.SetTransparent(true);
  Fill(a, clWhite);
  a.AlphaBlend(&k, 255, false);
  EXPECT_EQ(fcPixelRGB(a.Row(0) + 3), 0xFFFFFFu);
  EXPECT_EQ(fcPixelRGB(a.Row(1)), 0u);  // 255 + floor(255 x -255 / 256)
}

TEST(fcBitmap, TransparentDrawKeepsTheBackgroundUnderTheKey) {
  TfcBitmap b;
  b.SetSize(4, 4);
  Fill(b, clLime);
  b.Canvas()->SetPixels(2, 2, clBlue);
  GdiFlush();
  b.SetTransparent(true);  // key: the top-left pixel (lime)
  TBitmap target;
  target.SetSize(6, 6);
  target.Canvas()->Brush()->SetColor(clRed);
  target.Canvas()->FillRect(TRect(0, 0, 6, 6));
  target.Canvas()->Draw(1, 1, &b);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(3, 3), clBlue);

  b.SetTransparentColor(clBlue);  // now the blue pixel is the hole
  target.Canvas()->FillRect(TRect(0, 0, 6, 6));
  target.Canvas()->Draw(1, 1, &b);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clLime);
  EXPECT_EQ(target.Canvas()->Pixels(3, 3), clRed);
}

TEST(fcBitmap, StretchAndTileDrawing) {
  TfcBitmap b;
  b.SetSize(2, 1);
  b.Canvas()->SetPixels(0, 0, clBlack);
  b.Canvas()->SetPixels(1, 0, clWhite);
  GdiFlush();
  TBitmap target;
  target.SetSize(8, 4);
  b.SetSmoothStretching(true);
  target.Canvas()->StretchDraw(TRect(0, 0, 8, 4), &b);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clBlack);
  const TColor mid = target.Canvas()->Pixels(4, 2);
  EXPECT_EQ(mid & 0xFF, 127);  // halfway: (255 x 16384) shr 15
  b.SetSmoothStretching(false);
  target.Canvas()->StretchDraw(TRect(0, 0, 8, 4), &b);
  EXPECT_EQ(target.Canvas()->Pixels(7, 3), clWhite);

  target.Canvas()->Brush()->SetColor(clRed);
  target.Canvas()->FillRect(TRect(0, 0, 8, 4));
  b.TileDraw(target.Canvas(), TRect(0, 0, 5, 2));
  EXPECT_EQ(target.Canvas()->Pixels(4, 1), clBlack);
  EXPECT_EQ(target.Canvas()->Pixels(5, 1), clWhite);  // whole tiles: the last one passes the edge
  EXPECT_EQ(target.Canvas()->Pixels(0, 2), clRed);
}
