// TCustomListView: the SysListView32 window, its styles, image lists and notifications.
#include <algorithm>
#include <unordered_map>

#include "classlib/HeldSort.h"
#include "classlib/ListView.h"

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner),
      FListItems(std::make_unique<TListItems>(this)),
      FListColumns(std::make_unique<TListColumns>(this)) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  FWidth = 250;
  FHeight = 150;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
}

TCustomListView::~TCustomListView() {
  if (!FTornDownControl) TCustomListView::BeforeDestruction();
}

void TCustomListView::BeforeDestruction() {
  if (FTornDownControl) return;
  // The items go while the list is whole, so OnDeletion sees each of them.
  FListItems->Clear();
  TWinControl::BeforeDestruction();
}

namespace {

DWORD ViewStyleBits(TViewStyle Style) {
  switch (Style) {
    case vsSmallIcon: return LVS_SMALLICON;
    case vsList: return LVS_LIST;
    case vsReport: return LVS_REPORT;
    default: return LVS_ICON;
  }
}

constexpr DWORD kOwnStyles = LVS_TYPEMASK | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS;

}  // namespace

void TCustomListView::CreateParams(TCreateParams& Params) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, WC_LISTVIEWW);
  // The image lists belong to their components, not to the window.
  Params.Style |= LVS_SHAREIMAGELISTS | ViewStyleBits(FViewStyle);
  if (!FShowColumnHeaders) Params.Style |= LVS_NOCOLUMNHEADER;
  if (!FMultiSelect) Params.Style |= LVS_SINGLESEL;
  if (!FHideSelection) Params.Style |= LVS_SHOWSELALWAYS;
  if (!FReadOnly) Params.Style |= LVS_EDITLABELS;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateHandleDone() {
  SendMessageW(FHandle, LVM_SETBKCOLOR, 0, ColorToRGB(FColor));
  SendMessageW(FHandle, LVM_SETTEXTBKCOLOR, 0, ColorToRGB(FColor));
  SendMessageW(FHandle, LVM_SETTEXTCOLOR, 0, ColorToRGB(FFont->Color()));
  UpdateExtendedStyle();
  UpdateImageLists();
  UpdateColumns();
  // A new window (first, or re-created) gets the items back with their states.
  if (FListItems->FItems.empty()) return;
  FManualNotify = true;
  SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
  SendMessageW(FHandle, LVM_SETITEMCOUNT, FListItems->Count(), 0);
  for (int i = 0; i < FListItems->Count(); ++i) InsertWindowItem(i, FListItems->FItems[i]);
  if (!Updating()) SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  FManualNotify = false;
}

void TCustomListView::InsertWindowItem(int Index, TListItem* Item) {
  LVITEMW lv = {};
  lv.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  lv.iItem = Index;
  lv.pszText = LPSTR_TEXTCALLBACKW;
  lv.iImage = Item->FImageIndex;
  lv.lParam = reinterpret_cast<LPARAM>(Item);
  lv.state = Item->FState | INDEXTOSTATEIMAGEMASK(std::max(0, Item->FStateIndex));
  lv.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED | LVIS_STATEIMAGEMASK;
  const bool manual = FManualNotify;
  FManualNotify = true;
  SendMessageW(FHandle, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
  FManualNotify = manual;
}

void TCustomListView::UpdateColumns() {
  for (int i = 0; i < FListColumns->Count(); ++i) {
    TListColumn* column = FListColumns->FItems[i];
    LVCOLUMNW c = {};
    c.mask = LVCF_WIDTH | LVCF_TEXT;
    c.cx = column->FWidth;
    c.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(FHandle, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&c));
    column->Update();
  }
}

void TCustomListView::WMDestroy(TMessage& Message) {
  // The items and columns keep what the window knew, for a later window.
  const UINT keep = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED;
  for (int i = 0; i < FListItems->Count(); ++i)
    FListItems->FItems[i]->FState = static_cast<UINT>(SendMessageW(FHandle, LVM_GETITEMSTATE, i, keep));
  if (FViewStyle == vsReport)
    for (TListColumn* c : FListColumns->FItems) c->FWidth = c->Width();
  FManualNotify = true;
  TWinControl::WMDestroy(Message);
  FManualNotify = false;
}

// ---------------------------------------------------------------------------
// Notifications

void TCustomListView::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(Message); return;
    case WM_DESTROY: WMDestroy(Message); return;
    case CM_COLORCHANGED:
      if (FHandle) {
        SendMessageW(FHandle, LVM_SETBKCOLOR, 0, ColorToRGB(FColor));
        SendMessageW(FHandle, LVM_SETTEXTBKCOLOR, 0, ColorToRGB(FColor));
      }
      break;
    case CM_FONTCHANGED:
      if (FHandle) SendMessageW(FHandle, LVM_SETTEXTCOLOR, 0, ColorToRGB(FFont->Color()));
      break;
  }
  TWinControl::Dispatch(Message);
}

namespace {

int ItemChangeOf(UINT Changed) {
  if (Changed & LVIF_TEXT) return ctText;
  if (Changed & LVIF_IMAGE) return ctImage;
  return ctState;
}

}  // namespace

void TCustomListView::CNNotify(TMessage& Message) {
  auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam);
  auto* nm = reinterpret_cast<NMLISTVIEW*>(Message.LParam);
  Message.Result = 0;
  auto itemAt = [this](int Index) { return Index >= 0 && Index < FListItems->Count() ? FListItems->FItems[Index] : nullptr; };
  switch (hdr->code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& lv = reinterpret_cast<NMLVDISPINFOW*>(Message.LParam)->item;
      TListItem* item = itemAt(lv.iItem);
      if (!item || !(lv.mask & LVIF_TEXT) || !lv.pszText || lv.cchTextMax <= 0) return;
      String text;
      if (lv.iSubItem == 0) text = item->FCaption;
      else if (lv.iSubItem <= item->FSubItems->Count()) text = item->FSubItems->Strings(lv.iSubItem - 1);
      const size_t n = std::min(text.size(), static_cast<size_t>(lv.cchTextMax - 1));
      std::copy_n(text.data(), n, lv.pszText);
      lv.pszText[n] = L'\0';
      return;
    }
    case LVN_ITEMCHANGING: {
      TListItem* item = itemAt(nm->iItem);
      if (!FManualNotify && item) Message.Result = CanChange(item, ItemChangeOf(nm->uChanged)) ? 0 : 1;
      return;
    }
    case LVN_ITEMCHANGED: {
      TListItem* item = itemAt(nm->iItem);
      if (FManualNotify || !item) return;
      Change(item, ItemChangeOf(nm->uChanged));
      if ((nm->uChanged & LVIF_STATE) && ((nm->uOldState ^ nm->uNewState) & LVIS_SELECTED) && OnSelectItem)
        OnSelectItem(this, item, (nm->uNewState & LVIS_SELECTED) != 0);
      return;
    }
    case LVN_COLUMNCLICK:
      if (nm->iSubItem >= 0 && nm->iSubItem < FListColumns->Count()) ColClick(FListColumns->FItems[nm->iSubItem]);
      return;
    case LVN_BEGINLABELEDITW: Message.Result = FReadOnly ? 1 : 0; return;
    case LVN_ENDLABELEDITW: {
      LVITEMW& lv = reinterpret_cast<NMLVDISPINFOW*>(Message.LParam)->item;
      if (TListItem* item = itemAt(lv.iItem))
        if (lv.pszText) item->SetCaption(lv.pszText);
      return;
    }
  }
}

bool TCustomListView::CanChange(TListItem* Item, int Change) {
  bool allow = true;
  if (OnChanging) OnChanging(this, Item, static_cast<TItemChange>(Change), allow);
  return allow;
}

void TCustomListView::Change(TListItem* Item, int Change) {
  if (OnChange) OnChange(this, Item, static_cast<TItemChange>(Change));
}

void TCustomListView::InsertItem(TListItem* Item) {
  if (OnInsert) OnInsert(this, Item);
}

void TCustomListView::Delete(TListItem* Item) {
  if (OnDeletion) OnDeletion(this, Item);
}

void TCustomListView::ColClick(TListColumn* Column) {
  if (OnColumnClick) OnColumnClick(this, Column);
}

// ---------------------------------------------------------------------------
// Selection, geometry and sorting

TListItem* TCustomListView::Selected() const {
  if (!FHandle) {
    for (TListItem* item : FListItems->FItems)
      if (item->FState & LVIS_SELECTED) return item;
    return nullptr;
  }
  const int i = static_cast<int>(SendMessageW(FHandle, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
  return i >= 0 && i < FListItems->Count() ? FListItems->FItems[i] : nullptr;
}

void TCustomListView::SetSelected(TListItem* Value) {
  for (TListItem* item : FListItems->FItems) item->FState &= ~LVIS_SELECTED;
  if (FHandle) {
    LVITEMW none = {};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  }
  if (Value) Value->SetSelected(true);
}

int TCustomListView::SelCount() const {
  if (FHandle) return static_cast<int>(SendMessageW(FHandle, LVM_GETSELECTEDCOUNT, 0, 0));
  return static_cast<int>(std::count_if(FListItems->FItems.begin(), FListItems->FItems.end(),
                                        [](TListItem* i) { return (i->FState & LVIS_SELECTED) != 0; }));
}

TListItem* TCustomListView::ItemFocused() const {
  if (!FHandle) return nullptr;
  const int i = static_cast<int>(SendMessageW(FHandle, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  return i >= 0 && i < FListItems->Count() ? FListItems->FItems[i] : nullptr;
}

void TCustomListView::SetItemFocused(TListItem* Value) {
  if (Value) Value->SetFocused(true);
  else if (TListItem* focused = ItemFocused()) focused->SetFocused(false);
}

TListItem* TCustomListView::TopItem() const {
  if (!FHandle || FListItems->FItems.empty()) return nullptr;
  const int i = static_cast<int>(SendMessageW(FHandle, LVM_GETTOPINDEX, 0, 0));
  return i >= 0 && i < FListItems->Count() ? FListItems->FItems[i] : nullptr;
}

TListItem* TCustomListView::GetItemAt(int X, int Y) const {
  if (!FHandle) return nullptr;
  LVHITTESTINFO hit = {};
  hit.pt = {X, Y};
  const int i = static_cast<int>(SendMessageW(FHandle, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return i >= 0 && i < FListItems->Count() && (hit.flags & LVHT_ONITEM) ? FListItems->FItems[i] : nullptr;
}

int TCustomListView::VisibleRowCount() const {
  return FHandle ? static_cast<int>(SendMessageW(FHandle, LVM_GETCOUNTPERPAGE, 0, 0)) : 0;
}

void TCustomListView::Scroll(int DX, int DY) {
  if (FHandle) SendMessageW(FHandle, LVM_SCROLL, DX, DY);
}

HWND TCustomListView::HeaderHandle() const {
  return FHandle ? reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETHEADER, 0, 0)) : nullptr;
}

int TCustomListView::Compare(TListItem* Item1, TListItem* Item2) {
  int result = 0;
  if (OnCompare) {
    OnCompare(this, Item1, Item2, 0, result);
    return result;
  }
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Item1->Caption().c_str(), -1, Item2->Caption().c_str(),
                        -1) -
         2;
}

namespace {

int CALLBACK CompareRanks(LPARAM A, LPARAM B, LPARAM Ranks) {
  auto& rank = *reinterpret_cast<std::unordered_map<LPARAM, int>*>(Ranks);
  return rank[A] - rank[B];
}

}  // namespace

void TCustomListView::AlphaSort() {
  // A handler of OnCompare may free the list or add or delete items: the
  // sort then stops and the order stays as it was.
  auto& items = FListItems->FItems;
  std::vector<TListItem*> sorted = items;
  const size_t count = items.size();
  if (!SortHeld(this, sorted, [&](TListItem* a, TListItem* b) { return items.size() == count && Compare(a, b) < 0; }) ||
      items.size() != count)
    return;
  items = sorted;
  if (!FHandle) return;
  // The window takes the same order: its comparison reads the sorted places.
  std::unordered_map<LPARAM, int> rank;
  for (size_t i = 0; i < items.size(); ++i) rank[reinterpret_cast<LPARAM>(items[i])] = static_cast<int>(i);
  SendMessageW(FHandle, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&rank), reinterpret_cast<LPARAM>(CompareRanks));
}

// ---------------------------------------------------------------------------
// Properties

void TCustomListView::UpdateStyle() {
  if (!FHandle) return;
  TCreateParams params;
  CreateParams(params);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(FHandle, GWL_STYLE));
  SetWindowLongW(FHandle, GWL_STYLE, static_cast<LONG>((style & ~kOwnStyles) | (params.Style & kOwnStyles)));
  Invalidate();
}

void TCustomListView::UpdateExtendedStyle() {
  if (!FHandle) return;
  const DWORD mask = LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  DWORD ex = 0;
  if (FFullDrag) ex |= LVS_EX_HEADERDRAGDROP;
  if (FRowSelect) ex |= LVS_EX_FULLROWSELECT;
  if (FGridLines) ex |= LVS_EX_GRIDLINES;
  SendMessageW(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, ex);
}

void TCustomListView::SetStyleFlag(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  UpdateStyle();
}

void TCustomListView::SetViewStyle(TViewStyle Value) {
  if (FViewStyle == Value) return;
  FViewStyle = Value;
  UpdateStyle();
}

void TCustomListView::SetShowColumnHeaders(bool Value) { SetStyleFlag(FShowColumnHeaders, Value); }
void TCustomListView::SetMultiSelect(bool Value) { SetStyleFlag(FMultiSelect, Value); }
void TCustomListView::SetHideSelection(bool Value) { SetStyleFlag(FHideSelection, Value); }
void TCustomListView::SetReadOnly(bool Value) { SetStyleFlag(FReadOnly, Value); }

void TCustomListView::SetFullDrag(bool Value) {
  FFullDrag = Value;
  UpdateExtendedStyle();
}

void TCustomListView::SetRowSelect(bool Value) {
  FRowSelect = Value;
  UpdateExtendedStyle();
}

void TCustomListView::SetGridLines(bool Value) {
  FGridLines = Value;
  UpdateExtendedStyle();
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListView::SetLargeImages(TCustomImageList* Value) {
  FLargeImages = Value;
  if (Value) Value->FreeNotification(this);
  UpdateImageLists();
}

void TCustomListView::SetSmallImages(TCustomImageList* Value) {
  FSmallImages = Value;
  if (Value) Value->FreeNotification(this);
  UpdateImageLists();
}

void TCustomListView::SetStateImages(TCustomImageList* Value) {
  FStateImages = Value;
  if (Value) Value->FreeNotification(this);
  UpdateImageLists();
}

void TCustomListView::UpdateImageLists() {
  if (!FHandle) return;
  auto handle = [](TCustomImageList* List) { return reinterpret_cast<LPARAM>(List ? List->Handle() : nullptr); };
  SendMessageW(FHandle, LVM_SETIMAGELIST, LVSIL_NORMAL, handle(FLargeImages));
  SendMessageW(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL, handle(FSmallImages));
  SendMessageW(FHandle, LVM_SETIMAGELIST, LVSIL_STATE, handle(FStateImages));
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FLargeImages) SetLargeImages(nullptr);
  if (AComponent == FSmallImages) SetSmallImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}
