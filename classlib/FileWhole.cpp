// Saving a file through a temporary file beside it.
#include "classlib/FileWhole.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

#include "classlib/Classes.h"
#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Makes a new empty file of a name no other file has, beside FileName.
String NewFileBeside(const String& FileName) {
  static unsigned counter = 0;
  const auto clock = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  int cause = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const String name = FileName + L"." + IntToStr(static_cast<int64_t>((clock + ++counter * 7919u) % 1000000u)) + L".tmp";
#ifdef _WIN32
    const int fd = _wopen(name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd >= 0) {
      _close(fd);
      return name;
    }
#else
    const int fd = open(WideToUtf8(name).c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
    if (fd >= 0) {
      close(fd);
      return name;
    }
#endif
    cause = errno;
    if (cause != EEXIST) break;
  }
  throw EFCreateError(L"Cannot create file \"" + FileName + L"\": " + FileErrorText(cause));
}

// Writes Bytes at the stream's position, every byte checked.
void WriteAll(TFileStream& Stream, const std::string& Bytes) {
  errno = 0;
  const auto size = static_cast<int64_t>(Bytes.size());
  if (size > 0 && Stream.Write(Bytes.data(), size) != size)
    throw EWriteError(L"Cannot write file \"" + Stream.FileName() + L"\": " + FileWriteErrorText(errno));
}

}  // namespace

void SaveFileWhole(const String& FileName, const std::string& Bytes) {
  const String temp = NewFileBeside(FileName);
  bool writingOver = false;  // the old file is no longer as it was
  try {
    {
      TFileStream stream(temp, fmOpenWrite);
      WriteAll(stream, Bytes);
      stream.Commit();
    }
    bool inUse = false;
    const String why = ReplaceFileWith(temp, FileName, inUse);
    if (why.empty()) return;
    if (!inUse) throw EWriteError(L"Cannot put \"" + temp + L"\" in its place: " + why);
    TFileStream target(FileName, fmOpenWrite);  // refused unless the holder shares writing
    writingOver = true;
    WriteAll(target, Bytes);
    target.SetSize(static_cast<int64_t>(Bytes.size()));
    target.Commit();
  } catch (const EStreamError& e) {
    if (writingOver)
      throw EWriteError(L"Cannot save file \"" + FileName + L"\", held open elsewhere, over which it was written: " +
                        e.Message() + L"; the whole new text is in \"" + temp + L"\"");
    RemoveFile(temp);
    throw EWriteError(L"Cannot save file \"" + FileName + L"\": " + e.Message());
  } catch (...) {
    RemoveFile(temp);
    throw;
  }
  RemoveFile(temp);
}
