// The date edit's text rules: the edit mask built from the short date
// format, the key check that keeps a typed text a plausible date, the test
// for a complete date text and its conversion, with numeric or text months.
#pragma once

#include <array>

#include "classlib/DateUtils.h"

// Three fields cut at the date separator; the third holds the rest.
using TDateFields = std::array<String, 3>;
TDateFields SplitDateText(const String& S);

// Where year, month and day stand (0..2), read from the last day of 9999 in
// the short date format: 12 is the month, 31 the day, 99 or 9999 the year and
// a field that is not a number a month name.
struct TDateLayout {
  TDateFields Sample;
  int Year = 0, Month = 0, Day = 0;
  bool TextMonth = false;

  // From the current format settings.
  static TDateLayout Current();
  int SampleYear() const;
};

// The edit mask for the layout, such as "!0000/99/99;1; " for year first.
String BuildDateMask(const TDateLayout& L);

// The date in the short date format with its numbers padded with zeros to
// the widths of the layout's fields ("12/07/2026" for "M/d/yyyy"), so that
// it fills the mask.
String DateTextOf(const TDateLayout& L, TDateTime Date);

// The month name in the date text of Date, empty when the format has none.
String MonthNameOf(TDateTime Date);
// 1..12 for a month name as the format writes it (any case); 0 for none.
int MonthIndexOf(const String& Name);

// The text after typing Key at SelStart: the character there is replaced.
String DateKeyCandidate(const String& Text, int SelStart, wchar_t Key);
// Whether a text being typed (blanks for what is not typed yet) can still
// become a date: a field that cannot is accepted only while it has a blank.
bool IsPlausibleDateText(const TDateLayout& L, const String& Candidate);
// Whether the text holds all three fields in range; the day is not tested
// against the month's length.
bool IsCompleteDateText(const TDateLayout& L, const String& Text);
// The date of a complete text. A year of two digits, with a numeric or a
// text month, falls in the century window; false for a day the month does
// not have (31 February) or a text that is no date.
bool TryDateTextToDate(const TDateLayout& L, const String& Text, TDateTime& Date);
