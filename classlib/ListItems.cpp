// Columns and items of the list view, mirrored into the system control.
#include <algorithm>

#include "classlib/ListView.h"
#include "classlib/SystemCallback.h"

namespace {

LRESULT SendList(const TCustomListView* List, UINT Msg, WPARAM W, LPARAM L) {
  return List->HandleAllocated() ? SendMessageW(const_cast<TCustomListView*>(List)->Handle(), Msg, W, L) : 0;
}

int ColumnFormat(TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify: return LVCFMT_RIGHT;
    case taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// TListColumn

void TListColumn::Assign(TPersistent* Source) {
  auto* column = dynamic_cast<TListColumn*>(Source);
  if (!column) {
    TPersistent::Assign(Source);
    return;
  }
  FCaption = column->FCaption;
  FWidth = column->Width();
  FAlignment = column->FAlignment;
  FImageIndex = column->FImageIndex;
  Update();
}

int TListColumn::Index() const {
  auto& items = FOwner->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TListColumn::SetCaption(const String& Value) {
  FCaption = Value;
  Update();
}

int TListColumn::Width() const {
  TCustomListView* list = FOwner->FOwner;
  if (list->HandleAllocated() && list->ViewStyle() == vsReport)
    return static_cast<int>(SendList(list, LVM_GETCOLUMNWIDTH, Index(), 0));
  return FWidth;
}

void TListColumn::SetWidth(int Value) {
  FWidth = Value;
  Update();
}

void TListColumn::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Update();
}

void TListColumn::SetImageIndex(int Value) {
  FImageIndex = Value;
  Update();
}

void TListColumn::Update() {
  TCustomListView* list = FOwner->FOwner;
  if (!list->HandleAllocated()) return;
  LVCOLUMNW c = {};
  c.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_IMAGE;
  c.fmt = ColumnFormat(FAlignment) | (FImageIndex >= 0 ? LVCFMT_IMAGE : 0);
  c.cx = FWidth;
  c.pszText = const_cast<wchar_t*>(FCaption.c_str());
  c.iImage = FImageIndex;
  SendList(list, LVM_SETCOLUMNW, Index(), reinterpret_cast<LPARAM>(&c));
}

// ---------------------------------------------------------------------------
// TListColumns

TListColumns::~TListColumns() {
  for (TListColumn* c : FItems) delete c;
}

TListColumn* TListColumns::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(L"List index out of bounds (" + IntToStr(Index) + L")");
  return FItems[Index];
}

TListColumn* TListColumns::Add() {
  auto* column = new TListColumn(this);
  FItems.push_back(column);
  if (FOwner->HandleAllocated()) {
    LVCOLUMNW c = {};
    c.mask = LVCF_WIDTH | LVCF_TEXT;
    c.cx = column->FWidth;
    c.pszText = const_cast<wchar_t*>(L"");
    SendList(FOwner, LVM_INSERTCOLUMNW, Count() - 1, reinterpret_cast<LPARAM>(&c));
    column->Update();
  }
  return column;
}

void TListColumns::Delete(int Index) {
  TListColumn* column = Items(Index);
  FItems.erase(FItems.begin() + Index);
  delete column;
  SendList(FOwner, LVM_DELETECOLUMN, Index, 0);
}

void TListColumns::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}

// ---------------------------------------------------------------------------
// TListItem

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(std::make_unique<TStringList>()) {
  FSubItems->OnChange = [this](TObject*) { SubItemsChanged(); };
}

TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const { return FOwner->FOwner; }

void TListItem::Assign(TPersistent* Source) {
  auto* item = dynamic_cast<TListItem*>(Source);
  if (!item) {
    TPersistent::Assign(Source);
    return;
  }
  SetCaption(item->FCaption);
  FSubItems->Assign(item->FSubItems.get());
  FData = item->FData;
  SetImageIndex(item->FImageIndex);
  SetStateIndex(item->FStateIndex);
}

int TListItem::Index() const { return FOwner->IndexOf(this); }

void TListItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  TCustomListView* list = ListView();
  if (!list->HandleAllocated()) return;
  // The window keeps only the callback marker: setting it again makes it ask for the new text.
  list->FManualNotify = true;
  LVITEMW item = {};
  item.pszText = LPSTR_TEXTCALLBACKW;
  SendList(list, LVM_SETITEMTEXTW, Index(), reinterpret_cast<LPARAM>(&item));
  list->FManualNotify = false;
  list->Change(this, ctText);
}

void TListItem::SubItemsChanged() {
  TCustomListView* list = ListView();
  if (!list->HandleAllocated() || FDeleting || FOwner->FUpdateCount > 0) return;
  const int index = Index();
  if (index >= 0) SendList(list, LVM_REDRAWITEMS, index, index);
}

void TListItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  LVITEMW item = {};
  item.mask = LVIF_IMAGE;
  item.iItem = Index();
  item.iImage = Value;
  SendList(ListView(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TListItem::SetStateIndex(int Value) {
  if (FStateIndex == Value) return;
  FStateIndex = Value;
  LVITEMW item = {};
  item.state = INDEXTOSTATEIMAGEMASK(std::max(0, Value));
  item.stateMask = LVIS_STATEIMAGEMASK;
  SendList(ListView(), LVM_SETITEMSTATE, Index(), reinterpret_cast<LPARAM>(&item));
}

bool TListItem::State(UINT Flag) const {
  TCustomListView* list = ListView();
  if (!list->HandleAllocated()) return (FState & Flag) != 0;
  return (SendList(list, LVM_GETITEMSTATE, Index(), Flag) & Flag) != 0;
}

void TListItem::SetState(UINT Flag, bool Value) {
  FState = Value ? FState | Flag : FState & ~Flag;
  LVITEMW item = {};
  item.state = Value ? Flag : 0;
  item.stateMask = Flag;
  SendList(ListView(), LVM_SETITEMSTATE, Index(), reinterpret_cast<LPARAM>(&item));
}

TRect TListItem::DisplayRect(int Code) const {
  RECT r = {Code, 0, 0, 0};
  if (!SendList(ListView(), LVM_GETITEMRECT, Index(), reinterpret_cast<LPARAM>(&r))) r = {0, 0, 0, 0};
  return Rect(r.left, r.top, r.right, r.bottom);
}

void TListItem::MakeVisible(bool PartialOK) { SendList(ListView(), LVM_ENSUREVISIBLE, Index(), PartialOK); }

bool TListItem::EditCaption() {
  TCustomListView* list = ListView();
  if (list->HandleAllocated()) list->FocusIfAble();
  return SendList(list, LVM_EDITLABELW, Index(), 0) != 0;
}

void TListItem::Delete() {
  if (!FDeleting) FOwner->Delete(Index());
}

// ---------------------------------------------------------------------------
// TListItems

TListItems::~TListItems() { Clear(); }

TListItem* TListItems::Item(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(L"List index out of bounds (" + IntToStr(Index) + L")");
  return FItems[Index];
}

int TListItems::IndexOf(const TListItem* Value) const {
  // From the end: the item just added is the one most often asked for.
  auto it = std::find(FItems.rbegin(), FItems.rend(), Value);
  return it == FItems.rend() ? -1 : static_cast<int>(FItems.rend() - it) - 1;
}

TListItem* TListItems::Insert(int Index) {
  Index = std::max(0, std::min(Index, Count()));
  auto* item = new TListItem(this);
  FItems.insert(FItems.begin() + Index, item);
  if (FOwner->HandleAllocated()) FOwner->InsertWindowItem(Index, item);
  FOwner->InsertItem(item);
  return item;
}

void TListItems::Delete(int Index) {
  TListItem* item = Item(Index);
  if (item->FDeleting) return;
  item->FDeleting = true;
  {
    // OnDeletion may add or delete items, or free the list: its teardown
    // leaves this item to this call (Clear), with the list held until then.
    const TLibraryScope hold(FOwner);
    FOwner->Delete(item);
    if (Index >= Count() || FItems[Index] != item) Index = IndexOf(item);
    if (Index >= 0) {
      FItems.erase(FItems.begin() + Index);
      if (FOwner->HandleAllocated()) {
        FOwner->FManualNotify = true;
        SendMessageW(FOwner->Handle(), LVM_DELETEITEM, Index, 0);
        FOwner->FManualNotify = false;
      }
    }
  }
  delete item;
}

void TListItems::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  if (FOwner->HandleAllocated()) {
    FOwner->FManualNotify = true;
    SendMessageW(FOwner->Handle(), LVM_DELETEALLITEMS, 0, 0);
    FOwner->FManualNotify = false;
  }
  std::vector<TListItem*> items;
  items.swap(FItems);
  // The list runs this from its destructor too: every item goes whatever a
  // handler throws, and the exception goes to the application.
  for (TListItem* item : items) {
    if (item->FDeleting) continue;  // a Delete further up the stack finishes it
    item->FDeleting = true;
    try {
      FOwner->Delete(item);
    } catch (...) {
      ReportCallbackException(FOwner);
    }
    delete item;
  }
  EndUpdate();
}

void TListItems::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TListItems*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  Clear();
  for (TListItem* item : source->FItems) Add()->Assign(item);
  EndUpdate();
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0) SendList(FOwner, WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner->HandleAllocated()) return;
  SendMessageW(FOwner->Handle(), WM_SETREDRAW, TRUE, 0);
  FOwner->Invalidate();
}
