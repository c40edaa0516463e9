// MDI forms under Wine: the frame's client window beside aligned controls,
// the list of children and the active one, maximizing, closing, arranging,
// the MDI keys, no leaked windows over many children; ScrollBy.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/GuiCounts.h"
#include "classlib/StdCtrls.h"

namespace {

class MDITest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 640, 480);
    bar = new TPanel(frame);
    bar->SetParent(frame);
    bar->SetHeight(30);
    bar->SetAlign(alTop);
    frame->Show();
    Settle();
  }
  void TearDown() override { Free(frame); }

  TForm* NewChild(const String& Caption) {
    auto* child = new TForm(frame);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption(Caption);
    child->SetBounds(10, 10, 200, 150);
    child->Show();
    Settle();
    return child;
  }

  static RECT ScreenRectOf(HWND W) {
    RECT r = {};
    GetWindowRect(W, &r);
    return r;
  }

  TForm* frame;
  TPanel* bar;
};

TEST_F(MDITest, ClientWindowFillsWhatTheAlignedControlsLeave) {
  ASSERT_NE(frame->ClientHandle(), nullptr);
  RECT client = {};
  GetWindowRect(frame->ClientHandle(), &client);
  MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<POINT*>(&client), 2);
  const TRect area = frame->ClientRect();
  EXPECT_EQ(client.top, 30);
  EXPECT_EQ(client.left, 0);
  EXPECT_EQ(client.right, area.Right);
  EXPECT_EQ(client.bottom, area.Bottom);
  // Sizing the frame moves the client window with the alignment, not over the bar.
  frame->SetBounds(40, 40, 500, 400);
  Settle();
  GetWindowRect(frame->ClientHandle(), &client);
  MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<POINT*>(&client), 2);
  EXPECT_EQ(client.top, 30);
  EXPECT_EQ(client.bottom, frame->ClientRect().Bottom);
}

TEST_F(MDITest, ChildrenListActiveAndOrder) {
  EXPECT_EQ(frame->MDIChildCount(), 0);
  EXPECT_EQ(frame->ActiveMDIChild(), nullptr);
  TForm* a = NewChild(L"A");
  TForm* b = NewChild(L"B");
  TForm* c = NewChild(L"C");
  EXPECT_EQ(GetParent(a->Handle()), frame->ClientHandle());
  EXPECT_EQ(frame->MDIChildCount(), 3);
  EXPECT_EQ(frame->ActiveMDIChild(), c);
  EXPECT_EQ(frame->MDIChildren(0), c);
  EXPECT_THROW(frame->MDIChildren(3), EListError);
  EXPECT_THROW(frame->MDIChildren(-1), EListError);
  frame->Next();
  Settle();
  EXPECT_NE(frame->ActiveMDIChild(), c);
  SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->Handle()), 0);
  Settle();
  EXPECT_EQ(frame->ActiveMDIChild(), a);
  EXPECT_EQ(frame->MDIChildren(0), a);
  Free(b);
  Settle();
  EXPECT_EQ(frame->MDIChildCount(), 2);
}

// A document opened again: Show or BringToFront on a child that is already
// open makes it the active child and puts it on top, however it is called.
TEST_F(MDITest, ShowOrBringToFrontOfAnOpenChildActivatesIt) {
  struct Way {
    const char* name;
    void (*bring)(TForm*);
  };
  const Way ways[] = {
      {"Show", [](TForm* f) { f->Show(); }},
      {"BringToFront", [](TForm* f) { f->BringToFront(); }},
      {"Show through a TControl", [](TForm* f) { static_cast<TControl*>(f)->Show(); }},
      {"BringToFront through a TControl", [](TForm* f) { static_cast<TControl*>(f)->BringToFront(); }},
  };
  TForm* a = NewChild(L"A");
  TForm* b = NewChild(L"B");
  TForm* c = NewChild(L"C");
  for (const Way& way : ways) {
    for (TForm* child : {a, b, c}) {
      way.bring(child);
      Settle();
      EXPECT_EQ(frame->ActiveMDIChild(), child) << way.name;
      EXPECT_EQ(frame->MDIChildren(0), child) << way.name;
      EXPECT_EQ(GetWindow(frame->ClientHandle(), GW_CHILD), child->Handle()) << way.name;
    }
  }
  // A top-level form comes to the top of its fellows.
  auto* first = new TForm(nullptr);
  auto* second = new TForm(nullptr);
  first->Show();
  second->Show();
  Settle();
  first->BringToFront();
  Settle();
  for (HWND w = GetWindow(first->Handle(), GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
    EXPECT_NE(w, second->Handle()) << "the form brought forward is under the other one";
  Free(second);
  Free(first);
}

TEST_F(MDITest, ChildNeedsAFrame) {
  auto* lost = new TForm(nullptr);
  lost->SetFormStyle(fsMDIChild);
  EXPECT_THROW(lost->HandleNeeded(), EInvalidOperation);
  Free(lost);
}

int gCreatedWindows = 0;

LRESULT CALLBACK CountCreations(int Code, WPARAM W, LPARAM L) {
  if (Code == HCBT_CREATEWND) ++gCreatedWindows;
  return CallNextHookEx(nullptr, Code, W, L);
}

int ChildWindowCount(HWND Parent);

// Freeing the frame destroys the children's windows before the children
// themselves: their aligned controls then leave without the child asking for
// a new window, which no frame could hold any more.
TEST_F(MDITest, FreeingTheFrameFreesChildrenWithAlignedControls) {
  for (int i = 0; i < 2; ++i) {
    TForm* child = NewChild(L"Child " + IntToStr(i));
    auto* panel = new TPanel(child);
    panel->SetParent(child);
    panel->SetAlign(alClient);
  }
  Settle();
  HWND frameWindow = frame->Handle();
  const int all = ThreadWindowsWithChildren();
  const int frameWindows = 1 + ChildWindowCount(frameWindow);
  ASSERT_GE(frameWindows, 6);  // frame, bar, client, two children with a panel each
  gCreatedWindows = 0;
  HHOOK hook = SetWindowsHookExW(WH_CBT, CountCreations, nullptr, GetCurrentThreadId());
  Free(frame);
  UnhookWindowsHookEx(hook);
  frame = nullptr;
  EXPECT_EQ(gCreatedWindows, 0);
  EXPECT_FALSE(IsWindow(frameWindow));
  EXPECT_EQ(ThreadWindowsWithChildren(), all - frameWindows);
}

TEST_F(MDITest, MaximizedChildCoversTheClientWindow) {
  TForm* child = NewChild(L"Max");
  child->SetWindowState(wsMaximized);
  Settle();
  EXPECT_TRUE(IsZoomed(child->Handle()));
  EXPECT_EQ(child->WindowState(), wsMaximized);
  RECT area = {};
  GetClientRect(frame->ClientHandle(), &area);
  MapWindowPoints(frame->ClientHandle(), nullptr, reinterpret_cast<POINT*>(&area), 2);
  RECT inner = {};
  GetClientRect(child->Handle(), &inner);
  MapWindowPoints(child->Handle(), nullptr, reinterpret_cast<POINT*>(&inner), 2);
  EXPECT_EQ(inner.left, area.left);
  EXPECT_EQ(inner.top, area.top);
  EXPECT_EQ(inner.right, area.right);
  EXPECT_EQ(inner.bottom, area.bottom);
  child->SetWindowState(wsNormal);
  Settle();
  EXPECT_FALSE(IsZoomed(child->Handle()));
  EXPECT_EQ(child->WindowState(), wsNormal);
}

TEST_F(MDITest, ClosingMinimizesUnlessTheHandlerFreesTheChild) {
  TForm* child = NewChild(L"Close");
  child->Close();
  Settle();
  EXPECT_TRUE(IsIconic(child->Handle()));
  child->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
  bool freed = false;
  child->OnDestroy = [&freed](TObject*) { freed = true; };
  child->Close();
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
  EXPECT_EQ(frame->MDIChildCount(), 0);
}

TEST_F(MDITest, TileLeavesNoOverlap) {
  TForm* a = NewChild(L"A");
  TForm* b = NewChild(L"B");
  frame->SetTileMode(tbVertical);
  frame->Tile();
  Settle();
  const RECT ra = ScreenRectOf(a->Handle()), rb = ScreenRectOf(b->Handle());
  RECT overlap = {};
  EXPECT_FALSE(IntersectRect(&overlap, &ra, &rb));
  frame->Cascade();
  Settle();
  const RECT ca = ScreenRectOf(a->Handle()), cb = ScreenRectOf(b->Handle());
  EXPECT_NE(ca.left, cb.left);
  EXPECT_NE(ca.top, cb.top);
}

TEST_F(MDITest, ControlF6GoesToTheNextChildThroughTheLoop) {
  TForm* a = NewChild(L"A");
  TForm* b = NewChild(L"B");
  SetForegroundWindow(frame->Handle());
  PumpUntil([&] { return GetActiveWindow() == frame->Handle(); });
  ASSERT_EQ(frame->ActiveMDIChild(), b);
  ::SetFocus(b->Handle());
  INPUT keys[4] = {};
  for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = VK_F6;
  keys[2].ki.wVk = VK_F6;
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_CONTROL;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, keys, sizeof(INPUT));
  EXPECT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == a; }, 5000));
}

// Keys move among the children as the system's MDI does: the child they
// activate gives the focus to the control that had it (or its first one),
// so typed keys reach an edit, not the child's own window.
TEST_F(MDITest, ChildActivatedByKeysFocusesItsControlAgain) {
  TForm* a = NewChild(L"A");
  TForm* b = NewChild(L"B");
  std::vector<TEdit*> edits;  // two on A, then two on B
  for (TForm* child : {a, b}) {
    for (int i = 0; i < 2; ++i) {
      edits.push_back(new TEdit(child));
      edits.back()->SetParent(child);
      edits.back()->SetBounds(10, 10 + 30 * i, 120, 22);
    }
  }
  ShowAndActivate(frame);
  ASSERT_EQ(frame->ActiveMDIChild(), b);
  edits[3]->SetFocus();
  Settle();
  KeyChord({VK_CONTROL}, VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == a; }, 5000));
  // A never had a focused control: its first one takes the focus.
  EXPECT_EQ(GetFocus(), edits[0]->Handle());
  KeyChord({VK_CONTROL, VK_SHIFT}, VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == b; }, 5000));
  EXPECT_EQ(GetFocus(), edits[3]->Handle());
  KeyChord({}, 'K');
  EXPECT_EQ(edits[3]->Text(), L"k");
}

BOOL CALLBACK CountWindow(HWND, LPARAM Data) {
  ++*reinterpret_cast<int*>(Data);
  return TRUE;
}

int ThreadWindowCount() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
  return n;
}

int ChildWindowCount(HWND Parent) {
  int n = 0;
  EnumChildWindows(Parent, CountWindow, reinterpret_cast<LPARAM>(&n));
  return n;
}

TEST_F(MDITest, TwoHundredChildrenLeaveNothingBehind) {
  // One round first: caches and the window classes settle.
  Free(NewChild(L"warm-up"));
  Settle();
  const int topBefore = ThreadWindowCount();
  const int childBefore = ChildWindowCount(frame->Handle());
  const int gdiBefore = GdiObjectsInUse();
  const int sharedBefore = GdiResourceCount();
  for (int i = 0; i < 200; ++i) {
    TForm* child = NewChild(L"Child " + IntToStr(i));
    if (i % 3 == 0) child->SetWindowState(wsMaximized);
    Free(child);
  }
  Settle();
  EXPECT_EQ(frame->MDIChildCount(), 0);
  EXPECT_EQ(ThreadWindowCount(), topBefore);
  EXPECT_EQ(ChildWindowCount(frame->Handle()), childBefore);
  // A leak of one object per child would show as 200.
  EXPECT_LT(GdiObjectsInUse(), gdiBefore + 20);
  EXPECT_EQ(GdiResourceCount(), sharedBefore);
}

class Dot : public TGraphicControl {
 public:
  explicit Dot(TComponent* AOwner) : TGraphicControl(AOwner) {}
};

TEST(ScrollBy, MovesWindowedAndWindowlessChildren) {
  auto* form = new TForm(nullptr);
  form->SetBounds(50, 50, 300, 200);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 20, 50, 40);
  auto* dot = new Dot(form);
  dot->SetParent(form);
  dot->SetBounds(100, 30, 10, 10);
  form->Show();
  Settle();
  form->ScrollBy(-5, 12);
  Settle();
  EXPECT_EQ(panel->Left(), 5);
  EXPECT_EQ(panel->Top(), 32);
  RECT r = {};
  GetWindowRect(panel->Handle(), &r);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.top, 32);
  EXPECT_EQ(dot->Left(), 95);
  EXPECT_EQ(dot->Top(), 42);
  Free(form);
}

}  // namespace
