// The arithmetic of the effect text renderer: rotation, effect offsets,
// rotated extents, the text's place and the extrusion's steps. Portable.
#pragma once

#include <vector>

#include "classlib/Types.h"

enum TfcOrientation { fcTopLeft, fcTopRight, fcBottomLeft, fcBottomRight, fcTop, fcRight, fcLeft, fcBottom };

// The direction in which each extrusion step moves, per orientation.
TPoint fcOrientationStep(TfcOrientation Orientation);
// Degrees stored in 0..360: value mod 360, negatives counted back from 360.
int fcNormalizeRotation(int Value);
// x - 0.4999 rounded half to even: the floor for all but values just below an integer.
int fcFloor(double X);

struct TfcEffectGeometry {
  bool ExtrudeOn = false;
  int Depth = 10;
  TfcOrientation Orientation = fcBottomRight;
  bool ShadowOn = false;
  int ShadowX = 10, ShadowY = 10;
  bool Outline = false;
  int Rotation = 0;  // degrees, normalised
};

// E(Abs): the room the extrusion takes.
TPoint fcExtrudeOffset(const TfcEffectGeometry& G, bool Abs);
// S: the room the shadow takes beyond the extrusion.
TPoint fcShadowOffset(const TfcEffectGeometry& G);
// The rotated box of a text of TextSize with its effect room; Clip limits it
// to ClipW x ClipH unless it is null.
TSize fcTextExtent(const TfcEffectGeometry& G, const TSize& TextSize, const TSize* Clip);
// Where the text goes in TextRect: centred, turned about the centre, and
// pushed inside TextRect's top-left corner. Unclipped gives the full extent.
TRect fcTextPlace(const TfcEffectGeometry& G, const TRect& TextRect, const TSize& TextSize, bool Unclipped);
// The offsets, from the prepared place, at which the extrusion's Depth steps
// are drawn (nearest last), and where the text itself then lands.
std::vector<TPoint> fcExtrusionSteps(const TfcEffectGeometry& G, TPoint& TextOffset);
// Colour of extrusion step I (1..Depth) between the far and near colours,
// as RGB bytes packed 0x00BBGGRR.
uint32_t fcExtrusionColor(uint32_t NearRGB, uint32_t FarRGB, int Depth, int I, bool Striated);
