// The seven-segment cells of the LED number display: segment polygons, the
// lit segments of each character and the rules its size properties follow.
// Portable.
#pragma once

#include <array>
#include <vector>

#include "classlib/Types.h"

// Segments 0 top, 1 upper right, 2 lower right, 3 bottom, 4 lower left,
// 5 upper left, 6 middle, 7 decimal point.
using TLEDSegment = std::array<TPoint, 6>;
std::array<TLEDSegment, 8> LEDSegments(int X, int Y, int WordWidth, int WordHeight, int Thick);
// The segments a character lights ("-" the middle one; anything but a digit
// or "-" none).
String LEDLitSegments(wchar_t C);

// Text shown in cells: the first "." is taken out and lights the point of the
// cell before it (PointCell, 0-based; -1 when there is none).
String LEDCellText(const String& Text, int& PointCell);
// Size of the cells of Text with their margins.
TSize LEDComputedSize(int Cells, int OffSetX, int OffSetY, int WordWidth, int WordHeight, int Space);

// Whether a new value of a size property is taken; WordHeight may be raised
// by one to stay odd.
bool LEDAcceptsWordWidth(int Value, int Thick);
bool LEDAcceptsWordHeight(int& Value, int Thick);
bool LEDAcceptsThick(int Value, int WordWidth, int WordHeight);
