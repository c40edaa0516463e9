// The objects a driver run made and that still live: each is watched through
// a free notification, so that a free from anywhere (an owner, a handler, the
// library itself) takes it off the list before the driver picks it again.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "classlib/Classes.h"

class TDriver;

// A call on one object, with values the driver picks (a setter, a method).
struct TObjectCall {
  const char* Name;
  std::function<void(TDriver&)> Run;
};

// Whether the object's destruction has begun, through itself, an owner or a
// parent: a program frees, and calls, no object that is already going.
bool Going(const TComponent* Object);

enum TLiveKind { lkControl, lkContainer, lkForm, lkComponent };

struct TLiveObject {
  TComponent* Object = nullptr;
  std::string Class;
  TLiveKind Kind = lkControl;
  std::vector<TObjectCall> Calls;
};

class TLiveObjects : public TComponent {
 public:
  TLiveObjects() : TComponent(nullptr) {}
  ~TLiveObjects() override;
  void Add(TLiveObject Object);
  bool Alive(const TComponent* Object) const { return Find(Object) != nullptr; }
  const TLiveObject* Find(const TComponent* Object) const;
  // The objects that hold Pick's test, in the order they were made.
  std::vector<const TLiveObject*> All(const std::function<bool(const TLiveObject&)>& Pick) const;
  size_t Count() const { return FObjects.size(); }
  // The class name of a live object, or "(freed)".
  std::string NameOf(const TComponent* Object) const;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::vector<TLiveObject> FObjects;
};
