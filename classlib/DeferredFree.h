// The deferred free: a free made while the library handles a message or
// raises an event tears the object down at once and deletes it once no frame
// of the library can still be using it.
//
// Code of the library that runs on after a handler (the control's own code,
// its parent's layout, its paint, a menu loop) then meets a torn-down but
// live object: no window, no parent, no links, no events, and memory that is
// still its own.
//
// The devices, and why each:
// - Scopes (TLibraryScope), on the GUI thread only: each frame of the library
//   that can call out to a handler (a window procedure, Perform, an event's
//   call, a walk over collected controls, a modal loop) opens one, and says
//   which objects it holds (the control, Perform's target, the event's
//   sender, the walk's list, the modal form). A scope on another thread
//   leaves this state alone: there a free deletes at once.
// - Groups: an object torn down and all that its teardown frees with it (a
//   form and its controls) wait and go together. Code of the library keeps
//   pointers it holds by no scope (the form of the control it handles): a
//   group goes only when none of its members is held, and inside a nested
//   loop only a control's group goes (TObject::NestedLoopMayRelease).
// - Releases: the message loop releases, before and after each message, the
//   groups that no open scope holds; with nothing of the library on the
//   stack that is every group. A loop nested in a handler (a modal form,
//   ProcessMessages) so releases what was freed inside it, while what an
//   outer frame holds (the button whose click opened the dialog) waits. An
//   entry from the system with no scope open releases too, so that a loop
//   the library does not run (a host program's own) still releases. Library
//   code that pumps messages itself (a popup's fade) holds its object by a
//   scope of its own.
// - Handlers: an event's handler let go of while a scope is open waits for
//   the release with no scope open (DeleteHandler), so that a call never
//   loses the handler it runs, with no count kept on the call's path.
// - The record also lets a control's destructor tell a plain delete under
//   its own code (which would go on in freed memory) and end the program
//   there with a message that names Free.
// - What library code never holds past a call (a stream, a string list,
//   anything with neither a window nor events of the library's raising: see
//   TObject::LibraryMayHold) is deleted at once unless an open scope holds it.
// - Teardowns (TTeardown) always finish: an exception from a handler during a
//   teardown stops that step only, and goes to the application's exception
//   handling when the outermost teardown ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

class TObject;

// A condition a call or walk path rarely meets, laid out of the straight path.
#if defined(__GNUC__)
#define SKINGUI_RARELY(Condition) __builtin_expect(static_cast<bool>(Condition), 0)
#else
#define SKINGUI_RARELY(Condition) (Condition)
#endif

namespace deferred_free_detail {

// The calling thread, cheaply: every scope compares it with the GUI thread.
inline const void* CurrentThreadMark() noexcept {
#if defined(_WIN32) && defined(__GNUC__) && defined(__i386__)
  const void* teb;  // the thread's own block, which names itself
  __asm__("movl %%fs:0x18, %0" : "=r"(teb));
  return teb;
#elif defined(_WIN32) && defined(__GNUC__) && defined(__x86_64__)
  const void* teb;
  __asm__("movq %%gs:0x30, %0" : "=r"(teb));
  return teb;
#else
  static thread_local const char mark = 0;  // native thread storage is cheap here
  return &mark;
#endif
}

extern const void* gGuiThread;

// What the GUI thread's open scopes hold, innermost last: each entry a
// TObject*, or a std::vector<TObject*>* with the low bit set. The record is a
// plain array, so that opening a scope costs one store. Scopes deeper than
// the array record nothing, and while there are any the release and the
// checks that read the record take everything as held.
constexpr int kRecordDepth = 4096;
extern int gDepth;
extern uintptr_t gHeld[kRecordDepth];
// The first scope opened before any thread was named the GUI thread names its own.
bool ClaimGuiThread() noexcept;
// Whether a scope opened by the calling thread records: it is the GUI thread,
// or it becomes it as the first to ask.
inline bool ScopesRecordHere() noexcept { return CurrentThreadMark() == gGuiThread || ClaimGuiThread(); }
// Records what a scope opened on the GUI thread holds; answers the depth it found.
inline int OpenRecord(uintptr_t Held) noexcept {
  const int outer = gDepth;
  if (outer < kRecordDepth) gHeld[outer] = Held;
  gDepth = outer + 1;
  return outer;
}

}  // namespace deferred_free_detail

// A library scope of code that has made sure it runs on the GUI thread
// (ScopesRecordHere): it records without asking again. An event's call takes
// its other-thread path before it opens one, so that its straight path tests
// the thread once.
class TGuiThreadScope {
 public:
  explicit TGuiThreadScope(const TObject* Held) noexcept
      : FOuter(deferred_free_detail::OpenRecord(reinterpret_cast<uintptr_t>(Held))) {}
  ~TGuiThreadScope() { deferred_free_detail::gDepth = FOuter; }
  TGuiThreadScope(const TGuiThreadScope&) = delete;
  TGuiThreadScope& operator=(const TGuiThreadScope&) = delete;

 private:
  int FOuter;  // the depth it found
};

// Open while code of the library is on the stack of the GUI thread and may
// call out to a handler. Frees made meanwhile wait, and what the scope holds
// waits for its end. On another thread it does nothing.
class TLibraryScope {
 public:
  explicit TLibraryScope(const TObject* Held = nullptr) noexcept { Open(reinterpret_cast<uintptr_t>(Held)); }
  // Holds each object of a list that may grow while the scope is open.
  explicit TLibraryScope(const std::vector<TObject*>* HeldList) noexcept {
    Open(reinterpret_cast<uintptr_t>(HeldList) | 1);
  }
  ~TLibraryScope() {
    if (FOuter >= 0) deferred_free_detail::gDepth = FOuter;
  }
  TLibraryScope(const TLibraryScope&) = delete;
  TLibraryScope& operator=(const TLibraryScope&) = delete;

  // Whether it was opened on the GUI thread.
  bool Recorded() const { return FOuter >= 0; }

 private:
  void Open(uintptr_t Held) noexcept {
    using namespace deferred_free_detail;
    FOuter = ScopesRecordHere() ? OpenRecord(Held) : -1;
  }

  int FOuter;  // the depth it found, or -1 on another thread
};

// The calling thread becomes the GUI thread (the application's maker calls it).
void NoteGuiThread();
bool OnGuiThread();
// Whether a scope open on the calling thread, the GUI thread, holds Obj (or
// may: the record is full).
bool HeldByOpenScope(const TObject* Obj);
// Part stays held while Whole's code may run on with it (a compound control
// that set Part aside in its teardown and deletes it with itself): a scope
// that holds Part holds Whole too. A null Whole forgets Part (its destructor).
// Kept in a list of its own so that finding what a scope holds never reads a
// held object, which may be one a list let go of with a plain delete.
void HoldAlong(const TObject* Part, const TObject* Whole);
// Deletes a handler that an event let go of, with Delete, at once or, while
// a call of it may be running (a scope is open on the GUI thread), at the
// release with no scope open. A release's own deletions delete at once: what
// it deletes is held by no open frame, so no open call runs its events (a
// call holds its sender, and an object raises its events as their sender).
void DeleteHandler(void* Handler, void (*Delete)(void*));

// Open while an object is torn down (by Free or by its destructor). The
// objects freed meanwhile join the outermost teardown's group. An exception
// that a step lets out is kept (TeardownCall) and handed to the handler of
// SetTeardownExceptionHandler when the outermost teardown ends, so that a
// teardown never stops half way and never throws out of a destructor.
class TTeardown {
 public:
  TTeardown() noexcept;
  ~TTeardown();
  TTeardown(const TTeardown&) = delete;
  TTeardown& operator=(const TTeardown&) = delete;
  unsigned Group() const { return FGroup; }
  // Keeps the exception being handled (the first one of the outermost teardown).
  void Keep(std::exception_ptr Error) noexcept;

 private:
  TTeardown* FOuter;
  unsigned FGroup;
  std::exception_ptr FError;
};

// Called inside a catch block, with the object to name as the sender (or null).
using TTeardownExceptionHandler = void (*)(TObject* Sender) noexcept;
// Returns the handler it replaces.
TTeardownExceptionHandler SetTeardownExceptionHandler(TTeardownExceptionHandler Handler);
// Keeps the exception being handled for the open teardown, or hands it on at
// once when none is open.
void KeepTeardownException() noexcept;

// Runs one step of a teardown that calls out (a notification, an event): an
// exception from it ends that step only.
template <class F>
void TeardownCall(F&& Step) noexcept {
  try {
    Step();
  } catch (...) {
    KeepTeardownException();
  }
}

// Deletes a torn-down object at once, or queues it in the open teardown's
// group while a scope is open on the GUI thread (see the devices above).
void DisposeTornDown(TObject* Obj);
// Deletes the queued groups that no open scope holds, in the order they were
// freed (all of them when no scope is open); what their destructors free
// meanwhile goes at once or at the next release. The message loop calls it
// before and after each message.
void ReleaseDeferredFrees();
// An entry from the system (a window procedure) releases when nothing of the
// library is on the stack, so that a loop the library does not run releases.
inline void ReleaseAtSystemEntry() {
  if (deferred_free_detail::gDepth == 0) ReleaseDeferredFrees();
}
// How many torn-down objects wait for their release.
size_t DeferredFreeCount();
