// Public calls in orders a program rarely uses: auto-sized forms whose layout
// has no fixed point, a popup menu freed by its own OnPopup, a modal form
// released by its own button.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"

namespace {

class Box : public TCustomControl {
 public:
  explicit Box(TComponent* AOwner) : TCustomControl(AOwner) {}
};

// The layout is settled when asking again moves nothing.
void ExpectSettled(TForm& Form) {
  const TRect before = Form.BoundsRect();
  Form.Realign();
  Settle();
  EXPECT_EQ(before, Form.BoundsRect());
}

TEST(AutoSizeLayoutTest, ALabelAnchoredOnAllSidesSettles) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetBounds(20, 20, 80, 16);
  label->SetCaption(L"Anchored on all sides");
  label->SetAnchors({akLeft, akTop, akRight, akBottom});
  {
    HangWatchdog watch("an auto-sized form with a label anchored on all sides");
    form.SetAutoSize(true);
    form.Show();
    Settle();
  }
  ExpectSettled(form);
  EXPECT_GT(form.ClientRect().Width(), 0);
}

TEST(AutoSizeLayoutTest, AChildTallerThanTheScreenSettlesAtWhatTheSystemAllows) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* box = new Box(&form);
  box->SetParent(&form);
  box->SetBounds(10, 10, 100, 50);
  form.SetAutoSize(true);
  form.Show();
  Settle();
  EXPECT_EQ(60, form.ClientRect().Height());
  {
    HangWatchdog watch("an auto-sized form whose child is set 3000 px tall");
    box->SetBounds(10, 10, 100, 3000);
    Settle();
  }
  ExpectSettled(form);
  RECT r;
  GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(Rect(r.left, r.top, r.right, r.bottom), form.BoundsRect());  // in step with its window
}

TEST(AutoSizeLayoutTest, AFormShownMinimizedFitsItsChildWhenRestored) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* box = new Box(&form);
  box->SetParent(&form);
  box->SetBounds(10, 10, 100, 50);
  form.SetAutoSize(true);
  {
    HangWatchdog watch("an auto-sized form set minimized, then shown");
    form.SetWindowState(wsMinimized);
    form.Show();
    Settle();
  }
  EXPECT_TRUE(IsIconic(form.Handle()));
  form.SetWindowState(wsNormal);
  Settle();
  EXPECT_EQ(110, form.ClientRect().Width());
  EXPECT_EQ(60, form.ClientRect().Height());
}

TEST(PopupMenuTest, OnPopupMayFreeTheMenu) {
  auto* menu = new TPopupMenu(nullptr);
  auto* item = new TMenuItem(menu);
  item->SetCaption(L"Item");
  menu->Items()->Add(item);
  bool destroyed = false;
  menu->OnPopup = [&](TObject* Sender) {
    Free(Sender);
    destroyed = true;
  };
  menu->Popup(50, 50);  // returns at once: no menu is left to show
  EXPECT_TRUE(destroyed);
}

TEST(ModalTest, ReleaseFromItsOwnButtonEndsTheLoopWithCancel) {
  TForm other(nullptr);
  other.SetBounds(500, 100, 100, 100);
  other.Show();
  Settle();
  auto* dialog = new TForm(nullptr);
  dialog->SetBounds(100, 100, 200, 120);
  auto* button = new TButton(dialog);
  button->SetParent(dialog);
  button->SetBounds(10, 10, 80, 25);
  bool destroyed = false;
  dialog->OnDestroy = [&](TObject*) { destroyed = true; };
  button->OnClick = [dialog](TObject*) { dialog->Release(); };
  dialog->OnShow = [button](TObject*) { PostMessageW(button->Handle(), BM_CLICK, 0, 0); };
  TModalResult result = mrNone;
  {
    HangWatchdog watch("a modal form released by its own button");
    result = dialog->ShowModal();
  }
  EXPECT_EQ(mrCancel, result);
  EXPECT_TRUE(destroyed);
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));  // the loop's disabling is undone
}

}  // namespace

// The deferred free: what a handler frees is torn down at once and released
// at the message loop, so the code that raised the event runs on an inert
// object and a destruction that has begun always finishes.
namespace deferred {

bool Listed(TCustomForm* Form) {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i) == Form) return true;
  return false;
}

// A form with a panel made in code, a button on it, and an OnDestroy that
// frees the panel (and the button with it) while the button's click runs.
struct TFreedByItsButton {
  TForm* Form = new TForm(nullptr);
  TPanel* Panel = new TPanel(nullptr);
  TButton* Button = new TButton(Form);
  TFreedByItsButton() {
    Panel->SetParent(Form);
    Button->SetParent(Panel);
    Form->OnDestroy = [this](TObject*) { FreeAndNil(Panel); };
    Form->Show();
    Settle();
  }
};

TEST(DeferredFreeTest, AFormFreedFromAChildsClickFinishesItsDestruction) {
  for (const bool plainDelete : {false, true}) {
    TFreedByItsButton f;
    TForm* form = f.Form;
    const HWND wnd = form->Handle();
    f.Button->OnClick = [form, plainDelete](TObject*) {
      if (plainDelete) delete form;
      else Free(form);
    };
    f.Button->Click();
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_FALSE(Listed(form));
    EXPECT_EQ(nullptr, f.Panel);
    if (!plainDelete) {
      EXPECT_TRUE(form->TornDown());
    }
    Settle();  // the loop releases the rest
    EXPECT_EQ(0u, DeferredFreeCount());
  }
}

TEST(DeferredFreeTest, AChildsResizeFreeingTheFormDuringASystemSizeChange) {
  auto* form = new TForm(nullptr);
  form->SetBounds(50, 50, 300, 200);
  auto* child = new TPanel(form);
  child->SetParent(form);
  child->SetAnchors({akLeft, akTop, akRight, akBottom});
  child->SetBounds(10, 10, 100, 100);
  form->Show();
  Settle();
  child->OnResize = [form](TObject*) { Free(form); };
  SetWindowPos(form->Handle(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(form->TornDown());
  Settle();
  EXPECT_EQ(0u, DeferredFreeCount());
}

TEST(DeferredFreeTest, FocusAndActiveControlNeverOutliveTheirControl) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  auto* other = new TEdit(&form);
  other->SetParent(&form);
  form.Show();
  edit->SetFocus();
  Settle();
  ASSERT_EQ(edit, form.ActiveControl());
  edit->OnChange = [edit](TObject*) { Free(edit); };
  edit->SetText(L"x");
  EXPECT_NE(static_cast<TWinControl*>(edit), form.ActiveControl());
  other->SetParent(nullptr);  // asks the form whether it held the active control
  Free(other);
  form.Close();
  Settle();
}

// Code that runs on after a handler freed its control cannot make the torn-down
// control the capture or a drag's source: nothing global points at it once it goes.
TEST(DeferredFreeTest, ATornDownControlTakesNoCaptureAndStartsNoDrag) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  form.Show();
  Settle();
  {
    TLibraryScope scope;
    Free(button);
    button->SetMouseCapture(true);
    button->BeginDrag(true);
    EXPECT_EQ(nullptr, GetCaptureControl());
    EXPECT_FALSE(button->Dragging());
  }
  Settle();
  EXPECT_EQ(nullptr, GetCaptureControl());
  form.Close();
  Settle();
}

}  // namespace deferred
