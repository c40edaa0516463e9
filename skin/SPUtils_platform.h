// Platform functions that older versions of Windows lack, bound by name once,
// and the tests built on them. Every caller has a path for their absence.
#pragma once

#include <windows.h>

#include "classlib/Types.h"

struct TspPlatform {
  bool IsNT = false;
  bool Msimg32Loaded = false;
  HMONITOR(WINAPI* MonitorFromWindow)(HWND, DWORD) = nullptr;
  BOOL(WINAPI* GetMonitorInfoA)(HMONITOR, LPMONITORINFO) = nullptr;
  BOOL(WINAPI* GetScrollBarInfo)(HWND, LONG, PSCROLLBARINFO) = nullptr;
  BOOL(WINAPI* SetLayeredWindowAttributes)(HWND, COLORREF, BYTE, DWORD) = nullptr;
  BOOL(WINAPI* UpdateLayeredWindow)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD) = nullptr;
  BOOL(WINAPI* TransparentBlt)(HDC, int, int, int, int, HDC, int, int, int, int, UINT) = nullptr;
};

// The bindings, made on first use (before any form exists in practice).
const TspPlatform& Platform();

void GetWindowsVersion(int& Major, int& Minor);
bool IsWindowsVistaOrLater();
bool IsWindowsXPOrLater();
bool IsWindows2000OrLater();
bool IsMsimg32Loaded();

// Constant alpha of a layered window, when the system offers it.
void SetAlphaBlendTransparent(HWND Window, BYTE Alpha);
// The scroll-bar information, or False with the info marked invisible.
bool GetScrollBarInfoSafe(HWND Window, LONG ObjectId, SCROLLBARINFO& Info);
