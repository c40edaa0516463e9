// The resizable skin picture of a control as plain geometry: the corner
// points, skin and client rectangles and stretch flags copied from a record,
// the resize mode they imply, and the same geometry at the control's size.
#pragma once

#include "classlib/Types.h"
#include "skin/SkinCtrlRecords.h"

class TspControlGeometry {
 public:
  // -1 no size; 0 fixed (the skin rectangle); 1 nine pieces, both ways;
  // 2 three pieces across (the height is the skin's); 3 three pieces down.
  static int ResizeModeOf(const TRect& SkinRect, const TPoint& RTPoint, const TPoint& LBPoint,
                          const TPoint& RBPoint);

  // Takes the record's geometry and sets ResizeMode from it: the pieces of a
  // resizable record (TspDataSkinCustomControl), or for a record of any
  // other kind its skin rectangle alone, at its own size. Nothing of an
  // earlier record stays.
  void CopyGeometry(const TspDataSkinControl& Record);
  int GetResizeMode() const { return ResizeModeOf(SkinRect, RTPoint, LBPoint, RBPoint); }
  // Moves the New... geometry to size W x H; modes 2, 3 and 0 (with a skin
  // record) force the width, the height or both to the skin's.
  void CalcSize(int& W, int& H, bool HasRecord);
  // R (in skin-picture coordinates) at the size W x H: pieces that lie in a
  // corner move with it, pieces that span a stretched part grow with it.
  TRect MapSkinRect(const TRect& R, int W, int H) const;

  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect SkinRect, ClRect;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  TRect NewClRect;
  int ResizeMode = 0;
  bool StretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
       BottomStretch = false;
  uint8_t StretchType = 0;
};
