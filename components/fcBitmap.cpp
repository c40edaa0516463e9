// The fc effect bitmap's image: size, copies to and from other graphics,
// streams, parking, listeners and the effects that need more than a kernel.
#include "components/fcBitmap.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "classlib/SysUtils.h"

uint32_t fcColorToPixelRGB(TColor Color) {
  const uint32_t c = static_cast<uint32_t>(ColorToRGB(Color));
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

TfcBitmap::TfcBitmap() = default;

TfcBitmap::~TfcBitmap() {
  FreeImage();
}

void TfcBitmap::SetTransparentColor(TColor Value) {
  FTransparentColor = Value;
  FreeMask();
}

void TfcBitmap::AddListener(IfcBitmapListener* Listener) {
  if (std::find(FListeners.begin(), FListeners.end(), Listener) == FListeners.end()) FListeners.push_back(Listener);
}

void TfcBitmap::RemoveListener(IfcBitmapListener* Listener) {
  FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), Listener), FListeners.end());
}

void TfcBitmap::NotifyListeners() {
  const auto listeners = FListeners;  // a listener may remove itself
  for (IfcBitmapListener* l : listeners) l->BitmapChanged(this);
}

void TfcBitmap::Changed() {
  if (FUpdating) return;
  TGraphic::Changed();
  NotifyListeners();
}

void TfcBitmap::FreeMask() {
  delete FMask;
  FMask = nullptr;
}

void TfcBitmap::FreeImage() {
  FCanvas.SetHandle(nullptr);
  if (FDC) {
    SelectObject(FDC, FOldBitmap);
    DeleteDC(FDC);
    FDC = nullptr;
  }
  if (FDIB) DeleteObject(FDIB);
  FDIB = nullptr;
  FBits = nullptr;
  FRows.clear();
  FreeMask();
  FWidth = FHeight = FStride = FGap = 0;
}

void TfcBitmap::InitializeImage() {
  FStride = RowBytes24(FWidth);
  FGap = FWidth % 4;
  FRows.resize(FHeight);
  for (int y = 0; y < FHeight; ++y) FRows[y] = FBits + static_cast<ptrdiff_t>(y) * FStride;
  HDC screen = GetDC(nullptr);
  FDC = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  FOldBitmap = static_cast<HBITMAP>(SelectObject(FDC, FDIB));
  FCanvas.SetHandle(FDC);
  Changed();
}

void TfcBitmap::SetSize(int W, int H) {
  FreeImage();
  if (W <= 0 || H <= 0) return;
  BITMAPINFO bi = TopDownBitmapInfo(W, H, 24);
  void* bits = nullptr;
  FDIB = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!FDIB) throw EOutOfResources(L"Cannot create a bitmap of " + std::to_wstring(W) + L" x " + std::to_wstring(H));
  FBits = static_cast<uint8_t*>(bits);
  FWidth = W;
  FHeight = H;
  std::memset(FBits, 255, static_cast<size_t>(RowBytes24(W)) * H);
  InitializeImage();
}

void TfcBitmap::SetSizeIfChanged(int W, int H) {
  if (W != FWidth || H != FHeight) SetSize(W, H);
}

void TfcBitmap::Resize(int W, int H) {
  if (W == FWidth && H == FHeight) return;
  TfcBitmap copy;
  copy.Assign(this);
  SetSize(W, H);
  if (!copy.Empty() && !Empty()) copy.Draw(&FCanvas, TRect(0, 0, W, H));
  Changed();
}

void TfcBitmap::SetFromBits(const uint8_t* Bits, int Size, int W, int H) {
  SetSize(W, H);
  if (Empty()) return;
  std::memcpy(FBits, Bits, std::min<size_t>(static_cast<size_t>(Size), static_cast<size_t>(ImageSize())));
  Changed();
}

void TfcBitmap::ParkPixels() {
  if (Empty()) return;
  FParked.assign(FBits, FBits + ImageSize());
  FParkedWidth = FWidth;
  FParkedHeight = FHeight;
  FreeImage();
}

void TfcBitmap::UnparkPixels() {
  if (FParked.empty()) return;
  SetFromBits(FParked.data(), static_cast<int>(FParked.size()), FParkedWidth, FParkedHeight);
  FParked.clear();
  FParked.shrink_to_fit();
}

void TfcBitmap::LoadFromBitmap(TBitmap* Bitmap) {
  const int w = Bitmap->Width(), h = Bitmap->Height();
  FPixelFormat = Bitmap->PixelFormat();
  FColorTable = Bitmap->ColorTable();
  FColorTable.resize(256, 0);
  FUpdating = true;
  SetSize(w, h);
  FUpdating = false;
  if (!Empty()) {
    BITMAPINFO bi = TopDownBitmapInfo(w, h, 24);
    HBITMAP handle = Bitmap->Handle();
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, handle, 0, h, FBits, &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    GdiFlush();
  }
  Changed();
}

void TfcBitmap::LoadFromGraphic(TGraphic* Graphic) {
  TBitmap b;
  b.SetSize(Graphic->Width(), Graphic->Height());
  b.Canvas()->Draw(0, 0, Graphic);
  LoadFromBitmap(&b);
}

void TfcBitmap::SaveToBitmap(TBitmap* Bitmap) {
  Bitmap->SetPixelFormat(FPixelFormat);
  Bitmap->SetSize(FWidth, FHeight);
  if (FPixelFormat == pf1bit || FPixelFormat == pf4bit || FPixelFormat == pf8bit) Bitmap->SetColorTable(FColorTable);
  if (Empty()) return;
  GdiFlush();
  BitBlt(Bitmap->Canvas()->Handle(), 0, 0, FWidth, FHeight, FDC, 0, 0, SRCCOPY);
}

void TfcBitmap::LoadFromStream(TStream* Stream) {
  TBitmap b;
  b.LoadFromStream(Stream);
  LoadFromBitmap(&b);
}

void TfcBitmap::SaveToStream(TStream* Stream) {
  TBitmap b;
  SaveToBitmap(&b);
  b.SaveToStream(Stream);
}

void TfcBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    Clear();
    Changed();
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    if (b->Empty()) {
      Clear();
      Changed();
      return;
    }
    FPixelFormat = b->PixelFormat();
    LoadFromBitmap(b);
    SetTransparent(b->Transparent());
    return;
  }
  if (auto* g = dynamic_cast<TGraphic*>(Source); g && !dynamic_cast<TfcBitmap*>(Source)) {
    LoadFromGraphic(g);
    return;
  }
  TGraphic::Assign(Source);
}

void TfcBitmap::AssignTo(TPersistent* Dest) {
  if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
    SaveToBitmap(b);
    b->SetTransparent(Transparent());
    if (FTransparentColor != clNone) b->SetTransparentColor(FTransparentColor);
    return;
  }
  auto* d = dynamic_cast<TfcBitmap*>(Dest);
  if (!d) {
    TGraphic::AssignTo(Dest);
    return;
  }
  if (Empty()) {
    d->Clear();
  } else {
    d->FUpdating = true;
    d->FRespectPalette = FRespectPalette;
    d->FUseHalftonePalette = FUseHalftonePalette;
    d->SetSize(FWidth, FHeight);
    GdiFlush();
    std::memcpy(d->FBits, FBits, ImageSize());
    d->SetTransparent(Transparent());
    d->FSmoothStretching = FSmoothStretching;
    d->SetTransparentColor(FTransparentColor);
    d->FPixelFormat = FPixelFormat;
    d->FColorTable = FColorTable;
    d->FPaletteFromTable = FPaletteFromTable;
    d->FPaletteHalftone = FPaletteHalftone;
    d->FUpdating = false;
  }
  d->Changed();
}

void TfcBitmap::Colorize(int R, int G, int B) {
  const int64_t key = FTransparentColor == clNone ? -1 : int64_t(fcColorToPixelRGB(FTransparentColor));
  Apply([&](TspPixels24& p) { fcColorizePixels(p, R, G, B, key); });
}

void TfcBitmap::AlphaBlend(TfcBitmap* Other, int Amount, bool Stretch) {
  if (Empty() || !Other || Other->Empty()) return;
  TfcBitmap* blend = Other;
  std::unique_ptr<TfcBitmap> stretched;
  if (Other->Width() != FWidth || Other->Height() != FHeight) {
    if (!Stretch)
      throw EInvalidOperation(L"In Alpha Blend, Blend Bitmap must be same dimensions as Current Bitmap");
    stretched = std::make_unique<TfcBitmap>();
    stretched->SetSize(FWidth, FHeight);
    const bool wasTransparent = Other->Transparent();
    Other->SetTransparent(false);
    Other->Draw(stretched->Canvas(), TRect(0, 0, FWidth, FHeight));
    Other->SetTransparent(wasTransparent);
    blend = stretched.get();
  }
  GdiFlush();
  // Only a blend bitmap of our own size brings a key colour: its top-left pixel.
  const bool keyed = blend == Other && Other->Transparent();
  const uint32_t key = keyed ? fcPixelRGB(Other->Bits()) : 0;
  TspPixels24 p = Pixels();
  fcAlphaBlendPixels(p, blend->Pixels(), Amount, keyed, key);
}
