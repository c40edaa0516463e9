// The heap bytes a Windows benchmark's process holds, to count memory per control or item.
#pragma once

#include <windows.h>

namespace bench {

// Bytes in use in every heap of the process: the C runtime's and the system's
// own records of windows and their items alike.
inline long long HeapBytesInUse() {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  long long bytes = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    PROCESS_HEAP_ENTRY entry = {};
    if (!HeapLock(heaps[i])) continue;
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

}  // namespace bench
