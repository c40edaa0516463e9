// THyMsgForm: the component that owns, places, shows and skins one notice
// window and relays the end of its countdown to the notify window.
#include "components/HyMsgForm.h"

THyMsgForm::THyMsgForm(TComponent* AOwner) : TComponent(AOwner) {
  FMsgForm = new TMsgForm(this);
  FMsgForm->OnClick = [this](TObject* Sender) { MsgFormClick(Sender); };
  FMsgForm->OnClosed = [this](TObject* Sender) { MsgFormClosed(Sender); };
  const TPoint at = NoticePlacement(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), GetFormWidth(),
                                    GetFormHeight());
  SetFormBounds(at.X, at.Y, GetFormWidth(), GetFormHeight());
}

void THyMsgForm::BeforeDestruction() {
  if (FMsgForm) {
    FMsgForm->CloseForRelease();
    FreeAndNil(FMsgForm);
  }
  TComponent::BeforeDestruction();
}

void THyMsgForm::SetFormBounds(int Left, int Top, int Width, int Height) {
  FMsgForm->SetBounds(Left, Top, Width, Height);
  SetWindowPos(FMsgForm->Handle(), HWND_TOPMOST, Left, Top, Width, Height, SWP_NOACTIVATE);
}

void THyMsgForm::SetFormVisible(bool Value) {
  if (FFormVisible == Value) return;
  FFormVisible = Value;
  // Through the form, so that its own record of being shown stays true; the
  // form shows itself without taking the activation.
  FMsgForm->SetVisible(Value);
}

void THyMsgForm::LoadSkin(const String& SkinName, TspSkinData* DefaultSkinData) {
  FMsgForm->ApplySkin(SkinName, DefaultSkinData);
}

void THyMsgForm::MsgFormClick(TObject*) {
  if (OnMsgFormClick) OnMsgFormClick(this);
}

void THyMsgForm::MsgFormClosed(TObject*) {
  const TMsgFormInfo& info = FMsgForm->MsgInfo;
  // Sent, not posted: the notify window acts before the notice hides.
  if (NoticeNotifies(info))
    SendMessageW(reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<uint32_t>(info.NotifyWnd))),
                 MSG_NOTICE_ENDED, static_cast<WPARAM>(info.NotifyParam), 0);
  SetFormVisible(false);
}
