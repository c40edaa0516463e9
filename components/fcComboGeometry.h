// Placement rules of the fc custom combo: its button holder, the edit
// rectangle beside it, and the drop-down below or above the edit.
#pragma once

#include "classlib/Types.h"

// The button holder's bounds in the combo. SunkenBorder: a single border
// drawn in the 3-D style (new-style controls).
TRect fcComboButtonHolderBounds(int Width, int ClientHeight, int ButtonWidth, bool FrameActive, bool SunkenBorder);

struct TfcComboEditInput {
  int ClientWidth = 0, ClientHeight = 0, Height = 0;
  bool ButtonShown = true;
  int HolderLeft = 0;
  bool BorderNone = false;
  bool ParentIsGrid = false;
  bool CenterVertically = false;
  int TextHeight = 0;  // of "A" in the combo's font
  int LeftIndent = 0;
};
// The edit rectangle without an active frame; with one, the caller lets the
// frame set Left and Top on the result before adding LeftIndent.
TRect fcComboEditRect(const TfcComboEditInput& In);

struct TfcComboDropInput {
  TPoint ComboScreen;  // the combo's top-left on the screen
  int ComboWidth = 0, ComboHeight = 0;
  int ItemCount = 0, DropDownCount = 8;
  TSize ItemSize;
  int BorderHeight = 1, VScrollWidth = 16;
  int ScreenWidth = 0, ScreenHeight = 0;
  bool ParentIsGrid = false;
};
// The drop-down's bounds on the screen: below the combo, or above it when it
// would pass the screen's bottom; right-aligned with the combo when too far right.
TRect fcComboDropDownBounds(const TfcComboDropInput& In);
