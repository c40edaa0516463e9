// A custom combo that drops a plain list of strings: the smallest complete
// descendant of the fc custom combo.
#pragma once

#include "classlib/StringList.h"
#include "components/fcCombo.h"

class TfcStringCombo;

// The drop-down list: a pop-up tool window that never takes activation.
class TfcComboPopupList : public TCustomControl {
 public:
  explicit TfcComboPopupList(TfcStringCombo* Combo);
  String ClassName() const override { return L"TfcComboPopupList"; }
  void Dispatch(TMessage& Message) override;
  int ItemHeight() const;
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  int ItemAt(int Y) const;
  TfcStringCombo* FCombo;
  int FItemIndex = -1;
};

class TfcStringCombo : public TfcCustomCombo {
 public:
  explicit TfcStringCombo(TComponent* AOwner);
  ~TfcStringCombo() override;
  String ClassName() const override { return L"TfcStringCombo"; }
  TStringList* Items() { return &FItems; }
  TfcComboPopupList* List() const { return FList; }
  bool GetDroppedDown() const override;
  void CloseUp(bool Accept) override;

 protected:
  TWinControl* GetDropDownControl() override { return FList; }
  TWinControl* GetDropDownContainer() override { return FList; }
  int GetItemCount() override { return FItems.Count(); }
  TSize GetItemSize() override;
  void PaintText(TCanvas* Canvas, const TRect& R, const String& Text) override;
  void DoAfterDropDown() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  TStringList FItems;
  TfcComboPopupList* FList;
};
