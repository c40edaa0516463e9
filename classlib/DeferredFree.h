// The deferred free: a free made while the library handles a message or
// raises an event tears the object down at once and deletes it when the
// message loop next runs with nothing of the library on the stack.
//
// Code of the library that runs on after a handler (the control's own code,
// its parent's layout, its paint, a menu loop) then meets a torn-down but
// live object: no window, no parent, no links, no events, and memory that is
// still its own. One GUI thread keeps the state in plain globals; on any
// other thread a free deletes at once. The GUI thread is the one that makes
// the application, or else the first to free inside a scope.
#pragma once

#include <cstddef>

class TObject;

namespace deferred_free_detail {
extern int gDepth;
}  // namespace deferred_free_detail

// Open while code of the library is on the stack: an entry from the system
// (a window procedure, a hook, a timer), an event's call, a walk over
// collected controls, a modal loop. Frees made meanwhile wait.
//
// Scopes nest strictly, so a scope puts back the depth it found rather than
// counting down: the count is read once a scope, not again after the call it
// spans (every event call and message pays for the scope).
class TLibraryScope {
 public:
  TLibraryScope() noexcept : FOuter(deferred_free_detail::gDepth) { deferred_free_detail::gDepth = FOuter + 1; }
  ~TLibraryScope() { deferred_free_detail::gDepth = FOuter; }
  TLibraryScope(const TLibraryScope&) = delete;
  TLibraryScope& operator=(const TLibraryScope&) = delete;

 private:
  const int FOuter;
};

// The calling thread becomes the GUI thread (the application's maker calls it).
void NoteGuiThread();
// Deletes a torn-down object at once, or queues it while a scope is open on
// the GUI thread.
void DisposeTornDown(TObject* Obj);
// Deletes the queued objects, in the order they were freed, when no scope is
// open on the GUI thread; what their destructors free meanwhile goes too.
// The message loop calls it after each message.
void ReleaseDeferredFrees();
// How many torn-down objects wait for their release.
size_t DeferredFreeCount();
