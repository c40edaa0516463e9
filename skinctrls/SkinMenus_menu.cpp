// TspSkinMenu: the stack of open menu levels of one skinned form, the
// submenu timer, running a chosen item's command and the close notifications.
#include "skin/SPUtils_draw.h"
#include "skinctrls/SkinMenus.h"

namespace {

void SendToControl(TControl* Control, unsigned Msg) {
  if (!Control) return;
  if (auto* w = dynamic_cast<TWinControl*>(Control)) SendMessageW(w->Handle(), Msg, 0, 0);
  else Control->Perform(Msg, 0, 0);
}

}  // namespace

TspSkinMenu::TspSkinMenu(TComponent* AOwner, TCustomForm* AForm)
    : TComponent(AOwner), FDefMenuItemFont(std::make_unique<TFont>()), FForm(AForm) {
  FDefMenuItemFont->SetName(L"Arial");
  FDefMenuItemFont->SetHeight(14);
  FSubMenuTimer = new TTimer(this);
  FSubMenuTimer->SetEnabled(false);
  FSubMenuTimer->SetInterval(500);
  FSubMenuTimer->OnTimer = [this](TObject* Sender) { SubMenuTimerTick(Sender); };
  if (AForm) AForm->FreeNotification(this);
}

TspSkinMenu::~TspSkinMenu() { TspSkinMenu::BeforeDestruction(); }

void TspSkinMenu::BeforeDestruction() {
  // Closing first sends the notifications while everything still exists.
  if (!FLevels.empty() || FVisible) CloseLevelsFrom(0);
  SetOnMenuClose(nullptr, nullptr);
  TComponent::BeforeDestruction();
}

void TspSkinMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupControl) FPopupControl = nullptr;
  if (AComponent == FLastPopupControl) FLastPopupControl = nullptr;
  if (AComponent == FForm) FForm = nullptr;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FOnMenuCloseSource) {
    FOnMenuCloseSource = nullptr;
    FOnMenuClose = nullptr;
  }
}

void TspSkinMenu::SetPopupControl(TControl* Value) {
  if (FPopupControl && FPopupControl != FLastPopupControl) FPopupControl->RemoveFreeNotification(this);
  FPopupControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinMenu::SetLastPopupControl(TControl* Value) {
  if (FLastPopupControl && FLastPopupControl != FPopupControl) FLastPopupControl->RemoveFreeNotification(this);
  FLastPopupControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinMenu::SetOnMenuClose(TNotifyEvent Event, TComponent* Source) {
  if (FOnMenuCloseSource && FOnMenuCloseSource != Source) FOnMenuCloseSource->RemoveFreeNotification(this);
  FOnMenuClose = std::move(Event);
  FOnMenuCloseSource = Source;
  if (Source) Source->FreeNotification(this);
}

void TspSkinMenu::PopupItems(TControl* APopupControl, TspSkinData* ASkinData, bool PopupUp, TMenuItem* Item,
                             const TRect& R, int StartIndex) {
  PopupTwoItemSets(APopupControl, ASkinData, PopupUp, nullptr, Item, R, StartIndex);
}

void TspSkinMenu::PopupTwoItemSets(TControl* APopupControl, TspSkinData* ASkinData, bool PopupUp, TMenuItem* Item2,
                                   TMenuItem* Item1, const TRect& R, int StartIndex) {
  // The first paint of the level may raise a draw handler that frees the
  // form, and with it this menu: its memory waits for this call's end.
  const TLibraryScope hold(this);
  FFirstShow = !FVisible;
  if (!FLevels.empty()) CloseLevelsFrom(0);
  SetPopupControl(APopupControl);
  if (FForm) GetMonitorRect(FForm->Handle(), true, FWorkArea);
  else GetScreenRect(true, FWorkArea);
  if (FSkinData != ASkinData) {
    if (FSkinData) FSkinData->RemoveFreeNotification(this);
    FSkinData = ASkinData;
    if (ASkinData) ASkinData->FreeNotification(this);
  }
  const int total = (Item1 ? Item1->Count() : 0) + (Item2 ? Item2->Count() : 0);
  if (!Item1 || Item1->Count() == 0 || StartIndex >= total) return;
  FVisible = true;
  OpenLevel(R, Item1, Item2, PopupUp, false, StartIndex);
  if (BeingFreed()) return;
  FFirstShow = false;
}

void TspSkinMenu::OpenLevel(const TRect& R, TMenuItem* Item, TMenuItem* Item2, bool PopupUp, bool IsSubLevel,
                            int StartIndex) {
  TspDataSkinPopupWindow* data = FSkinData && !FSkinData->Empty() ? FSkinData->PopupWindow.get() : nullptr;
  auto* window = new TspSkinPopupWindow(this, data);
  FLevels.push_back(window);
  window->Popup(R, Item, PopupUp, IsSubLevel, StartIndex, Item2);
}

void TspSkinMenu::StopSubMenuTimer() {
  FSubMenuTimer->SetEnabled(false);
  FPendingItem = nullptr;
}

void TspSkinMenu::CancelPendingItem(const TspSkinMenuItem* Item) {
  if (FPendingItem && FPendingItem == Item) StopSubMenuTimer();
}

void TspSkinMenu::ActivateMenuItem(TspSkinPopupWindow* Window, TspSkinMenuItem* Item, bool Execute,
                                   bool FromKeyboard) {
  // The command's handler may free the menu, the level and the entry (and
  // pump): each stays whole until this call ends.
  const TLibraryScope holdMenu(this), holdWindow(Window), holdItem(Item);
  const int level = LevelIndexOf(Window);
  if (!Item->HasChildren()) {
    StopSubMenuTimer();
    if (!Execute) {
      if (level < LevelCount() - 1) CloseLevelsFrom(level + 1);
      return;
    }
    // The close frees the entry: keep what the command needs.
    TMenuItem* menuItem = Item->MenuItem;
    TMenu* menu = menuItem->GetParentMenu();
    const uint16_t command = menuItem->Command();
    CloseSkinMenu();
    if (BeingFreed()) return;
    if (menu) menu->DispatchCommand(command);
    else menuItem->Click();
    if (BeingFreed()) return;
    SendToControl(FLastPopupControl, MSG_SKINMENU_ITEM_DONE);
    return;
  }
  if (!Execute) {
    if (FromKeyboard) return;
    StopSubMenuTimer();
    if (level < LevelCount() - 1) CloseLevelsFrom(level + 1);
    FPendingItem = Item;
    FSubMenuTimer->SetEnabled(true);
    return;
  }
  TMenuItem* menuItem = Item->MenuItem;
  // The item's OnClick may close or reopen the menu: open the submenu only
  // from a level window that still exists (a new one may share its address).
  if (TMenu* menu = menuItem->GetParentMenu()) menu->DispatchCommand(menuItem->Command());
  else menuItem->Click();
  if (LevelIndexOf(Window) >= LevelCount()) return;
  StopSubMenuTimer();
  if (LevelIndexOf(Window) < LevelCount() - 1) CloseLevelsFrom(LevelIndexOf(Window) + 1);
  Item->SubMenuOpened = true;
  TRect r = Item->ItemRect;
  OffsetRect(r, Window->Left(), Window->Top());
  FVisible = true;
  OpenLevel(r, menuItem, nullptr, false, true, 0);
}

void TspSkinMenu::SubMenuTimerTick(TObject*) {
  TspSkinMenuItem* item = FPendingItem;
  FSubMenuTimer->SetEnabled(false);
  if (item) ActivateMenuItem(item->Parent, item, true, false);
}

void TspSkinMenu::CloseLevelsFrom(int Level) {
  const TLibraryScope hold(this);  // the close's handlers may free the menu
  if (Level < 0) Level = 0;
  while (LevelCount() > Level) {
    TspSkinPopupWindow* window = FLevels.back();
    FLevels.pop_back();
    Free(window);  // its entries clear a pending submenu that was theirs
  }
  if (Level != 0) return;
  StopSubMenuTimer();
  FVisible = false;
  SetLastPopupControl(FPopupControl);
  if (TControl* control = FPopupControl) {
    SetPopupControl(nullptr);
    SendToControl(control, MSG_SKINMENU_CLOSED);
    if (BeingFreed()) return;
  }
  if (FOnMenuClose) {
    TNotifyEvent event = std::move(FOnMenuClose);
    SetOnMenuClose(nullptr, nullptr);
    event(this);
  }
}

void TspSkinMenu::CloseSkinMenu() {
  const TLibraryScope hold(this);  // the close's handlers may free the menu
  CloseLevelsFrom(0);
  if (BeingFreed()) return;
  StopSubMenuTimer();
  if (FForm && FForm->HandleAllocated()) SendMessageW(FForm->Handle(), MSG_SKINMENU_CLOSED, 0, 0);
  if (BeingFreed()) return;
  if (TControl* control = FPopupControl) {
    SetPopupControl(nullptr);
    SendToControl(control, MSG_SKINMENU_CLOSED);
  }
}

int TspSkinMenu::LevelIndexOf(const TspSkinPopupWindow* Window) const {
  for (int i = 0; i < LevelCount(); ++i)
    if (FLevels[i] == Window) return i;
  return LevelCount();
}

void TspSkinMenu::HandleMenuKey(uint16_t Key) {
  if (FLevels.empty()) return;
  TspSkinPopupWindow* level = FLevels.back();
  // The key comes from the application's hook, not the level's own window
  // procedure: the handlers its draws and clicks raise may close the menu
  // and pump, and the level's code goes on after them.
  const TLibraryScope hold(level);
  level->HandleMenuKey(Key);
}

void TspSkinMenu::SetMenuProperties(const TspMenuProperties& Properties) {
  UseSkinFont = Properties.UseSkinFont;
  DefMenuItemHeight = Properties.DefMenuItemHeight;
  if (Properties.DefMenuItemFont) FDefMenuItemFont->Assign(const_cast<TFont*>(Properties.DefMenuItemFont));
  AlphaBlend = Properties.AlphaBlend;
  AlphaBlendValue = Properties.AlphaBlendValue;
  AlphaBlendAnimation = Properties.AlphaBlendAnimation;
  MaxMenuItemsInWindow = Properties.MaxMenuItemsInWindow;
}

bool TspSkinMenu::IsMenuWindow(HWND Window) const {
  for (TspSkinPopupWindow* level : FLevels)
    if (level->HandleAllocated() && level->Handle() == Window) return true;
  return false;
}

TspSkinMenu* FindSkinMenu(TComponent* SkinForm) {
  if (!SkinForm) return nullptr;
  for (int i = 0; i < SkinForm->ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TspSkinMenu*>(SkinForm->Components(i))) return menu;
  return nullptr;
}
