// The root of the class tree and the free every owner uses.
#pragma once

#include <memory>

#include "classlib/Types.h"

class TObject {
 public:
  virtual ~TObject() = default;
  // Runs before the destructor chain while the object is still whole, so that
  // virtual calls made while tearing down (notifications) reach the real class.
  virtual void BeforeDestruction() {}
  // Class name for messages ("Cannot assign a TFont to a TBrush").
  virtual String ClassName() const { return L"TObject"; }
  // Whether Free has torn the object down: its memory waits for the release
  // (DeferredFree.h), and it raises no more events.
  bool TornDown() const { return FFreeState == TFreeState::TornDown; }
  // Whether Free has begun on it (its teardown runs or has run).
  bool BeingFreed() const { return FFreeState != TFreeState::Live; }
  // Whether code of the library may keep the object across a call out to a
  // handler without a scope that holds it (a component: its window, its
  // owner's and parent's lists, the events it raises about others). Such an
  // object freed inside a handler waits for the release; any other (a
  // stream, a string list) is deleted at once unless a scope holds it.
  virtual bool LibraryMayHold() const { return false; }
  // Whether a loop nested in a handler may delete it once no open scope holds
  // it (see DeferredFree.h). A control may: its teardown takes it out of
  // every list, focus, capture, drag and hint, so only a scope reaches it.
  // Other components (skin data, a table, a timer) may sit in a local of
  // code further down the stack and wait for the outermost loop.
  virtual bool NestedLoopMayRelease() const { return false; }
  // Raises an exception, before anything changes, when the calling thread may
  // not free the object (its window belongs to another thread).
  virtual void CheckFreeThread() const {}
  // Runs when Free begins, before BeforeDestruction: what the object lent to
  // code still running (a system control's window inside its own procedure)
  // is let go of before the teardown takes anything apart.
  virtual void TeardownBegins() {}

 private:
  friend void Free(TObject* obj);
  enum class TFreeState : unsigned char { Live, TearingDown, TornDown };
  TFreeState FFreeState = TFreeState::Live;
};

// Frees an object the way owners free what they own: BeforeDestruction tears
// it down at once, and the memory goes at once or, while the library is on
// the stack, at the next release (DeferredFree.h). An object already being
// freed is left alone. The teardown always finishes: an exception a handler
// raises meanwhile goes to the application's exception handling afterwards.
// Only CheckFreeThread's refusal is thrown to the caller.
void Free(TObject* obj);

template <typename T>
void FreeAndNil(T*& obj) {
  T* tmp = obj;
  obj = nullptr;
  Free(tmp);
}

// A std::unique_ptr's deleter that frees as owners do, for objects code of
// the library may hold while their owner lets go of them (an entry of a list
// whose own event is running): such an object waits for the release.
struct TFreeDeleter {
  void operator()(TObject* Obj) const { Free(Obj); }
};
template <class T>
using TFreedPtr = std::unique_ptr<T, TFreeDeleter>;
