// TCustomEdit over the system EDIT class.
#include "classlib/StdCtrls.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csClickEvents, csSetCaption, csDoubleClicks};
  FWidth = 121;
  FHeight = 21;
  FTabStop = true;
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"EDIT");
  Params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (FPasswordChar) Params.Style |= ES_PASSWORD;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandleDone() {
  SendMessageW(FHandle, EM_LIMITTEXT, FMaxLength, 0);
  if (FPasswordChar) SendMessageW(FHandle, EM_SETPASSWORDCHAR, FPasswordChar, 0);
}

void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (Message.WParamHi() == EN_CHANGE) {
        ++FChangeReports;
        Change();
      }
      return;
    case WM_SETTEXT: {
      const unsigned before = FChangeReports;
      TWinControl::Dispatch(Message);
      FSetTextReported = FChangeReports != before;
      return;
    }
    case CM_TEXTCHANGED:
      // Text set from code: a single-line edit and a rich edit report it, a
      // multi-line edit does not, nor can a window that does not exist yet.
      TWinControl::Dispatch(Message);
      if (!HandleAllocated() || !FSetTextReported) Change();
      FSetTextReported = false;
      return;
    case CM_RECREATEWND: {
      // The new window goes on where the user was (a skin change makes it
      // while the user types): the text, which WM_DESTROY keeps, and the
      // caret, the selection and the modified flag, which the old window held.
      DWORD start = 0, end = 0;
      SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      const bool modified = Modified();
      TWinControl::Dispatch(Message);
      if (!FHandle) return;
      SendMessageW(FHandle, EM_SETSEL, start, end);
      SetModified(modified);
      return;
    }
    case CM_ENTER:
      // A click places the caret itself; a multi-line edit keeps its selection.
      if (FAutoSelect && !FControlState.Contains(csLButtonDown) &&
          !(GetWindowLongW(Handle(), GWL_STYLE) & ES_MULTILINE))
        SelectAll();
      break;
  }
  TWinControl::Dispatch(Message);
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int Value) {
  FMaxLength = Value < 0 ? 0 : Value;
  if (FHandle) SendMessageW(FHandle, EM_LIMITTEXT, FMaxLength, 0);
}

void TCustomEdit::SetPasswordChar(wchar_t Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, Value, 0);
}

bool TCustomEdit::Modified() { return FHandle && SendMessageW(FHandle, EM_GETMODIFY, 0, 0) != 0; }

void TCustomEdit::SetModified(bool Value) {
  if (FHandle) SendMessageW(FHandle, EM_SETMODIFY, Value, 0);
}

int TCustomEdit::SelStart() {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int Value) { SendMessageW(Handle(), EM_SETSEL, Value, Value); }

int TCustomEdit::SelLength() {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  SendMessageW(Handle(), EM_SETSEL, start, start + Value);
}

String TCustomEdit::SelText() {
  const int start = SelStart();
  return Text().substr(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
}

void TCustomEdit::SetSelText(const String& Value) {
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Value.c_str()));
}

bool TCustomEdit::CanUndo() { return FHandle && SendMessageW(FHandle, EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::Undo() { SendMessageW(Handle(), WM_UNDO, 0, 0); }

void TCustomEdit::CutToClipboard() { SendMessageW(Handle(), WM_CUT, 0, 0); }

void TCustomEdit::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }

void TCustomEdit::PasteFromClipboard() { SendMessageW(Handle(), WM_PASTE, 0, 0); }

void TCustomEdit::ClearSelection() { SendMessageW(Handle(), WM_CLEAR, 0, 0); }

void TCustomEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }
