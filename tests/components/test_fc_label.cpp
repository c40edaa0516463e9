// The effect label and its renderer as a control: auto-size, alignment,
// transparency, the accelerator, rotation and extrusion read back from its
// painting; and the fc helpers that need a canvas or the property table.
#include <gtest/gtest.h>

#include "classlib/StdCtrls.h"
#include "classlib/TypInfo.h"
#include "components/FlatUtilitys.h"
#include "components/fcCanvas.h"
#include "components/fcLabel.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

class FcLabelTest : public FormTest {
 protected:
  TfcLabel* Label(const String& Caption) {
    auto* l = Add<TfcLabel>(50, 20);
    l->SetParentFont(false);
    l->Font()->SetName(L"Arial");
    l->Font()->SetHeight(-16);
    l->Font()->SetColor(clBlack);
    l->SetCaption(Caption);
    return l;
  }
};

TEST_F(FcLabelTest, AutoSizeFollowsTextAndEffects) {
  auto* l = Label(L"Hello");
  const int w = l->Width(), h = l->Height();
  EXPECT_GT(w, 20);
  EXPECT_GE(h, 16);
  l->SetCaption(L"Hello, world");
  EXPECT_GT(l->Width(), w);
  const int w2 = l->Width();
  l->TextOptions()->Shadow()->SetXOffset(6);
  l->TextOptions()->Shadow()->SetYOffset(4);
  l->TextOptions()->Shadow()->SetEnabled(true);
  EXPECT_EQ(l->Width(), w2 + 6);
  EXPECT_EQ(l->Height(), h + 4);
  l->TextOptions()->SetStyle(fclsOutline);
  EXPECT_EQ(l->Width(), w2 + 8);
  // Turned a quarter, the box turns with it.
  l->TextOptions()->Shadow()->SetEnabled(false);
  l->TextOptions()->SetStyle(fclsDefault);
  l->TextOptions()->SetRotation(-270);
  EXPECT_EQ(l->TextOptions()->Rotation(), 90);
  EXPECT_EQ(l->Height(), w2);
  EXPECT_EQ(l->Width(), h);
}

TEST_F(FcLabelTest, RightAlignedLabelKeepsItsRightEdge) {
  auto* l = Label(L"Right");
  l->TextOptions()->SetAlignment(taRightJustify);
  const int right = l->Left() + l->Width();
  l->SetCaption(L"Right aligned and longer");
  EXPECT_EQ(l->Left() + l->Width(), right);
}

TEST_F(FcLabelTest, TransparentLabelLeavesTheBackground) {
  auto* l = Label(L"..");
  l->SetColor(clYellow);
  TBitmap bmp;
  PaintInto(l, bmp, clLime);
  EXPECT_EQ(PixelAt(bmp, 0, 0), clYellow);
  l->SetTransparent(true);
  PaintInto(l, bmp, clLime);
  EXPECT_EQ(PixelAt(bmp, 0, 0), clLime);
}

TEST_F(FcLabelTest, ExtrusionShowsTowardsItsOrientation) {
  auto* l = Label(L"III");
  l->SetTransparent(true);
  l->Font()->SetHeight(-30);
  l->Font()->SetStyle({fsBold});
  auto* e = l->TextOptions()->ExtrudeEffects();
  e->SetNearColor(clRed);
  e->SetFarColor(clRed);
  e->SetDepth(10);
  e->SetEnabled(true);
  TBitmap bmp;
  PaintInto(l, bmp, clWhite);
  // Bottom right: red shows below and right of the black text, none above-left.
  int redBottomRight = 0, redTopRows = 0;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      if (PixelAt(bmp, x, y) != clRed) continue;
      if (y >= bmp.Height() - 10) ++redBottomRight;
      if (y < 3) ++redTopRows;
    }
  EXPECT_GT(redBottomRight, 0);
  EXPECT_EQ(redTopRows, 0);
}

TEST_F(FcLabelTest, BufferedDrawingLooksTheSame) {
  auto* l = Label(L"Buffered");
  l->TextOptions()->Shadow()->SetEnabled(true);
  TBitmap direct, buffered;
  PaintInto(l, direct, clWhite);
  l->TextOptions()->SetDoubleBuffered(true);
  PaintInto(l, buffered, clWhite);
  for (int y = 0; y < l->Height(); ++y)
    for (int x = 0; x < l->Width(); ++x) ASSERT_EQ(PixelAt(direct, x, y), PixelAt(buffered, x, y)) << x << "," << y;
}

TEST_F(FcLabelTest, FullJustificationSpreadsAllButTheLastLine) {
  auto* l = Label(L"");
  l->SetAutoSize(false);
  l->SetBounds(0, 0, 200, 120);
  l->TextOptions()->SetWordWrap(true);
  l->TextOptions()->SetOptions({toShowAccel, toFullJustify});
  l->SetCaption(L"aaa bbb ccc ddd eee fff ggg hhh iii jjj kkk lll mmm nnn ooo ppp qqq rrr sss ttt uuu vvv www");
  TBitmap bmp;
  PaintInto(l, bmp, clWhite);
  // The rightmost inked column of each text row.
  auto rightmost = [&](int y0, int y1) {
    int right = -1;
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < 200; ++x)
        if (GetRedOf(PixelAt(bmp, x, y)) < 128) right = std::max(right, x);
    return right;
  };
  const int lineH = l->Canvas()->TextHeight(L"AgTpjW");
  const int fullRight = rightmost(0, lineH);
  EXPECT_GE(fullRight, 190);  // a full line reaches the right edge
  // The last line ends where its words end, short of the edge (how short
  // depends on the font's widths).
  int lastRow = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x)
      if (GetRedOf(PixelAt(bmp, x, y)) < 128) lastRow = y;
  EXPECT_LT(rightmost(lastRow - lineH / 2, lastRow + 1), fullRight - 20);
}

TEST_F(FcLabelTest, AcceleratorFocusesTheControlUnlessAccelsAreOff) {
  auto* edit = Add<TEdit>(20, 100);
  auto* other = Add<TEdit>(20, 140);
  auto* l = Label(L"&Name");
  l->SetFocusControl(edit);
  ShowAndActivate(form);
  other->SetFocus();
  Settle();
  EXPECT_EQ(l->Perform(CM_DIALOGCHAR, L'n', 0), 1);
  EXPECT_TRUE(edit->Focused());
  other->SetFocus();
  l->TextOptions()->SetOptions({});
  EXPECT_EQ(l->Perform(CM_DIALOGCHAR, L'n', 0), 0);
  EXPECT_FALSE(edit->Focused());
  // A freed focus control is forgotten.
  Free(edit);
  EXPECT_EQ(l->FocusControl(), nullptr);
}

TEST_F(FcLabelTest, MouseEnterAndLeaveEvents) {
  auto* l = Label(L"Hover");
  int enters = 0, leaves = 0;
  l->OnMouseEnter = [&](TObject*) { ++enters; };
  l->OnMouseLeave = [&](TObject*) { ++leaves; };
  ShowAndActivate(form);
  MoveMouse(Center(l));
  ASSERT_TRUE(PumpUntil([&] { return enters == 1; }));
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return leaves == 1; }));
}

// ---- helpers that need a canvas or the property table ----

// A control with the property that switches themes off.
struct Themed : TGraphicControl {
  using TGraphicControl::TGraphicControl;
  bool DisableThemes() const { return FDisable; }
  void SetDisableThemes(bool V) { FDisable = V; }
  bool FDisable = true;
};

// The same on a control that holds others.
struct ThemedPanel : TCustomControl {
  using TCustomControl::TCustomControl;
  bool DisableThemes() const { return FDisable; }
  void SetDisableThemes(bool V) { FDisable = V; }
  bool FDisable = true;
};

TEST(FcHelpers, PropertiesByName) {
  TfcLabel label(nullptr);
  EXPECT_EQ(fcGetOrdPropByName(&label, L"autosize"), 1);
  fcSetOrdPropByName(&label, L"AutoSize", 0);
  EXPECT_FALSE(label.AutoSize());
  EXPECT_EQ(fcGetOrdPropByName(&label, L"NoSuchThing"), 0);
  fcSetOrdPropByName(&label, L"NoSuchThing", 5);  // quietly nothing
  TStringList names;
  fcListBooleanProps(&label, &names);
  EXPECT_GE(names.IndexOf(L"Transparent"), 0);
  EXPECT_LT(names.IndexOf(L"Color"), 0);
  EXPECT_TRUE(fcIsClassByName(&label, L"TFCCUSTOMLABEL"));
  EXPECT_FALSE(fcIsClassByName(&label, L"TCustomGrid"));
  EXPECT_EQ(fcGetControlList(&label), nullptr);
  EXPECT_EQ(fcGetControlList(nullptr), nullptr);
}

TEST(FcHelpers, ThemesSwitchedOffByAProperty) {
  RegisterPublishedClass<Themed>(
      L"Themed", {OrdProp(L"DisableThemes", &Themed::DisableThemes, &Themed::SetDisableThemes)});
  TForm parent(nullptr);
  auto* themed = new Themed(&parent);
  themed->SetParent(&parent);
  EXPECT_FALSE(fcUseThemes(themed));
  // Its own property, when false, lets the platform decide.
  fcSetOrdPropByName(themed, L"DisableThemes", 0);
  EXPECT_EQ(fcUseThemes(themed), fcUseThemes(nullptr));
  // A control without the property asks its parent. (The platform's themes
  // may be off; the switch is seen all the same.)
  auto* label = new TfcLabel(&parent);
  label->SetParent(&parent);
  EXPECT_EQ(fcUseThemes(label), fcUseThemes(nullptr));
  EXPECT_FALSE(fcThemesSwitchedOff(label));
  RegisterPublishedClass<ThemedPanel>(
      L"ThemedPanel", {OrdProp(L"DisableThemes", &ThemedPanel::DisableThemes, &ThemedPanel::SetDisableThemes)});
  auto* panel = new ThemedPanel(&parent);
  panel->SetParent(&parent);
  label->SetParent(panel);
  EXPECT_TRUE(fcThemesSwitchedOff(label));
  EXPECT_FALSE(fcUseThemes(label));
  panel->SetDisableThemes(false);
  EXPECT_FALSE(fcThemesSwitchedOff(label));
  // A control's own property decides, whatever its parent says.
  themed->SetParent(panel);
  panel->SetDisableThemes(true);
  EXPECT_FALSE(fcThemesSwitchedOff(themed));
}

TEST(FcHelpers, ColoursAndVersions) {
  EXPECT_EQ(fcImageListColor(clNone), 0xFFFFFFFFu);
  EXPECT_EQ(fcImageListColor(clDefault), 0xFF000000u);
  EXPECT_EQ(fcImageListColor(clRed), static_cast<COLORREF>(clRed));
  uint8_t hi, b, g, r;
  fcSplitColor(0x00112233, hi, b, g, r);
  EXPECT_EQ(hi, 0);
  EXPECT_EQ(b, 0x11);
  EXPECT_EQ(r, 0x33);
  EXPECT_EQ(fcVersion, L"4000.01");
  EXPECT_GE(fcGetComCtlVersion() >> 16, 5u);
  EXPECT_EQ(CalcAdvancedColor(clBtnFace, clRed, 0, true), clRed);
  EXPECT_EQ(CalcAdvancedColor(clBtnFace, clRed, 20, true), AdvancedColorOf(ColorToRGB(clBtnFace), 20, true));
}

TEST(FcHelpers, DottedLineTileAndText) {
  TBitmap bmp;
  bmp.SetSize(10, 10);
  bmp.Canvas()->Brush()->SetColor(clWhite);
  bmp.Canvas()->FillRect(Rect(0, 0, 10, 10));
  bmp.Canvas()->Pen()->SetColor(clBlack);
  fcDottedLine(bmp.Canvas(), TPoint(0, 0), TPoint(0, 6));
  for (int y = 0; y <= 6; ++y) EXPECT_EQ(PixelAt(bmp, 0, y), y % 2 ? clWhite : clBlack) << y;

  TBitmap empty;
  fcTileGraphic(&empty, bmp.Canvas(), Rect(0, 0, 10, 10));  // returns at once
  TBitmap tile;
  tile.SetSize(4, 4);
  tile.Canvas()->Brush()->SetColor(clRed);
  tile.Canvas()->FillRect(Rect(0, 0, 4, 4));
  fcTileGraphic(&tile, bmp.Canvas(), Rect(3, 3, 10, 9));  // from the origin, over 7 x 6
  EXPECT_EQ(PixelAt(bmp, 0, 0), clRed);
  EXPECT_EQ(PixelAt(bmp, 7, 7), clRed);
  EXPECT_EQ(PixelAt(bmp, 9, 9), clWhite);

  bmp.Canvas()->Font()->SetName(L"Arial");
  bmp.Canvas()->Font()->SetHeight(-12);
  const int h = fcTextHeightIn(bmp.Canvas(), 0, 200, L"Ag");
  EXPECT_GT(h, 10);
  TSize size;
  fcMultiLineTextExtent(bmp.Canvas(), L"Ag\r\nAgAg", 5, 0, 0, size);
  EXPECT_EQ(size.cy, 2 * bmp.Canvas()->TextHeight(L"Ag") + 5);
  EXPECT_EQ(size.cx, bmp.Canvas()->TextWidth(L"AgAg"));
}

TEST(FlatDrawing, FrameAndDisabledGlyph) {
  TBitmap bmp;
  bmp.SetSize(10, 10);
  bmp.Canvas()->Brush()->SetColor(clWhite);
  bmp.Canvas()->FillRect(Rect(0, 0, 10, 10));
  Frame3DBorder(bmp.Canvas(), Rect(0, 0, 10, 10), clRed, clBlue, 2);
  EXPECT_EQ(PixelAt(bmp, 0, 0), clRed);
  EXPECT_EQ(PixelAt(bmp, 1, 5), clRed);
  EXPECT_EQ(PixelAt(bmp, 9, 9), clBlue);
  EXPECT_EQ(PixelAt(bmp, 8, 5), clBlue);
  EXPECT_EQ(PixelAt(bmp, 2, 5), clWhite);

  // A black square on white, black being the mask colour: engraved in
  // highlight and shadow on the face.
  TBitmap glyph;
  glyph.SetSize(8, 8);
  glyph.Canvas()->Brush()->SetColor(clWhite);
  glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
  glyph.Canvas()->Brush()->SetColor(clBlack);
  glyph.Canvas()->FillRect(Rect(2, 2, 6, 6));
  std::unique_ptr<TBitmap> off(CreateDisabledBitmap(&glyph, clBlack, clYellow, clAqua, clBlue, true));
  EXPECT_EQ(PixelAt(*off, 0, 0), clYellow);
  EXPECT_EQ(PixelAt(*off, 3, 3), clBlue);
  EXPECT_EQ(PixelAt(*off, 6, 6), clAqua);
}

}  // namespace
