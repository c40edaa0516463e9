// The rules of the numeric edits as plain functions: which keys and texts a
// number box accepts, limits, and when typed text is rewritten at once.
#pragma once

#include "classlib/Types.h"

// A key a number box takes: a digit, "-" (once in Text), the separator Sep
// when AllowSep (once in Text), or a control character other than Enter.
bool AcceptNumberKey(wchar_t Key, const String& Text, bool AllowSep, wchar_t Sep);
// Text that parses as the box's number: not empty, not "-" alone, digits with
// at most one leading "-", and with AllowSep at most one separator, not first.
bool IsNumberText(const String& Text, bool AllowSep, wchar_t Sep);
// The number of a text that IsNumberText accepts; false when it does not
// convert (an integer beyond 32 bits, a float out of range), never raising.
bool TryParseNumberText(const String& Text, bool Float, double& Value);
// V within Min..Max; no limit while they are equal.
double LimitValue(double V, double Min, double Max);
// A value set from code made fit for the box: false for NaN (the box keeps
// its value); an integer box's value is clamped to the ints it can show.
bool FitNumberValue(double& V, bool Float);
// True when the typed number P, limited to C, cannot come back into range
// by typing more digits, so that the text is rewritten at once.
bool NumberNeedsRewrite(double P, double C, double Min, double Max);
// Round(V) for integers, else fixed point with Decimal digits.
String FormatNumber(double V, bool Float, int Decimal);
