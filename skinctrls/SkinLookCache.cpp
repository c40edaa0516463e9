// The kept looks of the skinned controls and the budget they share.
#include "skinctrls/SkinLookCache.h"

namespace {

// 32 MiB: about 350 looks of 150 x 150 pixels at 32 bits.
size_t gBudget = size_t(32) << 20;
size_t gHeld = 0;

size_t PixelBytes(TBitmap* B) { return static_cast<size_t>(B->Width()) * B->Height() * 4; }

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

TBitmap* TspLookCache::Find(const TspLookKey& Key) const {
  return FLook && !FStale && FKey == Key ? FLook.get() : nullptr;
}

std::unique_ptr<TBitmap> TspLookCache::TakeSurface(int Width, int Height) {
  std::unique_ptr<TBitmap> surface = std::move(FLook);
  gHeld -= FBytes;
  FBytes = 0;
  if (!surface || surface->Width() != Width || surface->Height() != Height) {
    // Of another size: a new one, so that nothing of the old look is copied over.
    surface = std::make_unique<TBitmap>();
    surface->SetSize(Width, Height);
  } else {
    // The same start as a new surface: every pixel black.
    PatBlt(surface->Canvas()->Handle(), 0, 0, Width, Height, BLACKNESS);
  }
  return surface;
}

void TspLookCache::Keep(const TspLookKey& Key, std::unique_ptr<TBitmap> Look) {
  Release();
  // Part of a look (a huge control's paint) cannot serve another paint.
  if (!Look || Look->Empty() || Look->Partial()) return;
  const size_t bytes = PixelBytes(Look.get());
  if (gHeld + bytes > gBudget) return;
  gHeld += bytes;
  FBytes = bytes;
  FKey = Key;
  FStale = false;
  FLook = std::move(Look);
}

void TspLookCache::Release() {
  if (!FLook) return;
  gHeld -= FBytes;
  FBytes = 0;
  FLook.reset();
}

size_t TspLookCache::BytesHeld() { return gHeld; }
size_t TspLookCache::Budget() { return gBudget; }
void TspLookCache::SetBudget(size_t Bytes) { gBudget = Bytes; }
