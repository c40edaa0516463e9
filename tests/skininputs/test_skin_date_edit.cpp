// The date edit under typed keys and the mouse: its mask, the key check, the
// text that becomes the date, and the drop-down calendar.
#include <cmath>

#include "SkinInputTestUtils.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skininputs/SkinDateEdit.h"

class DateEditTest : public InputTest {
 protected:
  void SetUp() override {
    FSaved = FormatSettings();
    FormatSettings().ShortDateFormat = L"yyyy/mm/dd";
    FormatSettings().DateSeparator = L'-';
    InputTest::SetUp();
  }
  void TearDown() override {
    InputTest::TearDown();
    FormatSettings() = FSaved;
  }
  TspSkinDateEdit* NewEdit() {
    auto* e = AddFocused<TspSkinDateEdit>(10, 10, 140, 22);
    e->OnDateChange = [this](TObject*) { ++dateChanges; };
    SendMessageW(e->Handle(), EM_SETSEL, 0, 0);
    return e;
  }
  int dateChanges = 0;

 private:
  TFormatSettings FSaved;
};

TEST_F(DateEditTest, TheMaskFollowsAYearFirstFormat) {
  auto* e = NewEdit();
  EXPECT_EQ(e->EditMask(), L"!0000/99/99;1; ");
  EXPECT_EQ(e->EditText(), L"    -  -  ");
  EXPECT_EQ(e->SkinDataName(), L"buttonedit");
  EXPECT_TRUE(e->ButtonMode());
}

TEST_F(DateEditTest, ImplausibleKeysAreDroppedAndACompleteTextSetsTheDate) {
  auto* e = NewEdit();
  TypeText(e, L"20241");
  TypeText(e, L"3");  // month 13
  EXPECT_EQ(e->EditText(), L"2024-1 -  ");
  TypeText(e, L"x");
  EXPECT_EQ(e->EditText(), L"2024-1 -  ");
  TypeText(e, L"2");
  TypeText(e, L"32");  // day 32 dropped, its 3 kept
  EXPECT_EQ(e->EditText(), L"2024-12-3 ");
  EXPECT_EQ(dateChanges, 0);
  TypeText(e, L"1");
  EXPECT_EQ(e->Date(), EncodeDate(2024, 12, 31));
  EXPECT_EQ(dateChanges, 1);
}

TEST_F(DateEditTest, AnImpossibleDateNeverRaisesAndKeepsTheValue) {
  auto* e = NewEdit();
  TypeText(e, L"20240229");
  ASSERT_EQ(e->Date(), EncodeDate(2024, 2, 29));
  // 31 February typed over the day: the key is taken, nothing is raised
  // and the date stays until the text is a real date again.
  SendMessageW(e->Handle(), EM_SETSEL, 8, 10);
  EXPECT_NO_THROW(TypeText(e, L"31"));
  EXPECT_EQ(e->EditText(), L"2024-02-31");
  EXPECT_EQ(e->Date(), EncodeDate(2024, 2, 29));
  // Pasted: the same.
  Clipboard()->SetAsText(L"2023-02-29");
  SendMessageW(e->Handle(), EM_SETSEL, 0, 10);
  EXPECT_NO_THROW({
    SendMessageW(e->Handle(), WM_PASTE, 0, 0);
    Settle();
  });
  EXPECT_EQ(e->Date(), EncodeDate(2024, 2, 29));
  EXPECT_NO_THROW(e->SetText(L"2023-02-30"));
  EXPECT_EQ(e->Date(), EncodeDate(2024, 2, 29));
  e->SetText(L"2023-03-01");
  EXPECT_EQ(e->Date(), EncodeDate(2023, 3, 1));
}

TEST_F(DateEditTest, SettingAValueThatIsNoDateKeepsTheLastValidOne) {
  auto* e = NewEdit();
  e->SetDate(EncodeDate(2024, 6, 15));
  dateChanges = 0;
  for (TDateTime bad : {1e12, -1e9, std::nan("")}) {
    e->SetDate(bad);
    EXPECT_EQ(e->Date(), EncodeDate(2024, 6, 15));
    EXPECT_EQ(e->EditText(), L"2024-06-15");
  }
  EXPECT_EQ(dateChanges, 0);
  // The calendar still lays out its month: a click on the 16th picks it.
  e->DropDown();
  Settle();
  TspSkinMonthCalendar* c = e->Calendar();
  const int index = 16 - FirstCellDay(2024, 6, 0);
  const TRect cell = c->Grid().Cell(index / 7 + 1, index % 7);
  ClickAt(c, TPoint(cell.Left + 4, cell.Top + 4));
  EXPECT_EQ(e->Date(), EncodeDate(2024, 6, 16));
}

TEST_F(DateEditTest, TheDropDownOpensBelowOnTodaysMonthWithoutTakingTheFocus) {
  auto* e = NewEdit();
  e->DropDown();
  Settle();
  ASSERT_TRUE(e->DroppedDown());
  EXPECT_TRUE(e->Focused());
  int y, m, d, ty, tm, td;
  DecodeDate(e->Date(), y, m, d);
  DecodeDate(Now(), ty, tm, td);
  EXPECT_EQ(y * 12 + m, ty * 12 + tm);
  RECT er, cr;
  GetWindowRect(e->Handle(), &er);
  GetWindowRect(e->Calendar()->Handle(), &cr);
  EXPECT_EQ(cr.top, er.bottom);
  EXPECT_EQ(cr.left, er.left);
  EXPECT_EQ(cr.right - cr.left, 200);
  // Any key closes it and leaves the text alone.
  const String text = e->EditText();
  KeyDownUp(e, VK_RIGHT);
  EXPECT_FALSE(e->DroppedDown());
  EXPECT_EQ(e->EditText(), text);
}

TEST_F(DateEditTest, ADayClickWritesTheDateAndCancelRestoresIt) {
  auto* e = NewEdit();
  e->SetDate(EncodeDate(2024, 6, 15));
  EXPECT_EQ(e->EditText(), L"2024-06-15");
  dateChanges = 0;
  // The calendar's buttons change its date while dropped; closing without
  // a day click puts the old one back.
  e->DropDown();
  Settle();
  ClickAt(e->Calendar()->StepButton(csNextMonth), TPoint(11, 11));
  EXPECT_TRUE(e->DroppedDown());
  EXPECT_EQ(e->Date(), EncodeDate(2024, 7, 15));
  e->CloseUp(false);
  EXPECT_EQ(e->Date(), EncodeDate(2024, 6, 15));
  EXPECT_EQ(dateChanges, 0);

  e->DropDown();
  Settle();
  TspSkinMonthCalendar* c = e->Calendar();
  const int index = 20 - FirstCellDay(2024, 6, 0);
  const TRect cell = c->Grid().Cell(index / 7 + 1, index % 7);
  ClickAt(c, TPoint(cell.Left + 4, cell.Top + 4));
  EXPECT_FALSE(e->DroppedDown());
  EXPECT_EQ(e->EditText(), L"2024-06-20");
  EXPECT_EQ(e->Date(), EncodeDate(2024, 6, 20));
  EXPECT_GE(dateChanges, 1);
  EXPECT_TRUE(e->Focused());
}

TEST_F(DateEditTest, NearTheScreensBottomTheCalendarOpensAbove) {
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  form->SetBounds(100, screenH - 80, 420, 60);
  auto* e = NewEdit();
  e->DropDown();
  Settle();
  RECT er, cr;
  GetWindowRect(e->Handle(), &er);
  GetWindowRect(e->Calendar()->Handle(), &cr);
  EXPECT_EQ(cr.top, er.top - e->CalendarHeight());
  e->CloseUp(false);
}

TEST_F(DateEditTest, TodayDefaultWritesTheDateBackOnLeaving) {
  auto* e = NewEdit();
  e->SetTodayDefault(true);
  EXPECT_EQ(e->EditText(), DateTextOf(TDateLayout::Current(), Now()));
  e->SetText(L"2024-01-0 ");
  auto* other = Add<TspSkinEdit>(form, 10, 60, 120, 20);
  other->SetFocus();
  Settle();
  EXPECT_TRUE(other->Focused());
  // The unfinished text gave no date: today's is written back.
  EXPECT_EQ(e->EditText(), DateTextOf(TDateLayout::Current(), Date()));
  EXPECT_EQ(static_cast<int>(e->Date()), static_cast<int>(Date()));
}

TEST_F(DateEditTest, LosingTheFocusClosesTheCalendarAndLetsTheFocusGo) {
  auto* e = NewEdit();
  auto* other = Add<TspSkinEdit>(form, 200, 10, 120, 20);  // beside the calendar
  e->DropDown();
  Settle();
  ClickAt(other, TPoint(5, 5));
  EXPECT_FALSE(e->DroppedDown());
  EXPECT_TRUE(other->Focused());
}

TEST_F(DateEditTest, ABlendedCalendarFadesInAndLosesItsLayerOnClosing) {
  auto* e = NewEdit();
  e->SetCalendarAlphaBlend(true);
  e->SetCalendarAlphaBlendAnimation(true);
  e->SetCalendarAlphaBlendValue(255);
  e->DropDown();
  HWND cal = e->Calendar()->Handle();
  ASSERT_TRUE(GetWindowLongW(cal, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  // The drop-down returns at once; the fade goes on from the calendar's timer.
  ASSERT_TRUE(GetLayeredWindowAttributes(cal, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 0);
  std::vector<int> seen;
  PumpUntil([&] {
    GetLayeredWindowAttributes(cal, nullptr, &alpha, &flags);
    if (seen.empty() || seen.back() != alpha) seen.push_back(alpha);
    return alpha == 255;
  });
  EXPECT_EQ(alpha, 255);  // 25 steps of 10, then the last one capped
  for (int v : seen) EXPECT_TRUE(v % 10 == 0 || v == 255) << v;
  e->CloseUp(false);
  EXPECT_FALSE(GetWindowLongW(cal, GWL_EXSTYLE) & WS_EX_LAYERED);
  // Without the fade the opacity is there at once.
  e->SetCalendarAlphaBlendAnimation(false);
  e->SetCalendarAlphaBlendValue(120);
  e->DropDown();
  ASSERT_TRUE(GetLayeredWindowAttributes(cal, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 120);
  e->CloseUp(false);
}

TEST_F(DateEditTest, FreeingTheEditDuringTheFadeEndsItQuietly) {
  // Deleted, and freed as an owner frees it (its calendar first).
  for (bool byOwner : {false, true}) {
    auto* e = NewEdit();
    e->SetCalendarAlphaBlend(true);
    e->SetCalendarAlphaBlendAnimation(true);
    e->SetCalendarAlphaBlendValue(250);
    e->DropDown();
    HWND cal = e->Calendar()->Handle();
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(cal, nullptr, &alpha, nullptr));
    ASSERT_LT(alpha, 250);  // still fading
    if (byOwner)
      Free(e);
    else
      delete e;
    EXPECT_FALSE(IsWindow(cal));
    Settle();  // no tick of the fade is left to reach the freed controls
  }
}
