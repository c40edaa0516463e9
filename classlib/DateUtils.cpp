#include "classlib/DateUtils.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "classlib/SysUtils.h"

namespace {

// Day 1 is 0001-01-01; TDateTime 0 is day 693594.
constexpr int64_t kDateDelta = 693594;
constexpr int64_t kMsPerDay = 86400000;
constexpr int kCumulativeDays[2][13] = {{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
                                        {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

// Whole day and milliseconds of the day, rounded to the millisecond; a time
// that rounds up to midnight moves to the next day.
void SplitDateTime(TDateTime Value, int64_t& Day, int64_t& Ms) {
  double whole = std::trunc(Value);
  Day = static_cast<int64_t>(whole);
  Ms = std::llround(std::fabs(Value - whole) * kMsPerDay);
  if (Ms >= kMsPerDay) {
    Ms -= kMsPerDay;
    ++Day;
  }
}

bool InDateRange(TDateTime Value) {
  return std::isfinite(Value) && Value > -kDateDelta - 1.0 && Value < 2958466.0;
}

}  // namespace

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInMonth(int Year, int Month) {
  if (Month < 1 || Month > 12) return 0;
  const int* table = kCumulativeDays[IsLeapYear(Year)];
  return table[Month] - table[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month)) return false;
  int64_t y = Year - 1;
  int64_t days = y * 365 + y / 4 - y / 100 + y / 400 + kCumulativeDays[IsLeapYear(Year)][Month - 1] + Day;
  Date = static_cast<TDateTime>(days - kDateDelta);
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime date;
  if (!TryEncodeDate(Year, Month, Day, date))
    throw EConvertError(L"Invalid date: year " + IntToStr(Year) + L", month " + IntToStr(Month) + L", day " +
                        IntToStr(Day));
  return date;
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
  Year = Month = Day = 0;
  if (!InDateRange(Date)) return;
  int64_t day, ms;
  SplitDateTime(Date, day, ms);
  int64_t n = day + kDateDelta - 1;  // days after 0001-01-01
  if (n < 0 || n >= 3652059) return;
  // Peel off 400-, 100-, 4- and 1-year cycles; the last year of a cycle can be a day longer.
  int64_t y400 = n / 146097;
  n %= 146097;
  int64_t y100 = std::min<int64_t>(n / 36524, 3);
  n -= y100 * 36524;
  int64_t y4 = n / 1461;
  n %= 1461;
  int64_t y1 = std::min<int64_t>(n / 365, 3);
  n -= y1 * 365;
  Year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
  const int* table = kCumulativeDays[IsLeapYear(Year)];
  Month = 1;
  while (n >= table[Month]) ++Month;
  Day = static_cast<int>(n - table[Month - 1] + 1);
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
  if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999) return false;
  Time = static_cast<double>(((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / kMsPerDay;
  return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime time;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, time))
    throw EConvertError(L"Invalid time: " + IntToStr(Hour) + L":" + IntToStr(Min) + L":" + IntToStr(Sec) + L"." +
                        IntToStr(MSec));
  return time;
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec) {
  int64_t day, ms = 0;
  if (InDateRange(Time)) SplitDateTime(Time, day, ms);
  MSec = static_cast<int>(ms % 1000);
  Sec = static_cast<int>(ms / 1000 % 60);
  Min = static_cast<int>(ms / 60000 % 60);
  Hour = static_cast<int>(ms / 3600000);
}

int DayOfWeek(TDateTime Date) {
  if (!InDateRange(Date)) return 0;
  int64_t day, ms;
  SplitDateTime(Date, day, ms);
  // Day 0 was a Saturday.
  return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
  auto now = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  int ms = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), ms);
}

TDateTime Date() { return std::trunc(Now()); }
