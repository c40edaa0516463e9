// Number box rules: key filter, text test, limits and rewriting.
#include "skininputs/NumericRules.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "classlib/SysUtils.h"

namespace {

bool Has(const String& Text, wchar_t C) { return Text.find(C) != String::npos; }

}  // namespace

bool AcceptNumberKey(wchar_t Key, const String& Text, bool AllowSep, wchar_t Sep) {
  if (Key >= L'0' && Key <= L'9') return true;
  if (Key == L'-') return !Has(Text, L'-');
  if (AllowSep && Key == Sep) return !Has(Text, Sep);
  return Key < L' ' && Key != 13;
}

bool IsNumberText(const String& Text, bool AllowSep, wchar_t Sep) {
  if (Text.empty() || Text == L"-") return false;
  int seps = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    const wchar_t c = Text[i];
    if (c >= L'0' && c <= L'9') continue;
    if (c == L'-' && i == 0) continue;
    if (AllowSep && c == Sep && i > 0 && ++seps == 1) continue;
    return false;
  }
  return true;
}

bool TryParseNumberText(const String& Text, bool Float, double& Value) {
  if (!Float) {
    int v = 0;
    if (!TryStrToInt(Text, v)) return false;
    Value = v;
    return true;
  }
  double v = 0;
  if (!TryStrToFloat(Text, v) || !std::isfinite(v)) return false;
  Value = v;
  return true;
}

double LimitValue(double V, double Min, double Max) {
  if (Min == Max) return V;
  if (V < Min) return Min;
  if (V > Max) return Max;
  return V;
}

bool FitNumberValue(double& V, bool Float) {
  if (std::isnan(V)) return false;
  if (!Float) V = std::min(std::max(V, static_cast<double>(INT_MIN)), static_cast<double>(INT_MAX));
  return true;
}

bool NumberNeedsRewrite(double P, double C, double Min, double Max) {
  const bool bothNegative = P < 0 && C < 0;
  if (bothNegative ? C > P : C < P) return true;
  return (Min > 0 && P < 0) || (Max < 0 && P > 0);
}

String FormatNumber(double V, bool Float, int Decimal) {
  if (Float) return FloatToStrF(V, ffFixed, 15, Decimal);
  // Values beyond an int are shown rounded rather than raising.
  return IntToStr(static_cast<int64_t>(RoundHalfEven(V)));
}
