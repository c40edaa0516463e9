#include "classlib/DeferredFree.h"

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <utility>

#include "classlib/Object.h"

namespace deferred_free_detail {
const void* gGuiThread = nullptr;  // none yet
int gDepth = 0;
uintptr_t gHeld[kRecordDepth];

bool ClaimGuiThread() noexcept {
  if (gGuiThread) return false;
  gGuiThread = CurrentThreadMark();
  return true;
}
}  // namespace deferred_free_detail

using deferred_free_detail::gDepth;
using deferred_free_detail::gHeld;
using deferred_free_detail::kRecordDepth;

namespace {

struct TQueued {
  TObject* Object;
  unsigned Group;
};
std::deque<TQueued> gQueue;  // GUI thread only

// Teardowns nest per thread: a worker's free is a group of its own.
thread_local TTeardown* tTeardown = nullptr;
unsigned gNextGroup = 0;
TTeardownExceptionHandler gTeardownHandler = nullptr;

void HandOn(std::exception_ptr Error) noexcept {
  try {
    std::rethrow_exception(Error);
  } catch (...) {
    // With no application to take it, the error has nowhere to go: the
    // teardown it interrupted has finished all the same.
    if (gTeardownHandler) gTeardownHandler(nullptr);
  }
}

// Set-aside parts and the wholes held along with them (GUI thread only).
std::vector<std::pair<const TObject*, const TObject*>> gHeldAlong;

// The objects the open scopes hold, sorted.
std::vector<const TObject*> HeldObjects() {
  std::vector<const TObject*> held;
  for (int i = 0; i < std::min(gDepth, kRecordDepth); ++i) {
    const uintptr_t h = gHeld[i];
    if (h & 1) {
      const auto* list = reinterpret_cast<const std::vector<TObject*>*>(h & ~uintptr_t(1));
      held.insert(held.end(), list->begin(), list->end());
    } else if (h) {
      held.push_back(reinterpret_cast<const TObject*>(h));
    }
  }
  // What the held objects hold along (a set-aside part's whole), however
  // deep; found by address alone, as the held objects may be gone.
  if (!gHeldAlong.empty())
    for (size_t i = 0; i < held.size(); ++i)
      for (const auto& [part, whole] : gHeldAlong)
        if (part == held[i]) held.push_back(whole);
  std::sort(held.begin(), held.end());
  return held;
}

bool RecordFull() { return gDepth > kRecordDepth; }

struct TWaitingHandler {
  void* Handler;
  void (*Delete)(void*);
};
std::vector<TWaitingHandler> gWaitingHandlers;
bool gReleasing = false;  // a release deletes what no open frame holds

void DeleteWaitingHandlers() {
  std::vector<TWaitingHandler> going;
  going.swap(gWaitingHandlers);
  for (const TWaitingHandler& w : going) w.Delete(w.Handler);
}

}  // namespace

void NoteGuiThread() { deferred_free_detail::gGuiThread = deferred_free_detail::CurrentThreadMark(); }

bool OnGuiThread() { return deferred_free_detail::CurrentThreadMark() == deferred_free_detail::gGuiThread; }

bool HeldByOpenScope(const TObject* Obj) {
  if (!OnGuiThread()) return false;
  if (RecordFull()) return true;
  const std::vector<const TObject*> held = HeldObjects();
  return std::binary_search(held.begin(), held.end(), Obj);
}

void HoldAlong(const TObject* Part, const TObject* Whole) {
  // Only the GUI thread's scopes hold anything; objects of other threads
  // (a table a worker fills) are not listed.
  if (!OnGuiThread()) return;
  gHeldAlong.erase(std::remove_if(gHeldAlong.begin(), gHeldAlong.end(), [Part](const auto& p) { return p.first == Part; }),
                   gHeldAlong.end());
  if (Whole) gHeldAlong.emplace_back(Part, Whole);
}

void DeleteHandler(void* Handler, void (*Delete)(void*)) {
  if (gDepth > 0 && !gReleasing && OnGuiThread()) gWaitingHandlers.push_back({Handler, Delete});
  else Delete(Handler);
}

// ---------------------------------------------------------------------------
// Teardowns

TTeardown::TTeardown() noexcept : FOuter(tTeardown), FGroup(FOuter ? FOuter->FGroup : ++gNextGroup) {
  tTeardown = this;
}

TTeardown::~TTeardown() {
  tTeardown = FOuter;
  if (FError) HandOn(FError);
}

void TTeardown::Keep(std::exception_ptr Error) noexcept {
  TTeardown* outermost = this;
  while (outermost->FOuter) outermost = outermost->FOuter;
  if (!outermost->FError) outermost->FError = std::move(Error);
}

TTeardownExceptionHandler SetTeardownExceptionHandler(TTeardownExceptionHandler Handler) {
  const TTeardownExceptionHandler old = gTeardownHandler;
  gTeardownHandler = Handler;
  return old;
}

void KeepTeardownException() noexcept {
  if (tTeardown) tTeardown->Keep(std::current_exception());
  else HandOn(std::current_exception());
}

// ---------------------------------------------------------------------------
// Disposal and release

void DisposeTornDown(TObject* Obj) {
  const bool waits = OnGuiThread() && gDepth > 0 && (Obj->LibraryMayHold() || HeldByOpenScope(Obj));
  if (!waits) {
    delete Obj;
    return;
  }
  gQueue.push_back({Obj, tTeardown ? tTeardown->Group() : ++gNextGroup});
}

void ReleaseDeferredFrees() {
  if (!OnGuiThread()) return;
  if (gDepth == 0 && !gWaitingHandlers.empty()) DeleteWaitingHandlers();
  if (gQueue.empty() || RecordFull()) return;
  // The group whose teardown runs is not whole yet.
  const unsigned open = tTeardown ? tTeardown->Group() : 0;
  const std::vector<const TObject*> held = HeldObjects();
  auto isHeld = [&held](const TObject* obj) { return std::binary_search(held.begin(), held.end(), obj); };
  // A group's members in the order they queued; a release inside a teardown
  // can leave the open group's members on both sides of another group.
  std::deque<TQueued> pending;
  pending.swap(gQueue);
  std::map<unsigned, std::vector<TObject*>> groups;
  for (const TQueued& q : pending) groups[q.Group].push_back(q.Object);
  std::set<unsigned> releasable;
  for (const auto& [group, members] : groups) {
    // The object whose free began the group comes last: what its teardown
    // freed queued before it.
    if (group != open && (gDepth == 0 || (members.back()->NestedLoopMayRelease() &&
                                          std::none_of(members.begin(), members.end(), isHeld))))
      releasable.insert(group);
  }
  std::deque<TQueued> kept;
  std::vector<TObject*> going;
  for (const TQueued& q : pending) {
    if (releasable.count(q.Group)) going.push_back(q.Object);
    else kept.push_back(q);
  }
  // Frees made by the destructors below queue behind what stays.
  gQueue.swap(kept);
  const bool wasReleasing = gReleasing;
  gReleasing = true;
  for (TObject* obj : going) delete obj;
  gReleasing = wasReleasing;
}

size_t DeferredFreeCount() { return gQueue.size(); }
