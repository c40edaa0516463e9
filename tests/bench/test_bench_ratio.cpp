// The ratio line that every benchmark program prints for scripts/bench.sh.
#include <gtest/gtest.h>

#include "bench/BenchTiming.h"

namespace {

std::string Printed(const char* Name, double Ratio, bench::Target Target) {
  testing::internal::CaptureStdout();
  bench::PrintRatio(Name, Ratio, Target);
  return testing::internal::GetCapturedStdout();
}

TEST(BenchRatio, LineCarriesValueTargetAndTheWholeName) {
  EXPECT_EQ(Printed("whole skin load / bare inflate", 1.776, bench::Target(1.5)), "RATIO 1.78 1.5 whole skin load / bare inflate\n");
  EXPECT_EQ(Printed("frame", 2.0, bench::Target(3)), "RATIO 2.00 3 frame\n");
  // Values past 100 keep every digit: the table compares them as numbers.
  EXPECT_EQ(Printed("switch", 52.349, bench::Target(3)), "RATIO 52.35 3 switch\n");
}

TEST(BenchRatio, RatioWithoutGoalPrintsDashAsTarget) {
  EXPECT_EQ(Printed("emboss", 0.5, bench::kNoTarget), "RATIO 0.50 - emboss\n");
}

TEST(BenchRatio, ReportPrintsOneRatioLineAfterItsTimings) {
  testing::internal::CaptureStdout();
  int runs = 0, resets = 0;
  bench::Report("count", [&] { ++resets; }, [&] { ++runs; }, 2048, bench::Target(2), 3);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(runs, bench::kWarmUp + 3);
  EXPECT_EQ(resets, runs);
  const size_t line = out.find("\nRATIO ");
  ASSERT_NE(line, std::string::npos) << out;
  EXPECT_EQ(out.compare(out.size() - 9, 9, " 2 count\n"), 0) << out;
  EXPECT_EQ(out.find('\n', line + 1), out.size() - 1) << "one ratio line, last";
}

}  // namespace
