// The list of live objects, kept by free notifications.
#include "tests/driver/LiveObjects.h"

#include <algorithm>

#include "classlib/Controls.h"

// Whether the object's destruction has begun, through itself, an owner or a
// parent: a program frees no object its own code is already freeing.
bool Going(const TComponent* Object) {
  for (const TComponent* o = Object; o; o = o->Owner())
    if (o->ComponentState().Contains(csDestroying)) return true;
  if (auto* c = dynamic_cast<const TControl*>(Object))
    for (const TWinControl* p = c->Parent(); p; p = p->Parent())
      if (Going(p)) return true;
  return false;
}

TLiveObjects::~TLiveObjects() {
  for (auto& o : FObjects) o.Object->RemoveFreeNotification(this);
}

void TLiveObjects::Add(TLiveObject Object) {
  Object.Object->FreeNotification(this);
  FObjects.push_back(std::move(Object));
}

const TLiveObject* TLiveObjects::Find(const TComponent* Object) const {
  for (auto& o : FObjects)
    if (o.Object == Object) return &o;
  return nullptr;
}

std::vector<const TLiveObject*> TLiveObjects::All(const std::function<bool(const TLiveObject&)>& Pick) const {
  std::vector<const TLiveObject*> list;
  for (auto& o : FObjects)
    if (!Going(o.Object) && Pick(o)) list.push_back(&o);
  return list;
}

std::string TLiveObjects::NameOf(const TComponent* Object) const {
  const TLiveObject* o = Find(Object);
  return o ? o->Class : std::string("(freed)");
}

void TLiveObjects::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  FObjects.erase(std::remove_if(FObjects.begin(), FObjects.end(),
                                [AComponent](const TLiveObject& o) { return o.Object == AComponent; }),
                 FObjects.end());
}
