// The skinned page control and its sheets on a real form: the display area
// without a skin, centred tabs, hot tabs and close buttons (with the faults
// around them), the tab scroller, tabs drawn on each side and the sheets'
// backgrounds, read back in pixels.
#include <gtest/gtest.h>

#include "../classlib/ControlTestUtils.h"
#include "../classlib/PaintedImage.h"
#include "../skin/SkinFormTestUtils.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinCtrlRecords2.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinControl.h"
#include "skinctrls/SkinTabs.h"
#include "skininputs/SkinBoxCtrls.h"

namespace {

LPARAM At(const TPoint& P) { return MAKELPARAM(P.X, P.Y); }
TPoint Mid(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

class TabsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FForm = new TForm(nullptr);
    FForm->SetBounds(40, 40, 500, 360);
    FForm->Show();
    Settle();
  }
  void TearDown() override { delete FForm; }

  TspSkinPageControl* MakePages(int Count, int W = 400, int H = 200, TTabPosition Side = tpTop) {
    auto* p = new TspSkinPageControl(FForm);
    p->SetParent(FForm);
    p->SetBounds(10, 10, W, H);
    p->SetTabPosition(Side);
    for (int i = 0; i < Count; ++i) {
      auto* s = new TspSkinTabSheet(FForm);
      s->SetCaption(L"Page " + std::to_wstring(i));
      s->SetPageControl(p);
    }
    p->HandleNeeded();
    p->Repaint();
    return p;
  }
  TspSkinData* LoadTestSkin() {
    auto* skin = new TspSkinData(FForm);
    ::LoadTestSkin(skin, "skin.ini");
    return skin;
  }
  static TColor PixelOf(TWinControl* C, int X, int Y) { return TPaintedImage(C).At(X, Y); }
  static void Click(TWinControl* C, const TPoint& Down, const TPoint& Up) {
    SendMessageW(C->Handle(), WM_MOUSEMOVE, 0, At(Down));
    SendMessageW(C->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(Down));
    SendMessageW(C->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(Up));
    SendMessageW(C->Handle(), WM_LBUTTONUP, 0, At(Up));
  }
  // The close box of a visible tab in control coordinates, after a paint.
  static TRect CloseBox(TspSkinPageControl* P, int VisibleIndex) {
    P->Repaint();
    auto* page = dynamic_cast<TspSkinCustomTabSheet*>(P->PageOfTab(VisibleIndex));
    TRect r = page->CloseButtonRect;
    const TRect tab = P->GetTabRect(VisibleIndex);
    OffsetRect(r, tab.Left, tab.Top);
    return r;
  }

  TForm* FForm = nullptr;
};

TEST_F(TabsTest, DefaultsAndSkinAwareness) {
  auto* p = MakePages(2);
  EXPECT_EQ(p->SkinDataName(), L"tab");
  EXPECT_EQ(p->TabMargin(), -1);
  EXPECT_EQ(p->TabSpacing(), 1);
  EXPECT_EQ(p->TabLayout(), blGlyphLeft);
  EXPECT_EQ(p->DefaultItemHeight(), 20);
  EXPECT_EQ(p->CloseButtonSize(), 14);
  EXPECT_EQ(p->Font()->Name(), L"Arial");
  EXPECT_EQ(p->Perform(0xB1C9, 0, 0), 12851);
  EXPECT_EQ(p->Pages(0)->Perform(0xB1C9, 0, 0), 12851);
  p->SetTabMargin(-2);
  EXPECT_EQ(p->TabMargin(), -1);
  // Tabs as high as the default item height.
  EXPECT_EQ(p->GetTabRect(1).Height(), 20);
}

TEST_F(TabsTest, DisplayAreaWithoutSkin) {
  for (TTabPosition side : {tpTop, tpBottom, tpLeft, tpRight}) {
    auto* p = MakePages(2, 300, 200, side);
    // A plain page control with tabs as high shows what the tab control gives.
    auto* plain = new TPageControl(FForm);
    plain->SetParent(FForm);
    plain->SetBounds(10, 220, 300, 200);
    plain->SetTabPosition(side);
    plain->SetTabHeight(20);
    for (int i = 0; i < 2; ++i) (new TTabSheet(FForm))->SetPageControl(plain);
    plain->HandleNeeded();
    const TRect expected = AdjustTabDisplayRect(static_cast<TspTabSide>(side), plain->DisplayRect(), 300, 200, nullptr);
    EXPECT_EQ(p->DisplayRect(), expected) << side;
    EXPECT_EQ(p->ActivePage()->BoundsRect(), expected) << side;  // the sheet fills it
    delete p;
    delete plain;
  }
}

TEST_F(TabsTest, CentredTabsAndTheirClicks) {
  auto* p = MakePages(4);
  p->SetTabsInCenter(true);
  EXPECT_FALSE(p->TabsInCenter());  // needs a fixed tab width
  p->SetTabPosition(tpBottom);
  p->SetMultiLine(true);
  p->SetTabWidth(60);
  p->SetTabsInCenter(true);
  EXPECT_TRUE(p->TabsInCenter());
  EXPECT_EQ(p->TabPosition(), tpTop);
  EXPECT_FALSE(p->MultiLine());
  EXPECT_TRUE(p->TabsBGTransparent());
  EXPECT_EQ(p->GetTabsCenterOffset(), 80);
  EXPECT_GE(p->GetTabRect(0).Left, 80);
  for (int i : {2, 0, 3}) {
    SendMessageW(p->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(Mid(p->GetTabRect(i))));
    SendMessageW(p->Handle(), WM_LBUTTONUP, 0, At(Mid(p->GetTabRect(i))));
    EXPECT_EQ(p->ActivePageIndex(), i);
  }
}

TEST_F(TabsTest, CloseButtonsKeepTabWidthsAndCloseTheirPage) {
  auto* p = MakePages(3);
  const int plain = p->GetTabRect(1).Width();
  p->SetShowCloseButtons(true);
  EXPECT_EQ(p->GetTabRect(1).Width(), plain + 14);
  p->SetShowCloseButtons(false);
  EXPECT_EQ(p->GetTabRect(1).Width(), plain);
  p->SetShowCloseButtons(true);

  int closes = 0, after = 0;
  p->OnClose = [&](TObject*, bool&) { ++closes; };
  p->OnAfterClose = [&](TObject*) { ++after; };
  // Pressed inside, released outside: nothing closes.
  const TRect box = CloseBox(p, 0);
  ASSERT_FALSE(box.IsEmpty());
  Click(p, Mid(box), TPoint(box.Right + 30, Mid(box).Y));
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(p->Pages(0)->TabVisible());
  // A click on it hides the page.
  Click(p, Mid(CloseBox(p, 0)), Mid(CloseBox(p, 0)));
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(after, 1);
  EXPECT_FALSE(p->Pages(0)->TabVisible());
  EXPECT_EQ(p->PageCount(), 3);
  // With FreeOnClose it goes altogether.
  p->SetFreeOnClose(true);
  const TRect next = CloseBox(p, 0);
  Click(p, Mid(next), Mid(next));
  EXPECT_EQ(p->PageCount(), 2);
}

// The room the tabs reserve for close buttons and images holds for every
// order of side, close button, image, skin and centring changes: each tab
// ends as long as in a control built straight in the final state.
TEST_F(TabsTest, TheReservedRoomFollowsEveryOrderOfChanges) {
  // Tab length along its side: the width on top, the height at the sides.
  auto length = [](TspSkinPageControl* P) {
    const TRect r = P->GetTabRect(1);
    return P->TabPosition() == tpLeft || P->TabPosition() == tpRight ? r.Height() : r.Width();
  };
  auto built = [&](TTabPosition Side, bool Close, TCustomImageList* Images) {
    auto* p = MakePages(3, 400, 200, Side);
    p->SetShowCloseButtons(Close);
    p->SetImages(Images);
    const int n = length(p);
    delete p;
    return n;
  };
  auto* images = new TImageList(FForm, 16, 12);
  const int plainTop = built(tpTop, false, nullptr), plainLeft = built(tpLeft, false, nullptr);
  EXPECT_EQ(built(tpTop, true, nullptr), plainTop + 14);
  EXPECT_EQ(built(tpTop, false, images), plainTop + 16);

  // Close buttons on at the top, the tabs moved left, close buttons off.
  auto* p = MakePages(3);
  p->SetShowCloseButtons(true);
  p->SetTabPosition(tpLeft);
  EXPECT_EQ(length(p), built(tpLeft, true, nullptr));
  EXPECT_NO_THROW(p->SetShowCloseButtons(false));
  EXPECT_EQ(length(p), plainLeft);
  // Images set at the top, the tabs moved right, images taken away.
  p->SetTabPosition(tpTop);
  p->SetImages(images);
  p->SetTabPosition(tpRight);
  EXPECT_EQ(length(p), built(tpRight, false, images));
  EXPECT_NO_THROW(p->SetImages(nullptr));
  EXPECT_EQ(length(p), built(tpRight, false, nullptr));
  // A skin with a 10-pixel close button, applied after a side change.
  TspSkinData* skin = LoadTestSkin();
  auto* tab = dynamic_cast<TspDataSkinTabControl*>(skin->CtrlList[skin->GetControlIndex(L"tab")]);
  tab->CloseButtonRect = TRect(0, 0, 10, 10);
  p->SetTabPosition(tpTop);
  p->SetShowCloseButtons(true);
  p->SetTabPosition(tpLeft);
  p->SetSkinData(skin);
  EXPECT_EQ(p->CloseButtonSize(), 10);
  p->SetSkinData(nullptr);
  EXPECT_EQ(p->CloseButtonSize(), 14);
  EXPECT_NO_THROW(p->SetShowCloseButtons(false));
  EXPECT_EQ(length(p), plainLeft);
  // Centring forces the tabs to the top under close buttons set at the side.
  p->SetShowCloseButtons(true);
  p->SetTabWidth(60);
  p->SetTabsInCenter(true);
  ASSERT_EQ(p->TabPosition(), tpTop);
  EXPECT_NO_THROW(p->SetShowCloseButtons(false));
  p->SetTabWidth(0);
  EXPECT_EQ(length(p), plainTop);
  // The image list freed while in use takes its room with it.
  p->SetImages(images);
  delete images;
  EXPECT_EQ(p->Images(), nullptr);
  EXPECT_EQ(length(p), plainTop);
}

// OnGetImageIndex chooses the image drawn on each tab; the tab control
// keeps the room of image 0.
TEST_F(TabsTest, OnGetImageIndexChoosesTheImageDrawn) {
  auto* images = new TImageList(FForm, 16, 16);
  for (TColor c : {TColor(0x0000FF), TColor(0xFF0000)}) {
    TBitmap b;
    b.SetSize(16, 16);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(TRect(0, 0, 16, 16));
    images->AddMasked(&b, clFuchsia);
  }
  auto* p = MakePages(2);
  for (int i = 0; i < 2; ++i) p->Pages(i)->SetImageIndex(0);
  std::vector<int> asked;
  p->OnGetImageIndex = [&](TObject* Sender, int TabIndex, int& ImageIndex) {
    EXPECT_EQ(Sender, p);
    asked.push_back(TabIndex);
    if (TabIndex == 1) ImageIndex = 1;
  };
  const int plain = p->GetTabRect(1).Width();
  p->SetImages(images);
  EXPECT_EQ(asked, (std::vector<int>{0, 1}));
  EXPECT_EQ(p->GetTabRect(1).Width(), plain + 16);
  p->Repaint();
  auto count = [&](int Tab, COLORREF C) {
    const TPaintedImage img(p);
    const TRect r = p->GetTabRect(Tab);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += img.At(x, y) == C ? 1 : 0;
    return n;
  };
  EXPECT_GT(count(0, 0x0000FF), 100);
  EXPECT_EQ(count(0, 0xFF0000), 0);
  EXPECT_GT(count(1, 0xFF0000), 100);
  EXPECT_EQ(count(1, 0x0000FF), 0);
}

// OnDrawSkinTab may free a page or the whole control while the tabs paint.
TEST_F(TabsTest, TabDrawingHandlerFreesAPageOrTheControl) {
  auto* p = MakePages(3);
  int draws = 0;
  p->OnDrawSkinTab = [&](int, const TRect&, bool, bool, TCanvas*) {
    if (draws++ == 0) Free(p->Pages(2));
  };
  p->Repaint();
  Settle();
  EXPECT_EQ(p->PageCount(), 2);
  p->OnDrawSkinTab = [&](int, const TRect&, bool, bool, TCanvas*) {
    ++draws;
    Free(p);
  };
  draws = 0;
  p->Repaint();
  Settle();
  EXPECT_EQ(draws, 1);  // the paint stopped with the control
}

TEST_F(TabsTest, CloseButtonClosesItsOwnPageWhenTheSwitchIsRefused) {
  auto* p = MakePages(3);
  p->SetShowCloseButtons(true);
  p->OnChanging = [](TObject*, bool& Allow) { Allow = false; };
  TTabSheet* third = p->Pages(2);
  const TRect box = CloseBox(p, 2);
  Click(p, Mid(box), Mid(box));
  EXPECT_EQ(p->ActivePageIndex(), 0);  // the switch was refused
  EXPECT_TRUE(p->Pages(0)->TabVisible());
  EXPECT_FALSE(third->TabVisible());
}

TEST_F(TabsTest, RefusedCloseLeavesThePage) {
  auto* p = MakePages(2);
  p->SetShowCloseButtons(true);
  p->OnClose = [](TObject*, bool& CanClose) { CanClose = false; };
  const TRect box = CloseBox(p, 0);
  Click(p, Mid(box), Mid(box));
  EXPECT_TRUE(p->Pages(0)->TabVisible());
}

TEST_F(TabsTest, UndrawnCloseButtonKeepsNoClickableArea) {
  TspSkinData* skin = LoadTestSkin();
  // The test tab record has no close pieces; without the tool button record
  // either, no close button can be drawn.
  const int tool = skin->GetControlIndex(L"resizetoolbutton");
  ASSERT_GE(tool, 0);
  skin->CtrlList[tool]->IDName = L"unused";
  auto* p = MakePages(2);
  p->SetShowCloseButtons(true);
  p->SetSkinData(skin);
  auto* page = dynamic_cast<TspSkinCustomTabSheet*>(p->Pages(0));
  page->CloseButtonRect = TRect(1, 1, 10, 10);  // left from an earlier look
  p->Repaint();
  EXPECT_TRUE(page->CloseButtonRect.IsEmpty());
  int closes = 0;
  p->OnClose = [&](TObject*, bool&) { ++closes; };
  Click(p, Mid(p->GetTabRect(0)), Mid(p->GetTabRect(0)));
  EXPECT_EQ(closes, 0);
}

TEST_F(TabsTest, ScrollerAppearsScrollsAndGoes) {
  auto* p = MakePages(2, 200);
  EXPECT_EQ(p->Scroller(), nullptr);
  // More tabs than fit bring the scroller, in place of the tab control's own.
  for (int i = 2; i < 10; ++i) (new TspSkinTabSheet(FForm))->SetPageControl(p);
  ASSERT_NE(p->Scroller(), nullptr);
  auto* updown = dynamic_cast<TspSkinUpDown*>(p->Scroller()->ScrollerControl());
  ASSERT_NE(updown, nullptr);
  EXPECT_GT(updown->Max(), 0);
  EXPECT_EQ(updown->Position(), 0);
  EXPECT_EQ(updown->Top(), 0);
  EXPECT_EQ(updown->Left() + updown->Width(), p->Width());
  EXPECT_EQ(FindWindowExW(p->Handle(), nullptr, L"msctls_updown32", nullptr), nullptr);
  updown->SetPosition(1);
  EXPECT_EQ(p->GetTabsLeftOfView(), 1);
  // Six pages fewer, and a control wide enough for the rest.
  for (int i = 0; i < 6; ++i) delete p->Pages(p->PageCount() - 1);
  p->SetWidth(480);
  Settle();
  EXPECT_EQ(p->Scroller(), nullptr);
}

// The strip left of the arrows shows the active tab whole, fills up to the
// arrows, and no tab reaches under them; the arrows go as far as the last tab.
// Widths: each tab's width, measured unscrolled (the tab control gives no place
// for a tab scrolled out to the left).
void ExpectStripShowsWholeTabs(TspSkinPageControl* P, const std::vector<int>& Widths, const char* When) {
  SCOPED_TRACE(When);
  ASSERT_NE(P->Scroller(), nullptr);
  const int view = P->Scroller()->ScrollerControl()->Left();
  const int first = P->GetTabsLeftOfView();
  const int count = P->PageCount();
  const TRect active = P->GetTabRect(P->TabIndex());
  EXPECT_GE(active.Left, 0);
  EXPECT_LE(active.Right, view) << "the active tab shows whole";
  const TRect last = P->GetTabRect(count - 1);
  if (first > 0) {
    EXPECT_GT(last.Right + Widths[first - 1], view) << "no room left after the last tab";
  }
  // Nothing of a tab is painted under the arrows: the strip there is one colour.
  TPaintedImage image(P);
  const TRect next = P->GetTabRect(std::min(count - 1, P->TabIndex() + 1));
  for (int x = view - 3; x < view; ++x)
    for (int y = next.Top + 3; y < next.Bottom - 3; ++y)
      EXPECT_EQ(image.At(x, y), image.At(view - 1, next.Top + 3)) << "at " << x << "," << y;
}

TEST_F(TabsTest, ActiveTabScrollsIntoViewWithoutHalfTabs) {
  auto* p = MakePages(14, 300);
  p->SetSkinData(LoadTestSkin());
  Settle();
  ASSERT_EQ(p->GetTabsLeftOfView(), 0);
  std::vector<int> widths;
  for (int i = 0; i < p->PageCount(); ++i) widths.push_back(p->GetTabRect(i).Width());
  for (int page : {0, 5, 13, 1, 9}) {
    p->SetActivePageIndex(page);
    Settle();
    ExpectStripShowsWholeTabs(p, widths, ("page " + std::to_string(page)).c_str());
    // From page 0, page 5 comes in at the right end, not at the far left.
    if (page == 5) {
      EXPECT_LT(p->GetTabsLeftOfView(), 5);
    }
    auto* scroller = dynamic_cast<TspSkinUpDown*>(p->Scroller()->ScrollerControl());
    EXPECT_EQ(scroller->Position(), p->GetTabsLeftOfView());
  }
  // The arrows' last step shows the last tab whole.
  auto* scroller = dynamic_cast<TspSkinUpDown*>(p->Scroller()->ScrollerControl());
  for (int i = 0; i < p->PageCount() && scroller->Position() < scroller->Max(); ++i) {
    scroller->SetPosition(scroller->Position() + 1);
    Settle();
  }
  EXPECT_LE(p->GetTabRect(p->PageCount() - 1).Right, scroller->Left());
  EXPECT_GT(p->GetTabRect(p->PageCount() - 1).Right + widths[p->GetTabsLeftOfView() - 1], scroller->Left());
}

TEST_F(TabsTest, TheScrollerRangeFollowsTheTabsOutOfView) {
  auto* p = MakePages(6, 300);
  p->SetSkinData(LoadTestSkin());
  for (int i = 6; i < 12; ++i) {
    auto* s = new TspSkinTabSheet(FForm);
    s->SetCaption(L"Page " + std::to_wstring(i));
    s->SetPageControl(p);
    Settle();
    if (!p->Scroller()) continue;
    auto* scroller = dynamic_cast<TspSkinUpDown*>(p->Scroller()->ScrollerControl());
    EXPECT_EQ(scroller->Max(), p->GetTabsOutOfView()) << i + 1 << " tabs";
  }
  ASSERT_NE(p->Scroller(), nullptr);
  auto* scroller = dynamic_cast<TspSkinUpDown*>(p->Scroller()->ScrollerControl());
  // A narrower control hides more tabs; one step on the arrows keeps the range.
  p->SetWidth(240);
  Settle();
  EXPECT_EQ(scroller->Max(), p->GetTabsOutOfView());
  scroller->SetPosition(1);
  Settle();
  EXPECT_EQ(scroller->Max(), p->GetTabsOutOfView());
}

TEST_F(TabsTest, SkinChangeOverTheFormKeepsTheScrollerAlive) {
  auto* skinForm = new TspSkinForm(FForm);
  auto* skin = new TspSkinData(FForm);
  skinForm->SetSkinData(skin);
  auto* p = MakePages(10, 210);
  p->SetSkinData(skin);
  p->SetWidth(200);
  ASSERT_NE(p->Scroller(), nullptr);
  TControl* scroller = p->Scroller()->ScrollerControl();
  // The relay reaches the page control and then the scroller inside it.
  ::LoadTestSkin(skin, "skin.ini");
  ::LoadTestSkin(skin, "skin.ini");
  ASSERT_NE(p->Scroller(), nullptr);
  EXPECT_EQ(p->Scroller()->ScrollerControl(), scroller);
  EXPECT_EQ(dynamic_cast<TspSkinUpDown*>(scroller)->SkinDataName(), L"hupdown");  // the skin's "updown" name
}

TEST_F(TabsTest, TabsDrawnOnEverySide) {
  for (TTabPosition side : {tpTop, tpBottom, tpLeft, tpRight}) {
    auto* p = MakePages(2, 300, 200, side);
    p->SetActivePageIndex(0);
    const TRect active = p->GetTabRect(0), other = p->GetTabRect(1);
    // The active tab: navy frame, light fill; the other: button face.
    EXPECT_EQ(PixelOf(p, active.Left, active.Top), ColorToRGB(0x800000)) << side;
    EXPECT_EQ(PixelOf(p, active.Left + 2, active.Top + 2), ColorToRGB(0xD2BDB6)) << side;
    EXPECT_EQ(PixelOf(p, other.Left + 2, other.Top + 2), ColorToRGB(clBtnFace)) << side;
    // The mouse over the other tab lights it.
    SendMessageW(p->Handle(), WM_MOUSEMOVE, 0, At(TPoint(other.Left + 2, other.Top + 2)));
    EXPECT_EQ(p->HotTabIndex(), 1) << side;
    EXPECT_EQ(PixelOf(p, other.Left + 2, other.Top + 2), ColorToRGB(0xD2BDB6)) << side;
    delete p;
  }
}

// The extent of the caption's dark pixels in R of the painted control.
TRect TextExtent(TWinControl* C, const TRect& R) {
  const TPaintedImage image(C);
  TRect e(R.Right, R.Bottom, R.Left, R.Top);
  for (int y = R.Top + 1; y < R.Bottom - 1; ++y)
    for (int x = R.Left + 1; x < R.Right - 1; ++x) {
      const TColor c = image.At(x, y);
      if ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) > 3 * 96) continue;
      e = TRect(std::min(e.Left, x), std::min(e.Top, y), std::max(e.Right, x + 1), std::max(e.Bottom, y + 1));
    }
  return e;
}

TEST_F(TabsTest, SideTabCaptionTurnsUnlessKeptHorizontal) {
  auto* p = MakePages(2, 300, 200, tpLeft);
  p->Pages(1)->SetCaption(L"WWWWWW");
  const TRect tab = p->GetTabRect(1);
  ASSERT_GT(tab.Height(), tab.Width());
  const TRect turned = TextExtent(p, tab);
  EXPECT_GT(turned.Height(), 2 * turned.Width());
  p->SetTextInHorizontal(true);
  const TRect flat = TextExtent(p, tab);
  EXPECT_LT(flat.Height(), flat.Width());
}

TEST_F(TabsTest, CloseGlyphWhitensUnderTheMouse) {
  auto* p = MakePages(2);
  p->SetShowCloseButtons(true);
  const TRect box = CloseBox(p, 1);
  ASSERT_EQ(box.Width(), 14);
  ASSERT_EQ(box.Height(), 14);
  auto glyphColours = [&] {
    const TPaintedImage image(p);
    return std::make_pair(image.Count(box, 0) > 0, image.Count(box, 0xFFFFFF) > 0);
  };
  EXPECT_EQ(glyphColours(), std::make_pair(true, false));
  SendMessageW(p->Handle(), WM_MOUSEMOVE, 0, At(Mid(box)));
  EXPECT_EQ(glyphColours(), std::make_pair(false, true));
}

// Counts the background-changed messages it receives.
class TBackgroundWatcher : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int Changes = 0;

 protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == MSG_BACKGROUND_CHANGED) ++Changes;
    TCustomControl::Dispatch(Message);
  }
};

TEST_F(TabsTest, StretchedSkinBackgroundTellsTheSheetsChildren) {
  TspSkinData* skin = LoadTestSkin();
  auto* p = MakePages(1);
  auto* watcher = new TBackgroundWatcher(FForm);
  watcher->SetParent(p->Pages(0));
  watcher->SetBounds(5, 5, 20, 20);
  watcher->HandleNeeded();
  p->SetSkinData(skin);
  watcher->Changes = 0;
  p->SetHeight(p->Height() + 10);
  EXPECT_EQ(watcher->Changes, 0);  // a tiled background does not move under them
  auto* tab = dynamic_cast<TspDataSkinTabControl*>(skin->CtrlList[skin->GetControlIndex(L"tab")]);
  ASSERT_NE(tab, nullptr);
  tab->StretchEffect = true;
  p->SetHeight(p->Height() + 10);
  EXPECT_EQ(watcher->Changes, 1);
}

TEST_F(TabsTest, SheetBackground) {
  auto* p = MakePages(1);
  TTabSheet* sheet = p->Pages(0);
  EXPECT_EQ(PixelOf(sheet, 5, 5), ColorToRGB(clBtnFace));
  auto* skinned = dynamic_cast<TspSkinCustomTabSheet*>(sheet);
  TBitmap paper;
  paper.SetSize(4, 4);
  paper.Canvas()->Brush()->SetColor(0x0000FF);
  paper.Canvas()->FillRect(TRect(0, 0, 4, 4));
  skinned->SetWallPaper(&paper);
  EXPECT_EQ(PixelOf(sheet, 5, 5), 0x0000FF);
  TBitmap empty;
  skinned->SetWallPaper(&empty);
  EXPECT_EQ(PixelOf(sheet, 5, 5), ColorToRGB(clBtnFace));
}

}  // namespace
