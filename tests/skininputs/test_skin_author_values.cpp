// Values a skin author writes by mistake or on purpose, each legal: skins that
// differ only in the list box's item height switched under shown forms,
// records naming a picture the skin lacks, hovered and pressed, tiles of one
// pixel over a large control, and a state rectangle far outside its picture.
#include <typeinfo>
#include <utility>

#include "../skinctrls/EditedTestSkin.h"
#include "SkinInputTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
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

// A list box's scroll bar comes with one skin and goes with the other, two
// skins that differ only in the height of the items: the skin with items 32
// pixels high shows three of the six, the one of 12 pixels all six. The bar is freed inside the list box's own re-read, while
// the skin change still walks the controls it collected before it.
TEST(SkinAuthorValues, ListBoxesDropAndMakeTheirBarsDuringSkinSwitches) {
  auto* owner = new TForm(nullptr);
  auto* skin = new TspSkinData(owner);
  // A list record that sizes with its control: corners of 2 pixels.
  std::vector<TIniEdit> sized = {{"listbox", "clientrect", "2,2,46,20"},  {"listbox", "lefttoppoint", "2,2"},
                                 {"listbox", "righttoppoint", "46,2"},    {"listbox", "leftbottompoint", "2,20"},
                                 {"listbox", "rightbottompoint", "46,20"}};
  TspCompressedStoredSkin* plain = StoredSkin(owner, EditedTestSkin(L"short-items", sized));
  sized.push_back({"listbox", "itemrect", "0,32,48,64"});
  TspCompressedStoredSkin* tall = StoredSkin(owner, EditedTestSkin(L"tall-items", sized));
  // One form tells its controls through its skinned frame, the other has
  // none: the skin data tells its controls itself.
  owner->SetBounds(40, 40, 300, 260);
  (new TspSkinForm(owner))->SetSkinData(skin);
  auto* bare = new TForm(nullptr);
  bare->SetBounds(360, 40, 300, 260);
  std::vector<TspSkinListBox*> lists;
  for (TForm* form : {owner, bare})
    for (int i = 0; i < 2; ++i) {
      auto* list = Put<TspSkinListBox>(form, skin, 10 + 140 * i, 10, 120, 104);
      for (int n = 0; n < 6; ++n) list->Items()->Add(L"item " + std::to_wstring(n));
      lists.push_back(list);
    }
  ShowAndActivate(bare);
  ShowAndActivate(owner);
  const auto barsShown = [&] {
    int shown = 0;
    for (TspSkinListBox* list : lists) shown += list->VScrollBar() && list->VScrollBar()->Visible();
    return shown;
  };
  for (int round = 0; round < 3; ++round) {
    skin->LoadCompressedStoredSkin(tall);
    Settle();
    EXPECT_EQ(barsShown(), 4) << round;
    skin->LoadCompressedStoredSkin(plain);
    Settle();
    EXPECT_EQ(barsShown(), 0) << round;
    // No skin gives the system's taller items, then the test skin again.
    skin->ClearAll();
    Settle();
    skin->LoadCompressedStoredSkin(tall);
    skin->ClearAll();
    skin->LoadCompressedStoredSkin(plain);
    Settle();
    EXPECT_EQ(barsShown(), 0) << round;
  }
  for (TspSkinListBox* list : lists) EXPECT_EQ(list->SkinIndex(), skin->GetControlIndex(L"listbox"));
  Free(bare);
  Free(owner);
}

// A panel that, told of a new skin or of its parent's font, frees the
// control it is given and puts a new one on its parent, as a program's own
// control may: the walks over controls collected before go on past both.
class TFreeingPanel : public TspSkinPanel {
 public:
  using TspSkinPanel::TspSkinPanel;
  void ChangeSkinData() override {
    TspSkinPanel::ChangeSkinData();
    Strike();
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_PARENTFONTCHANGED) Strike();
    TspSkinPanel::Dispatch(Message);
  }
  TControl* Victim = nullptr;
  int Made = 0;

 private:
  void Strike() {
    if (!Victim) return;
    Free(std::exchange(Victim, nullptr));
    Put<TspSkinPanel>(Parent(), SkinData(), 200, 100, 40, 40);
    ++Made;
  }
};

TEST(SkinAuthorValues, WalksOverCollectedControlsOutliveControlsFreedAndMadeOnTheWay) {
  auto* framed = new TForm(nullptr);
  framed->SetBounds(40, 40, 300, 200);
  auto* skin = new TspSkinData(framed);
  (new TspSkinForm(framed))->SetSkinData(skin);
  auto* bare = new TForm(nullptr);
  bare->SetBounds(360, 40, 300, 200);
  TspCompressedStoredSkin* stored = StoredSkin(framed, ProjectPath("skins/Test/skin.ini"));
  std::vector<TFreeingPanel*> panels;
  for (TForm* form : {framed, bare}) panels.push_back(Put<TFreeingPanel>(form, skin, 10, 10, 80, 60));
  // A sibling after the panel, with a child of its own: both collected after it.
  const auto arm = [&] {
    for (TFreeingPanel* panel : panels) {
      auto* victim = Put<TspSkinPanel>(panel->Parent(), skin, 100, 10, 80, 60);
      Put<TspSkinPanel>(victim, skin, 4, 4, 30, 30);
      panel->Victim = victim;
    }
  };
  ShowAndActivate(bare);
  ShowAndActivate(framed);
  arm();
  skin->LoadCompressedStoredSkin(stored);  // the skinned frame's relay, and the skin data's own
  Settle();
  arm();
  skin->ClearAll();
  Settle();
  arm();
  for (TForm* form : {framed, bare}) form->Font()->SetSize(form->Font()->Size() + 2);  // the parent font relay
  Settle();
  for (TFreeingPanel* panel : panels) {
    EXPECT_EQ(panel->Made, 3);
    EXPECT_EQ(panel->Victim, nullptr);
  }
  Free(bare);
  Free(framed);
}

// Every control record of the test skin pointed past its three pictures (or
// at none): each control kind draws as without a skin, hovered and pressed
// on its face and on its right end, where spin and drop-down buttons lie.
class MissingPictures : public InputTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingPictures, EveryControlKindDrawsWithoutASkinHoveredAndPressed) {
  std::vector<TIniEdit> edits;
  for (const char* section : {"button", "checkbox", "radiobox", "panel", "statusbar", "edit", "buttonedit",
                              "editbutton", "resizebutton", "resizetoolbutton", "combobutton", "combobox", "listbox",
                              "scrollbox", "hupdown", "vupdown", "spinedit", "vscrollbar", "hscrollbar",
                              "bothhscrollbar", "tab"})
    edits.push_back({section, "pictureindex", GetParam()});
  // Step and drop-down buttons at the right end of the 48 x 22 records, and
  // their hot and pressed pieces.
  edits.push_back({"spinedit", "upbuttonrect", "32,2,46,11"});
  edits.push_back({"spinedit", "downbuttonrect", "32,11,46,20"});
  edits.push_back({"combobox", "buttonrect", "30,2,46,20"});
  for (const char* key : {"activeupbuttonrect", "activedownbuttonrect"}) edits.push_back({"spinedit", key, "80,16,96,24"});
  for (const char* key : {"downupbuttonrect", "downdownbuttonrect"}) edits.push_back({"spinedit", key, "80,24,96,32"});
  edits.push_back({"combobox", "activebuttonrect", "80,16,96,32"});
  edits.push_back({"combobox", "downbuttonrect", "80,32,96,48"});
  auto* skin = new TspSkinData(form);
  skin->LoadCompressedStoredSkin(StoredSkin(form, EditedTestSkin(L"missing-pictures", edits)));
  ASSERT_FALSE(skin->Empty());
  ASSERT_GE(skin->TspSkinSections::GetControlIndex(L"spinedit"), 0);  // the record is there
  std::vector<TControl*> controls = {
      Put<TspSkinSpinEdit>(form, skin, 10, 10, 120, 22),     Put<TspSkinComboBox>(form, skin, 10, 40, 120, 22),
      Put<TspSkinButton>(form, skin, 10, 70, 120, 26),       Put<TspSkinCheckRadioBox>(form, skin, 10, 100, 120, 20),
      Put<TspSkinEdit>(form, skin, 10, 126, 120, 22),        Put<TspSkinListBox>(form, skin, 140, 10, 120, 80),
      Put<TspSkinScrollBar>(form, skin, 140, 100, 120, 18),  Put<TspSkinUpDown>(form, skin, 140, 126, 30, 22),
      Put<TspSkinPanel>(form, skin, 270, 10, 120, 60),       Put<TspSkinScrollBox>(form, skin, 270, 80, 120, 60),
      Put<TspSkinPageControl>(form, skin, 10, 160, 200, 90), Put<TspSkinSpeedButton>(form, skin, 270, 160, 60, 26),
  };
  static_cast<TspSkinComboBox*>(controls[1])->Items()->Add(L"item");
  static_cast<TspSkinListBox*>(controls[5])->Items()->Add(L"item");
  auto* sheet = new TspSkinTabSheet(form);
  sheet->SetPageControl(static_cast<TspSkinPageControl*>(controls[10]));
  sheet->SetCaption(L"Page");
  Settle();
  const int exceptions = ExceptionsReachingApplication();
  TFaultCount faults;
  for (TControl* c : controls) {
    for (const TPoint& p : {TPoint(c->Width() / 2, c->Height() / 2), TPoint(c->Width() - 4, 4)}) {
      MoveMouse(c->ClientToScreen(p));
      ::MouseDown();
      Settle();
      ::MouseUp();
      Settle();
      KeyChord({}, VK_ESCAPE);  // a drop-down list opened by the press
    }
    MoveMouse(TPoint(2, 2));
    EXPECT_EQ(dynamic_cast<TspSkinLink*>(c)->LinkedSkinData(), skin);
  }
  EXPECT_EQ(faults.Count(), 0);
  EXPECT_EQ(ExceptionsReachingApplication(), exceptions);
  for (TControl* c : controls) {
    if (auto* linked = dynamic_cast<TspSkinCustomControl*>(c)) {
      EXPECT_EQ(linked->SkinIndex(), -1) << typeid(*c).name();
    }
  }
  EXPECT_EQ(static_cast<TspSkinEdit*>(controls[4])->SkinIndex(), -1);
  EXPECT_EQ(static_cast<TspSkinSpeedButton*>(controls[11])->SkinIndex(), -1);
  EXPECT_EQ(static_cast<TspSkinPageControl*>(controls[10])->SkinIndex(), -1);
}

INSTANTIATE_TEST_SUITE_P(PastTheListOrNone, MissingPictures, ::testing::Values("3", "-1"));

// A panel of 4000 x 3000 whose record tiles a border and client of one-pixel
// pieces (twelve million tiles) paints without running out of memory, and
// every tile lands where its piece repeats: a 3 x 2 client piece checked far
// from the origin.
TEST(SkinAuthorValues, OnePixelTilesOverALargeControlPaintTheirPieces) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 400, 300);
  TspSkinData* skin = NewTestSkin(form);
  TBitmap* picture = skin->ActivePictures[1];
  auto* r = RecordOf(skin, L"panel");
  const auto tile = [&](int PieceW, int PieceH) {
    r->SkinRect = TRect(40, 10, 42 + PieceW, 12 + PieceH);
    r->LTPoint = TPoint(1, 1);
    r->RTPoint = TPoint(1 + PieceW, 1);
    r->LBPoint = TPoint(1, 1 + PieceH);
    r->RBPoint = TPoint(1 + PieceW, 1 + PieceH);
    r->ClRect = TRect(1, 1, 1 + PieceW, 1 + PieceH);
    r->LeftStretch = r->TopStretch = r->RightStretch = r->BottomStretch = r->StretchEffect = false;
  };
  auto* panel = new TspSkinPanel(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 4000, 3000);
  form->Show();
  const int exceptions = ExceptionsReachingApplication();
  for (int w : {1, 3}) {
    tile(w, w == 1 ? 1 : 2);
    panel->SetSkinData(nullptr);
    panel->SetSkinData(skin);
    std::unique_ptr<TBitmap> shot;
    ASSERT_NO_THROW(shot = Snapshot(panel));
    const auto source = [&](int X, int Y) { return picture->Canvas()->Pixels(41 + X, 11 + Y); };
    for (const TPoint& p : {TPoint(1, 1), TPoint(200, 150), TPoint(2000, 1500), TPoint(3998, 2998), TPoint(1234, 7)})
      EXPECT_EQ(shot->Canvas()->Pixels(p.X, p.Y), source((p.X - 1) % w, (p.Y - 1) % (w == 1 ? 1 : 2)))
          << w << " " << p.X << "," << p.Y;
    // The top edge's piece repeats along the top row, the corners stay.
    EXPECT_EQ(shot->Canvas()->Pixels(2001, 0), picture->Canvas()->Pixels(41 + 2000 % w, 10));
    EXPECT_EQ(shot->Canvas()->Pixels(3999, 2999), picture->Canvas()->Pixels(41 + w, w == 1 ? 12 : 13));
  }
  Settle();
  EXPECT_EQ(ExceptionsReachingApplication(), exceptions);
  Free(form);
}

// A focused edit 2,000 pixels wide whose active rectangle reaches far past
// its 128 x 64 picture draws what lies inside the picture: the same as the
// rectangle cut to the picture, on every paint, and with no failure.
TEST(SkinAuthorValues, AStateRectangleOutsideItsPictureDrawsWhatLiesInside) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 2100, 120);
  TspSkinData* huge = new TspSkinData(form);
  huge->LoadCompressedStoredSkin(
      StoredSkin(form, EditedTestSkin(L"huge-rect", {{"edit", "activeskinrect", "0,0,100000,100000"}})));
  TspSkinData* cut = new TspSkinData(form);
  cut->LoadCompressedStoredSkin(StoredSkin(form, EditedTestSkin(L"cut-rect", {{"edit", "activeskinrect", "0,0,128,64"}})));
  auto* a = Put<TspSkinEdit>(form, huge, 0, 0, 2000, 22);
  auto* b = Put<TspSkinEdit>(form, cut, 0, 40, 2000, 22);
  ShowAndActivate(form);
  const int exceptions = ExceptionsReachingApplication();
  std::unique_ptr<TBitmap> shots[2];
  int i = 0;
  for (TspSkinEdit* edit : {a, b}) {
    edit->SetFocus();
    Settle();
    edit->Invalidate();
    Settle();
    ASSERT_NO_THROW(shots[i++] = Snapshot(edit));
  }
  EXPECT_EQ(ExceptionsReachingApplication(), exceptions);
  EXPECT_TRUE(SamePixels(shots[0].get(), shots[1].get()));
  Free(form);
}

}  // namespace
