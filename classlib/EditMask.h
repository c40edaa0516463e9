// Edit masks as plain data: the mask grammar, the text shown while editing,
// the text kept, typing into a position and validation.
//
// A mask is "pattern;save-literals;blank". In the pattern:
//   L letter, A letter or digit, C any character, 0 digit   (required)
//   l, a, c, 9 the same, optional; # digit, "+" or "-", optional
//   > upper case from here, < lower case, <> no change of case
//   \ the next character is a literal; : and / are the time and date
//   separators; _ is a blank literal; ! keeps optional blanks at the front
//   when the text is shortened; anything else is a literal.
// Save-literals "0" keeps only the typed characters in Text; the blank
// character (default "_") marks an empty position while editing.
#pragma once

#include <vector>

#include "classlib/Types.h"

enum TMaskCharType { mcLiteral, mcRequired, mcOptional };

class TEditMask {
 public:
  TEditMask() = default;
  explicit TEditMask(const String& Mask) { SetMask(Mask); }
  void SetMask(const String& Mask);
  bool Empty() const { return FPositions.empty(); }
  int Length() const { return static_cast<int>(FPositions.size()); }
  bool SaveLiterals() const { return FSaveLiterals; }
  wchar_t Blank() const { return FBlank; }

  bool IsLiteral(int Pos) const;
  // The first input position at or after Pos (Length() when none), and the
  // last one before Pos (-1 when none).
  int NextInput(int Pos) const;
  int PrevInput(int Pos) const;
  // Ch as it is stored at input position Pos (case applied), or 0 when the
  // position does not take it.
  wchar_t Accept(int Pos, wchar_t Ch) const;

  // The edit text for a Text (in the save-literals form or not).
  String EditTextOf(const String& Text) const;
  // The Text for an edit text: blanks of the mask as spaces, literals only
  // when they are saved.
  String TextOf(const String& EditText) const;
  // The edit text with every input position blank.
  String EmptyEditText() const;
  // The first required position left blank or holding a character the
  // position does not take; -1 when the edit text is complete.
  int FirstInvalid(const String& EditText) const;

 private:
  struct TPos {
    TMaskCharType Type;
    wchar_t Kind;     // the mask letter, or the literal itself
    int Case;         // 0 unchanged, 1 upper, 2 lower
  };
  std::vector<TPos> FPositions;
  bool FSaveLiterals = true;
  bool FLeadingBlanks = false;
  wchar_t FBlank = L'_';
};
