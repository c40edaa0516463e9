// The flat speed button and flat edit under the real message loop: groups,
// clicks, the shared hot-tracking timer, glyph cells, the face modes, the
// edit's height and when its frame lights up.
#include <gtest/gtest.h>

#include "classlib/StdCtrls.h"
#include "components/TFlatEditUnit.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

class FlatButtonTest : public FormTest {
 protected:
  TFlatSpeedButton* Button(int Left, int Group = 0) {
    auto* b = Add<TFlatSpeedButton>(Left, 20, 40, 30);
    b->SetGroupIndex(Group);
    b->OnClick = [this](TObject* s) { clicked.push_back(s); };
    return b;
  }
  void ClickAt(const TPoint& Screen) {
    MoveMouse(Screen);
    MouseDown();
    Settle();
    MouseUp();
    Settle();
  }
  std::vector<TObject*> clicked;
};

TEST_F(FlatButtonTest, GroupMembersReleaseEachOther) {
  auto* a = Button(20, 1);
  auto* b = Button(70, 1);
  ShowAndActivate(form);
  ClickAt(Center(a));
  EXPECT_TRUE(a->Down());
  ClickAt(Center(b));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->State(), bsUp);
  // Without AllowAllUp the last down button stays down when clicked again.
  ClickAt(Center(b));
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicked.size(), 3u);
  b->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp());  // the group shares the setting
  ClickAt(Center(b));
  EXPECT_FALSE(b->Down());
}

TEST_F(FlatButtonTest, DownNeedsAGroup) {
  auto* a = Button(20);
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
}

TEST_F(FlatButtonTest, ReleasingOutsideDoesNotClick) {
  auto* a = Button(20);
  ShowAndActivate(form);
  MoveMouse(Center(a));
  MouseDown();
  Settle();
  EXPECT_EQ(a->State(), bsDown);
  MoveMouse(form->ClientToScreen(TPoint(300, 200)));
  EXPECT_EQ(a->State(), bsUp);
  MouseUp();
  Settle();
  EXPECT_TRUE(clicked.empty());
  EXPECT_EQ(a->State(), bsUp);
}

TEST_F(FlatButtonTest, SharedTimerEndsTheHotStateWhenTheMouseHasGone) {
  auto* a = Button(20);
  auto* b = Button(70);
  ShowAndActivate(form);
  MoveMouse(Center(a));
  ASSERT_TRUE(PumpUntil([&] { return a->Hot(); }));
  EXPECT_EQ(TFlatSpeedButton::TrackedButton(), a);
  EXPECT_TRUE(TFlatSpeedButton::TrackingTimerRunning());
  // Straight onto the other button: the first leaves, one timer follows the second.
  MoveMouse(Center(b));
  ASSERT_TRUE(PumpUntil([&] { return b->Hot(); }));
  EXPECT_FALSE(a->Hot());
  EXPECT_EQ(TFlatSpeedButton::TrackedButton(), b);
  // Jumping off the form sends the button no further move: the timer notices.
  SetCursorPos(2, 2);
  ASSERT_TRUE(PumpUntil([&] { return !b->Hot(); }));
  EXPECT_EQ(TFlatSpeedButton::TrackedButton(), nullptr);
  EXPECT_FALSE(TFlatSpeedButton::TrackingTimerRunning());
}

TEST_F(FlatButtonTest, FreeingTheTrackedButtonStopsTracking) {
  auto* a = Button(20);
  ShowAndActivate(form);
  MoveMouse(Center(a));
  ASSERT_TRUE(PumpUntil([&] { return TFlatSpeedButton::TrackedButton() == a; }));
  Free(a);
  EXPECT_EQ(TFlatSpeedButton::TrackedButton(), nullptr);
  EXPECT_FALSE(TFlatSpeedButton::TrackingTimerRunning());
  Settle();  // a pending tick finds nothing to do
}

TEST_F(FlatButtonTest, GlyphSizeSetsTheCellCount) {
  auto* a = Button(20);
  TBitmap glyph;
  glyph.SetSize(64, 16);
  a->SetGlyph(&glyph);
  EXPECT_EQ(a->NumGlyphs(), 4);
  glyph.SetSize(80, 16);
  a->SetGlyph(&glyph);
  EXPECT_EQ(a->NumGlyphs(), 1);
  a->SetNumGlyphs(2);
  glyph.SetSize(40, 16);
  a->SetGlyph(&glyph);
  EXPECT_EQ(a->NumGlyphs(), 2);
}

TEST_F(FlatButtonTest, FaceModesAndGlyphCells) {
  auto* a = Button(20);
  a->SetColor(clYellow);
  // Two cells: red for up, blue for disabled, on a fuchsia key.
  TBitmap glyph;
  glyph.SetSize(32, 16);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 32, 16));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(4, 4, 12, 12));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(Rect(20, 4, 28, 12));
  a->SetGlyph(&glyph);
  TBitmap bmp;
  PaintInto(a, bmp, clLime);
  EXPECT_EQ(PixelAt(bmp, 3, 3), clYellow);
  EXPECT_EQ(PixelAt(bmp, 20, 15), clRed);  // glyph centred: (12, 7) + (8, 8)
  EXPECT_EQ(PixelAt(bmp, 13, 8), clYellow);  // the key colour stays see-through
  a->SetEnabled(false);
  PaintInto(a, bmp, clLime);
  EXPECT_EQ(PixelAt(bmp, 20, 15), clBlue);
  EXPECT_EQ(PixelAt(bmp, 0, 0), 0x8396A0);
  a->SetEnabled(true);
  a->SetTransparentMode(tmAlways);
  PaintInto(a, bmp, clLime);
  EXPECT_EQ(PixelAt(bmp, 3, 3), clLime);  // never filled
}

class FlatEditTest : public FormTest {};

int TextMetricHeight(TFont* Font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font->Handle());
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

TEST_F(FlatEditTest, HeightFollowsTheFont) {
  auto* e = Add<TFlatEdit>(20, 20);
  EXPECT_EQ(e->Height(), 19);
  e->SetParentFont(false);
  e->Font()->SetName(L"Arial");
  e->Font()->SetHeight(13);
  EXPECT_EQ(e->Height(), TextMetricHeight(e->Font()) + 6);
  e->Font()->SetHeight(-24);
  EXPECT_EQ(e->Height(), TextMetricHeight(e->Font()) + 6);
  EXPECT_GT(e->Height(), 24 + 6);
}

TEST_F(FlatEditTest, HoverLightsItOnlyWhileNoOtherFlatEditHasTheFocus) {
  auto* a = Add<TFlatEdit>(20, 20);
  auto* b = Add<TFlatEdit>(20, 60);
  auto* button = Add<TButton>(20, 100);
  ShowAndActivate(form);
  b->SetFocus();
  Settle();
  EXPECT_TRUE(b->DrawnHot());
  MoveMouse(Center(a));
  ASSERT_TRUE(PumpUntil([&] { return a->MouseInControl(); }));
  EXPECT_FALSE(a->DrawnHot());
  EXPECT_EQ(a->Color(), a->ColorFlat());
  button->SetFocus();
  Settle();
  MoveMouse(Center(button));
  MoveMouse(Center(a));
  ASSERT_TRUE(PumpUntil([&] { return a->DrawnHot(); }));
  EXPECT_EQ(a->Color(), a->ColorFocused());
  // The frame is drawn in the non-client area: three pixels on each side.
  HDC dc = GetWindowDC(a->Handle());
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 0, 5)), a->ColorBorder());
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 2, 5)), a->ColorFocused());
  ReleaseDC(a->Handle(), dc);
}

TEST_F(FlatEditTest, SettingTheFlatColourStopsFollowingTheParent) {
  auto* e = Add<TFlatEdit>(20, 20);
  EXPECT_EQ(e->ColorFlat(), form->Color());
  e->SetColors(2, clAqua);
  EXPECT_FALSE(e->ParentColor());
  form->SetColor(clWhite);
  EXPECT_EQ(e->ColorFlat(), clAqua);
  e->SetParentColor(true);
  EXPECT_EQ(e->ColorFlat(), clWhite);
}

TEST_F(FlatEditTest, DisabledEditKeepsTheFlatLook) {
  auto* e = Add<TFlatEdit>(20, 20);
  ShowAndActivate(form);
  e->SetEnabled(false);
  Settle();
  EXPECT_FALSE(e->DrawnHot());
  HDC dc = GetWindowDC(e->Handle());
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 1, 5)), e->ColorFlat());
  ReleaseDC(e->Handle(), dc);
}

}  // namespace
