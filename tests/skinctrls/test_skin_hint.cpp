// Skinned hints: line splitting, size and placement, the fade-in steps, the
// serving component, and handing the application's hints back when the
// component goes.
#include <gtest/gtest.h>

#include <vector>

#include "../classlib/ControlTestUtils.h"
#include "../skin/SkinTestData.h"
#include "skin/SkinStoredSkin.h"
#include "skinctrls/SkinControl.h"
#include "skinctrls/SkinHint.h"

namespace {

TEST(SkinHintGeometry, LinesSizesPlacementAndFadeSteps) {
  EXPECT_EQ(SplitHintLines(L"Open@file", L"@"), L"Open\n\rfile");
  EXPECT_EQ(SplitHintLines(L"a@@b@", L"@"), L"a\n\r\n\rb\n\r");
  EXPECT_EQ(SplitHintLines(L"Open@file", L""), L"Open@file");
  EXPECT_EQ(SplitHintLines(L"a||b", L"||"), L"a\n\rb");

  TspHintSize s = CalcHintSize(50, 14, false, nullptr);
  EXPECT_EQ(s.Width, 54);
  EXPECT_EQ(s.Height, 18);
  // A 64 x 32 frame with a 4-pixel border: borders added, 5 more across.
  TspHintFrame f{{4, 4}, {60, 4}, {4, 28}, {60, 28}, TRect(4, 4, 60, 28), 64, 32};
  s = CalcHintSize(50, 14, false, &f);
  EXPECT_EQ(s.Width, 50 + 8 + 5);
  EXPECT_EQ(s.Height, 14 + 8);
  EXPECT_EQ(s.NewClRect, TRect(4, 4, 60 + (s.Width - 64), 28 + (s.Height - 32)));
  EXPECT_EQ(s.NewRB, TPoint(60 + s.Width - 64, 28 + s.Height - 32));
  // Too small a text for the corner pieces: the window grows until none overlap.
  TspHintFrame wide{{20, 10}, {44, 10}, {20, 22}, {44, 22}, TRect(4, 4, 60, 28), 64, 32};
  s = CalcHintSize(2, 2, false, &wide);
  EXPECT_GE(s.NewRT.X, s.NewLT.X);
  EXPECT_GE(s.NewLB.Y, s.NewLT.Y);
  EXPECT_EQ(s.NewRT.X, 20);
  EXPECT_EQ(s.NewLB.Y, 10);

  const TRect area(0, 0, 800, 600);
  EXPECT_EQ(PlaceHint(TPoint(100, 100), 60, 20, area), TRect(100, 100, 160, 120));
  EXPECT_EQ(PlaceHint(TPoint(790, 590), 60, 20, area), TRect(728, 568, 788, 588));

  int alpha = 0, steps = 0;
  while (alpha < 200) alpha = NextHintFadeAlpha(alpha, 200), ++steps;
  EXPECT_EQ(steps, 10);
  EXPECT_EQ(NextHintFadeAlpha(180, 190), 190);
}

class SkinHintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FForm = new TForm(nullptr);
    FForm->SetBounds(100, 100, 300, 200);
    Application->SetMainForm(FForm);
  }
  void TearDown() override {
    Free(FForm);
    Application->SetHintWindowClass(nullptr);
  }
  TForm* FForm = nullptr;
};

TEST_F(SkinHintTest, TheWindowSplitsLinesKeepsInsideTheAreaAndFadesToTheValue) {
  auto* hint = new TspSkinHint(FForm);
  TspSkinHintWindow* w = hint->HintWindow();
  hint->ShowHintAt(TPoint(50, 50), L"first@second line");
  EXPECT_EQ(w->Caption(), L"first\n\rsecond line");
  EXPECT_TRUE(IsWindowVisible(w->Handle()));
  const int oneLine = [&] {
    hint->ShowHintAt(TPoint(50, 50), L"first");
    return w->Height();
  }();
  hint->ShowHintAt(TPoint(50, 50), L"first@second line");
  EXPECT_GT(w->Height(), oneLine + oneLine / 2);
  EXPECT_EQ(w->Left(), 50);
  // At the lower right corner of the screen it opens left of and above the point.
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  TRect area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  hint->ShowHintAt(TPoint(area.Right - 1, area.Bottom - 1), L"corner");
  EXPECT_EQ(w->Left(), area.Right - 1 - w->Width() - 2);
  EXPECT_EQ(w->Top(), area.Bottom - 1 - w->Height() - 2);
  (void)sw;
  (void)sh;
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendAnimation(true);
  hint->SetAlphaBlendValue(190);
  // The window's own alpha, read at each paint: the fade paints before every
  // step, and each paint asks for the next.
  std::vector<int> seen;
  auto layeredAlpha = [&] {
    BYTE alpha = 0;
    DWORD flags = 0;
    const bool layered = GetLayeredWindowAttributes(w->Handle(), nullptr, &alpha, &flags) && (flags & LWA_ALPHA);
    return layered ? int(alpha) : -1;
  };
  const auto plain = w->WindowProc;
  w->WindowProc = [&, plain](TMessage& M) {
    if (M.Msg == WM_PAINT && (seen.empty() || seen.back() != layeredAlpha())) seen.push_back(layeredAlpha());
    plain(M);
    if (M.Msg == WM_PAINT) InvalidateRect(w->Handle(), nullptr, FALSE);
  };
  hint->ShowHintAt(TPoint(60, 60), L"fade");
  w->WindowProc = plain;
  EXPECT_EQ(seen, (std::vector<int>{0, 20, 40, 60, 80, 100, 120, 140, 160, 180}));
  EXPECT_EQ(layeredAlpha(), 190);
  hint->HideSkinHint();
  EXPECT_FALSE(IsWindowVisible(w->Handle()));
}

TEST_F(SkinHintTest, ASkinWithoutAHintPictureGivesThePlainLook) {
  auto* stored = new TspCompressedStoredSkin(FForm);
  stored->LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  auto* skin = new TspSkinData(FForm);
  skin->LoadCompressedStoredSkin(stored);
  auto* hint = new TspSkinHint(FForm);
  hint->SetSkinData(skin);
  hint->ShowHintAt(TPoint(50, 50), L"skinned");
  EXPECT_EQ(hint->HintWindow()->SkinDataInUse(), skin);
  skin->HintWindow->WindowPictureIndex = -1;
  hint->ShowHintAt(TPoint(50, 50), L"plain text, a long line of it");
  EXPECT_EQ(hint->HintWindow()->SkinDataInUse(), nullptr);
  // The info colour behind the whole text (not the last brush colour) inside
  // a one-pixel shadow frame.
  Settle();
  TspSkinHintWindow* w = hint->HintWindow();
  HDC dc = GetDC(nullptr);
  EXPECT_EQ(GetPixel(dc, 50, 50), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(GetPixel(dc, 50 + w->Width() - 4, 50 + w->Height() - 3), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(GetPixel(dc, 50 + w->Width() / 2, 51), GetSysColor(COLOR_INFOBK));
  ReleaseDC(nullptr, dc);
  Free(skin);  // the component forgets it
  EXPECT_EQ(hint->SkinData(), nullptr);
}

TEST_F(SkinHintTest, OneServesAtATimeAndGoingAwayHandsHintsBack) {
  auto* first = new TspSkinHint(FForm);
  auto* second = new TspSkinHint(FForm);
  EXPECT_TRUE(second->Active());
  first->SetActive(true);  // already active; the second was made after it
  second->SetActive(false);
  second->SetActive(true);
  EXPECT_FALSE(first->Active());
  EXPECT_EQ(TspSkinHint::Serving(), second);
  // A component on another form never serves.
  auto* other = new TForm(nullptr);
  auto* elsewhere = new TspSkinHint(other);
  second->SetActive(false);
  EXPECT_EQ(TspSkinHint::Serving(), nullptr);
  Free(other);
  // The hint window class and the show-hint handler go back when none is active.
  EXPECT_FALSE(static_cast<bool>(Application->HintWindowClass()));
  EXPECT_FALSE(static_cast<bool>(Application->OnShowHint));
  second->SetActive(true);
  EXPECT_TRUE(static_cast<bool>(Application->HintWindowClass()));
  EXPECT_TRUE(static_cast<bool>(Application->OnShowHint));
  Free(second);
  EXPECT_FALSE(static_cast<bool>(Application->HintWindowClass()));
  EXPECT_FALSE(static_cast<bool>(Application->OnShowHint));
  (void)elsewhere;
}

TEST_F(SkinHintTest, AWindowForgetsTheHintComponentAndSkinThatGoAway) {
  auto* first = new TspSkinHint(FForm);
  auto* second = new TspSkinHint(FForm);
  TspSkinHint* serving = TspSkinHint::Serving();
  ASSERT_NE(serving, nullptr);
  TspSkinHint* other = serving == first ? second : first;
  auto* stored = new TspCompressedStoredSkin(FForm);
  stored->LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  auto* skin = new TspSkinData(FForm);
  skin->LoadCompressedStoredSkin(stored);
  serving->SetSkinData(skin);
  // The other component's window shows a hint with the serving one's settings.
  other->ShowHintAt(TPoint(50, 50), L"shown");
  TspSkinHintWindow* w = other->HintWindow();
  ASSERT_EQ(w->HintInUse(), serving);
  ASSERT_EQ(w->SkinDataInUse(), skin);
  Free(skin);
  EXPECT_EQ(w->SkinDataInUse(), nullptr);
  w->Repaint();
  Free(serving);
  EXPECT_EQ(w->HintInUse(), nullptr);
  EXPECT_FALSE(IsWindowVisible(w->Handle()));
  w->Repaint();  // nothing left to read
  Settle();
}

TEST_F(SkinHintTest, ApplicationHintsUseTheSkinnedWindowAndTheControlsTitle) {
  auto* hint = new TspSkinHint(FForm);
  FForm->Show();
  auto* button = new TCustomControl(FForm);
  button->SetParent(FForm);
  button->SetBounds(10, 10, 80, 30);
  button->SetHint(L"Saves@the file");
  button->SetShowHint(true);
  Settle();
  Application->SetHintPause(10);
  MoveMouse(Center(button));
  MoveMouse(TPoint(Center(button).X + 1, Center(button).Y + 1));
  ASSERT_TRUE(PumpUntil([&] { return Application->HintWindow() && IsWindowVisible(Application->HintWindow()->Handle()); }, 5000));
  EXPECT_NE(dynamic_cast<TspSkinHintWindow*>(Application->HintWindow()), nullptr);
  EXPECT_EQ(Application->HintWindow()->Caption(), L"Saves\n\rthe file");
  Free(hint);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  MoveMouse(TPoint(0, 0));
}

TEST_F(SkinHintTest, ASkinnedControlsTitleMakesTheHintTallerWithABoldTitle) {
  auto* hint = new TspSkinHint(FForm);
  FForm->Show();
  auto* control = new TspSkinControl(FForm);
  control->SetParent(FForm);
  control->SetBounds(10, 10, 80, 30);
  control->SetHint(L"Body text");
  control->SetShowHint(true);
  Settle();
  Application->SetHintPause(10);
  auto shownHeight = [&] {
    Application->CancelHint();
    MoveMouse(TPoint(0, 0));
    MoveMouse(Center(control));
    MoveMouse(TPoint(Center(control).X + 1, Center(control).Y + 1));
    EXPECT_TRUE(PumpUntil(
        [&] { return Application->HintWindow() && IsWindowVisible(Application->HintWindow()->Handle()); }, 5000));
    return Application->HintWindow() ? Application->HintWindow()->Height() : 0;
  };
  const int plain = shownHeight();
  EXPECT_TRUE(hint->HintTitle.empty());
  control->SetHintTitle(L"Title");
  const int titled = shownHeight();
  EXPECT_EQ(hint->HintTitle, L"Title");
  // The title's line and 10 pixels more.
  EXPECT_GE(titled, plain + 10 + 10);
  Application->CancelHint();
  MoveMouse(TPoint(0, 0));
}

}  // namespace
