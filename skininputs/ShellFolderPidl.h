// Item-identifier lists of the shell as plain bytes: a run of items, each
// opening with its 16-bit size (the size field included), ended by a 16-bit
// zero. The allocator is passed in: the shell's on Windows, any other in tests.
#pragma once

#include <cstddef>
#include <cstdint>

// Returns a zero-filled block of Size bytes, or nullptr.
using TPidlAllocator = void* (*)(size_t Size);

// The item after Item.
const void* NextPIDL(const void* Item);
// 0 for nullptr, else the items' sizes plus 2 for the terminator.
size_t GetPIDLSize(const void* List);
// A new block with the same bytes; nullptr for nullptr or a failed allocation.
void* CopyPIDL(const void* List, TPidlAllocator Alloc);
// A new list: First's items, then Second's items and the terminator; either
// may be nullptr (an empty part). nullptr when the allocation fails.
void* ConcatPIDLs(const void* First, const void* Second, TPidlAllocator Alloc);
