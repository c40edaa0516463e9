#include "skin/speffbmp_mix.h"

#include <cmath>
#include <cstring>

#include "skin/speffbmp_simd.h"

namespace {

// The fixed-point kernels round a + (b - a) x K / 32768, K below 32768 so
// that twice the difference and K fit 16 bits; One does one byte, Eight (with
// SSE2) eight bytes widened to 16-bit lanes.

// Rounds halves to even, for an exact weight: the formula's sums are then
// exact, ties included. At a tie the half rounded up is taken back when it
// made the result odd.
struct HalfEvenKernel {
  static uint8_t One(uint8_t a, uint8_t b, int16_t K) {
    const int e = (b - a) * K;
    const int n = a + ((e + 0x4000) >> 15);
    return static_cast<uint8_t>(n - ((e & 0x7FFF) == 0x4000 ? n & 1 : 0));
  }
#if SP_SSE2
  // As NearestKernel::Eight; a tie leaves 0x8000 in the low half of 2d x K.
  static __m128i Eight(__m128i a, __m128i b, __m128i K) {
    const __m128i d2 = _mm_slli_epi16(_mm_sub_epi16(b, a), 1);
    const __m128i lo = _mm_mullo_epi16(d2, K);
    const __m128i n = _mm_add_epi16(_mm_add_epi16(a, _mm_mulhi_epi16(d2, K)), _mm_srli_epi16(lo, 15));
    const __m128i tie = _mm_cmpeq_epi16(lo, _mm_set1_epi16(static_cast<int16_t>(0x8000)));
    return _mm_sub_epi16(n, _mm_and_si128(_mm_and_si128(tie, n), _mm_set1_epi16(1)));
  }
#endif
};

// Rounds halves up, for a weight that FixedAgrees keeps away from halves.
struct NearestKernel {
  static uint8_t One(uint8_t a, uint8_t b, int16_t K) {
    return static_cast<uint8_t>(a + (((b - a) * K + 0x4000) >> 15));
  }
#if SP_SSE2
  // With e = 2d x K: (e + 32768) div 65536 is the high half of e plus the top
  // bit of its low half.
  static __m128i Eight(__m128i a, __m128i b, __m128i K) {
    const __m128i d2 = _mm_slli_epi16(_mm_sub_epi16(b, a), 1);
    const __m128i carry = _mm_srli_epi16(_mm_mullo_epi16(d2, K), 15);
    return _mm_add_epi16(_mm_add_epi16(a, _mm_mulhi_epi16(d2, K)), carry);
  }
#endif
};

template <class Kernel>
void MixRow(uint8_t* __restrict old, const uint8_t* __restrict nw, int n, int16_t K) {
  int i = 0;
#if SP_SSE2
  const __m128i zero = _mm_setzero_si128(), weight = _mm_set1_epi16(K);
  for (; i + 16 <= n; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(old + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(nw + i));
    const __m128i low = Kernel::Eight(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), weight);
    const __m128i high = Kernel::Eight(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), weight);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(old + i), _mm_packus_epi16(low, high));
  }
#endif
  for (; i < n; ++i) old[i] = Kernel::One(old[i], nw[i], K);
}

// Whether weight K rounds a + k x d like the formula for every a and every
// d = -255 .. 255. Away from ties the formula's few rounding errors of doubles
// (below 1e-12) cannot move its result, which is then a + round(k x d); K must
// round d x K / 32768 to the same integer, without a tie of its own. Both
// sides are odd in d, so d = 1 .. 255 settles it.
bool FixedAgrees(double k, int K) {
  for (int d = 1; d <= 255; ++d) {
    const double t = k * d, whole = std::floor(t), f = t - whole;
    if (std::fabs(f - 0.5) < 1e-9) return false;
    const int v = d * K, r = v & 0x7FFF;
    if (r == 0x4000 || (v >> 15) + (r > 0x4000) != static_cast<int>(whole) + (f > 0.5)) return false;
  }
  return true;
}

}  // namespace

double ClampFactor(double k) { return k > 0 ? (k < 1 ? k : 1.0) : 0.0; }

uint8_t MixByFormula(int a, int b, double k) {
  const int v = static_cast<int>(std::nearbyint((1 - k) * a + k * b));
  return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

TspRowMixer::TspRowMixer(double k) {
  k = ClampFactor(k);
  const int K = static_cast<int>(std::nearbyint(k * 32768.0));
  FK = static_cast<int16_t>(K);
  if (k == 0) return;
  if (k == 1) {
    FCopy = true;
  } else if (K < 32768 && K == k * 32768.0) {
    FKernel = MixRow<HalfEvenKernel>;
  } else if (K < 32768 && FixedAgrees(k, K)) {
    FKernel = MixRow<NearestKernel>;
  } else {
    FTable.resize(256 * 256);
    for (int a = 0; a < 256; ++a)
      for (int b = 0; b < 256; ++b) FTable[a * 256 + b] = MixByFormula(a, b, k);
  }
}

void TspRowMixer::Mix(uint8_t* Old, const uint8_t* New, int Count) const {
  if (FKernel) {
    FKernel(Old, New, Count, FK);
  } else if (FCopy) {
    std::memcpy(Old, New, Count);
  } else if (!FTable.empty()) {
    const uint8_t* table = FTable.data();
    for (int i = 0; i < Count; ++i) Old[i] = table[Old[i] * 256 + New[i]];
  }
}
