// A watcher thread for the soak run: names the step that stopped moving.
#pragma once

#include <windows.h>

#include <string>

// The soak prints its figures at the end; a step that never ends (a modal
// loop nobody closes, a message to a window that never answers) would reach
// the test's time limit with nothing printed. Step() notes what the soak is
// doing; when a step has run for QuietMs, the watcher prints it once.
class TSoakStallWatch {
 public:
  explicit TSoakStallWatch(DWORD QuietMs);
  ~TSoakStallWatch();
  TSoakStallWatch(const TSoakStallWatch&) = delete;
  TSoakStallWatch& operator=(const TSoakStallWatch&) = delete;

  void Step(const std::string& What);

 private:
  static DWORD WINAPI Run(void* Self);
  void Check();

  DWORD FQuietMs;
  CRITICAL_SECTION FLock;
  std::string FStep;
  DWORD FSince;
  bool FReported = false;
  HANDLE FStop;
  HANDLE FThread;
};
