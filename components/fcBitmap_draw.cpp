// Drawing of the fc effect bitmap: plain, smooth and tiled stretching,
// transparent drawing through a cached mask, palettes on palette displays.
#include <cstring>

#include "components/fcBitmap.h"
#include "components/fcCommonDraw.h"

namespace {

bool PaletteDisplay() {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits <= 8;
}

}  // namespace

HPALETTE TfcBitmap::BuildPalette() {
  if (FPaletteFromTable) {
    std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    auto* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
      const uint32_t c = i < static_cast<int>(FColorTable.size()) ? FColorTable[i] : 0;
      // The colour table holds blue first; a palette entry red first.
      lp->palPalEntry[i] = {static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c), 0};
    }
    return CreatePalette(lp);
  }
  HDC screen = GetDC(nullptr);
  HPALETTE p = CreateHalftonePalette(screen);
  ReleaseDC(nullptr, screen);
  return p;
}

void TfcBitmap::SelectPalette(TCanvas* ACanvas) {
  if (FPalette || !(FRespectPalette || FUseHalftonePalette) || !PaletteDisplay()) return;
  FPalette = FRespectPalette ? BuildPalette() : nullptr;
  if (!FPalette) {
    HDC screen = GetDC(nullptr);
    FPalette = CreateHalftonePalette(screen);
    ReleaseDC(nullptr, screen);
  }
  FOldPalette = ::SelectPalette(ACanvas->Handle(), FPalette, FALSE);
  RealizePalette(ACanvas->Handle());
}

void TfcBitmap::RestorePalette(TCanvas* ACanvas) {
  if (!FPalette) return;
  ::SelectPalette(ACanvas->Handle(), FOldPalette, TRUE);
  DeleteObject(FPalette);
  FPalette = FOldPalette = nullptr;
}

void TfcBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  GdiFlush();
  if (!FTiling) SelectPalette(ACanvas);
  if (Rect.Width() == FWidth && Rect.Height() == FHeight) {
    if (Transparent() && !FDrawingForCopy)
      TransparentDraw(ACanvas, Rect);
    else
      BitBlt(ACanvas->Handle(), Rect.Left, Rect.Top, FWidth, FHeight, FDC, 0, 0, SRCCOPY);
  } else if (FSmoothStretching) {
    SmoothStretchDraw(ACanvas, Rect);
  } else {
    StretchDrawPlain(ACanvas, Rect);
  }
  if (!FTiling) RestorePalette(ACanvas);
}

void TfcBitmap::StretchDrawPlain(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  if (Transparent()) {
    TfcBitmap tmp;
    tmp.SetSize(Rect.Width(), Rect.Height());
    if (tmp.Empty()) return;
    SetStretchBltMode(tmp.FDC, COLORONCOLOR);
    StretchBlt(tmp.FDC, 0, 0, tmp.FWidth, tmp.FHeight, FDC, 0, 0, FWidth, FHeight, SRCCOPY);
    tmp.SetTransparentColor(FTransparentColor);
    tmp.TransparentDraw(ACanvas, Rect);
    return;
  }
  HDC dc = ACanvas->Handle();
  const int old = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), FDC, 0, 0, FWidth, FHeight, SRCCOPY);
  SetStretchBltMode(dc, old);
}

void TfcBitmap::SmoothStretchDraw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty() || Rect.Width() < 1 || Rect.Height() < 1) return;
  TfcBitmap tmp;
  tmp.SetSize(Rect.Width(), Rect.Height());
  GdiFlush();
  TspPixels24 dst = tmp.Pixels();
  fcSmoothStretchPixels(Pixels(), dst);
  if (Transparent()) {
    tmp.SetTransparentColor(FTransparentColor);
    tmp.TransparentDraw(ACanvas, Rect);
  } else {
    BitBlt(ACanvas->Handle(), Rect.Left, Rect.Top, tmp.FWidth, tmp.FHeight, tmp.FDC, 0, 0, SRCCOPY);
  }
}

void TfcBitmap::TileDraw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  FTiling = true;
  SelectPalette(ACanvas);
  for (int y = 0; y < Rect.Bottom; y += FHeight)
    for (int x = 0; x < Rect.Right; x += FWidth)
      Draw(ACanvas, TRect(x - Rect.Left, y - Rect.Top, x - Rect.Left + FWidth, y - Rect.Top + FHeight));
  RestorePalette(ACanvas);
  FTiling = false;
}

TBitmap* TfcBitmap::Mask() {
  if (FMask) return FMask;
  TfcBitmap copy;
  FDrawingForCopy = true;
  copy.Assign(this);
  FDrawingForCopy = false;
  GdiFlush();
  const uint32_t key = FTransparentColor != clNone ? fcColorToPixelRGB(FTransparentColor) : fcPixelRGB(FBits);
  copy.MakeMask(key);
  // White where the key shows: the masked drawing keeps the background there.
  copy.Invert();
  FMask = new TBitmap;
  copy.SaveToBitmap(FMask);
  FMask->SetMonochrome(true);
  return FMask;
}

void TfcBitmap::TransparentDraw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  TBitmap image;
  FDrawingForCopy = true;
  image.SetPixelFormat(pf24bit);
  SaveToBitmap(&image);
  FDrawingForCopy = false;
  fcDrawMaskedBitmap(ACanvas, TRect(Rect.Left, Rect.Top, Rect.Left + FWidth, Rect.Top + FHeight), &image, Mask(), false);
}
