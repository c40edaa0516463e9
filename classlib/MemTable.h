// An in-memory table: fields defined in code, records appended, edited and
// deleted through the data set, and the whole table kept in a text file.
#pragma once

#include <string>

#include "classlib/DB.h"

class TMemTable : public TDataSet {
 public:
  explicit TMemTable(TComponent* AOwner) : TDataSet(AOwner) {}
  ~TMemTable() override;
  String ClassName() const override { return L"TMemTable"; }

  // Drops every record (a record being edited with them).
  void EmptyTable();
  // UTF-8 text: a line of field names, then a line per record, values
  // separated by tabs; tabs, line breaks and backslashes are escaped.
  // Loading matches columns to the defined fields by name (others are
  // ignored) and checks the whole file first: a fault raises EDatabaseError
  // naming the line, the column and what is wrong, with the table as it
  // was. Else the file's records replace the records; an open table drops
  // an edit under way and shows the first one.
  // Saving posts an edit under way first (a refusal raises before anything
  // is written) and replaces the file whole or not at all (SaveFileWhole).
  // Every failure of the files themselves (missing, held, unreadable, a
  // full disk) raises EDatabaseError naming the file, with the system's words.
  void SaveToFile(const String& FileName);
  void LoadFromFile(const String& FileName);
  void SaveToStream(TStream* Stream);
  void LoadFromStream(TStream* Stream);

 protected:
  int InternalRecordCount() const override { return static_cast<int>(FRecords.size()); }
  std::vector<String> InternalRecord(int Index) const override;
  void InternalSetRecord(int Index, const std::vector<String>& Values) override;
  void InternalInsertRecord(int Index, const std::vector<String>& Values) override;
  void InternalDeleteRecord(int Index) override;
  void InternalFieldAdded() override;

 private:
  // Where a record's bytes lie in FText.
  struct TSpan {
    size_t Begin, Length;
  };
  std::string FileText() const;
  void Load(std::string Bytes, const String& FileName);
  void Reloaded();
  // Writes the records afresh into a text of their own, each followed by Tail.
  void Repack(const char* Tail);
  // Each record as the file holds it: UTF-8 values in the field order,
  // escaped and separated by tabs, all in one text (a loaded file's own
  // bytes). A record changed goes to the end of it; the bytes it leaves are
  // dropped when they come to outweigh the records.
  std::string FText;
  std::vector<TSpan> FRecords;
  size_t FRecordBytes = 0;  // what the records use of FText
};
