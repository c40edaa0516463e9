// Controls over the system's own window classes.
#pragma once

#include "classlib/Controls.h"

// A push button over the system BUTTON class. Enter clicks the default button
// (or the focused one), Esc the cancel button; a click sets the parent form's
// ModalResult to the button's.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);
  String ClassName() const override { return L"TButton"; }
  void Dispatch(TMessage& Message) override;
  void Click() override;

  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // The button that Enter presses now.
  bool Active() const { return FActive; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void SetButtonStyle(bool ADefault);

 private:
  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  TModalResult FModalResult = mrNone;
};
