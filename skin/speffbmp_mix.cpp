#include "skin/speffbmp_mix.h"

#include <cmath>
#include <cstring>

#include "skin/speffbmp_simd.h"

namespace {

// (1 - K) x a + K x b with K in 1/32768 steps, rounded half to even, in 16-bit
// steps: a + (b - a) x K, the product split into its high and low halves.
// K is below 32768, so that both factors fit 16 bits.
inline uint8_t MixFixed(uint8_t a, uint8_t b, int16_t K) {
  const int16_t d = static_cast<int16_t>(static_cast<int16_t>(b) - static_cast<int16_t>(a));
  const int16_t hi = static_cast<int16_t>((static_cast<int32_t>(d) * K) >> 16);
  const uint16_t lo = static_cast<uint16_t>(d * K);
  uint16_t q = static_cast<uint16_t>(a + hi * 2 + (lo >> 15));  // a + floor(d x K / 32768)
  const uint16_t r = lo & 0x7FFF;
  // Up when the remainder passes one half, or is one half and q is odd.
  return static_cast<uint8_t>(q + (static_cast<uint16_t>(r + 0x3FFF + (q & 1)) >> 15));
}

#if SP_SSE2
// MixFixed on eight 16-bit lanes.
inline __m128i MixFixed8(__m128i a, __m128i b, __m128i K) {
  const __m128i d = _mm_sub_epi16(b, a);
  const __m128i hi = _mm_mulhi_epi16(d, K);
  const __m128i lo = _mm_mullo_epi16(d, K);
  const __m128i q = _mm_add_epi16(_mm_add_epi16(a, _mm_add_epi16(hi, hi)), _mm_srli_epi16(lo, 15));
  const __m128i r = _mm_and_si128(lo, _mm_set1_epi16(0x7FFF));
  const __m128i odd = _mm_and_si128(q, _mm_set1_epi16(1));
  const __m128i up = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(r, _mm_set1_epi16(0x3FFF)), odd), 15);
  return _mm_add_epi16(q, up);
}
#endif

void MixFixedRow(uint8_t* __restrict old, const uint8_t* __restrict nw, int n, int16_t K) {
  int i = 0;
#if SP_SSE2
  const __m128i zero = _mm_setzero_si128(), weight = _mm_set1_epi16(K);
  for (; i + 16 <= n; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(old + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(nw + i));
    const __m128i low = MixFixed8(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), weight);
    const __m128i high = MixFixed8(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), weight);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(old + i), _mm_packus_epi16(low, high));
  }
#endif
  for (; i < n; ++i) old[i] = MixFixed(old[i], nw[i], K);
}

// Whether weight K rounds a + k x d like the formula for every a and every
// d = -255 .. 255. Away from ties the formula's few rounding errors of doubles
// (below 1e-12) cannot move its result, which is then a + round(k x d); K must
// round d x K / 32768 to the same integer, without a tie of its own (that would
// follow a's parity). Both sides are odd in d, so d = 1 .. 255 settles it.
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
  FK = static_cast<int>(std::nearbyint(k * 32768.0));
  // An exact weight gives the formula's exact sums, ties included.
  if (FK == k * 32768.0 || (FK < 32768 && FixedAgrees(k, FK))) return;
  FTable.resize(256 * 256);
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b) FTable[a * 256 + b] = MixByFormula(a, b, k);
}

void TspRowMixer::Mix(uint8_t* Old, const uint8_t* New, int Count) const {
  if (!FTable.empty()) {
    const uint8_t* table = FTable.data();
    for (int i = 0; i < Count; ++i) Old[i] = table[Old[i] * 256 + New[i]];
  } else if (FK == 32768) {
    std::memcpy(Old, New, Count);
  } else if (FK > 0) {
    MixFixedRow(Old, New, Count, static_cast<int16_t>(FK));
  }
}
