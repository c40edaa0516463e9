// The blend of two rows of bytes with one factor k: old byte a and new byte b
// become (1 - k) x a + k x b computed in doubles, rounded half to even.
// Portable; SSE2 runs the common factors sixteen bytes at a time.
#pragma once

#include <cstdint>
#include <vector>

// k limited to 0 .. 1.
double ClampFactor(double k);
// The formula's byte for one pair; every faster path gives exactly these bytes.
uint8_t MixByFormula(int a, int b, double k);

// Chooses, once per factor, the fastest way to the formula's bytes: a copy
// or nothing at the ends, a fixed-point kernel where it provably agrees with
// the formula for every pair, otherwise a table of all 65,536 pairs.
class TspRowMixer {
 public:
  explicit TspRowMixer(double k);
  // Old[i] := the blend of Old[i] and New[i] for i < Count.
  void Mix(uint8_t* Old, const uint8_t* New, int Count) const;
  bool UsesTable() const { return !FTable.empty(); }

 private:
  using RowKernel = void (*)(uint8_t* Old, const uint8_t* New, int Count, int16_t K);
  RowKernel FKernel = nullptr;  // a fixed-point kernel and its weight of New
  int16_t FK = 0;               // in 1/32768 steps
  bool FCopy = false;           // k = 1
  std::vector<uint8_t> FTable;  // the formula's byte at [a x 256 + b]
};
