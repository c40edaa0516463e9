// Resize mode, sizing and rectangle mapping of a control's skin picture.
#include "skinctrls/ControlGeometry.h"

namespace {

TPoint Shifted(const TPoint& P, int DX, int DY) { return TPoint(P.X + DX, P.Y + DY); }

// Both corners inside A, edges included.
bool Inside(const TRect& R, const TRect& A) {
  return R.Left >= A.Left && R.Top >= A.Top && R.Right <= A.Right && R.Bottom <= A.Bottom;
}
bool PointIn(const TPoint& P, const TRect& A) {
  return P.X >= A.Left && P.Y >= A.Top && P.X <= A.Right && P.Y <= A.Bottom;
}

}  // namespace

int TspControlGeometry::ResizeModeOf(const TRect& SkinRect, const TPoint& RTPoint, const TPoint& LBPoint,
                                  const TPoint& RBPoint) {
  return PiecesResizeMode(SkinRect, RTPoint, LBPoint, RBPoint);
}

void TspControlGeometry::CopyGeometry(const TspDataSkinControl& Record) {
  static const TspDataSkinCustomControl kFixed{String()};
  const auto* pieces = dynamic_cast<const TspDataSkinCustomControl*>(&Record);
  const TspDataSkinCustomControl& r = pieces ? *pieces : kFixed;
  LTPoint = r.LTPoint;
  RTPoint = r.RTPoint;
  LBPoint = r.LBPoint;
  RBPoint = r.RBPoint;
  SkinRect = Record.SkinRect;
  ClRect = r.ClRect;
  StretchEffect = r.StretchEffect;
  LeftStretch = r.LeftStretch;
  TopStretch = r.TopStretch;
  RightStretch = r.RightStretch;
  BottomStretch = r.BottomStretch;
  StretchType = r.StretchType;
  ResizeMode = GetResizeMode();
}

void TspControlGeometry::CalcSize(int& W, int& H, bool HasRecord) {
  const int dW = W - SkinRect.Width();
  const int dH = H - SkinRect.Height();
  NewLTPoint = LTPoint;
  switch (ResizeMode) {
    case 1:
      NewRTPoint = Shifted(RTPoint, dW, 0);
      NewLBPoint = Shifted(LBPoint, 0, dH);
      NewRBPoint = Shifted(RBPoint, dW, dH);
      NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dW, ClRect.Bottom + dH);
      break;
    case 2:
      H = SkinRect.Height();
      NewRTPoint = Shifted(RTPoint, dW, 0);
      NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dW, ClRect.Bottom);
      break;
    case 3:
      W = SkinRect.Width();
      NewLBPoint = Shifted(LBPoint, 0, dH);
      NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right, ClRect.Bottom + dH);
      break;
    case 0:
      if (HasRecord) {
        W = SkinRect.Width();
        H = SkinRect.Height();
        NewClRect = ClRect;
      }
      break;
    default:
      break;
  }
}

TRect TspControlGeometry::MapSkinRect(const TRect& R, int W, int H) const {
  const int dW = W - SkinRect.Width();
  const int dH = H - SkinRect.Height();
  const int skinW = SkinRect.Width(), skinH = SkinRect.Height();
  TRect M = R;
  switch (ResizeMode) {
    case 1: {
      const TRect A1(0, 0, LTPoint.X, LTPoint.Y);
      const TRect A2(0, LBPoint.Y, LBPoint.X, skinH);
      const TRect A3(RTPoint.X, 0, skinW, RTPoint.Y);
      const TRect A4(RBPoint.X, RBPoint.Y, skinW, skinH);
      const TPoint tl = R.TopLeft(), br = R.BottomRight();
      if (Inside(R, A1)) break;
      if (Inside(R, A3)) {
        OffsetRect(M, dW, 0);
      } else if (Inside(R, A2)) {
        OffsetRect(M, 0, dH);
      } else if (Inside(R, A4)) {
        OffsetRect(M, dW, dH);
      } else if (PointIn(tl, A1) && PointIn(br, A4)) {
        M.Right += dW;
        M.Bottom += dH;
      } else if (PointIn(tl, A1) && PointIn(br, A3)) {
        M.Right += dW;
      } else if (PointIn(tl, A2) && PointIn(br, A4)) {
        M.Right += dW;
        OffsetRect(M, 0, dH);
      } else if (PointIn(tl, A1) && PointIn(br, A2)) {
        M.Bottom += dH;
      } else if (PointIn(tl, A3) && PointIn(br, A4)) {
        OffsetRect(M, dW, 0);
        M.Bottom += dH;
      }
      break;
    }
    case 2:
      if (R.Left <= LTPoint.X && R.Right >= RTPoint.X)
        M.Right += dW;
      else if (R.Left >= RTPoint.X && R.Right > RTPoint.X)
        OffsetRect(M, dW, 0);
      break;
    case 3:
      if (R.Top <= LTPoint.Y && R.Bottom >= LBPoint.Y)
        M.Bottom += dH;
      else if (R.Top >= LBPoint.Y && R.Bottom > LBPoint.Y)
        OffsetRect(M, 0, dH);
      break;
    default:
      break;
  }
  return M;
}
