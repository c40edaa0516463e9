// The whole-file save's calls to Windows.
#include <windows.h>

#include <algorithm>
#include <string>

#include "classlib/FileWholeSystem.h"
#include "classlib/SysUtils.h"

namespace {

String SystemText(DWORD Code) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 Code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  String why = text ? Trim(String(text)) : String();
  if (text) LocalFree(text);
  return why.empty() ? L"system error " + IntToStr(static_cast<int64_t>(Code)) : why;
}

String LastErrorText() { return SystemText(GetLastError()); }

// A handle closed when it goes.
struct THandle {
  HANDLE H;
  ~THandle() {
    if (H != INVALID_HANDLE_VALUE) CloseHandle(H);
  }
};

bool SetEnd(HANDLE File, int64_t Size) {
  LARGE_INTEGER at;
  at.QuadPart = Size;
  return SetFilePointerEx(File, at, nullptr, FILE_BEGIN) && SetEndOfFile(File);
}

// Writes Size bytes at Offset, every byte checked.
bool WriteAt(HANDLE File, int64_t Offset, const uint8_t* Bytes, size_t Size) {
  LARGE_INTEGER at;
  at.QuadPart = Offset;
  if (!SetFilePointerEx(File, at, nullptr, FILE_BEGIN)) return false;
  while (Size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(Size, 1u << 24));
    DWORD written = 0;
    if (!WriteFile(File, Bytes, chunk, &written, nullptr) || written != chunk) {
      if (GetLastError() == ERROR_SUCCESS) SetLastError(ERROR_DISK_FULL);
      return false;
    }
    Bytes += chunk;
    Size -= chunk;
  }
  return true;
}

// The security descriptor of File with its access list (empty where the
// file system keeps none).
bool FileDacl(const String& File, std::string& Descriptor) {
  DWORD needed = 0;
  Descriptor.clear();
  GetFileSecurityW(File.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return true;
  Descriptor.assign(needed, '\0');
  return GetFileSecurityW(File.c_str(), DACL_SECURITY_INFORMATION, &Descriptor[0], needed, &needed) != 0;
}

// Whether two descriptors give the same access list: the same entries in
// the same order.
bool SameDacl(std::string& A, std::string& B) {
  PACL acl[2] = {};
  BOOL present[2] = {}, defaulted = FALSE;
  if (B.empty() || !GetSecurityDescriptorDacl(&A[0], &present[0], &acl[0], &defaulted) ||
      !GetSecurityDescriptorDacl(&B[0], &present[1], &acl[1], &defaulted) || present[0] != present[1])
    return false;
  if (!present[0] || !acl[0] || !acl[1]) return acl[0] == acl[1];
  ACL_SIZE_INFORMATION size[2] = {};
  for (int i = 0; i < 2; ++i)
    if (!GetAclInformation(acl[i], &size[i], sizeof size[i], AclSizeInformation)) return false;
  if (size[0].AceCount != size[1].AceCount || size[0].AclBytesInUse != size[1].AclBytesInUse) return false;
  return std::equal(reinterpret_cast<const uint8_t*>(acl[0] + 1),
                    reinterpret_cast<const uint8_t*>(acl[0]) + size[0].AclBytesInUse,
                    reinterpret_cast<const uint8_t*>(acl[1] + 1));
}

}  // namespace

String SaveTarget(const String& FileName) {
  // The final path follows every link to the file itself.
  THandle file{CreateFileW(FileName.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
  if (file.H == INVALID_HANDLE_VALUE) return FileName;
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = GetFinalPathNameByHandleW(file.H, &path[0], static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
  if (length >= path.size()) {
    path.resize(length + 1);
    length = GetFinalPathNameByHandleW(file.H, &path[0], static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
  }
  if (length == 0 || length >= path.size()) return FileName;
  path.resize(length);
  return path;
}

String WriteRefusal(const String& Target) {
  const DWORD attributes = GetFileAttributesW(Target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
      (attributes & FILE_ATTRIBUTE_READONLY))
    return SystemText(ERROR_ACCESS_DENIED) + L" (the file is read-only)";
  return String();
}

String CopyFileLook(const String& Target, const String& NewFile) {
  const DWORD attributes = GetFileAttributesW(Target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return String();  // a new file
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if ((attributes & kept) && !SetFileAttributesW(NewFile.c_str(), attributes & kept)) return LastErrorText();
  // Who may read and write it: the old file's access list goes to the new
  // one, but only where the two differ. Wine reads a file's access list
  // from its mode and writes a list back as a mode that gives the group
  // what the owner has and anyone who may read the right to run: a list
  // copied over an equal one would widen a 644 file to 775.
  std::string old, fresh;
  if (!FileDacl(Target, old)) return LastErrorText();
  if (old.empty()) return String();  // a file system that keeps no security
  if (!FileDacl(NewFile, fresh)) return LastErrorText();
  if (SameDacl(old, fresh)) return String();
  if (!SetFileSecurityW(NewFile.c_str(), DACL_SECURITY_INFORMATION, &old[0])) return LastErrorText();
  return String();
}

String ReplaceFileWith(const String& NewFile, const String& Target, bool& InUse) {
  // ReplaceFileW would keep the old file's attributes, but it refuses a
  // missing target and fails under Wine: a move is one step on either.
  if (MoveFileExW(NewFile.c_str(), Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return String();
  const DWORD code = GetLastError();
  InUse = code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED;
  return SystemText(code);
}

String WriteFileOver(const String& Target, const void* Bytes, size_t Size, bool& Touched) {
  Touched = false;
  THandle file{CreateFileW(Target.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.H == INVALID_HANDLE_VALUE) return LastErrorText();
  LARGE_INTEGER oldSize;
  if (!GetFileSizeEx(file.H, &oldSize)) return LastErrorText();
  const auto* bytes = static_cast<const uint8_t*>(Bytes);
  const auto size = static_cast<int64_t>(Size);
  const int64_t old = oldSize.QuadPart;
  if (size > old) {
    // Growing may leave the new part unallocated (a sparse end): writing it
    // is what takes the room.
    if (!SetEnd(file.H, size) || !WriteAt(file.H, old, bytes + old, static_cast<size_t>(size - old)) ||
        !FlushFileBuffers(file.H)) {
      const String why = LastErrorText();
      SetEnd(file.H, old);
      return why;
    }
  }
  Touched = true;
  if (!WriteAt(file.H, 0, bytes, static_cast<size_t>(std::min(size, old))) || !SetEnd(file.H, size) ||
      !FlushFileBuffers(file.H))
    return LastErrorText();
  const HANDLE handle = file.H;
  file.H = INVALID_HANDLE_VALUE;
  if (!CloseHandle(handle)) return LastErrorText();
  return String();
}
