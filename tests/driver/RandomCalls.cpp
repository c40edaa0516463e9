// The randomized driver's program:
//   RandomCalls [first-seed [count [calls]]]   seeds first..first+count-1 (1, 1, 300)
//   RandomCalls --seeds 3,17,42 [calls]        the seeds listed
//   RandomCalls --one SEED CALLS [rounds]      one seed, run rounds times in this process
//   RandomCalls --in-one 3,17,42 [calls]       the seeds listed, one after another in this process
// Each seed runs in a process of its own (the program runs itself with
// --one SEED CALLS), so that a seed's result is its own whatever ran before.
// A seed prints "seed N: ok" with the windows and GDI objects the process
// holds after everything was freed beyond what it held before, or "seed N:
// FAILED kind: detail" with its last calls; a summary line follows, and the
// status is 1 when a seed failed. Rounds, or seeds run in one process, show
// whether those counts grow.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "classlib/GuiCounts.h"
#include "tests/driver/Driver.h"
#include "tests/driver/Failures.h"

namespace {

std::vector<uint32_t> SeedList(const char* List) {
  std::vector<uint32_t> seeds;
  const char* p = List;
  while (*p) {
    char* end = nullptr;
    const unsigned long seed = std::strtoul(p, &end, 10);
    if (end == p) break;
    seeds.push_back(static_cast<uint32_t>(seed));
    p = *end == ',' ? end + 1 : end;
  }
  return seeds;
}

std::string Counts(int Windows, int Gdi) {
  return "windows " + std::to_string(ThreadWindowsWithChildren() - Windows) + ", gdi " +
         std::to_string(GdiObjectsInUse() - Gdi);
}

// Runs the seeds one after another in this process, each from a new driver,
// with the counts after each; a failure ends the process.
int RunInOne(const std::vector<uint32_t>& Seeds, int Calls) {
  InstallFailureTraps();
  Application->ProcessMessages();
  const int windows = ThreadWindowsWithChildren(), gdi = GdiObjectsInUse();
  for (size_t i = 0; i < Seeds.size(); ++i) {
    SetRunningSeed(Seeds[i]);
    {
      TDriver driver(Seeds[i]);
      const std::string failure = driver.Run(Calls);
      if (!failure.empty()) ReportAndEnd(failure);
    }
    Application->ProcessMessages();
    const bool last = i + 1 == Seeds.size();
    std::printf("seed %u%s (%s)\n", static_cast<unsigned>(Seeds[i]), last ? ": ok" : " done",
                Counts(windows, gdi).c_str());
    std::fflush(stdout);
  }
  return 0;
}

// Runs one seed in a child process; its status names the kind of failure.
DWORD RunChild(uint32_t Seed, int Calls) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring line = L"\"" + std::wstring(self) + L"\" --one " + std::to_wstring(Seed) + L" " + std::to_wstring(Calls);
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return 99;
  // The child's own watchdog ends a hang; this limit only guards against a child that cannot.
  if (WaitForSingleObject(pi.hProcess, 300000) == WAIT_TIMEOUT) {
    TerminateProcess(pi.hProcess, kFailureStatusHang);
    WaitForSingleObject(pi.hProcess, INFINITE);
    std::printf("seed %u: FAILED hang: the run was ended from outside\n", static_cast<unsigned>(Seed));
  }
  DWORD status = 99;
  GetExitCodeProcess(pi.hProcess, &status);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  std::fflush(stdout);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "--one") == 0)
    return RunInOne(std::vector<uint32_t>(argc > 4 ? std::max(1, std::atoi(argv[4])) : 1,
                                          static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10))),
                    argc > 3 ? std::atoi(argv[3]) : 300);
  if (argc > 2 && std::strcmp(argv[1], "--in-one") == 0)
    return RunInOne(SeedList(argv[2]), argc > 3 ? std::atoi(argv[3]) : 300);
  std::vector<uint32_t> seeds;
  int calls = 300;
  if (argc > 1 && std::strcmp(argv[1], "--seeds") == 0) {
    if (argc > 2) seeds = SeedList(argv[2]);
    if (argc > 3) calls = std::atoi(argv[3]);
  } else {
    const uint32_t first = argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1;
    const int count = argc > 2 ? std::atoi(argv[2]) : 1;
    if (argc > 3) calls = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) seeds.push_back(first + static_cast<uint32_t>(i));
  }
  std::map<std::string, int> kinds;
  std::string failing;
  for (uint32_t seed : seeds) {
    const DWORD status = RunChild(seed, calls);
    if (status == 0) continue;
    ++kinds[FailureKindOfStatus(status)];
    failing += " " + std::to_string(seed);
  }
  int failed = 0;
  std::string byKind;
  for (const auto& k : kinds) {
    failed += k.second;
    byKind += (byKind.empty() ? "" : ", ") + k.first + " " + std::to_string(k.second);
  }
  std::printf("summary: %zu seeds of %d calls: %zu passed, %d failed%s%s\n", seeds.size(), calls,
              seeds.size() - static_cast<size_t>(failed), failed, byKind.empty() ? "" : (" (" + byKind + ")").c_str(),
              failing.empty() ? "" : ("; failing:" + failing).c_str());
  return failed ? 1 : 0;
}
