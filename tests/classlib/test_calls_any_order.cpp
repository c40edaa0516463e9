// Public calls in orders a program rarely uses: auto-sized forms whose layout
// has no fixed point, a popup menu freed by its own OnPopup, a modal form
// released by its own button.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
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
