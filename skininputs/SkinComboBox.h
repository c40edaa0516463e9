// TspSkinCustomComboBox: a skinned combo box with a drop-down list window,
// in a fixed style (the control shows the chosen item) or an edit style (an
// inner edit takes free text and completes it from the list).
#pragma once

#include <memory>

#include "skinctrls/SkinControl.h"
#include "skininputs/ComboBoxRules.h"
#include "skininputs/PopupListBox.h"
#include "skininputs/SkinCustomEdit.h"

enum TspSkinCustomComboBoxStyle { spcbEditStyle, spcbFixedStyle };

class TspDataSkinButtonControl;

class TspSkinCustomComboBox : public TspSkinCustomControl, public TspPopupListOwner {
 public:
  explicit TspSkinCustomComboBox(TComponent* AOwner);
  ~TspSkinCustomComboBox() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinCustomComboBox"; }

  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value);
  bool ToolButtonStyle() const { return FToolButtonStyle; }
  void SetToolButtonStyle(bool Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  // Kept by the control: the inner edit of the edit style is read-only
  // whenever it exists, through drop-downs and choices.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);

  // Forwarded to the drop-down list.
  bool HorizontalExtent() const { return FListBox->HorizontalExtent(); }
  void SetHorizontalExtent(bool Value) { FListBox->SetHorizontalExtent(Value); }
  TCustomImageList* Images() const { return FListBox->Images(); }
  void SetImages(TCustomImageList* Value);
  int ImageIndex() const { return FListBox->ImageIndex(); }
  void SetImageIndex(int Value);
  bool ListBoxUseSkinItemHeight() const { return FListBox->UseSkinItemHeight(); }
  void SetListBoxUseSkinItemHeight(bool Value) { FListBox->SetUseSkinItemHeight(Value); }
  String ListBoxCaption() const { return FListBox->Text(); }
  void SetListBoxCaption(const String& Value) { FListBox->SetText(Value); }
  bool ListBoxCaptionMode() const { return FListBox->CaptionMode(); }
  void SetListBoxCaptionMode(bool Value) { FListBox->SetCaptionMode(Value); }
  bool ListBoxUseSkinFont() const { return FListBox->UseSkinFont(); }
  void SetListBoxUseSkinFont(bool Value) { FListBox->SetUseSkinFont(Value); }
  // The edit of an editable box takes the new choice too.
  void SetUseSkinFont(bool Value) override;
  TFont* ListBoxDefaultFont() const { return FListBox->DefaultFont(); }
  void SetListBoxDefaultFont(TFont* Value) { FListBox->SetDefaultFont(Value); }
  TFont* ListBoxDefaultCaptionFont() const { return FListBox->DefaultCaptionFont(); }
  void SetListBoxDefaultCaptionFont(TFont* Value) { FListBox->SetDefaultCaptionFont(Value); }
  int ListBoxDefaultItemHeight() const { return FListBox->DefaultItemHeight(); }
  void SetListBoxDefaultItemHeight(int Value) { FListBox->SetDefaultItemHeight(Value); }
  TAlignment ListBoxCaptionAlignment() const { return FListBox->Alignment(); }
  void SetListBoxCaptionAlignment(TAlignment Value) { FListBox->SetAlignment(Value); }
  TStrings* TabWidths() const { return FListBox->TabWidths(); }
  void SetTabWidths(TStrings* Value) { FListBox->SetTabWidths(Value); }
  TStrings* Items() const { return FListBox->Items(); }
  void SetItems(TStrings* Value) { FListBox->Items()->Assign(Value); }
  bool Sorted() const { return FListBox->Sorted(); }
  void SetSorted(bool Value) { FListBox->SetSorted(Value); }

  // Read by the drop-down list when it shows.
  bool ListBoxAlphaBlend() const override { return FListBoxAlphaBlend; }
  void SetListBoxAlphaBlend(bool Value) { FListBoxAlphaBlend = Value; }
  bool ListBoxAlphaBlendAnimation() const override { return FListBoxAlphaBlendAnimation; }
  void SetListBoxAlphaBlendAnimation(bool Value) { FListBoxAlphaBlendAnimation = Value; }
  uint8_t ListBoxAlphaBlendValue() const override { return FListBoxAlphaBlendValue; }
  void SetListBoxAlphaBlendValue(uint8_t Value) { FListBoxAlphaBlendValue = Value; }
  int ListBoxWidth() const { return FListBoxWidth; }
  void SetListBoxWidth(int Value) { FListBoxWidth = Value; }

  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  int ItemIndex() const { return FListBox->ItemIndex(); }
  // Selects V, shows its text (OnChange only when it differs), then fires
  // OnClick and Change, also when V is the current index. -1 keeps the text.
  void SetItemIndex(int Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) {
    if (Value > 0) FDropDownCount = Value;
  }
  TspSkinCustomComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TspSkinCustomComboBoxStyle Value);

  void SetOnListBoxDrawItem(const TspDrawSkinItemEvent& Value);
  const TspDrawSkinItemEvent& OnListBoxDrawItem() const { return FOnListBoxDrawItem; }
  TspDrawSkinItemEvent OnComboBoxDrawItem;
  TNotifyEvent OnChange, OnCloseUp, OnDropDown;

  void DropDown();
  void CloseUp(bool Accept);
  bool DroppedDown() const { return FListBox->Visible(); }
  void CalcRects();
  TRect ItemRect() const { return FItemRect; }
  TRect ButtonRect() const { return FButtonRect; }
  // The inner edit of the edit style; nullptr in the fixed style.
  TspCustomEdit* Edit() const { return FEdit; }
  TspPopupListBox* ListBox() const { return FListBox; }
  // The skin's "edit" record's disabled colour, else clGrayText.
  TColor GetDisabledFontColor() const;
  // The charset of the skin's string store, else DefaultFont's.
  int SkinCharset() const;
  bool Skinned() const { return FIndex != -1 && FSkinValid; }

  void SelectPrev(bool Fire);
  void SelectNext(bool Fire);
  void PageUp(bool Fire);
  void PageDown(bool Fire);
  void EditSelectPrev(bool Fire);
  void EditSelectNext(bool Fire);

  void Invalidate() override;
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinComboBox>; }
  void GetSkinData() override;
  void ChangeSkinData() override;

 protected:
  virtual void Change() {}
  // The inner edit is a digits-only edit (the font size box).
  bool FNumbersOnly = false;

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  TWinControl* FocusWindow() const override { return FEdit; }
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void DefaultFontChanged() override;
  void CalcSize(int& W, int& H) override;
  void SkinShapeChanged() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  // Choice and events.
  void FireClickAndChange();
  void FindTypedItem(const String& S);
  int FindString(const String& S, int Start) const;
  bool WindowPossible() const;
  bool ListWindowPossible() const;
  // Whether a drop-down can open: a live control with a parent that has or
  // can make a window.
  bool CanDropDown() const;

  // Drop-down list.
  void ListWindowProc(TMessage& Message);
  void ListHotTrack(int X, int Y);
  void DragTrack();
  void StartAutoScroll(int Mode);
  void StopAutoScroll();
  void AutoScrollStep();
  void CancelMode(TControl* Cause);

  // Inner edit (SkinComboBoxEdit.cpp).
  void CreateEdit();
  void FreeEdit();
  void EditWindowProc(TMessage& Message);
  void EditKeyUp(TMessage& Message);
  void EditChanged();
  void DoAutoComplete();
  void SetEditFontColor(TColor Color);
  void ApplyEditFont();
  void AdjustEdit();
  bool ActiveLook() const { return Skinned() && !FActiveSkinRect.IsEmpty(); }

  // Messages.
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void PaintWithEdit(HDC DC);

  // Painting (SkinComboBoxPaint.cpp).
  void DrawItemContent(TCanvas* C, TRect T, int Width, int Height);
  void DrawDefaultButton(TCanvas* C);
  void DrawDefaultItem(TCanvas* C);
  void DrawDefaultToolButton(TCanvas* C);
  void DrawSkinStateButton(TCanvas* C);
  void DrawStretchedSkinButton(TCanvas* C);
  void DrawSizedSkinItem(TCanvas* C);
  void DrawStretchedSkinItem(TCanvas* C);
  void DrawSkinToolButton(TCanvas* C);
  void DrawMenuMarker(TCanvas* C, const TRect& Area, const TspDataSkinButtonControl* R, bool Down, bool Hot);
  void SetSkinItemFont(TCanvas* C);
  void CopyControlImage(TBitmap* Item, TCanvas* Control);
  TspDataSkinButtonControl* ButtonRecord(std::initializer_list<const wchar_t*> Names) const;
  int PaintIndex() const;
  // The item shown (its index and text) keys the kept look.
  uint64_t LookState() const override;
  TspLookKey LookKey() const override;

  TspPopupListBox* FListBox = nullptr;
  TspCustomEdit* FEdit = nullptr;
  TWindowProcEvent FOldListProc, FOldEditProc;

  bool FUseSkinSize = true, FToolButtonStyle = false, FHideSelection = true, FAutoComplete = true;
  bool FReadOnly = false;
  bool FListBoxAlphaBlend = false, FListBoxAlphaBlendAnimation = false;
  uint8_t FListBoxAlphaBlendValue = 200;
  int FListBoxWidth = 0;
  TEditCharCase FCharCase = ecNormal;
  TColor FDefaultColor = clWindow;
  int FDropDownCount = 8;
  TspSkinCustomComboBoxStyle FStyle = spcbFixedStyle;
  TspDrawSkinItemEvent FOnListBoxDrawItem;

  bool FDroppedDown = false, FListEntered = false, FListCapture = false;
  int FScrollMode = 0;  // 0 none, 1 up, 2 down
  uint32_t FLastTime = 0;
  TComboTypeAhead FTypeAhead;
  TComboCompletion FCompletion;
  bool FTypedChar = false;
  bool FMouseIn = false;
  int FSaveItemIndex = -1;
  TRect FItemRect, FButtonRect;
  TOwnerDrawState FOwnerDrawState;
  bool FButtonHot = false, FButtonDown = false;
  bool FEditSync = false;

  // The skin record's values.
  bool FSkinValid = false;
  TRect FActiveSkinRect, FSItemRect, FActiveItemRect, FFocusItemRect, FItemTextRect;
  int FItemLeftOffset = 0, FItemRightOffset = 0;
  String FFontName = L"Arial";
  int FFontHeight = 14;
  TFontStyles FFontStyle;
  TColor FFontColor = 0, FFocusFontColor = 0, FActiveFontColor = 0;
  String FListBoxName;
  TRect FSButtonRect, FActiveButtonRect, FDownButtonRect, FUnEnabledButtonRect;
  bool FItemStretchEffect = false, FFocusItemStretchEffect = false, FShowFocus = false;
};

class TspSkinComboBox : public TspSkinCustomComboBox {
 public:
  explicit TspSkinComboBox(TComponent* AOwner) : TspSkinCustomComboBox(AOwner) {}
  String ClassName() const override { return L"TspSkinComboBox"; }
};
