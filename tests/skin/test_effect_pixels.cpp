#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "skin/speffbmp_pixels.h"

namespace {

// A one-row (or one-column) image of grey pixels whose values are given.
TspPixelBuffer24 Row(std::initializer_list<int> values) {
  TspPixelBuffer24 b(static_cast<int>(values.size()), 1);
  int x = 0;
  for (int v : values) {
    uint8_t* p = b.View().Pixel(x++, 0);
    p[0] = p[1] = p[2] = static_cast<uint8_t>(v);
  }
  return b;
}

TspPixelBuffer24 Filled(int w, int h, int v) { return TspPixelBuffer24(w, h, static_cast<uint8_t>(v)); }

int At(const TspPixelBuffer24& b, int x, int y = 0, int channel = 0) { return b.View().Pixel(x, y)[channel]; }

std::vector<int> Greys(const TspPixelBuffer24& b, int y = 0) {
  std::vector<int> out;
  for (int x = 0; x < b.View().Width; ++x) out.push_back(At(b, x, y));
  return out;
}

TEST(EffectPixels, RowsArePaddedToFourBytes) {
  EXPECT_EQ(RowBytes24(1), 4);
  EXPECT_EQ(RowBytes24(2), 8);
  EXPECT_EQ(RowBytes24(3), 12);
  EXPECT_EQ(RowBytes24(5), 16);
}

TEST(EffectPixels, DefaultMorphEndsClampAndHalvesToEven) {
  auto old = Row({0, 0, 1, 2, 0});
  auto nw = Row({255, 1, 2, 3, 253});
  auto a = old;
  TspPixels24 v = a.View();
  MorphPixels(v, nw.View(), 0.0);
  EXPECT_EQ(Greys(a), Greys(old));
  a = old;
  v = a.View();
  MorphPixels(v, nw.View(), 1.5);
  EXPECT_EQ(Greys(a), Greys(nw));
  a = old;
  v = a.View();
  MorphPixels(v, nw.View(), 0.5);
  // 127.5 -> 128, 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 126.5 -> 126
  EXPECT_EQ(Greys(a), (std::vector<int>{128, 0, 2, 2, 126}));
  a = old;
  v = a.View();
  MorphPixels(v, nw.View(), 0.2);
  // 51, 0.2, 1.2, 2.2, 50.6
  EXPECT_EQ(Greys(a), (std::vector<int>{51, 0, 1, 2, 51}));
}

TEST(EffectPixels, MorphGivesTheFormulasBytesForEveryPair) {
  // All 65536 pairs of old and new values, at factors with and without ties.
  TspPixelBuffer24 old(256, 256), nw(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      std::memset(old.View().Pixel(x, y), y, 3);
      std::memset(nw.View().Pixel(x, y), x, 3);
    }
  for (double k : {0.2, 0.4, 0.2 + 0.2 + 0.2, 0.8, 0.25, 0.3, 0.7, 0.123, 0.5, 1.0 / 32768, 32767.0 / 32768, 1.0}) {
    auto a = old;
    TspPixels24 v = a.View();
    MorphPixels(v, nw.View(), k);
    int wrong = 0;
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) {
        // Each step rounded to a double, whatever precision the compiler keeps.
        volatile double keep = 1 - k;
        volatile double fromOld = keep * y;
        volatile double fromNew = k * x;
        volatile double sum = fromOld + fromNew;
        const int expected = static_cast<int>(std::nearbyint(sum));
        wrong += At(a, x, y, 1) != expected;
      }
    EXPECT_EQ(wrong, 0) << "k = " << k;
  }
}

TEST(EffectPixels, MorphsOfDifferentSizesLeaveTheImage) {
  auto a = Filled(4, 2, 10);
  auto b = Filled(4, 3, 200);
  TspPixels24 v = a.View();
  for (int kind = 0; kind <= 6; ++kind) MorphPixelsByKind(v, b.View(), kind, 1.0);
  EXPECT_EQ(At(a, 0, 0), 10);
  EXPECT_EQ(At(a, 3, 1), 10);
}

TEST(EffectPixels, MorphRectPairsRowsAndColumnsAndClips) {
  auto a = Filled(4, 3, 0);
  TspPixelBuffer24 b(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) b.View().Pixel(x, y)[0] = static_cast<uint8_t>(10 * y + x + 1);
  TspPixels24 v = a.View();
  MorphRectPixels(v, b.View(), TRect(1, 1, 3, 2), 0, 0, 1.0);
  EXPECT_EQ(At(a, 1, 1), 1);
  EXPECT_EQ(At(a, 2, 1), 2);
  EXPECT_EQ(At(a, 0, 1), 0);
  EXPECT_EQ(At(a, 1, 0), 0);
  // Reaching past both images only changes the overlapping pixels.
  auto c = Filled(4, 3, 0);
  v = c.View();
  MorphRectPixels(v, b.View(), TRect(2, 1, 9, 9), 2, 2, 1.0);
  EXPECT_EQ(At(c, 2, 1), 23);
  EXPECT_EQ(At(c, 3, 1), 24);
  EXPECT_EQ(At(c, 2, 2), 0);
}

TEST(EffectPixels, GradientOpensFromTheMiddleWithSoftEdges) {
  auto a = Filled(10, 2, 0);
  auto b = Filled(10, 2, 255);
  TspPixels24 v = a.View();
  MorphGradPixels(v, b.View(), 0.4);
  // n = 4, half = 3, columns 3..7 new, t grows by 1/3 toward both ends.
  EXPECT_EQ(Greys(a, 1), (std::vector<int>{0, 85, 170, 255, 255, 255, 255, 255, 170, 85}));
}

TEST(EffectPixels, VerticalGradientForTallImages) {
  auto a = Filled(2, 10, 0);
  auto b = Filled(2, 10, 255);
  TspPixels24 v = a.View();
  MorphGradPixels(v, b.View(), 0.4);
  // n = 4, half = (10 - 1 - 4) div 2 = 2, rows 3..7 new, step 0.5.
  std::vector<int> column;
  for (int y = 0; y < 10; ++y) column.push_back(At(a, 1, y));
  EXPECT_EQ(column, (std::vector<int>{0, 0, 128, 255, 255, 255, 255, 255, 128, 0}));
}

TEST(EffectPixels, GradientsAndSlidesFromTheSides) {
  auto old = Filled(4, 1, 0);
  auto nw = Row({200, 201, 202, 203});
  auto a = old;
  TspPixels24 v = a.View();
  MorphLeftGradPixels(v, nw.View(), 0.5);
  EXPECT_EQ(Greys(a), (std::vector<int>{200, 100, 0, 0}));
  a = old;
  v = a.View();
  MorphRightGradPixels(v, nw.View(), 0.5);
  EXPECT_EQ(Greys(a), (std::vector<int>{0, 0, 101, 203}));
  a = old;
  v = a.View();
  MorphLeftSlidePixels(v, nw.View(), 0.0);  // one column even at 0
  EXPECT_EQ(Greys(a), (std::vector<int>{203, 0, 0, 0}));
  a = old;
  v = a.View();
  MorphRightSlidePixels(v, nw.View(), 0.5);
  EXPECT_EQ(Greys(a), (std::vector<int>{0, 0, 200, 201}));
}

TEST(EffectPixels, PushMovesTheOldImageRight) {
  auto a = Row({10, 11, 12, 13, 14});
  auto b = Row({20, 21, 22, 23, 24});
  TspPixels24 v = a.View();
  MorphPushPixels(v, b.View(), 0.4);  // n = 2
  EXPECT_EQ(Greys(a), (std::vector<int>{22, 23, 24, 10, 11}));
}

TEST(EffectPixels, OnePixelWideImagesDoNotFail) {
  auto a = Filled(1, 3, 0);
  auto b = Filled(1, 3, 255);
  TspPixels24 v = a.View();
  for (int kind : {2, 4, 5})  // need two columns: left as they are
    for (double k : {-1.0, 0.0, 0.5, 1.0, 2.0}) MorphPixelsByKind(v, b.View(), kind, k);
  EXPECT_EQ(At(a, 0, 2), 0);
  MorphPixelsByKind(v, b.View(), 3, 0.0);  // the right gradient's last column is new
  EXPECT_EQ(At(a, 0, 2), 255);
  auto w = Filled(5, 1, 0);
  auto z = Filled(5, 1, 255);
  v = w.View();
  for (double k : {-3.0, 3.0}) MorphGradPixels(v, z.View(), k);
  EXPECT_EQ(At(w, 0), 255);  // beyond 1 opens the whole width
}

TEST(EffectPixels, InactiveEffects) {
  auto a = Row({0, 255, 100});
  TspPixels24 v = a.View();
  ChangeBrightnessPixels(v, 0.5);
  EXPECT_EQ(Greys(a), (std::vector<int>{128, 255, 178}));  // 127.5 -> 128, 177.5 -> 178
  a = Row({0, 255, 100});
  v = a.View();
  ChangeDarknessPixels(v, 0.3);
  EXPECT_EQ(Greys(a), (std::vector<int>{0, 178, 70}));  // 178.5 -> 178
  a = Row({0, 255, 100});
  v = a.View();
  InvertPixels(v);
  EXPECT_EQ(Greys(a), (std::vector<int>{255, 0, 155}));
}

TEST(EffectPixels, GrayScaleWeightsRoundHalfToEven) {
  TspPixelBuffer24 a(3, 1);
  uint8_t* p = a.View().Row(0);
  p[2] = 255;           // pure red: 76.5 -> 76
  p[3 + 1] = 255;       // pure green: 150.45 -> 150
  p[6] = 255;           // pure blue: 28.05 -> 28
  TspPixels24 v = a.View();
  GrayScalePixels(v);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(At(a, 0, 0, c), 76);
    EXPECT_EQ(At(a, 1, 0, c), 150);
    EXPECT_EQ(At(a, 2, 0, c), 28);
  }
}

TEST(EffectPixels, NoiseAddsOneValuePerPixelWithinHalfTheAmount) {
  RandSeed(12345);
  auto a = Filled(64, 4, 128);
  TspPixels24 v = a.View();
  AddColorNoisePixels(v, 50);
  bool changed = false;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint8_t* px = a.View().Pixel(x, y);
      EXPECT_EQ(px[0], px[1]);
      EXPECT_EQ(px[1], px[2]);
      EXPECT_GE(px[0], 128 - 25);
      EXPECT_LE(px[0], 128 + 24);
      changed |= px[0] != 128;
    }
  EXPECT_TRUE(changed);
  auto edge = Row({0, 255});
  v = edge.View();
  AddColorNoisePixels(v, 255);  // clamped, never wraps
  EXPECT_LE(At(edge, 0), 127);
  EXPECT_GE(At(edge, 1), 128);
}

TEST(EffectPixels, SplitBlurAveragesFourSamples) {
  auto a = Row({10, 20, 41});
  TspPixels24 v = a.View();
  SplitBlurPixels(v, 1);
  EXPECT_EQ(Greys(a), (std::vector<int>{15, 25, 20}));
  // Rows above are read already blurred.
  TspPixelBuffer24 b(1, 3);
  b.View().Pixel(0, 0)[0] = 100;
  b.View().Pixel(0, 1)[0] = 0;
  b.View().Pixel(0, 2)[0] = 40;
  v = b.View();
  SplitBlurPixels(v, 1);
  // y0: rows 0 and 1 -> 50; y1: rows 0 (now 50) and 2 -> 45; y2: rows 1 (now 45) and 1 (H - y) -> 45
  EXPECT_EQ(At(b, 0, 0), 50);
  EXPECT_EQ(At(b, 0, 1), 45);
  EXPECT_EQ(At(b, 0, 2), 45);
  // Distances far beyond the image stay inside it.
  auto c = Filled(3, 3, 77);
  v = c.View();
  SplitBlurPixels(v, 100000);
  EXPECT_EQ(At(c, 2, 2), 77);
}

TEST(EffectPixels, TurnsAndFlip) {
  TspPixelBuffer24 src(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) src.View().Pixel(x, y)[0] = static_cast<uint8_t>(10 * y + x);
  TspPixelBuffer24 r90(2, 3), r270(2, 3), flip(3, 2);
  TspPixels24 d = r90.View();
  Rotate90Pixels(src.View(), d);
  EXPECT_EQ(At(r90, 0, 2), 0);   // (0,0) -> (0, W-1)
  EXPECT_EQ(At(r90, 1, 0), 12);  // (2,1) -> (1, 0)
  d = r270.View();
  Rotate270Pixels(src.View(), d);
  EXPECT_EQ(At(r270, 1, 0), 0);  // (0,0) -> (H-1, 0)
  EXPECT_EQ(At(r270, 0, 2), 12);
  d = flip.View();
  FlipVerticalPixels(src.View(), d);
  EXPECT_EQ(At(flip, 2, 0), 12);
  EXPECT_EQ(At(flip, 0, 1), 0);
  // In place and with a destination of the wrong size.
  auto same = src;
  d = same.View();
  FlipVerticalPixels(same.View(), d);
  EXPECT_EQ(Greys(same, 0), Greys(flip, 0));
  TspPixelBuffer24 wrong(3, 3, 9);
  d = wrong.View();
  Rotate90Pixels(src.View(), d);
  EXPECT_EQ(At(wrong, 0, 0), 9);
}

}  // namespace
