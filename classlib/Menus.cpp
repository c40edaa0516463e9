#include "classlib/Menus.h"

#include <algorithm>

#include "classlib/Forms.h"

namespace {

uint16_t NextCommand() {
  static uint16_t next = 0;
  if (++next == 0) next = 1;
  return next;
}

}  // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
  TShortCut s = Key & 0xFF;
  if (Shift.Contains(ssShift)) s |= scShift;
  if (Shift.Contains(ssCtrl)) s |= scCtrl;
  if (Shift.Contains(ssAlt)) s |= scAlt;
  return s;
}

String ShortCutToText(TShortCut Value) {
  const WORD key = Value & 0xFF;
  String name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) name = String(1, static_cast<wchar_t>(key));
  else if (key >= VK_F1 && key <= VK_F24) name = L"F" + std::to_wstring(key - VK_F1 + 1);
  else {
    switch (key) {
      case VK_BACK: name = L"BkSp"; break;
      case VK_TAB: name = L"Tab"; break;
      case VK_RETURN: name = L"Enter"; break;
      case VK_ESCAPE: name = L"Esc"; break;
      case VK_SPACE: name = L"Space"; break;
      case VK_PRIOR: name = L"PgUp"; break;
      case VK_NEXT: name = L"PgDn"; break;
      case VK_END: name = L"End"; break;
      case VK_HOME: name = L"Home"; break;
      case VK_LEFT: name = L"Left"; break;
      case VK_UP: name = L"Up"; break;
      case VK_RIGHT: name = L"Right"; break;
      case VK_DOWN: name = L"Down"; break;
      case VK_INSERT: name = L"Ins"; break;
      case VK_DELETE: name = L"Del"; break;
      default: return L"";
    }
  }
  String text;
  if (Value & scShift) text += L"Shift+";
  if (Value & scCtrl) text += L"Ctrl+";
  if (Value & scAlt) text += L"Alt+";
  return text + name;
}

// ---------------------------------------------------------------------------
// TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(NextCommand()) {}

TMenuItem::~TMenuItem() { TMenuItem::BeforeDestruction(); }

void TMenuItem::BeforeDestruction() {
  if (FParent) FParent->Remove(this);
  Clear();
  TComponent::BeforeDestruction();
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

void TMenuItem::SetCaption(const String& Value) {
  FCaption = Value;
  Changed();
}

void TMenuItem::SetEnabled(bool Value) {
  FEnabled = Value;
  Changed();
}

void TMenuItem::SetVisible(bool Value) {
  FVisible = Value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut Value) {
  FShortCut = Value;
  Changed();
}

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  // A checked radio item clears the others of its group.
  if (Value && FRadioItem && FParent)
    for (TMenuItem* other : FParent->FItems)
      if (other != this && other->FRadioItem && other->FGroupIndex == FGroupIndex) other->FChecked = false;
  Changed();
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) return;
  if (Item->FParent) throw EInvalidOperation(L"Menu inserted twice");
  if (Index < 0 || Index > Count()) throw EListError(L"Menu index out of range");
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  Item->FParent = nullptr;
  Changed();
}

void TMenuItem::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError(L"Menu index out of range");
  Free(FItems[Index]);
}

void TMenuItem::Clear() {
  // Out of the list first: an item already being freed is left to its free.
  while (!FItems.empty()) {
    TMenuItem* item = FItems.back();
    Remove(item);
    Free(item);
  }
}

TMenuItem* TMenuItem::FindItem(uint16_t Command) {
  if (FCommand == Command && FParent) return this;
  for (TMenuItem* item : FItems)
    if (TMenuItem* found = item->FindItem(Command)) return found;
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut Value) {
  for (TMenuItem* item : FItems) {
    if (item->FShortCut == Value && !item->IsLine()) return item;
    if (TMenuItem* found = item->FindShortCut(Value)) return found;
  }
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu;
}

void TMenuItem::RethinkLines() {
  TMenuItem* lastLine = nullptr;
  bool anyBefore = false;  // a visible non-line item since the last line kept
  for (TMenuItem* item : FItems) {
    if (item->IsLine()) {
      item->FVisible = anyBefore;
      if (anyBefore) lastLine = item;
      anyBefore = false;
    } else if (item->FVisible) {
      anyBefore = true;
      lastLine = nullptr;
    }
  }
  if (lastLine) lastLine->FVisible = false;
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  // An OnClick of its own wins over the linked action.
  if (OnClick) OnClick(this);
  else if (FActionLink) FActionLink->Execute(this);
}

void TMenuItem::SetAction(TBasicAction* Value) {
  if (!Value) {
    FActionLink.reset();
    return;
  }
  if (!FActionLink) FActionLink = std::make_unique<TMenuActionLink>(this);
  FActionLink->SetAction(Value);
  Value->FreeNotification(this);
  ActionChange(Value);
}

void TMenuItem::ActionChange(TBasicAction* Sender) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  FCaption = action->Caption();
  FEnabled = action->Enabled();
  FVisible = action->Visible();
  FHint = action->Hint();
  FImageIndex = action->ImageIndex();
  FShortCut = action->ShortCut();
  SetChecked(action->Checked());  // last: it tells the menu of every change
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
}

void TMenuActionLink::ActionChanged() { FClient->ActionChange(FAction); }

// ---------------------------------------------------------------------------
// TMenu and TPopupMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) { FItems->FMenu = this; }

TMenu::~TMenu() { Free(FItems); }

bool TMenu::DispatchCommand(uint16_t Command) {
  TMenuItem* item = FItems->FindItem(Command);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::SetImages(TCustomImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

namespace {

// Adds Parent's visible items to a system menu, a submenu for each item with items.
void AppendSystemItems(HMENU menu, TMenuItem* Parent);

HMENU BuildSystemMenu(TMenuItem* Parent) {
  HMENU menu = CreatePopupMenu();
  AppendSystemItems(menu, Parent);
  return menu;
}

void AppendSystemItems(HMENU menu, TMenuItem* Parent) {
  for (int i = 0; i < Parent->Count(); ++i) {
    TMenuItem* item = Parent->Items(i);
    if (!item->Visible()) continue;
    if (item->IsLine()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item->Checked()) flags |= MF_CHECKED;
    if (!item->Enabled()) flags |= MF_GRAYED;
    String text = item->Caption();
    if (item->ShortCut()) text += L"\t" + ShortCutToText(item->ShortCut());
    if (item->Count() > 0) AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(BuildSystemMenu(item)), text.c_str());
    else AppendMenuW(menu, flags, item->Command(), text.c_str());
  }
}

}  // namespace

TMainMenu::~TMainMenu() { SetWindowHandle(nullptr); }

namespace {

// Gives the window its menu bar. The system lets the mouse capture go on the
// way; a window that held it gets it back, or the user's drag of its frame
// (the system's move or size loop holds it) would miss the button coming up
// and go on sizing after it.
void SetMenuKeepingCapture(HWND Window, HMENU Bar) {
  const bool captured = GetCapture() == Window;
  ::SetMenu(Window, Bar);
  if (captured && GetCapture() != Window) SetCapture(Window);
}

}  // namespace

void TMainMenu::SetWindowHandle(HWND Value) {
  if (FWindowHandle == Value) return;
  if (FWindowHandle && IsWindow(FWindowHandle) && GetMenu(FWindowHandle) == FMenuBar)
    SetMenuKeepingCapture(FWindowHandle, nullptr);
  if (FMenuBar) DestroyMenu(FMenuBar);  // destroys the submenus too
  FMenuBar = nullptr;
  FWindowHandle = Value;
  MenuChanged();
}

void TMainMenu::MenuChanged() {
  if (!FWindowHandle) return;
  // Built anew: the bar is small, and a new one cannot drift from the items.
  HMENU bar = CreateMenu();
  AppendSystemItems(bar, Items());
  // The frame makes room and redraws its bar: a DrawMenuBar after it would
  // change the frame and redraw the whole window a second time.
  SetMenuKeepingCapture(FWindowHandle, bar);
  if (FMenuBar) DestroyMenu(FMenuBar);
  FMenuBar = bar;
}

void TPopupMenu::Popup(int X, int Y) {
  const TLibraryScope scope(this);
  if (OnPopup) OnPopup(this);
  // Freed by its OnPopup: no menu opens.
  if (TornDown()) return;
  if (AutoLineReduction() == maAutomatic) Items()->RethinkLines();
  HMENU menu = BuildSystemMenu(Items());
  HWND owner = Application->Handle();
  SetForegroundWindow(owner);
  const UINT command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON, X, Y, 0, owner, nullptr);
  DestroyMenu(menu);  // destroys the submenus too
  PostMessageW(owner, WM_NULL, 0, 0);
  // The menu's own loop runs the program's timers and messages, which may free it too.
  if (command && !TornDown()) DispatchCommand(static_cast<uint16_t>(command));
}
