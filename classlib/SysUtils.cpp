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

bool DeleteFile(const String& FileName) {
#ifdef _WIN32
  return _wremove(FileName.c_str()) == 0;
#else
  return std::remove(WideToUtf8(FileName).c_str()) == 0;
#endif
}
