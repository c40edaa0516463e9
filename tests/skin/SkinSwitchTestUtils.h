// Shared by the tests of frees during skin switches: a skinned form whose
// client a switch resizes, and the two switches a program makes.
#pragma once

#include <utility>
#include <vector>

#include "../skinctrls/SkinCtrlTestUtils.h"
#include "classlib/Menus.h"
#include "skin/SkinForm.h"

// A shown form wearing Skin, owned by Owner, with a menu bar: a switch that
// takes the frame on or off moves the bar and so resizes the client.
inline TForm* SkinnedFormWithMenuBar(TComponent* Owner, TspSkinData* Skin) {
  auto* form = new TForm(Owner);
  form->SetBounds(120, 120, 360, 240);
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(menu);
  file->SetCaption(L"&File");
  menu->Items()->Add(file);
  form->SetMenu(menu);
  (new TspSkinForm(form))->SetSkinData(Skin);
  ShowAndActivate(form);
  return form;
}

// Emptying the skin and loading one.
using TSkinSwitch = std::pair<const char*, void (*)(TspSkinData*)>;
inline const std::vector<TSkinSwitch>& SkinSwitches() {
  static const std::vector<TSkinSwitch> switches{
      {"ClearAll", [](TspSkinData* s) { s->ClearAll(); }},
      {"load", [](TspSkinData* s) { s->LoadCompressedStoredSkin(TestStoredSkin()); }}};
  return switches;
}
