// How well two colours read against each other, and the nearest colour to a
// wanted one that reads on a given face. Portable: colours are 0x00BBGGRR
// values, system colours already resolved.
#pragma once

#include "classlib/GraphicsTypes.h"

// The contrast body text needs against its face.
constexpr double kReadableContrast = 4.5;

// (L1 + 0.05) / (L2 + 0.05) of the two relative luminances, L1 the larger:
// 1 for equal colours, 21 for black on white.
double ColorContrast(TColor A, TColor B);

// Text itself when it reads at Ratio against Face; otherwise Text moved
// toward white or black (the side with more room against Face) just far
// enough that it does, or all the way when even that end falls short.
TColor ReadableOn(TColor Text, TColor Face, double Ratio = kReadableContrast);
