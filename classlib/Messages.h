// The class library's own window messages (CM_*) and the reflected
// notifications (CN_*) that a parent hands back to the child that caused them,
// with the message record that every handler receives.
#pragma once

#include <cstdint>

struct TMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;

  uint16_t WParamLo() const { return static_cast<uint16_t>(WParam & 0xFFFF); }
  uint16_t WParamHi() const { return static_cast<uint16_t>((WParam >> 16) & 0xFFFF); }
  uint16_t LParamLo() const { return static_cast<uint16_t>(LParam & 0xFFFF); }
  uint16_t LParamHi() const { return static_cast<uint16_t>((static_cast<uintptr_t>(LParam) >> 16) & 0xFFFF); }
  // Signed coordinates of a mouse message.
  int XPos() const { return static_cast<int16_t>(LParamLo()); }
  int YPos() const { return static_cast<int16_t>(LParamHi()); }
};

constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_CANCELMODE = CM_BASE + 4;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_HITTEST = CM_BASE + 10;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr uint32_t CM_ENTER = CM_BASE + 26;
constexpr uint32_t CM_EXIT = CM_BASE + 27;
constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr uint32_t CM_RELEASE = CM_BASE + 33;
constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
// A control's value changed (a group of buttons tells its owner).
constexpr uint32_t CM_CHANGED = CM_BASE + 37;
constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
// Asks a data-aware control for its data link (the answer is the link's address).
constexpr uint32_t CM_GETDATALINK = CM_BASE + 49;
constexpr uint32_t CM_RECREATEWND = CM_BASE + 51;
constexpr uint32_t CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr uint32_t CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
// Asks a form for the client area its frame leaves in a window of a given
// size, before the window exists as after: LParam points to a TRect (0, 0,
// width, height) of the window, made the client's rectangle in it. A frame
// drawn by another layer answers for itself.
constexpr uint32_t CM_FRAMECLIENTRECT = CM_BASE + 62;
// Posted to a window whose new children wait for their windows: makes them.
constexpr uint32_t CM_MAKECHILDWINDOWS = CM_BASE + 63;
// Sent to a list box that keeps its own items once an item's text was
// replaced (WParam: its index): no message of the system list tells of it.
constexpr uint32_t CM_HELDITEMRENAMED = CM_BASE + 64;
// Performed on a list box without a window once its items or its choice
// changed: no message of a system list tells of it then. WParam: the first
// item changed (as an int), -1 for the choice.
constexpr uint32_t CM_WINDOWLESSLISTCHANGED = CM_BASE + 65;

// A child's notification reflected back to it: CN_BASE plus the original message.
constexpr uint32_t CN_BASE = 0xBC00;
constexpr uint32_t CN_COMMAND = CN_BASE + 0x0111;        // WM_COMMAND
constexpr uint32_t CN_NOTIFY = CN_BASE + 0x004E;         // WM_NOTIFY
constexpr uint32_t CN_DRAWITEM = CN_BASE + 0x002B;       // WM_DRAWITEM
constexpr uint32_t CN_MEASUREITEM = CN_BASE + 0x002C;    // WM_MEASUREITEM
constexpr uint32_t CN_HSCROLL = CN_BASE + 0x0114;        // WM_HSCROLL
constexpr uint32_t CN_VSCROLL = CN_BASE + 0x0115;        // WM_VSCROLL
constexpr uint32_t CN_CTLCOLOREDIT = CN_BASE + 0x0133;   // WM_CTLCOLOREDIT
constexpr uint32_t CN_CTLCOLORLISTBOX = CN_BASE + 0x0134;
constexpr uint32_t CN_CTLCOLORBTN = CN_BASE + 0x0135;
constexpr uint32_t CN_CTLCOLORSTATIC = CN_BASE + 0x0138;
constexpr uint32_t CN_KEYDOWN = CN_BASE + 0x0100;        // WM_KEYDOWN
constexpr uint32_t CN_KEYUP = CN_BASE + 0x0101;
constexpr uint32_t CN_CHAR = CN_BASE + 0x0102;
constexpr uint32_t CN_SYSKEYDOWN = CN_BASE + 0x0104;
constexpr uint32_t CN_SYSCHAR = CN_BASE + 0x0106;
