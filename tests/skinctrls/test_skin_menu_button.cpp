// The menu speed button and the image-grid menu under real windows, mouse
// and keys: which press opens a menu, the button coming back up when a menu
// closes or never opens, choosing in the grid by mouse and keys, and the
// grid's events.
#include <gtest/gtest.h>

#include "../skin/SkinFormTestUtils.h"
#include "SkinCtrlTestUtils.h"
#include "classlib/ImgList.h"
#include "skin/SkinWindowRecords.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "test_skin_menus_utils.h"

namespace {

// An image list of N plain 16 x 16 squares.
TImageList* Squares(TComponent* Owner, int N) {
  auto* list = new TImageList(Owner, 16, 16);
  for (int i = 0; i < N; ++i) {
    TBitmap b;
    b.SetSize(16, 16);
    b.Canvas()->Brush()->SetColor(RGB(20 * i, 200 - 10 * i, 90));
    b.Canvas()->FillRect(TRect(0, 0, 16, 16));
    list->AddMasked(&b, clFuchsia);
  }
  return list;
}

class MenuButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 260);
    button = new TspSkinMenuSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 60, 25);
    button->OnClick = [this](TObject*) { ++clicks; };
    button->OnShowTrackMenu = [this](TObject*) { ++shown; };
    button->OnHideTrackMenu = [this](TObject*) { ++hidden; };
    grid = new TspSkinImagesMenu(form);
    grid->SetImages(Squares(form, 20));
    grid->SetColumnsCount(8);
    for (int i = 0; i < 20; ++i) grid->ImagesItems()->Add()->SetImageIndex(i);
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
    Settle();
  }
  void PressAt(int X, int Y) {
    MoveMouse(button->ClientToScreen(TPoint(X, Y)));
    MouseDown();
    Settle();
  }
  void Release() {
    MouseUp();
    Settle();
  }
  void ClickScreen(const TPoint& P) {
    MoveMouse(P);
    MouseDown();
    Settle();
    MouseUp();
    Settle();
  }
  TspSkinImagesMenuPopupWindow* Window() const { return grid->PopupWindow(); }
  // A cell's centre on the screen.
  TPoint CellOnScreen(int Index) const {
    const TRect& r = grid->ImagesItems()->Items(Index)->ItemRect;
    return Window()->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }

  TForm* form = nullptr;
  TspSkinMenuSpeedButton* button = nullptr;
  TspSkinImagesMenu* grid = nullptr;
  int clicks = 0, shown = 0, hidden = 0;
};

}  // namespace

TEST_F(MenuButtonTest, WithoutAMenuItIsASpeedButton) {
  ShowAndActivate(form);
  PressAt(50, 12);  // in the strip, which means nothing without a menu
  EXPECT_TRUE(button->Down());
  EXPECT_FALSE(button->MenuOpen());
  Release();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(shown, 0);
}

TEST_F(MenuButtonTest, AMenuThatCannotOpenLetsTheButtonUpAtOnce) {
  ShowAndActivate(form);
  // No skinned form: the skinned popup menu has nowhere to open.
  auto* popup = new TspSkinPopupMenu(form);
  AddItem(popup->Items(), L"One", popup);
  button->SetSkinPopupMenu(popup);
  PressAt(30, 12);
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->MenuOpen());
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(hidden, 1);
  Release();
  EXPECT_EQ(clicks, 0);
  // An image menu whose list is empty opens nothing either.
  button->SetSkinPopupMenu(nullptr);
  int popups = 0;
  grid->OnMenuPopup = [&](TObject*) { ++popups; };
  grid->SetImages(new TImageList(form, 16, 16));
  button->SetSkinImagesMenu(grid);
  PressAt(30, 12);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_FALSE(button->Down());
  Release();
  EXPECT_EQ(clicks, 0);
}

TEST_F(MenuButtonTest, EmptySkinMenuOnASkinnedFormLetsTheButtonUp) {
  auto* skin = NewTestSkin(nullptr);
  {
    TSkinnedForm f(skin, 400, 260);
    auto* b = new TspSkinMenuSpeedButton(f.Form);
    b->SetParent(f.Form);
    b->SetBounds(20, 20, 60, 25);
    auto* popup = new TspSkinPopupMenu(f.Form);
    b->SetSkinPopupMenu(popup);
    ShowAndActivate(f.Form);
    MoveMouse(Center(b));
    MouseDown();
    Settle();
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(b->MenuOpen());
    MouseUp();
    Settle();
    // With items it opens and stays down past the release until a click
    // elsewhere closes the menu.
    AddItem(popup->Items(), L"One", popup);
    int closes = 0, clicked = 0;
    b->OnHideTrackMenu = [&](TObject*) { ++closes; };
    b->OnClick = [&](TObject*) { ++clicked; };
    MouseDown();
    Settle();
    MouseUp();
    Settle();
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(b->MenuOpen());
    EXPECT_TRUE(FindSkinMenu(f.Frame)->Visible());
    MoveMouse(f.Form->ClientToScreen(TPoint(300, 200)));
    MouseDown();
    Settle();
    MouseUp();
    Settle();
    EXPECT_FALSE(FindSkinMenu(f.Frame)->Visible());
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(b->MenuOpen());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(clicked, 0);
  }
  Free(skin);
}

TEST_F(MenuButtonTest, TrackModeOpensOnlyFromTheStrip) {
  button->SetSkinImagesMenu(grid);
  button->SetTrackButtonMode(true);
  ShowAndActivate(form);
  PressAt(20, 12);  // the button part
  EXPECT_EQ(Window(), nullptr);
  Release();
  EXPECT_EQ(clicks, 1);
  PressAt(50, 12);  // within 15 pixels of the right edge
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(button->Down());
  Release();
  EXPECT_TRUE(button->Down());  // the release is ignored while the menu is open
  EXPECT_EQ(clicks, 1);
  PostKey(VK_ESCAPE);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(hidden, 1);
  EXPECT_EQ(grid->ItemIndex(), -1);
  // NewStyle with the track at the bottom: the bottom strip opens.
  button->SetNewStyle(true);
  button->SetTrackPosition(sptpBottom);
  button->SetHeight(40);
  EXPECT_EQ(button->TrackRect(), TRect(0, 25, 60, 40));
  EXPECT_EQ(button->SkinDataName(), L"resizetoolbutton");
}

TEST_F(MenuButtonTest, ClickingACellChoosesItAndFiresTheEvents) {
  button->SetSkinImagesMenu(grid);
  button->SetUseImagesMenuImage(true);
  int itemClicks = 0, changes = 0, closes = 0, itemOwn = 0;
  grid->OnItemClick = [&](TObject*) { ++itemClicks; };
  grid->OnChange = [&](TObject*) { ++changes; };
  grid->OnMenuClose = [&](TObject*) { ++closes; };
  grid->ImagesItems()->Items(9)->OnClick = [&](TObject* Sender) { itemOwn += Sender == grid; };
  ShowAndActivate(form);
  PressAt(30, 12);
  Release();
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(Window()->Width(), 8 * 26 + 10);
  EXPECT_EQ(Window()->Height(), 26 + 27 * 2 + 10);
  ClickScreen(CellOnScreen(9));
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(grid->ItemIndex(), 9);
  EXPECT_EQ(itemOwn, 1);
  EXPECT_EQ(itemClicks, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(button->Down());
  // Enter with no hot item closes as a choice of the same item: no change.
  PressAt(30, 12);
  Release();
  ASSERT_NE(Window(), nullptr);
  MoveMouse(TPoint(2, 2));
  PostKey(VK_RETURN);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(grid->ItemIndex(), 9);
  EXPECT_EQ(itemClicks, 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(MenuButtonTest, ArrowKeysMoveTheHotCellAndAPressOutsideCloses) {
  grid->ImagesItems()->Insert(0);
  grid->ImagesItems()->Items(0)->SetHeader(true);
  grid->ImagesItems()->Items(0)->SetCaption(L"Colours");
  button->SetSkinImagesMenu(grid);
  ShowAndActivate(form);
  PressAt(30, 12);
  Release();
  ASSERT_NE(Window(), nullptr);
  MoveMouse(TPoint(2, 2));
  // A heading cannot be chosen: a click on it leaves the menu open.
  ClickScreen(CellOnScreen(0));
  ASSERT_NE(Window(), nullptr);
  MoveMouse(TPoint(2, 2));
  PostKey(VK_DOWN);  // none hot: the first item after the heading
  EXPECT_EQ(Window()->HotItem(), 1);
  PostKey(VK_DOWN);
  EXPECT_EQ(Window()->HotItem(), 9);
  PostKey(VK_LEFT);
  EXPECT_EQ(Window()->HotItem(), 8);
  PostKey(VK_SPACE);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(grid->ItemIndex(), 8);
  // A press anywhere else closes without a choice.
  PressAt(30, 12);
  Release();
  ASSERT_NE(Window(), nullptr);
  ClickScreen(form->ClientToScreen(TPoint(380, 240)));
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(grid->ItemIndex(), 8);
  EXPECT_FALSE(button->Down());
}

TEST_F(MenuButtonTest, AMenuOrButtonGoingAwayWhileOpenLeavesNothingBehind) {
  button->SetSkinImagesMenu(grid);
  ShowAndActivate(form);
  PressAt(30, 12);
  Release();
  ASSERT_NE(Window(), nullptr);
  // The menu goes while open: the button comes back up.
  Free(grid);
  grid = nullptr;
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->MenuOpen());
  EXPECT_EQ(button->SkinImagesMenu(), nullptr);
  // The button goes while its menu is open: the close reaches no one.
  grid = new TspSkinImagesMenu(form);
  grid->SetImages(Squares(form, 4));
  for (int i = 0; i < 4; ++i) grid->ImagesItems()->Add()->SetImageIndex(i);
  button->SetSkinImagesMenu(grid);
  PressAt(30, 12);
  Release();
  ASSERT_NE(Window(), nullptr);
  Free(button);
  button = nullptr;
  int closes = 0;
  grid->OnMenuClose = [&](TObject*) { ++closes; };
  PostKey(VK_RIGHT);
  PostKey(VK_RETURN);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(grid->ItemIndex(), 0);
}

TEST_F(MenuButtonTest, SkinnedGridTakesThePopupFrameAroundItsCells) {
  auto* skin = new TspSkinData(form);
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  skin->LoadCompressedStoredSkin(&stored);
  const TspDataSkinPopupWindow& frame = *skin->PopupWindow;
  TBitmap* picture = skin->ActivePictures[frame.WindowPictureIndex];
  grid->SetSkinData(skin);
  grid->ImagesItems()->Add()->SetHeader(true);
  button->SetSkinImagesMenu(grid);
  ShowAndActivate(form);
  PressAt(30, 12);
  Release();
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->Skinned());
  // The cells start at the frame's first corner; the heading is the label's height.
  const TRect& first = grid->ImagesItems()->Items(0)->ItemRect;
  EXPECT_EQ(first.TopLeft(), frame.LTPoint);
  const auto* label = RecordOf<TspDataSkinLabelControl>(skin, L"label");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(grid->ImagesItems()->Items(20)->ItemRect.Height(), label->SkinRect.Height());
  const TRect& bounds = Window()->Grid().Bounds;
  EXPECT_EQ(Window()->Width(), picture->Width() - frame.ItemsRect.Width() + bounds.Width());
  EXPECT_EQ(Window()->Height(), picture->Height() - frame.ItemsRect.Height() + bounds.Height());
  PostKey(VK_ESCAPE);
  EXPECT_EQ(Window(), nullptr);
}

// A menu speed button draws from any button record: a menu-button record is
// a button record with a track rectangle, so a plain "button" record (or a
// tool button's) is of its kind and draws the button's face; a record of
// another kind counts as none.
TEST(MenuButtonRecordKinds, ButtonRecordsAreItsKindOthersAreNone) {
  auto* form = new TForm(nullptr);
  auto* stored = new TspCompressedStoredSkin(form);
  stored->LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  auto* skin = new TspSkinData(form);
  skin->LoadCompressedStoredSkin(stored);
  auto* button = new TspSkinMenuSpeedButton(form);
  button->SetParent(form);
  button->SetSkinData(skin);
  const struct {
    const wchar_t* Record;
    bool Drawn;
  } kinds[] = {{L"toolmenubutton", true}, {L"button", true},    {L"resizetoolbutton", true},
               {L"checkbox", false},      {L"panel", false},    {L"edit", false}};
  for (const auto& k : kinds) {
    button->SetSkinDataName(k.Record);
    button->GetSkinData();  // as its paint does first
    EXPECT_EQ(button->SkinIndex() != -1, k.Drawn) << WideToUtf8(k.Record);
  }
  Free(form);
}

TEST(ImagesMenu, ColumnsOutsideOneToFiftyAreRefusedAndAssignCopiesEverything) {
  TspSkinImagesMenu menu(nullptr);
  menu.SetColumnsCount(8);
  menu.SetColumnsCount(0);
  EXPECT_EQ(menu.ColumnsCount(), 8);
  menu.SetColumnsCount(51);
  EXPECT_EQ(menu.ColumnsCount(), 8);
  menu.SetColumnsCount(50);
  EXPECT_EQ(menu.ColumnsCount(), 50);

  TspImagesMenuItem* a = menu.ImagesItems()->Add();
  a->SetImageIndex(3);
  a->SetCaption(L"Head");
  a->SetHeader(true);
  a->SetButton(true);
  a->SetHint(L"tip");
  int clicked = 0;
  a->OnClick = [&](TObject*) { ++clicked; };
  TspImagesMenuItem* b = menu.ImagesItems()->Add();
  b->Assign(a);
  EXPECT_EQ(b->ImageIndex(), 3);
  EXPECT_EQ(b->Caption(), L"Head");
  EXPECT_TRUE(b->Header());
  EXPECT_TRUE(b->Button());
  EXPECT_EQ(b->Hint(), L"tip");
  ASSERT_TRUE(static_cast<bool>(b->OnClick));
  b->OnClick(nullptr);
  EXPECT_EQ(clicked, 1);
  // The selected item follows ItemIndex and is nil outside the list.
  menu.SetItemIndex(1);
  EXPECT_EQ(menu.GetSelectedItem(), b);
  menu.SetItemIndex(2);
  EXPECT_EQ(menu.GetSelectedItem(), nullptr);
}
