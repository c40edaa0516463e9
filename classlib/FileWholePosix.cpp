// The whole-file save's calls to a POSIX system (the host build).
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "classlib/Classes.h"
#include "classlib/FileWholeSystem.h"
#include "classlib/TextCodec.h"

String SaveTarget(const String& FileName) {
  char* real = realpath(WideToUtf8(FileName).c_str(), nullptr);
  if (!real) return FileName;
  const String path = Utf8ToWide(real);
  std::free(real);
  return path;
}

String WriteRefusal(const String& Target) {
  const std::string path = WideToUtf8(Target);
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return String();
  // No write bit at all is read-only even for a user whom the system lets through.
  if ((info.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0)
    return FileErrorText(EACCES) + L" (the file is read-only)";
  return String();
}

String CopyFileLook(const String& Target, const String& NewFile) {
  struct stat info;
  if (stat(WideToUtf8(Target).c_str(), &info) != 0) return String();  // a new file
  const std::string path = WideToUtf8(NewFile);
  // The owner only changes where the system allows it (to an administrator).
  if (info.st_uid != geteuid() || info.st_gid != getegid())
    if (chown(path.c_str(), info.st_uid, info.st_gid) != 0 && errno != EPERM) return FileErrorText(errno);
  if (chmod(path.c_str(), info.st_mode & 07777) != 0) return FileErrorText(errno);
  return String();
}

String ReplaceFileWith(const String& NewFile, const String& Target, bool& InUse) {
  InUse = false;  // a rename does not mind who holds the file open
  if (std::rename(WideToUtf8(NewFile).c_str(), WideToUtf8(Target).c_str()) == 0) return String();
  return FileErrorText(errno);
}
