#include "skin/SPUtils_geometry.h"

#include <algorithm>
#include <cmath>

namespace {
enum { kGlyphLeft, kGlyphRight, kGlyphTop, kGlyphBottom };
}  // namespace

int RectWidth(const TRect& R) { return R.Right - R.Left; }
int RectHeight(const TRect& R) { return R.Bottom - R.Top; }
TRect NullRect() { return TRect(0, 0, 0, 0); }
bool IsNullRect(const TRect& R) { return RectWidth(R) < 1 || RectHeight(R) < 1; }
bool IsNullPoint(const TPoint& P) { return P.X == 0 || P.Y == 0; }
bool EqualRects(const TRect& A, const TRect& B) { return A == B; }

bool PointInRect(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}
bool PointInRect(const TPoint& P, const TRect& R) { return PointInRect(R, P); }

bool RectInRect(const TRect& Inner, const TRect& Outer) {
  return PtInRect(Outer, Inner.TopLeft()) && PtInRect(Outer, Inner.BottomRight());
}

void RectToCenter(TRect& R, const TRect& Bounds) {
  const int w = RectWidth(R), h = RectHeight(R);
  R.Left = Bounds.Left + (RectWidth(Bounds) - w) / 2;
  R.Top = Bounds.Top + (RectHeight(Bounds) - h) / 2;
  R.Right = R.Left + w;
  R.Bottom = R.Top + h;
}

int IntMax(int A, int B) { return A > B ? A : B; }
int IntMin(int A, int B) { return A < B ? A : B; }

void CalcButtonLayout(int Layout, const TRect& R, int GlyphWidth, int& GlyphY, int& GlyphX, int& TextY, int& TextX,
                      int Margin, int Spacing, int TextHeight, int TextWidth, int GlyphHeight) {
  const int cx = R.Left + RectWidth(R) / 2;
  const int cy = R.Top + RectHeight(R) / 2;
  const int S = GlyphWidth != 0 ? Spacing : 0;
  if (Margin != -1) {
    switch (Layout) {
      case kGlyphLeft:
        GlyphX = R.Left + Margin;
        GlyphY = cy - GlyphHeight / 2;
        TextX = GlyphX + GlyphWidth + S;
        TextY = cy - TextHeight / 2;
        break;
      case kGlyphRight:
        GlyphX = R.Right - GlyphWidth - Margin;
        GlyphY = cy - GlyphHeight / 2;
        TextX = GlyphX - S - TextWidth;
        TextY = cy - TextHeight / 2;
        break;
      case kGlyphTop:
        GlyphY = R.Top + Margin;
        GlyphX = cx - GlyphWidth / 2;
        TextY = GlyphY + GlyphHeight + S;
        TextX = cx - TextWidth / 2;
        break;
      case kGlyphBottom:
        GlyphY = R.Bottom - GlyphHeight - Margin;
        GlyphX = cx - GlyphWidth / 2;
        TextY = GlyphY - S - TextHeight;
        TextX = cx - TextWidth / 2;
        break;
      default:
        break;
    }
    return;
  }
  const int hw = (TextWidth + GlyphWidth + S) / 2;
  const int hh = (TextHeight + GlyphHeight + S) / 2;
  switch (Layout) {
    case kGlyphLeft:
      GlyphX = cx - hw;
      TextX = cx + hw - TextWidth;
      GlyphY = cy - GlyphHeight / 2;
      TextY = cy - TextHeight / 2;
      break;
    case kGlyphRight:
      TextX = cx - hw;
      GlyphX = cx + hw - GlyphWidth;
      GlyphY = cy - GlyphHeight / 2;
      TextY = cy - TextHeight / 2;
      break;
    case kGlyphTop:
      GlyphY = cy - hh;
      TextY = cy + hh - TextHeight;
      GlyphX = cx - GlyphWidth / 2;
      TextX = cx - TextWidth / 2;
      break;
    case kGlyphBottom:
      TextY = cy - hh;
      GlyphY = cy + hh - GlyphHeight;
      GlyphX = cx - GlyphWidth / 2;
      TextX = cx - TextWidth / 2;
      break;
    default:
      break;
  }
}

namespace {

bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Whether cutting Text after N code units would split a surrogate pair.
bool SplitsPair(const String& Text, size_t N) {
  return N > 0 && N < Text.size() && IsHighSurrogate(Text[N - 1]) && IsLowSurrogate(Text[N]);
}

}  // namespace

void FitTextWithEllipsis(String& Text, int Width, const std::function<int(const String&)>& TextWidth) {
  static const String kEllipsis = L"...";
  if (TextWidth(Text) <= Width) return;
  const auto fits = [&](size_t n) { return TextWidth(Text.substr(0, n) + kEllipsis) <= Width; };
  // A longer start is never narrower: the longest start that fits with the
  // ellipsis lies below the first of the lengths 16, 32, 64, ... that does
  // not, and is found by halving from there. The texts measured stay about
  // as long as what shows, however long the text.
  size_t lo = 0, hi = 16;
  while (hi < Text.size() && fits(hi)) {
    lo = hi;
    hi *= 2;
  }
  if (SplitsPair(Text, lo)) --lo;  // a shorter start fits too
  hi = std::min(hi, Text.size());  // the whole text does not fit: the ellipsis cannot either
  while (hi - lo > 1) {
    size_t mid = lo + (hi - lo) / 2;
    if (SplitsPair(Text, mid)) {
      if (mid - 1 > lo)
        --mid;
      else if (mid + 1 < hi)
        ++mid;
      else
        break;
    }
    (fits(mid) ? lo : hi) = mid;
  }
  Text.resize(lo);
  Text += kEllipsis;
}

std::vector<TPoint> DottedFocusRectPoints(const TRect& R) {
  std::vector<TPoint> points;
  const int l = R.Left, t = R.Top, r = R.Right - 1, b = R.Bottom - 1;
  const int w = r - l, h = b - t;
  if (w < 0 || h < 0) return points;
  // Walk the outline once, every corner visited once, so the alternation runs
  // on unbroken around the corners.
  bool on = !(w % 2 == 0 && h % 2 == 0);
  auto visit = [&](int x, int y) {
    if (on) points.emplace_back(x, y);
    on = !on;
  };
  for (int x = l; x < r; ++x) visit(x, t);
  for (int y = t; y < b; ++y) visit(r, y);
  for (int x = r; x > l; --x) visit(x, b);
  for (int y = b; y > t; --y) visit(l, y);
  return points;
}

bool VersionIsVistaOrLater(int Major, int) { return Major >= 6; }
bool VersionIsXPOrLater(int Major, int Minor) { return Major > 5 || (Major == 5 && Minor == 1); }
bool Version2000OrLater(int Major, int Minor) { return Major > 5 || (Major == 5 && Minor >= 0 && Minor <= 2); }

namespace {

struct CivilDate {
  int Year, Month, Day;
};

// Days since 30 December 1899 to a proleptic Gregorian date.
CivilDate DecodeDays(long long days) {
  long long z = days - 25569 + 719468;  // shift the epoch to 1 March of year 0
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
  return {y, m, d};
}

CivilDate Decode(TDateTime Date) { return DecodeDays(static_cast<long long>(std::trunc(Date))); }

}  // namespace

int DayOfDate(TDateTime Date) { return Decode(Date).Day; }
int MonthOfDate(TDateTime Date) { return Decode(Date).Month; }
int YearOfDate(TDateTime Date) { return Decode(Date).Year; }

