// The fc custom combo: an edit with an embedded drop-down button and the
// mechanics of a drop-down (placement, opening, closing on keys, clicks
// outside and focus loss), the edit frame, self-painting while unfocused and
// an optional binding to a data field. What drops down is left to descendants.
#pragma once

#include <memory>

#include "classlib/DB.h"
#include "classlib/StdCtrls.h"
#include "components/fccombobutton.h"
#include "components/fcframe.h"

enum TfcComboButtonStyle { cbsEllipsis, cbsDownArrow, cbsCustom };
enum TfcComboStyle { csDropDown, csDropDownList };
enum TfcAlignVertical { fcavTop, fcavCenter };
using TfcComboCloseUpEvent = TEvent<void(TObject* Sender, bool Select)>;

class TfcCustomCombo;

// The registered message that opens a combo's drop-down.
UINT fcComboDropDownMessage();
// Combos that hold the thread's mouse hook (it is installed while this is above 0).
int fcComboHookUsers();

// The window that holds the drop-down button.
class TBtnWinControl : public TWinControl {
 public:
  explicit TBtnWinControl(TfcCustomCombo* Combo);
  String ClassName() const override { return L"TBtnWinControl"; }
  void Dispatch(TMessage& Message) override;

 private:
  TfcCustomCombo* FCombo;
};

class TfcDropDownButton : public TfcComboButton {
 public:
  TfcDropDownButton(TComponent* AOwner, TfcCustomCombo* Combo);
  String ClassName() const override { return L"TfcDropDownButton"; }

 protected:
  void Paint() override;
  bool ThemesInForce() override;
  void PaintThemedContent(const TRect& Content) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TfcCustomCombo* FCombo;
};

class TfcComboButtonEffects : public TfcButtonEffects {
 public:
  TfcComboButtonEffects(TfcCustomCombo* Combo, TfcComboButton* Button);
  // The arrow glyph for a flat or transparent down-arrow button.
  void Refresh() override;

 private:
  TfcCustomCombo* FCombo;
};

class TfcCustomCombo : public TCustomEdit {
 public:
  explicit TfcCustomCombo(TComponent* AOwner);
  ~TfcCustomCombo() override;
  String ClassName() const override { return L"TfcCustomCombo"; }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  TfcAlignVertical AlignmentVertical() const { return FAlignmentVertical; }
  void SetAlignmentVertical(TfcAlignVertical Value);
  bool AllowClearKey() const { return FAllowClearKey; }
  void SetAllowClearKey(bool Value) { FAllowClearKey = Value; }
  TfcComboButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TfcComboButtonStyle Value);
  TfcButtonEffects* ButtonEffects() const { return FButtonEffects.get(); }
  TBitmap* ButtonGlyph() const { return FButton->Glyph(); }
  void SetButtonGlyph(TBitmap* Value);
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  TComponent* Controller() const { return FController; }
  void SetController(TComponent* Value);
  bool DisableThemes() const { return FDisableThemes; }
  void SetDisableThemes(bool Value) {
    FDisableThemes = Value;
    FButton->Invalidate();
  }
  int DropDownCount() const { return FDropDownCount; }
  virtual void SetDropDownCount(int Value) { FDropDownCount = Value; }
  TfcEditFrame* Frame() const { return FFrame.get(); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool ShowButton() const { return GetShowButton(); }
  void SetShowButton(bool Value);
  TfcComboStyle Style() const { return FStyle; }
  void SetStyle(TfcComboStyle Value);
  // The edit's sense of AutoSize: the height follows the font (not the children).
  bool AutoSize() const { return FAutoSizeHeight; }
  void SetAutoSize(bool Value) override { FAutoSizeHeight = Value; }
  bool IsFocused() const { return FFocused; }
  bool Hovered() const { return FHovered; }
  TfcDropDownButton* Button() const { return FButton; }
  TBtnWinControl* ButtonHolder() const { return FBtnParent; }

  // The binding: the link's source and field name; the source is watched for its end.
  TDataSource* DataSource() const { return FDataLink->DataSource(); }
  void SetDataSource(TDataSource* Value);
  const String& DataField() const { return FDataLink->FieldName(); }
  void SetDataField(const String& Value) { FDataLink->SetFieldName(Value); }
  TField* Field() const { return FDataLink->Field(); }
  // A source with a data set and a field name.
  virtual bool IsDataBound() const;
  // Actions on data sources reach the bound source.
  bool ExecuteAction(TBasicAction* Action) { return FDataLink->ExecuteAction(Action); }
  bool UpdateAction(TBasicAction* Action) { return FDataLink->UpdateAction(Action); }

  virtual bool GetDroppedDown() const { return false; }
  virtual void DropDown();
  virtual void CloseUp(bool Accept);
  virtual void CheckCloseUp();
  virtual void SelectAll();
  // The flag, a read-only link, or a field that cannot be changed.
  virtual bool IsReadOnly() const;
  // Whether the text may change now; puts the bound record in edit state.
  virtual bool EditCanModify() const;
  virtual void Reset();

  TNotifyEvent OnDropDown, OnAfterDropDown, OnMouseEnter, OnMouseLeave;
  TfcComboCloseUpEvent OnCloseUp;

 protected:
  friend class TfcDropDownButton;
  friend class TBtnWinControl;
  friend LRESULT CALLBACK fcComboMouseHook(int Code, WPARAM WParam, LPARAM LParam);
  // What drops down, supplied by descendants.
  virtual TWinControl* GetDropDownControl() = 0;
  virtual TWinControl* GetDropDownContainer() = 0;
  virtual int GetItemCount() = 0;
  virtual TSize GetItemSize() = 0;
  virtual void PaintText(TCanvas* Canvas, const TRect& R, const String& Text) = 0;
  virtual int GetLeftIndent() { return 0; }
  virtual bool CanEditText() { return true; }
  virtual bool OwnerPaintsText() { return false; }
  virtual void RedrawItem() {}
  virtual bool GetShowButton() const;
  virtual void ButtonMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DrawButton(TCanvas* Canvas, const TRect& R, bool& DefaultPaint, TButtonState State);
  virtual void HideEditCaret();
  virtual void ShowEditCaret();
  virtual void SetModified(bool Value);
  virtual TRect GetPaintRect();
  virtual TRect GetEditRect();
  virtual void SetEditRect();
  virtual void UpdateButtonPosition();
  virtual void DoDropDown();
  virtual void DoAfterDropDown();
  virtual void DoCloseUp(bool Select);
  virtual void DoMouseEnter();
  virtual void DoMouseLeave();
  virtual void HandleDropDownKeys(WORD& Key, TShiftState Shift);
  virtual void HandleGridKeys(WORD& Key, TShiftState Shift);
  virtual void DrawFrame(TCanvas* Canvas);
  // The link's notifications: show the field, follow its editing state, write the text.
  virtual void DataChange(TObject* Sender);
  virtual void EditingChange(TObject* Sender);
  virtual void UpdateData(TObject* Sender);
  TFieldDataLink* DataLink() const { return FDataLink.get(); }
  // What a self-painting bound combo shows: the field's display text.
  virtual String FieldText() const;
  // Text put in from the field: no user change, nothing to write back.
  void SetDataText(const String& Value);
  // The window's read-only state: the flag, list style, or a link not editing.
  void UpdateWindowReadOnly();
  // Hides the list of a combo being freed: no events, and nothing of the
  // combo's own window, which may have gone with its parent.
  void CloseUpFreeing();

  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void Change() override;
  // Transparent look in force: an active, transparent frame outside the designer.
  bool IsTransparent() const;

 private:
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void SetFocused(bool Value);
  // Whether the typed Key would leave half of a surrogate pair in the text.
  bool SplitsAPair(wchar_t Key);
  // Drops half of a surrogate pair before the caret (a paste cut at MaxLength).
  void DropHalfPairAtCaret();
  bool LoadingOwner() const;
  void InstallHook();
  void RemoveHook();

  std::unique_ptr<TControlCanvas> FCanvas;
  std::unique_ptr<TControlCanvas> FPaintCanvas;
  TBtnWinControl* FBtnParent = nullptr;
  TfcDropDownButton* FButton = nullptr;
  std::unique_ptr<TfcEditFrame> FFrame;
  std::unique_ptr<TfcComboButtonEffects> FButtonEffects;
  std::unique_ptr<TFieldDataLink> FDataLink;
  bool FDataChanging = false;
  TfcAlignVertical FAlignmentVertical = fcavTop;
  TfcComboButtonStyle FButtonStyle = cbsDownArrow;
  TfcComboStyle FStyle = csDropDown;
  TComponent* FController = nullptr;
  int FButtonWidth = 0;
  int FDropDownCount = 8;
  bool FAllowClearKey = false, FDisableThemes = false, FReadOnly = false, FAutoSizeHeight = true;
  bool FFocused = false, FHovered = false, FPainting = false;
  bool FHoldsHook = false;
  TCursor FEditCursor = crIBeam;
  bool FSettingCursor = false;
  // The text on entering: Esc on a modified combo returns to it.
  String FEnterText;
};
