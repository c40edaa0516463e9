// Standard controls: the label, and wrappers of the system's BUTTON and EDIT.
#pragma once

#include "classlib/Controls.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// Text painted on the parent. AutoSize (on by default) fits the control to
// the text, keeping its width when WordWrap is on. Descendants change the
// text or its drawing in GetLabelText and DoDrawText, which serve both
// painting and measuring.
class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);
  String ClassName() const override { return L"TCustomLabel"; }
  void Dispatch(TMessage& Message) override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // A transparent label leaves the parent's background under its text.
  bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
  void SetTransparent(bool Value);
  // With ShowAccelChar, "&x" underlines x and "&&" is one ampersand.
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);

 protected:
  void Paint() override;
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;
  virtual String GetLabelText() const { return Caption(); }
  // Draws the text in Rect on Canvas with DrawText flags; with DT_CALCRECT
  // it only measures, Rect receiving the text's extent.
  virtual void DoDrawText(TRect& Rect, UINT Flags);
  // The DrawText flags of the alignment, word wrap and accelerator settings.
  UINT TextFlags() const;

 private:
  TRect MeasureText(const TRect& R);
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
  String ClassName() const override { return L"TLabel"; }
};

// A push button over the system BUTTON class. Enter clicks the default button
// (or the focused one), Esc the cancel button; a click sets the parent form's
// ModalResult to the button's.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);
  String ClassName() const override { return L"TButton"; }
  void Dispatch(TMessage& Message) override;
  void Click() override;

  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // The button that Enter presses now.
  bool Active() const { return FActive; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void SetButtonStyle(bool ADefault);

 private:
  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  TModalResult FModalResult = mrNone;
};

// A single-line edit over the system EDIT class.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  String ClassName() const override { return L"TCustomEdit"; }
  void Dispatch(TMessage& Message) override;

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // 0: no limit beyond the system's.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool Modified();
  void SetModified(bool Value);

  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  String SelText();
  void SetSelText(const String& Value);
  bool CanUndo();
  void Undo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void ClearSelection();
  void SelectAll();
  void Clear() { SetText(L""); }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  virtual void Change();

 private:
  TBorderStyle FBorderStyle = bsSingle;
  bool FAutoSelect = true;
  bool FHideSelection = true;
  int FMaxLength = 0;
  wchar_t FPasswordChar = 0;
  bool FReadOnly = false;
  // Changes the window reported, and whether it reported the last text set.
  unsigned FChangeReports = 0;
  bool FSetTextReported = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
  String ClassName() const override { return L"TEdit"; }
};

// ---------------------------------------------------------------------------
// List box over the system LISTBOX class.

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };
enum TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;

// The owner-draw state of a DRAWITEMSTRUCT's itemState bits.
TOwnerDrawState OwnerDrawStateOf(unsigned ItemState);

class TCustomListBox;

// The items of a list box: the system list's own strings while the window
// exists, and a string list before the window is made and while it is
// recreated, so that nothing is lost either way. Objects ride in item data.
// A list that holds its items (TCustomListBox::SetHoldsItems) keeps them in
// the string list throughout, its window knowing only how many there are.
class TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TCustomListBox* ListBox) : FListBox(ListBox) {}
  String ClassName() const override { return L"TListBoxStrings"; }
  int Add(const String& S) override;
  int AddObject(const String& S, TObject* AObject) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  int IndexOf(const String& S) const override;

 protected:
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  TObject* GetObjectAt(int Index) const override;
  void PutObjectAt(int Index, TObject* AObject) override;
  int GetCount() const override;
  void SetUpdateState(bool Updating) override;

 private:
  HWND Window() const;
  void CheckIndex(int Index) const;
  // The window of a list that holds its own items, or nullptr.
  HWND CountOnlyWindow() const;
  HWND SystemItems() const;
  void InsertCounted(HWND Window, int Index);
  TCustomListBox* FListBox;
};

class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;
  String ClassName() const override { return L"TCustomListBox"; }
  void Dispatch(TMessage& Message) override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int Count() const { return FItems->Count(); }
  void Clear() { FItems->Clear(); }

  // -1 for none. In a multi-select list it is the focused item.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int SelCount() const;
  int TopIndex() const;
  void SetTopIndex(int Value);
  // The item under Pos (client coordinates). Below the last item it is -1
  // when Existing, else Count (where a new item would go); outside the
  // client area always -1.
  int ItemAtPos(const TPoint& Pos, bool Existing) const;
  TRect ItemRect(int Index) const;
  // The first item after Start (-1: from the top), wrapping round, whose
  // text begins with Prefix, letter case aside; -1 when none does.
  int FindPrefix(const String& Prefix, int Start) const;
  // Repaints item Index (nothing when it is not shown).
  void InvalidateItem(int Index);

  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  // Below 1 is taken as 1: the list divides by it.
  int ItemHeight() const;
  void SetItemHeight(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  // With MultiSelect: Shift and Ctrl extend the selection, a plain click selects one.
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  // 0: one column scrolling vertically; more: that many columns across the
  // width, scrolling horizontally.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  TCanvas* Canvas() const { return FCanvas.get(); }

  TDrawItemEvent OnDrawItem;

 protected:
  friend class TListBoxStrings;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void CreateHandleDone() override;
  void BoundsChanged(bool Resized) override;
  // Draws item Index (-1 in an empty list) on Canvas: OnDrawItem when
  // assigned, else the plain look with its focus rectangle.
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  void CNDrawItem(TMessage& Message);
  void SetColumnWidth();
  // An owner-drawn list may keep its items itself and give its window only
  // their count: emptying it then costs no message an item (the system
  // tells an owner-drawn list's parent of every item it removes). Typed
  // letters still move to the next item they begin, and the window answers
  // the text messages (LB_GETTEXT, LB_GETTEXTLEN, LB_FINDSTRING,
  // LB_FINDSTRINGEXACT, LB_SELECTSTRING) from the held items, as a list
  // with strings does. Set before the window is made; the window follows at
  // its next making.
  void SetHoldsItems(bool Value) { FHoldsItems = Value; }
  // Item Index of a list that holds its items is renamed in place while its
  // window exists (the window is told nothing): Renaming comes before, with
  // the old text still in the items, and does nothing; Renamed after, and
  // repaints the item.
  virtual void HeldItemRenaming(int Index);
  virtual void HeldItemRenamed(int Index);

 private:
  bool WindowHoldsNoItems() const { return FHoldsItems && FStyle == lbOwnerDrawFixed; }
  // The selection kept while there is no window follows its items, as the
  // system list's does: an item put at Index (By 1) or taken from it (By -1)
  // moves the selected items after it; a selected item taken is unselected.
  void SavedItemsMoved(int Index, int By);
  // Tells of a change of the items from From on, or of the choice (-1),
  // kept without a window; told before the choice moves with the items.
  void WindowlessChanged(int From) { Perform(CM_WINDOWLESSLISTCHANGED, static_cast<WPARAM>(From), 0); }
  void SelectTyped(wchar_t Key);
  int FindHeld(const wchar_t* Text, int Start, bool Exact) const;
  void AnswerHeldText(TMessage& Message);

  std::unique_ptr<TListBoxStrings> FItems;
  // Items while there is no window, or always when the list holds them
  // (see TListBoxStrings).
  std::unique_ptr<TStringList> FSaved;
  std::unique_ptr<TControlCanvas> FCanvas;
  TListBoxStyle FStyle = lbStandard;
  TBorderStyle FBorderStyle = bsSingle;
  int FItemHeight = 16;
  int FColumns = 0;
  bool FMultiSelect = false, FExtendedSelect = true, FSorted = false;
  int FSavedItemIndex = -1, FSavedTopIndex = 0;
  // Selected items of a multi-select list while there is no window.
  std::vector<int> FSavedSelection;
  bool FHoldsItems = false;
  // The window was made knowing only the count (FSaved holds the items).
  bool FCountOnly = false;
};

class TListBox : public TCustomListBox {
 public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
  String ClassName() const override { return L"TListBox"; }
};
