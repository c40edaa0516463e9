// Pixel effects of the fc effect bitmap on 24-bit rows (blue, green, red):
// tables, neighbourhood rules, flips, rotation, wave, blending and bilinear
// stretching. Portable; effects work in place, top row first, and those that
// read neighbours may read pixels already changed in the same pass.
#pragma once

#include <cstdint>

#include "skin/speffbmp_pixels.h"

// a > 0 lightens toward white by a / 256, a <= 0 darkens toward black.
void fcLightnessPixels(TspPixels24& Img, int Amount);
// Channels move away from the middle (128) by their distance x a / 256.
void fcContrastPixels(TspPixels24& Img, int Amount);
// Adds r, g, b to the matching channels, clamped.
void fcTintPixels(TspPixels24& Img, int R, int G, int B);
// All channels := B div 3 + G div 3 + R div 3.
void fcGrayScalePixels(TspPixels24& Img);
// 256 leaves the image, 0 makes it gray, above 256 saturates.
void fcSaturationPixels(TspPixels24& Img, int Amount);
// Pixels other than Key (0x00RRGGBB; a negative Key means none) get
// c - 192 + k per channel, clamped.
void fcColorizePixels(TspPixels24& Img, int R, int G, int B, int64_t Key);
// Pixels equal to Key (0x00RRGGBB) become black, all others white.
void fcMakeMaskPixels(TspPixels24& Img, uint32_t Key);
// Pixels equal to Old become New (both 0x00RRGGBB).
void fcReplaceColorPixels(TspPixels24& Img, uint32_t New, uint32_t Old);

// Average of the four diagonal neighbours at distance R (clamped to the image).
void fcBlurStepPixels(TspPixels24& Img, int R);
// Blur steps N, N - 1, ..., 1; nothing for N < 1.
void fcGaussianBlurPixels(TspPixels24& Img, int N);
// (256 x centre - 16 x the eight neighbours at distance R) div 128, clamped.
void fcSharpenPixels(TspPixels24& Img, int R);
// ((255 - q) + p) shr 1 with q one row down and one column right; the last
// row reads a copy of itself taken before the pass.
void fcEmbossPixels(TspPixels24& Img);
// Each pixel takes a random neighbour within Amount (the program's generator).
void fcSpongePixels(TspPixels24& Img, int Amount);
// Horizontal mirrors each row; otherwise the rows are swapped top to bottom.
void fcFlipPixels(TspPixels24& Img, bool Horizontal);
// Turns about (Cx, Cy) (negative: the middle) by Angle degrees; uncovered
// pixels take the top-left pixel's colour.
void fcRotatePixels(TspPixels24& Img, int Cx, int Cy, double Angle);
// Rows shift by sin(y / YDiv) x Ratio, columns by sin(x / XDiv) x Ratio;
// without Wrap what falls outside is white, with Wrap it comes round again.
void fcWavePixels(TspPixels24& Img, int XDiv, int YDiv, int Ratio, bool Wrap);
// c += (Amount x (o - c)) floor-divided by 256, per channel, skipping pixels
// of Other equal to Key (0x00RRGGBB) when HasKey. Other must have Img's size.
void fcAlphaBlendPixels(TspPixels24& Img, const TspPixels24& Other, int Amount, bool HasKey, uint32_t Key);
// Bilinear stretch of Src over all of Dst in 15-bit fixed point.
void fcSmoothStretchPixels(const TspPixels24& Src, TspPixels24& Dst);

// A pixel's colour as 0x00RRGGBB.
inline uint32_t fcPixelRGB(const uint8_t* p) { return p[0] | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16; }
