// Times the morph of two 1920 x 1080 24-bit images and the alpha blend of two
// 32-bit ones next to memcpy moving the same traffic: the kernels read two
// images and write one, so memcpy copies one and a half images (it reads and
// writes each byte once). Every timed run starts from the same pixels; the
// medians of many runs after a few warm-up runs are printed.
#include <cstdio>
#include <cstring>

#include "bench/BenchTiming.h"
#include "skin/speffbmp_alpha.h"
#include "skin/speffbmp_mix.h"
#include "skin/speffbmp_pixels.h"

namespace {

using bench::kRuns;
using bench::Report;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// Each kernel within twice the time of memcpy moving the same bytes.
constexpr bench::Target kTarget(2);

const char* PathName(TspMixPath path) {
  switch (path) {
    case mpHalfEven: return "fixed point, halves to even";
    case mpNearest: return "fixed point";
    case mpPatched: return "fixed point + table near halves";
    case mpTable: return "table";
    default: return "copy";
  }
}

void BenchMorph(TspPixelBuffer24& old, const TspPixelBuffer24& saved, const TspPixelBuffer24& nw, double k) {
  const TspPixels24& from = saved.View();
  TspPixels24 v = old.View();
  const size_t bytes = static_cast<size_t>(from.RowBytes) * from.Height;
  char name[96];
  std::snprintf(name, sizeof name, "morph 24-bit, k %.2f (%s)", k, PathName(TspRowMixer(k).Path()));
  Report(name, [&] { std::memcpy(v.Bits, from.Bits, bytes); }, [&] { MorphPixels(v, nw.View(), k); }, 3 * bytes, kTarget);
}

}  // namespace

int main() {
  std::printf("%d x %d, medians of %d runs; memcpy moves as many bytes (read plus written) as the kernel\n", kWidth,
              kHeight, kRuns);
  // Noise, so that every difference of old and new bytes occurs.
  uint32_t seed = 1;
  auto noise = [&] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<uint8_t>(seed >> 24);
  };
  TspPixelBuffer24 a(kWidth, kHeight), b(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int i = 0; i < 3 * kWidth; ++i) {
      a.View().Row(y)[i] = noise();
      b.View().Row(y)[i] = noise();
    }
  TspPixelBuffer24 work = a;
  // 0.2 and 0.8 are steps of the controls' morph; 0.5 has ties; 0.3 and
  // 0.61 make the fixed-point kernel round some pairs wrongly.
  for (double k : {0.2, 0.8, 0.5, 0.3, 0.61}) BenchMorph(work, a, b, k);

  TspPixelBuffer32 src(kWidth, kHeight), dst(kWidth, kHeight);
  for (int i = 0; i < kWidth * kHeight; ++i) {
    src.View().Bits[i] = MakePixel(static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 3), 200,
                                   static_cast<uint8_t>(i * 7));
    dst.View().Bits[i] = MakePixel(10, static_cast<uint8_t>(i >> 5), static_cast<uint8_t>(i), 255);
  }
  const TspPixelBuffer32 savedDst = dst;
  const size_t bytes32 = sizeof(TspPixel) * kWidth * kHeight;
  const TRect all(0, 0, kWidth, kHeight);
  Report("alpha blend 32-bit", [&] { std::memcpy(dst.View().Bits, savedDst.View().Bits, bytes32); },
         [&] { DrawPixels(dst.View(), all, src.View(), all, dmBlend); }, 3 * bytes32, kTarget);
  return 0;
}
