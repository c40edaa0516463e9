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
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
  String ClassName() const override { return L"TEdit"; }
};
