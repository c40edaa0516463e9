// The tree view's window-free rules: default options, check toggling,
// Shift ranges, hint placement and duration, item geometry, wrapped search.
#include <gtest/gtest.h>

#include "components/fcTreeRules.h"

TEST(fcTreeRules, DefaultOptionsAreValue1257) {
  EXPECT_EQ(fcDefaultTreeViewOptions.Bits(), 1257u);
  EXPECT_FALSE(fcDefaultTreeViewOptions.Contains(tvoRowSelect));
  EXPECT_FALSE(fcDefaultTreeViewOptions.Contains(tvo3StateCheckbox));
  EXPECT_EQ(TfcItemStates{fcisHot}.Bits(), 0x40u);  // CDIS_HOT
  EXPECT_EQ(TfcItemStates{fcisFocused}.Bits(), 0x10u);  // CDIS_FOCUS
}

TEST(fcTreeRules, ThreeStateBoxCyclesThroughGrayedAndRadioStaysChecked) {
  TfcCheckState s;
  s = fcToggledCheck(fcCheckbox, true, s);
  EXPECT_TRUE(s.Checked && !s.Grayed);
  s = fcToggledCheck(fcCheckbox, true, s);
  EXPECT_TRUE(s.Checked && s.Grayed);
  s = fcToggledCheck(fcCheckbox, true, s);
  EXPECT_TRUE(!s.Checked && !s.Grayed);
  // Two-state boxes flip and drop a gray set by code.
  EXPECT_FALSE(fcToggledCheck(fcCheckbox, false, {true, false}).Checked);
  const TfcCheckState grayed = fcToggledCheck(fcCheckbox, false, {false, true});
  EXPECT_TRUE(grayed.Checked && !grayed.Grayed);
  const TfcCheckState radio = fcToggledCheck(fcRadioButton, true, {true, true});
  EXPECT_TRUE(radio.Checked && !radio.Grayed);
}

TEST(fcTreeRules, ShiftRangeRunsToTheAnchorFromEitherSide) {
  EXPECT_EQ(fcShiftRange(1, 4, true), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(fcShiftRange(1, 4, false), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(fcShiftRange(4, 1, true), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(fcShiftRange(4, 1, false), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(fcShiftRange(2, 2, true), std::vector<int>{});
  EXPECT_TRUE(fcLevelAllowed(3, -1));
  EXPECT_FALSE(fcLevelAllowed(1, 0));
}

TEST(fcTreeRules, HintShowsForCutTextOverItAndEndsAfterAbout4Seconds) {
  const TRect t(40, 20, 100, 36);
  EXPECT_FALSE(fcHintNeeded(t, 56, 100));  // 96 == 100 - 4 still fits
  EXPECT_TRUE(fcHintNeeded(t, 57, 100));
  EXPECT_EQ(fcHintRect(t, TPoint(300, 200), 80, 13), TRect(339, 218, 425, 233));
  TfcHintClock clock;
  int ticks = 0;
  while (!clock.Tick()) ++ticks;
  EXPECT_EQ(ticks + 1, 17);
  EXPECT_EQ((ticks + 1) * fcHintInterval, 4250);
  clock.Reset();
  EXPECT_EQ(clock.Ticks(), 0);
}

TEST(fcTreeRules, CheckCellMovesLeftForImageAndStateSpace) {
  TfcItemLayout l;
  l.Text = TRect(60, 16, 90, 32);
  l.Indent = 19;
  EXPECT_EQ(fcCheckCell(l), TRect(41, 16, 60, 32));
  l.ShowsImage = true;
  l.ImagesWidth = 16;
  EXPECT_EQ(fcCheckCell(l), TRect(24, 16, 43, 32));  // - 18 + 1
  l.StateSpace = true;
  EXPECT_EQ(fcCheckCell(l), TRect(8, 16, 27, 32));
  EXPECT_EQ(fcLineX(TRect(8, 16, 27, 32)), 8 + 1 + 6);
  EXPECT_EQ(fcLineX(TRect(0, 0, 19, 8)), 1 + 4);
}

TEST(fcTreeRules, CentreExpandBoxAndCheckGlyph) {
  EXPECT_EQ(fcCentre(TRect(0, 0, 19, 16)), TPoint(9, 8));
  EXPECT_EQ(fcCentre(TRect(0, 0, 19, 18)), TPoint(9, 10));  // 18 div 2 is odd
  EXPECT_EQ(fcCentre(TRect(0, 0, 19, 11)), TPoint(9, 6));
  int q = 0;
  EXPECT_EQ(fcExpandBox(TPoint(10, 8), 16, q), TRect(6, 4, 15, 13));
  EXPECT_EQ(q, 2);
  EXPECT_EQ(fcExpandBox(TPoint(10, 10), 24, q), TRect(4, 4, 17, 17));
  EXPECT_EQ(q, 3);
  EXPECT_EQ(fcCheckGlyphBox(TRect(0, 0, 19, 16)), TRect(20, 2, 33, 15));
  // Rows under 16 pixels get a smaller glyph, centred on the row; taller rows
  // keep the 16-pixel one.
  EXPECT_EQ(fcCheckGlyphBox(TRect(0, 0, 19, 12)), TRect(20, 1, 31, 12));
  EXPECT_EQ(fcCheckGlyphBox(TRect(0, 0, 19, 10)), TRect(20, 2, 29, 11));
  EXPECT_EQ(fcCheckGlyphBox(TRect(0, 0, 19, 40)).Height(), 13);
}

TEST(fcTreeRules, WrappedSearchAndPages) {
  auto at = [](std::vector<int> hits) {
    return [hits](int i) { return std::find(hits.begin(), hits.end(), i) != hits.end(); };
  };
  EXPECT_EQ(fcFindWrapped(5, 3, at({1, 4})), 4);
  EXPECT_EQ(fcFindWrapped(5, 3, at({1})), 1);
  EXPECT_EQ(fcFindWrapped(5, 3, at({3})), 3);  // the start itself matches first
  EXPECT_EQ(fcFindWrapped(5, 0, at({})), -1);
  EXPECT_EQ(fcFindWrapped(0, 0, at({0})), -1);
  EXPECT_EQ(fcFindWrapped(1, 0, at({0})), 0);
  EXPECT_EQ(fcFindWrapped(5, 9, at({3, 4})), 4);  // a start past the end is the last
  EXPECT_TRUE(fcStartsWithText(L"Alpha", L"aL"));
  EXPECT_TRUE(fcStartsWithText(L"Alpha", L"ALPHA"));  // the whole text typed still finds it
  EXPECT_FALSE(fcStartsWithText(L"Al", L"alp"));
  EXPECT_EQ(fcPageNodes(100, 16), 7);
}
