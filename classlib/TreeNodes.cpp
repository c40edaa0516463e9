// Tree nodes and their collection: the tree's structure, mirrored into the system control's items.
#include <algorithm>
#include <cstring>

#include "classlib/TreeView.h"

namespace {

// The caret's focus state bit, missing from some headers.
constexpr UINT kTvisFocused = 0x0001;

LRESULT SendTree(TCustomTreeView* Tree, UINT Msg, WPARAM W, LPARAM L) {
  return Tree->HandleAllocated() ? SendMessageW(Tree->Handle(), Msg, W, L) : 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// TTreeNode

TTreeNode::TTreeNode(TTreeNodes* AOwner) : FOwner(AOwner) {}

TTreeNode::~TTreeNode() {
  FDeleting = true;
  TCustomTreeView* tree = TreeView();
  // OnDeletion may free the tree: its teardown leaves this node to finish
  // here (DeleteNodes), with the tree's memory held until then.
  const TLibraryScope hold(tree);
  tree->NodeDeleted(this);
  // One message takes the whole subtree out of the window.
  if (FItemId && tree->HandleAllocated()) {
    SendMessageW(tree->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(FItemId));
    TCustomTreeView::ForgetItemIds(this);
  }
  TTreeNodes::DeleteNodes(FLastChild);
  if (Linked()) Unlink();
  --FOwner->FCount;
}

bool TTreeNode::Linked() const {
  return FPrevSibling || FNextSibling || (FParent ? FParent->FFirstChild : FOwner->FFirst) == this;
}

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

void TTreeNode::Assign(TPersistent* Source) {
  auto* node = dynamic_cast<TTreeNode*>(Source);
  if (!node) {
    TPersistent::Assign(Source);
    return;
  }
  SetText(node->FText);
  SetData(node->FData);
  SetImageIndex(node->FImageIndex);
  SetSelectedIndex(node->FSelectedIndex);
  SetStateIndex(node->FStateIndex);
  SetOverlayIndex(node->FOverlayIndex);
  if (node->FHasChildrenSet) SetHasChildren(node->FHasChildren);
  for (UINT flag : {TVIS_CUT, TVIS_BOLD, TVIS_DROPHILITED}) SetStateFlag(flag, node->StateFlag(flag));
  SetExpanded(node->Expanded());
}

void TTreeNode::UpdateItem(UINT Mask) {
  TCustomTreeView* tree = TreeView();
  if (!FItemId || !tree->HandleAllocated()) return;
  TVITEMW item = {};
  item.mask = Mask | TVIF_HANDLE;
  item.hItem = FItemId;
  item.pszText = const_cast<wchar_t*>(FText.c_str());
  item.iImage = FImageIndex;
  item.iSelectedImage = FSelectedIndex;
  item.cChildren = FHasChildren ? 1 : 0;
  item.state = INDEXTOSTATEIMAGEMASK(std::max(0, FStateIndex)) | INDEXTOOVERLAYMASK(std::max(0, FOverlayIndex + 1));
  item.stateMask = TVIS_STATEIMAGEMASK | TVIS_OVERLAYMASK;
  SendMessageW(tree->Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(const String& Value) {
  FText = Value;
  UpdateItem(TVIF_TEXT);
  TCustomTreeView* tree = TreeView();
  if (tree->SortType() == stText || tree->SortType() == stBoth) tree->SortChildren(FParent, false);
}

void TTreeNode::SetData(void* Value) {
  FData = Value;
  TCustomTreeView* tree = TreeView();
  if (tree->SortType() == stData || tree->SortType() == stBoth) tree->SortChildren(FParent, false);
}

void TTreeNode::SetImageIndex(int Value) {
  FImageIndex = Value;
  UpdateItem(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int Value) {
  FSelectedIndex = Value;
  UpdateItem(TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetStateIndex(int Value) {
  FStateIndex = Value;
  UpdateItem(TVIF_STATE);
}

void TTreeNode::SetOverlayIndex(int Value) {
  FOverlayIndex = Value;
  UpdateItem(TVIF_STATE);
}

void TTreeNode::SetHasChildren(bool Value) {
  FHasChildrenSet = true;
  FHasChildren = Value;
  UpdateItem(TVIF_CHILDREN);
}

bool TTreeNode::StateFlag(UINT Flag) const {
  TCustomTreeView* tree = TreeView();
  if (FItemId && tree->HandleAllocated())
    return (SendMessageW(tree->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FItemId), Flag) & Flag) != 0;
  return (FState & Flag) != 0;
}

void TTreeNode::SetStateFlag(UINT Flag, bool Value) {
  FState = Value ? FState | Flag : FState & ~Flag;
  TCustomTreeView* tree = TreeView();
  if (!FItemId || !tree->HandleAllocated()) return;
  TVITEMW item = {};
  item.mask = TVIF_STATE | TVIF_HANDLE;
  item.hItem = FItemId;
  item.state = Value ? Flag : 0;
  item.stateMask = Flag;
  SendMessageW(tree->Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool TTreeNode::Expanded() const { return StateFlag(TVIS_EXPANDED); }

void TTreeNode::SetExpanded(bool Value) {
  if (Value) Expand(false);
  else Collapse(false);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool Value) {
  if (Value) TreeView()->SetSelected(this);
  else if (Selected()) TreeView()->SetSelected(nullptr);
}

bool TTreeNode::Focused() const { return StateFlag(kTvisFocused); }

void TTreeNode::SetFocused(bool Value) { SetStateFlag(kTvisFocused, Value); }

TTreeNode* TTreeNode::Item(int Index) const {
  TTreeNode* n = Index >= 0 ? FFirstChild : nullptr;
  for (int i = 0; n && i < Index; ++i) n = n->FNextSibling;
  if (!n) throw ETreeViewError(L"List index out of bounds (" + IntToStr(Index) + L")");
  return n;
}

int TTreeNode::Index() const {
  int i = 0;
  for (const TTreeNode* n = FPrevSibling; n; n = n->FPrevSibling) ++i;
  return i;
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* n = FParent; n; n = n->FParent) ++level;
  return level;
}

int TTreeNode::AbsoluteIndex() const {
  int i = 0;
  for (const TTreeNode* n = GetPrev(); n; n = n->GetPrev()) ++i;
  return i;
}

bool TTreeNode::IsVisible() const {
  for (const TTreeNode* n = FParent; n; n = n->FParent)
    if (!n->Expanded()) return false;
  return true;
}

bool TTreeNode::HasAsParent(const TTreeNode* Value) const {
  for (const TTreeNode* n = FParent; n; n = n->FParent)
    if (n == Value) return true;
  return false;
}

TTreeNode* TTreeNode::GetNext() const {
  if (FFirstChild) return FFirstChild;
  for (const TTreeNode* n = this; n; n = n->FParent)
    if (n->FNextSibling) return n->FNextSibling;
  return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const {
  TTreeNode* n = FPrevSibling;
  if (!n) return FParent;
  while (n->FLastChild) n = n->FLastChild;
  return n;
}

TTreeNode* TTreeNode::GetNextVisible() const {
  if (FFirstChild && Expanded()) return FFirstChild;
  for (const TTreeNode* n = this; n; n = n->FParent)
    if (n->FNextSibling) return n->FNextSibling;
  return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
  TTreeNode* n = FPrevSibling;
  if (!n) return FParent;
  while (n->FLastChild && n->Expanded()) n = n->FLastChild;
  return n;
}

TRect TTreeNode::DisplayRect(bool TextOnly) const {
  TCustomTreeView* tree = TreeView();
  RECT r = {0, 0, 0, 0};
  if (FItemId && tree->HandleAllocated()) {
    HTREEITEM item = FItemId;
    memcpy(&r, &item, sizeof(item));  // the message takes the item in the rectangle
    if (!SendMessageW(tree->Handle(), TVM_GETITEMRECT, TextOnly, reinterpret_cast<LPARAM>(&r))) r = {0, 0, 0, 0};
  }
  return Rect(r.left, r.top, r.right, r.bottom);
}

void TTreeNode::Expand(bool Recurse) {
  TCustomTreeView* tree = TreeView();
  // An expanding handler may free the tree, and the nodes with it: the tree,
  // whose memory waits, says so, and nothing here touches a node after that.
  if (Recurse) {
    for (TTreeNode* n = this; n && (n == this || n->HasAsParent(this)); n = n->GetNext()) {
      n->Expand(false);
      if (tree->BeingFreed()) return;
    }
    return;
  }
  if (!HasChildren() || Expanded() || !tree->CanExpand(this) || tree->BeingFreed()) return;
  FState |= TVIS_EXPANDED;
  if (FItemId && tree->HandleAllocated()) {
    tree->FManualNotify = true;
    SendMessageW(tree->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(FItemId));
    tree->FManualNotify = false;
  }
  tree->Expand(this);
}

void TTreeNode::Collapse(bool Recurse) {
  TCustomTreeView* tree = TreeView();
  if (Recurse) {  // as in Expand
    for (TTreeNode* n = this; n && (n == this || n->HasAsParent(this)); n = n->GetNext()) {
      n->Collapse(false);
      if (tree->BeingFreed()) return;
    }
    return;
  }
  if (!Expanded() || !tree->CanCollapse(this) || tree->BeingFreed()) return;
  FState &= ~TVIS_EXPANDED;
  if (FItemId && tree->HandleAllocated()) {
    tree->FManualNotify = true;
    SendMessageW(tree->Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItemId));
    tree->FManualNotify = false;
  }
  tree->Collapse(this);
}

void TTreeNode::MakeVisible() {
  TCustomTreeView* tree = TreeView();
  if (FItemId && tree->HandleAllocated()) {
    SendMessageW(tree->Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(FItemId));
    for (TTreeNode* n = FParent; n; n = n->FParent) n->FState |= TVIS_EXPANDED;
    return;
  }
  for (TTreeNode* n = FParent; n; n = n->FParent) n->Expand(false);
}

bool TTreeNode::EditText() {
  TCustomTreeView* tree = TreeView();
  return FItemId && tree->HandleAllocated() && AskLabelEdit(tree->Handle(), FItemId) != 0;
}

void TTreeNode::EndEdit(bool Cancel) { SendTree(TreeView(), TVM_ENDEDITLABELNOW, Cancel, 0); }

void TTreeNode::Delete() {
  if (!FDeleting) delete this;
}

void TTreeNode::DeleteChildren() { TTreeNodes::DeleteNodes(FLastChild); }

void TTreeNode::Unlink() {
  TTreeNode*& first = FParent ? FParent->FFirstChild : FOwner->FFirst;
  TTreeNode*& last = FParent ? FParent->FLastChild : FOwner->FLast;
  (FPrevSibling ? FPrevSibling->FNextSibling : first) = FNextSibling;
  (FNextSibling ? FNextSibling->FPrevSibling : last) = FPrevSibling;
  if (FParent) --FParent->FCount;
  FParent = FPrevSibling = FNextSibling = nullptr;
  FOwner->FCacheNode = nullptr;
}

void TTreeNode::LinkInto(TTreeNode* AParent, TTreeNode* After) {
  FParent = AParent;
  TTreeNode*& first = AParent ? AParent->FFirstChild : FOwner->FFirst;
  TTreeNode*& last = AParent ? AParent->FLastChild : FOwner->FLast;
  FPrevSibling = After;
  FNextSibling = After ? After->FNextSibling : first;
  (FPrevSibling ? FPrevSibling->FNextSibling : first) = this;
  (FNextSibling ? FNextSibling->FPrevSibling : last) = this;
  if (AParent) ++AParent->FCount;
  FOwner->FCacheNode = nullptr;
}

void TTreeNode::MoveTo(TTreeNode* Destination, TNodeAttachMode Mode) {
  if (Destination == this || (Destination && Destination->HasAsParent(this))) return;
  TTreeNode* parent = nullptr;
  TTreeNode* after = nullptr;
  switch (Mode) {
    case naAdd:
      parent = Destination ? Destination->FParent : nullptr;
      after = parent ? parent->FLastChild : FOwner->FLast;
      break;
    case naAddFirst: parent = Destination ? Destination->FParent : nullptr; break;
    case naAddChild:
      parent = Destination;
      after = parent ? parent->FLastChild : FOwner->FLast;
      break;
    case naAddChildFirst: parent = Destination; break;
    case naInsert:
      parent = Destination ? Destination->FParent : nullptr;
      after = Destination ? Destination->FPrevSibling : FOwner->FLast;
      break;
  }
  if (after == this) after = FPrevSibling;
  TCustomTreeView* tree = TreeView();
  const bool wasSelected = Selected();
  const bool windowed = FItemId && tree->HandleAllocated();
  // The subtree's items go and come back at the new place; the selection
  // moving meanwhile is no change the user made.
  tree->FManualNotify = true;
  if (windowed) {
    SendMessageW(tree->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(FItemId));
    TCustomTreeView::ForgetItemIds(this);
  }
  Unlink();
  LinkInto(parent, after);
  if (windowed) {
    tree->InsertItems(this);
    if (wasSelected) tree->SetSelected(this);
  }
  tree->FManualNotify = false;
}

void TTreeNode::AlphaSort(bool ARecurse) { TreeView()->SortChildren(this, ARecurse); }

// ---------------------------------------------------------------------------
// TTreeNodes

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

TTreeNodes::~TTreeNodes() { Clear(); }

TTreeNode* TTreeNodes::Item(int Index) const {
  TTreeNode* n = nullptr;
  if (Index >= 0) {
    if (FCacheNode && FCacheIndex == Index) n = FCacheNode;
    else if (FCacheNode && FCacheIndex + 1 == Index) n = FCacheNode->GetNext();
    else if (FCacheNode && FCacheIndex - 1 == Index) n = FCacheNode->GetPrev();
    else {
      n = FFirst;
      for (int i = 0; n && i < Index; ++i) n = n->GetNext();
    }
  }
  if (!n) throw ETreeViewError(L"Invalid index");
  FCacheNode = n;
  FCacheIndex = Index;
  return n;
}

TTreeNode* TTreeNodes::GetNode(HTREEITEM ItemId) const {
  if (!ItemId || !FOwner->HandleAllocated()) return nullptr;
  TVITEMW item = {};
  item.mask = TVIF_PARAM | TVIF_HANDLE;
  item.hItem = ItemId;
  if (!SendMessageW(FOwner->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<TTreeNode*>(item.lParam);
}

TTreeNode* TTreeNodes::InternalAdd(TTreeNode* Parent, TTreeNode* After, const String& S, void* Ptr) {
  TTreeNode* node = FOwner->CreateNode();
  node->FText = S;
  node->FData = Ptr;
  // A sorted tree places new nodes by its comparison instead.
  if (FOwner->FSortType != stNone) {
    After = Parent ? Parent->FLastChild : FLast;
    while (After && FOwner->Compare(After, node) > 0) After = After->FPrevSibling;
  }
  node->LinkInto(Parent, After);
  ++FCount;
  if (FOwner->HandleAllocated() && (!Parent || Parent->FItemId)) FOwner->InsertItem(node);
  return node;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const String& S, void* Ptr) {
  TTreeNode* parent = Sibling ? Sibling->FParent : nullptr;
  return InternalAdd(parent, parent ? parent->FLastChild : FLast, S, Ptr);
}

TTreeNode* TTreeNodes::AddObjectFirst(TTreeNode* Sibling, const String& S, void* Ptr) {
  return InternalAdd(Sibling ? Sibling->FParent : nullptr, nullptr, S, Ptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const String& S, void* Ptr) {
  return InternalAdd(Parent, Parent ? Parent->FLastChild : FLast, S, Ptr);
}

TTreeNode* TTreeNodes::AddChildObjectFirst(TTreeNode* Parent, const String& S, void* Ptr) {
  return InternalAdd(Parent, nullptr, S, Ptr);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* Sibling, const String& S, void* Ptr) {
  if (!Sibling) return InternalAdd(nullptr, FLast, S, Ptr);
  return InternalAdd(Sibling->FParent, Sibling->FPrevSibling, S, Ptr);
}

void TTreeNodes::Delete(TTreeNode* Node) {
  if (Node) Node->Delete();
}

void TTreeNodes::Clear() {
  if (!FFirst || FClearing) return;
  FClearing = true;
  BeginUpdate();
  if (FOwner->HandleAllocated()) {
    // One message empties the window; the nodes then go without messages.
    FOwner->FManualNotify = true;
    SendMessageW(FOwner->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    FOwner->FManualNotify = false;
    for (TTreeNode* n = FFirst; n; n = n->FNextSibling) TCustomTreeView::ForgetItemIds(n);
  }
  DeleteNodes(FLast);
  EndUpdate();
  FClearing = false;
}

void TTreeNodes::DeleteNodes(TTreeNode*& Last) {
  // From the last; a handler of each deletion may delete others. A node
  // whose deletion runs further up the stack (its OnDeletion freed the tree)
  // only leaves the list: that deletion finishes it.
  while (TTreeNode* n = Last) {
    if (n->FDeleting) n->Unlink();
    else delete n;
  }
}

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner->HandleAllocated()) SendMessageW(FOwner->Handle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner->HandleAllocated()) return;
  SendMessageW(FOwner->Handle(), WM_SETREDRAW, TRUE, 0);
  FOwner->Invalidate();
}

void TTreeNodes::CopyChildren(TTreeNode* From, TTreeNode* To) {
  for (TTreeNode* n = From->FFirstChild; n; n = n->FNextSibling) {
    TTreeNode* copy = AddChildObject(To, n->FText, n->FData);
    CopyChildren(n, copy);
    copy->Assign(n);  // after the children, so that an expanded node can expand
  }
}

void TTreeNodes::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TTreeNodes*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  Clear();
  for (TTreeNode* n = source->FFirst; n; n = n->FNextSibling) {
    TTreeNode* copy = AddChildObject(nullptr, n->FText, n->FData);
    CopyChildren(n, copy);
    copy->Assign(n);
  }
  EndUpdate();
}
