// Samples of the month calendar, the date edits with their drop-down calendar
// and a scroll box whose content is larger than it. With --dropdown N the
// first date edit of column N (1 by default) opens its calendar once the page
// shows.
#include "classlib/ExtCtrls.h"
#include "demo/GalleryFrame.h"
#include "demo/SkinSamples.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinScrollBox.h"
#include "skinctrls/SkinLabels.h"

namespace {

// A caption line over a sample.
int AddCaption(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, const String& Text) {
  auto* label = Place<TspSkinStdLabel>(Parent, X, Y, kSampleColumnWidth - 2 * X, 18);
  label->DefaultFont()->SetName(kChineseFont);
  label->SetCaption(Text);
  label->SetSkinData(SkinData);
  return Y + 20;
}

TspSkinDateEdit* AddDateEdit(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int Width) {
  auto* edit = Place<TspSkinDateEdit>(Parent, X, Y, Width, 20);
  edit->DefaultFont()->SetName(kChineseFont);
  edit->CalendarFont()->SetName(kChineseFont);
  // Room for the day names apart and rows that breathe, below the room the
  // skin's panel keeps for a caption.
  edit->SetCalendarWidth(250);
  edit->SetCalendarHeight(200);
  edit->SetSkinData(SkinData);
  return edit;
}

// Opens Edit's calendar once, a moment after the page has shown.
void DropDownSoon(TspSkinDateEdit* Edit) {
  auto* timer = new TTimer(Edit);
  timer->SetInterval(1500);
  timer->OnTimer = [Edit, timer](TObject*) {
    timer->SetEnabled(false);
    Edit->SetFocus();
    Edit->DropDown();
  };
  timer->SetEnabled(true);
}

}  // namespace

int BuildDateSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;
  auto* calendar = new TspSkinMonthCalendar(Parent);
  calendar->SetParent(Parent);
  // The calendar is a panel: its name goes in the panel's caption bar, the
  // room the skin's panel keeps above the client (and the default look
  // shows with the caption mode on).
  calendar->SetCaption(L"Month calendar \x6708\x5386");
  calendar->SetCaptionMode(true);
  // The column's width: room for the day names apart, and rows that breathe.
  calendar->SetBounds(X, Y, w, 234);
  calendar->DefaultFont()->SetName(kChineseFont);
  calendar->SetFirstDayOfWeek(Mon);
  calendar->SetSkinData(SkinData);
  Y += calendar->Height() + 8;

  Y = AddCaption(Parent, SkinData, X, Y, L"Date edits \x65E5\x671F\x7F16\x8F91");
  auto* today = AddDateEdit(Parent, SkinData, X, Y, w / 2 - 4);
  today->SetTodayDefault(true);
  auto* empty = AddDateEdit(Parent, SkinData, X + w / 2, Y, w / 2);
  empty->SetCalendarBoldDays(true);
  static int column = 0;
  int dropColumn = 1;
  if (HasArgument(L"--dropdown", &dropColumn) && ++column == dropColumn) DropDownSoon(today);
  Y += 28;

  Y = AddCaption(Parent, SkinData, X, Y, L"Scroll box \x6EDA\x52A8\x6846");
  constexpr int kBar = 16;
  auto* box = Place<TspSkinScrollBox>(Parent, X, Y, w - kBar, 110);
  box->SetSkinData(SkinData);
  auto* vbar = new TspSkinScrollBar(Parent);
  vbar->SetParent(Parent);
  vbar->SetKind(sbVertical);
  vbar->SetSkinDataName(L"vscrollbar");
  vbar->SetBounds(X + w - kBar, Y, kBar, 110);
  vbar->SetSkinData(SkinData);
  auto* hbar = Place<TspSkinScrollBar>(Parent, X, Y + 110, w - kBar, kBar);
  hbar->SetSkinData(SkinData);
  // Rows of labels and edits, taller and wider than the box.
  for (int row = 0; row < 8; ++row) {
    auto* label = Place<TspSkinStdLabel>(box, 6, 6 + row * 26, 80, 18);
    label->DefaultFont()->SetName(kChineseFont);
    label->SetCaption(L"Entry \x6761\x76EE " + IntToStr(row + 1));
    label->SetSkinData(SkinData);
    auto* edit = Place<TspSkinEdit>(box, 90, 4 + row * 26, 240, 20);
    edit->DefaultFont()->SetName(kChineseFont);
    edit->SetText(L"Value " + IntToStr((row + 1) * 111));
    edit->SetSkinData(SkinData);
  }
  box->SetVScrollBar(vbar);
  box->SetHScrollBar(hbar);
  box->UpdateScrollBars();
  return Y + 110 + kBar + 8;
}
