// Skin-menu painting and animation: the default look's marks and highlight,
// the look from a "menuitem" record, morphing steps, the fade-in, two item
// sets in one level and the popup menu component's skin.
#include <gtest/gtest.h>

#include <vector>

#include "classlib/GuiCounts.h"
#include "../classlib/ControlTestUtils.h"
#include "../skin/SkinTestData.h"
#include "skin/SkinForm.h"
#include "skin/SkinStoredSkin.h"
#include "skinctrls/SkinMenus.h"
#include "test_skin_menus_utils.h"

namespace {

bool HasColor(TBitmap* B, const TRect& R, TColor Color) {
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (B->Canvas()->Pixels(x, y) == ColorToRGB(Color)) return true;
  return false;
}

int CountColor(TBitmap* B, const TRect& R, TColor Color) {
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) n += B->Canvas()->Pixels(x, y) == ColorToRGB(Color);
  return n;
}

class SkinMenuPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);
    FForm = new TForm(nullptr);
    FForm->SetBounds(100, 100, 300, 200);
    FSkinForm = new TspSkinForm(FForm);
    FMenu = FindSkinMenu(FSkinForm);  // the skinned form makes its own
    FPopup = new TPopupMenu(FForm);
  }
  void TearDown() override { Free(FForm); }
  TspSkinData* LoadTestSkin() {
    auto* stored = new TspCompressedStoredSkin(FForm);
    stored->LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
    auto* skin = new TspSkinData(FForm);
    skin->LoadCompressedStoredSkin(stored);
    return skin;
  }
  // The window painted into a bitmap of its size.
  void Snapshot(TspSkinPopupWindow* W, TBitmap& B) {
    B.SetSize(W->Width(), W->Height());
    W->PaintMenu(B.Canvas()->Handle());
  }

  TForm* FForm = nullptr;
  TspSkinForm* FSkinForm = nullptr;
  TspSkinMenu* FMenu = nullptr;
  TPopupMenu* FPopup = nullptr;
};

TEST_F(SkinMenuPaintTest, DefaultLookMarksHighlightAndSeparator) {
  TMenuItem* root = FPopup->Items();
  TMenuItem* check = AddItem(root, L"Check", FPopup);
  check->SetChecked(true);
  AddItem(root, L"-", FPopup);
  TMenuItem* radio = AddItem(root, L"Radio", FPopup);
  radio->SetRadioItem(true);
  radio->SetChecked(true);
  AddItem(root, L"Sub", FPopup);
  AddItem(root->Items(3), L"Inner", FPopup);
  FMenu->PopupItems(nullptr, nullptr, false, root, TRect(150, 150, 150, 150), 0);
  TspSkinPopupWindow* w = FMenu->Level(0);
  TBitmap b;
  Snapshot(w, b);
  // The first item is highlighted: navy frame, blue-grey fill.
  const TRect r0 = w->Items(0)->ItemRect;
  EXPECT_EQ(b.Canvas()->Pixels(r0.Left, r0.Top), ColorToRGB(0x800000));
  EXPECT_EQ(b.Canvas()->Pixels(r0.Right - 3, r0.Top + 2), ColorToRGB(0xD2BDB6));
  // Its check mark: three strokes of 6 pixels' run each, in the text colour.
  const TRect mark0(r0.Left + 2, r0.Top, r0.Left + 16, r0.Bottom);
  EXPECT_GE(CountColor(&b, mark0, clWindowText), 15);
  // The radio item: a 6 x 6 dot left of the caption, on the face-coloured column.
  const TRect r2 = w->Items(2)->ItemRect;
  EXPECT_EQ(b.Canvas()->Pixels(r2.Left + 1, r2.Top + 1), ColorToRGB(clBtnFace));
  const int middle = r2.Top + 2 + (r2.Height() - 4) / 2;
  EXPECT_EQ(b.Canvas()->Pixels(r2.Left + 2 + 3 + 3, middle), ColorToRGB(clWindowText));
  EXPECT_LE(CountColor(&b, TRect(r2.Left + 2, r2.Top, r2.Left + 16, r2.Bottom), clWindowText), 36);
  // The separator: one shadow line across, right of the image column.
  const TRect r1 = w->Items(1)->ItemRect;
  EXPECT_EQ(b.Canvas()->Pixels(r1.Left + 40, r1.Top + 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(b.Canvas()->Pixels(r1.Left + 40, r1.Top + 1), ColorToRGB(clWindow));
  // The submenu arrow at the right.
  const TRect r3 = w->Items(3)->ItemRect;
  EXPECT_TRUE(HasColor(&b, TRect(r3.Right - 12, r3.Top, r3.Right - 2, r3.Bottom), clWindowText));
  // The window frame: shadow outside, window colour inside.
  EXPECT_EQ(b.Canvas()->Pixels(0, w->Height() / 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(b.Canvas()->Pixels(1, w->Height() / 2), ColorToRGB(clWindow));
}

TEST_F(SkinMenuPaintTest, ItemsDrawnByTheirOwnHandlerAndFromTheItemRecord) {
  TspSkinData* skin = LoadTestSkin();
  auto* record = dynamic_cast<TspDataSkinMenuItem*>(skin->ObjectList[skin->GetObjectIndex(L"menuitem")]);
  ASSERT_NE(record, nullptr);
  record->SkinRect = TRect(0, 32, 64, 50);
  record->ActiveSkinRect = TRect(0, 0, 64, 18);
  record->DividerRect = TRect(0, 50, 64, 54);
  TMenuItem* root = FPopup->Items();
  AddItem(root, L"First", FPopup);
  AddItem(root, L"-", FPopup);
  TMenuItem* own = AddItem(root, L"Own", FPopup);
  bool selectedSeen = true;
  own->OnDrawItem = [&](TObject* Sender, TCanvas* C, const TRect& R, bool Selected) {
    EXPECT_NE(dynamic_cast<TspSkinMenuItem*>(Sender), nullptr);
    selectedSeen = Selected;
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(0x00FF00);
    C->FillRect(R);
  };
  FMenu->PopupItems(nullptr, skin, false, root, TRect(150, 150, 150, 150), 0);
  TspSkinPopupWindow* w = FMenu->Level(0);
  ASSERT_EQ(w->ItemData(), record);
  EXPECT_EQ(w->Items(0)->ItemRect.Height(), 18);
  EXPECT_EQ(w->Items(1)->ItemRect.Height(), 4);
  TBitmap b;
  Snapshot(w, b);
  TBitmap* pict = skin->ActivePictures[record->ActivePictureIndex];
  // The highlighted first item shows the active rectangle of the picture
  // (its left end, outside the text), the others the normal one.
  const TRect r0 = w->Items(0)->ItemRect;
  EXPECT_EQ(b.Canvas()->Pixels(r0.Left + 1, r0.Top + 1), pict->Canvas()->Pixels(1, 1));
  EXPECT_FALSE(selectedSeen);
  const TRect r2 = w->Items(2)->ItemRect;
  const TRect text = record->TextRect;
  EXPECT_EQ(b.Canvas()->Pixels(r2.Left + text.Left + 1, r2.Top + 2), ColorToRGB(0x00FF00));
  EXPECT_EQ(b.Canvas()->Pixels(r2.Left + 1, r2.Top + 1), pict->Canvas()->Pixels(1, 33));
}

TEST_F(SkinMenuPaintTest, MorphingTakesFiveStepsEachWayAndOutOfViewSnapsBack) {
  TspSkinData* skin = LoadTestSkin();
  auto* record = dynamic_cast<TspDataSkinMenuItem*>(skin->ObjectList[skin->GetObjectIndex(L"menuitem")]);
  record->SkinRect = TRect(0, 32, 64, 50);
  record->ActiveSkinRect = TRect(0, 0, 64, 18);
  record->Morphing = true;
  AddItem(FPopup->Items(), L"One", FPopup);
  AddItem(FPopup->Items(), L"Two", FPopup);
  FMenu->PopupItems(nullptr, skin, false, FPopup->Items(), TRect(150, 150, 150, 150), 0);
  TspSkinPopupWindow* w = FMenu->Level(0);
  w->MorphTimer()->SetEnabled(false);
  TspSkinMenuItem* two = w->Items(1);
  two->Enter(true);
  int steps = 0;
  while (two->AnimationStep()) ++steps;
  EXPECT_EQ(steps, 5);
  EXPECT_DOUBLE_EQ(two->MorphFactor, 1.0);
  two->Leave();
  two->AnimationStep();
  two->AnimationStep();
  EXPECT_NEAR(two->MorphFactor, 0.6, 1e-9);
  two->Enter(true);  // back from where it stands
  EXPECT_TRUE(two->AnimationStep());
  EXPECT_NEAR(two->MorphFactor, 0.8, 1e-9);
  two->InView = false;
  EXPECT_FALSE(two->MorphRunning());
  EXPECT_EQ(two->MorphFactor, 0);
  EXPECT_FALSE(two->Active);
  // Without skin effects there is no morphing.
  skin->SetEnableSkinEffects(false);
  EXPECT_FALSE(two->CanMorph());
}

TEST_F(SkinMenuPaintTest, TheFirstMenuFadesInToTheValueAndLaterOnesAppearAtOnce) {
  AddItem(FPopup->Items(), L"One", FPopup);
  AddItem(FPopup->Items()->Items(0), L"Inner", FPopup);
  FMenu->AlphaBlend = true;
  FMenu->AlphaBlendAnimation = true;
  FMenu->AlphaBlendValue = 195;
  FMenu->PopupItems(nullptr, nullptr, false, FPopup->Items(), TRect(150, 150, 150, 150), 0);
  const std::vector<int> steps = FMenu->Level(0)->FadeSteps();
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps.front(), 0);
  EXPECT_EQ(steps[1], 10);
  EXPECT_EQ(steps.back(), 195);
  EXPECT_EQ(steps.size(), 21u);
  EXPECT_TRUE(GetWindowLongW(FMenu->Level(0)->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  // A submenu, and a menu opened while one is open, do not fade.
  FMenu->ActivateMenuItem(FMenu->Level(0), FMenu->Level(0)->Items(0), true, false);
  ASSERT_EQ(FMenu->LevelCount(), 2);
  EXPECT_TRUE(FMenu->Level(1)->FadeSteps().empty());
  FMenu->PopupItems(nullptr, nullptr, false, FPopup->Items(), TRect(150, 150, 150, 150), 0);
  EXPECT_TRUE(FMenu->Level(0)->FadeSteps().empty());
}

TEST_F(SkinMenuPaintTest, TwoItemSetsMakeOneLevelAndActionsUpdateFirst) {
  TMenu other(nullptr);
  AddItem(FPopup->Items(), L"A1", FPopup);
  AddItem(FPopup->Items(), L"A2", FPopup);
  AddItem(other.Items(), L"B1", &other);
  TMenuItem* acted = AddItem(other.Items(), L"B2", &other);
  auto* action = new TCustomAction(FForm);
  action->SetCaption(L"Old");
  action->OnUpdate = [action](TObject*) { action->SetCaption(L"Updated"); };
  acted->SetAction(action);
  FMenu->PopupTwoItemSets(nullptr, nullptr, false, other.Items(), FPopup->Items(), TRect(150, 150, 150, 150), 1);
  TspSkinPopupWindow* w = FMenu->Level(0);
  ASSERT_EQ(w->ItemCount(), 3);  // from index 1 of the first set, then all of the second
  EXPECT_EQ(w->Items(0)->MenuItem->Caption(), L"A2");
  EXPECT_EQ(w->Items(1)->MenuItem->Caption(), L"B1");
  EXPECT_EQ(w->Items(2)->MenuItem->Caption(), L"Updated");
  // Beyond both sets: nothing opens.
  FMenu->PopupTwoItemSets(nullptr, nullptr, false, other.Items(), FPopup->Items(), TRect(150, 150, 150, 150), 4);
  EXPECT_FALSE(FMenu->Visible());
}

TEST_F(SkinMenuPaintTest, APopupMenuTakesTheSkinOfItsFormAndOpensAtItsPoint) {
  TspSkinData* skin = LoadTestSkin();
  FSkinForm->SetMenusSkinData(skin);
  auto* popup = new TspSkinPopupMenu(FForm);
  AddItem(popup->Items(), L"Only", popup);
  int popups = 0;
  popup->OnPopup = [&](TObject*) { ++popups; };
  popup->Popup(170, 180);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(popup->SkinData(), skin);
  EXPECT_EQ(popup->PopupPoint(), TPoint(170, 180));
  ASSERT_TRUE(FMenu->Visible());
  EXPECT_EQ(FMenu->Level(0)->PopupWindowData(), skin->PopupWindow.get());
  FMenu->CloseSkinMenu();
  Free(skin);
  EXPECT_EQ(popup->SkinData(), nullptr);
  // On a form without a skinned form only OnPopup runs.
  auto* plain = new TForm(nullptr);
  auto* lonely = new TspSkinPopupMenu(plain);
  AddItem(lonely->Items(), L"Only", lonely);
  lonely->OnPopup = [&](TObject*) { ++popups; };
  lonely->Popup(10, 10);
  EXPECT_EQ(popups, 2);
  EXPECT_FALSE(FMenu->Visible());
  Free(plain);
}

TEST_F(SkinMenuPaintTest, AMaskedLevelTakesItsRegionAndLeavesNoRegionsBehind) {
  TspSkinData* skin = LoadTestSkin();
  auto* mask = new TBitmap;
  TBitmap* frame = skin->ActivePictures[skin->PopupWindow->WindowPictureIndex];
  mask->SetSize(frame->Width(), frame->Height());
  mask->Canvas()->Brush()->SetColor(clWhite);
  mask->Canvas()->FillRect(TRect(0, 0, mask->Width(), mask->Height()));
  mask->Canvas()->Brush()->SetColor(clBlack);  // black is inside
  mask->Canvas()->FillRect(TRect(1, 0, mask->Width(), mask->Height()));
  skin->ActivePictures.Add(mask);
  skin->PopupWindow->MaskPictureIndex = skin->ActivePictures.Count() - 1;
  AddItem(FPopup->Items(), L"One", FPopup);
  auto open = [&] {
    FMenu->PopupItems(nullptr, skin, false, FPopup->Items(), TRect(150, 150, 150, 150), 0);
    FMenu->CloseSkinMenu();
  };
  FMenu->PopupItems(nullptr, skin, false, FPopup->Items(), TRect(150, 150, 150, 150), 0);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(FMenu->Level(0)->Handle(), probe), ERROR);
  // The mask's first column is outside: the left edge of the window is cut.
  EXPECT_FALSE(PtInRegion(probe, 0, 5));
  EXPECT_TRUE(PtInRegion(probe, 3, 5));
  DeleteObject(probe);
  FMenu->CloseSkinMenu();
  for (int i = 0; i < 10; ++i) open();
  const int gdi = GdiObjectsInUse();
  for (int i = 0; i < 200; ++i) open();
  EXPECT_LE(GdiObjectsInUse(), gdi + 5);
}

// The rows of R in B, as text for comparing.
std::vector<std::vector<COLORREF>> Rows(TBitmap* B, const TRect& R) {
  std::vector<std::vector<COLORREF>> rows;
  for (int y = R.Top; y < R.Bottom; ++y) {
    rows.emplace_back();
    for (int x = R.Left; x < R.Right; ++x) rows.back().push_back(B->Canvas()->Pixels(x, y));
  }
  return rows;
}

TEST_F(SkinMenuPaintTest, CaptionsReadInTheReadingOrderOfTheMenusForm) {
  TMenuItem* root = FPopup->Items();
  AddItem(root, L"First", FPopup);
  AddItem(root, L"Open (2)...", FPopup);
  // The second item's look, default and from the test skin's record, with
  // the form read from the left and then from the right.
  const auto itemLook = [&](TspSkinData* Skin, TBiDiMode Mode, TBitmap& B) {
    FForm->SetBiDiMode(Mode);
    FMenu->PopupItems(nullptr, Skin, false, root, TRect(150, 150, 150, 150), 0);
    TspSkinPopupWindow* w = FMenu->Level(0);
    Snapshot(w, B);
    const TRect r = w->Items(1)->ItemRect;
    FMenu->CloseSkinMenu();
    return r;
  };
  TBitmap ltr, rtl;
  const TRect r = itemLook(nullptr, bdLeftToRight, ltr);
  ASSERT_EQ(itemLook(nullptr, bdRightToLeft, rtl), r);
  // The same letters, in another order: the trailing punctuation leads.
  EXPECT_NE(Rows(&ltr, r), Rows(&rtl, r));
  const int letters = CountColor(&ltr, r, clWindowText);
  EXPECT_GT(letters, 20);
  EXPECT_NEAR(CountColor(&rtl, r, clWindowText), letters, letters / 10);

  TspSkinData* skin = LoadTestSkin();
  auto* record = dynamic_cast<TspDataSkinMenuItem*>(skin->ObjectList[skin->GetObjectIndex(L"menuitem")]);
  ASSERT_NE(record, nullptr);
  record->SkinRect = TRect(0, 32, 64, 50);
  record->ActiveSkinRect = TRect(0, 0, 64, 18);
  const TRect s = itemLook(skin, bdLeftToRight, ltr);
  ASSERT_EQ(itemLook(skin, bdRightToLeft, rtl), s);
  EXPECT_NE(Rows(&ltr, s), Rows(&rtl, s));
  FForm->SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(itemLook(skin, bdLeftToRight, rtl), s);
  EXPECT_EQ(Rows(&ltr, s), Rows(&rtl, s));
}

}  // namespace
