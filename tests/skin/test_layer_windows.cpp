// Glow windows and parent backgrounds under the real message loop.
#include <gtest/gtest.h>

#include "classlib/GuiCounts.h"
#include "skin/SPUtils_layer.h"
#include "skin/SPUtils_parent.h"
#include "tests/classlib/ControlTestUtils.h"

namespace {

void Fill(TBitmap& b, int w, int h, TColor c) {
  b.SetSize(w, h);
  b.Canvas()->Brush()->SetColor(c);
  b.Canvas()->FillRect(TRect(0, 0, w, h));
}

TEST(LayerWindows, ShowFadesInToTheTargetAndHideFreesEverything) {
  TspLayerManager m(nullptr);
  EXPECT_TRUE(m.TopMost());
  EXPECT_FALSE(m.FadeTimer()->Enabled());
  TBitmap picture, mask;
  Fill(picture, 40, 20, clRed);
  Fill(mask, 40, 20, clWhite);
  m.Show(100, 120, &picture, &mask, 200);
  ASSERT_NE(m.LayerWindow(), nullptr);
  HWND wnd = m.LayerWindow()->Handle();
  EXPECT_TRUE(m.Showing());
  EXPECT_EQ(m.AlphaStep(), 20);
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT r;
  GetWindowRect(wnd, &r);
  // The layer only shows: the mouse over an opaque pixel reaches what lies below.
  EXPECT_NE(WindowFromPoint(POINT{r.left + 20, r.top + 10}), wnd);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.right - r.left, 40);
  EXPECT_TRUE(PumpUntil([&] { return m.CurrentAlpha() == 200; }));
  EXPECT_FALSE(m.FadeTimer()->Enabled());
  // White mask: every pixel opaque.
  EXPECT_EQ(PixelAlpha(m.LayerBitmap()->GetPixel(39, 19)), 255);
  m.Hide();
  EXPECT_FALSE(m.Showing());
  EXPECT_EQ(m.LayerWindow(), nullptr);
  EXPECT_EQ(m.LayerBitmap(), nullptr);
  EXPECT_FALSE(IsWindow(wnd));
}

TEST(LayerWindows, SmallAlphasFinishTheFade) {
  TspLayerManager m(nullptr);
  TBitmap picture;
  Fill(picture, 8, 8, clLime);
  m.Show(10, 10, &picture, nullptr, 5);
  EXPECT_EQ(m.AlphaStep(), 1);
  EXPECT_TRUE(PumpUntil([&] { return !m.FadeTimer()->Enabled(); }));
  EXPECT_EQ(m.CurrentAlpha(), 5);
  // Without a mask the picture is opaque.
  EXPECT_EQ(PixelAlpha(m.LayerBitmap()->GetPixel(7, 7)), 255);
}

TEST(LayerWindows, SmallerMaskLeavesTheRestTransparentAndShowingAgainStartsOver) {
  TspLayerManager m(nullptr);
  m.SetTopMost(false);
  TBitmap picture, mask;
  Fill(picture, 10, 10, clBlue);
  Fill(mask, 4, 4, MakeColor(30, 60, 90));
  m.Show(0, 0, &picture, &mask, 255);
  EXPECT_EQ(PixelAlpha(m.LayerBitmap()->GetPixel(3, 3)), 60);
  EXPECT_EQ(PixelAlpha(m.LayerBitmap()->GetPixel(4, 4)), 0);
  EXPECT_FALSE(GetWindowLongW(m.LayerWindow()->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  HWND first = m.LayerWindow()->Handle();
  m.Show(5, 5, &picture, &mask, 255);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(m.CurrentAlpha(), 0);
  EXPECT_TRUE(PumpUntil([&] { return m.CurrentAlpha() == 255; }));
}

TEST(LayerWindows, FreedWhileFadingTakesItsWindowAlong) {
  TForm* owner = new TForm(nullptr);
  auto* m = new TspLayerManager(owner);
  TBitmap picture;
  Fill(picture, 8, 8, clLime);
  m->Show(10, 10, &picture, nullptr, 100);
  HWND wnd = m->LayerWindow()->Handle();
  Free(owner);
  EXPECT_FALSE(IsWindow(wnd));
  Settle();  // no fade step reaches the freed manager
}

TEST(LayerWindows, ClickingTheGlowDoesNotActivateIt) {
  TspLayerManager m(nullptr);
  TBitmap picture;
  Fill(picture, 8, 8, clLime);
  m.Show(10, 10, &picture, nullptr, 100);
  HWND wnd = m.LayerWindow()->Handle();
  EXPECT_EQ(SendMessageW(wnd, WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);
}

TEST(LayerWindows, NoHandleGrowthOverShowAndHide) {
  TspLayerManager m(nullptr);
  TBitmap picture, mask;
  Fill(picture, 16, 16, clRed);
  Fill(mask, 16, 16, clGray);
  m.Show(0, 0, &picture, &mask, 100);
  m.Hide();
  const int before = GdiObjectsInUse();
  const int windows = ThreadWindowsWithChildren();
  for (int i = 0; i < 200; ++i) {
    m.Show(i % 50, 0, &picture, &mask, 100);
    m.Hide();
  }
  EXPECT_LE(GdiObjectsInUse(), before + 2);
  EXPECT_EQ(ThreadWindowsWithChildren(), windows);
}

// A windowless control that paints a green square over its whole area.
class Square : public TGraphicControl {
 public:
  explicit Square(TComponent* AOwner) : TGraphicControl(AOwner) {}
  bool SawPaintCopy = false;

 protected:
  void Paint() override {
    SawPaintCopy = ControlState().Contains(csPaintCopy);
    Canvas()->Brush()->SetColor(clLime);
    Canvas()->FillRect(TRect(0, 0, Width(), Height()));
  }
};

TEST(ParentBackground, PaintsTheParentAndTheSiblingsBelow) {
  TForm* form = new TForm(nullptr);
  form->SetBounds(50, 50, 200, 150);
  auto* panel = new TCustomControl(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 200, 150);
  panel->SetColor(clNavy);
  auto* below = new Square(form);
  below->SetParent(panel);
  below->SetBounds(10, 10, 20, 20);
  auto* control = new Square(form);
  control->SetParent(panel);
  control->SetBounds(20, 20, 40, 40);
  auto* above = new Square(form);
  above->SetParent(panel);
  above->SetBounds(25, 25, 5, 5);
  form->Show();
  Settle();
  TBitmap b;
  Fill(b, 40, 40, clWhite);
  below->SawPaintCopy = false;
  above->SawPaintCopy = false;
  PaintParentBackground(control, b.Canvas());
  EXPECT_EQ(b.Canvas()->Pixels(5, 5), clLime);    // the sibling below, at (10..30) - 20
  EXPECT_EQ(b.Canvas()->Pixels(15, 15), clNavy);  // the parent's background
  EXPECT_TRUE(below->SawPaintCopy);
  EXPECT_FALSE(above->SawPaintCopy);  // above the control: not part of its background
  EXPECT_FALSE(panel->ControlState().Contains(csPaintCopy));

  TBitmap part;
  Fill(part, 10, 10, clWhite);
  PaintParentBackgroundRect(control, TRect(5, 5, 15, 15), part.Canvas());
  EXPECT_EQ(part.Canvas()->Pixels(0, 0), clLime);  // control (5, 5) is panel (25, 25)... below ends at 30
  EXPECT_EQ(part.Canvas()->Pixels(9, 9), clNavy);
  PaintParentBackground(nullptr, b.Canvas());
  Free(form);
}

TEST(ParentBackground, AWindowedControlHasEveryWindowlessSiblingBelowIt) {
  TForm* form = new TForm(nullptr);
  form->SetBounds(50, 50, 200, 150);
  auto* panel = new TCustomControl(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 200, 150);
  panel->SetColor(clNavy);
  auto* control = new TCustomControl(form);  // windowed, placed first
  control->SetParent(panel);
  control->SetBounds(20, 20, 40, 40);
  auto* later = new Square(form);  // windowless, placed after it: still under it
  later->SetParent(panel);
  later->SetBounds(30, 30, 10, 10);
  form->Show();
  Settle();
  TBitmap b;
  Fill(b, 40, 40, clWhite);
  later->SawPaintCopy = false;
  PaintParentBackground(control, b.Canvas());
  EXPECT_EQ(b.Canvas()->Pixels(15, 15), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(5, 5), clNavy);
  EXPECT_TRUE(later->SawPaintCopy);
  Free(form);
}

}  // namespace
