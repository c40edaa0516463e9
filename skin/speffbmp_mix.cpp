#include "skin/speffbmp_mix.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

// How far the low half of 2d x K lies from 0x8000, where d x K / 32768 is
// a whole number and a half.
int HalfDistance(int d, int K) { return std::abs(((2 * d * K) & 0xFFFF) - 0x8000); }

// The patched rows' cell of old byte a and new byte b: the difference modulo
// 256 picks the row and a the column. Modulo 256 loses nothing, since a and
// the difference then give b; it keeps the cells of one difference together,
// so that the few rows of the marked differences stay in the first-level cache.
inline int PatchCell(int a, int b) { return ((b - a) & 0xFF) << 8 | a; }

void MixTableRow(uint8_t* __restrict old, const uint8_t* __restrict nw, int n, const uint8_t* __restrict table) {
  for (int i = 0; i < n; ++i) old[i] = table[old[i] * 256 + nw[i]];
}

#if SP_SSE2
// For each byte value m, the numbers of its set bits in rising order as 16-bit
// lanes (the rest zero), once as they are and once plus eight, and their
// count: turn a mask of marked lanes into a list of them without a branch.
struct TLaneLists {
  alignas(16) uint16_t Low[256][8];
  alignas(16) uint16_t High[256][8];
  uint8_t Count[256];
};

const TLaneLists& LaneLists() {
  static const TLaneLists lists = [] {
    TLaneLists l{};
    for (int m = 0; m < 256; ++m)
      for (int bit = 0; bit < 8; ++bit)
        if (m >> bit & 1) {
          l.Low[m][l.Count[m]] = static_cast<uint16_t>(bit);
          l.High[m][l.Count[m]++] = static_cast<uint16_t>(bit + 8);
        }
    return l;
  }();
  return lists;
}
#endif

// The bytes of the table where the weight may round wrongly, the nearest
// kernel's elsewhere: pairs whose HalfDistance is at most `reach` take the
// table's byte. With SSE2 the kernel mixes a chunk of the row in place while
// every byte's cell and the sixteen-byte blocks with marked bytes are listed;
// then the positions of the marked bytes, and they take the table's. However
// many bytes are marked, no branch depends on them; blocks without any cost
// no listing of positions.
void MixPatchedRow(uint8_t* __restrict old, const uint8_t* __restrict nw, int n, int16_t K, int reach,
                   const uint8_t* table) {
  int i = 0;
#if SP_SSE2
  constexpr int kChunk = 1024;
  alignas(16) uint16_t cells[kChunk];       // the table's cell of each byte
  alignas(16) uint16_t marked[kChunk + 8];  // a list's eight slots may reach past its end
  const TLaneLists& lists = LaneLists();
  const __m128i zero = _mm_setzero_si128(), weight = _mm_set1_epi16(K);
  const __m128i shift = _mm_set1_epi16(static_cast<int16_t>(reach - 0x8000));
  const __m128i span = _mm_set1_epi16(static_cast<int16_t>(2 * reach));
  // Lanes with |low half - 0x8000| <= reach become all ones.
  auto marks = [&](__m128i a, __m128i b) {
    const __m128i lo = _mm_mullo_epi16(_mm_slli_epi16(_mm_sub_epi16(b, a), 1), weight);
    return _mm_cmpeq_epi16(_mm_subs_epu16(_mm_add_epi16(lo, shift), span), zero);
  };
  // Appends the chunk positions base + lane of the set bits of `bits`.
  auto list = [&](const uint16_t* lanes, unsigned bits, __m128i base, uint16_t*& end) {
    const __m128i at = _mm_add_epi16(_mm_load_si128(reinterpret_cast<const __m128i*>(lanes)), base);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(end), at);
    end += lists.Count[bits];
  };
  uint32_t blocks[kChunk / 16];  // start x 65536 + marks of the blocks with any
  while (n - i >= 16) {
    const int len = std::min(kChunk, (n - i) & ~15);
    uint8_t* const o = old + i;
    const uint8_t* const w = nw + i;
    int count = 0;
    for (int j = 0; j < len; j += 16) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(o + j));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + j));
      const __m128i al = _mm_unpacklo_epi8(a, zero), bl = _mm_unpacklo_epi8(b, zero);
      const __m128i ah = _mm_unpackhi_epi8(a, zero), bh = _mm_unpackhi_epi8(b, zero);
      const __m128i mix = _mm_packus_epi16(NearestKernel::Eight(al, bl, weight), NearestKernel::Eight(ah, bh, weight));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(o + j), mix);
      const __m128i d = _mm_sub_epi8(b, a);
      _mm_store_si128(reinterpret_cast<__m128i*>(cells + j), _mm_unpacklo_epi8(a, d));
      _mm_store_si128(reinterpret_cast<__m128i*>(cells + j + 8), _mm_unpackhi_epi8(a, d));
      const unsigned bits = _mm_movemask_epi8(_mm_packs_epi16(marks(al, bl), marks(ah, bh)));
      blocks[count] = static_cast<uint32_t>(j) << 16 | bits;
      count += bits != 0;
    }
    uint16_t* end = marked;
    for (int e = 0; e < count; ++e) {
      const unsigned bits = blocks[e] & 0xFFFF;
      const __m128i base = _mm_set1_epi16(static_cast<int16_t>(blocks[e] >> 16));
      list(lists.Low[bits & 0xFF], bits & 0xFF, base, end);
      list(lists.High[bits >> 8], bits >> 8, base, end);
    }
    for (const uint16_t* p = marked; p != end; ++p) o[*p] = table[cells[*p]];
    i += len;
  }
#endif
  for (; i < n; ++i) {
    const bool marked = HalfDistance(nw[i] - old[i], K) <= reach;
    old[i] = marked ? table[PatchCell(old[i], nw[i])] : NearestKernel::One(old[i], nw[i], K);
  }
}

// Whether weight K rounds a + k x d like the formula for every a. Away from
// ties the formula's few rounding errors of doubles (below 1e-12) cannot move
// its result, which is then a + round(k x d); K must round d x K / 32768 to
// the same integer, without a tie of its own. Both sides are odd in d.
bool FixedAgrees(double k, int K, int d) {
  const double t = k * d, whole = std::floor(t), f = t - whole;
  if (std::fabs(f - 0.5) < 1e-9) return false;
  const int v = d * K, r = v & 0x7FFF;
  return r != 0x4000 && (v >> 15) + (r > 0x4000) == static_cast<int>(whole) + (f > 0.5);
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
  FK = static_cast<int16_t>(K < 32768 ? K : 0);
  if (k == 0) return;
  if (k == 1) {
    FPath = mpCopy;
    return;
  }
  if (K < 32768 && K == k * 32768.0) {
    FPath = mpHalfEven;
    return;
  }
  // The largest HalfDistance among the d (1 .. 255, and so their negatives)
  // that K rounds wrongly.
  FReach = K < 32768 ? -1 : 0x8000;
  for (int d = 1; d <= 255 && FReach < 0x8000; ++d)
    if (!FixedAgrees(k, K, d)) FReach = std::max(FReach, HalfDistance(d, K));
  if (FReach < 0) {
    FPath = mpNearest;
    return;
  }
  // Without SSE2 a table look-up for every byte is the fastest way; with it
  // the kernel and look-ups of the marked bytes only, even when half of the
  // differences are marked.
  FPath = SP_SSE2 && FReach < 0x4000 ? mpPatched : mpTable;
  FTable.resize(256 * 256);
  if (FPath == mpPatched) {
    // Only the pairs of the marked differences are looked up.
    for (int d = 1; d <= 255; ++d)
      if (HalfDistance(d, K) <= FReach)
        for (int a = 0; a + d < 256; ++a) {
          FTable[PatchCell(a, a + d)] = MixByFormula(a, a + d, k);
          FTable[PatchCell(a + d, a)] = MixByFormula(a + d, a, k);
        }
    return;
  }
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b) FTable[a * 256 + b] = MixByFormula(a, b, k);
}

void TspRowMixer::Mix(uint8_t* Old, const uint8_t* New, int Count) const {
  switch (FPath) {
    case mpNothing: break;
    case mpCopy: std::memcpy(Old, New, Count); break;
    case mpHalfEven: MixRow<HalfEvenKernel>(Old, New, Count, FK); break;
    case mpNearest: MixRow<NearestKernel>(Old, New, Count, FK); break;
    case mpPatched: MixPatchedRow(Old, New, Count, FK, FReach, FTable.data()); break;
    case mpTable: MixTableRow(Old, New, Count, FTable.data()); break;
  }
}
