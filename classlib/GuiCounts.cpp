// Counts of the windows and GDI objects a program holds, for leak checks.
#include "classlib/GuiCounts.h"

#include <algorithm>
#include <cstdint>

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM Data) {
  ++*reinterpret_cast<int*>(Data);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND Window, LPARAM Data) {
  ++*reinterpret_cast<int*>(Data);
  EnumChildWindows(Window, CountWindow, Data);  // every descendant, not only the direct children
  return TRUE;
}

}  // namespace

int ThreadWindowsWithChildren() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Windows counts GDI objects; Wine reports 0 but keeps the process's GDI
// handle table where Windows keeps it, at the process block's
// GdiSharedHandleTable, with an entry of 24 bytes whose type byte is 0 while
// the entry is free. Probing the table by allocating gave counts that
// depended on the order in which objects had been freed.
int GdiObjectsInUse() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
  struct Entry {
    uint64_t Object;
    uint32_t Owner;
    uint16_t Unique;
    uint8_t Type;
    uint8_t Flags;
    uint64_t UserPointer;
  };
  static_assert(sizeof(Entry) == 24, "the table's entries are 24 bytes");
#ifdef _WIN64
  constexpr size_t kPebOfTeb = 0x60, kTableOfPeb = 0xF8;
#else
  constexpr size_t kPebOfTeb = 0x30, kTableOfPeb = 0x94;
#endif
  // GCC takes the header's read of the thread block (an fs-relative load at
  // offset 0) for an index into an empty array.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
#endif
  const auto* teb = reinterpret_cast<const uint8_t*>(NtCurrentTeb());
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
  const auto* peb = *reinterpret_cast<const uint8_t* const*>(teb + kPebOfTeb);
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + kTableOfPeb);
  MEMORY_BASIC_INFORMATION region = {};
  if (!table || !VirtualQuery(table, &region, sizeof region) || region.State != MEM_COMMIT) return 0;
  // Only the committed pages that follow the table's start are read.
  const size_t readable = static_cast<const uint8_t*>(region.BaseAddress) + region.RegionSize -
                          reinterpret_cast<const uint8_t*>(table);
  const size_t entries = std::min<size_t>(readable / sizeof(Entry), 0x10000);
  int count = 0;
  for (size_t i = 0; i < entries; ++i) count += table[i].Type != 0;
  return count;
}
