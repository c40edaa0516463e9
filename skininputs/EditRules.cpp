// Edit menu states, edit layout and the time-of-day key check.
#include "skininputs/EditRules.h"

#include <algorithm>

#include "classlib/SysUtils.h"

TEditMenuState EditMenuState(bool CanUndo, int SelStart, int SelEnd, int TextLength, bool ClipboardHasText,
                             bool ReadOnly) {
  const bool selection = SelStart < SelEnd;
  const bool all = SelStart == 0 && SelEnd == TextLength;
  return {CanUndo, selection && !ReadOnly, selection, ClipboardHasText && !ReadOnly, selection && !ReadOnly, !all};
}

TEditLayout EditLayout(const TEditSkinGeometry* Skin, int Width, int Height, bool ButtonMode, bool UseSkinFont) {
  TEditLayout l;
  if (!Skin) {
    l.Text = TRect(2, 2, Width - 2, Height - 2);
    if (ButtonMode) {
      l.Button = TRect(Width - Height, 0, Width, Height);
      l.Text.Right = l.Button.Left - 2;
    }
    return l;
  }
  const int dx = Width - Skin->SkinRect.Width();
  l.Text = Skin->ClRect;
  l.Text.Right += dx;
  l.Button = Skin->ButtonRect;
  if (!l.Button.IsEmpty() && l.Button.Left >= Skin->RTPoint.X) {
    l.Button.Left += dx;
    l.Button.Right += dx;
  }
  if (!UseSkinFont) {
    const int dy = Height - Skin->SkinRect.Height();
    l.Text.Bottom += dy;
    l.Button.Bottom += dy;
  }
  return l;
}

void EditClientPieces(const TEditSkinGeometry& Skin, int& Left, int& Right) {
  Left = std::max(0, Skin.LTPoint.X - Skin.ClRect.Left);
  Right = std::max(0, Skin.ClRect.Right - Skin.RTPoint.X);
}

TImageButtonsLayout ImageButtonsLayout(int ClientW, int ClientH, int ImageW, bool HasLeft, bool HasRight) {
  TImageButtonsLayout l;
  l.Format = TRect(0, 0, ClientW, ClientH);
  if (HasLeft) {
    l.Left = TRect(0, 0, ImageW, ClientH);
    l.Format.Left = ImageW + 2;
  }
  if (HasRight) {
    l.Right = TRect(ClientW - ImageW, 0, ClientW, ClientH);
    l.Format.Right = ClientW - ImageW - 2;
  }
  return l;
}

namespace {

// Field Start..Start+Count of S as a number, blanks read as "0".
bool TimeField(const String& S, size_t Start, size_t Count, int& Value) {
  if (Start + Count > S.size()) return false;
  String f = S.substr(Start, Count);
  std::replace(f.begin(), f.end(), L' ', L'0');
  for (wchar_t c : f)
    if (c < L'0' || c > L'9') return false;  // a separator or sign in a digit place
  return TryStrToInt(f, Value);
}

}  // namespace

bool TimeKeyAllowed(const String& Text, int Caret, wchar_t Key, bool ShowSeconds, bool ShowMSec) {
  String s = Text;
  if (Key >= L'0' && Key <= L'9' && Caret >= 0 && static_cast<size_t>(Caret) < s.size()) s[Caret] = Key;
  int h = 0, m = 0, sec = 0, ms = 0;
  if (!TimeField(s, 0, 2, h) || !TimeField(s, 3, 2, m)) return false;
  if (ShowSeconds && !TimeField(s, 6, 2, sec)) return false;
  if (ShowMSec && !TimeField(s, 9, 3, ms)) return false;
  if (h < 24 && m < 60 && sec < 60 && ms < 1000) return true;
  return h == 24 && m == 0 && sec == 0 && ms == 0;
}
