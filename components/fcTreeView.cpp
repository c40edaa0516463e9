// The fc tree view: window creation and re-creation, properties, the system
// control's notifications and the label edit window.
#include "components/fcTreeView.h"

#include <algorithm>
#include <climits>

#include "classlib/Messages.h"
#include "classlib/SystemCallback.h"
#include "classlib/TypInfo.h"
#include "components/fcCommonDraw.h"

namespace {

// One empty 16 x 16 list shared by every tree view without state images: the
// system control then leaves room where the check boxes are drawn.
TCustomImageList* GSharedStateImages = nullptr;
int GSharedStateUsers = 0;

// Registered by the first tree view made, not by a static object: a program
// gets what it links, and an object nothing refers to is not linked.
void RegisterTreeViewProps() {
  static const bool registered = [] {
    RegisterPublishedClass<TfcCustomTreeView>(
        L"TfcCustomTreeView", {OrdProp(L"DisableThemes", &TfcCustomTreeView::DisableThemes,
                                       &TfcCustomTreeView::SetDisableThemes),
                               OrdProp(L"ReadOnly", &TfcCustomTreeView::ReadOnly, &TfcCustomTreeView::SetReadOnly)});
    return true;
  }();
  (void)registered;
}

}  // namespace

// ---- multi-selection settings ----

void TfcTVMultiSelectAttributes::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TfcTVMultiSelectAttributes*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  SetEnabled(src->FEnabled);
  SetMultiSelectCheckbox(src->FMultiSelectCheckbox);
  SetMultiSelectLevel(src->FMultiSelectLevel);
}

void TfcTVMultiSelectAttributes::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  TfcTreeNodes* items = FTreeView->Items();
  if (!Value && FTreeView->HandleAllocated()) {
    for (TfcTreeNode* n = items->GetFirstNode(); n; n = n->GetNext())
      if (n->StateIndex() == 1 && n->CheckboxType() == fcNoCheckbox && FTreeView->LevelAllowed(n)) n->SetStateIndex(-1);
  }
  FTreeView->Invalidate();
}

void TfcTVMultiSelectAttributes::SetMultiSelectCheckbox(bool Value) {
  if (FMultiSelectCheckbox == Value) return;
  FMultiSelectCheckbox = Value;
  if (!Value && FTreeView->HandleAllocated()) {
    for (TfcTreeNode* n = FTreeView->Items()->GetFirstNode(); n; n = n->GetNext()) {
      // A node's own check box and its check stay: only the selection's boxes go.
      if (!FTreeView->LevelAllowed(n) || n->CheckboxType() != fcNoCheckbox) continue;
      n->FChecked = false;
      n->SetStateIndex(-1);
    }
  }
  FTreeView->Invalidate();
}

void TfcTVMultiSelectAttributes::SetMultiSelectLevel(int Value) {
  if (FMultiSelectLevel == Value) return;
  FMultiSelectLevel = Value;
  FTreeView->UnselectAll(nullptr);
  if (Value >= 0 && FTreeView->HandleAllocated()) {
    for (TfcTreeNode* n = FTreeView->Items()->GetFirstNode(); n; n = n->GetNext()) {
      if (FTreeView->LevelAllowed(n) == FMultiSelectCheckbox) continue;
      if (n->CheckboxType() != fcNoCheckbox) continue;  // the node's own box stays
      n->FChecked = false;
      n->SetStateIndex(-1);
    }
  }
  FTreeView->Invalidate();
}

// ---- the tree view ----

TfcCustomTreeView::TfcCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TfcTreeNodes>(this)),
      FCanvas(std::make_unique<TfcCanvas>(this)),
      FChangeTimer(std::make_unique<TTimer>(nullptr)),
      FMultiSelectAttributes(std::make_unique<TfcTVMultiSelectAttributes>(this)) {
  RegisterTreeViewProps();
  FControlStyle.Exclude(csCaptureMouse);
  FControlStyle.Include(csDisplayDragImage);
  FControlStyle.Include(csReflector);
  FWidth = 121;
  FHeight = 97;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FChangeTimer->SetEnabled(false);
  FChangeTimer->SetInterval(0);
  FChangeTimer->OnTimer = [this](TObject* Sender) { ChangeTimerTick(Sender); };
  FBorderWidth = GetSystemMetrics(SM_CXBORDER);
  if (GSharedStateUsers++ == 0) GSharedStateImages = new TCustomImageList(nullptr, 16, 16);
}

TfcCustomTreeView::~TfcCustomTreeView() {
  HideHint();
  FHintTimer.reset();
  // The nodes go while this object is whole; the window then goes without events.
  FDestroyingWnd = true;
  FItems->FDestroying = true;
  FItems->Clear();
  if (HandleAllocated()) DestroyHandle();
  FMultiSelectList.clear();
  if (--GSharedStateUsers == 0) {
    delete GSharedStateImages;
    GSharedStateImages = nullptr;
  }
}

LRESULT TfcCustomTreeView::SendTree(UINT Msg, WPARAM WParam, LPARAM LParam) const {
  return HandleAllocated() ? CallSystemProc(Msg, WParam, LParam) : 0;
}

bool TfcCustomTreeView::KeepsNodes() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (c->ComponentState().Contains(csDestroying)) return true;
  return false;
}

TfcTreeNode* TfcCustomTreeView::CreateNode() {
  TfcTreeNode* node = FNodeFactory ? FNodeFactory(FItems.get()) : new TfcTreeNode(FItems.get());
  NodeChanged(node, 0, String(), 0);
  return node;
}

bool TfcCustomTreeView::NodeChanged(TfcTreeNode* Node, int Kind, const String& Text, int ImageIndex) {
  if (!OnNodeChange) return true;
  const TfcNodeWatch watch(Node);
  OnNodeChange(this, Node, Kind, Text, ImageIndex);
  return !watch.Gone();
}

void TfcCustomTreeView::CreateParams(TCreateParams& Params) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, WC_TREEVIEWW);
  // TVS_CHECKBOXES always: the boxes are drawn here and their clicks and
  // Space handled here before the control sees them, and the state image list
  // installed below replaces the control's own, so items keep the state images
  // the nodes give them.
  DWORD style = TVS_NOTOOLTIPS | TVS_CHECKBOXES;
  if (FOptions.Contains(tvoShowLines)) style |= TVS_HASLINES;
  if (FOptions.Contains(tvoShowRoot)) style |= TVS_LINESATROOT;
  if (FOptions.Contains(tvoShowButtons)) style |= TVS_HASBUTTONS;
  if (FOptions.Contains(tvoEditText) && !FReadOnly) style |= TVS_EDITLABELS;
  if (!FOptions.Contains(tvoHideSelection)) style |= TVS_SHOWSELALWAYS;
  // The system control reports drags only for automatic dragging.
  if (FDragMode == dmManual) style |= TVS_DISABLEDRAGDROP;
  if (FOptions.Contains(tvoHotTrack)) style |= TVS_TRACKSELECT;
  if (FAutoExpand) style |= TVS_SINGLEEXPAND;
  if (UseRightToLeftReading()) style |= TVS_RTLREADING;
  Params.Style |= style;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TfcCustomTreeView::InstallStateImages() {
  TCustomImageList* state = FStateImages ? FStateImages : GSharedStateImages;
  SendTree(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(state->Handle()));
}

void TfcCustomTreeView::CreateWnd() {
  FDestroyingWnd = false;
  TWinControl::CreateWnd();
  SendTree(TVM_SETBKCOLOR, 0, ColorToRGB(FColor));
  SendTree(TVM_SETTEXTCOLOR, 0, ColorToRGB(Font()->Color()));
  if (FImages) SendTree(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->Handle()));
  InstallStateImages();
  if (!FSavedNodes.empty()) {
    // The change handler raised as the nodes come back may take this
    // window away again (a new parent): the whole content then waits for
    // the next window, rather than what the window going saved of it.
    std::vector<TfcNodeRecord> saved;
    saved.swap(FSavedNodes);
    const int top = FSavedTop, selected = FSavedSelected, indent = FSavedIndent;
    const HWND window = FHandle;
    FItems->LoadRecords(saved);
    if (FHandle != window) {
      if (!FHandle && !BeingFreed()) {
        FSavedNodes = std::move(saved);
        FSavedTop = top;
        FSavedSelected = selected;
        FSavedIndent = indent;
      }
      return;
    }
    if (top >= 0 && top < FItems->Count()) SetTopItem(FItems->Item(top));
    if (selected >= 0 && selected < FItems->Count()) SetSelected(FItems->Item(selected));
  }
  if (FSavedIndent != -1) {
    SetIndent(FSavedIndent);
    FSavedIndent = -1;
  }
}

void TfcCustomTreeView::SaveForNewWindow() {
  if (FItems->FDestroying || KeepsNodes()) return;  // no new window follows
  if (FItems->Count() > 0) {
    // The whole content is kept, texts uncut, and read back by CreateWnd.
    FSavedNodes = FItems->SaveRecords();
    TfcTreeNode* top = TopItem();
    TfcTreeNode* selected = Selected();
    FSavedTop = top ? top->AbsoluteIndex() : -1;
    FSavedSelected = selected ? selected->AbsoluteIndex() : -1;
  }
  FSavedIndent = Indent();
}

void TfcCustomTreeView::DestroyWnd() {
  SaveForNewWindow();
  FDestroyingWnd = true;
  HideHint();
  if (!KeepsNodes()) FItems->Clear();
  TWinControl::DestroyWnd();
}

void TfcCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) SetImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}

void TfcCustomTreeView::ApplyStyleBit(DWORD Bit, bool On) {
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(FHandle, GWL_STYLE);
  SetWindowLongW(FHandle, GWL_STYLE, On ? (style | Bit) : (style & ~Bit));
}

void TfcCustomTreeView::SetOptions(TfcTreeViewOptions Value) {
  const TfcTreeViewOptions old = FOptions;
  FOptions = Value;
  if (!HandleAllocated()) return;
  const struct {
    TfcTreeViewOption Option;
    DWORD Bit;
    bool Inverted;
  } bits[] = {{tvoRowSelect, TVS_FULLROWSELECT, false}, {tvoShowRoot, TVS_LINESATROOT, false},
              {tvoShowLines, TVS_HASLINES, false},      {tvoShowButtons, TVS_HASBUTTONS, false},
              {tvoHideSelection, TVS_SHOWSELALWAYS, true}, {tvoHotTrack, TVS_TRACKSELECT, false},
              {tvoEditText, TVS_EDITLABELS, false}};
  for (const auto& b : bits)
    if (old.Contains(b.Option) != Value.Contains(b.Option)) ApplyStyleBit(b.Bit, Value.Contains(b.Option) != b.Inverted);
  Invalidate();
}

void TfcCustomTreeView::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TfcCustomTreeView::SetAutoExpand(bool Value) {
  if (FAutoExpand == Value) return;
  FAutoExpand = Value;
  ApplyStyleBit(TVS_SINGLEEXPAND, Value);
}

void TfcCustomTreeView::SetLineColor(TColor Value) {
  if (FLineColor == Value) return;
  FLineColor = Value;
  Invalidate();
}

void TfcCustomTreeView::SetInactiveFocusColor(TColor Value) {
  if (FInactiveFocusColor == Value) return;
  FInactiveFocusColor = Value;
  Invalidate();
}

void TfcCustomTreeView::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  if (!HandleAllocated()) return;
  SendTree(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
  if (FStateImages) InstallStateImages();
  for (TfcTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNext())
    if (ItemStateIndex(n) != n->StateIndex()) n->SetStateIndex(n->StateIndex());
}

void TfcCustomTreeView::SetStateImages(TCustomImageList* Value) {
  if (FStateImages == Value) return;
  if (FStateImages) FStateImages->RemoveFreeNotification(this);
  FStateImages = Value;
  if (FStateImages) FStateImages->FreeNotification(this);
  if (!HandleAllocated()) return;
  InstallStateImages();
  if (!Value) RecreateWnd();
}

int TfcCustomTreeView::ItemStateIndex(TfcTreeNode* Node) const {
  // State image k is stored as k; none (the node's -1) as 0.
  const UINT state = static_cast<UINT>(SendTree(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(Node->ItemId()),
                                                TVIS_STATEIMAGEMASK));
  const int index = static_cast<int>(state >> 12);
  return index == 0 ? -1 : index;
}

int TfcCustomTreeView::Indent() {
  return HandleAllocated() ? static_cast<int>(SendTree(TVM_GETINDENT, 0, 0)) : FSavedIndent;
}

void TfcCustomTreeView::SetIndent(int Value) {
  // The system reads the indent unsigned: a negative one would be a huge
  // width. Below its minimum it takes its minimum; above a window's largest
  // side no indent can show.
  Value = std::clamp(Value, 0, SHRT_MAX);
  if (!HandleAllocated()) {
    FSavedIndent = Value;
    return;
  }
  if (Value != Indent()) SendTree(TVM_SETINDENT, Value, 0);
}

void TfcCustomTreeView::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  if (FOptions.Contains(tvoEditText)) ApplyStyleBit(TVS_EDITLABELS, !Value);
}

void TfcCustomTreeView::SortWhole(bool ByData) {
  if (!HandleAllocated()) return;
  if (ByData && !OnCompare) return;
  AlphaSort();
  for (TfcTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNext())
    if (n->HasChildren()) n->AlphaSort();
}

void TfcCustomTreeView::SetSortType(TfcSortType Value) {
  if (FSortType == Value) return;
  FSortType = Value;
  if (((Value == fcstData || Value == fcstBoth) && OnCompare) || Value == fcstText || Value == fcstBoth)
    SortWhole(false);
}

TfcTreeNode* TfcCustomTreeView::Selected() const {
  if (!HandleAllocated()) return nullptr;
  return FItems->GetNode(reinterpret_cast<HTREEITEM>(SendTree(TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TfcCustomTreeView::SetSelected(TfcTreeNode* Value) {
  if (Value) Value->SetSelected(true);
  else if (HandleAllocated()) SendTree(TVM_SELECTITEM, TVGN_CARET, 0);
}

TfcTreeNode* TfcCustomTreeView::TopItem() const {
  if (!HandleAllocated()) return nullptr;
  return FItems->GetNode(reinterpret_cast<HTREEITEM>(SendTree(TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

void TfcCustomTreeView::SetTopItem(TfcTreeNode* Value) {
  if (Value && HandleAllocated())
    SendTree(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(Value->ItemId()));
}

TfcTreeNode* TfcCustomTreeView::DropTarget() const {
  TfcTreeNode* n = HandleAllocated() ? FItems->GetNode(reinterpret_cast<HTREEITEM>(
                                           SendTree(TVM_GETNEXTITEM, TVGN_DROPHILITE, 0)))
                                     : nullptr;
  // A highlight cleared by ClearDropHighlight's fallback leaves the item named.
  if (n && !n->DropTarget()) n = nullptr;
  return n ? n : FDropTarget;
}

TfcTreeNode* TfcCustomTreeView::GetNodeAt(int X, int Y) const {
  if (!HandleAllocated()) return nullptr;
  TVHITTESTINFO hit = {};
  hit.pt = {X, Y};
  SendTree(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return hit.hItem && (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT))
             ? FItems->GetNode(hit.hItem)
             : nullptr;
}

THitTests TfcCustomTreeView::GetHitTestInfoAt(int X, int Y) const {
  THitTests result;
  if (!HandleAllocated()) return result;
  TVHITTESTINFO hit = {};
  hit.pt = {X, Y};
  SendTree(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  const UINT f = hit.flags;
  if (f & TVHT_ABOVE) result.Include(htAbove);
  if (f & TVHT_BELOW) result.Include(htBelow);
  if (f & TVHT_NOWHERE) result.Include(htNowhere);
  if (f & TVHT_ONITEM) result.Include(htOnItem);
  if (f & TVHT_ONITEMBUTTON) result.Include(htOnButton);
  if (f & TVHT_ONITEMICON) result.Include(htOnIcon);
  if (f & TVHT_ONITEMINDENT) result.Include(htOnIndent);
  if (f & TVHT_ONITEMLABEL) result.Include(htOnLabel);
  if (f & TVHT_ONITEMRIGHT) result.Include(htOnRight);
  if (f & TVHT_ONITEMSTATEICON) result.Include(htOnStateIcon);
  if (f & TVHT_TOLEFT) result.Include(htToLeft);
  if (f & TVHT_TORIGHT) result.Include(htToRight);
  // A node shown without an image has its text where the image would be.
  TfcTreeNode* node = FItems->GetNode(hit.hItem);
  if (node && result.Contains(htOnIcon) && FImages && node->ImageIndex() == -2) {
    const TRect r = node->DisplayRect(true);
    if (X >= r.Left && X < r.Right) result.Exclude(htOnIcon).Include(htOnLabel);
  }
  return result;
}

bool TfcCustomTreeView::IsEditing() const { return FEditWnd && IsWindowVisible(FEditWnd); }

void TfcCustomTreeView::FullExpand() {
  FItems->BeginUpdate();
  for (TfcTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling()) n->Expand(true);
  FItems->EndUpdate();
}

void TfcCustomTreeView::FullCollapse() {
  for (TfcTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling()) n->Collapse(true);
}

namespace {

// One sort by the tree view's own comparison.
struct TNodeSort {
  TfcCustomTreeView* View;
  int Data;
  bool Failed;
};

// The default comparison: the nodes' tree view decides. Once a comparison
// failed, or a handler freed the tree, the rest of the sort takes every pair
// as equal, so that it ends with the failure reported once.
int CALLBACK CompareNodes(LPARAM A, LPARAM B, LPARAM Sort) {
  auto* sort = reinterpret_cast<TNodeSort*>(Sort);
  if (sort->Failed || sort->View->BeingFreed()) return 0;
  int result = 0;
  sort->Failed = !FromSystem(sort->View, false, [&] {
    result = sort->View->CompareForSort(reinterpret_cast<TfcTreeNode*>(A), reinterpret_cast<TfcTreeNode*>(B), sort->Data);
    return true;
  });
  return result;
}

}  // namespace

bool TfcCustomTreeView::SortChildren(HTREEITEM Parent, PFNTVCOMPARE Proc, LPARAM Data) {
  if (!HandleAllocated()) return false;
  TNodeSort own{this, static_cast<int>(Data), false};
  TVSORTCB sort = {};
  sort.hParent = Parent;
  sort.lpfnCompare = Proc ? Proc : CompareNodes;
  sort.lParam = Proc ? Data : reinterpret_cast<LPARAM>(&own);
  FItems->ClearCache();
  return SendTree(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort)) != 0;
}

bool TfcCustomTreeView::AlphaSort() {
  // OnCompare may free the tree: its nodes then keep their links.
  const TLibraryScope hold(this);
  const bool sorted = SortChildren(TVI_ROOT) && !BeingFreed();
  if (sorted) FItems->RelinkChildren(nullptr);
  return sorted;
}

String TfcCustomTreeView::GetSearchString() const {
  if (!HandleAllocated()) return String();
  wchar_t buffer[260] = {};
  // Wine's control does not answer this message; it then returns 0 and the buffer stays empty.
  const LRESULT length = SendTree(TVM_GETISEARCHSTRINGW, 0, reinterpret_cast<LPARAM>(buffer));
  return length > 0 ? String(buffer, std::min<LRESULT>(length, 259)) : String();
}

void TfcCustomTreeView::InvalidateNode(TfcTreeNode* Node) {
  if (!Node || !HandleAllocated()) return;
  const TRect r = Node->DisplayRect(false);
  if (r.Width() <= 0 || r.Height() <= 0) return;
  RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
  InvalidateRect(FHandle, &rc, FALSE);
}

int TfcCustomTreeView::ItemHeight() const {
  return HandleAllocated() ? static_cast<int>(SendTree(TVM_GETITEMHEIGHT, 0, 0)) : 16;
}

// ---- events raised for the system control ----

void TfcCustomTreeView::GetImageIndex(TfcTreeNode* Node) {
  if (OnGetImageIndex) OnGetImageIndex(this, Node);
}

void TfcCustomTreeView::GetSelectedIndex(TfcTreeNode* Node) {
  if (OnGetSelectedIndex) OnGetSelectedIndex(this, Node);
}

void TfcCustomTreeView::DoDrawText(TfcTreeNode* Node, const TRect& R, TfcItemStates State, bool& DefaultDrawing) {
  if (OnDrawText) OnDrawText(this, Node, R, State, DefaultDrawing);
}

int TfcCustomTreeView::Compare(TfcTreeNode* Node1, TfcTreeNode* Node2, int Data) {
  int result = 0;
  if (OnCompare) OnCompare(this, Node1, Node2, Data, result);
  else result = lstrcmpW(Node1->Text().c_str(), Node2->Text().c_str());
  return result;
}

void TfcCustomTreeView::CalcNodeAttributes(TfcTreeNode* Node, TfcItemStates State) {
  if (OnCalcNodeAttributes) OnCalcNodeAttributes(this, Node, State);
}

void TfcCustomTreeView::GetDisplayText(TfcTreeNode* Node, String& S) { S = Node->Text(); }

void TfcCustomTreeView::ToggleCheckbox(TfcTreeNode* Node) {
  if (OnToggleCheckbox) OnToggleCheckbox(this, Node);
}

bool TfcCustomTreeView::CanEdit(TfcTreeNode* Node) {
  bool allow = true;
  if (OnEditing) OnEditing(this, Node, allow);
  return allow;
}

bool TfcCustomTreeView::CanChange(TfcTreeNode* Node) {
  bool allow = true;
  if (OnChanging) OnChanging(this, Node, allow);
  return allow;
}

namespace {

// A collapse or expansion over the node being edited ends the edit, keeping its text.
bool EditBlocks(TfcCustomTreeView* Tree, TfcTreeNode* Node) {
  TfcTreeNode* selected = Tree->Selected();
  if (!Tree->IsEditing() || !selected) return false;
  if (selected != Node && !selected->HasAsParent(Node)) return false;
  selected->EndEdit(false);
  return true;
}

}  // namespace

bool TfcCustomTreeView::CanExpand(TfcTreeNode* Node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, Node, allow);
  if (EditBlocks(this, Node)) allow = false;
  return allow;
}

bool TfcCustomTreeView::CanCollapse(TfcTreeNode* Node) {
  bool allow = true;
  if (OnCollapsing) OnCollapsing(this, Node, allow);
  if (EditBlocks(this, Node)) allow = false;
  return allow;
}

void TfcCustomTreeView::Change(TfcTreeNode* Node) {
  if (OnChange) OnChange(this, Node);
}

void TfcCustomTreeView::Expand(TfcTreeNode* Node) {
  if (OnExpanded) OnExpanded(this, Node);
}

void TfcCustomTreeView::Collapse(TfcTreeNode* Node) {
  if (OnCollapsed) OnCollapsed(this, Node);
}

void TfcCustomTreeView::Delete(TfcTreeNode* Node) {
  if (OnDeletion) OnDeletion(this, Node);
  NodeChanged(Node, 1, String(), 0);
}

void TfcCustomTreeView::Edit(const TVITEMW& Item) {
  TfcTreeNode* node = FItems->GetNode(Item.hItem);
  if (!node || !Item.pszText) return;
  String s = Item.pszText;
  if (OnEdited) OnEdited(this, node, s);
  node->SetText(s);
  FEditNode = nullptr;
}

void TfcCustomTreeView::ChangeTimerTick(TObject*) {
  FChangeTimer->SetEnabled(false);
  Change(FChangeNode);
}

// ---- notifications ----

namespace {

void CopyText(const String& Text, NMTVDISPINFOW* Info) {
  if (!Info->item.pszText || Info->item.cchTextMax <= 0) return;
  const size_t n = std::min<size_t>(Text.size(), static_cast<size_t>(Info->item.cchTextMax - 1));
  std::copy_n(Text.c_str(), n, Info->item.pszText);
  Info->item.pszText[n] = 0;
}

void CopyTextA(const String& Text, NMTVDISPINFOA* Info) {
  if (!Info->item.pszText || Info->item.cchTextMax <= 0) return;
  const int n = WideCharToMultiByte(CP_ACP, 0, Text.c_str(), static_cast<int>(Text.size()), Info->item.pszText,
                                    Info->item.cchTextMax - 1, nullptr, nullptr);
  Info->item.pszText[std::max(n, 0)] = 0;
}

}  // namespace

void TfcCustomTreeView::CNNotify(TMessage& Message) {
  auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam);
  auto* tv = reinterpret_cast<NMTREEVIEWW*>(Message.LParam);
  Message.Result = 0;
  switch (hdr->code) {
    case NM_CUSTOMDRAW: CustomDraw(Message); return;
    case TVN_GETDISPINFOW:
    case TVN_GETDISPINFOA: TVNGetDispInfo(Message); return;
    case TVN_SETDISPINFOW: {
      auto* info = reinterpret_cast<NMTVDISPINFOW*>(Message.LParam);
      TfcTreeNode* node = FItems->GetNode(info->item.hItem);
      if (node && (info->item.mask & TVIF_TEXT) && info->item.pszText) node->SetText(info->item.pszText);
      return;
    }
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDINGA: TVNItemExpanding(Message); return;
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDEDA: {
      if (FManualExpand) return;
      TfcTreeNode* node = FItems->GetNode(tv->itemNew.hItem);
      if (!node) return;
      if (tv->action == TVE_EXPAND) Expand(node);
      else if (tv->action == TVE_COLLAPSE) Collapse(node);
      return;
    }
    case TVN_SELCHANGINGW:
    case TVN_SELCHANGINGA:
      if (!FClearing && !CanChange(FItems->GetNode(tv->itemNew.hItem))) Message.Result = 1;
      return;
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA:
      if (!FClearing) TVNSelChanged(FItems->GetNode(tv->itemNew.hItem));
      return;
    case TVN_DELETEITEMW:
    case TVN_DELETEITEMA: TVNDeleteItem(tv->itemOld); return;
    case TVN_BEGINDRAGW:
    case TVN_BEGINDRAGA:
      FDragged = true;
      FDragNode = FItems->GetNode(tv->itemNew.hItem);
      return;
    case TVN_BEGINLABELEDITW: TVNBeginLabelEdit(Message); return;
    case TVN_ENDLABELEDITW: TVNEndLabelEdit(Message); return;
    case NM_RCLICK: NMRClick(Message); return;
  }
}

void TfcCustomTreeView::TVNGetDispInfo(TMessage& Message) {
  auto* info = reinterpret_cast<NMTVDISPINFOW*>(Message.LParam);
  TfcTreeNode* node = reinterpret_cast<TfcTreeNode*>(info->item.lParam);
  if (!node) node = FItems->GetNode(info->item.hItem);
  if (!node) return;
  if (info->item.mask & TVIF_TEXT) {
    if (info->hdr.code == TVN_GETDISPINFOW) CopyText(node->Text(), info);
    else CopyTextA(node->Text(), reinterpret_cast<NMTVDISPINFOA*>(Message.LParam));
  }
  if (info->item.mask & TVIF_IMAGE) {
    GetImageIndex(node);
    info->item.iImage = node->ImageIndex();
  }
  if (info->item.mask & TVIF_SELECTEDIMAGE) {
    GetSelectedIndex(node);
    info->item.iSelectedImage = node->SelectedIndex();
  }
}

void TfcCustomTreeView::TVNItemExpanding(TMessage& Message) {
  if (FManualExpand) return;
  auto* tv = reinterpret_cast<NMTREEVIEWW*>(Message.LParam);
  TfcTreeNode* node = FItems->GetNode(tv->itemNew.hItem);
  if (!node) return;
  if (tv->action == TVE_EXPAND && !CanExpand(node)) Message.Result = 1;
  else if (tv->action == TVE_COLLAPSE && !CanCollapse(node)) Message.Result = 1;
}

// A change is reported at once, or after the change timer's wait for the last of quick changes.
void TfcCustomTreeView::TVNSelChanged(TfcTreeNode* Node) {
  if (FChangeTimer->Interval() > 0) {
    FChangeTimer->SetEnabled(false);
    FChangeNode = Node;
    FChangeTimer->SetEnabled(true);
  } else {
    Change(Node);
  }
}

void TfcCustomTreeView::TVNDeleteItem(const TVITEMW& Item) {
  auto* node = reinterpret_cast<TfcTreeNode*>(Item.lParam);
  if (!node) return;
  FItems->FNodes.erase(Item.hItem);
  node->FItemId = nullptr;
  FChangeTimer->SetEnabled(false);
  if (KeepsNodes()) return;
  if (FDestroyingWnd) node->Delete();
  else FItems->Delete(node);
}

void TfcCustomTreeView::TVNBeginLabelEdit(TMessage& Message) {
  auto* info = reinterpret_cast<NMTVDISPINFOW*>(Message.LParam);
  TfcTreeNode* node = FItems->GetNode(info->item.hItem);
  if (FDragged || !node || !LabelEditMayBegin(FHandle) || !CanEdit(node)) {
    Message.Result = 1;
    return;
  }
  FEditWnd = reinterpret_cast<HWND>(SendTree(TVM_GETEDITCONTROL, 0, 0));
  if (FEditWnd) {
    SetPropW(FEditWnd, L"fcTreeView", reinterpret_cast<HANDLE>(this));
    FEditPrevProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(FEditWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TfcCustomTreeView::EditWndProc)));
  }
  FEditNode = node;
  FFirstResize = true;
}

void TfcCustomTreeView::TVNEndLabelEdit(TMessage& Message) {
  auto* info = reinterpret_cast<NMTVDISPINFOW*>(Message.LParam);
  if (FEditWnd) {
    SetWindowLongPtrW(FEditWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FEditPrevProc));
    RemovePropW(FEditWnd, L"fcTreeView");
    FEditWnd = nullptr;
  }
  Edit(info->item);
  // A text given is taken; the control is told so.
  Message.Result = info->item.pszText ? 1 : 0;
}

// A right click selects (or marks) the node under the mouse and goes on as the
// window's own right button release.
void TfcCustomTreeView::NMRClick(TMessage& Message) {
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(FHandle, &p);
  FRightClickNode = GetNodeAt(p.x, p.y);
  if (FRightClickNode) {
    if (FRightClickSelects) FRightClickNode->SetSelected(true);
    else FRightClickNode->Invalidate();
  }
  Invalidate();
  SendMessageW(FHandle, WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  Message.Result = 1;
}

LRESULT CALLBACK TfcCustomTreeView::EditWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* tv = reinterpret_cast<TfcCustomTreeView*>(GetPropW(Wnd, L"fcTreeView"));
  if (!tv) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  // The editor's keys are the tree view's.
  return FromSystem(tv, LRESULT(0), [&] {
    return tv->EditMessage(Wnd, Msg, WParam, LParam);
  });
}

LRESULT TfcCustomTreeView::EditMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const WNDPROC prev = FEditPrevProc;
  switch (Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      TMessage m{Msg, WParam, LParam, 0};
      if (DoKeyDown(m)) return 0;
      WParam = m.WParam;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      TMessage m{Msg, WParam, LParam, 0};
      if (DoKeyUp(m)) return 0;
      break;
    }
    case WM_CHAR: {
      TMessage m{Msg, WParam, LParam, 0};
      if (DoKeyPress(m)) return 0;
      WParam = m.WParam;
      break;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: {
      TfcTreeNode* node = FEditNode;
      if (node && FImages && node->ImageIndex() == -2) {
        // The edit goes where the text is drawn: over the image's place.
        const TRect r = node->DisplayRect(true);
        SetWindowPos(Wnd, nullptr, std::max(r.Left, 0), r.Top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ValidateRect(FHandle, nullptr);
      } else if (Msg == WM_SIZE) {
        if (FFirstResize) FFirstResize = false;
        else ValidateRect(FHandle, nullptr);
      }
      break;
    }
  }
  return CallWindowProcW(prev, Wnd, Msg, WParam, LParam);
}

void TfcCustomTreeView::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(Message); return;
    case WM_PAINT: WMPaint(Message); return;
    case WM_ERASEBKGND:
      if (FPaintingFlag) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_LBUTTONDOWN: WMLButtonDown(Message); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return;
    case WM_RBUTTONDOWN: Invalidate(); break;
    case WM_DESTROY:
      // A parent's window going takes this one along without DestroyWnd:
      // the nodes are kept here for the window that follows.
      if (!FDestroyingWnd) SaveForNewWindow();
      FDestroyingWnd = true;
      if (!KeepsNodes()) FItems->Clear();
      break;
    case CM_COLORCHANGED:
    case CM_BIDIMODECHANGED:  // the reading order is a style of the window's creation
      TWinControl::Dispatch(Message);
      RecreateWnd();
      return;
    case CM_FONTCHANGED:
      TWinControl::Dispatch(Message);
      if (HandleAllocated()) SendTree(TVM_SETTEXTCOLOR, 0, ColorToRGB(Font()->Color()));
      return;
    case CM_SYSCOLORCHANGE:
      if (HandleAllocated()) {
        TMessage sys{WM_SYSCOLORCHANGE, 0, 0, 0};
        DefaultHandler(sys);
      }
      break;
    case CM_MOUSELEAVE: {
      TfcTreeNode* first = FItems->GetFirstNode();
      if (first && !first->GetNextSibling()) first->Invalidate();
      break;
    }
  }
  TWinControl::Dispatch(Message);
}
