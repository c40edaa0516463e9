// Marks, glyphs, frames, glow text and layout drawn on real bitmaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "MarkCells.h"
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

// The run-time chevron is an open V two pixels thick: unlike the default
// arrow it leaves the middle behind its tip empty.
TEST(DrawHelpers, ChevronIsAnOpenV) {
  Surface d(20, 20);
  DrawChevronInRect(d.C(), TRect(0, 0, 20, 20), clBlack, 4);  // down, centre (10, 10)
  Cells down;
  for (int k = -3; k <= 3; ++k) down.insert({10 + k, 11 - std::abs(k)}), down.insert({10 + k, 12 - std::abs(k)});
  EXPECT_EQ(d.Marked(), down);
  EXPECT_FALSE(down.count({10, 10}));
  Surface l(20, 20);
  DrawChevronInRect(l.C(), TRect(0, 0, 20, 20), clBlack, 1);  // left: the tip at the left
  EXPECT_TRUE(l.Marked().count({8, 10}));
  EXPECT_TRUE(l.Marked().count({11, 7}));
  EXPECT_FALSE(l.Marked().count({12, 10}));
  Surface none(20, 20);
  DrawChevronInRect(none.C(), TRect(0, 0, 20, 20), clBlack, 0);
  EXPECT_TRUE(none.Marked().empty());
}

TEST(DrawHelpers, CheckAndRadioMarks) {
  Surface s(12, 12);
  DrawRadioMark(s.C(), 2, 3, clBlack);
  EXPECT_EQ(s.Marked(), RadioMarkCells(2, 3));
  Surface c(12, 12);
  DrawCheckMark(c.C(), 1, 1, clBlack);
  EXPECT_EQ(c.Marked(), CheckMarkCells(1, 1));
  EXPECT_TRUE(c.Marked().count({3, 8}));   // the bend of the lowest stroke
  EXPECT_FALSE(c.Marked().count({8, 1}));  // the strokes end short of (x + 7, y + 2 - i)
  EXPECT_EQ(c.Marked().size(), 21u);
}

TEST(DrawHelpers, CaptionGlyphsLeaveTheEndPointsOut) {
  Surface s(14, 14);
  DrawCloseGlyph(s.C(), 1, 2, clBlack);  // an X of two 2-pixel strokes
  Cells x;
  AddLine(x, 2, 3, 10, 11);
  AddLine(x, 10, 3, 2, 11);
  AddLine(x, 3, 3, 11, 11);
  AddLine(x, 9, 3, 1, 11);
  EXPECT_EQ(s.Marked(), x);
  EXPECT_FALSE(x.count({10, 11}));
  Surface t(14, 14);
  DrawTriangleGlyph(t.C(), 1, 2, clBlack);  // rows of 0, 2, 4, 6, 8 pixels, the point at the top
  Cells triangle;
  for (int k = 0; k <= 4; ++k) AddLine(triangle, 6 - k, 4 + k, 6 + k, 4 + k);
  EXPECT_EQ(t.Marked(), triangle);
  EXPECT_EQ(triangle.size(), 20u);
  Surface m(14, 14);
  DrawCommandGlyph(m.C(), 0, 0, clBlack, 2, 0, false);
  EXPECT_EQ(m.Marked(), (Cells{{1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}, {7, 8}, {8, 8},
                                {1, 9}, {2, 9}, {3, 9}, {4, 9}, {5, 9}, {6, 9}, {7, 9}, {8, 9}}));
  Surface d(14, 14);
  DrawCommandGlyph(d.C(), 0, 0, clBlack, 4, 0, false);
  EXPECT_TRUE(d.Marked().empty());
  Surface q(14, 14);
  DrawSquareGlyph(q.C(), 1, 2, clBlack);
  Cells square;
  AddBox(square, 3, 4, 8, 9);
  EXPECT_EQ(q.Marked(), square);
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

// A glow is kept once made: the same call draws the same pixels, also on a
// canvas that clips it; a change of anything it is drawn from (text, font,
// rectangle, size, colour, offset) draws the new glow, never the kept one.
TEST(DrawHelpers, KeptGlowFollowsEverythingItIsDrawnFrom) {
  struct TGlowCall {
    const char* Change;
    String Text = L"Glow";
    String Font = L"Arial";
    int Height = -14, Width = 80, Size = 4, Offset = 0;
    TColor Color = clBlue;
  };
  auto draw = [](const TGlowCall& c, int SurfaceHeight = 60) {
    auto s = std::make_unique<Surface>(160, SurfaceHeight);
    s->C()->Font()->SetName(c.Font);
    s->C()->Font()->SetHeight(c.Height);
    s->C()->Font()->SetColor(clBlack);
    DrawGlowText(s->C(), TRect(30, 20, 30 + c.Width, 40), c.Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, c.Offset,
                 c.Color, c.Size);
    std::vector<TColor> pixels;
    for (int y = 0; y < s->B.Height(); ++y)
      for (int x = 0; x < s->B.Width(); ++x) pixels.push_back(s->B.Canvas()->Pixels(x, y));
    return pixels;
  };
  const TGlowCall base{"none"};
  const std::vector<TColor> first = draw(base);
  EXPECT_EQ(draw(base), first);
  TGlowCall changes[] = {{"text"}, {"font"}, {"font height"}, {"width"}, {"size"}, {"colour"}, {"offset"}};
  changes[0].Text = L"Glows";
  changes[1].Font = L"Courier New";
  changes[2].Height = -18;
  changes[3].Width = 90;
  changes[4].Size = 6;
  changes[5].Color = clRed;
  changes[6].Offset = 2;
  for (const TGlowCall& c : changes) {
    EXPECT_NE(draw(c), first) << c.Change;
    EXPECT_EQ(draw(base), first) << "after " << c.Change;
  }
  // A canvas of 30 rows cuts the glow: what it shows is the first rows of the whole.
  const std::vector<TColor> cut = draw(base, 30);
  EXPECT_TRUE(std::equal(cut.begin(), cut.end(), first.begin()));
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

namespace {

// Cells of a 1-pixel horizontal, vertical or diagonal line from (x1, y1)
// towards (x2, y2), the end point left out.
Cells LineCells(int x1, int y1, int x2, int y2) {
  Cells c;
  const int n = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
  const int sx = (x2 > x1) - (x2 < x1), sy = (y2 > y1) - (y2 < y1);
  for (int i = 0; i < n; ++i) c.insert({x1 + i * sx, y1 + i * sy});
  return c;
}

// Border cells of the rectangle outline (l, t) to (r, b), Right and Bottom excluded.
Cells OutlineCells(int l, int t, int r, int b) {
  Cells c;
  for (int x = l; x < r; ++x) c.insert({x, t}), c.insert({x, b - 1});
  for (int y = t; y < b; ++y) c.insert({l, y}), c.insert({r - 1, y});
  return c;
}

void Add(Cells& to, const Cells& from) { to.insert(from.begin(), from.end()); }

TEST(DrawHelpers, ArrowsInEveryDirection) {
  // Rect (3, 5, 17, 21): centre (10, 13).
  const TRect rect(3, 5, 17, 21);
  const int cx = 10, cy = 13;
  Cells expected[5];
  for (int i = 0; i <= 3; ++i) {
    Add(expected[1], LineCells(cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1));
    Add(expected[2], LineCells(cx + 2 - i, cy + i, cx + 2 - i, cy - i - 1));
    Add(expected[3], LineCells(cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i));
    Add(expected[4], LineCells(cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i));
  }
  for (int direction = 1; direction <= 4; ++direction) {
    Surface s(24, 28);
    DrawArrowInRect(s.C(), rect, clBlack, direction);
    EXPECT_EQ(s.Marked(), expected[direction]) << direction;
    EXPECT_EQ(s.Marked().size(), 16u) << direction;  // rows of 1, 3, 5 and 7 pixels
  }
  // The tip points the way: the 1-pixel row is on the far side.
  EXPECT_TRUE(expected[1].count({cx - 2, cy}));
  EXPECT_TRUE(expected[2].count({cx + 2, cy}));
  EXPECT_TRUE(expected[3].count({cx, cy - 2}));
  EXPECT_TRUE(expected[4].count({cx, cy + 2}));
}

TEST(DrawHelpers, CheckMarkStrokes) {
  Surface s(14, 14);
  DrawCheckMark(s.C(), 2, 3, clBlack);
  Cells expected;
  for (int i = 0; i <= 2; ++i) {
    Add(expected, LineCells(2, 3 + 5 - i, 2 + 2, 3 + 7 - i));
    Add(expected, LineCells(2 + 2, 3 + 7 - i, 2 + 7, 3 + 2 - i));
  }
  EXPECT_EQ(expected.size(), 21u);
  EXPECT_EQ(s.Marked(), expected);
}

TEST(DrawHelpers, CaptionButtonGlyphShapes) {
  const int x = 2, y = 1;
  struct Case {
    const char* name;
    void (*draw)(TCanvas*, int, int, TColor);
    Cells expected;
  };
  Cells close, sysMenu, minimize, maximize, restore, rollDown, triangle, square;
  Add(close, LineCells(x + 1, y + 1, x + 9, y + 9));
  Add(close, LineCells(x + 9, y + 1, x + 1, y + 9));
  Add(close, LineCells(x + 2, y + 1, x + 10, y + 9));
  Add(close, LineCells(x + 8, y + 1, x, y + 9));
  sysMenu = OutlineCells(x + 1, y + 3, x + 9, y + 6);
  Add(minimize, LineCells(x + 1, y + 8, x + 9, y + 8));
  Add(minimize, LineCells(x + 1, y + 9, x + 9, y + 9));
  Add(maximize, OutlineCells(x, y, x + 11, y + 10));
  Add(maximize, OutlineCells(x, y, x + 11, y + 2));
  Add(restore, OutlineCells(x + 2, y, x + 10, y + 6));
  Add(restore, OutlineCells(x + 2, y, x + 10, y + 2));
  Add(restore, OutlineCells(x, y + 4, x + 7, y + 10));
  Add(restore, OutlineCells(x, y + 4, x + 7, y + 6));
  for (int k = 0; k <= 4; ++k) {
    Add(rollDown, LineCells(x + 5 - k, y + 6 - k, x + 5 + k, y + 6 - k));
    Add(triangle, LineCells(x + 5 - k, y + 2 + k, x + 5 + k, y + 2 + k));
  }
  for (int yy = y + 2; yy < y + 7; ++yy)
    for (int xx = x + 2; xx < x + 7; ++xx) square.insert({xx, yy});
  const Case cases[] = {{"close", DrawCloseGlyph, close},          {"sysmenu", DrawSysMenuGlyph, sysMenu},
                        {"minimize", DrawMinimizeGlyph, minimize}, {"maximize", DrawMaximizeGlyph, maximize},
                        {"restore", DrawRestoreGlyph, restore},    {"rolldown", DrawRollDownGlyph, rollDown},
                        {"triangle", DrawTriangleGlyph, triangle}, {"square", DrawSquareGlyph, square}};
  for (const Case& c : cases) {
    Surface s(16, 16);
    c.draw(s.C(), x, y, clBlack);
    EXPECT_EQ(s.Marked(), c.expected) << c.name;
  }
  // The roll-up button shows the triangle, and the roll-down glyph while rolled up;
  // maximize and minimize show the restore glyph in their window states.
  const struct {
    int command, state;
    bool rolled;
    Cells expected;
  } commands[] = {{0, 0, false, close},   {1, 0, false, maximize}, {1, 2, false, restore},
                  {2, 1, false, restore}, {3, 0, false, sysMenu},  {5, 0, false, triangle},
                  {5, 0, true, rollDown}, {6, 0, false, square}};
  for (const auto& c : commands) {
    Surface s(16, 16);
    DrawCommandGlyph(s.C(), x, y, clBlack, c.command, c.state, c.rolled);
    EXPECT_EQ(s.Marked(), c.expected) << c.command << " " << c.state;
  }
}

}  // namespace

namespace {

bool Bluish(TColor c) { return c != clWhite && GetBlueOf(c) > GetRedOf(c) + 20; }

TEST(DrawHelpers, ReflectionLiesUnderTheMeasuredTextLowerByTheOffset) {
  Surface s(120, 90);
  s.C()->Font()->SetColor(clBlack);
  s.C()->Font()->SetHeight(-14);
  const TRect R(10, 10, 110, 40);
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  const int th = s.C()->TextHeight(L"Reflect");
  const int bottom = R.Top + (R.Height() - th) / 2 + th;
  const int offset = 3;
  DrawReflectedText(s.C(), R, L"Reflect", flags, offset, clBlue);
  int inBand = 0, outside = 0, black = 0;
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x) {
      const TColor c = s.B.Canvas()->Pixels(x, y);
      if (c == clBlack) ++black;
      if (!Bluish(c)) continue;
      if (y >= bottom + offset && y < bottom + offset + th && x >= R.Left && x < R.Right) ++inBand;
      else ++outside;
    }
  EXPECT_GT(black, 10);  // the text itself
  EXPECT_GT(inBand, 5);
  EXPECT_EQ(outside, 0);
}

TEST(DrawHelpers, LabelTextStartsTwoPixelsInAndIsClipped) {
  for (int offset : {0, 7}) {
    Surface s(80, 30), ref(80, 30);
    for (Surface* t : {&s, &ref}) {
      t->C()->Font()->SetColor(clBlack);
      t->C()->Font()->SetHeight(-14);
      t->C()->Brush()->SetStyle(bsClear);
    }
    const TRect R(5, 4, 40, 26);
    DrawLabelTextOffset(s.C(), L"Label text", R, offset);
    // The same text placed by hand at x = Left + 2 + offset, y = Top + half
    // the height - half the text height, cut at the rect.
    const int th = ref.C()->TextHeight(L"Label text");
    ref.C()->TextRect(R, R.Left + 2 + offset, R.Top + R.Height() / 2 - th / 2, L"Label text");
    EXPECT_EQ(s.Marked(), ref.Marked()) << offset;
    EXPECT_FALSE(s.Marked().empty());
    for (const auto& p : s.Marked()) EXPECT_TRUE(p.first >= 5 && p.first < 40 && p.second >= 4 && p.second < 26);
  }
  Surface e(20, 20);
  DrawLabelText(e.C(), L"", TRect(0, 0, 20, 20));
  DrawTextCenteredV(e.C(), L"", TRect(0, 0, 20, 20));
  EXPECT_TRUE(e.Marked().empty());
}

}  // namespace

namespace {

TEST(DrawHelpers, GlyphAndCaptionFollowTheLayout) {
  // A strip of two 10 x 8 frames: frame 2 is solid blue, its bottom-left too
  // (so the frame's transparent colour is blue and nothing of it shows) -
  // frame 1 green with a white bottom-left pixel.
  TBitmap strip;
  strip.SetSize(20, 8);
  strip.Canvas()->Brush()->SetColor(clLime);
  strip.Canvas()->FillRect(TRect(0, 0, 10, 8));
  strip.Canvas()->SetPixels(0, 7, clWhite);
  const String caption = L"Go on";
  for (int layout = 0; layout <= 3; ++layout)
    for (bool pressed : {false, true}) {
      Surface s(100, 60);
      s.C()->Font()->SetColor(clBlack);
      s.C()->Font()->SetHeight(-12);
      const TRect R(0, 0, 100, 60);
      // The caption's size as the layout measures it: in the button less the glyph.
      TRect m(0, 0, layout < 2 ? 90 : 100, layout < 2 ? 60 : 52);
      CanvasDrawText(s.C(), caption, m, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
      int gy = 0, gx = 0, ty = 0, tx = 0;
      CalcButtonLayout(layout, R, 10, gy, gx, ty, tx, -1, 4, m.Height(), m.Width(), 8);
      const int d = pressed ? 1 : 0;
      DrawGlyphAndText(s.C(), R, -1, clRed, false, pressed, 1, 2, &strip, caption, layout, 4);
      EXPECT_EQ(s.B.Canvas()->Pixels(gx + d + 1, gy + d), clLime) << layout;
      EXPECT_EQ(s.B.Canvas()->Pixels(gx + d + 9, gy + d + 7), clLime) << layout;
      EXPECT_EQ(s.B.Canvas()->Pixels(gx + d, gy + d + 7), clWhite) << layout;  // transparent
      EXPECT_NE(s.B.Canvas()->Pixels(gx + d + 10, gy + d + 3), clLime) << layout;
      const TRect text(tx + d, ty + d, tx + d + m.Width() + 2, ty + d + m.Height());
      int inText = 0;
      for (const auto& p : s.Marked()) {
        if (s.B.Canvas()->Pixels(p.first, p.second) == clLime) continue;
        const bool in = p.first >= text.Left && p.first < text.Right && p.second >= text.Top && p.second < text.Bottom;
        EXPECT_TRUE(in) << layout << " " << p.first << "," << p.second;
        inText += in;
      }
      EXPECT_GT(inText, 10) << layout;
    }
}

}  // namespace
