// Painting of the month calendar: the panel's look, the title, the weekday
// names and the days, the selected one in the skin's pressed button.
#include "classlib/SysUtils.h"
#include "skininputs/SkinButtonPiece.h"
#include "skininputs/SkinCalendar.h"

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
    const TColor color = DrawSkinButtonPiece(C, FSkinData, {L"resizebutton"}, Cell, psDown);
    if (color != clNone) {
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
  C->Font()->Assign(FDefaultFont.get());
  if (FSkinData && FSkinData->ResourceStrData()) C->Font()->SetCharset(FSkinData->ResourceStrData()->CharSet());
  C->Brush()->SetStyle(bsClear);

  C->Font()->SetStyle({fsBold});
  C->Font()->SetColor(skinned ? FActiveFontColor : FDefaultFont->Color());
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

