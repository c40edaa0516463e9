// Folders of the shell namespace and the process's shell start-up: OLE on the
// GUI thread and the desktop folder object, started and ended by explicit
// calls (nested calls count).
#pragma once

#include <memory>

#include <shlobj.h>

#include "classlib/StringList.h"
#include "classlib/SysUtils.h"

// A failed OLE call, with its result code.
class EOleSysError : public Exception {
 public:
  EOleSysError(String Message, HRESULT Code) : Exception(std::move(Message)), FErrorCode(Code) {}
  HRESULT ErrorCode() const { return FErrorCode; }

 private:
  HRESULT FErrorCode;
};
// Raises EOleSysError for a failure code.
void OleCheck(HRESULT Result);

// Identifier lists in memory of the shell's allocator.
LPITEMIDLIST AllocPIDL(size_t Size);
void DisposePIDL(LPITEMIDLIST List);
LPITEMIDLIST CopyPIDL(LPCITEMIDLIST List);
LPITEMIDLIST ConcatPIDLs(LPCITEMIDLIST First, LPCITEMIDLIST Second);
// The desktop's folder interface (a reference the caller releases) and its
// identifier list (the caller disposes of it).
IShellFolder* GetDesktopShellFolder();
LPITEMIDLIST GetDesktopPIDL();

class TspShellFolder : public TObject {
 public:
  // Parent nullptr: a child of the desktop (the desktop object itself while
  // it is being made). Keeps a reference to Folder and a copy of RelativeID.
  TspShellFolder(TspShellFolder* Parent, IShellFolder* Folder, LPCITEMIDLIST RelativeID);
  ~TspShellFolder() override;
  TspShellFolder(const TspShellFolder&) = delete;
  TspShellFolder& operator=(const TspShellFolder&) = delete;
  String ClassName() const override { return L"TspShellFolder"; }

  LPITEMIDLIST PIDL = nullptr;      // relative to the parent
  LPITEMIDLIST FullPIDL = nullptr;  // from the desktop
  TspShellFolder* Parent = nullptr;
  IShellFolder* ShellFolder = nullptr;
  // Ancestors above the direct parent; 0 for the desktop and its children.
  int Level = 0;
  TStringList Details;
};

// The first call initialises OLE on the calling (GUI) thread and makes the
// desktop folder object; the matching last EndShellFolders undoes both.
void StartShellFolders();
void EndShellFolders();
// The desktop folder object while started (nullptr without a desktop list).
TspShellFolder* DesktopFolder();
