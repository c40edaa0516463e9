// A form freed by a handler that its own showing raises: the show stops, and
// nothing runs on in the form's memory, even when a loop nested in the
// handler releases what was freed.
#include <gtest/gtest.h>

#include "ControlTestUtils.h"
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

}  // namespace
