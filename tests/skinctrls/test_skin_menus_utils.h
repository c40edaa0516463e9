// Shared by the skin-menu tests: building item trees.
#pragma once

#include "classlib/Menus.h"

inline TMenuItem* AddItem(TMenuItem* Parent, const String& Caption, TComponent* Owner) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}
