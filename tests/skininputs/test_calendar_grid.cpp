// The month calendar's first cell, grid, hit test and month and year steps.
#include <gtest/gtest.h>

#include "skininputs/SkinCalendarGrid.h"

TEST(CalendarGrid, FirstCellForEachWeekdayStart) {
  // 1 September 2024 is a Sunday: day 1 moves one column right for each
  // weekday the first column starts later, Monday putting it in the seventh.
  const int expected[7] = {1, -5, -4, -3, -2, -1, 0};
  for (int first = 0; first < 7; ++first) EXPECT_EQ(FirstCellDay(2024, 9, first), expected[first]) << first;
  // 1 June 2024 is a Saturday, the day before a Sunday start: six blanks lead.
  EXPECT_EQ(FirstCellDay(2024, 6, 0), -5);
  EXPECT_EQ(FirstCellDay(2024, 6, 6), 1);
}

TEST(CalendarGrid, ColumnsRowsAndCells) {
  const TCalendarGrid g = TCalendarGrid::Of(TRect(0, 0, 200, 150), 16);
  EXPECT_EQ(g.ColWidth, 28);   // (200 - 2) div 7
  EXPECT_EQ(g.HeaderY, 50);    // 33 + 16 + 1
  EXPECT_EQ(g.RowHeight, 16);  // (150 - 50 - 4) div 6
  EXPECT_EQ(g.Cell(1, 0), TRect(1, 53, 29, 69));
  EXPECT_EQ(g.Cell(6, 6), TRect(169, 133, 197, 149));
  // A client rectangle inside borders shifts everything by its offsets.
  const TCalendarGrid inner = TCalendarGrid::Of(TRect(2, 24, 198, 148), 16);
  EXPECT_EQ(inner.ColWidth, 27);
  EXPECT_EQ(inner.Cell(1, 0).Left, 3);
  EXPECT_EQ(inner.Cell(1, 0).Top, 24 + 33 + 16 + 1 + 3);
}

TEST(CalendarGrid, HitTestFindsDaysOnly) {
  const TCalendarGrid g = TCalendarGrid::Of(TRect(0, 0, 200, 150), 16);
  const int first = FirstCellDay(2024, 6, 0);  // -5: day 1 in the last column
  EXPECT_EQ(DayAtPoint(g, first, 30, 169, 53), 1);  // left and top edges belong to the cell
  EXPECT_EQ(DayAtPoint(g, first, 30, 168, 53), 0);  // the blank cell before it
  EXPECT_EQ(DayAtPoint(g, first, 30, 1, 69), 2);    // the next row's first cell
  EXPECT_EQ(DayAtPoint(g, first, 30, 1, 68), 0);
  EXPECT_EQ(DayAtPoint(g, first, 30, 100, 40), 0);  // weekday names
  EXPECT_EQ(DayAtPoint(g, first, 30, 100, 5), 0);   // title
  EXPECT_EQ(DayAtPoint(g, first, 30, 198, 60), 0);  // right of the seventh column
  EXPECT_EQ(DayAtPoint(g, first, 30, 100, 150), 0); // outside the client rectangle
  // Row 6 starts with day 30 and then runs past the month's end.
  EXPECT_EQ(DayAtPoint(g, first, 30, 1, 133), 30);
  EXPECT_EQ(DayAtPoint(g, first, 30, 29, 133), 0);
  // Without a painted grid nothing is hit.
  EXPECT_EQ(DayAtPoint(TCalendarGrid(), 1, 30, 10, 10), 0);
}

namespace {

TDateTime Stepped(TDateTime Date, TCalendarStep Step) {
  StepCalendarDate(Date, Step);
  return Date;
}

}  // namespace

TEST(CalendarSteps, MonthAndYearStepsAroundLeapDays) {
  EXPECT_EQ(Stepped(EncodeDate(2024, 1, 31), csNextMonth), EncodeDate(2024, 2, 29));
  EXPECT_EQ(Stepped(EncodeDate(2023, 1, 31), csNextMonth), EncodeDate(2023, 2, 28));
  EXPECT_EQ(Stepped(EncodeDate(2024, 3, 31), csPriorMonth), EncodeDate(2024, 2, 29));
  EXPECT_EQ(Stepped(EncodeDate(2024, 2, 29), csNextYear), EncodeDate(2025, 2, 28));
  EXPECT_EQ(Stepped(EncodeDate(2024, 2, 29), csPriorYear), EncodeDate(2023, 2, 28));
  EXPECT_EQ(Stepped(EncodeDate(2023, 12, 15), csNextMonth), EncodeDate(2024, 1, 15));
  EXPECT_EQ(Stepped(EncodeDate(2024, 1, 15), csPriorMonth), EncodeDate(2023, 12, 15));
  // The time of day is dropped.
  EXPECT_EQ(Stepped(EncodeDate(2024, 5, 10) + 0.75, csNextMonth), EncodeDate(2024, 6, 10));
}

TEST(CalendarSteps, StepsPastTheYearLimitsAreRefusedWhole) {
  TDateTime d = EncodeDate(9999, 12, 31);
  EXPECT_FALSE(StepCalendarDate(d, csNextMonth));
  EXPECT_EQ(d, EncodeDate(9999, 12, 31));  // not January 9999
  EXPECT_FALSE(StepCalendarDate(d, csNextYear));
  EXPECT_TRUE(StepCalendarDate(d, csPriorMonth));
  EXPECT_EQ(d, EncodeDate(9999, 11, 30));

  d = EncodeDate(1761, 1, 20);
  EXPECT_FALSE(StepCalendarDate(d, csPriorMonth));
  EXPECT_EQ(d, EncodeDate(1761, 1, 20));  // not December 1761
  EXPECT_FALSE(StepCalendarDate(d, csPriorYear));
  EXPECT_TRUE(StepCalendarDate(d, csNextYear));
  EXPECT_EQ(d, EncodeDate(1762, 1, 20));
  d = EncodeDate(1761, 2, 1);
  EXPECT_TRUE(StepCalendarDate(d, csPriorMonth));
  EXPECT_EQ(d, EncodeDate(1761, 1, 1));

  // A date typed outside the years still steps through its own year's
  // months; only the steps that change its year are refused.
  d = EncodeDate(1500, 3, 15);
  EXPECT_TRUE(StepCalendarDate(d, csNextMonth));
  EXPECT_EQ(d, EncodeDate(1500, 4, 15));
  EXPECT_TRUE(StepCalendarDate(d, csPriorMonth));
  EXPECT_EQ(d, EncodeDate(1500, 3, 15));
  EXPECT_FALSE(StepCalendarDate(d, csNextYear));
  d = EncodeDate(1500, 12, 31);
  EXPECT_FALSE(StepCalendarDate(d, csNextMonth));
  EXPECT_EQ(d, EncodeDate(1500, 12, 31));
  d = EncodeDate(1760, 12, 10);
  EXPECT_TRUE(StepCalendarDate(d, csNextMonth));  // into the years
  EXPECT_EQ(d, EncodeDate(1761, 1, 10));
}
