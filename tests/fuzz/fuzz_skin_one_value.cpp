// Fuzz target of the meanings of a skin's values: a skin with a record of
// every kind, every key written, on small pictures, gets one value changed
// (the first two bytes pick the line, the rest is the new value as written).
// The skin reads, or refuses naming the key, and every record it keeps holds
// only drawable values.
#include "classlib/TextCodec.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/skin/SkinTestData.h"
#include "tests/skin/SkinValueChecks.h"

namespace {

// Section Name as Record writes it, with a picture and a skin rectangle.
template <typename Record>
void AddRecord(Record* R, std::vector<String>& Lines) {
  TspSkinIni ini;
  R->SaveToFile(ini);
  ini.WriteString(R->IDName, L"pictureindex", L"0");
  ini.WriteString(R->IDName, L"activepictureindex", L"0");
  ini.WriteString(R->IDName, L"skinrect", L"2,2,30,14");
  for (const String& line : ini.GetLines()) Lines.push_back(line);
  delete R;
}

struct TBaseSkin {
  std::vector<uint8_t> Stream;  // the views point into it
  TspSkinStreamContent Pictures;
  std::vector<String> Lines;
};

const TBaseSkin& BaseSkin() {
  static const TBaseSkin* base = [] {
    auto* b = new TBaseSkin;
    std::vector<String>& l = b->Lines;
    const std::vector<String> objectTypes = SkinObjectTypeNames(), controlTypes = SkinControlTypeNames();
    l = {L"[VERSION]", L"[PICTURES]", L"picture=frame.bmp", L"mask=mask.bmp", L"[FORMINFO]",
         L"lefttoppoint=4,20", L"righttoppoint=60,20", L"leftbottompoint=4,36", L"rightbottompoint=60,36",
         L"clientrect=4,20,60,36", L"maskrectarea=4,20,60,36", L"buttonsrect=40,2,60,16", L"formminwidth=80",
         L"borderwidth=3", L"[POPUPWINDOW]", L"windowpictureindex=0", L"itemsrect=2,2,30,14",
         L"[HINTWINDOW]", L"windowpictureindex=0", L"clientrect=2,2,30,14", L"[SKINAREAS]", L"count=1",
         L"0=area:1,1,8,8", L"[SKINOBJECTS]", L"count=" + std::to_wstring(objectTypes.size())};
    for (size_t i = 0; i < objectTypes.size(); ++i)
      l.push_back(std::to_wstring(i) + L"=o" + std::to_wstring(i) + L":" + objectTypes[i]);
    l.push_back(L"[SKINCONTROLS]");
    l.push_back(L"count=" + std::to_wstring(controlTypes.size()));
    for (size_t i = 0; i < controlTypes.size(); ++i)
      l.push_back(std::to_wstring(i) + L"=c" + std::to_wstring(i) + L":" + controlTypes[i]);
    for (size_t i = 0; i < objectTypes.size(); ++i)
      AddRecord(CreateSkinObjectRecord(objectTypes[i], L"o" + std::to_wstring(i)), l);
    for (size_t i = 0; i < controlTypes.size(); ++i)
      AddRecord(CreateSkinControlRecord(controlTypes[i], L"c" + std::to_wstring(i)), l);
    TBmpImage slots[SkinPictureSlotCount];
    slots[spsPicture] = SolidImage(64, 40, 10);
    slots[spsMaskPicture] = SolidImage(64, 40, 0);
    std::vector<TBmpImage> actives;
    actives.push_back(SolidImage(32, 16, 20));
    TMemoryStream stream;
    WriteSkinStream(&stream, slots, actives, l);
    b->Stream = stream.Bytes();
    ReadSkinStream(b->Stream.data(), b->Stream.size(), b->Pictures);
    return b;
  }();
  return *base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 2) return 0;
  const TBaseSkin& base = BaseSkin();
  std::vector<String> lines = base.Lines;
  const size_t at = (Data[0] | (Data[1] << 8)) % lines.size();
  const size_t eq = lines[at].find(L'=');
  if (eq == String::npos) return 0;
  String value = GbkToWide(FuzzBytes(Data + 2, Size - 2));
  // Values come from INI lines, which never hold a line break.
  if (value.find_first_of(L"\r\n") != String::npos) return 0;
  const String key = lines[at].substr(0, eq), old = lines[at].substr(eq + 1);
  lines[at] = key + L"=" + value;
  String section;
  for (size_t i = 0; i <= at; ++i)
    if (!lines[i].empty() && lines[i][0] == L'[') section = lines[i].substr(1, lines[i].size() - 2);
  const TspSkinIni ini(lines);
  // A text key (a font's name, a hint) may hold digits and commas; the
  // check reads such a value as a number, so text keys take other text.
  if (!skinvalues::IsNumber(old) && skinvalues::IsNumber(ini.ReadString(section, key, L""))) return 0;

  TspParsedSkin parsed;
  parsed.Pictures = base.Pictures;
  try {
    ReadParsedSections(ini, parsed);
  } catch (const EConvertError& e) {
    // Refused: the message says where.
    FUZZ_CHECK(e.Message().find(L"[" + section + L"]") != String::npos);
    return 0;
  }
  const String fault = skinvalues::FirstUndrawable(parsed, section);
  if (!fault.empty()) std::fprintf(stderr, "%s after %s\n", WideToUtf8(fault).c_str(), WideToUtf8(lines[at]).c_str());
  FUZZ_CHECK(fault.empty());
  return 0;
}
