// Tree nodes and their collection over the system tree control's items.
#include "components/fcTreeNodes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "classlib/ByteOrder.h"
#include "classlib/SysUtils.h"
#include "components/fcTreeView.h"

namespace {

TVITEMW ItemOf(HTREEITEM Item, UINT Mask) {
  TVITEMW it = {};
  it.mask = Mask;
  it.hItem = Item;
  return it;
}

}  // namespace

// ---- TfcNodeWatch ----

TfcNodeWatch::TfcNodeWatch(TfcTreeNode* Node) : FTree(Node ? Node->TreeView() : nullptr), FHold(FTree) {
  if (!FTree) return;
  FIndex = FTree->FWatchedNodes.size();
  FTree->FWatchedNodes.push_back(Node);
}

TfcNodeWatch::~TfcNodeWatch() {
  if (FTree) FTree->FWatchedNodes.pop_back();
}

bool TfcNodeWatch::Gone() const { return FTree && !FTree->FWatchedNodes[FIndex]; }

// ---- TfcTreeNode ----

TfcTreeNode::TfcTreeNode(TfcTreeNodes* AOwner) : FOwner(AOwner) {}

TfcTreeNode::~TfcTreeNode() {
  FOwner->ClearCache();
  FDeleting = true;
  TfcCustomTreeView* tv = TreeView();
  std::replace(tv->FWatchedNodes.begin(), tv->FWatchedNodes.end(), this, static_cast<TfcTreeNode*>(nullptr));
  // OnDeletion (raised as the window's item goes) may free the tree: its
  // memory and its nodes' list are held until this node has gone.
  const TLibraryScope hold(tv);
  if (tv->FHotNode == this) tv->FHotNode = nullptr;
  if (FMultiSelected) {
    auto& list = tv->FMultiSelectList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  if (tv->FAnchor == this) tv->FAnchor = nullptr;
  if (tv->FDropTarget == this) tv->FDropTarget = nullptr;
  if (tv->FHintNode == this) tv->HideHint(), tv->FHintNode = nullptr;
  if (tv->FChangeNode == this) tv->FChangeNode = nullptr;
  for (TfcTreeNode** p : {&tv->FSelectedBeforePress, &tv->FPressedNode, &tv->FEditNode, &tv->FRightClickNode,
                          &tv->FDragNode})
    if (*p == this) *p = nullptr;
  if (FItemId && FOwner->HasWindow()) {
    TfcTreeNode* parent = FParent;
    // While the window goes, items are freed without events: the parent goes
    // too, and a program's collapse handler must not hear of it.
    if (parent && !parent->Deleting() && parent->FCount == 1 && !tv->FDestroyingWnd) {
      parent->Collapse(false);
      parent->SetHasChildren(false);
    }
    const HTREEITEM item = FItemId;
    FItemId = nullptr;
    FOwner->FNodes.erase(item);
    FOwner->Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
  }
  // Children whose items went with this one's are gone by now; any left let go.
  for (TfcTreeNode* c = FFirstChild; c; c = c->FNextSibling) c->FParent = nullptr;
  Unlink();
  FData = nullptr;
}

TfcTreeNode::TRarelySet& TfcTreeNode::Rare() {
  if (!FRare) FRare = std::make_unique<TRarelySet>();
  return *FRare;
}

const String& TfcTreeNode::StringDataAt(int Which) const {
  static const String kNone;
  return FRare ? FRare->StringData[Which] : kNone;
}

void TfcTreeNode::SetStringDataAt(int Which, const String& Value) {
  if (!FRare && Value.empty()) return;
  Rare().StringData[Which] = Value;
}

void TfcTreeNode::Unlink() {
  TfcTreeNode*& first = FParent ? FParent->FFirstChild : FOwner->FFirstRoot;
  TfcTreeNode*& last = FParent ? FParent->FLastChild : FOwner->FLastRoot;
  if (FPrevSibling) FPrevSibling->FNextSibling = FNextSibling;
  else if (first == this) first = FNextSibling;
  if (FNextSibling) FNextSibling->FPrevSibling = FPrevSibling;
  else if (last == this) last = FPrevSibling;
  if (FParent) --FParent->FCount;
  FParent = FNextSibling = FPrevSibling = nullptr;
}

void TfcTreeNode::LinkAfter(TfcTreeNode* AParent, TfcTreeNode* After, bool First) {
  FParent = AParent;
  TfcTreeNode*& first = AParent ? AParent->FFirstChild : FOwner->FFirstRoot;
  TfcTreeNode*& last = AParent ? AParent->FLastChild : FOwner->FLastRoot;
  if (First || !After) {
    FPrevSibling = nullptr;
    FNextSibling = first;
    if (first) first->FPrevSibling = this;
    first = this;
    if (!last) last = this;
  } else {
    FPrevSibling = After;
    FNextSibling = After->FNextSibling;
    if (After->FNextSibling) After->FNextSibling->FPrevSibling = this;
    After->FNextSibling = this;
    if (last == After) last = this;
  }
  if (AParent) ++AParent->FCount;
}


TfcCustomTreeView* TfcTreeNode::TreeView() const { return FOwner->Owner(); }

void TfcTreeNode::SetItemFields(UINT Mask, const TVITEMW& Item) {
  if (!FItemId || !FOwner->HasWindow()) return;
  TVITEMW it = Item;
  it.mask = Mask;
  it.hItem = FItemId;
  FOwner->Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&it));
}

bool TfcTreeNode::GetState(UINT Mask) const {
  if (!FItemId || !FOwner->HasWindow()) return false;
  return (FOwner->Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FItemId), Mask) & Mask) != 0;
}

void TfcTreeNode::SetState(UINT Mask, bool Value) {
  TVITEMW it = {};
  it.stateMask = Mask;
  it.state = Value ? Mask : 0;
  SetItemFields(TVIF_STATE, it);
}

void TfcTreeNode::ResortParent(bool ByData) {
  if (!FInTree) return;
  if (TfcTreeNode* parent = Parent()) {
    parent->AlphaSort();
  } else {
    TreeView()->SortWhole(ByData);
  }
}

void TfcTreeNode::SetText(const String& Value) {
  if (!TreeView()->NodeChanged(this, 2, Value, 0)) return;
  FText = Value;
  TVITEMW it = {};
  it.pszText = const_cast<wchar_t*>(FText.c_str());
  SetItemFields(TVIF_TEXT, it);
  const TfcSortType sort = TreeView()->SortType();
  if ((sort == fcstText || sort == fcstBoth) && FInTree) ResortParent(false);
}

void TfcTreeNode::SetData(void* Value) {
  FData = Value;
  const TfcSortType sort = TreeView()->SortType();
  if ((sort == fcstData || sort == fcstBoth) && TreeView()->OnCompare && !FDeleting && FInTree) ResortParent(true);
}

void TfcTreeNode::SetImageIndex(int Value) {
  if (!TreeView()->NodeChanged(this, 3, String(), Value)) return;
  FImageIndex = Value;
  TVITEMW it = {};
  it.iImage = I_IMAGECALLBACK;
  SetItemFields(TVIF_IMAGE, it);
}

void TfcTreeNode::SetSelectedIndex(int Value) {
  FSelectedIndex = Value;
  TVITEMW it = {};
  it.iSelectedImage = I_IMAGECALLBACK;
  SetItemFields(TVIF_SELECTEDIMAGE, it);
}

void TfcTreeNode::SetOverlayIndex(int Value) {
  if (FRare || Value != -1) Rare().OverlayIndex = Value;
  TVITEMW it = {};
  it.stateMask = TVIS_OVERLAYMASK;
  it.state = INDEXTOOVERLAYMASK(Value + 1);
  SetItemFields(TVIF_STATE, it);
}

void TfcTreeNode::SetStateIndex(int Value) {
  if (Value == 0) Value = -1;
  if (CheckboxType() == fcCheckbox && Value != -1 && Value != 1) return;
  if (FRare || Value != -1) Rare().StateIndex = Value;
  TVITEMW it = {};
  it.stateMask = TVIS_STATEIMAGEMASK;
  it.state = INDEXTOSTATEIMAGEMASK(Value < 0 ? 0 : Value);
  SetItemFields(TVIF_STATE, it);
}

void TfcTreeNode::SetCheckboxType(int Value) {
  if (CheckboxType() == Value) return;
  Rare().CheckboxType = Value;
  SetStateIndex(Value != fcNoCheckbox ? 1 : -1);
}

void TfcTreeNode::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  TfcCustomTreeView* tv = TreeView();
  if (CheckboxType() == fcRadioButton && Value) {
    // Radio buttons among the siblings are one group.
    TfcTreeNode* parent = Parent();
    for (TfcTreeNode* n = parent ? parent->GetFirstChild() : FOwner->GetFirstNode(); n; n = n->GetNextSibling()) {
      if (n == this || n->CheckboxType() != fcRadioButton || !n->FChecked) continue;
      n->SetChecked(false);
      n->Invalidate();
    }
  } else if (CheckboxType() != fcRadioButton && tv->MultiSelectCheckboxNode(this)) {
    SetMultiSelected(Value);
  }
  Invalidate();
  tv->ToggleCheckbox(this);
}

void TfcTreeNode::SetGrayed(bool Value) {
  if (FGrayed == Value) return;
  FGrayed = Value;
  if (CheckboxType() == fcRadioButton) {
    TfcTreeNode* parent = Parent();
    for (TfcTreeNode* n = parent ? parent->GetFirstChild() : FOwner->GetFirstNode(); n; n = n->GetNextSibling()) {
      if (n == this || n->CheckboxType() != fcRadioButton) continue;
      n->FGrayed = Value;
      n->Invalidate();
    }
  }
  Invalidate();
}

void TfcTreeNode::SetMultiSelected(bool Value) {
  if (FMultiSelected != Value) TreeView()->SetMultiSelected(this, Value, true);
}

void TfcTreeNode::SetExpanded(bool Value) {
  if (Value) Expand(false);
  else Collapse(false);
}

void TfcTreeNode::SetSelected(bool Value) {
  if (Value) FOwner->Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FItemId));
  else if (Selected()) FOwner->Send(TVM_SELECTITEM, TVGN_CARET, 0);
}

void TfcTreeNode::SetDropTarget(bool Value) {
  if (Value) FOwner->Send(TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(FItemId));
  else if (DropTarget()) TreeView()->ClearDropHighlight();
}

bool TfcTreeNode::HasChildren() const { return FItemId && FHasChildren; }

void TfcTreeNode::SetHasChildren(bool Value) {
  FHasChildren = Value;
  TVITEMW it = {};
  it.cChildren = Value ? 1 : 0;
  SetItemFields(TVIF_CHILDREN, it);
}

bool TfcTreeNode::ExpandItem(bool Expanding) {
  TfcCustomTreeView* tv = TreeView();
  // The events' handlers may free the tree, or delete this node (a new
  // window for the tree, made from a handler, deletes every node and makes
  // them again from what the old window saved): nothing of it is touched then.
  const TfcNodeWatch watch(this);
  auto stays = [&] { return !watch.Gone() && !tv->BeingFreed(); };
  struct TManual {
    TfcCustomTreeView* Tree;
    ~TManual() { Tree->FManualExpand = false; }
  } manual{tv};
  tv->FManualExpand = true;
  const bool allowed = Expanding ? HasChildren() && tv->CanExpand(this) : tv->CanCollapse(this);
  if (!stays()) return false;
  if (!allowed) return true;
  if (Expanding) tv->Expand(this);
  else tv->Collapse(this);
  if (!stays()) return false;
  FOwner->Send(TVM_EXPAND, Expanding ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItemId));
  return stays();
}

void TfcTreeNode::Expand(bool Recurse) {
  if (!ExpandItem(true) || !Recurse) return;
  for (TfcTreeNode* n = GetNext(); n && n->HasAsParent(this); n = n->GetNext())
    if (!n->ExpandItem(true)) return;
}

void TfcTreeNode::Collapse(bool Recurse) {
  if (!ExpandItem(false) || !Recurse) return;
  for (TfcTreeNode* n = GetNext(); n && n->HasAsParent(this); n = n->GetNext())
    if (!n->ExpandItem(false)) return;
}

void TfcTreeNode::MakeVisible() {
  if (FItemId) FOwner->Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(FItemId));
}

namespace {

TfcTreeNode* Related(const TfcTreeNodes* Owner, HTREEITEM Item, UINT Code) {
  if (!Item) return nullptr;
  return Owner->GetNode(reinterpret_cast<HTREEITEM>(Owner->Send(TVM_GETNEXTITEM, Code, reinterpret_cast<LPARAM>(Item))));
}

}  // namespace

TfcTreeNode* TfcTreeNode::Parent() const { return FParent; }
TfcTreeNode* TfcTreeNode::GetNextSibling() const { return FNextSibling; }
TfcTreeNode* TfcTreeNode::GetPrevSibling() const { return FPrevSibling; }
TfcTreeNode* TfcTreeNode::GetFirstChild() const { return FFirstChild; }
TfcTreeNode* TfcTreeNode::GetLastChild() const { return FLastChild; }

TfcTreeNode* TfcTreeNode::GetNextVisible() const {
  return IsVisible() ? Related(FOwner, FItemId, TVGN_NEXTVISIBLE) : nullptr;
}

TfcTreeNode* TfcTreeNode::GetPrevVisible() const {
  return IsVisible() ? Related(FOwner, FItemId, TVGN_PREVIOUSVISIBLE) : nullptr;
}

TfcTreeNode* TfcTreeNode::GetNext() const {
  if (TfcTreeNode* child = GetFirstChild()) return child;
  for (const TfcTreeNode* n = this; n; n = n->Parent())
    if (TfcTreeNode* sibling = n->GetNextSibling()) return sibling;
  return nullptr;
}

TfcTreeNode* TfcTreeNode::GetPrev() const {
  TfcTreeNode* n = GetPrevSibling();
  if (!n) return Parent();
  while (TfcTreeNode* last = n->GetLastChild()) n = last;
  return n;
}

int TfcTreeNode::Index() const {
  int i = 0;
  for (TfcTreeNode* n = GetPrevSibling(); n; n = n->GetPrevSibling()) ++i;
  return i;
}

int TfcTreeNode::AbsoluteIndex() const {
  if (FOwner->FCacheNode == this) return FOwner->FCacheIndex;
  int i = 0;
  for (TfcTreeNode* n = GetPrev(); n; n = n->GetPrev()) ++i;
  return i;
}

int TfcTreeNode::Level() const {
  int level = 0;
  for (TfcTreeNode* n = Parent(); n; n = n->Parent()) ++level;
  return level;
}

int TfcTreeNode::Count() const { return FCount; }

TfcTreeNode* TfcTreeNode::Item(int Index) const {
  TfcTreeNode* n = Index >= 0 ? GetFirstChild() : nullptr;
  for (int i = 0; n && i < Index; ++i) n = n->GetNextSibling();
  if (!n) throw ETreeViewError(Format(L"List index out of bounds (%d)", {Index}));
  return n;
}

int TfcTreeNode::IndexOf(const TfcTreeNode* Child) const {
  int i = 0;
  for (TfcTreeNode* n = GetFirstChild(); n; n = n->GetNextSibling(), ++i)
    if (n == Child) return i;
  return -1;
}

bool TfcTreeNode::HasAsParent(const TfcTreeNode* Node) const {
  if (!Node) return true;
  for (TfcTreeNode* n = Parent(); n; n = n->Parent())
    if (n == Node) return true;
  return false;
}

namespace {

// TVM_GETITEMRECT takes the item in the rectangle it fills: its bytes are
// copied in, since a RECT cannot be written through an HTREEITEM pointer.
RECT ItemRectRequest(HTREEITEM Item) {
  RECT r = {};
  std::memcpy(&r, &Item, sizeof Item);
  return r;
}

}  // namespace

bool TfcTreeNode::IsVisible() const {
  if (!FItemId || !FOwner->HasWindow()) return false;
  RECT r = ItemRectRequest(FItemId);
  return FOwner->Send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)) != 0;
}

TRect TfcTreeNode::DisplayRect(bool TextOnly) const {
  if (!FItemId || !FOwner->HasWindow()) return TRect();
  RECT r = ItemRectRequest(FItemId);
  if (!FOwner->Send(TVM_GETITEMRECT, TextOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(&r))) return TRect();
  TRect result(r.left, r.top, r.right, r.bottom);
  TCustomImageList* images = TreeView()->Images();
  if (TextOnly && images && FImageIndex == -2) result.Left -= images->Width() + 1;
  return result;
}

bool TfcTreeNode::AlphaSort() { return CustomSort(nullptr, 0); }

bool TfcTreeNode::CustomSort(PFNTVCOMPARE SortProc, LPARAM Data) {
  FOwner->ClearCache();
  // OnCompare may free the tree: the nodes then keep their links.
  TfcCustomTreeView* tv = TreeView();
  const TLibraryScope hold(tv);
  const bool sorted = FItemId && tv->SortChildren(FItemId, SortProc, Data) && !tv->BeingFreed();
  if (sorted) FOwner->RelinkChildren(this);
  return sorted;
}

void TfcTreeNode::EndEdit(bool Cancel) { FOwner->Send(TVM_ENDEDITLABELNOW, Cancel ? TRUE : FALSE, 0); }

void TfcTreeNode::Delete() {
  if (!FDeleting) delete this;
}

void TfcTreeNode::Invalidate() {
  TfcCustomTreeView* tv = TreeView();
  if (!tv->HandleAllocated()) return;
  const TRect r = DisplayRect(false);
  if (r.Width() <= 0) return;
  RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
  InvalidateRect(tv->Handle(), &rc, FALSE);
}

void TfcTreeNode::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TfcTreeNode*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  SetText(src->FText);
  SetData(src->FData);
  SetCheckboxType(src->CheckboxType());
  SetStringData(src->StringData());
  SetStringData2(src->StringData2());
  SetImageIndex(src->FImageIndex);
  SetSelectedIndex(src->FSelectedIndex);
  SetStateIndex(src->StateIndex());
  SetOverlayIndex(src->OverlayIndex());
  // Item states are read before anything is written: the source may be this node.
  const bool focused = src->Focused(), drop = src->DropTarget(), cut = src->Cut(), children = src->HasChildren();
  SetFocused(focused);
  SetDropTarget(drop);
  SetCut(cut);
  SetHasChildren(children);
  SetChecked(src->FChecked);
}

void TfcTreeNode::MoveTo(TfcTreeNode* Destination, TfcNodeAttachMode Mode) {
  if (!Destination || Destination == this || Destination->HasAsParent(this)) return;
  if (Mode == fcnaInsert && Destination->GetPrevSibling() == this) return;
  TfcCustomTreeView* tv = TreeView();
  auto changing = std::move(tv->OnChanging);
  auto change = std::move(tv->OnChange);
  tv->OnChanging = nullptr;
  tv->OnChange = nullptr;
  const bool children = HasChildren(), selected = Selected();
  TfcTreeNode* oldParent = Parent();
  if (oldParent && oldParent->Count() == 1) {
    oldParent->Collapse(false);
    oldParent->SetHasChildren(false);
  }
  HTREEITEM parent = nullptr, after = TVI_LAST;
  switch (Mode) {
    case fcnaAdd: parent = Destination->Parent() ? Destination->Parent()->FItemId : TVI_ROOT; break;
    case fcnaAddFirst:
      parent = Destination->Parent() ? Destination->Parent()->FItemId : TVI_ROOT;
      after = TVI_FIRST;
      break;
    case fcnaAddChild: parent = Destination->FItemId; break;
    case fcnaAddChildFirst:
      parent = Destination->FItemId;
      after = TVI_FIRST;
      break;
    case fcnaInsert: {
      parent = Destination->Parent() ? Destination->Parent()->FItemId : TVI_ROOT;
      TfcTreeNode* prev = Destination->GetPrevSibling();
      after = prev ? prev->FItemId : TVI_FIRST;
      break;
    }
    case fcnaInsertAfter:
      parent = Destination->Parent() ? Destination->Parent()->FItemId : TVI_ROOT;
      after = Destination->FItemId;
      break;
  }
  const HTREEITEM old = FItemId;
  // The old item lets go of the node so that its deletion frees nothing.
  TVITEMW it = ItemOf(old, TVIF_PARAM);
  it.lParam = 0;
  FOwner->Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&it));
  const HTREEITEM fresh = FOwner->InsertItem(this, parent, after);
  TfcTreeNode* newParent = FOwner->GetNode(parent);
  TfcTreeNode* afterNode = after == TVI_LAST  ? (newParent ? newParent->FLastChild : FOwner->FLastRoot)
                           : after == TVI_FIRST ? nullptr
                                                : FOwner->GetNode(after);
  Unlink();
  LinkAfter(newParent, afterNode, after == TVI_FIRST);
  std::vector<TfcTreeNode*> kids;
  for (TfcTreeNode* k = FFirstChild; k; k = k->FNextSibling) kids.push_back(k);
  FOwner->FNodes.erase(old);
  FOwner->FNodes[fresh] = this;
  FItemId = fresh;
  for (auto k = kids.rbegin(); k != kids.rend(); ++k) (*k)->MoveTo(this, fcnaAddChildFirst);
  FOwner->Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(old));
  Assign(this);
  SetHasChildren(children);
  if (selected) SetSelected(true);
  if (TfcTreeNode* p = Parent()) {
    p->SetHasChildren(true);
    p->Expand(false);
  }
  FOwner->ClearCache();
  tv->OnChanging = std::move(changing);
  tv->OnChange = std::move(change);
}

int TfcTreeNode::GetSizeOfNodeInfo() const { return fcNodeInfoSize + (ExtraCount() > 0 ? 4 + ExtraCount() : 0); }

void TfcTreeNode::SaveRecord(TfcNodeRecord& R) const {
  R.ImageIndex = FImageIndex;
  R.SelectedIndex = FSelectedIndex;
  R.StateIndex = StateIndex();
  R.OverlayIndex = OverlayIndex();
  R.CheckboxType = static_cast<uint8_t>(CheckboxType());
  R.Checked = FChecked;
  R.Grayed = FGrayed;
  R.Expanded = Expanded();
  R.Data = reinterpret_cast<uintptr_t>(FData);
  R.Text = FText;
  R.StringData = StringData();
  R.StringData2 = StringData2();
  R.ChildCount = Count();
  R.Extra.clear();
}

bool TfcTreeNode::LoadRecord(const TfcNodeRecord& R) {
  // A setter may call out (the change handler, a sort's compare) to a
  // handler that deletes the node: the values after it are not set then.
  const std::function<void()> steps[] = {
      [&] { SetText(R.Text); },
      [&] { SetImageIndex(R.ImageIndex); },
      [&] { SetSelectedIndex(R.SelectedIndex); },
      [&] { SetStateIndex(R.StateIndex); },
      [&] { SetOverlayIndex(R.OverlayIndex); },
      [&] { SetData(reinterpret_cast<void*>(R.Data)); },
      [&] { SetCheckboxType(R.CheckboxType); },
      [&] { SetChecked(R.Checked); },
      [&] { SetGrayed(R.Grayed); },
      [&] { SetStringData(R.StringData); },
      [&] { SetStringData2(R.StringData2); },
  };
  const TfcNodeWatch watch(this);
  for (const auto& step : steps) {
    step();
    if (watch.Gone()) return false;
  }
  return true;
}

void TfcTreeNode::WriteData(TStream* Stream) const {
  TfcNodeRecord r;
  SaveRecord(r);
  fcWriteNodeRecord(Stream, r, ExtraCount() > 0);
  for (TfcTreeNode* n = GetFirstChild(); n; n = n->GetNextSibling()) n->WriteData(Stream);
}

void TfcTreeNode::ReadData(TStream* Stream) {
  TfcNodeRecord r;
  fcReadNodeRecord(Stream, r, TreeView()->StreamVersion(), ExtraCount());
  // A handler that deletes the node leaves the rest of the stream no place.
  const TfcNodeWatch watch(this);
  if (!LoadRecord(r)) throw EReadError(L"A tree node was deleted while it was read");
  for (int i = 0; i < r.ChildCount; ++i) {
    TfcTreeNode* child = FOwner->AddChild(this, String());
    if (!child) throw EReadError(L"A tree node was deleted while it was read");
    child->ReadData(Stream);
    if (watch.Gone()) throw EReadError(L"A tree node was deleted while it was read");
  }
  if (TreeView()->StreamExpandedNode()) SetExpanded(r.Expanded);
}

// ---- TfcTreeNodes ----

TfcTreeNodes::TfcTreeNodes(TfcCustomTreeView* AOwner) : FOwner(AOwner) {}

TfcTreeNodes::~TfcTreeNodes() {
  FDestroying = true;
  Clear();
}

bool TfcTreeNodes::HasWindow() const { return FOwner->HandleAllocated(); }

LRESULT TfcTreeNodes::Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
  FOwner->HandleNeeded();
  return FOwner->SendTree(Msg, WParam, LParam);
}

TfcTreeNode* TfcTreeNodes::GetNode(HTREEITEM Item) const {
  const auto found = FNodes.find(Item);
  return found != FNodes.end() ? found->second : nullptr;
}

void TfcTreeNodes::RelinkChildren(TfcTreeNode* Parent) {
  std::vector<TfcTreeNode*> order;
  const HTREEITEM parent = Parent ? Parent->FItemId : nullptr;
  HTREEITEM c = reinterpret_cast<HTREEITEM>(
      Send(TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
  for (; c; c = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(c))))
    if (TfcTreeNode* n = GetNode(c)) order.push_back(n);
  TfcTreeNode*& first = Parent ? Parent->FFirstChild : FFirstRoot;
  TfcTreeNode*& last = Parent ? Parent->FLastChild : FLastRoot;
  first = last = nullptr;
  TfcTreeNode* prev = nullptr;
  for (TfcTreeNode* n : order) {
    n->FPrevSibling = prev;
    n->FNextSibling = nullptr;
    if (prev) prev->FNextSibling = n;
    else first = n;
    prev = n;
  }
  last = prev;
}

int TfcTreeNodes::Count() const { return HasWindow() ? static_cast<int>(Send(TVM_GETCOUNT, 0, 0)) : 0; }


TfcTreeNode* TfcTreeNodes::Item(int Index) {
  if (Index < 0) throw ETreeViewError(L"Invalid index");
  TfcTreeNode* n = nullptr;
  if (FCacheNode && std::abs(FCacheIndex - Index) < 2) {
    n = Index == FCacheIndex ? FCacheNode : Index > FCacheIndex ? FCacheNode->GetNext() : FCacheNode->GetPrev();
  } else {
    n = GetFirstNode();
    for (int i = 0; n && i < Index; ++i) n = n->GetNext();
  }
  if (!n) throw ETreeViewError(L"Invalid index");
  FCacheNode = n;
  FCacheIndex = Index;
  return n;
}

HTREEITEM TfcTreeNodes::InsertItem(TfcTreeNode* Node, HTREEITEM Parent, HTREEITEM After) {
  TVINSERTSTRUCTW ins = {};
  ins.hParent = Parent ? Parent : TVI_ROOT;
  ins.hInsertAfter = After;
  // No state image to begin with: the node's StateIndex -1.
  ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE | TVIF_STATE;
  ins.item.stateMask = TVIS_STATEIMAGEMASK;
  // The text is given to the item, not asked for on each use: under Wine every
  // request would make a round of notifications through the parent.
  ins.item.pszText = const_cast<wchar_t*>(Node->FText.c_str());
  ins.item.iImage = I_IMAGECALLBACK;
  ins.item.iSelectedImage = I_IMAGECALLBACK;
  ins.item.lParam = reinterpret_cast<LPARAM>(Node);
  FOwner->FChangeTimer->SetEnabled(false);
  const auto item = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
  if (!item) throw EOutOfResources(L"Unable to insert an item");
  return item;
}

TfcTreeNode* TfcTreeNodes::InternalAdd(TfcTreeNode* Parent, HTREEITEM InsertAfter, const String& S, void* Ptr) {
  ClearCache();
  const TfcNodeWatch parent(Parent);
  TfcTreeNode* node = FOwner->CreateNode();
  if (FOwner->BeingFreed() || parent.Gone()) {
    // The creation's handler freed the tree or deleted the parent: the node
    // has no place.
    delete node;
    return nullptr;
  }
  node->FData = Ptr;
  node->FText = S;
  node->FInTree = true;
  try {
    node->FItemId = InsertItem(node, Parent ? Parent->FItemId : TVI_ROOT, InsertAfter);
  } catch (...) {
    node->FInTree = false;
    delete node;
    throw;
  }
  FNodes[node->FItemId] = node;
  TfcTreeNode* after = InsertAfter == TVI_LAST    ? (Parent ? Parent->FLastChild : FLastRoot)
                       : InsertAfter == TVI_FIRST ? nullptr
                                                  : GetNode(InsertAfter);
  node->LinkAfter(Parent, after, InsertAfter == TVI_FIRST);
  if (Parent) {
    if (!Parent->FHasChildren) Parent->SetHasChildren(true);
    if (!Updating()) {
      TfcTreeNode* shown = Parent;
      while (shown && !shown->IsVisible()) shown = shown->Parent();
      if (shown) {
        const TRect r = shown->DisplayRect(false);
        RECT rc = {r.Left, r.Top, r.Right, r.Bottom};
        InvalidateRect(FOwner->Handle(), &rc, TRUE);
      }
    }
  }
  // No sorting here: a sorted tree re-sorts when a node in it is renamed, and
  // building one costs a single AlphaSort at the end, not one per node.
  if (FOwner->MultiSelectCheckboxNode(node)) node->SetStateIndex(1);
  return node;
}

TfcTreeNode* TfcTreeNodes::AddObject(TfcTreeNode* Sibling, const String& S, void* Ptr) {
  return InternalAdd(Sibling ? Sibling->Parent() : nullptr, TVI_LAST, S, Ptr);
}

TfcTreeNode* TfcTreeNodes::AddFirst(TfcTreeNode* Sibling, const String& S) {
  return InternalAdd(Sibling ? Sibling->Parent() : nullptr, TVI_FIRST, S, nullptr);
}

TfcTreeNode* TfcTreeNodes::AddChildObject(TfcTreeNode* Parent, const String& S, void* Ptr) {
  return InternalAdd(Parent, TVI_LAST, S, Ptr);
}

TfcTreeNode* TfcTreeNodes::AddChildFirst(TfcTreeNode* Parent, const String& S) {
  return InternalAdd(Parent, TVI_FIRST, S, nullptr);
}

TfcTreeNode* TfcTreeNodes::Insert(TfcTreeNode* Sibling, const String& S) {
  if (!Sibling) return Add(nullptr, S);
  TfcTreeNode* prev = Sibling->GetPrevSibling();
  return InternalAdd(Sibling->Parent(), prev ? prev->FItemId : TVI_FIRST, S, nullptr);
}

void TfcTreeNodes::Delete(TfcTreeNode* Node) {
  if (!Node->FItemId) FOwner->Delete(Node);
  Node->Delete();
}

void TfcTreeNodes::Clear() {
  // Nodes outlive the window of a tree being freed (see TfcCustomTreeView::
  // KeepsNodes): they go here without it.
  const bool window = HasWindow();
  if (window ? Send(TVM_GETCOUNT, 0, 0) == 0 : !FFirstRoot) return;
  FOwner->FClearing = true;
  BeginUpdate();
  if (window) {
    Send(TVM_SELECTITEM, TVGN_CARET, 0);
    Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(Send(TVM_GETNEXTITEM, TVGN_ROOT, 0)));
    // Every item in one deletion, which costs the system tree far less than
    // one deletion an item; its notifications free the nodes, each raising
    // OnDeletion.
    Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  }
  // Nodes with no item left (all of them without a window) from the last
  // backwards, so that each deletion takes a leaf.
  TfcTreeNode* n = GetFirstNode();
  while (n && n->GetNext()) n = n->GetNext();
  // A node whose deletion runs further up the stack only leaves the list.
  while (n) {
    TfcTreeNode* prev = n->GetPrev();
    if (n->FDeleting) n->Unlink();
    else delete n;
    n = prev;
  }
  ClearCache();
  FOwner->FClearing = false;
  if (!FDestroying) EndUpdate();
  else FUpdateCount = 0;
}

void TfcTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0 && HasWindow()) Send(WM_SETREDRAW, FALSE, 0);
}

void TfcTreeNodes::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  if (!HasWindow()) return;
  Send(WM_SETREDRAW, TRUE, 0);
  FOwner->Invalidate();
}

TfcTreeNode* TfcTreeNodes::FindNodeInfo(const String& S, bool VisibleOnly, int Which) const {
  const String wanted = AnsiUpperCase(S);
  for (TfcTreeNode* n = GetFirstNode(); n; n = VisibleOnly ? n->GetNextVisible() : n->GetNext()) {
    const String& value = Which == 1 ? n->StringData() : Which == 2 ? n->StringData2() : n->Text();
    if (AnsiUpperCase(value) == wanted) return n;
  }
  return nullptr;
}

TfcTreeNode* TfcTreeNodes::FindNode(const String& S, bool VisibleOnly) const { return FindNodeInfo(S, VisibleOnly, 0); }

void TfcTreeNodes::WriteData(TStream* Stream) const {
  int32_t roots = 0;
  for (TfcTreeNode* n = GetFirstNode(); n; n = n->GetNextSibling()) ++roots;
  uint8_t b[4];
  StoreLE32(b, static_cast<uint32_t>(roots));
  Stream->WriteBuffer(b, 4);
  for (TfcTreeNode* n = GetFirstNode(); n; n = n->GetNextSibling()) n->WriteData(Stream);
  FOwner->SetStreamVersion(1);
}

void TfcTreeNodes::ReadData(TStream* Stream) {
  Clear();
  uint8_t b[4];
  Stream->ReadBuffer(b, 4);
  const int32_t roots = LoadLE32Signed(b);
  BeginUpdate();
  try {
    for (int32_t i = 0; i < roots; ++i) {
      TfcTreeNode* root = AddChild(nullptr, String());
      if (!root) throw EReadError(L"The tree was freed while it was read");
      root->ReadData(Stream);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  FOwner->SetStreamVersion(1);
}

std::vector<TfcNodeRecord> TfcTreeNodes::SaveRecords() const {
  std::vector<TfcNodeRecord> records;
  for (TfcTreeNode* n = GetFirstNode(); n; n = n->GetNext()) {
    records.emplace_back();
    n->SaveRecord(records.back());
  }
  return records;
}

bool TfcTreeNodes::LoadRecordsFrom(const std::vector<TfcNodeRecord>& Records, size_t& At, TfcTreeNode* Parent,
                                   bool RestoreExpanded) {
  const TfcNodeRecord& r = Records[At++];
  TfcTreeNode* node = FOwner->BeingFreed() ? nullptr : AddChild(Parent, String());
  if (!node) return false;  // a handler freed the tree or deleted the parent
  const TfcNodeWatch watch(node);
  if (!node->LoadRecord(r)) return false;
  for (int i = 0; i < r.ChildCount && At < Records.size(); ++i)
    if (!LoadRecordsFrom(Records, At, node, RestoreExpanded) || watch.Gone()) return false;
  if (RestoreExpanded && r.Expanded) node->SetExpanded(true);
  return !watch.Gone();
}

void TfcTreeNodes::LoadRecords(const std::vector<TfcNodeRecord>& Records, bool RestoreExpanded) {
  Clear();
  BeginUpdate();
  size_t at = 0;
  while (at < Records.size() && LoadRecordsFrom(Records, at, nullptr, RestoreExpanded)) {
  }
  EndUpdate();
}

void TfcTreeNodes::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TfcTreeNodes*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  FOwner->SetStreamVersion(1);
  // Copied through the full records: texts past the stream's 255 bytes stay
  // whole; expansion is copied only where a stored tree would keep it.
  LoadRecords(src->SaveRecords(), FOwner->StreamExpandedNode());
  if (TfcTreeNode* first = GetFirstNode()) first->SetSelected(true);
  FOwner->Invalidate();
}
