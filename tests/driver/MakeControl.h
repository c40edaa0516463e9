// How the driver makes a control of a class: on a live container, its events
// hooked, its calls listed, the shared skin put on it where it takes one. The
// per-folder lists (tests/<folder>/DriverMakers.cpp) name the classes.
#pragma once

#include <string>
#include <type_traits>

#include "classlib/Forms.h"
#include "skin/SkinForm.h"
#include "tests/driver/Driver.h"
#include "tests/driver/EventHooks.h"
#include "tests/driver/Makers.h"
#include "tests/driver/ObjectCalls.h"

namespace driver_makers {

// Takes a made object into the live list with its events hooked and its calls.
template <class T>
T* Adopt(TDriver& D, T* O, const std::string& Label, TLiveKind Kind) {
  HookEvents(D, O);
  D.Live().Add({O, Label, Kind, CallsOf(O, Label)});
  return O;
}

inline std::string NewLabel(TDriver& D, const char* Class) { return std::string(Class) + "#" + std::to_string(D.NextId()); }

// A few items in whatever list the control shows.
template <class T>
auto Fill(T* O, int) -> decltype(O->Items()->Add(String()), void()) {
  for (const wchar_t* s : {L"one", L"two", L"three"}) O->Items()->Add(s);
}
template <class T>
auto Fill(T* O, long) -> decltype(O->Items()->AddChild(O->Items()->Add(nullptr, String()), String()), void()) {
  auto* root = O->Items()->Add(nullptr, L"root");
  O->Items()->AddChild(root, L"child");
  O->Items()->Add(nullptr, L"second");
}
template <class T>
void Fill(T*, ...) {}

// The shared skin for a skinned control.
template <class T>
auto Dress(T* O, TspSkinData* Skin, int) -> decltype(O->SetSkinData(Skin), void()) {
  O->SetSkinData(Skin);
}
template <class T>
void Dress(T*, TspSkinData*, long) {}

template <class T>
T* MakeControl(TDriver& D, TWinControl* Parent, const char* Class, TLiveKind Kind) {
  TCustomForm* form = GetParentForm(Parent);
  TComponent* owner = D.OneIn(4) || !form ? static_cast<TComponent*>(Parent) : form;
  const std::string label = NewLabel(D, Class);
  D.Log("new " + label + " on " + D.Live().NameOf(Parent));
  T* c = Adopt(D, new T(owner), label, Kind);
  c->SetParent(Parent);
  c->SetBounds(D.Below(300), D.Below(200), 10 + D.Below(200), 10 + D.Below(90));
  if (GetSkinForm(form) || D.OneIn(4)) Dress(c, D.Skin(), 0);
  if (D.OneIn(4)) c->SetDragMode(dmAutomatic);
  Fill(c, 0);
  return c;
}

}  // namespace driver_makers

// A control class the driver makes; Kind says whether it takes children.
template <class T>
TMaker Control(const char* Class, TLiveKind Kind = lkControl) {
  return {Class, [Class, Kind](TDriver& D, TWinControl* P) -> TComponent* {
            return driver_makers::MakeControl<T>(D, P, Class, Kind);
          }};
}

// A sheet goes on a live page control of its kind.
template <class TSheet, class TPages>
TMaker Sheet(const char* Class) {
  return {Class, [Class](TDriver& D, TWinControl*) -> TComponent* {
            const TLiveObject* p = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TPages*>(l.Object); });
            if (!p) return nullptr;
            const std::string label = driver_makers::NewLabel(D, Class);
            D.Log("new " + label + " in " + p->Class);
            auto* pages = static_cast<TPages*>(p->Object);
            auto* sheet = driver_makers::Adopt(D, new TSheet(pages->Owner()), label, lkContainer);
            sheet->SetPageControl(pages);
            sheet->SetCaption(L"Sheet");
            return sheet;
          }};
}
