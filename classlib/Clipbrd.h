// The system clipboard: text and bitmaps.
#pragma once

#include "classlib/Graphics.h"

SKINGUI_EXCEPTION(EClipboardException, Exception)

class TClipboard : public TPersistent {
 public:
  TClipboard() = default;
  TClipboard(const TClipboard&) = delete;
  TClipboard& operator=(const TClipboard&) = delete;
  ~TClipboard() override;
  String ClassName() const override { return L"TClipboard"; }

  // Open and Close nest; the clipboard stays open until the outermost Close.
  // Open raises EClipboardException when another program holds it.
  void Open();
  void Close();
  void Clear();
  bool HasFormat(UINT Format);

  // CF_UNICODETEXT; empty when the clipboard holds no text.
  String AsText();
  void SetAsText(const String& Value);

  // Puts a bitmap (or a picture's bitmap) on the clipboard as CF_BITMAP.
  void Assign(TPersistent* Source) override;

 protected:
  // Gives a bitmap or picture the clipboard's CF_BITMAP (EInvalidGraphic
  // when there is none).
  void AssignTo(TPersistent* Dest) override;

 private:
  void Put(UINT Format, HANDLE Data);
  HWND FWindow = nullptr;
  int FOpenRefCount = 0;
  bool FEmptied = false;
};

// The process's clipboard object.
TClipboard* Clipboard();
