#include "classlib/KeyedBlt.h"

#include <algorithm>

#include "classlib/Graphics.h"

namespace {

// A memory DC with a bitmap selected, kept and grown as copies need.
struct TKeptSurface {
  HDC DC = nullptr;
  HBITMAP Bitmap = nullptr;
  int Width = 0, Height = 0;

  bool Fit(int W, int H, bool Monochrome) {
    if (!DC && !(DC = CreateCompatibleDC(nullptr))) return false;
    if (W <= Width && H <= Height) return true;
    const int w = std::max(W, Width), h = std::max(H, Height);
    HBITMAP bitmap = nullptr;
    if (Monochrome) {
      bitmap = CreateBitmap(w, h, 1, 1, nullptr);
    } else {
      const BITMAPINFO info = TopDownBitmapInfo(w, h, 32);
      void* bits = nullptr;
      bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    if (!bitmap) return false;
    SelectObject(DC, bitmap);
    if (Bitmap) DeleteObject(Bitmap);  // the DC's first, stock bitmap is not ours to free
    Bitmap = bitmap;
    Width = w;
    Height = h;
    return true;
  }
};

TKeptSurface gPixels, gMask;

}  // namespace

bool KeyedBlt(HDC Dest, int X, int Y, int W, int H, HDC Source, int SX, int SY, COLORREF Key) {
  if (W <= 0 || H <= 0) return false;
  if (!gPixels.Fit(W, H, false) || !gMask.Fit(W, H, true))
    return TransparentBlt(Dest, X, Y, W, H, Source, SX, SY, W, H, Key);
  // The mask: white where the source has the key, black elsewhere.
  BitBlt(gPixels.DC, 0, 0, W, H, Source, SX, SY, SRCCOPY);
  SetBkColor(gPixels.DC, Key);
  BitBlt(gMask.DC, 0, 0, W, H, gPixels.DC, 0, 0, SRCCOPY);
  // Monochrome to colour maps black to the text colour, white to the
  // background colour: black and white on both sides.
  SetTextColor(gPixels.DC, RGB(0, 0, 0));
  SetBkColor(gPixels.DC, RGB(255, 255, 255));
  BitBlt(gPixels.DC, 0, 0, W, H, gMask.DC, 0, 0, 0x220326);  // DSna: the key's pixels black
  const COLORREF text = SetTextColor(Dest, RGB(0, 0, 0)), back = SetBkColor(Dest, RGB(255, 255, 255));
  BitBlt(Dest, X, Y, W, H, gMask.DC, 0, 0, SRCAND);       // holes where the pixels go
  BitBlt(Dest, X, Y, W, H, gPixels.DC, 0, 0, SRCPAINT);   // the pixels into them
  SetTextColor(Dest, text);
  SetBkColor(Dest, back);
  return true;
}
