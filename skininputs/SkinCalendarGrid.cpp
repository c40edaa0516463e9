// The month calendar's grid, hit test and date steps.
#include "skininputs/SkinCalendarGrid.h"

#include <algorithm>

int FirstCellDay(int Year, int Month, int FirstDayOfWeek) {
  const int weekday = DayOfWeek(EncodeDate(Year, Month, 1)) - 1;  // 0 = Sunday
  const int lead = ((weekday - FirstDayOfWeek) % 7 + 7) % 7;
  return 1 - lead;
}

TCalendarGrid TCalendarGrid::Of(const TRect& R, int HeaderTextHeight) {
  TCalendarGrid g;
  g.Client = R;
  g.ColWidth = (R.Width() - 2) / 7;
  g.HeaderY = R.Top + 33 + HeaderTextHeight + 1;
  g.RowHeight = (R.Bottom - g.HeaderY - 4) / 6;
  return g;
}

TRect TCalendarGrid::Cell(int Row, int Col) const {
  const int left = Client.Left + 1 + Col * ColWidth, top = HeaderY + 3 + (Row - 1) * RowHeight;
  return TRect(left, top, left + ColWidth, top + RowHeight);
}

bool TCalendarGrid::CellAt(int X, int Y, int& Row, int& Col) const {
  if (!Client.Contains(TPoint(X, Y)) || ColWidth <= 0 || RowHeight <= 0) return false;
  const int dx = X - (Client.Left + 1), dy = Y - (HeaderY + 3);
  if (dx < 0 || dy < 0) return false;
  Col = dx / ColWidth;
  Row = dy / RowHeight + 1;
  return Col < 7 && Row <= 6;
}

int DayAtPoint(const TCalendarGrid& Grid, int FirstDay, int MonthDays, int X, int Y) {
  int row, col;
  if (!Grid.CellAt(X, Y, row, col)) return 0;
  const int d = FirstDay + (row - 1) * 7 + col;
  return d >= 1 && d <= MonthDays ? d : 0;
}

bool StepCalendarDate(TDateTime& Date, TCalendarStep Step) {
  int y, m, d;
  DecodeDate(Date, y, m, d);
  if (y == 0) return false;
  const int from = y;
  switch (Step) {
    case csPriorYear: --y; break;
    case csNextYear: ++y; break;
    // A month step over the year's end moves the year with it, or not at all.
    case csPriorMonth:
      if (--m == 0) m = 12, --y;
      break;
    case csNextMonth:
      if (++m == 13) m = 1, ++y;
      break;
  }
  // Only a step into a year outside the range is refused: a date typed
  // outside it still steps through the months of its own year.
  if (y != from && (y < kCalendarFirstYear || y > kCalendarLastYear)) return false;
  Date = EncodeDate(y, m, std::min(d, DaysInMonth(y, m)));
  return true;
}
