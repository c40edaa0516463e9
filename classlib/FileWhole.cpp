// Saving a file through a temporary file beside it, and loading a file whole.
#include "classlib/FileWhole.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "classlib/Classes.h"
#include "classlib/FileWholeSystem.h"
#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

String Num(int64_t Value) { return IntToStr(Value); }

// The longest name a folder entry may have: 255 UTF-16 units on Windows'
// disks, 255 bytes of UTF-8 on others (Wine's among them). A name counted in
// UTF-8 bytes, never fewer than its UTF-16 units, fits both.
constexpr size_t kMaxNameLength = 255;

size_t NameLength(const String& Name) { return WideToUtf8(Name).size(); }

// The start of a temporary name beside Target: Target itself, cut where the
// name and the Suffix would pass the longest name a folder takes.
String TempStem(const String& Target, size_t Suffix) {
  const size_t folder = Target.find_last_of(L"\\/:") + 1;  // 0 when none
  String stem = Target;
  while (stem.size() > folder && NameLength(stem.substr(folder)) + Suffix > kMaxNameLength) {
    stem.pop_back();
    if (!stem.empty() && stem.back() >= 0xD800 && stem.back() <= 0xDBFF) stem.pop_back();  // half a pair
  }
  return stem;
}

// Makes a new empty file of a name no other file has, beside Target. In
// place of an old file it is the owner's alone until it takes the old one's
// security, so that no one else reads the new text meanwhile.
String NewFileBeside(const String& Target, const String& FileName) {
#ifndef _WIN32
  const mode_t mode = FileExists(Target) ? 0600 : 0666;
#endif
  static unsigned counter = 0;
  const auto clock = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  const String stem = TempStem(Target, 11);  // "." and six digits and ".tmp"
  int cause = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    String digits = Num(static_cast<int64_t>((clock + ++counter * 7919u) % 1000000u));
    digits.insert(0, 6 - digits.size(), L'0');
    const String name = stem + L"." + digits + L".tmp";
#ifdef _WIN32
    const int fd = _wopen(name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd >= 0) {
      _close(fd);
      return name;
    }
#else
    const int fd = open(WideToUtf8(name).c_str(), O_CREAT | O_EXCL | O_WRONLY, mode);
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
void WriteAll(TFileStream& Stream, const void* Bytes, size_t Size) {
  errno = 0;
  const auto size = static_cast<int64_t>(Size);
  if (size > 0 && Stream.Write(Bytes, size) != size)
    throw EWriteError(L"Cannot write file \"" + Stream.FileName() + L"\": " + FileWriteErrorText(errno));
}

}  // namespace

void SaveFileWhole(const String& FileName, const void* Bytes, size_t Size) {
  const String target = SaveTarget(FileName);
  const String refusal = WriteRefusal(target);
  if (!refusal.empty()) throw EFCreateError(L"Cannot create file \"" + FileName + L"\": " + refusal);
  const String temp = NewFileBeside(target, FileName);
  String failure;
  bool keepTemp = false;  // the old file was written over in part: the temporary file holds the new text
  try {
    {
      TFileStream stream(temp, fmOpenWrite);
      WriteAll(stream, Bytes, Size);
      stream.Commit();
    }
    const String look = CopyFileLook(target, temp);
    if (!look.empty()) throw EWriteError(L"Cannot give \"" + temp + L"\" the old file's attributes: " + look);
    bool inUse = false;
    String why = ReplaceFileWith(temp, target, inUse);
    if (why.empty()) return;
#ifdef _WIN32
    if (inUse) {
      const String over = WriteFileOver(target, Bytes, Size, keepTemp);
      if (over.empty()) {
        RemoveFile(temp);
        return;
      }
      if (keepTemp)
        throw EWriteError(L"Cannot save file \"" + FileName + L"\", held open elsewhere, over which it was written: " +
                          over + L"; the whole new text is in \"" + temp + L"\"");
      why = over;
    }
#endif
    failure = L"Cannot put \"" + temp + L"\" in its place: " + why;
  } catch (const EStreamError& e) {
    if (keepTemp) throw;
    failure = e.Message();
  } catch (...) {
    RemoveFile(temp);
    throw;
  }
  RemoveFile(temp);
  throw EWriteError(L"Cannot save file \"" + FileName + L"\": " + failure);
}

size_t LoadableSize(int64_t Size, const String& What, int64_t Limit) {
  if (Size < 0) throw EReadError(L"Cannot read " + What + L": it gives a size of " + Num(Size) + L" bytes");
  if (Size > Limit)
    throw EReadError(L"Cannot load " + What + L": its " + Num(Size) + L" bytes are more than can be loaded (at most " +
                     Num(Limit) + L")");
  return static_cast<size_t>(Size);
}

template <class TBytes>
void SizeForLoad(TBytes& Bytes, size_t Size, const String& What) {
  try {
    Bytes.resize(Size);
  } catch (const std::exception&) {  // std::bad_alloc, std::length_error
    throw EReadError(L"Cannot load " + What + L": no memory for its " + Num(static_cast<int64_t>(Size)) + L" bytes");
  }
}
template void SizeForLoad(std::string&, size_t, const String&);
template void SizeForLoad(std::vector<uint8_t>&, size_t, const String&);

namespace {

template <class TBytes>
void LoadWhole(const String& FileName, TBytes& Bytes, int64_t Limit) {
  TFileStream file(FileName, fmOpenRead);
  const String what = L"file \"" + FileName + L"\"";
  const int64_t size = file.Size();
  TBytes bytes;
  SizeForLoad(bytes, LoadableSize(size, what, Limit), what);
  errno = 0;
  const int64_t got = size > 0 ? file.Read(&bytes[0], size) : 0;
  if (got != size)
    throw EReadError(L"Cannot read " + what + L": it gave " + Num(got) + L" of the " + Num(size) +
                     L" bytes its size says (cut while read?" + (errno ? L" " + FileErrorText(errno) : String()) + L")");
  Bytes.swap(bytes);
}

}  // namespace

void LoadFileWhole(const String& FileName, std::string& Bytes, int64_t Limit) { LoadWhole(FileName, Bytes, Limit); }

void LoadFileWhole(const String& FileName, std::vector<uint8_t>& Bytes, int64_t Limit) {
  LoadWhole(FileName, Bytes, Limit);
}
