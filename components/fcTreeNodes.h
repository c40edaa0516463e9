// Tree nodes and their collection: each node mirrors one item of the system
// tree control (which keeps the structure and item states) and holds the
// text, data, check kind and check states; the collection adds, finds,
// streams and copies them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/TreeView.h"
#include "components/fcTreeRecord.h"
#include "components/fcTreeRules.h"

class TfcCustomTreeView;
class TfcTreeNodes;
class TfcTVMultiSelectAttributes;

// The item state the system headers of this tool chain leave out.
constexpr UINT fcTVIS_FOCUSED = 0x0001;

enum TfcNodeAttachMode { fcnaAdd, fcnaAddFirst, fcnaAddChild, fcnaAddChildFirst, fcnaInsert, fcnaInsertAfter };

class TfcTreeNode : public TPersistent {
 public:
  explicit TfcTreeNode(TfcTreeNodes* AOwner);
  ~TfcTreeNode() override;
  String ClassName() const override { return L"TfcTreeNode"; }
  void Assign(TPersistent* Source) override;

  TfcTreeNodes* Owner() const { return FOwner; }
  TfcCustomTreeView* TreeView() const;
  HTREEITEM ItemId() const { return FItemId; }

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  const String& StringData() const { return StringDataAt(0); }
  void SetStringData(const String& Value) { SetStringDataAt(0, Value); }
  const String& StringData2() const { return StringDataAt(1); }
  void SetStringData2(const String& Value) { SetStringDataAt(1, Value); }
  void* Data() const { return FData; }
  void SetData(void* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);
  int OverlayIndex() const { return FRare ? FRare->OverlayIndex : -1; }
  void SetOverlayIndex(int Value);
  int StateIndex() const { return FRare ? FRare->StateIndex : -1; }
  void SetStateIndex(int Value);
  int CheckboxType() const { return FRare ? FRare->CheckboxType : fcNoCheckbox; }
  void SetCheckboxType(int Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Grayed() const { return FGrayed; }
  void SetGrayed(bool Value);
  bool MultiSelected() const { return FMultiSelected; }
  void SetMultiSelected(bool Value);
  bool Deleting() const { return FDeleting; }
  bool InTree() const { return FInTree; }

  bool Expanded() const { return GetState(TVIS_EXPANDED); }
  void SetExpanded(bool Value);
  bool Selected() const { return GetState(TVIS_SELECTED); }
  void SetSelected(bool Value);
  bool Cut() const { return GetState(TVIS_CUT); }
  void SetCut(bool Value) { SetState(TVIS_CUT, Value); }
  bool DropTarget() const { return GetState(TVIS_DROPHILITED); }
  void SetDropTarget(bool Value);
  bool Focused() const { return GetState(fcTVIS_FOCUSED); }
  void SetFocused(bool Value) { SetState(fcTVIS_FOCUSED, Value); }
  bool HasChildren() const;
  void SetHasChildren(bool Value);

  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  void MakeVisible();
  TfcTreeNode* Parent() const;
  TfcTreeNode* GetNextSibling() const;
  TfcTreeNode* GetPrevSibling() const;
  TfcTreeNode* GetFirstChild() const;
  TfcTreeNode* GetLastChild() const;
  TfcTreeNode* GetNextVisible() const;
  TfcTreeNode* GetPrevVisible() const;
  TfcTreeNode* GetNext() const;
  TfcTreeNode* GetPrev() const;
  int Index() const;
  int AbsoluteIndex() const;
  int Level() const;
  int Count() const;
  // Raises ETreeViewError for an index past the children.
  TfcTreeNode* Item(int Index) const;
  int IndexOf(const TfcTreeNode* Child) const;
  bool HasAsParent(const TfcTreeNode* Node) const;
  bool IsVisible() const;
  // The item's row; TextOnly gives the text part, which for a node shown
  // without an image (ImageIndex -2) takes the image's place too.
  TRect DisplayRect(bool TextOnly) const;
  bool AlphaSort();
  // Sorts the children by SortProc, given two nodes (as LPARAM) and Data;
  // without a procedure by the tree view's Compare, which receives Data.
  bool CustomSort(PFNTVCOMPARE SortProc, LPARAM Data);
  void EndEdit(bool Cancel);
  void Delete();
  virtual void Invalidate();
  virtual void MoveTo(TfcTreeNode* Destination, TfcNodeAttachMode Mode);

  // The stream record of a node class: the base record, plus 4 and one byte
  // per value of the class's own.
  virtual int GetSizeOfNodeInfo() const;
  // The node's content, its own values included; the text is never cut.
  virtual void SaveRecord(TfcNodeRecord& R) const;
  // Sets the record's values; false when a handler they raised deleted the
  // node (nothing more is set then, and the node must not be touched).
  virtual bool LoadRecord(const TfcNodeRecord& R);
  // How many values of its own the node class streams (after the base record).
  virtual int ExtraCount() const { return 0; }
  void WriteData(TStream* Stream) const;
  void ReadData(TStream* Stream);

 protected:
  friend class TfcTreeNodes;
  friend class TfcCustomTreeView;
  friend class TfcTVMultiSelectAttributes;
  bool GetState(UINT Mask) const;
  void SetState(UINT Mask, bool Value);
  void SetItemFields(UINT Mask, const TVITEMW& Item);
  // False when a handler freed the tree or deleted this node: the caller stops.
  bool ExpandItem(bool Expand);
  void ResortParent(bool ByData);

  // The place in the tree, kept in step with the system items by every
  // operation that adds, removes, moves or sorts them: the system control
  // finds an item by a linear search under Wine, so asking it for each step
  // of a walk would make walks quadratic.
  void Unlink();
  void LinkAfter(TfcTreeNode* AParent, TfcTreeNode* After, bool First);
  const String& StringDataAt(int Which) const;
  void SetStringDataAt(int Which, const String& Value);

  // What most nodes leave as it was made, kept apart once one of it is set:
  // a tree may hold hundreds of thousands of nodes.
  struct TRarelySet {
    String StringData[2];
    int OverlayIndex = -1, StateIndex = -1;
    int CheckboxType = fcNoCheckbox;  // a check box takes a state image too
  };
  TRarelySet& Rare();

  // The flags first: they fill the space the base class leaves at its end.
  bool FHasChildren = false;
  bool FChecked = false, FGrayed = false, FMultiSelected = false;
  bool FDeleting = false, FInTree = false;
  TfcTreeNodes* FOwner;
  HTREEITEM FItemId = nullptr;
  TfcTreeNode* FParent = nullptr;
  TfcTreeNode *FFirstChild = nullptr, *FLastChild = nullptr;
  TfcTreeNode *FNextSibling = nullptr, *FPrevSibling = nullptr;
  int FCount = 0;
  String FText;
  std::unique_ptr<TRarelySet> FRare;
  void* FData = nullptr;
  int FImageIndex = 0, FSelectedIndex = 0;
};

// Tells whether a node was deleted while code that holds it called out to a
// handler (a node is deleted at once, not freed late as a control is): the
// node's destructor clears its entry in its tree's list of watched nodes.
// The tree's memory is held meanwhile. A watch of nullptr is never gone.
class TfcNodeWatch {
 public:
  explicit TfcNodeWatch(TfcTreeNode* Node);
  ~TfcNodeWatch();
  TfcNodeWatch(const TfcNodeWatch&) = delete;
  TfcNodeWatch& operator=(const TfcNodeWatch&) = delete;
  bool Gone() const;

 private:
  TfcCustomTreeView* FTree = nullptr;
  size_t FIndex = 0;
  TLibraryScope FHold;
};

class TfcTreeNodes : public TPersistent {
 public:
  explicit TfcTreeNodes(TfcCustomTreeView* AOwner);
  ~TfcTreeNodes() override;
  String ClassName() const override { return L"TfcTreeNodes"; }
  void Assign(TPersistent* Source) override;

  TfcCustomTreeView* Owner() const { return FOwner; }
  int Count() const;
  TfcTreeNode* GetFirstNode() const { return FFirstRoot; }
  // The node at an absolute index in depth-first order; ETreeViewError
  // "Invalid index" for one out of range.
  TfcTreeNode* Item(int Index);
  TfcTreeNode* Add(TfcTreeNode* Sibling, const String& S) { return AddObject(Sibling, S, nullptr); }
  TfcTreeNode* AddObject(TfcTreeNode* Sibling, const String& S, void* Ptr);
  TfcTreeNode* AddFirst(TfcTreeNode* Sibling, const String& S);
  TfcTreeNode* AddChild(TfcTreeNode* Parent, const String& S) { return AddChildObject(Parent, S, nullptr); }
  TfcTreeNode* AddChildObject(TfcTreeNode* Parent, const String& S, void* Ptr);
  TfcTreeNode* AddChildFirst(TfcTreeNode* Parent, const String& S);
  TfcTreeNode* Insert(TfcTreeNode* Sibling, const String& S);
  void Delete(TfcTreeNode* Node);
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }
  TfcTreeNode* FindNode(const String& S, bool VisibleOnly) const;
  // Which: 0 the text, 1 StringData, 2 StringData2; case is ignored.
  TfcTreeNode* FindNodeInfo(const String& S, bool VisibleOnly, int Which) const;

  // The "Data" block of a stored tree: a root count and every root's WriteData.
  void WriteData(TStream* Stream) const;
  void ReadData(TStream* Stream);
  // The whole content, in depth-first order with child counts, texts uncut.
  // Loading sets the recorded expansion only with RestoreExpanded.
  std::vector<TfcNodeRecord> SaveRecords() const;
  void LoadRecords(const std::vector<TfcNodeRecord>& Records, bool RestoreExpanded = true);

  // The node of a system item.
  TfcTreeNode* GetNode(HTREEITEM Item) const;
  void ClearCache() { FCacheNode = nullptr; FCacheIndex = -1; }
  // A message to the system control (its window is made when missing).
  LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam) const;

 protected:
  friend class TfcTreeNode;
  friend class TfcCustomTreeView;
  TfcTreeNode* InternalAdd(TfcTreeNode* Parent, HTREEITEM InsertAfter, const String& S, void* Ptr);
  HTREEITEM InsertItem(TfcTreeNode* Node, HTREEITEM Parent, HTREEITEM After);
  bool HasWindow() const;
  // False when a handler deleted a node being loaded: the load stops.
  bool LoadRecordsFrom(const std::vector<TfcNodeRecord>& Records, size_t& At, TfcTreeNode* Parent,
                       bool RestoreExpanded);

  // Re-reads the order of a parent's children (nullptr: the roots) after the system control sorted them.
  void RelinkChildren(TfcTreeNode* Parent);

  TfcCustomTreeView* FOwner;
  TfcTreeNode *FFirstRoot = nullptr, *FLastRoot = nullptr;
  std::unordered_map<HTREEITEM, TfcTreeNode*> FNodes;
  int FUpdateCount = 0;
  TfcTreeNode* FCacheNode = nullptr;
  int FCacheIndex = -1;
  bool FDestroying = false;
};
