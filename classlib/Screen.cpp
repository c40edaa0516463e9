// TScreen: the forms, the active form and control, cursors, fonts and sizes.
#include "classlib/Forms.h"

#include <algorithm>

#include "classlib/SystemCallback.h"

TScreen* Screen = new TScreen(nullptr);

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

HWND TScreen::KeysWindowOf(TCustomForm* Form) const {
  if (!Form || !Form->HandleAllocated()) return nullptr;
  HWND own = Form->Handle();
  if (IsWindowEnabled(own)) return own;
  for (auto it = FForms.rbegin(); it != FForms.rend(); ++it) {
    TCustomForm* f = *it;
    if (f->FormState().Contains(fsModal) && f->HandleAllocated() && IsWindowVisible(f->Handle()) &&
        IsWindowEnabled(f->Handle()))
      return f->Handle();
  }
  return own;
}

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FActiveForm == Form) FActiveForm = nullptr;
  if (FActiveControl && Form->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  if (Value != crDefault) {
    ::SetCursor(Cursors(Value));
  } else {
    POINT p;  // moving the mouse on the spot makes the window choose again
    GetCursorPos(&p);
    SetCursorPos(p.x, p.y);
  }
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  auto it = FCursors.find(Index);
  if (it != FCursors.end()) return it->second;
  LPCWSTR id = IDC_ARROW;
  switch (Index) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorW(nullptr, id);
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
  if (Handle) FCursors[Index] = Handle;
  else FCursors.erase(Index);
}

namespace {

int CALLBACK AddFontFamily(const LOGFONTW* Font, const TEXTMETRICW*, DWORD, LPARAM Data) {
  auto* list = reinterpret_cast<TStringList*>(Data);
  return FromSystem(list, 0, [&] {
    String name = Font->lfFaceName;
    if (!name.empty() && name[0] != L'@' && list->IndexOf(name) < 0) list->Add(name);
    return 1;
  });
}

}  // namespace

TStrings* TScreen::Fonts() {
  if (!FFonts) {
    FFonts = std::make_unique<TStringList>();
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &lf, AddFontFamily, reinterpret_cast<LPARAM>(FFonts.get()), 0);
    ReleaseDC(nullptr, dc);
    FFonts->Sort();
  }
  return FFonts.get();
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return Rect(r.left, r.top, r.right, r.bottom);
}
