// Text, caret, selection and symbol-row geometry of the password field.
#include "skininputs/SkinPasswordEditRules.h"

#include <algorithm>

namespace {

int Clamp(int V, int Lo, int Hi) { return std::max(Lo, std::min(V, Hi)); }

}  // namespace

int TPasswordState::SelStart() const {
  if (SelLength > 0) return Anchor;
  if (SelLength == 0) return Caret;
  return Anchor + SelLength;
}

void TPasswordState::Select(int Start, int Count) {
  // The anchor sits at the caret end, so that Shift and an arrow move that end.
  Caret = Clamp(Start + Count, 0, Length());
  Anchor = Caret;
  SelLength = Clamp(Start, 0, Caret) - Caret;
}

void TPasswordState::ClampToText() {
  const int n = Length();
  // The selection keeps its start and loses what lies past the end.
  const int start = Clamp(SelStart(), 0, n);
  const int count = std::min(SelCount(), n - start);
  Caret = Clamp(Caret, 0, n);
  if (SelLength >= 0) {
    Anchor = start;
    SelLength = count;
  } else {
    Anchor = start + count;
    SelLength = -count;
  }
  FirstVisible = Clamp(FirstVisible, 1, std::max(1, n));
}

void TPasswordState::DeleteSelection() {
  const int start = SelStart();
  Text.erase(static_cast<size_t>(start), static_cast<size_t>(SelCount()));
  Caret = start;
  Anchor = start;
  SelLength = 0;
}

bool TPasswordState::Insert(const String& S, int MaxLength) {
  const int start = SelStart();
  String t = Text;
  t.erase(static_cast<size_t>(start), static_cast<size_t>(SelCount()));
  t.insert(static_cast<size_t>(start), S);
  SelLength = 0;
  if (MaxLength > 0 && static_cast<int>(t.size()) > MaxLength) {
    Anchor = Caret;
    return false;
  }
  Text = t;
  Caret = start + static_cast<int>(S.size());
  Anchor = Caret;
  return true;
}

void TPasswordState::DeleteBefore() {
  if (Caret <= 0) return;
  Text.erase(static_cast<size_t>(Caret - 1), 1);
  Anchor = --Caret;
}

void TPasswordState::DeleteAfter() {
  if (Caret >= Length()) return;
  Text.erase(static_cast<size_t>(Caret), 1);
}

void TPasswordState::PlaceCaret(int I) {
  Caret = Clamp(I, 0, Length());
  if (SelLength == 0) Anchor = Caret;
}

void TPasswordState::ExtendSelection(int OldCaret, bool Shift) {
  if (!Shift) {
    SelLength = 0;
    Anchor = Caret;
    return;
  }
  // The anchor travels with the caret; the length keeps the far end fixed.
  SelLength += OldCaret - Caret;
  Anchor = Caret;
}

int PrevWordStart(const String& Text, int Caret) {
  int i = Clamp(Caret, 0, static_cast<int>(Text.size()));
  while (i > 0 && Text[i - 1] == L' ') --i;
  while (i > 0 && Text[i - 1] != L' ') --i;
  return i;
}

int NextWordStart(const String& Text, int Caret) {
  const int n = static_cast<int>(Text.size());
  int r = Clamp(Caret, 0, n);
  bool blank = false, word = false;
  // The last character is never scanned: from before it the next start is the end.
  while (r + 2 <= n && !(Text[r] != L' ' && blank && word)) {
    if (Text[r] == L' ') {
      blank = true;
    } else {
      word = true;
      blank = false;
    }
    ++r;
  }
  if (!blank) ++r;
  return std::min(r, n);
}

int TPasswordRow::AlignOffset(int Length) const {
  const int spare = TextWidth - Length * SymbolWidth;
  if (spare <= 0) return 0;
  if (Alignment == 1) return spare;
  if (Alignment == 2) return spare / 2;
  return 0;
}

int TPasswordRow::CaretX(int I, int Length, int FirstVisible) const {
  int x = TextLeft + AlignOffset(Length);
  if (I > 0) x += (std::min(I, Length) - FirstVisible + 1) * SymbolWidth;
  return x;
}

int TPasswordRow::PosFromX(int X, int Length, int FirstVisible) const {
  if (Length == 0) return FirstVisible - 1;
  const int dx = X - AlignOffset(Length) - TextLeft;
  return Clamp(FirstVisible - 1 + dx / SymbolWidth, 0, Length);
}

int TPasswordRow::Scroll(int Caret, int Length, int FirstVisible) const {
  if (Caret + 1 > FirstVisible) {
    while (SymbolWidth * (Caret - FirstVisible + 1) > TextWidth && Length > FirstVisible) ++FirstVisible;
    return FirstVisible;
  }
  return std::max(Caret, 1);
}

TRect PasswordSymbolRect(const TRect& Cell) {
  const int dy = (Cell.Height() - Cell.Width()) / 2 + 2;
  return TRect(Cell.Left + 2, Cell.Top + dy, Cell.Right - 2, Cell.Bottom - dy);
}

void PasswordTriangle(const TRect& Square, TPoint Points[3]) {
  int w = Square.Width();
  if (w % 2 == 0) ++w;
  const int left = Square.Left + (Square.Width() - w) / 2;
  const int top = Square.Top + (Square.Height() - w) / 2;
  const int right = left + w, bottom = top + w;
  Points[0] = TPoint(left + w / 2 + 1, top);
  Points[1] = TPoint(right, bottom);
  Points[2] = TPoint(left, bottom);
}
