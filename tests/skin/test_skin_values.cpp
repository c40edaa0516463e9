// Every number of a skin at the ends of its range, through the real reader:
// the records then hold only what can be drawn, or the load refuses the skin
// naming the section, the key and the value. And which records leave nothing
// to draw.
#include <gtest/gtest.h>

#include <memory>

#include "SkinTestData.h"
#include "SkinValueChecks.h"
#include "skin/SkinRecordTypes.h"
#include "skin/SkinSections.h"
#include "skin/SkinStoredSkin.h"

namespace {

// A shipped skin inflated once: its pictures, and its INI as lines.
struct TLoadedSkin {
  TByteBlock Inflated;
  TspSkinStreamContent Pictures;
  std::vector<String> Lines;
};

std::unique_ptr<TLoadedSkin> LoadSkin(const char* Ini) {
  auto skin = std::make_unique<TLoadedSkin>();
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath(Ini));
  const std::vector<uint8_t>& packed = stored.CompressedStream()->Bytes();
  ZDecompressBuffer(packed.data(), packed.size(), MaxInflatedSkinSize, skin->Inflated);
  ReadSkinStream(skin->Inflated.Data.get(), skin->Inflated.Size, skin->Pictures);
  TspSkinIni ini;
  ini.SetText(std::wstring_view(skin->Pictures.IniText));
  skin->Lines = ini.GetLines();
  return skin;
}

// Reads the skin with Lines for its INI, as a load does.
void Read(const TspSkinStreamContent& Pictures, const std::vector<String>& Lines, TspParsedSkin& Parsed) {
  Parsed.Pictures = Pictures;
  ReadParsedSections(TspSkinIni(Lines), Parsed);
}

using skinvalues::Bounds;
using skinvalues::Fields;
using skinvalues::IsNumber;

// Each integer, point and rectangle of the test skin, and of the frame
// objects of the skin of objects, one at a time at both ends of the 32-bit
// range: the load takes the skin and every record is drawable.
TEST(SkinValues, EveryNumberAtTheEndsOfItsRangeLeavesDrawableRecords) {
  for (const char* path : {"skins/Test/skin.ini", "skins/Objects/skin.ini"}) {
    const std::unique_ptr<TLoadedSkin> skin = LoadSkin(path);
    const bool objectsOnly = std::string(path).find("Objects") != std::string::npos;
    TspParsedSkin plain;
    Read(skin->Pictures, skin->Lines, plain);
    int edits = 0;
    bool editing = true;
    String section;
    for (size_t i = 0; i < skin->Lines.size(); ++i) {
      const String& line = skin->Lines[i];
      if (!line.empty() && line[0] == L'[') {
        section = line.substr(1, line.size() - 2);
        editing = !objectsOnly || plain.Sections.GetObjectIndex(section) >= 0;
      }
      const size_t eq = line.find(L'=');
      if (!editing || eq == String::npos || line[0] == L'[' || !IsNumber(line.substr(eq + 1))) continue;
      const String key = line.substr(0, eq);
      const int fields = Fields(line.substr(eq + 1));
      std::vector<String> ends;
      if (fields == 1) ends = {L"2147483647", L"-2147483648"};
      if (fields == 2) ends = {L"2147483647,2147483647", L"-2147483648,-2147483648"};
      if (fields == 4)
        ends = {L"-2147483648,-2147483648,2147483647,2147483647", L"2147483647,2147483647,-2147483648,-2147483648",
                L"-100,-100,-50,-50"};
      for (const String& end : ends) {
        std::vector<String> lines = skin->Lines;
        lines[i] = key + L"=" + end;
        TspParsedSkin parsed;
        Read(skin->Pictures, lines, parsed);
        EXPECT_EQ(WideToUtf8(skinvalues::FirstUndrawable(parsed, section)), "") << WideToUtf8(lines[i]);
        ++edits;
      }
    }
    EXPECT_GT(edits, 300) << path;
  }
}

// A shipped skin keeps its frame and mask; a client reaching past the frame
// picture drops the frame, a mask of another size drops the mask.
TEST(SkinValues, AFrameOrMaskThatDoesNotFitItsPictureIsDropped) {
  for (const char* path : {"skins/Test/skin.ini", "skins/Default/skin.ini", "skins/Objects/skin.ini"}) {
    const std::unique_ptr<TLoadedSkin> skin = LoadSkin(path);
    TspParsedSkin parsed;
    Read(skin->Pictures, skin->Lines, parsed);
    EXPECT_EQ(Bounds(parsed.Pictures.Slots[spsPicture]), Bounds(skin->Pictures.Slots[spsPicture])) << path;
    EXPECT_EQ(Bounds(parsed.Pictures.Slots[spsMaskPicture]), Bounds(skin->Pictures.Slots[spsMaskPicture])) << path;
  }
  const std::unique_ptr<TLoadedSkin> skin = LoadSkin("skins/Test/skin.ini");
  std::vector<String> lines = skin->Lines;
  lines.insert(std::find(lines.begin(), lines.end(), String(L"[FORMINFO]")) + 1, L"clientrect=4,32,256,100146");
  TspParsedSkin parsed;
  Read(skin->Pictures, lines, parsed);
  EXPECT_EQ(parsed.Pictures.Slots[spsPicture].Width, 0);
  EXPECT_EQ(parsed.Pictures.Slots[spsMaskPicture].Width, 0);

  TspSkinStreamContent wideMask = skin->Pictures;  // views of the same pixels
  ASSERT_GT(wideMask.Slots[spsMaskPicture].Width, 0);
  wideMask.Slots[spsMaskPicture].Width += 1;
  TspParsedSkin masked;
  Read(wideMask, skin->Lines, masked);
  EXPECT_GT(masked.Pictures.Slots[spsPicture].Width, 0);
  EXPECT_EQ(masked.Pictures.Slots[spsMaskPicture].Width, 0);
}

// A popup window naming the picture one past the last has no picture to
// cut its pieces from: they are cut to nothing, never read from past the list.
TEST(SkinValues, APopupNamingThePictureOnePastTheLastKeepsNoPiece) {
  const std::unique_ptr<TLoadedSkin> skin = LoadSkin("skins/Test/skin.ini");
  std::vector<String> lines = skin->Lines;
  const auto popup = std::find(lines.begin(), lines.end(), String(L"[POPUPWINDOW]"));
  ASSERT_NE(popup, lines.end());
  const auto index = std::find(popup, lines.end(), String(L"windowpictureindex=1"));
  ASSERT_NE(index, lines.end());
  *index = L"windowpictureindex=" + std::to_wstring(skin->Pictures.ActivePictures.size());
  TspParsedSkin parsed;
  Read(skin->Pictures, lines, parsed);
  EXPECT_EQ(parsed.Sections.PopupWindow->ItemsRect, TRect());
  EXPECT_EQ(parsed.Sections.PopupWindow->RBPoint, TPoint());
}

// A value that is no point or rectangle refuses the skin, naming where it is.
TEST(SkinValues, ARefusalNamesTheSectionTheKeyAndTheValueAsWritten) {
  const std::unique_ptr<TLoadedSkin> skin = LoadSkin("skins/Test/skin.ini");
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"[hscrollbar]", L"trackarea=a,b,c,d"}, {L"[FORMINFO]", L"lefttoppoint=1"}, {L"[SKINAREAS]", L"count=1"}};
  for (const auto& [section, line] : cases) {
    std::vector<String> lines = skin->Lines;
    auto at = std::find(lines.begin(), lines.end(), String(section));
    if (at == lines.end()) at = lines.insert(lines.end(), section);
    at = lines.insert(at + 1, line);
    if (String(section) == L"[SKINAREAS]") lines.insert(at + 1, L"0=area:1,2,x");
    TspParsedSkin parsed;
    try {
      Read(skin->Pictures, lines, parsed);
      ADD_FAILURE() << WideToUtf8(line) << " was taken";
    } catch (const EConvertError& e) {
      const String where = String(section) == L"[SKINAREAS]" ? L"[SKINAREAS] area:1,2,x" : String(section) + L" " + line;
      EXPECT_NE(e.Message().find(where), String::npos) << WideToUtf8(e.Message());
    }
  }
}

// Every kind of control record, on a 16 x 8 picture, in each odd shape a
// skin author writes: pieces larger than their rectangle, corner points far
// past it, tiny and inverted rectangles, offsets past the picture, and the
// keys of other kinds. Each loads drawable: its rectangles within the
// picture, its corner points within its own rectangle.
TEST(SkinValues, EveryRecordKindInEveryOddShapeLoadsDrawable) {
  const std::vector<std::vector<const wchar_t*>> shapes = {
      {L"skinrect=0,0,3,3", L"lefttoppoint=4,4", L"righttoppoint=12,4", L"leftbottompoint=4,6",
       L"rightbottompoint=12,6", L"clientrect=4,4,12,6"},
      {L"skinrect=0,0,16,8", L"lefttoppoint=3008,22", L"rightbottompoint=-5,40"},
      {L"skinrect=5,5,6,6", L"clientrect=5,5,6,6", L"itemrect=5,5,6,6", L"trackarea=5,5,5,40"},
      {L"skinrect=10,6,2,2", L"clientrect=12,8,0,0", L"itemrect=9,9,1,1", L"buttonrect=4,0,0,4"},
      {L"skinrect=0,0,8,8", L"itemleftoffset=256", L"itemrightoffset=256", L"thumboffset1=256",
       L"symbolwidth=256", L"gripoffset1=256", L"edgesize=256", L"framescount=256"}};
  const std::vector<String> kinds = SkinControlTypeNames();
  TBmpImage slots[SkinPictureSlotCount];
  std::vector<TBmpImage> actives = {SolidImage(16, 8, 20)};
  for (const auto& shape : shapes) {
    std::vector<String> ini = {L"[VERSION]", L"[PICTURES]", L"[FORMINFO]", L"[SKINOBJECTS]", L"[SKINCONTROLS]",
                               L"count=" + std::to_wstring(kinds.size())};
    for (size_t i = 0; i < kinds.size(); ++i) ini.push_back(std::to_wstring(i) + L"=" + kinds[i] + L":" + kinds[i]);
    for (const String& kind : kinds) {
      ini.push_back(L"[" + kind + L"]");
      ini.push_back(L"pictureindex=0");
      for (const wchar_t* line : shape) ini.push_back(line);
    }
    TMemoryStream stream;
    WriteSkinStream(&stream, slots, actives, ini);
    const std::vector<uint8_t> packed = ZCompressBuffer(stream.Bytes().data(), stream.Bytes().size(), zcMax);
    TspParsedSkin parsed;
    ParseCompressedSkin(packed.data(), packed.size(), parsed);
    for (int i = 0; i < parsed.Sections.CtrlList.Count(); ++i) {
      const TspDataSkinControl* r = parsed.Sections.CtrlList[i];
      EXPECT_EQ(WideToUtf8(skinvalues::FirstUndrawable(parsed, r->IDName)), "") << WideToUtf8(shape[0]);
      if (auto* f = dynamic_cast<const TspDataSkinFrameControl*>(r)) {
        EXPECT_EQ(FramesWithin(f->SkinRect, f->FramesCount, f->FramesPlacement == fpVertical, TRect(0, 0, 16, 8)),
                  f->FramesCount);
      }
      const TRect own(0, 0, r->SkinRect.Width(), r->SkinRect.Height());
      auto* c = dynamic_cast<const TspDataSkinCustomControl*>(r);
      for (const TPoint& p : c ? std::vector<TPoint>{c->LTPoint, c->RTPoint, c->LBPoint, c->RBPoint} : std::vector<TPoint>{}) {
        EXPECT_TRUE(p.X >= 0 && p.Y >= 0 && p.X <= own.Right && p.Y <= own.Bottom)
            << WideToUtf8(r->IDName) << " " << WideToUtf8(shape[0]) << " " << p.X << "," << p.Y;
      }
    }
  }
}

// Whether each kind of control record leaves nothing to draw, at the edges
// of every condition.
TEST(SkinValues, RecordsThatLeaveNothingToDraw) {
  struct TCase {
    const wchar_t* Type;
    std::vector<const wchar_t*> Keys;
    bool HasPicture, Nothing;
  };
  // Corners of 2 pixels round the client of an 8 x 8 skin rectangle.
  const wchar_t* nine = L"rightbottompoint=6,6";
  const wchar_t *lt = L"lefttoppoint=2,2", *rt = L"righttoppoint=6,2", *lb = L"leftbottompoint=2,6";
  const TCase cases[] = {
      // A record of colours alone, one naming a picture not there, one drawn.
      {L"bevel", {L"pictureindex=-1"}, false, false},
      {L"bevel", {L"pictureindex=0", L"skinrect=0,0,8,8"}, false, true},
      {L"bevel", {L"pictureindex=0", L"skinrect=0,0,8,8"}, true, false},
      {L"bevel", {L"pictureindex=0", L"skinrect=0,0,0,8"}, true, true},
      // Pieces: no size, nine, three across, three down, fixed.
      {L"label", {L"skinrect=0,0,8,8"}, false, true},
      {L"label", {L"skinrect=0,0,0,8"}, true, true},
      {L"panel", {L"skinrect=0,0,0,8", L"bgpictureindex=0"}, true, false},
      {L"label", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,6,6"}, true, false},
      {L"label", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,2,6"}, true, true},
      {L"panel", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,2,6", L"bgpictureindex=0"}, true, false},
      {L"label", {L"skinrect=0,0,8,8", L"lefttoppoint=2,0", L"righttoppoint=3,0"}, true, false},
      {L"label", {L"skinrect=0,0,8,8", L"lefttoppoint=3,0", L"righttoppoint=3,0"}, true, true},
      {L"label", {L"skinrect=0,0,8,8", L"lefttoppoint=0,2", L"leftbottompoint=0,3"}, true, false},
      {L"label", {L"skinrect=0,0,8,8", L"lefttoppoint=0,3", L"leftbottompoint=0,3"}, true, true},
      {L"label", {L"skinrect=0,0,8,8"}, true, false},
      {L"label", {L"skinrect=8,8,0,0"}, true, true},
      // Up-down: its two buttons.
      {L"updown", {L"upbuttonrect=0,0,4,4", L"downbuttonrect=0,4,4,8"}, true, false},
      {L"updown", {L"upbuttonrect=0,0,4,4", L"downbuttonrect=0,4,4,8"}, false, true},
      {L"updown", {L"upbuttonrect=0,0,0,4", L"downbuttonrect=0,4,4,8"}, true, true},
      {L"updown", {L"upbuttonrect=0,0,4,4", L"downbuttonrect=0,4,4,4"}, true, true},
      // Edit: skin, client and a middle piece across.
      {L"edit", {L"skinrect=0,0,8,8", L"clientrect=2,2,6,6", L"lefttoppoint=2,0", L"righttoppoint=3,0"}, true, false},
      {L"edit", {L"skinrect=0,0,8,8", L"clientrect=2,2,6,6", L"lefttoppoint=2,0", L"righttoppoint=3,0"}, false, true},
      {L"edit", {L"skinrect=0,0,8,0", L"clientrect=2,2,6,6", L"lefttoppoint=2,0", L"righttoppoint=3,0"}, true, true},
      {L"edit", {L"skinrect=0,0,8,8", L"clientrect=2,2,6,2", L"lefttoppoint=2,0", L"righttoppoint=3,0"}, true, true},
      {L"edit", {L"skinrect=0,0,8,8", L"clientrect=2,2,6,6", L"lefttoppoint=3,0", L"righttoppoint=3,0"}, true, true},
      // Nine pieces without a top band: the edit's own corners still may not meet.
      {L"edit", {L"skinrect=0,0,8,8", L"clientrect=2,0,6,8", L"lefttoppoint=2,0", L"righttoppoint=2,0",
                 L"leftbottompoint=2,8", L"rightbottompoint=6,8"}, true, true},
      {L"edit", {L"skinrect=0,0,8,8", L"clientrect=2,0,6,8", L"lefttoppoint=2,0", L"righttoppoint=3,0",
                 L"leftbottompoint=2,8", L"rightbottompoint=6,8"}, true, false},
      // Tab: skin and a client or a background picture.
      {L"tab", {L"skinrect=0,0,8,8", L"clientrect=2,2,6,6"}, true, false},
      {L"tab", {L"skinrect=0,0,8,8", L"clientrect=2,2,6,6"}, false, true},
      {L"tab", {L"skinrect=0,0,0,8", L"clientrect=2,2,6,6"}, true, true},
      {L"tab", {L"skinrect=0,0,8,8", L"clientrect=2,2,2,6"}, true, true},
      {L"tab", {L"skinrect=0,0,8,8", L"clientrect=2,2,2,6", L"bgpictureindex=0"}, true, false},
      {L"scrollbox", {L"skinrect=0,0,0,8", L"bgpictureindex=0"}, true, false},
      {L"scrollbox", {L"skinrect=0,0,0,8", L"bgpictureindex=-1"}, true, true},
      // Nine pieces that leave a band without an edge to repeat, or a client
      // past the skin rectangle: gaps at any other size.
      {L"label", {L"skinrect=0,0,8,8", nine, L"clientrect=2,2,6,6"}, true, true},
      {L"button", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,9,6"}, true, true},
      {L"panel", {L"skinrect=0,0,8,8", L"lefttoppoint=7,2", rt, lb, nine, L"clientrect=2,2,6,6"}, true, true},
      {L"panel", {L"skinrect=0,0,8,8", lt, rt, L"leftbottompoint=2,2", nine, L"clientrect=2,2,6,6"}, true, true},
      {L"panel", {L"skinrect=0,0,8,8", lt, rt, L"leftbottompoint=2,2", nine, L"clientrect=0,2,6,6"}, true, false},
      // Pieces cut in three by offsets that leave no middle.
      {L"listbox", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,6,6", L"itemrect=0,8,9,16",
                    L"itemleftoffset=4", L"itemrightoffset=4"}, true, false},
      {L"listbox", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,6,6", L"focusitemrect=0,8,8,16",
                    L"itemleftoffset=4", L"itemrightoffset=4"}, true, true},
      {L"combobox", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,6,6", L"itemrect=0,8,5,16",
                     L"itemrightoffset=5"}, true, true},
      {L"tab", {L"skinrect=0,0,8,8", L"clientrect=2,2,6,6", L"tabrect=0,8,6,16", L"tableftoffset=3",
                L"tabrightoffset=3"}, true, true},
      {L"panel", {L"skinrect=0,0,8,8", lt, rt, lb, nine, L"clientrect=2,2,6,6", L"framerect=0,8,6,16",
                  L"frameleftoffset=6"}, true, true},
      // A track past its bar.
      {L"scrollbar", {L"skinrect=0,0,8,8", L"lefttoppoint=2,0", L"righttoppoint=6,0", L"trackarea=2,0,6,8"}, true, false},
      {L"scrollbar", {L"skinrect=0,0,8,8", L"lefttoppoint=2,0", L"righttoppoint=6,0", L"trackarea=2,0,6,9"}, true, true},
      {L"trackbar", {L"skinrect=0,0,8,8", L"lefttoppoint=2,0", L"righttoppoint=6,0", L"trackarea=-1,0,6,8"}, true, true},      // A track at the picture's edges, and one a pixel past each.
      {L"scrollbar", {L"skinrect=0,0,8,8", L"lefttoppoint=2,0", L"righttoppoint=6,0", L"trackarea=0,0,8,8"}, true, false},
      {L"trackbar", {L"skinrect=0,0,8,8", L"lefttoppoint=2,0", L"righttoppoint=6,0", L"trackarea=0,-1,8,8"}, true, true},
      {L"trackbar", {L"skinrect=0,0,8,8", L"lefttoppoint=2,0", L"righttoppoint=6,0", L"trackarea=0,0,9,8"}, true, true},
  };
  for (const TCase& c : cases) {
    std::vector<String> lines = {L"[r]"};
    for (const wchar_t* key : c.Keys) lines.push_back(key);
    std::unique_ptr<TspDataSkinControl> r(CreateSkinControlRecord(c.Type, L"r"));
    ASSERT_NE(r, nullptr) << WideToUtf8(c.Type);
    r->LoadFromFile(TspSkinIni(lines));
    String text = c.Type;
    for (const wchar_t* key : c.Keys) text += String(L" ") + key;
    EXPECT_EQ(r->LeavesNothingToDraw(c.HasPicture), c.Nothing) << WideToUtf8(text) << " picture " << c.HasPicture;
  }
}

// Menu items of a menu level and of a form's bar: a record whose pieces
// leave nothing sound to draw loses its picture when cut to it.
TEST(SkinValues, MenuItemRecordsThatLeaveNothingToDraw) {
  struct TCase {
    const wchar_t* Type;
    std::vector<const wchar_t*> Keys;
    bool Nothing;
  };
  const wchar_t *item = L"skinrect=0,0,16,8", *lit = L"activeskinrect=0,8,16,16";
  const wchar_t *four = L"itemleftoffset=4", *five = L"itemrightoffset=5";
  const std::vector<TCase> cases = {
      {L"menuitem", {item, lit, four, five}, false},
      {L"menuitem", {L"skinrect=0,0,9,8", lit, four, five}, true},
      {L"menuitem", {item, lit, four, L"itemrightoffset=12"}, true},
      {L"menuitem", {item, four, five}, true},
      {L"menuitem", {L"skinrect=0,0,0,8", lit}, true},
      {L"menuitem", {item, lit, L"dividerrect=0,16,16,18", L"dividerleftoffset=8", L"dividerrightoffset=7"}, false},
      {L"menuitem", {item, lit, L"dividerrect=0,16,16,18", L"dividerleftoffset=8", L"dividerrightoffset=8"}, true},
      {L"menuitem", {item, lit, L"dividerrect=4,16,4,18"}, true},
      {L"menuitem", {item, lit, L"dividerrect=4,16,4,17"}, true},
      {L"menuitem", {item, lit, four, five, L"animateskinrect=0,0,40,8", L"framecount=4"}, false},
      {L"menuitem", {item, lit, four, five, L"animateskinrect=0,0,40,8", L"framecount=5"}, true},
      {L"menuitem", {item, lit, L"animateskinrect=0,0,4,8", L"framecount=5"}, true},
      // No frames, and strips of frames one below the other.
      {L"menuitem", {item, lit, four, five, L"animateskinrect=0,0,40,8", L"framecount=0"}, false},
      {L"menuitem", {item, lit, four, five, L"animateskinrect=0,0,16,40", L"framecount=5"}, false},
      {L"menuitem", {item, lit, four, five, L"animateskinrect=0,0,9,40", L"framecount=5"}, true},
      {L"mainmenuitem", {item, four, five}, false},
      {L"mainmenuitem", {L"skinrect=0,0,0,0", four, five}, false},
      {L"mainmenuitem", {item, L"downrect=0,16,9,24", four, five}, true},
      {L"mainmenubaritem", {item, L"activeskinrect=0,8,8,16", four, L"itemrightoffset=4"}, true},
  };
  for (const TCase& c : cases) {
    std::vector<String> lines = {L"[r]", L"activepictureindex=0"};
    for (const wchar_t* key : c.Keys) lines.push_back(key);
    std::unique_ptr<TspDataSkinObject> r(CreateSkinObjectRecord(c.Type, L"r"));
    ASSERT_NE(r, nullptr) << WideToUtf8(c.Type);
    r->LoadFromFile(TspSkinIni(lines));
    r->ClipRects(TRect(0, 0, 64, 64), TRect(0, 0, 64, 64));
    String text = c.Type;
    for (const wchar_t* key : c.Keys) text += String(L" ") + key;
    EXPECT_EQ(r->ActivePictureIndex, c.Nothing ? -1 : 0) << WideToUtf8(text);
  }
}

// A popup or hint window record whose corners lie in one row or one column
// (on one axis only, or both) cuts its picture into no pieces: it loses its
// picture when cut to it, as one with an empty client does.
TEST(SkinValues, WindowRecordsWithCornersInOneLineLoseTheirPicture) {
  struct TCase {
    const char* What;
    const wchar_t* RightBottom;
    const wchar_t* Client;
    bool Kept;
  };
  const TCase cases[] = {
      {"corners round the client", L"29,29", L"3,3,29,29", true},
      {"right bottom corner in the left corners' column", L"3,29", L"3,3,29,29", false},
      {"right bottom corner in the top corners' row", L"29,3", L"3,3,29,29", false},
      {"all corners at one point", L"3,3", L"3,3,29,29", false},
      {"an empty client", L"29,29", L"3,3,3,29", false},
  };
  for (const TCase& c : cases) {
    for (const wchar_t* section : {L"POPUPWINDOW", L"HINTWINDOW"}) {
      const String corner = String(L"rightbottompoint=") + c.RightBottom;
      const String client = String(section == String(L"POPUPWINDOW") ? L"itemsrect=" : L"clientrect=") + c.Client;
      const TspSkinIni ini({String(L"[") + section + L"]", L"windowpictureindex=0", L"lefttoppoint=3,3",
                            L"righttoppoint=29,3", L"leftbottompoint=3,29", corner, client});
      std::unique_ptr<TspDataSkinWindowRecord> r;
      if (section == String(L"POPUPWINDOW")) r.reset(new TspDataSkinPopupWindow);
      else r.reset(new TspDataSkinHintWindow);
      r->LoadFromFile(ini);
      r->ClipRects(TRect(0, 0, 32, 32));
      EXPECT_EQ(r->WindowPictureIndex, c.Kept ? 0 : -1) << c.What << " " << WideToUtf8(section);
    }
  }
}

}  // namespace
