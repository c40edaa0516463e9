// Exhaustive checks of the row kernels behind morphs and alpha blends: every
// pair of bytes (every pair of channels at every alpha), at row lengths and
// offsets that reach the vector loops and their scalar tails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "skin/speffbmp_alpha.h"
#include "skin/speffbmp_mix.h"
#include "skin/speffbmp_simd.h"

namespace {

// The morph's byte, each step rounded to a double whatever the compiler keeps.
int FormulaByte(int a, int b, double k) {
  volatile double f = k > 0 ? (k < 1 ? k : 1.0) : 0.0;
  volatile double keep = 1 - f;
  volatile double fromOld = keep * a;
  volatile double fromNew = f * b;
  volatile double sum = fromOld + fromNew;
  return static_cast<int>(std::nearbyint(sum));
}

std::vector<double> Factors() {
  std::vector<double> ks = {0.0, 1.0, -0.5, 1.5, 0.1, 0.3, 0.7, 0.9, 1.0 / 3, 2.0 / 3, 3.0 / 7,
                            1.0 / 32768, 32767.0 / 32768, 1.0 / 65536, 1 - 1.0 / 65536, 0.5 + 1.0 / 65536};
  for (int i = 1; i < 64; ++i) ks.push_back(i / 64.0);  // exact weights: ties at many pairs
  double step = 0;
  for (int i = 0; i < 5; ++i) ks.push_back(step += 0.2);  // the morph timer's sums
  uint32_t seed = 12345;
  for (int i = 0; i < 60; ++i) {
    seed = seed * 1664525u + 1013904223u;
    ks.push_back(seed / 4294967296.0);
  }
  return ks;
}

TEST(PixelKernels, MorphGivesTheFormulasBytesForEveryPairAtManyFactors) {
  std::vector<uint8_t> olds(65536), news(65536);
  std::set<TspMixPath> paths;
  for (double k : Factors()) {
    const TspRowMixer mixer(k);
    paths.insert(mixer.Path());
    // All pairs in one row (vector loops), then in rows of 15 bytes (one-byte loops).
    for (int row : {65536, 15}) {
      for (int i = 0; i < 65536; ++i) {
        olds[i] = static_cast<uint8_t>(i >> 8);
        news[i] = static_cast<uint8_t>(i);
      }
      for (int i = 0; i < 65536; i += row) mixer.Mix(olds.data() + i, news.data() + i, std::min(row, 65536 - i));
      int wrong = 0;
      for (int i = 0; i < 65536; ++i) wrong += olds[i] != FormulaByte(i >> 8, i & 255, k);
      EXPECT_EQ(wrong, 0) << "k = " << k << ", rows of " << row;
    }
  }
  // Every way to the bytes was checked.
  for (TspMixPath path : {mpNothing, mpCopy, mpHalfEven, mpNearest, mpTable}) EXPECT_EQ(paths.count(path), 1u) << path;
  EXPECT_EQ(paths.count(mpPatched), SP_SSE2 ? 1u : 0u);
}

TEST(PixelKernels, MorphRowsOfEveryShortLengthAndOffset) {
  for (double k : {0.25, 0.2, 0.3, 1 - 1.0 / 65536}) {
    const TspRowMixer mixer(k);
    for (int offset = 0; offset < 4; ++offset)
      for (int n = 0; n <= 40; ++n) {
        std::vector<uint8_t> olds(48, 77), news(48);
        for (int i = 0; i < 48; ++i) {
          olds[i] = static_cast<uint8_t>(37 * i + 11);
          news[i] = static_cast<uint8_t>(255 - 29 * i);
        }
        const std::vector<uint8_t> before = olds;
        mixer.Mix(olds.data() + offset, news.data() + offset, n);
        for (int i = 0; i < 48; ++i) {
          const bool inside = i >= offset && i < offset + n;
          const int expected = inside ? FormulaByte(before[i], news[i], k) : before[i];
          ASSERT_EQ(olds[i], expected) << "k " << k << " offset " << offset << " n " << n << " i " << i;
        }
      }
  }
}

// The blend of one channel: s at alpha a over d.
int BlendByte(int s, int d, int a) { return (s * a + d * (255 - a)) / 256; }

TEST(PixelKernels, BlendRowGivesEveryChannelPairAtEveryAlpha) {
  std::vector<TspPixel> src(256), dst(256);
  int wrong = 0;
  for (int a = 0; a < 256; ++a)
    for (int s = 0; s < 256; ++s) {
      // Blue, green and red take different values so that lanes cannot mix.
      for (int d = 0; d < 256; ++d) {
        src[d] = MakePixel(static_cast<uint8_t>(s + 85), static_cast<uint8_t>(255 - s), static_cast<uint8_t>(s),
                           static_cast<uint8_t>(a));
        dst[d] = MakePixel(static_cast<uint8_t>(d + 170), static_cast<uint8_t>(d), static_cast<uint8_t>(255 - d),
                           static_cast<uint8_t>(d * 3));
      }
      const std::vector<TspPixel> before = dst;
      BlendRow(dst.data(), src.data(), 256);
      for (int d = 0; d < 256; ++d) {
        const TspPixel sp = src[d], dp = before[d];
        TspPixel expected = a == 0 ? dp : sp;
        if (a != 0 && a != 255)
          expected = MakePixel(static_cast<uint8_t>(BlendByte(PixelRed(sp), PixelRed(dp), a)),
                               static_cast<uint8_t>(BlendByte(PixelGreen(sp), PixelGreen(dp), a)),
                               static_cast<uint8_t>(BlendByte(PixelBlue(sp), PixelBlue(dp), a)), 255);
        wrong += dst[d] != expected;
      }
    }
  EXPECT_EQ(wrong, 0);
}

TEST(PixelKernels, BlendRowsOfEveryShortLength) {
  for (int n = 0; n <= 13; ++n) {
    std::vector<TspPixel> src(16), dst(16);
    for (int i = 0; i < 16; ++i) {
      src[i] = MakePixel(static_cast<uint8_t>(40 * i), 7, static_cast<uint8_t>(200 - i), static_cast<uint8_t>(60 * i));
      dst[i] = MakePixel(3, static_cast<uint8_t>(90 + i), 250, static_cast<uint8_t>(i));
    }
    const std::vector<TspPixel> before = dst;
    BlendRow(dst.data() + 1, src.data() + 1, n);
    for (int i = 0; i < 16; ++i) {
      const bool inside = i >= 1 && i < 1 + n;
      EXPECT_EQ(dst[i], inside ? BlendPixel(src[i], before[i]) : before[i]) << "n " << n << " i " << i;
    }
  }
}

}  // namespace
