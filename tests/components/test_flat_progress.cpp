// The flat progress bar and panel as real controls: snapping, fill read back
// from their painting, the setters' rules and the see-through panel.
#include <gtest/gtest.h>

#include "components/TFlatPanelUnit.h"
#include "components/TFlatProgressBarUnit.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

constexpr TColor kElement = 0x996633;

class FlatProgressTest : public FormTest {};

TEST_F(FlatProgressTest, BlockBarSnapsAndFillsWholeBlocks) {
  auto* bar = Add<TFlatProgressBar>(10, 10, 150, 16);
  bar->SetPosition(50);
  TBitmap bmp;
  PaintInto(bar, bmp);
  EXPECT_EQ(bar->Width(), 147);
  PaintInto(bar, bmp);
  // Block 8 (x 65..72) is filled, block 9 (x 74..81) is not; a 1 px gap between.
  EXPECT_EQ(PixelAt(bmp, 66, 8), kElement);
  EXPECT_EQ(PixelAt(bmp, 73, 8), ColorToRGB(bar->Color()));
  EXPECT_NE(PixelAt(bmp, 76, 8), kElement);
  EXPECT_EQ(PixelAt(bmp, 0, 0), 0x8396A0);  // the frame

  bar->SetBounds(10, 10, 10, 16);
  PaintInto(bar, bmp);
  EXPECT_EQ(bar->Width(), 12);
}

// Aligned to an edge, a block bar takes the whole blocks that fit the
// parent's width and the layout settles, shown and painted.
TEST_F(FlatProgressTest, AlignedBlockBarSettlesOnWholeBlocks) {
  ShowAndActivate(form);
  auto* bar = Add<TFlatProgressBar>(10, 10, 150, 16);
  bar->SetAlign(alTop);
  Settle();
  EXPECT_EQ(bar->Width(), FlatBarSnapExtent(form->ClientWidth()));
  EXPECT_EQ(bar->Top(), 0);
  form->SetBounds(100, 100, 333, 300);
  Settle();
  EXPECT_EQ(bar->Width(), FlatBarSnapExtent(333));
  bar->SetSmooth(true);
  bar->SetAlign(alNone);
  bar->SetAlign(alBottom);
  Settle();
  EXPECT_EQ(bar->Width(), 333);  // a smooth bar takes any length
}

TEST_F(FlatProgressTest, VerticalSmoothBarGrowsUpward) {
  auto* bar = Add<TFlatProgressBar>(10, 10);
  bar->SetOrientation(pbVertical);
  EXPECT_EQ(bar->Width(), 16);  // width and height swap
  EXPECT_EQ(bar->Height(), 147);
  bar->SetBounds(10, 10, 16, 100);
  bar->SetSmooth(true);
  bar->SetPosition(50);
  TBitmap bmp;
  PaintInto(bar, bmp);
  EXPECT_EQ(PixelAt(bmp, 8, 50), kElement);
  EXPECT_EQ(PixelAt(bmp, 8, 97), kElement);
  EXPECT_NE(PixelAt(bmp, 8, 49), kElement);
}

TEST_F(FlatProgressTest, EmptyRangeDrawsNoFill) {
  auto* bar = Add<TFlatProgressBar>(10, 10);
  bar->SetMax(0);
  EXPECT_EQ(bar->Max(), bar->Min());
  TBitmap bmp;
  PaintInto(bar, bmp);
  bar->SetSmooth(true);
  PaintInto(bar, bmp);
  for (int x = 2; x < 145; x += 9) EXPECT_NE(PixelAt(bmp, x, 8), kElement) << x;
}

TEST_F(FlatProgressTest, PositionStaysWithinMinAndMax) {
  auto* bar = Add<TFlatProgressBar>(10, 10);
  bar->SetPosition(150);
  EXPECT_EQ(bar->Position(), 100);
  bar->SetMax(60);
  EXPECT_EQ(bar->Position(), 60);
  bar->SetMin(80);  // Min above Max: Min wins the clamp
  bar->SetPosition(10);
  EXPECT_EQ(bar->Position(), 80);
}

TEST_F(FlatProgressTest, GrowingPositionPaintsOnlyTheBarOnScreen) {
  auto* bar = Add<TFlatProgressBar>(10, 10);
  ShowAndActivate(form);
  Settle();
  bar->SetPosition(100);
  // Drawn at once, not through a later paint: the screen shows the last block.
  HDC screen = GetDC(form->Handle());
  EXPECT_EQ(static_cast<TColor>(GetPixel(screen, 10 + 140, 10 + 8)), kElement);
  ReleaseDC(form->Handle(), screen);
}

TEST_F(FlatProgressTest, AdvancedBorderColourFollowsTheBackground) {
  auto* bar = Add<TFlatProgressBar>(10, 10);
  bar->SetUseAdvColors(true);
  EXPECT_TRUE(bar->ParentColor());
  EXPECT_EQ(bar->ColorBorder(), CalcAdvancedColor(form->Color(), 0, 50, true));
  form->SetColor(clWhite);
  EXPECT_EQ(bar->ColorBorder(), CalcAdvancedColor(clWhite, 0, 50, true));
}

class FlatPanelTest : public FormTest {};

TEST_F(FlatPanelTest, TransparentPanelShowsItsParent) {
  auto* panel = Add<TFlatPanel>(20, 20, 100, 40);
  panel->SetColor(clYellow);
  ShowAndActivate(form);
  TBitmap bmp;
  PaintWindowInto(panel, bmp);
  EXPECT_EQ(PixelAt(bmp, 50, 5), clYellow);
  EXPECT_EQ(PixelAt(bmp, 0, 0), 0x8396A0);
  panel->SetTransparent(true);
  PaintWindowInto(panel, bmp);
  EXPECT_EQ(PixelAt(bmp, 50, 5), form->Color());
}

TEST_F(FlatPanelTest, DisabledCaptionIsEngraved) {
  auto* panel = Add<TFlatPanel>(20, 20, 100, 40);
  panel->SetColor(clYellow);
  panel->SetParentFont(false);
  panel->Font()->SetName(L"Arial");
  panel->Font()->SetHeight(-20);
  panel->Font()->SetStyle({fsBold});
  panel->SetCaption(L"MMMM");
  panel->SetEnabled(false);
  ShowAndActivate(form);
  TBitmap bmp;
  PaintWindowInto(panel, bmp);
  // On yellow (no blue), the light copy shows as blue-bearing pixels and the
  // dark one as pixels darker than the panel.
  int light = 0, dark = 0;
  for (int y = 1; y < 39; ++y)
    for (int x = 1; x < 99; ++x) {
      const TColor c = PixelAt(bmp, x, y);
      light += GetBlueOf(c) > 150;
      dark += GetRedOf(c) < 180 && GetBlueOf(c) > 60;
    }
  EXPECT_GT(light, 10);
  EXPECT_GT(dark, 10);
}

}  // namespace
