// The main of every Windows test program. An exception escaping a message
// handler is caught by the application, which would show a message box and
// leave the test waiting for it; here it fails the running test instead,
// with the exception's message. A test that leaves a heap of the process
// unsound (a write into a freed block, an overrun, a double free) fails too.
#include "tests/WindowsTestMain.h"

#include <gtest/gtest.h>

#include "classlib/DeferredFree.h"
#include "classlib/Forms.h"
#include "classlib/HeapCheck.h"

namespace {

int gExceptions = 0;

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
    Application->OnException = FailTheRunningTest;
  }

  // Runs before the result is printed, so the failure counts for this test.
  // Only the first test to leave a heap unsound fails: the fault stays there.
  // What the test freed from its handlers is released first, as the
  // message loop would.
  void OnTestEnd(const ::testing::TestInfo& Test) override {
    ReleaseDeferredFrees();
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
  ::testing::UnitTest::GetInstance()->listeners().Append(new ExceptionsFailTheTest);
  return RUN_ALL_TESTS();
}
