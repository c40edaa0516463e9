// TCustomRichEdit over the RichEdit20W class of riched20.dll.
#include "classlib/RichEdit.h"

#include <richedit.h>

#include <algorithm>

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FWidth = 185;
  FHeight = 89;
  SetAutoSelect(false);
}

void TCustomRichEdit::CreateParams(TCreateParams& Params) {
  // The class comes with the library, loaded once for the process.
  static HMODULE library = LoadLibraryW(L"riched20.dll");
  if (!library) throw EOutOfResources(L"Cannot load riched20.dll");
  TCustomEdit::CreateParams(Params);
  CreateSubClass(Params, RICHEDIT_CLASSW);
  Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (FWordWrap) Params.Style &= ~ES_AUTOHSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
}

void TCustomRichEdit::CreateHandleDone() {
  TCustomEdit::CreateHandleDone();
  // No limit of its own beyond the system's (the edit's 0 would mean 64 KB here).
  SendMessageW(FHandle, EM_EXLIMITTEXT, 0, MaxLength() > 0 ? MaxLength() : 0x7FFFFFFE);
  SendMessageW(FHandle, EM_SETEVENTMASK, 0, ENM_CHANGE);
  // Wrapping at the window's edge, or not at all: a horizontal scroll bar alone would stop it.
  SendMessageW(FHandle, EM_SETTARGETDEVICE, 0, FWordWrap ? 0 : 1);
  UpdateColors();
}

void TCustomRichEdit::UpdateColors() {
  if (!FHandle) return;
  SendMessageW(FHandle, EM_SETBKGNDCOLOR, 0, ColorToRGB(FColor));
  CHARFORMAT2W cf = {};
  cf.cbSize = sizeof(cf);
  cf.dwMask = CFM_COLOR;
  cf.crTextColor = ColorToRGB(FFont->Color());
  SendMessageW(FHandle, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  SendMessageW(FHandle, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

void TCustomRichEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      TCustomEdit::Dispatch(Message);
      UpdateColors();
      return;
  }
  TCustomEdit::Dispatch(Message);
}

void TCustomRichEdit::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomRichEdit::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

int TCustomRichEdit::LineCount() { return static_cast<int>(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0)); }

String TCustomRichEdit::Line(int Index) {
  const int start = static_cast<int>(SendMessageW(Handle(), EM_LINEINDEX, Index, 0));
  if (start < 0) return String();
  const int length = static_cast<int>(SendMessageW(Handle(), EM_LINELENGTH, start, 0));
  String s(static_cast<size_t>(length) + 1, L'\0');
  *reinterpret_cast<WORD*>(&s[0]) = static_cast<WORD>(s.size());
  const int got = static_cast<int>(SendMessageW(FHandle, EM_GETLINE, Index, reinterpret_cast<LPARAM>(&s[0])));
  s.resize(static_cast<size_t>(std::min(got, length)));  // without the paragraph mark
  return s;
}
