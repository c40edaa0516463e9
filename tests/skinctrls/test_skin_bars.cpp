// The skinned scroll bar and track bar on a real form under real messages:
// defaults, range setters and their events, arrow repeat counted in ticks,
// pages, drags, keys, jumps and the default look read back in pixels.
#include <gtest/gtest.h>

#include <vector>

#include "../classlib/ControlTestUtils.h"
#include "../classlib/PaintedImage.h"
#include "classlib/Forms.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinTrackBar.h"

namespace {

LPARAM At(int X, int Y) { return MAKELPARAM(X, Y); }

class BarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FForm = new TForm(nullptr);
    FForm->SetBounds(50, 50, 400, 300);
    FForm->Show();
    Settle();
  }
  void TearDown() override { delete FForm; }

  template <class T>
  T* Make(int X, int Y, int W, int H) {
    T* c = new T(FForm);
    c->SetParent(FForm);
    c->SetBounds(X, Y, W, H);
    c->HandleNeeded();
    return c;
  }
  // One timer tick as the system would deliver it.
  static void Tick(TWinControl* C) { SendMessageW(C->Handle(), WM_TIMER, 1, 0); }
  static TColor PixelOf(TWinControl* C, int X, int Y) { return TPaintedImage(C).At(X, Y); }

  TForm* FForm = nullptr;
};

TEST_F(BarTest, ScrollBarDefaults) {
  auto* s = new TspSkinScrollBar(FForm);
  EXPECT_EQ(s->Min(), 0);
  EXPECT_EQ(s->Max(), 100);
  EXPECT_EQ(s->Position(), 0);
  EXPECT_EQ(s->SmallChange(), 1);
  EXPECT_EQ(s->LargeChange(), 1);
  EXPECT_EQ(s->PageSize(), 0);
  EXPECT_EQ(s->Kind(), sbHorizontal);
  EXPECT_EQ(s->SkinDataName(), L"hscrollbar");
  EXPECT_EQ(s->BothSkinDataName(), L"bothhscrollbar");
  EXPECT_FALSE(s->TabStop());
  EXPECT_EQ(s->Width(), 200);
  EXPECT_EQ(s->Height(), 19);
  s->SetCanFocused(true);
  EXPECT_TRUE(s->TabStop());
}

TEST_F(BarTest, ScrollBarSettersClampAndFireOnlyOnPositionChanges) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 200, 19);
  int changes = 0;
  s->OnChange = [&](TObject*) { ++changes; };
  s->SetPageSize(10);
  s->SetPosition(95);
  EXPECT_EQ(s->Position(), 91);
  EXPECT_EQ(changes, 1);
  s->SetPosition(91);
  EXPECT_EQ(changes, 1);
  s->SetRange(0, 100, 10, 200);
  EXPECT_EQ(s->Position(), 91);
  s->SetRange(0, 100, 0, 200);
  EXPECT_EQ(s->Position(), 100);
  s->SetRange(0, 100, 0, 0);
  s->SetMin(5);
  EXPECT_EQ(s->Position(), 5);
  EXPECT_EQ(changes, 1);  // neither SetRange nor Min fires
  // A page that would run past Max from the current position is refused.
  s->SetRange(0, 100, 0, 95);
  s->SetPageSize(10);
  EXPECT_EQ(s->PageSize(), 0);
}

TEST_F(BarTest, ScrollBarRangeNotStartingAtZero) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 200, 19);
  s->SetRange(10, 110, 0, 100);
  // Position 100 with a page of 11 ends exactly at Max: a valid page.
  s->SetPageSize(11);
  EXPECT_EQ(s->PageSize(), 11);
  EXPECT_EQ(s->Position(), 100);
  // Shrinking Max keeps Position on the last page, as the Position writer would.
  s->SetMax(60);
  EXPECT_EQ(s->Position(), 50);
  s->SetPosition(1000);
  EXPECT_EQ(s->Position(), 50);
  s->SetMax(200);
  EXPECT_EQ(s->Position(), 50);
}

TEST_F(BarTest, ScrollBarArrowRepeatsAfterTheFirstTickAndPausesOffTheArrow) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 200, 19);
  const HWND h = s->Handle();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(190, 9));  // the right arrow
  EXPECT_EQ(s->Position(), 1);  // one step at the press
  Tick(s);
  EXPECT_EQ(s->Position(), 1);  // the first tick only speeds the timer up
  Tick(s);
  Tick(s);
  EXPECT_EQ(s->Position(), 3);
  // Off the arrow the repeat pauses: the timer is gone.
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(100, 9));
  ASSERT_TRUE(PumpThroughTimerTicks(4, 50));  // the repeat's pace
  EXPECT_EQ(s->Position(), 3);
  // Back on it, the repeat resumes by itself.
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(190, 9));
  EXPECT_TRUE(PumpUntil([&] { return s->Position() > 3; }));
  SendMessageW(h, WM_LBUTTONUP, 0, At(190, 9));
  const int released = s->Position();
  ASSERT_TRUE(PumpThroughTimerTicks(4, 50));
  EXPECT_EQ(s->Position(), released);

  // The left arrow with its own click event moves nothing by itself.
  int downClicks = 0;
  s->OnDownButtonClick = [&](TObject*) { ++downClicks; };
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 9));
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 9));
  EXPECT_EQ(downClicks, 1);
  EXPECT_EQ(s->Position(), released);
}

TEST_F(BarTest, ScrollBarPagePressStopsOnceTheThumbPassesThePoint) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 200, 19);
  s->SetLargeChange(10);
  int pagesDown = 0;
  s->OnPageDown = [&](TObject*) { ++pagesDown; };
  const HWND h = s->Handle();
  // Track 17..183, thumb 16 wide: at Position 20 it spans 47..63, over x 60.
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 9));
  EXPECT_EQ(s->Position(), 10);
  for (int i = 0; i < 10; ++i) Tick(s);
  EXPECT_EQ(s->Position(), 20);
  EXPECT_EQ(pagesDown, 2);
  SendMessageW(h, WM_LBUTTONUP, 0, At(60, 9));
}

TEST_F(BarTest, ScrollBarDragAndRightButton) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 200, 19);
  int downs = 0, last = 0;
  s->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  s->OnLastChange = [&](TObject*) { ++last; };
  const HWND h = s->Handle();
  SendMessageW(h, WM_RBUTTONDOWN, MK_RBUTTON, At(190, 9));
  SendMessageW(h, WM_RBUTTONUP, 0, At(190, 9));
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(s->Position(), 0);
  // The thumb (17..33) dragged by 75 of its 150 pixels of travel.
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(25, 9));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(100, 9));
  EXPECT_EQ(s->Position(), 50);
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(400, 9));
  EXPECT_EQ(s->Position(), 100);
  SendMessageW(h, WM_LBUTTONUP, 0, At(400, 9));
  EXPECT_EQ(last, 1);
}

TEST_F(BarTest, ScrollBarKeysAndWheelOnlyWhenItTakesTheFocus) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 200, 19);
  s->SetPosition(50);
  s->SetFocus();
  SendMessageW(s->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(s->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(s->Position(), 50);
  s->SetCanFocused(true);
  s->SetFocus();
  SendMessageW(s->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(s->Position(), 51);
  SendMessageW(s->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(s->Position(), 50);
  SendMessageW(s->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(s->Position(), 51);
  SendMessageW(s->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(s->Position(), 50);
}

TEST_F(BarTest, ScrollBarDefaultLookPixels) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 200, 19);
  s->SetBoth(true);
  s->SetBothMarkerWidth(19);
  // Arrows framed in the button shadow; the right one ends 19 pixels early.
  EXPECT_EQ(PixelOf(s, 1, 9), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(s, 179, 9), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(s, 185, 9), ColorToRGB(clBtnFace));
  // A pressed arrow turns navy with the pressed fill.
  SendMessageW(s->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 9));
  EXPECT_EQ(PixelOf(s, 1, 9), ColorToRGB(0x800000));
  EXPECT_EQ(PixelOf(s, 3, 3), ColorToRGB(0xB59385));
  SendMessageW(s->Handle(), WM_LBUTTONUP, 0, At(5, 9));
}

// The window's pixels as they stand on screen, without painting anew.
std::vector<COLORREF> OnScreen(TWinControl* C) {
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(C->Handle());
  for (int y = 0; y < C->Height(); ++y)
    for (int x = 0; x < C->Width(); ++x) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(C->Handle(), dc);
  return pixels;
}

std::vector<COLORREF> Painted(TWinControl* C) {
  TPaintedImage image(C);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < C->Height(); ++y)
    for (int x = 0; x < C->Width(); ++x) pixels.push_back(image.At(x, y));
  return pixels;
}

TEST_F(BarTest, ScrollBarOnScreenFollowsManySmallAndLargeMoves) {
  auto* s = Make<TspSkinScrollBar>(10, 10, 16, 200);
  s->SetKind(sbVertical);
  s->SetRange(0, 99999, 20, 0);
  Settle();
  // Steps far below a pixel of thumb travel add up to whole pixels; the bar
  // on screen must show each place a fresh paint would.
  const int thumbTop = s->Layout().Parts[0].Top;
  for (int p = 1; p <= 3000; ++p) s->SetPosition(p);
  Settle();
  EXPECT_GT(s->Layout().Parts[0].Top, thumbTop);
  EXPECT_TRUE(OnScreen(s) == Painted(s)) << "the bar on screen is not what a fresh paint draws";
  // The range written whole, as the lists do, and the page size changed.
  s->SetRange(0, 99999, 20, 50000);
  s->SetPageSize(30);
  s->SetMax(999);
  Settle();
  EXPECT_EQ(s->Position(), 970);
  EXPECT_TRUE(OnScreen(s) == Painted(s)) << "the bar on screen is not what a fresh paint draws";
  s->SetMin(980);
  Settle();
  EXPECT_TRUE(OnScreen(s) == Painted(s)) << "the bar on screen is not what a fresh paint draws";
}

TEST_F(BarTest, TrackBarValueRules) {
  auto* t = Make<TspSkinTrackBar>(10, 40, 100, 20);
  EXPECT_EQ(t->Value(), 50);
  EXPECT_EQ(t->SkinDataName(), L"htrackbar");
  EXPECT_TRUE(t->MouseSupport());
  EXPECT_FALSE(t->JumpWhenClick());
  int changes = 0;
  t->OnChange = [&](TObject*) { ++changes; };
  t->SetValue(150);
  EXPECT_EQ(t->Value(), 100);
  EXPECT_EQ(changes, 1);
  t->SetValue(100);
  EXPECT_EQ(changes, 1);
  t->SetValue(50);
  t->SetMaxValue(40);
  EXPECT_EQ(t->Value(), 40);
  EXPECT_EQ(changes, 2);
  t->SetMinValue(45);
  EXPECT_EQ(t->Value(), 45);
  EXPECT_EQ(changes, 2);
}

TEST_F(BarTest, TrackBarJumpDragAndKeys) {
  auto* t = Make<TspSkinTrackBar>(10, 40, 100, 20);
  int changes = 0, last = 0;
  t->OnChange = [&](TObject*) { ++changes; };
  t->OnLastChange = [&](TObject*) { ++last; };
  const HWND h = t->Handle();
  t->Repaint();  // the thumb's place is known after a paint
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
  SendMessageW(h, WM_LBUTTONUP, 0, At(20, 10));
  EXPECT_EQ(t->Value(), 50);  // no jump unless asked for
  t->SetJumpWhenClick(true);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(28, 10));
  SendMessageW(h, WM_LBUTTONUP, 0, At(28, 10));
  EXPECT_EQ(t->Value(), 25);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(last, 0);
  // Dragging the thumb (now centred at x 28) by 44 pixels, half the travel.
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(28, 10));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(72, 10));
  EXPECT_EQ(t->Value(), 75);
  SendMessageW(h, WM_LBUTTONUP, 0, At(72, 10));
  EXPECT_EQ(last, 1);
  // Keys need CanFocused.
  t->SetFocus();
  SendMessageW(h, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(t->Value(), 75);
  t->SetCanFocused(true);
  t->SetFocus();
  SendMessageW(h, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(h, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(t->Value(), 74);
  EXPECT_EQ(last, 4);
  SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(t->Value(), 75);
}

TEST_F(BarTest, VerticalTrackBarGrowsUpwards) {
  auto* t = Make<TspSkinTrackBar>(10, 40, 20, 100);
  t->SetVertical(true);
  t->SetJumpWhenClick(true);
  const HWND h = t->Handle();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 90));
  SendMessageW(h, WM_LBUTTONUP, 0, At(10, 90));
  EXPECT_LT(t->Value(), 10);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  SendMessageW(h, WM_LBUTTONUP, 0, At(10, 10));
  EXPECT_GT(t->Value(), 90);
  // The wheel moves a vertical bar with it.
  t->SetCanFocused(true);
  t->SetFocus();
  const int before = t->Value();
  SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(t->Value(), std::min(before + 1, 100));
}

}  // namespace
