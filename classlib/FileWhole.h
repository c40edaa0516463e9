// Writing a file whole or not at all, and reading a file whole or not at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/Types.h"

// Replaces FileName with Bytes in one step: they go to a new temporary file
// in the same folder, every write and the close are checked and the file is
// flushed to the disk, and only then does it take the old file's place. On
// any failure the old file is as it was, the temporary file is gone, and an
// EStreamError names FileName and the cause (EFCreateError when no file can
// be made there, EWriteError for the rest).
// The new file keeps the old one's attributes (hidden, system) and security;
// a read-only file is refused, as a plain write would be. A symbolic link
// stays a link: the file it names is replaced.
// A file that another program holds open (with sharing) cannot be replaced
// under Windows, only written over: the room for the new text is made first,
// so that a full disk fails before an old byte changes; should a later write
// fail, the error says so, and that the temporary file, kept, holds the new
// text. Writing over is not whole against a kill: the file may then be
// neither old nor new, with the whole new text in the temporary file beside.
void SaveFileWhole(const String& FileName, const void* Bytes, size_t Size);
inline void SaveFileWhole(const String& FileName, const std::string& Bytes) {
  SaveFileWhole(FileName, Bytes.data(), Bytes.size());
}

// The most bytes one load takes into memory: what the address space can
// hold in one block.
constexpr int64_t MaxLoadBytes = static_cast<int64_t>(PTRDIFF_MAX);

// Checks a size given by a stream or a file (What names it in the error)
// before anything is allocated for it: a negative size or one above Limit
// raises EReadError.
size_t LoadableSize(int64_t Size, const String& What, int64_t Limit = MaxLoadBytes);

// Sizes Bytes to Size for a load, raising EReadError naming What when the
// memory cannot be had.
template <class TBytes>
void SizeForLoad(TBytes& Bytes, size_t Size, const String& What);

// Reads the whole file FileName into Bytes (whose old content is replaced
// only when all went well). A file that cannot be opened raises EFOpenError;
// one larger than Limit raises EReadError before any memory is taken; one
// that gives fewer bytes than its size says (cut while read) raises
// EReadError. Every message names the file.
void LoadFileWhole(const String& FileName, std::string& Bytes, int64_t Limit = MaxLoadBytes);
void LoadFileWhole(const String& FileName, std::vector<uint8_t>& Bytes, int64_t Limit = MaxLoadBytes);
