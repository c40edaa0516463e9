// What the fuzz targets share: a check that stops the run on a broken
// invariant, and the ways the targets turn raw bytes into text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "classlib/Types.h"

// An invariant that fails is a finding like a crash: libFuzzer keeps the
// input, and the corpus replay of the regular build fails.
#define FUZZ_CHECK(cond)                                                            \
  do {                                                                              \
    if (!(cond)) {                                                                  \
      std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

// The bytes as they are, for readers of 8-bit text.
inline std::string FuzzBytes(const uint8_t* Data, size_t Size) {
  return std::string(reinterpret_cast<const char*>(Data), Size);
}

// Pairs of bytes as UTF-16 code units (little-endian), so that every 16-bit
// character, the control characters and lone surrogates included, can reach
// a reader of text typed or set by a program.
inline String FuzzUtf16(const uint8_t* Data, size_t Size) {
  String s;
  s.reserve(Size / 2);
  for (size_t i = 0; i + 1 < Size; i += 2) s += static_cast<wchar_t>(Data[i] | (Data[i + 1] << 8));
  return s;
}

// Splits the input at its first byte Sep: the part before and the part after.
struct TFuzzParts {
  const uint8_t* First;
  size_t FirstSize;
  const uint8_t* Rest;
  size_t RestSize;
};
inline TFuzzParts FuzzSplit(const uint8_t* Data, size_t Size, uint8_t Sep) {
  size_t i = 0;
  while (i < Size && Data[i] != Sep) ++i;
  const size_t after = i < Size ? i + 1 : Size;
  return {Data, i, Data + after, Size - after};
}
