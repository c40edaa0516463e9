// Fuzz target of the skin INI text and its value grammar. The first line is
// one value, read as every kind of value the records hold (numbers, points,
// rectangles, font styles, alignments, enumeration words, fonts); what reads
// must be written and read back unchanged. The whole input is then a skin INI:
// its text is kept line for line, and every record reads from it.
#include <set>
#include <string_view>

#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"
#include "skin/SkinRecordIO.h"
#include "skin/SkinSections.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

constexpr const wchar_t* kSec = L"values";

// A value of one kind read from In's "v", written to Out and read back.
template <typename T>
void ReadsBack(const TspSkinIni& In, TspSkinIni& Out, T (*Read)(const TspSkinIni&, std::wstring_view, std::wstring_view),
               void (*Write)(TspSkinIni&, std::wstring_view, std::wstring_view, T)) {
  const T value = Read(In, kSec, L"v");
  Write(Out, kSec, L"w", value);
  FUZZ_CHECK(Read(Out, kSec, L"w") == value);
}

// One value under every kind of key, read, written into a fresh INI and read
// again.
void CheckValue(const String& Value) {
  TspSkinIni in;
  in.WriteString(kSec, L"v", Value);
  FUZZ_CHECK(in.ReadString(kSec, L"v", L"") == Value);
  TspSkinIni out;

  int n = 0;
  if (TryParseSkinInteger(Value, n)) {
    FUZZ_CHECK(in.ReadInteger(kSec, L"v", n ^ 1) == n);
    out.WriteInteger(kSec, L"n", n);
    FUZZ_CHECK(out.ReadInteger(kSec, L"n", n ^ 1) == n);
  }

  // A point is the first two fields of a rectangle.
  bool pointRead = false, rectRead = false;
  TPoint p;
  TRect r;
  try {
    p = ReadPoint(in, kSec, L"v");
    pointRead = true;
  } catch (const EConvertError&) {
  }
  try {
    r = ReadRect(in, kSec, L"v");
    rectRead = true;
  } catch (const EConvertError&) {
  }
  if (rectRead) FUZZ_CHECK(pointRead && p == TPoint(r.Left, r.Top));
  if (pointRead) {
    WritePoint(out, kSec, L"p", p);
    FUZZ_CHECK(ReadPoint(out, kSec, L"p") == p);
  }
  if (rectRead) {
    WriteRect(out, kSec, L"r", r);
    FUZZ_CHECK(ReadRect(out, kSec, L"r") == r);
  }

  ReadsBack(in, out, ReadFontStyles, WriteFontStyles);
  ReadsBack(in, out, ReadAlignment, WriteAlignment);
  ReadsBack(in, out, ReadStretchType, WriteStretchType);
  ReadsBack(in, out, ReadMorphKind, WriteMorphKind);
  const TspInactiveEffect effect = ReadInactiveEffect(in, kSec, L"v");
  FUZZ_CHECK(effect <= ieInvert);

  // The value as every part of a font record at once.
  TspSkinIni font;
  for (const wchar_t* key : {L"fontname", L"fontheight", L"fontstyle", L"fontcolor"}) font.WriteString(kSec, key, Value);
  String name;
  int height = 0;
  TFontStyles style;
  TColor color = 0;
  TspRecordReader(font, kSec).Font(L"", name, height, style, color);
  FUZZ_CHECK(name == Value);
  TspSkinIni fontOut;
  TspRecordWriter(fontOut, kSec).Font(L"", name, height, style, color);
  String name2;
  int height2 = 0;
  TFontStyles style2;
  TColor color2 = 0;
  TspRecordReader(fontOut, kSec).Font(L"", name2, height2, style2, color2);
  FUZZ_CHECK(name2 == name && height2 == height && style2 == style && color2 == color);
}

// The INI's lines as text again read the same lines; lists stay bounded.
void CheckIni(const String& Text) {
  TspSkinIni ini;
  ini.SetText(std::wstring_view(Text));
  const std::vector<String> lines = ini.GetLines();
  TspSkinIni again(lines);
  FUZZ_CHECK(again.GetLines() == lines);

  // Keys are found in the first section of a name only.
  String section;
  bool firstOfName = false;
  std::set<String> names;
  for (const String& line : lines) {
    if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
      section = line.substr(1, line.size() - 2);
      firstOfName = names.insert(AnsiUpperCase(section)).second;
      continue;
    }
    const size_t eq = line.find(L'=');
    if (eq == String::npos) continue;
    const std::wstring_view key = std::wstring_view(line).substr(0, eq);
    if (firstOfName) FUZZ_CHECK(ini.ValueExists(section, key));
    const std::wstring_view tail = L"count";
    if (key.size() >= tail.size() && key.substr(key.size() - tail.size()) == tail) {
      const auto items = ini.ReadList(section, key, key.substr(0, key.size() - tail.size()));
      FUZZ_CHECK(items.size() <= static_cast<size_t>(TspSkinIni::MaxListItems));
    }
  }

  TspSkinSections sections;
  try {
    sections.ReadSections(ini);
  } catch (const EConvertError&) {
    // A malformed point or rectangle stops the reading; what was read stays.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const TFuzzParts parts = FuzzSplit(Data, Size, '\n');
  String value = GbkToWide(FuzzBytes(parts.First, parts.FirstSize));
  // Values come from INI lines, which never hold a line break.
  if (!value.empty() && value.back() == L'\r') value.pop_back();
  CheckValue(value);
  CheckIni(GbkToWide(FuzzBytes(Data, Size)));
  return 0;
}
