#include "classlib/ImgList.h"

namespace {

// Raster operation D ^ (S & (P ^ D)): the brush where the source is white,
// the destination elsewhere.
constexpr DWORD RopDSPDxax = 0x00E20746;

UINT StyleFlags(TDrawingStyle Style) {
  switch (Style) {
    case dsFocus: return ILD_FOCUS;
    case dsSelected: return ILD_SELECTED;
    case dsTransparent: return ILD_TRANSPARENT;
    default: return ILD_NORMAL;
  }
}

// clNone and clDefault have their own values in image-list calls.
COLORREF ListColor(TColor Color) {
  if (Color == clNone) return CLR_NONE;
  if (Color == clDefault) return CLR_DEFAULT;
  return static_cast<COLORREF>(ColorToRGB(Color));
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(TComponent* AOwner, int AWidth, int AHeight)
    : TComponent(AOwner), FWidth(AWidth), FHeight(AHeight) {}

TCustomImageList::~TCustomImageList() { FreeHandle(); }

void TCustomImageList::FreeHandle() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TCustomImageList::Change() {
  if (OnChange) OnChange(this);
}

HIMAGELIST TCustomImageList::Handle() {
  if (!FHandle) {
    FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | (FMasked ? ILC_MASK : 0), 4, 4);
    if (!FHandle) throw EOutOfResources(L"Cannot create an image list");
    ImageList_SetBkColor(FHandle, ListColor(FBkColor));
  }
  return FHandle;
}

void TCustomImageList::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCustomImageList*>(Source);
  if (!src) {
    TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  FreeHandle();
  FWidth = src->FWidth;
  FHeight = src->FHeight;
  FBkColor = src->FBkColor;
  FBlendColor = src->FBlendColor;
  FDrawingStyle = src->FDrawingStyle;
  FMasked = src->FMasked;
  if (src->FHandle) FHandle = ImageList_Duplicate(src->FHandle);
  Change();
}

void TCustomImageList::SetSize(int AWidth, int AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  FreeHandle();
  Change();
}

void TCustomImageList::SetMasked(bool Value) {
  if (Value == FMasked) return;
  FMasked = Value;
  FreeHandle();
  Change();
}

int TCustomImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

void TCustomImageList::SetBkColor(TColor Value) {
  FBkColor = Value;
  if (FHandle) ImageList_SetBkColor(FHandle, ListColor(Value));
  Change();
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image || Image->Empty()) return -1;
  HBITMAP mask = Mask && !Mask->Empty() ? Mask->Handle() : nullptr;
  const int index = ImageList_Add(Handle(), Image->Handle(), mask);
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image || Image->Empty()) return -1;
  TBitmap copy;  // the system blackens the masked pixels of what it is given
  copy.Assign(Image);
  const int index = ImageList_AddMasked(Handle(), copy.Handle(), static_cast<COLORREF>(ColorToRGB(MaskColor)));
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddIcon(TIcon* Image) {
  if (!Image || Image->Empty()) return -1;
  const int index = ImageList_AddIcon(Handle(), Image->Handle());
  if (index >= 0) Change();
  return index;
}

void TCustomImageList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError(L"Image index out of range (" + std::to_wstring(Index) + L")");
  ImageList_Remove(FHandle, Index);
  Change();
}

void TCustomImageList::Clear() {
  if (FHandle) ImageList_Remove(FHandle, -1);
  Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  if (!Canvas || Index < 0 || Index >= Count()) return;
  HDC dc = Canvas->Handle();
  if (Enabled)
    ImageList_DrawEx(FHandle, Index, dc, X, Y, 0, 0, ListColor(FBkColor), ListColor(FBlendColor),
                     StyleFlags(FDrawingStyle));
  else DrawDisabled(dc, X, Y, Index);
}

void TCustomImageList::DrawDisabled(HDC Dest, int X, int Y, int Index) {
  // The image over white gives the shape: every pixel that is not white.
  TBitmap image;
  image.SetSize(FWidth, FHeight);
  image.Canvas()->Brush()->SetColor(clWhite);
  image.Canvas()->FillRect(Rect(0, 0, FWidth, FHeight));
  ImageList_DrawEx(FHandle, Index, image.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
  TBitmap shape;
  shape.SetPixelFormat(pf1bit);
  shape.SetSize(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y) {
    const auto* src = static_cast<const uint8_t*>(image.ScanLine(y));
    auto* bits = static_cast<uint8_t*>(shape.ScanLine(y));
    for (int x = 0; x < FWidth; ++x, src += 3)
      if (src[0] != 255 || src[1] != 255 || src[2] != 255) bits[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  }
  HDC shapeDC = shape.Canvas()->Handle();
  const COLORREF oldText = SetTextColor(Dest, RGB(0, 0, 0));
  const COLORREF oldBk = ::SetBkColor(Dest, RGB(255, 255, 255));
  HBRUSH highlight = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
  HBRUSH shadow = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  HGDIOBJ oldBrush = SelectObject(Dest, highlight);
  BitBlt(Dest, X + 1, Y + 1, FWidth, FHeight, shapeDC, 0, 0, RopDSPDxax);
  SelectObject(Dest, shadow);
  BitBlt(Dest, X, Y, FWidth, FHeight, shapeDC, 0, 0, RopDSPDxax);
  SelectObject(Dest, oldBrush);
  DeleteObject(highlight);
  DeleteObject(shadow);
  SetTextColor(Dest, oldText);
  ::SetBkColor(Dest, oldBk);
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
  if (!Image) return;
  Image->SetSize(FWidth, FHeight);
  Image->Canvas()->Brush()->SetColor(FBkColor == clNone || FBkColor == clDefault ? clWhite : FBkColor);
  Image->Canvas()->FillRect(Rect(0, 0, FWidth, FHeight));
  if (Index >= 0 && Index < Count())
    ImageList_DrawEx(FHandle, Index, Image->Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
}

void TCustomImageList::GetIcon(int Index, TIcon* Image) {
  if (!Image) return;
  Image->SetHandle(Index >= 0 && Index < Count() ? ImageList_GetIcon(FHandle, Index, ILD_NORMAL) : nullptr);
}
