// Real input to a visible control: mouse clicks, drags and wheel turns and
// keys through the system's input, or posted mouse and key messages.
#pragma once

#include <windows.h>

#include "classlib/Types.h"

class TDriver;

// One mouse event through the system's input: a move to At (screen
// coordinates) when Flags has MOUSEEVENTF_ABSOLUTE, a wheel turn of Wheel.
void Mouse(DWORD Flags, const TPoint& At = TPoint(), int Wheel = 0);
// One key going down or up through the system's input.
void Key(WORD Vk, bool Up);

void RealInput(TDriver& D);
void PostedInput(TDriver& D);
// Ends the menu open then, as a user would (Escape, then the system's end of
// menus), Ms from now: a popup's loop returns.
void EndMenusSoon(unsigned Ms);
// One to three key chords to a shown control's form: focus, dialog, menu and MDI keys.
void KeyboardPath(TDriver& D);
