// A stored skin: one zlib stream holding a skin stream, loaded from a .skn
// file, a stream, memory or a program resource, or built from a skin folder.
#pragma once

#include <vector>

#include "classlib/Classes.h"
#include "skin/SkinIni.h"

class TspCompressedStoredSkin : public TComponent {
 public:
  explicit TspCompressedStoredSkin(TComponent* AOwner);
  ~TspCompressedStoredSkin() override;
  String ClassName() const override { return L"TspCompressedStoredSkin"; }

  bool IsEmpty() { return FCompressedStream->Size() == 0; }
  // The zlib stream alone.
  TMemoryStream* CompressedStream() const { return FCompressedStream; }
  // Inflates the whole compressed data, appending at Dest's position.
  void DecompressToStream(TStream* Dest);

  // The .skn layout: int32 version, int32 length, the compressed bytes. The
  // compressed data is emptied first; a version above 3, a negative length or
  // one beyond the data or above MaxCompressedSkinSize raises EReadError
  // (naming the file) and leaves the stored skin empty. Bytes after the
  // compressed data are ignored.
  void LoadFromCompressedFile(const String& FileName);
  void LoadFromCompressStream(TStream* Stream);
  void LoadFromMemory(const void* Data, size_t Size);
#ifdef _WIN32
  // An RCDATA resource of the program holding the .skn layout.
  void LoadFromResource(void* Instance, const String& ResName);
#endif
  // Writes version 2, the length and the compressed data at Stream's position.
  void SaveToCompressStream(TStream* Stream);

  // Builds the compressed data from a skin folder: the skin INI file and the
  // BMP files it names. An INI that is no skin leaves the data as it was; so
  // do an empty file and a missing or bad picture, which raise an error
  // naming the file.
  void LoadFromSkinFile(const String& FileName);

  // Where the data was last loaded from: the .skn file, the skin INI file
  // or the resource name; empty for a stream or memory.
  const String& Source() const { return FSource; }

  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value) { FDescription = Value; }
  const String& FileName() const { return FFileName; }
  // At design time reads the skin folder and keeps only the file-name part.
  void SetFileName(const String& Value);
  const String& CompressedFileName() const { return FCompressedFileName; }
  // At design time reads the .skn file and keeps only the file-name part.
  void SetCompressedFileName(const String& Value);

 private:
  bool Designing() const;
  TMemoryStream* FCompressedStream;
  String FDescription, FFileName, FCompressedFileName, FSource;
};

// Sets a stored skin's file-name property. At design time the file is read
// at once by Load and the property keeps only the file-name part; otherwise
// it keeps Value as it is.
void SetStoredSkinFileName(TspCompressedStoredSkin* Stored, void (TspCompressedStoredSkin::*Load)(const String&),
                           bool Designing, const String& Value, String& Property);

// The sections a skin INI must hold, those missing from Ini, in order.
std::vector<String> MissingSkinSections(const TspSkinIni& Ini);
// Directory part of a path, with its trailing separator; file-name part.
String SkinFileDir(const String& Path);
String SkinFileName(const String& Path);
