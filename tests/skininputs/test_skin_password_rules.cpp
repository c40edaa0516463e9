// The password field's selection model, word starts and symbol-row geometry,
// the tray icon's index and tip rules, and the track edit's placement.
#include <gtest/gtest.h>

#include "skininputs/SkinPasswordEditRules.h"
#include "skininputs/SkinTrackEditRules.h"
#include "skininputs/SkinTrayIconRules.h"

namespace {

// A field of 121 x 21 without a skin: text rectangle (2, 2, 119, 19), cells 11 wide.
TPasswordRow Row(int Alignment = 0) {
  TPasswordRow r;
  r.TextLeft = 2;
  r.TextWidth = 117;
  r.SymbolWidth = PasswordSymbolWidth(17);
  r.Alignment = Alignment;
  return r;
}

TEST(PasswordRules, WordStartsSkipBlanksThenTheWord) {
  const String t = L"one two  three";
  EXPECT_EQ(NextWordStart(t, 0), 4);
  EXPECT_EQ(NextWordStart(t, 4), 9);
  // From the last word the next start is the end of the text.
  EXPECT_EQ(NextWordStart(t, 9), 14);
  EXPECT_EQ(NextWordStart(L"hello", 0), 5);
  EXPECT_EQ(PrevWordStart(t, 14), 9);
  EXPECT_EQ(PrevWordStart(t, 9), 4);
  EXPECT_EQ(PrevWordStart(t, 6), 4);
  EXPECT_EQ(PrevWordStart(t, 4), 0);
  EXPECT_EQ(PrevWordStart(L"", 0), 0);
  EXPECT_EQ(NextWordStart(L"", 0), 0);
}

TEST(PasswordRules, ShiftArrowsKeepTheFarEndOfTheSelection) {
  TPasswordState s;
  s.Text = L"abcdef";
  s.PlaceCaret(3);
  s.Caret = 2;
  s.ExtendSelection(3, true);
  s.Caret = 1;
  s.ExtendSelection(2, true);
  EXPECT_EQ(s.SelStart(), 1);
  EXPECT_EQ(s.SelCount(), 2);
  s.Caret = 2;
  s.ExtendSelection(1, true);
  EXPECT_EQ(s.SelStart(), 2);
  EXPECT_EQ(s.SelCount(), 1);
  // Past the far end the selection turns round it.
  s.Caret = 5;
  s.ExtendSelection(2, true);
  EXPECT_EQ(s.SelStart(), 3);
  EXPECT_EQ(s.SelCount(), 2);
  s.Caret = 4;
  s.ExtendSelection(5, false);
  EXPECT_EQ(s.SelCount(), 0);
  EXPECT_EQ(s.SelStart(), 4);
}

TEST(PasswordRules, SelectAllThenShiftLeftShrinksFromTheEnd) {
  TPasswordState s;
  s.Text = L"abcd";
  s.SelectAll();
  EXPECT_EQ(s.Caret, 4);
  s.Caret = 3;
  s.ExtendSelection(4, true);
  EXPECT_EQ(s.SelStart(), 0);
  EXPECT_EQ(s.SelCount(), 3);
}

TEST(PasswordRules, InsertReplacesTheSelectionWithinMaxLength) {
  TPasswordState s;
  s.Text = L"abcdef";
  s.Select(1, 3);
  EXPECT_TRUE(s.Insert(L"XY", 16));
  EXPECT_EQ(s.Text, L"aXYef");
  EXPECT_EQ(s.Caret, 3);
  EXPECT_EQ(s.SelCount(), 0);
  s.Text = String(16, L'x');
  s.PlaceCaret(16);
  EXPECT_FALSE(s.Insert(L"y", 16));
  EXPECT_EQ(s.Text, String(16, L'x'));
  // A limit of one character is a limit.
  TPasswordState one;
  EXPECT_FALSE(one.Insert(L"ab", 1));
  EXPECT_TRUE(one.Insert(L"a", 1));
  EXPECT_EQ(one.Text, L"a");
  // Replacing a selection may stay within the limit.
  s.Select(0, 2);
  EXPECT_TRUE(s.Insert(L"yy", 16));
  EXPECT_EQ(s.Text.size(), 16u);
}

TEST(PasswordRules, DeletingTheSelectionLeavesNothingSelected) {
  TPasswordState s;
  s.Text = L"abcdef";
  s.Select(1, 3);
  s.DeleteSelection();
  EXPECT_EQ(s.Text, L"aef");
  EXPECT_EQ(s.Caret, 1);
  EXPECT_EQ(s.Anchor, 1);
  EXPECT_EQ(s.SelCount(), 0);
  EXPECT_EQ(s.SelStart(), 1);
}

TEST(PasswordRules, DeletingBeforeAndAfterTheCaret) {
  TPasswordState s;
  s.Text = L"abc";
  s.PlaceCaret(0);
  s.DeleteBefore();
  EXPECT_EQ(s.Text, L"abc");
  s.PlaceCaret(2);
  s.DeleteBefore();
  EXPECT_EQ(s.Text, L"ac");
  EXPECT_EQ(s.Caret, 1);
  s.DeleteAfter();
  EXPECT_EQ(s.Text, L"a");
  s.DeleteAfter();
  EXPECT_EQ(s.Text, L"a");
  // Delete in the middle takes the character after the caret, which stays.
  s.Text = L"abcd";
  s.PlaceCaret(1);
  s.DeleteAfter();
  EXPECT_EQ(s.Text, L"acd");
  EXPECT_EQ(s.Caret, 1);
}

TEST(PasswordRules, MovingTheCaretKeepsASelectionAndRegainingFocusKeepsTheRow) {
  TPasswordState s;
  s.Text = L"abcdef";
  s.Select(1, 2);
  // The field places the caret where it already is when it gets the focus back.
  s.PlaceCaret(s.Caret);
  EXPECT_EQ(s.SelStart(), 1);
  EXPECT_EQ(s.SelCount(), 2);
  s.PlaceCaret(0);
  EXPECT_EQ(s.Caret, 0);
  EXPECT_EQ(s.SelStart(), 1);
  EXPECT_EQ(s.SelCount(), 2);
  // Without a selection the anchor follows the caret.
  s.Select(4, 0);
  s.PlaceCaret(2);
  EXPECT_EQ(s.Anchor, 2);
  EXPECT_EQ(s.SelStart(), 2);
  EXPECT_EQ(s.SelCount(), 0);
}

TEST(PasswordRules, ShorterTextPullsCaretAnchorAndSelectionIn) {
  TPasswordState s;
  s.Text = L"abcdefgh";
  s.Select(3, 5);
  s.FirstVisible = 6;
  s.Text = L"ab";
  s.ClampToText();
  EXPECT_EQ(s.Caret, 2);
  EXPECT_LE(s.Anchor, 2);
  EXPECT_LE(s.SelStart() + s.SelCount(), 2);
  EXPECT_EQ(s.FirstVisible, 2);
  // A later edit works on the new text rather than past its end.
  EXPECT_TRUE(s.Insert(L"z", 0));
  EXPECT_EQ(s.Text, L"abz");
  s.Text.clear();
  s.ClampToText();
  EXPECT_EQ(s.Caret, 0);
  EXPECT_EQ(s.SelCount(), 0);
  EXPECT_EQ(s.FirstVisible, 1);
}

TEST(PasswordRules, CaretPositionsAndAlignment) {
  const TPasswordRow r = Row();
  EXPECT_EQ(r.SymbolWidth, 11);
  EXPECT_EQ(r.CaretX(0, 3, 1), 2);
  EXPECT_EQ(r.CaretX(3, 3, 1), 35);
  EXPECT_EQ(r.CaretX(1, 3, 1), 13);
  EXPECT_EQ(r.CaretX(9, 3, 1), 35);  // limited to the text
  EXPECT_EQ(r.PosFromX(24, 3, 1), 2);
  EXPECT_EQ(r.PosFromX(200, 3, 1), 3);
  EXPECT_EQ(r.PosFromX(40, 0, 1), 0);
  // Centred: three symbols in 117 pixels leave 84, half of it before them.
  const TPasswordRow c = Row(2);
  EXPECT_EQ(c.CaretX(0, 3, 1), 44);
  EXPECT_EQ(c.PosFromX(10, 3, 1), 0);
  EXPECT_EQ(c.PosFromX(44 + 11, 3, 1), 1);
  const TPasswordRow right = Row(1);
  EXPECT_EQ(right.CaretX(3, 3, 1), 2 + 84 + 33);
}

TEST(PasswordRules, ALongPasswordScrollsTheCaretIntoView) {
  const TPasswordRow r = Row();
  const int first = r.Scroll(20, 20, 1);
  EXPECT_EQ(first, 11);
  EXPECT_LE(r.CaretX(20, 20, first), 2 + 117);
  // Back to the start the row scrolls back.
  EXPECT_EQ(r.Scroll(0, 20, first), 1);
  EXPECT_EQ(r.Scroll(5, 20, first), 5);
  // Within the row nothing moves.
  EXPECT_EQ(r.Scroll(8, 20, 1), 1);
  // Scrolled by ten: the caret is counted from the first symbol shown, and a
  // caret left of that symbol sits at the row's start.
  EXPECT_EQ(r.CaretX(20, 20, 11), 2 + 10 * 11);
  EXPECT_EQ(r.CaretX(15, 20, 11), 2 + 5 * 11);
  EXPECT_EQ(r.CaretX(0, 20, 11), 2);
  EXPECT_EQ(r.PosFromX(2 + 5 * 11, 20, 11), 15);
  // Focus back with the caret where it was: the row stays.
  EXPECT_EQ(r.Scroll(20, 20, 11), 11);
  EXPECT_EQ(r.Scroll(11, 20, 11), 11);
  // One step left of the first symbol shown brings that symbol into view.
  EXPECT_EQ(r.Scroll(10, 20, 11), 10);
}

TEST(PasswordRules, SymbolSquareAndTriangle) {
  const TRect sq = PasswordSymbolRect(TRect(2, 2, 13, 19));
  EXPECT_EQ(sq, TRect(4, 7, 11, 14));
  TPoint p[3];
  PasswordTriangle(sq, p);
  EXPECT_EQ(p[0], TPoint(8, 7));
  EXPECT_EQ(p[1], TPoint(11, 14));
  EXPECT_EQ(p[2], TPoint(4, 14));
  // An even width grows by one to give the apex a middle.
  PasswordTriangle(TRect(0, 0, 6, 6), p);
  EXPECT_EQ(p[1].X - p[2].X, 7);
}

TEST(TrayIconRules, IndexStaysInsideTheList) {
  EXPECT_EQ(TrayIconIndex(5, 3), 2);
  EXPECT_EQ(TrayIconIndex(3, 3), 2);
  EXPECT_EQ(TrayIconIndex(-4, 3), 0);
  EXPECT_EQ(TrayIconIndex(2, 0), 0);
  EXPECT_EQ(TrayIconIndex(1, 3), 1);
}

TEST(TrayIconRules, AnimationWrapsAfterTheLastImage) {
  int i = 0;
  std::vector<int> next;
  for (int k = 0; k < 4; ++k) next.push_back(i = TrayNextIndex(i, 3));
  EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(TrayNextIndex(0, 1), 0);
  EXPECT_EQ(TrayNextIndex(0, 0), 0);
}

TEST(TrayIconRules, TipIsCutToTheRecordAtACharacterBoundary) {
  EXPECT_EQ(TrayTipText(String(200, L'a'), true, 128), String(127, L'a'));
  EXPECT_EQ(TrayTipText(L"short", true, 128), L"short");
  EXPECT_EQ(TrayTipText(L"short", false, 128), L"");
  EXPECT_EQ(TrayTipText(L"", true, 128), L"");
  // A character beyond the basic plane is not split at the cut.
  String hint(126, L'a');
  hint += L"\xD83D\xDE00";
  hint += L"bb";
  const String tip = TrayTipText(hint, true, 128);
  EXPECT_EQ(tip, String(126, L'a'));
}

TEST(TrackEditRules, MaxLengthFromTheLimits) {
  EXPECT_EQ(TrackEditMaxLength(-50, 50), 3);
  EXPECT_EQ(TrackEditMaxLength(0, 100), 3);
  EXPECT_EQ(TrackEditMaxLength(-1000, 5), 5);
  EXPECT_EQ(TrackEditMaxLength(0, 255), 3);
}

TEST(TrackEditRules, TheBarIsPulledOntoTheWorkArea) {
  const TRect work(0, 0, 1280, 770);
  // Under the edit, left edges together.
  EXPECT_EQ(TrackBarPopupPos(TRect(100, 100, 220, 120), 120, 20, tbpRight, work), TPoint(100, 120));
  // Right edges together.
  EXPECT_EQ(TrackBarPopupPos(TRect(400, 100, 520, 120), 300, 20, tbpLeft, work), TPoint(220, 120));
  // Near the right edge with a wide bar: pulled left by the excess.
  EXPECT_EQ(TrackBarPopupPos(TRect(1200, 100, 1270, 120), 300, 20, tbpRight, work), TPoint(980, 120));
  // Right edges together near the left edge: no further left than the work area.
  EXPECT_EQ(TrackBarPopupPos(TRect(100, 100, 220, 120), 300, 20, tbpLeft, work), TPoint(0, 120));
  // Near the bottom it opens above.
  EXPECT_EQ(TrackBarPopupPos(TRect(100, 750, 220, 770), 120, 20, tbpRight, work), TPoint(100, 730));
}

}  // namespace
