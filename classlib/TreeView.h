// The tree view over the system SysTreeView32 control: nodes, their collection and the control.
#pragma once

#include "classlib/Controls.h"
#include "classlib/ImgList.h"

class TTreeNode;
class TTreeNodes;
class TCustomTreeView;

SKINGUI_EXCEPTION(ETreeViewError, Exception)

enum TNodeAttachMode { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };
enum TSortType { stNone, stData, stText, stBoth };
enum THitTest { htAbove, htBelow, htNowhere, htOnItem, htOnButton, htOnIcon, htOnIndent, htOnLabel, htOnRight,
                htOnStateIcon, htToLeft, htToRight };
using THitTests = TSet<THitTest>;

// One item of the tree. The node keeps its text, data, images and place
// among its siblings itself, so a tree can be built before its window exists
// and survives the window being re-created; while there is a window the node
// also has a system item (ItemId) that mirrors it.
class TTreeNode : public TPersistent {
 public:
  explicit TTreeNode(TTreeNodes* AOwner);
  // Deletes the children, then the system item.
  ~TTreeNode() override;
  String ClassName() const override { return L"TTreeNode"; }
  // Copies text, data, images and expansion (not the children).
  void Assign(TPersistent* Source) override;

  TTreeNodes* Owner() const { return FOwner; }
  TCustomTreeView* TreeView() const;
  HTREEITEM ItemId() const { return FItemId; }
  bool Deleting() const { return FDeleting; }

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  void* Data() const { return FData; }
  void SetData(void* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);
  // Image of the StateImages list; 0 and below show none.
  int StateIndex() const { return FStateIndex; }
  void SetStateIndex(int Value);
  int OverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int Value);

  bool Expanded() const;
  void SetExpanded(bool Value);
  bool Selected() const;
  void SetSelected(bool Value);
  bool Focused() const;
  void SetFocused(bool Value);
  bool Cut() const { return StateFlag(TVIS_CUT); }
  void SetCut(bool Value) { SetStateFlag(TVIS_CUT, Value); }
  bool DropTarget() const { return StateFlag(TVIS_DROPHILITED); }
  void SetDropTarget(bool Value) { SetStateFlag(TVIS_DROPHILITED, Value); }
  bool Bold() const { return StateFlag(TVIS_BOLD); }
  void SetBold(bool Value) { SetStateFlag(TVIS_BOLD, Value); }
  // Shows the expand button even before children are added (set by code),
  // otherwise true when there are children.
  bool HasChildren() const { return FHasChildrenSet ? FHasChildren : FFirstChild != nullptr; }
  void SetHasChildren(bool Value);

  TTreeNode* Parent() const { return FParent; }
  int Count() const { return FCount; }
  // Raises ETreeViewError for an index out of range.
  TTreeNode* Item(int Index) const;
  int Index() const;
  int Level() const;
  // Position in the whole tree in GetNext order.
  int AbsoluteIndex() const;
  bool IsVisible() const;
  bool HasAsParent(const TTreeNode* Value) const;

  TTreeNode* getFirstChild() const { return FFirstChild; }
  TTreeNode* GetLastChild() const { return FLastChild; }
  TTreeNode* getNextSibling() const { return FNextSibling; }
  TTreeNode* getPrevSibling() const { return FPrevSibling; }
  TTreeNode* GetNextChild(const TTreeNode* Value) const { return Value ? Value->FNextSibling : nullptr; }
  TTreeNode* GetPrevChild(const TTreeNode* Value) const { return Value ? Value->FPrevSibling : nullptr; }
  // Depth first, the whole tree.
  TTreeNode* GetNext() const;
  TTreeNode* GetPrev() const;
  // Among the nodes whose parents are all expanded.
  TTreeNode* GetNextVisible() const;
  TTreeNode* GetPrevVisible() const;

  // Client rectangle of the row, or of the text only; empty when not shown.
  TRect DisplayRect(bool TextOnly) const;
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  void MakeVisible();
  bool EditText();
  void EndEdit(bool Cancel);
  void Delete();
  void DeleteChildren();
  // Moves the node (with its children) to a new place next to or under Destination.
  void MoveTo(TTreeNode* Destination, TNodeAttachMode Mode);
  // Sorts the children by the tree view's comparison (text unless OnCompare says otherwise).
  void AlphaSort(bool ARecurse = false);

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  bool StateFlag(UINT Flag) const;
  void SetStateFlag(UINT Flag, bool Value);
  // Sends what the mask names to the system item.
  void UpdateItem(UINT Mask);
  void Unlink();
  bool Linked() const;
  void LinkInto(TTreeNode* AParent, TTreeNode* After);

  TTreeNodes* FOwner;
  HTREEITEM FItemId = nullptr;
  TTreeNode* FParent = nullptr;
  TTreeNode *FFirstChild = nullptr, *FLastChild = nullptr;
  TTreeNode *FNextSibling = nullptr, *FPrevSibling = nullptr;
  int FCount = 0;
  String FText;
  void* FData = nullptr;
  int FImageIndex = 0, FSelectedIndex = 0, FStateIndex = -1, FOverlayIndex = -1;
  // States kept for a tree without a window (and across a new window).
  UINT FState = 0;
  bool FHasChildren = false, FHasChildrenSet = false;
  bool FDeleting = false;
};

// The nodes of one tree view.
class TTreeNodes : public TPersistent {
 public:
  explicit TTreeNodes(TCustomTreeView* AOwner);
  ~TTreeNodes() override;
  String ClassName() const override { return L"TTreeNodes"; }
  // Copies a whole tree: texts, data, images and structure.
  void Assign(TPersistent* Source) override;

  TCustomTreeView* Owner() const { return FOwner; }
  int Count() const { return FCount; }
  // The node at an absolute index (GetNext order); raises ETreeViewError
  // "Invalid index" outside the tree. Walking forwards or backwards by one is cheap.
  TTreeNode* Item(int Index) const;
  TTreeNode* GetFirstNode() const { return FFirst; }
  // The node of a system item of this tree's window, or nullptr.
  TTreeNode* GetNode(HTREEITEM ItemId) const;

  // A new last (first) sibling of Sibling, or root node when Sibling is nil.
  TTreeNode* Add(TTreeNode* Sibling, const String& S) { return AddObject(Sibling, S, nullptr); }
  TTreeNode* AddObject(TTreeNode* Sibling, const String& S, void* Ptr);
  TTreeNode* AddFirst(TTreeNode* Sibling, const String& S) { return AddObjectFirst(Sibling, S, nullptr); }
  TTreeNode* AddObjectFirst(TTreeNode* Sibling, const String& S, void* Ptr);
  // A new last (first) child of Parent, or root node when Parent is nil.
  TTreeNode* AddChild(TTreeNode* Parent, const String& S) { return AddChildObject(Parent, S, nullptr); }
  TTreeNode* AddChildObject(TTreeNode* Parent, const String& S, void* Ptr);
  TTreeNode* AddChildFirst(TTreeNode* Parent, const String& S) { return AddChildObjectFirst(Parent, S, nullptr); }
  TTreeNode* AddChildObjectFirst(TTreeNode* Parent, const String& S, void* Ptr);
  // A new node just before Sibling (a last root node when Sibling is nil).
  TTreeNode* Insert(TTreeNode* Sibling, const String& S) { return InsertObject(Sibling, S, nullptr); }
  TTreeNode* InsertObject(TTreeNode* Sibling, const String& S, void* Ptr);
  void Delete(TTreeNode* Node);
  void Clear();
  // Stops the window from redrawing until the matching EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  TTreeNode* InternalAdd(TTreeNode* Parent, TTreeNode* After, const String& S, void* Ptr);
  void CopyChildren(TTreeNode* From, TTreeNode* To);

  TCustomTreeView* FOwner;
  TTreeNode *FFirst = nullptr, *FLast = nullptr;  // root level
  int FCount = 0;
  int FUpdateCount = 0;
  bool FClearing = false;
  // Deletes a sibling list, from its last node (see the definition).
  static void DeleteNodes(TTreeNode*& Last);
  mutable TTreeNode* FCacheNode = nullptr;
  mutable int FCacheIndex = -1;
};

using TTVChangingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVChangedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = TEvent<void(TObject* Sender, TTreeNode* Node, String& S)>;
using TTVCompareEvent = TEvent<void(TObject* Sender, TTreeNode* Node1, TTreeNode* Node2, int Data, int& Compare)>;

class TCustomTreeView : public TWinControl {
 public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TCustomTreeView"; }
  void Dispatch(TMessage& Message) override;

  TTreeNodes* Items() const { return FTreeNodes.get(); }
  void SetItems(TTreeNodes* Value) { FTreeNodes->Assign(Value); }
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* Value);
  TTreeNode* TopItem() const;
  void SetTopItem(TTreeNode* Value);
  TTreeNode* DropTarget() const;
  void SetDropTarget(TTreeNode* Value);
  TTreeNode* GetNodeAt(int X, int Y) const;
  THitTests GetHitTestInfoAt(int X, int Y) const;
  // Rows that fit wholly in the client area.
  int VisibleCount() const;
  void FullExpand();
  void FullCollapse();
  void AlphaSort(bool ARecurse = true);
  bool IsEditing() const;

  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* Value);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value) { SetStyleFlag(FShowButtons, Value); }
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool Value) { SetStyleFlag(FShowLines, Value); }
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool Value) { SetStyleFlag(FShowRoot, Value); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { SetStyleFlag(FReadOnly, Value); }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { SetStyleFlag(FHideSelection, Value); }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { SetStyleFlag(FRowSelect, Value); }
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { SetStyleFlag(FHotTrack, Value); }
  bool ToolTips() const { return FToolTips; }
  void SetToolTips(bool Value) { SetStyleFlag(FToolTips, Value); }
  bool AutoExpand() const { return FAutoExpand; }
  void SetAutoExpand(bool Value) { SetStyleFlag(FAutoExpand, Value); }
  int Indent() const;
  void SetIndent(int Value);
  TSortType SortType() const { return FSortType; }
  void SetSortType(TSortType Value);

  TTVChangingEvent OnChanging;
  TTVChangedEvent OnChange;
  TTVExpandingEvent OnExpanding;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnExpanded, OnCollapsed;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  TTVExpandedEvent OnDeletion;
  TTVCompareEvent OnCompare;

 protected:
  friend class TTreeNode;
  friend class TTreeNodes;
  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // A subclass makes its own node class here.
  virtual TTreeNode* CreateNode();
  virtual bool CanChange(TTreeNode* Node);
  virtual void Change(TTreeNode* Node);
  virtual bool CanExpand(TTreeNode* Node);
  virtual void Expand(TTreeNode* Node);
  virtual bool CanCollapse(TTreeNode* Node);
  virtual void Collapse(TTreeNode* Node);
  virtual bool CanEdit(TTreeNode* Node);
  virtual void Edit(const TVITEMW& Item);
  virtual void Delete(TTreeNode* Node);
  // Negative, zero or positive as Node1 sorts before, with or after Node2.
  virtual int Compare(TTreeNode* Node1, TTreeNode* Node2);
  // WM_NOTIFY of the system control, reflected back; a subclass handles its own codes first.
  virtual void CNNotify(TMessage& Message);
  // Hands the image lists to the window (after a change of list or window).
  void UpdateImageLists();
  bool Loading() const { return ComponentState().Contains(csLoading); }

 private:
  void SetStyleFlag(bool& Field, bool Value);
  void WMDestroy(TMessage& Message);
  // Gives Node and its subtree system items.
  // The node and its subtree; its children go in one after the other.
  void InsertItems(TTreeNode* Node, bool InOrder = false);
  // InOrder: the node's previous siblings are in the window and its next ones not yet.
  void InsertItem(TTreeNode* Node, bool InOrder = false);
  // False when a handler freed the tree or deleted nodes: the sort stopped.
  bool SortChildren(TTreeNode* Parent, bool Recurse);
  void NodeDeleted(TTreeNode* Node);
  // Drops the item handles of a subtree whose window items are gone.
  static void ForgetItemIds(TTreeNode* Node);

  std::unique_ptr<TTreeNodes> FTreeNodes;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
  TBorderStyle FBorderStyle = bsSingle;
  bool FShowButtons = true, FShowLines = true, FShowRoot = true, FReadOnly = false, FHideSelection = true,
       FRowSelect = false, FHotTrack = false, FToolTips = true, FAutoExpand = false;
  int FIndent = -1;  // -1: the system's
  TSortType FSortType = stNone;
  // Set while the tree changes the window itself, so its notifications do not raise events twice.
  bool FManualNotify = false;
  TTreeNode* FSavedSelection = nullptr;
  // The label editor whose end was handled: the window may report the end again while it goes.
  HWND FEndedEditor = nullptr;
};

// A system tree's label edit: the program's own (asked for through
// AskLabelEdit) begins whenever the program asks; one the system begins on
// its own, a moment after a click on the selected item, begins only while the
// tree still has the focus. Begun after the focus went (to a button being
// pressed), its editor would take the focus from the press and the click
// would be lost, as it is on any machine slow enough to let the moment pass.
LRESULT AskLabelEdit(HWND Tree, HTREEITEM Item);
bool LabelEditMayBegin(HWND Tree);

class TTreeView : public TCustomTreeView {
 public:
  using TCustomTreeView::TCustomTreeView;
  String ClassName() const override { return L"TTreeView"; }
};
