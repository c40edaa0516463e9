// Shared set-up of the skinned input tests: a shown form, typing through the
// window's messages and the clipboard text.
#pragma once

#include "../skinctrls/SkinCtrlTestUtils.h"
#include "classlib/Clipbrd.h"

// Characters posted as WM_CHAR to Control's window, as the keyboard sends them.
inline void TypeText(TWinControl* Control, const String& Text) {
  for (wchar_t c : Text) PostMessageW(Control->Handle(), WM_CHAR, c, 1);
  Settle();
}

inline void KeyDownUp(TWinControl* Control, WORD Key) {
  PostMessageW(Control->Handle(), WM_KEYDOWN, Key, 1);
  PostMessageW(Control->Handle(), WM_KEYUP, Key, 0xC0000001);
  Settle();
}

// A stored skin read from the skin folder of Ini, freed with Owner.
inline TspCompressedStoredSkin* StoredSkin(TComponent* Owner, const String& Ini) {
  auto* stored = new TspCompressedStoredSkin(Owner);
  stored->LoadFromSkinFile(Ini);
  return stored;
}

// A control of class T on Parent, bound to Skin.
template <class T>
T* Put(TWinControl* Parent, TspSkinData* Skin, int Left, int Top, int Width, int Height) {
  T* c = new T(Parent);
  c->SetParent(Parent);
  c->SetBounds(Left, Top, Width, Height);
  c->SetSkinData(Skin);
  return c;
}

// Access faults the process meets while it lives, caught where they were or
// not: a fault in a window procedure may be swallowed on the way back to the
// system.
class TFaultCount {
 public:
  TFaultCount() : FHandler(AddVectoredExceptionHandler(1, Note)) { Faults() = 0; }
  ~TFaultCount() { RemoveVectoredExceptionHandler(FHandler); }
  LONG Count() const { return Faults(); }

 private:
  static LONG& Faults() {
    static LONG count = 0;
    return count;
  }
  static LONG CALLBACK Note(EXCEPTION_POINTERS* Info) {
    if (Info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) InterlockedIncrement(&Faults());
    return EXCEPTION_CONTINUE_SEARCH;
  }
  PVOID FHandler;
};

class InputTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ShowAndActivate(form);
  }
  template <class T>
  T* AddFocused(int Left, int Top, int Width, int Height) {
    T* c = Add<T>(form, Left, Top, Width, Height);
    c->SetFocus();
    Settle();
    return c;
  }
};
