// Conversions between String (UTF-16 on Windows) and byte encodings.
#pragma once

#include <string>

#include "classlib/Types.h"

// UTF-8. Invalid input becomes U+FFFD; nothing is dropped silently.
std::string WideToUtf8(const String& s);
String Utf8ToWide(const std::string& s);

// Code page 936 (GBK), the encoding of 8-bit text on disk. Characters the code
// page lacks become '?'. Bytes that do not form a character (a lead byte with
// no valid trail byte, also at the very end) become U+FFFD one byte at a time,
// so a broken pair never swallows the character after it.
std::string WideToGbk(const String& s);
String GbkToWide(const std::string& s);
