// The skinned form's side of its menus: the skin menu it owns, the menu
// settings it hands on, the open/close state with the application hook that
// takes keys and outside clicks while a menu is up, keyboard menu mode and
// the built-in system menu.
#include "skin/SkinForm.h"

#include "skin/SPUtils_layer.h"

namespace {

TspSkinMenuFactory& Factory() {
  static TspSkinMenuFactory factory = nullptr;
  return factory;
}

TspSkinPopupMenuFactory& PopupFactory() {
  static TspSkinPopupMenuFactory factory = nullptr;
  return factory;
}

bool IsMouseDown(UINT Msg) {
  switch (Msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

// The built-in system menu's items, in order, with their caption keys and
// the names by which the skin menu gives each the glyph of its frame button.
enum TSysItem { siRestore, siMinimize, siMaximize, siMinimizeToTray, siRollUp, siLine, siClose, siCount };
const wchar_t* const kSysKeys[siCount] = {L"MI_RESTORECAPTION", L"MI_MINCAPTION",       L"MI_MAXCAPTION",
                                          L"MI_MINTOTRAYCAPTION", L"MI_ROLLUPCAPTION", nullptr,
                                          L"MI_CLOSECAPTION"};
const wchar_t* const kSysNames[siCount] = {L"DSF_RESTORE", L"DSF_MINITEM", L"DSF_MAXITEM", L"DSF_MINTOTRAY",
                                           L"DSF_ROLLUP",  nullptr,        L"DSF_CLOSE"};

// A skinned popup menu where the menu unit is linked in, else a plain one.
TPopupMenu* NewPopupMenu(TComponent* Owner, TCustomForm* Form) {
  if (TspSkinPopupMenuFactory factory = PopupFactory()) return factory(Owner, Form);
  return new TPopupMenu(Owner);
}

}  // namespace

void RegisterSkinMenuFactory(TspSkinMenuFactory Value) { Factory() = Value; }

TspSkinMenuFactory SkinMenuFactory() { return Factory(); }

void RegisterSkinPopupMenuFactory(TspSkinPopupMenuFactory Value) { PopupFactory() = Value; }

TspSkinPopupMenuFactory SkinPopupMenuFactory() { return PopupFactory(); }

void TspSkinForm::CreateSkinMenu() {
  FDefMenuItemFont = std::make_unique<TFont>();
  FDefMenuItemFont->SetName(L"Arial");
  FDefMenuItemFont->SetHeight(14);
  if (TspSkinMenuFactory factory = SkinMenuFactory()) {
    FSkinMenu = factory(this, FForm);
    FMenuLink = dynamic_cast<TspSkinMenuLink*>(FSkinMenu);
    if (FSkinMenu) FSkinMenu->FreeNotification(this);
  }
  FBuiltInSystemMenu = NewPopupMenu(this, FForm);
  ApplyMenuProperties();
}

void TspSkinForm::ApplyMenuProperties() {
  if (!FMenuLink) return;
  TspMenuProperties props = FMenuProps;
  props.DefMenuItemFont = FDefMenuItemFont.get();
  FMenuLink->SetMenuProperties(props);
}

void TspSkinForm::SetUseSkinFontInMenu(bool Value) {
  FMenuProps.UseSkinFont = Value;
  ApplyMenuProperties();
}

void TspSkinForm::SetDefMenuItemHeight(int Value) {
  if (Value <= 0) return;
  FMenuProps.DefMenuItemHeight = Value;
  ApplyMenuProperties();
}

void TspSkinForm::SetDefMenuItemFont(TFont* Value) {
  if (Value) FDefMenuItemFont->Assign(Value);
  ApplyMenuProperties();
}

void TspSkinForm::SetMenusAlphaBlend(bool Value) {
  FMenuProps.AlphaBlend = Value;
  ApplyMenuProperties();
}

void TspSkinForm::SetMenusAlphaBlendValue(uint8_t Value) {
  FMenuProps.AlphaBlendValue = Value;
  ApplyMenuProperties();
}

void TspSkinForm::SetMenusAlphaBlendAnimation(bool Value) {
  FMenuProps.AlphaBlendAnimation = Value;
  ApplyMenuProperties();
}

void TspSkinForm::SetMaxMenuItemsInWindow(int Value) {
  if (Value < 0) return;
  FMenuProps.MaxMenuItemsInWindow = Value;
  ApplyMenuProperties();
}

void TspSkinForm::SkinMenuOpen() {
  if (!FInMenuLoop) InstallMenuHook();
  if (FSkinMenuOpen) return;
  FSkinMenuOpen = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TspSkinForm::SkinMenuClose() {
  HideGlow();
  FSkinMenuOpen = false;
  const bool barDown = FMenuBarDown >= 0;
  FMenuBarDown = -1;
  // The item lights up again only under the mouse.
  if (barDown) FMenuBarHot = -1;
  if (FDown) CancelPress();
  RemoveMenuHook();
  if (barDown || FInMenuLoop) RepaintMenuBar();
  if (OnSkinMenuClose) OnSkinMenuClose(this);
  if (FInMenuLoop) EndMenuLoop();
}

void TspSkinForm::EnterMenuLoop(int Hot) {
  if (!HasMenuBar() || MenuBarItemCount() == 0) return;
  FInMenuLoop = true;
  InstallMenuHook();
  SetMenuBarHot(Hot >= 0 ? Hot : FMenuBarHot >= 0 ? FMenuBarHot : 0);
}

void TspSkinForm::EndMenuLoop() {
  const bool was = FInMenuLoop;
  FInMenuLoop = false;
  if (FMenuLink && FMenuLink->MenuVisible()) FMenuLink->CloseSkinMenu();
  if (!FSkinMenuOpen) RemoveMenuHook();
  if (was) SetMenuBarHot(-1);
}

void TspSkinForm::InstallMenuHook() {
  if (FMenuHookId || !Application) return;
  FMenuHookId = Application->AddMessageHook([this](MSG& Msg, bool& Handled) { MenuHookMessage(Msg, Handled); });
}

void TspSkinForm::RemoveMenuHook() {
  if (!FMenuHookId) return;
  if (Application) Application->RemoveMessageHook(FMenuHookId);
  FMenuHookId = 0;
}

void TspSkinForm::MenuPreFilter(const TMessage& Message) {
  if (FInMenuLoop || !IsMenuCloseMessage(Message.Msg)) return;
  if (FMenuLink && FMenuLink->MenuVisible()) FMenuLink->CloseSkinMenu();
  else if (FSkinMenuOpen) SkinMenuClose();
}

void TspSkinForm::MenuHookMessage(MSG& Msg, bool& Handled) {
  const bool open = FMenuLink && FMenuLink->MenuVisible();
  if (!open && !FInMenuLoop) return;
  // The keys and clicks below raise handlers that may free the form, and a
  // modal loop inside one would release it under this code.
  const TLibraryScope hold(this);
  HWND form = FForm && FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      MenuKey(static_cast<uint16_t>(Msg.wParam));
      Handled = true;
      return;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      // The menu took the key: its character and release go nowhere else
      // (a released Alt would otherwise start keyboard menu mode again).
      Handled = true;
      return;
    default:
      break;
  }
  // A click anywhere but on the menu's own windows closes it; the form's own
  // window closes it through its pre-filter, and its frame opens bar items.
  if (!IsMouseDown(Msg.message) || (FMenuLink && FMenuLink->IsMenuWindow(Msg.hwnd))) return;
  if (Msg.hwnd == form && (!FInMenuLoop || Msg.message == WM_NCLBUTTONDOWN)) return;
  if (open) FMenuLink->CloseSkinMenu();
  else if (FSkinMenuOpen) SkinMenuClose();
  if (FInMenuLoop) EndMenuLoop();
}

void TspSkinForm::MenuKey(uint16_t Key) {
  const bool open = FMenuLink && FMenuLink->MenuVisible() && FMenuLink->LevelCount() > 0;
  // Only a bar item's own drop-down steps between bar items and back to its
  // title; another menu opened while the bar is lit (a popup) leaves the bar.
  const bool fromBar = FMenuBarDown >= 0;
  const int count = MenuBarItemCount();
  const int current = FMenuBarDown >= 0 ? FMenuBarDown : FMenuBarHot;
  if (Key == VK_MENU || Key == VK_F10) {
    if (open) FMenuLink->CloseSkinMenu();
    EndMenuLoop();
    return;
  }
  if (open) {
    const int levels = FMenuLink->LevelCount();
    if (fromBar && count > 0 && Key == VK_LEFT && levels == 1) {
      PopupMenuBarItem((current + count - 1) % count);
      return;
    }
    FMenuLink->HandleMenuKey(Key);
    if (BeingFreed()) return;  // a handler the key raised freed the form
    if (!FMenuLink || !FMenuLink->MenuVisible()) {
      // Esc closed the last level. A bar item's drop-down steps back to its
      // highlighted title, where the next Esc leaves the bar; any other menu
      // (or one whose close freed the form's menu) ends the menu mode.
      const bool toTitle = Key == VK_ESCAPE && fromBar && count > 0 && FMenuLink;
      if (FSkinMenuOpen) SkinMenuClose();
      if (BeingFreed()) return;
      if (toTitle) EnterMenuLoop(current);
      else if (FInMenuLoop) EndMenuLoop();
      return;
    }
    // Right on an item without a submenu moves on to the next bar item.
    if (fromBar && count > 0 && Key == VK_RIGHT && FMenuLink->LevelCount() == levels)
      PopupMenuBarItem((current + 1) % count);
    return;
  }
  if (!FInMenuLoop || count == 0) return;
  switch (Key) {
    case VK_LEFT: SetMenuBarHot((FMenuBarHot + count - 1) % count); return;
    case VK_RIGHT: SetMenuBarHot((FMenuBarHot + 1) % count); return;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN: PopupMenuBarItem(FMenuBarHot); return;
    case VK_ESCAPE: EndMenuLoop(); return;
    default: break;
  }
  const int accel = MenuBarAccelItem(MenuAccelChar(static_cast<WORD>(Key)));
  if (accel >= 0) PopupMenuBarItem(accel);
}

void TspSkinForm::SysKeyMenu(wchar_t Char) {
  if (Char == 0) {
    if (FInMenuLoop) EndMenuLoop();
    else EnterMenuLoop();
    return;
  }
  if (Char == L' ') {
    const TRect icon = IconRect();
    RECT w = {};
    GetWindowRect(FForm->Handle(), &w);
    SystemMenuPopup(TRect(w.left + icon.Left, w.top + icon.Top, w.left + icon.Right, w.top + icon.Bottom));
    return;
  }
  const int item = MenuBarAccelItem(Char);
  if (item >= 0) PopupMenuBarItem(item);
}

void TspSkinForm::SetSystemMenuSource(TMenu* Value) {
  if (FSystemMenu) FSystemMenu->RemoveFreeNotification(this);
  FSystemMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinForm::BuildSystemMenu() {
  TMenuItem* root = FBuiltInSystemMenu->Items();
  if (root->Count() == 0) {
    for (int i = 0; i < siCount; ++i) {
      auto* item = new TMenuItem(FBuiltInSystemMenu);
      root->Add(item);
      if (i == siLine) item->SetCaption(L"-");
      else item->SetName(kSysNames[i]);
      const auto kind = static_cast<TSysItem>(i);
      item->OnClick = [this, kind](TObject*) {
        switch (kind) {
          case siRestore:
            if (FRollUp && WindowState() == 0) SetRollUpState(false);
            else SetWindowState(0);
            break;
          case siMinimize: SetWindowState(1); break;
          case siMaximize: SetWindowState(2); break;
          case siMinimizeToTray: MinimizeToTray(); break;
          case siRollUp: SetRollUpState(true); break;
          case siClose: if (FForm) FForm->Close(); break;
          default: break;
        }
      };
    }
  }
  // Captions are read each time so that a changed string store shows.
  TspResourceStrData* strings = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  for (int i = 0; i < siCount; ++i)
    if (kSysKeys[i]) root->Items(i)->SetCaption(FrameResStr(strings, kSysKeys[i]));
  const int state = WindowState();
  root->Items(siRestore)->SetEnabled(state != 0 || FRollUp);
  root->Items(siMinimize)->SetEnabled(state != 1);
  root->Items(siMaximize)->SetEnabled(state != 2);
  root->Items(siRollUp)->SetEnabled(!FRollUp && FFrameOn);
  root->Items(siMinimize)->SetVisible(FBorderIcons.Contains(sbiMinimize));
  root->Items(siMaximize)->SetVisible(FBorderIcons.Contains(sbiMaximize));
  root->Items(siMinimizeToTray)->SetVisible(FBorderIcons.Contains(sbiMinimizeToTray));
  root->Items(siRollUp)->SetVisible(FBorderIcons.Contains(sbiRollUp));
}

TPopupMenu* TspSkinForm::TrayMenu() {
  if (!FTrayMenu) {
    FTrayMenu = NewPopupMenu(this, FForm);
    auto add = [&](const wchar_t* Name, const TNotifyEvent& Click) {
      auto* item = new TMenuItem(FTrayMenu);
      item->SetName(Name);
      item->OnClick = Click;
      FTrayMenu->Items()->Add(item);
    };
    add(L"TRAY_DSF_RESTORE", [this](TObject*) {
      if (TspTrayLink* tray = FindTrayLink()) tray->RestoreFormFromTray();
    });
    add(L"TRAY_DSF_CLOSE", [this](TObject*) {
      if (FForm) FForm->Close();
    });
  }
  TspResourceStrData* strings = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  FTrayMenu->Items()->Items(0)->SetCaption(FrameResStr(strings, L"MI_RESTORECAPTION"));
  FTrayMenu->Items()->Items(1)->SetCaption(FrameResStr(strings, L"MI_CLOSECAPTION"));
  return FTrayMenu;
}

TMenuItem* TspSkinForm::SystemMenu() {
  if (FSystemMenu) return FSystemMenu->Items();
  BuildSystemMenu();
  return FBuiltInSystemMenu->Items();
}

void TspSkinForm::SystemMenuPopup(const TRect& Where) {
  if (!FForm || !FForm->HandleAllocated()) return;
  if (FMenuLink) {
    TMenuItem* items = SystemMenu();
    if (FMenuLink->MenuVisible()) FMenuLink->CloseSkinMenu();
    if (FInMenuLoop) EndMenuLoop();
    OpenSkinMenu(items, nullptr, false, Where);
    return;
  }
  HWND h = FForm->Handle();
  HMENU menu = GetSystemMenu(h, FALSE);
  if (!menu) return;
  const int state = WindowState();
  auto enable = [&](UINT Command, bool On) { EnableMenuItem(menu, Command, MF_BYCOMMAND | (On ? MF_ENABLED : MF_GRAYED)); };
  enable(SC_RESTORE, state != 0 || FRollUp);
  enable(SC_MAXIMIZE, state != 2 && FBorderIcons.Contains(sbiMaximize));
  enable(SC_MINIMIZE, state != 1 && FBorderIcons.Contains(sbiMinimize));
  enable(SC_SIZE, state == 0 && FSizeable && !FRollUp);
  enable(SC_MOVE, state == 0);
  const UINT command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, Where.Left,
                                      Where.Bottom, 0, h, nullptr);
  if (command) PostMessageW(h, WM_SYSCOMMAND, command, 0);
}
