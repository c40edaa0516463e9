// The main of every Windows test program. An exception escaping a message
// handler is caught by the application, which would show a message box and
// leave the test waiting for it; here it fails the running test instead,
// with the exception's message. A test that leaves a heap of the process
// unsound (a write into a freed block, an overrun, a double free) fails too.
#include "tests/WindowsTestMain.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "classlib/DeferredFree.h"
#include "classlib/Forms.h"
#include "classlib/HeapCheck.h"

namespace {

int gExceptions = 0;
// Faults of the program's own code (an access through a freed or wild
// pointer), counted as they happen: the system swallows one raised inside a
// window procedure it called back, and the test would go on as if nothing
// happened.
volatile LONG gFaults = 0;
void* volatile gFaultAddress = nullptr;

bool InThisProgram(const void* Address) {
  const auto* image = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
  const auto* at = static_cast<const BYTE*>(Address);
  return at >= image && at < image + nt->OptionalHeader.SizeOfImage;
}

LONG CALLBACK RecordFault(EXCEPTION_POINTERS* Info) {
  const DWORD code = Info->ExceptionRecord->ExceptionCode;
  const bool fault = code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_ILLEGAL_INSTRUCTION ||
                     code == EXCEPTION_INT_DIVIDE_BY_ZERO || code == EXCEPTION_STACK_OVERFLOW;
  if (fault && InThisProgram(Info->ExceptionRecord->ExceptionAddress)) {
    gFaultAddress = Info->ExceptionRecord->ExceptionAddress;
    InterlockedIncrement(&gFaults);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

void FailTheRunningTest(TObject* Sender, const std::exception* E) {
  ++gExceptions;
  const String from = Sender ? Sender->ClassName() : String(L"(no sender)");
  if (auto* e = dynamic_cast<const Exception*>(E))
    ADD_FAILURE() << "exception in a message handler of " << from << ": " << e->Message();
  else if (E)
    ADD_FAILURE() << "exception in a message handler of " << from << ": " << E->what();
  else
    ADD_FAILURE() << "exception of an unknown type in a message handler of " << from;
}

// Installed again before each test, so that a test that sets its own
// handler, or clears it, leaves the next test covered.
class ExceptionsFailTheTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    gExceptions = 0;
    gFaults = 0;
    Application->OnException = FailTheRunningTest;
  }

  // Runs before the result is printed, so the failure counts for this test.
  // Only the first test to leave a heap unsound fails: the fault stays there.
  // What the test freed from its handlers is released first, as the
  // message loop would.
  void OnTestEnd(const ::testing::TestInfo& Test) override {
    ReleaseDeferredFrees();
    if (gFaults > 0)
      ADD_FAILURE() << gFaults << " fault(s) in the program's code during the test, the first at "
                    << gFaultAddress << " (the system may have swallowed it in a window procedure)";
    if (FHeapsFaulty || ProcessHeapsValid()) return;
    FHeapsFaulty = true;
    ADD_FAILURE() << Test.test_suite_name() << "." << Test.name()
                  << " left a heap of the process unsound (see err:heap above)";
  }

  bool FHeapsFaulty = false;
};

}  // namespace

int ExceptionsReachingApplication() { return gExceptions; }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  AddVectoredExceptionHandler(1, RecordFault);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ExceptionsFailTheTest);
  return RUN_ALL_TESTS();
}
