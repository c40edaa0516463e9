// A window asked for while the control's last one is being destroyed waits
// for it to go: every window a control makes is the one it keeps, bound to
// it, and nothing is left bound to a control once it is freed.
#include <gtest/gtest.h>

#include <functional>

#include "ControlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/GuiCounts.h"
#include "classlib/HeapCheck.h"
#include "classlib/StdCtrls.h"
#include "classlib/TextCodec.h"

namespace {

// A form with a panel holding an edit and a button (four windows, five with
// the form's own when there is no other).
struct TFourWindows {
  TForm* Form = new TForm(nullptr);
  TPanel* Panel = new TPanel(Form);
  TEdit* Edit = new TEdit(Form);
  TButton* Button = new TButton(Form);
  TFourWindows() {
    Form->SetBounds(80, 80, 300, 200);
    Panel->SetParent(Form);
    Panel->SetBounds(10, 10, 200, 120);
    Edit->SetParent(Panel);
    Edit->SetBounds(5, 5, 100, 22);
    Button->SetParent(Panel);
    Button->SetBounds(5, 40, 80, 25);
  }
  // Each control has one live window, bound to it.
  void ExpectBound() {
    for (TWinControl* c : std::initializer_list<TWinControl*>{Form, Panel, Edit, Button}) {
      SCOPED_TRACE(WideToUtf8(c->ClassName()));
      ASSERT_TRUE(c->HandleAllocated());
      EXPECT_TRUE(IsWindow(c->Handle()));
      EXPECT_EQ(FindControl(c->Handle()), c);
    }
  }
};

struct TRemadeCase {
  const char* Name;
  // What the form's OnDeactivate, raised while its window goes, does.
  std::function<void(TFourWindows&)> Asks;
};

const TRemadeCase kRemadeCases[] = {
    {"RecreateWnd of the form", [](TFourWindows& w) { w.Form->RecreateWnd(); }},
    {"RecreateWnd of a child", [](TFourWindows& w) { w.Panel->RecreateWnd(); }},
    {"a child's window", [](TFourWindows& w) { w.Edit->Handle(); }},
    {"a child's window after its parent's RecreateWnd",
     [](TFourWindows& w) {
       w.Panel->RecreateWnd();
       w.Button->Handle();
     }},
};

}  // namespace

// The form's RecreateWnd deactivates it as its window goes; the handler
// asks for a window again. One window more stayed bound to the control and
// the loop hung (or, the form freed, the next message read it).
TEST(WindowRemadeWhileDestroyed, AHandlerOfTheDestructionAsksForAWindowAgain) {
  for (const TRemadeCase& c : kRemadeCases) {
    SCOPED_TRACE(c.Name);
    HangWatchdog watch(c.Name);
    auto* other = new TForm(nullptr);
    other->SetBounds(420, 80, 150, 100);
    other->Show();
    Settle();
    const int before = ThreadWindowsWithChildren();
    {
      TFourWindows w;
      ShowAndActivate(w.Form);
      w.ExpectBound();
      const int shown = ThreadWindowsWithChildren();
      int deactivations = 0;
      w.Form->OnDeactivate = [&](TObject*) {
        if (deactivations++ == 0) c.Asks(w);
      };
      w.Form->RecreateWnd();
      Settle();
      EXPECT_GE(deactivations, 1);
      w.ExpectBound();
      EXPECT_EQ(ThreadWindowsWithChildren(), shown);
      w.Form->OnDeactivate = nullptr;
      Free(w.Form);
    }
    Settle();
    EXPECT_EQ(ThreadWindowsWithChildren(), before);
    Free(other);
    Settle();
    EXPECT_TRUE(ProcessHeapsValid());
  }
}
