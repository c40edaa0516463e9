// Rectangle arithmetic, button glyph and caption layout, text fitting with an
// ellipsis, the dotted focus outline and calendar helpers. Portable.
#pragma once

#include <functional>
#include <vector>

#include "classlib/DateUtils.h"
#include "classlib/Types.h"

using TDateTime = double;

int RectWidth(const TRect& R);
int RectHeight(const TRect& R);
TRect NullRect();
// True when the width or the height is below 1.
bool IsNullRect(const TRect& R);
// True when x = 0 or y = 0.
bool IsNullPoint(const TPoint& P);
bool EqualRects(const TRect& A, const TRect& B);
// All four edges count as inside.
bool PointInRect(const TRect& R, const TPoint& P);
bool PointInRect(const TPoint& P, const TRect& R);
// Both corners of Inner inside Outer with Right and Bottom excluded, so a
// rectangle is not inside itself.
bool RectInRect(const TRect& Inner, const TRect& Outer);
// Moves R, keeping its size, to the centre of Bounds.
void RectToCenter(TRect& R, const TRect& Bounds);
int IntMax(int A, int B);
int IntMin(int A, int B);

// Positions of glyph and caption in R for layout 0 (glyph left of the text),
// 1 (right), 2 (above) or 3 (below); a layout outside 0..3 leaves the outputs
// unset. A margin of -1 centres glyph and caption together; the spacing counts
// only when there is a glyph.
void CalcButtonLayout(int Layout, const TRect& R, int GlyphWidth, int& GlyphY, int& GlyphX, int& TextY, int& TextX,
                      int Margin, int Spacing, int TextHeight, int TextWidth, int GlyphHeight);

// Shortens Text by whole characters (a surrogate pair counts as one) until it
// plus "..." is no wider than Width, then appends "..."; text that fits stays.
void FitTextWithEllipsis(String& Text, int Width, const std::function<int(const String&)>& TextWidth);

// The pixels of the dotted outline of R shrunk by one at the right and bottom,
// in drawing order.
std::vector<TPoint> DottedFocusRectPoints(const TRect& R);

// Windows version tests on a major and minor version number.
bool VersionIsVistaOrLater(int Major, int Minor);
bool VersionIsXPOrLater(int Major, int Minor);
bool Version2000OrLater(int Major, int Minor);

// Calendar: TDateTime counts days from 30 December 1899.
int DayOfDate(TDateTime Date);
int MonthOfDate(TDateTime Date);
int YearOfDate(TDateTime Date);
// IsLeapYear and DaysInMonth come from the class library's dates.
