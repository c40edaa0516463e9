// Shell folder objects, identifier lists in the shell's memory and the
// process's shell and OLE start-up.
#include "skininputs/ShellFolder.h"

#include <cstring>

#include <ole2.h>

#include "skininputs/ShellFolderPidl.h"

namespace {

TspShellFolder* gDesktopFolder = nullptr;
int gStarts = 0;

IMalloc* ShellMalloc() {
  IMalloc* m = nullptr;
  OleCheck(SHGetMalloc(&m));
  return m;
}

void* ShellAlloc(size_t Size) { return AllocPIDL(Size); }

}  // namespace

void OleCheck(HRESULT Result) {
  if (FAILED(Result))
    throw EOleSysError(L"OLE error " + IntToHex(static_cast<int>(Result), 8), Result);
}

LPITEMIDLIST AllocPIDL(size_t Size) {
  IMalloc* m = ShellMalloc();
  void* p = m->Alloc(Size);
  m->Release();
  if (p) std::memset(p, 0, Size);
  return static_cast<LPITEMIDLIST>(p);
}

void DisposePIDL(LPITEMIDLIST List) {
  if (!List) return;
  IMalloc* m = ShellMalloc();
  m->Free(List);
  m->Release();
}

LPITEMIDLIST CopyPIDL(LPCITEMIDLIST List) { return static_cast<LPITEMIDLIST>(CopyPIDL(List, ShellAlloc)); }

LPITEMIDLIST ConcatPIDLs(LPCITEMIDLIST First, LPCITEMIDLIST Second) {
  return static_cast<LPITEMIDLIST>(ConcatPIDLs(First, Second, ShellAlloc));
}

IShellFolder* GetDesktopShellFolder() {
  IShellFolder* f = nullptr;
  OleCheck(SHGetDesktopFolder(&f));
  return f;
}

LPITEMIDLIST GetDesktopPIDL() {
  LPITEMIDLIST list = nullptr;
  OleCheck(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &list));
  return list;
}

TspShellFolder::TspShellFolder(TspShellFolder* AParent, IShellFolder* Folder, LPCITEMIDLIST RelativeID)
    : ShellFolder(Folder) {
  if (ShellFolder) ShellFolder->AddRef();
  PIDL = CopyPIDL(RelativeID);
  if (AParent) {
    Parent = AParent;
    FullPIDL = ConcatPIDLs(AParent->FullPIDL, RelativeID);
    for (TspShellFolder* p = AParent->Parent; p; p = p->Parent) ++Level;
  } else {
    LPITEMIDLIST desktop = GetDesktopPIDL();
    FullPIDL = ConcatPIDLs(desktop, RelativeID);
    DisposePIDL(desktop);
    Parent = gDesktopFolder;
  }
}

TspShellFolder::~TspShellFolder() {
  DisposePIDL(PIDL);
  DisposePIDL(FullPIDL);
  if (ShellFolder) ShellFolder->Release();
}

void StartShellFolders() {
  if (gStarts++ > 0) return;
  OleInitialize(nullptr);
  LPITEMIDLIST desktop = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop)) && desktop) {
    IShellFolder* folder = GetDesktopShellFolder();
    gDesktopFolder = new TspShellFolder(nullptr, folder, desktop);
    folder->Release();
    DisposePIDL(desktop);
  }
}

void EndShellFolders() {
  if (gStarts == 0 || --gStarts > 0) return;
  delete gDesktopFolder;
  gDesktopFolder = nullptr;
  OleUninitialize();
}

TspShellFolder* DesktopFolder() { return gDesktopFolder; }
