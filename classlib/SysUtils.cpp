#include "classlib/SysUtils.h"

#include <utility>

#include "classlib/TextCodec.h"

Exception::Exception(String message) : FMessage(std::move(message)), FWhat(WideToUtf8(FMessage)) {}

#include <cstdio>
#include <sys/stat.h>

bool FileExists(const String& FileName) {
#ifdef _WIN32
  struct _stat64 st;
  return _wstat64(FileName.c_str(), &st) == 0 && (st.st_mode & _S_IFDIR) == 0;
#else
  struct stat st;
  return stat(WideToUtf8(FileName).c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

bool RemoveFile(const String& FileName) {
#ifdef _WIN32
  return _wremove(FileName.c_str()) == 0;
#else
  return std::remove(WideToUtf8(FileName).c_str()) == 0;
#endif
}

// ---------------------------------------------------------------------------
// File names

namespace {

bool IsFolderDelimiter(wchar_t c) { return c == L'\\' || c == L'/'; }

// Index just past the last folder or drive delimiter; 0 when there is none.
size_t NameStart(const String& FileName) {
  size_t i = FileName.size();
  while (i > 0 && !IsFolderDelimiter(FileName[i - 1]) && FileName[i - 1] != L':') --i;
  return i;
}

// Index of the extension's dot within the file-name part, or npos.
size_t ExtensionDot(const String& FileName) {
  size_t dot = FileName.rfind(L'.');
  return dot == String::npos || dot < NameStart(FileName) ? String::npos : dot;
}

}  // namespace

String ExtractFilePath(const String& FileName) { return FileName.substr(0, NameStart(FileName)); }

String ExtractFileName(const String& FileName) { return FileName.substr(NameStart(FileName)); }

String ExtractFileExt(const String& FileName) {
  size_t dot = ExtensionDot(FileName);
  return dot == String::npos ? String() : FileName.substr(dot);
}

String ChangeFileExt(const String& FileName, const String& Extension) {
  size_t dot = ExtensionDot(FileName);
  return (dot == String::npos ? FileName : FileName.substr(0, dot)) + Extension;
}

String IncludeTrailingPathDelimiter(const String& S) {
  if (!S.empty() && IsFolderDelimiter(S.back())) return S;
  return S + PathDelim;
}
