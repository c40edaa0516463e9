// The fc tree combo: a custom combo whose drop-down is a tree view in a
// borderless pop-up panel. Choosing a node puts its text in the edit, typing
// finds the first selectable node that starts with what was typed, and the
// chosen node's image is painted left of the text.
#pragma once

#include <vector>

#include "classlib/ExtCtrls.h"
#include "components/fcCombo.h"
#include "components/fcTreeView.h"

enum TfcImgComboOption { icoExpanded, icoEndNodesOnly };
using TfcImgComboOptions = TSet<TfcImgComboOption>;
class TfcCustomTreeCombo;
using TfcCheckValidItemEvent = TEvent<void(TObject* Sender, TfcTreeNode* Node, bool& Accept)>;

// The tree combo's nodes: a node can be kept from being chosen.
class TfcTreeComboTreeNode : public TfcTreeNode {
 public:
  explicit TfcTreeComboTreeNode(TfcTreeNodes* AOwner);
  String ClassName() const override { return L"TfcTreeComboTreeNode"; }
  bool Selectable() const { return FSelectable; }
  void SetSelectable(bool Value) { FSelectable = Value; }
  // The class's own published values, one byte each in declaration order.
  int ExtraCount() const override;
  void SaveRecord(TfcNodeRecord& R) const override;
  bool LoadRecord(const TfcNodeRecord& R) override;

 private:
  bool FSelectable = true;
};

// The pop-up that holds the tree: a tool window that never takes activation.
class TfcPopupPanel : public TPanel {
 public:
  explicit TfcPopupPanel(TComponent* AOwner);
  String ClassName() const override { return L"TfcPopupPanel"; }
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
};

class TfcPopupTreeView : public TfcTreeView {
 public:
  TfcPopupTreeView(TComponent* AOwner, TfcCustomTreeCombo* Combo);
  String ClassName() const override { return L"TfcPopupTreeView"; }
  void Dispatch(TMessage& Message) override;
  // Moves the selection from Start by Key (arrows, pages, Home, End) to a
  // selectable node; false when none is reached.
  bool MoveSelection(TfcTreeNode* Start, WORD Key);
  bool Tracking() const { return FTracking; }

 protected:
  friend class TfcCustomTreeCombo;
  void Change(TfcTreeNode* Node) override;
  void Collapse(TfcTreeNode* Node) override;
  void CalcNodeAttributes(TfcTreeNode* Node, TfcItemStates State) override;

 private:
  void LButtonDown(int X, int Y);
  void MouseMoveTo(int X, int Y, bool LeftDown);
  void LButtonUp(int X, int Y);
  void ScrollStep();
  bool InClient(int X, int Y) const;
  TfcTreeNode* Step(TfcTreeNode* N, bool Up, bool Visible) const;

  TfcCustomTreeCombo* FCombo;
  bool FTimerOn = false, FTracking = false, FReleaseCloses = true, FPressedInside = false;
  TPoint FLastPoint{-1, -1};
};

class TfcCustomTreeCombo : public TfcCustomCombo {
 public:
  enum TStoreDataUsing { sdStoreText, sdStoreData1, sdStoreData2 };

  explicit TfcCustomTreeCombo(TComponent* AOwner);
  ~TfcCustomTreeCombo() override;
  String ClassName() const override { return L"TfcCustomTreeCombo"; }

  TfcTreeNodes* Items() const { return FTreeView->Items(); }
  TfcPopupTreeView* TreeView() const { return FTreeView; }
  TfcPopupPanel* Container() const { return FContainer; }
  TCustomImageList* Images() const { return FTreeView->Images(); }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* StateImages() const { return FTreeView->StateImages(); }
  void SetStateImages(TCustomImageList* Value);
  bool Sorted() const { return FTreeView->SortType() == fcstText; }
  void SetSorted(bool Value) { FTreeView->SetSortType(Value ? fcstText : fcstNone); }
  TfcTreeViewOptions TreeOptions() const { return FTreeView->Options(); }
  void SetTreeOptions(TfcTreeViewOptions Value) { FTreeView->SetOptions(Value); }
  TfcImgComboOptions Options() const { return FOptions; }
  void SetOptions(TfcImgComboOptions Value) { FOptions = Value; }
  bool ShowMatchText() const { return FShowMatchText; }
  void SetShowMatchText(bool Value) { FShowMatchText = Value; }
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
  TStoreDataUsing StoreDataUsing() const { return FStoreDataUsing; }
  void SetStoreDataUsing(TStoreDataUsing Value) { FStoreDataUsing = Value; }
  TfcTreeNode* SelectedNode() const { return FTreeView->Selected(); }
  TfcTreeNode* CurrentNode() const { return FCurrentNode; }

  bool GetDroppedDown() const override;
  void DropDown() override;
  void CloseUp(bool Accept) override;
  virtual bool IsSelectableNode(TfcTreeNode* Node);
  virtual void SelectNodeByText(const String& S);
  // The image shown for a text: the selected node's when it carries the text,
  // else that of the first node added with the text in any case; -1 when none.
  int ImageIndexOfText(const String& S) const;
  TfcTreeNode* GetFirstNode() const { return Items()->GetFirstNode(); }

  TfcCheckValidItemEvent OnCheckValidItem;
  TNotifyEvent OnSelectionChange;

 protected:
  friend class TfcPopupTreeView;
  virtual TfcPopupTreeView* CreatePopupTreeView();
  virtual void NodeListChanged(TfcTreeNode* Node, int Kind);
  virtual void DoSelectionChange();
  virtual void BeginTracking();
  TWinControl* GetDropDownControl() override { return FTreeView; }
  TWinControl* GetDropDownContainer() override { return FContainer; }
  int GetItemCount() override { return Items()->Count(); }
  TSize GetItemSize() override;
  int GetLeftIndent() override;
  void HideEditCaret() override;
  void RedrawItem() override;
  bool CanEditText() override;
  TRect GetEditRect() override;
  void PaintText(TCanvas* Canvas, const TRect& R, const String& Text) override;
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The field holds the text or one of the chosen node's data strings.
  void DataChange(TObject* Sender) override;
  void UpdateData(TObject* Sender) override;
  // For the data modes, the text of the node that holds the field's value.
  String FieldText() const override;
  // The text taken from a node: the edit counts as changed by the user.
  void SetTextFromNode(TfcTreeNode* Node);

 private:
  TfcTreeNode* Match(const String& S);
  TfcTreeNode* NodeByData(const String& Value) const;
  TfcPopupPanel* FContainer;
  TfcPopupTreeView* FTreeView;
  std::unique_ptr<TControlCanvas> FItemCanvas;
  // The nodes in the order they were added: the image look-up goes by node,
  // so equal texts, deleted nodes and any characters in a text stay right.
  std::vector<TfcTreeNode*> FImageNodes;
  TfcImgComboOptions FOptions{icoExpanded};
  bool FShowMatchText = true;
  int FDropDownWidth = 0;
  TStoreDataUsing FStoreDataUsing = sdStoreText;
  TfcTreeNode* FOriginalNode = nullptr;
  String FOriginalText;
  TfcTreeNode* FCurrentNode = nullptr;
  bool FSettingText = false;
  bool FDestroying = false;
  bool FImageOnly = false;
};

class TfcTreeCombo : public TfcCustomTreeCombo {
 public:
  explicit TfcTreeCombo(TComponent* AOwner) : TfcCustomTreeCombo(AOwner) {}
  String ClassName() const override { return L"TfcTreeCombo"; }
};
