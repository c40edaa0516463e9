// TFlatSpeedButton: a speed button with a flat frame that turns 3-D while the
// mouse is over it or it is down, state colours, a glyph of up to four cells,
// and groups. One timer shared by all of them ends the hot state when the
// mouse has gone without a further move over the button.
#pragma once

#include "classlib/ExtCtrls.h"
#include "components/FlatUtilitys.h"

class TFlatSpeedButton : public TSpeedButton {
 public:
  explicit TFlatSpeedButton(TComponent* AOwner);
  ~TFlatSpeedButton() override;
  String ClassName() const override { return L"TFlatSpeedButton"; }
  void Dispatch(TMessage& Message) override;
  void Click() override;

  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);
  TColor ColorFocused() const { return FFocusedColor; }
  TColor ColorDown() const { return FDownColor; }
  TColor ColorBorder() const { return FBorderColor; }
  TColor ColorHighLight() const { return FHighlightColor; }
  TColor ColorShadow() const { return FShadowColor; }
  // 0 focused, 1 down, 2 border, 3 highlight, 4 shadow.
  void SetColors(int Index, TColor Value);
  TAdvColors AdvColorFocused() const { return FAdvColorFocused; }
  TAdvColors AdvColorDown() const { return FAdvColorDown; }
  TAdvColors AdvColorBorder() const { return FAdvColorBorder; }
  // 0 focused, 1 down, 2 border.
  void SetAdvColors(int Index, TAdvColors Value);
  bool UseAdvColors() const { return FUseAdvColors; }
  void SetUseAdvColors(bool Value);
  // As the speed button's, but a button going up repaints at once.
  void SetDown(bool Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  bool Hot() const { return FHot; }
  // The button the shared timer watches, if any, and whether that timer runs.
  static TFlatSpeedButton* TrackedButton();
  static bool TrackingTimerRunning();

  TNotifyEvent OnMouseEnter, OnMouseLeave;

 protected:
  void Paint() override;
  void Loaded() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;

 private:
  void CalcAdvColors();
  void CMEnabledChanged(TMessage& Message);
  bool CursorOver() const;
  void StartTracking();
  void StopTracking();
  void MouseEnterHot();
  void MouseLeaveHot();
  void UpdateTracking();
  TColor FaceColor() const;

  TTransparentMode FTransparentMode = tmNone;
  TColor FFocusedColor = 0xE1EAEB, FDownColor = 0xC5D6D9, FBorderColor = 0x8396A0;
  TColor FHighlightColor = 0xFFFFFF, FShadowColor = 0x000000;
  TAdvColors FAdvColorFocused = 10, FAdvColorDown = 10, FAdvColorBorder = 50;
  bool FUseAdvColors = false;
  TModalResult FModalResult = mrNone;
  bool FHot = false;
};
