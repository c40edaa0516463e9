// The MDI tabs bar on a real MDI frame under Wine: tabs follow the children
// through their skinned forms, widths and hidden tabs, the lists hold the
// forms themselves, close and drag faults with real mouse input, the default
// look, a maximized child through a skin switch, and no leaks over many children.
#include <gtest/gtest.h>

#include <vector>

#include "SkinFormTestUtils.h"
#include "classlib/Menus.h"
#include "skin/SkinMDITabs.h"

namespace {

void LoadSkinFolder(TspSkinData* Data, const char* Folder) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath((std::string("skins/") + Folder + "/skin.ini").c_str()));
  Data->LoadCompressedStoredSkin(&stored);
}

class MDITabsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(30, 30, 600, 420);
    frameSkin = new TspSkinForm(frame);
    frameSkin->SetSkinData(skin);
    bar = new TspSkinMDITabsBar(frame);
    bar->SetParent(frame);
    bar->SetBounds(0, 0, 315, 21);
    bar->SetSkinData(skin);
    frameSkin->SetMDITabsBar(bar);
    ShowAndActivate(frame);
  }
  void TearDown() override {
    Free(frame);
    Settle();
  }

  TForm* AddChild(const String& Caption = L"Same caption") {
    auto* child = new TForm(frame);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption(Caption);
    child->SetBounds(20, 40, 220, 150);
    child->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    auto* childSkin = new TspSkinForm(child);
    childSkin->SetSkinData(skin);
    child->Show();
    Settle();
    children.push_back(child);
    return child;
  }

  // Screen point of a tab's middle, or of the middle of its close button.
  TPoint TabPoint(int Index, bool OnClose = false) {
    bar->CalcTabRects();
    TspMDITab* tab = bar->Tabs(Index);
    TPoint p(tab->Rect.Left + tab->Rect.Width() / 3, tab->Rect.Top + tab->Rect.Height() / 2);
    if (OnClose) {
      const TRect& c = tab->CloseButtonRect;
      p = TPoint(tab->Rect.Left + (c.Left + c.Right) / 2, tab->Rect.Top + (c.Top + c.Bottom) / 2);
    }
    return bar->ClientToScreen(p);
  }

  void Press(const TPoint& At) {
    MoveMouse(At);
    MouseDown();
    Settle();
  }
  void Release(const TPoint& At) {
    MoveMouse(At);
    MouseUp();
    Settle();
  }

  std::vector<TCustomForm*> TabChildren() const {
    std::vector<TCustomForm*> list;
    for (int i = 0; i < bar->TabCount(); ++i) list.push_back(bar->Tabs(i)->Child);
    return list;
  }

  TspSkinData* skin = nullptr;
  TForm* frame = nullptr;
  TspSkinForm* frameSkin = nullptr;
  TspSkinMDITabsBar* bar = nullptr;
  std::vector<TCustomForm*> children;
};

TEST_F(MDITabsTest, TabsFollowTheChildrenAndTheActiveOne) {
  for (int i = 0; i < 4; ++i) AddChild(L"Child " + IntToStr(i));
  ASSERT_EQ(bar->TabCount(), 4);
  EXPECT_EQ(TabChildren(), children);
  bar->CalcTabRects();
  EXPECT_EQ(bar->Tabs(0)->Rect, TRect(15, 0, 90, 21));
  EXPECT_EQ(bar->Tabs(3)->Rect, TRect(240, 0, 315, 21));
  EXPECT_TRUE(bar->Tabs(3)->Active);
  EXPECT_FALSE(bar->Tabs(0)->Active);
  SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children[1]->Handle()), 0);
  Settle();
  EXPECT_TRUE(bar->Tabs(1)->Active);
  EXPECT_FALSE(bar->Tabs(3)->Active);
  Free(children[1]);
  Settle();
  EXPECT_EQ(bar->TabCount(), 3);
  EXPECT_EQ(bar->Tabs(1)->Child, children[2]);
  Free(children[0]);
  Free(children[2]);
  Free(children[3]);
  Settle();
  EXPECT_EQ(bar->TabCount(), 0);
}

// A tab holds its child itself: it goes when the child is torn down, though
// no skinned form of the child tells the bar, and a child gets one tab only.
TEST_F(MDITabsTest, TabGoesWithItsChildWithoutASkinnedForm) {
  auto* child = new TForm(frame);
  child->SetFormStyle(fsMDIChild);
  child->Show();
  bar->AddTab(child);
  bar->AddTab(child);
  ASSERT_EQ(bar->TabCount(), 1);
  Free(child);
  EXPECT_EQ(bar->TabCount(), 0);
  bar->Repaint();
}

TEST_F(MDITabsTest, HiddenTabsAndTheirMenuHoldTheFormsThemselves) {
  bar->SetBounds(0, 0, 200, 21);
  bar->SetMinTabWidth(80);
  // Equal captions and no names: only the forms tell the items apart.
  for (int i = 0; i < 4; ++i) AddChild();
  bar->CalcTabRects();
  EXPECT_EQ(bar->HiddenCount(), 2);
  EXPECT_FALSE(bar->Tabs(2)->Visible);
  bar->BuildListMenu(true);
  ASSERT_EQ(bar->HiddenMenu()->Count(), 2);
  EXPECT_TRUE(bar->HiddenMenu()->Items(1)->Checked());  // the last child is active
  bar->HiddenMenu()->Items(0)->Click();
  Settle();
  EXPECT_EQ(frame->ActiveMDIChild(), children[2]);
  bar->BuildListMenu(false);
  ASSERT_EQ(bar->ListMenu()->Count(), 4);
  bar->ListMenu()->Items(1)->Click();
  Settle();
  EXPECT_EQ(frame->ActiveMDIChild(), children[1]);
  // A minimized child comes back when chosen.
  children[0]->SetWindowState(wsMinimized);
  Settle();
  bar->BuildListMenu(false);
  bar->ListMenu()->Items(0)->Click();
  Settle();
  EXPECT_FALSE(IsIconic(children[0]->Handle()));
  EXPECT_EQ(frame->ActiveMDIChild(), children[0]);
  // Wide enough again: nothing is hidden.
  bar->SetBounds(0, 0, 400, 21);
  bar->CalcTabRects();
  EXPECT_EQ(bar->HiddenCount(), 0);
}

TEST_F(MDITabsTest, CloseButtonClosesOnlyWhatItsOwnPressStarted) {
  bar->SetShowCloseButtons(true);
  bar->SetMoveTabs(false);
  for (int i = 0; i < 4; ++i) AddChild(L"C" + IntToStr(i));
  // Pressed on one close button, released on another: nothing closes.
  Press(TabPoint(0, true));
  EXPECT_TRUE(bar->Tabs(0)->CloseDown);
  Release(TabPoint(1, true));
  EXPECT_EQ(bar->TabCount(), 4);
  EXPECT_FALSE(bar->Tabs(0)->CloseDown);
  // Pressed on the tab, released on its close button: nothing closes.
  Press(TabPoint(1));
  Release(TabPoint(1, true));
  EXPECT_EQ(bar->TabCount(), 4);
  // Pressed and released on the same close button: that child goes.
  TCustomForm* doomed = bar->Tabs(2)->Child;
  Press(TabPoint(2, true));
  Release(TabPoint(2, true));
  EXPECT_TRUE(PumpUntil([&] { return bar->TabCount() == 3; }, 5000));
  for (int i = 0; i < bar->TabCount(); ++i) EXPECT_NE(bar->Tabs(i)->Child, doomed);
}

TEST_F(MDITabsTest, DraggingReordersAndNeverCloses) {
  bar->SetShowCloseButtons(true);
  for (int i = 0; i < 4; ++i) AddChild(L"D" + IntToStr(i));
  const std::vector<TCustomForm*> before = TabChildren();
  // A press without a move is a click: no drag, the child comes forward.
  Press(TabPoint(0));
  EXPECT_FALSE(bar->Dragging());
  Release(TabPoint(0));
  EXPECT_EQ(TabChildren(), before);
  EXPECT_EQ(frame->ActiveMDIChild(), before[0]);
  // Out and back to the same place: the order stays.
  const TPoint start = TabPoint(1);
  Press(start);
  MoveMouse(TPoint(start.X + 30, start.Y));
  EXPECT_TRUE(bar->Dragging());
  Release(start);
  EXPECT_FALSE(bar->Dragging());
  EXPECT_EQ(TabChildren(), before);
  // Past the next tab's middle: the two swap.
  Press(TabPoint(0));
  MoveMouse(TPoint(TabPoint(0).X + 20, start.Y));
  Release(TPoint(TabPoint(0).X + 50, start.Y));
  EXPECT_EQ(TabChildren(), (std::vector<TCustomForm*>{before[1], before[0], before[2], before[3]}));
  // A drag that ends over the dragged tab's close button closes nothing.
  const TPoint body = TabPoint(2);
  Press(body);
  MoveMouse(TPoint(body.X + 10, body.Y));
  ASSERT_TRUE(bar->Dragging());
  const TPoint close = TabPoint(2, true);
  Release(close);
  Settle();
  EXPECT_EQ(bar->TabCount(), 4);
  // A press on a close button starts no drag: back on the button, it closes.
  const TPoint still = TabPoint(2, true);
  Press(still);
  MoveMouse(TPoint(still.X + 30, still.Y));
  EXPECT_FALSE(bar->Dragging());
  Release(still);
  EXPECT_TRUE(PumpUntil([&] { return bar->TabCount() == 3; }, 5000));
}

TEST_F(MDITabsTest, DefaultLookMarksTheActiveAndHotTabs) {
  AddChild(L"A");
  AddChild(L"B");
  bar->Repaint();
  Settle();
  auto pixel = [&](int Index) {
    const TspMDITab* tab = bar->Tabs(Index);
    const TPoint p = bar->ClientToScreen(TPoint(tab->Rect.Left + 2, tab->Rect.Bottom - 3));
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.X, p.Y);
    ReleaseDC(nullptr, screen);
    return c;
  };
  MoveMouse(TPoint(2, 2));
  bar->Repaint();
  EXPECT_EQ(pixel(1), static_cast<COLORREF>(0xB59385));  // the active tab looks pressed
  EXPECT_EQ(pixel(0), static_cast<COLORREF>(ColorToRGB(clBtnFace)));
  MoveMouse(TabPoint(0));
  bar->Repaint();
  EXPECT_EQ(bar->HoverIndex(), 0);
  EXPECT_EQ(pixel(0), static_cast<COLORREF>(0xD2BDB6));
  // The system tells of the leave a little later.
  MoveMouse(TPoint(2, 2));
  EXPECT_TRUE(PumpUntil([&] { return bar->HoverIndex() == -1; }, 5000));
  EXPECT_FALSE(bar->Tabs(0)->MouseIn);
}

class SkinnedMDITabsTest : public MDITabsTest {
 protected:
  void SetUp() override {
    skin = new TspSkinData(nullptr);
    LoadSkinFolder(skin, "Default");
    MDITabsTest::SetUp();
  }
  void TearDown() override {
    MDITabsTest::TearDown();
    Free(skin);
  }

  // The child's client area against the MDI client window's, on the screen.
  void ExpectChildFillsClient(TCustomForm* Child) {
    RECT area = {}, inner = {};
    GetClientRect(frame->ClientHandle(), &area);
    MapWindowPoints(frame->ClientHandle(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    GetClientRect(Child->Handle(), &inner);
    MapWindowPoints(Child->Handle(), nullptr, reinterpret_cast<POINT*>(&inner), 2);
    EXPECT_EQ(inner.left, area.left);
    EXPECT_EQ(inner.top, area.top);
    EXPECT_EQ(inner.right, area.right);
    EXPECT_EQ(inner.bottom, area.bottom);
  }
};

TEST_F(SkinnedMDITabsTest, BarTakesTheTabRecordsHeight) {
  const TRect tabRect = bar->TabData() ? bar->TabData()->TabRect : TRect();
  ASSERT_NE(bar->TabData(), nullptr);
  EXPECT_EQ(bar->TabsOffset(), bar->TabData()->ClRect.Top);
  EXPECT_EQ(bar->Height(), tabRect.Height() + bar->TabsOffset());
  EXPECT_EQ(bar->CloseButtonSize(), bar->TabData()->CloseButtonRect.Width());
  bar->SetUseSkinSize(false);
  bar->SetDefaultHeight(30);
  bar->ChangeSkinData();
  EXPECT_EQ(bar->Height(), 30);
}

TEST_F(SkinnedMDITabsTest, MaximizedChildKeepsItsPlaceThroughASkinSwitch) {
  TForm* first = static_cast<TForm*>(AddChild(L"First"));
  TForm* child = static_cast<TForm*>(AddChild(L"Maximized"));
  TspSkinForm* childSkin = GetSkinForm(child);
  ASSERT_TRUE(childSkin->FrameOn());
  EXPECT_TRUE(frameSkin->MDIChildButtonRect(2).IsEmpty());
  child->SetWindowState(wsMaximized);
  Settle();
  ASSERT_TRUE(IsZoomed(child->Handle()));
  // Maximized, the child drops its frame and shows its buttons in the frame's bar.
  EXPECT_FALSE(childSkin->FrameOn());
  EXPECT_EQ(frameSkin->MaximizedMDIChild(), child);
  ExpectChildFillsClient(child);
  const TRect close = frameSkin->MDIChildButtonRect(2);
  ASSERT_FALSE(close.IsEmpty());
  EXPECT_EQ(HitAt(frame->Handle(), TPoint((close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2)),
            fhObject);

  LoadSkinFolder(skin, "Dark");
  Settle();
  EXPECT_TRUE(IsZoomed(child->Handle()));
  EXPECT_FALSE(childSkin->FrameOn());
  EXPECT_TRUE(GetSkinForm(first)->FrameOn());
  ExpectChildFillsClient(child);
  EXPECT_FALSE(frameSkin->MDIChildButtonRect(1).IsEmpty());

  // The restore button in the frame's bar brings the child's frame back.
  const TRect restore = frameSkin->MDIChildButtonRect(1);
  const TRect w = WindowRectOf(frame->Handle());
  Press(TPoint(w.Left + (restore.Left + restore.Right) / 2, w.Top + (restore.Top + restore.Bottom) / 2));
  MouseUp();
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(child->Handle()); }, 5000));
  Settle();
  EXPECT_TRUE(childSkin->FrameOn());
  EXPECT_TRUE(frameSkin->MDIChildButtonRect(1).IsEmpty());
}

TEST_F(SkinnedMDITabsTest, BarLetGoShowsNoTabsOfItsFrame) {
  AddChild(L"First");
  AddChild(L"Second");
  ASSERT_EQ(bar->TabCount(), 2);
  frameSkin->SetMDITabsBar(nullptr);
  EXPECT_EQ(bar->TabCount(), 0);
  EXPECT_EQ(bar->SkinForm(), nullptr);
  // The children go; the let-go bar paints and takes a skin switch after them.
  for (TCustomForm* child : children) Free(child);
  children.clear();
  Settle();
  bar->Repaint();
  LoadSkinFolder(skin, "Dark");
  Settle();
  bar->Repaint();
  EXPECT_EQ(bar->TabCount(), 0);
  // Taken back, the bar shows the children open then.
  AddChild(L"Third");
  frameSkin->SetMDITabsBar(bar);
  EXPECT_EQ(TabChildren(), children);
  // The frame's skinned form going lets the bar go the same way.
  Free(frameSkin);
  EXPECT_EQ(bar->TabCount(), 0);
  Free(children.back());
  children.clear();
  Settle();
  bar->Repaint();
}

TEST_F(SkinnedMDITabsTest, TwoHundredSkinnedChildrenLeaveNothingBehind) {
  Free(AddChild(L"warm-up"));
  Settle();
  auto frameChildren = [&] {
    int n = 0;
    EnumChildWindows(frame->Handle(), CountThreadWindow, reinterpret_cast<LPARAM>(&n));
    return n;
  };
  const int windowsBefore = ThreadWindows(), childrenBefore = frameChildren();
  const int allBefore = ThreadWindowsWithChildren();
  const int gdiBefore = GdiObjectsInUse();
  for (int i = 0; i < 200; ++i) {
    TCustomForm* child = AddChild(L"Child " + IntToStr(i));
    if (i % 4 == 0) child->SetWindowState(wsMaximized);
    bar->Repaint();
    Free(child);
  }
  children.clear();
  Settle();
  EXPECT_EQ(bar->TabCount(), 0);
  EXPECT_EQ(ThreadWindows(), windowsBefore);
  EXPECT_EQ(frameChildren(), childrenBefore);
  // A leak of one object per child would show as 200 or more.
  EXPECT_EQ(ThreadWindowsWithChildren(), allBefore);
  EXPECT_LT(GdiObjectsInUse(), gdiBefore + 20);
}

// The skin menu's place taken by a recorder: which items each opening lists.
struct TRecordedPopup {
  TControl* Control;
  TMenuItem* Item1;
  TMenuItem* Item2;  // nullptr for a single set
};
std::vector<TRecordedPopup> gPopups;

class TRecordingSkinMenu : public TComponent, public TspSkinMenuLink {
 public:
  using TComponent::TComponent;
  bool MenuVisible() const override { return false; }
  TspSkinData* SkinData() const override { return nullptr; }
  int LevelCount() const override { return 0; }
  void CloseSkinMenu() override {}
  void HandleMenuKey(uint16_t) override {}
  void PopupItems(TControl* Control, TspSkinData*, bool, TMenuItem* Item, const TRect&, int) override {
    gPopups.push_back({Control, Item, nullptr});
  }
  void PopupTwoItemSets(TControl* Control, TspSkinData*, bool, TMenuItem* Item2, TMenuItem* Item1, const TRect&,
                        int) override {
    gPopups.push_back({Control, Item1, Item2});
  }
  void SetMenuProperties(const TspMenuProperties&) override {}
  bool IsMenuWindow(HWND) const override { return false; }
};

TMenuItem* AddMenuItem(TMenuItem* Parent, const String& Caption, TComponent* Owner) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}

class MDIMenusTest : public SkinnedMDITabsTest {
 protected:
  void SetUp() override {
    RegisterSkinMenuFactory([](TComponent* Owner, TCustomForm*) -> TComponent* {
      return new TRecordingSkinMenu(Owner);
    });
    gPopups.clear();
    SkinnedMDITabsTest::SetUp();
  }
  void TearDown() override {
    SkinnedMDITabsTest::TearDown();
    RegisterSkinMenuFactory(nullptr);
  }
};

TEST_F(MDIMenusTest, FrameMenuShowsTheActiveChildsItemsOfTheSameName) {
  auto* frameMenu = new TMainMenu(frame);
  TMenuItem* file = AddMenuItem(frameMenu->Items(), L"&File", frameMenu);
  AddMenuItem(file, L"&Open", frameMenu);
  TMenuItem* window = AddMenuItem(frameMenu->Items(), L"&Window", frameMenu);
  AddMenuItem(window, L"&Tile", frameMenu);
  frame->SetMenu(frameMenu);
  frameSkin->UpdateMenuBar();
  TCustomForm* child = AddChild(L"With menu");
  auto* childMenu = new TMainMenu(child);
  TMenuItem* childWindow = AddMenuItem(childMenu->Items(), L"&Window", childMenu);
  AddMenuItem(childWindow, L"&Split", childMenu);
  child->SetMenu(childMenu);
  ASSERT_EQ(frame->ActiveMDIChild(), child);

  frameSkin->PopupMenuBarItem(1);
  ASSERT_EQ(gPopups.size(), 1u);
  EXPECT_EQ(gPopups[0].Item1, window);
  EXPECT_EQ(gPopups[0].Item2, childWindow);
  frameSkin->PopupMenuBarItem(0);
  ASSERT_EQ(gPopups.size(), 2u);
  EXPECT_EQ(gPopups[1].Item1, file);
  EXPECT_EQ(gPopups[1].Item2, nullptr);
  // Without an active child the frame's own items show alone.
  Free(child);
  children.clear();
  Settle();
  frameSkin->PopupMenuBarItem(1);
  ASSERT_EQ(gPopups.size(), 3u);
  EXPECT_EQ(gPopups[2].Item2, nullptr);
}

TEST_F(MDIMenusTest, RightClickOpensTheChildsSystemMenuThroughTheFramesSkinMenu) {
  AddChild(L"One");
  TCustomForm* second = AddChild(L"Two");
  bar->Repaint();
  MoveMouse(TabPoint(1));
  MouseInput(MOUSEEVENTF_RIGHTDOWN);
  MouseInput(MOUSEEVENTF_RIGHTUP);
  Settle();
  ASSERT_EQ(gPopups.size(), 1u);
  EXPECT_EQ(gPopups[0].Control, bar);
  EXPECT_EQ(gPopups[0].Item1, GetSkinForm(second)->SystemMenu());
  // Without child menus the right click opens nothing.
  bar->SetSupportChildMenus(false);
  MouseInput(MOUSEEVENTF_RIGHTDOWN);
  MouseInput(MOUSEEVENTF_RIGHTUP);
  Settle();
  EXPECT_EQ(gPopups.size(), 1u);
}

}  // namespace
