// A sort whose comparison raises an event that may free the control whose
// items it sorts.
#pragma once

#include <algorithm>
#include <vector>

#include "classlib/DeferredFree.h"
#include "classlib/Object.h"

// Sorts Items, a list the caller owns, by Less while Owner is held. Once a
// handler frees Owner (whose teardown frees the items) the rest of the sort
// takes every pair as equal and reads no item, and the result is false: the
// caller must then leave the items and Owner alone.
template <class T, class Less>
bool SortHeld(const TObject* Owner, std::vector<T*>& Items, Less IsLess) {
  const TLibraryScope hold(Owner);
  std::stable_sort(Items.begin(), Items.end(), [&](T* A, T* B) { return !Owner->BeingFreed() && IsLess(A, B); });
  return !Owner->BeingFreed();
}
