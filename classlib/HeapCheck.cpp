#include "classlib/HeapCheck.h"

#include <windows.h>

#include <malloc.h>

#include <algorithm>
#include <vector>

bool ProcessHeapsValid() {
  std::vector<HANDLE> heaps(16);
  for (;;) {
    const DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    if (count <= heaps.size()) {
      heaps.resize(count);
      break;
    }
    heaps.resize(count + 8);  // a heap made meanwhile is taken in the next round
  }
  // The C runtime may keep a heap the list above does not show.
  const auto crt = reinterpret_cast<HANDLE>(_get_heap_handle());
  if (crt && std::find(heaps.begin(), heaps.end(), crt) == heaps.end()) heaps.push_back(crt);
  bool valid = true;
  for (HANDLE heap : heaps)
    if (!HeapValidate(heap, 0, nullptr)) valid = false;
  return valid;
}
