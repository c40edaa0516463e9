// TspSkinSpinEdit: a number box of an inner numeric edit and up and down
// buttons that step Value by Increment, with auto-repeat while held.
#pragma once

#include "skinctrls/SkinControl.h"
#include "skininputs/StepButtons.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SpinEditLayout.h"

class TspSkinSpinEdit : public TspSkinCustomControl {
 public:
  explicit TspSkinSpinEdit(TComponent* AOwner);
  ~TspSkinSpinEdit() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinSpinEdit"; }

  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  TspValueType ValueType() const { return FValueType; }
  void SetValueType(TspValueType Value);
  uint8_t Decimal() const { return FDecimal; }
  void SetDecimal(uint8_t Value) { FDecimal = Value; }
  double MinValue() const { return FMinValue; }
  void SetMinValue(double Value);
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value);
  double Value() const { return FValue; }
  // Limited and shown; OnChange fires on every write, changed or not.
  void SetValue(double Value);
  double Increment() const { return FIncrement; }
  void SetIncrement(double Value) { FIncrement = Value; }
  bool EditorEnabled() const { return FEdit->EditorEnabled(); }
  void SetEditorEnabled(bool Value) { FEdit->SetEditorEnabled(Value); }
  int MaxLength() const { return FEdit->MaxLength(); }
  void SetMaxLength(int Value) { FEdit->SetMaxLength(Value); }

  TspSkinNumEdit* Edit() const { return FEdit; }
  // Button 0 steps up, button 1 down.
  TRect ButtonRect(int Index) const { return FButtons[Index].R; }

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinSpinEditControl>; }
  void GetSkinData() override;
  void ChangeSkinData() override;

  TNotifyEvent OnChange, OnUpButtonClick, OnDownButtonClick, OnEditEnter, OnEditExit;
  TKeyEvent OnEditKeyDown, OnEditKeyUp;
  TKeyPressEvent OnEditKeyPress;

 protected:
  void Dispatch(TMessage& Message) override;
  TWinControl* FocusWindow() const override { return FEdit; }
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void DefaultFontChanged() override;
  void CalcSize(int& W, int& H) override;
  void SkinShapeChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  virtual void EditKeyDown(WORD& Key, TShiftState Shift);
  virtual void EditKeyUp(WORD& Key, TShiftState Shift);
  virtual void EditKeyPress(wchar_t& Key);
  virtual void EditEnter();
  virtual void EditExit();
  virtual void Change();

 private:
  bool IsFloat() const { return FValueType == vtFloat; }
  String Formatted(double V) const;
  double CheckValue(double V) const;
  void SetEditText(const String& S);
  void EditChanged();
  void TextChanged();
  void Step(int Direction);
  // A record with a picture to draw from.
  bool Skinned() const { return FIndex != -1 && Picture && !SkinRect.IsEmpty(); }
  bool ActiveLook() const { return Skinned() && !FActiveSkinRect.IsEmpty(); }
  void Layout();
  int EditTextHeight() const;
  TColor FontColorByState() const;
  void SetFontColorByState();
  void RepaintLook();
  void EditMouseEnter();
  void EditMouseLeave();
  void MouseEnterControl();
  void MouseLeaveControl();

  void PaintWithEdit(HDC DC);

  TspSkinNumEdit* FEdit = nullptr;
  TColor FDefaultColor = clWindow;
  bool FUseSkinSize = true;
  TspValueType FValueType = vtInteger;
  uint8_t FDecimal = 2;
  double FMinValue = 0, FMaxValue = 0, FValue = 0, FIncrement = 1.0;
  bool FHot = false, FFocused = false, FUpdating = false, FFromEdit = false;

  TspStepButtons FButtons;

  TRect FActiveSkinRect;
  String FSkinFontName;
  int FSkinFontHeight = 14;
  TFontStyles FSkinFontStyle;
  TColor FFontColor = 0, FActiveFontColor = 0, FDisabledFontColor = 0;
  TRect FUpButtonRect, FActiveUpButtonRect, FDownUpButtonRect;
  TRect FDownButtonRect, FActiveDownButtonRect, FDownDownButtonRect;
  int FActiveLeftOffset = 0, FActiveRightOffset = 0;
};
