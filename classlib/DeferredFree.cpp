#include "classlib/DeferredFree.h"

#include <deque>

#include "classlib/Classes.h"

namespace deferred_free_detail {
int gDepth = 0;
}  // namespace deferred_free_detail

namespace {

// The GUI thread is known by the address of its own copy of a thread's
// variable (read only by a free and a release, never on the message path).
thread_local char tThreadMark;
const char* gGuiThread = nullptr;  // none yet
std::deque<TObject*> gQueue;

bool OnGuiThread() { return &tThreadMark == gGuiThread; }

}  // namespace

void NoteGuiThread() { gGuiThread = &tThreadMark; }

void DisposeTornDown(TObject* Obj) {
  if (deferred_free_detail::gDepth > 0 && !gGuiThread) NoteGuiThread();
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
