// The one-step replace of a file under Windows.
#include <windows.h>

#include "classlib/FileWhole.h"
#include "classlib/SysUtils.h"

String ReplaceFileWith(const String& NewFile, const String& Target, bool& InUse) {
  // ReplaceFileW would keep the old file's attributes, but it refuses a
  // missing target and fails under Wine: a move is one step on either.
  if (MoveFileExW(NewFile.c_str(), Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return String();
  const DWORD code = GetLastError();
  InUse = code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED;
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  String why = text ? Trim(String(text)) : String();
  if (text) LocalFree(text);
  return why.empty() ? L"system error " + IntToStr(static_cast<int64_t>(code)) : why;
}
