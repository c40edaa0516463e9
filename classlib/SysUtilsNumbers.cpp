#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "classlib/SysUtils.h"

namespace {

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

}  // namespace

String IntToStr(int64_t Value) { return std::to_wstring(Value); }

bool TryStrToInt(const String& S, int& Value) {
  size_t i = 0;
  const size_t n = S.size();
  while (i < n && S[i] == L' ') ++i;
  bool negative = false;
  if (i < n && (S[i] == L'+' || S[i] == L'-')) negative = S[i++] == L'-';
  int base = 10;
  if (i < n && S[i] == L'$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && S[i] == L'0' && (S[i + 1] == L'x' || S[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i == n) return false;
  // Decimal may reach 2^31 only as a negative number; hexadecimal fills 32 bits.
  const uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  uint64_t magnitude = 0;
  for (; i < n; ++i) {
    int digit = base == 16 ? HexDigitValue(S[i]) : (S[i] >= L'0' && S[i] <= L'9' ? S[i] - L'0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (magnitude > limit) return false;
  }
  uint32_t bits = static_cast<uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  Value = static_cast<int32_t>(bits);
  return true;
}

int StrToInt(const String& S) {
  int value;
  if (!TryStrToInt(S, value)) throw EConvertError(L"'" + S + L"' is not a valid integer value");
  return value;
}

int StrToIntDef(const String& S, int Default) {
  int value;
  return TryStrToInt(S, value) ? value : Default;
}

String IntToHex(int Value, int Digits) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  uint32_t bits = static_cast<uint32_t>(Value);
  String out;
  do {
    out.insert(out.begin(), kDigits[bits & 0xF]);
    bits >>= 4;
  } while (bits != 0);
  if (static_cast<int>(out.size()) < Digits) out.insert(0, static_cast<size_t>(Digits) - out.size(), L'0');
  return out;
}

double RoundHalfEven(double Value) {
  if (!std::isfinite(Value)) return Value;
  double whole = std::floor(Value);
  double fraction = Value - whole;  // exact for doubles
  if (fraction > 0.5) return whole + 1;
  if (fraction < 0.5) return whole;
  return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

int Round(double Value) {
  double r = RoundHalfEven(Value);
  if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max()))
    throw EConvertError(L"'" + std::to_wstring(Value) + L"' cannot be rounded to an integer");
  return static_cast<int>(r);
}

// ---------------------------------------------------------------------------
// Floating point text

namespace {

// Rounds the digit string to Keep digits, halves away from zero; a carry out
// of the first digit lengthens it and raises Exponent.
void RoundDigits(std::string& Digits, int Keep, int& Exponent) {
  if (Keep >= static_cast<int>(Digits.size())) return;
  if (Keep < 0) {
    Digits.clear();
    return;
  }
  bool up = Digits[static_cast<size_t>(Keep)] >= '5';
  Digits.resize(static_cast<size_t>(Keep));
  if (!up) return;
  int i = Keep - 1;
  for (; i >= 0; --i) {
    if (Digits[static_cast<size_t>(i)] != '9') {
      ++Digits[static_cast<size_t>(i)];
      break;
    }
    Digits[static_cast<size_t>(i)] = '0';
  }
  if (i < 0) {
    Digits.insert(Digits.begin(), '1');
    ++Exponent;
  }
}

// Decimal digits and exponent of |Value| at the given significant digits,
// |Value| = 0.DIGITS x 10^(Exponent + 1). The exact 17 digits of the double
// are rounded with halves away from zero.
void DecimalDigits(double Value, int Precision, std::string& Digits, int& Exponent) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(Value), std::chars_format::scientific, 16);
  std::string text(buffer, result.ptr);
  size_t e = text.find('e');
  Digits.clear();
  for (size_t i = 0; i < e; ++i)
    if (text[i] >= '0' && text[i] <= '9') Digits += text[i];
  Exponent = std::stoi(text.substr(e + 1));
  RoundDigits(Digits, Precision, Exponent);
}

String Widen(const std::string& s) { return String(s.begin(), s.end()); }

}  // namespace

String FloatToStrF(double Value, TFloatFormat, int Precision, int Digits) {
  if (std::isnan(Value)) return L"NAN";
  if (std::isinf(Value)) return Value < 0 ? L"-INF" : L"INF";
  if (Precision < 1) Precision = 1;
  if (Precision > 17) Precision = 17;
  if (Digits < 0) Digits = 0;
  if (Digits > 18) Digits = 18;
  const wchar_t separator = FormatSettings().DecimalSeparator;

  std::string digits;
  int exponent;
  DecimalDigits(Value, Precision, digits, exponent);
  String sign = std::signbit(Value) ? L"-" : L"";
  if (exponent + 1 > Precision) {
    String mantissa = Widen(digits.substr(0, 1));
    if (digits.size() > 1) mantissa += separator + Widen(digits.substr(1));
    return sign + mantissa + L"E+" + IntToStr(exponent);
  }
  RoundDigits(digits, exponent + 1 + Digits, exponent);
  // Lay the digits out around the decimal point.
  const int wholeCount = exponent + 1;
  std::string whole, fraction;
  for (int pos = 0; pos < wholeCount; ++pos)
    whole += pos < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(pos)] : '0';
  for (int pos = wholeCount; pos < wholeCount + Digits; ++pos)
    fraction += pos >= 0 && pos < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(pos)] : '0';
  if (whole.empty()) whole = "0";
  if ((whole + fraction).find_first_not_of('0') == std::string::npos) sign.clear();  // no "-0.00"
  String out = sign + Widen(whole);
  if (Digits > 0) out += separator + Widen(fraction);
  return out;
}

namespace {

// Whether the plain decimal Text ("-12.5e-400") is below 1 in magnitude, so
// that a number out of range is an underflow rather than an overflow.
bool IsUnderflow(const std::string& Text) {
  const size_t e = std::min(Text.find('e'), Text.size());
  long exponent = 0;
  bool negative = false;
  size_t k = e + 1;
  if (k < Text.size() && (Text[k] == '+' || Text[k] == '-')) negative = Text[k++] == '-';
  // A run of exponent digits far past any double's range saturates.
  for (; k < Text.size(); ++k) exponent = std::min(exponent * 10 + (Text[k] - '0'), 1000000L);
  if (negative) exponent = -exponent;
  const size_t point = std::min(Text.find('.'), e);
  const size_t first = Text.find_first_of("123456789");
  if (first >= e) return true;
  // The value is 0.d... times ten to the power of place plus the exponent.
  const long place = first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
  return exponent + place <= 0;
}

}  // namespace

bool TryStrToFloat(const String& S, double& Value) {
  const wchar_t separator = FormatSettings().DecimalSeparator;
  size_t begin = S.find_first_not_of(L' ');
  size_t end = S.find_last_not_of(L' ');
  if (begin == String::npos) return false;
  // Check the shape here and hand plain ASCII to the converter.
  std::string text;
  size_t i = begin;
  if (S[i] == L'+' || S[i] == L'-') text += static_cast<char>(S[i++]);
  size_t mantissaDigits = 0;
  bool point = false;
  for (; i <= end; ++i) {
    if (S[i] >= L'0' && S[i] <= L'9') {
      text += static_cast<char>(S[i]);
      ++mantissaDigits;
    } else if (S[i] == separator && !point) {
      text += '.';
      point = true;
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return false;
  if (i <= end && (S[i] == L'e' || S[i] == L'E')) {
    text += 'e';
    ++i;
    if (i <= end && (S[i] == L'+' || S[i] == L'-')) text += static_cast<char>(S[i++]);
    size_t exponentDigits = 0;
    for (; i <= end && S[i] >= L'0' && S[i] <= L'9'; ++i, ++exponentDigits) text += static_cast<char>(S[i]);
    if (exponentDigits == 0) return false;
  }
  if (i != end + 1) return false;
  const char* first = text.c_str() + (text[0] == '+' ? 1 : 0);
  double value;
  auto result = std::from_chars(first, text.c_str() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range && IsUnderflow(text)) {
    // Too small for a double: it is zero, with its sign.
    Value = text[0] == '-' ? -0.0 : 0.0;
    return true;
  }
  if (result.ec != std::errc() || !std::isfinite(value)) return false;
  Value = value;
  return true;
}

double StrToFloat(const String& S) {
  double value;
  if (!TryStrToFloat(S, value)) throw EConvertError(L"'" + S + L"' is not a valid floating point value");
  return value;
}
