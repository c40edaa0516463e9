// Run-time helpers: the exception family and text, number and date routines.
#pragma once

#include <exception>
#include <string>

#include "classlib/Types.h"

// Base of every failure the library reports. The message is kept as String;
// what() gives it in UTF-8 for code that only knows std::exception.
class Exception : public std::exception {
 public:
  explicit Exception(String message);
  const String& Message() const { return FMessage; }
  const char* what() const noexcept override { return FWhat.c_str(); }

 private:
  String FMessage;
  std::string FWhat;
};

#define SKINGUI_EXCEPTION(Name, Base)                   \
  class Name : public Base {                            \
   public:                                              \
    explicit Name(String message) : Base(std::move(message)) {} \
  };

SKINGUI_EXCEPTION(EConvertError, Exception)
SKINGUI_EXCEPTION(EInvalidOperation, Exception)
SKINGUI_EXCEPTION(EInvalidGraphic, Exception)
SKINGUI_EXCEPTION(EInvalidPointer, Exception)
SKINGUI_EXCEPTION(EListError, Exception)
SKINGUI_EXCEPTION(EStringListError, Exception)
SKINGUI_EXCEPTION(EResNotFound, Exception)
SKINGUI_EXCEPTION(EOutOfResources, Exception)
SKINGUI_EXCEPTION(EComponentError, Exception)
SKINGUI_EXCEPTION(EStreamError, Exception)
SKINGUI_EXCEPTION(EReadError, EStreamError)
SKINGUI_EXCEPTION(EWriteError, EStreamError)
SKINGUI_EXCEPTION(EFOpenError, EStreamError)
SKINGUI_EXCEPTION(EFCreateError, EStreamError)
SKINGUI_EXCEPTION(EZLibError, Exception)
SKINGUI_EXCEPTION(EZCompressionError, EZLibError)
SKINGUI_EXCEPTION(EZDecompressionError, EZLibError)

// Files by String name (Chinese names included).
bool FileExists(const String& FileName);
bool DeleteFile(const String& FileName);

// ---------------------------------------------------------------------------
// Case and comparison. Comparisons return <0, 0 or >0 and order by character
// code after case folding. The "Ansi" forms fold Latin, Greek, Cyrillic and
// full-width letters; the plain forms fold only 'a'..'z'. Characters without
// case (Chinese among them) are never changed.
String UpperCase(const String& S);
String LowerCase(const String& S);
String AnsiUpperCase(const String& S);
String AnsiLowerCase(const String& S);
int CompareStr(const String& S1, const String& S2);
int CompareText(const String& S1, const String& S2);
bool SameText(const String& S1, const String& S2);
int AnsiCompareStr(const String& S1, const String& S2);
int AnsiCompareText(const String& S1, const String& S2);
bool AnsiSameText(const String& S1, const String& S2);
