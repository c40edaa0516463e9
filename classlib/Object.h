// The root of the class tree and the free every owner uses.
#pragma once

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

 private:
  friend void Free(TObject* obj);
  enum class TFreeState : unsigned char { Live, TearingDown, TornDown };
  TFreeState FFreeState = TFreeState::Live;
};

// Frees an object the way owners free what they own: BeforeDestruction tears
// it down at once, and the memory goes at once or, while the library is on
// the stack, at the next release (DeferredFree.h). An object already being
// freed is left alone.
void Free(TObject* obj);

template <typename T>
void FreeAndNil(T*& obj) {
  T* tmp = obj;
  obj = nullptr;
  Free(tmp);
}
