// The gallery: one form that shows what the library draws and how its
// controls behave.
//   Gallery.exe [--page N]   start on page N (1-based)
//   --dark, --noskin         start in the dark skin, or without a skin
//   --second, --maximize, --rollup, --skin N, --switch: see GalleryFrame.h
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

#include "demo/GalleryForm.h"

namespace {

int StartPageFromCommandLine() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  int page = 0;
  for (int i = 1; args && i + 1 < count; ++i)
    if (std::wcscmp(args[i], L"--page") == 0) page = static_cast<int>(std::wcstol(args[i + 1], nullptr, 10)) - 1;
  LocalFree(args);
  return page;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Application->Initialize();
  Application->SetTitle(L"Gallery");
  Application->CreateForm<TGalleryForm>(Application, StartPageFromCommandLine());
  Application->Run();
  return 0;
}
