// Identifier-list sizes, copies and joins.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "skininputs/ShellFolderPidl.h"

namespace {

void* ZeroAlloc(size_t Size) { return std::calloc(Size, 1); }
void* NoAlloc(size_t) { return nullptr; }

// Items of the given payload sizes (each gets its 2-byte size field), then
// the terminator; payload bytes count up from Seed.
std::vector<uint8_t> List(std::initializer_list<int> Payloads, uint8_t Seed) {
  std::vector<uint8_t> v;
  for (int n : Payloads) {
    const uint16_t size = static_cast<uint16_t>(n + 2);
    v.push_back(static_cast<uint8_t>(size & 0xFF));
    v.push_back(static_cast<uint8_t>(size >> 8));
    for (int i = 0; i < n; ++i) v.push_back(Seed++);
  }
  v.push_back(0);
  v.push_back(0);
  return v;
}

std::vector<uint8_t> Bytes(void* P, size_t Size) {
  std::vector<uint8_t> v(static_cast<uint8_t*>(P), static_cast<uint8_t*>(P) + Size);
  std::free(P);
  return v;
}

}  // namespace

TEST(ShellPidl, SizesCountItemsAndTerminator) {
  EXPECT_EQ(GetPIDLSize(nullptr), 0u);
  const std::vector<uint8_t> empty = List({}, 0);
  EXPECT_EQ(GetPIDLSize(empty.data()), 2u);
  // Odd item sizes leave the next size field unaligned.
  const std::vector<uint8_t> two = List({3, 300}, 1);
  EXPECT_EQ(GetPIDLSize(two.data()), 5u + 302u + 2u);
  EXPECT_EQ(NextPIDL(two.data()), two.data() + 5);
  EXPECT_EQ(NextPIDL(NextPIDL(two.data())), two.data() + 307);
}

TEST(ShellPidl, CopiesAndJoins) {
  const std::vector<uint8_t> a = List({3, 4}, 10), b = List({2}, 50);
  EXPECT_EQ(Bytes(CopyPIDL(a.data(), ZeroAlloc), a.size()), a);
  EXPECT_EQ(CopyPIDL(nullptr, ZeroAlloc), nullptr);
  EXPECT_EQ(CopyPIDL(a.data(), NoAlloc), nullptr);

  // Joined: a's items, b's items, one terminator.
  void* joined = ConcatPIDLs(a.data(), b.data(), ZeroAlloc);
  ASSERT_NE(joined, nullptr);
  EXPECT_EQ(GetPIDLSize(joined), a.size() + b.size() - 2);
  std::vector<uint8_t> expected(a.begin(), a.end() - 2);
  expected.insert(expected.end(), b.begin(), b.end());
  EXPECT_EQ(Bytes(joined, expected.size()), expected);

  // A missing first list joins as an empty one: the same as a copy.
  EXPECT_EQ(Bytes(ConcatPIDLs(nullptr, b.data(), ZeroAlloc), b.size()), b);
  // A missing second list still leaves a terminated list.
  void* alone = ConcatPIDLs(a.data(), nullptr, ZeroAlloc);
  EXPECT_EQ(GetPIDLSize(alone), a.size());
  EXPECT_EQ(Bytes(alone, a.size()), a);
  EXPECT_EQ(ConcatPIDLs(a.data(), b.data(), NoAlloc), nullptr);
}
