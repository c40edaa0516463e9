// The built-in skin that the Windows benchmarks measure their skinned controls with.
#pragma once

#include "skin/SkinBuiltIn.h"
#include "skin/SkinData.h"

namespace bench {

// The program's built-in skin, unpacked into a new stored skin that the
// caller frees (and may load again, to time a skin switch).
inline TspCompressedStoredSkin* NewBuiltInStoredSkin() {
  auto* stored = new TspCompressedStoredSkin(nullptr);
  LoadBuiltInSkin(stored);
  return stored;
}

// New skin data, owned by the caller, loaded from Stored.
inline TspSkinData* NewSkinData(TspCompressedStoredSkin* Stored) {
  auto* data = new TspSkinData(nullptr);
  data->LoadCompressedStoredSkin(Stored);
  return data;
}

}  // namespace bench
