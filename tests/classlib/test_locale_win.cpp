#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/StringList.h"
#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"

namespace {

String SystemShortDate(int year, int month, int day) {
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  wchar_t buffer[100];
  int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 100);
  return n > 1 ? String(buffer, static_cast<size_t>(n - 1)) : String();
}

String LocaleText(LCTYPE type) {
  wchar_t buffer[100];
  int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 100);
  return n > 1 ? String(buffer, static_cast<size_t>(n - 1)) : String();
}

TEST(LocaleTest, ShortDatesMatchTheSystemAndReadBack) {
  const int dates[][3] = {{2024, 3, 5}, {1999, 12, 31}, {2031, 1, 9}};
  for (const auto& d : dates) {
    TDateTime date = EncodeDate(d[0], d[1], d[2]);
    String text = DateToStr(date);
    EXPECT_EQ(text, SystemShortDate(d[0], d[1], d[2]));
    if (AnsiUpperCase(FormatSettings().ShortDateFormat).find(L"MMM") == String::npos) {
      EXPECT_EQ(StrToDate(text), date) << WideToUtf8(text);
    }
  }
}

TEST(LocaleTest, NamesAreCountedFromSunday) {
  // The locale numbers days from Monday; the settings start with Sunday.
  EXPECT_EQ(FormatSettings().ShortDayNames[0], LocaleText(LOCALE_SABBREVDAYNAME7));
  EXPECT_EQ(FormatSettings().LongDayNames[1], LocaleText(LOCALE_SDAYNAME1));
  EXPECT_EQ(FormatSettings().LongMonthNames[0], LocaleText(LOCALE_SMONTHNAME1));
  EXPECT_EQ(FormatSettings().ShortMonthNames[11], LocaleText(LOCALE_SABBREVMONTHNAME12));
  EXPECT_EQ(FormatDateTime(L"dddd", EncodeDate(2024, 3, 10)), LocaleText(LOCALE_SDAYNAME7));
}

TEST(LocaleTest, AnsiComparisonsSortAsTheUsersLocale) {
  // Code points would put the umlaut after every plain letter.
  EXPECT_LT(AnsiCompareText(L"\x00E4pfel", L"b"), 0);
  EXPECT_LT(AnsiCompareStr(L"\x00E4pfel", L"b"), 0);
  EXPECT_EQ(AnsiCompareText(L"\x00C4PFEL", L"\x00E4pfel"), 0);
  EXPECT_NE(AnsiCompareStr(L"\x00C4PFEL", L"\x00E4pfel"), 0);
  EXPECT_LT(AnsiCompareStr(L"a", L"B"), 0);
  TStringList list;
  list.SetSorted(true);
  for (const wchar_t* s : {L"c", L"\x00E4pfel", L"b", L"Apfel"}) list.Add(s);
  EXPECT_EQ(list.Text(), String(L"Apfel\r\n\x00E4pfel\r\nb\r\nc\r\n"));
}

}  // namespace
