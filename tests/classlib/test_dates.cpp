#include <gtest/gtest.h>

#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"

namespace {

// Known format settings for the duration of each test.
class DateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = FormatSettings();
    TFormatSettings& s = FormatSettings();
    s = TFormatSettings();
    s.DateSeparator = L'-';
    s.TimeSeparator = L':';
    s.ShortDateFormat = L"yyyy/mm/dd";
  }
  void TearDown() override { FormatSettings() = FSaved; }
  TFormatSettings FSaved;
};

TEST_F(DateTest, EncodeKnownDaysAndRejectInvalidOnes) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
  const int bad[][3] = {{1900, 2, 29}, {2023, 2, 29}, {2100, 2, 29}, {2024, 2, 30}, {2024, 4, 31},
                        {2024, 13, 1}, {2024, 0, 1},  {2024, 1, 0},  {0, 1, 1},     {10000, 1, 1}};
  for (const auto& d : bad) EXPECT_THROW(EncodeDate(d[0], d[1], d[2]), EConvertError) << d[0] << "-" << d[1] << "-" << d[2];
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 12), 31);
  EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST_F(DateTest, EveryDayDecodesToTheNextCalendarDay) {
  int y = 1, m = 1, d = 1;
  for (int n = -693593; n <= 2958465; ++n) {
    int year, month, day;
    DecodeDate(n < 0 ? n - 0.5 : n + 0.5, year, month, day);  // noon of day n
    ASSERT_TRUE(year == y && month == m && day == d) << n << ": " << year << "-" << month << "-" << day;
    if (++d > DaysInMonth(y, m)) {
      d = 1;
      if (++m > 12) {
        m = 1;
        ++y;
      }
    }
  }
  int year, month, day;
  DecodeDate(2958466.0, year, month, day);
  EXPECT_EQ(year, 0);
}

TEST_F(DateTest, DayOfWeekStartsOnSunday) {
  EXPECT_EQ(DayOfWeek(0), 7);                                  // 1899-12-30, a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 10)), 1);            // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 10) + 0.99), 1);
  EXPECT_EQ(DayOfWeek(EncodeDate(1970, 1, 1)), 5);             // Thursday
  EXPECT_EQ(DayOfWeek(EncodeDate(1800, 1, 1)), 4);             // Wednesday
  EXPECT_EQ(DayOfWeek(EncodeDate(1800, 1, 1) - 0.25), 4);      // 06:00 the same day
  EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);                // Monday
}

TEST_F(DateTest, TimeOfDay) {
  TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 250);
  int h, n, s, ms;
  DecodeTime(t, h, n, s, ms);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 140709250);
  DecodeTime(EncodeDate(1800, 1, 1) - EncodeTime(6, 30, 0, 0), h, n, s, ms);
  EXPECT_EQ(h * 100 + n, 630);
  // A time a hair before midnight rounds into the next day, not to 24:00.
  int year, month, day;
  DecodeDate(EncodeDate(2024, 2, 28) + 0.9999999999, year, month, day);
  DecodeTime(EncodeDate(2024, 2, 28) + 0.9999999999, h, n, s, ms);
  EXPECT_EQ(day, 29);
  EXPECT_EQ(h + n + s + ms, 0);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
  TDateTime now = Now(), today = Date();
  EXPECT_EQ(today, static_cast<double>(static_cast<int64_t>(today)));
  EXPECT_GE(now - today, -1.0 / 86400);  // midnight may pass between the two calls
  EXPECT_LT(now - today, 1.0);
}

TEST_F(DateTest, FormatCodes) {
  TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
  EXPECT_EQ(FormatDateTime(L"yyyy-mm-dd hh:nn:ss", t), L"2024-03-05 14:07:09");
  EXPECT_EQ(FormatDateTime(L"d/m/yy h:n:s", t), L"5-3-24 14:7:9");
  EXPECT_EQ(FormatDateTime(L"ddd dddd mmm mmmm", t), L"Tue Tuesday Mar March");
  EXPECT_EQ(FormatDateTime(L"MMMM, YYYY", t), L"March, 2024");
  EXPECT_EQ(FormatDateTime(L"'yyyy' \"mm\" yyyy", t), L"yyyy mm 2024");
  EXPECT_EQ(FormatDateTime(L"yyyy", EncodeDate(33, 1, 1)), L"0033");
  FormatSettings().LongMonthNames[2] = L"\x4E09\x6708";
  FormatSettings().TimeSeparator = L'.';
  EXPECT_EQ(FormatDateTime(L"mmmm hh:nn", t), L"\x4E09\x6708 14.07");
}

TEST_F(DateTest, MAfterAnHourOrBeforeSecondsMeansMinutes) {
  TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
  EXPECT_EQ(FormatDateTime(L"hh:mm", t), L"14:07");
  EXPECT_EQ(FormatDateTime(L"h 'h' m", t), L"14 h 7");
  EXPECT_EQ(FormatDateTime(L"mm:ss", t), L"07:09");
  EXPECT_EQ(FormatDateTime(L"M's'S", t), L"7s9");
  // Elsewhere, and as names, it is the month.
  EXPECT_EQ(FormatDateTime(L"hh:mm dd/mm/yyyy", t), L"14:07 05-03-2024");
  EXPECT_EQ(FormatDateTime(L"hh mmm", t), L"14 Mar");
  EXPECT_EQ(FormatDateTime(L"mm hh", t), L"03 14");
}

TEST_F(DateTest, ShortDateTextBothWays) {
  TDateTime d = EncodeDate(2024, 3, 5);
  EXPECT_EQ(DateToStr(d), L"2024-03-05");
  EXPECT_EQ(StrToDate(L"2024-3-5"), d);
  EXPECT_EQ(StrToDate(L" 2024 - 03 - 05 "), d);

  TFormatSettings& s = FormatSettings();
  s.ShortDateFormat = L"d/M/yyyy";
  s.DateSeparator = L'.';
  EXPECT_EQ(DateToStr(d), L"5.3.2024");
  EXPECT_EQ(StrToDate(L"5.3.2024"), d);
  s.ShortDateFormat = L"MM/dd/yyyy";
  s.DateSeparator = L'/';
  EXPECT_EQ(DateToStr(d), L"03/05/2024");
  EXPECT_EQ(StrToDate(L"3/5/2024"), d);
  EXPECT_EQ(StrToDate(L"3/5/0024"), EncodeDate(24, 3, 5));  // four digits: no window

  for (const wchar_t* bad : {L"", L"2024", L"2/30/2024", L"13/1/2024", L"3/5/2024/1", L"3-5-2024", L"3/5/2024x",
                             L"a/b/c", L"3/5/20245", L"3//2024",
                             // fields far too long to be numbers of 32 bits
                             L"22474747483837483", L"3/5/99999999999999999999"}) {
    TDateTime out = -1;
    EXPECT_FALSE(TryStrToDate(bad, out)) << WideToUtf8(bad);
  }
  try {
    StrToDate(L"2/30/2024");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'2/30/2024' is not a valid date");
  }
}

TEST_F(DateTest, ShortYearsAndMissingYears) {
  int year, month, day;
  DecodeDate(Date(), year, month, day);
  FormatSettings().ShortDateFormat = L"yyyy/mm/dd";
  // With a window of 50 a two-digit year lands in [this year - 50, this year + 49].
  auto twoDigit = [](int y) { return IntToStr(y % 100) + L"-1-1"; };
  int parsed;
  DecodeDate(StrToDate(twoDigit(year)), parsed, month, day);
  EXPECT_EQ(parsed, year);
  DecodeDate(StrToDate(twoDigit(year + 49)), parsed, month, day);
  EXPECT_EQ(parsed, year + 49);
  DecodeDate(StrToDate(twoDigit(year - 50)), parsed, month, day);
  EXPECT_EQ(parsed, year - 50);
  DecodeDate(StrToDate(L"12-31"), parsed, month, day);
  EXPECT_EQ(parsed * 10000 + month * 100 + day, year * 10000 + 1231);
}

}  // namespace
