// The blend of two rows of bytes with one factor k: old byte a and new byte b
// become (1 - k) x a + k x b computed in doubles, rounded half to even.
// Portable; with SSE2 the fixed-point kernels run sixteen bytes at a time.
#pragma once

#include <cstdint>
#include <vector>

// k limited to 0 .. 1.
double ClampFactor(double k);
// The formula's byte for one pair; every faster path gives exactly these bytes.
uint8_t MixByFormula(int a, int b, double k);

// How a mixer reaches the formula's bytes.
enum TspMixPath {
  mpNothing,   // k = 0
  mpCopy,      // k = 1
  mpHalfEven,  // an exact weight in 1/32768 steps, ties rounded to even
  mpNearest,   // a weight near k that provably rounds every pair like k
  mpPatched,   // that weight, and a table for the pairs it may round wrongly
  mpTable      // a table of every pair
};

// Chooses, once per factor, the fastest way to the formula's bytes.
class TspRowMixer {
 public:
  explicit TspRowMixer(double k);
  // Old[i] := the blend of Old[i] and New[i] for i < Count.
  void Mix(uint8_t* Old, const uint8_t* New, int Count) const;
  TspMixPath Path() const { return FPath; }

 private:
  TspMixPath FPath = mpNothing;
  int16_t FK = 0;               // weight of New in 1/32768 steps
  int FReach = 0;               // see mpPatched
  std::vector<uint8_t> FTable;  // the formula's bytes: [a x 256 + b], or PatchCell for mpPatched
};
