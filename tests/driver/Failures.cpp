// The traps: each failure is printed as "seed N: FAILED kind: detail" with
// the run's last calls, and ends the program (what follows a fault proves nothing).
#include "tests/driver/Failures.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"
#include "tests/driver/Driver.h"

namespace {

volatile uint32_t gSeed = 0;
const char* volatile gWhat = "seed";
constexpr unsigned kHangMs = 60000;    // a call this long never returns (a skin switch on a busy machine takes seconds)
constexpr unsigned kStuckMs = 1500;    // a menu or drag loop this long is closed

// The fault's report is written into fixed buffers: after a heap's
// corruption an allocation faults again, and the report would be lost.
class TFixedText {
 public:
  TFixedText& Add(const char* Text) {
    std::strncat(FText, Text, sizeof FText - std::strlen(FText) - 1);
    return *this;
  }
  TFixedText& AddHex(uintptr_t V) {
    char b[16];
    std::snprintf(b, sizeof b, "0x%08lx", static_cast<unsigned long>(V));
    return Add(b);
  }
  const char* Text() const { return FText; }

 private:
  char FText[1024] = "";
};

void ModuleOf(const void* Address, char (&Name)[MAX_PATH]) {
  HMODULE m = nullptr;
  std::strcpy(Name, "?");
  if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<const char*>(Address), &m))
    GetModuleFileNameA(m, Name, MAX_PATH);
  if (const char* slash = std::strrchr(Name, '\\')) std::memmove(Name, slash + 1, std::strlen(slash));
}

// Faults the system's own code raises and handles itself (probing memory) are
// not the program's.
bool SystemsOwn(const char* Module) {
  for (const char* own : {"ntdll.dll", "kernelbase.dll", "kernel32.dll"})
    if (_stricmp(Module, own) == 0) return true;
  return false;
}

HANDLE gMainThread = nullptr;

// Likely callers: the values on the stack from Esp up that point into the
// program's code (a scan, as frames keep no chain in optimized code).
void StackScan(uintptr_t Eip, uintptr_t Esp, TFixedText& To) {
  auto* base = reinterpret_cast<const unsigned char*>(GetModuleHandleW(nullptr));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const uintptr_t lo = reinterpret_cast<uintptr_t>(base) + nt->OptionalHeader.BaseOfCode;
  const uintptr_t hi = lo + nt->OptionalHeader.SizeOfCode;
  To.Add("  stack:");
  if (Eip >= lo && Eip < hi) To.Add(" ").AddHex(Eip);  // else in the system's code
  int found = 0;
  MEMORY_BASIC_INFORMATION m = {};
  if (!VirtualQuery(reinterpret_cast<void*>(Esp), &m, sizeof m)) return;
  const uintptr_t end = reinterpret_cast<uintptr_t>(m.BaseAddress) + m.RegionSize;
  for (uintptr_t p = Esp; p + 4 <= end && found < 16; p += 4) {
    const uintptr_t v = *reinterpret_cast<const uintptr_t*>(p);
    if (v >= lo && v < hi) {
      To.Add(" ").AddHex(v);
      ++found;
    }
  }
}

LONG CALLBACK OnFault(EXCEPTION_POINTERS* P) {
  const EXCEPTION_RECORD* r = P->ExceptionRecord;
  const char* what = nullptr;
  switch (r->ExceptionCode) {
    case EXCEPTION_ACCESS_VIOLATION: what = "access violation"; break;
    case EXCEPTION_STACK_OVERFLOW: what = "stack overflow"; break;
    case EXCEPTION_ILLEGAL_INSTRUCTION: what = "illegal instruction"; break;
    case EXCEPTION_PRIV_INSTRUCTION: what = "privileged instruction"; break;
    case EXCEPTION_INT_DIVIDE_BY_ZERO: what = "division by zero"; break;
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED: what = "array bounds"; break;
    case 0xC0000374: what = "heap corruption"; break;
    default: return EXCEPTION_CONTINUE_SEARCH;
  }
  static char module[MAX_PATH];
  ModuleOf(r->ExceptionAddress, module);
  if (SystemsOwn(module) && r->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) return EXCEPTION_CONTINUE_SEARCH;
  static TFixedText report;
  report.Add("fault: ").Add(what).Add(" at ").AddHex(reinterpret_cast<uintptr_t>(r->ExceptionAddress)).Add(" in ").Add(module);
  if (r->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && r->NumberParameters >= 2)
    report.Add(r->ExceptionInformation[0] ? " writing " : " reading ").AddHex(r->ExceptionInformation[1]);
  report.Add("\n");
  StackScan(P->ContextRecord->Eip, P->ContextRecord->Esp, report);
  ReportAndEnd(report.Text());
}

void OnTerminate() {
  std::string detail = "std::terminate";
  if (std::exception_ptr e = std::current_exception()) {
    try {
      std::rethrow_exception(e);
    } catch (const std::exception& x) {
      detail += " with " + std::string(x.what());
    } catch (...) {
      detail += " with an unknown exception";
    }
  }
  ReportAndEnd("terminate: " + detail);
}

void OnApplicationException(TObject* Sender, const std::exception* E) {
  TDriver* d = TDriver::Running();
  if (d && d->Provoked() > 0) {
    --d->Provoked();
    d->Log("   (the provoked exception reached the application)");
    return;
  }
  const std::string from = Sender ? WideToUtf8(Sender->ClassName()) : "(no sender)";
  std::string what = E ? E->what() : "an exception of an unknown type";
  if (auto* x = dynamic_cast<const Exception*>(E)) what = WideToUtf8(x->Message());
  if (d) d->Fail("exception reported", what + " (from " + from + ")");
}

// Counts its own half-second sleeps while one call runs, rather than reading
// a clock that a busy machine may make jump.
DWORD WINAPI WatchForHangs(void*) {
  unsigned seen = 0, sleeps = 0;
  for (;;) {
    Sleep(500);
    TDriver* d = TDriver::Running();
    const unsigned serial = d ? d->CallSerial() : 0;
    sleeps = d && d->CallStart() && serial == seen ? sleeps + 1 : 0;
    seen = serial;
    if (sleeps * 500 <= kHangMs) continue;
    static TFixedText report;
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%u", kHangMs / 1000);
    report.Add("hang: a call did not return within ").Add(seconds).Add(" s");
    CONTEXT c = {};
    c.ContextFlags = CONTEXT_FULL;
    if (SuspendThread(gMainThread) != static_cast<DWORD>(-1) && GetThreadContext(gMainThread, &c))
      StackScan(c.Eip, c.Esp, report.Add("\n"));
    ReportAndEnd(report.Text());
  }
}

// A menu loop, a drag or a modal form that a call opened and input left open
// ends, as a user would end it: the Escape key, the buttons let go, the menu
// ended, the capture released, the modal forms closed. The capture goes from
// the second round on: the system's move and size loop ends on its button's
// release only while it holds the capture (without it the release is the
// frame's, and Wine's loop then waits for ever).
void CALLBACK CloseStuckLoops(HWND, UINT, UINT_PTR, DWORD) {
  TDriver* d = TDriver::Running();
  if (!d || d->CallAge() < kStuckMs) return;
  static unsigned closed = 0;
  const bool first = closed != d->CallStart();
  if (first) d->Log("   (closer: Escape, buttons up, EndMenu, ReleaseCapture, modal forms closed)");
  closed = d->CallStart();
  INPUT in[4] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  in[2].type = in[3].type = INPUT_MOUSE;
  in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  in[3].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(4, in, sizeof(INPUT));
  EndMenu();
  if (!first) ReleaseCapture();
  for (TCustomForm* f : d->ModalForms())
    if (d->Live().Alive(f) && f->HandleAllocated()) PostMessageW(f->Handle(), WM_CLOSE, 0, 0);
}

}  // namespace

void SetRunningSeed(uint32_t Seed, const char* What) {
  gSeed = Seed;
  gWhat = What;
}

namespace {

// The kinds of failure in the order of their statuses, from 1.
const char* const kKinds[] = {"fault", "heap", "hang", "terminate", "exception reported", "std exception",
                              "unknown exception"};
constexpr unsigned kKindCount = sizeof kKinds / sizeof kKinds[0];

unsigned StatusOfFailure(const char* Failure) {
  for (unsigned i = 0; i < kKindCount; ++i)
    if (std::strncmp(Failure, kKinds[i], std::strlen(kKinds[i])) == 0) return i + 1;
  return kKindCount + 1;
}

}  // namespace

std::string FailureKindOfStatus(unsigned Status) {
  return Status >= 1 && Status <= kKindCount ? kKinds[Status - 1] : "died (status " + std::to_string(Status) + ")";
}

void ReportAndEnd(const std::string& Failure) { ReportAndEnd(Failure.c_str()); }

void ReportAndEnd(const char* Failure) {
  std::printf("%s %u: FAILED %s\n", gWhat, static_cast<unsigned>(gSeed), Failure);
  if (TDriver* d = TDriver::Running()) {
    std::printf("  last calls:\n");
    d->Calls().Print(stdout);
  }
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), StatusOfFailure(Failure));
  for (;;) Sleep(1000);
}

void InstallFailureTraps() {
  // The output's buffer is the program's own, not one allocated at the first
  // print: a fault's report may be the first.
  static char output[1 << 16];
  std::setvbuf(stdout, output, _IOFBF, sizeof output);
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &gMainThread, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  AddVectoredExceptionHandler(1, OnFault);
  std::set_terminate(OnTerminate);
  Application->OnException = OnApplicationException;
  CloseHandle(CreateThread(nullptr, 0, WatchForHangs, nullptr, 0, nullptr));
  SetTimer(nullptr, 0, 250, CloseStuckLoops);
}
