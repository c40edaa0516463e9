#include "classlib/DeferredFree.h"

#include <deque>

#include "classlib/Classes.h"

namespace deferred_free_detail {
int gDepth = 0;
bool gGuiThreadKnown = false;
}  // namespace deferred_free_detail

namespace {

// The GUI thread is known by the address of its own copy of a thread's
// variable (read only by a free and a release, never on the message path).
thread_local char tThreadMark;
const char* gGuiThread = nullptr;
std::deque<TObject*> gQueue;

bool OnGuiThread() {
  return !deferred_free_detail::gGuiThreadKnown || &tThreadMark == gGuiThread;
}

}  // namespace

void deferred_free_detail::NoteGuiThread() {
  gGuiThread = &tThreadMark;
  gGuiThreadKnown = true;
}

void NoteGuiThread() { deferred_free_detail::NoteGuiThread(); }

void DisposeTornDown(TObject* Obj) {
  if (deferred_free_detail::gDepth > 0 && OnGuiThread()) gQueue.push_back(Obj);
  else delete Obj;
}

void ReleaseDeferredFrees() {
  if (gQueue.empty() || deferred_free_detail::gDepth > 0 || !OnGuiThread()) return;
  while (!gQueue.empty()) {
    TObject* obj = gQueue.front();
    gQueue.pop_front();
    delete obj;
  }
}

size_t DeferredFreeCount() { return gQueue.size(); }
