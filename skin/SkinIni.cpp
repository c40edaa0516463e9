#include "skin/SkinIni.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "classlib/SysUtils.h"

namespace {

bool IsBlank(wchar_t c) { return c <= L' '; }

// Names fold through AnsiUpperCase, a letter's cases alike. The
// mapping of every 16-bit code is taken once into a table, so that folding
// a character while hashing or comparing costs one load; codes beyond it
// (wide characters of the host build) have no case.
class TCaseFold {
 public:
  static const TCaseFold& Get() {
    static const TCaseFold fold;
    return fold;
  }
  uint32_t operator()(wchar_t c) const {
    const uint32_t code = static_cast<uint32_t>(c);
    return code < kCodes ? FUpper[code] : code;
  }

 private:
  static constexpr uint32_t kCodes = 0x10000;
  TCaseFold() {
    String all(kCodes, L'\0');
    for (uint32_t i = 0; i < kCodes; ++i) all[i] = static_cast<wchar_t>(i);
    const String upper = AnsiUpperCase(all);
    for (uint32_t i = 0; i < kCodes; ++i) FUpper[i] = static_cast<uint16_t>(upper[i]);
  }
  uint16_t FUpper[kCodes];
};

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  const TCaseFold& fold = TCaseFold::Get();
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && fold(a[i]) != fold(b[i])) return false;
  return true;
}

// FNV-1a over the case-folded name.
uint32_t NameHash(std::wstring_view Name) {
  const TCaseFold& fold = TCaseFold::Get();
  uint32_t h = 2166136261u;
  for (wchar_t c : Name) h = (h ^ fold(c)) * 16777619u;
  return h;
}

// The index that Name gives to an item of a list whose keys are Prefix and a
// decimal number, as the number's text is written: no sign, no leading zero.
// -1 for another name, and for an index not below Limit.
int ListIndex(std::wstring_view Name, std::wstring_view Prefix, int Limit) {
  if (Name.size() <= Prefix.size() || !SameName(Name.substr(0, Prefix.size()), Prefix)) return -1;
  const std::wstring_view digits = Name.substr(Prefix.size());
  if (digits.size() > 1 && digits[0] == L'0') return -1;
  int64_t index = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return -1;
    index = index * 10 + (c - L'0');
    if (index >= Limit) return -1;
  }
  return static_cast<int>(index);
}

template <typename Entry>
bool HasRepeatedHash(const std::vector<Entry>& Entries) {
  std::vector<uint32_t> hashes;
  hashes.reserve(Entries.size());
  for (const Entry& e : Entries) hashes.push_back(e.NameHash);
  std::sort(hashes.begin(), hashes.end());
  return std::adjacent_find(hashes.begin(), hashes.end()) != hashes.end();
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

String IntToText(int v) { return std::to_wstring(v); }

}  // namespace

bool TryParseSkinInteger(std::wstring_view Text, int& Value) {
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

TspSkinIni::TSpan TspSkinIni::Store(std::wstring_view Text) {
  TSpan span{static_cast<uint32_t>(FPool.size()), static_cast<uint32_t>(Text.size())};
  FPool.append(Text);
  return span;
}

void TspSkinIni::AddLine(size_t Begin, size_t End, std::vector<TEntry>& Entries, std::vector<size_t>& Starts) {
  auto trimmed = [this](size_t b, size_t e) {
    while (b < e && IsBlank(FPool[b])) ++b;
    while (e > b && IsBlank(FPool[e - 1])) --e;
    return TSpan{static_cast<uint32_t>(b), static_cast<uint32_t>(e - b)};
  };
  TSpan line = trimmed(Begin, End);
  if (line.Length == 0 || FPool[line.Start] == L';') return;
  size_t b = line.Start, e = line.Start + line.Length;
  if (FPool[b] == L'[' && FPool[e - 1] == L']' && line.Length >= 2) {
    TSpan name = trimmed(b + 1, e - 1);
    FSections.push_back(TSection{name, NameHash(View(name)), {}});
    IndexSection(FSections.size() - 1);
    Starts.push_back(Entries.size());
    return;
  }
  if (FSections.empty()) return;
  TEntry entry;
  size_t eq = std::wstring_view(FPool).substr(b, e - b).find(L'=');
  if (eq == std::wstring_view::npos) {
    entry.Name = line;
    entry.HasValue = false;
  } else {
    entry.Name = trimmed(b, b + eq);
    entry.Value = trimmed(b + eq + 1, e);
  }
  entry.NameHash = NameHash(View(entry.Name));
  Entries.push_back(entry);
}

void TspSkinIni::SetText(std::wstring_view Text) { SetText(String(Text)); }

void TspSkinIni::IndexSection(size_t Index) {
  FSameHash.push_back(kNoSection);
  const auto [first, added] = FFirstOfHash.emplace(FSections[Index].NameHash, uint32_t(Index));
  if (added) return;
  uint32_t i = first->second;
  while (FSameHash[i] != kNoSection) i = FSameHash[i];
  FSameHash[i] = uint32_t(Index);
}

void TspSkinIni::SetText(String&& Text) {
  FSections.clear();
  FFirstOfHash.clear();
  FSameHash.clear();
  FPool = std::move(Text);
  FLastSection = 0;
  // The entries of all sections are gathered in one list first, each
  // section's lying together, and then handed out: each section takes one
  // block of its own size. Growing every section's list line by line left
  // the heap strewn with freed blocks of every size, which made a text of
  // many sections read in time that grew faster than its sections.
  std::vector<TEntry> entries;
  std::vector<size_t> starts;
  size_t start = 0;
  for (size_t i = 0; i < FPool.size(); ++i) {
    if (FPool[i] != L'\r' && FPool[i] != L'\n') continue;
    AddLine(start, i, entries, starts);
    start = i + 1;
  }
  AddLine(start, FPool.size(), entries, starts);
  starts.push_back(entries.size());
  for (size_t k = 0; k < FSections.size(); ++k)
    FSections[k].Entries.assign(entries.begin() + ptrdiff_t(starts[k]), entries.begin() + ptrdiff_t(starts[k + 1]));
}

void TspSkinIni::SetLines(const std::vector<String>& Lines) {
  String text;
  for (const String& line : Lines) {
    text += line;
    text += L'\n';
  }
  SetText(std::move(text));
}

std::vector<String> TspSkinIni::GetLines() const {
  std::vector<String> lines;
  for (const TSection& s : FSections) {
    lines.push_back(L"[" + String(View(s.Name)) + L"]");
    for (const TEntry& e : s.Entries)
      lines.push_back(e.HasValue ? String(View(e.Name)) + L"=" + String(View(e.Value)) : String(View(e.Name)));
    lines.push_back(String());
  }
  return lines;
}

const TspSkinIni::TSection* TspSkinIni::FindSection(std::wstring_view Section) const {
  // The last section found is tried first. It was the first of its name when
  // found, and sections are only ever added at the end, so it still is.
  if (FLastSection < FSections.size() && SameName(View(FSections[FLastSection].Name), Section))
    return &FSections[FLastSection];
  const auto first = FFirstOfHash.find(NameHash(Section));
  if (first == FFirstOfHash.end()) return nullptr;
  // Sections of one hash are chained in the order of the text.
  for (uint32_t i = first->second; i != kNoSection; i = FSameHash[i]) {
    if (SameName(View(FSections[i].Name), Section)) {
      FLastSection = i;
      return &FSections[i];
    }
  }
  return nullptr;
}

const TspSkinIni::TEntry* TspSkinIni::FindEntry(std::wstring_view Section, std::wstring_view Key) const {
  const TSection* s = FindSection(Section);
  if (!s) return nullptr;
  if (s->Repeats < 0) s->Repeats = HasRepeatedHash(s->Entries) ? 1 : 0;
  const uint32_t hash = NameHash(Key);
  const size_t n = s->Entries.size();
  const size_t start = s->Repeats ? 0 : s->Cursor;
  for (size_t k = 0; k < n; ++k) {
    const size_t i = start + k < n ? start + k : start + k - n;
    const TEntry& e = s->Entries[i];
    if (e.NameHash == hash && e.HasValue && SameName(View(e.Name), Key)) {
      s->Cursor = i + 1 < n ? i + 1 : 0;
      return &e;
    }
  }
  return nullptr;
}

bool TspSkinIni::SectionExists(std::wstring_view Section) const { return FindSection(Section) != nullptr; }

bool TspSkinIni::ValueExists(std::wstring_view Section, std::wstring_view Key) const {
  return FindEntry(Section, Key) != nullptr;
}

std::vector<std::wstring_view> TspSkinIni::ReadList(std::wstring_view Section, std::wstring_view CountKey,
                                                    std::wstring_view ItemPrefix) const {
  std::vector<std::wstring_view> items;
  const int count = std::min(ReadInteger(Section, CountKey, 0), MaxListItems);
  const TSection* s = count > 0 ? FindSection(Section) : nullptr;
  if (!s) return items;
  // One pass over the section finds every item; a slot without data is one
  // no key has filled yet, so the first key of a name wins.
  for (const TEntry& e : s->Entries) {
    if (!e.HasValue) continue;
    const int i = ListIndex(View(e.Name), ItemPrefix, count);
    if (i < 0) continue;
    if (static_cast<size_t>(i) >= items.size()) items.resize(static_cast<size_t>(i) + 1);
    if (items[i].data() == nullptr) items[i] = View(e.Value);
  }
  return items;
}

String TspSkinIni::ReadString(std::wstring_view Section, std::wstring_view Key, std::wstring_view Default) const {
  const TEntry* e = FindEntry(Section, Key);
  return String(e ? View(e->Value) : Default);
}

std::wstring_view TspSkinIni::ReadView(std::wstring_view Section, std::wstring_view Key,
                                      std::wstring_view Default) const {
  const TEntry* e = FindEntry(Section, Key);
  return e ? View(e->Value) : Default;
}

int TspSkinIni::ReadInteger(std::wstring_view Section, std::wstring_view Key, int Default) const {
  const TEntry* e = FindEntry(Section, Key);
  int v;
  return e && TryParseSkinInteger(View(e->Value), v) ? v : Default;
}

void TspSkinIni::WriteString(std::wstring_view Section, std::wstring_view Key, std::wstring_view Value) {
  TSection* s = const_cast<TSection*>(FindSection(Section));
  if (!s) {
    FSections.push_back(TSection{Store(Section), NameHash(Section), {}});
    IndexSection(FSections.size() - 1);
    s = &FSections.back();
  }
  const uint32_t hash = NameHash(Key);
  for (TEntry& e : s->Entries) {
    if (e.NameHash != hash) continue;
    if (e.HasValue && SameName(View(e.Name), Key)) {
      e.Value = Store(Value);
      return;
    }
    s->Repeats = 1;  // the new entry will share this one's hash
  }
  TEntry entry;
  entry.Name = Store(Key);
  entry.NameHash = hash;
  entry.Value = Store(Value);
  s->Entries.push_back(entry);
}

void TspSkinIni::WriteInteger(std::wstring_view Section, std::wstring_view Key, int Value) {
  WriteString(Section, Key, IntToText(Value));
}

void TspSkinIni::EraseSection(std::wstring_view Section) {
  const TSection* s = FindSection(Section);
  if (!s) return;
  const uint32_t gone = uint32_t(s - FSections.data());
  // Out of its chain of one hash ...
  const auto first = FFirstOfHash.find(s->NameHash);
  if (first->second == gone) {
    if (FSameHash[gone] == kNoSection) FFirstOfHash.erase(first);
    else first->second = FSameHash[gone];
  } else {
    uint32_t i = first->second;
    while (FSameHash[i] != gone) i = FSameHash[i];
    FSameHash[i] = FSameHash[gone];
  }
  FSections.erase(FSections.begin() + gone);
  FSameHash.erase(FSameHash.begin() + gone);
  FLastSection = 0;
  // ... and the sections after it one place down.
  for (auto& entry : FFirstOfHash)
    if (entry.second > gone) --entry.second;
  for (uint32_t& next : FSameHash)
    if (next != kNoSection && next > gone) --next;
}

// ---------------------------------------------------------------------------
// Value codec

bool ReadBoolean(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  return Ini.ReadInteger(Section, Key, 0) == 1;
}

void WriteBoolean(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, bool Value) {
  Ini.WriteString(Section, Key, Value ? L"1" : L"0");
}

namespace {

// The characters of a field that count: digits, and a minus sign in front
// of the first digit.
String FieldText(std::wstring_view Field) {
  String text;
  for (wchar_t c : Field)
    if ((c >= L'0' && c <= L'9') || (c == L'-' && text.empty())) text += c;
  return text;
}

// Splits Text into Count decimal fields, reading the digits in place.
void ParseNumberList(std::wstring_view Text, int* Fields, int Count) {
  int field = 0;
  size_t fieldStart = 0;
  bool negative = false, digits = false;
  uint64_t v = 0;
  auto store = [&](size_t FieldEnd) {
    if (field < Count) {
      if (!digits || v > (negative ? 2147483648ull : 2147483647ull))
        throw EConvertError(L"'" + FieldText(Text.substr(fieldStart, FieldEnd - fieldStart)) +
                            L"' is not a valid integer value");
      Fields[field] = negative ? static_cast<int>(-static_cast<int64_t>(v)) : static_cast<int>(v);
    }
    ++field;
    fieldStart = FieldEnd < Text.size() ? FieldEnd + 1 : Text.size();
    negative = digits = false;
    v = 0;
  };
  for (size_t i = 0; i < Text.size() && field < Count; ++i) {
    const wchar_t c = Text[i];
    if (c == L',') {
      store(i);
    } else if (c >= L'0' && c <= L'9') {
      digits = true;
      // Past 32 bits the value only has to stay too large.
      if (v <= 0xFFFFFFFFull) v = v * 10 + uint64_t(c - L'0');
    } else if (c == L'-' && !digits && !negative) {
      negative = true;
    }
  }
  // Fewer fields than needed leaves an empty field to store.
  while (field < Count) store(Text.size());
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

TPoint ParsePoint(std::wstring_view Text) {
  int f[2];
  ParseNumberList(Text, f, 2);
  return TPoint(f[0], f[1]);
}

TRect ParseRect(std::wstring_view Text) {
  int f[4];
  ParseNumberList(Text, f, 4);
  return TRect(f[0], f[1], f[2], f[3]);
}

TPoint ReadPoint(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  return ParsePoint(Ini.ReadView(Section, Key, L"0,0"));
}

void WritePoint(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, const TPoint& Value) {
  int f[2] = {Value.X, Value.Y};
  Ini.WriteString(Section, Key, JoinNumbers(f, 2));
}

TRect ReadRect(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  return ParseRect(Ini.ReadView(Section, Key, L"0,0,0,0"));
}

void WriteRect(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, const TRect& Value) {
  int f[4] = {Value.Left, Value.Top, Value.Right, Value.Bottom};
  Ini.WriteString(Section, Key, JoinNumbers(f, 4));
}

namespace {
const wchar_t* const kStyleWords[] = {L"fsbold", L"fsitalic", L"fsunderline", L"fsstrikeout"};
const TFontStyle kStyles[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
}  // namespace

TFontStyles ReadFontStyles(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  std::wstring_view text = Ini.ReadView(Section, Key, L"");
  TFontStyles styles;
  for (int i = 0; i < 4; ++i)
    if (text.find(kStyleWords[i]) != std::wstring_view::npos) styles.Include(kStyles[i]);
  return styles;
}

void WriteFontStyles(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TFontStyles Value) {
  String text;
  for (int i = 0; i < 4; ++i) {
    if (!Value.Contains(kStyles[i])) continue;
    if (!text.empty()) text += L',';
    text += kStyleWords[i];
  }
  Ini.WriteString(Section, Key, text);
}

TAlignment ReadAlignment(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  std::wstring_view text = Ini.ReadView(Section, Key, L"tacenter");
  if (text == L"tacenter") return taCenter;
  if (text == L"taleftjustify") return taLeftJustify;
  return taRightJustify;
}

void WriteAlignment(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TAlignment Value) {
  const wchar_t* word = Value == taCenter ? L"tacenter" : Value == taLeftJustify ? L"taleftjustify" : L"tarightjustify";
  Ini.WriteString(Section, Key, word);
}

void ReadStrings(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key,
                 std::vector<String>& Lines) {
  const String key(Key);
  for (std::wstring_view line : Ini.ReadList(Section, key + L"linecount", key + L"line")) Lines.emplace_back(line);
}

void WriteStrings(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key,
                  const std::vector<String>& Lines) {
  const String key(Key);
  Ini.WriteInteger(Section, key + L"linecount", static_cast<int>(Lines.size()));
  for (size_t i = 0; i < Lines.size(); ++i)
    Ini.WriteString(Section, key + L"line" + IntToText(static_cast<int>(i)), Lines[i]);
}

void ReadIndexedStrings(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key,
                        std::vector<String>& Items) {
  for (std::wstring_view item : Ini.ReadList(Section, String(Key) + L"count", L"")) Items.emplace_back(item);
}
