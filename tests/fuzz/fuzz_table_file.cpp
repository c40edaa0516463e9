// Fuzz target of the in-memory table's text file: a table with a field of
// every type holds one record; a load either raises the data layer's error
// and leaves that record as it was, or takes the file, whose records then
// save and load again to the same records and the same bytes. The same bytes
// are then read as calls of the fields' setters: every value a setter takes
// survives a save and a load.
#include <cstring>

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

// Reads the bytes as setter calls (a byte for the field and the setter, then
// the value's bytes) into a new record; returns its saved file.
std::string SetValues(TMemTable& Table, const uint8_t* Data, size_t Size) {
  Table.Append();
  for (size_t i = 0; i < Size;) {
    const uint8_t op = Data[i++];
    TField* field = Table.Fields(op % Table.FieldCount());
    auto take = [&](void* To, size_t Count) {
      std::memset(To, 0, Count);
      std::memcpy(To, Data + i, std::min(Count, Size - i));
      i += std::min(Count, Size - i);
    };
    try {
      switch (op / Table.FieldCount() % 5) {
        case 0: {
          const size_t units = i < Size ? Data[i++] % 24 : 0;
          const size_t bytes = std::min(units * 2, Size - i);
          field->SetAsString(FuzzUtf16(Data + i, bytes));
          i += bytes;
          break;
        }
        case 1: {
          int32_t v;
          take(&v, sizeof v);
          field->SetAsInteger(v);
          break;
        }
        case 2: case 3: {
          double v;
          take(&v, sizeof v);
          if (op / Table.FieldCount() % 5 == 2) field->SetAsFloat(v);
          else field->SetAsDateTime(v);
          break;
        }
        default:
          field->SetAsBoolean(i < Size && Data[i++] % 2);
      }
    } catch (const Exception&) {
      // Refused: the field keeps what it held.
    }
  }
  Table.Post();
  return Saved(Table);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  {
    TMemTable set(nullptr);
    Fill(set);
    const std::string saved = SetValues(set, Data, Size);
    TMemTable loaded(nullptr);
    Fill(loaded);
    FUZZ_CHECK(Load(loaded, saved));
    for (int i = 0; i < set.FieldCount(); ++i) {
      const TField* f = set.Fields(i);
      const TField* g = loaded.Fields(i);
      FUZZ_CHECK(f->AsString() == g->AsString());
      if (f->DataType() == ftFloat || f->DataType() == ftDate) {
        const double a = f->AsFloat(), b = g->AsFloat();
        FUZZ_CHECK(std::memcmp(&a, &b, sizeof a) == 0);
      }
    }
  }

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
