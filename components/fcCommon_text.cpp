// Text pieces, tokens and the rectangle arithmetic of the fc components.
#include "components/fcCommon.h"

#include <algorithm>

#include "classlib/SysUtils.h"

String fcCopyRange(const String& S, int Start, int Stop) {
  const int len = static_cast<int>(S.size());
  if (Stop == 0) Stop = len + 1;
  Start = std::max(Start, 1);
  Stop = std::min(Stop, len + 1);
  if (Stop <= Start) return String();
  return S.substr(Start - 1, Stop - Start);
}

int fcPosFrom(const String& Sub, const String& S, int Start) {
  if (Sub.empty() || Start < 1 || Start > static_cast<int>(S.size())) return 0;
  const size_t at = S.find(Sub, Start - 1);
  return at == String::npos ? 0 : static_cast<int>(at) + 1;
}

int fcPosNth(const String& Sub, const String& S, int N) {
  if (N < 0) return 0;
  int pos = 0;
  for (int i = 0; i <= N; ++i) {
    pos = fcPosFrom(Sub, S, pos + 1);
    if (pos == 0) return 0;
  }
  return pos;
}

int fcCountPieces(const String& S, const String& Delim) {
  if (S.empty()) return 0;
  if (Delim.empty()) return 1;
  int count = 1;
  for (size_t i = 0; i < S.size(); ++i)
    if (S.compare(i, Delim.size(), Delim) == 0) ++count;
  return count;
}

String fcGetPiece(const String& S, const String& Delim, int N) {
  if (N < 0 || N >= fcCountPieces(S, Delim)) return String();
  const int start = N == 0 ? 1 : fcPosNth(Delim, S, N - 1) + static_cast<int>(Delim.size());
  const int next = fcPosNth(Delim, S, N);
  return fcCopyRange(S, start, next);
}

String fcReplaceAll(const String& S, const String& Old, const String& New) {
  if (Old.empty()) return S;
  String out;
  size_t from = 0;
  for (size_t at; (at = S.find(Old, from)) != String::npos; from = at + Old.size()) {
    out.append(S, from, at - from);
    out += New;
  }
  out.append(S, from, String::npos);
  return out;
}

String fcStripAmpersands(const String& S) {
  String s = fcReplaceAll(S, L"&&", String(1, L'\0'));
  s.erase(std::remove(s.begin(), s.end(), L'&'), s.end());
  std::replace(s.begin(), s.end(), L'\0', L'&');
  return s;
}

int fcStringsIndexOfText(const TStrings* Strings, const String& Text) {
  const String key = AnsiUpperCase(Text);
  for (int i = 0; i < Strings->Count(); ++i)
    if (AnsiUpperCase(Strings->Strings(i)) == key) return i;
  return -1;
}

void fcGetToken(const String& S, int& Pos, int Options, const String& Delims, String& Token) {
  Token.clear();
  const int len = static_cast<int>(S.size());
  if (Pos < 1 || Pos > len) return;
  if (Options & fcgtSkipBlanks)
    while (Pos <= len && (S[Pos - 1] == L' ' || S[Pos - 1] == L'\t')) ++Pos;
  if (Pos > len) return;
  if ((Options & fcgtQuoted) && S[Pos - 1] == L'"') {
    const size_t close = S.find(L'"', Pos);
    const int stop = close == String::npos ? len + 1 : static_cast<int>(close) + 2;
    Token = fcCopyRange(S, Pos, stop);
    Pos = stop;
    if ((Options & fcgtStripQuotes) && !Token.empty() && (Token[0] == L'"' || Token[0] == L'\'')) {
      Token.erase(0, 1);
      if (!Token.empty() && (Token.back() == L'"' || Token.back() == L'\'')) Token.pop_back();
    }
    return;
  }
  const wchar_t lowest = (Options & fcgtKeepBlanks) ? 32 : 33;
  int stop = Pos;
  while (stop <= len && Delims.find(S[stop - 1]) == String::npos && S[stop - 1] >= lowest) ++stop;
  if (stop == Pos) {
    Token = S.substr(Pos - 1, 1);
    Pos = stop + 1;
    return;
  }
  Token = fcCopyRange(S, Pos, stop);
  Pos = stop - Pos >= 2 ? stop : stop + 1;
}

void fcFitRect(const TRect& R, int W, int H, TRect& Result) {
  const int rw = R.Width(), rh = R.Height();
  // Nothing to fit: a division by the empty extent would have no meaning.
  if (rw <= 0 || rh <= 0 || W <= 0 || H <= 0) {
    Result = TRect(R.Left, R.Top, R.Left, R.Top);
    return;
  }
  if (double(H) / rh >= double(W) / rw) Result = TRect(R.Left, R.Top, R.Left + rh * W / H, R.Bottom);
  else Result = TRect(R.Left, R.Top, R.Right, R.Top + rw * H / W);
}

void fcFitRectCentered(const TRect& R, int W, int H, TRect& Result) {
  fcFitRect(R, W, H, Result);
  if (Result.IsEmpty()) return;
  if (Result.Width() < R.Width()) {
    const int dx = static_cast<int>((R.Width() - Result.Width()) / 2.0);
    Result.Left += dx;
    Result.Right += dx;
  } else {
    const int dy = static_cast<int>((R.Height() - Result.Height()) / 2.0);
    Result.Top += dy;
    Result.Bottom += dy;
  }
}

std::vector<TPoint> fcTilePoints(int W, int H, int AreaW, int AreaH) {
  std::vector<TPoint> points;
  // An empty graphic never advances: it would tile forever.
  if (W <= 0 || H <= 0) return points;
  for (int y = 0; y < AreaH; y += H)
    for (int x = 0; x < AreaW; x += W) points.emplace_back(x, y);
  return points;
}

std::vector<TPoint> fcDottedLinePoints(const TPoint& P1, const TPoint& P2) {
  const int dx = P2.X - P1.X, dy = P2.Y - P1.Y;
  const int n = std::max(std::abs(dx), std::abs(dy));
  const int m = std::max(1, n / 2);
  std::vector<TPoint> points;
  int x = P1.X, y = P1.Y;
  for (int i = 0; i <= n; ++i) {
    if (i % 2 == 0) {
      points.emplace_back(x, y);
      x += dx / m;
      y += dy / m;
    }
  }
  return points;
}
