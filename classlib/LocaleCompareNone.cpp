// Systems without a Windows locale compare text by code point (SysUtilsCase.cpp).
#include "classlib/LocaleCompare.h"

bool LocaleCompare(const String&, const String&, bool, int&) { return false; }
