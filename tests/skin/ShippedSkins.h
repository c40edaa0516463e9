// The library's two shipped skins as the tests load them: Default embedded in
// the test program as its built-in skin (skingui_embed_default_skin), Dark
// from the packed file the test's CMake names in SKINGUI_DARK_SKIN.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "classlib/TextCodec.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinData.h"

inline std::unique_ptr<TspSkinData> LoadDefault() {
  TspCompressedStoredSkin stored(nullptr);
  LoadBuiltInSkin(&stored);
  auto data = std::make_unique<TspSkinData>(nullptr);
  data->LoadCompressedStoredSkin(&stored);
  return data;
}

// Empty when the variable is not set.
inline std::unique_ptr<TspSkinData> LoadDark() {
  const char* path = std::getenv("SKINGUI_DARK_SKIN");
  auto data = std::make_unique<TspSkinData>(nullptr);
  if (!path) return data;
  std::string file = path;
  if (!file.empty() && file[0] == '/') file = "Z:" + file;  // Wine maps Z: to the Unix root
  data->LoadFromCompressedFile(Utf8ToWide(file));
  return data;
}
