// Opening a web or mail address with the shell, through one replaceable
// function so that tests can watch what would be opened instead of starting
// a browser.
#pragma once

#include <functional>
#include <windows.h>

#include "classlib/Types.h"

using TShellOpenHandler = std::function<void(HWND Owner, const String& Operation, const String& Address)>;

// ShellExecute(Owner, Operation, Address, no parameters, no folder,
// SW_SHOWNORMAL) unless a handler is set; the result is not looked at. An
// empty address, or one longer than the longest URL (2,083 characters),
// opens nothing.
void ShellOpen(HWND Owner, const String& Operation, const String& Address);
// Sets the handler (an empty one restores the shell) and returns the old one.
TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler);
