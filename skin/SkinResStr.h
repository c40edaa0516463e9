// The library's own texts, translatable by the application, and lists of
// stored skins to choose from.
#pragma once

#include "classlib/Collection.h"
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

// One skin of a list: a stored skin of its own and the texts that name it.
class TspSkinListItem : public TCollectionItem {
 public:
  explicit TspSkinListItem(TCollection* Collection);
  ~TspSkinListItem() override;
  String ClassName() const override { return L"TspSkinListItem"; }
  String DisplayName() const override { return FName; }
  // Copies another item's texts and stored skin.
  void Assign(TPersistent* Source) override;

  TspCompressedStoredSkin* StoredSkin() const { return FStoredSkin; }
  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value) { FDescription = Value; }
  const String& FileName() const { return FFileName; }
  // At design time builds the stored skin from the skin INI file given.
  void SetFileName(const String& Value);
  const String& CompressedFileName() const { return FCompressedFileName; }
  // At design time reads the stored skin from the .skn file given.
  void SetCompressedFileName(const String& Value);
  // "spSkin" and the item's index when it was made.
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }

  // The item's stored skin in the .skn layout, as the list is saved and read.
  void WriteSkin(TStream* Stream) { FStoredSkin->SaveToCompressStream(Stream); }
  void ReadSkin(TStream* Stream) { FStoredSkin->LoadFromCompressStream(Stream); }

 private:
  bool Designing() const;
  TspCompressedStoredSkin* FStoredSkin;
  String FDescription, FFileName, FCompressedFileName, FName;
};

class TspCompressedSkinList;

class TspSkinListItems : public TCollection {
 public:
  explicit TspSkinListItems(TspCompressedSkinList* AOwner);
  String ClassName() const override { return L"TspSkinListItems"; }
  TspSkinListItem* Items(int Index) const { return static_cast<TspSkinListItem*>(TCollection::Items(Index)); }
  TspSkinListItem* Add() { return static_cast<TspSkinListItem*>(TCollection::Add()); }
};

class TspCompressedSkinList : public TComponent {
 public:
  explicit TspCompressedSkinList(TComponent* AOwner);
  ~TspCompressedSkinList() override;
  String ClassName() const override { return L"TspCompressedSkinList"; }
  TspSkinListItems* Skins() const { return FSkins; }
  // Copies the items given: texts and stored skins.
  void SetSkins(TspSkinListItems* Value) { FSkins->Assign(Value); }

 private:
  TspSkinListItems* FSkins;
};
