// Rules of the skinned combo box as plain functions: where the page keys
// go, how typed keys gather into a search, which completion tail may be
// cleared, and where the item area and the button stand.
#pragma once

#include <cstdint>

#include "classlib/Types.h"

// Page Up goes back DropDownCount + 1 items, never above the first.
int ComboPageUpIndex(int Index, int DropDownCount);
// Page Down goes on DropDownCount - 1 items, never past the last.
int ComboPageDownIndex(int Index, int DropDownCount, int ItemCount);

// Keys typed within the interval join into one prefix; a pause starts anew.
class TComboTypeAhead {
 public:
  static constexpr uint32_t kIntervalMs = 500;
  // The text to search for after S was typed at tick Now; with AutoComplete
  // off it is S alone.
  String Add(const String& S, uint32_t Now, bool AutoComplete);
  // A search of one character starts after the current item, so the same key
  // steps through the items with that initial; longer ones search the list.
  static bool FromCurrent(const String& Search) { return Search.size() == 1; }
  const String& Prefix() const { return FPrefix; }

 private:
  uint32_t FLastKey = 0;
  String FPrefix;
};

// The tail that completion selected in the edit, remembered so that only it
// is ever cleared: the text as completed and the selection it left.
struct TComboCompletion {
  bool Valid = false;
  String Text;
  int SelStart = 0, SelLength = 0;

  void Set(const String& AText, int AStart, int ALength) {
    Valid = ALength > 0;
    Text = AText;
    SelStart = AStart;
    SelLength = ALength;
  }
  void Reset() { Valid = false; }
  // True when the edit still shows that completion with exactly its tail
  // selected, after a key that typed a character.
  bool MayClear(bool TypedChar, const String& EditText, int EditSelStart, int EditSelLength) const {
    return Valid && TypedChar && EditText == Text && EditSelStart == SelStart && EditSelLength == SelLength;
  }
};

// Charsets whose key-up first clears the selected completion (input methods
// put their text in without replacing the selection).
bool ComboDoubleByteCharset(int Charset);

struct TComboRects {
  TRect Item, Button;
};
// Without a skin, or in the tool-button look: a 17-pixel button at the right.
TComboRects ComboDefaultRects(int Width, int Height);
// From the skin record: the button follows the right edge when it lies in
// the right piece (right of the right-top corner); the item area is the
// client rectangle widened with the control. Without UseSkinSize both grow
// down with the height too.
TComboRects ComboSkinRects(const TRect& SkinRect, const TRect& ClRect, int RTPointX, const TRect& ButtonRect,
                           int Width, int Height, bool UseSkinSize);

// The tool-button look: text at the left, the arrow area 15 wide at the
// right, both pushed 2 pixels right and down while the list is open.
TComboRects ComboToolButtonRects(int Width, int Height, bool DroppedDown);

// Top of an edit EditHeight high centred in Item.
inline int ComboEditTop(const TRect& Item, int EditHeight) { return Item.Top + Item.Height() / 2 - EditHeight / 2; }
