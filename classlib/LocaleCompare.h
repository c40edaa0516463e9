// Comparing text by the user's locale, where the platform has one. Internal
// to the run-time layer.
#pragma once

#include "classlib/Types.h"

// Compares S1 and S2 as the user's locale sorts them (IgnoreCase: a letter's
// cases alike) into Result (-1, 0 or 1); false where there is no locale to
// compare by.
bool LocaleCompare(const String& S1, const String& S2, bool IgnoreCase, int& Result);
