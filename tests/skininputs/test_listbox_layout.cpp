// The skinned list box's geometry rules: rows to height, list and bar
// places with and without a skin, caption pieces, tab stops, stepping.
#include <gtest/gtest.h>

#include "skininputs/ListBoxLayout.h"

namespace {

TEST(ListBoxLayout, RowsGiveTheHeightAndAZeroItemHeightCountsAsOne) {
  EXPECT_EQ(ListBoxRowsHeight(false, TRect(), TRect(), 5, 20, 0, 0), 104);
  EXPECT_EQ(ListBoxRowsHeight(false, TRect(), TRect(), 5, 20, 20, 0), 124);
  EXPECT_EQ(ListBoxRowsHeight(false, TRect(), TRect(), 5, 20, 0, 19), 123);
  // Skin 48 x 40 around a client 30 high: a 10-pixel frame.
  EXPECT_EQ(ListBoxRowsHeight(true, TRect(0, 0, 48, 40), TRect(2, 5, 46, 35), 3, 12, 20, 0), 46);
  EXPECT_EQ(ListBoxRowsHeight(false, TRect(), TRect(), 4, 0, 0, 0), 8);
  EXPECT_EQ(ListBoxItemHeight(0), 1);
  EXPECT_EQ(ListBoxItemHeight(-3), 1);
  EXPECT_EQ(ListBoxItemHeight(17), 17);
}

TEST(ListBoxLayout, DefaultLookPlacesListAndBars) {
  TspListBoxLayoutInput in;
  in.Width = 120;
  in.Height = 104;
  EXPECT_EQ(CalcListBoxLayout(in).List, TRect(2, 2, 118, 102));
  in.CaptionHeight = 20;
  in.VBar = true;
  TspListBoxLayout l = CalcListBoxLayout(in);
  EXPECT_EQ(l.VBar, TRect(100, 20, 119, 103));
  EXPECT_EQ(l.List, TRect(2, 21, 100, 102));
  in.HBar = true;  // the horizontal bar takes its height less one from both
  l = CalcListBoxLayout(in);
  EXPECT_EQ(l.HBar, TRect(1, 84, 119, 103));
  EXPECT_EQ(l.VBar, TRect(100, 20, 119, 85));
  EXPECT_EQ(l.List, TRect(2, 21, 100, 84));
  in.VBar = false;  // alone it still keeps the list's last row clear
  EXPECT_EQ(CalcListBoxLayout(in).List, TRect(2, 21, 118, 84));
  in.Columns = 2;  // columns scroll along the bottom; no horizontal bar
  in.VBar = true;
  l = CalcListBoxLayout(in);
  EXPECT_EQ(l.VBar, TRect(1, 84, 119, 103));
  EXPECT_EQ(l.List, TRect(2, 21, 118, 84));
  EXPECT_TRUE(l.HBar.IsEmpty());
}

TEST(ListBoxLayout, SkinnedLookUsesTheMovedClientAndTheBarsOwnSizes) {
  const TRect client = ListBoxSkinClient(TRect(3, 20, 45, 40), TRect(0, 0, 48, 44), 148, 144);
  EXPECT_EQ(client, TRect(3, 20, 145, 140));
  TspListBoxLayoutInput in;
  in.Width = 148;
  in.Height = 144;
  in.Skinned = true;
  in.SkinClient = client;
  in.VBar = in.HBar = true;
  in.VBarSize = 16;
  in.HBarSize = 15;
  TspListBoxLayout l = CalcListBoxLayout(in);
  EXPECT_EQ(l.HBar, TRect(3, 125, 145, 140));
  EXPECT_EQ(l.VBar, TRect(129, 20, 145, 125));
  EXPECT_EQ(l.List, TRect(3, 20, 129, 125));
  in.Columns = 3;
  l = CalcListBoxLayout(in);
  EXPECT_EQ(l.VBar, TRect(3, 124, 145, 140));
  EXPECT_EQ(l.List, TRect(3, 20, 145, 124));
}

TEST(ListBoxLayout, CaptionPieces) {
  TRect b[3];
  DefaultCaptionButtons(120, 20, b);
  EXPECT_EQ(b[0], TRect(101, 2, 118, 18));
  EXPECT_EQ(b[1], TRect(84, 2, 101, 18));
  EXPECT_EQ(b[2], TRect(67, 2, 84, 18));
  DefaultCaptionButtons(120, 15, b);  // a low caption makes them smaller
  EXPECT_EQ(b[0], TRect(106, 2, 118, 13));
  DefaultCaptionButtons(120, 30, b);  // a tall caption keeps them at 17
  EXPECT_EQ(b[0], TRect(101, 2, 118, 18));
  // Skin pieces: a button in the top-right corner follows the right edge,
  // one in the bottom-right corner both edges, one below on the left the bottom.
  const TPoint lt(4, 20), rt(40, 20), rb(40, 40);
  EXPECT_EQ(MoveListBoxPiece(TRect(42, 2, 46, 6), lt, rt, rb, 100, 50), TRect(142, 2, 146, 6));
  EXPECT_EQ(MoveListBoxPiece(TRect(10, 2, 16, 6), lt, rt, rb, 100, 50), TRect(10, 2, 16, 6));
  EXPECT_EQ(MoveListBoxPiece(TRect(42, 41, 46, 44), lt, rt, rb, 100, 50), TRect(142, 91, 146, 94));
  EXPECT_EQ(MoveListBoxPiece(TRect(5, 41, 9, 44), lt, rt, rb, 100, 50), TRect(5, 91, 9, 94));
  EXPECT_TRUE(MoveListBoxPiece(TRect(), lt, rt, rb, 100, 50).IsEmpty());
  const TRect r(10, 0, 110, 20);
  EXPECT_EQ(ListBoxCaptionX(taLeftJustify, r, 40, false), 10);
  EXPECT_EQ(ListBoxCaptionX(taRightJustify, r, 40, false), 70);
  EXPECT_EQ(ListBoxCaptionX(taCenter, r, 40, false), 40);
  EXPECT_EQ(ListBoxCaptionX(taLeftJustify, r, 40, true), 12);
  EXPECT_EQ(ListBoxCaptionX(taRightJustify, r, 40, true), 68);
  EXPECT_EQ(ListBoxCaptionX(taCenter, r, 40, true), 42);
}

TEST(ListBoxLayout, TabStopsTakeDigitsOnlyAndTenAtMost) {
  EXPECT_EQ(ListBoxTabStops({L"40", L"8x", L"", L"120"}), (std::vector<int>{40, 0, 0, 120}));
  std::vector<String> many(12, L"5");
  many[10] = L"77";
  EXPECT_EQ(ListBoxTabStops(many).size(), 10u);
  EXPECT_EQ(ListBoxTabStops({L"-5", L" 6", L"99999999999999"}), (std::vector<int>{0, 0, 1000000}));
}

TEST(ListBoxLayout, StepsStopAtTheEndsAndBarsFollowTheRange) {
  EXPECT_EQ(StepListIndex(0, 5, -1), 0);
  EXPECT_EQ(StepListIndex(3, 5, -1), 2);
  EXPECT_EQ(StepListIndex(4, 5, 1), 4);
  EXPECT_EQ(StepListIndex(-1, 5, 1), 0);
  EXPECT_EQ(StepListIndex(-1, 0, 1), -1);
  // Twenty rows, five showing: a bar; all showing: none.
  EXPECT_TRUE(ListNeedsVBar(0, 19, 0, 5, 20));
  EXPECT_FALSE(ListNeedsVBar(0, 19, 0, 20, 20));
  EXPECT_FALSE(ListNeedsVBar(0, 0, 0, 5, 1));
  EXPECT_FALSE(ListNeedsVBar(0, 19, 20, 5, 20));
  EXPECT_TRUE(ListNeedsColumnBar(0, 4, 0, 2, 5, 23));
  EXPECT_FALSE(ListNeedsColumnBar(0, 4, 0, 2, 12, 23));
  EXPECT_FALSE(ListNeedsColumnBar(0, 1, 0, 2, 5, 23));
  EXPECT_FALSE(ListNeedsColumnBar(0, 4, 0, 2, 5, 10));  // exactly filled
}

}  // namespace
