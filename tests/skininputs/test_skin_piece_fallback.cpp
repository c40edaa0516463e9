// Pieces too small to say anything, over every control record of both
// shipped skins that draws a piece round a client: a one-pixel piece whose
// client fills it (on the picture's transparent corner and off it), the same
// as the first of two copies of a section, and a five-pixel piece round a
// client of three. Each record whose corners leave no piece falls back, and
// the controls the gallery shows with such records draw as without a skin
// or from what is left, never a black box; so do tree and list views given
// a picture too small for them, with their header and skinned bars, and every
// record when the pictures themselves are smaller than its pieces.
#include "../skinctrls/EditedTestSkin.h"
#include "SkinInputTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinTreeView.h"
#include "skininputs/SkinCalendar.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinSpinEdit.h"

namespace {

struct TShape {
  const char* Name;
  std::vector<std::pair<const char*, const char*>> Keys;  // given to every record
  bool SoundCopyAfter;  // a second, sound copy of each section follows at the end
  // Every record falls back; else only those whose corners lie beyond the
  // piece (the button's), the others keep a border of one pixel to draw.
  bool AllFallBack = true;
  int PictureSize = 0;  // when not 0, every active picture is this many pixels square
};

const TShape kShapes[] = {
    {"one-pixel-on-the-transparent-corner", {{"skinrect", "0,0,1,1"}, {"clientrect", "0,0,1,1"}}, false},
    {"one-pixel", {{"skinrect", "1,1,2,2"}, {"clientrect", "0,0,1,1"}}, false},
    {"first-of-two-copies",
     {{"skinrect", "0,0,1,1"}, {"clientrect", "0,0,1,1"}, {"activeskinrect", "0,0,1,1"}, {"downskinrect", "0,0,1,1"}},
     true},
    // The records as they are, their pictures shrunk below every piece.
    {"pictures-of-two-pixels", {}, false, true, 2},
    // Last: a spin edit keeps the height this one gives it.
    {"five-pixels-round-a-client-of-three", {{"skinrect", "1,1,6,6"}, {"clientrect", "1,1,4,4"}}, false, false},
};

const wchar_t* const kActivePictures[] = {L"controls.bmp", L"buttons.bmp", L"rollupbuttons.bmp", L"popup.bmp",
                                          L"hint.bmp",     L"menu.bmp",    L"toolbar.bmp",       L"dates.bmp",
                                          L"lists.bmp",    L"combo.bmp",   L"client.bmp"};

// The records of Skin that draw a piece round a client from a picture.
std::vector<String> PieceRecords(TspSkinData* Skin) {
  std::vector<String> names;
  for (int i = 0; i < Skin->CtrlList.Count(); ++i) {
    const auto* r = dynamic_cast<const TspDataSkinCustomControl*>(Skin->CtrlList[i]);
    if (r && !r->ClRect.IsEmpty() && Skin->GetControlIndex(r->IDName) == i) names.push_back(r->IDName);
  }
  return names;
}

std::string Narrow(const String& S) { return WideToUtf8(S); }

// The share of the control's window that is solid black: black with all
// eight neighbours, a box left undrawn rather than the strokes of text.
double SolidBlack(TWinControl* Control) {
  const std::unique_ptr<TBitmap> shot = WindowPixels(Control);
  const int w = shot->Width(), h = shot->Height();
  auto black = [&](int x, int y) { return (shot->Canvas()->Pixels(x, y) & 0xFFFFFF) == 0; };
  int solid = 0;
  for (int y = 1; y + 1 < h; ++y)
    for (int x = 1; x + 1 < w; ++x) {
      bool all = true;
      for (int dy = -1; dy <= 1 && all; ++dy)
        for (int dx = -1; dx <= 1 && all; ++dx) all = black(x + dx, y + dy);
      solid += all;
    }
  return double(solid) / std::max(1, w * h);
}

TEST(SkinPieceFallback, EveryRecordWithAClientFallsBackFromAPieceTooSmall) {
  for (const char* base : {"Default", "Dark"}) {
    SCOPED_TRACE(base);
    auto* form = new TForm(nullptr);
    form->SetBounds(20, 20, 640, 420);
    auto* skin = new TspSkinData(form);
    (new TspSkinForm(form))->SetSkinData(skin);
    auto* button = Put<TspSkinButton>(form, skin, 10, 10, 120, 30);
    button->SetCaption(L"Button");
    auto* spin = Put<TspSkinSpinEdit>(form, skin, 10, 90, 120, 22);
    auto* combo = Put<TspSkinComboBox>(form, skin, 10, 130, 120, 22);
    combo->Items()->Add(L"item");
    auto* tree = Put<TspSkinTreeView>(form, skin, 440, 10, 134, 150);
    for (int i = 0; i < 20; ++i) tree->Items()->Add(nullptr, L"node");
    auto* treeBar = Put<TspSkinScrollBar>(form, skin, 574, 10, 16, 150);
    treeBar->SetKind(sbVertical);
    treeBar->SetSkinDataName(L"vscrollbar");
    tree->SetVScrollBar(treeBar);
    // In report style: its header is drawn from the skin too.
    auto* list = Put<TspSkinListView>(form, skin, 440, 180, 150, 134);
    list->SetViewStyle(vsReport);
    list->Columns()->Add()->SetCaption(L"column");
    for (int i = 0; i < 20; ++i) list->Items()->Add()->SetCaption(L"item");
    auto* listBar = Put<TspSkinScrollBar>(form, skin, 440, 314, 150, 16);
    listBar->SetSkinDataName(L"hscrollbar");
    list->SetHScrollBar(listBar);
    const std::vector<std::pair<TWinControl*, const char*>> shown = {
        {button, "button"},
        {Put<TspSkinStatusBar>(form, skin, 10, 50, 200, 24), "status bar"},
        {Put<TspSkinMonthCalendar>(form, skin, 220, 10, 200, 180), "month calendar"},
        {spin, "spin edit"},
        {combo, "combo box"},
        {tree, "tree view"},
        {treeBar, "tree view's scroll bar"},
        {list, "list view"},
        {listBar, "list view's scroll bar"},
    };
    ShowAndActivate(form);
    // Focus elsewhere: the spin edit and the combo box draw their unfocused look.
    button->SetFocus();
    skin->LoadCompressedStoredSkin(StoredSkin(form, EditedSkin(base, L"sound", {})));
    Settle();
    const std::vector<String> records = PieceRecords(skin);
    // Every kind of control record the shipped skins draw round a client.
    EXPECT_GE(records.size(), 25u);
    std::vector<double> sound;
    for (const auto& [control, name] : shown) sound.push_back(SolidBlack(control));
    const int spinHeight = spin->Height();
    for (const TShape& shape : kShapes) {
      SCOPED_TRACE(shape.Name);
      std::vector<TIniEdit> edits;
      std::string copies;
      for (const String& record : records) {
        for (const auto& [key, value] : shape.Keys) edits.push_back({Narrow(record), key, value});
        if (!shape.SoundCopyAfter) continue;
        copies += "\r\n[" + Narrow(record) + "]\r\n";
        for (const auto& [key, value] : shape.Keys) copies += std::string(key) + "=0,0,48,22\r\n";
      }
      if (!copies.empty()) edits.push_back({"", "", copies});
      // Tree and list views are given the smallest picture the skin has.
      for (const char* view : {"treeview", "listview"}) {
        edits.push_back({view, "pictureindex", "4"});
        edits.push_back({view, "skinrect", "0,0,1,1"});
      }
      std::vector<TPictureEdit> pictures;
      if (shape.PictureSize)
        for (const wchar_t* file : kActivePictures)
          pictures.push_back({file, shape.PictureSize, shape.PictureSize, clFuchsia});
      const std::wstring name(shape.Name, shape.Name + strlen(shape.Name));
      skin->LoadCompressedStoredSkin(StoredSkin(form, EditedSkin(base, name.c_str(), edits, pictures)));
      Settle();
      for (const String& record : records)
        if (shape.AllFallBack || record == L"button") EXPECT_EQ(skin->GetControlIndex(record), -1) << Narrow(record);
      for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_LE(SolidBlack(shown[i].first), sound[i] + 0.02) << shown[i].second;
      // A spin edit takes its skin piece's height: one that falls back keeps its own.
      if (shape.AllFallBack) EXPECT_EQ(spin->Height(), spinHeight);
    }
    Free(form);
  }
}

}  // namespace
