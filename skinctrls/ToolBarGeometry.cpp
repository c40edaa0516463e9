// The tool bar's scrolling and the menu button's track part.
#include "skinctrls/ToolBarGeometry.h"

#include <algorithm>

int LayoutToolBarScroll(TspToolBarScroll& S, int ContentEnd, int ClientWidth) {
  if (ContentEnd <= 0) {
    S.Shown = false;
    return 0;
  }
  if (ClientWidth >= S.Position + ContentEnd) {
    const int shift = S.Position;
    S = TspToolBarScroll();
    return shift;
  }
  S.Shown = true;
  int shift = 0;
  if (S.Position >= 1 && ContentEnd < ClientWidth) {
    if (S.Growth > 0) {
      shift = std::min(S.Growth, S.Position);
    } else if (S.Position + ContentEnd - 1 < S.Extent) {
      shift = std::min(ClientWidth - ContentEnd, S.Position);
    }
    S.Position -= shift;
  }
  // The children follow the shift, so the unscrolled extent stays.
  S.Extent = S.Position + shift + ContentEnd - 1;
  S.ClientWidth = ClientWidth;
  S.Applied = S.Position;
  S.Growth = 0;
  return shift;
}

int StepToolBarScroll(TspToolBarScroll& S, bool Right, int Offset, int ClientWidth) {
  const int step = Offset > 0 ? Offset : ClientWidth;
  if (Right) S.Position = std::max(S.Position, std::min(S.Position + step, S.Extent - S.ClientWidth + 1));
  else S.Position = std::max(0, S.Position - step);
  const int delta = S.Position - S.Applied;
  S.Applied = S.Position;
  return delta;
}

TRect MenuTrackRect(const TspMenuTrackInput& In) {
  if (!In.HasMenu) return TRect();
  if (!In.TrackButtonMode) return TRect(0, 0, In.Width, In.Height);
  if (In.SkinTrack) {
    TRect r = In.TrackButtonRect;
    if (In.ResizeMode == 2) OffsetRect(r, In.Width - In.SkinWidth, 0);
    else if (In.ResizeMode == 3) OffsetRect(r, 0, In.Height - In.SkinHeight);
    return r;
  }
  if (In.BottomStrip) return TRect(0, In.Height - kMenuTrackStrip, In.Width, In.Height);
  return TRect(In.Width - kMenuTrackStrip, 0, In.Width, In.Height);
}

bool InMenuTrack(const TspMenuTrackInput& In, const TPoint& P) {
  const TRect r = MenuTrackRect(In);
  if (r.IsEmpty()) return false;
  return P.X >= r.Left && P.X <= r.Right && P.Y >= r.Top && P.Y <= r.Bottom;
}
