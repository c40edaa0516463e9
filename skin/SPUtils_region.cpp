#include "skin/SPUtils_region.h"

#include <cstring>

TFBitmap::TFBitmap(HBITMAP Bitmap) {
  BITMAP bm = {};
  if (!Bitmap || !GetObjectW(Bitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
  FInfo.biSize = sizeof(BITMAPINFOHEADER);
  FInfo.biWidth = bm.bmWidth;
  FInfo.biHeight = -bm.bmHeight;
  FInfo.biPlanes = 1;
  FInfo.biBitCount = 24;
  FInfo.biCompression = BI_RGB;
  BITMAPINFO info = {};
  info.bmiHeader = FInfo;
  void* bits = nullptr;
  FHandle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!FHandle) return;
  FPixels.Bits = static_cast<uint8_t*>(bits);
  FPixels.Width = bm.bmWidth;
  FPixels.Height = bm.bmHeight;
  FPixels.RowBytes = RowBytes24(bm.bmWidth);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, Bitmap, 0, bm.bmHeight, bits, &info, DIB_RGB_COLORS);
  FDC = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  FRows.resize(bm.bmHeight);
  for (int y = 0; y < bm.bmHeight; ++y) FRows[y] = FPixels.Row(y);
  if (FDC) FOldBitmap = SelectObject(FDC, FHandle);
}

TFBitmap::~TFBitmap() {
  if (FDC) {
    SelectObject(FDC, FOldBitmap);
    DeleteDC(FDC);
  }
  if (FHandle) DeleteObject(FHandle);
}

int CreateRegionDataFromMask(TBitmap* Mask, int XOff, int YOff, std::vector<uint8_t>& Data) {
  if (!Mask || Mask->Empty()) return 0;
  TFBitmap pixels(Mask->Handle());
  return BuildRegionData(pixels.Pixels(), XOff, YOff, Data);
}

namespace {

HRGN RegionFromData(const std::vector<uint8_t>& data) {
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

// Writes composed mask pixels into a 24-bit bitmap of their size.
void StoreMask(TBitmap* B, const TspPixelBuffer24& pixels) {
  const TspPixels24& v = pixels.View();
  B->SetPixelFormat(pf24bit);
  B->SetSize(v.Width, v.Height);
  for (int y = 0; y < v.Height; ++y) std::memcpy(B->ScanLine(y), v.Row(y), 3 * v.Width);
}

}  // namespace

void CreateMaskRegion(HRGN& Rgn, TBitmap* Mask) {
  Rgn = nullptr;
  std::vector<uint8_t> data;
  if (CreateRegionDataFromMask(Mask, 0, 0, data) > 0) Rgn = RegionFromData(data);
}

void CreateSkinBorderMasks(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                           const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                           const TRect& NCL, TBitmap* Mask, TBitmap* TopB, TBitmap* LeftB, TBitmap* RightB,
                           TBitmap* BottomB, int W, int) {
  if (!Mask || Mask->Empty()) return;
  TFBitmap mask(Mask->Handle());
  const TspBorderPlans p =
      PlanSkinBorderMasks({LT, RT, LB, RB, CL}, {NLT, NRT, NLB, NRB, NCL}, mask.Width(), mask.Height(), W);
  const struct {
    const TspComposition& Plan;
    TBitmap* Target;
  } parts[] = {{p.Left, LeftB}, {p.Right, RightB}, {p.Top, TopB}, {p.Bottom, BottomB}};
  for (const auto& part : parts)
    if (part.Plan.Apply && part.Target) StoreMask(part.Target, ComposeMask(mask.Pixels(), part.Plan));
}

void CreateSkinRegion(HRGN& Rgn, const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                      const TRect& CL, const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                      const TRect& NCL, TBitmap* Mask, int W, int) {
  Rgn = nullptr;
  if (!Mask || Mask->Empty()) return;
  TFBitmap mask(Mask->Handle());
  const TspSkinRegionParts parts =
      BuildSkinRegionParts({LT, RT, LB, RB, CL}, {NLT, NRT, NLB, NRB, NCL}, mask.Pixels(), W);
  if (!parts.Valid) return;
  // Every present part joins the union, whichever others are missing.
  if (!parts.Client.IsEmpty())
    Rgn = CreateRectRgn(parts.Client.Left, parts.Client.Top, parts.Client.Right, parts.Client.Bottom);
  for (const auto& data : parts.Parts) {
    HRGN part = RegionFromData(data);
    if (!part) continue;
    if (!Rgn) {
      Rgn = part;
      continue;
    }
    CombineRgn(Rgn, Rgn, part, RGN_OR);
    DeleteObject(part);
  }
}
