// The date edit's mask, key check, completeness test and conversion.
#include "skininputs/SkinDateEditRules.h"

#include <algorithm>

#include "classlib/SysUtils.h"

namespace {

bool IsDigit(wchar_t C) { return C >= L'0' && C <= L'9'; }

// Digits and separators only (an empty field counts).
bool IsDigitField(const String& F) {
  const wchar_t sep = FormatSettings().DateSeparator;
  for (wchar_t c : F)
    if (!IsDigit(c) && c != sep) return false;
  return true;
}

// Every character a digit, the separator or, with Blank, a blank.
bool InDigitSet(const String& S, bool Blank) {
  const wchar_t sep = FormatSettings().DateSeparator;
  for (wchar_t c : S)
    if (!IsDigit(c) && c != sep && !(Blank && c == L' ')) return false;
  return true;
}

// The number a field holds; -1 when it is no number.
int FieldValue(const String& F) {
  int v;
  return !F.empty() && F.size() <= 9 && InDigitSet(F, false) && TryStrToInt(F, v) ? v : (F.empty() ? 0 : -1);
}

bool HasBlank(const String& S) { return S.find(L' ') != String::npos; }

String WithoutBlanks(const String& S) {
  String out;
  for (wchar_t c : S)
    if (c != L' ') out += c;
  return out;
}

}  // namespace

TDateFields SplitDateText(const String& S) {
  const wchar_t sep = FormatSettings().DateSeparator;
  TDateFields f;
  size_t start = 0;
  for (int i = 0; i < 2; ++i) {
    const size_t p = S.find(sep, start);
    if (p == String::npos) {
      f[i] = S.substr(start);
      return f;
    }
    f[i] = S.substr(start, p - start);
    start = p + 1;
  }
  f[2] = S.substr(start);
  return f;
}

TDateLayout TDateLayout::Current() {
  TDateLayout L;
  L.Sample = SplitDateText(DateToStr(EncodeDate(9999, 12, 31)));
  for (int i = 0; i < 3; ++i) {
    const String& f = L.Sample[i];
    if (!IsDigitField(f)) {
      L.Month = i;
      L.TextMonth = true;
      continue;
    }
    const int v = FieldValue(f);
    if (v == 12) L.Month = i;
    if (v == 31) L.Day = i;
    if (v == 99 || v == 9999) L.Year = i;
  }
  return L;
}

int TDateLayout::SampleYear() const { return FieldValue(Sample[Year]); }

String BuildDateMask(const TDateLayout& L) {
  TDateFields f = L.Sample;
  f[L.Day].assign(f[L.Day].size(), L'9');
  f[L.Month].assign(f[L.Month].size(), L.TextMonth ? L'L' : L'9');
  f[L.Year].assign(f[L.Year].size(), L'0');
  return L"!" + f[0] + L"/" + f[1] + L"/" + f[2] + L";1; ";
}

String DateTextOf(const TDateLayout& L, TDateTime Date) {
  TDateFields f = SplitDateText(DateToStr(Date));
  const String sep(1, FormatSettings().DateSeparator);
  for (int i = 0; i < 3; ++i)
    if (IsDigitField(f[i]) && f[i].size() < L.Sample[i].size()) f[i].insert(0, L.Sample[i].size() - f[i].size(), L'0');
  return f[0] + sep + f[1] + sep + f[2];
}

String MonthNameOf(TDateTime Date) {
  for (const String& f : SplitDateText(DateToStr(Date)))
    if (!IsDigitField(f)) return f;
  return String();
}

int MonthIndexOf(const String& Name) {
  for (int m = 1; m <= 12; ++m)
    if (SameText(MonthNameOf(EncodeDate(9999, m, 1)), Name)) return m;
  return 0;
}

String DateKeyCandidate(const String& Text, int SelStart, wchar_t Key) {
  String s = Text;
  const size_t at = std::min(static_cast<size_t>(std::max(SelStart, 0)), s.size());
  if (at < s.size()) s.erase(at, 1);
  s.insert(at, 1, Key);
  return s;
}

bool IsPlausibleDateText(const TDateLayout& L, const String& Candidate) {
  const String t = WithoutBlanks(Candidate);
  const bool blank = HasBlank(Candidate);
  // A numeric format takes no letters. A text-month format needs its month
  // name only once the text is complete: the day or the year may come first.
  const bool sampleNumeric = !L.TextMonth, textNumeric = InDigitSet(t, true);
  if (sampleNumeric && !textNumeric) return false;
  if (!sampleNumeric && textNumeric && !blank) return false;

  const TDateFields f = SplitDateText(t), raw = SplitDateText(Candidate);
  const String &year = f[L.Year], &month = f[L.Month], &day = f[L.Day];
  bool good[3];
  const int y = FieldValue(year);
  good[L.Year] = IsDigitField(year) && y >= 0 && y <= L.SampleYear();
  const int m = FieldValue(month);
  good[L.Month] = !IsDigitField(month) || (month.size() == 1 ? month[0] < L'2' : m > 0 && m <= 12);
  const int d = FieldValue(day);
  good[L.Day] = day.size() == 1 ? IsDigit(day[0]) && day[0] < L'4' : IsDigitField(day) && d > 0 && d <= 31;
  for (int i = 0; i < 3; ++i)
    if (!good[i] && !(blank && HasBlank(raw[i]))) return false;
  return true;
}

bool IsCompleteDateText(const TDateLayout& L, const String& Text) {
  if (HasBlank(Text)) return false;
  if (L.TextMonth == InDigitSet(Text, false)) return false;
  const TDateFields f = SplitDateText(Text);
  for (const String& s : f)
    if (s.empty()) return false;
  const int y = FieldValue(f[L.Year]), d = FieldValue(f[L.Day]);
  if (y < 0 || (y == 0 && L.Sample[L.Year].size() != 2) || y > L.SampleYear()) return false;
  if (d <= 0 || d > 31) return false;
  if (!L.TextMonth) {
    const int m = FieldValue(f[L.Month]);
    return m > 0 && m <= 12;
  }
  return f[L.Month].size() == L.Sample[L.Month].size() && MonthIndexOf(f[L.Month]) != 0;
}

bool TryDateTextToDate(const TDateLayout& L, const String& Text, TDateTime& Date) {
  if (!L.TextMonth) return TryStrToDate(Text, Date);
  const TDateFields f = SplitDateText(Text);
  // An empty field reads as 0 for the typing checks; here it is no year.
  if (f[L.Year].empty()) return false;
  int year = FieldValue(f[L.Year]);
  const int month = MonthIndexOf(f[L.Month]), day = FieldValue(f[L.Day]);
  if (year < 0 || month == 0 || day <= 0) return false;
  if (f[L.Year].size() <= 2) year = ExpandTwoDigitYear(year);
  return TryEncodeDate(year, month, day, Date);
}
