// SkinArt: draws the library's built-in skin (Default), its dark variant
// (Dark) and the frame objects' skin (Objects), and writes each skin folder:
// the BMP pictures and skin.ini.
//
// The folders under skins/ are generated: change the palettes or the drawing
// functions here, rebuild, and run from the project folder
//   cmake --build build/win32 --target SkinArt
//   wine build/win32/tools/SkinArt/SkinArt.exe skins
// then commit the changed files. The build packs the folders into .skn files
// and embeds Default; it never runs this program.
#include <cstdio>
#include <filesystem>

#include "classlib/TextCodec.h"
#include "tools/SkinArt/ArtSkin.h"

#ifdef _WIN32
#include "classlib/HeapCheck.h"
#endif

namespace {

// A folder's name as a String: the system's own wide name on Windows, its
// UTF-8 bytes elsewhere (whatever the C library's locale).
String FolderName(const std::filesystem::path& Folder) {
#ifdef _WIN32
  return Folder.wstring();
#else
  return Utf8ToWide(Folder.string());
#endif
}

}  // namespace

// The folder is taken as the system gives it: on Windows the wide command
// line, so that a folder named in any script is written where it is named.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
#else
int main(int argc, char** argv) {
#endif
  if (argc != 2) {
    std::fprintf(stderr, "Usage: SkinArt <skins folder>\n");
    return 2;
  }
  try {
    for (const TSkinPalette& palette : {DefaultPalette(), DarkPalette(), ObjectsPalette()}) {
      const std::filesystem::path folder = std::filesystem::path(argv[1]) / palette.Folder;
      std::filesystem::create_directories(folder);
      BuildSkin(palette, FolderName(folder));
      std::printf("%s\n", WideToUtf8(FolderName(folder)).c_str());
    }
#ifdef _WIN32
    // The host build runs under the sanitizers instead, which see the same faults.
    if (!ProcessHeapsValid()) {
      std::fprintf(stderr, "SkinArt: the heaps are unsound at the end\n");
      return 1;
    }
#endif
    return 0;
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", WideToUtf8(e.Message()).c_str());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
