// Writing a file whole or not at all.
#pragma once

#include <string>

#include "classlib/Types.h"

// Replaces FileName with Bytes in one step: they go to a new temporary file
// in the same folder, every write and the close are checked and the file is
// flushed to the disk, and only then does it take the old file's place. On
// any failure the old file is as it was, the temporary file is gone, and an
// EStreamError names FileName and the cause (EFCreateError when no file can
// be made there, EWriteError for the rest).
// A file that another program holds open (with sharing) cannot be replaced
// under Windows, only written over: once the temporary file holds the whole
// text, it is; should that fail, the error says so, and that the temporary
// file, kept, holds the new text.
void SaveFileWhole(const String& FileName, const std::string& Bytes);

// Puts the file NewFile in the place of Target (made when missing) in one
// step, through to the disk; on a failure returns the system's words for it,
// with both files as they were, and else an empty string. InUse tells a
// failure that may come of Target being open elsewhere (or being no file).
String ReplaceFileWith(const String& NewFile, const String& Target, bool& InUse);
