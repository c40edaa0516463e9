#include <algorithm>

#include "classlib/LocaleCompare.h"
#include "classlib/SysUtils.h"

namespace {

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }
wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

// Latin Extended-A pairs capital and small letters on neighbouring codes: the
// capital is even in 0100-0137 and 014A-0177, odd in 0139-0148 and 0179-017E.
// The dotted and dotless i (0130, 0131) are left alone: they pair with plain I and i.
bool InLatinExtA(unsigned c, bool& capitalIsEven) {
  if (c == 0x130 || c == 0x131) return false;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) { capitalIsEven = true; return true; }
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) { capitalIsEven = false; return true; }
  return false;
}

wchar_t LetterUpper(wchar_t ch) {
  unsigned c = static_cast<unsigned>(ch);
  if (c < 0x80) return AsciiUpper(ch);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
  if (c == 0xFF) return static_cast<wchar_t>(0x178);
  bool capitalIsEven;
  if (InLatinExtA(c, capitalIsEven)) return static_cast<wchar_t>((c % 2 == 0) == capitalIsEven ? c : c - 1);
  if (c == 0x3C2) return static_cast<wchar_t>(0x3A3);  // final sigma
  if (c >= 0x3B1 && c <= 0x3C9) return static_cast<wchar_t>(c - 0x20);
  if (c >= 0x430 && c <= 0x44F) return static_cast<wchar_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<wchar_t>(c - 0x50);
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<wchar_t>(c - 0x20);
  return ch;
}

wchar_t LetterLower(wchar_t ch) {
  unsigned c = static_cast<unsigned>(ch);
  if (c < 0x80) return AsciiLower(ch);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 0x20);
  if (c == 0x178) return static_cast<wchar_t>(0xFF);
  bool capitalIsEven;
  if (InLatinExtA(c, capitalIsEven)) return static_cast<wchar_t>((c % 2 == 0) == capitalIsEven ? c + 1 : c);
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);
  if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<wchar_t>(c + 0x20);
  return ch;
}

template <typename Map>
String Mapped(const String& s, Map map) {
  String out(s);
  std::transform(out.begin(), out.end(), out.begin(), map);
  return out;
}

template <typename Fold>
int CompareFolded(const String& a, const String& b, Fold fold) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned>(fold(a[i])), y = static_cast<unsigned>(fold(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

wchar_t Same(wchar_t c) { return c; }

}  // namespace

String UpperCase(const String& S) { return Mapped(S, AsciiUpper); }
String LowerCase(const String& S) { return Mapped(S, AsciiLower); }
String AnsiUpperCase(const String& S) { return Mapped(S, LetterUpper); }
String AnsiLowerCase(const String& S) { return Mapped(S, LetterLower); }

int CompareStr(const String& S1, const String& S2) { return CompareFolded(S1, S2, Same); }
int CompareText(const String& S1, const String& S2) { return CompareFolded(S1, S2, AsciiUpper); }
bool SameText(const String& S1, const String& S2) { return S1.size() == S2.size() && CompareText(S1, S2) == 0; }
// By the user's locale where there is one ("\x00E4pfel" before "b"), else by code point.
int AnsiCompareStr(const String& S1, const String& S2) {
  int result;
  return LocaleCompare(S1, S2, false, result) ? result : CompareStr(S1, S2);
}
int AnsiCompareText(const String& S1, const String& S2) {
  int result;
  return LocaleCompare(S1, S2, true, result) ? result : CompareFolded(S1, S2, LetterUpper);
}
bool AnsiSameText(const String& S1, const String& S2) {
  return S1.size() == S2.size() && AnsiCompareText(S1, S2) == 0;
}
