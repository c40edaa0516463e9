// The skinned form's core: message hook, skin-change relay and window state.
#include "skin/SkinForm.h"

#include <vector>

namespace {

// Every skinned control under Parent, parents before their children.
void CollectSkinLinks(TWinControl* Parent, std::vector<TspSkinLink*>& Links) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    TControl* control = Parent->Controls(i);
    if (auto* link = dynamic_cast<TspSkinLink*>(control)) Links.push_back(link);
    if (auto* container = dynamic_cast<TWinControl*>(control)) CollectSkinLinks(container, Links);
  }
}

}  // namespace

TspSkinForm::TspSkinForm(TComponent* AOwner) : TComponent(AOwner) {
  FForm = dynamic_cast<TCustomForm*>(AOwner);
  HookForm();
}

TspSkinForm::~TspSkinForm() { UnhookForm(); }

void TspSkinForm::BeforeDestruction() {
  UnhookForm();
  TComponent::BeforeDestruction();
}

void TspSkinForm::HookForm() {
  if (!FForm) return;
  FOldWindowProc = FForm->WindowProc;
  FForm->WindowProc = [this](TMessage& Message) { NewWndProc(Message); };
}

void TspSkinForm::UnhookForm() {
  if (!FForm || !FOldWindowProc) return;
  FForm->WindowProc = std::move(FOldWindowProc);
  FOldWindowProc = nullptr;
}

void TspSkinForm::SetSkinData(TspSkinData* Value) {
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinForm::SetMenusSkinData(TspSkinData* Value) {
  if (FMenusSkinData) FMenusSkinData->RemoveFreeNotification(this);
  FMenusSkinData = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FMenusSkinData) FMenusSkinData = nullptr;
  if (AComponent == FForm) {
    FForm = nullptr;
    FOldWindowProc = nullptr;
  }
}

int TspSkinForm::WindowState() const { return FForm ? static_cast<int>(FForm->WindowState()) : 0; }

void TspSkinForm::SetWindowState(int Value) {
  if (!FForm || Value < 0 || Value > 2 || Value == WindowState()) return;
  FForm->SetWindowState(static_cast<TWindowState>(Value));
  if (Value != 1) UpdateStatusBarGrip(Value == 2);
}

void TspSkinForm::UpdateStatusBarGrip(bool Maximized) {
  if (!FForm || !FSkinData || FSkinData->StatusBarName.empty()) return;
  auto* grip = dynamic_cast<TspSizeGripLink*>(FForm->FindComponent(FSkinData->StatusBarName));
  if (grip && grip->SizeGrip()) grip->SetShowGrip(!Maximized);
}

void TspSkinForm::RelaySkinChange(TspSkinData* Changed) {
  if (!FForm) return;
  // Taken first: a control's re-read may realign or resize its children.
  std::vector<TspSkinLink*> links;
  CollectSkinLinks(FForm, links);
  for (TspSkinLink* link : links)
    if (!Changed || link->LinkedSkinData() == Changed) link->ChangeSkinData();
}

bool TspSkinForm::IsOwnSkin(const TMessage& Message) const {
  return FSkinData && reinterpret_cast<TspSkinData*>(Message.WParam) == FSkinData;
}

void TspSkinForm::BeforeSkinChange() { FSkinChanging = true; }

void TspSkinForm::AfterSkinChange() {
  FSkinChanging = false;
  RelaySkinChange(FSkinData);
  if (FForm) UpdateStatusBarGrip(FForm->WindowState() == wsMaximized);
}

void TspSkinForm::NewWndProc(TMessage& Message) {
  // The handlers below may free this object (a form closed from an event):
  // keep what is needed to pass the message on.
  std::function<void(TMessage&)> old = FOldWindowProc;
  switch (Message.Msg) {
    case MSG_BEFORE_SKIN_CHANGE:
      if (IsOwnSkin(Message)) BeforeSkinChange();
      break;
    case MSG_AFTER_SKIN_CHANGE:
      if (IsOwnSkin(Message)) AfterSkinChange();
      break;
    case WM_SIZE:
      old(Message);
      if (Message.WParam == SIZE_MAXIMIZED || Message.WParam == SIZE_RESTORED)
        UpdateStatusBarGrip(Message.WParam == SIZE_MAXIMIZED);
      return;
    default:
      break;
  }
  old(Message);
}

TspSkinForm* GetSkinForm(const TComponent* Form) {
  if (!Form) return nullptr;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* skinForm = dynamic_cast<TspSkinForm*>(Form->Components(i))) return skinForm;
  return nullptr;
}
