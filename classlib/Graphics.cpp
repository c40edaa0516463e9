#include "classlib/Graphics.h"

#include <map>
#include <mutex>

// ---------------------------------------------------------------------------
// Shared GDI handles. Each distinct set of attributes has one entry; objects
// hold a reference and the handle is created on first use. An object that
// changes keeps its old entry until its next Handle() call, by which time the
// canvases that had it selected have been told (OnChange) and deselected it.

struct TGdiResource {
  std::wstring Key;
  HGDIOBJ Handle = nullptr;
  int RefCount = 0;
};

namespace {

// Guards the table: canvases may be drawn on from several threads.
std::recursive_mutex& ResourceLock() {
  static auto* lock = new std::recursive_mutex();
  return *lock;
}

// Never destroyed: objects with static lifetime may release after exit code runs.
std::map<std::wstring, TGdiResource>& Resources() {
  static auto* table = new std::map<std::wstring, TGdiResource>();
  return *table;
}

void ReleaseResource(TGdiResource*& Res) {
  if (!Res) return;
  std::lock_guard<std::recursive_mutex> guard(ResourceLock());
  if (--Res->RefCount == 0) {
    if (Res->Handle) DeleteObject(Res->Handle);
    Resources().erase(Res->Key);
  }
  Res = nullptr;
}

// Makes Res the entry for Key; true when the entry still needs its handle.
bool BindResource(TGdiResource*& Res, const std::wstring& Key) {
  if (!Res || Res->Key != Key) {
    TGdiResource& entry = Resources()[Key];
    entry.Key = Key;
    ++entry.RefCount;
    ReleaseResource(Res);
    Res = &entry;
  }
  return Res->Handle == nullptr;
}

std::wstring KeyPart(long long v) { return std::to_wstring(v) + L'|'; }

int ScreenPixelsPerInch() {
  static int ppi = [] {
    HDC dc = GetDC(nullptr);
    int v = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return ppi;
}

}  // namespace

int FontLineHeight(HFONT Font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font);
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

int GdiResourceCount() {
  std::lock_guard<std::recursive_mutex> guard(ResourceLock());
  int n = 0;
  for (const auto& entry : Resources()) n += entry.second.Handle ? 1 : 0;
  return n;
}

TColor ColorToRGB(TColor Color) {
  if (IsSystemColor(Color)) return static_cast<TColor>(GetSysColor(Color & 0xFF));
  // The two markers pass as they are: callers test for them.
  if (Color == clNone || Color == clDefault) return Color;
  return Color & 0xFFFFFF;
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------------------
// TFont

TFont::TFont()
    : FName(L"Tahoma"), FColor(clWindowText), FCharset(DEFAULT_CHARSET), FPixelsPerInch(ScreenPixelsPerInch()) {
  FHeight = -MulDiv(8, FPixelsPerInch, 72);
}

TFont::~TFont() { ReleaseResource(FResource); }

void TFont::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TFont*>(Source)) {
    if (src == this) return;
    FName = src->FName;
    FHeight = src->FHeight;
    FStyle = src->FStyle;
    FColor = src->FColor;
    FCharset = src->FCharset;
    FPitch = src->FPitch;
    FOrientation = src->FOrientation;
    Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

HFONT TFont::Handle() {
  std::lock_guard<std::recursive_mutex> guard(ResourceLock());
  std::wstring key = L"F|" + KeyPart(FHeight) + KeyPart(static_cast<long long>(FStyle.Bits())) + KeyPart(FCharset) +
                     KeyPart(FPitch) + KeyPart(FOrientation) + FName;
  if (BindResource(FResource, key)) {
    LOGFONTW lf = {};
    lf.lfHeight = FHeight;
    lf.lfEscapement = FOrientation;
    lf.lfOrientation = FOrientation;
    lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(fsItalic);
    lf.lfUnderline = FStyle.Contains(fsUnderline);
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    lf.lfCharSet = FCharset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    FName.copy(lf.lfFaceName, LF_FACESIZE - 1);
    FResource->Handle = CreateFontIndirectW(&lf);
  }
  return static_cast<HFONT>(FResource->Handle);
}

void TFont::SetName(const String& Value) {
  if (Value.empty() || Value == FName) return;
  FName = Value;
  Changed();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == FPitch) return;
  FPitch = Value;
  Changed();
}

void TFont::SetOrientation(int Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  Changed();
}

// ---------------------------------------------------------------------------
// TPen

TPen::TPen() = default;

TPen::~TPen() { ReleaseResource(FResource); }

void TPen::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TPen*>(Source)) {
    if (src == this) return;
    FColor = src->FColor;
    FWidth = src->FWidth;
    FStyle = src->FStyle;
    FMode = src->FMode;
    Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

HPEN TPen::Handle() {
  std::lock_guard<std::recursive_mutex> guard(ResourceLock());
  static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  TColor rgb = ColorToRGB(FColor);
  std::wstring key = L"P|" + KeyPart(rgb) + KeyPart(FWidth) + KeyPart(FStyle);
  if (BindResource(FResource, key)) FResource->Handle = CreatePen(styles[FStyle], FWidth, static_cast<COLORREF>(rgb));
  return static_cast<HPEN>(FResource->Handle);
}

void TPen::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value < 0 || Value == FWidth) return;
  FWidth = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  Changed();
}

// ---------------------------------------------------------------------------
// TBrush

TBrush::TBrush() = default;

TBrush::~TBrush() { ReleaseResource(FResource); }

void TBrush::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TBrush*>(Source)) {
    if (src == this) return;
    FColor = src->FColor;
    FStyle = src->FStyle;
    FBitmap = src->FBitmap;
    Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

HBRUSH TBrush::Handle() {
  std::lock_guard<std::recursive_mutex> guard(ResourceLock());
  static const int hatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
  TColor rgb = ColorToRGB(FColor);
  HBITMAP pattern = FBitmap && !FBitmap->Empty() ? FBitmap->Handle() : nullptr;
  std::wstring key = L"B|" + KeyPart(rgb) + KeyPart(FStyle) + KeyPart(reinterpret_cast<intptr_t>(pattern));
  if (BindResource(FResource, key)) {
    LOGBRUSH lb = {};
    lb.lbColor = static_cast<COLORREF>(rgb);
    if (pattern) {
      lb.lbStyle = BS_PATTERN;
      lb.lbHatch = reinterpret_cast<ULONG_PTR>(pattern);
    } else if (FStyle == bsSolid) {
      lb.lbStyle = BS_SOLID;
    } else if (FStyle == bsClear) {
      lb.lbStyle = BS_NULL;
    } else {
      lb.lbStyle = BS_HATCHED;
      lb.lbHatch = hatches[FStyle];
    }
    FResource->Handle = CreateBrushIndirect(&lb);
  }
  return static_cast<HBRUSH>(FResource->Handle);
}

void TBrush::SetColor(TColor Value) {
  if (Value == FColor && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
  if (Value == FBitmap) return;
  FBitmap = Value;
  Changed();
}
