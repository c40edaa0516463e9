// The gallery's readiness signal for screenshots: the windows shown and painted.
#include "demo/GalleryReady.h"

#include <windows.h>

#include <string>

namespace {

struct TWindowsState {
  int Shown = 0;       // visible top-level windows of the GUI thread
  int Popups = 0;      // of them, menus: the skinned menus' windows or the system's
  bool Pending = false;  // some visible window still has a part to paint
};

BOOL CALLBACK CheckChild(HWND Window, LPARAM Param) {
  auto* state = reinterpret_cast<TWindowsState*>(Param);
  if (IsWindowVisible(Window) && GetUpdateRect(Window, nullptr, FALSE)) state->Pending = true;
  return TRUE;
}

BOOL CALLBACK CheckTopLevel(HWND Window, LPARAM Param) {
  auto* state = reinterpret_cast<TWindowsState*>(Param);
  if (!IsWindowVisible(Window)) return TRUE;
  ++state->Shown;
  wchar_t name[64] = {};
  GetClassNameW(Window, name, 64);
  const std::wstring className = name;
  if (className == L"#32768" || className == L"SkinGui.TspSkinPopupWindow") ++state->Popups;
  if (GetUpdateRect(Window, nullptr, FALSE)) state->Pending = true;
  EnumChildWindows(Window, CheckChild, Param);
  return TRUE;
}

struct TReadyWatch {
  DWORD GuiThread;
  bool WaitForPopup;
  std::wstring File;
};

DWORD WINAPI WatchUntilReady(void* Param) {
  auto* watch = static_cast<TReadyWatch*>(Param);
  // Ready once the state has held for several looks in a row: a menu that
  // fades or slides in, and a page that paints in steps, settle first.
  const int kSteadyLooks = 4;
  int steady = 0;
  while (steady < kSteadyLooks) {
    Sleep(100);
    TWindowsState state;
    EnumThreadWindows(watch->GuiThread, CheckTopLevel, reinterpret_cast<LPARAM>(&state));
    const bool ready = state.Shown > 0 && !state.Pending && (!watch->WaitForPopup || state.Popups > 0);
    steady = ready ? steady + 1 : 0;
  }
  HANDLE file = CreateFileW(watch->File.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, "ready\n", 6, &written, nullptr);
    CloseHandle(file);
  }
  delete watch;
  return 0;
}

}  // namespace

void SignalReadyWhenPainted(bool WaitForPopup) {
  wchar_t file[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"SKINGUI_READY_FILE", file, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  auto* watch = new TReadyWatch{GetCurrentThreadId(), WaitForPopup, file};
  HANDLE thread = CreateThread(nullptr, 0, WatchUntilReady, watch, 0, nullptr);
  if (thread) CloseHandle(thread);
  else delete watch;
}
