// The skinned date edit and its pop-up calendar.
#include "skininputs/SkinDateEdit.h"

#include <algorithm>

#include "classlib/Forms.h"
#include "skin/SPUtils_platform.h"

TspPopupCalendar::TspPopupCalendar(TComponent* AOwner) : TspSkinMonthCalendar(AOwner) {
  FControlStyle.Include(csNoDesignVisible);
  FControlStyle.Include(csReplicatable);
}

void TspPopupCalendar::CreateParams(TCreateParams& Params) {
  TspSkinMonthCalendar::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style = CS_SAVEBITS | (IsWindowsXPOrLater() ? CS_DROPSHADOW : 0);
}

void TspPopupCalendar::Dispatch(TMessage& Message) {
  if (Fade.HandleTimer(Message)) return;
  // Clicks leave the focus with the edit.
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TspSkinMonthCalendar::Dispatch(Message);
}

TspSkinDateEdit::TspSkinDateEdit(TComponent* AOwner) : TspSkinEdit(AOwner) {
  FLayout = TDateLayout::Current();
  SetEditMask(BuildDateMask(FLayout));
  SetButtonMode(true);
  FSkinDataName = L"buttonedit";
  FCalendar = new TspPopupCalendar(this);
  FCalendar->SetVisible(false);
  FCalendar->SetParent(this);
  FCalendar->SetDate(0);
  FCalendar->OnNumberClick = [this](TObject*) { CloseUp(true); };
  OnButtonClick = [this](TObject*) {
    if (DroppedDown())
      CloseUp(false);
    else
      DropDown();
  };
  // A handler assigned later replaces the check.
  OnKeyPress = [this](TObject*, wchar_t& Key) { CheckKey(Key); };
}

TspSkinDateEdit::~TspSkinDateEdit() {
  TspSkinDateEdit::BeforeDestruction();
  Free(FCalendar);
}

void TspSkinDateEdit::BeforeDestruction() {
  // The calendar is set aside until this control is deleted.
  FCalendar->Fade.Stop();
  FCalendar->OnNumberClick = nullptr;
  SetPartAside(this, FCalendar);
  TspSkinEdit::BeforeDestruction();
}

void TspSkinDateEdit::SetTextFromDate(TDateTime Value) {
  FTextFromDate = true;
  SetText(DateTextOf(FLayout, Value));
  FTextFromDate = false;
}

void TspSkinDateEdit::SetDate(TDateTime Value) {
  // A value that is no day of years 1..9999 has no text and no month to
  // show: the edit keeps the last valid date.
  int y, m, d;
  DecodeDate(Value, y, m, d);
  if (y == 0) return;
  FCalendar->SetDate(Value);
  if (!ComponentState().Contains(csLoading) || FTodayDefault) SetTextFromDate(Value);
  if (OnDateChange) OnDateChange(this);
}

void TspSkinDateEdit::SetTodayDefault(bool Value) {
  FTodayDefault = Value;
  if (Value) SetDate(Now());
}

void TspSkinDateEdit::Loaded() {
  TspSkinEdit::Loaded();
  // The mask follows the running system's format, whatever was stored.
  FLayout = TDateLayout::Current();
  SetEditMask(BuildDateMask(FLayout));
  if (FTodayDefault) SetDate(Now());
}

void TspSkinDateEdit::ValidateEdit() {}

void TspSkinDateEdit::CheckKey(wchar_t& Key) {
  if (Key == 13 || Key == VK_BACK) return;
  // The mask blanks a selection first; the key then overwrites the input
  // position the mask puts it on.
  String text = EditText();
  const int start = SelStart(), end = std::min(start + SelLength(), static_cast<int>(text.size()));
  for (int i = start; i < end; ++i)
    if (!Mask().IsLiteral(i)) text[i] = L' ';
  const String candidate = DateKeyCandidate(text, Mask().NextInput(start), Key);
  if (!IsPlausibleDateText(FLayout, candidate)) Key = 0;
}

void TspSkinDateEdit::Change() {
  TspSkinEdit::Change();
  if (!FTextFromDate && IsCompleteDateText(FLayout, Text())) UpdateCalendarDate();
}

void TspSkinDateEdit::UpdateCalendarDate() {
  // A text such as 31 February is complete but no date: the calendar keeps
  // its date until the text becomes one.
  const TDateTime old = FCalendar->Date();
  TDateTime date;
  if (!TryDateTextToDate(FLayout, Text(), date)) return;
  FCalendar->SetDate(date);
  if (date != old && OnDateChange) OnDateChange(this);
}

void TspSkinDateEdit::DropDown() {
  if (!FTodayDefault) {
    FSavedDate = FCalendar->Date();
    if (FSavedDate == 0 && Text().find(L' ') != String::npos) FCalendar->SetDate(Now());
  }
  RECT wr;
  GetWindowRect(Handle(), &wr);
  int y = wr.top + Height();
  if (GetSystemMetrics(SM_CYSCREEN) < y + FCalendar->Height()) y = wr.top - FCalendar->Height();
  const bool layered = FCalendarAlphaBlend && IsWindows2000OrLater();
  HWND cal = FCalendar->Handle();
  if (layered) {
    SetWindowLongW(cal, GWL_EXSTYLE, GetWindowLongW(cal, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(cal, 0);
  }
  FCalendar->SetSkinData(SkinData());
  SetWindowPos(cal, HWND_TOP, wr.left, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FCalendar->SetVisible(true);
  if (!layered) return;
  // The calendar and its buttons paint before it shows.
  RedrawWindow(cal, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (FCalendarAlphaBlendAnimation) FCalendar->Fade.Start(FCalendarAlphaBlendValue);
  else SetAlphaBlendTransparent(cal, FCalendarAlphaBlendValue);
}

void TspSkinDateEdit::CloseUp(bool Accept) { CloseUpAndFocus(Accept, true); }

void TspSkinDateEdit::CloseUpAndFocus(bool Accept, bool Focus) {
  if (!FCalendar->Visible()) return;
  FCalendar->Fade.Stop();
  HWND cal = FCalendar->Handle();
  SetWindowPos(cal, nullptr, 0, 0, 0, 0,
               SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  FCalendar->SetVisible(false);
  if (FCalendarAlphaBlend && IsWindows2000OrLater())
    SetWindowLongW(cal, GWL_EXSTYLE, GetWindowLongW(cal, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  if (Accept) {
    SetTextFromDate(FCalendar->Date());
    if (OnDateChange) OnDateChange(this);
  } else if (!FTodayDefault) {
    FCalendar->SetDate(FSavedDate);
  }
  if (Focus && CanFocus()) SetFocus();
}

void TspSkinDateEdit::WndProc(TMessage& Message) {
  TspSkinEdit::WndProc(Message);
  switch (Message.Msg) {
    case WM_KILLFOCUS:
      if (!FCalendar->Visible() && FTodayDefault) {
        SetTextFromDate(FCalendar->Date());
        return;
      }
      // The focus is going elsewhere: closing must not take it back.
      if (!FCalendar->HandleAllocated() || reinterpret_cast<HWND>(Message.WParam) != FCalendar->Handle())
        CloseUpAndFocus(false, false);
      return;
    case WM_KEYDOWN:
      CloseUp(false);
      return;
  }
}

void TspSkinDateEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_CANCELMODE) {
    // A press in the calendar or on its buttons keeps it open.
    auto* sender = reinterpret_cast<TControl*>(Message.LParam);
    if (sender != FCalendar && !(sender && sender->Parent() == FCalendar)) CloseUp(false);
  }
  TspSkinEdit::Dispatch(Message);
}
