// The month calendar under the real mouse: its buttons, day clicks and the
// look of the selected day.
#include "SkinInputTestUtils.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skininputs/SkinCalendar.h"

class CalendarTest : public InputTest {
 protected:
  TspSkinMonthCalendar* NewCalendar() {
    auto* c = Add<TspSkinMonthCalendar>(form, 10, 10, 210, 160);
    c->SetDate(EncodeDate(2024, 6, 15) + 0.5);
    c->Repaint();
    Settle();
    return c;
  }
  // Centre of the cell that shows Day of June 2024 (Sunday first).
  TPoint DayCentre(TspSkinMonthCalendar* C, int Day) {
    const int index = Day - FirstCellDay(2024, 6, C->FirstDayOfWeek());
    const TRect r = C->Grid().Cell(index / 7 + 1, index % 7);
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

TEST_F(CalendarTest, ButtonsSitAtTheTopCorners) {
  auto* c = NewCalendar();
  TspSkinSpeedButton* py = c->StepButton(csPriorYear);
  TspSkinSpeedButton* pm = c->StepButton(csPriorMonth);
  TspSkinSpeedButton* nm = c->StepButton(csNextMonth);
  TspSkinSpeedButton* ny = c->StepButton(csNextYear);
  EXPECT_EQ(py->SkinDataName(), L"resizebutton");
  EXPECT_EQ(py->Width(), 23);
  EXPECT_EQ(pm->RepeatInterval(), 250);
  EXPECT_EQ(ny->RepeatInterval(), 100);
  EXPECT_TRUE(ny->RepeatMode());
  const int inset = py->Left() - 1;  // the frame's width, the same on each side
  EXPECT_EQ(pm->Left(), py->Left() + 24);
  EXPECT_EQ(ny->Left(), c->Width() - inset - 24);
  EXPECT_EQ(nm->Left(), ny->Left() - 24);
  EXPECT_EQ(py->Top(), pm->Top());
  // A new size moves the right-hand pair with the right edge.
  c->SetWidth(260);
  Settle();
  EXPECT_EQ(ny->Left(), 260 - inset - 24);
}

TEST_F(CalendarTest, StepButtonsMoveTheMonthAndYear) {
  auto* c = NewCalendar();
  int clicks = 0;
  c->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(c->StepButton(csNextMonth), TPoint(11, 11));
  EXPECT_EQ(c->Date(), EncodeDate(2024, 7, 15));
  ClickAt(c->StepButton(csPriorYear), TPoint(11, 11));
  EXPECT_EQ(c->Date(), EncodeDate(2023, 7, 15));
  EXPECT_EQ(clicks, 2);
  // At the last month a forward step changes nothing, and still clicks.
  c->SetDate(EncodeDate(9999, 12, 31));
  c->Step(csNextMonth);
  EXPECT_EQ(c->Date(), EncodeDate(9999, 12, 31));
  EXPECT_EQ(clicks, 3);
  // The buttons take the calendar's skin.
  TspSkinData* skin = NewTestSkin(form);
  c->SetSkinData(skin);
  EXPECT_EQ(c->StepButton(csNextYear)->SkinData(), skin);
}

TEST_F(CalendarTest, ADayClickSelectsItAndOthersDoNothing) {
  auto* c = NewCalendar();
  int numberClicks = 0;
  c->OnNumberClick = [&](TObject*) { ++numberClicks; };
  ClickAt(c, DayCentre(c, 20));
  EXPECT_EQ(c->Date(), EncodeDate(2024, 6, 20));  // the time is dropped
  EXPECT_EQ(numberClicks, 1);
  // June 2024 starts on a Saturday: the first cell is blank.
  const TRect blank = c->Grid().Cell(1, 0);
  ClickAt(c, TPoint(blank.Left + 3, blank.Top + 3));
  ClickAt(c, TPoint(c->Width() / 2, c->Grid().HeaderY - 5));  // the weekday names
  ClickAt(c, TPoint(c->Width() / 2, 8));                      // the title
  EXPECT_EQ(c->Date(), EncodeDate(2024, 6, 20));
  EXPECT_EQ(numberClicks, 1);
  // Monday first puts 1 June (a Saturday) in the sixth column.
  c->SetFirstDayOfWeek(Mon);
  c->Repaint();
  Settle();
  const TRect sixth = c->Grid().Cell(1, 5);
  ClickAt(c, TPoint(sixth.Left + 3, sixth.Top + 3));
  EXPECT_EQ(c->Date(), EncodeDate(2024, 6, 1));
}

// A release whose press was not on the calendar (pressed elsewhere and
// dragged over, or no press at all) picks no day and fires nothing.
TEST_F(CalendarTest, AReleaseWithoutAPressPicksNoDay) {
  auto* c = NewCalendar();
  int numberClicks = 0;
  c->OnNumberClick = [&](TObject*) { ++numberClicks; };
  MoveMouse(c->ClientToScreen(DayCentre(c, 20)));
  ::MouseUp();
  Settle();
  EXPECT_EQ(c->Date(), EncodeDate(2024, 6, 15) + 0.5);
  EXPECT_EQ(numberClicks, 0);
  ClickAt(c, DayCentre(c, 20));
  EXPECT_EQ(c->Date(), EncodeDate(2024, 6, 20));
  EXPECT_EQ(numberClicks, 1);
  c->OnNumberClick = nullptr;
}

TEST_F(CalendarTest, TheSelectedDayIsOutlinedWithoutASkin) {
  auto* c = NewCalendar();
  c->DefaultFont()->SetColor(clRed);
  c->Font()->SetColor(clRed);
  auto shot = Snapshot(c);
  const int index = 15 - FirstCellDay(2024, 6, 0);
  const TRect selected = c->Grid().Cell(index / 7 + 1, index % 7);
  const TRect other = c->Grid().Cell(index / 7 + 1, (index + 1) % 7);
  EXPECT_EQ(shot->Canvas()->Pixels(selected.Left, selected.Top + 2), Rgb(clRed));
  EXPECT_NE(shot->Canvas()->Pixels(other.Left, other.Top + 2), Rgb(clRed));
}

