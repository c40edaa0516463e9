#include "skin/speffbmp.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "classlib/Clipbrd.h"
#include "skin/SPUtils_platform.h"

namespace {

BITMAPINFOHEADER DibHeader(int Width, int Height, int Bits) {
  BITMAPINFOHEADER h = {};
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biWidth = Width;
  h.biHeight = -Height;  // top-down
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(Bits);
  h.biCompression = BI_RGB;
  return h;
}

HBITMAP CreateSection(const BITMAPINFOHEADER& header, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader = header;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Every TspBitmap that owns a DC, so that drawing onto a DC can find out
// whether the DC belongs to one of them.
std::vector<TspBitmap*>& Registry() {
  static std::vector<TspBitmap*> list;
  return list;
}

}  // namespace

// ---------------------------------------------------------------------------
// TspEffectBmp

TspEffectBmp::TspEffectBmp(int AWidth, int AHeight) { Allocate(AWidth, AHeight); }

TspEffectBmp::TspEffectBmp(HBITMAP Bitmap) {
  BITMAP bm = {};
  if (!Bitmap || !GetObjectW(Bitmap, sizeof(bm), &bm)) return;
  Allocate(bm.bmWidth, bm.bmHeight);
  if (FPixels.Empty()) return;
  HDC dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  BITMAPINFO info = {};
  info.bmiHeader = FInfo;
  GetDIBits(dc, Bitmap, 0, FPixels.Height, FPixels.Bits, &info, DIB_RGB_COLORS);
  DeleteDC(dc);
}

TspEffectBmp::~TspEffectBmp() {
  if (FHandle) DeleteObject(FHandle);
}

void TspEffectBmp::Allocate(int AWidth, int AHeight) {
  if (AWidth <= 0 || AHeight <= 0) return;
  FInfo = DibHeader(AWidth, AHeight, 24);
  void* bits = nullptr;
  FHandle = CreateSection(FInfo, &bits);
  if (!FHandle) return;
  FPixels.Bits = static_cast<uint8_t*>(bits);
  FPixels.Width = AWidth;
  FPixels.Height = AHeight;
  FPixels.RowBytes = RowBytes24(AWidth);
}

void TspEffectBmp::Draw(HDC DC, int X, int Y) {
  if (FPixels.Empty()) return;
  BITMAPINFO info = {};
  info.bmiHeader = FInfo;
  SetDIBitsToDevice(DC, X, Y, Width(), Height(), 0, 0, 0, Height(), FPixels.Bits, &info, DIB_RGB_COLORS);
}

void TspEffectBmp::Morph(TspEffectBmp* Other, double k) { MorphPixels(FPixels, Other->FPixels, k); }
void TspEffectBmp::MorphRect(TspEffectBmp* Other, const TRect& R, int X, int Y, double k) {
  MorphRectPixels(FPixels, Other->FPixels, R, X, Y, k);
}
void TspEffectBmp::MorphGrad(TspEffectBmp* Other, double k) { MorphGradPixels(FPixels, Other->FPixels, k); }
void TspEffectBmp::MorphLeftGrad(TspEffectBmp* Other, double k) { MorphLeftGradPixels(FPixels, Other->FPixels, k); }
void TspEffectBmp::MorphRightGrad(TspEffectBmp* Other, double k) {
  MorphRightGradPixels(FPixels, Other->FPixels, k);
}
void TspEffectBmp::MorphLeftSlide(TspEffectBmp* Other, double k) {
  MorphLeftSlidePixels(FPixels, Other->FPixels, k);
}
void TspEffectBmp::MorphRightSlide(TspEffectBmp* Other, double k) {
  MorphRightSlidePixels(FPixels, Other->FPixels, k);
}
void TspEffectBmp::MorphPush(TspEffectBmp* Other, double k) { MorphPushPixels(FPixels, Other->FPixels, k); }
void TspEffectBmp::ChangeBrightness(double k) { ChangeBrightnessPixels(FPixels, k); }
void TspEffectBmp::ChangeDarkness(double k) { ChangeDarknessPixels(FPixels, k); }
void TspEffectBmp::GrayScale() { GrayScalePixels(FPixels); }
void TspEffectBmp::AddColorNoise(int Amount) { AddColorNoisePixels(FPixels, Amount); }
void TspEffectBmp::SplitBlur(int Distance) { SplitBlurPixels(FPixels, Distance); }
void TspEffectBmp::Invert() { InvertPixels(FPixels); }
void TspEffectBmp::Rotate90(TspEffectBmp* Dest) { Rotate90Pixels(FPixels, Dest->FPixels); }
void TspEffectBmp::Rotate270(TspEffectBmp* Dest) { Rotate270Pixels(FPixels, Dest->FPixels); }
void TspEffectBmp::FlipVertical(TspEffectBmp* Dest) { FlipVerticalPixels(FPixels, Dest->FPixels); }

// ---------------------------------------------------------------------------
// TspBitmap

TspBitmap::TspBitmap() = default;

TspBitmap::~TspBitmap() {
  if (FCanvas) FCanvas->SetHandle(nullptr);
  delete FCanvas;
  Release();
}

void TspBitmap::Release() {
  if (FDC) {
    auto& list = Registry();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (FOldBitmap) SelectObject(FDC, FOldBitmap);
    DeleteDC(FDC);
  }
  if (FHandle) DeleteObject(FHandle);
  FDC = nullptr;
  FHandle = nullptr;
  FOldBitmap = nullptr;
  FPixels = TspPixels32();
}

void TspBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::abs(AWidth);
  AHeight = std::abs(AHeight);
  if (AWidth == 0 || AHeight == 0) return;
  if (FHandle && AWidth == Width() && AHeight == Height()) return;
  if (FCanvas) FCanvas->SetHandle(nullptr);
  Release();
  FInfo = DibHeader(AWidth, AHeight, 32);
  void* bits = nullptr;
  HBITMAP section = CreateSection(FInfo, &bits);
  if (!section) throw EOutOfResources(L"Can't allocate the DIB handle");
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) {
    DeleteObject(section);
    throw EOutOfResources(L"Can't create compatible DC");
  }
  HGDIOBJ old = SelectObject(dc, section);
  if (!old || old == HGDI_ERROR) {
    DeleteDC(dc);
    DeleteObject(section);
    throw EOutOfResources(L"Can't bslect an object into DC");
  }
  FHandle = section;
  FDC = dc;
  FOldBitmap = old;
  FPixels.Bits = static_cast<TspPixel*>(bits);
  FPixels.Width = AWidth;
  FPixels.Height = AHeight;
  Registry().push_back(this);
  if (FCanvas) FCanvas->SetHandle(FDC);
}

TCanvas* TspBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = new TCanvas();
    FCanvas->SetHandle(FDC);
  }
  return FCanvas;
}

TspPixel TspBitmap::GetPixel(int X, int Y) const {
  if (Empty() || !FPixels.Inside(X, Y)) return 0;
  GdiFlush();
  return *PixelPtr(X, Y);
}

void TspBitmap::SetPixel(int X, int Y, TspPixel Value) {
  if (Empty() || !FPixels.Inside(X, Y)) return;
  GdiFlush();
  *PixelPtr(X, Y) = Value;
}

void TspBitmap::SetAlpha(uint8_t Alpha) {
  GdiFlush();
  SetAlphaPixels(FPixels, Alpha);
}

void TspBitmap::UpdateAlphaFlag() {
  GdiFlush();
  HasAlpha = HasPartialAlpha(FPixels);
}

void TspBitmap::SetKeyColor(TspPixel Value) {
  GdiFlush();
  HasKey = SetKeyColorPixels(FPixels, Value);
}

TspBitmap* TspBitmap::FromDC(HDC ADC) {
  if (!ADC) return nullptr;
  for (TspBitmap* b : Registry())
    if (b->FDC == ADC) return b;
  return nullptr;
}

void TspBitmap::Draw(TCanvas* ACanvas, int X, int Y) { Draw(ACanvas->Handle(), X, Y); }

void TspBitmap::Draw(HDC ADC, int X, int Y) {
  DrawRect(ADC, Bounds(X, Y, Width(), Height()), TRect(0, 0, Width(), Height()));
}

void TspBitmap::DrawRect(HDC ADC, const TRect& DestRect, const TRect& SrcRect) {
  if (Empty() || DestRect.IsEmpty() || SrcRect.IsEmpty()) return;
  if (TspBitmap* target = FromDC(ADC)) {
    DrawToBitmap(target, DestRect, SrcRect);
    return;
  }
  const int w = DestRect.Width(), h = DestRect.Height();
  if (HasKey && !HasAlpha && Platform().TransparentBlt) {
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    if (depth >= 24) {
      GdiFlush();
      Platform().TransparentBlt(ADC, DestRect.Left, DestRect.Top, w, h, FDC, SrcRect.Left, SrcRect.Top,
                                SrcRect.Width(), SrcRect.Height(), spKeyColor);
      return;
    }
  }
  if (HasAlpha || HasKey) {
    GdiFlush();
    DrawPixelsOnDC(ADC, DestRect, FPixels, SrcRect, Mode());
    return;
  }
  GdiFlush();
  const int oldMode = SetStretchBltMode(ADC, COLORONCOLOR);
  StretchBlt(ADC, DestRect.Left, DestRect.Top, w, h, FDC, SrcRect.Left, SrcRect.Top, SrcRect.Width(),
             SrcRect.Height(), SRCCOPY);
  SetStretchBltMode(ADC, oldMode);
}

void DrawPixelsOnDC(HDC ADC, const TRect& DestRect, const TspPixels32& Src, const TRect& SrcRect, TspDrawMode Mode) {
  if (Src.Empty() || DestRect.IsEmpty() || SrcRect.IsEmpty()) return;
  if (TspBitmap* target = TspBitmap::FromDC(ADC)) {
    GdiFlush();
    DrawPixels(target->Pixels(), DestRect, Src, SrcRect, Mode);
    return;
  }
  // Blend or key-copy into a copy of the part of the destination area that
  // the DC shows, then put it back. Equal sizes: the part is cut from both.
  TRect dest = DestRect, src = SrcRect;
  RECT box;
  if (DestRect.Width() == SrcRect.Width() && DestRect.Height() == SrcRect.Height() &&
      GetClipBox(ADC, &box) != ERROR) {
    TRect shown;
    if (!IntersectRect(shown, DestRect, TRect(box.left, box.top, box.right, box.bottom))) return;
    src = TRect(SrcRect.Left + shown.Left - DestRect.Left, SrcRect.Top + shown.Top - DestRect.Top,
                SrcRect.Left + shown.Right - DestRect.Left, SrcRect.Top + shown.Bottom - DestRect.Top);
    dest = shown;
  }
  const int w = dest.Width(), h = dest.Height();
  TspBitmap area;
  area.SetSize(w, h);
  BitBlt(area.DC(), 0, 0, w, h, ADC, dest.Left, dest.Top, SRCCOPY);
  GdiFlush();
  DrawPixels(area.Pixels(), TRect(0, 0, w, h), Src, src, Mode);
  BitBlt(ADC, dest.Left, dest.Top, w, h, area.DC(), 0, 0, SRCCOPY);
}

void TspBitmap::DrawToBitmap(TspBitmap* Target, int X, int Y) {
  DrawToBitmap(Target, Bounds(X, Y, Width(), Height()), TRect(0, 0, Width(), Height()));
}

void TspBitmap::DrawToBitmap(TspBitmap* Target, const TRect& DestRect, const TRect& SrcRect) {
  if (!Target || Empty() || Target->Empty()) return;
  GdiFlush();
  DrawPixels(Target->FPixels, DestRect, FPixels, SrcRect, Mode());
}

void TspBitmap::Assign(TPersistent* Source) {
  if (auto* sp = dynamic_cast<TspBitmap*>(Source)) {
    if (sp == this) return;
    if (sp->Empty()) {
      Release();
    } else {
      SetSize(sp->Width(), sp->Height());
      GdiFlush();
      std::copy(sp->Bits(), sp->Bits() + static_cast<size_t>(Width()) * Height(), Bits());
    }
    FTagText = sp->FTagText;
    HasAlpha = sp->HasAlpha;
    HasKey = sp->HasKey;
    return;
  }
  auto* graphic = dynamic_cast<TGraphic*>(Source);
  if (auto* picture = dynamic_cast<TPicture*>(Source)) graphic = picture->Graphic();
  if (!graphic) {
    TPersistent::Assign(Source);
    return;
  }
  if (graphic->Empty()) return;
  SetSize(graphic->Width(), graphic->Height());
  if (Empty()) return;
  auto* bitmap = dynamic_cast<TBitmap*>(graphic);
  if (bitmap && bitmap->PixelFormat() == pf32bit) {
    for (int y = 0; y < Height(); ++y) {
      const auto* row = static_cast<const TspPixel*>(bitmap->ScanLine(y));
      GdiFlush();
      std::copy(row, row + Width(), ScanLine(y));
    }
    UpdateAlphaFlag();
    return;
  }
  if (bitmap) {
    BitBlt(FDC, 0, 0, Width(), Height(), bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
    SetAlpha(255);
    return;
  }
  TBitmap canvas;
  canvas.SetPixelFormat(pf32bit);
  canvas.SetSize(Width(), Height());
  canvas.Canvas()->Brush()->SetColor(clFuchsia);
  canvas.Canvas()->FillRect(TRect(0, 0, Width(), Height()));
  canvas.Canvas()->StretchDraw(TRect(0, 0, Width(), Height()), graphic);
  GdiFlush();
  const TspPixel magenta = MakePixel(255, 0, 255, 0);
  for (int y = 0; y < Height(); ++y) {
    const auto* row = static_cast<const TspPixel*>(canvas.ScanLine(y));
    TspPixel* out = ScanLine(y);
    for (int x = 0; x < Width(); ++x)
      if ((row[x] & 0x00FFFFFFu) != magenta) out[x] = row[x];
  }
  SetAlpha(255);
}

void TspBitmap::AssignTo(TPersistent* Dest) {
  if (auto* picture = dynamic_cast<TPicture*>(Dest)) {
    AssignTo(picture->Bitmap());
    return;
  }
  if (auto* clipboard = dynamic_cast<TClipboard*>(Dest)) {
    TBitmap copy;
    AssignTo(&copy);
    clipboard->Assign(&copy);
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(Dest);
  if (!bitmap) {
    TPersistent::AssignTo(Dest);
    return;
  }
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(Width(), Height());
  if (!Empty()) Draw(bitmap->Canvas(), 0, 0);
}

// ---------------------------------------------------------------------------

void BlurBitmap(TspBitmap* Bitmap, int Radius) {
  if (!Bitmap || Bitmap->Empty()) return;
  GdiFlush();
  BlurPixels(Bitmap->Pixels(), Radius);
}

void AlphaFromGray(TspBitmap* Target, TspBitmap* Source) {
  if (!Target || !Source) return;
  GdiFlush();
  AlphaFromGrayPixels(Target->Pixels(), Source->Pixels());
}

void ColorGlow(TspBitmap* Bitmap, TColor Color) {
  if (!Bitmap || Bitmap->Empty()) return;
  GdiFlush();
  ColorizeFromRed(Bitmap->Pixels(), static_cast<uint32_t>(ColorToRGB(Color)));
  Bitmap->HasAlpha = true;
}

void DrawBitmapGlyphGlow(TspBitmap* Target, TBitmap* Glyph, int Offset) {
  if (!Target || !Glyph || Glyph->Empty()) return;
  TspBitmap silhouette;
  silhouette.Assign(Glyph);
  if (silhouette.Empty()) return;
  GdiFlush();
  MakeSilhouette(silhouette.Pixels());
  silhouette.HasKey = true;
  silhouette.HasAlpha = false;
  for (int d : {0, -1, 1}) silhouette.DrawToBitmap(Target, Offset + d, Offset + d);
}

void DrawImageListGlyphGlow(TspBitmap* Target, TCustomImageList* Images, int Index, int Offset) {
  if (!Images || Index < 0 || Index >= Images->Count()) return;
  TBitmap glyph;
  Images->GetBitmap(Index, &glyph);
  DrawBitmapGlyphGlow(Target, &glyph, Offset);
}
