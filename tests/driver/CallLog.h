// The last calls of a driver run, kept in memory so that a failing seed can
// print what led to its failure.
#pragma once

#include <array>
#include <cstdio>
#include <string>

class TCallLog {
 public:
  static constexpr size_t kKept = 400;

  void Add(std::string Line) {
    FLines[FCount % kKept] = std::move(Line);
    ++FCount;
  }
  size_t Count() const { return FCount; }
  // Oldest first, numbered from the run's start.
  void Print(FILE* To) const {
    const size_t first = FCount > kKept ? FCount - kKept : 0;
    for (size_t i = first; i < FCount; ++i) std::fprintf(To, "  %5zu %s\n", i, FLines[i % kKept].c_str());
    std::fflush(To);
  }
  void Clear() { FCount = 0; }

 private:
  std::array<std::string, kKept> FLines;
  size_t FCount = 0;
};
