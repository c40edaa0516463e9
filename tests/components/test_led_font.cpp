// The LED number display as a control: its size rules and the colours of
// lit and unlit segments read back from its painting.
#include <gtest/gtest.h>

#include "components/LEDFont.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

class LEDTest : public FormTest {};

TEST_F(LEDTest, NewDisplayKeepsItsSizeOtherTextsResizeIt) {
  auto* led = Add<TLEDFontNum>(10, 10);
  TBitmap bmp;
  PaintInto(led, bmp);
  EXPECT_EQ(led->Width(), 47);
  EXPECT_EQ(led->Height(), 38);
  led->SetText(L"12.5");
  PaintInto(led, bmp);
  EXPECT_EQ(led->Width(), 67);
  EXPECT_EQ(led->Height(), 37);
  led->SetAutoSize(false);
  led->SetText(L"123456");
  PaintInto(led, bmp);
  EXPECT_EQ(led->Width(), 67);
}

TEST_F(LEDTest, LitUnlitAndPointSegments) {
  auto* led = Add<TLEDFontNum>(10, 10);
  led->SetText(L"1.");
  TBitmap bmp;
  PaintInto(led, bmp);
  const TColor light = 0x00FFF7, dark = 0x636363, bg = 0x4A424A;
  // Cell at (4, 4): segment 1 (upper right, x 15..10) lit, segment 0 (top) dark.
  EXPECT_EQ(PixelAt(bmp, 4 + 12, 4 + 7), light);
  EXPECT_EQ(PixelAt(bmp, 4 + 6, 4 + 1), dark);
  // The point of the first cell is lit: a 3 x 3 square at (18, 30).
  EXPECT_EQ(PixelAt(bmp, 4 + 15, 4 + 26), light);
  EXPECT_EQ(PixelAt(bmp, 1, 1), bg);

  led->SetDarkColor(bg);
  led->SetText(L" 8");
  PaintInto(led, bmp);  // the first paint resizes the display to two cells
  PaintInto(led, bmp);
  EXPECT_EQ(PixelAt(bmp, 4 + 6, 4 + 1), bg);  // first cell blank, unlit vanish
  EXPECT_EQ(PixelAt(bmp, 4 + 21 + 6, 4 + 1), light);
}

TEST_F(LEDTest, RefusedThicknessAndHeights) {
  auto* led = Add<TLEDFontNum>(10, 10);
  led->SetThick(8);
  EXPECT_EQ(led->Thick(), 3);
  led->SetThick(7);
  EXPECT_EQ(led->Thick(), 7);
  led->SetThick(3);
  led->SetWordHeight(30);
  EXPECT_EQ(led->WordHeight(), 31);
  led->SetWordHeight(11);
  EXPECT_EQ(led->WordHeight(), 31);
  led->SetWordWidth(6);
  EXPECT_EQ(led->WordWidth(), 17);
}

TEST_F(LEDTest, EmptyTextDrawsOnlyTheBackground) {
  auto* led = Add<TLEDFontNum>(10, 10);
  led->SetAutoSize(false);
  led->SetText(L"");
  TBitmap bmp;
  PaintInto(led, bmp);
  for (int y = 0; y < led->Height(); y += 3)
    for (int x = 0; x < led->Width(); x += 3) ASSERT_EQ(PixelAt(bmp, x, y), 0x4A424A);
}

}  // namespace

namespace {

// Aligned, the display sizes itself only along what its side leaves to it,
// and its painting settles instead of resizing against the parent forever.
TEST_F(LEDTest, AlignedDisplaysSizeOnlyWhatTheirSideLeavesThem) {
  form->Show();
  Settle();
  const TRect client = form->ClientRect();
  struct Case { TAlign Align; TRect Bounds; };
  for (const Case& c : {Case{alRight, Rect(client.Width() - 67, 0, client.Width(), client.Height())},
                        Case{alTop, Rect(0, 0, client.Width(), 37)},
                        Case{alClient, client}}) {
    auto* led = Add<TLEDFontNum>(10, 10);
    led->SetText(L"12.5");
    {
      HangWatchdog watch("an aligned LED display");
      led->SetAlign(c.Align);
      Settle();
      EXPECT_TRUE(PumpUntil([&] { return !GetUpdateRect(form->Handle(), nullptr, FALSE); }));
    }
    EXPECT_EQ(c.Bounds, led->BoundsRect()) << c.Align;
    Free(led);
  }
}

}  // namespace
