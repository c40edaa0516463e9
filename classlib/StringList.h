// TStrings, the abstract list of strings with attached objects, and
// TStringList, its in-memory implementation with sorting and duplicates.
#pragma once

#include <vector>

#include "classlib/Classes.h"

class TStrings : public TPersistent {
 public:
  String ClassName() const override { return L"TStrings"; }
  // Its only events are its own: a handler that frees it is held by its call.
  bool LibraryMayHold() const override { return false; }

  int Count() const { return GetCount(); }
  String Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const String& S) { Put(Index, S); }
  TObject* Objects(int Index) const { return GetObjectAt(Index); }
  void SetObjects(int Index, TObject* AObject) { PutObjectAt(Index, AObject); }

  virtual int Add(const String& S);
  virtual int AddObject(const String& S, TObject* AObject);
  virtual void Insert(int Index, const String& S) = 0;
  void InsertObject(int Index, const String& S, TObject* AObject);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  void AddStrings(TStrings* Strings);
  void Assign(TPersistent* Source) override;

  virtual int IndexOf(const String& S) const;

  // "Name=Value" lines. Names compare like the strings do (CompareStrings).
  int IndexOfName(const String& Name) const;
  String Names(int Index) const;
  String Values(const String& Name) const;
  // An empty value deletes the line; a new name is added at the end.
  void SetValues(const String& Name, const String& Value);

  // Lines joined by CR LF, each one ended. Setting splits at CR LF, CR or LF.
  String Text() const;
  void SetText(const String& Value);
  // Comma-separated; items with blanks, control characters, commas or quotes
  // are quoted with '"' (inner quotes doubled). Setting also splits at blanks
  // outside quotes.
  String CommaText() const;
  void SetCommaText(const String& Value);

  // Changes between BeginUpdate and the matching EndUpdate are reported once.
  void BeginUpdate();
  void EndUpdate();

  // Reads from the stream's position to its end. The text is written in
  // code page 936 when the code page carries all of it, else as UTF-8 after
  // its byte-order mark; a byte-order mark (UTF-8, UTF-16) read says what
  // follows (TextToFileBytes, TextFromFileBytes).
  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToStream(TStream* Stream) const;
  // The file is read whole (a failed read leaves the list as it was) and
  // saved whole (SaveFileWhole); failures name the file.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;

 protected:
  virtual String Get(int Index) const = 0;
  virtual void Put(int Index, const String& S);
  virtual TObject* GetObjectAt(int Index) const { return nullptr; }
  virtual void PutObjectAt(int Index, TObject* AObject) {}
  virtual int GetCount() const = 0;
  // Called with true when the first BeginUpdate starts a batch and with false
  // when the last EndUpdate ends it.
  virtual void SetUpdateState(bool Updating) {}
  // Sign of the comparison of two strings; without regard to case here.
  virtual int CompareStrings(const String& S1, const String& S2) const;
  int UpdateCount() const { return FUpdateCount; }

 private:
  int FUpdateCount = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  String ClassName() const override { return L"TStringList"; }

  int Add(const String& S) override;
  int AddObject(const String& S, TObject* AObject) override;
  // Insert raises EStringListError on a sorted list: the position is the list's.
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  int IndexOf(const String& S) const override;

  // Binary search of a sorted list: true when S is present, Index its first
  // position; otherwise false and Index where S would be inserted.
  bool Find(const String& S, int& Index) const;
  virtual void Sort();

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  TObject* GetObjectAt(int Index) const override;
  void PutObjectAt(int Index, TObject* AObject) override;
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const String& S1, const String& S2) const override;
  virtual void Changing();
  virtual void Changed();

 private:
  struct TStringItem {
    String FString;
    TObject* FObject;
  };
  void CheckIndex(int Index) const;
  int InsertSorted(const String& S, TObject* AObject);
  void InsertItem(int Index, const String& S, TObject* AObject);

  std::vector<TStringItem> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
};
