// Frame geometry of the skinned form: placement, margins, hit test.
#include "skin/SkinFormGeometry.h"

#include <algorithm>

TspFrameMetrics MakeFrameMetrics(const TspSkinSections& Skin, int PicW, int PicH, int RollUpPicH) {
  TspFrameMetrics m;
  m.PicW = PicW;
  m.PicH = PicH;
  m.Geometry = {Skin.LTPoint, Skin.RTPoint, Skin.LBPoint, Skin.RBPoint, Skin.ClRect};
  m.BorderW = std::max(0, Skin.BorderW);
  m.HitLT = Skin.HitTestLTPoint;
  m.HitRT = Skin.HitTestRTPoint;
  m.HitLB = Skin.HitTestLBPoint;
  m.HitRB = Skin.HitTestRBPoint;
  m.FormMinWidth = Skin.FormMinWidth;
  m.SizeGrip = Skin.SizeGripArea;
  m.ButtonsRect = Skin.ButtonsRect;
  m.ButtonsInLeft = Skin.ButtonsInLeft;
  const TRect margins = FrameMargins(m);
  m.RollUpH = RollUpPicH > 0 ? RollUpPicH : margins.Top + margins.Bottom;
  return m;
}

TRect FrameMargins(const TspFrameMetrics& M) {
  const TRect& cl = M.Geometry.CL;
  return TRect(cl.Left, cl.Top, M.PicW - cl.Right, M.PicH - cl.Bottom);
}

TRect FrameClientRect(const TspFrameMetrics& M, int W, int H, bool RolledUp) {
  const TRect m = FrameMargins(M);
  TRect r(m.Left, m.Top, std::max(m.Left, W - m.Right), std::max(m.Top, H - m.Bottom));
  if (RolledUp) r.Bottom = r.Top;
  return r;
}

std::array<TRect, 4> FrameBands(int W, int H, const TRect& Client) {
  return {TRect(0, 0, W, Client.Top), TRect(0, Client.Bottom, W, H), TRect(0, Client.Top, Client.Left, Client.Bottom),
          TRect(Client.Right, Client.Top, W, Client.Bottom)};
}

TspSkinGeometry FrameGeometryAt(const TspFrameMetrics& M, int W, int H) {
  // Points and client edges on the right side move with the width, those on
  // the bottom with the height: the corners keep their size.
  const int dw = W - M.PicW, dh = H - M.PicH;
  const TspSkinGeometry& g = M.Geometry;
  TspSkinGeometry n;
  n.LT = g.LT;
  n.RT = TPoint(g.RT.X + dw, g.RT.Y);
  n.LB = TPoint(g.LB.X, g.LB.Y + dh);
  n.RB = TPoint(g.RB.X + dw, g.RB.Y + dh);
  n.CL = TRect(g.CL.Left, g.CL.Top, g.CL.Right + dw, g.CL.Bottom + dh);
  return n;
}

namespace {

// Whether an edge at V of a picture Size long moves with the far side, given
// where the fixed near part ends (Near) and the fixed far part begins (Far);
// 0 for an unknown end.
bool EdgeMoves(int V, int Size, int Near, int Far) {
  if (Far > 0 && V >= Far) return true;
  if (Near > 0 && V <= Near) return false;
  return 2 * V > Size;
}

}  // namespace

TRect PlaceFrameRect(const TRect& R, int PicW, int PicH, int W, int H, const TspSkinGeometry* Points) {
  const int dw = W - PicW, dh = H - PicH;
  const int nearX = Points ? Points->LT.X : 0, farX = Points ? Points->RT.X : 0;
  const int nearY = Points ? Points->LT.Y : 0, farY = Points ? Points->LB.Y : 0;
  auto x = [&](int v) { return EdgeMoves(v, PicW, nearX, farX) ? v + dw : v; };
  auto y = [&](int v) { return EdgeMoves(v, PicH, nearY, farY) ? v + dh : v; };
  return TRect(x(R.Left), y(R.Top), x(R.Right), y(R.Bottom));
}

TRect PlaceCaptionButton(const TspFrameMetrics& M, const TRect& R, int W, int H) {
  const TRect& area = M.ButtonsRect;
  const bool inArea = area.Right > area.Left && area.Bottom > area.Top && R.Left >= area.Left &&
                      R.Right <= area.Right && R.Top >= area.Top && R.Bottom <= area.Bottom;
  if (!inArea) return PlaceFrameRect(R, M.PicW, M.PicH, W, H, &M.Geometry);
  const TRect placed = PlaceFrameRect(area, M.PicW, M.PicH, W, H, &M.Geometry);
  const int dx = M.ButtonsInLeft ? 0 : placed.Right - area.Right, dy = placed.Top - area.Top;
  return TRect(R.Left + dx, R.Top + dy, R.Right + dx, R.Bottom + dy);
}

TSize FrameMinSize(const TspFrameMetrics& M) {
  const TspSkinGeometry& g = M.Geometry;
  const int corners = std::max(g.LT.X, g.LB.X) + (M.PicW - std::min(g.RT.X, g.RB.X));
  const TRect margins = FrameMargins(M);
  return TSize(std::max({corners, M.FormMinWidth, margins.Left + margins.Right}), margins.Top + margins.Bottom);
}

TspFrameHit FrameHitTest(const TspFrameMetrics& M, int W, int H, const TPoint& P, bool Sizeable) {
  if (P.X < 0 || P.Y < 0 || P.X >= W || P.Y >= H) return fhNowhere;
  const TRect client = FrameClientRect(M, W, H, false);
  const TRect& grip = M.SizeGrip;
  if (Sizeable && grip.Right > grip.Left && grip.Bottom > grip.Top &&
      PlaceFrameRect(grip, M.PicW, M.PicH, W, H, &M.Geometry).Contains(P))
    return fhBottomRight;
  if (client.Contains(P)) return fhClient;
  const int b = M.BorderW;
  if (Sizeable && b > 0) {
    const int dw = W - M.PicW, dh = H - M.PicH;
    const bool top = P.Y < b, bottom = P.Y >= H - b, left = P.X < b, right = P.X >= W - b;
    if ((top && P.X < M.HitLT.X) || (left && P.Y < M.HitLT.Y)) return fhTopLeft;
    if ((top && P.X >= M.HitRT.X + dw) || (right && P.Y < M.HitRT.Y)) return fhTopRight;
    if ((bottom && P.X < M.HitLB.X) || (left && P.Y >= M.HitLB.Y + dh)) return fhBottomLeft;
    if ((bottom && P.X >= M.HitRB.X + dw) || (right && P.Y >= M.HitRB.Y + dh)) return fhBottomRight;
    if (top) return fhTop;
    if (bottom) return fhBottom;
    if (left) return fhLeft;
    if (right) return fhRight;
  }
  return P.Y < client.Top ? fhCaption : fhBorder;
}
