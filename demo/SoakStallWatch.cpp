// The soak run's watcher thread.
#include "demo/SoakStallWatch.h"

#include <cstdio>

TSoakStallWatch::TSoakStallWatch(DWORD QuietMs) : FQuietMs(QuietMs), FSince(GetTickCount()) {
  InitializeCriticalSection(&FLock);
  FStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  FThread = CreateThread(nullptr, 0, &TSoakStallWatch::Run, this, 0, nullptr);
}

TSoakStallWatch::~TSoakStallWatch() {
  SetEvent(FStop);
  if (FThread) {
    WaitForSingleObject(FThread, INFINITE);
    CloseHandle(FThread);
  }
  CloseHandle(FStop);
  DeleteCriticalSection(&FLock);
}

void TSoakStallWatch::Step(const std::string& What) {
  EnterCriticalSection(&FLock);
  FStep = What;
  FSince = GetTickCount();
  FReported = false;
  LeaveCriticalSection(&FLock);
}

DWORD WINAPI TSoakStallWatch::Run(void* Self) {
  auto* watch = static_cast<TSoakStallWatch*>(Self);
  while (WaitForSingleObject(watch->FStop, 1000) == WAIT_TIMEOUT) watch->Check();
  return 0;
}

void TSoakStallWatch::Check() {
  EnterCriticalSection(&FLock);
  const DWORD quiet = GetTickCount() - FSince;
  if (!FReported && quiet >= FQuietMs) {
    FReported = true;
    std::printf("soak: no progress for %lu s while %s\n", static_cast<unsigned long>(quiet / 1000), FStep.c_str());
    std::fflush(stdout);
  }
  LeaveCriticalSection(&FLock);
}
