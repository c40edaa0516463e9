// TCustomTreeView: the SysTreeView32 window, its styles, image lists and notifications.
#include "classlib/TreeView.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "classlib/HeldSort.h"
#include "classlib/SystemCallback.h"

TCustomTreeView::TCustomTreeView(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  FWidth = 121;
  FHeight = 97;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FTreeNodes = std::make_unique<TTreeNodes>(this);
}

TCustomTreeView::~TCustomTreeView() {
  if (!FTornDownControl) TCustomTreeView::BeforeDestruction();
}

void TCustomTreeView::BeforeDestruction() {
  if (FTornDownControl) return;
  // The nodes go while the tree is whole, so OnDeletion sees each of them.
  FTreeNodes->Clear();
  TWinControl::BeforeDestruction();
}

void TCustomTreeView::CreateParams(TCreateParams& Params) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, WC_TREEVIEWW);
  if (FShowButtons) Params.Style |= TVS_HASBUTTONS;
  if (FShowLines) Params.Style |= TVS_HASLINES;
  if (FShowRoot) Params.Style |= TVS_LINESATROOT;
  if (!FReadOnly) Params.Style |= TVS_EDITLABELS;
  if (!FHideSelection) Params.Style |= TVS_SHOWSELALWAYS;
  if (FRowSelect) Params.Style |= TVS_FULLROWSELECT;
  if (FHotTrack) Params.Style |= TVS_TRACKSELECT;
  if (!FToolTips) Params.Style |= TVS_NOTOOLTIPS;
  if (FAutoExpand) Params.Style |= TVS_SINGLEEXPAND;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateHandleDone() {
  SendMessageW(FHandle, TVM_SETBKCOLOR, 0, ColorToRGB(FColor));
  SendMessageW(FHandle, TVM_SETTEXTCOLOR, 0, ColorToRGB(FFont->Color()));
  if (FIndent >= 0) SendMessageW(FHandle, TVM_SETINDENT, FIndent, 0);
  UpdateImageLists();
  // A new window (first, or re-created) gets the nodes back with their
  // expansion and selection, none of which is a change the user made.
  FManualNotify = true;
  if (FTreeNodes->FFirst) {
    SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
    for (TTreeNode* n = FTreeNodes->FFirst; n; n = n->FNextSibling) InsertItems(n, true);
    for (TTreeNode* n = FTreeNodes->FFirst; n; n = n->GetNext())
      if ((n->FState & TVIS_EXPANDED) && n->FFirstChild)
        SendMessageW(FHandle, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(n->FItemId));
    if (FSavedSelection)
      SendMessageW(FHandle, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FSavedSelection->FItemId));
    if (FTreeNodes->FUpdateCount == 0) SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  }
  FSavedSelection = nullptr;
  FManualNotify = false;
}

void TCustomTreeView::WMDestroy(TMessage& Message) {
  // The nodes keep what the window knew, for a later window.
  FSavedSelection = Selected();
  for (TTreeNode* n = FTreeNodes->FFirst; n; n = n->GetNext()) {
    if (!n->FItemId) continue;
    const UINT keep = TVIS_EXPANDED | TVIS_CUT | TVIS_BOLD | TVIS_DROPHILITED;
    n->FState = static_cast<UINT>(SendMessageW(FHandle, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(n->FItemId), keep));
  }
  for (TTreeNode* n = FTreeNodes->FFirst; n; n = n->FNextSibling) ForgetItemIds(n);
  // The window's items go now; their notifications mean nothing to the nodes.
  FManualNotify = true;
  TWinControl::WMDestroy(Message);
}

void TCustomTreeView::ForgetItemIds(TTreeNode* Node) {
  Node->FItemId = nullptr;
  for (TTreeNode* c = Node->FFirstChild; c; c = c->FNextSibling) ForgetItemIds(c);
}

void TCustomTreeView::InsertItem(TTreeNode* Node, bool InOrder) {
  TVINSERTSTRUCTW is = {};
  is.hParent = Node->FParent ? Node->FParent->FItemId : TVI_ROOT;
  // The system control looks an item named as the one to insert after up in
  // all its items: nodes put in one after the other go last instead, so that
  // a window made for a full tree fills in time that grows with its nodes.
  if (InOrder || !Node->FNextSibling) is.hInsertAfter = TVI_LAST;
  else if (!Node->FPrevSibling) is.hInsertAfter = TVI_FIRST;
  else is.hInsertAfter = Node->FPrevSibling->FItemId;
  TVITEMW& item = is.item;
  item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
  item.pszText = const_cast<wchar_t*>(Node->FText.c_str());
  item.iImage = Node->FImageIndex;
  item.iSelectedImage = Node->FSelectedIndex;
  item.lParam = reinterpret_cast<LPARAM>(Node);
  item.state = (Node->FState & (TVIS_CUT | TVIS_BOLD | TVIS_DROPHILITED)) |
               INDEXTOSTATEIMAGEMASK(std::max(0, Node->FStateIndex)) |
               INDEXTOOVERLAYMASK(std::max(0, Node->FOverlayIndex + 1));
  item.stateMask = TVIS_CUT | TVIS_BOLD | TVIS_DROPHILITED | TVIS_STATEIMAGEMASK | TVIS_OVERLAYMASK;
  if (Node->FHasChildrenSet) {
    item.mask |= TVIF_CHILDREN;
    item.cChildren = Node->FHasChildren ? 1 : 0;
  }
  Node->FItemId = reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&is)));
  // The line of the sibling before now runs on down to the new item, and the
  // system control repaints only the new item's row. The whole window is
  // marked instead of the sibling's row: asking for an item's place costs a
  // look-up in all the items under Wine, and a fill would grow with its
  // square. A fill held by BeginUpdate, or a window made for a full tree, is
  // painted whole when it ends.
  if (!InOrder && FTreeNodes->FUpdateCount == 0 && Node->FPrevSibling) InvalidateRect(FHandle, nullptr, TRUE);
}

void TCustomTreeView::InsertItems(TTreeNode* Node, bool InOrder) {
  InsertItem(Node, InOrder);
  for (TTreeNode* c = Node->FFirstChild; c; c = c->FNextSibling) InsertItems(c, true);
}

void TCustomTreeView::NodeDeleted(TTreeNode* Node) {
  if (FSavedSelection == Node) FSavedSelection = nullptr;
  // Raised from the node's destructor: the node goes whatever the handler
  // throws, and the exception goes to the application.
  try {
    Delete(Node);
  } catch (...) {
    ReportCallbackException(this);
  }
}

TTreeNode* TCustomTreeView::CreateNode() { return new TTreeNode(FTreeNodes.get()); }

// ---------------------------------------------------------------------------
// Notifications

void TCustomTreeView::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(Message); return;
    case WM_DESTROY: WMDestroy(Message); return;
    case CM_COLORCHANGED:
      if (FHandle) SendMessageW(FHandle, TVM_SETBKCOLOR, 0, ColorToRGB(FColor));
      break;
    case CM_FONTCHANGED:
      if (FHandle) SendMessageW(FHandle, TVM_SETTEXTCOLOR, 0, ColorToRGB(FFont->Color()));
      break;
  }
  TWinControl::Dispatch(Message);
}

void TCustomTreeView::CNNotify(TMessage& Message) {
  auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam);
  auto* tv = reinterpret_cast<NMTREEVIEWW*>(Message.LParam);
  Message.Result = 0;
  switch (hdr->code) {
    case TVN_SELCHANGINGW:
    case TVN_SELCHANGINGA:
      if (!FManualNotify) Message.Result = CanChange(reinterpret_cast<TTreeNode*>(tv->itemNew.lParam)) ? 0 : 1;
      return;
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA:
      if (!FManualNotify) Change(reinterpret_cast<TTreeNode*>(tv->itemNew.lParam));
      return;
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDINGA: {
      auto* node = reinterpret_cast<TTreeNode*>(tv->itemNew.lParam);
      if (FManualNotify || !node) return;
      const bool allow = (tv->action & TVE_EXPAND) ? CanExpand(node) : CanCollapse(node);
      Message.Result = allow ? 0 : 1;
      return;
    }
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDEDA: {
      auto* node = reinterpret_cast<TTreeNode*>(tv->itemNew.lParam);
      if (FManualNotify || !node) return;
      const bool expanded = (tv->action & TVE_EXPAND) != 0;
      node->FState = expanded ? node->FState | TVIS_EXPANDED : node->FState & ~TVIS_EXPANDED;
      if (expanded) Expand(node);
      else Collapse(node);
      return;
    }
    case TVN_BEGINLABELEDITW: {
      auto* info = reinterpret_cast<NMTVDISPINFOW*>(Message.LParam);
      Message.Result = LabelEditMayBegin(FHandle) && CanEdit(reinterpret_cast<TTreeNode*>(info->item.lParam)) ? 0 : 1;
      FEndedEditor = nullptr;
      return;
    }
    case TVN_ENDLABELEDITW: {
      auto editor = reinterpret_cast<HWND>(SendMessageW(FHandle, TVM_GETEDITCONTROL, 0, 0));
      if (editor && editor == FEndedEditor) return;
      FEndedEditor = editor;
      Edit(reinterpret_cast<NMTVDISPINFOW*>(Message.LParam)->item);
      return;
    }
  }
}

namespace {
HWND gLabelEditAsked = nullptr;  // the tree whose label edit the program asks for now
}  // namespace

LRESULT AskLabelEdit(HWND Tree, HTREEITEM Item) {
  const HWND outer = std::exchange(gLabelEditAsked, Tree);
  const LRESULT editor = SendMessageW(Tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(Item));
  gLabelEditAsked = outer;
  return editor;
}

bool LabelEditMayBegin(HWND Tree) { return Tree == gLabelEditAsked || GetFocus() == Tree; }

bool TCustomTreeView::CanChange(TTreeNode* Node) {
  bool allow = true;
  if (OnChanging) OnChanging(this, Node, allow);
  return allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
  if (OnChange) OnChange(this, Node);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, Node, allow);
  return allow;
}

void TCustomTreeView::Expand(TTreeNode* Node) {
  if (OnExpanded) OnExpanded(this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
  bool allow = true;
  if (OnCollapsing) OnCollapsing(this, Node, allow);
  return allow;
}

void TCustomTreeView::Collapse(TTreeNode* Node) {
  if (OnCollapsed) OnCollapsed(this, Node);
}

bool TCustomTreeView::CanEdit(TTreeNode* Node) {
  bool allow = !FReadOnly;
  if (allow && OnEditing) OnEditing(this, Node, allow);
  return allow;
}

void TCustomTreeView::Edit(const TVITEMW& Item) {
  auto* node = reinterpret_cast<TTreeNode*>(Item.lParam);
  if (!node || !Item.pszText) return;  // no text: the edit was cancelled
  String s = Item.pszText;
  if (OnEdited) OnEdited(this, node, s);
  if (!BeingFreed()) node->SetText(s);  // a tree freed by the handler took its nodes along
}

void TCustomTreeView::Delete(TTreeNode* Node) {
  if (OnDeletion) OnDeletion(this, Node);
}

// ---------------------------------------------------------------------------
// Selection, geometry and sorting

TTreeNode* TCustomTreeView::Selected() const {
  if (!FHandle) return FSavedSelection;
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_GETNEXTITEM, TVGN_CARET, 0));
  return FTreeNodes->GetNode(item);
}

void TCustomTreeView::SetSelected(TTreeNode* Value) {
  if (!FHandle) {
    FSavedSelection = Value;
    return;
  }
  if (Value) Value->MakeVisible();
  SendMessageW(FHandle, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Value ? Value->FItemId : nullptr));
}

TTreeNode* TCustomTreeView::TopItem() const {
  if (!FHandle) return FTreeNodes->FFirst;
  return FTreeNodes->GetNode(reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

void TCustomTreeView::SetTopItem(TTreeNode* Value) {
  if (FHandle && Value && Value->FItemId)
    SendMessageW(FHandle, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(Value->FItemId));
}

TTreeNode* TCustomTreeView::DropTarget() const {
  if (!FHandle) return nullptr;
  return FTreeNodes->GetNode(reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0)));
}

void TCustomTreeView::SetDropTarget(TTreeNode* Value) {
  if (FHandle)
    SendMessageW(FHandle, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(Value ? Value->FItemId : nullptr));
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const {
  if (!FHandle) return nullptr;
  TVHITTESTINFO hit = {{X, Y}, 0, nullptr};
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT | TVHT_ONITEMBUTTON)) ? FTreeNodes->GetNode(item)
                                                                                                : nullptr;
}

THitTests TCustomTreeView::GetHitTestInfoAt(int X, int Y) const {
  THitTests result;
  if (!FHandle) return result;
  TVHITTESTINFO hit = {{X, Y}, 0, nullptr};
  SendMessageW(FHandle, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  const std::pair<UINT, THitTest> map[] = {
      {TVHT_ABOVE, htAbove},         {TVHT_BELOW, htBelow},           {TVHT_NOWHERE, htNowhere},
      {TVHT_ONITEMBUTTON, htOnButton}, {TVHT_ONITEMICON, htOnIcon},     {TVHT_ONITEMINDENT, htOnIndent},
      {TVHT_ONITEMLABEL, htOnLabel}, {TVHT_ONITEMRIGHT, htOnRight},   {TVHT_ONITEMSTATEICON, htOnStateIcon},
      {TVHT_TOLEFT, htToLeft},       {TVHT_TORIGHT, htToRight}};
  for (const auto& m : map)
    if (hit.flags & m.first) result.Include(m.second);
  if (hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)) result.Include(htOnItem);
  return result;
}

int TCustomTreeView::VisibleCount() const {
  return FHandle ? static_cast<int>(SendMessageW(FHandle, TVM_GETVISIBLECOUNT, 0, 0)) : 0;
}

// A handler of the nodes' events may free the tree: the walk ends there.
void TCustomTreeView::FullExpand() {
  for (TTreeNode* n = FTreeNodes->FFirst; n; n = n->FNextSibling) {
    n->Expand(true);
    if (BeingFreed()) return;
  }
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* n = FTreeNodes->FFirst; n; n = n->FNextSibling) {
    n->Collapse(true);
    if (BeingFreed()) return;
  }
}

bool TCustomTreeView::IsEditing() const {
  return FHandle && SendMessageW(FHandle, TVM_GETEDITCONTROL, 0, 0) != 0;
}

int TCustomTreeView::Compare(TTreeNode* Node1, TTreeNode* Node2) {
  int result = 0;
  if (OnCompare) {
    OnCompare(this, Node1, Node2, 0, result);
    return result;
  }
  if (FSortType == stData) {
    const auto a = reinterpret_cast<uintptr_t>(Node1->Data()), b = reinterpret_cast<uintptr_t>(Node2->Data());
    return a < b ? -1 : a > b ? 1 : 0;
  }
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Node1->Text().c_str(), -1, Node2->Text().c_str(), -1) - 2;
}

void TCustomTreeView::AlphaSort(bool ARecurse) { SortChildren(nullptr, ARecurse); }

namespace {

int CALLBACK CompareRanks(LPARAM A, LPARAM B, LPARAM Ranks) {
  auto& rank = *reinterpret_cast<std::unordered_map<LPARAM, int>*>(Ranks);
  return rank[A] - rank[B];
}

}  // namespace

bool TCustomTreeView::SortChildren(TTreeNode* Parent, bool Recurse) {
  std::vector<TTreeNode*> children;
  for (TTreeNode* n = Parent ? Parent->FFirstChild : FTreeNodes->FFirst; n; n = n->FNextSibling) children.push_back(n);
  if (children.size() > 1) {
    // A handler of OnCompare may free the tree or delete nodes: the sort
    // then stops and the order stays as it was.
    const int count = FTreeNodes->FCount;
    const bool whole = SortHeld(this, children, [&](TTreeNode* a, TTreeNode* b) {
      return FTreeNodes->FCount == count && Compare(a, b) < 0;
    });
    if (!whole || FTreeNodes->FCount != count) return false;
    TTreeNode* after = nullptr;
    for (TTreeNode* n : children) {
      n->Unlink();
      n->LinkInto(Parent, after);
      after = n;
    }
    // The window takes the same order: its comparison reads the sorted places.
    if (FHandle && (!Parent || Parent->FItemId)) {
      std::unordered_map<LPARAM, int> rank;
      for (size_t i = 0; i < children.size(); ++i) rank[reinterpret_cast<LPARAM>(children[i])] = static_cast<int>(i);
      TVSORTCB sort = {Parent ? Parent->FItemId : TVI_ROOT, CompareRanks, reinterpret_cast<LPARAM>(&rank)};
      SendMessageW(FHandle, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
    }
  }
  if (Recurse)
    for (TTreeNode* n : children)
      if (!SortChildren(n, true)) return false;
  return true;
}

void TCustomTreeView::SetSortType(TSortType Value) {
  if (FSortType == Value) return;
  FSortType = Value;
  if (Value != stNone) AlphaSort(true);
}

// ---------------------------------------------------------------------------
// Properties

void TCustomTreeView::SetStyleFlag(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  RecreateWnd();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

int TCustomTreeView::Indent() const {
  return FHandle ? static_cast<int>(SendMessageW(FHandle, TVM_GETINDENT, 0, 0)) : FIndent;
}

void TCustomTreeView::SetIndent(int Value) {
  FIndent = Value;
  if (FHandle && Indent() != Value) SendMessageW(FHandle, TVM_SETINDENT, Value, 0);
}

void TCustomTreeView::SetImages(TCustomImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  UpdateImageLists();
}

void TCustomTreeView::SetStateImages(TCustomImageList* Value) {
  FStateImages = Value;
  if (Value) Value->FreeNotification(this);
  UpdateImageLists();
}

void TCustomTreeView::UpdateImageLists() {
  if (!FHandle) return;
  SendMessageW(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
  SendMessageW(FHandle, TVM_SETIMAGELIST, TVSIL_STATE,
               reinterpret_cast<LPARAM>(FStateImages ? FStateImages->Handle() : nullptr));
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) SetImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}
