// An in-memory table: fields defined in code, records appended, edited and
// deleted through the data set, and the whole table kept in a text file.
#pragma once

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
  void SaveToFile(const String& FileName);
  void LoadFromFile(const String& FileName);
  void SaveToStream(TStream* Stream);
  void LoadFromStream(TStream* Stream);

 protected:
  int InternalRecordCount() const override { return static_cast<int>(FRecords.size()); }
  const std::vector<String>& InternalRecord(int Index) const override { return FRecords.at(Index); }
  void InternalSetRecord(int Index, const std::vector<String>& Values) override { FRecords.at(Index) = Values; }
  void InternalInsertRecord(int Index, const std::vector<String>& Values) override;
  void InternalDeleteRecord(int Index) override { FRecords.erase(FRecords.begin() + Index); }

 private:
  void Reloaded();
  std::vector<std::vector<String>> FRecords;
};
