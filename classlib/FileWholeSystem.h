// What the whole-file save asks of the system, one file for Windows and one
// for POSIX systems. Each answers a failure with the system's words for it
// and success with an empty string.
#pragma once

#include <cstddef>

#include "classlib/Types.h"

// The file a save to FileName writes: the file a symbolic link names (to its
// end), FileName itself when it is no link or does not exist.
String SaveTarget(const String& FileName);

// Why Target may not be written (it is read-only), or an empty string.
String WriteRefusal(const String& Target);

// Gives NewFile the attributes and security of Target, when Target exists
// (on Windows the access list only where NewFile's differs: Wine maps a list
// set on a file to a mode wider than the one it was read from).
String CopyFileLook(const String& Target, const String& NewFile);

// Puts the file NewFile in the place of Target (made when missing) in one
// step, through to the disk; on a failure returns the system's words for it,
// with both files as they were. InUse tells a failure that may come of
// Target being open elsewhere (or being no file).
String ReplaceFileWith(const String& NewFile, const String& Target, bool& InUse);

#ifdef _WIN32
// Writes Bytes over the file Target in place (it is open elsewhere). The
// room is made first: the file grows to Size and the bytes beyond its old
// end are written and flushed, so a full disk fails before an old byte
// changes (the file then gets its old length back). Touched tells whether
// old bytes may have changed when it fails.
String WriteFileOver(const String& Target, const void* Bytes, size_t Size, bool& Touched);
#endif
