// Class and property questions by name, the theme switch and the
// common-controls version, for the fc components.
#include "components/fcCommonDraw.h"

#include "classlib/Forms.h"
#include "classlib/TypInfo.h"

bool fcIsClassByName(TObject* Obj, const String& Name) { return InheritsFromName(Obj, Name); }

bool fcParentIsGrid(TControl* Control) {
  return Control && Control->Parent() && fcIsClassByName(Control->Parent(), L"TCustomGrid");
}

bool fcIsGridPaintCopy(TControl* Control) {
  return fcParentIsGrid(Control) && Control->ControlState().Contains(csPaintCopy);
}

bool fcIsDesigning(TControl* Control) {
  if (!Control) return false;
  if (TCustomForm* form = GetParentForm(Control)) return form->ComponentState().Contains(csDesigning);
  return Control->ComponentState().Contains(csDesigning);
}

int64_t fcGetOrdPropByName(TObject* Obj, const String& Name) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  return p && p->GetOrd ? p->GetOrd(Obj) : 0;
}

void fcSetOrdPropByName(TObject* Obj, const String& Name, int64_t Value) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  if (p && p->SetOrd) p->SetOrd(Obj, Value);
}

void fcListBooleanProps(TObject* Obj, TStrings* Strings) {
  for (const TPropInfo* p : GetPropList(Obj))
    if (p->Kind == pkBoolean) Strings->Add(p->Name);
}

TObject* fcGetControlList(TComponent* Component) {
  const TPropInfo* p = GetPropInfo(Component, L"ControlList");
  return p && p->GetObject ? p->GetObject(Component) : nullptr;
}

void fcSetControlListRef(TComponent*& Ref, TComponent* NewValue, TComponent* Owner) {
  if (NewValue) NewValue->FreeNotification(Owner);
  if (NewValue == Ref) return;
  TComponent* old = Ref;
  Ref = NewValue;
  if (!NewValue) {
    if (auto* list = dynamic_cast<TList*>(fcGetControlList(old))) list->Remove(Owner);
  } else if (auto* list = dynamic_cast<TList*>(fcGetControlList(NewValue))) {
    list->Add(Owner);
  }
}

namespace {

// uxtheme is looked up at run time: systems without it have no themes.
template <class Fn>
Fn ThemeFunction(const char* Name) {
  static HMODULE lib = LoadLibraryW(L"uxtheme.dll");
  return lib ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib, Name))) : nullptr;
}

bool ThemesActive() {
  using Fn = BOOL(WINAPI*)();
  static auto active = ThemeFunction<Fn>("IsThemeActive");
  static auto themed = ThemeFunction<Fn>("IsAppThemed");
  return active && themed && active() && themed();
}

}  // namespace

bool fcThemesSwitchedOff(TControl* Control) {
  TObject* holder = Control;
  if (Control && !GetPropInfo(Control, L"DisableThemes")) holder = Control->Parent();
  return holder && fcGetOrdPropByName(holder, L"DisableThemes") != 0;
}

bool fcUseThemes(TControl* Control) { return ThemesActive() && !fcThemesSwitchedOff(Control); }

bool fcDrawThemePart(const wchar_t* ClassList, int Part, int State, HDC DC, const TRect& R, TRect* Content) {
  using OpenFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
  using DrawFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
  using ContentFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, RECT*);
  using CloseFn = HRESULT(WINAPI*)(HANDLE);
  static auto open = ThemeFunction<OpenFn>("OpenThemeData");
  static auto draw = ThemeFunction<DrawFn>("DrawThemeBackground");
  static auto content = ThemeFunction<ContentFn>("GetThemeBackgroundContentRect");
  static auto close = ThemeFunction<CloseFn>("CloseThemeData");
  if (!open || !draw || !close || !ThemesActive()) return false;
  // Opened for no window: theme data opened for a window becomes that
  // window's theme, and a system control (a tree view) then paints by the
  // parts of this class, closed at once, instead of its own: a button
  // class's transparent parts make the tree fill its rows with its
  // parent's background.
  HANDLE theme = open(nullptr, ClassList);
  if (!theme) return false;
  const RECT r = {R.Left, R.Top, R.Right, R.Bottom};
  const bool drawn = SUCCEEDED(draw(theme, DC, Part, State, &r, nullptr));
  if (drawn && Content) {
    RECT c = r;
    if (!content || FAILED(content(theme, DC, Part, State, &r, &c))) c = r;
    *Content = TRect(c.left, c.top, c.right, c.bottom);
  }
  close(theme);
  return drawn;
}

uint32_t fcGetComCtlVersion() {
  static uint32_t cached = 0;
  if (cached) return cached;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(L"comctl32.dll", &handle);
  if (size == 0) return 0;
  std::vector<uint8_t> data(size);
  if (!GetFileVersionInfoW(L"comctl32.dll", 0, size, data.data())) return 0;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT len = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &len) || !info) return 0;
  cached = info->dwFileVersionMS;
  return cached;
}
