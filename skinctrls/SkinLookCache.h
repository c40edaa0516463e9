// The composed look of a skinned control kept between paints, so that a
// repaint of an unchanged control is one copy of pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "classlib/Graphics.h"

// What of a font changes the text drawn in it.
struct TspFontKey {
  String Name;
  int Height = 0;
  uint8_t Style = 0;
  TColor Color = 0;
  int Charset = 0, Pitch = 0, Orientation = 0;
  static TspFontKey Of(const TFont* F);
  friend bool operator==(const TspFontKey& A, const TspFontKey& B) {
    return A.Height == B.Height && A.Style == B.Style && A.Color == B.Color && A.Charset == B.Charset &&
           A.Pitch == B.Pitch && A.Orientation == B.Orientation && A.Name == B.Name;
  }
};

// The font choices a look can be drawn with.
enum TspLookFontChoice : uint8_t { lfcSkinFont = 1, lfcSkinFontColor = 2 };

// Everything a look is composed from that can change without the control
// being invalidated: a look is kept only while its key stays the same.
struct TspLookKey {
  int Width = 0, Height = 0;
  const void* Skin = nullptr;  // the skin data component
  unsigned SkinLoad = 0;       // its load count: a new load is a new look
  int Index = -1;              // the control's record
  bool Enabled = true, Focused = false, MouseIn = false;
  String Caption;
  uint64_t State = 0;  // the control's own states that change its picture
  uint8_t FontChoices = 0;  // TspLookFontChoice bits
  TspFontKey Font, DefaultFont;  // the control's font and the one used without a skin font
  friend bool operator==(const TspLookKey& A, const TspLookKey& B) {
    return A.Width == B.Width && A.Height == B.Height && A.Skin == B.Skin && A.SkinLoad == B.SkinLoad &&
           A.Index == B.Index && A.Enabled == B.Enabled && A.Focused == B.Focused && A.MouseIn == B.MouseIn &&
           A.State == B.State && A.FontChoices == B.FontChoices && A.Caption == B.Caption && A.Font == B.Font &&
           A.DefaultFont == B.DefaultFont;
  }
};

// One kept look. A look made stale (the control invalidated, a new skin, a
// new size) is never drawn again, but its surface is composed into again by
// the next paint rather than freed and made anew. All caches together hold at
// most Budget bytes of pixels: a look that does not fit is drawn, not kept.
class TspLookCache {
 public:
  TspLookCache() = default;
  TspLookCache(const TspLookCache&) = delete;
  TspLookCache& operator=(const TspLookCache&) = delete;
  ~TspLookCache() { Release(); }

  // The kept look when it was composed for Key, else nullptr.
  TBitmap* Find(const TspLookKey& Key) const;
  // A surface of Width x Height to compose into (the stale look's, cleared,
  // when there is one); give it back with Keep.
  std::unique_ptr<TBitmap> TakeSurface(int Width, int Height);
  // Keeps Look for Key, when the budget allows; else frees it.
  void Keep(const TspLookKey& Key, std::unique_ptr<TBitmap> Look);
  // The kept look is never drawn again; its surface stays for the next one.
  void MakeStale() { FStale = true; }
  // Frees the kept look and its surface.
  void Release();
  // True while a look that may be drawn again is kept.
  bool Holding() const { return FLook && !FStale; }

  // Pixel bytes held by all caches, and the most they may hold.
  static size_t BytesHeld();
  static size_t Budget();
  static void SetBudget(size_t Bytes);

 private:
  TspLookKey FKey;
  std::unique_ptr<TBitmap> FLook;
  size_t FBytes = 0;
  bool FStale = false;
};
