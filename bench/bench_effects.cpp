// Times the morph of two 1920 x 1080 24-bit images and the alpha blend of two
// 32-bit ones, each next to memcpy moving the same number of bytes (bytes read
// plus bytes written, halved: memcpy reads and writes each byte once).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "skin/speffbmp_alpha.h"
#include "skin/speffbmp_pixels.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRuns = 30;

double BestMilliseconds(const std::function<void()>& work) {
  double best = 1e300;
  for (int i = 0; i < kRuns; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    work();
    const auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

double MemcpyMilliseconds(size_t bytes) {
  std::vector<uint8_t> from(bytes, 1), to(bytes);
  return BestMilliseconds([&] {
    std::memcpy(to.data(), from.data(), bytes);
    from[0] = to[bytes - 1];  // keep the copy observable
  });
}

void Report(const char* name, double ms, size_t traffic) {
  const double ref = MemcpyMilliseconds(traffic / 2);
  std::printf("%-28s %8.3f ms   memcpy of %5.1f MB %8.3f ms   ratio %5.2f\n", name, ms, traffic / 2 / 1e6, ref,
              ms / ref);
}

}  // namespace

int main() {
  TspPixelBuffer24 a(kWidth, kHeight), b(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int i = 0; i < 3 * kWidth; ++i) {
      a.View().Row(y)[i] = static_cast<uint8_t>(i + y);
      b.View().Row(y)[i] = static_cast<uint8_t>(3 * i - y);
    }
  const size_t bytes24 = static_cast<size_t>(a.View().RowBytes) * kHeight;
  double k = 0.2;
  const double morph = BestMilliseconds([&] {
    TspPixels24 v = a.View();
    MorphPixels(v, b.View(), k);
    k = k == 0.2 ? 0.8 : 0.2;
  });
  Report("morph (24-bit, k 0.2/0.8)", morph, 3 * bytes24);

  TspPixelBuffer32 src(kWidth, kHeight), dst(kWidth, kHeight);
  for (int i = 0; i < kWidth * kHeight; ++i) {
    src.View().Bits[i] = MakePixel(static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 3), 200,
                                   static_cast<uint8_t>(i * 7));
    dst.View().Bits[i] = MakePixel(10, static_cast<uint8_t>(i >> 5), static_cast<uint8_t>(i), 255);
  }
  const size_t bytes32 = sizeof(TspPixel) * kWidth * kHeight;
  const TRect all(0, 0, kWidth, kHeight);
  const double blend = BestMilliseconds([&] { DrawPixels(dst.View(), all, src.View(), all, dmBlend); });
  Report("alpha blend (32-bit)", blend, 3 * bytes32);
  return 0;
}
