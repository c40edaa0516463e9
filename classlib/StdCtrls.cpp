#include "classlib/StdCtrls.h"

#include "classlib/Forms.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csSetCaption, csDoubleClicks};
  FWidth = 75;
  FHeight = 25;
  FTabStop = true;
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"BUTTON");
  Params.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  // Every button of the form works out again which one Enter presses.
  if (TCustomForm* form = GetParentForm(this); form && HandleAllocated())
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(form->ActiveControl()));
  else FActive = Value;
}

void TButton::SetButtonStyle(bool ADefault) {
  FActive = ADefault;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TWinControl::Click();
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (Message.WParamHi() == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY: {
      const bool enter = Message.WParam == VK_RETURN && FActive;
      const bool esc = Message.WParam == VK_ESCAPE && FCancel;
      if ((enter || esc) && KeyDataToShiftState(Message.LParam).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<WORD>(Message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
      SetButtonStyle(dynamic_cast<TButton*>(focused) ? focused == this : FDefault);
      break;
    }
  }
  TWinControl::Dispatch(Message);
}
