// Where the parts of a skinned form's frame lie at a window size: the frame
// picture's points moved for the size, picture rectangles placed on the
// window, the client margins, the smallest size and the hit test. Portable.
#pragma once

#include <array>

#include "skin/SPUtils_layout.h"
#include "skin/SkinSections.h"

// Hit-test answers, the system's numbers, so that the window layer can pass
// them on unchanged. fhObject marks a frame object (caption button, icon).
enum TspFrameHit {
  fhNowhere = 0, fhClient = 1, fhCaption = 2, fhLeft = 10, fhRight = 11, fhTop = 12, fhTopLeft = 13,
  fhTopRight = 14, fhBottom = 15, fhBottomLeft = 16, fhBottomRight = 17, fhBorder = 18, fhObject = 19
};

// What the frame needs of a skin, copied so that nothing points into the
// skin's records while a new skin is being loaded.
struct TspFrameMetrics {
  int PicW = 0, PicH = 0;  // size of the frame picture
  TspSkinGeometry Geometry;
  int BorderW = 0;
  TPoint HitLT, HitRT, HitLB, HitRB;
  int FormMinWidth = 0;
  int RollUpH = 0;  // window height while rolled up
  TRect SizeGrip;   // where the form answers as its size grip (picture coordinates)
  TRect ButtonsRect;  // the caption buttons' area (picture coordinates)
  bool ButtonsInLeft = false;
  bool Valid() const { return PicW > 0 && PicH > 0 && Geometry.CL.Right > Geometry.CL.Left; }
};

// Metrics of a skin whose frame picture is PicW x PicH; RollUpPicH is the
// roll-up picture's height (0 without one).
TspFrameMetrics MakeFrameMetrics(const TspSkinSections& Skin, int PicW, int PicH, int RollUpPicH);

// Frame thickness around the client area at any size: Left and Top are the
// left and top bands, Right and Bottom the right and bottom ones.
TRect FrameMargins(const TspFrameMetrics& M);
// The client rectangle of a W x H window (window coordinates); while rolled
// up the client has no height.
TRect FrameClientRect(const TspFrameMetrics& M, int W, int H, bool RolledUp);
// The frame of a W x H window around its client rectangle Client, as four
// bands that do not overlap: top, bottom, left and right (an edge without a
// frame gives an empty band).
std::array<TRect, 4> FrameBands(int W, int H, const TRect& Client);
// The frame picture's points and client moved for a W x H window.
TspSkinGeometry FrameGeometryAt(const TspFrameMetrics& M, int W, int H);

// A rectangle of a PicW x PicH picture placed on a W x H window: an edge in
// the picture's fixed right part (at or beyond Points' RT.X) moves with the
// window's right side, one in its fixed left part (up to LT.X) stays, and
// one in the stretched middle moves when it lies in the right half; the same
// down the picture with LT.Y, LB.Y and the bottom. So caption buttons follow
// the right side, a caption reaching into the right part stretches, and the
// icon stays. Without Points the halves decide alone.
TRect PlaceFrameRect(const TRect& R, int PicW, int PicH, int W, int H, const TspSkinGeometry* Points = nullptr);

// The place on a W x H window of a caption button whose picture rectangle
// is R: a button within the buttons area moves with that area as one group,
// which keeps to the left with ButtonsInLeft and otherwise lies as
// PlaceFrameRect places it; any other rectangle as PlaceFrameRect says.
TRect PlaceCaptionButton(const TspFrameMetrics& M, const TRect& R, int W, int H);

// The smallest window the frame can be drawn at: the fixed corners side by
// side, and the skin's own minimum width.
TSize FrameMinSize(const TspFrameMetrics& M);

// What lies at P (window coordinates) of a W x H window: sizing zones (only
// when Sizeable) run BorderW deep along the edges, the corner zones along the
// edges up to the hit-test points, and the size grip area answers as the
// bottom-right corner; the band above the client is the caption, the rest of
// the frame border.
TspFrameHit FrameHitTest(const TspFrameMetrics& M, int W, int H, const TPoint& P, bool Sizeable);
