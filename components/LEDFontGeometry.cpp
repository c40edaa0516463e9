// Segment polygons and property rules of the LED number display.
#include "components/LEDFontGeometry.h"

std::array<TLEDSegment, 8> LEDSegments(int X, int Y, int W, int H, int T) {
  const int hm = (H - 1) / 2, hp = (H + 1) / 2;
  auto four = [](TPoint a, TPoint b, TPoint c, TPoint d) { return TLEDSegment{a, b, c, d, d, d}; };
  std::array<TLEDSegment, 8> s;
  s[0] = four({X + 2, Y}, {X + T + 1, Y + T - 1}, {X + W - 2 * T - 3, Y + T - 1}, {X + W - T - 4, Y});
  s[1] = four({X + W - T - 2, Y + 1}, {X + W - 2 * T - 1, Y + T}, {X + W - 2 * T - 1, Y + hm - T},
              {X + W - T - 2, Y + hm - 1});
  s[2] = four({X + W - T - 2, Y + hm + 1}, {X + W - 2 * T - 1, Y + hm + T}, {X + W - 2 * T - 1, Y + H - T - 1},
              {X + W - T - 2, Y + H - 2});
  s[3] = four({X + W - T - 4, Y + H - 1}, {X + W - 2 * T - 3, Y + H - T}, {X + T + 1, Y + H - T},
              {X + 2, Y + H - 1});
  s[4] = four({X, Y + H - 2}, {X + T - 1, Y + H - T - 1}, {X + T - 1, Y + hm + T}, {X, Y + hm + 1});
  s[5] = four({X, Y + hm - 1}, {X + T - 1, Y + hm - T}, {X + T - 1, Y + T}, {X, Y + 1});
  s[6] = {TPoint(X + T, Y + hp - T + 1), TPoint(X + 2, Y + hp - 1), TPoint(X + T, Y + hp + T - 3),
          TPoint(X + W - 2 * T - 2, Y + hp + T - 3), TPoint(X + W - T - 4, Y + hp - 1),
          TPoint(X + W - 2 * T - 2, Y + hp - T + 1)};
  if (T == 1) {
    // A one-pixel middle bar would fold over itself: its ends are pulled in.
    s[6][0] = TPoint(s[6][0].X + 1, s[6][0].Y - 1);
    s[6][2] = TPoint(s[6][2].X + 1, s[6][2].Y + 1);
    s[6][3] = TPoint(s[6][3].X - 1, s[6][3].Y + 1);
    s[6][5] = TPoint(s[6][5].X - 1, s[6][5].Y - 1);
  }
  const TPoint p0(X + W - T, Y + H - T);
  s[7] = {p0, p0, p0, TPoint(X + W - T, Y + H), TPoint(X + W, Y + H), TPoint(X + W, Y + H - T)};
  return s;
}

String LEDLitSegments(wchar_t C) {
  static const wchar_t* const kDigits[] = {L"012345", L"12",     L"01643", L"01623",   L"5612",
                                           L"05623",  L"054326", L"012",   L"0123456", L"650123"};
  if (C >= L'0' && C <= L'9') return kDigits[C - L'0'];
  if (C == L'-') return L"6";
  return String();
}

String LEDCellText(const String& Text, int& PointCell) {
  const size_t dot = Text.find(L'.');
  if (dot == String::npos) {
    PointCell = -1;
    return Text;
  }
  PointCell = static_cast<int>(dot) - 1;
  String s = Text;
  s.erase(dot, 1);
  return s;
}

TSize LEDComputedSize(int Cells, int OffSetX, int OffSetY, int WordWidth, int WordHeight, int Space) {
  return TSize(Cells * WordWidth + (Cells - 1) * Space + 2 * OffSetX, 2 * OffSetY + WordHeight);
}

bool LEDAcceptsWordWidth(int Value, int Thick) { return Value > 2 * Thick; }

bool LEDAcceptsWordHeight(int& Value, int Thick) {
  if (Value < 4 * Thick) return false;
  if ((Value - 4 * Thick + 1) % 2 != 0) ++Value;
  return true;
}

bool LEDAcceptsThick(int Value, int WordWidth, int WordHeight) {
  return 2 * Value < WordWidth && 4 * Value - 1 < WordHeight && (WordHeight - 4 * Value + 1) % 2 == 0;
}
