// Font name and size boxes on the system's real fonts: families, sizes of a
// TrueType and a raster family, the name search and the size value.
#include <algorithm>

#include "SkinInputTestUtils.h"
#include "skininputs/SkinFontCombos.h"

namespace {

// A family of the screen with the given type bits, or "" without one.
String FamilyOfType(TspSkinFontComboBox* Box, int Bits) {
  for (int i = 0; i < Box->Items()->Count(); ++i)
    if (Box->ItemFontType(i) & Bits) return Box->Items()->Strings(i);
  return L"";
}

int CALLBACK FirstFaceType(const LOGFONTW*, const TEXTMETRICW*, DWORD FontType, LPARAM Data) {
  *reinterpret_cast<int*>(Data) = static_cast<int>(FontType);
  return 0;
}

// Loads Wine's raster fonts into this process (the prefix has none of its
// own); elsewhere the system's raster families serve.
void LoadRasterFonts() {
  static bool done = false;
  if (done) return;
  done = true;
  for (const wchar_t* dir : {L"Z:\\usr\\share\\wine\\fonts\\", L"Z:\\usr\\lib\\wine\\fonts\\"})
    for (const wchar_t* file : {L"vgasys.fon", L"coure.fon", L"sserife.fon"})
      AddFontResourceExW((String(dir) + file).c_str(), FR_PRIVATE, nullptr);
}

// A family whose first face, as the size box enumerates it, is a raster one.
String RasterFamily(TspSkinFontComboBox* Box) {
  HDC dc = GetDC(nullptr);
  String found;
  for (int i = 0; i < Box->Items()->Count() && found.empty(); ++i) {
    int type = -1;
    EnumFontFamiliesW(dc, Box->Items()->Strings(i).c_str(), FirstFaceType, reinterpret_cast<LPARAM>(&type));
    if (type >= 0 && (type & RASTER_FONTTYPE)) found = Box->Items()->Strings(i);
  }
  ReleaseDC(nullptr, dc);
  return found;
}

std::vector<String> ItemsOf(TspSkinFontComboBox* Box) {
  std::vector<String> items;
  for (int i = 0; i < Box->Items()->Count(); ++i) items.push_back(Box->Items()->Strings(i));
  return items;
}

int CALLBACK AddTrueTypeFamily(const LOGFONTW* Font, const TEXTMETRICW*, DWORD FontType, LPARAM Data) {
  auto* families = reinterpret_cast<std::vector<String>*>(Data);
  const String name = Font->lfFaceName;
  if ((FontType & TRUETYPE_FONTTYPE) && Font->lfCharSet != SYMBOL_CHARSET &&
      std::find(families->begin(), families->end(), name) == families->end())
    families->push_back(name);
  return 1;
}

// The TrueType families, symbol fonts left out, of the system's default
// printer; none without one.
std::vector<String> PrinterTrueTypeFamilies() {
  std::vector<String> families;
  HMODULE spooler = LoadLibraryW(L"winspool.drv");
  using GetDefault = BOOL(WINAPI*)(LPWSTR, LPDWORD);
  auto get = spooler ? reinterpret_cast<GetDefault>(reinterpret_cast<void*>(GetProcAddress(spooler, "GetDefaultPrinterW"))) : nullptr;
  wchar_t name[512] = {};
  DWORD size = 512;
  if (get && get(name, &size)) {
    if (HDC dc = CreateDCW(L"WINSPOOL", name, nullptr, nullptr)) {
      EnumFontFamiliesW(dc, nullptr, AddTrueTypeFamily, reinterpret_cast<LPARAM>(&families));
      DeleteDC(dc);
    }
  }
  if (spooler) FreeLibrary(spooler);
  return families;
}

class FontComboTest : public InputTest {};

}  // namespace

TEST_F(FontComboTest, ListsFamiliesAndFindsANameInAnyCase) {
  auto* names = Add<TspSkinFontComboBox>(form, 20, 20, 180, 20);
  names->HandleNeeded();
  ASSERT_GT(names->Items()->Count(), 3);
  const String tt = FamilyOfType(names, TRUETYPE_FONTTYPE);
  ASSERT_FALSE(tt.empty());
  int changes = 0;
  names->OnChange = [&](TObject*) { ++changes; };
  String lower = tt;
  for (wchar_t& ch : lower) ch = static_cast<wchar_t>(towlower(ch));
  names->SetFontName(lower);
  EXPECT_EQ(names->FontName(), tt);  // spelled as the item
  EXPECT_GT(changes, 0);
  changes = 0;
  names->SetFontName(tt);
  EXPECT_EQ(changes, 0);
  // An unknown name in the fixed style clears the choice and keeps the text.
  names->SetFontName(L"No Such Family");
  EXPECT_EQ(names->ItemIndex(), -1);
  EXPECT_EQ(names->FontName(), tt);

  names->SetOptions(TspFontListOptions{foTrueTypeOnly, foNoSymbolFonts});
  for (int i = 0; i < names->Items()->Count(); ++i) {
    EXPECT_TRUE(names->ItemFontType(i) & TRUETYPE_FONTTYPE) << names->Items()->Strings(i).size();
    EXPECT_TRUE(names->ItemFontType(i) & 0x100);
  }
  // The printer's families as the system lists them, none without a printer;
  // both devices give the screen's list and the printer's.
  const std::vector<String> screen = ItemsOf(names);
  const std::vector<String> printer = PrinterTrueTypeFamilies();
  names->SetDevice(fdPrinter);
  EXPECT_EQ(ItemsOf(names), printer);
  names->SetDevice(fdBoth);
  std::vector<String> both = screen;
  for (const String& family : printer)  // a family both devices have is listed once
    if (std::find(both.begin(), both.end(), family) == both.end()) both.push_back(family);
  EXPECT_EQ(ItemsOf(names), both);
}

TEST_F(FontComboTest, SizesOfATrueTypeAndARasterFamily) {
  LoadRasterFonts();
  auto* names = Add<TspSkinFontComboBox>(form, 20, 20, 180, 20);
  names->HandleNeeded();
  auto* sizes = Add<TspSkinFontSizeComboBox>(form, 20, 60, 80, 20);
  sizes->SetFontName(FamilyOfType(names, TRUETYPE_FONTTYPE));
  std::vector<String> got;
  for (int i = 0; i < sizes->Items()->Count(); ++i) got.push_back(sizes->Items()->Strings(i));
  EXPECT_EQ(got, (std::vector<String>{L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"18", L"20", L"22", L"24",
                                      L"26", L"28", L"36", L"48", L"72"}));

  const String raster = RasterFamily(names);
  ASSERT_FALSE(raster.empty()) << "Wine ships raster fonts";
  sizes->SetFontName(raster);
  ASSERT_GT(sizes->Items()->Count(), 0);
  int last = 0;
  for (int i = 0; i < sizes->Items()->Count(); ++i) {
    const int v = StrToInt(sizes->Items()->Strings(i));
    EXPECT_GT(v, last);  // ascending, each once
    last = v;
  }
  // The device's own sizes, not the ladder.
  std::vector<String> rasterSizes;
  for (int i = 0; i < sizes->Items()->Count(); ++i) rasterSizes.push_back(sizes->Items()->Strings(i));
  EXPECT_NE(rasterSizes, got);

  sizes->SetFontName(L"");
  EXPECT_EQ(sizes->Items()->Count(), 0);
}

TEST_F(FontComboTest, SizeValueFromTypingNeverRaises) {
  auto* sizes = Add<TspSkinFontSizeComboBox>(form, 20, 60, 80, 20);
  sizes->SetStyle(spcbEditStyle);
  for (auto [text, value] : std::vector<std::pair<String, int>>{
           {L"-12", -12}, {L"1-2", 0}, {L"-", 0}, {L"", 0}, {L"12a", 0}, {L"99999999999", 0}, {L"14", 14}}) {
    sizes->SetText(text);
    EXPECT_EQ(sizes->GetSizeValue(), value) << text.size();
  }
  // Typing in the digits-only edit: letters are refused, no exception.
  sizes->SetText(L"");
  sizes->Edit()->SetFocus();
  Settle();
  TypeText(sizes->Edit(), L"1x2");
  EXPECT_EQ(sizes->GetSizeValue(), 12);
  sizes->SetStyle(spcbFixedStyle);
  EXPECT_EQ(sizes->GetSizeValue(), 0);
}

TEST_F(FontComboTest, TheSizeShownStaysChosenAcrossFamilies) {
  LoadRasterFonts();
  auto* names = Add<TspSkinFontComboBox>(form, 20, 20, 180, 20);
  names->HandleNeeded();
  auto* sizes = Add<TspSkinFontSizeComboBox>(form, 20, 60, 80, 20);
  int clicks = 0;
  sizes->OnClick = [&](TObject*) { ++clicks; };
  const String tt = FamilyOfType(names, TRUETYPE_FONTTYPE);
  sizes->SetFontName(tt);
  EXPECT_EQ(clicks, 1);  // once per rebuild, not once per item
  sizes->SetItemIndex(sizes->Items()->IndexOf(L"12"));
  sizes->SetFontName(tt);
  EXPECT_EQ(sizes->Text(), L"12");
  EXPECT_EQ(sizes->Items()->Strings(sizes->ItemIndex()), L"12");
  EXPECT_EQ(sizes->GetSizeValue(), 12);
}
