// Value and geometry rules of the frame objects.
#include "skin/SkinFormObjectRules.h"

#include <cmath>

namespace {

// Value's place in Min .. Max as 0 .. 1.
double Share(int Value, int Min, int Max) {
  if (Max <= Min) return 0;
  return static_cast<double>(ClampObjectValue(Value, Min, Max) - Min) / (Max - Min);
}

int RoundHalfUp(double V) { return static_cast<int>(std::floor(V + 0.5)); }

}  // namespace

int ClampObjectValue(int Value, int Min, int Max) {
  if (Max <= Min || Value < Min) return Min;
  return Value > Max ? Max : Value;
}

int FrameIndexForValue(int Value, int Min, int Max, int Count) {
  if (Count <= 1) return 0;
  return RoundHalfUp(Share(Value, Min, Max) * (Count - 1));
}

TRect GaugeFillRect(const TSize& Size, int Value, int Min, int Max, bool Vertical) {
  const double k = Share(Value, Min, Max);
  if (Vertical) {
    const int h = RoundHalfUp(Size.cy * k);
    return TRect(0, Size.cy - h, Size.cx, Size.cy);
  }
  return TRect(0, 0, RoundHalfUp(Size.cx * k), Size.cy);
}

TPoint TrackPointForValue(const TPoint& Begin, const TPoint& End, int Value, int Min, int Max) {
  const double k = Share(Value, Min, Max);
  return TPoint(Begin.X + RoundHalfUp((End.X - Begin.X) * k), Begin.Y + RoundHalfUp((End.Y - Begin.Y) * k));
}

int TrackValueAtPoint(const TPoint& Begin, const TPoint& End, const TPoint& P, int Min, int Max) {
  if (Max <= Min) return Min;
  const double dx = End.X - Begin.X, dy = End.Y - Begin.Y;
  const double length2 = dx * dx + dy * dy;
  if (length2 <= 0) return Min;
  double t = ((P.X - Begin.X) * dx + (P.Y - Begin.Y) * dy) / length2;
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  return Min + RoundHalfUp(t * (Max - Min));
}

double RegulatorTurn(TspRegulatorKind Kind, const TSize& Size, const TPoint& From, const TPoint& To, int Min,
                     int Max) {
  if (Max <= Min) return 0;
  const double range = Max - Min;
  switch (Kind) {
    case rkHorizontal: return Size.cx > 0 ? (To.X - From.X) * range / Size.cx : 0;
    case rkVertical: return Size.cy > 0 ? (From.Y - To.Y) * range / Size.cy : 0;
    default: break;
  }
  const double cx = Size.cx / 2.0, cy = Size.cy / 2.0;
  // Screen y grows downwards, so atan2 of it grows clockwise.
  const double a = std::atan2(From.Y - cy, From.X - cx), b = std::atan2(To.Y - cy, To.X - cx);
  // A point on the middle has no angle.
  if ((From.X == cx && From.Y == cy) || (To.X == cx && To.Y == cy)) return 0;
  const double pi = std::acos(-1.0);
  double turn = b - a;
  while (turn > pi) turn -= 2 * pi;
  while (turn <= -pi) turn += 2 * pi;
  return turn / (2 * pi) * range;
}

TspAnimationStep NextAnimationFrame(int Frame, int Count, bool Forward, bool Cycle) {
  if (Count <= 1) return {0, false};
  if (Forward) {
    if (Frame + 1 < Count) return {Frame + 1, Cycle || Frame + 2 < Count};
    return Cycle ? TspAnimationStep{0, true} : TspAnimationStep{Count - 1, false};
  }
  if (Frame > 0) return {Frame - 1, Frame - 1 > 0};
  return {0, false};
}

bool BitLabelCell(const std::vector<String>& Symbols, wchar_t C, int& Column, int& Row) {
  for (size_t r = 0; r < Symbols.size(); ++r) {
    const size_t c = Symbols[r].find(C);
    if (c == String::npos) continue;
    Column = static_cast<int>(c);
    Row = static_cast<int>(r);
    return true;
  }
  return false;
}
