// The text reader: the program's text calls redirected through its import
// table, each read by the pixels it changes.
#include "demo/TextReads.h"

#include <cstdlib>
#include <unordered_map>
#include <utility>

#include "classlib/ColorContrast.h"

double TTextRead::Contrast() const { return ColorContrast(Color, Face); }

namespace {

TTextReader* gReader = nullptr;
bool gInside = false;  // the reader's own measuring calls are not read

using TDrawTextW = int(WINAPI*)(HDC, LPCWSTR, int, LPRECT, UINT);
using TDrawTextExW = int(WINAPI*)(HDC, LPWSTR, int, LPRECT, UINT, LPDRAWTEXTPARAMS);
using TDrawTextA = int(WINAPI*)(HDC, LPCSTR, int, LPRECT, UINT);
using TTabbedTextOutW = LONG(WINAPI*)(HDC, int, int, LPCWSTR, int, int, const INT*, int);
using TExtTextOutW = BOOL(WINAPI*)(HDC, int, int, UINT, const RECT*, LPCWSTR, UINT, const INT*);
using TTextOutW = BOOL(WINAPI*)(HDC, int, int, LPCWSTR, int);

TDrawTextW gDrawTextW;
TDrawTextExW gDrawTextExW;
TDrawTextA gDrawTextA;
TTabbedTextOutW gTabbedTextOutW;
TExtTextOutW gExtTextOutW;
TTextOutW gTextOutW;

String Span(const wchar_t* T, int N) { return N < 0 ? String(T) : String(T, static_cast<size_t>(N)); }

bool Blank(const String& S) {
  for (wchar_t c : S)
    if (c != L' ' && c != L'\t' && c != L'\r' && c != L'\n' && c != L'&') return false;
  return true;
}

RECT Inflated(RECT R, int D) { return RECT{R.left - D, R.top - D, R.right + D, R.bottom + D}; }

// Where DrawText puts a text whose measured size is Measured within R.
RECT PlaceInRect(const RECT& R, const RECT& Measured, UINT Flags) {
  const int w = Measured.right - Measured.left, h = Measured.bottom - Measured.top;
  int x = R.left, y = R.top;
  if (Flags & DT_CENTER) x = R.left + (R.right - R.left - w) / 2;
  else if (Flags & DT_RIGHT) x = R.right - w;
  if (Flags & DT_SINGLELINE) {
    if (Flags & DT_VCENTER) y = R.top + (R.bottom - R.top - h) / 2;
    else if (Flags & DT_BOTTOM) y = R.bottom - h;
  }
  RECT box{x, y, x + w, y + h};
  if (!(Flags & DT_NOCLIP)) IntersectRect(&box, &box, &R);
  return box;
}

// The flags that measure what Flags would draw.
UINT MeasureFlags(UINT Flags) { return (Flags | DT_CALCRECT) & ~UINT(DT_MODIFYSTRING); }

// Where text of size Size starting at the reference point (X, Y) lies under
// the DC's text alignment.
RECT PlaceAtPoint(HDC DC, int X, int Y, SIZE Size) {
  const UINT align = GetTextAlign(DC);
  if (align & TA_UPDATECP) {
    POINT p{};
    GetCurrentPositionEx(DC, &p);
    X = p.x;
    Y = p.y;
  }
  if ((align & TA_CENTER) == TA_CENTER) X -= Size.cx / 2;
  else if (align & TA_RIGHT) X -= Size.cx;
  if ((align & TA_BASELINE) == TA_BASELINE) {
    TEXTMETRICW tm{};
    GetTextMetricsW(DC, &tm);
    Y -= tm.tmAscent;
  } else if (align & TA_BOTTOM) {
    Y -= Size.cy;
  }
  return RECT{X, Y, X + Size.cx, Y + Size.cy};
}

// Text drawn into a mask or a metafile is never seen as it is.
bool ColourSurface(HDC DC) {
  const DWORD type = GetObjectType(DC);
  if (type == OBJ_DC) return true;
  if (type != OBJ_MEMDC) return false;
  BITMAP bm{};
  if (!GetObjectW(GetCurrentObject(DC, OBJ_BITMAP), sizeof bm, &bm)) return false;
  return bm.bmBitsPixel > 1 && bm.bmWidth > 1 && bm.bmHeight > 1;
}

// The pixels of a box of a DC, 0x00RRGGBB, row by row.
class TCapture {
 public:
  bool Take(HDC DC, const RECT& R) {
    W = R.right - R.left;
    H = R.bottom - R.top;
    if (W <= 0 || H <= 0 || W > 4096 || H > 4096) return false;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = W;
    bi.bmiHeader.biHeight = -H;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return false;
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, bitmap);
    const bool ok = BitBlt(mem, 0, 0, W, H, DC, R.left, R.top, SRCCOPY) != 0;
    GdiFlush();
    if (ok) {
      const auto* p = static_cast<const uint32_t*>(bits);
      Pixels.assign(p, p + static_cast<size_t>(W) * H);
      for (uint32_t& px : Pixels) px &= 0xFFFFFF;
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bitmap);
    return ok;
  }
  int W = 0, H = 0;
  std::vector<uint32_t> Pixels;
};

TColor BgrOfRgb(uint32_t Rgb) { return static_cast<TColor>(((Rgb & 0xFF) << 16) | (Rgb & 0xFF00) | ((Rgb >> 16) & 0xFF)); }

// The most common colour of Before among the pixels that After changed, or
// of all of Before when none changed.
uint32_t FaceUnder(const TCapture& Before, const TCapture& After) {
  std::unordered_map<uint32_t, int> changed, all;
  for (size_t i = 0; i < Before.Pixels.size(); ++i) {
    ++all[Before.Pixels[i]];
    if (Before.Pixels[i] != After.Pixels[i]) ++changed[Before.Pixels[i]];
  }
  const auto& counts = changed.empty() ? all : changed;
  uint32_t best = 0;
  int most = -1;
  for (const auto& c : counts)
    if (c.second > most || (c.second == most && c.first < best)) {
      best = c.first;
      most = c.second;
    }
  return best;
}

template <class TDraw>
auto ReadCall(HDC DC, const String& Text, const RECT& Box, bool Opaque, TDraw Draw) -> decltype(Draw()) {
  decltype(Draw()) result{};
  gInside = true;
  gReader->Read(DC, Text, Box, Opaque, [&] { result = Draw(); });
  gInside = false;
  return result;
}

bool Reading() { return gReader && !gInside; }

int WINAPI HookDrawTextW(HDC DC, LPCWSTR T, int N, LPRECT R, UINT Flags) {
  if (!Reading() || !T || !R || (Flags & DT_CALCRECT)) return gDrawTextW(DC, T, N, R, Flags);
  const String text = Span(T, N);
  RECT m = *R;
  gDrawTextW(DC, text.c_str(), static_cast<int>(text.size()), &m, MeasureFlags(Flags));
  return ReadCall(DC, text, PlaceInRect(*R, m, Flags), GetBkMode(DC) == OPAQUE,
                  [&] { return gDrawTextW(DC, T, N, R, Flags); });
}

int WINAPI HookDrawTextExW(HDC DC, LPWSTR T, int N, LPRECT R, UINT Flags, LPDRAWTEXTPARAMS P) {
  if (!Reading() || !T || !R || (Flags & DT_CALCRECT)) return gDrawTextExW(DC, T, N, R, Flags, P);
  String text = Span(T, N);
  RECT m = *R;
  DRAWTEXTPARAMS p{};
  if (P) p = *P;
  gDrawTextExW(DC, &text[0], static_cast<int>(text.size()), &m, MeasureFlags(Flags), P ? &p : nullptr);
  return ReadCall(DC, text, PlaceInRect(*R, m, Flags), GetBkMode(DC) == OPAQUE,
                  [&] { return gDrawTextExW(DC, T, N, R, Flags, P); });
}

int WINAPI HookDrawTextA(HDC DC, LPCSTR T, int N, LPRECT R, UINT Flags) {
  if (!Reading() || !T || !R || (Flags & DT_CALCRECT)) return gDrawTextA(DC, T, N, R, Flags);
  const int n = N < 0 ? static_cast<int>(strlen(T)) : N;
  String text(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, T, n, nullptr, 0)), L'\0');
  if (!text.empty()) MultiByteToWideChar(CP_ACP, 0, T, n, &text[0], static_cast<int>(text.size()));
  RECT m = *R;
  gDrawTextA(DC, T, n, &m, MeasureFlags(Flags));
  return ReadCall(DC, text, PlaceInRect(*R, m, Flags), GetBkMode(DC) == OPAQUE,
                  [&] { return gDrawTextA(DC, T, N, R, Flags); });
}

LONG WINAPI HookTabbedTextOutW(HDC DC, int X, int Y, LPCWSTR T, int N, int Tabs, const INT* Stops, int Origin) {
  if (!Reading() || !T || N <= 0) return gTabbedTextOutW(DC, X, Y, T, N, Tabs, Stops, Origin);
  const DWORD extent = GetTabbedTextExtentW(DC, T, N, Tabs, Stops);
  const RECT box = PlaceAtPoint(DC, X, Y, SIZE{LOWORD(extent), HIWORD(extent)});
  return ReadCall(DC, Span(T, N), box, GetBkMode(DC) == OPAQUE,
                  [&] { return gTabbedTextOutW(DC, X, Y, T, N, Tabs, Stops, Origin); });
}

BOOL WINAPI HookExtTextOutW(HDC DC, int X, int Y, UINT Options, const RECT* R, LPCWSTR T, UINT N, const INT* Dx) {
  if (!Reading() || !T || N == 0 || (Options & ETO_GLYPH_INDEX)) return gExtTextOutW(DC, X, Y, Options, R, T, N, Dx);
  SIZE size{};
  GetTextExtentPoint32W(DC, T, static_cast<int>(N), &size);
  if (Dx) {
    size.cx = 0;
    for (UINT i = 0; i < N; ++i) size.cx += Dx[(Options & ETO_PDY) ? 2 * i : i];
  }
  RECT box = PlaceAtPoint(DC, X, Y, size);
  if (R && (Options & ETO_CLIPPED)) IntersectRect(&box, &box, R);
  const bool opaque = GetBkMode(DC) == OPAQUE || (R && (Options & ETO_OPAQUE));
  return ReadCall(DC, Span(T, static_cast<int>(N)), box, opaque,
                  [&] { return gExtTextOutW(DC, X, Y, Options, R, T, N, Dx); });
}

BOOL WINAPI HookTextOutW(HDC DC, int X, int Y, LPCWSTR T, int N) {
  if (!Reading() || !T || N <= 0) return gTextOutW(DC, X, Y, T, N);
  SIZE size{};
  GetTextExtentPoint32W(DC, T, N, &size);
  return ReadCall(DC, Span(T, N), PlaceAtPoint(DC, X, Y, size), GetBkMode(DC) == OPAQUE,
                  [&] { return gTextOutW(DC, X, Y, T, N); });
}

struct THook {
  const wchar_t* Module;
  const char* Name;
  void** Original;
  void* Hook;
};

const THook kHooks[] = {
    {L"user32.dll", "DrawTextW", reinterpret_cast<void**>(&gDrawTextW), reinterpret_cast<void*>(&HookDrawTextW)},
    {L"user32.dll", "DrawTextExW", reinterpret_cast<void**>(&gDrawTextExW), reinterpret_cast<void*>(&HookDrawTextExW)},
    {L"user32.dll", "DrawTextA", reinterpret_cast<void**>(&gDrawTextA), reinterpret_cast<void*>(&HookDrawTextA)},
    {L"user32.dll", "TabbedTextOutW", reinterpret_cast<void**>(&gTabbedTextOutW),
     reinterpret_cast<void*>(&HookTabbedTextOutW)},
    {L"gdi32.dll", "ExtTextOutW", reinterpret_cast<void**>(&gExtTextOutW), reinterpret_cast<void*>(&HookExtTextOutW)},
    {L"gdi32.dll", "TextOutW", reinterpret_cast<void**>(&gTextOutW), reinterpret_cast<void*>(&HookTextOutW)},
};

// Points every import entry of the program that holds From at To; returns
// how many it changed.
int Redirect(void* From, void* To) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!dir.VirtualAddress || !From) return 0;
  int changed = 0;
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d)
    for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t) {
      if (reinterpret_cast<void*>(t->u1.Function) != From) continue;
      DWORD old = 0;
      VirtualProtect(&t->u1.Function, sizeof t->u1.Function, PAGE_READWRITE, &old);
      t->u1.Function = reinterpret_cast<ULONG_PTR>(To);
      VirtualProtect(&t->u1.Function, sizeof t->u1.Function, old, &old);
      ++changed;
    }
  return changed;
}

}  // namespace

TTextReader::TTextReader() {
  if (gReader) std::abort();  // one at a time
  gReader = this;
  for (const THook& h : kHooks) {
    *h.Original = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(h.Module), h.Name));
    FHooked += Redirect(*h.Original, h.Hook);
  }
}

TTextReader::~TTextReader() {
  for (const THook& h : kHooks) Redirect(h.Hook, *h.Original);
  gReader = nullptr;
}

void TTextReader::Read(HDC DC, const String& Text, const RECT& Box, bool Opaque, const std::function<void()>& Draw) {
  const RECT area = Inflated(Box, 1);  // antialiased edges and overhangs
  TCapture before, after;
  // A text clipped to nothing (an empty or upside-down rectangle) draws nothing.
  if (Blank(Text) || IsRectEmpty(&Box) || !ColourSurface(DC) || !RectVisible(DC, &area) || !before.Take(DC, area)) {
    Draw();
    return;
  }
  const COLORREF text = GetTextColor(DC), back = GetBkColor(DC);
  Draw();
  if (!after.Take(DC, area)) return;
  TTextRead read;
  read.Text = Text;
  read.Where = FWhere;
  read.Color = static_cast<TColor>(text & 0xFFFFFF);
  read.Face = Opaque ? static_cast<TColor>(back & 0xFFFFFF) : BgrOfRgb(FaceUnder(before, after));
  read.Box = Box;
  if (OverLast(DC, Text, area, before.Pixels)) {
    // Another copy over the last one: what shows is this one on the face
    // that was there before the first.
    read.Face = FLast.Face;
  } else {
    Flush();
  }
  FLast = std::move(read);
  FLastDC = DC;
  FLastArea = area;
  FLastPixels = std::move(after.Pixels);
  FPending = true;
}

bool TTextReader::OverLast(HDC DC, const String& Text, const RECT& Area, const std::vector<uint32_t>& Before) const {
  const auto close = [](LONG A, LONG B) { return std::abs(A - B) <= 2; };
  if (!FPending || FLastDC != DC || FLast.Text != Text || !close(FLastArea.left, Area.left) ||
      !close(FLastArea.top, Area.top) || !close(FLastArea.right, Area.right) || !close(FLastArea.bottom, Area.bottom))
    return false;
  // Drawn over the last copy only when that copy is still there, untouched:
  // the same text drawn again after its place was painted over is a new
  // drawing (a DC handle comes back for the next paint).
  RECT both{};
  if (!IntersectRect(&both, &FLastArea, &Area)) return false;
  const int lastW = FLastArea.right - FLastArea.left, w = Area.right - Area.left;
  for (LONG y = both.top; y < both.bottom; ++y)
    for (LONG x = both.left; x < both.right; ++x)
      if (FLastPixels[size_t(y - FLastArea.top) * lastW + (x - FLastArea.left)] !=
          Before[size_t(y - Area.top) * w + (x - Area.left)])
        return false;
  return true;
}

void TTextReader::Flush() {
  if (FPending) FReads.push_back(std::move(FLast));
  FPending = false;
  FLastDC = nullptr;
  FLastPixels.clear();
}

const std::vector<TTextRead>& TTextReader::Reads() {
  Flush();
  return FReads;
}

std::vector<TTextRead> TTextReader::Take() {
  Flush();
  std::vector<TTextRead> reads = std::move(FReads);
  FReads.clear();
  return reads;
}
