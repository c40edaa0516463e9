// Run-time helpers: the exception family and text, number and date routines.
#pragma once

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <string>
#include <type_traits>

#include "classlib/Types.h"

// Base of every failure the library reports. The message is kept as String;
// what() gives it in UTF-8 for code that only knows std::exception.
class Exception : public std::exception {
 public:
  explicit Exception(String message);
  const String& Message() const { return FMessage; }
  const char* what() const noexcept override { return FWhat.c_str(); }

 private:
  String FMessage;
  std::string FWhat;
};

#define SKINGUI_EXCEPTION(Name, Base)                   \
  class Name : public Base {                            \
   public:                                              \
    explicit Name(String message) : Base(std::move(message)) {} \
  };

SKINGUI_EXCEPTION(EConvertError, Exception)
SKINGUI_EXCEPTION(EInvalidOperation, Exception)
SKINGUI_EXCEPTION(EInvalidGraphic, Exception)
SKINGUI_EXCEPTION(EInvalidPointer, Exception)
SKINGUI_EXCEPTION(EListError, Exception)
SKINGUI_EXCEPTION(EStringListError, Exception)
SKINGUI_EXCEPTION(EResNotFound, Exception)
SKINGUI_EXCEPTION(EOutOfResources, Exception)
SKINGUI_EXCEPTION(EComponentError, Exception)
SKINGUI_EXCEPTION(EStreamError, Exception)
SKINGUI_EXCEPTION(EReadError, EStreamError)
SKINGUI_EXCEPTION(EWriteError, EStreamError)
SKINGUI_EXCEPTION(EFOpenError, EStreamError)
SKINGUI_EXCEPTION(EFCreateError, EStreamError)
SKINGUI_EXCEPTION(EZLibError, Exception)
SKINGUI_EXCEPTION(EZCompressionError, EZLibError)
SKINGUI_EXCEPTION(EZDecompressionError, EZLibError)

// Files by String name (Chinese names included).
bool FileExists(const String& FileName);
bool RemoveFile(const String& FileName);
// windows.h turns DeleteFile into DeleteFileW; the String form answers to both
// names, whichever header comes first.
#ifndef DeleteFile
inline bool DeleteFile(const String& FileName) { return RemoveFile(FileName); }
#endif
#ifdef _WIN32
inline bool DeleteFileW(const String& FileName) { return RemoveFile(FileName); }
#endif

// ---------------------------------------------------------------------------
// Case and comparison. Comparisons return <0, 0 or >0 and order by character
// code after case folding. The "Ansi" forms fold Latin, Greek, Cyrillic and
// full-width letters; the plain forms fold only 'a'..'z'. Characters without
// case (Chinese among them) are never changed.
String UpperCase(const String& S);
String LowerCase(const String& S);
String AnsiUpperCase(const String& S);
String AnsiLowerCase(const String& S);
int CompareStr(const String& S1, const String& S2);
int CompareText(const String& S1, const String& S2);
bool SameText(const String& S1, const String& S2);
// The Ansi comparisons sort as the user's locale does on Windows (CompareStringW),
// by code point elsewhere.
int AnsiCompareStr(const String& S1, const String& S2);
int AnsiCompareText(const String& S1, const String& S2);
bool AnsiSameText(const String& S1, const String& S2);

// ---------------------------------------------------------------------------
// Numbers

// One function for every integer type, so that none is ambiguous.
String IntToStr(int64_t Value);
// Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X" (a sign
// may come first). Leading blanks are skipped; nothing may follow the digits.
// Decimal text must fit an int; hexadecimal text may use all 32 bits, so
// "$FFFFFFFF" is -1.
bool TryStrToInt(const String& S, int& Value);
// Raises EConvertError "'S' is not a valid integer value".
int StrToInt(const String& S);
int StrToIntDef(const String& S, int Default);
// Upper-case hexadecimal of the 32-bit pattern, at least Digits digits.
String IntToHex(int Value, int Digits);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double Value);
// RoundHalfEven as an int; raises EConvertError when the result is no int.
int Round(double Value);

// Fixed-point text: the value is first taken to Precision significant digits,
// then to Digits decimals, halves away from zero, with the locale's decimal
// separator. Values with more than Precision whole digits come out in
// scientific notation. The only float format the library needs.
enum TFloatFormat { ffFixed };
String FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
// Decimal text with the locale's decimal separator and an optional exponent;
// blanks around it are allowed. Raises EConvertError
// "'S' is not a valid floating point value".
bool TryStrToFloat(const String& S, double& Value);
double StrToFloat(const String& S);

// ---------------------------------------------------------------------------
// Text

// Trim removes blanks and control characters (codes up to 32) at the ends.
String Trim(const String& S);
String TrimLeft(const String& S);
String TrimRight(const String& S);
// Every line end (CR LF, a lone LF or a lone CR) as CR LF.
String AdjustLineBreaks(const String& S);
// The text before the first line break (CR or LF): what a one-line edit
// takes of a pasted text.
String FirstLine(const String& S);
// 1-based position of the first Substr in S; 0 when absent or Substr is empty.
int Pos(const String& Substr, const String& S);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
// Replaces the first (or every) OldPattern; case is ignored as AnsiSameText does.
String StringReplace(const String& S, const String& OldPattern, const String& NewPattern, TReplaceFlags Flags);

// One argument of Format: an integer, a floating-point number or text.
class TFormatArg {
 public:
  template <typename T, typename std::enable_if<std::is_integral<T>::value, int>::type = 0>
  TFormatArg(T Value) : FKind(kInteger), FInteger(static_cast<int64_t>(Value)) {}
  template <typename T, typename std::enable_if<std::is_floating_point<T>::value, int>::type = 0>
  TFormatArg(T Value) : FKind(kFloat), FFloat(static_cast<double>(Value)) {}
  TFormatArg(const String& Value) : FKind(kText), FText(&Value) {}
  TFormatArg(const wchar_t* Value) : FKind(kText), FChars(Value) {}

  enum Kind { kInteger, kFloat, kText };
  Kind ArgKind() const { return FKind; }
  int64_t Integer() const { return FInteger; }
  double Float() const { return FKind == kFloat ? FFloat : static_cast<double>(FInteger); }
  String Text() const { return FText ? *FText : String(FChars ? FChars : L""); }

 private:
  Kind FKind;
  int64_t FInteger = 0;
  double FFloat = 0;
  const String* FText = nullptr;
  const wchar_t* FChars = nullptr;
};

// Formats with %s (text), %d (integer), %x (integer, upper-case hexadecimal of
// its 32-bit pattern), %f (number, fixed point as FloatToStrF with precision
// 15; two decimals unless ".N" says otherwise) and %% (a percent sign). Each
// may carry "-" (left-justify), a width and ".N": the least digits for %d and
// %x, the most characters for %s. A missing or mismatched argument raises
// EConvertError.
String Format(const String& Fmt, std::initializer_list<TFormatArg> Args);

// ---------------------------------------------------------------------------
// File names. Both '\' and '/' separate folders; ':' ends a drive.

#ifdef _WIN32
constexpr wchar_t PathDelim = L'\\';
#else
constexpr wchar_t PathDelim = L'/';
#endif
// The folder part, with its trailing delimiter ("C:\a\b.txt" -> "C:\a\").
String ExtractFilePath(const String& FileName);
String ExtractFileName(const String& FileName);
// The extension with its dot, or empty ("a.tar.gz" -> ".gz").
String ExtractFileExt(const String& FileName);
// Replaces the extension, or appends Extension when there is none.
String ChangeFileExt(const String& FileName, const String& Extension);
String IncludeTrailingPathDelimiter(const String& S);

// ---------------------------------------------------------------------------
// Locale formats, read from the user's locale on first use (on Windows; other
// systems get fixed values: '.', "yyyy-mm-dd", English names).
struct TFormatSettings {
  wchar_t DecimalSeparator = L'.';
  wchar_t DateSeparator = L'-';
  wchar_t TimeSeparator = L':';
  // '/' in the format stands for DateSeparator.
  String ShortDateFormat = L"yyyy/mm/dd";
  String ShortMonthNames[12] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  String LongMonthNames[12] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                               L"July",    L"August",   L"September", L"October", L"November", L"December"};
  // Sunday first.
  String ShortDayNames[7] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
  String LongDayNames[7] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};
  // A two-digit year is placed in the 100 years that start this many years
  // before the current one.
  int TwoDigitYearCenturyWindow = 50;
};
TFormatSettings& FormatSettings();

// Dates and times.
#include "classlib/DateUtils.h"
