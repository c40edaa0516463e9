// Dates and times as TDateTime: days since 1899-12-30 in the whole part, the
// time of day as a fraction. Before 1899-12-30 the whole part still counts the
// day and the fraction's size the time (-1.25 is 1899-12-29 06:00).
#pragma once

#include "classlib/Types.h"

using TDateTime = double;

bool IsLeapYear(int Year);
// Days of a month of a year; 0 for a month outside 1..12.
int DaysInMonth(int Year, int Month);

// Years 1..9999. EncodeDate and EncodeTime raise EConvertError on invalid input;
// DecodeDate gives zeros outside that range.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
TDateTime EncodeDate(int Year, int Month, int Day);
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
// 1 = Sunday .. 7 = Saturday; 0 outside years 1..9999.
int DayOfWeek(TDateTime Date);

// Local date and time; Date has no time part.
TDateTime Now();
TDateTime Date();

// Case-insensitive codes: yyyy (yyy) four-digit year, yy (y) two-digit year;
// m, mm month number, mmm short and mmmm long month name; d, dd day, ddd short
// and dddd long day name; h, hh hour; n, nn minute; s, ss second; '/' the date
// and ':' the time separator. Text in single or double quotes is copied as is,
// like any other character.
String FormatDateTime(const String& Format, TDateTime DateTime);
// The date in the locale's short date format.
String DateToStr(TDateTime Date);
// Two or three numbers split by the locale's date separator, in the order of
// the short date format (two numbers: month and day of the current year). A
// year of one or two digits falls in the century window. StrToDate raises
// EConvertError "'S' is not a valid date".
bool TryStrToDate(const String& S, TDateTime& Date);
TDateTime StrToDate(const String& S);
// A year of one or two digits placed in the century window of the format
// settings, as StrToDate places it.
int ExpandTwoDigitYear(int Year);
