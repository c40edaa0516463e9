// Conversions between String (UTF-16 on Windows) and byte encodings.
#pragma once

#include <string>

#include "classlib/Types.h"

// UTF-8. Invalid input becomes U+FFFD; nothing is dropped silently.
std::string WideToUtf8(const String& s);
String Utf8ToWide(const std::string& s);
