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
String GbkToWide(const char* Bytes, size_t Size);
inline String GbkToWide(const std::string& s) { return GbkToWide(s.data(), s.size()); }

// Text as a text file holds it, for every writer of text files. Code page
// 936 when the code page carries every character, byte for byte as such
// files have always been written; otherwise UTF-8 after its byte-order mark
// (EF BB BF), so that no character is lost. Code page 936 bytes that would
// begin like a byte-order mark are written as UTF-8 too.
std::string TextToFileBytes(const String& Text);
// The text of a text file's bytes: after a byte-order mark, UTF-8 (when the
// rest is UTF-8; otherwise the bytes are code page 936, as such a file was
// read before), UTF-16 little-endian (FF FE) or big-endian (FE FF); without
// one, code page 936.
String TextFromFileBytes(const char* Bytes, size_t Size);
inline String TextFromFileBytes(const std::string& Bytes) { return TextFromFileBytes(Bytes.data(), Bytes.size()); }
