// The library's skins keep enabled text readable: each record's text colours
// against the picture they are drawn on reach a contrast of 4.5 to 1 (the
// common rule for body text), in the built-in skin and the dark one.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "SkinTestData.h"
#include "TextContrast.h"
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

// 0x00RRGGBB of the pixel.
uint32_t PixelAt(const TBmpImage& I, int X, int Y) {
  const uint8_t* row = I.Row(Y);
  if (I.BitCount == 8) return I.Palette[row[X]];
  const int step = I.BitCount / 8;
  const uint8_t* p = row + X * step;
  return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
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
    {L"toolbutton", L"fontcolor", L"skinrect", 0},
    {L"combobox", L"fontcolor", L"skinrect", 8},
    {L"combobox", L"activefontcolor", L"activeskinrect", 8},
    {L"combobox", L"focusfontcolor", L"focusitemrect", 0},
    {L"edit", L"fontcolor", L"skinrect", 8},
    {L"listbox", L"fontcolor", L"itemrect", 0},
    {L"listbox", L"activefontcolor", L"activeitemrect", 0},
    {L"listbox", L"focusfontcolor", L"focusitemrect", 0},
    {L"menuitem", L"fontcolor", L"skinrect", 0},
    {L"menuitem", L"activefontcolor", L"activeskinrect", 0},
};

TEST(SkinContrast, EnabledTextReadsAgainstItsPicture) {
  for (const char* folder : {"Default", "Dark"}) {
    const TSkinFolder skin(folder);
    ASSERT_TRUE(skin.Ini.SectionExists(L"tab")) << folder;
    for (const TTextOn& text : kTexts) {
      SCOPED_TRACE(std::string(folder) + " " + WideToUtf8(text.Record) + "." + WideToUtf8(text.ColourKey));
      ASSERT_TRUE(skin.Ini.ValueExists(text.Record, text.ColourKey));
      const int bgr = skin.Ini.ReadInteger(text.Record, text.ColourKey, 0);
      const uint32_t colour = RgbOfBgr(static_cast<uint32_t>(bgr));
      const TRect r = ReadRect(skin.Ini, text.Record, text.RectKey);
      ASSERT_FALSE(r.IsEmpty());
      // Frame objects (the menu items) name their picture "activepictureindex".
      const int index = skin.Ini.ReadInteger(text.Record, L"pictureindex",
                                             skin.Ini.ReadInteger(text.Record, L"activepictureindex", -1));
      ASSERT_GE(index, 0);
      const TBmpImage picture = skin.Picture(index);
      const int x = text.InsetX ? r.Left + text.InsetX : (r.Left + r.Right) / 2;
      const uint32_t background = PixelAt(picture, x, (r.Top + r.Bottom) / 2);
      EXPECT_GE(Contrast(colour, background), kTextContrast)
          << std::hex << "text " << colour << " on " << background;
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
