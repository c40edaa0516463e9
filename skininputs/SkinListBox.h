// TspSkinListBox: a skinned frame around an owner-drawn system list, with an
// optional caption bar and three caption buttons, and skinned scroll bars
// that replace the list's own and come and go with the items.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "classlib/StdCtrls.h"
#include "skinctrls/SkinControl.h"
#include "skinctrls/SkinScrollBar.h"
#include "skininputs/HoldRepeat.h"

class TspSkinCustomListBox;

using TspDrawSkinItemEvent = TEvent<void(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight,
                                                const TRect& TxtRect, TOwnerDrawState State)>;

// Private queries a skinned form sends to have a control paint into a DC.
constexpr UINT kQueryFrame = 0xB1C9, kQueryFrameAnswer = 12851;
constexpr UINT kQueryBackground = 0xBC4A, kQueryBackgroundAnswer = 16802;

// The inner list: no frame and no scroll bars of its own (the skinned ones
// stand beside it), every item painted by the skinned list box.
class TspListBox : public TListBox {
 public:
  explicit TspListBox(TComponent* AOwner);
  String ClassName() const override { return L"TspListBox"; }
  void WndProc(TMessage& Message) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void DragDrop(TObject* Source, int X, int Y) override;

  TspSkinCustomListBox* SkinListBox = nullptr;
  // Pixels the items are scrolled to the left by the horizontal bar.
  int HorzOffset() const { return FHorzOffset; }
  void SetHorzOffset(int Value);
  // Items added while redrawing is off are reckoned up when it comes back on.
  bool Redrawing() const { return FRedraw; }
  // The window's count of items and its top row, asked of the system list
  // directly (0 without a window). An item leaves the window before the
  // held items (Count).
  int WindowCount() const;
  int WindowTopIndex() const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void PaintWindow(HDC DC) override;
  void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
  // The skinned list box's OnListBox... drag events are this list's.
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  void DoStartDrag(TDragObject*& DragObject) override;
  void DoEndDrag(TObject* Target, int X, int Y) override;
  void HeldItemRenaming(int Index) override;
  void HeldItemRenamed(int Index) override;

 private:
  // LB_SETTOPINDEX over a page or more; false leaves the message to the list.
  bool JumpUnscrolled(TMessage& Message);
  int FHorzOffset = 0;
  bool FRedraw = true;
  // The width of the item being renamed, as it was (-1: none kept).
  int FRenamedWidth = -1;
};

class TspSkinCustomListBox : public TspSkinCustomControl {
 public:
  explicit TspSkinCustomListBox(TComponent* AOwner);
  ~TspSkinCustomListBox() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinCustomListBox"; }

  TspListBox* ListBox() const { return FListBox; }
  TStrings* Items() const { return FListBox->Items(); }
  void SetItems(TStrings* Value) { FListBox->SetItems(Value); }
  int ItemIndex() const { return FListBox->ItemIndex(); }
  void SetItemIndex(int Value) { FListBox->SetItemIndex(Value); }
  int Columns() const { return FListBox->Columns(); }
  void SetColumns(int Value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Value);
  bool MultiSelect() const { return FListBox->MultiSelect(); }
  void SetMultiSelect(bool Value) { FListBox->SetMultiSelect(Value); }
  bool ExtandedSelect() const { return FListBox->ExtendedSelect(); }
  void SetExtandedSelect(bool Value) { FListBox->SetExtendedSelect(Value); }
  bool Sorted() const { return FListBox->Sorted(); }
  void SetSorted(bool Value);
  TFont* ListBoxFont() const { return FListBox->Font(); }
  void SetListBoxFont(TFont* Value) { FListBox->SetFont(Value); }
  int ListBoxTabOrder() const { return FListBox->TabOrder(); }
  void SetListBoxTabOrder(int Value) { FListBox->SetTabOrder(Value); }
  bool ListBoxTabStop() const { return FListBox->TabStop(); }
  void SetListBoxTabStop(bool Value) { FListBox->SetTabStop(Value); }
  TPopupMenu* ListBoxPopupMenu() const { return FListBox->PopupMenu(); }
  void SetListBoxPopupMenu(TPopupMenu* Value) { FListBox->SetPopupMenu(Value); }
  TDragMode ListBoxDragMode() const { return FListBox->DragMode(); }
  void SetListBoxDragMode(TDragMode Value) { FListBox->SetDragMode(Value); }
  TDragKind ListBoxDragKind() const { return FListBox->DragKind(); }
  void SetListBoxDragKind(TDragKind Value) { FListBox->SetDragKind(Value); }
  TCursor ListBoxDragCursor() const { return FListBox->DragCursor(); }
  void SetListBoxDragCursor(TCursor Value) { FListBox->SetDragCursor(Value); }

  bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
  void SetUseSkinItemHeight(bool Value) { FUseSkinItemHeight = Value; }
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int Value);
  int ItemHeight() const { return FListBox->ItemHeight(); }
  // A horizontal bar when the widest item is wider than the list. The items'
  // widths are measured once and kept as items come, go and are renamed (a
  // new font or a new window measures them all again at the next look), so
  // that a scroll or a paint measures nothing.
  bool HorizontalExtent() const { return FHorizontalExtent; }
  void SetHorizontalExtent(bool Value);
  TStrings* TabWidths() const { return FTabWidths.get(); }
  void SetTabWidths(TStrings* Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

  bool CaptionMode() const { return FCaptionMode; }
  void SetCaptionMode(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  void SetDefaultCaptionHeight(int Value);
  TFont* DefaultCaptionFont() const { return FDefaultCaptionFont.get(); }
  void SetDefaultCaptionFont(TFont* Value) { FDefaultCaptionFont->Assign(Value); }
  bool ShowCaptionButtons() const { return FShowCaptionButtons; }
  void SetShowCaptionButtons(bool Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

  void Clear();
  void SetSelected(int Index, bool Value) { FListBox->SetSelected(Index, Value); }
  int ItemAtPos(const TPoint& Pos, bool Existing) const { return FListBox->ItemAtPos(Pos, Existing); }
  int TopIndex() const { return FListBox->TopIndex(); }
  void SetTopIndex(int Value) { FListBox->SetTopIndex(Value); }

  // The skinned bars; nullptr while the items fit.
  TspSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  TspSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  // Caption button 0 Up, 1 Down, 2 Check, in control coordinates.
  TRect CaptionButtonRect(int Index) const { return FButtons[Index].R; }
  // Where the inner list stands.
  TRect ListRect() const { return FListRect; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinListBox>; }
  void GetSkinData() override;
  void ChangeSkinData() override;
  // Shows or removes the bars as the inner list's scroll range asks.
  void SyncScrollBars();
  // The three item painters and the list background, for the inner list.
  void DrawListItem(TCanvas* Cnvs, int Index, const TRect& R, TOwnerDrawState State);
  void FillListBackground(TCanvas* Cnvs, const TRect& R);
  TOwnerDrawState GetItemState(int Index) const;

  TspDrawSkinItemEvent OnDrawItem;
  TNotifyEvent OnUpButtonClick, OnDownButtonClick, OnCheckButtonClick;
  TNotifyEvent OnListBoxClick, OnListBoxDblClick;
  TMouseEvent OnListBoxMouseDown, OnListBoxMouseUp;
  TMouseMoveEvent OnListBoxMouseMove;
  TKeyEvent OnListBoxKeyDown, OnListBoxKeyUp;
  TKeyPressEvent OnListBoxKeyPress;
  // Raised by the inner list with itself as Sender (and as Source of a drag from it).
  TDragDropEvent OnListBoxDragDrop;
  TDragOverEvent OnListBoxDragOver;
  TStartDragEvent OnListBoxStartDrag;
  TEndDragEvent OnListBoxEndDrag;

 protected:
  friend class TspListBox;
  virtual int GetItemWidth(int Index, TCanvas* Canvas);
  virtual void ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseMove(TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxClick();
  virtual void ListBoxDblClick();
  virtual void ListBoxKeyDown(WORD& Key, TShiftState Shift);
  virtual void ListBoxKeyUp(WORD& Key, TShiftState Shift);
  virtual void ListBoxKeyPress(wchar_t& Key);
  virtual void ListBoxEnter() {}
  virtual void ListBoxExit() {}
  // Messages of the inner list pass here first; it handles one only when
  // Handled comes back true.
  virtual void ListBoxWProc(TMessage& Message, bool& Handled) { Handled = true; }
  virtual void ListBoxCreateWnd() {}

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  TWinControl* FocusWindow() const override { return FListBox; }
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void DefaultFontChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  // An item background composed once and copied for every item alike.
  struct TItemPicture {
    std::unique_ptr<TBitmap> B;
    TRect Piece;
    TBitmap* Source = nullptr;
    bool Stretch = false, StretchMiddle = false;
  };
  TBitmap* ItemPicture(int State, const TRect& Piece, int W, int H, bool Stretch, bool StretchMiddle);
  TBitmap& ItemBitmap(int W, int H);
  std::unique_ptr<TBitmap> FItemBitmap;

  struct TCaptionButton {
    TRect R;
    bool MouseIn = false, Down = false;
  };

  bool Skinned() const { return FIndex != -1 && FSkinValid; }
  void CalcRects();
  void CalcButtonRects();
  int RowCountHeight() const;
  void ApplyItemHeight();
  void CreateVScrollBar();
  void CreateHScrollBar();
  void RemoveVScrollBar();
  void RemoveHScrollBar();
  void NameBars();
  void SyncHorizontal();
  int WidestItem();

  // The items' widths for the horizontal extent, told by the inner list as
  // its window gains and loses items.
  struct TFontKey {
    String Name;
    int Height = 0;
    TFontStyles Style;
    TFontCharset Charset = 0;
    bool operator==(const TFontKey& K) const {
      return Name == K.Name && Height == K.Height && Style == K.Style && Charset == K.Charset;
    }
  };
  static TFontKey KeyOf(const TFont* F);
  // The canvas items are measured on, in the font they are drawn in.
  TCanvas* MeasureCanvas();
  bool KeepsWidths() const;
  void ForgetItemWidths();
  void ItemCame(int Index);
  // The width of item Index as it leaves, -1 when none is kept.
  int LeavingItemWidth(int Index);
  void ItemLeft(int Width);
  void ItemsCleared();

  // Painting helpers.
  void SetItemFont(TCanvas* C, bool UseSkinFont);
  void DrawImageAndText(TCanvas* C, int Index, const TRect& TextRect);
  void DrawDefaultItem(TCanvas* C, int Index, const TRect& R, TOwnerDrawState State);
  void DrawSkinItem(TCanvas* C, int Index, const TRect& R, TOwnerDrawState State, bool Stretch);
  void DrawCaption(TCanvas* C, const TRect& R, bool Skinned);
  void DrawCaptionButton(TCanvas* C, int Index);
  void CoverSkinButtons(TCanvas* C);

  // Caption buttons.
  bool ButtonsActive() const;
  void TestActive(int X, int Y);
  void ButtonLeaveAll();
  void StepItem(int Direction);

  TItemPicture FItemPictures[3];
  TspListBox* FListBox = nullptr;
  TspSkinScrollBar* FVScrollBar = nullptr;
  TspSkinScrollBar* FHScrollBar = nullptr;
  // Bars no longer needed, hidden and kept for the next time the items need
  // one: a bar may be dropped from inside its own call (its re-read of the
  // skin resizes it, which lays the list out again), so it is never freed
  // under itself.
  TspSkinScrollBar* FSpareVScrollBar = nullptr;
  TspSkinScrollBar* FSpareHScrollBar = nullptr;
  TRect FListRect;
  TCaptionButton FButtons[3];
  int FActiveButton = -1, FOldActiveButton = -1, FDownButton = -1;
  // Up or Down held steps the selection (a resumed pace is kept).
  TspHoldRepeat FRepeat;
  bool FSkinChanging = false;
  // Set while a new size is given: the whole control is invalidated after
  // it, so the inner list moves without redrawing on its own.
  bool FWholeRedrawComing = false;
  // The control's bounds before that new size: a frame that only grows
  // from them uncovers nothing of its parent, and moves without redrawing.
  TRect FBoundsBeforeResize;

  int FRowCount = 0;
  bool FUseSkinItemHeight = true;
  int FDefaultItemHeight = 20;
  bool FHorizontalExtent = false;
  // How many items are of each width, while FWidthsKept; measured on FMeasure.
  std::map<int, int> FItemWidths;
  bool FWidthsKept = false;
  std::unique_ptr<TBitmap> FMeasure;
  // The horizontal bar's step and the font it was measured in.
  int FStep = 0;
  TFontKey FStepFont;
  std::unique_ptr<TStringList> FTabWidths;
  TCustomImageList* FImages = nullptr;
  int FImageIndex = -1;
  bool FCaptionMode = false;
  TAlignment FAlignment = taLeftJustify;
  int FDefaultCaptionHeight = 20;
  std::unique_ptr<TFont> FDefaultCaptionFont;
  bool FShowCaptionButtons = true;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  int FSpacing = 2;

  // The skin record's values; zero until a list-box record is read.
  bool FSkinValid = false;
  TRect FSItemRect, FActiveItemRect, FFocusItemRect, FItemTextRect;
  int FItemLeftOffset = 0, FItemRightOffset = 0;
  String FFontName;
  int FFontHeight = 0;
  TFontStyles FFontStyle;
  TColor FFontColor = 0, FActiveFontColor = 0, FFocusFontColor = 0;
  TRect FCaptionRect;
  String FCaptionFontName;
  int FCaptionFontHeight = 0;
  TFontStyles FCaptionFontStyle;
  TColor FCaptionFontColor = 0;
  TRect FSkinButtons[3], FActiveSkinButtons[3], FDownSkinButtons[3];
  String FVScrollBarName, FHScrollBarName, FBothHScrollBarName;
  bool FShowFocus = false;
  TRect FDisabledButtonsRect, FButtonsArea;
};

class TspSkinListBox : public TspSkinCustomListBox {
 public:
  explicit TspSkinListBox(TComponent* AOwner) : TspSkinCustomListBox(AOwner) {}
  String ClassName() const override { return L"TspSkinListBox"; }
};
