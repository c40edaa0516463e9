// The page control's tab arithmetic.
#include "skinctrls/TabGeometry.h"

#include <algorithm>

TspTabFrameMargins TabFrameMargins(const TRect& SkinRect, const TRect& ClientRect) {
  TspTabFrameMargins m;
  m.Left = ClientRect.Left;
  m.Top = ClientRect.Top;
  m.Right = SkinRect.Width() - ClientRect.Right;
  m.Bottom = SkinRect.Height() - ClientRect.Bottom;
  return m;
}

TRect AdjustTabDisplayRect(TspTabSide Side, const TRect& In, int CW, int CH, const TspTabFrameMargins* Skin) {
  TRect r = In;
  if (!Skin) {
    switch (Side) {
      case tsdTop: r = TRect(1, In.Top - 5, CW - 1, CH - 1); break;
      case tsdBottom: r = TRect(1, 1, CW - 1, In.Bottom + 3); break;
      case tsdLeft: r = TRect(In.Left - 3, In.Top - 5, CW - 1, CH - 1); break;
      case tsdRight: r = TRect(In.Left - 3, In.Top - 5, In.Right + 3, CH - 1); break;
    }
    return r;
  }
  const TspTabFrameMargins& m = *Skin;
  switch (Side) {
    case tsdTop: r = TRect(m.Left, m.Top + In.Top - 6, CW - m.Right, CH - m.Bottom); break;
    case tsdBottom: r = TRect(m.Left, m.Top + In.Top - 4, CW - m.Right, In.Bottom + 4 - m.Bottom); break;
    case tsdLeft: r = TRect(m.Left + In.Left - 4, m.Top + In.Top - 4, CW - m.Right, CH - m.Bottom); break;
    case tsdRight: r = TRect(m.Left, m.Top + In.Top - 4, In.Right - m.Right + 4, CH - m.Bottom); break;
  }
  return r;
}

TRect AdjustTabItemRect(TspTabSide Side, TRect R, bool MultiLine, int CenterOffset) {
  switch (Side) {
    case tsdTop:
      if (!MultiLine) OffsetRect(R, -2, 0);
      OffsetRect(R, CenterOffset, -2);
      break;
    case tsdBottom:
      if (!MultiLine) OffsetRect(R, -2, 0);
      OffsetRect(R, 0, 2);
      break;
    case tsdLeft: OffsetRect(R, -2, 0); break;
    case tsdRight: OffsetRect(R, 2, 0); break;
  }
  return R;
}

int TabsCenterOffset(int Width, int TabWidth, int VisibleTabs) {
  if (TabWidth == 0) return 0;
  return std::max(0, Width / 2 - TabWidth * VisibleTabs / 2);
}

TRect TurnTabRect(TspTabSide Side, const TRect& R, int W, int H) {
  switch (Side) {
    case tsdLeft: return TRect(R.Top, W - R.Right, R.Bottom, W - R.Left);
    case tsdRight: return TRect(H - R.Bottom, R.Left, H - R.Top, R.Right);
    default: return R;
  }
}

TRect ActiveTabExtension(TspTabSide Side, TRect R, int D) {
  switch (Side) {
    case tsdTop: R.Bottom += D; break;
    case tsdBottom: R.Top -= D; break;
    case tsdLeft: R.Right += D; break;
    case tsdRight: R.Left -= D; break;
  }
  return R;
}

TRect TabFrameRect(const TRect& D, const TspTabFrameMargins& M) {
  return TRect(D.Left - M.Left, D.Top - M.Top, D.Right + M.Right, D.Bottom + M.Bottom);
}

bool TabOutOfView(int Right, int Width) { return Right > Width - 3 || Right < 1; }
bool TabLeftOfView(int Right) { return Right < 1; }

int FirstTabInView(const std::vector<int>& Rights, int Selected, int First, int ViewWidth) {
  const int n = static_cast<int>(Rights.size());
  if (n == 0) return 0;
  auto left = [&Rights](int i) { return i == 0 ? 0 : Rights[i - 1]; };
  First = std::max(0, std::min(First, n - 1));
  if (Selected >= 0 && Selected < n) {
    if (Selected < First) First = Selected;
    while (First < Selected && Rights[Selected] - left(First) > ViewWidth) ++First;
  }
  while (First > 0 && Rights[n - 1] - left(First - 1) <= ViewWidth) --First;
  return First;
}

bool TabUnderScroller(int Right, int ViewWidth) { return Right > ViewWidth; }
