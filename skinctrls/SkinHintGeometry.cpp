// Hint text lines, hint window size and placement, fade steps.
#include "skinctrls/SkinHintGeometry.h"

#include <algorithm>

String SplitHintLines(const String& Text, const String& Separator) {
  if (Separator.empty()) return Text;
  String out;
  size_t from = 0;
  for (size_t at; (at = Text.find(Separator, from)) != String::npos; from = at + Separator.size())
    out += Text.substr(from, at - from) + L"\n\r";
  return out + Text.substr(from);
}

TspHintSize CalcHintSize(int TextWidth, int TextHeight, bool TitleVariant, const TspHintFrame* Frame) {
  TspHintSize s;
  int w = TextWidth, h = TextHeight;
  if (!Frame) {
    s.Width = w + 4;
    s.Height = h + 4;
    return s;
  }
  const TspHintFrame& f = *Frame;
  if (TitleVariant) w += 10;
  w += f.ClRect.Left + (f.Width - f.ClRect.Right);
  h += f.ClRect.Top + (f.Height - f.ClRect.Bottom);
  if (!TitleVariant) w += 5;
  int dx = w - f.Width, dy = h - f.Height;
  if (f.RT.X + dx < f.LT.X) w += f.LT.X - (f.RT.X + dx), dx = w - f.Width;
  if (f.RB.X + dx < f.LB.X) w += f.LB.X - (f.RB.X + dx), dx = w - f.Width;
  if (f.LB.Y + dy < f.LT.Y) h += f.LT.Y - (f.LB.Y + dy), dy = h - f.Height;
  if (f.RB.Y + dy < f.RT.Y) h += f.RT.Y - (f.RB.Y + dy), dy = h - f.Height;
  s.Width = w;
  s.Height = h;
  s.NewClRect = TRect(f.ClRect.Left, f.ClRect.Top, f.ClRect.Right + dx, f.ClRect.Bottom + dy);
  s.NewLT = f.LT;
  s.NewRT = TPoint(f.RT.X + dx, f.RT.Y);
  s.NewLB = TPoint(f.LB.X, f.LB.Y + dy);
  s.NewRB = TPoint(f.RB.X + dx, f.RB.Y + dy);
  return s;
}

TRect PlaceHint(const TPoint& At, int Width, int Height, const TRect& Bounds) {
  TRect r(At.X, At.Y, At.X + Width, At.Y + Height);
  if (r.Right > Bounds.Right) r = TRect(r.Left - Width - 2, r.Top, r.Right - Width - 2, r.Bottom);
  if (r.Bottom > Bounds.Bottom) r = TRect(r.Left, r.Top - Height - 2, r.Right, r.Bottom - Height - 2);
  return r;
}

int NextHintFadeAlpha(int Alpha, int Target) { return std::min(Alpha + 20, Target); }
