// Forms under the real message loop: focus and tab order, dialog keys,
// modal showing, timers, hints and handle hygiene.
#include <gtest/gtest.h>

#include <vector>

#include "ControlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"

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
}

TEST(TimerTest, AnExceptionFromOnTimerReachesTheApplication) {
  String reported;
  TObject* sender = nullptr;
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
  Application->OnException = nullptr;
  Free(timer);
  ASSERT_TRUE(seen);
  EXPECT_EQ(L"tick failed", reported);
  EXPECT_EQ(timer, sender);
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

// The system's handle counts (Wine reports 0 for them), the windows of the
// thread and the library's shared GDI objects must all be back where they were.
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
  HANDLE process = GetCurrentProcess();
  const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
  const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
  const int windows = TopLevelWindows();
  const int shared = GdiResourceCount();
  for (int i = 0; i < 1000; ++i) Free(build());
  Settle();
  EXPECT_LE(GetGuiResources(process, GR_USEROBJECTS), user);
  EXPECT_LE(GetGuiResources(process, GR_GDIOBJECTS), gdi);
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

TEST(ScreenTest, FontsSizesAndCursors) {
  TStrings* fonts = Screen->Fonts();
  ASSERT_GT(fonts->Count(), 0);
  EXPECT_EQ(-1, fonts->IndexOf(L""));
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

}  // namespace
