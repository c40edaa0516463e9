// Exact pixels of the effect bitmap's rules on small images, degenerate sizes included.
#include <gtest/gtest.h>

#include <cstring>

#include "components/fcBitmapPixels.h"

namespace {

// A W x H image whose pixel (x, y) has blue x, green y, red x + 10 y, row gaps poisoned.
TspPixelBuffer24 Ramp(int W, int H) {
  TspPixelBuffer24 b(W, H, 0xEE);
  TspPixels24 v = b.View();
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      uint8_t* p = v.Pixel(x, y);
      p[0] = uint8_t(x);
      p[1] = uint8_t(y);
      p[2] = uint8_t(x + 10 * y);
    }
  return b;
}

TspPixelBuffer24 Filled(int W, int H, uint8_t B, uint8_t G, uint8_t R) {
  TspPixelBuffer24 b(W, H, 0xEE);
  TspPixels24 v = b.View();
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      v.Pixel(x, y)[0] = B;
      v.Pixel(x, y)[1] = G;
      v.Pixel(x, y)[2] = R;
    }
  return b;
}

bool SamePixels(const TspPixels24& a, const TspPixels24& b) {
  if (!a.SameSize(b)) return false;
  for (int y = 0; y < a.Height; ++y)
    if (std::memcmp(a.Row(y), b.Row(y), 3 * a.Width) != 0) return false;
  return true;
}

bool GapsUntouched(const TspPixels24& v) {
  for (int y = 0; y < v.Height; ++y)
    for (int i = 3 * v.Width; i < v.RowBytes; ++i)
      if (v.Row(y)[i] != 0xEE) return false;
  return true;
}

uint32_t At(const TspPixels24& v, int x, int y) { return fcPixelRGB(v.Pixel(x, y)); }

}  // namespace

TEST(fcBitmapPixels, RowStrideAndGapForNarrowWidths) {
  const int stride[] = {4, 8, 12, 12, 16}, gap[] = {1, 2, 3, 0, 1};
  for (int w = 1; w <= 5; ++w) {
    EXPECT_EQ(RowBytes24(w), stride[w - 1]) << w;
    EXPECT_EQ(RowBytes24(w) - 3 * w, gap[w - 1]) << w;
  }
}

TEST(fcBitmapPixels, TableEffectsEndpoints) {
  auto b = Filled(3, 2, 0, 255, 128);
  TspPixels24 v = b.View();
  fcLightnessPixels(v, 255);
  EXPECT_EQ(At(v, 2, 1), 254u | 255u << 8 | 254u << 16);  // red 128 + (127 x 255) shr 8
  EXPECT_EQ(v.Pixel(0, 0)[0], 254);  // 0 + (255 x 255) shr 8
  EXPECT_EQ(v.Pixel(0, 0)[1], 255);
  fcLightnessPixels(v, -256);
  EXPECT_EQ(At(v, 1, 1), 0u);
  EXPECT_TRUE(GapsUntouched(v));

  auto c = Ramp(5, 3), before = c;
  TspPixels24 cv = c.View();
  fcContrastPixels(cv, 0);
  EXPECT_TRUE(SamePixels(cv, before.View()));
  auto mid = Filled(2, 2, 128, 0, 255);
  TspPixels24 mv = mid.View();
  fcContrastPixels(mv, 200);
  EXPECT_EQ(mv.Pixel(0, 0)[0], 128);  // the middle never moves
  EXPECT_EQ(mv.Pixel(0, 0)[1], 0);    // 0 - (128 x 200) div 256 clamps
  EXPECT_EQ(mv.Pixel(0, 0)[2], 255);
  fcContrastPixels(mv, -100);
  EXPECT_EQ(mv.Pixel(1, 1)[1], 50);  // 0 + (128 x 100) div 256 (sign kept by truncation)

  auto t = Filled(1, 1, 10, 20, 250);
  TspPixels24 tv = t.View();
  fcTintPixels(tv, 10, -30, 5);
  EXPECT_EQ(At(tv, 0, 0), 0xFF000Fu);  // red clamps, green clamps to 0, blue 15
}

TEST(fcBitmapPixels, GrayScaleAndSaturation) {
  auto w = Filled(4, 1, 255, 255, 255);
  TspPixels24 wv = w.View();
  fcGrayScalePixels(wv);
  EXPECT_EQ(At(wv, 3, 0), 0xFFFFFFu);  // 85 + 85 + 85
  auto c = Filled(1, 1, 10, 20, 200);
  TspPixels24 cv = c.View();
  fcGrayScalePixels(cv);
  EXPECT_EQ(cv.Pixel(0, 0)[0], 3 + 6 + 66);

  auto s = Ramp(5, 4), orig = s;
  TspPixels24 sv = s.View();
  fcSaturationPixels(sv, 256);
  EXPECT_TRUE(SamePixels(sv, orig.View()));
  fcSaturationPixels(sv, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const uint8_t* p = sv.Pixel(x, y);
      EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]);
    }
  EXPECT_TRUE(GapsUntouched(sv));
}

TEST(fcBitmapPixels, ColorizeSkipsKeyAndMaskAndReplace) {
  auto b = Filled(2, 1, 200, 200, 200);
  TspPixels24 v = b.View();
  v.Pixel(1, 0)[2] = 0;  // pixel 1 is 0x00C8C8 (red 0): the key
  fcColorizePixels(v, 100, 50, 250, 0x00C8C8);
  EXPECT_EQ(At(v, 0, 0), (0xFFu << 0) | (58u << 8) | (108u << 16));  // blue 200-192+250 clamps
  EXPECT_EQ(At(v, 1, 0), 0x00C8C8u);
  fcColorizePixels(v, 0, 0, 0, -1);  // no key: every pixel
  EXPECT_EQ(At(v, 1, 0), 8u | 8u << 8);

  auto m = Ramp(3, 2);
  TspPixels24 mv = m.View();
  const uint32_t key = At(mv, 1, 1);
  fcReplaceColorPixels(mv, 0x123456, key);
  EXPECT_EQ(At(mv, 1, 1), 0x123456u);
  fcMakeMaskPixels(mv, 0x123456);
  EXPECT_EQ(At(mv, 1, 1), 0u);
  EXPECT_EQ(At(mv, 0, 0), 0xFFFFFFu);
  EXPECT_TRUE(GapsUntouched(mv));
}

TEST(fcBitmapPixels, BlurSharpenEmbossOnFlatImagesAndEdges) {
  for (int w = 1; w <= 5; ++w) {
    auto b = Filled(w, 3, 40, 80, 120), orig = b;
    TspPixels24 v = b.View();
    fcGaussianBlurPixels(v, 3);
    EXPECT_TRUE(SamePixels(v, orig.View())) << w;  // a flat image stays flat
    fcSharpenPixels(v, 1);
    EXPECT_TRUE(SamePixels(v, orig.View())) << w;
    EXPECT_TRUE(GapsUntouched(v));
  }
  auto r = Ramp(4, 4), orig = r;
  TspPixels24 rv = r.View();
  fcGaussianBlurPixels(rv, 0);
  EXPECT_TRUE(SamePixels(rv, orig.View()));
  // One step of radius 1 at the corner (0, 0): pixels (1,1), (1,0), (0,1), (0,0).
  fcBlurStepPixels(rv, 1);
  EXPECT_EQ(rv.Pixel(0, 0)[2], (11 + 1 + 10 + 0) >> 2);

  auto e = Filled(3, 2, 100, 0, 255);
  TspPixels24 ev = e.View();
  fcEmbossPixels(ev);
  // ((255 - q) + p) shr 1 with q = p on a flat image.
  EXPECT_EQ(ev.Pixel(0, 0)[0], (155 + 100) >> 1);
  EXPECT_EQ(ev.Pixel(2, 1)[1], (255 + 0) >> 1);
  EXPECT_EQ(ev.Pixel(2, 1)[2], (0 + 255) >> 1);
}

TEST(fcBitmapPixels, FlipTwiceRotateZeroWaveRatioZeroRestore) {
  for (int w = 1; w <= 5; ++w)
    for (int h = 1; h <= 3; ++h) {
      auto b = Ramp(w, h), orig = b;
      TspPixels24 v = b.View();
      fcFlipPixels(v, true);
      if (w > 1) {
        EXPECT_EQ(At(v, 0, 0), At(orig.View(), w - 1, 0));
      }
      fcFlipPixels(v, true);
      fcFlipPixels(v, false);
      if (h > 1) {
        EXPECT_EQ(At(v, 0, 0), At(orig.View(), 0, h - 1));
      }
      fcFlipPixels(v, false);
      EXPECT_TRUE(SamePixels(v, orig.View()));
      fcRotatePixels(v, -1, -1, 0);
      EXPECT_TRUE(SamePixels(v, orig.View())) << w << "x" << h;
      fcWavePixels(v, 3, 3, 0, false);
      fcWavePixels(v, 3, 3, 0, true);
      EXPECT_TRUE(SamePixels(v, orig.View()));
      EXPECT_TRUE(GapsUntouched(v));
    }
}

TEST(fcBitmapPixels, RotateQuarterTurnFillsCornersWithTopLeft) {
  auto b = Ramp(6, 2);
  TspPixels24 v = b.View();
  const uint32_t topLeft = At(v, 0, 0);
  fcRotatePixels(v, -1, -1, 90);
  EXPECT_EQ(At(v, 0, 0), topLeft);  // uncovered corner
  EXPECT_EQ(At(v, 5, 1), topLeft);
  // The middle column pair holds turned source pixels.
  auto sq = Ramp(4, 4);
  TspPixels24 sv = sq.View();
  auto orig = sq;
  fcRotatePixels(sv, -1, -1, 90);
  fcRotatePixels(sv, -1, -1, -90);
  EXPECT_TRUE(SamePixels(sv, orig.View()));  // a square turns back exactly about its middle
}

TEST(fcBitmapPixels, WaveWithoutWrapLeavesWhiteAndWithWrapOnOneRow) {
  auto b = Ramp(5, 4);
  TspPixels24 v = b.View();
  fcWavePixels(v, 1, 1, 10, false);  // shifts far beyond the image
  int white = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) white += At(v, x, y) == 0xFFFFFFu;
  EXPECT_GT(white, 0);
  EXPECT_TRUE(GapsUntouched(v));

  // A one-pixel-high image with wrap: the start row folds to row 0, never by zero.
  for (int ratio : {1, 3, 50}) {
    auto one = Ramp(5, 1);
    TspPixels24 ov = one.View();
    fcWavePixels(ov, 1, 1, ratio, true);
    for (int x = 0; x < 5; ++x) EXPECT_LT(ov.Pixel(x, 0)[0], 5);  // every pixel came from the row
  }
  auto col = Ramp(1, 4);
  TspPixels24 cv = col.View();
  fcWavePixels(cv, 1, 1, 7, true);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(cv.Pixel(0, y)[0], 0);
}

TEST(fcBitmapPixels, AlphaBlendFloorsAndSkipsKey) {
  auto a = Filled(3, 1, 100, 100, 100), o = Filled(3, 1, 0, 200, 101);
  TspPixels24 av = a.View(), ov = o.View();
  ov.Pixel(2, 0)[0] = 1;  // pixel 2 becomes the key
  fcAlphaBlendPixels(av, ov, 128, true, At(ov, 2, 0));
  EXPECT_EQ(av.Pixel(0, 0)[0], 50);   // 100 + floor(128 x -100 / 256)
  EXPECT_EQ(av.Pixel(0, 0)[1], 150);  // 100 + 50
  EXPECT_EQ(av.Pixel(0, 0)[2], 100);  // 100 + floor(128 / 256) = 100
  EXPECT_EQ(At(av, 2, 0), 0x646464u);
  auto small = Filled(2, 1, 0, 0, 0);
  fcAlphaBlendPixels(av, small.View(), 255, false, 0);  // another size: untouched
  EXPECT_EQ(av.Pixel(1, 0)[1], 150);
}

TEST(fcBitmapPixels, SmoothStretchToAndFromOnePixel) {
  auto one = Filled(1, 1, 10, 20, 30);
  TspPixelBuffer24 big(5, 3, 0);
  TspPixels24 bv = big.View();
  fcSmoothStretchPixels(one.View(), bv);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(bv, x, y), 0x1E140Au);
  auto ramp = Ramp(5, 3);
  TspPixelBuffer24 dot(1, 1, 0);
  TspPixels24 dv = dot.View();
  fcSmoothStretchPixels(ramp.View(), dv);
  EXPECT_EQ(At(dv, 0, 0), At(ramp.View(), 0, 0));
  // A column one pixel wide stretched wider reads no neighbour past its row.
  auto column = Ramp(1, 4);
  TspPixelBuffer24 wide(4, 7, 0);
  TspPixels24 wv = wide.View();
  fcSmoothStretchPixels(column.View(), wv);
  EXPECT_EQ(wv.Pixel(3, 0)[1], 0);
  // Halfway between two columns of 0 and 4 (blue): weight 1/2 each.
  auto two = Ramp(2, 1);
  two.View().Pixel(1, 0)[0] = 4;
  TspPixelBuffer24 four(4, 1, 0);
  TspPixels24 fv = four.View();
  fcSmoothStretchPixels(two.View(), fv);
  EXPECT_EQ(fv.Pixel(0, 0)[0], 0);
  EXPECT_EQ(fv.Pixel(2, 0)[0], 2);
}

TEST(fcBitmapPixels, SpongeMovesOnlyWithinReach) {
  RandSeed(7);
  auto b = Ramp(5, 5);
  TspPixels24 v = b.View();
  fcSpongePixels(v, 0);  // Random(0) = 0: nothing moves
  EXPECT_TRUE(SamePixels(v, Ramp(5, 5).View()));
  fcSpongePixels(v, 2);
  EXPECT_TRUE(GapsUntouched(v));
  // With a = 2 the reach k is 0 or 1 and a pixel takes the one at (x + dx,
  // y + dy) with dx, dy in {0, 1}: not yet moved in the scan, so each pixel
  // is an original one (its x and y are in its first two bytes) at most one
  // step right and down. Most move (k = 1 half the time, then 3 in 4).
  auto big = Ramp(20, 20);
  TspPixels24 w = big.View();
  fcSpongePixels(w, 2);
  int moved = 0, movedRight = 0, movedDown = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const int dx = w.Pixel(x, y)[0] - x, dy = w.Pixel(x, y)[1] - y;
      EXPECT_TRUE(dx >= 0 && dx <= 1 && dy >= 0 && dy <= 1) << x << "," << y << " from " << dx << "," << dy;
      moved += dx || dy;
      movedRight += dx;
      movedDown += dy;
    }
  EXPECT_GT(moved, 400 / 4);
  EXPECT_GT(movedRight, 400 / 8);
  EXPECT_GT(movedDown, 400 / 8);
}
