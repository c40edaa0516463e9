#include "skin/speffbmp_alpha.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "skin/speffbmp_simd.h"

namespace {

bool ClipToBitmap(TRect& r, const TspPixels32& img) {
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min(r.Right, img.Width);
  r.Bottom = std::min(r.Bottom, img.Height);
  return !r.IsEmpty();
}

void DrawRow(TspPixel* dst, const TspPixel* src, int n, TspDrawMode mode) {
  switch (mode) {
    case dmBlend: BlendRow(dst, src, n); break;
    case dmKey: KeyCopyRow(dst, src, n); break;
    default: std::memcpy(dst, src, sizeof(TspPixel) * n); break;
  }
}

// Source index of destination index i of a stretch from srcLen onto dstLen.
int NearestSource(int i, int srcFirst, int srcLen, int dstLen) {
  if (dstLen == 1) return (srcFirst + srcFirst + srcLen - 1) / 2;
  return srcFirst + static_cast<int>(static_cast<int64_t>(i) * (srcLen - 1) / (dstLen - 1));
}

// One pass of the stack blur along `count` pixels spaced `stride` apart:
// each pixel becomes the sum of its neighbours up to r away (the line's end
// pixels repeated past its ends), weighted r + 1 - distance, over (r + 1)^2.
// That weighting is a box of r + 1 pixels run twice, so two running sums
// give each pixel's sum exactly in time that does not grow with r.
void BlurLine(TspPixel* line, int count, int stride, int r, std::vector<uint32_t>& tmp) {
  // Per channel (blue, green, red): the line's pixels with r copies of each
  // end pixel past it, as running sums; then the running sums of its boxes.
  const size_t ext = size_t(count) + 2 * size_t(r), boxes = size_t(count) + size_t(r);
  tmp.assign(3 * (ext + 1) + 3 * (boxes + 1), 0);
  uint32_t* sums = tmp.data();
  uint32_t* boxSums = sums + 3 * (ext + 1);
  for (size_t m = 0; m < ext; ++m) {
    const int t = std::clamp(int(m) - r, 0, count - 1);
    const TspPixel p = line[static_cast<ptrdiff_t>(t) * stride];
    sums[3 * (m + 1)] = sums[3 * m] + PixelBlue(p);
    sums[3 * (m + 1) + 1] = sums[3 * m + 1] + PixelGreen(p);
    sums[3 * (m + 1) + 2] = sums[3 * m + 2] + PixelRed(p);
  }
  // Box b covers the extended pixels b .. b + r.
  for (size_t b = 0; b < boxes; ++b)
    for (int c = 0; c < 3; ++c)
      boxSums[3 * (b + 1) + c] = boxSums[3 * b + c] + (sums[3 * (b + r + 1) + c] - sums[3 * b + c]);
  const uint32_t divisor = static_cast<uint32_t>((r + 1) * (r + 1));
  for (int i = 0; i < count; ++i) {
    // Pixel i takes the boxes i .. i + r.
    uint32_t sum[3];
    for (int c = 0; c < 3; ++c) sum[c] = boxSums[3 * (size_t(i) + r + 1) + c] - boxSums[3 * size_t(i) + c];
    line[static_cast<ptrdiff_t>(i) * stride] =
        MakePixel(static_cast<uint8_t>(sum[2] / divisor), static_cast<uint8_t>(sum[1] / divisor),
                  static_cast<uint8_t>(sum[0] / divisor), 255);
  }
}

}  // namespace

TspPixelBuffer32::TspPixelBuffer32(int Width, int Height, TspPixel Fill) {
  if (Width <= 0 || Height <= 0) return;
  FData.assign(static_cast<size_t>(Width) * Height, Fill);
  FView.Bits = FData.data();
  FView.Width = Width;
  FView.Height = Height;
}

TspPixelBuffer32& TspPixelBuffer32::operator=(const TspPixelBuffer32& Other) {
  FData = Other.FData;
  FView = Other.FView;
  FView.Bits = FData.empty() ? nullptr : FData.data();
  return *this;
}

#if SP_SSE2
// BlendPixel on four pixels: red and blue in one pair of 16-bit lanes, green
// and alpha in the other, each product below 65536.
static inline __m128i BlendPixels4(__m128i s, __m128i d) {
  const __m128i low = _mm_set1_epi32(0x00FF00FF), high = _mm_set1_epi32(static_cast<int>(0xFF00FF00u));
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i a32 = _mm_srli_epi32(s, 24);
  const __m128i a = _mm_or_si128(a32, _mm_slli_epi32(a32, 16));
  const __m128i na = _mm_sub_epi16(low, a);
  const __m128i rb =
      _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(s, low), a), _mm_mullo_epi16(_mm_and_si128(d, low), na));
  const __m128i ga = _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi16(s, 8), a), _mm_mullo_epi16(_mm_srli_epi16(d, 8), na));
  const __m128i mixed = _mm_or_si128(_mm_or_si128(_mm_srli_epi16(rb, 8), _mm_and_si128(ga, high)), opaque);
  const __m128i keepSrc = _mm_cmpeq_epi32(a32, _mm_set1_epi32(255));
  const __m128i keepDst = _mm_cmpeq_epi32(a32, _mm_setzero_si128());
  const __m128i out = _mm_or_si128(_mm_andnot_si128(keepSrc, mixed), _mm_and_si128(keepSrc, s));
  return _mm_or_si128(_mm_andnot_si128(keepDst, out), _mm_and_si128(keepDst, d));
}
#endif

void BlendRow(TspPixel* __restrict Dst, const TspPixel* __restrict Src, int Count) {
  int i = 0;
#if SP_SSE2
  for (; i + 4 <= Count; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + i));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + i), BlendPixels4(s, d));
  }
#endif
  for (; i < Count; ++i) Dst[i] = BlendPixel(Src[i], Dst[i]);
}

void KeyCopyRow(TspPixel* Dst, const TspPixel* Src, int Count) {
  for (int i = 0; i < Count; ++i)
    if (Src[i] != spKeyColor) Dst[i] = Src[i] | 0xFF000000u;
}

void DrawPixels(const TspPixels32& Dst, TRect DstRect, const TspPixels32& Src, TRect SrcRect, TspDrawMode Mode) {
  if (Dst.Empty() || Src.Empty()) return;
  if (DstRect.Width() == SrcRect.Width() && DstRect.Height() == SrcRect.Height()) {
    // Clip both together so that the pixels keep their pairing.
    const int dx = DstRect.Left - SrcRect.Left, dy = DstRect.Top - SrcRect.Top;
    TRect s = SrcRect;
    if (!ClipToBitmap(s, Src)) return;
    TRect d(s.Left + dx, s.Top + dy, s.Right + dx, s.Bottom + dy);
    if (!ClipToBitmap(d, Dst)) return;
    for (int y = d.Top; y < d.Bottom; ++y)
      DrawRow(Dst.Row(y) + d.Left, Src.Row(y - dy) + d.Left - dx, d.Width(), Mode);
    return;
  }
  if (!ClipToBitmap(SrcRect, Src) || !ClipToBitmap(DstRect, Dst)) return;
  const int dw = DstRect.Width(), dh = DstRect.Height();
  std::vector<int> cols(dw);
  for (int i = 0; i < dw; ++i) cols[i] = NearestSource(i, SrcRect.Left, SrcRect.Width(), dw);
  std::vector<TspPixel> row(dw);
  int prevSrcRow = -1;
  for (int j = 0; j < dh; ++j) {
    const int sy = NearestSource(j, SrcRect.Top, SrcRect.Height(), dh);
    TspPixel* out = Dst.Row(DstRect.Top + j) + DstRect.Left;
    // A plain copy of the same source row repeats the previous destination row;
    // blending and keying must see each destination row's own pixels.
    if (Mode == dmCopy && sy == prevSrcRow) {
      std::memcpy(out, out - Dst.Width, sizeof(TspPixel) * dw);
      continue;
    }
    const TspPixel* in = Src.Row(sy);
    for (int i = 0; i < dw; ++i) row[i] = in[cols[i]];
    DrawRow(out, row.data(), dw, Mode);
    prevSrcRow = sy;
  }
}

void SetAlphaPixels(const TspPixels32& Img, uint8_t Alpha) {
  if (Img.Empty()) return;
  const TspPixel a = TspPixel(Alpha) << 24;
  for (TspPixel *p = Img.Bits, *e = p + static_cast<ptrdiff_t>(Img.Width) * Img.Height; p != e; ++p)
    *p = (*p & 0x00FFFFFFu) | a;
}

bool HasPartialAlpha(const TspPixels32& Img) {
  if (Img.Empty()) return false;
  for (const TspPixel *p = Img.Bits, *e = p + static_cast<ptrdiff_t>(Img.Width) * Img.Height; p != e; ++p) {
    const uint8_t a = PixelAlpha(*p);
    if (a >= 1 && a <= 254) return true;
  }
  return false;
}

bool SetKeyColorPixels(const TspPixels32& Img, TspPixel Value) {
  if (Img.Empty()) return false;
  bool any = false;
  auto near = [](int a, int b) { return std::abs(a - b) < 6; };
  for (TspPixel *p = Img.Bits, *e = p + static_cast<ptrdiff_t>(Img.Width) * Img.Height; p != e; ++p) {
    if (near(PixelBlue(*p), PixelBlue(Value)) && near(PixelGreen(*p), PixelGreen(Value)) &&
        near(PixelRed(*p), PixelRed(Value))) {
      *p = spKeyColor;
      any = true;
    }
  }
  return any;
}

void AlphaFromGrayPixels(const TspPixels32& Target, const TspPixels32& Source) {
  if (Target.Empty() || Source.Empty()) return;
  const int w = std::min(Target.Width, Source.Width), h = std::min(Target.Height, Source.Height);
  for (int y = 0; y < h; ++y) {
    TspPixel* t = Target.Row(y);
    const TspPixel* s = Source.Row(y);
    for (int x = 0; x < w; ++x) {
      const uint32_t gray = (PixelRed(s[x]) + PixelGreen(s[x]) + PixelBlue(s[x])) / 3;
      t[x] = (t[x] & 0x00FFFFFFu) | gray << 24;
    }
  }
}

void ColorizeFromRed(const TspPixels32& Img, uint32_t Color) {
  if (Img.Empty()) return;
  const TspPixel c = ColorToPixel(Color, 0);
  for (TspPixel *p = Img.Bits, *e = p + static_cast<ptrdiff_t>(Img.Width) * Img.Height; p != e; ++p)
    *p = c | TspPixel(PixelRed(*p)) << 24;
}

void BlurPixels(const TspPixels32& Img, int Radius) {
  if (Img.Empty() || Radius < 1) return;
  std::vector<uint32_t> tmp;
  for (int y = 0; y < Img.Height; ++y) BlurLine(Img.Row(y), Img.Width, 1, Radius, tmp);
  for (int x = 0; x < Img.Width; ++x) BlurLine(Img.Bits + x, Img.Height, Img.Width, Radius, tmp);
}

void MakeSilhouette(const TspPixels32& Img) {
  if (Img.Empty()) return;
  const TspPixel background = Img.Bits[0];
  const TspPixel red = MakePixel(255, 0, 0, 255);
  for (TspPixel *p = Img.Bits + 1, *e = Img.Bits + static_cast<ptrdiff_t>(Img.Width) * Img.Height; p != e; ++p)
    if (*p != background) *p = red;
  SetKeyColorPixels(Img, background);
}

void ReflectionAlpha(const TspPixels32& Img, int Top, int Bottom, uint32_t Color) {
  if (Img.Empty() || Bottom <= Top) return;
  const TspPixel c = ColorToPixel(Color, 0);
  for (int y = 0; y < Img.Height; ++y) {
    TspPixel* row = Img.Row(y);
    if (y < Top || y > Bottom) {
      std::fill(row, row + Img.Width, 0);
      continue;
    }
    const double t = std::max(0.0, 0.7 - static_cast<double>(Bottom - (y - Top)) / (Bottom - Top));
    for (int x = 0; x < Img.Width; ++x) {
      const auto a = static_cast<uint32_t>(std::nearbyint(PixelRed(row[x]) * t));
      row[x] = c | a << 24;
    }
  }
}

void FlipRows(const TspPixels32& Img) {
  if (Img.Empty()) return;
  for (int y = 0, z = Img.Height - 1; y < z; ++y, --z) std::swap_ranges(Img.Row(y), Img.Row(y) + Img.Width, Img.Row(z));
}
