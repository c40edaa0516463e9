// TCustomListBox over the system LISTBOX class, and its items.
#include <algorithm>

#include "classlib/StdCtrls.h"

TOwnerDrawState OwnerDrawStateOf(unsigned ItemState) {
  TOwnerDrawState s;
  if (ItemState & ODS_SELECTED) s.Include(odSelected);
  if (ItemState & ODS_GRAYED) s.Include(odGrayed);
  if (ItemState & ODS_DISABLED) s.Include(odDisabled);
  if (ItemState & ODS_CHECKED) s.Include(odChecked);
  if (ItemState & ODS_FOCUS) s.Include(odFocused);
  if (ItemState & ODS_DEFAULT) s.Include(odDefault);
  if (ItemState & ODS_COMBOBOXEDIT) s.Include(odComboBoxEdit);
  return s;
}

// ---------------------------------------------------------------------------
// TListBoxStrings

HWND TListBoxStrings::Window() const {
  return FListBox->HandleAllocated() ? const_cast<TCustomListBox*>(FListBox)->Handle() : nullptr;
}

HWND TListBoxStrings::CountOnlyWindow() const { return FListBox->FCountOnly ? Window() : nullptr; }

// The window while it holds the items; else they are in FSaved.
HWND TListBoxStrings::SystemItems() const { return FListBox->FCountOnly ? nullptr : Window(); }

// Mirrors an item put at Index in FSaved into the count-only window.
void TListBoxStrings::InsertCounted(HWND Window, int Index) {
  if (SendMessageW(Window, LB_INSERTSTRING, Index, 0) >= 0) return;
  FListBox->FSaved->Delete(Index);
  throw EOutOfResources(L"Insufficient space for the list box's items");
}

void TListBoxStrings::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
}

int TListBoxStrings::GetCount() const {
  HWND w = SystemItems();
  return w ? static_cast<int>(SendMessageW(w, LB_GETCOUNT, 0, 0)) : FListBox->FSaved->Count();
}

String TListBoxStrings::Get(int Index) const {
  HWND w = SystemItems();
  if (!w) return FListBox->FSaved->Strings(Index);
  CheckIndex(Index);
  const LRESULT len = SendMessageW(w, LB_GETTEXTLEN, Index, 0);
  String s(static_cast<size_t>(len < 0 ? 0 : len) + 1, L'\0');
  const LRESULT got = SendMessageW(w, LB_GETTEXT, Index, reinterpret_cast<LPARAM>(&s[0]));
  s.resize(got < 0 ? 0 : static_cast<size_t>(got));
  return s;
}

TObject* TListBoxStrings::GetObjectAt(int Index) const {
  HWND w = SystemItems();
  if (!w) return FListBox->FSaved->Objects(Index);
  CheckIndex(Index);
  return reinterpret_cast<TObject*>(SendMessageW(w, LB_GETITEMDATA, Index, 0));
}

void TListBoxStrings::PutObjectAt(int Index, TObject* AObject) {
  HWND w = SystemItems();
  if (!w) {
    FListBox->FSaved->SetObjects(Index, AObject);
    return;
  }
  CheckIndex(Index);
  SendMessageW(w, LB_SETITEMDATA, Index, reinterpret_cast<LPARAM>(AObject));
}

int TListBoxStrings::Add(const String& S) { return AddObject(S, nullptr); }

int TListBoxStrings::AddObject(const String& S, TObject* AObject) {
  // Items go to the string list first and to the window after, and leave
  // the window first: a paint in between never meets an item not held.
  if (HWND counted = CountOnlyWindow()) {
    const int i = FListBox->FSaved->AddObject(S, AObject);
    InsertCounted(counted, i);
    return i;
  }
  HWND w = Window();
  if (!w) {
    const int i = FListBox->FSaved->AddObject(S, AObject);
    FListBox->SavedItemsMoved(i, 1);
    return i;
  }
  const LRESULT i = SendMessageW(w, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str()));
  if (i < 0) throw EOutOfResources(L"Insufficient space for the list box's items");
  if (AObject) SendMessageW(w, LB_SETITEMDATA, i, reinterpret_cast<LPARAM>(AObject));
  return static_cast<int>(i);
}

void TListBoxStrings::Insert(int Index, const String& S) {
  // A sorted list decides the position itself.
  if (FListBox->FSorted) {
    Add(S);
    return;
  }
  if (Index < 0 || Index > GetCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  HWND w = Window();
  if (!w || FListBox->FCountOnly) {
    FListBox->FSaved->Insert(Index, S);
    if (w) InsertCounted(w, Index);
    else FListBox->SavedItemsMoved(Index, 1);
    return;
  }
  if (SendMessageW(w, LB_INSERTSTRING, Index, reinterpret_cast<LPARAM>(S.c_str())) < 0)
    throw EOutOfResources(L"Insufficient space for the list box's items");
}

void TListBoxStrings::Put(int Index, const String& S) {
  HWND w = Window();
  if (!w || (FListBox->FCountOnly && !FListBox->FSorted)) {
    if (w) FListBox->HeldItemRenaming(Index);
    FListBox->FSaved->SetStrings(Index, S);
    if (w) FListBox->HeldItemRenamed(Index);
    else FListBox->WindowlessChanged(Index);
    return;
  }
  CheckIndex(Index);
  // The system list cannot rename an item: it is replaced in place, keeping
  // its object and its selection.
  const int item = FListBox->ItemIndex();
  const bool selected = FListBox->Selected(Index);
  TObject* object = GetObjectAt(Index);
  Delete(Index);
  const int at = FListBox->FSorted ? Add(S) : (Insert(Index, S), Index);
  PutObjectAt(at, object);
  if (selected) FListBox->SetSelected(at, true);
  if (item != Index) return;
  // The focused item stays focused; in a list of many that alone, for
  // ItemIndex there would select it only.
  if (FListBox->FMultiSelect) SendMessageW(w, LB_SETCARETINDEX, at, FALSE);
  else FListBox->SetItemIndex(at);
}

void TListBoxStrings::Delete(int Index) {
  HWND w = Window();
  if (!w) {
    FListBox->FSaved->Delete(Index);
    FListBox->SavedItemsMoved(Index, -1);
    return;
  }
  CheckIndex(Index);
  SendMessageW(w, LB_DELETESTRING, Index, 0);
  if (FListBox->FCountOnly) FListBox->FSaved->Delete(Index);
}

void TListBoxStrings::Clear() {
  HWND w = Window();
  if (w) SendWithoutDeleteItems(w, LB_RESETCONTENT, 0, 0);
  if (!SystemItems()) FListBox->FSaved->Clear();
  if (!w) {
    FListBox->WindowlessChanged(0);
    FListBox->FSavedItemIndex = -1;
    FListBox->FSavedSelection.clear();
  }
}

int TListBoxStrings::IndexOf(const String& S) const {
  HWND w = SystemItems();
  if (!w) return FListBox->FSaved->IndexOf(S);
  if (GetCount() == 0) return -1;
  // LB_FINDSTRINGEXACT starts after the given index and ignores case, as
  // string lists compare.
  const LRESULT i = SendMessageW(w, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(S.c_str()));
  return i < 0 ? -1 : static_cast<int>(i);
}

void TListBoxStrings::SetUpdateState(bool Updating) {
  HWND w = Window();
  if (!w) return;
  SendMessageW(w, WM_SETREDRAW, !Updating, 0);
  if (!Updating) InvalidateRect(w, nullptr, TRUE);
}

// ---------------------------------------------------------------------------
// TCustomListBox

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TListBoxStrings>(this)),
      FSaved(std::make_unique<TStringList>()),
      FCanvas(std::make_unique<TControlCanvas>(this)) {
  FControlStyle = {csSetCaption, csDoubleClicks};
  FWidth = 121;
  FHeight = 97;
  FTabStop = true;
  FSaved->SetDuplicates(dupAccept);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() {
  // The window goes first, while the items it saves still have a home.
  if (!FTornDownControl) TWinControl::BeforeDestruction();
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"LISTBOX");
  Params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
  if (FSorted) Params.Style |= LBS_SORT;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) Params.Style |= LBS_MULTICOLUMN;
  if (FStyle == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED;
  if (WindowHoldsNoItems()) Params.Style = (Params.Style & ~(LBS_HASSTRINGS | LBS_SORT)) | LBS_NODATA;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  // The list scrolls by itself; redrawing the whole of it on every resize
  // only flickers.
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListBox::CreateWnd() {
  FCountOnly = WindowHoldsNoItems();
  TWinControl::CreateWnd();
  if (FStyle == lbOwnerDrawFixed) SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
  const int n = FSaved->Count();
  if (FCountOnly) {
    // The window answers the text messages from the held items (Dispatch):
    // its style says so to those who ask (the system packs an item's text
    // for another process, or for a caller of the ANSI messages, only for a
    // list with strings), while the system list, made without strings, is
    // never told (WM_STYLECHANGED).
    SetWindowLongW(FHandle, GWL_STYLE, GetWindowLongW(FHandle, GWL_STYLE) | LBS_HASSTRINGS);
    if (n > 0 && SendMessageW(FHandle, LB_SETCOUNT, n, 0) < 0)
      throw EOutOfResources(L"Insufficient space for the list box's items");
  } else if (n > 0) {
    SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
    SendMessageW(FHandle, LB_INITSTORAGE, n, 0);
    for (int i = 0; i < n; ++i) FItems->AddObject(FSaved->Strings(i), FSaved->Objects(i));
    SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
    FSaved->Clear();
  }
  SetColumnWidth();
  SetItemIndex(FSavedItemIndex);
  if (FMultiSelect)
    for (int i : FSavedSelection) SendMessageW(FHandle, LB_SETSEL, TRUE, i);
  FSavedSelection.clear();
  SetTopIndex(FSavedTopIndex);
}

void TCustomListBox::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  SetColumnWidth();
}

void TCustomListBox::DestroyWnd() {
  // A control being freed keeps nothing; a recreated window gets its items back.
  if (!ComponentState().Contains(csDestroying)) {
    FSavedItemIndex = ItemIndex();
    FSavedTopIndex = TopIndex();
    FSavedSelection.clear();
    if (FMultiSelect)
      for (int i = 0, n = Count(); i < n; ++i)
        if (SendMessageW(FHandle, LB_GETSEL, i, 0) > 0) FSavedSelection.push_back(i);
    if (!FCountOnly) {
      const int n = Count();
      FSaved->Clear();
      FSaved->SetSorted(false);  // the window's order is kept as it is
      for (int i = 0; i < n; ++i) FSaved->AddObject(FItems->Strings(i), FItems->Objects(i));
      FSaved->SetSorted(FSorted);
    }
  }
  TWinControl::DestroyWnd();
  FCountOnly = false;
}

void TCustomListBox::BoundsChanged(bool Resized) {
  TWinControl::BoundsChanged(Resized);
  if (Resized) SetColumnWidth();
}

void TCustomListBox::SetColumnWidth() {
  if (!FHandle || FColumns <= 0) return;
  RECT r;
  GetClientRect(FHandle, &r);
  SendMessageW(FHandle, LB_SETCOLUMNWIDTH, std::max<LONG>(1, (r.right - r.left) / FColumns), 0);
}

void TCustomListBox::SavedItemsMoved(int Index, int By) {
  WindowlessChanged(Index);
  const auto moved = [Index, By](int& Item) {
    if (By < 0 && Item == Index) Item = -1;
    else if (Item >= Index && Item >= 0) Item += By;
  };
  moved(FSavedItemIndex);
  for (int& item : FSavedSelection) moved(item);
  FSavedSelection.erase(std::remove(FSavedSelection.begin(), FSavedSelection.end(), -1), FSavedSelection.end());
}

int TCustomListBox::ItemIndex() const {
  if (!FHandle) return FSavedItemIndex;
  if (FMultiSelect) return static_cast<int>(SendMessageW(FHandle, LB_GETCARETINDEX, 0, 0));
  return static_cast<int>(SendMessageW(FHandle, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int Value) {
  if (!FHandle) {
    FSavedItemIndex = Value;
    WindowlessChanged(-1);
    return;
  }
  if (Value >= Count()) Value = -1;
  if (FMultiSelect) {
    // The caret moves and the item alone is selected, as a plain click does.
    SendMessageW(FHandle, LB_SETSEL, FALSE, -1);
    if (Value >= 0) {
      SendMessageW(FHandle, LB_SETSEL, TRUE, Value);
      SendMessageW(FHandle, LB_SETCARETINDEX, Value, FALSE);
    }
    return;
  }
  SendMessageW(FHandle, LB_SETCURSEL, Value < 0 ? static_cast<WPARAM>(-1) : Value, 0);
}

bool TCustomListBox::Selected(int Index) const {
  if (!FHandle) {
    if (Index < 0 || Index >= Count()) throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
    if (FMultiSelect) return std::find(FSavedSelection.begin(), FSavedSelection.end(), Index) != FSavedSelection.end();
    return Index == FSavedItemIndex;
  }
  const LRESULT r = SendMessageW(FHandle, LB_GETSEL, Index, 0);
  if (r < 0) throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  return r > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= Count()) throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  if (!FHandle) {
    auto it = std::find(FSavedSelection.begin(), FSavedSelection.end(), Index);
    if (FMultiSelect && Value && it == FSavedSelection.end()) FSavedSelection.push_back(Index);
    else if (FMultiSelect && !Value && it != FSavedSelection.end()) FSavedSelection.erase(it);
    else if (!FMultiSelect && Value) FSavedItemIndex = Index;
    else if (!FMultiSelect && FSavedItemIndex == Index) FSavedItemIndex = -1;
    WindowlessChanged(-1);
    return;
  }
  if (FMultiSelect) SendMessageW(FHandle, LB_SETSEL, Value, Index);
  else if (Value) SendMessageW(FHandle, LB_SETCURSEL, Index, 0);
  else if (ItemIndex() == Index) SendMessageW(FHandle, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int TCustomListBox::SelCount() const {
  if (!FHandle) return FMultiSelect ? static_cast<int>(FSavedSelection.size()) : FSavedItemIndex >= 0 ? 1 : 0;
  if (FMultiSelect) return static_cast<int>(SendMessageW(FHandle, LB_GETSELCOUNT, 0, 0));
  return ItemIndex() >= 0 ? 1 : 0;
}

int TCustomListBox::TopIndex() const {
  return FHandle ? static_cast<int>(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0)) : FSavedTopIndex;
}

void TCustomListBox::SetTopIndex(int Value) {
  if (!FHandle) FSavedTopIndex = Value;
  else if (TopIndex() != Value) SendMessageW(FHandle, LB_SETTOPINDEX, std::max(0, Value), 0);
}

TRect TCustomListBox::ItemRect(int Index) const {
  RECT r = {0, 0, 0, 0};
  if (FHandle && Index >= 0 && Index < Count()) SendMessageW(FHandle, LB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&r));
  return TRect(r.left, r.top, r.right, r.bottom);
}

void TCustomListBox::InvalidateItem(int Index) {
  const TRect r = ItemRect(Index);
  const RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
  if (!r.IsEmpty()) InvalidateRect(FHandle, &rc, TRUE);
}

int TCustomListBox::FindPrefix(const String& Prefix, int Start) const {
  // The window of a list that holds its items answers from them too.
  if (FHandle) {
    const LRESULT i =
        SendMessageW(FHandle, LB_FINDSTRING, static_cast<WPARAM>(Start), reinterpret_cast<LPARAM>(Prefix.c_str()));
    return i < 0 ? -1 : static_cast<int>(i);
  }
  return FindHeld(Prefix.c_str(), Start, false);
}

// As the system list searches its strings: from the item after Start (-1,
// or past the end: from the first), wrapping round, letter case aside; an
// empty text finds nothing.
int TCustomListBox::FindHeld(const wchar_t* Text, int Start, bool Exact) const {
  const int n = FSaved->Count();
  if (!Text || !Text[0] || n == 0) return -1;
  if (Start < -1 || Start >= n) Start = -1;
  const int length = static_cast<int>(wcslen(Text));
  for (int k = 1; k <= n; ++k) {
    const int i = (Start + k) % n;
    const String item = FSaved->Strings(i);
    const int size = static_cast<int>(item.size());
    if (Exact ? size != length : size < length) continue;
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.c_str(), length, Text, length) == CSTR_EQUAL)
      return i;
  }
  return -1;
}

// The text messages of a window made knowing only the count, answered from
// the held items as a list with strings answers them.
void TCustomListBox::AnswerHeldText(TMessage& Message) {
  const int n = FSaved->Count();
  const int index = static_cast<int>(Message.WParam);
  switch (Message.Msg) {
    case LB_GETTEXTLEN:
      Message.Result = index >= 0 && index < n ? static_cast<LRESULT>(FSaved->Strings(index).size()) : LB_ERR;
      return;
    case LB_GETTEXT: {
      auto* buffer = reinterpret_cast<wchar_t*>(Message.LParam);
      if (index < 0 || index >= n || !buffer) {
        Message.Result = LB_ERR;
        return;
      }
      const String text = FSaved->Strings(index);
      std::copy(text.begin(), text.end(), buffer);
      buffer[text.size()] = L'\0';
      Message.Result = static_cast<LRESULT>(text.size());
      return;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
      const int i = FindHeld(reinterpret_cast<const wchar_t*>(Message.LParam), index, Message.Msg == LB_FINDSTRINGEXACT);
      Message.Result = i < 0 ? LB_ERR : i;
      if (i < 0 || Message.Msg != LB_SELECTSTRING) return;
      // Selected as the system list selects a string it found: the caret
      // moves there (shown) and the item is selected, with no notification.
      if (FMultiSelect) {
        CallSystemProc(LB_SETSEL, TRUE, i);
        CallSystemProc(LB_SETCARETINDEX, i, FALSE);
      } else {
        CallSystemProc(LB_SETCURSEL, i, 0);
      }
      return;
    }
  }
}

void TCustomListBox::HeldItemRenaming(int) {}

void TCustomListBox::HeldItemRenamed(int Index) {
  InvalidateItem(Index);
  Perform(CM_HELDITEMRENAMED, static_cast<WPARAM>(Index), 0);
}

// A typed letter moves to the next item it begins, as the system list does
// for lists whose strings it keeps.
void TCustomListBox::SelectTyped(wchar_t Key) {
  if (Key < L' ') return;
  const int i = FindPrefix(String(1, Key), ItemIndex());
  if (i < 0) return;
  if (!FMultiSelect) SendMessageW(FHandle, LB_SETCURSEL, i, 0);
  else if (FExtendedSelect) SetItemIndex(i);
  else SendMessageW(FHandle, LB_SETCARETINDEX, i, FALSE);
  Click();
}

int TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) const {
  const TRect client = ClientRect();
  if (!PtInRect(client, Pos)) return -1;
  const int count = Count();
  // Only the items from the top one that show can be under the point.
  for (int i = std::max(0, TopIndex()); i < count; ++i) {
    const TRect r = ItemRect(i);
    if (PtInRect(r, Pos)) return i;
    if (r.Left >= client.Right || (FColumns == 0 && r.Top >= client.Bottom)) break;
  }
  return Existing ? -1 : count;
}

int TCustomListBox::ItemHeight() const {
  if (FHandle && FStyle == lbStandard) return static_cast<int>(SendMessageW(FHandle, LB_GETITEMHEIGHT, 0, 0));
  return FItemHeight;
}

void TCustomListBox::SetItemHeight(int Value) {
  Value = std::max(1, Value);
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  if (FHandle && FStyle == lbOwnerDrawFixed) {
    SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, Value);
    Invalidate();
  }
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (FExtendedSelect == Value) return;
  FExtendedSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  FSaved->SetSorted(Value);
  // The system sorts only while adding: the window is made again and its
  // items added anew in order.
  RecreateWnd();
}

void TCustomListBox::SetColumns(int Value) {
  Value = std::max(0, Value);
  if (FColumns == Value) return;
  const bool styleChanges = (FColumns == 0) != (Value == 0);
  FColumns = Value;
  if (styleChanges) RecreateWnd();
  else SetColumnWidth();
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem && Index >= 0) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  TCanvas* c = FCanvas.get();
  c->FillRect(Rect);
  if (Index >= 0 && Index < Count())
    c->TextRect(Rect, Rect.Left + 2, Rect.Top + (Rect.Height() - c->TextHeight(L"0")) / 2, FItems->Strings(Index));
  if (State.Contains(odFocused)) {
    const RECT r = {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    DrawFocusRect(c->Handle(), &r);
  }
}

void TCustomListBox::CNDrawItem(TMessage& Message) {
  auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  const TOwnerDrawState state = OwnerDrawStateOf(d->itemState);
  const TRect r(d->rcItem.left, d->rcItem.top, d->rcItem.right, d->rcItem.bottom);
  TCanvas* c = FCanvas.get();
  TPaintDCLoan loan(FCanvas.get(), d->hDC);
  c->Font()->Assign(Font());
  c->Brush()->SetColor(Color());
  if (state.Contains(odSelected)) {
    c->Brush()->SetColor(clHighlight);
    c->Font()->SetColor(clHighlightText);
  }
  // An empty list still shows where the focus is.
  DrawItem(static_cast<int>(d->itemID), r, state);
  Message.Result = 1;
}

void TCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      CNDrawItem(Message);
      return;
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING:
      if (!FCountOnly) break;
      AnswerHeldText(Message);
      return;
    case WM_STYLECHANGING:
    case WM_STYLECHANGED: {
      if (!FCountOnly || Message.WParam != static_cast<WPARAM>(GWL_STYLE)) break;
      // The system list keeps the style it was made with: strings only in
      // the style that others read.
      STYLESTRUCT told = *reinterpret_cast<STYLESTRUCT*>(Message.LParam);
      told.styleOld &= ~LBS_HASSTRINGS;
      told.styleNew &= ~LBS_HASSTRINGS;
      Message.Result = CallSystemProc(Message.Msg, Message.WParam, reinterpret_cast<LPARAM>(&told));
      return;
    }
    case WM_CHAR:
      if (!FCountOnly) break;
      if (!DoKeyPress(Message)) {
        DefaultHandler(Message);
        if (!BeingFreed() && FHandle) SelectTyped(static_cast<wchar_t>(Message.WParam));
      }
      return;
    case CN_COMMAND:
      switch (Message.WParamHi()) {
        case LBN_SELCHANGE: Click(); break;
        case LBN_DBLCLK: DblClick(); break;
      }
      return;
  }
  TWinControl::Dispatch(Message);
}
