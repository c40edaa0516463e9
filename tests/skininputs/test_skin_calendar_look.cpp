// The month calendar's selected day in a skin: the skin's pressed button.
#include "SkinInputTestUtils.h"
#include "skinctrls/PartLook.h"
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
