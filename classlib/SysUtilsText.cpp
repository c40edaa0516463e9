#include "classlib/SysUtils.h"

namespace {

bool IsTrimmed(wchar_t c) { return c <= L' '; }

}  // namespace

String TrimLeft(const String& S) {
  size_t i = 0;
  while (i < S.size() && IsTrimmed(S[i])) ++i;
  return S.substr(i);
}

String FirstLine(const String& S) { return S.substr(0, S.find_first_of(L"\r\n")); }

String AdjustLineBreaks(const String& S) {
  String out;
  out.reserve(S.size());
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] != L'\r' && S[i] != L'\n') {
      out += S[i];
      continue;
    }
    out += L"\r\n";
    if (S[i] == L'\r' && i + 1 < S.size() && S[i + 1] == L'\n') ++i;
  }
  return out;
}

String TrimRight(const String& S) {
  size_t n = S.size();
  while (n > 0 && IsTrimmed(S[n - 1])) --n;
  return S.substr(0, n);
}

String Trim(const String& S) { return TrimLeft(TrimRight(S)); }

int Pos(const String& Substr, const String& S) {
  if (Substr.empty()) return 0;
  size_t at = S.find(Substr);
  return at == String::npos ? 0 : static_cast<int>(at) + 1;
}

String StringReplace(const String& S, const String& OldPattern, const String& NewPattern, TReplaceFlags Flags) {
  if (OldPattern.empty()) return S;
  // Case folding keeps lengths, so positions found in the folded copies hold in S.
  const bool ignoreCase = Flags.Contains(rfIgnoreCase);
  const String haystack = ignoreCase ? AnsiUpperCase(S) : S;
  const String needle = ignoreCase ? AnsiUpperCase(OldPattern) : OldPattern;
  String out;
  size_t from = 0;
  for (;;) {
    size_t at = haystack.find(needle, from);
    if (at == String::npos) break;
    out.append(S, from, at - from);
    out += NewPattern;
    from = at + needle.size();
    if (!Flags.Contains(rfReplaceAll)) break;
  }
  out.append(S, from, String::npos);
  return out;
}

// ---------------------------------------------------------------------------
// Format

namespace {

[[noreturn]] void FormatError(const String& Fmt) {
  throw EConvertError(L"Format '" + Fmt + L"' invalid or incompatible with argument");
}

String Hex32(int64_t Value) {
  return IntToHex(static_cast<int>(static_cast<uint32_t>(static_cast<uint64_t>(Value))), 1);
}

String Padded(const String& Text, int Width, bool LeftJustify) {
  if (static_cast<int>(Text.size()) >= Width) return Text;
  String fill(static_cast<size_t>(Width) - Text.size(), L' ');
  return LeftJustify ? Text + fill : fill + Text;
}

// Puts leading zeros after any minus sign until there are Digits digits.
String WithLeastDigits(String Text, int Digits) {
  size_t signLength = !Text.empty() && Text[0] == L'-' ? 1 : 0;
  int have = static_cast<int>(Text.size() - signLength);
  if (Digits > have) Text.insert(signLength, static_cast<size_t>(Digits - have), L'0');
  return Text;
}

int ReadNumber(const String& Fmt, size_t& i) {
  int n = 0;
  while (i < Fmt.size() && Fmt[i] >= L'0' && Fmt[i] <= L'9') {
    n = n * 10 + (Fmt[i++] - L'0');
    if (n > 1000000) FormatError(Fmt);
  }
  return n;
}

}  // namespace

String Format(const String& Fmt, std::initializer_list<TFormatArg> Args) {
  String out;
  auto arg = Args.begin();
  for (size_t i = 0; i < Fmt.size(); ++i) {
    if (Fmt[i] != L'%') {
      out += Fmt[i];
      continue;
    }
    if (++i >= Fmt.size()) FormatError(Fmt);
    if (Fmt[i] == L'%') {
      out += L'%';
      continue;
    }
    bool leftJustify = false;
    if (Fmt[i] == L'-') {
      leftJustify = true;
      ++i;
    }
    int width = ReadNumber(Fmt, i);
    int precision = -1;
    if (i < Fmt.size() && Fmt[i] == L'.') {
      ++i;
      precision = ReadNumber(Fmt, i);
    }
    if (i >= Fmt.size() || arg == Args.end()) FormatError(Fmt);
    const TFormatArg& a = *arg++;
    String text;
    switch (Fmt[i]) {
      case L's': case L'S':
        if (a.ArgKind() != TFormatArg::kText) FormatError(Fmt);
        text = a.Text();
        if (precision >= 0 && static_cast<size_t>(precision) < text.size()) text.resize(static_cast<size_t>(precision));
        break;
      case L'd': case L'D':
        if (a.ArgKind() != TFormatArg::kInteger) FormatError(Fmt);
        text = WithLeastDigits(IntToStr(a.Integer()), precision);
        break;
      case L'x': case L'X':
        if (a.ArgKind() != TFormatArg::kInteger) FormatError(Fmt);
        text = WithLeastDigits(Hex32(a.Integer()), precision);
        break;
      case L'f': case L'F':
        if (a.ArgKind() == TFormatArg::kText) FormatError(Fmt);
        text = FloatToStrF(a.Float(), ffFixed, 15, precision < 0 ? 2 : precision);
        break;
      default:
        FormatError(Fmt);
    }
    out += Padded(text, width, leftJustify);
  }
  return out;
}
