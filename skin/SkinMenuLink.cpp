// The messages on which an open skin menu closes.
#include "skin/SkinMenuMessages.h"

bool IsMenuCloseMessage(uint32_t Msg) {
  switch (Msg) {
    case 0x0003:  // WM_MOVE
    case 0x0005:  // WM_SIZE
    case 0x0006:  // WM_ACTIVATE
    case 0x0008:  // WM_KILLFOCUS
    case 0x001F:  // WM_CANCELMODE
    case 0x0021:  // WM_MOUSEACTIVATE
    case 0x00A1:  // WM_NCLBUTTONDOWN
    case 0x00A4:  // WM_NCRBUTTONDOWN
    case 0x00A7:  // WM_NCMBUTTONDOWN
    case 0x0201:  // WM_LBUTTONDOWN
    case 0x0204:  // WM_RBUTTONDOWN
    case 0x0207:  // WM_MBUTTONDOWN
    case 0x0210:  // WM_PARENTNOTIFY
      return true;
    default:
      return false;
  }
}
