// Comparing text by the user's locale through the system's collation.
#include <windows.h>

#include "classlib/LocaleCompare.h"

bool LocaleCompare(const String& S1, const String& S2, bool IgnoreCase, int& Result) {
  const int r = CompareStringW(LOCALE_USER_DEFAULT, IgnoreCase ? NORM_IGNORECASE : 0, S1.data(),
                               static_cast<int>(S1.size()), S2.data(), static_cast<int>(S2.size()));
  if (r == 0) return false;
  Result = r - CSTR_EQUAL;
  return true;
}
