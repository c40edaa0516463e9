// Controls under the real message loop: mouse enter and leave, clicks,
// capture, painting into a foreign DC, alignment and ownership.
#include <gtest/gtest.h>

#include <cstring>

#include "ControlTestUtils.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"

namespace {

// Counts what a control hears, through the WindowProc hook a subclasser uses.
struct Recorder {
  int Enter = 0, Leave = 0, Clicks = 0, DblClicks = 0, Downs = 0, Ups = 0;
  TPoint LastMove{-1000, -1000};

  void Attach(TControl* C) {
    auto inner = C->WindowProc;
    C->WindowProc = [this, inner](TMessage& m) {
      if (m.Msg == CM_MOUSEENTER) ++Enter;
      if (m.Msg == CM_MOUSELEAVE) ++Leave;
      inner(m);
    };
    C->OnClick = [this](TObject*) { ++Clicks; };
    C->OnDblClick = [this](TObject*) { ++DblClicks; };
    C->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Downs; };
    C->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Ups; };
    C->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { LastMove = TPoint(X, Y); };
  }
};

class Box : public TCustomControl {
 public:
  explicit Box(TComponent* AOwner, TColor Fill = clRed) : TCustomControl(AOwner), FFill(Fill) {}

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(FFill);
    Canvas()->FillRect(ClientRect());
  }
  TColor FFill;
};

class Spot : public TGraphicControl {
 public:
  explicit Spot(TComponent* AOwner, TColor Fill = clBlue) : TGraphicControl(AOwner), FFill(Fill) {}

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(FFill);
    Canvas()->FillRect(ClientRect());
  }
  TColor FFill;
};

class MouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 200);
    windowed = new Box(form);
    windowed->SetParent(form);
    windowed->SetBounds(10, 10, 100, 60);
    windowless = new Spot(form);
    windowless->SetParent(form);
    windowless->SetBounds(150, 10, 100, 60);
    w.Attach(windowed);
    g.Attach(windowless);
    ShowAndActivate(form);
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  TForm* form;
  Box* windowed;
  Spot* windowless;
  Recorder w, g;
};

TEST_F(MouseTest, EnterAndLeaveForWindowedAndWindowlessControls) {
  MoveMouse(Center(windowed));
  ASSERT_TRUE(PumpUntil([&] { return w.Enter == 1; }));
  EXPECT_TRUE(windowed->MouseInControl());
  EXPECT_EQ(0, g.Enter);

  MoveMouse(Center(windowless));
  ASSERT_TRUE(PumpUntil([&] { return w.Leave == 1 && g.Enter == 1; }));
  EXPECT_TRUE(windowless->MouseInControl());
  EXPECT_FALSE(windowed->MouseInControl());

  // Moving within the control sends nothing new.
  MoveMouse(windowless->ClientToScreen(TPoint(5, 5)));
  EXPECT_EQ(1, g.Enter);

  // Off the form entirely: the windowless control hears of it through its parent.
  MoveMouse(TPoint(20, 20));
  ASSERT_TRUE(PumpUntil([&] { return g.Leave == 1; }));
  EXPECT_EQ(1, w.Enter);
  EXPECT_EQ(1, w.Leave);
}

TEST_F(MouseTest, AWindowlessControlTakenFromUnderTheMouseIsNoLongerUnderIt) {
  MoveMouse(Center(windowless));
  ASSERT_TRUE(PumpUntil([&] { return g.Enter == 1; }));
  windowless->SetParent(nullptr);
  EXPECT_FALSE(windowless->MouseInControl());
  // Placed elsewhere, away from the mouse, it enters afresh only when reached.
  windowless->SetLeft(200);
  windowless->SetParent(form);
  MoveMouse(Center(windowless));
  ASSERT_TRUE(PumpUntil([&] { return g.Enter == 2; }));
  EXPECT_TRUE(windowless->MouseInControl());
}

TEST_F(MouseTest, HiddenOrDisabledWindowlessControlGetsNoMouse) {
  windowless->SetEnabled(false);
  MoveMouse(Center(windowless));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(0, g.Enter);
  EXPECT_EQ(0, g.Downs);
  EXPECT_EQ(0, g.Clicks);
}

TEST_F(MouseTest, ClickAndDoubleClickSequences) {
  for (TControl* c : {static_cast<TControl*>(windowed), static_cast<TControl*>(windowless)}) {
    Recorder& r = c == windowed ? w : g;
    MoveMouse(Center(c));
    INPUT in[4] = {};
    for (int i = 0; i < 4; ++i) {
      in[i].type = INPUT_MOUSE;
      in[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, in, sizeof(INPUT));
    ASSERT_TRUE(PumpUntil([&] { return r.Ups == 2; })) << c->ClassName();
    // Press, release (click), second press (double click), release: one of each.
    EXPECT_EQ(1, r.Clicks) << c->ClassName();
    EXPECT_EQ(1, r.DblClicks) << c->ClassName();
    EXPECT_EQ(2, r.Downs) << c->ClassName();
  }
}

TEST_F(MouseTest, WithoutDoubleClicksTheSecondPressIsAnotherClick) {
  TControlStyle style = windowless->ControlStyle();
  windowless->SetControlStyle(style.Exclude(csDoubleClicks));
  MoveMouse(Center(windowless));
  INPUT in[4] = {};
  for (int i = 0; i < 4; ++i) {
    in[i].type = INPUT_MOUSE;
    in[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  SendInput(4, in, sizeof(INPUT));
  ASSERT_TRUE(PumpUntil([&] { return g.Ups == 2; }));
  EXPECT_EQ(2, g.Clicks);
  EXPECT_EQ(0, g.DblClicks);
}

TEST_F(MouseTest, CaptureWhileDraggingOutOfAWindowlessControl) {
  MoveMouse(Center(windowless));
  MouseDown();
  ASSERT_TRUE(PumpUntil([&] { return g.Downs == 1; }));
  EXPECT_EQ(windowless, GetCaptureControl());
  EXPECT_TRUE(windowless->ControlState().Contains(csLButtonDown));

  // Dragged over the windowed sibling and then off the form: the moves still
  // come to the pressed control, in its own coordinates, and it hears it left.
  MoveMouse(Center(windowed));
  ASSERT_TRUE(PumpUntil([&] { return g.Leave == 1; }));
  EXPECT_LT(g.LastMove.X, 0);
  EXPECT_EQ(0, w.Enter);
  MoveMouse(TPoint(700, 500));
  ASSERT_TRUE(PumpUntil([&] { return g.LastMove.X > 300; }));

  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return g.Ups == 1; }));
  EXPECT_EQ(0, g.Clicks);
  EXPECT_EQ(nullptr, GetCaptureControl());
  EXPECT_FALSE(windowless->ControlState().Contains(csLButtonDown));
}

TEST_F(MouseTest, CaptureWhileDraggingOutOfAWindowedControl) {
  MoveMouse(Center(windowed));
  MouseDown();
  ASSERT_TRUE(PumpUntil([&] { return w.Downs == 1; }));
  EXPECT_EQ(windowed, GetCaptureControl());
  MoveMouse(TPoint(700, 500));
  ASSERT_TRUE(PumpUntil([&] { return w.Leave == 1 && w.LastMove.X > 300; }));
  // Back inside while still pressed: entered again, and the release clicks.
  MoveMouse(Center(windowed));
  ASSERT_TRUE(PumpUntil([&] { return w.Enter == 2; }));
  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return w.Ups == 1; }));
  EXPECT_EQ(1, w.Clicks);
}

TEST_F(MouseTest, TheCursorComesFromTheControlUnderTheMouseOrTheScreen) {
  windowless->SetCursor(crHandPoint);
  windowed->SetCursor(crCross);
  MoveMouse(Center(windowless));
  ASSERT_TRUE(PumpUntil([&] { return GetCursor() == Screen->Cursors(crHandPoint); }));
  MoveMouse(Center(windowed));
  ASSERT_TRUE(PumpUntil([&] { return GetCursor() == Screen->Cursors(crCross); }));
  Screen->SetCursor(crHourGlass);
  MoveMouse(Center(windowless));
  EXPECT_TRUE(PumpUntil([&] { return GetCursor() == Screen->Cursors(crHourGlass); }));
  Screen->SetCursor(crDefault);
}

// ---------------------------------------------------------------------------
// Painting into a DC that is not the control's

class MemoryDC {
 public:
  MemoryDC(int W, int H) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = W;
    bi.bmiHeader.biHeight = -H;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    FBitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    FDC = CreateCompatibleDC(nullptr);
    FOld = SelectObject(FDC, FBitmap);
    RECT r = {0, 0, W, H};
    FillRect(FDC, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~MemoryDC() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
    DeleteObject(FBitmap);
  }
  HDC DC() const { return FDC; }
  COLORREF At(int X, int Y) const { return GetPixel(FDC, X, Y); }

 private:
  HBITMAP FBitmap;
  HDC FDC;
  HGDIOBJ FOld;
};

TEST(PaintTest, ControlPaintsItselfAndWindowlessChildrenIntoAForeignDC) {
  Box parent(nullptr, clRed);
  parent.SetBounds(0, 0, 60, 40);
  auto* spot = new Spot(&parent, clBlue);
  spot->SetParent(&parent);
  spot->SetBounds(10, 10, 20, 10);
  auto* hidden = new Spot(&parent, clLime);
  hidden->SetParent(&parent);
  hidden->SetBounds(40, 10, 10, 10);
  hidden->SetVisible(false);
  // A later sibling lies above an earlier one where they overlap.
  auto* top = new Spot(&parent, clYellow);
  top->SetParent(&parent);
  top->SetBounds(25, 12, 10, 5);

  MemoryDC mem(80, 60);
  SetWindowOrgEx(mem.DC(), -5, -5, nullptr);  // the caller's own origin is kept
  parent.Perform(WM_PAINT, reinterpret_cast<WPARAM>(mem.DC()), 0);
  SetWindowOrgEx(mem.DC(), 0, 0, nullptr);

  EXPECT_EQ(RGB(255, 0, 0), mem.At(5 + 1, 5 + 1));
  EXPECT_EQ(RGB(0, 0, 255), mem.At(5 + 12, 5 + 12));
  EXPECT_EQ(RGB(255, 255, 0), mem.At(5 + 27, 5 + 14));
  EXPECT_EQ(RGB(255, 0, 0), mem.At(5 + 45, 5 + 15));  // hidden child not painted
  EXPECT_EQ(RGB(255, 255, 255), mem.At(5 + 61, 5 + 20));  // nothing outside the control
  EXPECT_FALSE(parent.HandleAllocated());  // no window was needed
}

TEST(PaintTest, PaintingAPlainWindowIntoAForeignDCLeavesItsPendingUpdate) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(100, 100, 200, 100);
  // A plain windowed control: its window paints nothing of its own.
  for (bool withChild : {false, true}) {
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 80, 60);
    if (withChild) {
      auto* spot = new Spot(panel, clBlue);
      spot->SetParent(panel);
      spot->SetBounds(5, 5, 20, 10);
    }
    ShowAndActivate(&form);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT part = {0, 0, 30, 30};
    InvalidateRect(panel->Handle(), &part, FALSE);

    // What a child does to paint its parent's background into its buffer.
    MemoryDC mem(80, 60);
    panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem.DC()), 0);
    panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(mem.DC()), 0);
    panel->PaintTo(mem.DC(), 0, 0);
    if (withChild) {
      EXPECT_EQ(RGB(0, 0, 255), mem.At(10, 8));
    }
    // The window still gets its own WM_PAINT for the part that was invalid.
    EXPECT_TRUE(GetUpdateRect(panel->Handle(), nullptr, FALSE)) << withChild;
    Free(panel);
  }
}

TEST(PaintTest, PaintToIncludesWindowedChildrenAndEraseFillsWithColor) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 100, 50);
  form.SetColor(clGreen);
  auto* child = new Box(&form, clRed);
  child->SetParent(&form);
  child->SetBounds(50, 10, 20, 20);
  auto* spot = new Spot(child, clBlue);
  spot->SetParent(child);
  spot->SetBounds(0, 0, 5, 5);
  form.HandleNeeded();

  MemoryDC mem(100, 50);
  form.PaintTo(mem.DC(), 0, 0);
  EXPECT_EQ(RGB(0, 128, 0), mem.At(5, 5));
  EXPECT_EQ(RGB(255, 0, 0), mem.At(60, 20));
  EXPECT_EQ(RGB(0, 0, 255), mem.At(52, 12));
}

// ---------------------------------------------------------------------------
// Alignment

TEST(ParentTest, AControlCannotBePlacedInsideItselfOrItsDescendants) {
  Box outer(nullptr);
  auto* middle = new Box(&outer);
  middle->SetParent(&outer);
  auto* inner = new Box(&outer);
  inner->SetParent(middle);
  EXPECT_THROW(outer.SetParent(&outer), EInvalidOperation);
  EXPECT_THROW(outer.SetParent(inner), EInvalidOperation);
  EXPECT_THROW(middle->SetParent(inner), EInvalidOperation);
  // A refused move leaves the tree as it was.
  EXPECT_EQ(middle, inner->Parent());
  EXPECT_EQ(&outer, middle->Parent());
  EXPECT_EQ(nullptr, outer.Parent());
}

TEST(AlignTest, ChildrenFillTheirSidesInOrderAndFollowResizes) {
  Box parent(nullptr);
  parent.SetBounds(0, 0, 200, 100);
  auto make = [&](TAlign a, int w, int h) {
    auto* c = new Spot(&parent);
    c->SetBounds(0, 0, w, h);
    c->SetParent(&parent);
    c->SetAlign(a);
    return c;
  };
  Spot* client = make(alClient, 1, 1);
  Spot* top = make(alTop, 5, 10);
  Spot* bottom = make(alBottom, 5, 20);
  Spot* left = make(alLeft, 30, 5);
  Spot* right = make(alRight, 40, 5);

  EXPECT_EQ(Rect(0, 0, 200, 10), top->BoundsRect());
  EXPECT_EQ(Rect(0, 80, 200, 100), bottom->BoundsRect());
  EXPECT_EQ(Rect(0, 10, 30, 80), left->BoundsRect());
  EXPECT_EQ(Rect(160, 10, 200, 80), right->BoundsRect());
  EXPECT_EQ(Rect(30, 10, 160, 80), client->BoundsRect());

  parent.SetBounds(0, 0, 300, 150);
  EXPECT_EQ(Rect(0, 130, 300, 150), bottom->BoundsRect());
  EXPECT_EQ(Rect(260, 10, 300, 130), right->BoundsRect());
  EXPECT_EQ(Rect(30, 10, 260, 130), client->BoundsRect());

  // A second top control placed below the first keeps that order.
  Spot* top2 = make(alNone, 5, 7);
  top2->SetTop(50);
  top2->SetAlign(alTop);
  EXPECT_EQ(Rect(0, 10, 300, 17), top2->BoundsRect());
  EXPECT_EQ(17, left->Top());

  // Hidden controls give their room back.
  top->SetVisible(false);
  EXPECT_EQ(0, top2->Top());
}

TEST(AlignTest, DisableAlignDefersUntilEnabled) {
  Box parent(nullptr);
  parent.SetBounds(0, 0, 100, 100);
  parent.DisableAlign();
  auto* c = new Spot(&parent);
  c->SetParent(&parent);
  c->SetBounds(5, 5, 10, 10);
  c->SetAlign(alClient);
  EXPECT_EQ(Rect(5, 5, 15, 15), c->BoundsRect());
  parent.EnableAlign();
  EXPECT_EQ(Rect(0, 0, 100, 100), c->BoundsRect());
}

TEST(AlignTest, AnchorsKeepDistancesAndConstraintsLimitSize) {
  Box parent(nullptr);
  parent.SetBounds(0, 0, 100, 100);
  auto* right = new Spot(&parent);
  right->SetParent(&parent);
  right->SetBounds(80, 10, 10, 10);
  right->SetAnchors({akRight, akBottom});
  auto* stretch = new Spot(&parent);
  stretch->SetParent(&parent);
  stretch->SetBounds(10, 10, 50, 10);
  stretch->SetAnchors({akLeft, akTop, akRight});
  TSizeConstraints limits;
  limits.MaxWidth = 70;
  stretch->SetConstraints(limits);

  parent.SetBounds(0, 0, 150, 120);
  EXPECT_EQ(Rect(130, 30, 140, 40), right->BoundsRect());
  EXPECT_EQ(Rect(10, 10, 80, 20), stretch->BoundsRect());  // 100 wide wanted, 70 allowed
}

// ---------------------------------------------------------------------------
// Ownership

class Watcher : public TComponent {
 public:
  explicit Watcher(TComponent* AOwner) : TComponent(AOwner) {}
  TControl* Watched = nullptr;
  void Watch(TControl* C) {
    Watched = C;
    C->FreeNotification(this);
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Watched) Watched = nullptr;
  }
};

// Fills its memory with garbage when freed, so that any use after the free
// fails at once instead of reading what happens to be left there.
template <typename Base>
class Poisoned : public Base {
 public:
  using Base::Base;
  static void operator delete(void* P, size_t Size) {
    std::memset(P, 0xDD, Size);
    ::operator delete(P);
  }
};

TEST(FreeInHandlerTest, AControlMayFreeItselfFromItsOwnMouseEvents) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(100, 100, 300, 200);
  ShowAndActivate(&form);
  enum Event { OnClick, OnDblClick, OnMouseDown, OnMouseUp };
  for (bool windowless : {true, false}) {
    for (Event event : {OnClick, OnDblClick, OnMouseDown, OnMouseUp}) {
      TControl* c = windowless ? static_cast<TControl*>(new Poisoned<Spot>(&form))
                               : static_cast<TControl*>(new Poisoned<Box>(&form));
      c->SetParent(&form);
      c->SetBounds(20, 20, 100, 60);
      Watcher watcher(nullptr);
      watcher.Watch(c);
      auto freeIt = [c](TObject*) { Free(c); };
      auto freeOnButton = [c](TObject*, TMouseButton, TShiftState, int, int) { Free(c); };
      if (event == OnClick) c->OnClick = freeIt;
      if (event == OnDblClick) c->OnDblClick = freeIt;
      if (event == OnMouseDown) c->OnMouseDown = freeOnButton;
      if (event == OnMouseUp) c->OnMouseUp = freeOnButton;
      MoveMouse(Center(c));
      INPUT in[4] = {};
      for (int i = 0; i < 4; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
      }
      SendInput(4, in, sizeof(INPUT));
      ASSERT_TRUE(PumpUntil([&] { return watcher.Watched == nullptr; })) << windowless << " " << event;
      Settle();
      EXPECT_EQ(0, form.ControlCount());
    }
  }
  // A focused control freed by a key it is told of.
  for (int event = 0; event < 3; ++event) {
    auto* c = new Poisoned<Box>(&form);
    c->SetParent(&form);
    c->SetBounds(20, 20, 100, 60);
    Watcher watcher(nullptr);
    watcher.Watch(c);
    if (event == 0) c->OnKeyDown = [c](TObject*, WORD&, TShiftState) { Free(c); };
    if (event == 1) c->OnKeyPress = [c](TObject*, wchar_t&) { Free(c); };
    if (event == 2) c->OnKeyUp = [c](TObject*, WORD&, TShiftState) { Free(c); };
    c->SetFocus();
    ASSERT_EQ(c->Handle(), GetFocus());
    PostKey('A');
    PostMessageW(GetFocus(), WM_CHAR, 'a', 1);
    ASSERT_TRUE(PumpUntil([&] { return watcher.Watched == nullptr; })) << event;
    Settle();
    EXPECT_EQ(0, form.ControlCount());
  }
}

TEST(OwnershipTest, DestroyingAFormFreesItsControlsAndNotifies) {
  Watcher watcher(nullptr);
  const int formsBefore = Screen->FormCount();
  auto* form = new TForm(nullptr);
  bool destroyed = false;
  form->OnDestroy = [&](TObject*) { destroyed = true; };
  // Owned by the form and parented to a panel the form owns.
  auto* panel = new Box(form);
  panel->SetParent(form);
  auto* inner = new Spot(form);
  inner->SetParent(panel);
  // Parented but owned by nobody: the parent still frees it.
  auto* orphan = new Spot(nullptr);
  orphan->SetParent(panel);
  auto* menu = new TPopupMenu(form);
  inner->SetPopupMenu(menu);
  watcher.Watch(inner);
  Watcher second(nullptr);
  second.Watch(orphan);
  form->Show();
  EXPECT_EQ(formsBefore + 1, Screen->FormCount());

  HWND panelWnd = panel->Handle();
  Free(form);
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(nullptr, watcher.Watched);
  EXPECT_EQ(nullptr, second.Watched);
  EXPECT_FALSE(IsWindow(panelWnd));
  EXPECT_EQ(formsBefore, Screen->FormCount());
}

// Records where it was asked to pop up instead of showing a system menu.
class RecordingMenu : public TPopupMenu {
 public:
  explicit RecordingMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}
  TPoint At{-1, -1};
  int Count = 0;
  void Popup(int X, int Y) override {
    At = TPoint(X, Y);
    ++Count;
  }
};

// A form with a recording menu and a windowless child on its right half.
class PopupMenuTest : public ::testing::Test {
 protected:
  PopupMenuTest() {
    form.SetBorderStyle(bsNone);
    form.SetBounds(100, 100, 200, 100);
    formMenu = new RecordingMenu(&form);
    form.SetPopupMenu(formMenu);
    spot = new Spot(&form);
    spot->SetParent(&form);
    spot->SetBounds(100, 10, 50, 50);
  }
  TForm form{nullptr};
  RecordingMenu* formMenu;
  Spot* spot;
};

TEST_F(PopupMenuTest, ContextMenuOfAControlOrOfAWindowlessChildPopsUpItsMenu) {
  auto* spotMenu = new RecordingMenu(&form);
  spot->SetPopupMenu(spotMenu);
  form.HandleNeeded();

  // From the keyboard (no position): the middle of the control.
  SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), -1);
  EXPECT_EQ(1, formMenu->Count);
  EXPECT_EQ(form.ClientToScreen(TPoint(100, 50)), formMenu->At);
  EXPECT_EQ(&form, formMenu->PopupComponent());

  const TPoint onSpot = spot->ClientToScreen(TPoint(5, 5));
  SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(onSpot.X, onSpot.Y));
  EXPECT_EQ(1, spotMenu->Count);
  EXPECT_EQ(onSpot, spotMenu->At);
  EXPECT_EQ(spot, spotMenu->PopupComponent());
  EXPECT_EQ(1, formMenu->Count);

  spotMenu->SetAutoPopup(false);  // then the parent's menu serves
  SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(onSpot.X, onSpot.Y));
  EXPECT_EQ(1, spotMenu->Count);
  EXPECT_EQ(2, formMenu->Count);
}

TEST_F(PopupMenuTest, OnContextPopupSeesTheClientPointFirstAndMayKeepTheMenuAway) {
  form.HandleNeeded();  // the child has no menu of its own: the event alone routes to it
  std::vector<std::pair<TObject*, TPoint>> seen;
  bool handle = true;
  auto record = [&](TObject* Sender, TPoint P, bool& Handled) {
    seen.push_back({Sender, P});
    Handled = handle;
  };
  spot->OnContextPopup = record;
  form.OnContextPopup = record;

  const TPoint onSpot = spot->ClientToScreen(TPoint(5, 7));
  SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(onSpot.X, onSpot.Y));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].first, spot);
  EXPECT_EQ(seen[0].second, TPoint(5, 7));
  EXPECT_EQ(0, formMenu->Count);  // handled: no menu

  // From the keyboard the event gets (-1, -1); not handled, the menu opens at the control.
  handle = false;
  SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), -1);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].first, &form);
  EXPECT_EQ(seen[1].second, TPoint(-1, -1));
  EXPECT_EQ(1, formMenu->Count);
  EXPECT_EQ(form.ClientToScreen(TPoint(100, 50)), formMenu->At);
}

TEST(OwnershipTest, FreeingAPopupMenuClearsTheControlsReference) {
  TForm form(nullptr);
  auto* c = new Spot(&form);
  c->SetParent(&form);
  auto* menu = new TPopupMenu(nullptr);
  c->SetPopupMenu(menu);
  Free(menu);
  EXPECT_EQ(nullptr, c->PopupMenu());
}

// A part its whole set aside holds the whole along while a scope holds the
// part, and lets go of it when the part is destroyed: a scope that names the
// freed part's address holds nothing then.
TEST(OwnershipTest, ASetAsidePartHoldsItsWholeUntilThePartGoes) {
  TControl whole(nullptr);
  auto* part = new TControl(nullptr);
  part->SetAsideBy(&whole);
  const TObject* address = part;
  {
    const TLibraryScope hold(part);
    EXPECT_TRUE(HeldByOpenScope(&whole));
  }
  Free(part);
  ReleaseDeferredFrees();
  const TLibraryScope hold(address);
  EXPECT_FALSE(HeldByOpenScope(&whole));
}

TEST(OwnershipTest, RemovingAControlFromItsParentDestroysOnlyItsWindow) {
  TForm form(nullptr);
  form.HandleNeeded();
  auto* box = new Box(&form);
  box->SetParent(&form);
  box->SetText(L"kept");
  HWND first = box->Handle();
  box->SetParent(nullptr);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(box->HandleAllocated());
  EXPECT_EQ(L"kept", box->Text());
  box->SetParent(&form);
  EXPECT_EQ(GetParent(box->Handle()), form.Handle());
}

// ---------------------------------------------------------------------------
// A child's window is made once its place is known

TRect WindowBounds(HWND Wnd) {
  RECT r;
  GetWindowRect(Wnd, &r);
  MapWindowPoints(nullptr, GetParent(Wnd), reinterpret_cast<POINT*>(&r), 2);
  return TRect(r.left, r.top, r.right, r.bottom);
}

TEST(ChildWindowTest, AChildOfAShownFormGetsItsWindowInItsPlaceWhenFirstNeeded) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 200, 100);
  form.Show();
  auto* a = new Box(&form);
  a->SetParent(&form);
  a->SetBounds(10, 20, 30, 40);
  a->SetText(L"a");
  EXPECT_FALSE(a->HandleAllocated());
  // Asked for, the window is made at once, with what was recorded.
  EXPECT_EQ(TRect(10, 20, 40, 60), WindowBounds(a->Handle()));
  wchar_t text[8] = {};
  GetWindowTextW(a->Handle(), text, 8);
  EXPECT_STREQ(L"a", text);

  // The message loop makes the others', in their order from the bottom, the
  // children of a waiting panel with it; a control freed while it waits
  // leaves nothing behind.
  auto* b = new Box(&form);
  b->SetParent(&form);
  auto* panel = new Box(&form);
  panel->SetParent(&form);
  auto* inner = new Box(&form);
  inner->SetParent(panel);
  inner->SetBounds(1, 2, 3, 4);
  auto* gone = new Box(&form);
  gone->SetParent(&form);
  Free(gone);
  Settle();
  ASSERT_TRUE(b->HandleAllocated() && panel->HandleAllocated() && inner->HandleAllocated());
  EXPECT_EQ(panel->Handle(), GetWindow(form.Handle(), GW_CHILD));
  EXPECT_EQ(b->Handle(), GetWindow(panel->Handle(), GW_HWNDNEXT));
  EXPECT_EQ(a->Handle(), GetWindow(b->Handle(), GW_HWNDNEXT));
  EXPECT_EQ(TRect(1, 2, 4, 6), WindowBounds(inner->Handle()));

  // Before a parent paints or shows, its waiting children get their windows.
  auto* painted = new Box(&form);
  painted->SetParent(&form);
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(painted->HandleAllocated());
  panel->Hide();
  auto* shown = new Box(&form);
  shown->SetParent(panel);
  panel->Show();
  EXPECT_TRUE(shown->HandleAllocated());
}

// A windowless control added to a shown form that painted everything draws
// at once: the form's window shows it after the queue is handled.
TEST(ChildWindowTest, AWindowlessChildOfAShownFormShowsOnTheScreen) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetColor(clWhite);
  form.SetBounds(0, 0, 200, 100);
  form.Show();
  Settle();
  auto* spot = new Spot(&form, clBlue);
  spot->SetBounds(20, 20, 30, 30);
  // Nothing it takes from its parent changes: the insertion alone must draw it.
  spot->SetParentColor(false);
  spot->SetParentFont(false);
  spot->SetParent(&form);
  Settle();
  HDC dc = GetDC(form.Handle());
  EXPECT_EQ(GetPixel(dc, 35, 35), static_cast<COLORREF>(clBlue));
  ReleaseDC(form.Handle(), dc);
}

// A control never shown paints its children whose windows still wait: asked
// to paint into a device context, it makes their windows first.
TEST(ChildWindowTest, PaintToOfANeverShownControlPaintsItsWaitingChildren) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  auto* parent = new Box(&form, clRed);
  parent->SetBounds(0, 0, 60, 40);
  parent->SetParent(&form);
  parent->HandleNeeded();
  auto* child = new Box(&form, clBlue);
  child->SetBounds(10, 10, 20, 20);
  child->SetParent(parent);
  ASSERT_FALSE(child->HandleAllocated());
  MemoryDC dc(60, 40);
  parent->PaintTo(dc.DC(), 0, 0);
  EXPECT_TRUE(child->HandleAllocated());
  EXPECT_EQ(dc.At(20, 20), static_cast<COLORREF>(clBlue));
  EXPECT_EQ(dc.At(5, 5), static_cast<COLORREF>(clRed));
}

}  // namespace

TEST(BiDiTest, DrawTextFlagsFollowTheReadingOrderOnAnyLocale) {
  TControl c(nullptr);
  EXPECT_FALSE(c.UseRightToLeftReading());
  EXPECT_EQ(c.DrawTextBiDiModeFlags(DT_RIGHT | DT_VCENTER), static_cast<unsigned>(DT_RIGHT | DT_VCENTER));
  EXPECT_EQ(c.DrawTextBiDiModeFlagsReadingOnly(), 0u);
  // Right to left: the sides swap, a centred text stays centred, and every
  // text reads from the right, whatever the system's locale.
  c.SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(c.UseRightToLeftReading());
  EXPECT_EQ(c.DrawTextBiDiModeFlags(DT_LEFT | DT_SINGLELINE), static_cast<unsigned>(DT_RIGHT | DT_SINGLELINE | DT_RTLREADING));
  EXPECT_EQ(c.DrawTextBiDiModeFlags(DT_RIGHT), static_cast<unsigned>(DT_LEFT | DT_RTLREADING));
  EXPECT_EQ(c.DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER), static_cast<unsigned>(DT_CENTER | DT_VCENTER | DT_RTLREADING));
  EXPECT_EQ(c.DrawTextBiDiModeFlagsReadingOnly(), static_cast<unsigned>(DT_RTLREADING));
}

// ---------------------------------------------------------------------------
// A window's frame is drawn by the system; a window with none draws none

// A window of the library's own class with a border and a vertical bar.
class FramedBox : public Box {
 public:
  using Box::Box;

 protected:
  void CreateParams(TCreateParams& Params) override {
    Box::CreateParams(Params);
    Params.Style |= WS_BORDER | WS_VSCROLL;
  }
};

// The window's whole area as the screen shows it, one colour a pixel.
std::vector<COLORREF> WindowPixels(HWND Wnd) {
  RECT r;
  GetWindowRect(Wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  TBitmap shot;
  shot.SetSize(w, h);
  HDC wnd = GetWindowDC(Wnd);
  BitBlt(shot.Canvas()->Handle(), 0, 0, w, h, wnd, 0, 0, SRCCOPY);
  ReleaseDC(Wnd, wnd);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) pixels.push_back(GetPixel(shot.Canvas()->Handle(), x, y));
  return pixels;
}

// The frame of each kind of framed window (the client edge of the system's
// list and edit, a border and a bar of the library's own window) shows as it
// does on a bare window of the system's class with the same styles.
TEST(FrameTest, AFramedControlShowsTheFrameABareSystemWindowShows) {
  const struct {
    const char* Name;
    std::function<TWinControl*(TComponent*)> Make;
    const wchar_t* TwinClass;
  } rows[] = {
      {"list box", [](TComponent* o) { return new TListBox(o); }, L"LISTBOX"},
      {"edit", [](TComponent* o) { return new TEdit(o); }, L"EDIT"},
      {"own window", [](TComponent* o) { return new FramedBox(o, clWhite); }, L"STATIC"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Name);
    TForm form(nullptr);
    form.SetBounds(50, 50, 300, 200);
    form.Show();
    TWinControl* c = row.Make(&form);
    c->SetParent(&form);
    c->SetBounds(10, 10, 90, 70);
    const HWND wnd = c->Handle();
    const DWORD style = static_cast<DWORD>(GetWindowLongW(wnd, GWL_STYLE)) & ~WS_TABSTOP;
    const HWND twin = CreateWindowExW(static_cast<DWORD>(GetWindowLongW(wnd, GWL_EXSTYLE)), row.TwinClass, L"",
                                      style, 120, 10, 90, 70, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(twin);
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Settle();
    RECT client;
    GetClientRect(wnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(wnd, &origin);
    RECT window;
    GetWindowRect(wnd, &window);
    const int dx = origin.x - window.left, dy = origin.y - window.top, w = window.right - window.left;
    ASSERT_TRUE(dx > 0 || dy > 0) << "the window has a frame";
    const std::vector<COLORREF> mine = WindowPixels(wnd), bare = WindowPixels(twin);
    ASSERT_EQ(mine.size(), bare.size());
    int frameDiffers = 0, framePixels = 0;
    for (size_t i = 0; i < mine.size(); ++i) {
      const int x = static_cast<int>(i) % w, y = static_cast<int>(i) / w;
      if (x >= dx && x < dx + client.right && y >= dy && y < dy + client.bottom) continue;
      ++framePixels;
      frameDiffers += mine[i] != bare[i];
    }
    EXPECT_GT(framePixels, 0);
    EXPECT_EQ(0, frameDiffers) << "of " << framePixels << " frame pixels";
    DestroyWindow(twin);
  }
}
