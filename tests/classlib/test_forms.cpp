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
  Application->HintPause = 20;
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
  Application->HintPause = 500;
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
