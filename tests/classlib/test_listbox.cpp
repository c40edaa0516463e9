// The list box on a shown form: items kept across windows, sorting,
// selection by real clicks, item look-up by point, owner drawing; an
// owner-drawn list that holds its items, its window answering for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

#include "ControlTestUtils.h"
#include "classlib/StdCtrls.h"

namespace {

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 240);
    list = new TListBox(form);
    list->OnClick = [this](TObject*) { ++clicks; };
    list->OnDblClick = [this](TObject*) { ++dblClicks; };
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  void Show() {
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 200);
    ShowAndActivate(form);
  }
  void Fill(int N) {
    for (int i = 0; i < N; ++i) list->Items()->Add(L"item " + std::to_wstring(i));
  }
  // A click on the item's middle, with the keys in Modifiers held.
  void ClickItem(int Index, WORD Modifier = 0) {
    const TRect r = list->ItemRect(Index);
    MoveMouse(list->ClientToScreen(TPoint(r.Left + 5, r.Top + r.Height() / 2)));
    if (Modifier) KeyInput(Modifier, false);
    MouseDown();
    MouseUp();
    Settle();
    if (Modifier) KeyInput(Modifier, true);
    Settle();
  }
  TForm* form = nullptr;
  TListBox* list = nullptr;
  int clicks = 0, dblClicks = 0;
};

TEST_F(ListBoxTest, ItemsBeforeTheWindowAndAcrossRecreationAreKept) {
  auto* tag = reinterpret_cast<TObject*>(0x1234);
  list->Items()->Add(L"b");
  list->Items()->AddObject(L"a", tag);
  list->SetItemIndex(1);
  Show();
  ASSERT_TRUE(list->HandleAllocated());
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Items()->Strings(1), L"a");
  EXPECT_EQ(list->Items()->Objects(1), tag);
  EXPECT_EQ(list->ItemIndex(), 1);
  // Sorting makes the window again; nothing is lost and the order follows.
  list->SetSorted(true);
  EXPECT_EQ(list->Items()->Text(), L"a\r\nb\r\n");
  EXPECT_EQ(list->Items()->Objects(0), tag);
  EXPECT_EQ(list->Items()->Add(L"aa"), 1);
  list->Items()->Insert(0, L"c");  // a sorted list places it itself
  EXPECT_EQ(list->Items()->Strings(3), L"c");
  EXPECT_EQ(list->Items()->IndexOf(L"AA"), 1);
  EXPECT_EQ(list->Items()->IndexOf(L"zz"), -1);
  list->Items()->SetStrings(0, L"d");  // renamed, so it moves to the end
  EXPECT_EQ(list->Items()->Strings(3), L"d");
  EXPECT_EQ(list->Items()->Objects(3), tag);
  EXPECT_THROW(list->Items()->Strings(4), EListError);
  EXPECT_THROW(list->Items()->Delete(-1), EListError);
  EXPECT_THROW(list->SetSelected(9, true), EListError);
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxTest, SelectionMadeBeforeTheWindowArrives) {
  list->SetMultiSelect(true);
  Fill(5);
  list->SetSelected(0, true);
  list->SetSelected(2, true);
  list->SetSelected(3, true);
  list->SetSelected(3, false);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_THROW(list->Selected(7), EListError);
  Show();
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_TRUE(list->Selected(2));
  EXPECT_FALSE(list->Selected(3));
}

// The selection kept before the window follows its items as the system
// list's does: each change made to a list without a window and to one with
// a window leaves the same items selected.
TEST_F(ListBoxTest, TheSelectionFollowsItsItemsWithOrWithoutAWindow) {
  using Change = std::function<void(TStrings*)>;
  const std::pair<const char*, Change> changes[] = {
      {"insert before", [](TStrings* S) { S->Insert(0, L"new"); }},
      {"insert after", [](TStrings* S) { S->Insert(4, L"new"); }},
      {"insert at", [](TStrings* S) { S->Insert(2, L"new"); }},
      {"add", [](TStrings* S) { S->Add(L"new"); }},
      {"delete before", [](TStrings* S) { S->Delete(0); }},
      {"delete the selected", [](TStrings* S) { S->Delete(2); }},
      {"delete after", [](TStrings* S) { S->Delete(4); }},
      {"clear", [](TStrings* S) { S->Clear(); }},
  };
  for (bool multi : {false, true}) {
    for (const auto& c : changes) {
      SCOPED_TRACE(std::string(c.first) + (multi ? ", multi-select" : ""));
      std::vector<std::vector<bool>> selected;
      for (bool windowed : {false, true}) {
        auto* l = new TListBox(form);
        l->SetMultiSelect(multi);
        if (windowed) {
          l->SetParent(form);
          l->Handle();
        }
        for (int i = 0; i < 5; ++i) l->Items()->Add(L"item " + std::to_wstring(i));
        l->SetSelected(2, true);
        if (multi) l->SetSelected(3, true);
        c.second(l->Items());
        l->SetParent(form);
        l->Handle();  // the kept selection goes to the window
        std::vector<bool> s;
        for (int i = 0; i < l->Count(); ++i) s.push_back(l->Selected(i));
        selected.push_back(s);
        Free(l);
      }
      EXPECT_EQ(selected[0], selected[1]);
    }
  }
}

TEST_F(ListBoxTest, ClicksSelectOneOrManyAndReportOnce) {
  Fill(6);
  Show();
  ClickItem(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list->SelCount(), 1);

  list->SetMultiSelect(true);  // extended by default
  ClickItem(1);
  ClickItem(4, VK_SHIFT);
  EXPECT_EQ(list->SelCount(), 4);
  ClickItem(5, VK_CONTROL);
  EXPECT_EQ(list->SelCount(), 5);
  EXPECT_TRUE(list->Selected(5));
  EXPECT_FALSE(list->Selected(0));
  ClickItem(0);  // a plain click starts again
  EXPECT_EQ(list->SelCount(), 1);

  // Every click toggles its item; the selected item survives the new window.
  list->SetExtendedSelect(false);
  EXPECT_TRUE(list->Selected(0));
  ClickItem(1);
  ClickItem(3);
  ClickItem(1);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_TRUE(list->Selected(3));
  list->SetSelected(0, false);
  EXPECT_EQ(list->SelCount(), 1);
}

TEST_F(ListBoxTest, ItemAtPosFollowsScrollingAndColumns) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  Fill(30);
  Show();
  const int top = list->ItemRect(0).Top;
  EXPECT_EQ(list->ItemAtPos(TPoint(10, top + 25), true), 1);
  list->SetTopIndex(10);
  EXPECT_EQ(list->TopIndex(), 10);
  EXPECT_EQ(list->ItemAtPos(TPoint(10, top + 25), true), 11);
  EXPECT_EQ(list->ItemAtPos(TPoint(-5, 5), false), -1);

  list->Clear();
  Fill(3);
  EXPECT_EQ(list->ItemAtPos(TPoint(10, top + 150), true), -1);
  EXPECT_EQ(list->ItemAtPos(TPoint(10, top + 150), false), 3);

  list->SetColumns(2);
  Fill(20);  // 23 items, 9 rows a column
  const TRect r = list->ItemRect(12);
  EXPECT_GE(r.Left, list->ClientWidth() / 2 - 1);
  EXPECT_EQ(list->ItemAtPos(TPoint(r.Left + 3, r.Top + 3), true), 12);
}

TEST_F(ListBoxTest, OwnerDrawHeightIsNeverZeroAndItemsComeToTheEvent) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(0);
  EXPECT_EQ(list->ItemHeight(), 1);
  list->SetItemHeight(18);
  std::vector<int> drawn;
  TOwnerDrawState selectedState;
  list->OnDrawItem = [&](TWinControl* C, int Index, const TRect& R, TOwnerDrawState State) {
    EXPECT_EQ(C, list);
    EXPECT_EQ(R.Height(), 18);
    drawn.push_back(Index);
    if (Index == 1) selectedState = State;
  };
  Fill(3);
  list->SetItemIndex(1);
  Show();
  RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 2), drawn.end());
  EXPECT_TRUE(selectedState.Contains(odSelected));
  EXPECT_EQ(list->ItemRect(1).Top - list->ItemRect(0).Top, 18);
}

TEST_F(ListBoxTest, DoubleClickReportsOnceAndTabMovesOn) {
  Fill(4);
  Show();
  auto* next = new TButton(form);
  next->SetParent(form);
  next->SetBounds(180, 10, 60, 24);
  const TRect r = list->ItemRect(1);
  MoveMouse(list->ClientToScreen(TPoint(r.Left + 5, r.Top + 4)));
  MouseDown();
  MouseUp();
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(dblClicks, 1);
  EXPECT_TRUE(list->Focused());
  PostKey(VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 2);
  PostKey(VK_TAB);
  EXPECT_TRUE(next->Focused());
}

}  // namespace

namespace {

TEST_F(ListBoxTest, OneItemAndARenameLiveThroughANewWindow) {
  auto* tag = reinterpret_cast<TObject*>(0x1234);
  list->Items()->AddObject(L"only", tag);
  Show();
  const HWND first = list->Handle();
  list->SetMultiSelect(true);  // the window is made again
  ASSERT_NE(list->Handle(), first);
  ASSERT_EQ(list->Count(), 1);
  EXPECT_EQ(list->Items()->Strings(0), L"only");
  EXPECT_EQ(list->Items()->Objects(0), tag);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 1);
  list->SetMultiSelect(false);

  // A rename in the shown list is the window's, in place, keeping the object
  // and the selection, and the next window gets it.
  list->Items()->Add(L"second");
  list->Items()->AddObject(L"third", tag);
  list->SetItemIndex(1);
  list->Items()->SetStrings(1, L"renamed");
  list->Items()->SetStrings(2, L"third renamed");
  wchar_t text[32] = {};
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 7);
  EXPECT_STREQ(text, L"renamed");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Items()->Objects(2), tag);
  list->SetMultiSelect(true);
  EXPECT_EQ(list->Items()->Text(), L"only\r\nrenamed\r\nthird renamed\r\n");
  EXPECT_EQ(list->Items()->Objects(2), tag);
  EXPECT_EQ(list->ItemIndex(), 1);
}

// An owner-drawn list that holds its items and gives its window the count.
class THeldList : public TListBox {
 public:
  explicit THeldList(TComponent* AOwner) : TListBox(AOwner) {
    SetStyle(lbOwnerDrawFixed);
    SetItemHeight(18);
    SetHoldsItems(true);
  }
};

class HeldListTest : public ListBoxTest {
 protected:
  void SetUp() override {
    ListBoxTest::SetUp();
    Free(list);
    list = new THeldList(form);
    list->OnClick = [this](TObject*) { ++clicks; };
    list->OnDrawItem = [this](TWinControl*, int Index, const TRect&, TOwnerDrawState) { drawn.push_back(Index); };
  }
  LRESULT Send(UINT Msg, WPARAM W, const void* L = nullptr) {
    return SendMessageW(list->Handle(), Msg, W, reinterpret_cast<LPARAM>(L));
  }
  std::vector<int> drawn;
};

TEST_F(HeldListTest, ARenamedItemIsPaintedAgain) {
  Fill(5);
  Show();
  Settle();
  drawn.clear();
  list->Items()->SetStrings(3, L"renamed");
  Settle();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 3), drawn.end());
  EXPECT_EQ(list->Items()->Strings(3), L"renamed");
  EXPECT_EQ(Send(LB_GETCOUNT, 0), 5);
}

TEST_F(HeldListTest, TheWindowAnswersTextMessagesAsAListWithStrings) {
  for (const wchar_t* s : {L"apple", L"Banana", L"blueberry", L"cherry", L"banana split"}) list->Items()->Add(s);
  Show();
  EXPECT_TRUE(GetWindowLongW(list->Handle(), GWL_STYLE) & LBS_HASSTRINGS);
  wchar_t text[32];
  std::fill(std::begin(text), std::end(text), L'x');
  EXPECT_EQ(Send(LB_GETTEXTLEN, 1), 6);
  EXPECT_EQ(Send(LB_GETTEXT, 1, text), 6);
  EXPECT_STREQ(text, L"Banana");
  EXPECT_EQ(Send(LB_GETTEXTLEN, 5), LB_ERR);
  EXPECT_EQ(Send(LB_GETTEXTLEN, static_cast<WPARAM>(-1)), LB_ERR);
  EXPECT_EQ(Send(LB_GETTEXT, 5, text), LB_ERR);
  EXPECT_EQ(Send(LB_GETTEXT, 0, nullptr), LB_ERR);
  // A prefix, from the item after the start, wrapping round, letter case aside.
  EXPECT_EQ(Send(LB_FINDSTRING, static_cast<WPARAM>(-1), L"b"), 1);
  EXPECT_EQ(Send(LB_FINDSTRING, 1, L"B"), 2);
  EXPECT_EQ(Send(LB_FINDSTRING, 4, L"BAN"), 1);
  EXPECT_EQ(Send(LB_FINDSTRING, 9, L"a"), 0);
  EXPECT_EQ(Send(LB_FINDSTRING, static_cast<WPARAM>(-1), L"x"), LB_ERR);
  EXPECT_EQ(Send(LB_FINDSTRING, static_cast<WPARAM>(-1), L""), LB_ERR);
  EXPECT_EQ(Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), L"BANANA"), 1);
  EXPECT_EQ(Send(LB_FINDSTRINGEXACT, 1, L"banana"), 1);
  EXPECT_EQ(Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), L"banan"), LB_ERR);
  EXPECT_EQ(Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), L"banana splits"), LB_ERR);
  // The items' own look-ups give the same.
  EXPECT_EQ(list->FindPrefix(L"bl", -1), 2);
  EXPECT_EQ(list->Items()->IndexOf(L"CHERRY"), 3);
  // A string found is selected, with no click.
  EXPECT_EQ(Send(LB_SELECTSTRING, static_cast<WPARAM>(-1), L"ch"), 3);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(Send(LB_SELECTSTRING, static_cast<WPARAM>(-1), L"zz"), LB_ERR);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(clicks, 0);
  // A caller of the ANSI messages gets the text in its own code page.
  char ansi[32] = {};
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(ansi)), 9);
  EXPECT_STREQ(ansi, "blueberry");
  EXPECT_GE(SendMessageA(list->Handle(), LB_GETTEXTLEN, 2, 0), 9);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>("apple")),
            0);

  // A change of style keeps the system list as it was made, holding no
  // strings: items still come and go by count.
  list->SetTabStop(false);
  list->SetTabStop(true);
  EXPECT_TRUE(GetWindowLongW(list->Handle(), GWL_STYLE) & LBS_HASSTRINGS);
  list->Items()->Insert(0, L"avocado");
  EXPECT_EQ(Send(LB_GETCOUNT, 0), 6);
  EXPECT_EQ(Send(LB_GETTEXT, 0, text), 7);
  EXPECT_STREQ(text, L"avocado");

  // A remade window, many to select, answers the same; a string found is
  // selected there too, and the list scrolled to it.
  list->SetMultiSelect(true);
  list->Clear();
  Fill(40);
  EXPECT_EQ(Send(LB_GETTEXT, 33, text), 7);
  EXPECT_STREQ(text, L"item 33");
  EXPECT_EQ(Send(LB_SELECTSTRING, 0, L"item 35"), 35);
  EXPECT_TRUE(list->Selected(35));
  EXPECT_EQ(list->ItemIndex(), 35);
  EXPECT_GT(list->TopIndex(), 20);
}

}  // namespace

namespace {

// A new window keeps the order, the selection of a list of many and the
// selected state of a renamed item, and paints as before.
TEST_F(ListBoxTest, ANewWindowKeepsOrderSelectionAndPainting) {
  list->SetStyle(lbOwnerDrawFixed);
  list->SetMultiSelect(true);
  for (const wchar_t* s : {L"b", L"a", L"d", L"c"}) list->Items()->Add(s);
  Show();
  list->SetSelected(0, true);
  list->SetSelected(2, true);
  list->Items()->SetStrings(2, L"dd");  // renamed, still selected
  EXPECT_TRUE(list->Selected(2));
  list->SetExtendedSelect(false);  // the window is made again
  EXPECT_EQ(list->Items()->Text(), L"b\r\na\r\ndd\r\nc\r\n");
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_TRUE(list->Selected(0));
  EXPECT_TRUE(list->Selected(2));
  std::vector<int> drawn;
  list->OnDrawItem = [&](TWinControl*, int Index, const TRect&, TOwnerDrawState) { drawn.push_back(Index); };
  list->Invalidate();
  Settle();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 3), drawn.end());
}

}  // namespace
