#include "classlib/ActnList.h"

#include <algorithm>

#include "classlib/Controls.h"
#include "classlib/DB.h"
#include "classlib/ImgList.h"

TBasicAction::~TBasicAction() {
  // Links outlive their action only as empty links.
  for (TBasicActionLink* link : FClients) link->FAction = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::Change() {
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients)) link->ActionChanged();
}

void TCustomAction::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Change();
}

template <class F>
void TCustomAction::OfferToLinks(F Offer) {
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
    if (auto* l = dynamic_cast<TActionLink*>(link)) Offer(l);
}

void TCustomAction::SetChecked(bool Value) {
  if (FChecked == Value) return;
  OfferToLinks([Value](TActionLink* Link) { Link->SetChecked(Value); });
  FChecked = Value;
  Change();
}

void TCustomAction::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  OfferToLinks([Value](TActionLink* Link) { Link->SetGroupIndex(Value); });
  FGroupIndex = Value;
  Change();
}

void TCustomAction::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Change();
}

void TCustomAction::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Change();
}

void TCustomAction::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  Change();
}

void TCustomAction::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Change();
}

void TCustomAction::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  Change();
}

void TCustomAction::SetActionList(TCustomActionList* Value) {
  if (FActionList == Value) return;
  if (FActionList) {
    auto& list = FActionList->FActions;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  FActionList = Value;
  if (Value) Value->FActions.push_back(this);
  Change();
}

void TCustomAction::BeforeDestruction() {
  SetActionList(nullptr);
  TBasicAction::BeforeDestruction();
}

TCustomActionList::~TCustomActionList() {
  for (TCustomAction* a : FActions) a->FActionList = nullptr;
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  for (TCustomAction* a : std::vector<TCustomAction*>(FActions)) a->Change();
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (FAction == Value) return;
  if (FAction) {
    auto& clients = FAction->FClients;
    clients.erase(std::remove(clients.begin(), clients.end(), this), clients.end());
  }
  FAction = Value;
  if (Value) Value->FClients.push_back(this);
}

bool TBasicActionLink::Execute(TComponent*) { return FAction && FAction->Execute(); }

void TControlActionLink::ActionChanged() { FClient->ActionChange(FAction, false); }

// A data link offers actions to its data source (they live with the actions,
// which the portable data layer does not link).
bool TDataLink::ExecuteAction(TBasicAction* Action) {
  if (!FDataSource || !Action || !Action->HandlesTarget(FDataSource)) return false;
  Action->ExecuteTarget(FDataSource);
  return true;
}

bool TDataLink::UpdateAction(TBasicAction* Action) {
  if (!FDataSource || !Action || !Action->HandlesTarget(FDataSource)) return false;
  Action->UpdateTarget(FDataSource);
  return true;
}
