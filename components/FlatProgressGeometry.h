// Geometry of the flat progress bar: size snapping, block count and the
// rectangles of blocks and smooth bar. Portable.
#pragma once

#include <vector>

#include "classlib/Types.h"

constexpr int kFlatBlockWidth = 8;
constexpr int kFlatBlockPitch = kFlatBlockWidth + 1;

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// A block bar is 3 px plus whole blocks, and at least 12 px long.
int FlatBarSnapExtent(int Extent);
// Position kept within Max, then Min (so Min wins when Min > Max).
int FlatBarClampPosition(int Value, int Min, int Max);
// Blocks filled for Position on a bar of Extent; none when Max equals Min.
int FlatBarBlockCount(int Extent, int Min, int Max, int Position);
// The filled blocks in client rectangle R, first to last.
std::vector<TRect> FlatBarBlocks(const TRect& R, TProgressBarOrientation Orientation, bool RightToLeft, int Count);
// Length of the smooth bar; 0 when Max equals Min.
int FlatBarSmoothLength(int Extent, int Min, int Max, int Position);
// The smooth bar's rectangle, empty for a length of 0.
TRect FlatBarSmoothRect(const TRect& R, TProgressBarOrientation Orientation, int Length);
