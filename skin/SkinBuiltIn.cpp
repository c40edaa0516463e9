// Loading the built-in skin from the program's resources.
#include "skin/SkinBuiltIn.h"

#include <windows.h>

void LoadBuiltInSkin(TspCompressedStoredSkin* Stored) { LoadBuiltInSkin(Stored, GetModuleHandleW(nullptr)); }

void LoadBuiltInSkin(TspCompressedStoredSkin* Stored, void* Instance) {
  if (!FindResourceW(static_cast<HMODULE>(Instance), kBuiltInSkinResource, MAKEINTRESOURCEW(10)))  // RT_RCDATA
    throw EResNotFound(String(L"The program holds no built-in skin (resource ") + kBuiltInSkinResource +
                       L"): link it with the CMake function skingui_embed_default_skin");
  Stored->LoadFromResource(Instance, kBuiltInSkinResource);
}
