// Rules of the skinned edits as plain functions: the context menu's item
// states, the layout of text, edit button and image buttons, and the
// time-of-day key check.
#pragma once

#include "classlib/Types.h"

struct TEditMenuState {
  bool Undo, Cut, Copy, Paste, Delete, SelectAll;
};
// Which items of the edit menu are enabled for this state of the edit.
TEditMenuState EditMenuState(bool CanUndo, int SelStart, int SelEnd, int TextLength, bool ClipboardHasText,
                             bool ReadOnly);

// What the layout needs of an "edit" record.
struct TEditSkinGeometry {
  TRect SkinRect, ClRect, ButtonRect;
  TPoint LTPoint, RTPoint;
};

// Text area (the window's client) and edit button, in window coordinates.
struct TEditLayout {
  TRect Text, Button;
};
// Skin nullptr: the default look. Without UseSkinFont the height is free and
// the bottoms follow it.
TEditLayout EditLayout(const TEditSkinGeometry* Skin, int Width, int Height, bool ButtonMode, bool UseSkinFont);
// Left and right widths of the three-piece image of the text area.
void EditClientPieces(const TEditSkinGeometry& Skin, int& Left, int& Right);

// Image buttons inside a client of ClientW x ClientH: each ImageW wide at its
// end and 2 pixels from the text; Format is what is left for the text.
struct TImageButtonsLayout {
  TRect Left, Right, Format;
};
TImageButtonsLayout ImageButtonsLayout(int ClientW, int ClientH, int ImageW, bool HasLeft, bool HasRight);

// Whether Key typed at Caret (from 0) into the time Text "hh:mm:ss[.zzz]"
// keeps a valid time of day (or exactly 24:00:00.000). A digit replaces the
// character at the caret; other keys are tested against Text as it is. A
// field that does not convert refuses the key; nothing raises.
bool TimeKeyAllowed(const String& Text, int Caret, wchar_t Key, bool ShowSeconds, bool ShowMSec);
