// The notice window: TMsgForm, a small skinned top-most form driven by the
// notice messages, and THyMsgForm, the component that owns, places, shows
// and skins one and tells the notify window when its countdown runs out.
#pragma once

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/Gauges.h"
#include "classlib/StdCtrls.h"
#include "components/HyMsgFormInfo.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinSpeedButton.h"

class TMsgForm : public TForm {
 public:
  explicit TMsgForm(TComponent* AOwner);
  String ClassName() const override { return L"TMsgForm"; }
  void Dispatch(TMessage& Message) override;

  // Loads the window's own skin: the stored skin of DefaultSkinData for
  // "Default" (exactly), else the .skn file SkinName. A missing file raises
  // EFOpenError, "Default" without a stored skin to take EInvalidOperation;
  // either keeps the skin the window wore.
  void ApplySkin(const String& SkinName, TspSkinData* DefaultSkinData);
  // Ends the notice without notification: stops the countdown and hides the button.
  void CloseMessage();
  // The close path without the hiding, for an owner that goes away: the
  // close rules decide whether the notice ends.
  void CloseForRelease();

  TGauge* Gauge1;
  TLabel* lblMessage;
  TLabel* lblTimelapse;
  TspSkinSpeedButton* sbCancel;
  TTimer* Timer1;
  TspSkinData* spSkinData1;
  TspSkinForm* spSkinForm1;

  TMsgFormInfo MsgInfo{};  // the last notice
  int Remaining = 1;       // ticks left
  // The countdown ran out, or the notice was cancelled or closed.
  TNotifyEvent OnClosed;

  // A cancelable notice refuses to close while its button or its countdown
  // can still end it.
  bool CloseQuery() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  // Shows without taking the activation, as a tray balloon does: the focused
  // control of the program keeps the keys. A click on the notice may activate it.
  void VisibleChanged() override;
  void DoClose(TCloseAction& Action) override;
  void CMMsgTextChanged(const TMsgFormInfo& Info);
  void CMMsgProgressChanged(const TMsgFormInfo& Info);
  void CMMsgProgressInfo(const TMsgFormInfo& Info);
  void Timer1Timer(TObject* Sender);
  void sbCancelClick(TObject* Sender);

 private:
  void Ended();
};

class THyMsgForm : public TComponent {
 public:
  explicit THyMsgForm(TComponent* AOwner);
  String ClassName() const override { return L"THyMsgForm"; }
  // Closes the window through its close rules, then frees it.
  void BeforeDestruction() override;

  TMsgForm* Form() const { return FMsgForm; }
  bool FormVisible() const { return FFormVisible; }
  void SetFormVisible(bool Value);
  int GetFormWidth() const { return FMsgForm->Width(); }
  int GetFormHeight() const { return FMsgForm->Height(); }
  // Top-most at Left, Top without taking the activation.
  void SetFormBounds(int Left, int Top, int Width, int Height);
  void LoadSkin(const String& SkinName, TspSkinData* DefaultSkinData);
  HWND GetFormHandle() { return FMsgForm->Handle(); }

  // A click anywhere in the notice window's client area: on its text, its
  // countdown and its gauge too (the cancel button cancels instead).
  TNotifyEvent OnMsgFormClick;

 protected:
  void MsgFormClick(TObject* Sender);
  void MsgFormClosed(TObject* Sender);

 private:
  TMsgForm* FMsgForm;
  bool FFormVisible = false;
};
