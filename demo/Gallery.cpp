// The gallery: one form that shows what the library draws and how its
// controls behave.
//   Gallery.exe [--page N]   start on page N (1 to the number of pages; any
//                            other N: a message on stderr, exit status 2)
//   --dark, --noskin         start in the dark skin, or without a skin
//   --menu N, --sysmenu      open bar menu N (from 1) or the system menu
//   --mdi, --mdimax          open the MDI demo too (--mdimax: a child maximized,
//   --mdiobjects             --mdiobjects: in the Objects skin)
//   --objects                open the frame objects page's form in the Objects skin
//   --second, --maximize, --rollup, --skin N, --switch: see GalleryFrame.h
//   --soak N [--rounds M]    the soak run (GallerySoak.h): N skin switches,
//                            every menu, drop-down and dialog opened M times
//   --contrast [N ...]       the contrast run (GalleryContrast.h) on every
//                            page, or on pages N ...
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <memory>

#include "demo/GalleryContrast.h"
#include "demo/GalleryForm.h"
#include "demo/GalleryFrame.h"
#include "demo/GalleryReady.h"
#include "demo/GallerySoak.h"
#include "demo/TextReads.h"
#include "skininputs/ShellFolder.h"

namespace {

// Whether the contrast run was asked for, and the page numbers after it.
bool ContrastAsked(TContrastSettings& Settings) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  bool found = false;
  for (int i = 1; args && i < count; ++i) {
    if (std::wcscmp(args[i], L"--contrast") != 0) continue;
    found = true;
    for (wchar_t* end = nullptr; i + 1 < count; ++i) {
      const long page = std::wcstol(args[i + 1], &end, 10);
      if (end == args[i + 1] || *end) break;
      Settings.Pages.push_back(static_cast<int>(page));
    }
  }
  LocalFree(args);
  return found;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // OLE and the shell's desktop folder on this, the GUI thread, first.
  StartShellFolders();
  Application->Initialize();
  Application->SetTitle(L"Gallery");
  int page = 1;  // 1-based on the command line; none shows the first page
  const bool pageAsked = HasArgument(L"--page", &page);
  // The contrast run reads from the first paint on.
  TContrastSettings contrast;
  std::unique_ptr<TTextReader> reader;
  if (ContrastAsked(contrast)) reader = std::make_unique<TTextReader>();
  auto* form = Application->CreateForm<TGalleryForm>(Application, page - 1);
  const int pages = form->Pages()->PageCount();
  if (pageAsked && (page < 1 || page > pages)) {
    std::fwprintf(stderr, L"Gallery: there is no page %d; the pages are 1 to %d.\n", page, pages);
    EndShellFolders();
    return 2;
  }
  SignalReadyWhenPainted(HasArgument(L"--menu") || HasArgument(L"--sysmenu"));
  if (reader) {
    form->Show();
    const int result = RunGalleryContrast(form, *reader, contrast);
    EndShellFolders();
    return result;
  }
  TSoakSettings soak;
  if (!HasArgument(L"--soak", &soak.SkinSwitches)) {
    Application->Run();
    EndShellFolders();
    return 0;
  }
  HasArgument(L"--rounds", &soak.Rounds);
  form->Show();
  const int result = RunGallerySoak(form, soak);
  EndShellFolders();
  return result;
}
