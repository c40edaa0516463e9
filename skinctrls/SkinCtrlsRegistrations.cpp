// What the skinned form and the MDI tabs bar take from this folder, handed to
// them at start-up. This file is linked into every program that links the
// folder's library (see the folder's CMakeLists.txt), whether or not the
// program names a class from it: the form cannot name these classes itself.
#include "skin/SkinMenuLink.h"
#include "skinctrls/MDITabsMenuButton.h"
#include "skinctrls/SkinMenus.h"

namespace {

TComponent* MakeSkinMenu(TComponent* SkinForm, TCustomForm* Form) { return new TspSkinMenu(SkinForm, Form); }

TPopupMenu* MakeSkinPopupMenu(TComponent* Owner, TCustomForm* Form) {
  auto* menu = new TspSkinPopupMenu(Owner);
  menu->SetOwnerForm(Form);
  return menu;
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterSkinMenuFactory(MakeSkinMenu);
  RegisterSkinPopupMenuFactory(MakeSkinPopupMenu);
  RegisterMDITabsButtonMaker({MakeMDITabsMenuButton, SetMDITabsMenuButtonSkinData});
  return true;
}();

}  // namespace
