#include "skin/SPUtils_platform.h"

#include "skin/SPUtils_geometry.h"

namespace {

template <typename F>
void Bind(F& target, HMODULE module, const char* name) {
  if (module) target = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TspPlatform BindAll() {
  TspPlatform p;
  OSVERSIONINFOW v = {};
  v.dwOSVersionInfoSize = sizeof(v);
#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  if (GetVersionExW(&v)) p.IsNT = v.dwPlatformId == VER_PLATFORM_WIN32_NT;
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  Bind(p.MonitorFromWindow, user32, "MonitorFromWindow");
  Bind(p.GetMonitorInfoA, user32, "GetMonitorInfoA");
  Bind(p.GetScrollBarInfo, user32, "GetScrollBarInfo");
  Bind(p.SetLayeredWindowAttributes, user32, "SetLayeredWindowAttributes");
  Bind(p.UpdateLayeredWindow, user32, "UpdateLayeredWindow");
  if (IsWindows2000OrLater()) {
    // Loaded for the life of the process, like the system libraries.
    HMODULE msimg32 = LoadLibraryW(L"msimg32.dll");
    p.Msimg32Loaded = msimg32 != nullptr;
    Bind(p.TransparentBlt, msimg32, "TransparentBlt");
  }
  return p;
}

}  // namespace

const TspPlatform& Platform() {
  static const TspPlatform bindings = BindAll();
  return bindings;
}

void GetWindowsVersion(int& Major, int& Minor) {
#ifdef __GNUC__
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  const DWORD v = GetVersion();
#ifdef __GNUC__
#pragma GCC diagnostic pop
#endif
  Major = LOBYTE(LOWORD(v));
  Minor = HIBYTE(LOWORD(v));
}

bool IsWindowsVistaOrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return VersionIsVistaOrLater(major, minor);
}

bool IsWindowsXPOrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return VersionIsXPOrLater(major, minor);
}

bool IsWindows2000OrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return Version2000OrLater(major, minor);
}

bool IsMsimg32Loaded() { return Platform().Msimg32Loaded; }

void SetAlphaBlendTransparent(HWND Window, BYTE Alpha) {
  if (Platform().SetLayeredWindowAttributes) Platform().SetLayeredWindowAttributes(Window, 0, Alpha, LWA_ALPHA);
}

bool GetScrollBarInfoSafe(HWND Window, LONG ObjectId, SCROLLBARINFO& Info) {
  if (Platform().GetScrollBarInfo) return Platform().GetScrollBarInfo(Window, ObjectId, &Info) != FALSE;
  Info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
  return false;
}
