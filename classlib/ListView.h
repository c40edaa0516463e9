// The list view over the system SysListView32 control: columns, items and the control.
#pragma once

#include <memory>
#include <vector>

#include "classlib/Controls.h"
#include "classlib/ImgList.h"
#include "classlib/StringList.h"

class TCustomListView;
class TListItems;
class TListColumns;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };

// One column of the report style. Its settings reach the window at once;
// the width is read back, as the user may drag it.
class TListColumn : public TPersistent {
 public:
  explicit TListColumn(TListColumns* AOwner) : FOwner(AOwner) {}
  String ClassName() const override { return L"TListColumn"; }
  void Assign(TPersistent* Source) override;

  int Index() const;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  int Width() const;
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // Image of the list view's SmallImages shown in the header, -1 none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

 private:
  friend class TListColumns;
  friend class TCustomListView;
  void Update();
  TListColumns* FOwner;
  String FCaption;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
};

class TListColumns : public TPersistent {
 public:
  explicit TListColumns(TCustomListView* AOwner) : FOwner(AOwner) {}
  ~TListColumns() override;
  String ClassName() const override { return L"TListColumns"; }
  TCustomListView* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TListColumn* Items(int Index) const;
  TListColumn* Add();
  void Delete(int Index);
  void Clear();

 private:
  friend class TListColumn;
  friend class TCustomListView;
  TCustomListView* FOwner;
  std::vector<TListColumn*> FItems;
};

// One item: a caption, the texts of the further columns, images and data.
// The item keeps them itself (the window asks for the texts when it draws),
// so items can be added before the window exists and outlive a new window.
class TListItem : public TPersistent {
 public:
  explicit TListItem(TListItems* AOwner);
  ~TListItem() override;
  String ClassName() const override { return L"TListItem"; }
  void Assign(TPersistent* Source) override;

  TListItems* Owner() const { return FOwner; }
  TCustomListView* ListView() const;
  int Index() const;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  // Texts of columns 1, 2, ...; changing them redraws the item.
  TStrings* SubItems() const { return FSubItems.get(); }
  void SetSubItems(TStrings* Value) { FSubItems->Assign(Value); }
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int StateIndex() const { return FStateIndex; }
  void SetStateIndex(int Value);

  bool Selected() const { return State(LVIS_SELECTED); }
  void SetSelected(bool Value) { SetState(LVIS_SELECTED, Value); }
  bool Focused() const { return State(LVIS_FOCUSED); }
  void SetFocused(bool Value) { SetState(LVIS_FOCUSED, Value); }
  bool Cut() const { return State(LVIS_CUT); }
  void SetCut(bool Value) { SetState(LVIS_CUT, Value); }
  bool DropTarget() const { return State(LVIS_DROPHILITED); }
  void SetDropTarget(bool Value) { SetState(LVIS_DROPHILITED, Value); }

  // The item's rectangle in the window (LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS).
  TRect DisplayRect(int Code = LVIR_BOUNDS) const;
  void MakeVisible(bool PartialOK);
  bool EditCaption();
  void Delete();

 private:
  friend class TListItems;
  friend class TCustomListView;
  bool State(UINT Flag) const;
  void SetState(UINT Flag, bool Value);
  void SubItemsChanged();
  TListItems* FOwner;
  String FCaption;
  std::unique_ptr<TStringList> FSubItems;
  void* FData = nullptr;
  int FImageIndex = -1, FStateIndex = -1;
  UINT FState = 0;  // kept for a list without a window (and across a new window)
  bool FDeleting = false;
};

class TListItems : public TPersistent {
 public:
  explicit TListItems(TCustomListView* AOwner) : FOwner(AOwner) {}
  ~TListItems() override;
  String ClassName() const override { return L"TListItems"; }
  void Assign(TPersistent* Source) override;

  TCustomListView* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError outside 0..Count-1.
  TListItem* Item(int Index) const;
  TListItem* Add() { return Insert(Count()); }
  TListItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  int IndexOf(const TListItem* Value) const;
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TListItem;
  friend class TCustomListView;
  TCustomListView* FOwner;
  std::vector<TListItem*> FItems;
  int FUpdateCount = 0;
};

using TLVChangeEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVChangingEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;
using TLVDeletedEvent = TEvent<void(TObject* Sender, TListItem* Item)>;
using TLVSelectItemEvent = TEvent<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = TEvent<void(TObject* Sender, TListColumn* Column)>;
using TLVCompareEvent = TEvent<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;

class TCustomListView : public TWinControl {
 public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TCustomListView"; }
  void Dispatch(TMessage& Message) override;

  TListItems* Items() const { return FListItems.get(); }
  TListColumns* Columns() const { return FListColumns.get(); }
  TListColumn* Column(int Index) const { return FListColumns->Items(Index); }
  TListItem* Selected() const;
  void SetSelected(TListItem* Value);
  int SelCount() const;
  TListItem* ItemFocused() const;
  void SetItemFocused(TListItem* Value);
  TListItem* TopItem() const;
  TListItem* GetItemAt(int X, int Y) const;
  // Items that fit in the client area (report and list styles).
  int VisibleRowCount() const;
  void Scroll(int DX, int DY);
  void AlphaSort();
  // The column header window (report style), or nullptr.
  HWND HeaderHandle() const;

  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value);
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value);
  // Columns can be dragged to a new order.
  bool FullDrag() const { return FFullDrag; }
  void SetFullDrag(bool Value);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  TCustomImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TCustomImageList* Value);
  TCustomImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TCustomImageList* Value);
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* Value);

  TLVChangeEvent OnChange;
  TLVChangingEvent OnChanging;
  TLVDeletedEvent OnInsert, OnDeletion;
  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;
  TLVCompareEvent OnCompare;

 protected:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumn;
  friend class TListColumns;
  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual bool CanChange(TListItem* Item, int Change);
  virtual void Change(TListItem* Item, int Change);
  virtual void InsertItem(TListItem* Item);
  virtual void Delete(TListItem* Item);
  virtual void ColClick(TListColumn* Column);
  virtual int Compare(TListItem* Item1, TListItem* Item2);
  // WM_NOTIFY of the system control, reflected back; a subclass handles its own codes first.
  virtual void CNNotify(TMessage& Message);
  bool Updating() const { return FListItems->FUpdateCount > 0; }

 private:
  void SetStyleFlag(bool& Field, bool Value);
  void UpdateStyle();
  void UpdateExtendedStyle();
  void UpdateImageLists();
  void UpdateColumns();
  void WMDestroy(TMessage& Message);
  void InsertWindowItem(int Index, TListItem* Item);

  std::unique_ptr<TListItems> FListItems;
  std::unique_ptr<TListColumns> FListColumns;
  TViewStyle FViewStyle = vsIcon;
  bool FShowColumnHeaders = true, FFullDrag = false, FRowSelect = false, FGridLines = false, FMultiSelect = false,
       FHideSelection = true, FReadOnly = false;
  TBorderStyle FBorderStyle = bsSingle;
  TCustomImageList *FLargeImages = nullptr, *FSmallImages = nullptr, *FStateImages = nullptr;
  // Set while the list changes the window itself, so its notifications do not raise events twice.
  bool FManualNotify = false;
};

class TListView : public TCustomListView {
 public:
  using TCustomListView::TCustomListView;
  String ClassName() const override { return L"TListView"; }
};
