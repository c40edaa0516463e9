// The tray icon's image index, animation step and tip as plain functions.
#pragma once

#include "classlib/Types.h"

// The index written, kept inside a list of Count images; 0 for an empty list.
int TrayIconIndex(int Value, int Count);
// The image after Index in a list of Count, wrapping to 0 after the last.
int TrayNextIndex(int Index, int Count);
// The tip as the shell's record holds it: at most Capacity - 1 UTF-16 units,
// never ending in half of a surrogate pair; empty when hidden.
String TrayTipText(const String& Hint, bool ShowHint, int Capacity);
