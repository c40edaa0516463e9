// Font size ladder, raster sizes and size text of the font size box.
#include "skininputs/FontSizeRules.h"

#include <algorithm>
#include <climits>

#include "classlib/SysUtils.h"

const std::vector<int>& TrueTypeSizes() {
  static const std::vector<int> sizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
  return sizes;
}

int RasterPointSize(int CellHeight, int InternalLeading, int PixelsPerInch) {
  if (PixelsPerInch <= 0) return 0;
  return static_cast<int>(RoundHalfEven(static_cast<double>(CellHeight - InternalLeading) * 72.0 / PixelsPerInch));
}

void InsertSize(std::vector<int>& Sizes, int Size) {
  const auto at = std::lower_bound(Sizes.begin(), Sizes.end(), Size);
  if (at != Sizes.end() && *at == Size) return;
  Sizes.insert(at, Size);
}

bool IsSizeText(const String& Text) {
  if (Text.empty() || Text == L"-") return false;
  for (size_t i = 0; i < Text.size(); ++i) {
    const wchar_t c = Text[i];
    if (c == L'-' && i == 0) continue;
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

int SizeFromText(const String& Text) {
  if (!IsSizeText(Text)) return 0;
  // Too many digits for an int is no size either.
  long long v = 0;
  const bool negative = Text[0] == L'-';
  // A negative int reaches one further than a positive one.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  for (size_t i = negative ? 1 : 0; i < Text.size(); ++i) {
    v = v * 10 + (Text[i] - L'0');
    if (v > limit) return 0;
  }
  return static_cast<int>(negative ? -v : v);
}
