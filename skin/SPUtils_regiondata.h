// Window regions from skin masks: black mask pixels are inside the shape.
// Portable: region data is built in the platform's RGNDATA layout (a 32-byte
// header of header size, type, count, region size and bounds, then the
// rectangles as left, top, right, bottom, all little-endian 32-bit).
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/Types.h"
#include "skin/SPUtils_layout.h"
#include "skin/speffbmp_pixels.h"

constexpr int spRgnHeaderSize = 32;

// Region data of Mask's black pixels shifted by (XOff, YOff): one rectangle per
// run of black pixels in a row, rows top to bottom, runs left to right.
// Returns the size of Data in bytes; an empty mask returns 0 and leaves Data alone.
int BuildRegionData(const TspPixels24& Mask, int XOff, int YOff, std::vector<uint8_t>& Data);

// Executes a plan of 1:1 copies from Mask into a new buffer of the plan's size,
// first filled white (outside the shape). Copies are clipped to both images.
TspPixelBuffer24 ComposeMask(const TspPixels24& Mask, const TspComposition& Plan);

// The pieces of a window region at a new size: the client rectangle and the
// region data of each border part that has a size (top, bottom, left, right).
struct TspSkinRegionParts {
  bool Valid = false;  // false: the new points are crossed, there is no region
  TRect Client;
  std::vector<std::vector<uint8_t>> Parts;
};
TspSkinRegionParts BuildSkinRegionParts(const TspSkinGeometry& Old, const TspSkinGeometry& New,
                                        const TspPixels24& Mask, int W);
