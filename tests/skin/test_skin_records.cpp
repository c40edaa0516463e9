#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <set>
#include <sstream>

#include "SkinTestData.h"
#include "skin/SkinRecordTypes.h"
#include "skin/SkinSections.h"
#include "skin/SkinWindowRecords.h"

namespace {

TspSkinIni MakeIni(std::initializer_list<const wchar_t*> lines) {
  std::vector<String> v;
  for (const wchar_t* l : lines) v.push_back(l);
  return TspSkinIni(v);
}

// The key names of a section, in order, as written.
std::vector<String> KeysOf(const TspSkinIni& ini, const String& section) {
  std::vector<String> keys;
  bool in = false;
  for (const String& line : ini.GetLines()) {
    if (!line.empty() && line[0] == L'[') {
      in = line == L"[" + section + L"]";
      continue;
    }
    if (in && !line.empty()) keys.push_back(line.substr(0, line.find(L'=')));
  }
  return keys;
}

// Replaces every value of a written section by one that differs from the
// default, keeping its kind, so that a key a record fails to read shows up.
std::vector<String> NonDefaultValues(const std::vector<String>& lines) {
  std::vector<String> out;
  int n = 0;
  for (const String& line : lines) {
    size_t eq = line.find(L'=');
    if (eq == String::npos) {
      out.push_back(line);
      continue;
    }
    String key = line.substr(0, eq), v = line.substr(eq + 1);
    String k = std::to_wstring(++n);
    size_t commas = std::count(v.begin(), v.end(), L',');
    if (key.find(L"fontstyle") != String::npos) v = L"fsbold,fsunderline";
    else if (key.size() > 9 && key.compare(key.size() - 9, 9, L"linecount") == 0) v = L"0";
    else if (commas == 3) v = L"-" + k + L",-2," + k + L"0,40";
    else if (commas == 1) v = k + L",-" + k;
    else if (v == L"0") v = L"1";
    else if (v == L"stfull") v = L"stvert";
    else if (v == L"mkdefault") v = L"mkrightslide";
    else if (v == L"fphorizontal") v = L"fpvertical";
    else if (v == L"rkround") v = L"rkhorizontal";
    else if (v == L"gkhorizontal") v = L"gkvertical";
    else if (v == L"cmdefault") v = L"cmrollup";
    else if (v == L"tacenter") v = L"taleftjustify";
    else if (!v.empty() && (v[0] == L'-' || (v[0] >= L'0' && v[0] <= L'9'))) v = std::to_wstring(100 + n);  // within every kind's range
    else v = L"宋体" + k;
    out.push_back(key + L"=" + v);
  }
  return out;
}

template <typename Record>
void CheckRoundTrip(Record* a, Record* b, const std::set<String>& derived) {
  TspSkinIni defaults;
  a->SaveToFile(defaults);
  TspSkinIni rich(NonDefaultValues(defaults.GetLines()));
  a->LoadFromFile(rich);
  TspSkinIni written;
  a->SaveToFile(written);
  b->LoadFromFile(written);
  TspSkinIni again;
  b->SaveToFile(again);
  EXPECT_EQ(written.GetLines(), again.GetLines()) << a->ClassName();
  const String sec = a->IDName;
  EXPECT_EQ(KeysOf(written, sec), KeysOf(defaults, sec)) << a->ClassName();
  for (const String& key : KeysOf(rich, sec)) {
    if (derived.count(key)) continue;
    EXPECT_EQ(written.ReadString(sec, key, L"?"), rich.ReadString(sec, key, L"!"))
        << a->ClassName() << " key " << std::string(key.begin(), key.end());
  }
}

}  // namespace

TEST(SkinRecords, EveryControlRecordReadsAndWritesEveryKey) {
  for (const String& type : SkinControlTypeNames()) {
    std::unique_ptr<TspDataSkinControl> a(CreateSkinControlRecord(type, L"rec")), b(CreateSkinControlRecord(type, L"rec"));
    ASSERT_TRUE(a && b) << std::string(type.begin(), type.end());
    std::set<String> derived;
    if (type == L"updown")
      derived = {L"lefttoppoint", L"righttoppoint", L"leftbottompoint", L"rightbottompoint", L"clientrect"};
    CheckRoundTrip(a.get(), b.get(), derived);
  }
}

TEST(SkinRecords, EveryObjectRecordReadsAndWritesEveryKey) {
  for (const String& t : SkinObjectTypeNames()) {
    std::unique_ptr<TspDataSkinObject> a(CreateSkinObjectRecord(t, L"obj")), b(CreateSkinObjectRecord(t, L"obj"));
    ASSERT_TRUE(a && b);
    std::set<String> derived;
    if (t == L"trackbar" || t == L"animate" || t == L"bitlabel") derived = {L"morphing"};
    CheckRoundTrip(a.get(), b.get(), derived);
  }
}

TEST(SkinRecords, TypeNamesAreExact) {
  EXPECT_EQ(CreateSkinControlRecord(L"Button", L"x"), nullptr);
  EXPECT_EQ(CreateSkinControlRecord(L"", L"x"), nullptr);
  EXPECT_EQ(CreateSkinObjectRecord(L"menubutton", L"x"), nullptr);
  std::unique_ptr<TspDataSkinControl> c(CreateSkinControlRecord(L"checklistbox", L"clb"));
  EXPECT_NE(dynamic_cast<TspDataSkinListBox*>(c.get()), nullptr);
  EXPECT_EQ(c->IDName, L"clb");
}

// Each list of a skin is read from a count that may run past the lines
// written: every entry present is kept, in the place its index gives.
TEST(SkinRecords, ListsOfTheSkinKeepEveryEntryPresent) {
  TspSkinSections s;
  s.ClearSections();
  s.ReadSections(MakeIni({
      L"[PICTURES]", L"activepicturescount=4", L"3=d.bmp", L"[SKINAREAS]", L"count=3", L"2=tail:1,2,3,4",
      L"[SKINOBJECTS]", L"count=5", L"4=cap:caption", L"[SKINCONTROLS]", L"count=2000000000",
      L"2=\u00E4rger:button", L"0=pnl:panel",
      // Record sections are found in any case of their name, every letter folded.
      L"[\u00C4RGER]", L"SKINRECT=1,2,3,4"}));
  ASSERT_EQ(s.ActivePicturesNames->Count(), 4);
  EXPECT_EQ(s.ActivePicturesNames->Strings(3), L"d.bmp");
  ASSERT_EQ(s.AreaList.Count(), 3);
  EXPECT_EQ(s.AreaList[2]->IDName, L"tail");
  EXPECT_EQ(s.ObjectList.Count(), 1);
  ASSERT_EQ(s.CtrlList.Count(), 2);
  EXPECT_EQ(s.GetControlIndex(L"\u00C4rger"), -1);  // record names stay exact
  EXPECT_EQ(s.CtrlList[1]->SkinRect, TRect(1, 2, 3, 4));
}

TEST(SkinRecords, MissingSectionGivesDefaults) {
  TspSkinIni empty;
  TspDataSkinListBox lb(L"listbox");
  lb.LoadFromFile(empty);
  EXPECT_EQ(lb.PictureIndex, -1);
  EXPECT_EQ(lb.MaskPictureIndex, -1);
  EXPECT_EQ(lb.CursorIndex, -1);
  EXPECT_EQ(lb.FontName, L"Arial");
  EXPECT_EQ(lb.FontHeight, 14);
  EXPECT_EQ(lb.VScrollBarName, L"vscrollbar");
  EXPECT_EQ(lb.HScrollBarName, L"hscrollbar");
  EXPECT_EQ(lb.BothHScrollBarName, L"bothhscrollbar");
  TspDataSkinButtonControl bt(L"button");
  bt.LoadFromFile(empty);
  EXPECT_EQ(bt.AnimateInterval, 25);
  EXPECT_EQ(bt.GlowLayerAlphaBlendValue, 255);
  EXPECT_EQ(bt.GlowLayerPictureIndex, -1);
  TspDataSkinPanelControl panel(L"panel");
  panel.LoadFromFile(empty);
  EXPECT_EQ(panel.Alignment, taCenter);
  EXPECT_EQ(panel.BGPictureIndex, -1);
  TspDataSkinStdLabelControl std(L"stdlabel");
  std.LoadFromFile(empty);
  EXPECT_EQ(std.ActiveFontColor, 16711680);
  TspDataSkinControlBar bar(L"cb");
  bar.LoadFromFile(empty);
  EXPECT_EQ(bar.ItemOffset1, 3);
  TspDataSkinCaption cap(L"cap");
  cap.LoadFromFile(empty);
  EXPECT_EQ(cap.GlowSize, 3);
  TspDataSkinAnimate an(L"an");
  an.LoadFromFile(empty);
  EXPECT_EQ(an.Command, cmDefault);
  EXPECT_EQ(an.TimerInterval, 50);
  EXPECT_EQ(an.CountFrames, 1);
}

TEST(SkinRecords, DerivedValuesOfControls) {
  TspSkinIni ini = MakeIni({L"[f0]", L"framescount=0", L"framesplacement=fpHorizontal", L"[f3]",
                            L"framescount=-3", L"kind=rkvertica", L"[ud]", L"lefttoppoint=3,4",
                            L"clientrect=1,2,3,4", L"upbuttonrect=1,1,5,5", L"[st]", L"stretchtype=STVERT"});
  TspDataSkinFrameGauge f0(L"f0");
  f0.LoadFromFile(ini);
  EXPECT_EQ(f0.FramesCount, 1);
  EXPECT_EQ(f0.FramesPlacement, fpVertical);
  TspDataSkinFrameRegulator f3(L"f3");
  f3.LoadFromFile(ini);
  EXPECT_EQ(f3.FramesCount, 1);
  EXPECT_EQ(f3.Kind, rkVertical);
  TspDataSkinUpDownControl ud(L"ud");
  ud.LoadFromFile(ini);
  EXPECT_EQ(ud.LTPoint, TPoint());
  EXPECT_EQ(ud.ClRect, TRect());
  EXPECT_EQ(ud.UpButtonRect, TRect(1, 1, 5, 5));
  TspDataSkinCustomControl st(L"st");
  st.LoadFromFile(ini);
  EXPECT_EQ(st.StretchType, spstHorz);
}

// Rectangles cut to the record's 128 x 64 picture: one reaching past it keeps
// what lies inside, one wholly outside becomes absent, an absent one stays
// so, a corner point is held within the skin rectangle, and nothing else
// changes (the check mark read only one way included).
TEST(SkinRecords, ClippingCutsEveryRectangleToThePicture) {
  TspSkinIni ini = MakeIni({L"[sp]", L"pictureindex=1", L"skinrect=0,0,100000,100000", L"activeskinrect=-5,10,40,70",
                            L"upbuttonrect=200,0,220,10", L"lefttoppoint=300,300", L"fontheight=99", L"[cb]",
                            L"checkimagerect=120,60,140,80"});
  TspDataSkinSpinEditControl r(L"sp");
  r.LoadFromFile(ini);
  r.ClipRects(TRect(0, 0, 128, 64));
  EXPECT_EQ(r.SkinRect, TRect(0, 0, 128, 64));
  EXPECT_EQ(r.ActiveSkinRect, TRect(0, 10, 40, 64));
  EXPECT_EQ(r.UpButtonRect, TRect());
  EXPECT_EQ(r.DownButtonRect, TRect());
  EXPECT_EQ(r.LTPoint, TPoint(128, 64));
  EXPECT_EQ(r.FontHeight, 99);
  EXPECT_EQ(r.PictureIndex, 1);
  TspDataSkinCheckRadioControl c(L"cb");
  c.LoadFromFile(ini);
  c.ClipRects(TRect(0, 0, 128, 64));
  EXPECT_EQ(c.CheckImageRect, TRect(120, 60, 128, 64));
}

TEST(SkinRecords, WriteOrderDiffersFromReadOrderWhereSaid) {
  auto order = [](TspDataSkinControl& r) {
    TspSkinIni ini;
    r.SaveToFile(ini);
    return KeysOf(ini, r.IDName);
  };
  auto before = [](const std::vector<String>& keys, const wchar_t* a, const wchar_t* b) {
    return std::find(keys.begin(), keys.end(), a) < std::find(keys.begin(), keys.end(), b);
  };
  TspDataSkinCustomControl cc(L"cc");
  auto k = order(cc);
  ASSERT_EQ(k.size(), 15u);
  EXPECT_EQ(k[0], L"pictureindex");
  EXPECT_EQ(k[3], L"skinrect");
  EXPECT_EQ(k[9], L"stretcheffect");
  EXPECT_EQ(k[10], L"leftstretch");
  TspDataSkinMenuButtonControl mb(L"mb");
  k = order(mb);
  EXPECT_EQ(k.back(), L"trackbuttonrect");
  EXPECT_TRUE(before(k, L"downfontcolor", L"disabledfontcolor"));
  EXPECT_TRUE(before(k, L"glowlayeroffsetright", L"glowlayeroffsettop"));
  TspDataSkinCheckListBox clb(L"clb");
  k = order(clb);
  EXPECT_EQ(std::vector<String>(k.end() - 3, k.end()),
            (std::vector<String>{L"itemcheckrect", L"uncheckimagerect", L"checkimagerect"}));
  TspDataSkinComboBox cb(L"cb");
  k = order(cb);
  EXPECT_TRUE(before(k, L"unenabledbuttonrect", L"listboxname"));
  TspDataSkinEditControl ed(L"ed");
  k = order(ed);
  EXPECT_TRUE(before(k, L"activefontcolor", L"disabledfontcolor"));
  TspDataSkinControlBar bar(L"bar");
  k = order(bar);
  EXPECT_TRUE(before(k, L"itemoffset2", L"itemstretcheffect"));

  TspDataSkinCaption cap(L"cap");
  TspSkinIni ini;
  cap.SaveToFile(ini);
  k = KeysOf(ini, L"cap");
  auto at = std::find(k.begin(), k.end(), L"alignment");
  EXPECT_EQ(std::vector<String>(at + 1, at + 7),
            (std::vector<String>{L"light", L"lightcolor", L"activelightcolor", L"shadow", L"shadowcolor",
                                 L"activeshadowcolor"}));
}

TEST(SkinRecords, DerivedValuesOfObjects) {
  TspSkinIni ini = MakeIni({
      L"[uo]", L"hint=h", L"activeskinrect=1,2,3,4", L"morphing=1", L"rollup=1", L"skinrect=5,6,7,8",
      L"[max]", L"hint=Maximize", L"command=cmmaximize",
      L"[maxlower]", L"hint=maximize", L"command=cmmaximize",
      L"[roll]", L"hint=Roll Up", L"command=cmrollup",
      L"[tray]", L"command=cmminimizetotray", L"[caps]", L"command=CMCLOSE",
      L"[mi]", L"checkimagerect=1,1,9,9", L"activecheckimagerect=4,1,4,9", L"arrowimagerect=2,2,3,3",
      L"activearrowimagerect=5,5,8,8",
      L"[tb]", L"morphing=1", L"[lbl]", L"fontName=Tahoma",
  });
  TspDataUserObject uo(L"uo");
  uo.LoadFromFile(ini);
  EXPECT_EQ(uo.Hint, L"");
  EXPECT_EQ(uo.ActiveSkinRect, TRect());
  EXPECT_FALSE(uo.Morphing);
  EXPECT_TRUE(uo.RollUp);
  EXPECT_EQ(uo.SkinRect, TRect(5, 6, 7, 8));
  TspSkinIni uoIni;
  uo.SaveToFile(uoIni);
  EXPECT_EQ(KeysOf(uoIni, L"uo"), (std::vector<String>{L"rollup", L"skinrect", L"cursorindex"}));

  TspDataSkinStdButton max(L"max"), lower(L"maxlower"), roll(L"roll"), tray(L"tray"), caps(L"caps"), none(L"none");
  for (auto* b : {&max, &lower, &roll, &tray, &caps, &none}) b->LoadFromFile(ini);
  EXPECT_EQ(max.RestoreHint, L"Restore");
  EXPECT_EQ(lower.RestoreHint, L"");
  EXPECT_EQ(roll.RestoreHint, L"Restore");
  EXPECT_EQ(tray.Command, cmMinimizeToTray);
  EXPECT_EQ(caps.Command, cmMinimizeToTray);
  EXPECT_EQ(none.Command, cmDefault);
  EXPECT_EQ(none.GroupIndex, -1);

  TspDataSkinMenuItem mi(L"mi");
  mi.LoadFromFile(ini);
  EXPECT_EQ(mi.ActiveCheckImageRect, TRect(1, 1, 9, 9));
  EXPECT_EQ(mi.ActiveArrowImageRect, TRect(5, 5, 8, 8));
  EXPECT_EQ(mi.ActiveRadioImageRect, TRect());

  TspDataSkinTrackBar tb(L"tb");
  tb.LoadFromFile(ini);
  EXPECT_FALSE(tb.Morphing);

  TspDataSkinLabel lbl(L"lbl");
  lbl.LoadFromFile(ini);
  EXPECT_EQ(lbl.FontName, L"Tahoma");
  TspSkinIni out;
  lbl.SaveToFile(out);
  EXPECT_EQ(out.ReadString(L"lbl", L"fontname", L""), L"Tahoma");
  auto keys = KeysOf(out, L"lbl");
  EXPECT_NE(std::find(keys.begin(), keys.end(), L"fontname"), keys.end());
}

TEST(SkinRecords, WindowRecordsAndColours) {
  TspSkinIni ini = MakeIni({L"[POPUPWINDOW]", L"stretchtype=stvert", L"windowpictureindex=2", L"[HINTWINDOW]",
                            L"stretchtype=other", L"[SKINCOLORS]", L"cbtnface=-16777201", L"cwindow=$FF00"});
  TspDataSkinPopupWindow pw;
  pw.LoadFromFile(ini);
  EXPECT_EQ(pw.StretchType, spstVert);
  EXPECT_EQ(pw.WindowPictureIndex, 2);
  EXPECT_EQ(pw.CursorIndex, -1);
  TspDataSkinHintWindow hw;
  EXPECT_EQ(hw.FontHeight, 12);
  hw.LoadFromFile(ini);
  EXPECT_EQ(hw.StretchType, spstHorz);
  EXPECT_EQ(hw.FontHeight, 14);
  EXPECT_EQ(hw.WindowPictureIndex, -1);

  TspSkinColors colors;
  colors.SetDefaults();
  EXPECT_EQ(colors.cBtnFace, static_cast<int>(0xFF00000F));
  EXPECT_EQ(colors.c3DDkShadow, static_cast<int>(0xFF000015));
  colors.LoadFromFile(ini);
  EXPECT_EQ(colors.cBtnFace, -16777201);
  EXPECT_EQ(colors.cWindow, 0xFF00);
  EXPECT_EQ(colors.cBtnText, 0);
  TspSkinIni none;
  colors.LoadFromFile(none);
  EXPECT_EQ(colors.cBtnFace, 0);
}

TEST(SkinRecords, ButtonAndObjectSectionsInTheirWrittenOrder) {
  TspDataSkinButtonControl button(L"b");
  TspSkinIni ini;
  button.SaveToFile(ini);
  EXPECT_EQ(KeysOf(ini, L"b"),
            (std::vector<String>{
                L"pictureindex", L"maskpictureindex", L"cursorindex", L"skinrect", L"lefttoppoint",
                L"righttoppoint", L"leftbottompoint", L"rightbottompoint", L"clientrect", L"stretcheffect",
                L"leftstretch", L"topstretch", L"rightstretch", L"bottomstretch", L"stretchtype", L"fontname",
                L"fontheight", L"fontstyle", L"fontcolor", L"activefontcolor", L"downfontcolor",
                L"disabledfontcolor", L"morphing", L"morphkind", L"activeskinrect", L"downskinrect",
                L"focusedskinrect", L"disabledskinrect", L"animateskinrect", L"framecount", L"animateinterval",
                L"showfocus", L"menumarkerflatrect", L"menumarkerrect", L"menumarkeractiverect",
                L"menumarkerdownrect", L"menumarkertransparentcolor", L"glowlayerpictureindex",
                L"glowlayermaskpictureindex", L"glowlayeroffsetleft", L"glowlayeroffsetright",
                L"glowlayeroffsettop", L"glowlayeroffsetbottom", L"glowlayershowoffsetx", L"glowlayershowoffsety",
                L"glowlayeralphablendvalue"}));
  EXPECT_EQ(ini.ReadString(L"b", L"stretchtype", L""), L"stfull");
  EXPECT_EQ(ini.ReadString(L"b", L"morphkind", L""), L"mkdefault");
  EXPECT_EQ(ini.ReadString(L"b", L"skinrect", L""), L"0,0,0,0");
  EXPECT_EQ(ini.ReadString(L"b", L"lefttoppoint", L""), L"0,0");

  TspDataSkinSwitch sw(L"s");
  sw.SaveToFile(ini);
  EXPECT_EQ(KeysOf(ini, L"s"),
            (std::vector<String>{L"hint", L"rollup", L"activepictureindex", L"activemaskpictureindex",
                                 L"skinrectinapicture", L"cursorindex", L"skinrect", L"activeskinrect",
                                 L"inactiveskinrect", L"morphing", L"morphkind", L"glowlayerpictureindex",
                                 L"glowlayermaskpictureindex", L"glowlayeroffsetx", L"glowlayeroffsety",
                                 L"glowlayeralphablendvalue"}));
  // Saving again replaces the section instead of adding to it.
  sw.Hint = L"again";
  sw.SaveToFile(ini);
  EXPECT_EQ(KeysOf(ini, L"s").size(), 16u);
  EXPECT_EQ(ini.ReadString(L"s", L"hint", L""), L"again");
}

namespace {

// Every key of each record class and its ancestors, as the tables name them
// (a text-lines key by its count key). A misspelt key name reads its default
// without a trace; this catches it.
struct TTypeKeys {
  const wchar_t* TypeName;
  const wchar_t* Keys;
};

const TTypeKeys kControlKeys[] = {
    {L"slider",
     L"pictureindex maskpictureindex cursorindex skinrect bgcolor hrulerrect hthumbrect vrulerrect "
     L"vthumbrect edgesize pointscolor"},
    {L"bevel",
     L"pictureindex maskpictureindex cursorindex skinrect lightcolor darkcolor"},
    {L"panel",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype bgpictureindex captionrect alignment fontname fontheight fontstyle fontcolor "
     L"checkimagerect uncheckimagerect markframerect framerect frametextrect frameleftoffset "
     L"framerightoffset gripperrect grippertransparent grippertransparentcolor"},
    {L"expanel",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype rollhskinrect rollvskinrect rollleftoffset rollrightoffset rolltopoffset "
     L"rollbottomoffset rollvcaptionrect rollhcaptionrect closebuttonrect closebuttonactiverect "
     L"closebuttondownrect hrollbuttonrect hrollbuttonactiverect hrollbuttondownrect hrestorebuttonrect "
     L"hrestorebuttonactiverect hrestorebuttondownrect vrollbuttonrect vrollbuttonactiverect "
     L"vrollbuttondownrect vrestorebuttonrect vrestorebuttonactiverect vrestorebuttondownrect "
     L"captionrect fontname fontheight fontstyle fontcolor buttonstransparent buttonstransparentcolor"},
    {L"menubutton",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype fontname fontheight fontstyle fontcolor activefontcolor disabledfontcolor "
     L"downfontcolor morphing morphkind activeskinrect downskinrect focusedskinrect disabledskinrect "
     L"animateskinrect framecount animateinterval showfocus menumarkerflatrect menumarkerrect "
     L"menumarkeractiverect menumarkerdownrect menumarkertransparentcolor glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetleft glowlayeroffsettop glowlayeroffsetright "
     L"glowlayeroffsetbottom glowlayershowoffsetx glowlayershowoffsety glowlayeralphablendvalue "
     L"trackbuttonrect"},
    {L"button",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype fontname fontheight fontstyle fontcolor activefontcolor disabledfontcolor "
     L"downfontcolor morphing morphkind activeskinrect downskinrect focusedskinrect disabledskinrect "
     L"animateskinrect framecount animateinterval showfocus menumarkerflatrect menumarkerrect "
     L"menumarkeractiverect menumarkerdownrect menumarkertransparentcolor glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetleft glowlayeroffsettop glowlayeroffsetright "
     L"glowlayeroffsetbottom glowlayershowoffsetx glowlayershowoffsety glowlayeralphablendvalue"},
    {L"checkradio",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype fontname fontheight fontstyle fontcolor activefontcolor unenabledfontcolor "
     L"framefontcolor morphing morphkind activeskinrect checkimagearea textarea checkimagerect "
     L"uncheckimagerect activecheckimagerect activeuncheckimagerect unenabledcheckimagerect "
     L"unenableduncheckimagerect grayedcheckimagerect activegrayedcheckimagerect"},
    {L"gauge",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype progressarea progressrect beginoffset endoffset vertical fontname fontheight "
     L"fontstyle fontcolor progresstransparent progresstransparentcolor progressstretch "
     L"animationskinrect animationcountframes animationtimerinterval progressanimationskinrect "
     L"progressanimationcountframes progressanimationtimerinterval animationbeginoffset "
     L"animationendoffset"},
    {L"splitter",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype gripperrect grippertransparent grippertransparentcolor"},
    {L"trackbar",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype activeskinrect trackarea buttonrect activebuttonrect vertical buttontransparent "
     L"buttontransparentcolor"},
    {L"label",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype fontname fontheight fontstyle fontcolor"},
    {L"stdlabel",
     L"pictureindex maskpictureindex cursorindex skinrect fontname fontheight fontstyle fontcolor "
     L"activefontcolor"},
    {L"bitlabel",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype skintextrect symbolwidth symbolheight symbolslinecount"},
    {L"frameregulator",
     L"pictureindex maskpictureindex cursorindex skinrect framescount framesplacement kind"},
    {L"framegauge",
     L"pictureindex maskpictureindex cursorindex skinrect framescount framesplacement"},
    {L"animate",
     L"pictureindex maskpictureindex cursorindex skinrect framescount framesplacement"},
    {L"switch",
     L"pictureindex maskpictureindex cursorindex skinrect framescount framesplacement"},
    {L"updown",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
     L"downdownbuttonrect"},
    {L"grid",
     L"pictureindex maskpictureindex cursorindex skinrect fixedcellrect selectcellrect focuscellrect "
     L"fixedcellleftoffset fixedcellrightoffset fixedcelltextrect cellleftoffset cellrightoffset "
     L"celltextrect linescolor bgcolor bgpictureindex fontname fontheight fontstyle fontcolor "
     L"selectfontcolor focusfontcolor fixedfontname fixedfontheight fixedfontstyle fixedfontcolor "
     L"cellstretcheffect fixedcellstretcheffect showfocus"},
    {L"tab",
     L"pictureindex maskpictureindex cursorindex skinrect tabrect activetabrect focustabrect "
     L"mouseintabrect clientrect bgpictureindex lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint tableftoffset tabrightoffset tabsbgrect tabstretcheffect leftstretch topstretch "
     L"rightstretch bottomstretch stretcheffect stretchtype fontname fontheight fontstyle fontcolor "
     L"activefontcolor focusfontcolor mouseinfontcolor updown showfocus focusoffsetx focusoffsety "
     L"closebuttonrect closebuttonactiverect closebuttondownrect buttontransparent "
     L"buttontransparentcolor"},
    {L"mainmenubar",
     L"pictureindex maskpictureindex cursorindex skinrect itemsrect menubaritem closebutton minbutton "
     L"maxbutton sysmenubutton trackmarkcolor trackmarkactivecolor stretcheffect itemtransparent"},
    {L"controlbar",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype itemrect bgpictureindex hgriprect vgriprect gripoffset1 gripoffset2 "
     L"itemstretcheffect itemoffset1 itemoffset2 itemtransparent itemtransparentcolor griptransparent "
     L"griptransparentcolor"},
    {L"memo",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype activeskinrect fontname fontheight fontstyle fontcolor disabledfontcolor "
     L"activefontcolor buttonrect activebuttonrect downbuttonrect unenabledbuttonrect bgcolor "
     L"activebgcolor"},
    {L"edit",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype activeskinrect fontname fontheight fontstyle fontcolor disabledfontcolor "
     L"activefontcolor buttonrect activebuttonrect downbuttonrect unenabledbuttonrect"},
    {L"checklistbox",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect "
     L"fontname fontheight fontstyle fontcolor activefontcolor focusfontcolor captionrect "
     L"captionfontname captionfontheight captionfontstyle captionfontcolor upbuttonrect "
     L"activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect downdownbuttonrect "
     L"checkbuttonrect activecheckbuttonrect downcheckbuttonrect vscrollbarname hscrollbarname "
     L"bothhscrollbarname showfocus disabledbuttonsrect buttonsarea checkimagerect itemcheckrect "
     L"uncheckimagerect"},
    {L"listbox",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect "
     L"fontname fontheight fontstyle fontcolor activefontcolor focusfontcolor captionrect "
     L"captionfontname captionfontheight captionfontstyle captionfontcolor upbuttonrect "
     L"activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect downdownbuttonrect "
     L"checkbuttonrect activecheckbuttonrect downcheckbuttonrect vscrollbarname hscrollbarname "
     L"bothhscrollbarname showfocus disabledbuttonsrect buttonsarea"},
    {L"combobox",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype activeskinrect itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset "
     L"itemtextrect fontname fontheight fontstyle fontcolor focusfontcolor activefontcolor listboxname "
     L"buttonrect activebuttonrect downbuttonrect unenabledbuttonrect itemstretcheffect "
     L"focusitemstretcheffect showfocus"},
    {L"scrollbar",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype trackarea upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect "
     L"activedownbuttonrect downdownbuttonrect thumbrect activethumbrect downthumbrect thumboffset1 "
     L"thumboffset2 thumbtransparent thumbtransparentcolor thumbstretcheffect thumbminsize "
     L"thumbminpagesize glyphrect activeglyphrect downglyphrect glyphtransparent glyphtransparentcolor"},
    {L"spinedit",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype activeskinrect fontname fontheight fontstyle fontcolor activefontcolor "
     L"disabledfontcolor upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect "
     L"activedownbuttonrect downdownbuttonrect"},
    {L"scrollbox",
     L"pictureindex maskpictureindex cursorindex skinrect lefttoppoint righttoppoint leftbottompoint "
     L"rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch stretcheffect "
     L"stretchtype bgpictureindex"},
    {L"treeview",
     L"pictureindex maskpictureindex cursorindex skinrect fontname fontheight fontstyle fontcolor "
     L"bgcolor"},
    {L"listview",
     L"pictureindex maskpictureindex cursorindex skinrect fontname fontheight fontstyle fontcolor "
     L"bgcolor"},
    {L"richedit",
     L"pictureindex maskpictureindex cursorindex skinrect fontname fontheight fontstyle fontcolor "
     L"bgcolor"},
};
const TTypeKeys kObjectKeys[] = {
    {L"menuitem",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue "
     L"itemleftoffset itemrightoffset dividerrect dividerleftoffset dividerrightoffset textrect "
     L"imagerect fontname fontheight fontstyle fontcolor activefontcolor unenabledfontcolor "
     L"stretcheffect inactivestretcheffect dividerstretcheffect animateskinrect framecount "
     L"animateinterval inactiveanimation useimagecolor imagecolor activeimagecolor inactivetransparent "
     L"checkimagerect activecheckimagerect radioimagerect activeradioimagerect arrowimagerect "
     L"activearrowimagerect"},
    {L"mainmenubaritem",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue "
     L"itemleftoffset itemrightoffset downrect textrect fontname fontheight fontstyle fontcolor "
     L"activefontcolor downfontcolor unenabledfontColor stretcheffect animateskinrect framecount "
     L"animateinterval inactiveanimation"},
    {L"mainmenuitem",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue "
     L"itemleftoffset itemrightoffset downrect textrect fontname fontheight fontstyle fontcolor "
     L"activefontcolor downfontcolor unenabledfontColor stretcheffect animateskinrect framecount "
     L"animateinterval inactiveanimation"},
    {L"stdbutton",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue downrect "
     L"disableskinrsect groupindex command restorerect restoreactiverect restoredownrect "
     L"restoreinactiverect restorehint"},
    {L"mainmenubarbutton",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue downrect "
     L"disableskinrsect groupindex command restorerect restoreactiverect restoredownrect "
     L"restoreinactiverect restorehint"},
    {L"button",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue downrect "
     L"disableskinrsect groupindex"},
    {L"caption",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue "
     L"defaultcaption textrect fontname fontheight fontstyle fontcolor activefontcolor alignment shadow "
     L"shadowcolor light lightcolor activelightcolor activeshadowcolor framerect activeframerect "
     L"frametextrect frameleftoffset framerightoffset stretcheffect animateskinrect framecount "
     L"animateinterval inactiveanimation fullframe vistagloweffect vistaglowinactiveeffect gloweffect "
     L"glowinactiveeffect glowsize glowcolor glowactivecolor glowoffset reflectioneffect "
     L"reflactioncolor reflactionactivecolor reflectionoffset"},
    {L"trackbar",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue buttonrect "
     L"activebuttonrect beginpoint endpoint minvalue maxvalue mousedownchangevalue buttontransparent "
     L"buttontransparentcolor"},
    {L"gauge",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue minvalue "
     L"maxvalue kind"},
    {L"framegauge",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue minvalue "
     L"maxvalue countframes framesplacement"},
    {L"frameregulator",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue minvalue "
     L"maxvalue countframes framesplacement kind"},
    {L"label",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue fontName "
     L"fontheight fontstyle fontcolor activefontcolor alignment textvalue"},
    {L"bitlabel",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue textvalue "
     L"symbolwidth symbolheight symbolslinecount transparent transparentcolor"},
    {L"switch",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue"},
    {L"animate",
     L"hint rollup activepictureindex activemaskpictureindex skinrectinapicture cursorindex skinrect "
     L"activeskinrect inactiveskinrect morphing morphkind glowlayerpictureindex "
     L"glowlayermaskpictureindex glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue countframes "
     L"cycle buttonstyle timerinterval command downskinrect restorerect restoreactiverect "
     L"restoredownrect restoreinactiverect restorehint"},
    {L"userobject",
     L"rollup skinrect cursorindex"},
};

std::vector<String> SortedLower(std::vector<String> Keys) {
  for (String& k : Keys)
    for (wchar_t& c : k) c = static_cast<wchar_t>(towlower(c));
  std::sort(Keys.begin(), Keys.end());
  return Keys;
}

std::vector<String> SplitKeys(const wchar_t* Text) {
  std::vector<String> keys;
  std::wistringstream in(Text);
  for (String k; in >> k;) keys.push_back(k);
  return keys;
}

template <typename Record>
void CheckKeyNames(Record* R, const TTypeKeys& Row) {
  ASSERT_NE(R, nullptr) << std::string(Row.TypeName, Row.TypeName + wcslen(Row.TypeName));
  TspSkinIni ini;
  R->SaveToFile(ini);
  EXPECT_EQ(SortedLower(KeysOf(ini, R->IDName)), SortedLower(SplitKeys(Row.Keys)))
      << std::string(Row.TypeName, Row.TypeName + wcslen(Row.TypeName));
}

}  // namespace

// The key table names every type of the library's type table, no more: a
// record type added there without its keys here fails.
TEST(SkinRecords, TheKeyTableNamesEveryRecordType) {
  const auto rows = [](const auto& Rows) {
    std::set<String> v;
    for (const TTypeKeys& row : Rows) v.insert(row.TypeName);
    return v;
  };
  const auto types = [](const std::vector<String>& Names) { return std::set<String>(Names.begin(), Names.end()); };
  EXPECT_EQ(rows(kControlKeys), types(SkinControlTypeNames()));
  EXPECT_EQ(rows(kObjectKeys), types(SkinObjectTypeNames()));
}

TEST(SkinRecords, KeyNamesOfEveryRecordClass) {
  for (const TTypeKeys& row : kControlKeys) {
    std::unique_ptr<TspDataSkinControl> r(CreateSkinControlRecord(row.TypeName, L"rec"));
    CheckKeyNames(r.get(), row);
  }
  for (const TTypeKeys& row : kObjectKeys) {
    std::unique_ptr<TspDataSkinObject> r(CreateSkinObjectRecord(row.TypeName, L"rec"));
    CheckKeyNames(r.get(), row);
  }
}

TEST(SkinRecords, WindowRecordsReadEveryKey) {
  TspSkinIni ini = MakeIni({
      L"[POPUPWINDOW]", L"windowpictureindex=3", L"maskpictureindex=4", L"lefttoppoint=1,2", L"righttoppoint=3,4",
      L"leftbottompoint=5,6", L"rightbottompoint=7,8", L"cursorindex=9", L"itemsrect=1,2,3,4",
      L"scrollmarkercolor=255", L"scrollmarkeractivecolor=65280", L"leftstretch=1", L"rightstretch=1",
      L"topstretch=1", L"bottomstretch=1", L"stretcheffect=1", L"stretchtype=sthorz",
      L"[HINTWINDOW]", L"windowpictureindex=5", L"maskpictureindex=6", L"lefttoppoint=2,1", L"righttoppoint=4,3",
      L"leftbottompoint=6,5", L"rightbottompoint=8,7", L"clientrect=4,3,2,1", L"fontname=Tahoma",
      L"fontheight=11", L"fontstyle=fsitalic", L"fontcolor=128", L"leftstretch=1", L"rightstretch=1",
      L"topstretch=1", L"bottomstretch=1", L"stretcheffect=1", L"stretchtype=stvert",
      L"[SKINCOLORS]", L"cbtnface=1", L"cbtntext=2", L"cwindow=3", L"cwindowtext=4", L"chighlight=5",
      L"chighlighttext=6", L"cbtnhighlight=7", L"cbtnshadow=8", L"c3dlight=9", L"c3ddkshadow=10"});
  TspDataSkinPopupWindow pw;
  pw.LoadFromFile(ini);
  EXPECT_EQ(pw.WindowPictureIndex, 3);
  EXPECT_EQ(pw.MaskPictureIndex, 4);
  EXPECT_EQ(pw.LTPoint, TPoint(1, 2));
  EXPECT_EQ(pw.RTPoint, TPoint(3, 4));
  EXPECT_EQ(pw.LBPoint, TPoint(5, 6));
  EXPECT_EQ(pw.RBPoint, TPoint(7, 8));
  EXPECT_EQ(pw.CursorIndex, 9);
  EXPECT_EQ(pw.ItemsRect, TRect(1, 2, 3, 4));
  EXPECT_EQ(pw.ScrollMarkerColor, 255);
  EXPECT_EQ(pw.ScrollMarkerActiveColor, 65280);
  EXPECT_TRUE(pw.LeftStretch && pw.RightStretch && pw.TopStretch && pw.BottomStretch && pw.StretchEffect);
  EXPECT_EQ(pw.StretchType, spstHorz);

  TspDataSkinHintWindow hw;
  hw.LoadFromFile(ini);
  EXPECT_EQ(hw.WindowPictureIndex, 5);
  EXPECT_EQ(hw.MaskPictureIndex, 6);
  EXPECT_EQ(hw.LTPoint, TPoint(2, 1));
  EXPECT_EQ(hw.RTPoint, TPoint(4, 3));
  EXPECT_EQ(hw.LBPoint, TPoint(6, 5));
  EXPECT_EQ(hw.RBPoint, TPoint(8, 7));
  EXPECT_EQ(hw.ClRect, TRect(4, 3, 2, 1));
  EXPECT_EQ(hw.FontName, L"Tahoma");
  EXPECT_EQ(hw.FontHeight, 11);
  EXPECT_EQ(hw.FontStyle, TFontStyles({fsItalic}));
  EXPECT_EQ(hw.FontColor, 128);
  EXPECT_TRUE(hw.LeftStretch && hw.RightStretch && hw.TopStretch && hw.BottomStretch && hw.StretchEffect);
  EXPECT_EQ(hw.StretchType, spstVert);

  TspSkinColors c;
  c.LoadFromFile(ini);
  const int read[] = {c.cBtnFace,      c.cBtnText,      c.cWindow,    c.cWindowText, c.cHighLight,
                      c.cHighLightText, c.cBtnHighLight, c.cBtnShadow, c.c3DLight,    c.c3DDkShadow};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(read[i], i + 1) << i;
}

// A skin with a record of every kind on a 16 x 8 picture read whole, through
// the pass that cuts rectangles to the pictures: the pass changes nothing but
// rectangles (a bit label's symbols, a regulator's kind and frames stay), and
// a rectangle from row and column 0 keeps them.
TEST(SkinRecords, TheCuttingPassOfALoadKeepsAllButWhatLiesOutsideThePicture) {
  const std::vector<String> types = SkinControlTypeNames();
  std::vector<String> ini = {L"[VERSION]", L"[PICTURES]", L"[FORMINFO]", L"[SKINOBJECTS]", L"[SKINCONTROLS]",
                             L"count=" + std::to_wstring(types.size())};
  for (size_t i = 0; i < types.size(); ++i)
    ini.push_back(std::to_wstring(i) + L"=r" + std::to_wstring(i) + L":" + types[i]);
  for (size_t i = 0; i < types.size(); ++i) {
    ini.push_back(L"[r" + std::to_wstring(i) + L"]");
    for (const wchar_t* line : {L"pictureindex=0", L"skinrect=0,0,40,4", L"activeskinrect=20,6,30,10",
                                L"symbolwidth=3", L"symbolslinecount=2", L"symbolsline0=0123", L"symbolsline1=AB",
                                L"kind=rkvertical", L"framescount=4", L"framesplacement=fpvertical",
                                L"fontheight=500", L"clientrect=0,0,3,2"})
      ini.push_back(line);
  }
  TBmpImage slots[SkinPictureSlotCount];
  slots[spsPicture] = SolidImage(4, 3, 10);
  std::vector<TBmpImage> actives;
  actives.push_back(SolidImage(16, 8, 20));
  TMemoryStream stream;
  WriteSkinStream(&stream, slots, actives, ini);
  const std::vector<uint8_t> packed = ZCompressBuffer(stream.Bytes().data(), stream.Bytes().size(), zcMax);
  TspParsedSkin parsed;
  ParseCompressedSkin(packed.data(), packed.size(), parsed);
  const TspSkinSections& s = parsed.Sections;
  ASSERT_EQ(s.CtrlList.Count(), static_cast<int>(types.size()));
  for (int i = 0; i < s.CtrlList.Count(); ++i) {
    const TspDataSkinControl* r = s.CtrlList[i];
    EXPECT_EQ(r->SkinRect, TRect(0, 0, 16, 4)) << std::string(types[i].begin(), types[i].end());
    EXPECT_EQ(r->PictureIndex, 0) << std::string(types[i].begin(), types[i].end());
    auto* custom = dynamic_cast<const TspDataSkinCustomControl*>(r);
    if (custom && !dynamic_cast<const TspDataSkinUpDownControl*>(r)) {
      EXPECT_EQ(custom->ClRect, TRect(0, 0, 3, 2)) << std::string(types[i].begin(), types[i].end());
    }
  }
  auto* bits = dynamic_cast<TspDataSkinBitLabelControl*>(s.CtrlList[s.GetControlIndex(L"r12")]);
  ASSERT_NE(bits, nullptr);
  EXPECT_EQ(bits->Symbols, (std::vector<String>{L"0123", L"AB"}));
  EXPECT_EQ(bits->SymbolWidth, 3);
  auto* regulator = dynamic_cast<TspDataSkinFrameRegulator*>(s.CtrlList[s.GetControlIndex(L"r13")]);
  ASSERT_NE(regulator, nullptr);
  EXPECT_EQ(regulator->Kind, rkVertical);
  EXPECT_EQ(regulator->FramesCount, 2);  // of 4 frames 4 high down an 8-row picture
  EXPECT_EQ(regulator->FramesPlacement, fpVertical);
  auto* button = dynamic_cast<TspDataSkinButtonControl*>(s.CtrlList[s.GetControlIndex(L"r5")]);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->ActiveSkinRect, TRect());  // wholly below the picture
  EXPECT_EQ(button->FontHeight, 500);
}

namespace {

// Every [FORMINFO] key, each at a value other than its default, reads back
// as written.
TEST(SkinRecordLimits, FormInfoReadsEveryKeyBack) {
  TspSkinSections s;
  TspSkinIni defaults, written;
  TspRecordWriter writeDefaults(defaults, L"FORMINFO");
  s.ExchangeFormInfo(writeDefaults);
  const TspSkinIni rich(NonDefaultValues(defaults.GetLines()));
  TspRecordReader read(rich, L"FORMINFO");
  s.ExchangeFormInfo(read);
  TspRecordWriter write(written, L"FORMINFO");
  s.ExchangeFormInfo(write);
  const std::vector<String> keys = KeysOf(rich, L"FORMINFO");
  EXPECT_EQ(keys.size(), 37u);
  for (const String& key : keys)
    EXPECT_EQ(written.ReadString(L"FORMINFO", key, L"?"), rich.ReadString(L"FORMINFO", key, L"!")) << WideToUtf8(key);
}

// A whole skin's text: its names, its picture list, the frame's values a
// mask derives (the shape covers the client, hit-test points default to
// the corners, corners never reach into the client), and its lists, where
// an entry without a colon is passed by.
TEST(SkinRecordLimits, ReadingASkinTakesItsTextsAndDerivesTheFrame) {
  TspSkinSections s;
  s.ReadSections(MakeIni({L"[VERSION]", L"skinname=n", L"skinauthor=a", L"authoremail=e", L"authorurl=u",
                          L"skincomments=c", L"[PICTURES]", L"picture=p.bmp", L"mask=m.bmp", L"rolluppicture=r.bmp",
                          L"rollupmask=rm.bmp", L"activepicturescount=2", L"0=a0.bmp",
                          L"1=a1.bmp", L"[FORMINFO]", L"clientrect=10,20,90,70",
                          L"lefttoppoint=4,4", L"righttoppoint=95,30", L"leftbottompoint=30,75",
                          L"rightbottompoint=80,60", L"hittestlefttoppoint=0,5", L"hittestrighttoppoint=7,7",
                          L"maskrectarea=0,0,0,0", L"[SKINOBJECTS]", L"count=2", L"0=nocolon", L"1=b:button",
                          L"[SKINCONTROLS]", L"count=2", L"0=p:panel", L"1=nocolon", L"[SKINAREAS]", L"count=1",
                          L"0=area:1,2,3,4"}));
  EXPECT_EQ((std::vector<String>{s.SkinName, s.SkinAuthor, s.AuthorEmail, s.AuthorURL, s.SkinComments}),
            (std::vector<String>{L"n", L"a", L"e", L"u", L"c"}));
  EXPECT_EQ((std::vector<String>{s.PictureName, s.MaskPictureName, s.RollUpPictureName, s.RollUpMaskPictureName}),
            (std::vector<String>{L"p.bmp", L"m.bmp", L"r.bmp", L"rm.bmp"}));
  ASSERT_EQ(s.ActivePicturesNames->Count(), 2);
  EXPECT_EQ(s.ActivePicturesNames->Strings(1), L"a1.bmp");
  EXPECT_EQ(s.MaskRectArea, TRect(10, 20, 90, 70));
  EXPECT_EQ(s.HitTestLTPoint, TPoint(4, 4));
  EXPECT_EQ(s.HitTestRTPoint, TPoint(7, 7));
  EXPECT_EQ(s.HitTestLBPoint, TPoint(30, 75));
  EXPECT_EQ(s.LTPoint, TPoint(10, 20));
  EXPECT_EQ(s.RTPoint, TPoint(90, 30));
  EXPECT_EQ(s.LBPoint, TPoint(30, 70));
  EXPECT_EQ(s.RBPoint, TPoint(80, 60));
  ASSERT_EQ(s.ObjectList.Count(), 1);
  EXPECT_EQ(s.ObjectList[0]->IDName, L"b");
  ASSERT_EQ(s.CtrlList.Count(), 1);
  EXPECT_EQ(s.GetControlIndex(L"p"), 0);
  EXPECT_EQ(s.GetControlIndex(L"q"), -1);
  ASSERT_EQ(s.AreaList.Count(), 1);
  EXPECT_EQ(s.AreaList[0]->AreaRect, TRect(1, 2, 3, 4));
  s.ClearSections();
  EXPECT_EQ(s.CtrlList.Count() + s.ObjectList.Count() + s.AreaList.Count() + s.ActivePicturesNames->Count(), 0);
}

// The first and last word of each enumerated kind read and written as
// themselves; a skin lacking any of its five sections is no skin; a font
// without a colour is black; strips of one-pixel frames, and a strip whose
// first frame lies past the picture.
TEST(SkinRecordLimits, WordsAtBothEndsOfEachKind) {
  const TspSkinIni words = MakeIni({L"[w]", L"s=stfull", L"e=iebrightness", L"c=cmclose", L"k=cmminimizetotray",
                                    L"fontname=x"});
  EXPECT_EQ(ReadStretchType(words, L"w", L"s"), spstFull);
  EXPECT_EQ(ReadInactiveEffect(words, L"w", L"e"), ieBrightness);
  TspRecordReader read(words, L"w");
  TspCommandKind first = cmDefault, last = cmDefault;
  read.Command(L"c", first);
  read.Command(L"k", last);
  EXPECT_EQ(first, cmClose);
  EXPECT_EQ(last, cmMinimizeToTray);
  String name;
  int height = 0;
  TFontStyles style;
  TColor color = 5;
  read.Font(L"", name, height, style, color);
  EXPECT_EQ(color, 0);
  TspSkinIni out;
  TspRecordWriter write(out, L"w");
  TspMorphKind push = mkPush;
  write.MorphKind(L"m", push);
  write.Command(L"k", last);
  EXPECT_EQ(out.ReadString(L"w", L"m", L""), L"mkpush");
  EXPECT_EQ(out.ReadString(L"w", L"k", L""), L"cmminimizetotray");
  const wchar_t* const sections[] = {L"[VERSION]", L"[PICTURES]", L"[FORMINFO]", L"[SKINOBJECTS]", L"[SKINCONTROLS]"};
  EXPECT_TRUE(IsSkinIni(MakeIni({sections[0], sections[1], sections[2], sections[3], sections[4]})));
  for (int missing = 0; missing < 5; ++missing) {
    std::vector<String> lines;
    for (int i = 0; i < 5; ++i)
      if (i != missing) lines.push_back(sections[i]);
    EXPECT_FALSE(IsSkinIni(TspSkinIni(lines))) << missing;
  }
  EXPECT_EQ(FrameStripRect(TRect(2, 3, 4, 5), 2, true), TRect(2, 7, 4, 9));
  EXPECT_EQ(FramesWithin(TRect(0, 0, 1, 1), 5, false, TRect(0, 0, 3, 1)), 3);
  EXPECT_EQ(FramesWithin(TRect(8, 0, 12, 4), 5, false, TRect(0, 0, 6, 4)), 0);
}

// Each kind of number at and past the ends of its range, read and cut: zero
// pieces, levels and counts stay zero, an index below -1 reads as -1, and
// what lies past an end is held at it.
TEST(SkinRecordLimits, EachKindOfNumberIsHeldToItsRange) {
  TspSkinIni ini = MakeIni({L"[b]", L"pictureindex=-7", L"glowlayeroffsetleft=0", L"glowlayeroffsetright=-3",
                            L"glowlayeralphablendvalue=0", L"framecount=0", L"animateinterval=-1",
                            L"glowlayershowoffsetx=-40000", L"glowlayershowoffsety=40000", L"fontheight=5000",
                            L"skinrect=-40000,0,40000,9", L"lefttoppoint=0,-40000", L"[c]",
                            L"glowlayeralphablendvalue=300", L"glowlayerpictureindex=70000", L"fontheight=-5000",
                            L"[g]", L"countframes=0", L"minvalue=-2000000000", L"maxvalue=2000000000"});
  TspDataSkinButtonControl b(L"b");
  b.LoadFromFile(ini);
  EXPECT_EQ(b.PictureIndex, -1);
  EXPECT_EQ(b.CursorIndex, -1);
  EXPECT_EQ(b.GlowLayerOffsetLeft, 0);
  EXPECT_EQ(b.GlowLayerOffsetRight, 0);
  EXPECT_EQ(b.GlowLayerAlphaBlendValue, 0);
  EXPECT_EQ(b.FrameCount, 0);
  EXPECT_EQ(b.AnimateInterval, 0);
  EXPECT_EQ(b.GlowLayerShowOffsetX, -32767);
  EXPECT_EQ(b.GlowLayerShowOffsetY, 32767);
  EXPECT_EQ(b.FontHeight, 1000);
  EXPECT_EQ(b.SkinRect, TRect(-32767, 0, 32767, 9));
  EXPECT_EQ(b.LTPoint, TPoint(0, -32767));
  TspDataSkinButtonControl c(L"c");
  c.LoadFromFile(ini);
  EXPECT_EQ(c.GlowLayerAlphaBlendValue, 255);
  EXPECT_EQ(c.GlowLayerPictureIndex, 65535);
  EXPECT_EQ(c.FontHeight, -1000);
  TspDataSkinFrameGaugeObject g(L"g");
  g.LoadFromFile(ini);
  EXPECT_EQ(g.CountFrames, 0);
  EXPECT_EQ(g.CursorIndex, -1);
  EXPECT_EQ(g.MinValue, -1000000000);
  EXPECT_EQ(g.MaxValue, 1000000000);
  TspSkinSections s;
  const TspSkinIni formIni = MakeIni({L"[FORMINFO]", L"formminwidth=-4", L"borderwidth=0", L"buttonsoffset=-9"});
  TspRecordReader form(formIni, L"FORMINFO");
  s.ExchangeFormInfo(form);
  EXPECT_EQ(s.FormMinWidth, 0);
  EXPECT_EQ(s.BorderW, 0);
  EXPECT_EQ(s.ButtonsOffset, -9);
}

// The cut to a 16 x 8 picture at its edges: a rectangle on the edges stays,
// an empty one inside stays, an inverted one goes; a corner point at x = 0
// stays 0, one past the skin rectangle stops at its edge; a piece stops at
// the picture's larger side and a zero piece stays zero; a strip keeps the
// frames that lie within the picture.
TEST(SkinRecordLimits, TheLoadsCutHoldsToThePicturesEdges) {
  TspSkinIni ini = MakeIni({L"[b]", L"skinrect=0,0,16,8", L"activeskinrect=3,2,3,6", L"downskinrect=10,6,2,2",
                            L"focusedskinrect=-4,-1,20,9", L"lefttoppoint=0,3", L"righttoppoint=30,0",
                            L"rightbottompoint=16,8", L"glowlayeroffsetleft=100", L"glowlayeroffsettop=0",
                            L"[f]", L"skinrect=0,0,4,4", L"framescount=5", L"[v]", L"skinrect=0,0,4,4",
                            L"framescount=5", L"framesplacement=fpvertical"});
  TspDataSkinButtonControl b(L"b");
  b.LoadFromFile(ini);
  b.ClipRects(TRect(0, 0, 16, 8));
  EXPECT_EQ(b.SkinRect, TRect(0, 0, 16, 8));
  EXPECT_EQ(b.ActiveSkinRect, TRect(3, 2, 3, 6));
  EXPECT_EQ(b.DownSkinRect, TRect());
  EXPECT_EQ(b.FocusedSkinRect, TRect(0, 0, 16, 8));
  EXPECT_EQ(b.LTPoint, TPoint(0, 3));
  EXPECT_EQ(b.RTPoint, TPoint(16, 0));
  EXPECT_EQ(b.RBPoint, TPoint(16, 8));
  EXPECT_EQ(b.GlowLayerOffsetLeft, 16);
  EXPECT_EQ(b.GlowLayerOffsetTop, 0);
  TspDataSkinFrameGauge across(L"f"), down(L"v");
  across.LoadFromFile(ini);
  down.LoadFromFile(ini);
  across.ClipRects(TRect(0, 0, 20, 8));
  down.ClipRects(TRect(0, 0, 20, 8));
  EXPECT_EQ(across.FramesCount, 5);  // the last frame ends on the right edge
  EXPECT_EQ(down.FramesCount, 2);
  across.ClipRects(TRect(0, 0, 19, 8));
  EXPECT_EQ(across.FramesCount, 4);
  EXPECT_EQ(FramesWithin(TRect(), 3, false, TRect(0, 0, 1, 1)), 3);
  EXPECT_EQ(FramesWithin(TRect(0, 0, 4, 4), 0, false, TRect(0, 0, 16, 4)), 0);
}

// A frame keeps its picture while its client and corners lie on or within
// the picture's edges, row and column 0 included; one pixel past the right
// or bottom edge drops it.
TEST(SkinRecordLimits, AFrameFitsItsPictureUpToItsEdges) {
  TspSkinSections s;
  s.ClRect = TRect(0, 0, 100, 50);
  s.LTPoint = TPoint(0, 0);
  s.RTPoint = TPoint(100, 0);
  s.LBPoint = TPoint(0, 50);
  s.RBPoint = TPoint(100, 50);
  const TRect frame(0, 0, 100, 50);
  EXPECT_TRUE(s.FrameFits(frame));
  for (TPoint* p : {&s.LTPoint, &s.RTPoint, &s.LBPoint, &s.RBPoint}) {
    const TPoint kept = *p;
    *p = TPoint(101, 0);
    EXPECT_FALSE(s.FrameFits(frame));
    *p = TPoint(0, 51);
    EXPECT_FALSE(s.FrameFits(frame));
    *p = kept;
  }
  for (const TRect& client : {TRect(0, 0, 101, 50), TRect(0, 0, 100, 51), TRect(-1, 0, 10, 10), TRect(0, -1, 10, 10)}) {
    s.ClRect = client;
    EXPECT_FALSE(s.FrameFits(frame));
  }
}

}  // namespace
