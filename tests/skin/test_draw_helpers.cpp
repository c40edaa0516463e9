// Marks, glyphs, frames, glow text and layout drawn on real bitmaps.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "skin/SPUtils.h"

namespace {

struct Surface {
  TBitmap B;
  Surface(int w, int h) {
    B.SetSize(w, h);
    B.Canvas()->Brush()->SetColor(clWhite);
    B.Canvas()->FillRect(TRect(0, 0, w, h));
  }
  TCanvas* C() { return B.Canvas(); }
  // The pixels that are not white, as "x,y" pairs.
  std::set<std::pair<int, int>> Marked() {
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < B.Height(); ++y)
      for (int x = 0; x < B.Width(); ++x)
        if (B.Canvas()->Pixels(x, y) != clWhite) s.insert({x, y});
    return s;
  }
};

using Cells = std::set<std::pair<int, int>>;

TEST(DrawHelpers, ArrowsAndDropDownArrow) {
  Surface s(20, 20);
  DrawArrowInRect(s.C(), TRect(0, 0, 20, 20), clBlack, 5);
  EXPECT_TRUE(s.Marked().empty());
  DrawArrowInRect(s.C(), TRect(0, 0, 20, 20), clBlack, 4);  // down, centre (10, 10)
  Cells down;
  for (int i = 0; i <= 3; ++i)
    for (int x = 10 - i; x <= 10 + i; ++x) down.insert({x, 12 - i});
  EXPECT_EQ(s.Marked(), down);

  Surface r(20, 20);
  DrawArrowInRect(r.C(), TRect(0, 0, 20, 20), clBlack, 2);  // right: columns from cy + i up to cy - i
  Cells right;
  for (int i = 0; i <= 3; ++i)
    for (int y = 10 - i; y <= 10 + i; ++y) right.insert({12 - i, y});
  EXPECT_EQ(r.Marked(), right);

  Surface d(11, 11);
  DrawDropDownArrow(d.C(), TRect(0, 0, 11, 11), clBlack);  // cx 5, cy 7
  EXPECT_EQ(d.Marked(), (Cells{{3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {4, 6}, {5, 6}, {6, 6}, {5, 7}}));
}

TEST(DrawHelpers, CheckAndRadioMarks) {
  Surface s(12, 12);
  DrawRadioMark(s.C(), 2, 3, clBlack);
  EXPECT_EQ(s.Marked().size(), 36u);
  Surface c(12, 12);
  DrawCheckMark(c.C(), 1, 1, clBlack);
  const Cells m = c.Marked();
  EXPECT_TRUE(m.count({1, 6}));  // first stroke starts at (x, y + 5)
  EXPECT_TRUE(m.count({3, 8}));  // the bend of the lowest stroke
  EXPECT_FALSE(m.count({8, 1})); // the strokes end short of (x + 7, y + 2 - i)
}

TEST(DrawHelpers, CaptionGlyphsLeaveTheEndPointsOut) {
  Surface s(14, 14);
  DrawCloseGlyph(s.C(), 0, 0, clBlack);
  const Cells x = s.Marked();
  EXPECT_TRUE(x.count({1, 1}));
  EXPECT_TRUE(x.count({8, 8}));
  EXPECT_FALSE(x.count({9, 9}));
  EXPECT_TRUE(x.count({2, 1}));
  Surface t(14, 14);
  DrawTriangleGlyph(t.C(), 0, 0, clBlack);  // rows of 0, 2, 4, 6, 8 pixels
  EXPECT_EQ(t.Marked().size(), 20u);
  EXPECT_FALSE(t.Marked().count({5, 2}));
  Surface m(14, 14);
  DrawCommandGlyph(m.C(), 0, 0, clBlack, 2, 0, false);
  EXPECT_EQ(m.Marked(), (Cells{{1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}, {7, 8}, {8, 8},
                                {1, 9}, {2, 9}, {3, 9}, {4, 9}, {5, 9}, {6, 9}, {7, 9}, {8, 9}}));
  Surface d(14, 14);
  DrawCommandGlyph(d.C(), 0, 0, clBlack, 4, 0, false);
  EXPECT_TRUE(d.Marked().empty());
  Surface q(14, 14);
  DrawSquareGlyph(q.C(), 0, 0, clBlack);
  EXPECT_EQ(q.Marked().size(), 25u);
}

TEST(DrawHelpers, DottedFocusRectUsesTheFontColour) {
  Surface s(6, 6);
  s.C()->Font()->SetColor(clRed);
  DrawDottedFocusRect(s.C(), TRect(0, 0, 4, 3));
  EXPECT_EQ(s.Marked(), (Cells{{0, 0}, {2, 0}, {3, 1}, {2, 2}, {0, 2}}));
  EXPECT_EQ(s.B.Canvas()->Pixels(0, 0), clRed);
}

TEST(DrawHelpers, BitmapFrameTakesOneFrameOfTheStrip) {
  TBitmap strip;
  strip.SetSize(64, 4);
  for (int x = 0; x < 64; ++x)
    for (int y = 0; y < 4; ++y) strip.Canvas()->SetPixels(x, y, MakeColor(static_cast<uint8_t>(x), 1, 2));
  strip.Canvas()->SetPixels(0, 3, clWhite);  // frame 1's bottom-left pixel: its transparent colour
  strip.Canvas()->SetPixels(16, 3, clWhite);
  Surface s(40, 6);
  s.C()->Brush()->SetColor(clBlack);
  s.C()->FillRect(TRect(0, 0, 40, 6));
  DrawBitmapFrame(s.C(), 2, 1, &strip, 4, 1);
  EXPECT_EQ(s.B.Canvas()->Pixels(2, 1), MakeColor(0, 1, 2));
  EXPECT_EQ(s.B.Canvas()->Pixels(17, 1), MakeColor(15, 1, 2));
  EXPECT_EQ(s.B.Canvas()->Pixels(18, 1), clBlack);
  EXPECT_EQ(s.B.Canvas()->Pixels(2, 4), clBlack);  // transparent
  DrawBitmapFrame(s.C(), 20, 1, 2, 4, &strip);     // index first, as the input controls call it
  EXPECT_EQ(s.B.Canvas()->Pixels(20, 1), MakeColor(16, 1, 2));
  Surface z(4, 4);
  DrawBitmapFrame(z.C(), 0, 0, &strip, 0, 1);
  EXPECT_TRUE(z.Marked().empty());
}

TEST(DrawHelpers, EllipsisOnACanvas) {
  Surface s(10, 10);
  String t = L"Some caption";
  FitTextWithEllipsis(s.C(), t, 0);
  EXPECT_EQ(t, L"...");
  t = L"Some caption";
  const int full = s.C()->TextWidth(t);
  FitTextWithEllipsis(s.C(), t, full);
  EXPECT_EQ(t, L"Some caption");
  FitWideTextWithEllipsis(s.C(), t, full - 1);
  ASSERT_GE(t.size(), 3u);
  EXPECT_EQ(t.substr(t.size() - 3), L"...");
  EXPECT_LE(WideTextWidth(s.C(), t), full - 1);
}

TEST(DrawHelpers, GlowTextColoursAroundTheText) {
  Surface s(120, 40);
  s.C()->Font()->SetColor(clBlack);
  s.C()->Font()->SetHeight(-14);
  DrawGlowText(s.C(), TRect(20, 10, 100, 30), L"Glow", DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, clBlue, 4);
  int tinted = 0, black = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const TColor c = s.B.Canvas()->Pixels(x, y);
      if (c == clBlack) ++black;
      else if (c != clWhite && GetBlueOf(c) > GetRedOf(c)) ++tinted;
    }
  EXPECT_GT(black, 10);
  EXPECT_GT(tinted, 20);
  EXPECT_EQ(s.B.Canvas()->Pixels(0, 0), clWhite);  // beyond the glow
}

TEST(DrawHelpers, GlyphAndTextWithBarWithoutGlyph) {
  Surface s(60, 30);
  DrawGlyphAndText(s.C(), TRect(0, 0, 60, 30), -1, clRed, true, false, 1, 1, nullptr, L"", 0, 4);
  // No glyph and no caption: a bar from (4, 4) to (58, 26).
  EXPECT_EQ(s.B.Canvas()->Pixels(4, 4), clRed);
  EXPECT_EQ(s.B.Canvas()->Pixels(57, 25), clRed);
  EXPECT_EQ(s.B.Canvas()->Pixels(58, 26), clWhite);
  EXPECT_EQ(s.B.Canvas()->Pixels(3, 4), clWhite);
}

TEST(DrawHelpers, GlyphGlowSurroundsTheGlyphFrame) {
  // Two frames of 10 x 10: a white background with a black square inside.
  TBitmap strip;
  strip.SetSize(20, 10);
  strip.Canvas()->Brush()->SetColor(clWhite);
  strip.Canvas()->FillRect(TRect(0, 0, 20, 10));
  strip.Canvas()->Brush()->SetColor(clBlack);
  strip.Canvas()->FillRect(TRect(12, 2, 18, 8));  // frame 2 only
  Surface s(40, 40);
  DrawGlyphAndTextGlow(s.C(), TRect(0, 0, 40, 40), -1, clRed, false, false, 2, 2, &strip, L"", 0, 0, 3, clBlue);
  // The glyph sits at (15, 15); its square covers (17..23, 17..23).
  EXPECT_EQ(s.B.Canvas()->Pixels(20, 20), clBlack);
  // Two pixels off the square the frame's background is transparent: the glow shows.
  for (int x : {14, 15}) {
    const TColor glow = s.B.Canvas()->Pixels(x, 20);
    EXPECT_GT(GetBlueOf(glow), GetRedOf(glow)) << x;
  }
  EXPECT_EQ(s.B.Canvas()->Pixels(2, 2), clWhite);
}

TEST(DrawHelpers, ImageListGlyphPlacedPressedAndBarred) {
  // An 8 x 6 glyph: white with a blue inside, so that its top-left pixel is
  // the background of its glow silhouette.
  TImageList images(nullptr, 8, 6);
  TBitmap glyph;
  glyph.SetSize(8, 6);
  glyph.Canvas()->Brush()->SetColor(clWhite);
  glyph.Canvas()->FillRect(TRect(0, 0, 8, 6));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(TRect(1, 1, 7, 5));
  ASSERT_EQ(images.Add(&glyph, nullptr), 0);
  Surface s(40, 20);
  // Centred, no caption: hw = (8 + 4) div 2, glyph at (20 - 6, 10 - 3), one
  // pixel further when pressed.
  DrawImageAndText(s.C(), TRect(0, 0, 40, 20), -1, clRed, true, true, true, &images, 0, L"", 0, 4);
  EXPECT_EQ(s.B.Canvas()->Pixels(16, 9), clBlue);
  EXPECT_EQ(s.B.Canvas()->Pixels(15, 9), clWhite);
  EXPECT_EQ(s.B.Canvas()->Pixels(16, 11), clBlue);
  // The bar: three lines across the glyph at rows 12, 13 and 14.
  EXPECT_EQ(s.B.Canvas()->Pixels(16, 12), clRed);
  EXPECT_EQ(s.B.Canvas()->Pixels(15, 14), clRed);
  EXPECT_EQ(s.B.Canvas()->Pixels(22, 14), clRed);
  EXPECT_EQ(s.B.Canvas()->Pixels(23, 14), clWhite);
  Surface none(40, 20);
  DrawImageAndText(none.C(), TRect(0, 0, 40, 20), -1, clRed, false, true, false, &images, 3, L"", 0, 4);
  EXPECT_TRUE(none.Marked().empty());  // index beyond the list: no glyph

  Surface g(40, 20);
  DrawImageAndTextGlow(g.C(), TRect(0, 0, 40, 20), -1, clRed, false, true, false, &images, 0, L"", 0, 4, 3, clLime);
  EXPECT_EQ(g.B.Canvas()->Pixels(15, 8), clBlue);
  for (int x : {12, 13}) {
    const TColor around = g.B.Canvas()->Pixels(x, 9);
    EXPECT_GT(GetGreenOf(around), GetRedOf(around)) << x;
  }
  EXPECT_EQ(g.B.Canvas()->Pixels(2, 2), clWhite);
}

TEST(DrawHelpers, ScreenAndMonitorRects) {
  TRect work, monitor;
  GetScreenRect(true, work);
  GetMonitorRect(nullptr, true, monitor);
  EXPECT_EQ(monitor, work);
  GetMonitorRect(nullptr, false, monitor);
  EXPECT_EQ(monitor, TRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
}

TEST(DrawHelpers, OptionalFunctionsAreBound) {
  EXPECT_TRUE(Platform().IsNT);
  EXPECT_NE(Platform().UpdateLayeredWindow, nullptr);
  EXPECT_EQ(IsMsimg32Loaded(), IsWindows2000OrLater());
}

}  // namespace
