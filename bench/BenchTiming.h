// Timing of a kernel next to memcpy moving the same traffic, and the ratio line
// that every benchmark program prints.
//
// Ratio lines: besides its own human-readable output, a benchmark program
// prints one line per measured ratio, alone on its line:
//   RATIO <value> <target> <name>
// value is the measured ratio (the benchmark's time over its baseline's),
// target the largest ratio that meets the goal, or "-" when there is none, and
// name the rest of the line (it may hold spaces). scripts/bench.sh collects
// these lines from every program in bench/ into one table; PrintRatio writes
// them.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace bench {

// The largest ratio that meets a benchmark's goal. A type of its own, so that
// a target is never taken for a run count or a ratio.
struct Target {
  explicit constexpr Target(double ratio) : Ratio(ratio) {}
  double Ratio;
};
// No goal for this ratio: it is reported only.
constexpr Target kNoTarget(0);

inline void PrintRatio(const char* name, double ratio, Target target) {
  if (target.Ratio > 0)
    std::printf("RATIO %.2f %g %s\n", ratio, target.Ratio, name);
  else
    std::printf("RATIO %.2f - %s\n", ratio, name);
  std::fflush(stdout);
}

constexpr int kWarmUp = 3;
constexpr int kRuns = 41;

inline double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

inline double Milliseconds(const std::function<void()>& work) {
  const auto t0 = std::chrono::steady_clock::now();
  work();
  const auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

// Alternates runs of `work`, each after the untimed `reset`, with runs of
// memcpy moving the same traffic, so that both meet the same machine load,
// and prints the medians after the warm-up runs and their ratio line.
inline void Report(const char* name, const std::function<void()>& reset, const std::function<void()>& work,
                   size_t traffic, Target target, int runs = kRuns) {
  const size_t bytes = traffic / 2;
  std::vector<uint8_t> from(bytes, 1), to(bytes, 0);
  std::vector<double> kernel, copy;
  for (int i = 0; i < kWarmUp + runs; ++i) {
    reset();
    const double k = Milliseconds(work);
    // An untimed copy first, so that memcpy runs from caches as warm as in a
    // loop of copies alone: the reference is never slowed by the kernel's traffic.
    std::memcpy(to.data(), from.data(), bytes);
    const double c = Milliseconds([&] { std::memcpy(to.data(), from.data(), bytes); });
    from[0] = to[bytes - 1];  // keep the copy observable
    if (i < kWarmUp) continue;
    kernel.push_back(k);
    copy.push_back(c);
  }
  const double ms = Median(kernel), ref = Median(copy);
  std::printf("%-52s %7.3f ms   memcpy of %4.1f MB %7.3f ms   ratio %6.2f\n", name, ms, bytes / 1e6, ref, ms / ref);
  PrintRatio(name, ms / ref, target);
}

}  // namespace bench
