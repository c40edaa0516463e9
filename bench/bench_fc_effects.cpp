// Times the effect bitmap's heaviest effects on a 1920 x 1080 24-bit image next
// to memcpy of the same bytes: each effect reads and writes the image once at
// least, so memcpy copies the image once. Every run starts from the same noise.
// The ratios have no goal: they are reported only.
#include <cstdio>
#include <cstring>

#include "bench/BenchTiming.h"
#include "components/fcBitmapPixels.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

}  // namespace

int main() {
  std::printf("%d x %d, medians of %d runs; memcpy moves the image's bytes once (read plus written)\n", kWidth,
              kHeight, bench::kRuns);
  uint32_t seed = 1;
  TspPixelBuffer24 source(kWidth, kHeight), blend(kWidth, kHeight), work(kWidth, kHeight);
  for (TspPixelBuffer24* b : {&source, &blend})
    for (int y = 0; y < kHeight; ++y)
      for (int i = 0; i < 3 * kWidth; ++i) {
        seed = seed * 1664525u + 1013904223u;
        b->View().Row(y)[i] = static_cast<uint8_t>(seed >> 24);
      }
  const size_t bytes = static_cast<size_t>(source.View().RowBytes) * kHeight;
  TspPixels24 v = work.View();
  auto reset = [&] { std::memcpy(v.Bits, source.View().Bits, bytes); };
  auto run = [&](const char* name, const std::function<void()>& effect, int runs = bench::kRuns) {
    bench::Report(name, reset, effect, 2 * bytes, bench::kNoTarget, runs);
  };
  run("lightness 100 (table)", [&] { fcLightnessPixels(v, 100); });
  run("saturation 180", [&] { fcSaturationPixels(v, 180); });
  run("alpha blend 128", [&] { fcAlphaBlendPixels(v, blend.View(), 128, false, 0); });
  run("emboss", [&] { fcEmbossPixels(v); });
  run("sharpen 1", [&] { fcSharpenPixels(v, 1); });
  run("gaussian blur 3 (three steps)", [&] { fcGaussianBlurPixels(v, 3); });
  run("sponge 3", [&] { fcSpongePixels(v, 3); });
  run("flip horizontal", [&] { fcFlipPixels(v, true); });
  run("rotate 30 degrees", [&] { fcRotatePixels(v, -1, -1, 30); }, 11);
  run("wave 20/20/8 with wrap", [&] { fcWavePixels(v, 20, 20, 8, true); });
  TspPixelBuffer24 half(kWidth / 2, kHeight / 2);
  TspPixels24 h = half.View();
  run("smooth stretch to half size", [&] { fcSmoothStretchPixels(v, h); });
  return 0;
}
