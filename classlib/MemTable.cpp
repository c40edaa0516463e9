// TMemTable: records in memory and their text file.
#include "classlib/MemTable.h"

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

std::vector<String> SplitEscaped(const String& Line) {
  std::vector<String> cells(1);
  for (size_t i = 0; i < Line.size(); ++i) {
    const wchar_t c = Line[i];
    if (c == L'\t') {
      cells.emplace_back();
    } else if (c == L'\\' && i + 1 < Line.size()) {
      const wchar_t n = Line[++i];
      cells.back() += n == L't' ? L'\t' : n == L'n' ? L'\n' : n == L'r' ? L'\r' : n;
    } else {
      cells.back() += c;
    }
  }
  return cells;
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
  std::string bytes(static_cast<size_t>(Stream->Size() - Stream->Position()), '\0');
  if (!bytes.empty()) Stream->ReadBuffer(&bytes[0], static_cast<int64_t>(bytes.size()));
  const String text = Utf8ToWide(bytes);
  std::vector<String> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == String::npos) end = text.size();
    String line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();  // a file saved with CR LF
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (lines.empty()) throw EDatabaseError(L"The table file has no field names");
  // Column i of the file goes to field map[i] (-1: no such field).
  std::vector<int> map;
  for (const String& name : SplitEscaped(lines[0])) {
    TField* f = FindField(name);
    map.push_back(f ? f->Index() : -1);
  }
  std::vector<std::vector<String>> records;
  for (size_t l = 1; l < lines.size(); ++l) {
    const std::vector<String> cells = SplitEscaped(lines[l]);
    std::vector<String> record(FieldCount());
    for (size_t i = 0; i < cells.size() && i < map.size(); ++i)
      if (map[i] >= 0) record[map[i]] = cells[i];
    records.push_back(std::move(record));
  }
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
