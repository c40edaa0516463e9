// What the skinned form and the MDI tabs bar take from this folder, handed to
// them at start-up. This file is linked into every program that links the
// folder's library (see the folder's CMakeLists.txt), whether or not the
// program names a class from it: the form cannot name these classes itself.
#include "skin/SkinMDITabs.h"
#include "skin/SkinMenuLink.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinMenus.h"

namespace {

TComponent* MakeSkinMenu(TComponent* SkinForm, TCustomForm* Form) { return new TspSkinMenu(SkinForm, Form); }

TPopupMenu* MakeSkinPopupMenu(TComponent* Owner, TCustomForm* Form) {
  auto* menu = new TspSkinPopupMenu(Owner);
  menu->SetOwnerForm(Form);
  return menu;
}

// The MDI tabs bar's menu buttons wear skin button records.
bool PaintSkinButton(TCanvas* Canvas, TspSkinData* SkinData, const String& Name, const TRect& R, int State,
                     TColor& FontColor) {
  return DrawSkinButtonPart(Canvas, SkinData, Name, R, static_cast<TspPartState>(State), FontColor);
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterSkinMenuFactory(MakeSkinMenu);
  RegisterSkinPopupMenuFactory(MakeSkinPopupMenu);
  RegisterSkinButtonPainter(PaintSkinButton);
  return true;
}();

}  // namespace
