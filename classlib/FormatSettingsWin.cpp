#include <windows.h>

#include "classlib/SysUtils.h"

namespace {

String LocaleText(LCTYPE Type, const String& Fallback) {
  wchar_t buffer[128];
  int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, Type, buffer, 128);
  return n > 1 ? String(buffer, static_cast<size_t>(n - 1)) : Fallback;
}

wchar_t LocaleChar(LCTYPE Type, wchar_t Fallback) {
  String text = LocaleText(Type, String());
  return text.empty() ? Fallback : text[0];
}

// The locale's short date pattern with its separator written as '/', the
// placeholder FormatDateTime replaces with DateSeparator.
String ShortDatePattern(const String& LocalePattern, wchar_t Separator) {
  String out;
  bool quoted = false;
  for (wchar_t c : LocalePattern) {
    if (c == L'\'') quoted = !quoted;
    out += !quoted && c == Separator ? L'/' : c;
  }
  return out;
}

TFormatSettings ReadLocale() {
  TFormatSettings s;
  s.DecimalSeparator = LocaleChar(LOCALE_SDECIMAL, s.DecimalSeparator);
  s.DateSeparator = LocaleChar(LOCALE_SDATE, s.DateSeparator);
  s.TimeSeparator = LocaleChar(LOCALE_STIME, s.TimeSeparator);
  String pattern = LocaleText(LOCALE_SSHORTDATE, String());
  if (!pattern.empty()) s.ShortDateFormat = ShortDatePattern(pattern, s.DateSeparator);
  for (int m = 0; m < 12; ++m) {
    s.ShortMonthNames[m] = LocaleText(LOCALE_SABBREVMONTHNAME1 + m, s.ShortMonthNames[m]);
    s.LongMonthNames[m] = LocaleText(LOCALE_SMONTHNAME1 + m, s.LongMonthNames[m]);
  }
  // The locale counts days from Monday (1) to Sunday (7); the settings from Sunday.
  for (int d = 0; d < 7; ++d) {
    LCTYPE offset = static_cast<LCTYPE>((d + 6) % 7);
    s.ShortDayNames[d] = LocaleText(LOCALE_SABBREVDAYNAME1 + offset, s.ShortDayNames[d]);
    s.LongDayNames[d] = LocaleText(LOCALE_SDAYNAME1 + offset, s.LongDayNames[d]);
  }
  return s;
}

}  // namespace

TFormatSettings& FormatSettings() {
  static TFormatSettings settings = ReadLocale();
  return settings;
}
