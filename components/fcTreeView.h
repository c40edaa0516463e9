// The fc tree view: the system tree control with every item painted by the
// control itself, check boxes and radio nodes, a multi-selection bound to one
// level, link nodes, a delayed change event and hints for cut-off texts.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/DragDrop.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/ImgList.h"
#include "components/fcCanvas.h"
#include "components/fcTreeNodes.h"

class TfcCustomTreeView;

using TfcTVChangingEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, bool& AllowChange)>;
using TfcTVChangedEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node)>;
using TfcTVEditingEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, bool& AllowEdit)>;
using TfcTVEditedEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, String& S)>;
using TfcTVExpandingEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, bool& Allow)>;
using TfcTVExpandedEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node)>;
using TfcTVCompareEvent =
    TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node1, TfcTreeNode* Node2, int Data, int& Compare)>;
using TfcTreeMouseEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, TMouseButton Button,
                                             TShiftState Shift, int X, int Y)>;
using TfcTreeMouseMoveEvent =
    TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, TShiftState Shift, int X, int Y)>;
using TfcToggleCheckboxEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node)>;
using TfcCalcNodeAttributesEvent =
    TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, TfcItemStates State)>;
using TfcTVDrawTextEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, const TRect& ARect,
                                              TfcItemStates AItemState, bool& DefaultDrawing)>;
// Kind 0 created, 1 deleted, 2 text written (Value the text), 3 image written
// (ImageIndex the index).
using TfcNodeChangeEvent = TEvent<void(TfcCustomTreeView* TreeView, TfcTreeNode* Node, int Kind,
                                              const String& Text, int ImageIndex)>;
using TfcTreeNodeFactory = std::function<TfcTreeNode*(TfcTreeNodes* Owner)>;


class TfcTVMultiSelectAttributes : public TPersistent {
 public:
  explicit TfcTVMultiSelectAttributes(TfcCustomTreeView* Owner) : FTreeView(Owner) {}
  String ClassName() const override { return L"TfcTVMultiSelectAttributes"; }
  void Assign(TPersistent* Source) override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool AutoUnselect() const { return FAutoUnselect; }
  void SetAutoUnselect(bool Value) { FAutoUnselect = Value; }
  int MultiSelectLevel() const { return FMultiSelectLevel; }
  void SetMultiSelectLevel(int Value);
  bool MultiSelectCheckbox() const { return FMultiSelectCheckbox; }
  void SetMultiSelectCheckbox(bool Value);

 private:
  bool FEnabled = false, FAutoUnselect = true;
  int FMultiSelectLevel = 0;
  bool FMultiSelectCheckbox = true;
  TfcCustomTreeView* FTreeView;
};

// The small window that shows a cut-off node text in full.
class TfcTreeHintWindow : public THintWindow {
 public:
  explicit TfcTreeHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}
  String ClassName() const override { return L"TfcTreeHintWindow"; }
  TfcTreeNode* Node = nullptr;

 protected:
  void Paint() override;
};

class TfcCustomTreeView : public TWinControl {
 public:
  explicit TfcCustomTreeView(TComponent* AOwner);
  ~TfcCustomTreeView() override;
  String ClassName() const override { return L"TfcCustomTreeView"; }
  void Dispatch(TMessage& Message) override;

  TfcTreeNodes* Items() const { return FItems.get(); }
  void SetItems(TfcTreeNodes* Value) { FItems->Assign(Value); }
  TfcTreeViewOptions Options() const { return FOptions; }
  void SetOptions(TfcTreeViewOptions Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool AutoExpand() const { return FAutoExpand; }
  void SetAutoExpand(bool Value);
  int ChangeDelay() const { return FChangeTimer->Interval(); }
  void SetChangeDelay(int Value) { FChangeTimer->SetInterval(Value); }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value);
  TColor InactiveFocusColor() const { return FInactiveFocusColor; }
  void SetInactiveFocusColor(TColor Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* Value);
  int Indent();
  void SetIndent(int Value);
  TfcTVMultiSelectAttributes* MultiSelectAttributes() const { return FMultiSelectAttributes.get(); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool RightClickSelects() const { return FRightClickSelects; }
  void SetRightClickSelects(bool Value) { FRightClickSelects = Value; }
  TfcSortType SortType() const { return FSortType; }
  void SetSortType(TfcSortType Value);
  bool StreamExpandedNode() const { return FStreamExpandedNode; }
  void SetStreamExpandedNode(bool Value) { FStreamExpandedNode = Value; }
  bool UsePaintBuffering() const { return FUsePaintBuffering; }
  void SetUsePaintBuffering(bool Value) { FUsePaintBuffering = Value; }
  bool DisableThemes() const { return FDisableThemes; }
  void SetDisableThemes(bool Value) { FDisableThemes = Value; }
  int StreamVersion() const { return FStreamVersion; }
  void SetStreamVersion(int Value) { FStreamVersion = Value; }
  TfcCanvas* Canvas() const { return FCanvas.get(); }

  TfcTreeNode* Selected() const;
  void SetSelected(TfcTreeNode* Value);
  TfcTreeNode* TopItem() const;
  void SetTopItem(TfcTreeNode* Value);
  TfcTreeNode* DropTarget() const;
  TfcTreeNode* GetNodeAt(int X, int Y) const;
  THitTests GetHitTestInfoAt(int X, int Y) const;
  bool IsEditing() const;
  void FullExpand();
  void FullCollapse();
  bool AlphaSort();
  // Sorts an item's children (TVI_ROOT: the root level) by Proc, or by
  // Compare without one; Data goes to either.
  bool SortChildren(HTREEITEM Parent, PFNTVCOMPARE Proc = nullptr, LPARAM Data = 0);
  int CompareForSort(TfcTreeNode* Node1, TfcTreeNode* Node2, int Data) { return Compare(Node1, Node2, Data); }
  // The incremental-search text; Wine's tree control does not keep one and answers empty.
  String GetSearchString() const;
  void InvalidateNode(TfcTreeNode* Node);
  int ItemHeight() const;
  // A message straight to the system control's own procedure; 0 without a
  // window. The library's path in front of it is skipped: it handles none of
  // the control's own messages, and under Wine it costs some 40 times more.
  LRESULT SendTree(UINT Msg, WPARAM WParam, LPARAM LParam) const;
  // Whether the tree, or a control it sits in, is being freed: its nodes then
  // outlive its window (a handler of a node's event may be on the stack) and
  // go with the tree's destructor.
  bool KeepsNodes() const;

  // Multi-selection.
  virtual void SetMultiSelected(TfcTreeNode* Node, bool Value, bool Redraw);
  void UnselectAll(TfcTreeNode* Except);
  virtual bool NodeInView(TfcTreeNode* Node, bool UseTop);
  const std::vector<TfcTreeNode*>& MultiSelectList() const { return FMultiSelectList; }
  TfcTreeNode* Anchor() const { return FAnchor; }
  // The node has a check box drawn for the multi-selection.
  bool MultiSelectCheckboxNode(TfcTreeNode* Node) const;
  // A check box of either kind is drawn for the node.
  bool HasCheckbox(TfcTreeNode* Node) const;
  bool LevelAllowed(TfcTreeNode* Node) const;
  TfcTreeNode* HintNode() const { return FHintNode; }
  TfcTreeHintWindow* HintWindow() const { return FHintWindow; }
  virtual void HideHint();

  void SetDragMode(TDragMode Value) override;
  void DragDrop(TObject* Source, int X, int Y) override;
  // No item drop-highlighted any more.
  void ClearDropHighlight();
  // The node a drag started from (nullptr before the first drag).
  TfcTreeNode* DragNode() const { return FDragNode; }

  // The class of the nodes the collection makes.
  void SetNodeFactory(TfcTreeNodeFactory Factory) { FNodeFactory = std::move(Factory); }

  TfcTVChangingEvent OnChanging;
  TfcTVChangedEvent OnChange;
  TfcTVEditingEvent OnEditing;
  TfcTVEditedEvent OnEdited;
  TfcTVExpandingEvent OnExpanding, OnCollapsing;
  TfcTVExpandedEvent OnExpanded, OnCollapsed, OnDeletion, OnGetImageIndex, OnGetSelectedIndex;
  TfcTVCompareEvent OnCompare;
  TfcTreeMouseEvent OnMouseDown, OnMouseUp, OnDblClick;
  TfcTreeMouseMoveEvent OnMouseMove;
  TfcToggleCheckboxEvent OnToggleCheckbox;
  TfcCalcNodeAttributesEvent OnCalcNodeAttributes;
  TfcTVDrawTextEvent OnDrawText;
  TfcNodeChangeEvent OnNodeChange;

 protected:
  friend class TfcTreeNode;
  friend class TfcTreeNodes;
  friend class TfcNodeWatch;
  virtual TfcTreeNode* CreateNode();
  virtual void GetImageIndex(TfcTreeNode* Node);
  virtual void GetSelectedIndex(TfcTreeNode* Node);
  virtual void DoDrawText(TfcTreeNode* Node, const TRect& R, TfcItemStates State, bool& DefaultDrawing);
  virtual int Compare(TfcTreeNode* Node1, TfcTreeNode* Node2, int Data);
  virtual void CalcNodeAttributes(TfcTreeNode* Node, TfcItemStates State);
  virtual void GetDisplayText(TfcTreeNode* Node, String& S);
  virtual bool RowSelect() const { return FOptions.Contains(tvoRowSelect); }
  virtual void PressExpandButton(int X, int Y);
  virtual void BeginPainting();
  virtual void EndPainting() {}
  virtual void PaintItem(TfcTreeNode* Node, TRect R, TfcItemStates State);
  // The node's check box or radio button from the theme; false when none drew it.
  bool DrawThemedCheck(TfcTreeNode* Node, const TRect& Box);
  virtual void ToggleCheckbox(TfcTreeNode* Node);
  virtual TfcTreeHintWindow* CreateHintWindow(TfcTreeNode* Node);
  virtual bool CanEdit(TfcTreeNode* Node);
  virtual bool CanChange(TfcTreeNode* Node);
  virtual bool CanExpand(TfcTreeNode* Node);
  virtual bool CanCollapse(TfcTreeNode* Node);
  virtual void Change(TfcTreeNode* Node);
  virtual void Expand(TfcTreeNode* Node);
  virtual void Collapse(TfcTreeNode* Node);
  virtual void Delete(TfcTreeNode* Node);
  virtual void Edit(const TVITEMW& Item);
  // Raises OnNodeChange; false when its handler deleted Node.
  bool NodeChanged(TfcTreeNode* Node, int Kind, const String& Text, int ImageIndex);

  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // Drag and drop (fcTreeView_drag.cpp): the tree starts its drags itself
  // when the system control reports one.
  void BeginAutoDrag() override {}
  void DoStartDrag(TDragObject*& DragObject) override;
  void DoEndDrag(TObject* Target, int X, int Y) override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  TDragImageList* GetDragImages() override;
  // The node as the tree paints it, into the drag image list.
  void MakeNodeDragImage(TfcTreeNode* Node);

  // The toggle rule of a user's click or Space on a node's check box.
  void UserToggle(TfcTreeNode* Node);
  bool ShowsImage(TfcTreeNode* Node) const;
  bool HasStateSpace(TfcTreeNode* Node) const;
  TfcItemLayout ItemLayout(TfcTreeNode* Node, const TRect& T) const;
  bool ShownSelected(TfcTreeNode* Node, TfcItemStates State, bool DropHighlighted) const;
  // What every item of a paint shares: indent and drop target; the
  // ancestors' lines are placed anew.
  void StartItemPaint();
  void SortWhole(bool ByData);
  TfcTreeNode* RootAt(int Index) const;
  // The state image index the system item carries, -1 for none.
  int ItemStateIndex(TfcTreeNode* Node) const;

  // What the mouse and paint rules remember.
  TfcTreeNode* FAnchor = nullptr;
  TfcTreeNode* FSelectedBeforePress = nullptr;
  TfcTreeNode* FPressedNode = nullptr;
  TfcTreeNode* FEditNode = nullptr;
  TfcTreeNode* FHotNode = nullptr;
  THitTests FHotFlags;
  TfcTreeNode* FRightClickNode = nullptr;
  TfcTreeNode* FDragNode = nullptr;
  TfcTreeNode* FDropTarget = nullptr;
  bool FDragged = false;
  bool FButtonPressed = false;
  bool FManualExpand = false;
  bool FClearing = false;
  bool FDestroyingWnd = false;
  bool FPaintingFlag = false;
  int FPaintedItems = 0;
  int FPaintIndent = 19;
  // The line x of ancestors already placed in this paint.
  std::unordered_map<TfcTreeNode*, int> FLineX;
  // The drop target for the whole paint, asked once: each question is a
  // message to the tree control, which every item would repeat.
  TfcTreeNode* FPaintDropTarget = nullptr;
  // The nodes of open TfcNodeWatches, innermost last; nullptr once deleted.
  std::vector<TfcTreeNode*> FWatchedNodes;

 private:
  void CNNotify(TMessage& Message);
  // Its notifications.
  void TVNGetDispInfo(TMessage& Message);
  void TVNItemExpanding(TMessage& Message);
  void TVNSelChanged(TfcTreeNode* Node);
  void TVNDeleteItem(const TVITEMW& Item);
  void TVNBeginLabelEdit(TMessage& Message);
  void TVNEndLabelEdit(TMessage& Message);
  void NMRClick(TMessage& Message);
  // The steps of PaintItem.
  // The item's state from the system control, its state image put right.
  UINT SyncItemState(TfcTreeNode* N);
  void PaintItemLines(TfcTreeNode* N, const TRect& T, const TRect& Cell);
  void PaintExpandButton(TfcTreeNode* N, const TRect& Cell, int RowHeight, UINT ItemState, bool Themes);
  bool SetItemColours(TfcTreeNode* N, TfcItemStates State, UINT ItemState);
  void FitTextRect(const String& Text, TRect& T);
  TRect SelectionRect(TfcTreeNode* N, const TRect& T) const;
  void PaintSelection(TfcTreeNode* N, const TRect& S, TfcItemStates State, UINT ItemState);
  void PaintItemImage(TfcTreeNode* N, const TRect& Cell, TfcItemStates State, UINT ItemState, bool ShownSelected);
  void PaintStateImage(TfcTreeNode* N, const TRect& Cell, bool Themes);
  void PaintItemText(TfcTreeNode* N, TRect T, const TRect& S, TfcItemStates State, const String& Text,
                     bool EditingThis);
  void CustomDraw(TMessage& Message);
  void WMPaint(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void ChangeTimerTick(TObject* Sender);
  void HintTimerTick(TObject* Sender);
  void UpdateHint(TfcTreeNode* Node);
  void InstallStateImages();
  // Keeps the nodes, selection, top node and indent for the next window.
  void SaveForNewWindow();
  void ApplyStyleBit(DWORD Bit, bool On);
  static LRESULT CALLBACK EditWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT EditMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

  std::unique_ptr<TfcTreeNodes> FItems;
  std::unique_ptr<TfcCanvas> FCanvas;
  std::unique_ptr<TTimer> FChangeTimer;
  std::unique_ptr<TTimer> FHintTimer;
  std::unique_ptr<TfcTVMultiSelectAttributes> FMultiSelectAttributes;
  TfcTreeNodeFactory FNodeFactory;
  TfcTreeViewOptions FOptions = fcDefaultTreeViewOptions;
  TBorderStyle FBorderStyle = bsSingle;
  bool FAutoExpand = false, FReadOnly = false, FRightClickSelects = false, FStreamExpandedNode = false;
  bool FUsePaintBuffering = false, FDisableThemes = false;
  TColor FLineColor = clBtnShadow, FInactiveFocusColor = clBtnFace;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
  TfcSortType FSortType = fcstNone;
  int FStreamVersion = 1;
  int FBorderWidth = 1;
  // Kept while the window is re-created.
  std::vector<TfcNodeRecord> FSavedNodes;
  int FSavedSelected = -1, FSavedTop = -1, FSavedIndent = -1;
  TfcTreeNode* FChangeNode = nullptr;
  std::vector<TfcTreeNode*> FMultiSelectList;
  TfcTreeHintWindow* FHintWindow = nullptr;
  TfcTreeNode* FHintNode = nullptr;
  TfcHintClock FHintClock;
  std::unique_ptr<TDragImageList> FDragImage;
  HWND FEditWnd = nullptr;
  WNDPROC FEditPrevProc = nullptr;
  bool FFirstResize = false;
};

class TfcTreeView : public TfcCustomTreeView {
 public:
  explicit TfcTreeView(TComponent* AOwner) : TfcCustomTreeView(AOwner) {}
  String ClassName() const override { return L"TfcTreeView"; }
};
