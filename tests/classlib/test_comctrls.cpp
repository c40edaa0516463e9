// The page control over the system tab control.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
#include "classlib/ComCtrls.h"

namespace {

String TabText(TPageControl* pc, int Index) {
  wchar_t buffer[64] = {};
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 64;
  SendMessageW(pc->Handle(), TCM_GETITEMW, Index, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

class PageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 400, 300);
    pc = new TPageControl(form);
    pc->SetParent(form);
    pc->SetAlign(alClient);
    for (const wchar_t* caption : {L"One", L"Two", L"Three"}) {
      auto* sheet = new TTabSheet(form);
      sheet->SetCaption(caption);
      sheet->SetPageControl(pc);
      sheets.push_back(sheet);
    }
    pc->OnChange = [this](TObject*) { ++changes; };
    pc->OnChanging = [this](TObject*, bool& Allow) {
      ++asked;
      Allow = allow;
    };
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  TForm* form;
  TPageControl* pc;
  std::vector<TTabSheet*> sheets;
  int changes = 0, asked = 0;
  bool allow = true;
};

TEST_F(PageTest, PagesGetTabsAndTheActiveOneFillsTheDisplayArea) {
  form->HandleNeeded();
  EXPECT_EQ(3, pc->PageCount());
  EXPECT_EQ(sheets[0], pc->ActivePage());
  EXPECT_EQ(3, SendMessageW(pc->Handle(), TCM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"Two", TabText(pc, 1));
  TRect display = pc->DisplayRect();
  EXPECT_GT(display.Top, 10);  // the tabs are above
  EXPECT_EQ(display, sheets[0]->BoundsRect());
  EXPECT_TRUE(sheets[0]->Visible());
  EXPECT_FALSE(sheets[1]->Visible());

  sheets[1]->SetCaption(L"Second");
  EXPECT_EQ(L"Second", TabText(pc, 1));
  pc->SetActivePage(sheets[2]);
  EXPECT_EQ(2, SendMessageW(pc->Handle(), TCM_GETCURSEL, 0, 0));
  EXPECT_TRUE(sheets[2]->Visible());
  EXPECT_FALSE(sheets[0]->Visible());
  EXPECT_EQ(0, changes);  // set in code: no change event
}

TEST_F(PageTest, HiddenTabsAreSkippedAndAHiddenActivePageGivesWay) {
  form->HandleNeeded();
  sheets[0]->SetTabVisible(false);
  EXPECT_EQ(sheets[1], pc->ActivePage());
  EXPECT_EQ(-1, sheets[0]->TabIndex());
  EXPECT_EQ(0, sheets[1]->TabIndex());
  EXPECT_EQ(sheets[2], pc->PageOfTab(1));
  EXPECT_EQ(2, SendMessageW(pc->Handle(), TCM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"Two", TabText(pc, 0));
  Free(sheets[1]);
  EXPECT_EQ(2, pc->PageCount());
  EXPECT_EQ(sheets[2], pc->ActivePage());
  EXPECT_EQ(1, SendMessageW(pc->Handle(), TCM_GETITEMCOUNT, 0, 0));
}

TEST_F(PageTest, ClickingATabAsksOnChangingThenChangesThePage) {
  ShowAndActivate(form);
  TRect tab = pc->TabRect(1);
  TPoint at = pc->ClientToScreen(TPoint((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2));
  allow = false;
  MoveMouse(at);
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(sheets[0], pc->ActivePage());
  EXPECT_EQ(0, changes);
  // The next tab this time (a second press on the same spot would be a double click).
  allow = true;
  tab = pc->TabRect(2);
  MoveMouse(pc->ClientToScreen(TPoint((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2)));
  MouseDown();
  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
  EXPECT_EQ(sheets[2], pc->ActivePage());
  EXPECT_TRUE(IsWindowVisible(sheets[2]->Handle()));
  EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));
  EXPECT_EQ(2, pc->IndexOfTabAt((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2));
}

// A descendant that narrows the display area, as the skinned page control does.
class InsetPages : public TPageControl {
 public:
  explicit InsetPages(TComponent* AOwner) : TPageControl(AOwner) {}
  void WndProc(TMessage& Message) override {
    TPageControl::WndProc(Message);
    if (Message.Msg == TCM_ADJUSTRECT && Message.WParam == FALSE) {
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      r->left = 7;
      r->right = ClientWidth() - 7;
    }
  }
};

TEST(PageControlTest, FreeingThePageControlShowsNoOtherPageOnTheWay) {
  TForm form(nullptr);
  auto* pc = new TPageControl(&form);
  pc->SetParent(&form);
  int shows = 0;
  for (int i = 0; i < 3; ++i) {
    auto* sheet = new TTabSheet(&form);
    sheet->SetPageControl(pc);
    sheet->OnShow = [&](TObject*) { ++shows; };
  }
  pc->SetActivePageIndex(2);
  form.Show();
  shows = 0;
  Free(pc);
  EXPECT_EQ(0, shows);
  EXPECT_EQ(0, form.ControlCount());
}

TEST(PageControlTest, AdjustRectOfADescendantPlacesThePages) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* pc = new InsetPages(&form);
  pc->SetParent(&form);
  pc->SetBounds(0, 0, 300, 200);
  auto* sheet = new TTabSheet(&form);
  sheet->SetPageControl(pc);
  form.HandleNeeded();
  EXPECT_EQ(7, sheet->Left());
  EXPECT_EQ(pc->ClientWidth() - 14, sheet->Width());
  pc->SetTabPosition(tpBottom);  // a new window; the pages come along
  EXPECT_TRUE(GetWindowLongW(pc->Handle(), GWL_STYLE) & TCS_BOTTOM);
  EXPECT_EQ(pc->Handle(), GetParent(sheet->Handle()));
  EXPECT_EQ(1, SendMessageW(pc->Handle(), TCM_GETITEMCOUNT, 0, 0));
  EXPECT_LT(sheet->Top(), 10);
}

}  // namespace
