// The skinned list box on a real form: height by rows, the skinned bars
// coming and going with the items, caption buttons held and clicked
// (repeat counted in timer ticks), tab stops and images in pixels, and a
// skin record with items 0 pixels high.
#include <algorithm>
#include <vector>

#include "SkinInputTestUtils.h"
#include "skin/SkinCtrlRecords2.h"
#include "skininputs/PopupListBox.h"

namespace {

class SkinListBoxTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    list = Add<TspSkinListBox>(form, 10, 10, 120, 104);
    Settle();
  }
  void Fill(int N) {
    for (int i = 0; i < N; ++i) list->Items()->Add(L"item " + std::to_wstring(i));
    Settle();
  }
  // Presses the caption button with the real mouse and keeps it held; the
  // repeat timer is stopped so that the test gives the ticks itself.
  void PressButton(int Index) {
    const TRect r = list->CaptionButtonRect(Index);
    MoveMouse(list->ClientToScreen(TPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2)));
    ::MouseDown();
    Settle();
    KillTimer(list->Handle(), 1);
  }
  TPoint ButtonPoint(int Index) const {
    const TRect r = list->CaptionButtonRect(Index);
    return TPoint(r.Left + 4, r.Top + 4);
  }
  void Tick(int N = 1) {
    for (int i = 0; i < N; ++i) SendMessageW(list->Handle(), WM_TIMER, 1, 0);
  }
  void Release() {
    ::MouseUp();
    Settle();
  }
  TspSkinListBox* list = nullptr;
};

TEST_F(SkinListBoxTest, DefaultsAndHeightByRows) {
  EXPECT_EQ(list->SkinDataName(), L"listbox");
  EXPECT_EQ(list->ItemHeight(), 20);
  EXPECT_EQ(list->ListBox()->Style(), lbOwnerDrawFixed);
  EXPECT_EQ(list->ListRect(), TRect(2, 2, 118, 102));
  list->SetRowCount(3);
  EXPECT_EQ(list->Height(), 64);
  list->SetCaptionMode(true);
  list->SetRowCount(3);
  EXPECT_EQ(list->Height(), 84);
  EXPECT_EQ(list->ListBox()->Top(), 21);
  list->SetDefaultItemHeight(15);
  list->SetRowCount(4);
  EXPECT_EQ(list->Height(), 4 * 15 + 4 + 20);
}

TEST_F(SkinListBoxTest, TwentyItemsInAHundredPixelsShowABarOfPageFive) {
  Fill(20);
  TspSkinScrollBar* bar = list->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Kind(), sbVertical);
  EXPECT_EQ(bar->PageSize(), 5);
  EXPECT_EQ(bar->Max(), 19);
  EXPECT_EQ(bar->LargeChange(), 5);
  EXPECT_EQ(list->ListBox()->Width(), 98);  // the bar stands beside it
  // The bar scrolls the list, and the list's own scrolling moves the bar.
  bar->SetPosition(10);
  EXPECT_EQ(list->TopIndex(), 10);
  list->ListBox()->SetFocus();
  list->SetItemIndex(0);
  PostKey(VK_END);
  EXPECT_EQ(list->ItemIndex(), 19);
  EXPECT_EQ(bar->Position(), 15);
  // Deleting until everything fits takes the bar away again.
  while (list->Items()->Count() > 5) list->Items()->Delete(0);
  Settle();
  EXPECT_EQ(list->VScrollBar(), nullptr);
  EXPECT_EQ(list->ListBox()->Width(), 116);
}

// Items deleted one by one, from the top or from the end: the bar goes as
// soon as the rest fit, with no paint in between to put it right, as a
// plain list's does; a list emptied and given a page of items has none.
TEST_F(SkinListBoxTest, DeletingDownToAPageDropsTheBarAtOnce) {
  for (bool fromTop : {true, false}) {
    Fill(20);
    ASSERT_NE(list->VScrollBar(), nullptr);
    for (int left = 19; left >= 5; --left) {
      list->Items()->Delete(fromTop ? 0 : left);
      EXPECT_EQ(list->VScrollBar() != nullptr, left > 5) << left << " items left";
      if (list->VScrollBar()) EXPECT_EQ(list->VScrollBar()->Max(), left - 1);
    }
    EXPECT_EQ(list->ListBox()->Width(), 116);
    list->Items()->Add(L"one more");
    ASSERT_NE(list->VScrollBar(), nullptr);
    EXPECT_EQ(list->VScrollBar()->Max(), 5);
    list->Clear();
    EXPECT_EQ(list->VScrollBar(), nullptr);
    Fill(5);
    EXPECT_EQ(list->VScrollBar(), nullptr);
    list->Clear();
  }
  // A hidden list is never painted: its bar follows all the same.
  list->SetVisible(false);
  Fill(20);
  ASSERT_NE(list->VScrollBar(), nullptr);
  while (list->Items()->Count() > 5) list->Items()->Delete(list->Items()->Count() - 1);
  EXPECT_EQ(list->VScrollBar(), nullptr);
}

// Columns: the bar along the bottom counts columns, from the first shown,
// and goes when the items fit again, scrolled to the end or not.
TEST_F(SkinListBoxTest, ColumnBarCountsColumns) {
  list->SetColumns(2);
  Fill(10);  // 5 rows a column: 2 columns fit
  EXPECT_EQ(list->VScrollBar(), nullptr);
  Fill(13);  // 23 items; the bar takes a row: 6 columns of 4
  TspSkinScrollBar* bar = list->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Kind(), sbHorizontal);
  EXPECT_EQ(bar->Max(), 5);
  EXPECT_EQ(bar->PageSize(), 2);
  bar->SetPosition(2);
  EXPECT_EQ(list->TopIndex(), 8);
  list->SetTopIndex(17);
  Settle();
  EXPECT_EQ(bar->Position(), 4);
  // Deleted from the front while the last columns show.
  while (list->Items()->Count() > 8) list->Items()->Delete(0);
  EXPECT_EQ(list->VScrollBar(), nullptr);
  EXPECT_EQ(list->ListRect(), TRect(2, 2, 118, 102));
}

// The window of the list answers the text messages from the items the
// control holds, as a list with strings does (a program or a screen reader
// asks the window).
TEST_F(SkinListBoxTest, TheListWindowAnswersForItsItems) {
  for (const wchar_t* s : {L"apple", L"Banana", L"blueberry", L"cherry"}) list->Items()->Add(s);
  const HWND w = list->ListBox()->Handle();
  EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & LBS_HASSTRINGS);
  EXPECT_FALSE(GetWindowLongW(w, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
  wchar_t text[32] = {};
  EXPECT_EQ(SendMessageW(w, LB_GETTEXTLEN, 2, 0), 9);
  EXPECT_EQ(SendMessageW(w, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)), 9);
  EXPECT_STREQ(text, L"blueberry");
  EXPECT_EQ(SendMessageW(w, LB_FINDSTRING, 1, reinterpret_cast<LPARAM>(L"B")), 2);
  EXPECT_EQ(SendMessageW(w, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"banana")), 1);
  EXPECT_EQ(SendMessageW(w, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"che")), 3);
  EXPECT_EQ(list->ItemIndex(), 3);
  list->Items()->SetStrings(1, L"Blackberry");
  EXPECT_EQ(SendMessageW(w, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 10);
  EXPECT_STREQ(text, L"Blackberry");
  // Still items by count only: a clear tells the parent of no item.
  EXPECT_EQ(SendMessageW(w, LB_GETCOUNT, 0, 0), 4);
  list->Clear();
  EXPECT_EQ(SendMessageW(w, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text)), LB_ERR);
}

// A renamed item of a list that holds its items is painted again.
TEST_F(SkinListBoxTest, ARenamedItemIsPaintedAgain) {
  Fill(4);
  std::vector<int> drawn;
  list->OnDrawItem = [&](TCanvas*, int Index, int, int, const TRect&, TOwnerDrawState) { drawn.push_back(Index); };
  list->ListBox()->Repaint();
  Settle();
  drawn.clear();
  list->Items()->SetStrings(2, L"renamed");
  Settle();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 2), drawn.end());
}

// Counts the items measured for the horizontal extent.
class TMeasuredListBox : public TspSkinListBox {
 public:
  using TspSkinListBox::TspSkinListBox;
  int Measures = 0;

 protected:
  int GetItemWidth(int Index, TCanvas* Canvas) override {
    ++Measures;
    return TspSkinListBox::GetItemWidth(Index, Canvas);
  }
};

// The widest item's width is kept as items come and go: a scroll or a
// paint measures nothing, an item added or deleted only itself; a rename
// or another font measures them all once.
TEST_F(SkinListBoxTest, TheWidestItemIsKeptAsItemsComeAndGo) {
  auto* l = Add<TMeasuredListBox>(form, 150, 10, 120, 104);
  l->SetHorizontalExtent(true);
  TBitmap measure;
  measure.Canvas()->Font()->Assign(l->ListBox()->Font());
  auto width = [&](const String& S) { return measure.Canvas()->TextWidth(S); };
  const String longest = L"the longest item of them all, by far";
  const String longer = L"an item longer than the list is wide";
  TStrings* items = l->Items();
  for (int i = 0; i < 30; ++i) items->Add(L"item " + std::to_wstring(i));
  EXPECT_EQ(l->HScrollBar(), nullptr);
  items->Insert(10, longer);
  items->Insert(20, longest);
  items->Add(longer);
  Settle();
  ASSERT_NE(l->HScrollBar(), nullptr);
  EXPECT_EQ(l->HScrollBar()->Max(), width(longest));

  l->Measures = 0;
  for (int top = 1; top < 12; ++top) {
    l->SetTopIndex(top);
    RedrawWindow(l->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  l->HScrollBar()->SetPosition(20);
  Settle();
  EXPECT_EQ(l->Measures, 0);

  items->Add(L"x");
  EXPECT_EQ(l->Measures, 1);
  items->Delete(items->IndexOf(longest));  // the next widest is the extent now
  EXPECT_EQ(l->Measures, 2);
  ASSERT_NE(l->HScrollBar(), nullptr);
  EXPECT_EQ(l->HScrollBar()->Max(), width(longer));
  items->Delete(items->IndexOf(longer));  // one of two as wide: no change
  ASSERT_NE(l->HScrollBar(), nullptr);
  EXPECT_EQ(l->HScrollBar()->Max(), width(longer));
  items->Delete(items->IndexOf(longer));  // everything fits
  EXPECT_EQ(l->HScrollBar(), nullptr);
  EXPECT_EQ(l->Measures, 4);

  // A rename of an item not shown: the old and the new text measured, the
  // bar back at once; renamed back, gone again.
  items->SetStrings(5, longest);
  ASSERT_NE(l->HScrollBar(), nullptr);
  EXPECT_EQ(l->HScrollBar()->Max(), width(longest));
  EXPECT_EQ(l->Measures, 6);
  items->SetStrings(5, L"item 5");
  EXPECT_EQ(l->HScrollBar(), nullptr);
  items->SetStrings(7, longer);
  EXPECT_EQ(l->HScrollBar()->Max(), width(longer));

  // Another font: measured again in it, at once.
  l->Measures = 0;
  l->ListBox()->Font()->SetHeight(22);
  measure.Canvas()->Font()->SetHeight(22);
  ASSERT_NE(l->HScrollBar(), nullptr);
  EXPECT_EQ(l->HScrollBar()->Max(), width(longer));
  EXPECT_EQ(l->Measures, items->Count());

  // Turned off and on again: measured once more; a clear leaves nothing.
  l->SetHorizontalExtent(false);
  EXPECT_EQ(l->HScrollBar(), nullptr);
  l->SetHorizontalExtent(true);
  ASSERT_NE(l->HScrollBar(), nullptr);
  EXPECT_EQ(l->HScrollBar()->Max(), width(longer));
  EXPECT_EQ(l->Measures, 2 * items->Count());
  l->Clear();
  EXPECT_EQ(l->HScrollBar(), nullptr);
  items->Add(L"short");
  EXPECT_EQ(l->HScrollBar(), nullptr);
}

// The window's pixels on screen are the ones a fresh paint makes.
bool ShowsAFreshPaint(TWinControl* C) {
  auto shot = Snapshot(C);
  HDC dc = GetDC(C->Handle());
  bool same = true;
  for (int y = 0; y < C->Height() && same; ++y)
    for (int x = 0; x < C->Width() && same; ++x)
      same = GetPixel(dc, x, y) == static_cast<COLORREF>(Rgb(shot->Canvas()->Pixels(x, y)));
  ReleaseDC(C->Handle(), dc);
  return same;
}

// The frame's outermost column and row on screen are the ones a fresh
// paint makes (the inner windows leave them to the frame).
bool FrameEdgesShowAFreshPaint(TWinControl* C) {
  auto shot = Snapshot(C);
  HDC dc = GetDC(C->Handle());
  const int r = C->Width() - 1, b = C->Height() - 1;
  auto fresh = [&](int X, int Y) {
    return GetPixel(dc, X, Y) == static_cast<COLORREF>(Rgb(shot->Canvas()->Pixels(X, Y)));
  };
  bool same = true;
  for (int y = 0; y <= b && same; ++y) same = fresh(r, y);
  for (int x = 0; x <= r && same; ++x) same = fresh(x, b);
  ReleaseDC(C->Handle(), dc);
  return same;
}

// Grown in place, the control is moved without the system's redraw: the
// paint that follows shows all of it. Shrunk or moved, the form's uncovered
// part is painted again.
TEST_F(SkinListBoxTest, AResizedListShowsItsWholeLookAndUncoversTheForm) {
  Fill(30);
  ASSERT_NE(list->VScrollBar(), nullptr);
  list->SetBounds(10, 10, 150, 140);
  UpdateWindow(form->Handle());
  EXPECT_TRUE(FrameEdgesShowAFreshPaint(list)) << "the grown frame on screen is stale";
  EXPECT_TRUE(ShowsAFreshPaint(list->ListBox())) << "the rows on screen are stale";
  EXPECT_TRUE(ShowsAFreshPaint(list->VScrollBar())) << "the bar on screen is stale";

  HDC dc = GetDC(form->Handle());
  const COLORREF background = GetPixel(dc, 4, 4);
  list->SetBounds(10, 10, 100, 90);
  UpdateWindow(form->Handle());
  EXPECT_EQ(GetPixel(dc, 10 + 130, 10 + 40), background) << "the uncovered form is not painted";
  EXPECT_EQ(GetPixel(dc, 10 + 40, 10 + 120), background) << "the uncovered form is not painted";
  EXPECT_TRUE(FrameEdgesShowAFreshPaint(list));
  list->SetBounds(60, 10, 120, 90);
  UpdateWindow(form->Handle());
  EXPECT_EQ(GetPixel(dc, 10 + 20, 10 + 40), background) << "the uncovered form is not painted";
  EXPECT_TRUE(FrameEdgesShowAFreshPaint(list));
  EXPECT_TRUE(ShowsAFreshPaint(list->ListBox()));
  ReleaseDC(form->Handle(), dc);
}

TEST_F(SkinListBoxTest, ListAndBarShowTheTopRowAfterFastScrolling) {
  list->Items()->BeginUpdate();
  for (int i = 0; i < 3000; ++i) list->Items()->Add(L"item " + std::to_wstring(i));
  list->Items()->EndUpdate();
  Settle();
  TspSkinScrollBar* bar = list->VScrollBar();
  ASSERT_NE(bar, nullptr);
  // Jumps of a page and more, then steps smaller than a page, each painted
  // at once with no pause between.
  auto scrollBy = [&](int From, int To, int Step) {
    for (int top = From; Step > 0 ? top <= To : top >= To; top += Step) {
      list->SetTopIndex(top);
      RedrawWindow(list->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      EXPECT_EQ(list->TopIndex(), top);
      EXPECT_EQ(bar->Position(), top);
    }
  };
  scrollBy(0, 2995, 5);
  EXPECT_TRUE(ShowsAFreshPaint(bar)) << "the bar on screen is stale";
  EXPECT_TRUE(ShowsAFreshPaint(list->ListBox())) << "the rows on screen are stale";
  scrollBy(2995, 1234, -7);
  scrollBy(1235, 1260, 2);
  scrollBy(1259, 1250, -1);
  Settle();
  EXPECT_TRUE(ShowsAFreshPaint(bar)) << "the bar on screen is stale";
  EXPECT_TRUE(ShowsAFreshPaint(list->ListBox())) << "the rows on screen are stale";
  // The bar drives the list as before, jump or step; a jump past the end
  // stops at the last page.
  bar->SetPosition(17);
  EXPECT_EQ(list->TopIndex(), 17);
  bar->SetPosition(18);
  EXPECT_EQ(list->TopIndex(), 18);
  list->SetTopIndex(5000);
  Settle();
  EXPECT_EQ(list->TopIndex(), 2995);
  EXPECT_EQ(bar->Position(), 2995);
  EXPECT_TRUE(ShowsAFreshPaint(bar)) << "the bar on screen is stale";
  EXPECT_TRUE(ShowsAFreshPaint(list->ListBox())) << "the rows on screen are stale";
  // A hidden list stays hidden through a jump.
  list->ListBox()->SetVisible(false);
  list->SetTopIndex(100);
  EXPECT_FALSE(IsWindowVisible(list->ListBox()->Handle()));
  EXPECT_EQ(list->TopIndex(), 100);
}

TEST_F(SkinListBoxTest, RowCountEqualToTheItemsNeverShowsABar) {
  list->SetRowCount(20);
  Fill(20);
  EXPECT_EQ(list->VScrollBar(), nullptr);
  list->Items()->Add(L"one more");
  Settle();
  // The list is tall enough for 20 rows: 21 need a bar.
  ASSERT_NE(list->VScrollBar(), nullptr);
  EXPECT_EQ(list->VScrollBar()->PageSize(), 20);
}

TEST_F(SkinListBoxTest, HeldDownButtonStepsEveryTickAfterTheFirstAndOnRelease) {
  list->SetCaptionMode(true);
  Fill(5);
  list->SetItemIndex(0);
  PressButton(1);
  EXPECT_EQ(list->ItemIndex(), 0);
  Tick();  // the first delay ends: no step yet
  EXPECT_EQ(list->ItemIndex(), 0);
  Tick(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  Tick(5);  // never past the last item
  EXPECT_EQ(list->ItemIndex(), 4);
  Release();
  EXPECT_EQ(list->ItemIndex(), 4);
  Tick(3);  // stopped
  EXPECT_EQ(list->ItemIndex(), 4);

  list->SetItemIndex(2);
  PressButton(1);
  Tick(2);
  Release();  // the release steps once more
  EXPECT_EQ(list->ItemIndex(), 4);

  list->SetItemIndex(1);
  ClickAt(list, ButtonPoint(0));  // a quick click moves once
  EXPECT_EQ(list->ItemIndex(), 0);
  ClickAt(list, ButtonPoint(0));  // never above the first
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(SkinListBoxTest, LeavingTheHeldButtonPausesTheRepeat) {
  list->SetCaptionMode(true);
  Fill(10);
  list->SetItemIndex(0);
  PressButton(1);
  Tick(3);
  EXPECT_EQ(list->ItemIndex(), 2);
  MoveMouse(list->ClientToScreen(TPoint(10, 60)));
  EXPECT_FALSE(PumpUntil([&] { return list->ItemIndex() != 2; }, 300));  // no timer while off it
  const TRect r = list->CaptionButtonRect(1);
  MoveMouse(list->ClientToScreen(TPoint(r.Left + 4, r.Top + 4)));
  EXPECT_TRUE(PumpUntil([&] { return list->ItemIndex() >= 4; }));  // back on it: running again
  ::MouseUp();
  Settle();
}

TEST_F(SkinListBoxTest, AssignedButtonEventsFireOnReleaseAndNeverScroll) {
  list->SetCaptionMode(true);
  Fill(5);
  list->SetItemIndex(3);
  int ups = 0, checks = 0, listClicks = 0;
  list->OnUpButtonClick = [&](TObject* S) {
    EXPECT_EQ(S, list);
    ++ups;
  };
  list->OnListBoxClick = [&](TObject*) { ++listClicks; };
  PressButton(0);
  Tick(4);
  EXPECT_EQ(ups, 0);
  Release();
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(list->ItemIndex(), 3);
  // Check without an event performs the list's click; with one, only the event.
  ClickAt(list, ButtonPoint(2));
  EXPECT_EQ(listClicks, 1);
  list->OnCheckButtonClick = [&](TObject*) { ++checks; };
  ClickAt(list, ButtonPoint(2));
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(listClicks, 1);
  // Released off the button: nothing.
  PressButton(2);
  MoveMouse(list->ClientToScreen(TPoint(10, 60)));
  Release();
  EXPECT_EQ(checks, 1);
}

TEST_F(SkinListBoxTest, TabStopsPlaceTheTextAndLettersCountAsZero) {
  list->Items()->Add(L"\tWWW");
  auto tabs = std::make_unique<TStringList>();
  tabs->Add(L"60");
  list->SetTabWidths(tabs.get());
  Settle();
  auto darkColumns = [&] {
    auto shot = Snapshot(list);
    const TRect r = list->ListBox()->ItemRect(0);
    int first = -1;
    for (int x = list->ListBox()->Left() + 1; x < list->ListBox()->Left() + r.Width() - 2 && first < 0; ++x)
      for (int y = r.Top + 4; y < r.Bottom - 4; ++y)
        if (GetRValue(Rgb(shot->Canvas()->Pixels(x, list->ListBox()->Top() + y))) < 100) {
          first = x - list->ListBox()->Left();
          break;
        }
    return first;
  };
  const int at = darkColumns();
  EXPECT_GE(at, 60);
  EXPECT_LE(at, 70);
  tabs->Clear();
  tabs->Add(L"6o");  // not a number: a stop at 0, so the text starts at once
  list->SetTabWidths(tabs.get());
  const int zero = darkColumns();
  EXPECT_GE(zero, 0);
  EXPECT_LT(zero, 20);
}

TEST_F(SkinListBoxTest, HorizontalExtentScrollsByTheWidthOfAZero) {
  list->SetHorizontalExtent(true);
  list->Items()->Add(L"a rather long item that cannot fit into the list");
  Settle();
  TspSkinScrollBar* h = list->HScrollBar();
  ASSERT_NE(h, nullptr);
  TBitmap measure;
  measure.Canvas()->Font()->Assign(list->ListBox()->Font());
  EXPECT_EQ(h->SmallChange(), measure.Canvas()->TextWidth(L"0"));
  EXPECT_EQ(h->PageSize(), list->ListBox()->Width() - 4);
  list->ListBox()->SetFocus();
  PostKey(VK_RIGHT);
  PostKey(VK_RIGHT);
  EXPECT_EQ(h->Position(), 2 * h->SmallChange());
  EXPECT_EQ(list->ListBox()->HorzOffset(), h->Position());
  PostKey(VK_LEFT);
  EXPECT_EQ(h->Position(), h->SmallChange());
  list->Clear();
  EXPECT_EQ(list->HScrollBar(), nullptr);
  EXPECT_EQ(list->ListBox()->HorzOffset(), 0);
}

TEST_F(SkinListBoxTest, SkinRecordWithZeroHighItemsStillPaintsAndScrolls) {
  TspSkinData* data = NewTestSkin(form);
  auto* r = RecordOf<TspDataSkinListBox>(data, L"listbox");
  ASSERT_NE(r, nullptr);
  r->LTPoint = TPoint(2, 2);
  r->RTPoint = TPoint(46, 2);
  r->LBPoint = TPoint(2, 20);
  r->RBPoint = TPoint(46, 20);
  r->ClRect = TRect(2, 2, 46, 20);
  r->ItemRect = TRect(0, 44, 48, 44);  // no height at all
  Fill(150);
  list->SetSkinData(data);
  Settle();
  EXPECT_EQ(list->ItemHeight(), 1);
  ASSERT_NE(list->VScrollBar(), nullptr);
  EXPECT_EQ(list->VScrollBar()->SkinDataName(), L"vscrollbar");
  EXPECT_EQ(list->ListRect(), TRect(2, 2, 118 - list->VScrollBar()->Width(), 102));
  EXPECT_EQ(list->VScrollBar()->PageSize(), 100);
  auto shot = Snapshot(list);  // paints every row of 1 pixel without failing
  EXPECT_EQ(shot->Width(), 120);

  // A proper item height: rows follow it, and leaving the skin goes back.
  r->ItemRect = TRect(0, 44, 48, 56);
  list->ChangeSkinData();
  EXPECT_EQ(list->ItemHeight(), 12);
  list->SetRowCount(5);
  EXPECT_EQ(list->Height(), 22 - 18 + 5 * 12);
  list->SetSkinData(nullptr);
  EXPECT_EQ(list->ItemHeight(), 20);
  EXPECT_EQ(list->VScrollBar()->SkinDataName(), L"");
}

TEST_F(SkinListBoxTest, ListEventsComeFromTheSkinnedControlAndTabPassesThrough) {
  Fill(3);
  auto* next = Add<TButton>(form, 200, 10, 60, 24);
  int downs = 0, dbl = 0;
  list->OnListBoxMouseDown = [&](TObject* S, TMouseButton, TShiftState, int, int) {
    EXPECT_EQ(S, list);
    ++downs;
  };
  list->OnListBoxDblClick = [&](TObject*) { ++dbl; };
  const TRect r = list->ListBox()->ItemRect(1);
  MoveMouse(list->ListBox()->ClientToScreen(TPoint(r.Left + 5, r.Top + 5)));
  ::MouseDown();
  ::MouseUp();
  ::MouseDown();
  ::MouseUp();
  Settle();
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(dbl, 1);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(list->ListBox()->Focused());
  EXPECT_TRUE(list->GetItemState(1).Contains(odFocused));
  PostKey(VK_TAB);
  EXPECT_TRUE(next->Focused());
}

// The control keeps the items and its window only their count: every edit
// keeps the two in step, objects ride along, a remade window finds them all,
// and a typed letter still moves to the next item it begins.
TEST_F(SkinListBoxTest, ItemsHeldByTheControlThroughEditsRemakesAndTyping) {
  TStrings* items = list->Items();
  const HWND w = list->ListBox()->Handle();
  auto windowCount = [&] { return static_cast<int>(SendMessageW(list->ListBox()->Handle(), LB_GETCOUNT, 0, 0)); };
  auto* a = reinterpret_cast<TObject*>(0x1000);
  auto* b = reinterpret_cast<TObject*>(0x2000);
  Fill(30);
  list->SetTopIndex(20);
  list->SetItemIndex(25);
  list->Clear();
  EXPECT_EQ(items->Count(), 0);
  EXPECT_EQ(windowCount(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_EQ(list->VScrollBar(), nullptr);

  items->AddObject(L"cherry", a);
  items->Add(L"apple");
  items->Insert(1, L"banana");
  items->SetObjects(2, b);
  list->SetItemIndex(1);
  EXPECT_EQ(windowCount(), 3);
  EXPECT_EQ(list->ItemIndex(), 1);
  items->SetStrings(0, L"Cranberry");
  EXPECT_EQ(items->Strings(0), L"Cranberry");
  EXPECT_EQ(items->Objects(0), a);
  EXPECT_EQ(items->IndexOf(L"APPLE"), 2);
  EXPECT_THROW(items->Delete(3), EListError);
  items->Delete(1);
  EXPECT_EQ(windowCount(), 2);
  EXPECT_EQ(items->Strings(1), L"apple");
  EXPECT_EQ(items->Objects(1), b);

  // A remade window (multi-select) and a sorted list keep items and objects.
  items->Add(L"blueberry");
  list->SetMultiSelect(true);
  EXPECT_NE(list->ListBox()->Handle(), w);
  EXPECT_EQ(windowCount(), 3);
  list->SetMultiSelect(false);
  list->SetSorted(true);
  EXPECT_EQ(items->Add(L"avocado"), 1);
  EXPECT_EQ(items->Strings(0), L"apple");
  EXPECT_EQ(items->Objects(0), b);
  EXPECT_EQ(items->Strings(3), L"Cranberry");
  EXPECT_EQ(items->Objects(3), a);
  EXPECT_EQ(windowCount(), 4);

  // Letters: from the item selected on, wrapping round, letter case aside.
  int clicks = 0;
  list->OnListBoxClick = [&](TObject*) { ++clicks; };
  list->SetItemIndex(0);
  TypeText(list->ListBox(), L"a");
  EXPECT_EQ(list->ItemIndex(), 1);
  TypeText(list->ListBox(), L"A");
  EXPECT_EQ(list->ItemIndex(), 0);
  TypeText(list->ListBox(), L"cz");
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(list->ListBox()->FindPrefix(L"BL", 3), 2);
  EXPECT_EQ(list->ListBox()->FindPrefix(L"x", -1), -1);
}

// OnDrawItem may let the list draw again inside it (a modal form it shows
// takes the focus, and the list redraws its focused item), or free the list.
TEST_F(SkinListBoxTest, ItemHandlersThatMoveTheFocusOrFreeTheList) {
  Fill(4);
  auto* other = Add<TButton>(form, 200, 10, 60, 24);
  list->ListBox()->SetFocus();
  Settle();
  int draws = 0;
  list->OnDrawItem = [&](TCanvas*, int, int, int, const TRect&, TOwnerDrawState) {
    if (draws++ == 0) other->SetFocus();
  };
  list->ListBox()->SetItemIndex(2);  // the system list redraws the items itself
  Settle();
  EXPECT_TRUE(other->Focused());
  EXPECT_GT(draws, 1);

  draws = 0;
  list->OnDrawItem = [&](TCanvas*, int, int, int, const TRect&, TOwnerDrawState) {
    ++draws;
    Free(list);
  };
  list->ListBox()->Repaint();
  Settle();
  EXPECT_EQ(draws, 1);  // a freed list raises no more events
}

}  // namespace

// ---------------------------------------------------------------------------
// The popup list box

namespace {

// Stands in for the combo box that owns a drop-down list.
class TDropOwner : public TCustomControl, public TspPopupListOwner {
 public:
  explicit TDropOwner(TComponent* AOwner) : TCustomControl(AOwner) {}
  bool ListBoxAlphaBlend() const override { return Blend; }
  bool ListBoxAlphaBlendAnimation() const override { return Animate; }
  uint8_t ListBoxAlphaBlendValue() const override { return Value; }
  bool Blend = false, Animate = false;
  uint8_t Value = 200;
};

class PopupListBoxTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    owner = Add<TDropOwner>(form, 10, 10, 120, 20);
    popup = MakePopup(owner);
  }
  TspPopupListBox* MakePopup(TComponent* Owner) {
    auto* p = new TspPopupListBox(Owner);
    p->SetParent(owner);
    p->SetBounds(0, 0, 120, 104);
    for (int i = 0; i < 8; ++i) p->Items()->Add(L"choice " + std::to_wstring(i));
    return p;
  }
  BYTE Alpha(TspPopupListBox* P) {
    BYTE a = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(P->Handle(), nullptr, &a, &flags);
    return a;
  }
  TDropOwner* owner = nullptr;
  TspPopupListBox* popup = nullptr;
};

TEST_F(PopupListBoxTest, AToolWindowThatAClickNeverActivates) {
  EXPECT_FALSE(popup->Visible());
  const LONG style = GetWindowLongW(popup->Handle(), GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CHILD | WS_CAPTION), static_cast<LONG>(WS_POPUP));
  EXPECT_EQ(GetWindowLongW(popup->Handle(), GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_LAYERED), WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetClassLongW(popup->Handle(), GCL_STYLE) & CS_SAVEBITS);
  const TPoint at = form->ClientToScreen(TPoint(10, 30));
  popup->ShowAt(at);
  Settle();
  EXPECT_TRUE(popup->Visible());
  EXPECT_TRUE(IsWindowVisible(popup->Handle()));
  RECT r;
  GetWindowRect(popup->Handle(), &r);
  EXPECT_EQ(r.left, at.X);
  EXPECT_EQ(r.top, at.Y);
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  // A real click picks an item, tells the owner once, and leaves the form active.
  int chosen = 0;
  popup->OnListBoxClick = [&](TObject*) { ++chosen; };
  const TRect item = popup->ListBox()->ItemRect(2);
  ClickAt(popup->ListBox(), TPoint(item.Left + 5, item.Top + 5));
  EXPECT_EQ(popup->ItemIndex(), 2);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  EXPECT_EQ(GetForegroundWindow(), form->Handle());
  popup->Hide();
  Settle();
  EXPECT_FALSE(popup->Visible());
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST_F(PopupListBoxTest, FadeInOnlyWhenTheOwnerBlendsAndAnimates) {
  owner->Animate = true;  // animation alone does nothing without the blend
  popup->ShowAt(TPoint(120, 150));
  EXPECT_FALSE(popup->Layered());
  EXPECT_FALSE(GetWindowLongW(popup->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  popup->Hide();

  owner->Blend = true;
  popup->ShowAt(TPoint(120, 150));  // returns with the fade finished
  EXPECT_TRUE(popup->Layered());
  EXPECT_EQ(popup->AppliedAlpha(), 0);
  EXPECT_EQ(Alpha(popup), 200);
  popup->Hide();

  owner->Animate = false;
  owner->Value = 120;
  popup->ShowAt(TPoint(120, 150));
  EXPECT_EQ(popup->AppliedAlpha(), 120);
  EXPECT_EQ(Alpha(popup), 120);
  popup->Hide();

  owner->Animate = true;
  owner->Value = 0;  // fully transparent, after one step
  popup->ShowAt(TPoint(120, 150));
  EXPECT_EQ(Alpha(popup), 0);
  popup->Hide();

  owner->Blend = false;  // the layered style goes at the next drop-down
  popup->ShowAt(TPoint(120, 150));
  EXPECT_FALSE(GetWindowLongW(popup->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  popup->Hide();
}

TEST_F(PopupListBoxTest, AnOwnerThatIsNoDropDownOwnerGetsNoAlpha) {
  auto* plain = MakePopup(form);
  plain->ShowAt(TPoint(120, 150));
  EXPECT_TRUE(plain->Visible());
  EXPECT_FALSE(plain->Layered());
  EXPECT_FALSE(GetWindowLongW(plain->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  plain->Hide();
}

}  // namespace

namespace {

// A paint's OnDrawItem pumps; a paint met there frees the list box, and the
// pump goes on. The outer paint's item then goes on in the list box, whose
// inner list's window procedure is still running: it waits until that ends.
TEST_F(SkinListBoxTest, FreedFromADrawItemNestedInAnother) {
  Fill(5);
  int calls = 0;
  list->OnDrawItem = [&](TCanvas*, int, int, int, const TRect&, TOwnerDrawState) {
    if (++calls == 1) {
      list->ListBox()->Invalidate();
      PostMessageW(form->Handle(), WM_NULL, 0, 0);  // a message after the nested paint
      Application->ProcessMessages();
    } else if (calls == 2) {
      Free(list);
    }
  };
  list->ListBox()->Invalidate();
  Settle();
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(DeferredFreeCount(), 0u);
}

}  // namespace
