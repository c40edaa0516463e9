// The month calendar's arithmetic: the day in the grid's first cell, the grid
// of six rows of seven columns, hit testing, and the month and year steps.
#pragma once

#include "classlib/DateUtils.h"

// Years the calendar's steps reach; a step into a year outside them is refused.
constexpr int kCalendarFirstYear = 1761, kCalendarLastYear = 9999;

// The day number of the grid's first cell for a month whose first column is
// weekday FirstDayOfWeek (0 = Sunday): 1 when the month starts there, 0 or
// negative when leading cells are blank.
int FirstCellDay(int Year, int Month, int FirstDayOfWeek);

// The grid as painted in the client rectangle R: weekday names at R.Top + 33,
// the header line under them at HeaderY, six rows of days below.
struct TCalendarGrid {
  TRect Client;
  int ColWidth = 0, RowHeight = 0, HeaderY = 0;

  // HeaderTextHeight is the height of the weekday names' font.
  static TCalendarGrid Of(const TRect& R, int HeaderTextHeight);
  // Row 1..6, column 0..6.
  TRect Cell(int Row, int Col) const;
  // The cell under (X, Y): false outside the client rectangle or the rows.
  bool CellAt(int X, int Y, int& Row, int& Col) const;
};

// The day under (X, Y) for a grid whose first cell shows FirstDay; 0 on a
// blank cell, outside the days, the rows or R.
int DayAtPoint(const TCalendarGrid& Grid, int FirstDay, int MonthDays, int X, int Y);

// The steps of the calendar's buttons. Each keeps the day, clamped to the new
// month's length, drops the time, and returns false (Date unchanged) when the
// step would change the year to one outside kCalendarFirstYear..kCalendarLastYear
// (a month step inside a year out there is taken).
enum TCalendarStep { csPriorMonth, csNextMonth, csPriorYear, csNextYear };
bool StepCalendarDate(TDateTime& Date, TCalendarStep Step);
