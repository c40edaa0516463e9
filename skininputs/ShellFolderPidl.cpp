// Identifier-list sizes, copies and joins.
#include "skininputs/ShellFolderPidl.h"

#include <cstring>

namespace {

uint16_t ItemSize(const void* Item) {
  uint16_t size;
  std::memcpy(&size, Item, sizeof size);  // items need not be aligned
  return size;
}

}  // namespace

const void* NextPIDL(const void* Item) { return static_cast<const uint8_t*>(Item) + ItemSize(Item); }

size_t GetPIDLSize(const void* List) {
  if (!List) return 0;
  size_t size = 2;
  for (const void* item = List; ItemSize(item) != 0; item = NextPIDL(item)) size += ItemSize(item);
  return size;
}

void* CopyPIDL(const void* List, TPidlAllocator Alloc) {
  const size_t size = GetPIDLSize(List);
  if (size == 0) return nullptr;
  void* copy = Alloc(size);
  if (copy) std::memcpy(copy, List, size);
  return copy;
}

void* ConcatPIDLs(const void* First, const void* Second, TPidlAllocator Alloc) {
  const size_t first = First ? GetPIDLSize(First) - 2 : 0;
  // Without a second list the block still ends in a terminator (the zeros
  // of the allocation).
  const size_t second = Second ? GetPIDLSize(Second) : 2;
  auto* list = static_cast<uint8_t*>(Alloc(first + second));
  if (!list) return nullptr;
  if (First) std::memcpy(list, First, first);
  if (Second) std::memcpy(list + first, Second, second);
  return list;
}
