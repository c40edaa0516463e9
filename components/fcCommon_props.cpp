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
bool ThemesActive() {
  static HMODULE lib = LoadLibraryW(L"uxtheme.dll");
  if (!lib) return false;
  using Fn = BOOL(WINAPI*)();
  auto active = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib, "IsThemeActive")));
  auto themed = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib, "IsAppThemed")));
  return active && themed && active() && themed();
}

}  // namespace

bool fcUseThemes(TControl* Control) {
  if (!ThemesActive()) return false;
  if (!Control) return true;
  TObject* holder = Control;
  if (!GetPropInfo(Control, L"DisableThemes")) holder = Control->Parent();
  return !(holder && fcGetOrdPropByName(holder, L"DisableThemes") != 0);
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
