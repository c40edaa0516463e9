// The skinned month calendar: a title with four step buttons, the weekday
// names and six rows of day numbers; a click on a day selects it.
#pragma once

#include "skinctrls/SkinPanels.h"
#include "skininputs/SkinCalendarGrid.h"

class TspSkinSpeedButton;

enum TspDaysOfWeek { Sun, Mon, Tue, Wed, Thu, Fri, Sat };

class TspSkinMonthCalendar : public TspSkinPanel {
 public:
  explicit TspSkinMonthCalendar(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinMonthCalendar"; }

  // The selected date, time included; its month is the one shown.
  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Value);
  bool TodayDefault() const { return FTodayDefault; }
  void SetTodayDefault(bool Value);
  TspDaysOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
  void SetFirstDayOfWeek(TspDaysOfWeek Value);
  bool BoldDays() const { return FBoldDays; }
  void SetBoldDays(bool Value);

  void SetSkinData(TspSkinData* Value) override;
  void ChangeSkinData() override;
  void SetCaptionMode(bool Value) override;
  void SetDefaultCaptionHeight(int Value) override;

  // What the step buttons do; each ends with Click.
  void Step(TCalendarStep Kind);
  TspSkinSpeedButton* StepButton(TCalendarStep Kind) const { return FButtons[Kind]; }
  // The day under a client point by the grid of the last paint; 0 for none.
  int DayAtPoint(int X, int Y) const;
  const TCalendarGrid& Grid() const { return FGrid; }

  // Fired after a click on a day set Date.
  TNotifyEvent OnNumberClick;

 protected:
  void Loaded() override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  TColor FFontColor = clBtnText, FActiveFontColor = clBtnText;

 private:
  void ArrangeButtons();
  TRect CalendarRect() const;
  void DrawCalendar(TCanvas* C);
  void DrawSelectedDay(TCanvas* C, const TRect& Cell);

  TDateTime FDate;
  bool FTodayDefault = false;
  TspDaysOfWeek FFirstDayOfWeek = Sun;
  bool FBoldDays = false;
  // The left button went down on the calendar: only a release after it picks a day.
  bool FPressed = false;
  // In TCalendarStep order: prior month, next month, prior year, next year.
  TspSkinSpeedButton* FButtons[4] = {};
  TCalendarGrid FGrid;
};
