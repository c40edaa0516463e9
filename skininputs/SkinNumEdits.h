// Number boxes: the bare digits-only edit that spin edits and number combo
// boxes use inside, and the skinned numeric edit with a value and limits.
#pragma once

#include "skininputs/SkinEdit.h"

enum TspValueType { vtInteger, vtFloat };

// Accepts digits, one "-" and, with Float, one decimal separator; Up, Down
// and the wheel become OnUpClick and OnDownClick.
class TspSkinNumEdit : public TspCustomEdit {
 public:
  explicit TspSkinNumEdit(TComponent* AOwner) : TspCustomEdit(AOwner) {}
  String ClassName() const override { return L"TspSkinNumEdit"; }
  void Dispatch(TMessage& Message) override;

  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool Float() const { return FFloat; }
  void SetFloat(bool Value) { FFloat = Value; }

  TNotifyEvent OnUpClick, OnDownClick, OnMouseEnter, OnMouseLeave;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;

 private:
  bool FEditorEnabled = true;
  bool FFloat = false;
};

class TspSkinNumericEdit : public TspSkinEdit {
 public:
  explicit TspSkinNumericEdit(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinNumericEdit"; }
  void Dispatch(TMessage& Message) override;

  TspValueType ValueType() const { return FValueType; }
  void SetValueType(TspValueType Value) { FValueType = Value; }
  uint8_t Decimal() const { return FDecimal; }
  void SetDecimal(uint8_t Value) { FDecimal = Value; }
  double MinValue() const { return FMinValue; }
  void SetMinValue(double Value) { FMinValue = Value; }
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double Value) { FMaxValue = Value; }
  double Value() const { return FValue; }
  // Limited, stored and shown; the text change fires OnChange.
  void SetValue(double Value);
  double Increment() const { return FIncrement; }
  void SetIncrement(double Value) { FIncrement = Value; }
  bool SupportUpDownKeys() const { return FSupportUpDownKeys; }
  void SetSupportUpDownKeys(bool Value) { FSupportUpDownKeys = Value; }

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void Change() override;

 private:
  bool IsFloat() const { return FValueType == vtFloat; }
  String Formatted(double V) const;
  void SetOwnText(const String& S);

  TspValueType FValueType = vtInteger;
  uint8_t FDecimal = 2;
  double FMinValue = 0, FMaxValue = 0, FValue = 0, FIncrement = 1.0;
  bool FSupportUpDownKeys = false;
  bool FTextSetting = false, FRewriting = false;
};
