// The skinned tool bar under real windows: children centred and given the
// bar's skin data, flat mode and image lists; captions shown at once; and
// the non-client scroll buttons: when they show, their hit codes, clicks,
// holding and their look.
#include <gtest/gtest.h>

#include "../skin/SkinFormTestUtils.h"
#include "EditedTestSkin.h"
#include "SkinCtrlTestUtils.h"
#include "classlib/ImgList.h"
#include "classlib/StdCtrls.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinToolBar.h"

namespace {

class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 420, 200);
    bar = new TspSkinToolBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 300, 40);
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
    Settle();
  }
  template <class T>
  T* AddButton(int Left, int Width = 25) {
    T* b = new T(form);
    b->SetParent(bar);
    b->SetBounds(Left, 0, Width, 25);
    return b;
  }
  // A row of N buttons, 30 pixels apart from the left.
  void AddRow(int N) {
    for (int i = 0; i < N; ++i) AddButton<TspSkinSpeedButton>(i * 30);
  }
  // A point of the bar's window, in screen coordinates.
  TPoint OnBar(int X, int Y) const {
    const TRect w = WindowRectOf(bar->Handle());
    return TPoint(w.Left + X, w.Top + Y);
  }
  LRESULT HitAtBar(int X, int Y) const { return HitAt(bar->Handle(), TPoint(X, Y)); }

  TForm* form = nullptr;
  TspSkinToolBar* bar = nullptr;
};

}  // namespace

TEST_F(ToolBarTest, DefaultsAndRefusedValues) {
  auto* fresh = new TspSkinToolBar(form);
  EXPECT_EQ(fresh->SkinDataName(), L"toolpanel");
  EXPECT_EQ(fresh->Height(), 25);
  EXPECT_EQ(fresh->BorderStyle(), bvNone);
  EXPECT_TRUE(fresh->AdjustControls());
  EXPECT_EQ(fresh->ScrollTimerInterval(), 50);
  fresh->SetScrollTimerInterval(0);
  fresh->SetScrollOffset(-5);
  EXPECT_EQ(fresh->ScrollTimerInterval(), 50);
  EXPECT_EQ(fresh->ScrollOffset(), 0);
  fresh->SetScrollOffset(40);
  EXPECT_EQ(fresh->ScrollOffset(), 40);
}

TEST_F(ToolBarTest, ChildrenAreCentredInTheClientAndFollowAResize) {
  auto* b = AddButton<TspSkinSpeedButton>(5);
  auto* m = AddButton<TspSkinMenuSpeedButton>(40, 50);
  auto* plain = new TButton(form);
  plain->SetParent(bar);
  plain->SetBounds(100, 0, 60, 20);
  // Without a skin the client is one pixel in at the top and bottom: 1 .. 39.
  EXPECT_EQ(b->Top(), 1 + 38 / 2 - 25 / 2);
  EXPECT_EQ(m->Top(), 8);
  bar->SetHeight(60);
  EXPECT_EQ(b->Top(), 1 + 58 / 2 - 12);
  EXPECT_EQ(plain->Top(), 1 + 58 / 2 - 10);
  // Without AdjustControls a child stays where it is put.
  bar->SetAdjustControls(false);
  b->SetTop(3);
  bar->SetHeight(50);
  EXPECT_EQ(b->Top(), 3);
}

TEST_F(ToolBarTest, ChildrenTakeTheSkinDataFlatModeAndImageLists) {
  auto* b = AddButton<TspSkinSpeedButton>(5);
  auto* m = AddButton<TspSkinMenuSpeedButton>(40);
  auto* bevel = new TspSkinBevel(form);
  bevel->SetParent(bar);
  auto* skin = NewTestSkin(form);
  bar->SetSkinData(skin);
  EXPECT_EQ(b->SkinData(), skin);
  EXPECT_EQ(m->SkinData(), skin);
  EXPECT_EQ(bevel->SkinData(), skin);
  bar->SetFlat(true);
  EXPECT_TRUE(b->Flat());
  EXPECT_TRUE(m->Flat());
  auto *images = new TImageList(form, 16, 16), *hot = new TImageList(form, 16, 16);
  EXPECT_EQ(bar->ButtonImages(true, false), nullptr);  // no list: the button's own sources
  bar->SetImages(images);
  bar->SetHotImages(hot);
  EXPECT_EQ(bar->ButtonImages(true, false), images);
  EXPECT_EQ(bar->ButtonImages(true, true), hot);
  EXPECT_EQ(bar->ButtonImages(false, false), images);  // no disabled list
  Free(hot);
  EXPECT_EQ(bar->HotImages(), nullptr);
  EXPECT_EQ(bar->ButtonImages(true, true), images);
}

namespace {

// A speed button whose face builder a test can call.
class FaceProbe : public TspSkinSpeedButton {
 public:
  using TspSkinSpeedButton::TspSkinSpeedButton;
  using TspSkinSpeedButton::CreateFace;
  TRect NormalRect() const { return SkinRect; }
};

// An image list of one 16 x 16 image of a single colour.
TImageList* SolidImages(TComponent* Owner, TColor Color) {
  auto* list = new TImageList(Owner, 16, 16);
  TBitmap b;
  b.SetSize(16, 16);
  b.Canvas()->Brush()->SetColor(Color);
  b.Canvas()->FillRect(TRect(0, 0, 16, 16));
  list->Add(&b, nullptr);
  return list;
}

int CountColour(TBitmap& B, TColor Color) {
  int n = 0;
  for (int y = 0; y < B.Height(); ++y)
    for (int x = 0; x < B.Width(); ++x) n += ColorToRGB(B.Canvas()->Pixels(x, y)) == Color;
  return n;
}

}  // namespace

TEST_F(ToolBarTest, EachFaceTakesTheImagesOfItsOwnStateWhileHot) {
  auto* b = AddButton<FaceProbe>(5, 40);
  b->SetSkinDataName(L"button");
  b->SetSkinData(NewTestSkin(form));
  bar->SetImages(SolidImages(form, 0x0000FF));
  bar->SetHotImages(SolidImages(form, 0xFF0000));
  b->SetImageIndex(0);
  ShowAndActivate(form);
  b->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(b->MouseIn());
  // Hot, as during a morph: the normal face still shows the plain image, the
  // active face the hot one.
  TBitmap normal, active;
  b->CreateFace(&normal, b->NormalRect(), false, false);
  b->CreateFace(&active, b->SkinValues().ActiveSkinRect, true, false);
  EXPECT_EQ(CountColour(normal, 0x0000FF), 256);
  EXPECT_EQ(CountColour(normal, 0xFF0000), 0);
  EXPECT_EQ(CountColour(active, 0xFF0000), 256);
}

TEST_F(ToolBarTest, ShowCaptionsSetsTheWidthAndTheButtonsCaptions) {
  auto* b = AddButton<TspSkinSpeedButton>(5);
  bar->SetWidthWithCaptions(200);
  bar->SetWidthWithoutCaptions(80);
  bar->SetShowCaptions(true);
  EXPECT_EQ(bar->Width(), 200);
  EXPECT_TRUE(b->ShowCaption());  // AutoShowHideCaptions is off
  bar->SetAutoShowHideCaptions(true);
  bar->SetShowCaptions(false);
  EXPECT_EQ(bar->Width(), 80);
  EXPECT_FALSE(b->ShowCaption());
  // Only one width set: the width stays.
  bar->SetWidthWithoutCaptions(0);
  bar->SetShowCaptions(true);
  EXPECT_EQ(bar->Width(), 80);
  EXPECT_TRUE(b->ShowCaption());
}

TEST_F(ToolBarTest, ScrollButtonsShowOnlyForWiderContentWithCanScroll) {
  AddRow(10);  // ends at 295 in a 300-pixel bar
  ShowAndActivate(form);
  bar->SetCanScroll(true);
  EXPECT_FALSE(bar->ScrollButtonsShown());
  AddButton<TspSkinSpeedButton>(275);  // now ends exactly at 300
  bar->UpdateScroll();
  EXPECT_FALSE(bar->ScrollButtonsShown());
  EXPECT_EQ(bar->ClientWidth(), 300);
  // Wider content without CanScroll: no buttons, the full client.
  bar->SetCanScroll(false);
  AddButton<TspSkinSpeedButton>(400);
  bar->UpdateScroll();
  EXPECT_FALSE(bar->ScrollButtonsShown());
  EXPECT_EQ(HitAtBar(5, 20), HTCLIENT);
  bar->SetCanScroll(true);
  EXPECT_TRUE(bar->ScrollButtonsShown());
  EXPECT_EQ(bar->ClientWidth(), 300 - 2 * kToolBarScrollButtonWidth);
  EXPECT_EQ(HitAtBar(5, 20), HTTOOLBARLEFT);
  EXPECT_EQ(HitAtBar(295, 20), HTTOOLBARRIGHT);
  EXPECT_EQ(HitAtBar(150, 20), HTCLIENT);
}

TEST_F(ToolBarTest, ClickingTheButtonsScrollsByAClientWidth) {
  AddRow(20);  // ends at 595
  ShowAndActivate(form);
  bar->SetCanScroll(true);
  ASSERT_TRUE(bar->ScrollButtonsShown());
  TControl* first = bar->Controls(0);
  const int client = bar->ClientWidth();
  const TPoint right = OnBar(300 - 6, 20), left = OnBar(6, 20);
  MoveMouse(right);
  EXPECT_TRUE(bar->ScrollButtonHot(true));
  EXPECT_FALSE(bar->ScrollButtonHot(false));
  MouseDown();
  Settle();
  EXPECT_TRUE(bar->ScrollButtonPressed(true));
  MouseUp();
  Settle();
  EXPECT_FALSE(bar->ScrollButtonPressed(true));
  // The timer may have stepped while the button was held: count from the position.
  EXPECT_EQ(first->Left(), -bar->Scroll().Position);
  EXPECT_GE(bar->Scroll().Position, client);
  // Steps stop with the content's last pixel at the client's right edge.
  for (int i = 0; i < 5; ++i) bar->ScrollStep(true);
  EXPECT_EQ(bar->Scroll().Position, 595 - client);
  EXPECT_EQ(bar->Controls(19)->Left() + 25, client);
  // The mouse in the client takes the hot look away.
  MoveMouse(OnBar(150, 20));
  EXPECT_FALSE(bar->ScrollButtonHot(true));
  MoveMouse(left);
  EXPECT_TRUE(bar->ScrollButtonHot(false));
}

TEST_F(ToolBarTest, HoldingTheLeftButtonScrollsToTheStartThenStops) {
  AddRow(20);
  ShowAndActivate(form);
  bar->SetCanScroll(true);
  bar->SetScrollOffset(30);
  for (int i = 0; i < 4; ++i) bar->ScrollStep(true);
  ASSERT_EQ(bar->Scroll().Position, 120);
  MoveMouse(OnBar(6, 20));
  MouseDown();
  Settle();
  EXPECT_EQ(bar->ScrollTimerMode(), 1);
  EXPECT_TRUE(PumpUntil([&] { return bar->Scroll().Position == 0 && bar->ScrollTimerMode() == 0; }));
  EXPECT_EQ(bar->Controls(0)->Left(), 0);
  MouseUp();
  Settle();
  EXPECT_EQ(bar->Scroll().Position, 0);
}

TEST_F(ToolBarTest, HotScrollScrollsWhileTheMouseRestsOnAButton) {
  AddRow(12);  // ends at 355
  ShowAndActivate(form);
  bar->SetCanScroll(true);
  bar->SetHotScroll(true);
  bar->SetScrollOffset(20);
  MoveMouse(OnBar(300 - 6, 20));
  EXPECT_TRUE(PumpUntil([&] { return bar->ScrollTimerMode() == 0; }));
  EXPECT_EQ(bar->Scroll().Position, 355 - bar->ClientWidth());
  // Leaving the button for the client takes its hot look away.
  MoveMouse(OnBar(150, 20));
  EXPECT_FALSE(bar->ScrollButtonHot(true));
}

TEST_F(ToolBarTest, ScrollButtonsDefaultLook) {
  AddRow(20);
  ShowAndActivate(form);
  bar->SetCanScroll(true);
  Settle();
  const HWND h = bar->Handle();
  EXPECT_EQ(ScreenPixel(h, TPoint(0, 0)), static_cast<COLORREF>(Rgb(clBtnShadow)));
  EXPECT_EQ(ScreenPixel(h, TPoint(5, 3)), static_cast<COLORREF>(Rgb(clBtnFace)));
  MoveMouse(OnBar(300 - 6, 20));
  Settle();
  EXPECT_EQ(ScreenPixel(h, TPoint(300 - 12, 0)), static_cast<COLORREF>(0x800000));
  EXPECT_EQ(ScreenPixel(h, TPoint(300 - 10, 3)), static_cast<COLORREF>(0xD2BDB6));
  // The left one stays idle.
  EXPECT_EQ(ScreenPixel(h, TPoint(0, 0)), static_cast<COLORREF>(Rgb(clBtnShadow)));
}

namespace {

// Whether the pixels of A and B, two same-sized controls of Bar, agree.
bool SameLook(TWinControl* Bar, TControl* A, TControl* B) {
  std::unique_ptr<TBitmap> shot = Snapshot(Bar);
  for (int y = 0; y < A->Height(); ++y)
    for (int x = 0; x < A->Width(); ++x)
      if (shot->Canvas()->Pixels(A->Left() + x, A->Top() + y) != shot->Canvas()->Pixels(B->Left() + x, B->Top() + y))
        return false;
  return true;
}

// A tool button whose click clears the skin, or switches to a skin without
// the hover morph, with the mouse then moved away: when the skin comes back
// it draws as its idle twin, neither hot nor pressed.
TEST_F(ToolBarTest, AButtonWhoseClickLeavesTheSkinIsIdleWhenItComesBack) {
  TspSkinData* skin = NewTestSkin(form);
  auto* plain = new TspCompressedStoredSkin(form);
  plain->LoadFromSkinFile(EditedTestSkin(L"no-morph", {{"button", "morphing", "0"}}));
  bar->SetSkinData(skin);
  auto* clicked = AddButton<TspSkinSpeedButton>(5, 40);
  auto* twin = AddButton<TspSkinSpeedButton>(60, 40);
  for (TspSkinSpeedButton* b : {clicked, twin}) {
    b->SetSkinDataName(L"button");  // the record with the hover morph
    b->SetSkinData(skin);
  }
  ShowAndActivate(form);
  ASSERT_NE(clicked->SkinIndex(), -1);
  for (bool clear : {true, false}) {
    clicked->OnClick = [&](TObject*) {
      if (clear) skin->ClearAll();
      else skin->LoadCompressedStoredSkin(plain);
    };
    MoveMouse(Center(clicked));
    ASSERT_TRUE(PumpUntil([&] { return clicked->MorphKf() == 1; }));
    ::MouseDown();
    Settle();
    ::MouseUp();
    Settle();
    // Away, and the button knows it, before the skin comes back.
    MoveMouse(TPoint(2, 2));
    MoveMouse(OnBar(150, 20));
    MoveMouse(TPoint(2, 2));
    ASSERT_TRUE(PumpUntil([&] { return !clicked->MouseIn(); })) << clear;
    clicked->OnClick = nullptr;
    skin->LoadCompressedStoredSkin(TestStoredSkin());
    Settle();
    EXPECT_EQ(clicked->MorphKf(), 0) << clear;
    EXPECT_TRUE(SameLook(bar, clicked, twin)) << clear;
  }
}

}  // namespace
