// Hidden windows that hand their messages to a function: the home of timers
// and of the application's own window.
#pragma once

#include <windows.h>

#include <functional>

#include "classlib/Messages.h"

// Method returns true when it handled the message (its Result is returned);
// otherwise the default window procedure runs.
using TWndMethod = std::function<bool(TMessage& Message)>;

HWND AllocateHWnd(TWndMethod Method);
// Safe to call from inside one of the window's own messages.
void DeallocateHWnd(HWND Wnd);
