// Colour conversions, the basic table round trip, grid cells, custom slots
// and the hue ring's picks.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skininputs/ColorModel.h"

namespace {
TRGBBytes Bytes(int R, int G, int B) { return {uint8_t(R), uint8_t(G), uint8_t(B)}; }
}  // namespace

TEST(ColorConversions, ExamplesOfTheHSBAndHSLModels) {
  THSB red;
  RGBToHSB(Bytes(255, 0, 0), red);
  EXPECT_EQ(red, (THSB{0, 100, 100}));
  // A grey has no hue: whatever the field showed stays.
  THSB white{123, 40, 40};
  RGBToHSB(Bytes(255, 255, 255), white);
  EXPECT_EQ(white, (THSB{123, 0, 100}));
  THSB grey{77, 0, 0};
  RGBToHSB(Bytes(127, 127, 127), grey);
  EXPECT_EQ(grey, (THSB{77, 0, 50}));
  // 127.5 rounds to the even 128.
  EXPECT_EQ(HSLToRGB(0.3, 0, 0.5), Bytes(128, 128, 128));
  EXPECT_EQ(HSBToRGB({200, 0, 50}), Bytes(128, 128, 128));
  EXPECT_DOUBLE_EQ(RGBToHSL(Bytes(255, 0, 0)).H, 0);
  EXPECT_DOUBLE_EQ(RGBToHSL(Bytes(255, 255, 0)).H, 1.0 / 6);
  const THSL blue = RGBToHSL(Bytes(0, 0, 255));
  EXPECT_DOUBLE_EQ(blue.H, 4.0 / 6);
  EXPECT_DOUBLE_EQ(blue.S, 1.0);
  EXPECT_DOUBLE_EQ(blue.L, 0.5);
  // Hues past the ends wrap: 359 degrees is just short of red.
  EXPECT_EQ(HSBToRGB({359, 100, 100}), Bytes(255, 0, 4));
  // Just short of a full turn rounds to 360, which is red's 0 again.
  THSB nearRed;
  RGBToHSB(Bytes(255, 0, 1), nearRed);
  EXPECT_EQ(nearRed.H, 0);
}

TEST(ColorConversions, PrimariesComeBackExactlyThroughTheHueFields) {
  for (TColor c : {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x000080}) {
    THSB h;
    RGBToHSB(ColorBytes(c), h);
    EXPECT_EQ(HSBToRGB(h), ColorBytes(c)) << std::hex << c;
  }
  THSB blue;
  RGBToHSB(Bytes(0, 0, 255), blue);
  EXPECT_EQ(blue, (THSB{240, 100, 100}));
}

TEST(ColorConversions, EveryBasicColourRoundTrips) {
  for (TColor c : BasicColors) {
    const TRGBBytes rgb = ColorBytes(c);
    const THSL hsl = RGBToHSL(rgb);
    EXPECT_EQ(HSLToRGB(hsl.H, hsl.S, hsl.L), rgb) << std::hex << c;
    TPSPColor p;
    p.SetRGB(c);
    TPSPColor q;
    q.SetHSL(p.HSL().H, p.HSL().S, p.HSL().L);
    EXPECT_EQ(q.Color(), c) << std::hex << c;
    // Whole percents cannot hold every brightness (192 is 75.3%), but the
    // hue scale must not add to that: each byte comes back within one, and
    // converting again moves the hue by at most one degree.
    THSB h{0, 0, 0};
    RGBToHSB(rgb, h);
    const TRGBBytes back = HSBToRGB(h);
    EXPECT_LE(std::abs(back.R - rgb.R), 1) << std::hex << c;
    EXPECT_LE(std::abs(back.G - rgb.G), 1) << std::hex << c;
    EXPECT_LE(std::abs(back.B - rgb.B), 1) << std::hex << c;
    THSB again = h;
    RGBToHSB(back, again);
    EXPECT_LE(std::abs(again.H - h.H), 1) << std::hex << c;
    EXPECT_EQ(again.B, h.B) << std::hex << c;
  }
}

TEST(ColorConversions, ColourObjectKeepsItsThreeFormsInStep) {
  TPSPColor p;
  p.SetRGB(0x0000FF);  // red
  EXPECT_EQ(p.Bytes(), Bytes(255, 0, 0));
  EXPECT_EQ(p.HByte(), 0);
  EXPECT_EQ(p.SByte(), 255);
  EXPECT_EQ(p.LByte(), 128);  // 127.5 to even
  p.SetRGB(0xFF0000);  // blue, two thirds round
  EXPECT_EQ(p.HByte(), 170);
  EXPECT_EQ(p.SByte(), 255);
  // A third of the way round: green, a shade light as L is 128 / 255.
  p.SetHSLBytes(85, 255, 128);
  EXPECT_DOUBLE_EQ(p.HSL().H, 85 / 255.0);
  EXPECT_EQ(p.Bytes(), Bytes(1, 255, 1));
  p.SetHSL(0.5, 1, 0.5);
  EXPECT_EQ(p.Bytes(), Bytes(0, 255, 255));
  EXPECT_EQ(p.HByte(), 128);
  EXPECT_EQ(p.LByte(), 128);
  TPSPColor copy;
  copy.Assign(p);
  EXPECT_EQ(copy.Color(), p.Color());
  EXPECT_EQ(copy.SByte(), 255);
}

TEST(ColorGrid, CellsAreCentredAndPickedWithoutTheirRightAndBottomEdges) {
  // 162 x 123 client: cells (162 - 12) div 6 = 25 wide, (123 - 16) div 8 = 13 high.
  const TColorGridLayout l = ColorGridLayout(TRect(2, 24, 164, 147), 6, 8);
  EXPECT_EQ(l.CellW, 25);
  EXPECT_EQ(l.CellH, 13);
  EXPECT_EQ(l.Left, 2 + 81 - 81);
  EXPECT_EQ(l.Top, 24 + 61 - 60);
  EXPECT_EQ(l.CellOrigin(1), TPoint(3, 26));
  EXPECT_EQ(l.CellOrigin(8), TPoint(3 + 27, 26 + 15));
  EXPECT_EQ(l.CellFrame(1), TRect(2, 25, 29, 40));
  EXPECT_EQ(l.CellSwatch(1, false), TRect(6, 29, 25, 36));
  EXPECT_EQ(l.CellSwatch(1, true), TRect(7, 30, 24, 35));
  EXPECT_EQ(l.CellAt(TPoint(3, 26), 48), 1);
  EXPECT_EQ(l.CellAt(TPoint(27, 38), 48), 1);
  EXPECT_EQ(l.CellAt(TPoint(28, 38), 48), 0);  // right edge: the gap
  EXPECT_EQ(l.CellAt(TPoint(30, 26), 48), 2);
  EXPECT_EQ(l.CellAt(TPoint(3, 39), 48), 0);   // bottom edge
  EXPECT_EQ(l.CellAt(TPoint(3, 41), 48), 7);
  EXPECT_EQ(l.CellAt(l.CellOrigin(48), 48), 48);
  EXPECT_EQ(l.CellAt(TPoint(0, 0), 48), 0);
}

TEST(ColorGrid, CellsPastTheColoursAreNotSelectable) {
  const TColorGridLayout l = ColorGridLayout(TRect(0, 0, 280, 100), 12, 5);
  EXPECT_EQ(l.CellAt(l.CellOrigin(48), 48), 48);
  EXPECT_EQ(l.CellAt(l.CellOrigin(49), 48), 0);
  EXPECT_EQ(l.CellAt(l.CellOrigin(60), 48), 0);
  EXPECT_EQ(BasicColorIndex(0x7F7F7F), -1);
  EXPECT_EQ(BasicColorIndex(0x4F4280), 37);
  EXPECT_EQ(BasicColorIndex(0xFF80FF), 47);
}

TEST(CustomColorSlots, FillInTurnAndTheThirteenthOverwritesTheFirst) {
  TCustomColorSlots s;
  EXPECT_EQ(s.LastWritten, 0);
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(s.Slot(k), 0xFFFFFF);
  for (int k = 1; k <= 13; ++k) s.AddColor(k);
  EXPECT_EQ(s.LastWritten, 1);
  EXPECT_EQ(s.Slot(1), 13);
  EXPECT_EQ(s.Slot(2), 2);
  EXPECT_EQ(s.Slot(12), 12);
  s.AddColor(99);
  EXPECT_EQ(s.LastWritten, 2);
  EXPECT_EQ(s.Slot(2), 99);
}

TEST(HueRingGeometry, AnglesRegionsAndPicks) {
  using namespace HueRing;
  EXPECT_EQ(AngleFromTop(97, 5, 97, 97), 0);
  EXPECT_EQ(AngleFromTop(190, 97, 97, 97), 90);
  EXPECT_EQ(AngleFromTop(97, 190, 97, 97), 180);
  EXPECT_EQ(AngleFromTop(5, 97, 97, 97), 270);
  EXPECT_EQ(AngleFromTop(96, 0, 97, 97), 359);
  // Red at the top, yellow upper left, green lower left, blue lower right.
  EXPECT_EQ(HueAtAngle(0), 0);
  EXPECT_EQ(HueAtAngle(300), 60);
  EXPECT_EQ(HueAtAngle(240), 120);
  EXPECT_EQ(HueAtAngle(120), 240);
  EXPECT_TRUE(InRingPick(97, 3));
  EXPECT_FALSE(InRingPick(97, 30));  // inside the ring's hole
  EXPECT_FALSE(InRingPick(2, 2));    // outside the circle, in the corner
  EXPECT_TRUE(InRingPaint(5, 97));
  EXPECT_TRUE(InBox(44, 150));
  EXPECT_FALSE(InBox(43, 100));
  EXPECT_EQ(PickHueByte(97, 3), 0);
  EXPECT_EQ(PickHueByte(6, 97), 64);     // 90 degrees counter-clockwise
  EXPECT_EQ(PickHueByte(190, 97), 191);  // straight right: 270 degrees
  EXPECT_EQ(PickHueByte(97, 190), 128);
  // The painted ring runs 20 pixels in from the edge on every side, the
  // lower and right inner bands included.
  for (int d = 0; d < 20; ++d) {
    EXPECT_TRUE(InRingPaint(97, d)) << d;
    EXPECT_TRUE(InRingPaint(97, 194 - d)) << d;
    EXPECT_TRUE(InRingPaint(d, 97)) << d;
    EXPECT_TRUE(InRingPaint(194 - d, 97)) << d;
  }
  EXPECT_FALSE(InRingPaint(97, 20));
  EXPECT_FALSE(InRingPaint(97, 174));
  EXPECT_FALSE(InRingPaint(174, 97));
  EXPECT_FALSE(InRingPaint(97, 97));
  uint8_t s, l;
  PickBoxBytes(44, 150, s, l);
  EXPECT_EQ(s, 0);
  EXPECT_EQ(l, 255);
  PickBoxBytes(300, -20, s, l);  // dragged past the box: clamped
  EXPECT_EQ(s, 255);
  EXPECT_EQ(l, 0);
  PickBoxBytes(97, 97, s, l);
  EXPECT_EQ(s, 128);
  EXPECT_EQ(l, 128);
}

TEST(HueRingGeometry, MarkersPickBackTheirOwnColour) {
  using namespace HueRing;
  EXPECT_EQ(RingMarker({0, 1, 0.5}), TPoint(97, 10));
  EXPECT_EQ(RingMarker({0.25, 1, 0.5}), TPoint(10, 97));
  EXPECT_EQ(BoxMarker({0, 1, 0}), TPoint(150, 44));
  // For every hue byte the ring marker sits where a press gives that byte back
  // (within one byte, the ring having 360 steps for 256 values).
  for (int hb = 0; hb < 256; ++hb) {
    const TPoint p = RingMarker({hb / 255.0, 1, 0.5});
    EXPECT_TRUE(InRingPick(p.X, p.Y)) << hb;
    const int back = PickHueByte(p.X, p.Y);
    const int diff = std::min(std::abs(back - hb), 256 - std::abs(back - hb));
    EXPECT_LE(diff, 1) << hb;
  }
  for (int sb = 0; sb < 256; sb += 15) {
    const TPoint p = BoxMarker({0, sb / 255.0, 1 - sb / 255.0});
    uint8_t s, l;
    PickBoxBytes(p.X, p.Y, s, l);
    EXPECT_LE(std::abs(s - sb), 2);
    EXPECT_LE(std::abs(l - (255 - sb)), 2);
  }
}

TEST(ColorMenuPlan, AutomaticWinsOverTheSameColourInTheTable) {
  const TColorMenuPlan both;
  EXPECT_EQ(both.Count(), 42);
  EXPECT_EQ(both.Highlight(0x000000, 0x000000), 0);  // "Automatic", not item 1
  EXPECT_EQ(both.Highlight(0x000000, 0xFFFFFF), 1);  // black is the table's first
  EXPECT_EQ(both.Highlight(0xFFFFFF, 0x000000), 40);
  EXPECT_EQ(both.ItemColor(40, 0), 0xFFFFFF);
  // Not in the table: "More colors...", or nothing without it.
  EXPECT_EQ(both.Highlight(0x123456, 0x000000), 41);
  EXPECT_EQ(both.MoreIndex(), 41);
  const TColorMenuPlan noMore{true, false};
  EXPECT_EQ(noMore.Highlight(0x123456, 0x000000), -1);
  EXPECT_EQ(noMore.MoreIndex(), -1);
  // Without "Automatic" the colours start at item 0.
  const TColorMenuPlan noAuto{false, true};
  EXPECT_EQ(noAuto.Count(), 41);
  EXPECT_EQ(noAuto.Highlight(0x000000, 0x000000), 0);
  EXPECT_EQ(noAuto.ItemColor(0, 0x123456), 0x000000);
  EXPECT_EQ(noAuto.Highlight(0x999999, 0), 23);
  EXPECT_EQ(noAuto.MoreIndex(), 40);
}
