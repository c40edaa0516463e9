// A transparent copy of pixels at their own size (pixels of one colour left
// out) that creates no GDI object per call.
#pragma once

#include <windows.h>

// Copies W x H pixels from (SX, SY) of Source to (X, Y) of Dest, leaving out
// those of colour Key (0x00BBGGRR), as TransparentBlt does for an unscaled
// copy. Two surfaces kept for the process (grown to the largest copy) take
// the place of the bitmaps and device contexts TransparentBlt makes on every
// call. False when nothing could be drawn.
bool KeyedBlt(HDC Dest, int X, int Y, int W, int H, HDC Source, int SX, int SY, COLORREF Key);
