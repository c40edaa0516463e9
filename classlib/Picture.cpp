#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwctype>

#include "classlib/ByteOrder.h"
#include "classlib/Graphics.h"
#include "classlib/IconFile.h"
#include "classlib/SysUtils.h"

namespace {

[[noreturn]] void BadIcon(const String& What) { throw EInvalidGraphic(L"Invalid icon: " + What); }

TSize IconSize(HICON Icon) {
  ICONINFO ii = {};
  if (!GetIconInfo(Icon, &ii)) return TSize();
  BITMAP bm = {};
  GetObjectW(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof(bm), &bm);
  TSize size(bm.bmWidth, ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2);
  if (ii.hbmColor) DeleteObject(ii.hbmColor);
  if (ii.hbmMask) DeleteObject(ii.hbmMask);
  return size;
}

// Rows of a bitmap handle, bottom-up as an icon file stores them.
std::vector<uint8_t> BottomUpRows(HBITMAP Bitmap, int Width, int Height, int BitCount) {
  const int stride = ((Width * BitCount + 31) / 32) * 4;
  std::vector<uint8_t> rows(static_cast<size_t>(stride) * Height);
  struct {
    BITMAPINFOHEADER h;
    RGBQUAD colours[2];
  } bi = {};
  bi.h.biSize = sizeof(BITMAPINFOHEADER);
  bi.h.biWidth = Width;
  bi.h.biHeight = Height;
  bi.h.biPlanes = 1;
  bi.h.biBitCount = static_cast<WORD>(BitCount);
  bi.h.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, Bitmap, 0, Height, rows.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return rows;
}

// An .ico file with one 32-bit image made from an icon handle.
std::vector<uint8_t> IconFile(HICON Icon, int Width, int Height) {
  ICONINFO ii = {};
  if (!GetIconInfo(Icon, &ii)) throw EInvalidGraphic(L"Cannot read the icon image");
  std::vector<uint8_t> colour;
  if (ii.hbmColor) {
    colour = BottomUpRows(ii.hbmColor, Width, Height, 32);
  } else {  // monochrome icon: the mask's lower half is the image
    colour.assign(static_cast<size_t>(Width) * Height * 4, 0);
  }
  std::vector<uint8_t> mask = BottomUpRows(ii.hbmMask, Width, ii.hbmColor ? Height : Height * 2, 1);
  const size_t maskBytes = static_cast<size_t>(((Width + 31) / 32) * 4) * Height;
  if (!ii.hbmColor) mask.erase(mask.begin(), mask.begin() + static_cast<std::ptrdiff_t>(maskBytes));
  mask.resize(maskBytes);
  if (ii.hbmColor) DeleteObject(ii.hbmColor);
  if (ii.hbmMask) DeleteObject(ii.hbmMask);

  std::vector<uint8_t> out;
  const uint32_t imageBytes = static_cast<uint32_t>(40 + colour.size() + mask.size());
  AppendLE16(out, 0);
  AppendLE16(out, 1);
  AppendLE16(out, 1);
  out.push_back(static_cast<uint8_t>(Width >= 256 ? 0 : Width));
  out.push_back(static_cast<uint8_t>(Height >= 256 ? 0 : Height));
  out.push_back(0);
  out.push_back(0);
  AppendLE16(out, 1);
  AppendLE16(out, 32);
  AppendLE32(out, imageBytes);
  AppendLE32(out, 6 + 16);
  AppendLE32(out, 40);
  AppendLE32(out, static_cast<uint32_t>(Width));
  AppendLE32(out, static_cast<uint32_t>(Height * 2));
  AppendLE16(out, 1);
  AppendLE16(out, 32);
  for (int i = 0; i < 6; ++i) AppendLE32(out, 0);
  out.insert(out.end(), colour.begin(), colour.end());
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// TIcon

TIcon::~TIcon() {
  if (FHandle) DestroyIcon(FHandle);
}

void TIcon::Take(HICON Handle, std::vector<uint8_t> Data) {
  if (FHandle) DestroyIcon(FHandle);
  FHandle = Handle;
  const TSize size = Handle ? IconSize(Handle) : TSize();
  FWidth = size.cx;
  FHeight = size.cy;
  FData = std::move(Data);
  Changed();
}

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  Take(Value, {});
}

HICON TIcon::ReleaseHandle() {
  HICON handle = FHandle;
  FHandle = nullptr;
  Take(nullptr, {});
  return handle;
}

void TIcon::Assign(TPersistent* Source) {
  if (Source == this) return;
  if (!Source) {
    Take(nullptr, {});
    return;
  }
  if (auto* src = dynamic_cast<TIcon*>(Source)) {
    Take(src->FHandle ? CopyIcon(src->FHandle) : nullptr, src->FData);
    return;
  }
  TGraphic::Assign(Source);
}

void TIcon::SetWidth(int Value) {
  if (Value != FWidth) throw EInvalidGraphic(L"Cannot change the size of an icon");
}

void TIcon::SetHeight(int Value) {
  if (Value != FHeight) throw EInvalidGraphic(L"Cannot change the size of an icon");
}

void TIcon::LoadFromStream(TStream* Stream) {
  const int64_t left = Stream->Size() - Stream->Position();
  if (left < 6) BadIcon(L"the data is too short for a header");
  if (left > (int64_t(1) << 28)) BadIcon(L"the data is too large");
  std::vector<uint8_t> data(static_cast<size_t>(left));
  Stream->ReadBuffer(data.data(), left);
  const TIconImageRef image = PickIconImage(data.data(), data.size(), GetSystemMetrics(SM_CXICON));
  HICON icon = CreateIconFromResourceEx(data.data() + image.Offset, image.Bytes, TRUE, 0x00030000, image.Width,
                                        image.Height, LR_DEFAULTCOLOR);
  if (!icon) BadIcon(L"the image cannot be read");
  Take(icon, std::move(data));
}

void TIcon::SaveToStream(TStream* Stream) {
  if (!FHandle) throw EInvalidGraphic(L"Cannot save an empty icon");
  const std::vector<uint8_t> file = FData.empty() ? IconFile(FHandle, FWidth, FHeight) : FData;
  Stream->WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (!FHandle) return;
  DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, FHandle, Rect.Width(), Rect.Height(), 0, nullptr, DI_NORMAL);
}

// ---------------------------------------------------------------------------
// TPicture

TPicture::~TPicture() { delete FGraphic; }

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Replace(TGraphic* NewGraphic) {
  delete FGraphic;
  FGraphic = NewGraphic;
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == FGraphic) return;
  if (!Value) {
    Replace(nullptr);
    return;
  }
  TGraphic* copy = dynamic_cast<TIcon*>(Value) ? static_cast<TGraphic*>(new TIcon) : new TBitmap;
  try {
    copy->Assign(Value);
  } catch (...) {
    delete copy;
    throw;
  }
  Replace(copy);
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic)) Replace(new TBitmap);
  return static_cast<TBitmap*>(FGraphic);
}

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(FGraphic)) Replace(new TIcon);
  return static_cast<TIcon*>(FGraphic);
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(Source)) {
    if (picture != this) SetGraphic(picture->FGraphic);
  } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (auto* graphic = dynamic_cast<TGraphic*>(Dest)) {
    graphic->Assign(FGraphic);
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TPicture::LoadFromFile(const String& FileName) {
  String ext = ExtractFileExt(FileName);  // of the file's name, never of a folder's
  for (auto& c : ext) c = static_cast<wchar_t>(std::towlower(c));
  TGraphic* graphic;
  if (ext == L".bmp") graphic = new TBitmap;
  else if (ext == L".ico") graphic = new TIcon;
  else
    throw EInvalidGraphic(L"Cannot load picture file \"" + FileName + L"\": unknown picture file extension (" +
                          (ext.empty() ? String(L"none") : ext) + L")");
  try {
    graphic->LoadFromFile(FileName);
  } catch (...) {
    delete graphic;
    throw;
  }
  Replace(graphic);
}

void TPicture::SaveToFile(const String& FileName) {
  if (!FGraphic) throw EInvalidGraphic(L"Cannot save an empty picture");
  FGraphic->SaveToFile(FileName);
}
