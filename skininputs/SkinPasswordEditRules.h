// The password field's text, caret and selection as plain state, and the
// geometry of its symbol row: what the window layer paints and routes keys to.
#pragma once

#include "classlib/Types.h"

// Caret, anchor and signed selection length over Text; FirstVisible is the
// 1-based index of the first character drawn.
struct TPasswordState {
  String Text;
  int Caret = 0;
  int Anchor = 0;
  int SelLength = 0;
  int FirstVisible = 1;

  int Length() const { return static_cast<int>(Text.size()); }
  int SelStart() const;
  int SelCount() const { return SelLength < 0 ? -SelLength : SelLength; }
  // Count characters from Start selected, the caret at their end.
  void Select(int Start, int Count);
  void SelectAll() { Select(0, Length()); }
  // Keeps every position inside the text after Text was replaced.
  void ClampToText();
  // Text without the selection, the caret at its start.
  void DeleteSelection();
  // S in place of the selection; false (nothing inserted, selection dropped)
  // when the result would pass MaxLength (0 = no limit).
  bool Insert(const String& S, int MaxLength);
  // Backspace and Delete without a selection.
  void DeleteBefore();
  void DeleteAfter();
  // Caret to I within the text; the anchor follows while nothing is selected.
  void PlaceCaret(int I);
  // A caret move from OldCaret: Shift keeps the far end of the selection.
  void ExtendSelection(int OldCaret, bool Shift);
};

// Word starts, a blank being the space character.
int PrevWordStart(const String& Text, int Caret);
int NextWordStart(const String& Text, int Caret);

// The symbol row: TextLeft and TextWidth of the text rectangle, one cell of
// SymbolWidth per character, Alignment 0 left, 1 right, 2 centre.
struct TPasswordRow {
  int TextLeft = 0, TextWidth = 0, SymbolWidth = 1, Alignment = 0;
  int AlignOffset(int Length) const;
  // x of the caret position I.
  int CaretX(int I, int Length, int FirstVisible) const;
  // The caret position under X.
  int PosFromX(int X, int Length, int FirstVisible) const;
  // FirstVisible after the caret moved to Caret, keeping it in view.
  int Scroll(int Caret, int Length, int FirstVisible) const;
};

// Height of the text rectangle div 2 + 3.
inline int PasswordSymbolWidth(int TextHeight) { return TextHeight / 2 + 3; }
// The square a symbol fills inside its cell.
TRect PasswordSymbolRect(const TRect& Cell);
// The triangle's three corners in a symbol square: apex, base right, base left.
void PasswordTriangle(const TRect& Square, TPoint Points[3]);
