// TspSkinUpDown: two skinned arrow buttons stepping Position between Min and
// Max by Increment, with auto-repeat while a button is held; also the page
// control's tab scroller.
#pragma once

#include "skinctrls/SkinControl.h"
#include "skininputs/StepButtons.h"
#include "skinctrls/TabScroller.h"

enum TUDOrientation { udHorizontal, udVertical };

class TspSkinUpDown : public TspSkinCustomControl, public TspTabScroller {
 public:
  explicit TspSkinUpDown(TComponent* AOwner);
  ~TspSkinUpDown() override;
  String ClassName() const override { return L"TspSkinUpDown"; }

  bool UseSkinSize() const { return FUseSkinSize; }
  // The skin's size or the control's own: the record is read again.
  void SetUseSkinSize(bool Value);
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation Value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  // A value outside Min .. Max is ignored; any other fires OnChange, even unchanged.
  void SetPosition(int Value);

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinUpDownControl>; }
  void GetSkinData() override;
  // Button 0 steps up, button 1 down.
  TRect ButtonRect(int Index) const { return FButtons[Index].R; }

  TNotifyEvent OnChange, OnUpButtonClick, OnDownButtonClick;

  // The tab scroller.
  TWinControl* ScrollerControl() override { return this; }
  void SetScrollerMin(int Value) override { SetMin(Value); }
  void SetScrollerMax(int Value) override { SetMax(Value); }
  int ScrollerPosition() const override { return FPosition; }
  void SetScrollerPosition(int Value) override { SetPosition(Value); }
  void SetScrollerIncrement(int Value) override { SetIncrement(Value); }
  void SetScrollerOnChange(TNotifyEvent Value) override { OnChange = std::move(Value); }
  void SetScrollerSkin(TspSkinData* SkinData, const String& SkinDataName) override;

 protected:
  void Dispatch(TMessage& Message) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void SkinShapeChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void CalcButtonRects();
  // The release of a held button steps once, wherever the pointer is.
  void ButtonReleased(int I);
  // The skin gives the size and the buttons: it has a record with a picture to show.
  bool SkinSized() const { return FUseSkinSize && FIndex != -1 && Picture && !SkinRect.IsEmpty(); }
  void DrawResizeButton(TCanvas* Canvas, int I);
  int ArrowDirection(int I) const;

  bool FUseSkinSize = true;
  TUDOrientation FOrientation = udHorizontal;
  int FIncrement = 1, FPosition = 0, FMin = 0, FMax = 100;
  TspStepButtons FButtons;
  TRect FUpButtonRect, FActiveUpButtonRect, FDownUpButtonRect;
  TRect FDownButtonRect, FActiveDownButtonRect, FDownDownButtonRect;
};
