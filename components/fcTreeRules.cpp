// The tree view's rules that need no window.
#include "components/fcTreeRules.h"

#include <algorithm>

#include "classlib/SysUtils.h"

TfcCheckState fcToggledCheck(int CheckboxType, bool ThreeState, TfcCheckState State) {
  if (CheckboxType == fcRadioButton) return {true, false};
  if (CheckboxType == fcCheckbox && ThreeState && State.Checked && !State.Grayed) return {true, true};
  return {!State.Checked, false};
}

std::vector<int> fcShiftRange(int Anchor, int Node, bool AutoUnselect) {
  std::vector<int> result;
  if (Node <= Anchor) {
    for (int i = Node; i < Anchor; ++i) result.push_back(i);
    if (!AutoUnselect) result.push_back(Anchor);
  } else {
    if (!AutoUnselect) result.push_back(Anchor);
    for (int i = Anchor + 1; i <= Node; ++i) result.push_back(i);
  }
  return result;
}

bool fcHintNeeded(const TRect& TextRect, int TextWidth, int ClientWidth) {
  return TextRect.Left + TextWidth > ClientWidth - 4;
}

TRect fcHintRect(const TRect& TextRect, const TPoint& ClientOrigin, int TextWidth, int TextHeight) {
  const int left = TextRect.Left + ClientOrigin.X - 1, top = TextRect.Top + ClientOrigin.Y - 2;
  return TRect(left, top, left + TextWidth + 6, top + TextHeight + 2);
}

TRect fcCheckCell(const TfcItemLayout& L) {
  TRect c(L.Text.Left - L.Indent, L.Text.Top, L.Text.Left, L.Text.Bottom);
  auto shift = [&c](int D) {
    c.Left += D;
    c.Right += D;
  };
  if (L.ShowsImage) shift(-(L.ImagesWidth + 2));
  if (L.StateSpace) shift(-L.StateWidth);
  if (L.ShowsImage) shift(1);
  return c;
}

int fcLineX(const TRect& Cell) { return Cell.Left + 1 + std::min((Cell.Height() / 2) / 2 + 2, 6); }

TPoint fcCentre(const TRect& R) {
  const int h = R.Height();
  return TPoint(R.Left + R.Width() / 2, R.Top + ((h / 2) % 2 ? h + 2 : h) / 2);
}

TRect fcExpandBox(const TPoint& P, int RowHeight, int& Q) {
  const int size = std::max(RowHeight / 2, 8), half = size / 2;
  Q = half / 2;
  return TRect(P.X - half, P.Y - half, P.X + half + 1, P.Y + half + 1);
}

TRect fcCheckGlyphBox(const TRect& Cell) {
  const int half = std::min((Cell.Height() / 2) / 2 + 2, 6), cy = fcCentre(Cell).Y;
  return TRect(Cell.Right + 1, cy - half, Cell.Right + 2 * half + 2, cy + half + 1);
}

int fcFindWrapped(int Count, int Start, const std::function<bool(int)>& Matches) {
  if (Count <= 0) return -1;
  Start = std::clamp(Start, 0, Count - 1);
  for (int k = 0; k < Count; ++k) {
    const int i = (Start + k) % Count;
    if (Matches(i)) return i;
  }
  return -1;
}

bool fcStartsWithText(const String& Text, const String& Prefix) {
  if (Prefix.size() > Text.size()) return false;
  return AnsiSameText(Text.substr(0, Prefix.size()), Prefix);
}
