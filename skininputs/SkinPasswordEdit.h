// TspSkinPasswordEdit: a self-drawn single-line password field that keeps its
// text out of any window, paints one symbol per character and has its own
// caret, selection, scrolling and keys; nothing can be copied out of it.
#pragma once

#include "classlib/MaskEdit.h"
#include "skinctrls/SkinControl.h"
#include "skininputs/SkinPasswordEditRules.h"

enum TspPasswordKind { pkRoundRect, pkRect, pkTriangle };

class TspSkinPasswordEdit : public TspSkinCustomControl {
 public:
  explicit TspSkinPasswordEdit(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinPasswordEdit"; }

  // The password lives here only: the window text stays empty.
  String Text() const override { return FState.Text; }
  // Stored in CharCase; the caret and selection are kept inside the new text.
  void SetText(const String& Value);

  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value) { FMaxLength = Value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TspPasswordKind PasswordKind() const { return FPasswordKind; }
  void SetPasswordKind(TspPasswordKind Value);
  TAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment Value);
  // crDefault means the I-beam here.
  void SetCursor(TCursor Value) { TspSkinCustomControl::SetCursor(Value == crDefault ? crIBeam : Value); }

  int CaretPosition() const { return FState.Caret; }
  int SelStart() const { return FState.SelStart(); }
  int SelLength() const { return FState.SelCount(); }
  int FirstVisible() const { return FState.FirstVisible; }
  void SelectAll();

  TRect GetTextRect() const;
  int SymbolWidth() const { return PasswordSymbolWidth(GetTextRect().Height()); }
  TRect GetSelectionRect() const;
  // x of the caret position I as painted now.
  int CaretX(int I) const { return Row().CaretX(I, FState.Length(), FState.FirstVisible); }

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinEditControl>; }
  void GetSkinData() override;
  void ChangeSkinData() override;

  TNotifyEvent OnChange;

 protected:
  void Dispatch(TMessage& Message) override;
  void CreateHandleDone() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void CalcSize(int& W, int& H) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  virtual void Change();

 private:
  bool Skinned() const { return FIndex != -1 && Picture; }
  TPasswordRow Row() const;
  // Caret placement: limit, scroll, move the system caret, repaint.
  void PlaceCaret(int I);
  void Paste();
  void InsertText(const String& S);
  void StoreText(const String& Value);
  void MakeCaret();
  int CaretHeight() const;
  void SelectWord();
  TColor SymbolColor(bool Selected) const;
  void DrawSymbols(TCanvas* C);
  void DrawSymbol(TCanvas* C, const TRect& Cell, bool Selected);
  void TakeWindowText();

  TPasswordState FState;
  TColor FDefaultColor = clWindow;
  bool FMouseIn = false, FSelecting = false;
  bool FAutoSelect = true, FHideSelection = true, FReadOnly = false;
  TEditCharCase FCharCase = ecNormal;
  int FMaxLength = 0;
  TspPasswordKind FPasswordKind = pkRoundRect;
  TAlignment FTextAlignment = taLeftJustify;

  TRect FActiveSkinRect;
  int FLeftPiece = 0, FRightPiece = 0;
  TColor FFontColor = 0, FActiveFontColor = 0, FDisabledFontColor = 0;
};
