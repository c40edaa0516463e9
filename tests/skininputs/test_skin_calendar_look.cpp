// The month calendar's selected day in a skin: the skin's pressed button.
#include "SkinInputTestUtils.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skininputs/SkinCalendar.h"

class CalendarLookTest : public InputTest {};

TEST_F(CalendarLookTest, TheSelectedDayWearsTheSkinsPressedButton) {
  auto* c = Add<TspSkinMonthCalendar>(form, 10, 10, 210, 160);
  c->SetDate(EncodeDate(2024, 6, 15));
  TspSkinData* skin = NewTestSkin(form);
  c->SetSkinData(skin);
  auto plain = Snapshot(c);
  const int index = 15 - FirstCellDay(2024, 6, 0);
  const TRect selected = c->Grid().Cell(index / 7 + 1, index % 7);
  // The cell's corner shows the pressed button's picture, not an outline.
  TBitmap piece;
  piece.SetSize(selected.Width(), selected.Height());
  TColor dayColor = clNone;
  ASSERT_TRUE(DrawSkinButtonPart(piece.Canvas(), skin, {L"resizebutton"}, TRect(0, 0, piece.Width(), piece.Height()),
                                 psPressed, dayColor));
  EXPECT_EQ(plain->Canvas()->Pixels(selected.Left + 1, selected.Top + 1), piece.Canvas()->Pixels(1, 1));
}

// Pixels of Color in the glyph of the step button Kind.
int GlyphPixels(TspSkinMonthCalendar* C, TCalendarStep Kind, TColor Color) {
  TBitmap* glyph = C->StepButton(Kind)->Glyph();
  int n = 0;
  for (int y = 0; y < glyph->Height(); ++y)
    for (int x = 0; x < glyph->Width(); ++x) n += glyph->Canvas()->Pixels(x, y) == ColorToRGB(Color);
  return n;
}

TEST_F(CalendarLookTest, TheStepButtonsShowChevronsInTheButtonsTextColour) {
  auto* c = Add<TspSkinMonthCalendar>(form, 10, 10, 210, 160);
  const int single = GlyphPixels(c, csNextMonth, clBtnText);
  EXPECT_GT(single, 0);
  // The double chevron of the year steps: twice the strokes of the month's.
  EXPECT_EQ(GlyphPixels(c, csPriorYear, clBtnText), 2 * single);
  TspSkinData* skin = NewTestSkin(form);
  auto* record = RecordOf<TspDataSkinButtonControl>(skin, L"resizebutton");
  ASSERT_NE(record, nullptr);
  record->FontColor = 0x00A0B0C0;
  c->SetSkinData(skin);
  for (TCalendarStep kind : {csPriorMonth, csNextMonth, csPriorYear, csNextYear}) {
    EXPECT_EQ(GlyphPixels(c, kind, record->FontColor), kind == csPriorMonth || kind == csNextMonth ? single : 2 * single)
        << kind;
    EXPECT_EQ(GlyphPixels(c, kind, clBtnText), 0) << kind;
  }
  // Back without a skin, the default text colour again.
  c->SetSkinData(nullptr);
  EXPECT_EQ(GlyphPixels(c, csNextMonth, clBtnText), single);
}
