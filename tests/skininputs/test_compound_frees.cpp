// Controls built from parts (an inner edit, list, calendar, bar, menu or
// tree) freed, or their form freed, by a handler that one of their parts
// raises through real input. The test main fails a fault or an unsound heap.
#include <functional>

#include "../WindowsTestMain.h"
#include "SkinInputTestUtils.h"
#include "classlib/StdCtrls.h"
#include "components/TFlatPanelUnit.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "components/fcTreeCombo.h"
#include "skininputs/SkinCalendarGrid.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinSpinEdit.h"
#include "skininputs/SkinTrackEdit.h"

namespace {

void ClickAt(TControl* C, const TPoint& P) {
  MoveMouse(C->ClientToScreen(P));
  MouseDown();
  Settle();
  MouseUp();
  Settle();
}

void Key(TWinControl* C, WORD VK) {
  PostMessageW(C->Handle(), WM_KEYDOWN, VK, 1);
  PostMessageW(C->Handle(), WM_KEYUP, VK, 0xC0000001);
  Settle();
}

using TFreeIt = std::function<void()>;

TForm* NewForm(int Left, int Top, int Width, int Height) {
  auto* form = new TForm(nullptr);
  form->SetBounds(Left, Top, Width, Height);
  return form;
}

// A control of class T on Parent, owned by Parent's form.
template <class T>
T* Placed(TWinControl* Parent, int Left, int Top, int Width, int Height) {
  T* c = new T(GetParentForm(Parent));
  c->SetParent(Parent);
  c->SetBounds(Left, Top, Width, Height);
  return c;
}

// A case runs twice, each on a fresh shown form with an edit to move the
// focus to: Hook gives the control's handler the free of the control, then
// of the form; Trigger raises it through input.
template <class T>
struct TPartCase {
  std::function<void(T*)> Prepare = [](T*) {};
  std::function<void(T*, const TFreeIt&)> Hook;
  std::function<void(T*, TEdit* Other)> Trigger;
  bool Skinned = true;

  void Run(TspSkinData* Skin) const {
    for (const bool freeForm : {false, true}) {
      SCOPED_TRACE(freeForm ? "the form freed" : "the control freed");
      TForm* form = NewForm(100, 100, 420, 320);
      auto* other = Placed<TEdit>(form, 10, 280, 80, 22);
      T* c = Placed<T>(form, 20, 20, 140, 22);
      if constexpr (!std::is_base_of_v<TfcCustomCombo, T>) c->SetSkinData(Skinned ? Skin : nullptr);
      MoveMouse(TPoint(2, 2));
      ShowAndActivate(form);
      Prepare(c);
      Settle();
      TObject* going = freeForm ? static_cast<TObject*>(form) : c;
      int raised = 0;
      Hook(c, [going, &raised] {
        if (raised++ == 0) Free(going);
      });
      Trigger(c, other);
      Settle();
      EXPECT_GT(raised, 0);
      EXPECT_EQ(ExceptionsReachingApplication(), 0);
      if (!freeForm) Free(form);
      MouseUp();
      Settle();
    }
  }
};

class CompoundFreeTest : public ::testing::Test {
 protected:
  void TearDown() override { Free(skin); }
  TspSkinData* skin = NewTestSkin(nullptr);
};

void Focus(TWinControl* C) {
  C->SetFocus();
  Settle();
}

}  // namespace

TEST_F(CompoundFreeTest, SpinEditFreedByItsEditsEvents) {
  TPartCase<TspSkinSpinEdit> exitCase;
  exitCase.Prepare = Focus;
  exitCase.Hook = [](TspSkinSpinEdit* s, const TFreeIt& f) { s->OnEditExit = [f](TObject*) { f(); }; };
  exitCase.Trigger = [](TspSkinSpinEdit*, TEdit* other) { Focus(other); };
  exitCase.Run(skin);

  TPartCase<TspSkinSpinEdit> enterCase;
  enterCase.Hook = [](TspSkinSpinEdit* s, const TFreeIt& f) { s->OnEditEnter = [f](TObject*) { f(); }; };
  enterCase.Trigger = [](TspSkinSpinEdit* s, TEdit*) { Focus(s); };
  enterCase.Run(skin);

  // The edit's arrow key steps the value: the change and the button's event.
  for (const bool change : {true, false}) {
    TPartCase<TspSkinSpinEdit> keyCase;
    keyCase.Prepare = Focus;
    keyCase.Hook = [change](TspSkinSpinEdit* s, const TFreeIt& f) {
      (change ? s->OnChange : s->OnUpButtonClick) = [f](TObject*) { f(); };
    };
    keyCase.Trigger = [](TspSkinSpinEdit* s, TEdit*) { Key(s->Edit(), VK_UP); };
    keyCase.Run(skin);
  }
}

TEST_F(CompoundFreeTest, ComboBoxFreedByItsEditAndListChoices) {
  TPartCase<TspSkinComboBox> typed;
  typed.Prepare = [](TspSkinComboBox* c) {
    c->SetStyle(spcbEditStyle);
    Focus(c);
  };
  typed.Hook = [](TspSkinComboBox* c, const TFreeIt& f) { c->OnChange = [f](TObject*) { f(); }; };
  typed.Trigger = [](TspSkinComboBox* c, TEdit*) { TypeText(c->Edit(), L"x"); };
  typed.Run(skin);

  TPartCase<TspSkinComboBox> chosen;
  chosen.Prepare = [](TspSkinComboBox* c) {
    for (const wchar_t* s : {L"One", L"Two", L"Three"}) c->Items()->Add(s);
    Focus(c);
    c->DropDown();
  };
  chosen.Hook = [](TspSkinComboBox* c, const TFreeIt& f) { c->OnCloseUp = [f](TObject*) { f(); }; };
  chosen.Trigger = [](TspSkinComboBox* c, TEdit*) {
    Key(c, VK_DOWN);
    Key(c, VK_RETURN);
  };
  chosen.Run(skin);
}

TEST_F(CompoundFreeTest, ListBoxFreedByItsListsClickAndKeys) {
  TPartCase<TspSkinListBox> clicked;
  clicked.Prepare = [](TspSkinListBox* l) {
    l->SetBounds(20, 20, 140, 100);
    for (const wchar_t* s : {L"One", L"Two", L"Three"}) l->Items()->Add(s);
  };
  clicked.Hook = [](TspSkinListBox* l, const TFreeIt& f) { l->OnListBoxClick = [f](TObject*) { f(); }; };
  clicked.Trigger = [](TspSkinListBox* l, TEdit*) { ClickAt(l->ListBox(), TPoint(10, 5)); };
  clicked.Skinned = false;
  clicked.Run(skin);

  TPartCase<TspSkinListBox> keyed = clicked;
  keyed.Hook = [](TspSkinListBox* l, const TFreeIt& f) {
    l->OnListBoxKeyDown = [f](TObject*, WORD&, TShiftState) { f(); };
  };
  keyed.Trigger = [](TspSkinListBox* l, TEdit*) {
    Focus(l->ListBox());
    Key(l->ListBox(), VK_DOWN);
  };
  keyed.Run(skin);

  // The list's paint draws each item through the list box's event.
  TPartCase<TspSkinListBox> drawn = clicked;
  drawn.Hook = [](TspSkinListBox* l, const TFreeIt& f) {
    l->OnDrawItem = [f](TCanvas*, int, int, int, const TRect&, TOwnerDrawState) { f(); };
  };
  drawn.Trigger = [](TspSkinListBox* l, TEdit*) { l->ListBox()->Invalidate(); };
  drawn.Run(skin);
}

TEST_F(CompoundFreeTest, DateEditFreedByItsCalendarsPick) {
  TPartCase<TspSkinDateEdit> picked;
  picked.Skinned = false;  // the calendar then has its own size
  picked.Prepare = [](TspSkinDateEdit* e) {
    e->SetDate(EncodeDate(2024, 6, 15));
    Focus(e);
    e->DropDown();
  };
  picked.Hook = [](TspSkinDateEdit* e, const TFreeIt& f) { e->OnDateChange = [f](TObject*) { f(); }; };
  picked.Trigger = [](TspSkinDateEdit* e, TEdit*) {
    TspSkinMonthCalendar* c = e->Calendar();
    const int index = 20 - FirstCellDay(2024, 6, 0);
    const TRect cell = c->Grid().Cell(index / 7 + 1, index % 7);
    ClickAt(c, TPoint(cell.Left + 4, cell.Top + 4));
  };
  picked.Run(skin);
}

TEST_F(CompoundFreeTest, TrackEditFreedByItsBarsMove) {
  TPartCase<TspSkinTrackEdit> moved;
  moved.Prepare = [](TspSkinTrackEdit* e) {
    e->SetValue(40);
    Focus(e);
    e->DropDown();
  };
  moved.Hook = [](TspSkinTrackEdit* e, const TFreeIt& f) { e->OnChange = [f](TObject*) { f(); }; };
  moved.Trigger = [](TspSkinTrackEdit*, TEdit*) { PostKey(VK_UP); };
  moved.Run(skin);
}

TEST_F(CompoundFreeTest, ColorButtonFreedByItsMenusChoice) {
  TPartCase<TspSkinColorButton> chosen;
  chosen.Prepare = [](TspSkinColorButton* b) { ClickAt(b, TPoint(20, 12)); };
  chosen.Hook = [](TspSkinColorButton* b, const TFreeIt& f) { b->OnChangeColor = [f](TObject*) { f(); }; };
  chosen.Trigger = [](TspSkinColorButton* b, TEdit*) {
    TspSkinImagesMenu* menu = b->ColorMenu();
    ASSERT_NE(menu->PopupWindow(), nullptr);
    const TRect& r = menu->ImagesItems()->Items(14)->ItemRect;
    ClickAt(menu->PopupWindow(), TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  };
  chosen.Run(skin);
}

TEST_F(CompoundFreeTest, TreeComboFreedByItsTreesChoice) {
  TPartCase<TfcTreeCombo> chosen;
  chosen.Prepare = [](TfcTreeCombo* c) {
    TfcTreeNode* fruit = c->Items()->Add(nullptr, L"Fruit");
    c->Items()->AddChild(fruit, L"Apple");
    c->Items()->Add(nullptr, L"Vegetables");
    Focus(c);
    c->DropDown();
  };
  chosen.Hook = [](TfcTreeCombo* c, const TFreeIt& f) { c->OnChange = [f](TObject*) { f(); }; };
  chosen.Trigger = [](TfcTreeCombo* c, TEdit*) { Key(c, VK_DOWN); };
  chosen.Run(skin);

  TPartCase<TfcTreeCombo> closed = chosen;
  closed.Hook = [](TfcTreeCombo* c, const TFreeIt& f) { c->OnCloseUp = [f](TObject*, bool) { f(); }; };
  closed.Trigger = [](TfcTreeCombo* c, TEdit*) { Key(c, VK_RETURN); };
  closed.Run(skin);
}

// A button's OnMouseLeave moves its panel to another form; the panel's
// OnEnter, raised as the panel's window goes (when its edit has the focus)
// or later by a click, frees its old form, which takes the panel along.
TEST(ParentChangeFrees, PanelMovedByItsButtonsMouseLeaveFreesItsOldForm) {
  for (const bool editFocused : {false, true}) {
    SCOPED_TRACE(editFocused ? "its edit focused" : "no focus in it");
    TForm* a = NewForm(50, 50, 300, 250);
    TForm* b = NewForm(400, 50, 300, 250);
    auto* panel = Placed<TFlatPanel>(a, 20, 20, 150, 100);
    auto* edit = Placed<TEdit>(panel, 10, 10, 80, 22);
    auto* button = Placed<TFlatSpeedButton>(panel, 100, 40, 40, 40);
    ShowAndActivate(b);
    ShowAndActivate(a);
    if (editFocused) Focus(edit);
    MoveMouse(button->ClientToScreen(TPoint(20, 20)));
    Settle();
    int left = 0, entered = 0;
    button->OnMouseLeave = [&](TObject*) {
      if (left++ == 0) panel->SetParent(b);
    };
    panel->OnEnter = [&](TObject*) {
      if (entered++ == 0) Free(a);
    };
    MoveMouse(panel->ClientToScreen(TPoint(60, 80)));
    Settle();
    if (!entered) {
      ShowAndActivate(b);
      ClickAt(edit, TPoint(5, 5));
    }
    EXPECT_EQ(left, 1);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
    Free(b);
  }
}
