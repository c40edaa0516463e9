// The soak run's times (see SoakTimes.h).
#include "demo/SoakTimes.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

// Seconds of processor time this thread has used: unlike the clock, it grows
// with the work of a round, hardly with the load of other programs.
double ThreadSeconds() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME& T) {
    return static_cast<double>((static_cast<uint64_t>(T.dwHighDateTime) << 32) | T.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

}  // namespace

void TSoakTimes::RoundBegins(int Round, bool Counted) {
  FRound = Round;
  FCounted = Counted;
  FCurrent = TRound();
  FStartTicks = GetTickCount();
  FStartProcessor = FStepStart = ThreadSeconds();
  FStep.clear();
}

void TSoakTimes::StepBegins(const std::string& Key) {
  const double now = ThreadSeconds();
  if (!FStep.empty()) FCurrent.Steps[FStep] += now - FStepStart;
  FStep = Key;
  FStepStart = now;
}

void TSoakTimes::RoundEnds() {
  StepBegins(std::string());
  FCurrent.Seconds = (GetTickCount() - FStartTicks) / 1000.0;
  FCurrent.Processor = ThreadSeconds() - FStartProcessor;
  std::printf("soak: round %d in %.2f s (%.2f s of processor time)\n", FRound + 1, FCurrent.Seconds,
              FCurrent.Processor);
  std::fflush(stdout);
  if (FCounted) FRounds.push_back(FCurrent);
}

void TSoakTimes::Print() const {
  // A tenth of the rounds at each end, whole cycles of the three skins.
  const size_t n = std::max<size_t>(3, FRounds.size() / 10 / 3 * 3);
  if (FRounds.size() < 2 * n) return;
  TRound first, last;
  for (size_t i = 0; i < n; ++i) {
    for (auto [sum, round] : {std::pair(&first, &FRounds[i]), std::pair(&last, &FRounds[FRounds.size() - n + i])}) {
      sum->Seconds += round->Seconds / n;
      sum->Processor += round->Processor / n;
      for (const auto& [step, seconds] : round->Steps) sum->Steps[step] += seconds / n;
    }
  }
  auto ratio = [](double Last, double First) { return First > 0 ? Last / First : 0.0; };
  std::printf("soak: the first %zu full rounds after warm-up took %.2f s each (%.2f s of processor time), the last %zu "
              "%.2f s (%.2f s): x%.2f (x%.2f)\n",
              n, first.Seconds, first.Processor, n, last.Seconds, last.Processor, ratio(last.Seconds, first.Seconds),
              ratio(last.Processor, first.Processor));
  std::vector<std::pair<double, std::string>> growth;
  for (const auto& [step, seconds] : last.Steps) {
    const auto before = first.Steps.find(step);
    growth.emplace_back(seconds - (before != first.Steps.end() ? before->second : 0), step);
  }
  std::sort(growth.rbegin(), growth.rend());
  for (size_t i = 0; i < growth.size() && i < 3; ++i)
    std::printf("soak: grew most: %s, %+.3f s of processor time a round\n", growth[i].second.c_str(), growth[i].first);
}
