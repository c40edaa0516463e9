// TMemTable: records in memory and their text file.
#include "classlib/MemTable.h"

#include <algorithm>
#include <string>

#include "classlib/TextCodec.h"

namespace {

String Escape(const String& S) {
  String out;
  for (wchar_t c : S) {
    if (c == L'\\') out += L"\\\\";
    else if (c == L'\t') out += L"\\t";
    else if (c == L'\n') out += L"\\n";
    else if (c == L'\r') out += L"\\r";
    else out += c;
  }
  return out;
}

// Where a fault of the file lies, for the message of the load that fails.
struct TFilePlace {
  const TComponent* Table;
  size_t Line;
  [[noreturn]] void Fail(const String& What, size_t Column = 0, const String& Field = String()) const {
    String where = L"Table file line " + IntToStr(static_cast<int64_t>(Line));
    if (Column) where += L", column " + IntToStr(static_cast<int64_t>(Column));
    if (!Field.empty()) where += L" (" + Field + L")";
    DatabaseError(Table, where + L": " + What);
  }
};

// The bytes of one line as text: UTF-8 with no NUL and no lone CR (a CR LF
// line end is taken off).
String DecodeLine(std::string Bytes, const TFilePlace& Place) {
  if (!Bytes.empty() && Bytes.back() == '\r') Bytes.pop_back();
  auto columnAt = [&](size_t Offset) { return 1 + std::count(Bytes.begin(), Bytes.begin() + Offset, '\t'); };
  const size_t bad = Bytes.find_first_of(std::string("\r\0", 2));
  if (bad != std::string::npos)
    Place.Fail(Bytes[bad] ? L"a carriage return without a line feed" : L"a NUL byte", columnAt(bad));
  const String text = Utf8ToWide(Bytes);
  const std::string again = WideToUtf8(text);
  if (again != Bytes) {
    const size_t at = std::mismatch(Bytes.begin(), Bytes.end(), again.begin(), again.end()).first - Bytes.begin();
    Place.Fail(L"bytes that are not UTF-8", columnAt(at));
  }
  return text;
}

// The tab-separated values of a line with their escapes resolved.
std::vector<String> SplitEscaped(const String& Line, const TFilePlace& Place) {
  std::vector<String> cells(1);
  for (size_t i = 0; i < Line.size(); ++i) {
    const wchar_t c = Line[i];
    if (c == L'\t') {
      cells.emplace_back();
    } else if (c == L'\\') {
      const wchar_t n = i + 1 < Line.size() ? Line[++i] : L'\0';
      if (n != L'\\' && n != L't' && n != L'n' && n != L'r')
        Place.Fail(L"a backslash not followed by \\, t, n or r", cells.size());
      cells.back() += n == L't' ? L'\t' : n == L'n' ? L'\n' : n == L'r' ? L'\r' : n;
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

// Column i of the file goes to field Map[i] (-1: a column of no field).
std::vector<int> ColumnMap(const TDataSet& Table, const std::vector<String>& Names, const TFilePlace& Place) {
  std::vector<int> map;
  bool any = false;
  for (const String& name : Names) {
    TField* f = Table.FindField(name);
    if (f && std::find(map.begin(), map.end(), f->Index()) != map.end())
      Place.Fail(L"the field is named twice", map.size() + 1, name);
    map.push_back(f ? f->Index() : -1);
    any = any || f;
  }
  if (!any) Place.Fail(L"no column names a field of the table");
  return map;
}

}  // namespace

TMemTable::~TMemTable() = default;

void TMemTable::InternalInsertRecord(int Index, const std::vector<String>& Values) {
  FRecords.insert(FRecords.begin() + Index, Values);
}

void TMemTable::Reloaded() {
  if (!Active()) return;
  // Re-reads the (possibly gone) current record from the new contents.
  First();
}

void TMemTable::EmptyTable() {
  if (Active()) Cancel();
  FRecords.clear();
  Reloaded();
}

void TMemTable::SaveToStream(TStream* Stream) {
  if (Active()) CheckBrowseMode();
  String text;
  for (int i = 0; i < FieldCount(); ++i) text += (i ? L"\t" : L"") + Escape(Fields(i)->FieldName());
  text += L"\n";
  for (const auto& record : FRecords) {
    for (size_t i = 0; i < record.size(); ++i) text += (i ? L"\t" : L"") + Escape(record[i]);
    text += L"\n";
  }
  const std::string bytes = WideToUtf8(text);
  Stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TMemTable::LoadFromStream(TStream* Stream) {
  std::string bytes(static_cast<size_t>(std::max<int64_t>(0, Stream->Size() - Stream->Position())), '\0');
  if (!bytes.empty()) Stream->ReadBuffer(&bytes[0], static_cast<int64_t>(bytes.size()));
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);  // a byte-order mark
  if (bytes.empty()) DatabaseError(this, L"The table file has no field names");
  std::vector<int> map;
  std::vector<std::vector<String>> records;
  TFilePlace place{this, 0};
  for (size_t start = 0; start < bytes.size();) {
    ++place.Line;
    const size_t end = bytes.find('\n', start);
    if (end == std::string::npos) place.Fail(L"the file ends inside the line (cut short?)");
    const std::vector<String> cells = SplitEscaped(DecodeLine(bytes.substr(start, end - start), place), place);
    start = end + 1;
    if (place.Line == 1) {
      map = ColumnMap(*this, cells, place);
      continue;
    }
    if (cells.size() != map.size())
      place.Fail(IntToStr(static_cast<int64_t>(cells.size())) + L" values where the first line names " +
                 IntToStr(static_cast<int64_t>(map.size())));
    std::vector<String> record(FieldCount());
    for (size_t i = 0; i < cells.size(); ++i) {
      if (map[i] < 0) continue;
      String why;
      if (!Fields(map[i])->ToStoredForm(cells[i], record[map[i]], why))
        place.Fail(why, i + 1, Fields(map[i])->FieldName());
    }
    records.push_back(std::move(record));
  }
  // Only a sound file replaces the records.
  if (Active()) Cancel();
  FRecords = std::move(records);
  Reloaded();
}

void TMemTable::SaveToFile(const String& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

void TMemTable::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead);
  LoadFromStream(&stream);
}
