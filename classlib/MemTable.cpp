// TMemTable: records in memory and their text file.
#include "classlib/MemTable.h"

#include <algorithm>
#include <cstring>

#include "classlib/FileWhole.h"
#include "classlib/TextCodec.h"

namespace {

// A value as the file holds it: UTF-8 with tabs, line breaks and
// backslashes escaped.
std::string EscapedText(const String& Value) {
  const std::string bytes = WideToUtf8(Value);
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

// The value of an escaped cell that ScanLine passed.
String CellText(const char* Cell, size_t Length) {
  std::string bytes;
  bytes.reserve(Length);
  for (size_t i = 0; i < Length; ++i) {
    char c = Cell[i];
    if (c == '\\' && i + 1 < Length) {
      c = Cell[++i];
      c = c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    bytes += c;
  }
  return Utf8ToWide(bytes);
}

std::string JoinedRecord(const std::vector<std::string>& Cells) {
  std::string line;
  for (size_t i = 0; i < Cells.size(); ++i) (line += i ? "\t" : "") += Cells[i];
  return line;
}

// Where a fault of the file lies, for the message of the load that fails.
struct TFilePlace {
  const TComponent* Table;
  const String& FileName;  // empty for a stream
  size_t Line;
  [[noreturn]] void Fail(const String& What, size_t Column = 0, const String& Field = String()) const {
    String where = L"Table file";
    if (!FileName.empty()) where += L" \"" + FileName + L"\"";
    if (Line) where += L" line " + IntToStr(static_cast<int64_t>(Line));
    if (Column) where += L", column " + IntToStr(static_cast<int64_t>(Column));
    if (!Field.empty()) where += L" (" + Field + L")";
    DatabaseError(Table, where + L": " + What);
  }
};

// The length of the strict UTF-8 sequence at P (at most Available bytes):
// no overlong forms, no surrogates, nothing past U+10FFFF; 0 when none.
size_t Utf8SequenceLength(const unsigned char* P, size_t Available) {
  const unsigned char b = P[0];
  size_t length;
  unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (Available < length || P[1] < low || P[1] > high) return 0;
  for (size_t k = 2; k < length; ++k)
    if ((P[k] & 0xC0) != 0x80) return 0;
  return length;
}

// A value of a line: its bytes (escapes included) and its length in String
// characters once read.
struct TCell {
  size_t Begin, End, Units;
};

// Checks the bytes of a line (its line end taken off) and splits them at the
// tabs: UTF-8 with no NUL and no CR, a backslash only before \, t, n or r.
void ScanLine(const std::string& Bytes, size_t Begin, size_t End, std::vector<TCell>& Cells, const TFilePlace& Place) {
  const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data());
  Cells.assign(1, TCell{Begin, End, 0});
  for (size_t i = Begin; i < End;) {
    // Printable ASCII but the backslash, the most of a line, in one go.
    const size_t from = i;
    while (i < End && p[i] >= 0x20 && p[i] < 0x7F && p[i] != '\\') ++i;
    Cells.back().Units += i - from;
    if (i == End) break;
    const unsigned char b = p[i];
    if (b == '\t') {
      Cells.back().End = i++;
      Cells.push_back(TCell{i, End, 0});
      continue;
    }
    ++Cells.back().Units;
    if (b == '\\') {
      const unsigned char n = i + 1 < End ? p[i + 1] : 0;
      if (n != '\\' && n != 't' && n != 'n' && n != 'r') Place.Fail(L"a backslash not followed by \\, t, n or r", Cells.size());
      i += 2;
    } else if (b >= 0x80) {
      const size_t length = Utf8SequenceLength(p + i, End - i);
      if (!length) Place.Fail(L"bytes that are not UTF-8", Cells.size());
      if (length == 4 && sizeof(wchar_t) == 2) ++Cells.back().Units;  // a surrogate pair
      i += length;
    } else {
      if (b == 0) Place.Fail(L"a NUL byte", Cells.size());
      if (b == '\r') Place.Fail(L"a carriage return without a line feed", Cells.size());
      ++i;
    }
  }
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

// A record of the table from a line whose columns are not the fields in
// their order, or whose values are not all in their stored form.
std::string StoredRecord(const TDataSet& Table, const std::string& Bytes, const std::vector<TCell>& Cells,
                         const std::vector<int>& Map, const TFilePlace& Place) {
  std::vector<std::string> values(Table.FieldCount());
  for (size_t i = 0; i < Cells.size(); ++i) {
    if (Map[i] < 0) continue;
    const TField* field = Table.Fields(Map[i]);
    const char* cell = Bytes.data() + Cells[i].Begin;
    const size_t length = Cells[i].End - Cells[i].Begin;
    if (field->IsStoredForm(cell, length, Cells[i].Units)) {
      values[Map[i]].assign(cell, length);
      continue;
    }
    String stored, why;
    if (!field->ToStoredForm(CellText(cell, length), stored, why)) Place.Fail(why, i + 1, field->FieldName());
    values[Map[i]] = EscapedText(stored);
  }
  return JoinedRecord(values);
}

}  // namespace

TMemTable::~TMemTable() = default;

std::vector<String> TMemTable::InternalRecord(int Index) const {
  const TSpan span = FRecords.at(Index);
  const char* line = FText.data() + span.Begin;
  std::vector<String> values;
  values.reserve(FieldCount());
  for (size_t start = 0;;) {
    const char* tab = static_cast<const char*>(std::memchr(line + start, '\t', span.Length - start));
    const size_t end = tab ? tab - line : span.Length;
    values.push_back(CellText(line + start, end - start));
    if (!tab) break;
    start = end + 1;
  }
  values.resize(FieldCount());
  return values;
}

void TMemTable::Repack(const char* Tail) {
  const size_t tail = std::strlen(Tail);
  std::string text;
  text.reserve(FRecordBytes + FRecords.size() * tail);
  for (TSpan& span : FRecords) {
    const size_t begin = text.size();
    text.append(FText, span.Begin, span.Length) += Tail;
    span = TSpan{begin, span.Length + tail};
  }
  FText = std::move(text);
  FRecordBytes = FText.size();
}

void TMemTable::InternalSetRecord(int Index, const std::vector<String>& Values) {
  std::vector<std::string> cells;
  for (const String& v : Values) cells.push_back(EscapedText(v));
  const std::string record = JoinedRecord(cells);
  FRecordBytes += record.size() - FRecords.at(Index).Length;
  FRecords.at(Index) = TSpan{FText.size(), record.size()};
  FText += record;
  if (FText.size() > 2 * FRecordBytes + 4096) Repack("");
}

void TMemTable::InternalInsertRecord(int Index, const std::vector<String>& Values) {
  FRecords.insert(FRecords.begin() + Index, TSpan{0, 0});
  InternalSetRecord(Index, Values);
}

void TMemTable::InternalDeleteRecord(int Index) {
  FRecordBytes -= FRecords.at(Index).Length;
  FRecords.erase(FRecords.begin() + Index);
}

void TMemTable::InternalFieldAdded() {
  // Every record gets a blank value at its end (one value is its own line).
  if (FieldCount() > 1) Repack("\t");
}

void TMemTable::Reloaded() {
  if (!Active()) return;
  // Re-reads the (possibly gone) current record from the new contents.
  First();
}

void TMemTable::EmptyTable() {
  if (Active()) Cancel();
  std::string().swap(FText);
  std::vector<TSpan>().swap(FRecords);
  FRecordBytes = 0;
  Reloaded();
}

std::string TMemTable::FileText() const {
  std::vector<std::string> names;
  for (int i = 0; i < FieldCount(); ++i) names.push_back(EscapedText(Fields(i)->FieldName()));
  std::string text = JoinedRecord(names) + '\n';
  text.reserve(text.size() + FRecordBytes + FRecords.size());
  for (const TSpan& span : FRecords) text.append(FText, span.Begin, span.Length) += '\n';
  return text;
}

void TMemTable::SaveToStream(TStream* Stream) {
  if (Active()) CheckBrowseMode();
  const std::string bytes = FileText();
  Stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TMemTable::LoadFromStream(TStream* Stream) {
  std::string bytes;
  SizeForLoad(bytes, LoadableSize(std::max<int64_t>(0, Stream->Size() - Stream->Position()), L"stream"), L"stream");
  if (!bytes.empty()) Stream->ReadBuffer(&bytes[0], static_cast<int64_t>(bytes.size()));
  Load(std::move(bytes), String());
}

void TMemTable::Load(std::string bytes, const String& FileName) {
  TFilePlace place{this, FileName, 0};
  size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // a byte-order mark
  if (start == bytes.size()) place.Fail(L"the file has no field names");
  std::vector<TCell> cells;
  std::vector<int> map;
  bool fieldOrder = false;  // the columns are the fields in their order
  // The records stay where they are in the file's bytes; those that the
  // file does not hold as they are kept go to the end of them.
  std::vector<TSpan> records;
  records.reserve(std::count(bytes.begin() + start, bytes.end(), '\n'));
  std::string rewritten;
  size_t recordBytes = 0;
  while (start < bytes.size()) {
    ++place.Line;
    const size_t end = bytes.find('\n', start);
    if (end == std::string::npos) place.Fail(L"the file ends inside the line (cut short?)");
    const size_t stop = end > start && bytes[end - 1] == '\r' ? end - 1 : end;  // a CR LF line end
    ScanLine(bytes, start, stop, cells, place);
    if (place.Line == 1) {
      std::vector<String> names;
      for (const TCell& c : cells) names.push_back(CellText(bytes.data() + c.Begin, c.End - c.Begin));
      map = ColumnMap(*this, names, place);
      fieldOrder = static_cast<int>(map.size()) == FieldCount();
      for (size_t i = 0; i < map.size(); ++i) fieldOrder = fieldOrder && map[i] == static_cast<int>(i);
    } else {
      if (cells.size() != map.size())
        place.Fail(IntToStr(static_cast<int64_t>(cells.size())) + L" values where the first line names " +
                   IntToStr(static_cast<int64_t>(map.size())));
      // Most lines are a record as it is kept: their bytes are taken whole.
      bool asKept = fieldOrder;
      for (size_t i = 0; asKept && i < cells.size(); ++i)
        asKept = Fields(static_cast<int>(i))->IsStoredForm(bytes.data() + cells[i].Begin, cells[i].End - cells[i].Begin,
                                                          cells[i].Units);
      if (asKept) {
        records.push_back(TSpan{start, stop - start});
      } else {
        const std::string record = StoredRecord(*this, bytes, cells, map, place);
        records.push_back(TSpan{bytes.size() + rewritten.size(), record.size()});
        rewritten += record;
      }
      recordBytes += records.back().Length;
    }
    start = end + 1;
  }
  // Only a sound file replaces the records.
  if (Active()) Cancel();
  if (!rewritten.empty()) {
    std::string text;
    text.reserve(bytes.size() + rewritten.size());
    (text += bytes) += rewritten;
    bytes = std::move(text);
  }
  FText = std::move(bytes);
  FRecords = std::move(records);
  FRecordBytes = recordBytes;
  Reloaded();
}

void TMemTable::SaveToFile(const String& FileName) {
  // Posting may be refused: that happens before any file is touched.
  if (Active()) CheckBrowseMode();
  const std::string bytes = FileText();
  try {
    SaveFileWhole(FileName, bytes);
  } catch (const EStreamError& e) {
    DatabaseError(this, L"Table file \"" + FileName + L"\": " + e.Message());
  }
}

void TMemTable::LoadFromFile(const String& FileName) {
  try {
    std::string bytes;
    LoadFileWhole(FileName, bytes);
    Load(std::move(bytes), FileName);
  } catch (const EStreamError& e) {
    DatabaseError(this, L"Table file \"" + FileName + L"\": " + e.Message());
  }
}
