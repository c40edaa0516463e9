// Paging, type-ahead and layout rules of the skinned combo box.
#include "skininputs/ComboBoxRules.h"

#include <algorithm>

int ComboPageUpIndex(int Index, int DropDownCount) { return std::max(0, Index - DropDownCount - 1); }

int ComboPageDownIndex(int Index, int DropDownCount, int ItemCount) {
  return std::min(Index + DropDownCount - 1, ItemCount - 1);
}

String TComboTypeAhead::Add(const String& S, uint32_t Now, bool AutoComplete) {
  if (!AutoComplete) return S;
  // Unsigned difference: correct across the tick counter's wrap.
  if (Now - FLastKey >= kIntervalMs) FPrefix.clear();
  FLastKey = Now;
  FPrefix += S;
  return FPrefix;
}

bool ComboDoubleByteCharset(int Charset) { return Charset == 128 || Charset == 134 || Charset == 136; }

TComboRects ComboDefaultRects(int Width, int Height) {
  TComboRects r;
  r.Button = TRect(Width - 19, 2, Width - 2, Height - 2);
  r.Item = TRect(2, 2, r.Button.Left - 1, Height - 2);
  return r;
}

TComboRects ComboSkinRects(const TRect& SkinRect, const TRect& ClRect, int RTPointX, const TRect& ButtonRect,
                           int Width, int Height, bool UseSkinSize) {
  TComboRects r;
  const int dw = Width - SkinRect.Width();
  r.Button = ButtonRect;
  if (SkinRect.Width() - RTPointX <= ButtonRect.Left) {
    r.Button.Left += dw;
    r.Button.Right += dw;
  }
  r.Item = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dw, ClRect.Bottom);
  if (!UseSkinSize) {
    const int dh = Height - SkinRect.Height();
    r.Button.Bottom += dh;
    r.Item.Bottom += dh;
  }
  return r;
}

TComboRects ComboToolButtonRects(int Width, int Height, bool DroppedDown) {
  TComboRects r;
  r.Item = TRect(2, 2, Width - 17, Height - 2);
  r.Button = TRect(Width - 15, 0, Width, Height);
  if (DroppedDown) {
    r.Item.Left += 2;
    r.Item.Top += 2;
    r.Button.Left += 2;
    r.Button.Top += 2;
  }
  return r;
}
