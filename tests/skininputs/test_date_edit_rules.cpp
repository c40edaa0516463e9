// The date edit's mask, key check, completeness test and conversion under
// several short date formats.
#include <gtest/gtest.h>

#include "classlib/SysUtils.h"
#include "skininputs/SkinDateEditRules.h"

namespace {

// Sets a short date format for one test and puts the old one back.
class DateFormatTest : public ::testing::Test {
 protected:
  void SetUp() override { FSaved = FormatSettings(); }
  void TearDown() override { FormatSettings() = FSaved; }
  TDateLayout Use(const wchar_t* Format, wchar_t Separator) {
    FormatSettings().ShortDateFormat = Format;
    FormatSettings().DateSeparator = Separator;
    return TDateLayout::Current();
  }

 private:
  TFormatSettings FSaved;
};

int YearOf(TDateTime D) {
  int y, m, d;
  DecodeDate(D, y, m, d);
  return y;
}

}  // namespace

TEST_F(DateFormatTest, MasksFollowTheFieldOrder) {
  TDateLayout L = Use(L"yyyy/mm/dd", L'-');
  EXPECT_EQ(L.Year, 0);
  EXPECT_EQ(L.Month, 1);
  EXPECT_EQ(L.Day, 2);
  EXPECT_EQ(BuildDateMask(L), L"!0000/99/99;1; ");
  L = Use(L"mm/dd/yyyy", L'/');
  EXPECT_EQ(L.Month, 0);
  EXPECT_EQ(L.Day, 1);
  EXPECT_EQ(L.Year, 2);
  EXPECT_EQ(BuildDateMask(L), L"!99/99/0000;1; ");
  L = Use(L"mmm/dd/yyyy", L'-');
  EXPECT_TRUE(L.TextMonth);
  EXPECT_EQ(L.Month, 0);
  EXPECT_EQ(BuildDateMask(Use(L"d.m.yy", L'.')), L"!99/99/00;1; ");
  L = Use(L"dd/mmm/yyyy", L'-');
  EXPECT_TRUE(L.TextMonth);
  EXPECT_EQ(L.Month, 1);
  EXPECT_EQ(BuildDateMask(L), L"!99/LLL/0000;1; ");
}

TEST_F(DateFormatTest, DateTextsFillTheMask) {
  TDateLayout L = Use(L"m/d/yyyy", L'/');
  EXPECT_EQ(BuildDateMask(L), L"!99/99/0000;1; ");
  EXPECT_EQ(DateTextOf(L, EncodeDate(2026, 1, 7)), L"01/07/2026");
  EXPECT_EQ(DateTextOf(L, EncodeDate(2026, 12, 31)), L"12/31/2026");
  TDateTime d;
  ASSERT_TRUE(TryDateTextToDate(L, L"01/07/2026", d));
  EXPECT_EQ(d, EncodeDate(2026, 1, 7));
  L = Use(L"d/mmm/yyyy", L'-');
  EXPECT_EQ(DateTextOf(L, EncodeDate(987, 5, 3)), L"03-May-0987");
}

TEST_F(DateFormatTest, MonthNames) {
  Use(L"dd/mmm/yyyy", L'-');
  EXPECT_EQ(MonthNameOf(EncodeDate(2024, 2, 3)), L"Feb");
  EXPECT_EQ(MonthIndexOf(L"feb"), 2);
  EXPECT_EQ(MonthIndexOf(L"DEC"), 12);
  EXPECT_EQ(MonthIndexOf(L"Fe"), 0);
  Use(L"yyyy/mm/dd", L'-');
  EXPECT_EQ(MonthNameOf(EncodeDate(2024, 2, 3)), L"");
}

TEST_F(DateFormatTest, TypingKeepsAYearFirstTextPlausible) {
  const TDateLayout L = Use(L"yyyy/mm/dd", L'-');
  EXPECT_EQ(DateKeyCandidate(L"2024-  -  ", 5, L'1'), L"2024-1 -  ");
  EXPECT_EQ(DateKeyCandidate(L"2024", 4, L'-'), L"2024-");
  EXPECT_TRUE(IsPlausibleDateText(L, L"2   -  -  "));
  EXPECT_TRUE(IsPlausibleDateText(L, L"2024-1 -  "));
  EXPECT_TRUE(IsPlausibleDateText(L, L"2024-0 -  "));
  EXPECT_TRUE(IsPlausibleDateText(L, L"2024-12-3 "));
  // Fields that cannot become good are let through while they hold a blank.
  EXPECT_TRUE(IsPlausibleDateText(L, L"2024-2 -  "));
  EXPECT_TRUE(IsPlausibleDateText(L, L"2024-12-4 "));
  // ...but a finished field that is out of range is not.
  EXPECT_FALSE(IsPlausibleDateText(L, L"2024-13-  "));
  EXPECT_FALSE(IsPlausibleDateText(L, L"2024-13-01"));
  EXPECT_FALSE(IsPlausibleDateText(L, L"2024-12-32"));
  EXPECT_FALSE(IsPlausibleDateText(L, L"2024-00-01"));
  EXPECT_FALSE(IsPlausibleDateText(L, L"2024-01-00"));
  EXPECT_FALSE(IsPlausibleDateText(L, L"2024-1a-  "));
  EXPECT_TRUE(IsPlausibleDateText(L, L"2024-02-31"));
}

TEST_F(DateFormatTest, TextMonthTakesLettersAndAnyTypingOrder) {
  const TDateLayout L = Use(L"dd/mmm/yyyy", L'-');
  EXPECT_TRUE(IsPlausibleDateText(L, L"3 -   -    "));  // the day first
  EXPECT_TRUE(IsPlausibleDateText(L, L"31-F  -    "));
  EXPECT_TRUE(IsPlausibleDateText(L, L"31-Feb-2024"));
  EXPECT_FALSE(IsPlausibleDateText(L, L"32-Feb-2024"));
  EXPECT_FALSE(IsPlausibleDateText(L, L"31-02-2024"));  // complete but no name
}

TEST_F(DateFormatTest, CompleteTexts) {
  TDateLayout L = Use(L"yyyy/mm/dd", L'-');
  EXPECT_TRUE(IsCompleteDateText(L, L"2024-02-29"));
  EXPECT_TRUE(IsCompleteDateText(L, L"9999-12-31"));  // the last year there is
  EXPECT_TRUE(IsCompleteDateText(L, L"2024-02-31"));  // the month's length is not tested here
  EXPECT_FALSE(IsCompleteDateText(L, L"2024-02-2 "));
  EXPECT_FALSE(IsCompleteDateText(L, L"2024-13-01"));
  EXPECT_FALSE(IsCompleteDateText(L, L"2024-00-01"));
  EXPECT_FALSE(IsCompleteDateText(L, L"2024-01-00"));
  EXPECT_FALSE(IsCompleteDateText(L, L"0000-01-01"));
  EXPECT_FALSE(IsCompleteDateText(L, L"2024-01-"));
  L = Use(L"dd/mm/yy", L'.');
  EXPECT_TRUE(IsCompleteDateText(L, L"01.01.00"));  // a two-digit year may be zero
  L = Use(L"dd/mmm/yyyy", L'-');
  EXPECT_TRUE(IsCompleteDateText(L, L"01-jan-2024"));
  EXPECT_FALSE(IsCompleteDateText(L, L"01-Jan-0000"));
  EXPECT_FALSE(IsCompleteDateText(L, L"01-Jax-2024"));
  EXPECT_FALSE(IsCompleteDateText(L, L"01-01-2024"));
}

TEST_F(DateFormatTest, ImpossibleDatesConvertToNothing) {
  TDateLayout L = Use(L"yyyy/mm/dd", L'-');
  TDateTime d = 0;
  EXPECT_TRUE(TryDateTextToDate(L, L"2024-02-29", d));
  EXPECT_EQ(d, EncodeDate(2024, 2, 29));
  d = 0;
  EXPECT_FALSE(TryDateTextToDate(L, L"2023-02-29", d));
  EXPECT_FALSE(TryDateTextToDate(L, L"2024-02-31", d));
  L = Use(L"dd/mmm/yyyy", L'-');
  EXPECT_TRUE(TryDateTextToDate(L, L"1-Jan-2024", d));
  EXPECT_EQ(d, EncodeDate(2024, 1, 1));
  EXPECT_TRUE(TryDateTextToDate(L, L"29-feb-2024", d));
  EXPECT_EQ(d, EncodeDate(2024, 2, 29));
  EXPECT_FALSE(TryDateTextToDate(L, L"31-Feb-2024", d));
  // A year, a month name or a day that is no number or name is no date.
  for (const wchar_t* text : {L"12-Mar-x", L"12-Mar-", L"12-Max-2024", L"0-Mar-2024", L"x-Mar-2024"})
    EXPECT_FALSE(TryDateTextToDate(L, text, d)) << text;
  EXPECT_EQ(d, EncodeDate(2024, 2, 29));
}

TEST_F(DateFormatTest, TextsSplitAtTheSeparatorIntoAtMostThreeFields) {
  Use(L"dd/mm/yyyy", L'-');
  EXPECT_EQ(SplitDateText(L"12"), (TDateFields{L"12", L"", L""}));
  EXPECT_EQ(SplitDateText(L"12-3"), (TDateFields{L"12", L"3", L""}));
  EXPECT_EQ(SplitDateText(L"12-3-2024"), (TDateFields{L"12", L"3", L"2024"}));
  EXPECT_EQ(SplitDateText(L"1-2-3-4"), (TDateFields{L"1", L"2", L"3-4"}));
  EXPECT_EQ(SplitDateText(L""), (TDateFields{L"", L"", L""}));
}

TEST_F(DateFormatTest, TwoDigitYearsShareTheCenturyWindow) {
  TDateLayout L = Use(L"dd/mm/yy", L'-');
  TDateTime numeric = 0, numeric00 = 0;
  ASSERT_TRUE(TryDateTextToDate(L, L"10-03-05", numeric));
  ASSERT_TRUE(TryDateTextToDate(L, L"10-03-00", numeric00));
  L = Use(L"dd/mmm/yy", L'-');
  TDateTime text = 0, text00 = 0;
  ASSERT_TRUE(TryDateTextToDate(L, L"10-Mar-05", text));
  EXPECT_EQ(text, numeric);
  EXPECT_NE(YearOf(text), 5);
  EXPECT_EQ(YearOf(text) % 100, 5);
  ASSERT_TRUE(TryDateTextToDate(L, L"10-Mar-00", text00));  // "00" is a year like any other
  EXPECT_EQ(text00, numeric00);
  EXPECT_EQ(YearOf(text00) % 100, 0);
  // A four-digit year is taken as written.
  L = Use(L"dd/mmm/yyyy", L'-');
  ASSERT_TRUE(TryDateTextToDate(L, L"10-Mar-1905", text));
  EXPECT_EQ(YearOf(text), 1905);
}
