// Paging, type-ahead, completion clearing, layout and font size rules of the
// combo boxes.
#include <gtest/gtest.h>

#include <climits>

#include "skininputs/ComboBoxRules.h"
#include "skininputs/FontSizeRules.h"

TEST(ComboPaging, MovesByTheDropDownCountAndStopsAtTheEnds) {
  EXPECT_EQ(ComboPageUpIndex(20, 8), 11);
  EXPECT_EQ(ComboPageDownIndex(0, 8, 30), 7);
  EXPECT_EQ(ComboPageUpIndex(5, 8), 0);
  EXPECT_EQ(ComboPageDownIndex(25, 8, 30), 29);
  // Nothing chosen: Page Down from -1 lands on DropDownCount - 2.
  EXPECT_EQ(ComboPageDownIndex(-1, 8, 30), 6);
}

TEST(ComboTypeAhead, KeysWithinTheIntervalJoinAndAPauseStartsAnew) {
  TComboTypeAhead t;
  EXPECT_EQ(t.Add(L"a", 10000, true), L"a");
  EXPECT_EQ(t.Add(L"b", 10499, true), L"ab");
  EXPECT_EQ(t.Add(L"c", 10998, true), L"abc");
  EXPECT_EQ(t.Add(L"d", 11498, true), L"d");  // exactly 500 ms later
  EXPECT_TRUE(TComboTypeAhead::FromCurrent(L"d"));
  EXPECT_FALSE(TComboTypeAhead::FromCurrent(L"ab"));
  // Across the tick counter's wrap the interval still counts.
  TComboTypeAhead w;
  w.Add(L"x", 0xFFFFFF00u, true);
  EXPECT_EQ(w.Add(L"y", 0x10u, true), L"xy");
}

TEST(ComboTypeAhead, WithoutAutoCompleteEveryKeyIsItsOwnSearch) {
  TComboTypeAhead t;
  EXPECT_EQ(t.Add(L"a", 1000, false), L"a");
  EXPECT_EQ(t.Add(L"b", 1001, false), L"b");
  EXPECT_EQ(t.Prefix(), L"");
}

TEST(ComboCompletion, ClearsOnlyItsOwnTailWhileExactlySelectedAfterATypedKey) {
  TComboCompletion c;
  c.Set(L"abcdef", 1, 5);
  EXPECT_TRUE(c.MayClear(true, L"abcdef", 1, 5));
  EXPECT_FALSE(c.MayClear(false, L"abcdef", 1, 5));  // Enter, Shift+arrow, Ctrl+A
  EXPECT_FALSE(c.MayClear(true, L"abcdef", 0, 6));   // the whole text selected
  EXPECT_FALSE(c.MayClear(true, L"abcdef", 1, 4));   // the selection moved
  EXPECT_FALSE(c.MayClear(true, L"abcdeg", 1, 5));   // other text
  c.Reset();
  EXPECT_FALSE(c.MayClear(true, L"abcdef", 1, 5));
  c.Set(L"abc", 3, 0);  // an exact match completes nothing
  EXPECT_FALSE(c.MayClear(true, L"abc", 3, 0));
}

TEST(ComboCompletion, DoubleByteCharsets) {
  EXPECT_TRUE(ComboDoubleByteCharset(128));
  EXPECT_TRUE(ComboDoubleByteCharset(134));
  EXPECT_TRUE(ComboDoubleByteCharset(136));
  EXPECT_FALSE(ComboDoubleByteCharset(129));
  EXPECT_FALSE(ComboDoubleByteCharset(1));
}

TEST(ComboLayout, DefaultAndSkinRects) {
  const TComboRects d = ComboDefaultRects(120, 20);
  EXPECT_EQ(d.Button, TRect(101, 2, 118, 18));
  EXPECT_EQ(d.Item, TRect(2, 2, 100, 18));
  // A 48 x 22 skin whose button lies in the right piece follows the width.
  const TRect skin(0, 0, 48, 22), cl(3, 3, 30, 19), button(32, 2, 46, 20);
  const TComboRects s = ComboSkinRects(skin, cl, 30, button, 100, 30, true);
  EXPECT_EQ(s.Button, TRect(84, 2, 98, 20));
  EXPECT_EQ(s.Item, TRect(3, 3, 82, 19));
  const TComboRects t = ComboSkinRects(skin, cl, 30, button, 100, 30, false);
  EXPECT_EQ(t.Button, TRect(84, 2, 98, 28));
  EXPECT_EQ(t.Item, TRect(3, 3, 82, 27));
  // A button left of the right piece stays where the skin has it.
  const TComboRects u = ComboSkinRects(skin, cl, 40, TRect(2, 2, 6, 20), 100, 22, true);
  EXPECT_EQ(u.Button, TRect(2, 2, 6, 20));
}

TEST(ComboLayout, ToolButtonTextAndArrowShiftWhileOpen) {
  const TComboRects closed = ComboToolButtonRects(100, 22, false);
  EXPECT_EQ(closed.Item, TRect(2, 2, 83, 20));
  EXPECT_EQ(closed.Button, TRect(85, 0, 100, 22));
  const TComboRects open = ComboToolButtonRects(100, 22, true);
  EXPECT_EQ(open.Item, TRect(4, 4, 83, 20));
  EXPECT_EQ(open.Button, TRect(87, 2, 100, 22));
}

TEST(FontSizes, TrueTypeLadderAndRasterSizes) {
  const std::vector<int> ladder{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
  EXPECT_EQ(TrueTypeSizes(), ladder);
  EXPECT_EQ(RasterPointSize(13, 3, 96), 8);   // 7.5 rounds to even
  EXPECT_EQ(RasterPointSize(16, 3, 96), 10);  // 9.75
  EXPECT_EQ(RasterPointSize(19, 3, 96), 12);
  EXPECT_EQ(RasterPointSize(11, 3, 96), 6);
  EXPECT_EQ(RasterPointSize(13, 3, 0), 0);
  std::vector<int> sizes;
  for (int s : {10, 8, 12, 10, 6, 8}) InsertSize(sizes, s);
  EXPECT_EQ(sizes, (std::vector<int>{6, 8, 10, 12}));
}

TEST(FontSizes, SizeTextNeverRaises) {
  EXPECT_EQ(SizeFromText(L"-12"), -12);
  EXPECT_EQ(SizeFromText(L"12"), 12);
  EXPECT_EQ(SizeFromText(L"0"), 0);
  for (const wchar_t* bad : {L"1-2", L"-", L"", L"12a", L"--1", L" 12", L"+5", L"99999999999"})
    EXPECT_EQ(SizeFromText(bad), 0) << "text " << String(bad).size();
  // The ends of an int are sizes; one past either end is none.
  EXPECT_EQ(SizeFromText(L"2147483647"), 2147483647);
  EXPECT_EQ(SizeFromText(L"-2147483648"), INT_MIN);
  EXPECT_EQ(SizeFromText(L"2147483648"), 0);
  EXPECT_EQ(SizeFromText(L"-2147483649"), 0);
  EXPECT_TRUE(IsSizeText(L"-0"));
  EXPECT_FALSE(IsSizeText(L"1-2"));
}
