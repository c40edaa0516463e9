// Tells code that ran a program's handler whether the handler freed a
// component (a menu, an item, an action): what is not a control has no free
// watch of its own, so this one hears of the free by free notification.
#pragma once

#include "classlib/Classes.h"

class TComponentWatch : public TComponent {
 public:
  explicit TComponentWatch(TComponent* Watched) : TComponent(nullptr), FWatched(Watched) {
    if (Watched) Watched->FreeNotification(this);
  }
  ~TComponentWatch() override {
    if (FWatched) FWatched->RemoveFreeNotification(this);
  }
  bool Freed() const { return FWatched == nullptr; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FWatched) FWatched = nullptr;
  }

 private:
  TComponent* FWatched;
};
