// A form or control freed by a handler that its own showing or moving raises:
// the show or move stops, and nothing runs on in its memory, even when a loop
// nested in the handler releases what was freed.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
#include "classlib/Bevel.h"
#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"

namespace {

bool Listed(TCustomForm* Form) {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i) == Form) return true;
  return false;
}

// Another form, shown and active, whose handlers free the form under test.
class FreedWhileShownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    other = new TForm(nullptr);
    other->SetBounds(20, 20, 200, 120);
    other->Show();
    SetForegroundWindow(other->Handle());
    ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == other->Handle(); }));
  }
  void TearDown() override { Free(other); }

  TForm* other;
  int shows = 0;
};

// The shown form takes the activation: the other form's OnDeactivate frees
// it and pumps, which would delete it under the show.
TEST_F(FreedWhileShownTest, AShowStopsWhenAHandlerFreesTheFormAndPumps) {
  auto* form = new TForm(nullptr);
  form->SetBounds(60, 60, 200, 120);
  form->OnShow = [this](TObject*) { ++shows; };
  bool freed = false;
  other->OnDeactivate = [&](TObject*) {
    other->OnDeactivate = nullptr;
    freed = true;
    Free(form);
    Application->ProcessMessages();
  };
  form->Show();
  EXPECT_TRUE(freed);
  EXPECT_FALSE(Listed(form));
  EXPECT_EQ(0, shows);
}

// Taking the capture for a modal show ends a drag; its OnEndDrag frees the
// form and pumps before the modal loop has begun.
TEST_F(FreedWhileShownTest, AModalShowWhoseFormADragsEndFreesReturnsCancel) {
  auto* source = new TButton(other);
  source->SetParent(other);
  source->SetBounds(10, 10, 80, 25);
  auto* form = new TForm(nullptr);
  form->OnShow = [this](TObject*) { ++shows; };
  source->OnEndDrag = [form](TObject*, TObject*, int, int) {
    Free(form);
    Application->ProcessMessages();
  };
  source->BeginDrag(true);
  ASSERT_TRUE(source->Dragging());
  EXPECT_EQ(mrCancel, form->ShowModal());
  EXPECT_FALSE(source->Dragging());
  EXPECT_FALSE(Listed(form));
  EXPECT_EQ(0, shows);
  EXPECT_TRUE(IsWindowEnabled(other->Handle()));
}

// A move that realigns the siblings: the sibling's OnResize frees the moved
// control, windowed or not, and pumps.
TEST(FreedWhileMovedTest, AMoveStopsWhenASiblingsHandlerFreesTheControlAndPumps) {
  for (bool windowed : {true, false}) {
    SCOPED_TRACE(windowed ? "windowed" : "windowless");
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 200);
    TControl* moved = windowed ? static_cast<TControl*>(new TPanel(&form)) : new TBevel(&form);
    moved->SetParent(&form);
    moved->SetAlign(alTop);
    auto* sibling = new TPanel(&form);
    sibling->SetParent(&form);
    sibling->SetAlign(alClient);
    form.Show();
    Settle();
    bool freed = false;
    sibling->OnResize = [&](TObject*) {
      freed = true;
      Free(moved);
      Application->ProcessMessages();
    };
    moved->SetBounds(5, 5, 100, moved->Height() + 20);
    EXPECT_TRUE(freed);
    EXPECT_EQ(1, form.ControlCount());
  }
}

// A realignment whose first control's OnResize frees the next one and pumps:
// the next one is skipped, not moved in freed memory.
TEST(FreedWhileMovedTest, ARealignmentSkipsAControlThatAnEarlierOnesHandlerFreed) {
  TForm form(nullptr);
  form.SetBounds(40, 40, 300, 200);
  TPanel* panels[2];
  for (TPanel*& p : panels) {
    p = new TPanel(&form);
    p->SetParent(&form);
    p->SetAlign(alTop);
  }
  form.Show();
  Settle();
  bool freed = false;
  panels[0]->OnResize = [&](TObject*) {
    if (freed) return;
    freed = true;
    Free(panels[1]);
    Application->ProcessMessages();
  };
  form.SetBounds(40, 40, 400, 200);
  EXPECT_TRUE(freed);
  EXPECT_EQ(1, form.ControlCount());
  EXPECT_EQ(form.ClientWidth(), panels[0]->Width());
}

}  // namespace
