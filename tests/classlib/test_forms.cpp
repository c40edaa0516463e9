// Forms under the real message loop: focus and tab order, dialog keys,
// modal showing, timers, hints and handle hygiene.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "ControlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/GuiCounts.h"
#include "classlib/HeapCheck.h"
#include "classlib/ListView.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "classlib/TreeView.h"

namespace {

// A focusable control of our own window class (it wants no special keys).
class Field : public TCustomControl {
 public:
  explicit Field(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
};

TButton* AddButton(TCustomForm* Form, const String& Caption, int Left) {
  auto* b = new TButton(Form);
  b->SetParent(Form);
  b->SetCaption(Caption);
  b->SetBounds(Left, 60, 60, 25);
  return b;
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 320, 160);
    field = new Field(form);
    field->SetParent(form);
    field->SetBounds(10, 10, 100, 30);
    ok = AddButton(form, L"&OK", 10);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel = AddButton(form, L"Cancel", 80);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    ok->OnClick = [this](TObject*) { ++okClicks; };
    cancel->OnClick = [this](TObject*) { ++cancelClicks; };
  }
  void TearDown() override { Free(form); }

  TForm* form;
  Field* field;
  TButton* ok;
  TButton* cancel;
  int okClicks = 0, cancelClicks = 0;
};

TEST_F(DialogTest, TabWalksTheTabOrderAndSkipsWhatCannotTakeFocus) {
  auto* hidden = new Field(form);
  hidden->SetParent(form);
  hidden->SetVisible(false);
  auto* disabled = new Field(form);
  disabled->SetParent(form);
  disabled->SetEnabled(false);
  auto* noStop = new Field(form);
  noStop->SetParent(form);
  noStop->SetTabStop(false);
  cancel->SetTabOrder(0);  // order now: cancel, field, ok, ...
  field->SetName(L"field");
  ok->SetName(L"ok");
  cancel->SetName(L"cancel");
  std::vector<String> entered;
  for (TWinControl* c : {static_cast<TWinControl*>(field), static_cast<TWinControl*>(ok), static_cast<TWinControl*>(cancel)})
    c->OnEnter = [&entered, c](TObject*) { entered.push_back(c->Name()); };
  int fieldExits = 0;
  field->OnExit = [&](TObject*) { ++fieldExits; };

  form->SetActiveControl(field);
  ShowAndActivate(form);
  ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));
  EXPECT_EQ(field, Screen->ActiveControl());
  EXPECT_EQ(form, Screen->ActiveForm());

  PostKey(VK_TAB);
  EXPECT_TRUE(ok->Focused());
  EXPECT_EQ(ok, form->ActiveControl());
  EXPECT_EQ(1, fieldExits);
  PostKey(VK_TAB);
  EXPECT_TRUE(cancel->Focused());
  PostKey(VK_TAB);  // wraps round past the controls that cannot take it
  EXPECT_TRUE(field->Focused());
  EXPECT_EQ((std::vector<String>{L"field", L"ok", L"cancel", L"field"}), entered);
}

// An OnExit that sends the focus elsewhere wins over the move that raised it:
// the control the move was for is not told it was entered once it has left.
TEST_F(DialogTest, OnExitThatMovesTheFocusOnHasTheLastWord) {
  field->SetName(L"field");
  ok->SetName(L"ok");
  cancel->SetName(L"cancel");
  std::vector<String> events;
  for (TWinControl* c : {static_cast<TWinControl*>(field), static_cast<TWinControl*>(ok), static_cast<TWinControl*>(cancel)}) {
    c->OnEnter = [&events, c](TObject*) { events.push_back(L"enter " + c->Name()); };
    c->OnExit = [&events, c](TObject*) { events.push_back(L"exit " + c->Name()); };
  }
  field->OnExit = [&](TObject*) {
    events.push_back(L"exit field");
    cancel->SetFocus();
  };
  form->SetActiveControl(field);
  ShowAndActivate(form);
  ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));
  events.clear();
  PostKey(VK_TAB);  // towards ok
  EXPECT_TRUE(cancel->Focused());
  EXPECT_EQ(cancel, form->ActiveControl());
  EXPECT_EQ(cancel, Screen->ActiveControl());
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(L"enter cancel", events.back());
  EXPECT_EQ(events.end(), std::find(events.begin(), events.end(), String(L"enter ok")));
}

// An OnEnter that sends the focus on ends the move that raised it: the form
// tells its controls of the focus where it went, so the button Enter presses
// is the one that holds the focus, not the one entered first.
TEST_F(DialogTest, OnEnterThatMovesTheFocusOnHasTheLastWord) {
  int okEntered = 0;
  ok->OnEnter = [&](TObject*) {
    ++okEntered;
    cancel->SetFocus();
  };
  form->SetActiveControl(field);
  ShowAndActivate(form);
  ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));
  PostKey(VK_TAB);  // towards ok, whose OnEnter moves on to cancel
  EXPECT_EQ(okEntered, 1);
  EXPECT_TRUE(cancel->Focused());
  EXPECT_EQ(cancel, form->ActiveControl());
  EXPECT_TRUE(cancel->Active());
  EXPECT_FALSE(ok->Active());
  PostKey(VK_RETURN);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(okClicks, 0);
}

TEST_F(DialogTest, EnterReachesTheDefaultButtonAndEscTheCancelButton) {
  form->SetActiveControl(field);
  ShowAndActivate(form);
  ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));
  EXPECT_TRUE(ok->Active());
  PostKey(VK_RETURN);
  EXPECT_EQ(1, okClicks);
  EXPECT_EQ(mrOk, form->ModalResult());
  PostKey(VK_ESCAPE);
  EXPECT_EQ(1, cancelClicks);
  EXPECT_EQ(mrCancel, form->ModalResult());

  // A focused button takes Enter for itself; the default one steps back.
  cancel->SetFocus();
  Settle();
  EXPECT_TRUE(cancel->Active());
  EXPECT_FALSE(ok->Active());
  PostKey(VK_RETURN);
  EXPECT_EQ(2, cancelClicks);
  EXPECT_EQ(1, okClicks);
}

TEST_F(DialogTest, AcceleratorCharacterClicksTheButton) {
  form->SetActiveControl(field);
  ShowAndActivate(form);
  ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));
  PostMessageW(GetFocus(), WM_CHAR, L'o', 1);
  Settle();
  EXPECT_EQ(1, okClicks);
  EXPECT_TRUE(ok->Focused());
}

TEST_F(DialogTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  std::vector<String> order;
  form->SetKeyPreview(true);
  form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
    order.push_back(L"form");
    if (Key == 'X') Key = 0;  // swallowed here
  };
  field->OnKeyDown = [&](TObject*, WORD&, TShiftState) { order.push_back(L"field"); };
  form->SetActiveControl(field);
  ShowAndActivate(form);
  ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));
  PostKey('A');
  PostKey('X');
  EXPECT_EQ((std::vector<String>{L"form", L"field", L"form"}), order);
}

TEST_F(DialogTest, ShowModalReturnsTheModalResultSetByAButton) {
  TForm other(nullptr);
  other.SetBounds(500, 100, 100, 100);
  other.Show();
  Settle();
  bool otherDisabledDuringModal = false;
  int queries = 0;
  form->OnCloseQuery = [&](TObject*, bool& CanClose) {
    otherDisabledDuringModal = !IsWindowEnabled(other.Handle());
    CanClose = ++queries > 1;  // the first attempt is refused
  };
  form->SetActiveControl(field);
  form->OnShow = [&](TObject*) {
    // Enter twice: the first close is refused, the second goes through.
    PostMessageW(field->Handle(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(field->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  };
  EXPECT_EQ(mrOk, form->ShowModal());
  EXPECT_EQ(2, queries);
  EXPECT_EQ(2, okClicks);
  EXPECT_TRUE(otherDisabledDuringModal);
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
  EXPECT_FALSE(form->Visible());
  EXPECT_THROW(
      {
        form->Show();
        form->ShowModal();
      },
      EInvalidOperation);
}

TEST_F(DialogTest, CloseAsksFirstAndFreesWhenTold) {
  auto* dialog = new TForm(nullptr);
  bool destroyed = false;
  dialog->OnDestroy = [&](TObject*) { destroyed = true; };
  dialog->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
  dialog->Show();
  Settle();
  PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return destroyed; }));
}

// ---------------------------------------------------------------------------

TEST(TimerTest, FiresInTheLoopAndMayFreeItselfFromItsEvent) {
  int ticks = 0;
  auto* timer = new TTimer(nullptr);
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) { ++ticks; };
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer->SetEnabled(false);
  const int stopped = ticks;
  Settle();
  EXPECT_EQ(stopped, ticks);

  timer->SetEnabled(true);
  timer->OnTimer = [&](TObject* Sender) {
    ++ticks;
    Free(Sender);  // the morph and repeat timers of buttons do this
  };
  ASSERT_TRUE(PumpUntil([&] { return ticks == stopped + 1; }));
  Settle();
  EXPECT_EQ(stopped + 1, ticks);
  // Nothing of the freed timer was touched after its event.
  EXPECT_TRUE(ProcessHeapsValid());
}

// Timers share one hidden window, made with the first start and gone with
// the last timer; each still ticks on its own, and a stopped timer's ticks
// the queue holds are not delivered.
TEST(TimerTest, ManyTimersShareOneWindowThatGoesWithTheLast) {
  Settle();
  const int windows = ThreadWindowsWithChildren();
  std::vector<TTimer*> timers;
  std::vector<int> ticks(50);
  for (int i = 0; i < 50; ++i) {
    timers.push_back(new TTimer(nullptr));
    timers[i]->SetInterval(5 + i % 3);
    timers[i]->OnTimer = [&ticks, i](TObject*) { ++ticks[i]; };
  }
  EXPECT_EQ(windows + 1, ThreadWindowsWithChildren());
  ASSERT_TRUE(PumpUntil([&] { return std::count(ticks.begin(), ticks.end(), 0) == 0; }));
  // Stopped after its ticks are queued: none of them reaches it.
  Sleep(30);
  timers[7]->SetEnabled(false);
  const int stopped = ticks[7];
  // One freed in its own tick frees the others, the window's last timers.
  timers[0]->OnTimer = [&](TObject*) {
    for (TTimer* t : timers) Free(t);
  };
  ASSERT_TRUE(PumpUntil([&] { return ThreadWindowsWithChildren() == windows; }));
  EXPECT_EQ(stopped, ticks[7]);
  Settle();
  EXPECT_TRUE(ProcessHeapsValid());
}

TEST(TimerTest, AnExceptionFromOnTimerReachesTheApplication) {
  String reported;
  TObject* sender = nullptr;
  const TExceptionEvent previous = Application->OnException;
  Application->OnException = [&](TObject* Sender, const std::exception* E) {
    sender = Sender;
    if (auto* e = dynamic_cast<const Exception*>(E)) reported = e->Message();
  };
  auto* timer = new TTimer(nullptr);
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject* Sender) {
    static_cast<TTimer*>(Sender)->SetEnabled(false);
    throw EInvalidOperation(L"tick failed");
  };
  const bool seen = PumpUntil([&] { return !reported.empty(); });
  Application->OnException = previous;
  Free(timer);
  ASSERT_TRUE(seen);
  EXPECT_EQ(L"tick failed", reported);
  EXPECT_EQ(timer, sender);
}

// A control whose handler of one message throws, as a faulty handler would.
class Throwing : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  static constexpr UINT kFail = WM_USER + 41;
  static constexpr UINT kEndMenu = WM_USER + 42;

 protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == kFail) throw EInvalidOperation(L"handler failed");
    if (Message.Msg == kEndMenu) EndMenu();
    TCustomControl::Dispatch(Message);
  }
};

void SendToAThrowingHandler() {
  auto* form = new TForm(nullptr);
  auto* control = new Throwing(form);
  control->SetParent(form);
  form->HandleNeeded();
  SendMessageW(control->Handle(), Throwing::kFail, 0, 0);
  Free(form);
}

void WaitForAThrowingTimer() {
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.OnTimer = [](TObject* Sender) {
    static_cast<TTimer*>(Sender)->SetEnabled(false);
    throw EConvertError(L"tick failed");
  };
  // Nothing will ever hold: the wait ends at the exception, not at the limit.
  const DWORD start = GetTickCount();
  EXPECT_FALSE(PumpUntil([] { return false; }, 120000));
  EXPECT_LT(GetTickCount() - start, 120000u);
}

// Every test program fails the running test with the message of an exception
// that a handler lets out, instead of showing a box that nobody closes.
TEST(TimerTest, AnExceptionInAHandlerFailsTheRunningTestAtOnce) {
  EXPECT_NONFATAL_FAILURE(SendToAThrowingHandler(), "handler failed");
  EXPECT_NONFATAL_FAILURE(WaitForAThrowingTimer(), "tick failed");
  EXPECT_EQ(ExceptionsReachingApplication(), 2);
}

// A handler that throws while the system runs a loop of its own (a popup
// menu's) fails the test the same way, and the menu still ends normally.
TEST(TimerTest, AnExceptionInsideTheSystemsModalLoopReachesTheApplication) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 120);
  auto* control = new Throwing(&form);
  control->SetParent(&form);
  ShowAndActivate(&form);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"Item");
  PostMessageW(control->Handle(), Throwing::kFail, 0, 0);
  PostMessageW(control->Handle(), Throwing::kEndMenu, 0, 0);
  BOOL chosen = -1;
  EXPECT_NONFATAL_FAILURE(chosen = TrackPopupMenu(menu, TPM_RETURNCMD, 120, 120, 0, form.Handle(), nullptr),
                          "handler failed");
  DestroyMenu(menu);
  EXPECT_EQ(0, chosen);  // ended with no choice
  EXPECT_EQ(1, ExceptionsReachingApplication());
}

// ---------------------------------------------------------------------------

class Tipped : public TCustomControl {
 public:
  explicit Tipped(TComponent* AOwner) : TCustomControl(AOwner) {}
  int HintShows = 0;

 protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_HINTSHOW) {
      ++HintShows;
      reinterpret_cast<THintInfo*>(Message.LParam)->HintStr += L"!";
    }
    TCustomControl::Dispatch(Message);
  }
};

TEST(HintTest, HintShowsAfterThePauseAndGoesOnClick) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(100, 100, 200, 100);
  auto* c = new Tipped(&form);
  c->SetParent(&form);
  c->SetBounds(10, 10, 100, 40);
  c->SetHint(L"Tip");
  c->SetShowHint(true);
  String shown;
  Application->SetHintPause(20);
  Application->OnShowHint = [&](String& HintStr, bool& CanShow, THintInfo& Info) {
    shown = HintStr;
    CanShow = Info.HintControl == c;
  };
  ShowAndActivate(&form);
  MoveMouse(Center(c));
  ASSERT_TRUE(PumpUntil([&] {
    return Application->HintWindow() && IsWindowVisible(Application->HintWindow()->Handle());
  }));
  EXPECT_EQ(1, c->HintShows);
  EXPECT_EQ(L"Tip!", shown);
  EXPECT_EQ(L"Tip!", Application->HintWindow()->Caption());
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(Application->HintWindow()->HandleAllocated());
  Application->OnShowHint = nullptr;
  Application->SetHintPause(500);
}

class MyHintWindow : public THintWindow {
 public:
  explicit MyHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}
  String Shown;
  void ActivateHint(const TRect& ARect, const String& AHint) override {
    Shown = AHint;
    THintWindow::ActivateHint(ARect, AHint);
  }
};

TEST(HintTest, TogglingShowHintRemakesTheWindowInTheNewClass) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(100, 100, 200, 100);
  auto* c = new Tipped(&form);
  c->SetParent(&form);
  c->SetBounds(10, 10, 100, 40);
  c->SetHint(L"Tip");
  c->SetShowHint(true);
  Application->SetHintPause(20);
  ShowAndActivate(&form);
  MoveMouse(Center(c));
  ASSERT_TRUE(PumpUntil([&] { return Application->HintWindow() != nullptr; }));
  MoveMouse(TPoint(2, 2));
  Application->SetHintWindowClass([](TComponent* AOwner) { return new MyHintWindow(AOwner); });
  Application->SetShowHint(false);
  EXPECT_EQ(nullptr, Application->HintWindow());
  Application->SetShowHint(true);
  MoveMouse(Center(c));
  ASSERT_TRUE(PumpUntil([&] { return Application->HintWindow() != nullptr; }));
  auto* mine = dynamic_cast<MyHintWindow*>(Application->HintWindow());
  ASSERT_NE(nullptr, mine);
  EXPECT_EQ(L"Tip!", mine->Shown);
  Application->SetHintWindowClass(nullptr);
  Application->SetShowHint(false);
  Application->SetShowHint(true);
  Application->SetHintPause(500);
}

// ---------------------------------------------------------------------------

BOOL CALLBACK CountWindow(HWND, LPARAM Count) {
  ++*reinterpret_cast<int*>(Count);
  return TRUE;
}

int TopLevelWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// The windows of the thread with their children, the process's GDI objects
// and the library's shared GDI objects must all be back where they were.
TEST(HandleTest, AThousandFormsLeaveNoUserOrGdiHandlesBehind) {
  auto build = [] {
    auto* form = new TForm(nullptr);
    form->SetCaption(L"Form");
    auto* field = new Field(form);
    field->SetParent(form);
    field->Font()->SetSize(12);
    auto* b = AddButton(form, L"OK", 10);
    b->SetDefault(true);
    new TTimer(form);
    form->HandleNeeded();
    form->Canvas()->Handle();
    return form;
  };
  Free(build());  // the first one registers classes and warms caches
  Settle();
  const int allWindows = ThreadWindowsWithChildren();
  const int gdi = GdiObjectsInUse();
  const int windows = TopLevelWindows();
  const int shared = GdiResourceCount();
  for (int i = 0; i < 1000; ++i) Free(build());
  Settle();
  EXPECT_EQ(ThreadWindowsWithChildren(), allWindows);
  EXPECT_LE(GdiObjectsInUse(), gdi);
  EXPECT_EQ(windows, TopLevelWindows());
  EXPECT_EQ(shared, GdiResourceCount());
}

}  // namespace

namespace {

// A pop-up list window in the manner of a drop-down: owned by a control,
// shown without activation, and never activated by a click.
class DropDown : public TCustomControl {
 public:
  explicit DropDown(TComponent* AOwner) : TCustomControl(AOwner) { FVisible = false; }
  int Clicks = 0;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.ExStyle = WS_EX_TOOLWINDOW;
    Params.WindowClass.style |= CS_SAVEBITS;
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_MOUSEACTIVATE) {
      Message.Result = MA_NOACTIVATE;
      return;
    }
    TCustomControl::Dispatch(Message);
  }
  void Click() override { ++Clicks; }
};

TEST(PopupTest, ANonActivatingPopupTakesClicksAndLeavesTheFormActive) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 100);
  auto* field = new Field(&form);
  field->SetParent(&form);
  field->SetBounds(10, 10, 100, 20);
  auto* list = new DropDown(&form);
  list->SetParent(field);
  list->SetBounds(400, 300, 120, 80);  // screen coordinates: a pop-up
  form.SetActiveControl(field);
  ShowAndActivate(&form);
  ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));
  EXPECT_EQ(GetWindow(list->Handle(), GW_OWNER), form.Handle());
  SetWindowPos(list->Handle(), HWND_TOP, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  list->SetVisible(true);
  Settle();
  EXPECT_EQ(TPoint(400, 300), list->ClientOrigin());
  MoveMouse(TPoint(450, 330));
  MouseDown();
  MouseUp();
  ASSERT_TRUE(PumpUntil([&] { return list->Clicks == 1; }));
  EXPECT_EQ(form.Handle(), GetActiveWindow());
  EXPECT_TRUE(field->Focused());
  MoveMouse(TPoint(2, 2));
}

TEST(FormTest, RecreatingTheWindowKeepsChildrenTextAndBounds) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(200);
  form.SetClientHeight(120);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(10, 10, 100, 24);
  edit->SetAnchors({akLeft, akTop, akRight});
  form.HandleNeeded();
  // The client size asked for before the window existed is what it got.
  EXPECT_EQ(200, form.ClientWidth());
  EXPECT_EQ(120, form.ClientHeight());
  edit->SetText(L"typed");
  HWND oldForm = form.Handle();
  form.SetBorderStyle(bsSizeable);
  EXPECT_NE(oldForm, form.Handle());
  EXPECT_FALSE(IsWindow(oldForm));
  EXPECT_EQ(form.Handle(), GetParent(edit->Handle()));
  EXPECT_EQ(L"typed", edit->Text());
  EXPECT_TRUE(GetWindowLongW(form.Handle(), GWL_STYLE) & WS_THICKFRAME);
  // The frame grew, the client shrank, and the anchored edit followed it.
  EXPECT_EQ(form.ClientWidth() - 90, edit->Left() + edit->Width());
}

TEST(FormTest, AShownFormStaysShownWhenItsWindowIsRecreated) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 150);
  ShowAndActivate(&form);
  HWND oldForm = form.Handle();
  form.SetBorderStyle(bsDialog);
  EXPECT_NE(oldForm, form.Handle());
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(100, form.Left());
  EXPECT_EQ(150, form.Height());
}

TEST(FormTest, AlphaBlendMakesALayeredWindowAndCentringUsesTheScreen) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 200, 100);
  form.SetPosition(poScreenCenter);
  form.SetAlphaBlendValue(220);
  form.SetAlphaBlend(true);
  form.Show();
  Settle();
  EXPECT_EQ((Screen->Width() - 200) / 2, form.Left());
  EXPECT_EQ((Screen->Height() - 100) / 2, form.Top());
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_TRUE(GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(220, alpha);
  form.SetAlphaBlend(false);
  EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(FormTest, ArrowsMoveTheFocusAndTheWheelReachesTheFocusedControl) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 100);
  auto* a = new Field(&form);
  a->SetParent(&form);
  auto* b = new Field(&form);
  b->SetParent(&form);
  b->SetTabStop(false);  // arrows ignore TabStop, Tab does not
  b->SetLeft(120);
  int wheel = 0;
  b->OnMouseWheel = [&](TObject*, TShiftState, int Delta, TPoint, bool& Handled) {
    wheel += Delta;
    Handled = true;
  };
  form.SetActiveControl(a);
  ShowAndActivate(&form);
  ASSERT_TRUE(PumpUntil([&] { return a->Focused(); }));
  PostKey(VK_RIGHT);
  EXPECT_TRUE(b->Focused());
  PostKey(VK_TAB);
  EXPECT_TRUE(a->Focused());
  PostKey(VK_LEFT);
  EXPECT_TRUE(b->Focused());
  PostMessageW(b->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(150, 150));
  Settle();
  EXPECT_EQ(WHEEL_DELTA, wheel);
}

TEST(FormTest, ParentFontAndColorFlowToChildrenUntilTheyChooseTheirOwn) {
  TForm form(nullptr);
  auto* follower = new Field(&form);
  follower->SetParent(&form);
  auto* own = new Field(&form);
  own->SetParent(&form);
  own->Font()->SetName(L"Courier New");
  own->SetColor(clRed);
  form.Font()->SetName(L"Arial");
  form.Font()->SetHeight(-20);
  form.SetColor(clYellow);
  EXPECT_EQ(L"Arial", follower->Font()->Name());
  EXPECT_EQ(-20, follower->Font()->Height());
  EXPECT_TRUE(follower->ParentFont());
  EXPECT_EQ(clYellow, follower->Color());
  EXPECT_EQ(L"Courier New", own->Font()->Name());
  EXPECT_EQ(clRed, own->Color());
  own->SetParentFont(true);
  EXPECT_EQ(L"Arial", own->Font()->Name());
}

}  // namespace

namespace {

TEST(FormTest, AFormPlacedInAnotherControlIsAChildAndJoinsItsTabOrder) {
  TForm outer(nullptr);
  outer.SetBounds(100, 100, 400, 200);
  auto* first = new Field(&outer);
  first->SetParent(&outer);
  auto* page = new Field(&outer);
  page->SetParent(&outer);
  page->SetTabStop(false);
  page->SetBounds(0, 50, 400, 150);
  auto* tool = new TForm(&outer);
  tool->SetBorderStyle(bsNone);
  tool->SetParent(page);
  tool->SetAlign(alClient);
  auto* inner = new Field(tool);
  inner->SetParent(tool);
  bool shown = false;
  tool->OnShow = [&](TObject*) { shown = true; };
  tool->Show();
  EXPECT_TRUE(shown);
  outer.SetActiveControl(first);
  ShowAndActivate(&outer);
  EXPECT_TRUE(GetWindowLongW(tool->Handle(), GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(page->Handle(), GetParent(tool->Handle()));
  EXPECT_EQ(Rect(0, 0, 400, 150), tool->BoundsRect());
  EXPECT_EQ(&outer, GetParentForm(inner));
  ASSERT_TRUE(PumpUntil([&] { return first->Focused(); }));
  PostKey(VK_TAB);
  EXPECT_TRUE(inner->Focused());
  EXPECT_EQ(inner, outer.ActiveControl());
}

}  // namespace

namespace {

TEST(ApplicationTest, OnMessageMaySwallowAMessageAndOnIdleRunsWhenTheQueueIsEmpty) {
  TForm form(nullptr);
  auto* field = new Field(&form);
  field->SetParent(&form);
  int keys = 0, seen = 0, idles = 0;
  field->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keys; };
  Application->OnMessage = [&](MSG& Msg, bool& Handled) {
    if (Msg.message == WM_KEYDOWN && Msg.wParam == 'S') {
      ++seen;
      Handled = true;
    }
  };
  Application->OnIdle = [&](TObject*, bool& Done) {
    ++idles;
    Done = false;  // asks to be called again rather than wait
  };
  PostMessageW(field->Handle(), WM_KEYDOWN, 'S', 1);
  PostMessageW(field->Handle(), WM_KEYDOWN, 'T', 1);
  while (idles < 3) Application->HandleMessage();
  Application->OnMessage = nullptr;
  Application->OnIdle = nullptr;
  EXPECT_EQ(1, seen);
  EXPECT_EQ(1, keys);
}

int CALLBACK ListFace(const LOGFONTW* Font, const TEXTMETRICW*, DWORD, LPARAM Data) {
  reinterpret_cast<std::vector<String>*>(Data)->push_back(Font->lfFaceName);
  return 1;
}

TEST(ScreenTest, FontsSizesAndCursors) {
  TStrings* fonts = Screen->Fonts();
  ASSERT_GT(fonts->Count(), 0);
  EXPECT_EQ(-1, fonts->IndexOf(L""));
  // Every family the system lists (once per character set, CJK ones also
  // as vertical '@' faces) comes once, and no vertical face.
  std::vector<String> listed;
  LOGFONTW all = {};
  all.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &all, ListFace, reinterpret_cast<LPARAM>(&listed), 0);
  ReleaseDC(nullptr, dc);
  std::set<String> upright;
  for (const String& name : listed)
    if (name[0] == L'@') EXPECT_EQ(-1, fonts->IndexOf(name)) << name;
    else upright.insert(name);
  EXPECT_EQ(static_cast<int>(upright.size()), fonts->Count());
  for (const String& name : upright) EXPECT_GE(fonts->IndexOf(name), 0) << name;
  TRect work = Screen->WorkAreaRect();
  EXPECT_FALSE(work.IsEmpty());
  EXPECT_LE(work.Width(), Screen->Width());
  HCURSOR own = CopyCursor(LoadCursorW(nullptr, IDC_CROSS));
  Screen->SetCursors(5, own);
  EXPECT_EQ(own, Screen->Cursors(5));
  Screen->SetCursors(5, nullptr);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), Screen->Cursors(5));
  DestroyCursor(own);
}

// ---------------------------------------------------------------------------
// Faults of focus, anchoring, constraints, re-creation and showing

TEST(FormFocusTest, TheFirstFocusGoesToTheFirstTabStop) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 100);
  std::vector<Field*> fields;
  for (int i = 0; i < 3; ++i) {
    fields.push_back(new Field(&form));
    fields.back()->SetParent(&form);
    fields.back()->SetBounds(10 + 90 * i, 10, 80, 30);
  }
  ShowAndActivate(&form);
  EXPECT_TRUE(PumpUntil([&] { return fields[0]->Focused(); }));
  EXPECT_EQ(fields[0], form.FindNextControl(nullptr, true, true));
  EXPECT_EQ(fields[2], form.FindNextControl(nullptr, false, true));
}

TEST(FormFocusTest, ArrowsMoveWithinTheGroupAndNeverFocusTheContainer) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 400, 160);
  auto* before = new Field(&form);
  before->SetParent(&form);
  auto* group = new TPanel(&form);
  group->SetParent(&form);
  group->SetBounds(10, 50, 300, 60);
  std::vector<Field*> buttons;
  for (int i = 0; i < 3; ++i) {
    buttons.push_back(new Field(&form));
    buttons.back()->SetParent(group);
    buttons.back()->SetBounds(5 + 70 * i, 5, 60, 30);
  }
  buttons[1]->SetEnabled(false);  // passed over
  auto* after = new Field(&form);
  after->SetParent(&form);
  after->SetLeft(320);
  form.SetActiveControl(buttons[2]);
  ShowAndActivate(&form);
  ASSERT_TRUE(PumpUntil([&] { return buttons[2]->Focused(); }));
  KeyChord({}, VK_RIGHT);  // wraps to the group's first, not out to the next control
  EXPECT_TRUE(buttons[0]->Focused());
  KeyChord({}, VK_LEFT);  // wraps back to the last, not up to the panel
  EXPECT_TRUE(buttons[2]->Focused());
  KeyChord({}, VK_UP);
  EXPECT_TRUE(buttons[0]->Focused());
  KeyChord({}, VK_DOWN);
  EXPECT_TRUE(buttons[2]->Focused());
}

TEST(FormSizeTest, AnchoredSizesComeBackAfterTheFormShrinksBelowThem) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSizeable);
  form.SetBounds(100, 100, 300, 200);
  auto* stretch = new Field(&form);
  stretch->SetParent(&form);
  stretch->SetBounds(10, 10, 100, 20);
  stretch->SetAnchors({akLeft, akTop, akRight});
  auto* corner = new Field(&form);
  corner->SetParent(&form);
  corner->SetBounds(200, 150, 30, 20);
  corner->SetAnchors({akRight, akBottom});
  const TRect stretchBounds = stretch->BoundsRect(), cornerBounds = corner->BoundsRect();
  ShowAndActivate(&form);
  const TRect client = form.ClientRect();
  // Sized by the system, as a user's drag sizes it: far below the children, then back.
  for (int size : {60, 130, 90}) {
    MoveWindow(form.Handle(), 100, 100, size, size, TRUE);
    Settle();
  }
  MoveWindow(form.Handle(), 100, 100, 300, 200, TRUE);
  Settle();
  ASSERT_EQ(client, form.ClientRect());
  EXPECT_EQ(stretchBounds, stretch->BoundsRect());
  EXPECT_EQ(cornerBounds, corner->BoundsRect());
  MoveWindow(form.Handle(), 100, 100, 350, 230, TRUE);
  Settle();
  EXPECT_EQ(150, stretch->Width());
  EXPECT_EQ(Rect(250, 180, 280, 200), corner->BoundsRect());
}

TEST(FormSizeTest, ConstraintsHoldHoweverTheWindowIsSized) {
  for (TFormBorderStyle style : {bsSizeable, bsDialog}) {
    TForm form(nullptr);
    form.SetBorderStyle(style);
    form.SetBounds(100, 100, 320, 240);
    TSizeConstraints limits;
    limits.MinWidth = 300;
    limits.MaxHeight = 400;
    form.SetConstraints(limits);
    ShowAndActivate(&form);
    const HWND h = form.Handle();
    MoveWindow(h, 100, 100, 150, 600, TRUE);
    Settle();
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(300, r.right - r.left) << style;
    EXPECT_EQ(400, r.bottom - r.top) << style;
    EXPECT_EQ(300, form.Width()) << style;
    EXPECT_EQ(400, form.Height()) << style;
    // What the system asks before the user drags a border or maximizes.
    MINMAXINFO info = {};
    SendMessageW(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_GE(info.ptMinTrackSize.x, 300) << style;
    EXPECT_LE(info.ptMaxTrackSize.y, 400) << style;
    EXPECT_LE(info.ptMaxSize.y, 400) << style;
  }
}

TEST(FormRecreateTest, ChildrenKeepTheirStateWhenTheFormsWindowIsRecreated) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 420, 300);
  auto* group = new TPanel(&form);  // a level between: grandchildren keep theirs too
  group->SetParent(&form);
  group->SetBounds(0, 0, 420, 300);
  auto* list = new TListBox(&form);
  list->SetParent(group);
  list->SetBounds(10, 10, 120, 100);
  auto* edit = new TEdit(&form);
  edit->SetParent(group);
  edit->SetBounds(140, 10, 120, 24);
  auto* tree = new TTreeView(&form);
  tree->SetParent(group);
  tree->SetBounds(10, 120, 120, 120);
  auto* view = new TListView(&form);
  view->SetParent(group);
  view->SetBounds(140, 120, 120, 120);
  ShowAndActivate(&form);
  list->Items()->Add(L"one");
  list->Items()->Add(L"two");
  list->Items()->Add(L"three");
  list->SetItemIndex(1);
  edit->SetText(L"typed");
  TTreeNode* root = tree->Items()->Add(nullptr, L"root");
  TTreeNode* leaf = tree->Items()->AddChild(root, L"leaf");
  tree->SetSelected(leaf);
  view->Items()->Add()->SetCaption(L"first");
  view->Items()->Add()->SetCaption(L"second");
  view->Items()->Item(1)->SetSelected(true);

  const HWND oldList = list->Handle();
  form.SetBorderStyle(bsSingle);
  ASSERT_FALSE(IsWindow(oldList));
  ASSERT_EQ(3, list->Items()->Count());
  EXPECT_EQ(L"two", list->Items()->Strings(1));
  EXPECT_EQ(1, list->ItemIndex());
  EXPECT_EQ(3, SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0));
  EXPECT_EQ(L"typed", edit->Text());
  ASSERT_EQ(2, tree->Items()->Count());
  EXPECT_EQ(L"leaf", tree->Selected() ? tree->Selected()->Text() : String());
  ASSERT_EQ(2, view->Items()->Count());
  EXPECT_EQ(L"second", view->Selected() ? view->Selected()->Caption() : String());
}

TEST(FormShowTest, AnExceptionInOnShowOfAModalFormLeavesItHiddenAndReusable) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 100);
  bool fail = true;
  form.OnShow = [&](TObject*) {
    if (fail) throw EInvalidOperation(L"refused");
    form.SetModalResult(mrOk);
  };
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(form.FormState().Contains(fsModal));
  fail = false;
  EXPECT_EQ(mrOk, form.ShowModal());
  EXPECT_FALSE(form.Visible());
}

TEST(FormShowTest, CloseFromOnShowLeavesTheFormHiddenWithTheLastWordHidden) {
  std::vector<uintptr_t> changes;
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 100);
  auto old = form.WindowProc;
  form.WindowProc = [&changes, old](TMessage& m) {
    if (m.Msg == CM_VISIBLECHANGED) changes.push_back(m.WParam);
    old(m);
  };
  int shows = 0;
  form.OnShow = [&](TObject*) {
    ++shows;
    form.Close();
  };
  form.Show();
  Settle();
  EXPECT_EQ(1, shows);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(std::vector<uintptr_t>{0}, changes);
  form.WindowProc = old;
}

// ---------------------------------------------------------------------------
// The menu bar of a form in the system's frame

TEST(FormMenuTest, APlainFormShowsItsMenuAsTheSystemMenuBarInStepWithTheItems) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  TMainMenu menu(nullptr);
  auto* file = new TMenuItem(&menu);
  file->SetCaption(L"&File");
  menu.Items()->Add(file);
  auto* open = new TMenuItem(&menu);
  open->SetCaption(L"&Open");
  file->Add(open);
  int opened = 0;
  open->OnClick = [&](TObject*) { ++opened; };
  form.SetMenu(&menu);
  const int clientWithMenu = form.ClientHeight();
  ShowAndActivate(&form);
  const HWND h = form.Handle();
  HMENU bar = GetMenu(h);
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(clientWithMenu, form.ClientHeight());  // foreseen with the bar
  ASSERT_EQ(1, GetMenuItemCount(bar));
  HMENU sub = GetSubMenu(bar, 0);
  ASSERT_NE(nullptr, sub);
  EXPECT_EQ(open->Command(), GetMenuItemID(sub, 0));

  // A choice of the item reaches its OnClick, by the keyboard as a user makes it.
  // The keys go in one batch: the menu's own loop takes them while it runs.
  // The Escapes after them close whatever a missed key left open.
  std::vector<INPUT> keys;
  for (auto [key, up] : std::vector<std::pair<WORD, bool>>{{VK_MENU, false}, {'F', false}, {'F', true},
                                                           {VK_MENU, true}, {'O', false}, {'O', true},
                                                           {VK_ESCAPE, false}, {VK_ESCAPE, true},
                                                           {VK_ESCAPE, false}, {VK_ESCAPE, true}}) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    keys.push_back(in);
  }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  EXPECT_TRUE(PumpUntil([&] { return opened == 1; }, 5000));
  Settle();

  // Captions, states and items follow the menu.
  open->SetCaption(L"&Open...");
  open->SetEnabled(false);
  open->SetChecked(true);
  auto* quit = new TMenuItem(&menu);
  quit->SetCaption(L"&Quit");
  file->Add(quit);
  sub = GetSubMenu(GetMenu(h), 0);
  ASSERT_EQ(2, GetMenuItemCount(sub));
  wchar_t text[64] = {};
  GetMenuStringW(sub, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(L"&Open...", text);
  const UINT state = GetMenuState(sub, 0, MF_BYPOSITION);
  EXPECT_TRUE(state & MF_GRAYED);
  EXPECT_TRUE(state & MF_CHECKED);
  Free(quit);
  EXPECT_EQ(1, GetMenuItemCount(GetSubMenu(GetMenu(h), 0)));
  PostMessageW(h, WM_COMMAND, open->Command(), 0);
  Settle();
  EXPECT_EQ(1, opened);  // a disabled item does not run
  open->SetEnabled(true);
  PostMessageW(h, WM_COMMAND, open->Command(), 0);
  Settle();
  EXPECT_EQ(2, opened);

  // The bar goes with the menu, and a re-created window gets it again.
  form.SetBorderStyle(bsSingle);
  EXPECT_NE(nullptr, GetMenu(form.Handle()));
  form.SetNativeMenuBar(false);  // a frame that draws its own bar
  EXPECT_EQ(nullptr, GetMenu(form.Handle()));
  form.SetNativeMenuBar(true);
  EXPECT_NE(nullptr, GetMenu(form.Handle()));
  form.SetMenu(nullptr);
  EXPECT_EQ(nullptr, GetMenu(form.Handle()));
}

// A field that can run code while it loses the focus, and lose its window.
class FocusProbe : public Field {
 public:
  using Field::Field;
  using TWinControl::DestroyHandle;
  std::function<void()> OnKillFocus;
  void Dispatch(TMessage& Message) override {
    Field::Dispatch(Message);
    if (Message.Msg == WM_KILLFOCUS && OnKillFocus) OnKillFocus();
  }
};

// Focused() follows the focus messages instead of asking the system: it must
// agree with GetFocus through moves between controls, to a window that is no
// control and back, a focus moved on from the losing control's own handler,
// and a focused control whose window is destroyed.
TEST(FormFocusTest, FocusedAgreesWithTheSystemFocus) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 100);
  auto* a = new FocusProbe(&form);
  a->SetParent(&form);
  auto* b = new FocusProbe(&form);
  b->SetParent(&form);
  b->SetLeft(120);
  form.SetActiveControl(a);
  ShowAndActivate(&form);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == a->Handle(); }));
  const auto agree = [&] {
    for (TWinControl* c : std::vector<TWinControl*>{&form, a, b})
      if (c->Focused() != (c->HandleAllocated() && GetFocus() == c->Handle())) return false;
    return true;
  };
  EXPECT_TRUE(a->Focused());
  ::SetFocus(b->Handle());
  EXPECT_TRUE(b->Focused() && agree());
  HWND other = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 200, 50, 50, 20, form.Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ::SetFocus(other);
  EXPECT_FALSE(b->Focused());
  EXPECT_TRUE(agree());
  ::SetFocus(a->Handle());
  EXPECT_TRUE(a->Focused() && agree());
  DestroyWindow(other);
  ::SetFocus(nullptr);
  EXPECT_FALSE(a->Focused());
  EXPECT_TRUE(agree());
  ::SetFocus(a->Handle());
  a->OnKillFocus = [&] { ::SetFocus(b->Handle()); };
  ::SetFocus(nullptr);
  a->OnKillFocus = nullptr;
  EXPECT_TRUE(b->Focused() && agree());
  b->DestroyHandle();
  EXPECT_TRUE(agree());
}

}  // namespace

namespace {

// The screen point of the system frame's caption button answering Hit
// (HTMINBUTTON, HTMAXBUTTON), found along the caption row.
TPoint CaptionButtonPoint(HWND Wnd, LRESULT Hit) {
  RECT w = {};
  GetWindowRect(Wnd, &w);
  const int y = w.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  for (int x = w.right - 1; x > w.left; --x)
    if (SendMessageW(Wnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == Hit) return TPoint(x - 3, y);
  return TPoint(-1, -1);
}

void ClickCaptionButton(HWND Wnd, LRESULT Hit) {
  SetForegroundWindow(Wnd);
  Settle();
  const TPoint p = CaptionButtonPoint(Wnd, Hit);
  ASSERT_GE(p.X, 0);
  MoveMouse(p);
  // Both at once: the system follows a pressed caption button in a loop of
  // its own until the release.
  MouseDown();
  MouseUp();
  Settle();
}

TEST(FormStateTest, AStateSetWhileHiddenIsTheOneTheFormShowsInAndReports) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 320, 200);
  ShowAndActivate(&form);
  // Minimized by the user, then hidden (as into a tray), set to normal and shown.
  ClickCaptionButton(form.Handle(), HTMINBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(form.Handle()) != FALSE; }));
  EXPECT_EQ(form.WindowState(), wsMinimized);
  form.Hide();
  EXPECT_EQ(form.WindowState(), wsMinimized);
  form.SetWindowState(wsNormal);
  EXPECT_EQ(form.WindowState(), wsNormal);
  form.Show();
  Settle();
  EXPECT_FALSE(IsIconic(form.Handle()));
  EXPECT_EQ(form.WindowState(), wsNormal);
  EXPECT_EQ(form.Width(), 320);

  // Shown again with no state set meanwhile, it stays as it was hidden, and
  // says so; setting normal then restores it (minimized by the command the
  // caption button sends).
  SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(form.Handle()) != FALSE; }));
  form.Hide();
  form.Show();
  Settle();
  EXPECT_TRUE(IsIconic(form.Handle()));
  EXPECT_EQ(form.WindowState(), wsMinimized);
  form.SetWindowState(wsNormal);
  Settle();
  EXPECT_FALSE(IsIconic(form.Handle()));

  // Maximized by the user, hidden, set to minimized: it shows minimized, and
  // maximizing it from there acts.
  SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(form.Handle()) != FALSE; }));
  form.Hide();
  form.SetWindowState(wsMinimized);
  form.Show();
  Settle();
  EXPECT_TRUE(IsIconic(form.Handle()));
  form.SetWindowState(wsMaximized);
  Settle();
  EXPECT_TRUE(IsZoomed(form.Handle()));
  EXPECT_EQ(form.WindowState(), wsMaximized);
}

}  // namespace
