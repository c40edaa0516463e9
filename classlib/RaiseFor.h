// Raising an event whose first argument is not the object that raises it.
#pragma once

#include <utility>

#include "classlib/DeferredFree.h"
#include "classlib/Object.h"

// Calls Event for the object that raises it when that object is not its
// first argument (a draw event led by a canvas or an index): Raiser is held
// through the call as a sender is, and one whose free has begun raises
// nothing, so a draw asked of a control being torn down calls no handler.
template <typename E, typename... A>
auto RaiseFor(const TObject* Raiser, const E& Event, A&&... Arguments) {
  using R = decltype(Event(std::forward<A>(Arguments)...));
  if (!Event || (Raiser && Raiser->BeingFreed())) return R();
  const TLibraryScope hold(Raiser);
  return Event(std::forward<A>(Arguments)...);
}
