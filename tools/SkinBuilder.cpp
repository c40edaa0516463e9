// Skin builder: packs a skin folder (its INI file and the BMP files it names)
// into a .skn file.
//
//   SkinBuilder <skin INI file> <output .skn file>
#include <cstdio>
#include <string>
#include <vector>

#include "classlib/HeapCheck.h"
#include "classlib/StringList.h"
#include "classlib/TextCodec.h"
#include "skin/SkinRecordIO.h"
#include "skin/SkinStoredSkin.h"

namespace {

void Report(const String& Text) { std::fprintf(stderr, "%s\n", WideToUtf8(Text).c_str()); }

// Every picture the INI names, with the key that names it.
std::vector<std::pair<String, String>> NamedPictures(const TspSkinIni& Ini) {
  std::vector<std::pair<String, String>> pictures;
  for (const wchar_t* key : {L"picture", L"inactivepicture", L"mask", L"rolluppicture", L"rollupmask"}) {
    String name = Ini.ReadString(L"PICTURES", key, String());
    if (!name.empty()) pictures.emplace_back(key, name);
  }
  std::vector<String> actives;
  ReadIndexedStrings(Ini, L"PICTURES", L"activepictures", actives);
  for (size_t i = 0; i < actives.size(); ++i)
    pictures.emplace_back(L"activepictures " + std::to_wstring(i), actives[i]);
  return pictures;
}

// Reports what keeps the folder from being a skin; true when nothing does.
bool CheckSkinFolder(const String& IniFile) {
  TStringList text;
  text.LoadFromFile(IniFile);
  std::vector<String> lines;
  for (int i = 0; i < text.Count(); ++i) lines.push_back(text.Strings(i));
  TspSkinIni ini(lines);
  bool ok = true;
  for (const String& section : MissingSkinSections(ini)) {
    Report(IniFile + L": section [" + section + L"] is missing");
    ok = false;
  }
  for (const auto& picture : NamedPictures(ini)) {
    String path = SkinFileDir(IniFile) + picture.second;
    if (picture.second.empty()) {
      Report(IniFile + L": [PICTURES] " + picture.first + L" names no file");
      ok = false;
    } else if (!FileExists(path)) {
      Report(IniFile + L": picture " + path + L" (" + picture.first + L") is missing");
      ok = false;
    }
  }
  return ok;
}

int Build(const String& IniFile, const String& OutFile) {
  if (!FileExists(IniFile)) {
    Report(L"Skin INI file " + IniFile + L" not found");
    return 1;
  }
  if (!CheckSkinFolder(IniFile)) return 1;
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(IniFile);
  TMemoryStream packed;
  stored.SaveToCompressStream(&packed);
  packed.SaveToFile(OutFile);  // whole or not at all: a failure raises and keeps the old file
  std::printf("%s: %lld compressed bytes\n", WideToUtf8(OutFile).c_str(),
              static_cast<long long>(stored.CompressedStream()->Size()));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    Report(L"Usage: SkinBuilder <skin INI file> <output .skn file>");
    return 2;
  }
  try {
    const int result = Build(argv[1], argv[2]);
    if (!ProcessHeapsValid()) {
      Report(L"SkinBuilder: the heaps are unsound at the end");
      return 1;
    }
    return result;
  } catch (const Exception& e) {
    Report(e.Message());
    return 1;
  }
}
