// The composed look of a skinned control kept between paints, so that a
// repaint of an unchanged control is one copy of pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

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
  String Shown;        // text drawn besides the caption (a closed combo box's chosen item)
  uint64_t State = 0;  // the control's own states that change its picture
  uint8_t FontChoices = 0;  // TspLookFontChoice bits
  TspFontKey Font, DefaultFont;  // the control's font and the one used without a skin font
  friend bool operator==(const TspLookKey& A, const TspLookKey& B) {
    return A.Width == B.Width && A.Height == B.Height && A.Skin == B.Skin && A.SkinLoad == B.SkinLoad &&
           A.Index == B.Index && A.Enabled == B.Enabled && A.Focused == B.Focused && A.MouseIn == B.MouseIn &&
           A.State == B.State && A.FontChoices == B.FontChoices && A.Caption == B.Caption && A.Shown == B.Shown &&
           A.Font == B.Font &&
           A.DefaultFont == B.DefaultFont;
  }
};

// One kept look. Its pixels are kept in memory, not in a bitmap of the
// system's, so that an idle control holds no GDI object: it is composed on a
// surface lent by a pool that all controls share, and drawn from memory. A
// look made stale (the control invalidated, a new skin, a new size) is never
// drawn again. The pool keeps a few bitmaps while any cache lives. All caches together hold
// at most Budget bytes of pixels: a look that does not fit is drawn, not kept.
class TspLookCache {
 public:
  TspLookCache();
  TspLookCache(const TspLookCache&) = delete;
  TspLookCache& operator=(const TspLookCache&) = delete;
  // The last cache to go empties the pool.
  ~TspLookCache();

  // Draws the kept look at the top left of Canvas when it was composed for
  // Key; false when there is none for Key.
  bool DrawKept(const TspLookKey& Key, TCanvas* Canvas) const;
  // A black surface of Width x Height to compose into; give it back with Keep.
  static std::unique_ptr<TBitmap> TakeSurface(int Width, int Height);
  // Keeps the pixels of Look for Key, when the budget allows, and gives the
  // surface back to the pool.
  void Keep(const TspLookKey& Key, std::unique_ptr<TBitmap> Look);
  // The kept look is never drawn again.
  void MakeStale() {
    if (FKept) FKept->Stale = true;
  }
  // Frees the kept look.
  void Release();
  // True while a look that may be drawn again is kept.
  bool Holding() const { return FKept && !FKept->Stale; }

  // Pixel bytes held by all caches, and the most they may hold.
  static size_t BytesHeld();
  static size_t Budget();
  static void SetBudget(size_t Bytes);
  // The surfaces (bitmaps of the system's) the pool keeps for the next
  // compositions, whichever control composes.
  static int PooledSurfaces();

 private:
  // Made with the first look kept: a control that never paints, or whose
  // looks are never kept, carries only the pointer.
  struct TKept {
    TspLookKey Key;
    std::vector<uint8_t> Pixels;  // rows top first, each a multiple of 4 bytes
    int Width = 0, Height = 0, BitCount = 0;
    bool Stale = false;
  };
  std::unique_ptr<TKept> FKept;
};
