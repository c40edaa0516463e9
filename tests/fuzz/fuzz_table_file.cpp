// Fuzz target of the in-memory table's text file: a table with a field of
// every type holds one record; a load either raises the data layer's error
// and leaves that record as it was, or takes the file, whose records then
// save and load again to the same records and the same bytes.
#include "classlib/MemTable.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

void Fill(TMemTable& Table) {
  Table.AddField(L"Name", ftString, 8);
  Table.AddField(L"Age", ftInteger);
  Table.AddField(L"Score", ftFloat);
  Table.AddField(L"Born", ftDate);
  Table.AddField(L"Vip", ftBoolean);
  Table.AddField(L"Notes", ftMemo);
  Table.Open();
}

std::string Saved(TMemTable& Table) {
  TMemoryStream stream;
  Table.SaveToStream(&stream);
  std::string bytes(static_cast<size_t>(stream.Size()), '\0');
  stream.SetPosition(0);
  if (!bytes.empty()) stream.ReadBuffer(&bytes[0], stream.Size());
  return bytes;
}

bool Load(TMemTable& Table, const std::string& Bytes) {
  TMemoryStream stream;
  if (!Bytes.empty()) stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  stream.SetPosition(0);
  try {
    Table.LoadFromStream(&stream);
  } catch (const EDatabaseError&) {
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemTable table(nullptr);
  Fill(table);
  table.Append();
  table.FieldByName(L"Name")->SetAsString(L"Ann");
  table.FieldByName(L"Age")->SetAsInteger(42);
  table.FieldByName(L"Notes")->SetAsString(L"a\tb\nc");
  table.Post();
  const std::string before = Saved(table);

  if (!Load(table, FuzzBytes(Data, Size))) {
    FUZZ_CHECK(Saved(table) == before);
    FUZZ_CHECK(table.FieldByName(L"Name")->AsString() == L"Ann");
    return 0;
  }
  // Every value the load took reads back through its field.
  for (table.First(); !table.Eof(); table.Next()) {
    for (int i = 0; i < table.FieldCount(); ++i) (void)table.Fields(i)->AsString();
    (void)table.FieldByName(L"Born")->AsDateTime();
  }
  const std::string saved = Saved(table);
  TMemTable again(nullptr);
  Fill(again);
  FUZZ_CHECK(Load(again, saved));
  FUZZ_CHECK(again.RecordCount() == table.RecordCount());
  FUZZ_CHECK(Saved(again) == saved);
  return 0;
}
