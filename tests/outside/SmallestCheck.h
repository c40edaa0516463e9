// What the smallest programs share: the built-in skin loaded, and checks that
// print what failed and count it for the exit code.
#pragma once

#include <cstdio>

#include "ControlTestUtils.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinData.h"

inline int gFailures = 0;

inline void Check(bool Holds, const char* What) {
  if (Holds) return;
  std::fprintf(stderr, "FAILED: %s\n", What);
  ++gFailures;
}

inline TspSkinData* LoadBuiltInSkinData(TComponent* Owner) {
  TspCompressedStoredSkin stored(nullptr);
  LoadBuiltInSkin(&stored);
  auto* skin = new TspSkinData(Owner);
  skin->LoadCompressedStoredSkin(&stored);
  return skin;
}

// The exit code: 0 when every check held.
inline int Finish(const char* Program) {
  std::printf("%s: %s\n", Program, gFailures ? "FAILED" : "ok");
  return gFailures ? 1 : 0;
}
