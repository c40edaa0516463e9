// The messages by which skin menus close: which window messages close an open
// menu, and the message that tells the form and the opening control. Portable.
#pragma once

#include <cstdint>

// The menu closed (to the opening control and the form's window).
constexpr unsigned MSG_SKINMENU_CLOSED = 0x4CC;

// True for the window messages on which an open skin menu must close: the
// form moves, sizes, activates, loses the focus or is clicked anywhere.
bool IsMenuCloseMessage(uint32_t Msg);
