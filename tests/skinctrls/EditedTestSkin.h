// The test skin copied to a folder of its own with some of its INI values
// changed, as a skin author edits a skin: for skins that differ from the test
// skin in one value, or hold a value the shipped skins never use.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "../skin/SkinTestData.h"
#include "classlib/Classes.h"
#include "classlib/Graphics.h"

struct TIniEdit {
  std::string Section, Key, Value;  // Value replaces the key's, or is added
  // With an empty Key, Value is text added at the end of the file.
};

// A picture of the skin replaced by one of a single colour and another size.
struct TPictureEdit {
  const wchar_t* File;
  int Width, Height;
  TColor Color;
};

// Writes the skin of the project's folder skins/Base, edited, into a folder
// named after Base and Name and returns the path of its skin.ini. A section
// the skin lacks is added at its end.
inline String EditedSkin(const char* Base, const wchar_t* Name, const std::vector<TIniEdit>& Edits,
                         const std::vector<TPictureEdit>& Pictures = {}) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const String base = ProjectPath((std::string("skins/") + Base + "/").c_str());
  const String folder = String(temp) + L"skingui-" + String(Base, Base + strlen(Base)) + L"-" + Name + L"-" +
                        std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((base + L"*.bmp").c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
    CopyFileW((base + found.cFileName).c_str(), (folder + found.cFileName).c_str(), FALSE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  TFileStream in(base + L"skin.ini", fmOpenRead);
  std::string ini(static_cast<size_t>(in.Size()), '\0');
  in.ReadBuffer(ini.data(), static_cast<int>(ini.size()));
  for (const TPictureEdit& p : Pictures) {
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(p.Width, p.Height);
    picture.Canvas()->Brush()->SetColor(p.Color);
    picture.Canvas()->FillRect(TRect(0, 0, p.Width, p.Height));
    picture.SaveToFile(folder + p.File);
  }
  for (const TIniEdit& e : Edits) {
    if (e.Key.empty()) {
      ini += e.Value;
      continue;
    }
    const std::string header = "[" + e.Section + "]\r\n";
    if (ini.find(header) == std::string::npos) ini += "\r\n" + header;
    const size_t start = ini.find(header) + header.size();
    const size_t end = std::min(ini.find("\r\n[", start), ini.size());
    const std::string line = e.Key + "=" + e.Value + "\r\n";
    size_t at = ini.find("\r\n" + e.Key + "=", start - 2);
    if (at != std::string::npos && at < end) {
      at += 2;
      ini.replace(at, ini.find("\r\n", at) + 2 - at, line);
    } else {
      ini.insert(start, line);
    }
  }
  TFileStream out(folder + L"skin.ini", fmCreate);
  out.WriteBuffer(ini.data(), static_cast<int>(ini.size()));
  return folder + L"skin.ini";
}

// The test skin, edited.
inline String EditedTestSkin(const wchar_t* Name, const std::vector<TIniEdit>& Edits,
                             const std::vector<TPictureEdit>& Pictures = {}) {
  return EditedSkin("Test", Name, Edits, Pictures);
}
