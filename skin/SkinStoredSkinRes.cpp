// Stored skins from the program's own resources.
#include <windows.h>

#include "skin/SkinStoredSkin.h"

void TspCompressedStoredSkin::LoadFromResource(void* Instance, const String& ResName) {
  HMODULE module = static_cast<HMODULE>(Instance);
  HRSRC res = FindResourceW(module, ResName.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL handle = res ? LoadResource(module, res) : nullptr;
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) throw EResNotFound(L"Resource " + ResName + L" not found");
  LoadFromMemory(data, SizeofResource(module, res));
  FSource = ResName;
}
