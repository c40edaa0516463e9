// TspSkinTimeEdit: the time-of-day key check over the mask "!90:00:00;1; ".
#include "skininputs/SkinMaskEdits.h"

#include "classlib/SysUtils.h"

TspSkinTimeEdit::TspSkinTimeEdit(TComponent* AOwner) : TspSkinMaskEdit(AOwner) {
  SetEditMask(L"!90:00:00;1; ");
  const String sep(1, FormatSettings().TimeSeparator);
  SetText(L"00" + sep + L"00" + sep + L"00");
  OnKeyPress = [this](TObject* Sender, wchar_t& Key) { CheckKey(Sender, Key); };
}

void TspSkinTimeEdit::CheckKey(TObject*, wchar_t& Key) {
  if (Key == 13 || Key == VK_BACK) return;
  if (SelLength() > 1) SetSelLength(1);
  // The digit lands where the mask puts it: on the next input position, so a
  // caret left on a separator is checked against the digit it will replace.
  if (!TimeKeyAllowed(EditText(), Mask().NextInput(SelStart()), Key, FShowSeconds, FShowMSec)) Key = 0;
}

void TspSkinTimeEdit::ValidateEdit() {
  // A partly typed time is kept as it is when the focus leaves: no error,
  // the caret stays and the focus is not taken back.
}
