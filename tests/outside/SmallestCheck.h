// What the smallest programs share: the built-in skin loaded, and checks that
// print what failed and count it for the exit code.
#pragma once

#include <cstdio>

#include "ControlTestUtils.h"
#include "classlib/HeapCheck.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinData.h"

inline int gFailures = 0;

inline void Check(bool Holds, const char* What) {
  if (Holds) return;
  std::fprintf(stderr, "FAILED: %s\n", What);
  ++gFailures;
}

// An exception a message handler lets out fails the program (the wait
// helpers stop at it) instead of showing the application's message box.
// Each program is a single source file, so this definition stands once.
int gHandlerExceptions = 0;
int ExceptionsReachingApplication() { return gHandlerExceptions; }

inline void FailOnHandlerExceptions() {
  Application->OnException = [](TObject*, const std::exception* E) {
    ++gHandlerExceptions;
    Check(false, E ? E->what() : "an exception of unknown type in a message handler");
  };
}

// The built-in skin, with handler exceptions failing the program from here on.
inline TspSkinData* LoadBuiltInSkinData(TComponent* Owner) {
  FailOnHandlerExceptions();
  TspCompressedStoredSkin stored(nullptr);
  LoadBuiltInSkin(&stored);
  auto* skin = new TspSkinData(Owner);
  skin->LoadCompressedStoredSkin(&stored);
  return skin;
}

// The exit code: 0 when every check held and the run left the heaps sound.
inline int Finish(const char* Program) {
  Check(ProcessHeapsValid(), "the heaps are sound at the end (see err:heap above)");
  std::printf("%s: %s\n", Program, gFailures ? "FAILED" : "ok");
  return gFailures ? 1 : 0;
}
