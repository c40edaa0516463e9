// The combo button: glyph counts, image lists shared through the glyph cache
// and released with the last button, and the speed-button mouse rules.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/ActnList.h"
#include "components/fcStringCombo.h"
#include "components/fccombobutton.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

TBitmap* Strip(int W, int H) {
  auto* b = new TBitmap;
  b->SetSize(W, H);
  b->Canvas()->Brush()->SetColor(clOlive);
  b->Canvas()->FillRect(TRect(0, 0, W, H));
  b->Canvas()->Brush()->SetColor(clBlue);
  b->Canvas()->FillRect(TRect(2, 2, W - 2, H - 2));
  return b;
}

}  // namespace

class fcComboButtonTest : public FormTest {};

TEST_F(fcComboButtonTest, GlyphCountFromTheStripAndLimits) {
  auto* b = Add<TfcComboButton>(10, 10);
  EXPECT_EQ(b->Width(), 23);
  EXPECT_EQ(b->Height(), 22);
  EXPECT_TRUE(b->Transparent());
  std::unique_ptr<TBitmap> s64(Strip(64, 16)), s80(Strip(80, 16)), s50(Strip(50, 16));
  b->SetGlyph(s64.get());
  EXPECT_EQ(b->NumGlyphs(), 4);
  b->SetGlyph(s80.get());
  EXPECT_EQ(b->NumGlyphs(), 1);  // five cells become one
  b->SetNumGlyphs(2);
  b->SetGlyph(s50.get());
  EXPECT_EQ(b->NumGlyphs(), 2);  // no whole multiple: the count stays
  b->SetNumGlyphs(7);
  EXPECT_EQ(b->NumGlyphs(), 4);
  b->SetNumGlyphs(0);
  EXPECT_EQ(b->NumGlyphs(), 4);
  b->SetMargin(-2);
  EXPECT_EQ(b->Margin(), -1);
}

TEST_F(fcComboButtonTest, ButtonsOfOneCellSizeShareAListAndTheLastFreesTheCache) {
  std::unique_ptr<TBitmap> a(Strip(32, 16)), c(Strip(16, 16)), d(Strip(20, 10));
  const int before = TfcComboButton::ButtonCount();
  auto* b1 = Add<TfcComboButton>(10, 10);
  auto* b2 = Add<TfcComboButton>(40, 10);
  auto* b3 = Add<TfcComboButton>(70, 10);
  EXPECT_EQ(TfcComboButton::ButtonCount(), before + 3);
  b1->SetGlyph(a.get());  // two 16 x 16 cells
  b2->SetGlyph(c.get());  // one 16 x 16 cell
  b3->SetGlyph(d.get());  // two 10 x 10 cells
  const int i1 = b1->GlyphObject()->ImageIndexFor(bsUp);
  const int i2 = b2->GlyphObject()->ImageIndexFor(bsUp);
  b3->GlyphObject()->ImageIndexFor(bsUp);
  ASSERT_NE(b1->GlyphObject()->List(), nullptr);
  EXPECT_EQ(b1->GlyphObject()->List(), b2->GlyphObject()->List());
  EXPECT_NE(i1, i2);
  EXPECT_NE(b3->GlyphObject()->List(), b1->GlyphObject()->List());
  EXPECT_EQ(fcGlyphCache()->ListCount(), 2);
  EXPECT_EQ(b1->GlyphObject()->ImageIndexFor(bsUp), i1);  // built once
  EXPECT_EQ(b1->GlyphObject()->ImageIndexFor(bsExclusive), i1);  // under 3 cells: the up image
  b1->GlyphObject()->ImageIndexFor(bsDisabled);
  EXPECT_EQ(b1->GlyphObject()->List()->UsedCount(), 3);

  delete b3;  // its list is no longer used
  EXPECT_EQ(fcGlyphCache()->ListCount(), 1);
  delete b1;  // its slots free up for the next image
  EXPECT_EQ(b2->GlyphObject()->List()->UsedCount(), 1);
  auto* b4 = Add<TfcComboButton>(10, 40);
  b4->SetGlyph(c.get());
  EXPECT_EQ(b4->GlyphObject()->ImageIndexFor(bsUp), i1 == 0 ? 0 : i1);  // the first free slot again
  delete b4;
  delete b2;
  if (before == 0) {
    EXPECT_EQ(fcGlyphCache(), nullptr);
  }
}

TEST_F(fcComboButtonTest, AComboFreedWithoutAParentLeavesTheCacheToTheOthers) {
  Add<TfcStringCombo>(10, 10, 120, 21);
  Free(new TfcStringCombo(nullptr));  // never had a parent, nor a glyph
  ASSERT_NE(fcGlyphCache(), nullptr);
  auto* next = Add<TfcStringCombo>(10, 40, 120, 21);
  std::unique_ptr<TBitmap> s(Strip(12, 12));
  next->SetButtonStyle(cbsCustom);
  next->SetButtonGlyph(s.get());
  form->Show();
  Settle();
  TBitmap shot;
  PaintInto(next->Button(), shot);
  EXPECT_EQ(PixelAt(shot, shot.Width() / 2, shot.Height() / 2), clBlue);  // the glyph, centred
}

TEST_F(fcComboButtonTest, PaintsTheGlyphAndPressOutsideDoesNotClick) {
  auto* b = Add<TfcComboButton>(10, 10, 30, 30);
  std::unique_ptr<TBitmap> s(Strip(16, 16));
  s->SetTransparentColor(clOlive);
  b->SetGlyph(s.get());
  TBitmap shot;
  PaintInto(b, shot, clWhite);
  EXPECT_EQ(PixelAt(shot, 15, 15), clBlue);  // the glyph's middle, centred

  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  Settle();
  const TPoint p = form->ClientToScreen(TPoint(25, 25));
  MoveMouse(p);
  MouseDown();
  Settle();
  EXPECT_EQ(b->State(), bsDown);
  MoveMouse(TPoint(p.X + 100, p.Y + 100));
  Settle();
  EXPECT_EQ(b->State(), bsUp);
  MouseUp();
  Settle();
  EXPECT_EQ(clicks, 0);
  MoveMouse(p);
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(clicks, 1);
}

TEST_F(fcComboButtonTest, ActionGivesGroupIndexGlyphAndCheckedWhileInStep) {
  auto* list = new TActionList(form);
  auto* images = new TImageList(form, 16, 16);
  TBitmap green;  // a green square on the glyph's transparent colour
  green.SetSize(16, 16);
  green.Canvas()->Brush()->SetColor(clFuchsia);
  green.Canvas()->FillRect(TRect(0, 0, 16, 16));
  green.Canvas()->Brush()->SetColor(clLime);
  green.Canvas()->FillRect(TRect(4, 4, 12, 12));
  images->Add(&green, nullptr);
  list->SetImages(images);
  auto* action = new TCustomAction(form);
  action->SetActionList(list);
  action->SetImageIndex(0);
  action->SetGroupIndex(3);
  auto* b = Add<TfcComboButton>(10, 10, 30, 30);
  b->SetAllowAllUp(true);
  b->SetAction(action);
  EXPECT_EQ(b->GroupIndex(), 3);
  ASSERT_FALSE(b->Glyph()->Empty());  // the action's image fills the empty glyph
  TBitmap shot;
  PaintInto(b, shot, clWhite);
  EXPECT_EQ(PixelAt(shot, 15, 15), clLime);
  EXPECT_NE(PixelAt(shot, 9, 9), clFuchsia);
  // In step with the action (both up, then both down), Checked drives Down.
  action->SetChecked(true);
  EXPECT_TRUE(b->Down());
  action->SetChecked(false);
  EXPECT_FALSE(b->Down());
  // The group index follows the action's.
  action->SetGroupIndex(5);
  EXPECT_EQ(b->GroupIndex(), 5);
}

namespace {

// Whether the pixel belongs to a caption drawn in a red: with the font
// smoothing it is red mixed with the grey face, redder than it is green.
bool Reddish(TBitmap& B, int X, int Y) {
  const COLORREF c = ColorToRGB(PixelAt(B, X, Y));
  return GetRValue(c) > GetGValue(c) + 24;
}

bool Blue(TBitmap& B, int X, int Y) { return PixelAt(B, X, Y) == ColorToRGB(clBlue); }

// The first and last columns holding a pixel that Is (-1, -1 when none).
template <typename Test>
std::pair<int, int> ColumnsOf(TBitmap& B, Test Is) {
  std::pair<int, int> span(-1, -1);
  for (int x = 0; x < B.Width(); ++x)
    for (int y = 0; y < B.Height(); ++y)
      if (Is(B, x, y)) {
        if (span.first < 0) span.first = x;
        span.second = x;
        break;
      }
  return span;
}

// The caption's shape, each row from its first column on.
std::vector<std::string> TextShape(TBitmap& B) {
  const std::pair<int, int> span = ColumnsOf(B, Reddish);
  std::vector<std::string> rows;
  for (int y = 0; y < B.Height(); ++y) {
    std::string row;
    for (int x = span.first; x <= span.second; ++x) row += Reddish(B, x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

TEST_F(fcComboButtonTest, RightToLeftReadingPutsTheGlyphBeyondTheCaptionAndReadsItFromTheRight) {
  auto* b = Add<TfcComboButton>(10, 10, 120, 30);
  std::unique_ptr<TBitmap> s(Strip(16, 16));
  s->SetTransparentColor(clOlive);
  b->SetGlyph(s.get());
  b->SetCaption(L"ab (1).");
  b->Font()->SetColor(clRed);
  TBitmap ltr, rtl;
  PaintInto(b, ltr, clWhite);
  b->SetBiDiMode(bdRightToLeft);
  PaintInto(b, rtl, clWhite);
  // Left to right the glyph leads the caption; right to left it follows it.
  const auto glyphL = ColumnsOf(ltr, Blue), textL = ColumnsOf(ltr, Reddish);
  const auto glyphR = ColumnsOf(rtl, Blue), textR = ColumnsOf(rtl, Reddish);
  ASSERT_GE(glyphL.first, 0);
  ASSERT_GE(textL.first, 0);
  EXPECT_LT(glyphL.second, textL.first);
  EXPECT_GT(glyphR.first, textR.second);
  // The caption reads from the right: the same width, the parts reordered.
  EXPECT_EQ(textL.second - textL.first, textR.second - textR.first);
  EXPECT_NE(TextShape(ltr), TextShape(rtl));
  // The other layouts keep their places.
  b->SetLayout(blGlyphTop);
  PaintInto(b, rtl, clWhite);
  b->SetBiDiMode(bdLeftToRight);
  PaintInto(b, ltr, clWhite);
  EXPECT_EQ(ColumnsOf(ltr, Blue), ColumnsOf(rtl, Blue));
}
