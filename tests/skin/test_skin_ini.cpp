#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <map>

#include "classlib/SysUtils.h"
#include "skin/SkinIni.h"
#include "skin/SkinRecordIO.h"

namespace {

TspSkinIni MakeIni(std::initializer_list<const wchar_t*> lines) {
  std::vector<String> v;
  for (const wchar_t* l : lines) v.push_back(l);
  return TspSkinIni(v);
}

}  // namespace

TEST(SkinIni, GrammarAndCaseRules) {
  TspSkinIni ini = MakeIni({
      L"orphan=dropped before any section",
      L"  [ form ]  ",
      L"; a comment",
      L"  Key = first value  ",
      L"key=second of the same name",
      L"no equals sign here",
      L"empty=",
      L"eq=a=b",
      L"[FORM]",
      L"key=from a second section",
      L"other=unreachable",
  });
  EXPECT_TRUE(ini.SectionExists(L"FORM"));
  EXPECT_EQ(ini.ReadString(L"FORM", L"KEY", L"d"), L"first value");
  EXPECT_EQ(ini.ReadString(L"form", L"other", L"d"), L"d");
  EXPECT_EQ(ini.ReadString(L"form", L"empty", L"d"), L"");
  EXPECT_EQ(ini.ReadString(L"form", L"eq", L"d"), L"a=b");
  EXPECT_EQ(ini.ReadString(L"form", L"no equals sign here", L"d"), L"d");
  EXPECT_EQ(ini.ReadString(L"form", L"orphan", L"d"), L"d");
  EXPECT_FALSE(ini.SectionExists(L"missing"));
}

TEST(SkinIni, KeysAreFoundInAnyOrderAfterWrites) {
  TspSkinIni ini = MakeIni({L"[s]", L"a=1", L"b=2", L"c=3", L"[t]", L"a=4"});
  const wchar_t* order[] = {L"c", L"a", L"absent", L"B", L"c", L"a"};
  const wchar_t* expected[] = {L"3", L"1", L"-", L"2", L"3", L"1"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ini.ReadString(L"s", order[i], L"-"), expected[i]) << i;
  ini.WriteString(L"s", L"d", L"5");
  ini.WriteString(L"S", L"A", L"6");
  EXPECT_EQ(ini.ReadString(L"s", L"d", L"-"), L"5");
  EXPECT_EQ(ini.ReadString(L"s", L"a", L"-"), L"6");
  EXPECT_EQ(ini.ReadString(L"s", L"c", L"-"), L"3");
  EXPECT_EQ(ini.ReadString(L"t", L"a", L"-"), L"4");
  EXPECT_EQ(ini.GetLines(), (std::vector<String>{L"[s]", L"a=6", L"b=2", L"c=3", L"d=5", L"", L"[t]", L"a=4", L""}));
}

TEST(SkinIni, IntegersBooleansAndMalformedValues) {
  TspSkinIni ini = MakeIni({L"[s]", L"hex=0x1F", L"dollar=$ff", L"neg=-12", L"bad=12a", L"x=0x",
                            L"big=99999999999", L"all=$FFFFFFFF", L"b1=1", L"b01=01", L"b2=2", L"btrue=true",
                            L"lead=010", L"zero=0", L"plus=+7", L"neghex=-0x10", L"dollaronly=$",
                            L"over=2147483648", L"lowest=-2147483648", L"below=-2147483649"});
  EXPECT_EQ(ini.ReadInteger(L"s", L"hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger(L"s", L"dollar", 0), 255);
  EXPECT_EQ(ini.ReadInteger(L"s", L"neg", 0), -12);
  EXPECT_EQ(ini.ReadInteger(L"s", L"bad", 7), 7);
  EXPECT_EQ(ini.ReadInteger(L"s", L"x", 7), 7);
  EXPECT_EQ(ini.ReadInteger(L"s", L"big", 7), 7);
  EXPECT_EQ(ini.ReadInteger(L"s", L"all", 7), -1);
  // A leading zero is no prefix: "010" is ten.
  EXPECT_EQ(ini.ReadInteger(L"s", L"lead", 7), 10);
  EXPECT_EQ(ini.ReadInteger(L"s", L"zero", 7), 0);
  EXPECT_EQ(ini.ReadInteger(L"s", L"plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger(L"s", L"neghex", 0), -16);
  EXPECT_EQ(ini.ReadInteger(L"s", L"dollaronly", 7), 7);
  // Decimal values stop at the ends of an int.
  EXPECT_EQ(ini.ReadInteger(L"s", L"over", 7), 7);
  EXPECT_EQ(ini.ReadInteger(L"s", L"lowest", 7), INT_MIN);
  EXPECT_EQ(ini.ReadInteger(L"s", L"below", 7), 7);
  EXPECT_TRUE(ReadBoolean(ini, L"s", L"b1"));
  EXPECT_TRUE(ReadBoolean(ini, L"s", L"b01"));
  EXPECT_FALSE(ReadBoolean(ini, L"s", L"b2"));
  EXPECT_FALSE(ReadBoolean(ini, L"s", L"btrue"));
  EXPECT_FALSE(ReadBoolean(ini, L"s", L"absent"));
}

TEST(SkinIni, PointsAndRectangles) {
  EXPECT_EQ(ParseRect(L"10, 20,30 ,40"), TRect(10, 20, 30, 40));
  EXPECT_EQ(ParsePoint(L"1a2,3"), TPoint(12, 3));
  // Negative numbers keep their sign, so a written skin reads back as written.
  EXPECT_EQ(ParseRect(L"-5,0,10,10"), TRect(-5, 0, 10, 10));
  EXPECT_EQ(ParsePoint(L"4-2,-7"), TPoint(42, -7));
  EXPECT_THROW(ParseRect(L"1,,2,3"), EConvertError);
  EXPECT_THROW(ParseRect(L"1,2,3"), EConvertError);
  EXPECT_THROW(ParsePoint(L"-,1"), EConvertError);
  EXPECT_THROW(ParsePoint(L"99999999999,1"), EConvertError);
  try {
    ParsePoint(L"");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'' is not a valid integer value");
  }
  // The 32-bit limits, and the message naming the field as it was read.
  EXPECT_EQ(ParsePoint(L"-2147483648,2147483647"), TPoint(INT32_MIN, INT32_MAX));
  EXPECT_THROW(ParsePoint(L"2147483648,0"), EConvertError);
  EXPECT_THROW(ParsePoint(L"0,-2147483649"), EConvertError);
  EXPECT_THROW(ParseRect(L"1,2"), EConvertError);
  try {
    ParsePoint(L"1,x-4294967296y");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'-4294967296' is not a valid integer value");
  }

  TspSkinIni ini = MakeIni({L"[s]", L"emptyrect="});
  EXPECT_EQ(ReadRect(ini, L"s", L"absent"), TRect());
  EXPECT_EQ(ReadPoint(ini, L"s", L"absent"), TPoint());
  EXPECT_THROW(ReadRect(ini, L"s", L"emptyrect"), EConvertError);
  WriteRect(ini, L"s", L"r", TRect(-5, 0, 10, 10));
  WritePoint(ini, L"s", L"p", TPoint(-3, 4));
  EXPECT_EQ(ini.ReadString(L"s", L"r", L""), L"-5,0,10,10");
  EXPECT_EQ(ReadRect(ini, L"s", L"r"), TRect(-5, 0, 10, 10));
  EXPECT_EQ(ReadPoint(ini, L"s", L"p"), TPoint(-3, 4));
}

TEST(SkinIni, FontStylesAndAlignment) {
  TspSkinIni ini = MakeIni({L"[s]", L"st=fsitalic fsbold", L"up=FSBOLD", L"c=Tacenter", L"l=taleftjustify",
                            L"r=tarightjustify"});
  TFontStyles st = ReadFontStyles(ini, L"s", L"st");
  EXPECT_EQ(st, TFontStyles({fsBold, fsItalic}));
  EXPECT_TRUE(ReadFontStyles(ini, L"s", L"up").Empty());
  WriteFontStyles(ini, L"s", L"w", st);
  EXPECT_EQ(ini.ReadString(L"s", L"w", L""), L"fsbold,fsitalic");
  WriteFontStyles(ini, L"s", L"none", TFontStyles());
  EXPECT_TRUE(ini.ValueExists(L"s", L"none"));
  EXPECT_EQ(ini.ReadString(L"s", L"none", L"x"), L"");

  EXPECT_EQ(ReadAlignment(ini, L"s", L"c"), taRightJustify);
  EXPECT_EQ(ReadAlignment(ini, L"s", L"absent"), taCenter);
  EXPECT_EQ(ReadAlignment(ini, L"s", L"l"), taLeftJustify);
  EXPECT_EQ(ReadAlignment(ini, L"s", L"r"), taRightJustify);
}

TEST(SkinIni, LineListsAndIndexedLists) {
  TspSkinIni ini;
  WriteStrings(ini, L"s", L"symbols", {L"ABC", L"", L"xyz"});
  EXPECT_EQ(ini.ReadString(L"s", L"symbolslinecount", L""), L"3");
  EXPECT_EQ(ini.ReadString(L"s", L"symbolsline2", L""), L"xyz");
  std::vector<String> lines{L"kept"};
  ReadStrings(ini, L"s", L"symbols", lines);
  EXPECT_EQ(lines, (std::vector<String>{L"kept", L"ABC", L"", L"xyz"}));

  TspSkinIni pics = MakeIni({L"[PICTURES]", L"activepicturescount=3", L"0=a.bmp", L"2=c.bmp"});
  std::vector<String> items;
  ReadIndexedStrings(pics, L"pictures", L"activepictures", items);
  EXPECT_EQ(items, (std::vector<String>{L"a.bmp", L"", L"c.bmp"}));
}

TEST(SkinIni, ListCountsNeverLoseAnItemPresent) {
  auto indexed = [](std::initializer_list<const wchar_t*> lines) {
    std::vector<String> items;
    ReadIndexedStrings(MakeIni(lines), L"s", L"pics", items);
    return items;
  };
  using V = std::vector<String>;
  // More count than lines: the items present past the number of lines stay.
  EXPECT_EQ(indexed({L"[s]", L"picscount=3", L"2=c"}), (V{L"", L"", L"c"}));
  // A count past every item present is cut to the last of them; the count
  // still ends the list; none, a negative or a bad count gives none.
  EXPECT_EQ(indexed({L"[s]", L"picscount=2000000000", L"0=a", L"1=b"}), (V{L"a", L"b"}));
  EXPECT_EQ(indexed({L"[s]", L"picscount=1", L"0=a", L"1=b"}), V{L"a"});
  EXPECT_EQ(indexed({L"[s]", L"picscount=-2", L"0=a"}), V{});
  EXPECT_EQ(indexed({L"[s]", L"picscount=2x", L"0=a"}), V{});
  // Only keys that are the index's own text hold items; the first of a name
  // wins; an index past the list limit is damage, whatever the count says.
  const String far = std::to_wstring(TspSkinIni::MaxListItems) + L"=x";
  EXPECT_EQ(indexed({L"[s]", L"picscount=2000000000", L"01=x", L"+1=x", L"1x=x", L"3", L"2=c", L"2=late", L"0=a",
                     far.c_str(), L"99999999999=x"}),
            (V{L"a", L"", L"c"}));

  // Text lines: the prefix folds like any name, the number stays exact.
  std::vector<String> lines{L"kept"};
  ReadStrings(MakeIni({L"[s]", L"symbolslinecount=9", L"SymbolsLine3=d", L"symbolsline1=b", L"symbolsline=x"}),
              L"S", L"symbols", lines);
  EXPECT_EQ(lines, (V{L"kept", L"", L"b", L"", L"d"}));
}

TEST(SkinIni, NamesFoldEveryLetterAsTheClassLibraryDoes) {
  TspSkinIni ini = MakeIni({L"[\u00C4rger]", L"\u00FFkey=\u00C4Value", L"[\u0424\u041E\u0420\u041C\u0410]",
                            L"\u0131=dotless"});
  EXPECT_TRUE(ini.SectionExists(L"\u0444\u043E\u0440\u043C\u0430"));
  // Values keep their case; the dotless i is neither I nor i.
  EXPECT_EQ(ini.ReadString(L"\u00E4RGER", L"\u0178KEY", L"-"), L"\u00C4Value");
  EXPECT_EQ(ini.ReadString(L"\u0444\u043E\u0440\u043C\u0430", L"I", L"-"), L"-");
  ini.WriteString(L"\u00E4RGER", L"\u0178Key", L"new");
  EXPECT_EQ(ini.GetLines()[1], L"\u00FFkey=new");

  // Every character of the 16-bit range finds the first name that AnsiSameText
  // calls the same, by itself and by its lower and upper case. A section holds
  // the characters whose upper case falls in one block of 256 codes.
  std::map<String, int> firstOfFold;
  std::vector<std::vector<String>> blocks(256);
  auto eachCharacter = [](auto&& f) {
    for (int c = 0x21; c < 0x10000; ++c)
      if (c != L'=' && (c < 0xD800 || c >= 0xE000)) f(String(L"x") + wchar_t(c));
  };
  eachCharacter([&](const String& key) {
    const String upper = AnsiUpperCase(key);
    blocks[upper[1] >> 8].push_back(key + L"=" + std::to_wstring(int(key[1])));
    firstOfFold.emplace(upper, int(key[1]));
  });
  std::vector<String> lines;
  for (size_t b = 0; b < blocks.size(); ++b) {
    lines.push_back(L"[b" + std::to_wstring(b) + L"]");
    lines.insert(lines.end(), blocks[b].begin(), blocks[b].end());
  }
  TspSkinIni all(lines);
  int mismatches = 0;
  eachCharacter([&](const String& key) {
    const String upper = AnsiUpperCase(key);
    const String section = L"B" + std::to_wstring(upper[1] >> 8);
    for (const String& probe : {key, AnsiLowerCase(key), upper})
      if (all.ReadInteger(section, probe, -1) != firstOfFold.at(upper) && ++mismatches < 5)
        ADD_FAILURE() << "U+" << std::hex << int(probe[1]);
  });
  EXPECT_EQ(mismatches, 0);
}

TEST(SkinIni, WritingAndErasing) {
  TspSkinIni ini = MakeIni({L"[a]", L"k=1", L"[b]", L"k=2"});
  ini.WriteString(L"A", L"K", L"3");
  ini.WriteInteger(L"c", L"n", -4);
  EXPECT_EQ(ini.ReadInteger(L"a", L"k", 0), 3);
  EXPECT_EQ(ini.ReadInteger(L"c", L"n", 0), -4);
  ini.EraseSection(L"B");
  EXPECT_FALSE(ini.SectionExists(L"b"));
  EXPECT_EQ(ini.GetLines(), (std::vector<String>{L"[a]", L"k=3", L"", L"[c]", L"n=-4", L""}));
}

// Sections are found through their names' hash: "s539599" and "s722382"
// share one (FNV-1a of the folded name), so each is told from the other by
// its name, the first of a name given twice is the one read, and both stay
// found after a section before them is erased or another is written.
TEST(SkinIni, SectionsSharingAHashAndGivenTwice) {
  TspSkinIni ini = MakeIni({L"[first]", L"k=0", L"[s539599]", L"k=1", L"[s722382]", L"k=2", L"[S539599]", L"k=3",
                            L"[s722382]", L"k=4"});
  auto read = [&ini](const wchar_t* Section) { return ini.ReadInteger(Section, L"k", -1); };
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(read(L"s539599"), 1);
    EXPECT_EQ(read(L"S722382"), 2);
    EXPECT_EQ(read(L"s539599"), 1);
    EXPECT_EQ(read(L"s000000"), -1);
    if (round == 0) ini.EraseSection(L"first");
    if (round == 1) ini.WriteString(L"s1", L"k", L"5");
  }
  EXPECT_EQ(read(L"s1"), 5);
  EXPECT_EQ(read(L"first"), -1);
  // Erasing the first copy of a name uncovers the second, in the middle of
  // the sections of one hash and at their head.
  ini.EraseSection(L"s722382");
  EXPECT_EQ(read(L"s722382"), 4);
  EXPECT_EQ(read(L"s539599"), 1);
  ini.EraseSection(L"s539599");
  EXPECT_EQ(read(L"s539599"), 3);
  EXPECT_EQ(read(L"s722382"), 4);
  ini.EraseSection(L"s539599");
  EXPECT_EQ(read(L"s539599"), -1);
  EXPECT_EQ(read(L"s722382"), 4);
  EXPECT_EQ(read(L"s1"), 5);
  // The last section, alone under its hash; one not there.
  ini.EraseSection(L"s1");
  ini.EraseSection(L"absent");
  EXPECT_EQ(read(L"s1"), -1);
  EXPECT_EQ(read(L"s722382"), 4);

  // Sections of one hash apart from each other: the one before an erased
  // section of the hash, and the head's next, are found across the others.
  TspSkinIni apart = MakeIni({L"[s539599]", L"k=1", L"[other]", L"k=0", L"[S539599]", L"k=3", L"[s722382]", L"k=2"});
  apart.EraseSection(L"s722382");
  EXPECT_EQ(apart.ReadInteger(L"s722382", L"k", -1), -1);
  apart.EraseSection(L"s539599");
  EXPECT_EQ(apart.ReadInteger(L"s539599", L"k", -1), 3);
  EXPECT_EQ(apart.ReadInteger(L"other", L"k", -1), 0);
  TspSkinIni headFirst = MakeIni({L"[s539599]", L"k=1", L"[other]", L"k=0", L"[s722382]", L"k=2"});
  headFirst.EraseSection(L"s539599");
  EXPECT_EQ(headFirst.ReadInteger(L"s722382", L"k", -1), 2);
}

TEST(SkinIni, EnumerationWords) {
  TspSkinIni ini = MakeIni({L"[s]", L"h=sthorz", L"v=stvert", L"V=x", L"cap=STVERT", L"m=mkpush", L"mx=MKPUSH",
                            L"e=ieinvert", L"ex=foo"});
  EXPECT_EQ(ReadStretchType(ini, L"s", L"absent"), spstFull);
  EXPECT_EQ(ReadStretchType(ini, L"s", L"h"), spstHorz);
  EXPECT_EQ(ReadStretchType(ini, L"s", L"v"), spstVert);
  EXPECT_EQ(ReadStretchType(ini, L"s", L"cap"), spstHorz);
  EXPECT_EQ(ReadMorphKind(ini, L"s", L"m"), mkPush);
  EXPECT_EQ(ReadMorphKind(ini, L"s", L"mx"), mkDefault);
  EXPECT_EQ(ReadInactiveEffect(ini, L"s", L"absent"), ieBrightness);
  EXPECT_EQ(ReadInactiveEffect(ini, L"s", L"e"), ieInvert);
  EXPECT_EQ(ReadInactiveEffect(ini, L"s", L"ex"), ieGrayscale);
  WriteStretchType(ini, L"s", L"w", static_cast<TspStretchType>(7));
  EXPECT_EQ(ini.ReadString(L"s", L"w", L"x"), L"");
  WriteMorphKind(ini, L"s", L"w", mkLeftSlide);
  EXPECT_EQ(ini.ReadString(L"s", L"w", L""), L"mkleftslide");

  EXPECT_FALSE(IsSkinIni(ini));
  TspSkinIni skin = MakeIni({L"[version]", L"[pictures]", L"[forminfo]", L"[skinobjects]", L"[skincontrols]"});
  EXPECT_TRUE(IsSkinIni(skin));
}
