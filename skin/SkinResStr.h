// The library's own texts, translatable by the application, and lists of
// stored skins to choose from.
#pragma once

#include <memory>
#include <vector>

#include "classlib/StringList.h"
#include "skin/SkinStoredSkin.h"

class TspResourceStrData : public TComponent {
 public:
  explicit TspResourceStrData(TComponent* AOwner);
  ~TspResourceStrData() override;
  String ClassName() const override { return L"TspResourceStrData"; }

  // Lines "key=text", 121 English defaults after construction.
  TStringList* ResStrings() const { return FResStrings; }
  // Copies the lines given; the list itself stays owned.
  void SetResStrings(TStrings* Value) { FResStrings->Assign(Value); }
  // Font character set for the texts; 1 (the default set) after construction.
  uint8_t CharSet() const { return FCharSet; }
  void SetCharSet(uint8_t Value) { FCharSet = Value; }

  // The text after the first "=" of the first line whose name is Key, without
  // regard to case; the empty text when there is none.
  String GetResStr(const String& Key) const;

 private:
  TStringList* FResStrings;
  uint8_t FCharSet = 1;
};

class TspCompressedSkinList;

// One skin of a list: a stored skin of its own and the texts that name it.
class TspSkinListItem : public TPersistent {
 public:
  TspSkinListItem(TspCompressedSkinList* AList, int AIndex);
  ~TspSkinListItem() override;
  String ClassName() const override { return L"TspSkinListItem"; }
  // Copies another item's texts and stored skin.
  void Assign(TPersistent* Source) override;

  TspCompressedStoredSkin* StoredSkin() const { return FStoredSkin; }
  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value) { FDescription = Value; }
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value);
  const String& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const String& Value);
  // "spSkin" and the item's index when it was made; also its display name.
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }

  // The item's stored skin in the .skn layout, as the list is saved and read.
  void WriteSkin(TStream* Stream) { FStoredSkin->SaveToCompressStream(Stream); }
  void ReadSkin(TStream* Stream) { FStoredSkin->LoadFromCompressStream(Stream); }

 private:
  bool Designing() const;
  TspCompressedSkinList* FList;
  TspCompressedStoredSkin* FStoredSkin;
  String FDescription, FFileName, FCompressedFileName, FName;
};

// The items of a skin list, owned, in order.
class TspSkinListItems {
 public:
  explicit TspSkinListItems(TspCompressedSkinList* AOwner) : FOwner(AOwner) {}
  TspCompressedSkinList* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TspSkinListItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  TspSkinListItem* Add();
  void Delete(int Index);
  void Clear() { FItems.clear(); }

 private:
  TspCompressedSkinList* FOwner;
  std::vector<std::unique_ptr<TspSkinListItem>> FItems;
};

class TspCompressedSkinList : public TComponent {
 public:
  explicit TspCompressedSkinList(TComponent* AOwner) : TComponent(AOwner), FSkins(this) {}
  String ClassName() const override { return L"TspCompressedSkinList"; }
  TspSkinListItems& Skins() { return FSkins; }
  // Copies the items given: texts and stored skins.
  void SetSkins(TspSkinListItems& Value);

 private:
  TspSkinListItems FSkins;
};
