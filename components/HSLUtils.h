// Conversion between RGB colours and hue, saturation and lightness, as
// fractions and on the 0..240 integer scale the flat controls use.
#pragma once

#include "classlib/GraphicsTypes.h"

// The integer scale of saturation and lightness; hue runs 0..HSLRange - 1.
constexpr int HSLRange = 240;

// Color must be an RGB value (no system colour); H, S, L come out in 0..1.
void RGBtoHSL(TColor Color, double& H, double& S, double& L);
TColor HSLtoRGB(double H, double S, double L);
void RGBtoHSLRange(TColor Color, int& H, int& S, int& L);
TColor HSLRangeToRGB(int H, int S, int L);

// Lightens or darkens an RGB colour by Percent lightness steps on the 0..240
// scale (after a fixed lift of 10), keeping hue and saturation. Lightness is
// clamped to the scale at both ends.
TColor AdvancedColorOf(TColor BaseRGB, int Percent, bool Darken);
