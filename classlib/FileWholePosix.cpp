// The one-step replace of a file on POSIX systems (the host build).
#include <cerrno>
#include <cstdio>

#include "classlib/Classes.h"
#include "classlib/FileWhole.h"
#include "classlib/TextCodec.h"

String ReplaceFileWith(const String& NewFile, const String& Target, bool& InUse) {
  InUse = false;  // a rename does not mind who holds the file open
  if (std::rename(WideToUtf8(NewFile).c_str(), WideToUtf8(Target).c_str()) == 0) return String();
  return FileErrorText(errno);
}
