// TCustomMaskEdit: overwrite typing into the positions of an edit mask.
#include "classlib/MaskEdit.h"

#include "classlib/Clipbrd.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
}

void TCustomMaskEdit::CreateHandleDone() {
  TCustomEdit::CreateHandleDone();
  if (!IsMasked()) return;
  SetWindowTextW(FHandle, FMask.EditTextOf(FText).c_str());
  SendMessageW(FHandle, EM_LIMITTEXT, FMask.Length(), 0);
}

void TCustomMaskEdit::SetEditMask(const String& Value) {
  if (FEditMaskText == Value) return;
  const String text = Text();
  FEditMaskText = Value;
  FMask.SetMask(Value);
  FText = text;
  if (!FHandle) return;
  SendMessageW(FHandle, EM_LIMITTEXT, IsMasked() ? FMask.Length() : MaxLength(), 0);
  SetWindowTextW(FHandle, (IsMasked() ? FMask.EditTextOf(text) : text).c_str());
}

void TCustomMaskEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  RecreateWnd();
}

String TCustomMaskEdit::Text() const {
  if (!FHandle) return FText;
  const String edit = TWinControl::Text();
  return IsMasked() ? FMask.TextOf(edit) : edit;
}

bool TCustomMaskEdit::Modified() { return FMaskModified || TCustomEdit::Modified(); }

void TCustomMaskEdit::PutEditText(const String& S, int Caret) {
  FSettingEditText = true;
  SetWindowTextW(Handle(), S.c_str());
  FSettingEditText = false;
  SendMessageW(Handle(), EM_SETSEL, Caret, Caret);
  FMaskModified = true;
  Change();
}

void TCustomMaskEdit::MaskedChar(wchar_t Key) {
  String s = EditText();
  if (s.size() != static_cast<size_t>(FMask.Length())) s = FMask.EditTextOf(Text());
  const int start = SelStart(), end = start + SelLength();
  const int pos = FMask.NextInput(start);
  const wchar_t c = pos < FMask.Length() ? FMask.Accept(pos, Key) : 0;
  if (!c) {
    MessageBeep(0);
    return;
  }
  // A selection is blanked first; the key then overwrites its first position.
  for (int i = start; i < end && i < FMask.Length(); ++i)
    if (!FMask.IsLiteral(i)) s[i] = FMask.Blank();
  s[pos] = c;
  PutEditText(s, FMask.NextInput(pos + 1));
}

void TCustomMaskEdit::MaskedPaste(const String& S) {
  // Each character is typed at its own place, offered to KeyPress as a typed
  // key is, so that the edit's key checks hold for pasted text too; what is
  // refused stops the paste. A character equal to the literal at its place
  // steps over it, so that a pasted "12:34" fills both fields.
  const int start = SelStart();
  int place = start;
  bool typed = false;
  for (wchar_t c : S) {
    if (place >= FMask.Length()) break;
    const String text = EditText();
    if (FMask.IsLiteral(place) && place < static_cast<int>(text.size()) && text[place] == c) {
      ++place;
      continue;
    }
    // The first character replaces the selection; the others go at their place.
    if (typed) SendMessageW(Handle(), EM_SETSEL, place, place);
    const int pos = FMask.NextInput(place);
    KeyPress(c);
    if (!c) break;
    if (pos >= FMask.Length() || !FMask.Accept(pos, c)) {
      MessageBeep(0);
      break;
    }
    MaskedChar(c);
    typed = true;
    place = pos + 1;
  }
  if (place == start) return;
  const int caret = FMask.NextInput(place);
  SendMessageW(Handle(), EM_SETSEL, caret, caret);
}

void TCustomMaskEdit::MaskedDelete(bool Backward) {
  String s = EditText();
  if (s.size() != static_cast<size_t>(FMask.Length())) s = FMask.EditTextOf(Text());
  int start = SelStart(), end = start + SelLength();
  if (start == end) {
    if (Backward) {
      start = FMask.PrevInput(start);
      if (start < 0) return;
    } else {
      start = FMask.NextInput(start);
      if (start >= FMask.Length()) return;
    }
    end = start + 1;
  }
  for (int i = start; i < end && i < FMask.Length(); ++i)
    if (!FMask.IsLiteral(i)) s[i] = FMask.Blank();
  PutEditText(s, start);
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  const int bad = FMask.FirstInvalid(EditText());
  if (bad < 0) return;
  SendMessageW(Handle(), EM_SETSEL, bad, bad);
  throw EDBEditError(L"Invalid input value.  Use escape key to abandon changes");
}

void TCustomMaskEdit::Dispatch(TMessage& Message) {
  if (!IsMasked()) {
    TCustomEdit::Dispatch(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SETTEXT:
      // Text written from outside is laid into the mask's positions.
      if (!FSettingEditText && Message.LParam) {
        const String edit = FMask.EditTextOf(reinterpret_cast<const wchar_t*>(Message.LParam));
        FSettingEditText = true;
        Message.Result = SendMessageW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(edit.c_str()));
        FSettingEditText = false;
        FMaskModified = false;
        return;
      }
      break;
    case WM_CHAR: {
      if (DoKeyPress(Message)) return;
      const wchar_t key = static_cast<wchar_t>(Message.WParam);
      if (key == VK_BACK) MaskedDelete(true);
      else if (key >= L' ') MaskedChar(key);
      else DefaultHandler(Message);  // Ctrl+C and the like
      return;
    }
    case WM_KEYDOWN:
      if (DoKeyDown(Message)) return;
      if (Message.WParam == VK_DELETE) {
        MaskedDelete(false);
        return;
      }
      DefaultHandler(Message);
      return;
    case WM_CLEAR:
      MaskedDelete(false);
      return;
    case WM_CUT:
      SendMessageW(Handle(), WM_COPY, 0, 0);
      if (SelLength() > 0) MaskedDelete(false);
      return;
    case WM_PASTE:
      MaskedPaste(FirstLine(Clipboard()->AsText()));
      return;
    case CM_EXIT:
      if (Modified()) ValidateEdit();
      break;
  }
  TCustomEdit::Dispatch(Message);
}
