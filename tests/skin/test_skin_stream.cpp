#include <gtest/gtest.h>

#include <zlib.h>

#include "SkinTestData.h"
#include "skin/SkinResStr.h"
#include "skin/SkinSections.h"
#include "skin/SkinStoredSkin.h"

namespace {

TspParsedSkin Parse(TspCompressedStoredSkin& stored) {
  TspParsedSkin parsed;
  const auto& bytes = stored.CompressedStream()->Bytes();
  ParseCompressedSkin(bytes.data(), bytes.size(), parsed);
  return parsed;
}

void LoadSkn(TspCompressedStoredSkin& stored, const std::vector<uint8_t>& skn) {
  stored.LoadFromMemory(skn.data(), skn.size());
}

int32_t Int32At(const std::vector<uint8_t>& b, size_t at) {
  return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}

}  // namespace

TEST(SkinStream, WrittenFileLayout) {
  TspCompressedStoredSkin stored(nullptr);
  LoadSkn(stored, MakeSkn(MakeSkinStream({L"[VERSION]"})));
  TMemoryStream out;
  stored.SaveToCompressStream(&out);
  const auto& b = out.Bytes();
  ASSERT_GT(b.size(), 10u);
  EXPECT_EQ(Int32At(b, 0), 2);
  EXPECT_EQ(Int32At(b, 4), static_cast<int32_t>(b.size() - 8));
  EXPECT_EQ(b[8], 0x78);
  EXPECT_EQ(b[9], 0xDA);

  // An empty stored skin is written as version 2, length 0, and reads back empty.
  TspCompressedStoredSkin empty(nullptr);
  TMemoryStream none;
  empty.SaveToCompressStream(&none);
  EXPECT_EQ(none.Bytes(), (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0}));
  TspCompressedStoredSkin back(nullptr);
  back.LoadFromCompressStream(&none);
  EXPECT_TRUE(back.IsEmpty());
}

TEST(SkinStream, WrittenStreamLayout) {
  // Version 2 carries all five slots; only the frame picture is set here, so
  // the inactive, mask and two roll-up slots are a flag byte 1 each, with no
  // BMP bytes after them.
  const std::vector<uint8_t> b = MakeSkinStream({L"[VERSION]"}, 2);
  ASSERT_GT(b.size(), 20u);
  EXPECT_EQ(Int32At(b, 0), 2);
  EXPECT_EQ(b[4], 0);
  EXPECT_EQ(b[5], 'B');
  EXPECT_EQ(b[6], 'M');
  const size_t after = 5 + size_t(Int32At(b, 7));
  ASSERT_LT(after + 10, b.size());
  EXPECT_EQ(std::vector<uint8_t>(b.begin() + after, b.begin() + after + 4), (std::vector<uint8_t>{1, 1, 1, 1}));
  EXPECT_EQ(Int32At(b, after + 4), 2);
  EXPECT_EQ(b[after + 8], 'B');
  EXPECT_EQ(b[after + 9], 'M');
  const char tail[] = "[VERSION]\r\n";
  EXPECT_EQ(std::string(b.end() - 11, b.end()), std::string(tail));
}

TEST(SkinStream, FileHeaderFaults) {
  std::vector<uint8_t> skn = MakeSkn(MakeSkinStream({L"[VERSION]"}));
  TspCompressedStoredSkin stored(nullptr);

  // Bytes after the compressed data are ignored.
  std::vector<uint8_t> trailing = skn;
  trailing.insert(trailing.end(), {1, 2, 3, 4, 5});
  LoadSkn(stored, trailing);
  EXPECT_EQ(stored.CompressedStream()->Size(), static_cast<int64_t>(skn.size() - 8));
  EXPECT_NO_THROW(Parse(stored));

  std::vector<uint8_t> v4 = skn;
  v4[0] = 4;
  EXPECT_THROW(LoadSkn(stored, v4), EReadError);
  EXPECT_TRUE(stored.IsEmpty());

  std::vector<uint8_t> lying = skn;
  lying[4] = 0xFF;
  lying[5] = 0xFF;
  lying[6] = 0xFF;
  lying[7] = 0x7F;
  EXPECT_THROW(LoadSkn(stored, lying), EReadError);
  EXPECT_TRUE(stored.IsEmpty());
  lying[7] = 0xFF;  // negative length
  EXPECT_THROW(LoadSkn(stored, lying), EReadError);
  EXPECT_THROW(LoadSkn(stored, std::vector<uint8_t>(skn.begin(), skn.begin() + 6)), EReadError);

  EXPECT_THROW(stored.LoadFromCompressedFile(L"no such folder/none.skn"), EFOpenError);
}

TEST(SkinStream, DecompressionFaults) {
  std::vector<uint8_t> skn = MakeSkn(MakeSkinStream({L"[VERSION]"}));
  TspCompressedStoredSkin stored(nullptr);
  std::vector<uint8_t> corrupt = skn;
  corrupt[20] ^= 0xFF;
  corrupt[21] ^= 0x55;
  LoadSkn(stored, corrupt);
  EXPECT_THROW(Parse(stored), EZDecompressionError);

  // Cut-off zlib data, with the header's length telling the truth about it.
  std::vector<uint8_t> cut(skn.begin(), skn.end() - 12);
  cut[4] = uint8_t(cut.size() - 8);
  cut[5] = uint8_t((cut.size() - 8) >> 8);
  LoadSkn(stored, cut);
  EXPECT_THROW(Parse(stored), EZDecompressionError);

  TMemoryStream inflated;
  LoadSkn(stored, skn);
  stored.DecompressToStream(&inflated);
  EXPECT_EQ(inflated.Bytes(), MakeSkinStream({L"[VERSION]"}));
}

TEST(SkinStream, PictureSlotsByVersion) {
  // Version 3 with flags 0, 1, 1: a frame picture, no inactive picture, no
  // mask, and then the active-picture count.
  TMemoryStream s;
  std::vector<uint8_t> head;
  PutInt32(head, 3);
  head.push_back(0);
  s.WriteBuffer(head.data(), head.size());
  WriteBmp(&s, SolidImage(5, 2, 7));
  std::vector<uint8_t> rest{1, 1};
  PutInt32(rest, 1);
  s.WriteBuffer(rest.data(), rest.size());
  WriteBmp(&s, SolidImage(3, 3, 9));
  const char text[] = "[VERSION]\r\nskinname=v3\r\n";
  s.WriteBuffer(text, sizeof(text) - 1);

  TspSkinStreamContent c;
  ReadSkinStream(s.Bytes().data(), s.Bytes().size(), c);
  EXPECT_EQ(c.Version, 3);
  EXPECT_EQ(c.Slots[spsPicture].Width, 5);
  EXPECT_EQ(c.Slots[spsInactivePicture].Width, 0);
  EXPECT_EQ(c.Slots[spsMaskPicture].Width, 0);
  ASSERT_EQ(c.ActivePictures.size(), 1u);
  EXPECT_EQ(c.ActivePictures[0].Width, 3);
  EXPECT_EQ(c.IniText, L"[VERSION]\r\nskinname=v3\r\n");

  for (int v : {-1, 0, 1, 2, 3}) {
    EXPECT_TRUE(SkinStreamHasSlot(v, spsPicture));
    EXPECT_TRUE(SkinStreamHasSlot(v, spsMaskPicture));
    EXPECT_EQ(SkinStreamHasSlot(v, spsInactivePicture), v == 2 || v == 3);
    EXPECT_EQ(SkinStreamHasSlot(v, spsRollUpPicture), v == 1 || v == 2);
  }
}

TEST(SkinStream, IniTextDecodesAsCodePage936) {
  // Pairs whose second byte is ASCII, broken pairs and a lead byte at the end
  // decode exactly as the whole text does.
  const std::string texts[] = {"skinname=\xB2\xE2\xCA\xD4", "a=\x81\x40\x81\x7E\x41",
                               "b=\x80\x81\x41\x42", "c=\xFF\x41\x81", "\xB2\xE2\r\n[X]\r\nd=\x81"};
  for (const std::string& text : texts) {
    std::vector<uint8_t> stream;
    PutInt32(stream, 0);
    stream.push_back(1);
    stream.push_back(1);
    PutInt32(stream, 0);
    stream.insert(stream.end(), text.begin(), text.end());
    TspSkinStreamContent c;
    ReadSkinStream(stream.data(), stream.size(), c);
    EXPECT_EQ(c.IniText, GbkToWide(text)) << text;
  }
}

// The INI text is written as text files are: code page 936 byte for byte
// where the code page carries it, UTF-8 with its mark where it does not.
TEST(SkinStream, IniTextKeepsEveryLetter) {
  const struct {
    std::vector<String> Lines;
    std::string Tail;
  } cases[] = {
      {{L"[VERSION]", L"skinname=\x6D4B\x8BD5"}, "[VERSION]\r\nskinname=\xB2\xE2\xCA\xD4\r\n"},
      {{L"[VERSION]", L"skinname=\x00C6r\x00F8"}, "\xEF\xBB\xBF[VERSION]\r\nskinname=\xC3\x86r\xC3\xB8\r\n"},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> stream = MakeSkinStream(c.Lines, 2);
    ASSERT_GT(stream.size(), c.Tail.size());
    EXPECT_EQ(std::string(stream.end() - static_cast<std::ptrdiff_t>(c.Tail.size()), stream.end()), c.Tail);
    TspSkinStreamContent content;
    ReadSkinStream(stream.data(), stream.size(), content);
    EXPECT_EQ(content.IniText, c.Lines[0] + L"\r\n" + c.Lines[1] + L"\r\n");
  }
}

TEST(SkinStream, StreamFaultsAreClearErrors) {
  std::vector<uint8_t> good = MakeSkinStream({L"[VERSION]"}, 2);
  TspSkinStreamContent c;
  std::vector<uint8_t> v4 = good;
  v4[0] = 4;
  EXPECT_THROW(ReadSkinStream(v4.data(), v4.size(), c), EReadError);

  // The frame picture's size field claims more than the stream holds.
  std::vector<uint8_t> lyingBmp = good;
  lyingBmp[5 + 2] = 0xFF;
  lyingBmp[5 + 3] = 0xFF;
  lyingBmp[5 + 4] = 0xFF;
  EXPECT_THROW(ReadSkinStream(lyingBmp.data(), lyingBmp.size(), c), EInvalidGraphic);
  std::vector<uint8_t> notBmp = good;
  notBmp[5] = 'X';
  EXPECT_THROW(ReadSkinStream(notBmp.data(), notBmp.size(), c), EInvalidGraphic);

  // An active-picture count the data cannot hold.
  TspSkinStreamContent ok;
  ReadSkinStream(good.data(), good.size(), ok);
  std::vector<uint8_t> manyPictures;
  PutInt32(manyPictures, 0);  // version 0: frame picture and mask only
  manyPictures.push_back(1);
  manyPictures.push_back(1);
  PutInt32(manyPictures, 0x7FFFFFFF);
  EXPECT_THROW(ReadSkinStream(manyPictures.data(), manyPictures.size(), c), EReadError);
  manyPictures[9] = 0xFF;  // negative
  EXPECT_THROW(ReadSkinStream(manyPictures.data(), manyPictures.size(), c), EReadError);

  for (size_t cut : {size_t(0), size_t(3), size_t(4), size_t(5), size_t(40)})
    EXPECT_THROW(ReadSkinStream(good.data(), cut, c), Exception) << cut;
}

TEST(SkinStream, SkinFolderBuildsAndReadsBack) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  ASSERT_FALSE(stored.IsEmpty());
  TspParsedSkin parsed = Parse(stored);
  EXPECT_EQ(parsed.Pictures.Version, 2);
  EXPECT_EQ(parsed.Pictures.Slots[spsPicture].Width, 120);
  EXPECT_EQ(parsed.Pictures.Slots[spsMaskPicture].BitCount, 1);
  EXPECT_EQ(parsed.Pictures.Slots[spsInactivePicture].Width, 0);
  EXPECT_EQ(parsed.Pictures.ActivePictures.size(), 3u);

  TspSkinSections& s = parsed.Sections;
  EXPECT_EQ(s.SkinName, L"测试皮肤");
  EXPECT_EQ(s.ActivePicturesNames->Count(), 3);
  EXPECT_EQ(s.ActivePicturesNames->Strings(2), L"background.bmp");
  EXPECT_EQ(s.ObjectList.Count(), 5);  // the unknown type adds nothing
  EXPECT_EQ(s.CtrlList.Count(), 22);
  // Every record the input controls look up is there, of its class.
  for (const wchar_t* name : {L"edit", L"buttonedit", L"stdlabel", L"editbutton", L"resizebutton", L"combobutton",
                              L"combobox", L"listbox", L"scrollbox", L"hupdown", L"vupdown", L"spinedit"})
    EXPECT_GE(s.GetControlIndex(name), 0) << std::string(name, name + wcslen(name));
  auto* edit = dynamic_cast<TspDataSkinEditControl*>(s.CtrlList[s.GetControlIndex(L"edit")]);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->FontName, L"宋体");
  EXPECT_EQ(edit->ActiveSkinRect, TRect(48, 44, 96, 64));
  auto* maxButton = dynamic_cast<TspDataSkinStdButton*>(s.ObjectList[s.GetObjectIndex(L"maxbutton")]);
  ASSERT_NE(maxButton, nullptr);
  EXPECT_EQ(maxButton->RestoreHint, L"Restore");
  EXPECT_EQ(s.GetAreaIndex(L"client"), 1);
  EXPECT_EQ(s.AreaList[1]->AreaRect, TRect(6, 22, 114, 74));
  EXPECT_EQ(s.PopupWindow->StretchType, spstVert);
  EXPECT_EQ(s.HintWindow->FontName, L"宋体");
  EXPECT_EQ(s.SkinColors->cBtnFace, 15790320);
  EXPECT_EQ(s.InActiveEffect, ieDarkness);
  EXPECT_EQ(s.StatusBarName, L"statusbar");
}

TEST(SkinStream, FailedBuildKeepsTheStoredSkin) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  const std::vector<uint8_t> before = stored.CompressedStream()->Bytes();
  ASSERT_FALSE(before.empty());

  const String sections = L"[VERSION]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n[PICTURES]\r\n";
  TStringList ini;
  ini.SetText(sections + L"picture=no-such-picture.bmp\r\n");
  ini.SaveToFile(L"build-missing-picture.ini");
  EXPECT_THROW(stored.LoadFromSkinFile(L"build-missing-picture.ini"), EFOpenError);
  EXPECT_EQ(stored.CompressedStream()->Bytes(), before);

  const char junk[] = "BM this is no picture";
  {
    TFileStream bad(L"build-bad-picture.bmp", fmCreate);
    bad.WriteBuffer(junk, sizeof(junk));
  }
  ini.SetText(sections + L"activepicturescount=1\r\n0=build-bad-picture.bmp\r\n");
  ini.SaveToFile(L"build-bad-picture.ini");
  EXPECT_THROW(stored.LoadFromSkinFile(L"build-bad-picture.ini"), EInvalidGraphic);
  EXPECT_EQ(stored.CompressedStream()->Bytes(), before);

  ini.SetText(L"[VERSION]\r\n");
  ini.SaveToFile(L"build-no-skin.ini");
  stored.LoadFromSkinFile(L"build-no-skin.ini");
  EXPECT_EQ(stored.CompressedStream()->Bytes(), before);
}

TEST(SkinStream, MissingSectionsOrPictures) {
  TspSkinIni ini(std::vector<String>{L"[VERSION]", L"[pictures]", L"[SKINCONTROLS]"});
  EXPECT_EQ(MissingSkinSections(ini), (std::vector<String>{L"FORMINFO", L"SKINOBJECTS"}));
  EXPECT_EQ(SkinFileDir(L"C:\\skins\\a\\skin.ini"), L"C:\\skins\\a\\");
  EXPECT_EQ(SkinFileName(L"skins/a/skin.ini"), L"skin.ini");
}

TEST(SkinSections, LookUpsAndFormInfoAdjustments) {
  std::vector<String> lines{
      L"[VERSION]", L"[PICTURES]", L"mask=m.bmp",
      L"[FORMINFO]", L"clientrect=6,28,218,164", L"lefttoppoint=2,10", L"righttoppoint=300,1",
      L"leftbottompoint=1,500", L"rightbottompoint=213,162", L"hittestlefttoppoint=0,5",
      L"hittestrighttoppoint=9,9",
      L"[SKINOBJECTS]", L"count=3", L"0=x:nosuchtype", L"1=noColon", L"2=b:button",
      L"[SKINCONTROLS]", L"count=4", L"0=button:button", L"1=panel:panel", L"2=panel:stdlabel",
      L"3=Panel2:panel"};
  TspSkinSections s;
  s.ClearSections();
  s.ReadSections(TspSkinIni(lines));
  EXPECT_EQ(s.GetControlIndex(L"Button"), -1);
  EXPECT_EQ(s.GetControlIndex(L"button"), 0);
  EXPECT_EQ(s.GetControlIndex(L"panel"), 1);
  EXPECT_EQ(s.GetObjectIndex(L"b"), 0);
  EXPECT_EQ(s.ObjectList.Count(), 1);
  EXPECT_EQ(s.GetAreaIndex(L"b"), -1);
  // Mask named, empty mask area: it becomes the client rectangle; hit-test
  // points with a zero coordinate take the corner points as read.
  EXPECT_EQ(s.MaskRectArea, TRect(6, 28, 218, 164));
  EXPECT_EQ(s.HitTestLTPoint, TPoint(2, 10));
  EXPECT_EQ(s.HitTestRTPoint, TPoint(9, 9));
  EXPECT_EQ(s.HitTestLBPoint, TPoint(1, 500));
  // Corner points are pulled inside the client rectangle.
  EXPECT_EQ(s.LTPoint, TPoint(6, 28));
  EXPECT_EQ(s.RTPoint, TPoint(218, 28));
  EXPECT_EQ(s.LBPoint, TPoint(6, 164));
  EXPECT_EQ(s.RBPoint, TPoint(213, 162));
  EXPECT_EQ(s.BGPictureIndex, -1);
  EXPECT_EQ(s.CursorIndex, -1);

  TspSkinSections t;
  t.ReadSections(TspSkinIni(std::vector<String>{L"[FORMINFO]", L"clientrect=6,28,218,164",
                                                L"lefttoppoint=7,30", L"rightbottompoint=213,162",
                                                L"maskrectarea=0,0,10,300"}));
  EXPECT_EQ(t.LTPoint, TPoint(7, 30));
  EXPECT_EQ(t.MaskRectArea, TRect(0, 0, 10, 300));  // no mask: stays as read

  TspSkinSections empty;
  EXPECT_EQ(empty.GetControlIndex(L"x"), -1);
  empty.ClearSections();
  EXPECT_EQ(empty.SkinColors->cBtnFace, static_cast<int>(0xFF00000F));
  EXPECT_THROW(empty.ReadSections(TspSkinIni(std::vector<String>{L"[SKINAREAS]", L"count=1", L"0=a:1,2"})),
               EConvertError);
}

TEST(SkinResources, ResourceStringsAndSkinLists) {
  TspResourceStrData res(nullptr);
  EXPECT_EQ(res.ResStrings()->Count(), 121);
  EXPECT_EQ(res.CharSet(), 1);
  EXPECT_EQ(res.GetResStr(L"mi_closecaption"), L"&Close");
  EXPECT_EQ(res.GetResStr(L"FIND_REPLACE_ALL"), L"Replace All");
  EXPECT_EQ(res.GetResStr(L"NOSUCHKEY"), L"");
  res.ResStrings()->Add(L"X=a=b");
  EXPECT_EQ(res.GetResStr(L"X"), L"a=b");

  TspCompressedSkinList list(nullptr);
  list.Skins()->Add();
  list.Skins()->Add();
  TspSkinListItem* third = list.Skins()->Add();
  EXPECT_EQ(list.Skins()->Items(0)->Name(), L"spSkin0");
  EXPECT_EQ(third->Name(), L"spSkin2");
  list.Skins()->Delete(0);
  EXPECT_EQ(list.Skins()->Items(0)->Name(), L"spSkin1");
  EXPECT_THROW(list.Skins()->Delete(5), EListError);
  EXPECT_EQ(list.Skins()->Owner(), &list);

  // An item with an empty stored skin travels as version 2, length 0.
  TMemoryStream item;
  third->WriteSkin(&item);
  EXPECT_EQ(item.Size(), 8);
  third->ReadSkin(&item);
  EXPECT_TRUE(third->StoredSkin()->IsEmpty());
}

namespace {

std::vector<uint8_t> ReadCorpusFile(const char* Name) {
  TFileStream file(ProjectPath((std::string("tests/data/skin-corpus/") + Name).c_str()), fmOpenRead);
  std::vector<uint8_t> data(static_cast<size_t>(file.Size()));
  file.ReadBuffer(data.data(), file.Size());
  return data;
}

}  // namespace

TEST(SkinStream, MalformedCorpusGivesClearErrors) {
  const char* const broken[] = {
      "truncated-header.skn", "truncated-data.skn", "corrupt-zlib.skn", "lying-length.skn",
      "negative-length.skn", "version4.skn", "inner-version4.skn", "bmp-size-lies.skn", "bmp-size-tiny.skn",
      "bmp-huge-dims.skn", "bmp-bad-signature.skn", "bmp-bad-offbits.skn", "huge-picture-count.skn",
      "negative-picture-count.skn", "empty-point.skn", "empty-rect.skn"};
  for (const char* name : broken) {
    std::vector<uint8_t> skn = ReadCorpusFile(name);
    TspCompressedStoredSkin stored(nullptr);
    EXPECT_THROW(
        {
          LoadSkn(stored, skn);
          Parse(stored);
        },
        Exception)
        << name;
  }
  for (const char* name : {"valid.skn", "huge-counts.skn", "binary-ini.skn", "no-pictures-v0.skn"}) {
    TspCompressedStoredSkin stored(nullptr);
    LoadSkn(stored, ReadCorpusFile(name));
    EXPECT_NO_THROW(Parse(stored)) << name;
  }
  TspCompressedStoredSkin empty(nullptr);
  LoadSkn(empty, ReadCorpusFile("empty.skn"));
  EXPECT_TRUE(empty.IsEmpty());
}

TEST(SkinStream, DataThatInflatesBeyondTheLimitIsRefused) {
  // Zeros compress about a thousandfold: a small input for a huge output.
  std::vector<uint8_t> zeros(1 << 20);
  std::vector<uint8_t> packed;
  z_stream z{};
  deflateInit(&z, 1);
  std::vector<uint8_t> chunk(1 << 16);
  for (size_t mb = 0; mb <= MaxInflatedSkinSize >> 20; ++mb) {
    z.next_in = zeros.data();
    z.avail_in = static_cast<uInt>(zeros.size());
    int flush = mb == MaxInflatedSkinSize >> 20 ? Z_FINISH : Z_NO_FLUSH;
    do {
      z.next_out = chunk.data();
      z.avail_out = static_cast<uInt>(chunk.size());
      deflate(&z, flush);
      packed.insert(packed.end(), chunk.data(), chunk.data() + (chunk.size() - z.avail_out));
    } while (z.avail_out == 0);
  }
  deflateEnd(&z);
  ASSERT_LT(packed.size(), size_t(1) << 20);
  TByteBlock out;
  EXPECT_THROW(ZDecompressBuffer(packed.data(), packed.size(), MaxInflatedSkinSize, out), EZDecompressionError);
}

TEST(SkinSections, FormInfoReadsEveryKey) {
  // No mask and corner points that share an x: nothing is adjusted after reading.
  TspSkinSections s;
  s.ReadSections(TspSkinIni(std::vector<String>{
      L"[FORMINFO]", L"lefttoppoint=1,2", L"righttoppoint=3,4", L"leftbottompoint=5,6", L"rightbottompoint=1,8",
      L"clientrect=9,10,11,12", L"bgpictureindex=2", L"mdibgpictureindex=3", L"leftstretch=1", L"rightstretch=1",
      L"topstretch=1", L"bottomstretch=1", L"stretcheffect=1", L"stretchtype=stvert", L"mdibgstretcheffect=1",
      L"mdibgstretchtype=sthorz", L"buttonsrect=1,1,2,2", L"captionrect=3,3,4,4", L"buttonsoffset=5",
      L"buttonsinleft=1", L"maskrectarea=5,5,6,6", L"hittestlefttoppoint=7,7", L"hittestrighttoppoint=8,8",
      L"hittestleftbottompoint=9,9", L"hittestrightbottompoint=10,10", L"rollupleftpoint=11,11",
      L"rolluprightpoint=12,12", L"mainmenurect=7,7,8,8", L"iconrect=9,9,10,10", L"mainmenupopupup=1",
      L"borderwidth=4", L"formminwidth=150", L"mditabstransparent=1", L"mainmenubartransparent=1",
      L"cursorindex=6", L"autorenderinginactiveimage=1", L"inactiveeffect=ieinvert", L"sizegriparea=1,2,3,4",
      L"statusbarname=bar"}));
  EXPECT_EQ(s.LTPoint, TPoint(1, 2));
  EXPECT_EQ(s.RTPoint, TPoint(3, 4));
  EXPECT_EQ(s.LBPoint, TPoint(5, 6));
  EXPECT_EQ(s.RBPoint, TPoint(1, 8));
  EXPECT_EQ(s.ClRect, TRect(9, 10, 11, 12));
  EXPECT_EQ(s.BGPictureIndex, 2);
  EXPECT_EQ(s.MDIBGPictureIndex, 3);
  EXPECT_TRUE(s.LeftStretch && s.RightStretch && s.TopStretch && s.BottomStretch && s.StretchEffect);
  EXPECT_EQ(s.StretchType, spstVert);
  EXPECT_TRUE(s.MDIBGStretchEffect);
  EXPECT_EQ(s.MDIBGStretchType, spstHorz);
  EXPECT_EQ(s.ButtonsRect, TRect(1, 1, 2, 2));
  EXPECT_EQ(s.CaptionRect, TRect(3, 3, 4, 4));
  EXPECT_EQ(s.ButtonsOffset, 5);
  EXPECT_TRUE(s.ButtonsInLeft);
  EXPECT_EQ(s.MaskRectArea, TRect(5, 5, 6, 6));
  EXPECT_EQ(s.HitTestLTPoint, TPoint(7, 7));
  EXPECT_EQ(s.HitTestRTPoint, TPoint(8, 8));
  EXPECT_EQ(s.HitTestLBPoint, TPoint(9, 9));
  EXPECT_EQ(s.HitTestRBPoint, TPoint(10, 10));
  EXPECT_EQ(s.RollUpLeftPoint, TPoint(11, 11));
  EXPECT_EQ(s.RollUpRightPoint, TPoint(12, 12));
  EXPECT_EQ(s.MainMenuRect, TRect(7, 7, 8, 8));
  EXPECT_EQ(s.IconRect, TRect(9, 9, 10, 10));
  EXPECT_TRUE(s.MainMenuPopupUp);
  EXPECT_EQ(s.BorderW, 4);
  EXPECT_EQ(s.FormMinWidth, 150);
  EXPECT_TRUE(s.MDITabsTransparent && s.MainMenuBarTransparent);
  EXPECT_EQ(s.CursorIndex, 6);
  EXPECT_TRUE(s.AutoRenderingInActiveImage);
  EXPECT_EQ(s.InActiveEffect, ieInvert);
  EXPECT_EQ(s.SizeGripArea, TRect(1, 2, 3, 4));
  EXPECT_EQ(s.StatusBarName, L"bar");
}
