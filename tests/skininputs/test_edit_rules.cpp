// Default captions, number box rules, the edit menu states, the edit layout
// and the time-of-day key check.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "classlib/StringList.h"
#include "skin/SkinResStr.h"
#include "skininputs/EditRules.h"
#include "skininputs/NumericRules.h"
#include "skininputs/spconst.h"

TEST(DefaultCaptions, NoStoreGivesTheDefaultsAStoreGivesItsOwnTextEvenEmpty) {
  EXPECT_EQ(SkinCaption(nullptr, L"EDIT_SELECTALL"), L"Select All");
  EXPECT_EQ(SkinCaption(nullptr, L"MI_MINTOTRAYCAPTION"), L"Minimize to &Tray");
  EXPECT_EQ(SkinCaption(nullptr, L"AUTOCOLOR"), L"Automatic");
  EXPECT_EQ(DefaultCaption(L"NO_SUCH_KEY"), L"");

  TspResourceStrData store(nullptr);
  TStringList lines;
  lines.Add(L"edit_copy=\x590D\x5236");  // names compare without case
  lines.Add(L"EDIT_PASTE=a=b");          // everything after the first "="
  store.SetResStrings(&lines);
  EXPECT_EQ(SkinCaption(&store, L"EDIT_COPY"), L"\x590D\x5236");
  EXPECT_EQ(SkinCaption(&store, L"EDIT_PASTE"), L"a=b");
  // A store without the key gives an empty caption, not the default.
  EXPECT_EQ(SkinCaption(&store, L"EDIT_UNDO"), L"");
}

TEST(NumberRules, KeyFilter) {
  for (wchar_t digit = L'0'; digit <= L'9'; ++digit) EXPECT_TRUE(AcceptNumberKey(digit, L"12", false, L'.')) << digit;
  EXPECT_TRUE(AcceptNumberKey(L'-', L"12", false, L'.'));  // anywhere, once
  EXPECT_FALSE(AcceptNumberKey(L'-', L"-12", false, L'.'));
  EXPECT_FALSE(AcceptNumberKey(L'.', L"12", false, L'.'));
  EXPECT_TRUE(AcceptNumberKey(L',', L"12", true, L','));
  EXPECT_FALSE(AcceptNumberKey(L',', L"1,2", true, L','));
  EXPECT_FALSE(AcceptNumberKey(L'a', L"", true, L'.'));
  EXPECT_TRUE(AcceptNumberKey(8, L"1", false, L'.'));   // Backspace
  EXPECT_TRUE(AcceptNumberKey(22, L"1", false, L'.'));  // Ctrl+V
  EXPECT_FALSE(AcceptNumberKey(13, L"1", false, L'.'));
}

TEST(NumberRules, TextTest) {
  for (const wchar_t* bad : {L"", L"-", L"1-2", L"--1", L".5", L"1.2.3", L"1a", L" 1"})
    EXPECT_FALSE(IsNumberText(bad, true, L'.')) << bad;
  for (const wchar_t* good : {L"0", L"-12", L"1.5", L"-0.25", L"12."}) EXPECT_TRUE(IsNumberText(good, true, L'.'));
  EXPECT_FALSE(IsNumberText(L"1.5", false, L'.'));
}

TEST(NumberRules, ParsingNeverRaisesOnNumbersOutOfRange) {
  double v = 7;
  EXPECT_FALSE(TryParseNumberText(L"99999999999", false, v));
  EXPECT_FALSE(TryParseNumberText(L"-2147483649", false, v));
  EXPECT_TRUE(TryParseNumberText(L"-2147483648", false, v));
  EXPECT_EQ(v, -2147483648.0);
  EXPECT_FALSE(TryParseNumberText(L"1" + String(400, L'0'), true, v));
  EXPECT_TRUE(TryParseNumberText(L"2.5", true, v));
  EXPECT_EQ(v, 2.5);
}

TEST(NumberRules, LimitsAndWhenTypedTextIsRewritten) {
  EXPECT_EQ(LimitValue(-5, 0, 0), -5);  // equal limits: none
  EXPECT_EQ(LimitValue(1, 10, 99), 10);
  EXPECT_EQ(LimitValue(150, 10, 99), 99);
  // "1" toward a minimum of 10 stays as typed; "150" past 99 is rewritten.
  EXPECT_FALSE(NumberNeedsRewrite(1, 10, 10, 99));
  EXPECT_TRUE(NumberNeedsRewrite(150, 99, 10, 99));
  EXPECT_FALSE(NumberNeedsRewrite(15, 15, 10, 99));
  // A negative number below a positive minimum can never come back.
  EXPECT_TRUE(NumberNeedsRewrite(-1, 10, 10, 99));
  EXPECT_TRUE(NumberNeedsRewrite(-1, 1, 1, 99));
  EXPECT_TRUE(NumberNeedsRewrite(-7, 1, 1, 1000));
  EXPECT_FALSE(NumberNeedsRewrite(0, 1, 1, 99));  // "0" can still become "05"
  // Negative range: -5 typed toward -10..-20 stays (more digits reach it)...
  EXPECT_FALSE(NumberNeedsRewrite(-5, -10, -20, -10));
  // ...and one already in range is left alone.
  EXPECT_FALSE(NumberNeedsRewrite(-15, -15, -20, -10));
  EXPECT_FALSE(NumberNeedsRewrite(-3, -3, -100, 100));
  // ...-25 is past the far end and is rewritten; a positive one too.
  EXPECT_TRUE(NumberNeedsRewrite(-25, -20, -20, -10));
  EXPECT_TRUE(NumberNeedsRewrite(3, -10, -20, -10));
}

TEST(NumberRules, ValuesSetFromCodeFitTheBox) {
  double v = 1e300;
  EXPECT_TRUE(FitNumberValue(v, false));
  EXPECT_EQ(v, 2147483647.0);
  v = -1e300;
  EXPECT_TRUE(FitNumberValue(v, false));
  EXPECT_EQ(v, -2147483648.0);
  v = 1e300;
  EXPECT_TRUE(FitNumberValue(v, true));  // a float box shows it
  EXPECT_EQ(v, 1e300);
  v = std::nan("");
  EXPECT_FALSE(FitNumberValue(v, false));
  EXPECT_FALSE(FitNumberValue(v, true));
}

TEST(NumberRules, Formatting) {
  EXPECT_EQ(FormatNumber(2.5, false, 2), L"2");  // halves to even
  EXPECT_EQ(FormatNumber(3.5, false, 2), L"4");
  EXPECT_EQ(FormatNumber(1.005, true, 2), L"1.01");
  EXPECT_EQ(FormatNumber(-0.5, true, 1), L"-0.5");
  EXPECT_EQ(FormatNumber(1e12, false, 0), L"1000000000000");  // beyond an int, no exception
}

TEST(EditMenu, ItemStates) {
  // Empty edit: nothing to cut, copy, delete or select.
  TEditMenuState s = EditMenuState(false, 0, 0, 0, true, false);
  EXPECT_FALSE(s.Cut || s.Copy || s.Delete || s.SelectAll || s.Undo);
  EXPECT_TRUE(s.Paste);
  // Part of the text selected.
  s = EditMenuState(true, 1, 3, 5, false, false);
  EXPECT_TRUE(s.Undo && s.Cut && s.Copy && s.Delete && s.SelectAll);
  EXPECT_FALSE(s.Paste);
  // Read-only with a selection: only Copy (and Select All).
  s = EditMenuState(false, 0, 2, 5, true, true);
  EXPECT_FALSE(s.Cut || s.Paste || s.Delete);
  EXPECT_TRUE(s.Copy && s.SelectAll);
  // All selected.
  EXPECT_FALSE(EditMenuState(false, 0, 5, 5, false, false).SelectAll);
}

TEST(EditLayout, DefaultLookWithAndWithoutButton) {
  TEditLayout l = EditLayout(nullptr, 100, 20, false, true);
  EXPECT_EQ(l.Text, TRect(2, 2, 98, 18));
  EXPECT_TRUE(l.Button.IsEmpty());
  l = EditLayout(nullptr, 100, 20, true, true);
  EXPECT_EQ(l.Button, TRect(80, 0, 100, 20));
  EXPECT_EQ(l.Text, TRect(2, 2, 78, 18));
}

TEST(EditLayout, SkinMovesRightPiecesWithTheWidth) {
  TEditSkinGeometry g;
  g.SkinRect = TRect(0, 0, 60, 21);
  g.ClRect = TRect(3, 3, 40, 18);
  g.LTPoint = TPoint(4, 0);
  g.RTPoint = TPoint(40, 0);
  g.ButtonRect = TRect(42, 2, 58, 19);
  TEditLayout l = EditLayout(&g, 160, 21, true, true);
  EXPECT_EQ(l.Text, TRect(3, 3, 140, 18));
  EXPECT_EQ(l.Button, TRect(142, 2, 158, 19));
  // A button in the middle piece stays where the skin puts it.
  g.ButtonRect = TRect(20, 2, 30, 19);
  EXPECT_EQ(EditLayout(&g, 160, 21, true, true).Button, TRect(20, 2, 30, 19));
  // Without the skin's font the height is free and the bottoms follow it.
  g.ButtonRect = TRect(42, 2, 58, 19);
  l = EditLayout(&g, 160, 31, true, false);
  EXPECT_EQ(l.Text.Bottom, 28);
  EXPECT_EQ(l.Button.Bottom, 29);
  int left = 0, right = 0;
  EditClientPieces(g, left, right);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(right, 0);
}

TEST(EditLayout, ImageButtons) {
  TImageButtonsLayout l = ImageButtonsLayout(100, 16, 16, true, true);
  EXPECT_EQ(l.Left, TRect(0, 0, 16, 16));
  EXPECT_EQ(l.Right, TRect(84, 0, 100, 16));
  EXPECT_EQ(l.Format, TRect(18, 0, 82, 16));
  l = ImageButtonsLayout(100, 16, 16, false, false);
  EXPECT_EQ(l.Format, TRect(0, 0, 100, 16));
}

TEST(TimeKeys, HoursMinutesAndSeconds) {
  EXPECT_TRUE(TimeKeyAllowed(L"00:00:00", 0, L'2', true, false));
  EXPECT_FALSE(TimeKeyAllowed(L"20:00:00", 1, L'5', true, false));  // 25 hours
  EXPECT_TRUE(TimeKeyAllowed(L"20:00:00", 1, L'4', true, false));   // 24:00:00 exactly
  EXPECT_FALSE(TimeKeyAllowed(L"20:01:00", 1, L'4', true, false));
  EXPECT_FALSE(TimeKeyAllowed(L"12:00:00", 3, L'6', true, false));  // 60 minutes
  EXPECT_FALSE(TimeKeyAllowed(L"12:00:00", 6, L'7', true, false));
  EXPECT_FALSE(TimeKeyAllowed(L"12:00:00", 6, L'6', true, false));  // 60 seconds
  EXPECT_FALSE(TimeKeyAllowed(L"00:00:00", 0, L'3', true, false));  // 30 hours, typed first
  EXPECT_TRUE(TimeKeyAllowed(L"20:00", 1, L'4', false, false));     // 24:00 without seconds
  EXPECT_TRUE(TimeKeyAllowed(L"1 :  :  ", 1, L'9', true, false));   // blanks count as 0
  // Non-digits are tested against the text as it is.
  EXPECT_TRUE(TimeKeyAllowed(L"12:00:00", 0, L'x', true, false));
  EXPECT_FALSE(TimeKeyAllowed(L"99:00:00", 0, L'x', true, false));
  // A separator or sign in a digit place, or a short text, refuses the key.
  EXPECT_FALSE(TimeKeyAllowed(L"1-:00:00", 0, L'1', true, false));
  EXPECT_FALSE(TimeKeyAllowed(L"12:0", 0, L'1', true, false));
  // Without seconds the third field is not read.
  EXPECT_TRUE(TimeKeyAllowed(L"12:00", 0, L'1', false, false));
}
