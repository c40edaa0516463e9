// The gallery: one form that shows what the library draws and how its
// controls behave.
//   Gallery.exe [--page N]   start on page N (1-based)
//   --dark, --noskin         start in the dark skin, or without a skin
//   --mdi, --mdimax          open the MDI demo too (--mdimax: a child maximized)
//   --second, --maximize, --rollup, --skin N, --switch: see GalleryFrame.h
#include <windows.h>

#include "demo/GalleryForm.h"
#include "demo/GalleryFrame.h"
#include "skininputs/ShellFolder.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // OLE and the shell's desktop folder on this, the GUI thread, first.
  StartShellFolders();
  Application->Initialize();
  Application->SetTitle(L"Gallery");
  int page = 0;  // 1-based on the command line; none shows the first page
  HasArgument(L"--page", &page);
  Application->CreateForm<TGalleryForm>(Application, page - 1);
  Application->Run();
  EndShellFolders();
  return 0;
}
