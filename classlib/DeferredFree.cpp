#include "classlib/DeferredFree.h"

#include <deque>
#include <thread>

#include "classlib/Classes.h"

namespace deferred_free_detail {
int gDepth = 0;
bool gGuiThreadKnown = false;
}  // namespace deferred_free_detail

namespace {

std::thread::id gGuiThread;
std::deque<TObject*> gQueue;

bool OnGuiThread() {
  return !deferred_free_detail::gGuiThreadKnown || std::this_thread::get_id() == gGuiThread;
}

}  // namespace

void deferred_free_detail::NoteGuiThread() {
  gGuiThread = std::this_thread::get_id();
  gGuiThreadKnown = true;
}

void NoteGuiThread() { deferred_free_detail::NoteGuiThread(); }

void DisposeTornDown(TObject* Obj) {
  if (deferred_free_detail::gDepth > 0 && OnGuiThread()) gQueue.push_back(Obj);
  else delete Obj;
}

void ReleaseDeferredFrees() {
  if (deferred_free_detail::gDepth > 0 || !OnGuiThread()) return;
  while (!gQueue.empty()) {
    TObject* obj = gQueue.front();
    gQueue.pop_front();
    delete obj;
  }
}

size_t DeferredFreeCount() { return gQueue.size(); }
