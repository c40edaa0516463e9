// Rules of the font size box as plain functions: the TrueType size ladder,
// raster sizes from cell heights, the sorted size list and the size text.
#pragma once

#include <vector>

#include "classlib/Types.h"

// The sizes offered for a scalable font, in order.
const std::vector<int>& TrueTypeSizes();
// Points of a raster face: (cell height - internal leading) x 72 / PixelsPerInch,
// rounded to the nearest, halves to even.
int RasterPointSize(int CellHeight, int InternalLeading, int PixelsPerInch);
// Puts Size into the ascending list once: nothing when present, else before
// the first greater entry or at the end.
void InsertSize(std::vector<int>& Sizes, int Size);
// A size text: not empty, not "-" alone, digits with at most one leading "-".
bool IsSizeText(const String& Text);
// The size the text gives; 0 for any text that is no size (or out of range):
// it never raises.
int SizeFromText(const String& Text);
