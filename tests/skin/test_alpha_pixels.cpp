#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "skin/speffbmp_alpha.h"

namespace {

TspPixel Grey(uint8_t v, uint8_t a = 255) { return MakePixel(v, v, v, a); }

TEST(AlphaPixels, BlendEndsAndMiddle) {
  const TspPixel d = MakePixel(100, 50, 0, 7);
  EXPECT_EQ(BlendPixel(MakePixel(1, 2, 3, 0), d), d);
  EXPECT_EQ(BlendPixel(MakePixel(1, 2, 3, 255), d), MakePixel(1, 2, 3, 255));
  // (200 x 128 + 100 x 127) div 256 = 149; alpha becomes 255.
  EXPECT_EQ(BlendPixel(MakePixel(200, 200, 200, 128), MakePixel(100, 100, 100, 0)), Grey(149));
}

TEST(AlphaPixels, ColourValuesSwapRedAndBlue) {
  EXPECT_EQ(ColorToPixel(0x0000FF, 9), MakePixel(255, 0, 0, 9));
  EXPECT_EQ(ColorToPixel(0x123456, 0), 0x00563412u);
}

TEST(AlphaPixels, KeyColourMatchesWithinFive) {
  TspPixelBuffer32 b(4, 1);
  TspPixels32 v = b.View();
  v.Bits[0] = MakePixel(105, 95, 100, 255);  // differences 5, 5, 0
  v.Bits[1] = MakePixel(106, 100, 100, 255); // red differs by 6
  v.Bits[2] = MakePixel(100, 100, 94, 255);  // blue differs by 6
  v.Bits[3] = MakePixel(100, 100, 100, 3);   // alpha is not compared
  EXPECT_TRUE(SetKeyColorPixels(v, MakePixel(100, 100, 100, 255)));
  EXPECT_EQ(v.Bits[0], spKeyColor);
  EXPECT_NE(v.Bits[1], spKeyColor);
  EXPECT_NE(v.Bits[2], spKeyColor);
  EXPECT_EQ(v.Bits[3], spKeyColor);
  EXPECT_FALSE(SetKeyColorPixels(v, MakePixel(0, 200, 0, 0)));
}

TEST(AlphaPixels, AlphaFlagsAndGreyAlpha) {
  TspPixelBuffer32 b(2, 1, Grey(9, 255));
  TspPixels32 v = b.View();
  v.Bits[1] = Grey(9, 0);
  EXPECT_FALSE(HasPartialAlpha(v));
  v.Bits[1] = Grey(9, 254);
  EXPECT_TRUE(HasPartialAlpha(v));
  SetAlphaPixels(v, 17);
  EXPECT_EQ(v.Bits[0], Grey(9, 17));
  TspPixelBuffer32 mask(1, 1, MakePixel(10, 20, 31, 0));
  AlphaFromGrayPixels(v, mask.View());
  EXPECT_EQ(PixelAlpha(v.Bits[0]), 20);  // 61 / 3, truncated
  EXPECT_EQ(PixelAlpha(v.Bits[1]), 17);  // outside the smaller mask: unchanged
}

TEST(AlphaPixels, CopyAndKeyCopyAtOneSize) {
  TspPixelBuffer32 dst(3, 2, Grey(1));
  TspPixelBuffer32 src(2, 1, Grey(50, 10));
  src.View().Bits[1] = spKeyColor;
  DrawPixels(dst.View(), TRect(1, 1, 3, 2), src.View(), TRect(0, 0, 2, 1), dmKey);
  EXPECT_EQ(dst.View().Row(1)[1], Grey(50, 255));
  EXPECT_EQ(dst.View().Row(1)[2], Grey(1));
  // Partly outside the destination: the pairing of pixels is kept.
  DrawPixels(dst.View(), TRect(-1, 0, 1, 1), src.View(), TRect(0, 0, 2, 1), dmCopy);
  EXPECT_EQ(dst.View().Row(0)[0], spKeyColor);
}

TEST(AlphaPixels, NearestPixelStretch) {
  TspPixelBuffer32 src(2, 1);
  src.View().Bits[0] = Grey(10);
  src.View().Bits[1] = Grey(20);
  TspPixelBuffer32 dst(4, 2);
  DrawPixels(dst.View(), TRect(0, 0, 4, 2), src.View(), TRect(0, 0, 2, 1), dmCopy);
  // column i takes source column i x (2 - 1) / (4 - 1): 0, 0, 0, 1
  const TspPixel* r = dst.View().Row(1);
  EXPECT_EQ(r[0], Grey(10));
  EXPECT_EQ(r[2], Grey(10));
  EXPECT_EQ(r[3], Grey(20));
  // A one-pixel-wide destination takes the middle column.
  TspPixelBuffer32 three(3, 1);
  for (int i = 0; i < 3; ++i) three.View().Bits[i] = Grey(static_cast<uint8_t>(i));
  TspPixelBuffer32 one(1, 1);
  DrawPixels(one.View(), TRect(0, 0, 1, 1), three.View(), TRect(0, 0, 3, 1), dmCopy);
  EXPECT_EQ(one.View().Bits[0], Grey(1));
}

TEST(AlphaPixels, StretchedBlendBlendsEachRowOverItsOwnBackground) {
  TspPixelBuffer32 src(1, 1, Grey(200, 128));
  TspPixelBuffer32 dst(1, 2);
  dst.View().Bits[0] = Grey(0);
  dst.View().Bits[1] = Grey(100);
  DrawPixels(dst.View(), TRect(0, 0, 1, 2), src.View(), TRect(0, 0, 1, 1), dmBlend);
  EXPECT_EQ(dst.View().Bits[0], Grey(100));  // 25600 div 256
  EXPECT_EQ(dst.View().Bits[1], Grey(149));
}

TEST(AlphaPixels, StackBlurUsesTriangularWeights) {
  TspPixelBuffer32 b(3, 1, 0);
  b.View().Bits[1] = MakePixel(160, 0, 0, 0);
  BlurPixels(b.View(), 1);
  EXPECT_EQ(b.View().Bits[0], MakePixel(40, 0, 0, 255));
  EXPECT_EQ(b.View().Bits[1], MakePixel(80, 0, 0, 255));
  EXPECT_EQ(b.View().Bits[2], MakePixel(40, 0, 0, 255));
  TspPixelBuffer32 c(2, 2, MakePixel(9, 9, 9, 5));
  BlurPixels(c.View(), 0);
  EXPECT_EQ(c.View().Bits[3], MakePixel(9, 9, 9, 5));
}

// The blur's running sums give the triangle weights' sums exactly: every
// pixel of a noisy picture as the direct sum of its neighbours (ends
// repeated) gives it, at radii from 1 to past the picture's size.
TEST(AlphaPixels, StackBlurMatchesItsWeightsAtEveryRadius) {
  const int w = 23, h = 9;
  TspPixelBuffer32 source(w, h);
  uint32_t noise = 7;
  for (int i = 0; i < w * h; ++i) {
    noise = noise * 1103515245u + 12345u;
    source.View().Bits[i] = MakePixel(uint8_t(noise >> 24), uint8_t(noise >> 16), uint8_t(noise >> 8), 0);
  }
  // One pass of the weights along a line, summed directly.
  auto pass = [](std::vector<TspPixel> line, int r) {
    const int n = int(line.size());
    std::vector<TspPixel> out(line.size());
    for (int i = 0; i < n; ++i) {
      uint32_t sum[3] = {};
      for (int j = -r; j <= r; ++j) {
        const TspPixel p = line[size_t(std::clamp(i + j, 0, n - 1))];
        const uint32_t weight = uint32_t(r + 1 - std::abs(j));
        sum[0] += weight * PixelRed(p), sum[1] += weight * PixelGreen(p), sum[2] += weight * PixelBlue(p);
      }
      const uint32_t d = uint32_t((r + 1) * (r + 1));
      out[size_t(i)] = MakePixel(uint8_t(sum[0] / d), uint8_t(sum[1] / d), uint8_t(sum[2] / d), 255);
    }
    return out;
  };
  for (int r : {1, 2, 5, 8, 22, 40, 255}) {
    std::vector<TspPixel> want(source.View().Bits, source.View().Bits + w * h);
    for (int y = 0; y < h; ++y) {
      const std::vector<TspPixel> row = pass(std::vector<TspPixel>(want.begin() + y * w, want.begin() + (y + 1) * w), r);
      std::copy(row.begin(), row.end(), want.begin() + y * w);
    }
    for (int x = 0; x < w; ++x) {
      std::vector<TspPixel> column(static_cast<size_t>(h));
      for (int y = 0; y < h; ++y) column[size_t(y)] = want[size_t(y * w + x)];
      column = pass(column, r);
      for (int y = 0; y < h; ++y) want[size_t(y * w + x)] = column[size_t(y)];
    }
    TspPixelBuffer32 got = source;
    BlurPixels(got.View(), r);
    EXPECT_TRUE(std::equal(want.begin(), want.end(), got.View().Bits)) << "radius " << r;
  }
}

TEST(AlphaPixels, GlowColouringAndSilhouette) {
  TspPixelBuffer32 b(2, 1);
  b.View().Bits[0] = MakePixel(100, 7, 7, 0);
  ColorizeFromRed(b.View(), 0xFF0000);  // blue glow
  EXPECT_EQ(b.View().Bits[0], MakePixel(0, 0, 255, 100));
  EXPECT_EQ(b.View().Bits[1], MakePixel(0, 0, 255, 0));

  TspPixelBuffer32 g(3, 1, Grey(200));
  g.View().Bits[1] = Grey(10);
  g.View().Bits[2] = Grey(203);
  MakeSilhouette(g.View());
  EXPECT_EQ(g.View().Bits[0], spKeyColor);
  EXPECT_EQ(g.View().Bits[1], MakePixel(255, 0, 0, 255));
  EXPECT_EQ(g.View().Bits[2], MakePixel(255, 0, 0, 255));  // any difference counts
}

TEST(AlphaPixels, ReflectionFadesAndZeroHeightDrawsNothing) {
  TspPixelBuffer32 b(1, 4, MakePixel(200, 0, 0, 0));
  ReflectionAlpha(b.View(), 0, 2, 0x00FF00);
  // t = 0.7 - (2 - y) / 2: -0.3 -> 0, 0.2, 0.7; row 3 cleared
  EXPECT_EQ(b.View().Bits[0], MakePixel(0, 255, 0, 0));
  EXPECT_EQ(b.View().Bits[1], MakePixel(0, 255, 0, 40));
  EXPECT_EQ(b.View().Bits[2], MakePixel(0, 255, 0, 140));
  EXPECT_EQ(b.View().Bits[3], 0u);
  TspPixelBuffer32 c(1, 2, Grey(5));
  ReflectionAlpha(c.View(), 1, 1, 0);
  EXPECT_EQ(c.View().Bits[0], Grey(5));
  FlipRows(b.View());
  EXPECT_EQ(b.View().Bits[0], 0u);
  EXPECT_EQ(PixelAlpha(b.View().Bits[1]), 140);
}

}  // namespace
