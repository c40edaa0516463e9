// The skinned date edit: a masked edit following the short date format, with
// a button that drops down a month calendar in a pop-up window.
#pragma once

#include "skininputs/PopupFade.h"
#include "skininputs/SkinCalendar.h"
#include "skininputs/SkinDateEditRules.h"
#include "skininputs/SkinEdit.h"

// The month calendar as a pop-up tool window that never takes activation.
class TspPopupCalendar : public TspSkinMonthCalendar {
 public:
  explicit TspPopupCalendar(TComponent* AOwner);
  String ClassName() const override { return L"TspPopupCalendar"; }
  void Dispatch(TMessage& Message) override;
  TspPopupFade Fade{this};

 protected:
  void CreateParams(TCreateParams& Params) override;
};

class TspSkinDateEdit : public TspSkinEdit {
 public:
  explicit TspSkinDateEdit(TComponent* AOwner);
  ~TspSkinDateEdit() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinDateEdit"; }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // The calendar's date; writing it writes the text and fires OnDateChange.
  TDateTime Date() const { return FCalendar->Date(); }
  void SetDate(TDateTime Value);
  bool TodayDefault() const { return FTodayDefault; }
  void SetTodayDefault(bool Value);
  int CalendarWidth() const { return FCalendar->Width(); }
  void SetCalendarWidth(int Value) { FCalendar->SetWidth(Value); }
  int CalendarHeight() const { return FCalendar->Height(); }
  void SetCalendarHeight(int Value) { FCalendar->SetHeight(Value); }
  TFont* CalendarFont() const { return FCalendar->DefaultFont(); }
  void SetCalendarFont(TFont* Value) { FCalendar->SetDefaultFont(Value); }
  bool CalendarBoldDays() const { return FCalendar->BoldDays(); }
  void SetCalendarBoldDays(bool Value) { FCalendar->SetBoldDays(Value); }
  bool CalendarUseSkinFont() const { return FCalendar->UseSkinFont(); }
  void SetCalendarUseSkinFont(bool Value) { FCalendar->SetUseSkinFont(Value); }
  const String& CalendarSkinDataName() const { return FCalendar->SkinDataName(); }
  void SetCalendarSkinDataName(const String& Value) { FCalendar->SetSkinDataName(Value); }
  bool CalendarAlphaBlend() const { return FCalendarAlphaBlend; }
  void SetCalendarAlphaBlend(bool Value) { FCalendarAlphaBlend = Value; }
  uint8_t CalendarAlphaBlendValue() const { return FCalendarAlphaBlendValue; }
  void SetCalendarAlphaBlendValue(uint8_t Value) { FCalendarAlphaBlendValue = Value; }
  bool CalendarAlphaBlendAnimation() const { return FCalendarAlphaBlendAnimation; }
  void SetCalendarAlphaBlendAnimation(bool Value) { FCalendarAlphaBlendAnimation = Value; }

  TspPopupCalendar* Calendar() const { return FCalendar; }
  bool DroppedDown() const { return FCalendar->Visible(); }
  void DropDown();
  // Hides the calendar; with Accept its date goes into the text, without it
  // the date it had when it dropped comes back (unless TodayDefault).
  void CloseUp(bool Accept);
  // Leaving with an unfinished text is allowed: nothing is reported.
  void ValidateEdit() override;

  TNotifyEvent OnDateChange;

 protected:
  void Loaded() override;
  void Change() override;

 private:
  void CheckKey(wchar_t& Key);
  void UpdateCalendarDate();
  void SetTextFromDate(TDateTime Value);
  void CloseUpAndFocus(bool Accept, bool Focus);

  TspPopupCalendar* FCalendar = nullptr;
  TDateLayout FLayout;
  bool FTodayDefault = false;
  bool FTextFromDate = false;
  TDateTime FSavedDate = 0;
  bool FCalendarAlphaBlend = false;
  uint8_t FCalendarAlphaBlendValue = 0;
  bool FCalendarAlphaBlendAnimation = false;
};
