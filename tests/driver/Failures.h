// How a driver run fails: a fault (access, heap, stack), std::terminate, a
// call that never returns, or an exception reported through the application
// that the driver did not provoke. Each prints the seed and its last calls.
#pragma once

#include <cstdint>
#include <string>

// A failed seed's process ends with the status of its failure's kind.
constexpr unsigned kFailureStatusHang = 3;
// The kind ("fault", "heap", "hang", ...) a failed process's status stands for.
std::string FailureKindOfStatus(unsigned Status);

// Installs the traps for the whole program: a fault handler, a terminate
// handler, the application's exception handler, the hang watchdog and a
// closer of menu and drag loops that a call left open.
void InstallFailureTraps();
// The seed that runs now, for the reports; What names what the number counts
// ("seed", or "pair" for the event table).
void SetRunningSeed(uint32_t Seed, const char* What = "seed");
// Prints the failure with the last calls and ends the program with its kind's status.
[[noreturn]] void ReportAndEnd(const std::string& Failure);
// The same without allocating, for a fault that may follow a heap's corruption.
[[noreturn]] void ReportAndEnd(const char* Failure);
