// The skinned month calendar: its state, the step buttons, day clicks and its
// painting (the selected day in the skin's pressed button).
#include "skininputs/SkinCalendar.h"

#include <algorithm>

#include "classlib/SysUtils.h"
#include "skin/SPUtils.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinSpeedButton.h"

namespace {

constexpr TColor kMagenta = 0x00FF00FF;

struct TStepSpec {
  const wchar_t* Resource;
  bool Left, Double;
  int Interval;
};
const TStepSpec kSteps[4] = {{L"SP_PRIORMONTH", true, false, 250},
                             {L"SP_NEXTMONTH", false, false, 250},
                             {L"SP_PRIORYEAR", true, true, 100},
                             {L"SP_NEXTYEAR", false, true, 100}};

// The step glyph: a program resource of that name when the program has one,
// else one or two chevrons in Color on magenta, the arrow every other step
// button of the library draws.
void LoadStepGlyph(TBitmap* Glyph, const TStepSpec& Spec, TColor Color) {
  if (HBITMAP h = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), Spec.Resource, IMAGE_BITMAP, 0, 0,
                                                  LR_CREATEDIBSECTION))) {
    Glyph->SetHandle(h);
    return;
  }
  Glyph->SetSize(16, 16);
  TCanvas* c = Glyph->Canvas();
  c->Brush()->SetColor(kMagenta);
  c->FillRect(TRect(0, 0, 16, 16));
  const int direction = Spec.Left ? 1 : 2;
  if (!Spec.Double) {
    DrawChevronInRect(c, TRect(0, 0, 16, 16), Color, direction);
    return;
  }
  DrawChevronInRect(c, TRect(-2, 0, 14, 16), Color, direction);
  DrawChevronInRect(c, TRect(2, 0, 18, 16), Color, direction);
}

}  // namespace

TspSkinMonthCalendar::TspSkinMonthCalendar(TComponent* AOwner) : TspSkinPanel(AOwner), FDate(Now()) {
  // Always the double-buffered look: the panel's look, then the calendar on it.
  FPaintByPieces = false;
  SetBorderStyle(bvFrame);
  for (int i = 0; i < 4; ++i) {
    auto* b = new TspSkinSpeedButton(this);
    b->SetSkinDataName(L"resizebutton");
    b->SetBounds(0, 0, 23, 23);
    b->SetNumGlyphs(1);
    b->SetRepeatMode(true);
    b->SetRepeatInterval(kSteps[i].Interval);
    LoadStepGlyph(b->Glyph(), kSteps[i], clBtnText);
    const auto kind = static_cast<TCalendarStep>(i);
    b->OnClick = [this, kind](TObject*) { Step(kind); };
    b->SetParent(this);
    FButtons[i] = b;
  }
  SetBounds(Left(), Top(), 200, 150);
  ArrangeButtons();
}

void TspSkinMonthCalendar::SetDate(TDateTime Value) {
  FDate = Value;
  Invalidate();
}

void TspSkinMonthCalendar::SetTodayDefault(bool Value) {
  FTodayDefault = Value;
  if (Value) SetDate(Now());
}

void TspSkinMonthCalendar::Loaded() {
  TspSkinPanel::Loaded();
  if (FTodayDefault) SetDate(Now());
}

void TspSkinMonthCalendar::SetFirstDayOfWeek(TspDaysOfWeek Value) {
  FFirstDayOfWeek = Value;
  Invalidate();
}

void TspSkinMonthCalendar::SetBoldDays(bool Value) {
  FBoldDays = Value;
  Invalidate();
}

void TspSkinMonthCalendar::SetSkinData(TspSkinData* Value) {
  TspSkinPanel::SetSkinData(Value);
  for (TspSkinSpeedButton* b : FButtons) b->SetSkinData(Value);
}

void TspSkinMonthCalendar::ChangeSkinData() {
  if (FSkinData && !FSkinData->Empty()) {
    // Without the label record no colour of an earlier skin stays.
    if (auto* r = FSkinData->ControlRecord<TspDataSkinStdLabelControl>(L"stdlabel")) {
      FFontColor = r->FontColor;
      FActiveFontColor = r->ActiveFontColor;
    } else {
      FFontColor = FActiveFontColor = Font()->Color();
    }
  }
  // The chevrons take the text colour of the buttons' record.
  TColor arrow = clBtnText;
  SkinButtonPartFontColor(FSkinData, {L"resizebutton"}, psIdle, arrow);
  for (int i = 0; i < 4; ++i) {
    TBitmap glyph;
    LoadStepGlyph(&glyph, kSteps[i], arrow);
    FButtons[i]->SetGlyph(&glyph);
  }
  TspSkinPanel::ChangeSkinData();
  ArrangeButtons();
}

void TspSkinMonthCalendar::SetCaptionMode(bool Value) {
  TspSkinPanel::SetCaptionMode(Value);
  ArrangeButtons();
  Invalidate();
}

void TspSkinMonthCalendar::SetDefaultCaptionHeight(int Value) {
  TspSkinPanel::SetDefaultCaptionHeight(Value);
  ArrangeButtons();
  Invalidate();
}

void TspSkinMonthCalendar::Dispatch(TMessage& Message) {
  TspSkinPanel::Dispatch(Message);
  if (Message.Msg == WM_SIZE) ArrangeButtons();
}

TRect TspSkinMonthCalendar::CalendarRect() const {
  TRect r(0, 0, Width(), Height());
  AdjustClientRect(r);
  return r;
}

void TspSkinMonthCalendar::ArrangeButtons() {
  if (!FButtons[0]) return;
  const TRect r = CalendarRect();
  TspSkinSpeedButton *priorYear = FButtons[csPriorYear], *nextYear = FButtons[csNextYear];
  priorYear->SetBounds(r.Left + 1, r.Top + 1, priorYear->Width(), priorYear->Height());
  FButtons[csPriorMonth]->SetBounds(priorYear->Left() + 24, r.Top + 1, FButtons[csPriorMonth]->Width(),
                                    FButtons[csPriorMonth]->Height());
  nextYear->SetBounds(r.Right - 24, r.Top + 1, nextYear->Width(), nextYear->Height());
  FButtons[csNextMonth]->SetBounds(nextYear->Left() - 24, r.Top + 1, FButtons[csNextMonth]->Width(),
                                   FButtons[csNextMonth]->Height());
}

void TspSkinMonthCalendar::Step(TCalendarStep Kind) {
  TDateTime d = FDate;
  if (StepCalendarDate(d, Kind)) SetDate(d);
  Click();
}

int TspSkinMonthCalendar::DayAtPoint(int X, int Y) const {
  int year, month, day;
  DecodeDate(FDate, year, month, day);
  if (year == 0) return 0;
  return ::DayAtPoint(FGrid, FirstCellDay(year, month, FFirstDayOfWeek), DaysInMonth(year, month), X, Y);
}

void TspSkinMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FPressed = true;
  TspSkinPanel::MouseDown(Button, Shift, X, Y);
}

void TspSkinMonthCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool pressed = FPressed && Button == mbLeft;
  if (Button == mbLeft) FPressed = false;
  TspSkinPanel::MouseUp(Button, Shift, X, Y);
  if (!pressed) return;
  const int d = DayAtPoint(X, Y);
  if (d == 0) return;
  int year, month, day;
  DecodeDate(FDate, year, month, day);
  SetDate(EncodeDate(year, month, d));
  if (OnNumberClick) OnNumberClick(this);
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinMonthCalendar::Paint() { TspSkinCustomControl::Paint(); }

void TspSkinMonthCalendar::CreateControlDefaultImage(TBitmap* B) {
  TspSkinPanel::CreateControlDefaultImage(B);
  DrawCalendar(B->Canvas());
}

void TspSkinMonthCalendar::CreateControlSkinImage(TBitmap* B) {
  TspSkinPanel::CreateControlSkinImage(B);
  DrawCalendar(B->Canvas());
}

void TspSkinMonthCalendar::DrawSelectedDay(TCanvas* C, const TRect& Cell) {
  const bool skinned = FIndex != -1;
  if (skinned) {
    TColor color = clNone;
    if (DrawSkinButtonPart(C, FSkinData, {L"resizebutton"}, Cell, psPressed, color)) {
      C->Font()->SetColor(color);
      return;
    }
  }
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetColor(skinned ? FActiveFontColor : Font()->Color());
  C->Rectangle(Cell);
}

void TspSkinMonthCalendar::DrawCalendar(TCanvas* C) {
  const TRect r = CalendarRect();
  const bool skinned = FIndex != -1;
  C->Font()->Assign(DrawingDefaultFont());
  if (FSkinData && FSkinData->ResourceStrData()) C->Font()->SetCharset(FSkinData->ResourceStrData()->CharSet());
  C->Brush()->SetStyle(bsClear);

  C->Font()->SetStyle({fsBold});
  C->Font()->SetColor(skinned ? FActiveFontColor : DrawingDefaultFont()->Color());
  const String title = FormatDateTime(L"MMMM, YYYY", FDate);
  C->TextOut(Width() / 2 - C->TextWidth(title) / 2 - 2, r.Top + 3, title);

  FGrid = TCalendarGrid::Of(r, C->TextHeight(L"Wq"));
  const TFormatSettings& fs = FormatSettings();
  for (int i = 0; i < 7; ++i) {
    const String name = fs.ShortDayNames[(FFirstDayOfWeek + i) % 7].substr(0, 4);
    const int x = r.Left + 1 + i * FGrid.ColWidth;
    C->TextOut(x + FGrid.ColWidth / 2 - C->TextWidth(name) / 2, r.Top + 33, name);
  }
  C->Pen()->SetColor(C->Font()->Color());
  C->MoveTo(r.Left + 1, FGrid.HeaderY);
  C->LineTo(r.Right - 1, FGrid.HeaderY);

  C->Font()->SetStyle(FBoldDays ? TFontStyles{fsBold} : TFontStyles{});
  if (skinned) C->Font()->SetColor(FFontColor);
  int year, month, day;
  DecodeDate(FDate, year, month, day);
  if (year == 0) return;
  const int first = FirstCellDay(year, month, FFirstDayOfWeek), days = DaysInMonth(year, month);
  for (int row = 1; row <= 6; ++row)
    for (int col = 0; col < 7; ++col) {
      const TRect cell = FGrid.Cell(row, col);
      const int d = first + (row - 1) * 7 + col;
      if (d == day) DrawSelectedDay(C, cell);
      const String text = d >= 1 && d <= days ? IntToStr(d) : String();
      C->Brush()->SetStyle(bsClear);
      C->TextOut(cell.Left + FGrid.ColWidth / 2 - C->TextWidth(text) / 2,
                 cell.Bottom - FGrid.RowHeight / 2 - C->TextHeight(L"0") / 2, text);
      if (skinned) C->Font()->SetColor(FFontColor);
    }
}

