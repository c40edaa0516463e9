// Odd but legal skins a skin author writes, each made here from the test
// skin: pictures of one pixel and of 4000 x 4000, empty rectangles, one-pixel
// pieces under every stretch kind, fonts of size 0 and 500, duplicate and
// non-ASCII section names, numbers at the ends of their range, frames and
// masks that do not fit their pictures. Each loads, switches, draws and
// opens a menu on a framed form of many controls without a fault or an
// exception; a control whose record leaves nothing to draw shows its
// unskinned look, never a black box; the window's shape never hides the
// client; and the client size the program set comes back after a frame too
// large for the screen. A malformed value refuses the skin, naming the file,
// the section, the key and the value, and the skin in use stays.
#include "../skinctrls/EditedTestSkin.h"
#include "SkinInputTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/SkinTabs.h"
#include "skininputs/SkinBoxCtrls_updown.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinScrollBox.h"
#include "skininputs/SkinSpinEdit.h"

namespace {

struct TOddSkin {
  const wchar_t* Name;
  std::vector<TIniEdit> Edits;
  std::vector<TPictureEdit> Pictures;
  std::vector<const wchar_t*> FallBack;  // records a control must not draw from
  bool KeepsClient = true;  // false where the skin's frame or minimum outgrows the screen
};

const char* const kHuge = "0,0,2147483647,2147483647";
const char* const kFullRange = "-2147483648,-2147483648,2147483647,2147483647";

// Section's nine-piece geometry: corners of Corner pixels round a client of
// Client in a 48 x 22 skin rectangle, each edge and the client as Stretch.
std::vector<TIniEdit> NinePieces(const std::string& Section, int Corner, const std::string& Client,
                                 const std::string& Stretch, const std::string& Type) {
  const std::string c = std::to_string(Corner), r = std::to_string(48 - Corner), b = std::to_string(22 - Corner);
  std::vector<TIniEdit> e = {{Section, "lefttoppoint", c + "," + c},      {Section, "righttoppoint", r + "," + c},
                             {Section, "leftbottompoint", c + "," + b},   {Section, "rightbottompoint", r + "," + b},
                             {Section, "clientrect", Client},             {Section, "stretchtype", Type}};
  for (const char* key : {"leftstretch", "topstretch", "rightstretch", "bottomstretch", "stretcheffect"})
    e.push_back({Section, key, Stretch});
  return e;
}

std::vector<TOddSkin> OddSkins() {
  std::vector<TOddSkin> skins;
  // Empty rectangles: a button without a skin rectangle, clients of nothing
  // under nine-piece geometry, a tab naming no picture.
  TOddSkin empty{L"empty-rects", {{"button", "skinrect", "0,0,0,0"}, {"tab", "pictureindex", "-1"}}, {},
                 {L"button", L"panel", L"listbox", L"spinedit", L"tab"}};
  for (const char* section : {"panel", "listbox", "spinedit"})
    for (const TIniEdit& e : NinePieces(section, 2, "0,0,0,0", "0", "stfull")) empty.Edits.push_back(e);
  skins.push_back(empty);
  // Every control picture a single pixel: the rectangles are cut to it.
  skins.push_back({L"one-pixel-pictures",
                   NinePieces("panel", 2, "2,2,46,20", "0", "stfull"),
                   {{L"buttons.bmp", 1, 1, clRed}, {L"controls.bmp", 1, 1, clRed}, {L"background.bmp", 1, 1, clRed}},
                   {L"button", L"panel", L"edit", L"tab"}});
  skins.push_back({L"huge-frame", {}, {{L"frame.bmp", 4000, 4000, clGray}}, {}, false});
  // One-pixel corners, edges and clients, stretched and tiled each way.
  TOddSkin pieces{L"one-pixel-pieces", {}, {}, {}};
  const char* kinds[][2] = {{"panel", "stfull"}, {"statusbar", "sthorz"}, {"edit", "stvert"}, {"button", "sthorz"}};
  for (int i = 0; i < 4; ++i)
    for (const TIniEdit& e : NinePieces(kinds[i][0], 1, "1,1,2,2", i % 2 ? "1" : "0", kinds[i][1]))
      pieces.Edits.push_back(e);
  for (const TIniEdit& e : NinePieces("listbox", 1, "1,1,47,21", "1", "stvert")) pieces.Edits.push_back(e);
  skins.push_back(pieces);
  skins.push_back({L"font-sizes",
                   {{"button", "fontheight", "0"}, {"edit", "fontheight", "500"}, {"stdlabel", "fontheight", "500"},
                    {"HINTWINDOW", "fontheight", "0"}, {"panel", "fontheight", "-500"}},
                   {},
                   {}});
  // A second record named "button" (of another kind) and a record under a
  // Chinese name, both in the GBK the skin files are written in.
  skins.push_back({L"section-names",
                   {{"SKINCONTROLS", "count", "24"},
                    {"SKINCONTROLS", "22", "button:panel"},
                    {"SKINCONTROLS", "23", "\xb0\xb4\xc5\xa5:button"},
                    {"\xb0\xb4\xc5\xa5", "pictureindex", "1"},
                    {"\xb0\xb4\xc5\xa5", "skinrect", "0,0,48,22"}},
                   {},
                   {}});
  // Numbers at the ends of their range.
  skins.push_back({L"huge-object-rects",
                   {{"maxbutton", "inactiveskinrect", kHuge},
                    {"maxbutton", "restoreinactiverect", kHuge},
                    {"menuitem", "activeskinrect", kHuge},
                    {"menuitem", "arrowimagerect", kHuge},
                    {"POPUPWINDOW", "itemsrect", kHuge},
                    {"SKINOBJECTS", "count", "7"},
                    {"SKINOBJECTS", "6", "objswitch:switch"},
                    {"objswitch", "skinrect", "24,4,40,20"},
                    {"objswitch", "activepictureindex", "0"},
                    {"objswitch", "inactiveskinrect", kHuge}},
                   {},
                   {}});
  skins.push_back({L"form-min-width", {{"FORMINFO", "formminwidth", "2147483647"}}, {}, {}, false});
  skins.push_back({L"menu-bar-huge", {{"FORMINFO", "mainmenurect", kHuge}}, {}, {}});
  skins.push_back({L"mask-area-full-range", {{"FORMINFO", "maskrectarea", kFullRange}}, {}, {}});
  skins.push_back({L"bar-values",
                   {{"hscrollbar", "lefttoppoint", "-2147483648,-2147483648"},
                    {"hscrollbar", "thumbminpagesize", "2147483647"},
                    {"vscrollbar", "thumbminpagesize", "2147483647"},
                    {"listbox", "itemleftoffset", "-2147483648"}},
                   {},
                   {}});
  skins.push_back({L"bar-track-outside",
                   {{"hscrollbar", "trackarea", "-100,-100,-50,-50"}, {"vscrollbar", "trackarea", "-100,-100,-50,-50"}},
                   {},
                   {}});
  // Frames whose client or corners lie outside their picture (the skin has
  // no frame then) and a mask of another size than its picture (no shape).
  skins.push_back({L"client-far-below", {{"FORMINFO", "clientrect", "4,32,256,100146"}}, {}, {}});
  skins.push_back({L"client-outside", {{"FORMINFO", "clientrect", "-100,-100,-50,-50"}}, {}, {}});
  skins.push_back({L"corner-far-outside", {{"FORMINFO", "lefttoppoint", "100000,100000"}}, {}, {}});
  skins.push_back({L"mask-other-size", {}, {{L"mask.bmp", 260, 150, clBlack}}, {}});
  skins.push_back({L"tiny-frame", {}, {{L"frame.bmp", 1, 1, clGray}, {L"mask.bmp", 260, 150, clBlack}}, {}});
  return skins;
}

// The share of Picture's pixels that are black.
double BlackShare(TBitmap* Picture) {
  int black = 0;
  for (int y = 0; y < Picture->Height(); ++y)
    for (int x = 0; x < Picture->Width(); ++x) black += Picture->Canvas()->Pixels(x, y) == 0;
  return double(black) / std::max(1, Picture->Width() * Picture->Height());
}

TSize ClientOf(TForm* Form) {
  RECT r = {};
  GetClientRect(Form->Handle(), &r);
  return TSize(r.right, r.bottom);
}

// Whether the window's shape, where it has one, leaves the whole client on show.
bool ShapeShowsClient(TForm* Form) {
  HWND h = Form->Handle();
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(h, shape) == ERROR) {
    DeleteObject(shape);
    return true;
  }
  RECT client = {}, window = {};
  GetClientRect(h, &client);
  MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(h, &window);
  OffsetRect(&client, -window.left, -window.top);
  HRGN hidden = CreateRectRgnIndirect(&client);
  const bool shown = CombineRgn(hidden, hidden, shape, RGN_DIFF) == NULLREGION;
  DeleteObject(hidden);
  DeleteObject(shape);
  return shown;
}

// A popup menu with a submenu opened and closed: nothing it meets while it
// draws reaches the program that opened it.
void OpenAndCloseMenu(TspSkinForm* Frame, TspSkinPopupMenu* Popup) {
  EXPECT_NO_THROW(Popup->Popup(80, 80));
  Settle();
  if (TspSkinMenu* menu = FindSkinMenu(Frame)) menu->CloseSkinMenu();
  Settle();
}

TEST(SkinOddValues, OddSkinsLoadSwitchAndDrawWithoutABlackBox) {
  auto* form = new TForm(nullptr);
  form->SetBounds(40, 40, 300, 200);
  auto* skin = new TspSkinData(form);
  auto* frame = new TspSkinForm(form);
  frame->SetSkinData(skin);
  auto* bar = new TMainMenu(form);
  auto* file = new TMenuItem(bar);
  file->SetCaption(L"File");
  bar->Items()->Add(file);
  form->SetMenu(bar);
  form->SetClientWidth(560);
  form->SetClientHeight(300);
  auto* sheetPages = Put<TspSkinPageControl>(form, skin, 10, 190, 200, 90);
  auto* sheet = new TspSkinTabSheet(form);
  sheet->SetPageControl(sheetPages);
  sheet->SetCaption(L"Page");
  auto* vbar = Put<TspSkinScrollBar>(form, skin, 470, 90, 18, 120);
  vbar->SetKind(sbVertical);
  std::vector<std::pair<TWinControl*, const wchar_t*>> controls = {
      {Put<TspSkinSpinEdit>(form, skin, 10, 10, 120, 22), L"spinedit"},
      {Put<TspSkinComboBox>(form, skin, 10, 40, 120, 22), L"combobox"},
      {Put<TspSkinButton>(form, skin, 10, 70, 120, 26), L"button"},
      {Put<TspSkinCheckRadioBox>(form, skin, 10, 100, 120, 20), L"checkbox"},
      {Put<TspSkinEdit>(form, skin, 10, 126, 120, 22), L"edit"},
      {Put<TspSkinListBox>(form, skin, 140, 10, 120, 80), L"listbox"},
      {Put<TspSkinScrollBar>(form, skin, 140, 100, 120, 18), L"hscrollbar"},
      {vbar, L"vscrollbar"},
      {Put<TspSkinUpDown>(form, skin, 140, 126, 30, 22), L"hupdown"},
      {Put<TspSkinPanel>(form, skin, 270, 10, 120, 60), L"panel"},
      {Put<TspSkinStatusBar>(form, skin, 270, 80, 120, 24), L"statusbar"},
      {Put<TspSkinScrollBox>(form, skin, 270, 110, 120, 60), L"scrollbox"},
      {sheetPages, L"tab"},
  };
  Put<TspSkinSpeedButton>(form, skin, 400, 10, 60, 26)->SetCaption(L"Speed");
  static_cast<TspSkinComboBox*>(controls[1].first)->Items()->Add(L"item");
  static_cast<TspSkinListBox*>(controls[5].first)->Items()->Add(L"item");
  static_cast<TspSkinButton*>(controls[2].first)->SetCaption(L"Button");
  Put<TspSkinStdLabel>(form, skin, 400, 50, 100, 20)->SetCaption(L"Label");
  for (int i = 0; i < 20; ++i) static_cast<TspSkinListBox*>(controls[5].first)->Items()->Add(L"more");
  auto* popup = new TspSkinPopupMenu(form);
  auto* parent = new TMenuItem(popup);
  parent->SetCaption(L"More");
  popup->Items()->Add(parent);
  auto* child = new TMenuItem(popup);
  child->SetCaption(L"Inner");
  parent->Add(child);
  ShowAndActivate(form);
  const TSize asked(560, 300);
  ASSERT_EQ(ClientOf(form), asked);
  TFaultCount faults;
  const int exceptions = ExceptionsReachingApplication();
  std::vector<TspCompressedStoredSkin*> stored;
  const std::vector<TOddSkin> skins = OddSkins();
  for (const TOddSkin& odd : skins) {
    SCOPED_TRACE(WideToUtf8(odd.Name));
    stored.push_back(StoredSkin(form, EditedTestSkin(odd.Name, odd.Edits, odd.Pictures)));
    skin->LoadCompressedStoredSkin(stored.back());
    ASSERT_FALSE(skin->Empty());
    Settle();
    // Under the frame of 4000 x 4000 pixels the window is as large as the
    // system lets it be and its bands take it all: no control shows.
    const bool shown = ClientOf(form) == asked;
    EXPECT_TRUE(shown || !odd.KeepsClient);
    EXPECT_TRUE(ShapeShowsClient(form));
    OpenAndCloseMenu(frame, popup);
    for (const auto& [control, record] : controls) {
      const bool fallsBack = skin->GetControlIndex(record) == -1;
      const bool due = std::find(odd.FallBack.begin(), odd.FallBack.end(), String(record)) != odd.FallBack.end();
      EXPECT_TRUE(fallsBack || !due) << WideToUtf8(record);
      if (!shown) continue;
      const std::unique_ptr<TBitmap> shot = WindowPixels(control);
      EXPECT_LT(BlackShare(shot.get()), 0.3) << WideToUtf8(record) << (fallsBack ? " unskinned" : " skinned");
    }
  }
  // Switched among them, to the test skin and to none: the client size the
  // program set comes back after the frame of 4000 x 4000 pixels.
  TspCompressedStoredSkin* plain = StoredSkin(form, ProjectPath("skins/Test/skin.ini"));
  TspCompressedStoredSkin* huge = stored[2];
  for (int round = 0; round < 2; ++round) {
    for (TspCompressedStoredSkin* s : stored) skin->LoadCompressedStoredSkin(s);
    skin->LoadCompressedStoredSkin(plain);
    Settle();
    EXPECT_EQ(ClientOf(form), asked) << "after a switch back, round " << round;
    skin->LoadCompressedStoredSkin(huge);
    skin->ClearAll();
    Settle();
    EXPECT_EQ(ClientOf(form), asked) << "without a skin, round " << round;
  }
  // A value that is no rectangle: the skin is refused, the message says
  // where, and the skin in use stays.
  skin->LoadCompressedStoredSkin(plain);
  Settle();
  const String malformed = EditedTestSkin(L"malformed", {{"FORMINFO", "clientrect", "a,b,c,d"}});
  try {
    skin->LoadCompressedStoredSkin(StoredSkin(form, malformed));
    ADD_FAILURE() << "a malformed rectangle was taken";
  } catch (const EConvertError& e) {
    EXPECT_NE(e.Message().find(malformed + L": [FORMINFO] clientrect=a,b,c,d"), String::npos) << WideToUtf8(e.Message());
  }
  EXPECT_FALSE(skin->Empty());
  EXPECT_EQ(ClientOf(form), asked);
  EXPECT_EQ(faults.Count(), 0);
  EXPECT_EQ(ExceptionsReachingApplication(), exceptions);

  // A menu whose drawing raises: the fault goes to the application's
  // handling, never to the caller of Popup.
  int reported = 0;
  const auto failTheTest = Application->OnException;
  Application->OnException = [&reported](TObject*, const std::exception*) { ++reported; };
  parent->OnDrawItem = [](TObject*, TCanvas*, const TRect&, bool) { throw Exception(L"cannot draw"); };
  OpenAndCloseMenu(frame, popup);
  parent->OnDrawItem = nullptr;
  Application->OnException = failTheTest;
  EXPECT_GT(reported, 0);
  Free(form);
}

}  // namespace
