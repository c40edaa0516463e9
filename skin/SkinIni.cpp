#include "skin/SkinIni.h"

#include <cstdint>

#include "classlib/SysUtils.h"

namespace {

bool IsBlank(wchar_t c) { return c <= L' '; }

String Trim(const String& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

wchar_t FoldCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c + (L'a' - L'A')) : c; }

String Fold(const String& s) {
  String r(s);
  for (wchar_t& c : r) c = FoldCase(c);
  return r;
}

bool SameName(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

String IntToText(int v) { return std::to_wstring(v); }

}  // namespace

bool TryParseSkinInteger(const String& Text, int& Value) {
  size_t i = 0;
  bool negative = false;
  if (i < Text.size() && (Text[i] == L'-' || Text[i] == L'+')) negative = Text[i++] == L'-';
  bool hex = false;
  if (i < Text.size() && Text[i] == L'$') {
    hex = true;
    ++i;
  } else if (Text.size() - i > 2 && Text[i] == L'0' && (Text[i + 1] == L'x' || Text[i + 1] == L'X')) {
    hex = true;
    i += 2;
  }
  if (i >= Text.size()) return false;
  uint64_t v = 0;
  for (; i < Text.size(); ++i) {
    int d = hex ? HexDigit(Text[i]) : (Text[i] >= L'0' && Text[i] <= L'9' ? Text[i] - L'0' : -1);
    if (d < 0) return false;
    v = v * (hex ? 16 : 10) + uint64_t(d);
    if (v > 0xFFFFFFFFull) return false;
  }
  if (hex) {
    // Hexadecimal covers the whole 32-bit pattern: $FFFFFFFF is -1.
    uint32_t bits = static_cast<uint32_t>(v);
    if (negative) bits = 0u - bits;
    Value = static_cast<int32_t>(bits);
    return true;
  }
  if (negative ? v > 2147483648ull : v > 2147483647ull) return false;
  Value = negative ? static_cast<int>(-static_cast<int64_t>(v)) : static_cast<int>(v);
  return true;
}

// ---------------------------------------------------------------------------
// TspSkinIni

void TspSkinIni::SetLines(const std::vector<String>& Lines) {
  FSections.clear();
  for (const String& raw : Lines) {
    String line = Trim(raw);
    if (line.empty() || line[0] == L';') continue;
    if (line.front() == L'[' && line.back() == L']' && line.size() >= 2) {
      FSections.push_back(TSection{Trim(line.substr(1, line.size() - 2)), {}});
      continue;
    }
    if (FSections.empty()) continue;
    TEntry entry;
    size_t eq = line.find(L'=');
    if (eq == String::npos) {
      entry.Name = line;
      entry.HasValue = false;
    } else {
      entry.Name = Trim(line.substr(0, eq));
      entry.Value = Trim(line.substr(eq + 1));
    }
    FSections.back().Entries.push_back(std::move(entry));
  }
  RebuildIndex();
}

std::vector<String> TspSkinIni::GetLines() const {
  std::vector<String> lines;
  for (const TSection& s : FSections) {
    lines.push_back(L"[" + s.Name + L"]");
    for (const TEntry& e : s.Entries) lines.push_back(e.HasValue ? e.Name + L"=" + e.Value : e.Name);
    lines.push_back(String());
  }
  return lines;
}

void TspSkinIni::RebuildIndex() {
  FIndex.clear();
  for (size_t i = 0; i < FSections.size(); ++i) FIndex.emplace(Fold(FSections[i].Name), i);
}

const TspSkinIni::TSection* TspSkinIni::FindSection(const String& Section) const {
  auto it = FIndex.find(Fold(Section));
  return it == FIndex.end() ? nullptr : &FSections[it->second];
}

const TspSkinIni::TEntry* TspSkinIni::FindEntry(const String& Section, const String& Key) const {
  const TSection* s = FindSection(Section);
  if (!s) return nullptr;
  for (const TEntry& e : s->Entries)
    if (e.HasValue && SameName(e.Name, Key)) return &e;
  return nullptr;
}

int TspSkinIni::ClampCount(const String& Section, int Count) const {
  const TSection* s = FindSection(Section);
  int entries = s ? static_cast<int>(s->Entries.size()) : 0;
  return Count < 0 ? 0 : (Count > entries ? entries : Count);
}

bool TspSkinIni::SectionExists(const String& Section) const { return FindSection(Section) != nullptr; }

bool TspSkinIni::ValueExists(const String& Section, const String& Key) const {
  return FindEntry(Section, Key) != nullptr;
}

String TspSkinIni::ReadString(const String& Section, const String& Key, const String& Default) const {
  const TEntry* e = FindEntry(Section, Key);
  return e ? e->Value : Default;
}

int TspSkinIni::ReadInteger(const String& Section, const String& Key, int Default) const {
  const TEntry* e = FindEntry(Section, Key);
  int v;
  return e && TryParseSkinInteger(e->Value, v) ? v : Default;
}

TspSkinIni::TSection& TspSkinIni::SectionForWrite(const String& Section) {
  auto it = FIndex.find(Fold(Section));
  if (it != FIndex.end()) return FSections[it->second];
  FSections.push_back(TSection{Section, {}});
  FIndex.emplace(Fold(Section), FSections.size() - 1);
  return FSections.back();
}

void TspSkinIni::WriteString(const String& Section, const String& Key, const String& Value) {
  TSection& s = SectionForWrite(Section);
  for (TEntry& e : s.Entries) {
    if (e.HasValue && SameName(e.Name, Key)) {
      e.Value = Value;
      return;
    }
  }
  s.Entries.push_back(TEntry{Key, Value, true});
}

void TspSkinIni::WriteInteger(const String& Section, const String& Key, int Value) {
  WriteString(Section, Key, IntToText(Value));
}

void TspSkinIni::EraseSection(const String& Section) {
  auto it = FIndex.find(Fold(Section));
  if (it == FIndex.end()) return;
  FSections.erase(FSections.begin() + static_cast<std::ptrdiff_t>(it->second));
  RebuildIndex();
}

// ---------------------------------------------------------------------------
// Value codec

bool ReadBoolean(const TspSkinIni& Ini, const String& Section, const String& Key) {
  return Ini.ReadInteger(Section, Key, 0) == 1;
}

void WriteBoolean(TspSkinIni& Ini, const String& Section, const String& Key, bool Value) {
  Ini.WriteString(Section, Key, Value ? L"1" : L"0");
}

namespace {

// Splits Text into Count decimal fields.
void ParseNumberList(const String& Text, int* Fields, int Count) {
  int field = 0;
  String acc;
  auto store = [&]() {
    if (field < Count) {
      int v;
      if (acc.empty() || acc == L"-" || !TryParseSkinInteger(acc, v))
        throw EConvertError(L"'" + acc + L"' is not a valid integer value");
      Fields[field] = v;
    }
    ++field;
    acc.clear();
  };
  for (wchar_t c : Text) {
    if (field >= Count) return;
    if (c == L',') {
      store();
    } else if (c >= L'0' && c <= L'9') {
      acc += c;
    } else if (c == L'-' && acc.empty()) {
      acc += c;
    }
  }
  // Fewer fields than needed leaves an empty field to store.
  while (field < Count) store();
}

String JoinNumbers(const int* Fields, int Count) {
  String s;
  for (int i = 0; i < Count; ++i) {
    if (i) s += L',';
    s += IntToText(Fields[i]);
  }
  return s;
}

}  // namespace

TPoint ParsePoint(const String& Text) {
  int f[2];
  ParseNumberList(Text, f, 2);
  return TPoint(f[0], f[1]);
}

TRect ParseRect(const String& Text) {
  int f[4];
  ParseNumberList(Text, f, 4);
  return TRect(f[0], f[1], f[2], f[3]);
}

TPoint ReadPoint(const TspSkinIni& Ini, const String& Section, const String& Key) {
  return ParsePoint(Ini.ReadString(Section, Key, L"0,0"));
}

void WritePoint(TspSkinIni& Ini, const String& Section, const String& Key, const TPoint& Value) {
  int f[2] = {Value.X, Value.Y};
  Ini.WriteString(Section, Key, JoinNumbers(f, 2));
}

TRect ReadRect(const TspSkinIni& Ini, const String& Section, const String& Key) {
  return ParseRect(Ini.ReadString(Section, Key, L"0,0,0,0"));
}

void WriteRect(TspSkinIni& Ini, const String& Section, const String& Key, const TRect& Value) {
  int f[4] = {Value.Left, Value.Top, Value.Right, Value.Bottom};
  Ini.WriteString(Section, Key, JoinNumbers(f, 4));
}

namespace {
const wchar_t* const kStyleWords[] = {L"fsbold", L"fsitalic", L"fsunderline", L"fsstrikeout"};
const TFontStyle kStyles[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
}  // namespace

TFontStyles ReadFontStyles(const TspSkinIni& Ini, const String& Section, const String& Key) {
  String text = Ini.ReadString(Section, Key, String());
  TFontStyles styles;
  for (int i = 0; i < 4; ++i)
    if (text.find(kStyleWords[i]) != String::npos) styles.Include(kStyles[i]);
  return styles;
}

void WriteFontStyles(TspSkinIni& Ini, const String& Section, const String& Key, TFontStyles Value) {
  String text;
  for (int i = 0; i < 4; ++i) {
    if (!Value.Contains(kStyles[i])) continue;
    if (!text.empty()) text += L',';
    text += kStyleWords[i];
  }
  Ini.WriteString(Section, Key, text);
}

TAlignment ReadAlignment(const TspSkinIni& Ini, const String& Section, const String& Key) {
  String text = Ini.ReadString(Section, Key, L"tacenter");
  if (text == L"tacenter") return taCenter;
  if (text == L"taleftjustify") return taLeftJustify;
  return taRightJustify;
}

void WriteAlignment(TspSkinIni& Ini, const String& Section, const String& Key, TAlignment Value) {
  const wchar_t* word = Value == taCenter ? L"tacenter" : Value == taLeftJustify ? L"taleftjustify" : L"tarightjustify";
  Ini.WriteString(Section, Key, word);
}

void ReadStrings(const TspSkinIni& Ini, const String& Section, const String& Key,
                 std::vector<String>& Lines) {
  int n = Ini.ClampCount(Section, Ini.ReadInteger(Section, Key + L"linecount", 0));
  for (int i = 0; i < n; ++i) Lines.push_back(Ini.ReadString(Section, Key + L"line" + IntToText(i), String()));
}

void WriteStrings(TspSkinIni& Ini, const String& Section, const String& Key,
                  const std::vector<String>& Lines) {
  Ini.WriteInteger(Section, Key + L"linecount", static_cast<int>(Lines.size()));
  for (size_t i = 0; i < Lines.size(); ++i)
    Ini.WriteString(Section, Key + L"line" + IntToText(static_cast<int>(i)), Lines[i]);
}

void ReadIndexedStrings(const TspSkinIni& Ini, const String& Section, const String& Key,
                        std::vector<String>& Items) {
  int n = Ini.ClampCount(Section, Ini.ReadInteger(Section, Key + L"count", 0));
  for (int i = 0; i < n; ++i) Items.push_back(Ini.ReadString(Section, IntToText(i), String()));
}
