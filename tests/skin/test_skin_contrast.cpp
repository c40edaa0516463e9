// The library's skins keep text readable: each record's text colours, enabled
// and disabled, against the picture they are drawn on, and the colours of
// text drawn straight on a form against the form's client picture, reach a
// contrast of 4.5 to 1 (the common rule for body text), in the built-in skin
// and the dark one.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "SkinTestData.h"
#include "classlib/BmpCodec.h"
#include "classlib/ColorContrast.h"
#include "skin/SkinIni.h"

namespace {

struct TSkinFolder {
  std::string Path;  // under the project folder
  TspSkinIni Ini;

  explicit TSkinFolder(const std::string& Folder) : Path("skins/" + Folder + "/") {
    const std::string bytes = ReadBytes("skin.ini");
    // The records' keys and numbers are ASCII: the bytes widen one to one.
    Ini.SetText(String(bytes.begin(), bytes.end()));
  }
  std::string ReadBytes(const std::string& Name) const {
    std::ifstream in(WideToUtf8(ProjectPath((Path + Name).c_str())), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  TBmpImage Picture(int Index) const {
    const String name = Ini.ReadString(L"PICTURES", std::to_wstring(Index), L"");
    const std::string bytes = ReadBytes(WideToUtf8(name));
    TBmpImage image;
    ReadBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image);
    return image;
  }
};

// The pixel as a colour, 0x00BBGGRR.
TColor PixelAt(const TBmpImage& I, int X, int Y) {
  const uint8_t* row = I.Row(Y);
  uint32_t rgb;
  if (I.BitCount == 8) {
    rgb = I.Palette[row[X]];
  } else {
    const uint8_t* p = row + X * (I.BitCount / 8);
    rgb = (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
  }
  return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// The least contrast of Colour against a column of R: at InsetX from its
// left (the middle when 0), over the middle three fifths of its rows, where
// a line of text lies on a piece with a gradient.
double LeastContrast(TColor Colour, const TBmpImage& Picture, const TRect& R, int InsetX) {
  const int x = InsetX ? R.Left + InsetX : (R.Left + R.Right) / 2;
  double least = 21;
  for (int y = R.Top + R.Height() / 5; y < R.Bottom - R.Height() / 5; ++y)
    least = std::min(least, ColorContrast(Colour, PixelAt(Picture, x, y)));
  return least;
}

TRect ReadRect(const TspSkinIni& Ini, const wchar_t* Section, const wchar_t* Key) {
  int v[4] = {0, 0, 0, 0};
  std::swscanf(Ini.ReadString(Section, Key, L"0,0,0,0").c_str(), L"%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3]);
  return TRect(v[0], v[1], v[2], v[3]);
}

struct TTextOn {
  const wchar_t* Record;
  const wchar_t* ColourKey;  // an enabled text colour (TColor, 0x00BBGGRR)
  const wchar_t* RectKey;    // the piece of the record's picture the text lies on
  int InsetX;                // where in it to look: this far in from the left, or the middle when 0
};

const TTextOn kTexts[] = {
    {L"tab", L"fontcolor", L"tabrect", 0},
    {L"tab", L"activefontcolor", L"activetabrect", 0},
    {L"tab", L"mouseinfontcolor", L"mouseintabrect", 0},
    {L"button", L"fontcolor", L"skinrect", 0},
    {L"button", L"activefontcolor", L"activeskinrect", 0},
    {L"button", L"downfontcolor", L"downskinrect", 0},
    {L"button", L"disabledfontcolor", L"disabledskinrect", 0},
    {L"toolbutton", L"fontcolor", L"skinrect", 0},
    {L"toolbutton", L"activefontcolor", L"activeskinrect", 0},
    {L"toolbutton", L"disabledfontcolor", L"disabledskinrect", 0},
    {L"combobox", L"fontcolor", L"skinrect", 8},
    {L"combobox", L"activefontcolor", L"activeskinrect", 8},
    {L"combobox", L"focusfontcolor", L"focusitemrect", 0},
    {L"edit", L"fontcolor", L"skinrect", 8},
    {L"edit", L"disabledfontcolor", L"skinrect", 8},  // the combo boxes' too
    {L"listbox", L"fontcolor", L"itemrect", 0},
    {L"listbox", L"activefontcolor", L"activeitemrect", 0},
    {L"listbox", L"focusfontcolor", L"focusitemrect", 0},
    {L"menuitem", L"fontcolor", L"skinrect", 0},
    {L"menuitem", L"activefontcolor", L"activeskinrect", 0},
    {L"menuitem", L"unenabledfontcolor", L"skinrect", 0},
};

TEST(SkinContrast, RecordTextReadsAgainstItsPicture) {
  for (const char* folder : {"Default", "Dark"}) {
    const TSkinFolder skin(folder);
    ASSERT_TRUE(skin.Ini.SectionExists(L"tab")) << folder;
    for (const TTextOn& text : kTexts) {
      SCOPED_TRACE(std::string(folder) + " " + WideToUtf8(text.Record) + "." + WideToUtf8(text.ColourKey));
      ASSERT_TRUE(skin.Ini.ValueExists(text.Record, text.ColourKey));
      const TColor colour = skin.Ini.ReadInteger(text.Record, text.ColourKey, 0);
      const TRect r = ReadRect(skin.Ini, text.Record, text.RectKey);
      ASSERT_FALSE(r.IsEmpty());
      // Frame objects (the menu items) name their picture "activepictureindex".
      const int index = skin.Ini.ReadInteger(text.Record, L"pictureindex",
                                             skin.Ini.ReadInteger(text.Record, L"activepictureindex", -1));
      ASSERT_GE(index, 0);
      EXPECT_GE(LeastContrast(colour, skin.Picture(index), r, text.InsetX), kReadableContrast)
          << std::hex << "text " << colour;
    }
  }
}

// Check boxes, radio buttons and labels placed straight on a form draw their
// captions on the form's client: each skin gives the client a picture of its
// own, on which every state's colour reads (a client left to the system's
// face took the dark skin's light text at 1.2 to 1).
TEST(SkinContrast, TextOnAPlainFormReadsAgainstItsClient) {
  const struct {
    const wchar_t* Record;
    const wchar_t* ColourKey;
  } onClient[] = {{L"checkbox", L"fontcolor"},        {L"checkbox", L"activefontcolor"},
                  {L"checkbox", L"unenabledfontcolor"}, {L"radiobox", L"fontcolor"},
                  {L"radiobox", L"activefontcolor"},  {L"radiobox", L"unenabledfontcolor"},
                  {L"stdlabel", L"fontcolor"},        {L"stdlabel", L"activefontcolor"}};
  for (const char* folder : {"Default", "Dark"}) {
    SCOPED_TRACE(folder);
    const TSkinFolder skin(folder);
    const int index = skin.Ini.ReadInteger(L"FORMINFO", L"bgpictureindex", -1);
    ASSERT_GE(index, 0) << "the form's client has no picture of the skin's";
    const TBmpImage client = skin.Picture(index);
    ASSERT_GT(client.Width, 0);
    // The picture is the skin's face throughout: whatever part of it a
    // tiled or stretched client shows is the face the colours are made for.
    const TColor face = skin.Ini.ReadInteger(L"SKINCOLORS", L"cbtnface", -1);
    for (int y = 0; y < client.Height; ++y)
      for (int x = 0; x < client.Width; ++x) ASSERT_EQ(PixelAt(client, x, y), face) << x << "," << y;
    for (const auto& text : onClient) {
      ASSERT_TRUE(skin.Ini.ValueExists(text.Record, text.ColourKey))
          << WideToUtf8(text.Record) << "." << WideToUtf8(text.ColourKey);
      const TColor colour = skin.Ini.ReadInteger(text.Record, text.ColourKey, 0);
      EXPECT_GE(ColorContrast(colour, face), kReadableContrast)
          << WideToUtf8(text.Record) << "." << WideToUtf8(text.ColourKey) << std::hex << " " << colour;
    }
  }
}

// Disabled text takes the skin's shadow colour, moved just far enough to
// read on the face under it: on the dark skin's face that colour reads at
// about 3:1 as it stands.
TEST(SkinContrast, DisabledTextIsMovedJustEnoughToRead) {
  for (const char* folder : {"Default", "Dark"}) {
    SCOPED_TRACE(folder);
    const TSkinFolder skin(folder);
    const TColor shade = skin.Ini.ReadInteger(L"SKINCOLORS", L"cbtnshadow", -1);
    ASSERT_NE(shade, -1);
    for (const wchar_t* key : {L"cbtnface", L"cwindow"}) {
      const TColor face = skin.Ini.ReadInteger(L"SKINCOLORS", key, 0);
      const TColor text = ReadableOn(shade, face);
      const double contrast = ColorContrast(text, face);
      EXPECT_GE(contrast, kReadableContrast) << WideToUtf8(key);
      if (ColorContrast(shade, face) >= kReadableContrast) EXPECT_EQ(text, shade);
      else EXPECT_LT(contrast, kReadableContrast + 0.2) << "moved further than it needs";
    }
  }
  // On a mid grey only black reaches 4.6 (white stops at 4.48); nothing
  // reaches 5, and the end that comes nearest is taken.
  EXPECT_GE(ColorContrast(ReadableOn(0x777777, 0x777777, 4.6), 0x777777), 4.6);
  EXPECT_EQ(ReadableOn(0x777777, 0x777777, 5), clBlack);
  EXPECT_EQ(ReadableOn(0xFFFFFF, 0x000000), 0xFFFFFF);
}

// The readable colour is the wanted one moved toward white or black in
// every channel alike: a grey stays a grey, and a colour keeps the order of
// its channels.
TEST(SkinContrast, ReadableColourKeepsItsHue) {
  for (const TColor face : {TColor(0xFFFFFF), TColor(0xF5F5F5), TColor(0x000000), TColor(0x2A2A2A)})
    for (const TColor text : {TColor(0x808080), TColor(0xC0C0C0), TColor(0x404040)}) {
      const TColor readable = ReadableOn(text, face);
      const int r = readable & 0xFF, g = (readable >> 8) & 0xFF, b = (readable >> 16) & 0xFF;
      EXPECT_TRUE(r == g && g == b) << std::hex << text << " on " << face << ": " << readable;
      EXPECT_GE(ColorContrast(readable, face), kReadableContrast);
    }
  // Blue above green above red, on white and on black.
  for (const TColor face : {TColor(0xFFFFFF), TColor(0x000000)}) {
    const TColor readable = ReadableOn(0xA08060, face);
    EXPECT_GT((readable >> 16) & 0xFF, (readable >> 8) & 0xFF) << std::hex << face;
    EXPECT_GT((readable >> 8) & 0xFF, readable & 0xFF) << std::hex << face;
  }
}

}  // namespace
