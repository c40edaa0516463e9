// The built-in skin: the packed default skin that a program carries as an
// RCDATA resource (linked in by the CMake function skingui_embed_default_skin).
#pragma once

#include "skin/SkinStoredSkin.h"

// Name of the resource that holds the built-in skin.
constexpr const wchar_t* kBuiltInSkinResource = L"SKINGUI_DEFAULT_SKIN";

// Loads the running program's built-in skin into Stored. A program linked
// without it raises EResNotFound, and Stored stays as it was.
void LoadBuiltInSkin(TspCompressedStoredSkin* Stored);
// The same from the module Instance (an HMODULE).
void LoadBuiltInSkin(TspCompressedStoredSkin* Stored, void* Instance);
