// TspSkinPopupMenu: a popup menu whose item tree opens as a skin menu
// through the skinned form of the form it belongs to.
#include "classlib/SystemCallback.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinMenus.h"

TspSkinPopupMenu::TspSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

// The skin menu drops an OnMenuClose of ours when we go (it watches us): the
// component's teardown tells it and lets go of the link, so the menu is not
// touched here, when it may have gone before us.
TspSkinPopupMenu::~TspSkinPopupMenu() = default;

void TspSkinPopupMenu::SetSkinData(TspSkinData* Value) {
  if (FSkinData == Value) return;
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TPopupMenu::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FLastSkinMenu) FLastSkinMenu = nullptr;
}

TComponent* TspSkinPopupMenu::FindSkinForm() const {
  if (FOwnerForm) return GetSkinForm(FOwnerForm);
  TComponent* owner = Owner();
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form && owner) form = dynamic_cast<TCustomForm*>(owner->Owner());
  // An MDI child's menus open through the main form's skinned form and skin.
  return form && GetSkinForm(form) ? GetSkinForm(MenuFormOf(form)) : nullptr;
}

bool TspSkinPopupMenu::Open(TControl* AControl, const TRect& R, bool PopupUp) {
  if (OnPopup) OnPopup(this);
  auto* skinForm = dynamic_cast<TspSkinForm*>(FindSkinForm());
  TspSkinMenu* menu = FindSkinMenu(skinForm);
  if (!skinForm || !menu) return false;
  if (!FSkinData) SetSkinData(skinForm->MenusSkinData() ? skinForm->MenusSkinData() : skinForm->SkinData());
  auto* frame = dynamic_cast<TspSkinMenuFrameLink*>(skinForm);
  if (menu->Visible() && frame) frame->SkinMenuClose();
  FPopupPoint = TPoint(R.Left, R.Top);
  if (frame) frame->SkinMenuOpen();
  // The open event may have freed the form, and the menu with it.
  if (BeingFreed() || menu->BeingFreed()) return false;
  try {
    menu->PopupItems(AControl, FSkinData, PopupUp, Items(), R, 0);
  } catch (...) {
    // A menu that cannot be drawn does not show, and its fault goes where a
    // paint's goes (the application's exception handling), never to the
    // program that asked for the menu.
    if (!menu->BeingFreed()) menu->CloseSkinMenu();
    ReportCallbackException(this);
    return false;
  }
  if (FLastSkinMenu != menu) {
    if (FLastSkinMenu) FLastSkinMenu->RemoveFreeNotification(this);
    FLastSkinMenu = menu;
    menu->FreeNotification(this);
  }
  if (OnMenuClose && menu->Visible()) menu->SetOnMenuClose(OnMenuClose, this);
  return menu->Visible();
}

void TspSkinPopupMenu::Popup(int X, int Y) { Open(nullptr, TRect(X, Y, X, Y), false); }

void TspSkinPopupMenu::PopupFromRect(const TRect& R, bool PopupUp) { Open(nullptr, R, PopupUp); }

bool TspSkinPopupMenu::PopupFromRectForControl(TControl* AControl, const TRect& R, bool PopupUp) {
  return Open(AControl, R, PopupUp);
}

void TspSkinPopupMenu::PopupForControl(TControl* AControl, int X, int Y) {
  Open(AControl, TRect(X, Y, X, Y), false);
}
