// The kept looks of the skinned controls and the budget they share.
#include "skinctrls/SkinLookCache.h"

#include <algorithm>
#include <cstring>
#include <list>

#include "classlib/MemoryDCs.h"

namespace {

// 32 MiB: about 350 looks of 150 x 150 pixels at 32 bits.
size_t gBudget = size_t(32) << 20;
size_t gHeld = 0;

// Surfaces lent for composing, the last used first. Controls of one form
// mostly share a few sizes, so that a skin switch composes every look on a
// handful of surfaces; the pool is bounded in count and in pixels.
constexpr size_t kPoolCount = 16;
constexpr size_t kPoolBytes = size_t(4) << 20;
struct TSurface {
  HBITMAP Handle;
  int Width, Height;
};
std::list<TSurface> gPool;
int gCaches = 0;

size_t SurfaceBytes(int Width, int Height) { return static_cast<size_t>(Width) * Height * 4; }

size_t PoolBytes() {
  size_t bytes = 0;
  for (const TSurface& s : gPool) bytes += SurfaceBytes(s.Width, s.Height);
  return bytes;
}

void DropLastPooled() {
  DeleteObject(gPool.back().Handle);
  gPool.pop_back();
}

int BitCount(TPixelFormat Format) { return Format == pf24bit ? 24 : Format == pf32bit ? 32 : 0; }

}  // namespace

TspFontKey TspFontKey::Of(const TFont* F) {
  TspFontKey key;
  if (!F) return key;
  key.Name = F->Name();
  key.Height = F->Height();
  key.Style = static_cast<uint8_t>(F->Style().Bits());
  key.Color = F->Color();
  key.Charset = F->Charset();
  key.Pitch = F->Pitch();
  key.Orientation = F->Orientation();
  return key;
}

// While any cache lives, composing also reuses the memory DCs of the
// bitmaps it draws on.
TspLookCache::TspLookCache() {
  if (gCaches++ == 0) HoldSpareMemoryDCs();
}

TspLookCache::~TspLookCache() {
  Release();
  if (--gCaches > 0) return;
  while (!gPool.empty()) DropLastPooled();
  ReleaseSpareMemoryDCs();
}

bool TspLookCache::DrawKept(const TspLookKey& Key, TCanvas* Canvas) const {
  if (!Holding() || !(FKept->Key == Key)) return false;
  const TKept& kept = *FKept;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kept.Width;
  info.bmiHeader.biHeight = -kept.Height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(kept.BitCount);
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(Canvas->Handle(), 0, 0, kept.Width, kept.Height, 0, 0, 0, kept.Height, kept.Pixels.data(), &info,
                    DIB_RGB_COLORS);
  return true;
}

std::unique_ptr<TBitmap> TspLookCache::TakeSurface(int Width, int Height) {
  auto surface = std::make_unique<TBitmap>();
  const auto same = std::find_if(gPool.begin(), gPool.end(),
                                 [&](const TSurface& s) { return s.Width == Width && s.Height == Height; });
  if (same == gPool.end()) {
    surface->SetSize(Width, Height);
    return surface;
  }
  // A new bitmap object (a fresh canvas) on the pooled pixels, all black as
  // a new surface's.
  surface->SetHandle(same->Handle);
  gPool.erase(same);
  PatBlt(surface->Canvas()->Handle(), 0, 0, Width, Height, BLACKNESS);
  return surface;
}

void TspLookCache::Keep(const TspLookKey& Key, std::unique_ptr<TBitmap> Look) {
  Release();
  if (!Look || Look->Empty()) return;
  const int bits = BitCount(Look->PixelFormat());
  // Part of a look (a huge control's paint) cannot serve another paint.
  if (!Look->Partial() && bits && !Look->Transparent()) {
    const size_t stride = ((static_cast<size_t>(Look->Width()) * bits + 31) / 32) * 4;
    const size_t bytes = stride * Look->Height();
    if (gHeld + bytes <= gBudget) {
      GdiFlush();
      FKept = std::make_unique<TKept>();
      FKept->Pixels.resize(bytes);
      for (int row = 0; row < Look->Height(); ++row)
        std::memcpy(FKept->Pixels.data() + row * stride, Look->ScanLine(row), stride);
      FKept->Width = Look->Width();
      FKept->Height = Look->Height();
      FKept->BitCount = bits;
      FKept->Key = Key;
      gHeld += bytes;
    }
  }
  // Its pixels back to the pool, unless it is too large to keep there.
  if (Look->Partial() || bits != 24 || Look->Transparent() || SurfaceBytes(Look->Width(), Look->Height()) > kPoolBytes) return;
  const int width = Look->Width(), height = Look->Height();
  gPool.push_front({Look->ReleaseHandle(), width, height});
  while (gPool.size() > kPoolCount || PoolBytes() > kPoolBytes) DropLastPooled();
}

void TspLookCache::Release() {
  if (!FKept) return;
  gHeld -= FKept->Pixels.size();
  FKept.reset();
}

size_t TspLookCache::BytesHeld() { return gHeld; }
size_t TspLookCache::Budget() { return gBudget; }
void TspLookCache::SetBudget(size_t Bytes) { gBudget = Bytes; }
int TspLookCache::PooledSurfaces() { return static_cast<int>(gPool.size()); }
