#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "classlib/BmpCodec.h"
#include "classlib/Graphics.h"
#include "classlib/KeyedBlt.h"
#include "classlib/MemoryDCs.h"

// Canvas of a bitmap: a memory DC with the bitmap selected, made on demand and
// freed whenever the bitmap handle is handed out or replaced.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* Bitmap) : FBitmap(Bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }
  String ClassName() const override { return L"TBitmapCanvas"; }

  void FreeContext() {
    if (!FDC) return;
    HDC dc = FDC;
    FDC = nullptr;
    ReleaseHandle();
    if (FOldBitmap) SelectObject(dc, FOldBitmap);
    FOldBitmap = nullptr;
    GiveBackMemoryDC(dc);
  }

 protected:
  void CreateHandle() override {
    HDC dc = TakeMemoryDC();
    if (!dc) throw EOutOfResources(L"Cannot create a memory device context");
    FOldBitmap = FBitmap->FHandle ? SelectObject(dc, FBitmap->FHandle) : nullptr;
    FBitmap->PlaceStoredPart(dc);
    FDC = dc;
    SetHandle(dc);
  }

 private:
  TBitmap* FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
};

BITMAPINFO TopDownBitmapInfo(int Width, int Height, int BitCount) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = Width;
  bi.bmiHeader.biHeight = -Height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = static_cast<WORD>(BitCount);
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

namespace {

int BitCountOf(TPixelFormat Format) {
  switch (Format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return 0;
  }
}

TPixelFormat FormatOf(int BitCount) {
  switch (BitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: throw EInvalidGraphic(L"Unsupported bitmap depth " + std::to_wstring(BitCount));
  }
}

int RowBytes(int Width, int BitCount) { return ((Width * BitCount + 31) / 32) * 4; }

// Colour tables (0x00RRGGBB) for new 1-, 4- and 8-bit bitmaps.
std::vector<uint32_t> DefaultColorTable(TPixelFormat Format) {
  switch (Format) {
    case pf1bit:
      return {0x000000, 0xFFFFFF};
    case pf4bit:
      return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
              0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    case pf8bit: {
      std::vector<uint32_t> t;  // a 6 x 6 x 6 colour cube, then 40 greys
      for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
          for (int b = 0; b < 6; ++b) t.push_back(uint32_t(r * 51) << 16 | uint32_t(g * 51) << 8 | uint32_t(b * 51));
      for (int i = 0; i < 40; ++i) {
        uint32_t v = static_cast<uint32_t>(i * 255 / 39);
        t.push_back(v << 16 | v << 8 | v);
      }
      return t;
    }
    default:
      return {};
  }
}

HBITMAP CreateSection(int Width, int Height, int BitCount, const std::vector<uint32_t>& Table, void** Bits) {
  std::vector<uint8_t> buffer(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* bi = reinterpret_cast<BITMAPINFO*>(buffer.data());
  bi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi->bmiHeader.biWidth = Width;
  bi->bmiHeader.biHeight = Height;
  bi->bmiHeader.biPlanes = 1;
  bi->bmiHeader.biBitCount = static_cast<WORD>(BitCount);
  bi->bmiHeader.biCompression = BI_RGB;
  if (BitCount <= 8) {
    const size_t n = std::min<size_t>(Table.size(), size_t(1) << BitCount);
    bi->bmiHeader.biClrUsed = static_cast<DWORD>(n);
    std::memcpy(bi->bmiColors, Table.data(), n * sizeof(uint32_t));
  }
  HBITMAP handle = CreateDIBSection(nullptr, bi, DIB_RGB_COLORS, Bits, nullptr, 0);
  if (!handle)
    throw EOutOfResources(L"Cannot create a bitmap of " + std::to_wstring(Width) + L" x " + std::to_wstring(Height));
  return handle;
}

BITMAPINFO TopDown32(int Width, int Height) { return TopDownBitmapInfo(Width, Height, 32); }

// Pixels of any bitmap handle as top-down 0x00RRGGBB values.
std::vector<uint32_t> ReadHandle32(HBITMAP Handle, int Width, int Height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(Width) * Height);
  BITMAPINFO bi = TopDown32(Width, Height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, Handle, 0, Height, pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return pixels;
}

void WriteHandle32(HBITMAP Handle, int Width, int Height, const std::vector<uint32_t>& Pixels) {
  BITMAPINFO bi = TopDown32(Width, Height);
  HDC screen = GetDC(nullptr);
  SetDIBits(screen, Handle, 0, Height, Pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
}

bool IsBlackAndWhite(const std::vector<uint32_t>& Table) {
  return Table.size() == 2 && (Table[0] & 0xFFFFFF) == 0 && (Table[1] & 0xFFFFFF) == 0xFFFFFF;
}

}  // namespace

// ---------------------------------------------------------------------------
// TGraphic

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const String& FileName) {
  TMemoryStream bytes;
  bytes.LoadFromFile(FileName, MaxBmpFileBytes);
  try {
    LoadFromStream(&bytes);
  } catch (const EInvalidGraphic& e) {
    throw EInvalidGraphic(L"Picture file \"" + FileName + L"\": " + e.Message());
  }
}

void TGraphic::SaveToFile(const String& FileName) {
  TMemoryStream bytes;
  SaveToStream(&bytes);
  bytes.SaveToFile(FileName);
}

// ---------------------------------------------------------------------------
// TBitmap

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  delete FCanvas;
  if (FHandle) DeleteObject(FHandle);
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) FCanvas = new TBitmapCanvas(this);
  return FCanvas;
}

void TBitmap::FreeContext() {
  if (FCanvas) FCanvas->FreeContext();
}

HBITMAP TBitmap::Handle() {
  FreeContext();
  return FHandle;
}

void TBitmap::Adopt(HBITMAP Handle, void* Bits, int AWidth, int AHeight, TPixelFormat Format,
                    std::vector<uint32_t> ColorTable) {
  FreeContext();
  if (FHandle) DeleteObject(FHandle);
  FHandle = Handle;
  FBits = static_cast<uint8_t*>(Bits);
  FWidth = FFullWidth = AWidth;
  FHeight = FFullHeight = AHeight;
  FPartLeft = FPartTop = 0;
  FPixelFormat = Format;
  FColorTable = std::move(ColorTable);
}

void TBitmap::Clear() { Adopt(nullptr, nullptr, 0, 0, FPixelFormat, {}); }

HBITMAP TBitmap::ReleaseHandle() {
  FreeContext();
  HBITMAP handle = FHandle;
  FHandle = nullptr;
  Clear();
  return handle;
}

std::vector<uint32_t> TBitmap::ReadPixels32() {
  FreeContext();
  return ReadHandle32(FHandle, FWidth, FHeight);
}

void TBitmap::PlaceStoredPart(HDC DC) const {
  if (Partial()) SetViewportOrgEx(DC, -FPartLeft, -FPartTop, nullptr);
}

void TBitmap::Rebuild(int AWidth, int AHeight, TPixelFormat Format, std::vector<uint32_t> Table) {
  // A new format or colour table keeps a partial bitmap's place in its image.
  const bool keepPart = Partial() && AWidth == FWidth && AHeight == FHeight;
  const TRect part = StoredPart();
  const int fullWidth = FFullWidth, fullHeight = FFullHeight;
  RebuildStored(AWidth, AHeight, Format, std::move(Table));
  if (keepPart) SetGeometry(fullWidth, fullHeight, part);
}

void TBitmap::SetGeometry(int FullWidth, int FullHeight, const TRect& Part) {
  FreeContext();  // the canvas places the part when it is made again
  FFullWidth = FullWidth;
  FFullHeight = FullHeight;
  FPartLeft = Part.Left;
  FPartTop = Part.Top;
}

void TBitmap::RebuildStored(int AWidth, int AHeight, TPixelFormat Format, std::vector<uint32_t> Table) {
  if (AWidth <= 0 || AHeight <= 0) {
    Adopt(nullptr, nullptr, std::max(AWidth, 0), std::max(AHeight, 0), Format, std::move(Table));
    return;
  }
  void* bits = nullptr;
  HBITMAP handle;
  if (Format == pfDevice) {
    HDC screen = GetDC(nullptr);
    handle = CreateCompatibleBitmap(screen, AWidth, AHeight);
    ReleaseDC(nullptr, screen);
    if (!handle) throw EOutOfResources(L"Cannot create a device bitmap");
  } else {
    handle = CreateSection(AWidth, AHeight, BitCountOf(Format), Table, &bits);
  }
  if (FHandle) {
    const int w = std::min(AWidth, FWidth), h = std::min(AHeight, FHeight);
    if (bits && FBits && Format == FPixelFormat && Table == FColorTable) {
      GdiFlush();
      const int bpp = BitCountOf(Format), oldStride = RowBytes(FWidth, bpp), newStride = RowBytes(AWidth, bpp);
      for (int y = 0; y < h; ++y)
        std::memcpy(static_cast<uint8_t*>(bits) + static_cast<size_t>(AHeight - 1 - y) * newStride,
                    FBits + static_cast<size_t>(FHeight - 1 - y) * oldStride, (w * bpp + 7) / 8);
    } else {
      const bool wasMonochrome = Monochrome();
      const std::vector<uint32_t> old = ReadPixels32();
      const uint32_t brush = static_cast<uint32_t>(ColorToRGB(FCanvas ? FCanvas->Brush()->Color() : clWhite));
      const uint32_t font = static_cast<uint32_t>(ColorToRGB(FCanvas ? FCanvas->Font()->Color() : clBlack));
      auto oldPixel = [&](int x, int y) {  // 0x00RRGGBB
        const uint32_t p = old[static_cast<size_t>(y) * FWidth + x] & 0xFFFFFF;
        if (!wasMonochrome) return p;
        const uint32_t c = p ? brush : font;  // TColor to 0x00RRGGBB
        return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
      };
      if (Format == pf1bit) {
        const uint32_t key = (brush & 0xFF) << 16 | (brush & 0xFF00) | (brush >> 16 & 0xFF);
        const int stride = RowBytes(AWidth, 1);
        for (int y = 0; y < h; ++y) {
          uint8_t* row = static_cast<uint8_t*>(bits) + static_cast<size_t>(AHeight - 1 - y) * stride;
          for (int x = 0; x < w; ++x)
            if (oldPixel(x, y) == key) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
      } else {
        std::vector<uint32_t> pixels(static_cast<size_t>(AWidth) * AHeight, 0);
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * AWidth + x] = oldPixel(x, y);
        WriteHandle32(handle, AWidth, AHeight, pixels);
      }
    }
  }
  Adopt(handle, bits, AWidth, AHeight, Format, std::move(Table));
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  const TRect part = TPaintBufferPart::For(AWidth, AHeight);
  if (AWidth == FFullWidth && AHeight == FFullHeight && part == StoredPart()) return;
  std::vector<uint32_t> table = FColorTable.empty() ? DefaultColorTable(FPixelFormat) : FColorTable;
  if (part == TRect(0, 0, AWidth, AHeight) && !Partial()) {
    Rebuild(AWidth, AHeight, FPixelFormat, std::move(table));
  } else {
    // Pixels kept in one part have no place in another: the new one starts black.
    Rebuild(0, 0, FPixelFormat, table);
    Rebuild(part.Width(), part.Height(), FPixelFormat, std::move(table));
    SetGeometry(std::max(AWidth, 0), std::max(AHeight, 0), part);
  }
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FPixelFormat) return;
  Rebuild(FWidth, FHeight, Value, DefaultColorTable(Value));
  Changed();
}

void TBitmap::SetColorTable(const std::vector<uint32_t>& Table) {
  const int bits = BitCountOf(FPixelFormat);
  if (bits == 0 || bits > 8) throw EInvalidGraphic(L"Only 1-, 4- and 8-bit bitmaps have a colour table");
  std::vector<uint32_t> table(Table);
  table.resize(size_t(1) << bits, 0);
  if (FHandle) {
    FreeContext();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FHandle);
    SetDIBColorTable(dc, 0, static_cast<UINT>(table.size()), reinterpret_cast<const RGBQUAD*>(table.data()));
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  FColorTable = std::move(table);
  Changed();
}

bool TBitmap::Monochrome() const {
  if (FPixelFormat == pf1bit) return FColorTable.empty() || IsBlackAndWhite(FColorTable);
  if (FPixelFormat == pfDevice && FHandle) {
    BITMAP bm = {};
    GetObjectW(FHandle, sizeof(bm), &bm);
    return bm.bmBitsPixel == 1;
  }
  return false;
}

void TBitmap::SetMonochrome(bool Value) {
  if (Value == Monochrome()) return;
  if (Value) Rebuild(FWidth, FHeight, pf1bit, DefaultColorTable(pf1bit));
  else Rebuild(FWidth, FHeight, pfDevice, {});
  Changed();
}

void* TBitmap::ScanLine(int Row) {
  if (!FBits) throw EInvalidGraphic(L"The bitmap has no scan lines (it is empty or device-dependent)");
  if (Partial()) throw EInvalidGraphic(L"The bitmap keeps only part of its image and has no whole scan lines");
  if (Row < 0 || Row >= FHeight) throw EInvalidGraphic(L"Scan line index out of range");
  GdiFlush();
  return FBits + static_cast<size_t>(FHeight - 1 - Row) * RowBytes(FWidth, BitCountOf(FPixelFormat));
}

void TBitmap::WithSourceDC(const std::function<void(HDC)>& Use) {
  if (FCanvas && FCanvas->HandleAllocated()) {
    Use(FCanvas->Handle());
    return;
  }
  // A bitmap that is only drawn from keeps no DC of its own between uses.
  HDC dc = TakeMemoryDC();
  if (!dc) throw EOutOfResources(L"Cannot create a memory device context");
  HGDIOBJ old = SelectObject(dc, FHandle);
  PlaceStoredPart(dc);
  try {
    Use(dc);
  } catch (...) {
    SelectObject(dc, old);
    GiveBackMemoryDC(dc);
    throw;
  }
  SelectObject(dc, old);
  GiveBackMemoryDC(dc);
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (Empty()) return clDefault;
  TColor colour = clNone;
  WithSourceDC([&](HDC dc) { colour = static_cast<TColor>(GetPixel(dc, 0, FFullHeight - 1)); });
  return colour;
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor && FTransparentMode == tmFixed) return;
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TBitmapTransparentMode Value) {
  if (Value == FTransparentMode) return;
  FTransparentMode = Value;
  if (Value == tmAuto) FTransparentColor = clDefault;
  Changed();
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty()) return;
  HDC dest = ACanvas->Handle();
  const UINT key = Transparent() ? static_cast<UINT>(ColorToRGB(TransparentColor())) & 0xFFFFFF : 0;
  // At its size, only the stored part is copied, to its place.
  const int x = Rect.Left + FPartLeft, y = Rect.Top + FPartTop;
  WithSourceDC([&](HDC source) {
    if (Transparent() && Rect.Width() == FFullWidth && Rect.Height() == FFullHeight) {
      KeyedBlt(dest, x, y, FWidth, FHeight, source, FPartLeft, FPartTop, key);
    } else if (Transparent()) {
      TransparentBlt(dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, FFullWidth, FFullHeight,
                     key);
    } else if (Rect.Width() == FFullWidth && Rect.Height() == FFullHeight) {
      BitBlt(dest, x, y, FWidth, FHeight, source, FPartLeft, FPartTop, ACanvas->CopyMode());
    } else {
      int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
      StretchBlt(dest, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), source, 0, 0, FFullWidth, FFullHeight,
                 ACanvas->CopyMode());
      SetStretchBltMode(dest, oldMode);
    }
  });
}

void TBitmap::Assign(TPersistent* Source) {
  if (Source == this) return;
  if (!Source) {
    Clear();
    Changed();
    return;
  }
  if (auto* src = dynamic_cast<TBitmap*>(Source)) {
    if (src->Empty() || !src->FBits) {
      Rebuild(0, 0, src->FPixelFormat, src->FColorTable);
      Rebuild(src->FWidth, src->FHeight, src->FPixelFormat, src->FColorTable);
      if (src->Partial()) SetGeometry(src->FFullWidth, src->FFullHeight, src->StoredPart());
      if (!src->Empty()) {  // device-dependent: copy through the canvases
        BitBlt(Canvas()->Handle(), FPartLeft, FPartTop, FWidth, FHeight, src->Canvas()->Handle(), FPartLeft,
               FPartTop, SRCCOPY);
      }
    } else {
      void* bits = nullptr;
      HBITMAP handle = CreateSection(src->FWidth, src->FHeight, BitCountOf(src->FPixelFormat), src->FColorTable, &bits);
      GdiFlush();
      std::memcpy(bits, src->FBits,
                  static_cast<size_t>(RowBytes(src->FWidth, BitCountOf(src->FPixelFormat))) * src->FHeight);
      Adopt(handle, bits, src->FWidth, src->FHeight, src->FPixelFormat, src->FColorTable);
      if (src->Partial()) SetGeometry(src->FFullWidth, src->FFullHeight, src->StoredPart());
    }
    FTransparentColor = src->FTransparentColor;
    FTransparentMode = src->FTransparentMode;
    SetTransparent(src->Transparent());
    Changed();
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    Rebuild(0, 0, pf24bit, {});
    Rebuild(graphic->Width(), graphic->Height(), pf24bit, {});
    if (!Empty()) {
      Canvas()->Brush()->SetColor(clWhite);
      Canvas()->FillRect(Rect(0, 0, FWidth, FHeight));
      Canvas()->Draw(0, 0, graphic);
    }
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value == FHandle) return;
  if (!Value) {
    Clear();
    Changed();
    return;
  }
  DIBSECTION ds = {};
  const bool isDib = GetObjectW(Value, sizeof(ds), &ds) == sizeof(ds) && ds.dsBm.bmBits;
  const int bpp = isDib ? ds.dsBmih.biBitCount : 0;
  if (isDib && ds.dsBmih.biHeight > 0 && (bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32) &&
      ds.dsBmih.biCompression == BI_RGB) {
    std::vector<uint32_t> table;
    if (bpp <= 8) {
      RGBQUAD colours[256];
      HDC dc = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc, Value);
      UINT n = GetDIBColorTable(dc, 0, 1u << bpp, colours);
      SelectObject(dc, old);
      DeleteDC(dc);
      table.resize(size_t(1) << bpp, 0);
      std::memcpy(table.data(), colours, std::min<size_t>(n, table.size()) * sizeof(uint32_t));
    }
    Adopt(Value, ds.dsBm.bmBits, ds.dsBm.bmWidth, ds.dsBm.bmHeight, FormatOf(bpp), std::move(table));
    Changed();
    return;
  }
  // Anything else (device bitmaps, top-down or 16-bit sections) is copied
  // into a section of our own: 1 bit for monochrome bitmaps, else 24 bits.
  BITMAP bm = {};
  GetObjectW(Value, sizeof(bm), &bm);
  const int w = bm.bmWidth, h = std::abs(bm.bmHeight);
  const std::vector<uint32_t> pixels = ReadHandle32(Value, w, h);
  const TPixelFormat format = bm.bmBitsPixel == 1 ? pf1bit : pf24bit;
  void* bits = nullptr;
  HBITMAP handle = CreateSection(w, h, BitCountOf(format), DefaultColorTable(format), &bits);
  if (format == pf1bit) {
    const int stride = RowBytes(w, 1);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF) == 0xFFFFFF)
          static_cast<uint8_t*>(bits)[static_cast<size_t>(h - 1 - y) * stride + x / 8] |=
              static_cast<uint8_t>(0x80 >> (x % 8));
  } else {
    WriteHandle32(handle, w, h, pixels);
  }
  DeleteObject(Value);
  Adopt(handle, bits, w, h, format, DefaultColorTable(format));
  Changed();
}

void TBitmap::LoadFromBmpImage(const TBmpImage& Image) {
  const TPixelFormat format = FormatOf(Image.BitCount);
  void* bits = nullptr;
  HBITMAP handle = CreateSection(Image.Width, Image.Height, Image.BitCount, Image.Palette, &bits);
  const size_t stride = static_cast<size_t>(Image.RowBytes());
  for (int y = 0; y < Image.Height; ++y)
    std::memcpy(static_cast<uint8_t*>(bits) + (Image.Height - 1 - y) * stride, Image.Row(y), stride);
  std::vector<uint32_t> table = Image.Palette;
  if (Image.BitCount <= 8) table.resize(size_t(1) << Image.BitCount, 0);
  Adopt(handle, bits, Image.Width, Image.Height, format, std::move(table));
  Changed();
}

void TBitmap::LoadFromBmpView(const TBmpView& View) {
  const TPixelFormat format = FormatOf(View.BitCount);
  void* bits = nullptr;
  HBITMAP handle = CreateSection(View.Width, View.Height, View.BitCount, View.Palette, &bits);
  const ptrdiff_t stride = View.RowBytes();
  try {
    DecodeBmp(View, static_cast<uint8_t*>(bits) + (View.Height - 1) * stride, -stride);
  } catch (...) {
    DeleteObject(handle);
    throw;
  }
  Adopt(handle, bits, View.Width, View.Height, format, View.Palette);
  Changed();
}

void TBitmap::SaveToBmpImage(TBmpImage& Image) {
  if (Empty()) throw EInvalidGraphic(L"Cannot save an empty bitmap");
  TBmpImage img;
  img.Width = FWidth;
  img.Height = FHeight;
  if (FBits) {
    img.BitCount = BitCountOf(FPixelFormat);
    img.Allocate();
    if (img.BitCount <= 8) std::copy(FColorTable.begin(), FColorTable.end(), img.Palette.begin());
    GdiFlush();
    const size_t stride = static_cast<size_t>(img.RowBytes());
    for (int y = 0; y < FHeight; ++y) std::memcpy(img.Row(y), FBits + (FHeight - 1 - y) * stride, stride);
  } else {
    img.BitCount = 24;
    img.Allocate();
    const std::vector<uint32_t> pixels = ReadPixels32();
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x) {
        const uint32_t p = pixels[static_cast<size_t>(y) * FWidth + x];
        uint8_t* q = img.Row(y) + 3 * x;
        q[0] = static_cast<uint8_t>(p);
        q[1] = static_cast<uint8_t>(p >> 8);
        q[2] = static_cast<uint8_t>(p >> 16);
      }
  }
  Image = std::move(img);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  TBmpImage image;
  ReadBmp(Stream, image);
  LoadFromBmpImage(image);
}

void TBitmap::SaveToStream(TStream* Stream) {
  TBmpImage image;
  SaveToBmpImage(image);
  WriteBmp(Stream, image);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  HRSRC info = FindResourceW(Instance, ResName.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  HGLOBAL res = info ? LoadResource(Instance, info) : nullptr;
  const uint8_t* dib = res ? static_cast<const uint8_t*>(LockResource(res)) : nullptr;
  if (!dib) throw EResNotFound(L"Resource " + ResName + L" not found");
  const size_t size = SizeofResource(Instance, info);
  // A bitmap resource is a BMP file without its file header: make one up.
  uint64_t offBits = 14;
  if (size >= 16) {
    const uint32_t headerSize = *reinterpret_cast<const uint32_t*>(dib);
    offBits += headerSize;
    if (headerSize == 12 && size >= 12) {
      const int bpp = *reinterpret_cast<const uint16_t*>(dib + 10);
      if (bpp <= 8) offBits += 3u << bpp;
    } else if (headerSize >= 40 && size >= 40) {
      const int bpp = *reinterpret_cast<const uint16_t*>(dib + 14);
      const uint32_t compression = *reinterpret_cast<const uint32_t*>(dib + 16);
      const uint64_t used = *reinterpret_cast<const uint32_t*>(dib + 32);
      if (headerSize == 40 && compression == BI_BITFIELDS) offBits += 12;
      offBits += 4 * (used ? used : bpp <= 8 ? 1u << bpp : 0);
    }
  }
  std::vector<uint8_t> file(14 + size);
  const uint32_t fileSize = static_cast<uint32_t>(file.size());
  const uint32_t off = static_cast<uint32_t>(std::min<uint64_t>(offBits, 0xFFFFFFFFu));
  file[0] = 'B';
  file[1] = 'M';
  std::memcpy(&file[2], &fileSize, 4);
  std::memcpy(&file[10], &off, 4);
  std::memcpy(&file[14], dib, size);
  TBmpImage image;
  ReadBmp(file.data(), file.size(), image);
  LoadFromBmpImage(image);
}

// ---------------------------------------------------------------------------
// TPaintBufferPart

namespace {

thread_local const TPaintBufferPart* gPaintPart = nullptr;
// A buffer of up to this many pixels (64 MB at 32 bits) is kept whole, so
// that a control of any ordinary size keeps its whole look cached whatever
// shows of it.
constexpr int64_t kWholeBufferPixels = int64_t(4096) * 4096;

}  // namespace

TPaintBufferPart::TPaintBufferPart(HDC DC, int Width, int Height)
    : FOuter(gPaintPart), FWidth(Width), FHeight(Height), FPart(0, 0, Width, Height), FLimits(false) {
  gPaintPart = this;
  if (Whole(Width, Height)) return;
  FLimits = true;
  RECT clip;
  if (GetClipBox(DC, &clip) != ERROR) IntersectRect(FPart, FPart, TRect(clip.left, clip.top, clip.right, clip.bottom));
  // A window's clip box may reach past the screen; only its monitor shows.
  HWND wnd = WindowFromDC(DC);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  if (!wnd || !GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  POINT corners[2] = {{monitor.rcMonitor.left, monitor.rcMonitor.top},
                      {monitor.rcMonitor.right, monitor.rcMonitor.bottom}};
  MapWindowPoints(nullptr, wnd, corners, 2);
  DPtoLP(DC, corners, 2);
  IntersectRect(FPart, FPart, TRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y));
}

TPaintBufferPart::~TPaintBufferPart() { gPaintPart = FOuter; }

bool TPaintBufferPart::Whole(int Width, int Height) {
  return Width <= 0 || Height <= 0 || int64_t(Width) * Height <= kWholeBufferPixels;
}

TRect TPaintBufferPart::For(int Width, int Height) {
  for (const TPaintBufferPart* p = gPaintPart; p; p = p->FOuter)
    if (p->FLimits && p->FWidth == Width && p->FHeight == Height) return p->FPart;
  return TRect(0, 0, Width, Height);
}
