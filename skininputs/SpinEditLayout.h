// Where a spin edit puts its two buttons and its inner edit, as plain
// geometry: the look without a skin and the skin's places at any size.
#pragma once

#include "classlib/Types.h"

struct TSpinEditLayout {
  TRect Up, Down;
  // The edit's left and right; its top follows from its text height.
  TRect EditArea;
};

// Buttons on the right, the edit inside a 2-pixel frame.
TSpinEditLayout SpinEditDefaultLayout(int W, int H);

// The skin's button and client places at W x H. Buttons right of RTX move
// with the right edge. With UseSkinSize the height is the skin's; without it
// the client and the buttons grow downwards: stacked buttons share the grown
// height half and half.
TSpinEditLayout SpinEditSkinLayout(const TRect& SkinRect, int RTX, const TRect& ClRect, const TRect& UpRect,
                                   const TRect& DownRect, int W, int H, bool UseSkinSize);

// The top of an edit EditHeight high centred in Area.
int SpinEditTop(const TRect& Area, int EditHeight);
