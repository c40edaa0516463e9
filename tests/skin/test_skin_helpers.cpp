#include <gtest/gtest.h>

#include "skin/SPUtils_geometry.h"

namespace {

enum { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

struct Layout {
  int gy = -99, gx = -99, ty = -99, tx = -99;
};

Layout Calc(int layout, int margin, int spacing, int gw, int gh, int tw, int th) {
  Layout l;
  CalcButtonLayout(layout, TRect(10, 20, 110, 60), gw, l.gy, l.gx, l.ty, l.tx, margin, spacing, th, tw, gh);
  return l;
}

TEST(SkinHelpers, ButtonLayoutWithMargin) {
  // Rect 100 x 40, centre (60, 40); glyph 16 x 12, text 30 x 10, spacing 4, margin 3.
  Layout l = Calc(GlyphLeft, 3, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.gx, 13);
  EXPECT_EQ(l.gy, 34);
  EXPECT_EQ(l.tx, 33);
  EXPECT_EQ(l.ty, 35);
  l = Calc(GlyphRight, 3, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.gx, 91);
  EXPECT_EQ(l.tx, 57);
  l = Calc(GlyphTop, 3, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.gy, 23);
  EXPECT_EQ(l.gx, 52);
  EXPECT_EQ(l.ty, 39);
  EXPECT_EQ(l.tx, 45);
  l = Calc(GlyphBottom, 3, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.gy, 45);
  EXPECT_EQ(l.ty, 31);
}

TEST(SkinHelpers, ButtonLayoutCentred) {
  // hw = (30 + 16 + 4) / 2 = 25, hh = (10 + 12 + 4) / 2 = 13
  Layout l = Calc(GlyphLeft, -1, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.gx, 35);
  EXPECT_EQ(l.tx, 55);
  l = Calc(GlyphRight, -1, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.tx, 35);
  EXPECT_EQ(l.gx, 69);
  l = Calc(GlyphTop, -1, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.gy, 27);
  EXPECT_EQ(l.ty, 43);
  l = Calc(GlyphBottom, -1, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.ty, 27);
  EXPECT_EQ(l.gy, 41);
  // Without a glyph the spacing is ignored: hw = 15.
  l = Calc(GlyphLeft, -1, 4, 0, 0, 30, 10);
  EXPECT_EQ(l.tx, 45);
  l = Calc(GlyphLeft, 3, 4, 0, 0, 30, 10);
  EXPECT_EQ(l.tx, 13);
  l = Calc(7, 3, 4, 16, 12, 30, 10);
  EXPECT_EQ(l.gx, -99);
  EXPECT_EQ(l.tx, -99);
}

TEST(SkinHelpers, RectanglesAndPoints) {
  const TRect r(1, 2, 11, 22);
  EXPECT_FALSE(RectInRect(r, r));
  EXPECT_TRUE(RectInRect(TRect(1, 2, 10, 21), r));
  EXPECT_TRUE(PointInRect(r, TPoint(11, 22)));
  EXPECT_TRUE(PointInRect(TPoint(1, 2), r));
  EXPECT_FALSE(PointInRect(r, TPoint(12, 5)));
  EXPECT_TRUE(IsNullPoint(TPoint(0, 7)));
  EXPECT_FALSE(IsNullPoint(TPoint(3, 7)));
  EXPECT_TRUE(IsNullRect(TRect(5, 5, 9, 5)));
  EXPECT_TRUE(IsNullRect(NullRect()));
  TRect c(0, 0, 5, 4);
  RectToCenter(c, TRect(10, 10, 20, 19));
  EXPECT_EQ(c, TRect(12, 12, 17, 16));
  EXPECT_EQ(IntMax(-3, 2), 2);
  EXPECT_EQ(IntMin(-3, 2), -3);
}

TEST(SkinHelpers, WindowsVersions) {
  EXPECT_FALSE(VersionIsXPOrLater(5, 2));
  EXPECT_TRUE(VersionIsXPOrLater(5, 1));
  EXPECT_TRUE(VersionIsXPOrLater(6, 0));
  EXPECT_FALSE(VersionIsXPOrLater(5, 0));
  EXPECT_TRUE(Version2000OrLater(5, 2));
  EXPECT_FALSE(Version2000OrLater(4, 10));
  EXPECT_TRUE(VersionIsVistaOrLater(6, 0));
  EXPECT_FALSE(VersionIsVistaOrLater(5, 1));
}

TEST(SkinHelpers, EllipsisRemovesWholeCharacters) {
  auto width = [](const String& s) { return static_cast<int>(s.size()) * 5; };
  String t = L"Hello";
  FitTextWithEllipsis(t, 0, width);
  EXPECT_EQ(t, L"...");
  t = L"Hello";
  FitTextWithEllipsis(t, 25, width);
  EXPECT_EQ(t, L"Hello");
  t = L"Hello world";
  FitTextWithEllipsis(t, 40, width);
  EXPECT_EQ(t, L"Hello...");
  // A surrogate pair goes as one character.
  String pair = L"ab";
  pair += static_cast<wchar_t>(0xD83D);
  pair += static_cast<wchar_t>(0xDE00);
  pair += L"cd";
  FitTextWithEllipsis(pair, 26, width);  // "ab" + pair + "..." is 7 units = 35, too wide
  EXPECT_EQ(pair, L"ab...");
  // A text at the reader's limit is measured a few dozen times, never once a
  // character, and beyond its first measure only about as far as what shows.
  int measures = 0;
  size_t measured = 0;
  auto counted = [&](const String& s) {
    ++measures;
    measured += s.size();
    return width(s);
  };
  String huge(65536, L'x');
  FitTextWithEllipsis(huge, 200, counted);
  EXPECT_EQ(huge, String(37, L'x') + L"...");
  EXPECT_LE(measures, 20);
  EXPECT_LE(measured, 65536u + 1000);
}

TEST(SkinHelpers, DottedFocusRectRunsOnAroundCorners) {
  // Shrunk rect 3 x 2 (odd width): the first pixel is drawn.
  EXPECT_EQ(DottedFocusRectPoints(TRect(0, 0, 4, 3)),
            (std::vector<TPoint>{TPoint(0, 0), TPoint(2, 0), TPoint(3, 1), TPoint(2, 2), TPoint(0, 2)}));
  // Shrunk rect 2 x 2 (both even): the first pixel is skipped.
  const auto even = DottedFocusRectPoints(TRect(5, 5, 8, 8));
  ASSERT_EQ(even.size(), 4u);
  EXPECT_EQ(even[0], TPoint(6, 5));
  EXPECT_TRUE(DottedFocusRectPoints(TRect(5, 5, 4, 8)).empty());
}

TEST(SkinHelpers, CalendarAndLeapYears) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2004, 2), 29);
  EXPECT_EQ(DaysInMonth(2003, 2), 28);
  EXPECT_EQ(DaysInMonth(2003, 12), 31);
  EXPECT_EQ(DaysInMonth(2003, 13), 0);
  // 36526 is 1 January 2000; 2 is 1 January 1900; 0 is 30 December 1899.
  EXPECT_EQ(YearOfDate(36526.75), 2000);
  EXPECT_EQ(MonthOfDate(36526.75), 1);
  EXPECT_EQ(DayOfDate(36526.75), 1);
  EXPECT_EQ(DayOfDate(2), 1);
  EXPECT_EQ(MonthOfDate(0), 12);
  EXPECT_EQ(DayOfDate(0), 30);
  EXPECT_EQ(YearOfDate(0), 1899);
  EXPECT_EQ(DayOfDate(36526 + 59), 29);  // 29 February 2000
  EXPECT_EQ(MonthOfDate(36526 + 59), 2);
}

}  // namespace
