#include "classlib/DateUtils.h"
#include "classlib/SysUtils.h"

namespace {

wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

String TwoDigits(int Value) { return Value < 10 ? L"0" + IntToStr(Value) : IntToStr(Value); }

String FourDigits(int Value) {
  String text = IntToStr(Value);
  return String(text.size() < 4 ? 4 - text.size() : 0, L'0') + text;
}

// The letter of the next field after position From ('\0' at the end), passing
// over quoted text and other characters.
wchar_t NextField(const String& Format, size_t From) {
  for (size_t i = From; i < Format.size(); ++i) {
    const wchar_t c = Format[i];
    if (c == L'\'' || c == L'"') {
      i = Format.find(c, i + 1);
      if (i == String::npos) break;
      continue;
    }
    const wchar_t code = Lower(c);
    if (code == L'y' || code == L'm' || code == L'd' || code == L'h' || code == L'n' || code == L's') return code;
  }
  return L'\0';
}

}  // namespace

String FormatDateTime(const String& Format, TDateTime DateTime) {
  const TFormatSettings& settings = FormatSettings();
  int year, month, day, hour, minute, second, ms;
  DecodeDate(DateTime, year, month, day);
  DecodeTime(DateTime, hour, minute, second, ms);
  String out;
  wchar_t lastField = 0;
  for (size_t i = 0; i < Format.size();) {
    wchar_t c = Format[i];
    if (c == L'\'' || c == L'"') {
      size_t end = Format.find(c, i + 1);
      if (end == String::npos) end = Format.size();
      out.append(Format, i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    wchar_t code = Lower(c);
    size_t run = 1;
    while (i + run < Format.size() && Lower(Format[i + run]) == code) ++run;
    switch (code) {
      case L'y':
        out += run <= 2 ? TwoDigits(year % 100) : FourDigits(year);
        break;
      case L'm':
        // Right after an hour, or right before seconds, "m" and "mm" are minutes.
        if (run <= 2 && (lastField == L'h' || NextField(Format, i + run) == L's')) {
          out += run == 2 ? TwoDigits(minute) : IntToStr(minute);
          code = L'n';
          break;
        }
        if (month < 1) break;  // a date outside the calendar has no month
        if (run >= 4) out += settings.LongMonthNames[month - 1];
        else if (run == 3) out += settings.ShortMonthNames[month - 1];
        else out += run == 2 ? TwoDigits(month) : IntToStr(month);
        break;
      case L'd':
        if (month < 1) break;
        if (run >= 4) out += settings.LongDayNames[DayOfWeek(DateTime) - 1];
        else if (run == 3) out += settings.ShortDayNames[DayOfWeek(DateTime) - 1];
        else out += run == 2 ? TwoDigits(day) : IntToStr(day);
        break;
      case L'h':
        out += run >= 2 ? TwoDigits(hour) : IntToStr(hour);
        break;
      case L'n':
        out += run >= 2 ? TwoDigits(minute) : IntToStr(minute);
        break;
      case L's':
        out += run >= 2 ? TwoDigits(second) : IntToStr(second);
        break;
      case L'/':
        out.append(run, settings.DateSeparator);
        break;
      case L':':
        out.append(run, settings.TimeSeparator);
        break;
      default:
        out.append(run, c);
    }
    if (code == L'y' || code == L'm' || code == L'd' || code == L'h' || code == L'n' || code == L's') lastField = code;
    i += run;
  }
  return out;
}

String DateToStr(TDateTime Date) { return FormatDateTime(FormatSettings().ShortDateFormat, Date); }

namespace {

// The order of year, month and day in a date format ("ymd", "mdy", "dmy"),
// read from the first letter of each outside quotes.
String FieldOrder(const String& Format) {
  String order;
  wchar_t quote = 0;
  for (wchar_t c : Format) {
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == L'\'' || c == L'"') {
      quote = c;
      continue;
    }
    wchar_t code = Lower(c);
    if ((code == L'y' || code == L'm' || code == L'd') && order.find(code) == String::npos) order += code;
  }
  return order.size() == 3 ? order : String(L"ymd");
}

// Reads up to four digits after blanks; false when there are none or too many.
bool ReadField(const String& S, size_t& i, int& Value, size_t& Digits) {
  while (i < S.size() && S[i] == L' ') ++i;
  size_t start = i;
  Value = 0;
  // Digits past the fourth are counted, not added: the field is refused
  // anyway, and a long run of them would overflow.
  for (; i < S.size() && S[i] >= L'0' && S[i] <= L'9'; ++i)
    if (i - start < 5) Value = Value * 10 + (S[i] - L'0');
  Digits = i - start;
  return Digits > 0 && Digits <= 4;
}

}  // namespace

bool TryStrToDate(const String& S, TDateTime& Date) {
  const TFormatSettings& settings = FormatSettings();
  int values[3];
  size_t digits[3];
  size_t count = 0, i = 0;
  for (;;) {
    if (!ReadField(S, i, values[count], digits[count])) return false;
    ++count;
    while (i < S.size() && S[i] == L' ') ++i;
    if (i == S.size() || count == 3) break;
    if (S[i] != settings.DateSeparator) return false;
    ++i;
  }
  if (i != S.size() || count < 2) return false;

  int currentYear, month, day;
  DecodeDate(::Date(), currentYear, month, day);
  int year = currentYear;
  size_t yearDigits = 4;
  String order = FieldOrder(settings.ShortDateFormat);
  if (count == 2) order.erase(order.find(L'y'), 1);
  for (size_t k = 0; k < count; ++k) {
    switch (order[k]) {
      case L'y': year = values[k]; yearDigits = digits[k]; break;
      case L'm': month = values[k]; break;
      default: day = values[k]; break;
    }
  }
  if (yearDigits <= 2) year = ExpandTwoDigitYear(year);
  return TryEncodeDate(year, month, day, Date);
}

int ExpandTwoDigitYear(int Year) {
  const int window = FormatSettings().TwoDigitYearCenturyWindow;
  int currentYear, month, day;
  DecodeDate(::Date(), currentYear, month, day);
  const int windowStart = currentYear - window;
  Year += windowStart / 100 * 100;
  if (window > 0 && Year < windowStart) Year += 100;
  return Year;
}

TDateTime StrToDate(const String& S) {
  TDateTime date;
  if (!TryStrToDate(S, date)) throw EConvertError(L"'" + S + L"' is not a valid date");
  return date;
}
