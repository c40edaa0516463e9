#include "classlib/Clipbrd.h"

#include <cstring>
#include <cwchar>

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}

TClipboard::~TClipboard() {
  if (FWindow) DestroyWindow(FWindow);
}

void TClipboard::Open() {
  if (FOpenRefCount == 0) {
    // The clipboard only takes data from an owner window.
    if (!FWindow)
      FWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    bool opened = false;
    for (int attempt = 0; attempt < 20 && !opened; ++attempt) {
      opened = OpenClipboard(FWindow) != 0;
      if (!opened) Sleep(10);
    }
    if (!opened) throw EClipboardException(L"Cannot open clipboard");
    FEmptied = false;
  }
  ++FOpenRefCount;
}

void TClipboard::Close() {
  if (FOpenRefCount == 0) return;
  if (--FOpenRefCount == 0) CloseClipboard();
}

void TClipboard::Clear() {
  Open();
  EmptyClipboard();
  FEmptied = true;
  Close();
}

bool TClipboard::HasFormat(UINT Format) { return IsClipboardFormatAvailable(Format) != 0; }

// Sets one format, emptying the clipboard first once per Open.
void TClipboard::Put(UINT Format, HANDLE Data) {
  Open();
  if (!FEmptied) {
    EmptyClipboard();
    FEmptied = true;
  }
  if (!SetClipboardData(Format, Data)) {
    Close();
    throw EClipboardException(L"Cannot put data on the clipboard");
  }
  Close();
}

String TClipboard::AsText() {
  Open();
  String text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      const size_t units = GlobalSize(data) / sizeof(wchar_t);
      text.assign(p, wcsnlen(p, units));
      GlobalUnlock(data);
    }
  }
  Close();
  return text;
}

void TClipboard::SetAsText(const String& Value) {
  const size_t bytes = (Value.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!data) throw EOutOfResources(L"Out of memory for the clipboard");
  std::memcpy(GlobalLock(data), Value.c_str(), bytes);
  GlobalUnlock(data);
  try {
    Put(CF_UNICODETEXT, data);
  } catch (...) {
    GlobalFree(data);
    throw;
  }
}

void TClipboard::Assign(TPersistent* Source) {
  TBitmap* bitmap = dynamic_cast<TBitmap*>(Source);
  if (auto* picture = dynamic_cast<TPicture*>(Source)) bitmap = dynamic_cast<TBitmap*>(picture->Graphic());
  if (!bitmap) {
    TPersistent::Assign(Source);
    return;
  }
  TBitmap copy;  // the clipboard owns what it is given
  copy.Assign(bitmap);
  HBITMAP handle = copy.ReleaseHandle();
  try {
    Put(CF_BITMAP, handle);
  } catch (...) {
    DeleteObject(handle);
    throw;
  }
}

void TClipboard::AssignTo(TPersistent* Dest) {
  TBitmap* bitmap = dynamic_cast<TBitmap*>(Dest);
  if (auto* picture = dynamic_cast<TPicture*>(Dest)) bitmap = picture->Bitmap();
  if (!bitmap) {
    TPersistent::AssignTo(Dest);
    return;
  }
  Open();
  HBITMAP copy = nullptr;
  if (HANDLE data = GetClipboardData(CF_BITMAP))
    copy = static_cast<HBITMAP>(CopyImage(data, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  Close();
  if (!copy) throw EInvalidGraphic(L"The clipboard holds no bitmap");
  bitmap->SetHandle(copy);
}
