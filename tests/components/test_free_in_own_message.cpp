// Every control kind with key, click or change events, freed from each of
// them by real input: the control itself, and separately its form. The
// handler writes through its captures after the free; the control's own
// code must stop when the handler returns. Under Wine's heap checks a control
// that reads or writes itself after its event faults on 0xFEEEFEEE.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "classlib/StdCtrls.h"
#include "components/TFlatEditUnit.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "components/fcTreeView.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinTreeView.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinMaskEdits.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SkinSpinEdit.h"
#include "tests/skinctrls/SkinCtrlTestUtils.h"

namespace {

enum TEventKind { evKeyDown, evKeyPress, evKeyUp, evClick, evMouseDown, evChange };
const char* const kEventNames[] = {"OnKeyDown", "OnKeyPress", "OnKeyUp", "OnClick", "OnMouseDown", "OnChange"};

// One control kind: how it is made on a form, the key its key events get,
// the real input that changes it and how its change event is set.
struct TKind {
  const char* Name;
  std::function<TWinControl*(TWinControl* Parent)> Make;
  std::vector<TEventKind> Events;
  WORD Key = 'A';
  WORD ChangeKey = 'A';
  std::function<void(TWinControl*, std::function<void()>)> SetOnChange;
};

template <class T>
T* Made(TWinControl* Parent) {
  auto* c = new T(Parent);
  c->SetParent(Parent);
  c->SetBounds(20, 20, 160, 120);
  return c;
}

template <class T>
T* Short(TWinControl* Parent) {
  T* c = Made<T>(Parent);
  c->SetHeight(22);
  return c;
}

template <class T>
void NotifyChange(TWinControl* C, std::function<void()> Then) {
  static_cast<T*>(C)->OnChange = [Then](TObject*) { Then(); };
}

std::vector<TKind> Kinds() {
  const std::vector<TEventKind> edit = {evKeyDown, evKeyPress, evKeyUp, evMouseDown, evChange};
  const std::vector<TEventKind> view = {evKeyDown, evKeyPress, evKeyUp, evClick, evMouseDown, evChange};
  // A system tree's own press loop takes the release from the click away.
  const std::vector<TEventKind> tree = {evKeyDown, evKeyPress, evKeyUp, evMouseDown, evChange};
  return {
      {"a skinned edit", Short<TspSkinEdit>, edit, 'A', 'A', NotifyChange<TspSkinEdit>},
      {"a skinned mask edit", Short<TspSkinMaskEdit>, edit, 'A', 'A', NotifyChange<TspSkinMaskEdit>},
      {"a skinned numeric edit", Short<TspSkinNumericEdit>, edit, '5', '5', NotifyChange<TspSkinNumericEdit>},
      {"a skinned spin edit", Short<TspSkinSpinEdit>, {evChange}, '5', VK_UP, NotifyChange<TspSkinSpinEdit>},
      {"an edit-style skinned combo",
       [](TWinControl* P) {
         auto* c = Short<TspSkinComboBox>(P);
         c->SetStyle(spcbEditStyle);
         c->Items()->Add(L"Apple");
         c->Items()->Add(L"Bean");
         return c;
       },
       {evChange}, 'A', 'A', NotifyChange<TspSkinComboBox>},
      {"a skinned list view",
       [](TWinControl* P) {
         auto* v = Made<TspSkinListView>(P);
         v->SetViewStyle(vsReport);
         v->Columns()->Add()->SetWidth(100);
         for (const wchar_t* s : {L"one", L"two", L"three"}) v->Items()->Add()->SetCaption(s);
         return v;
       },
       view, VK_DOWN, VK_DOWN,
       [](TWinControl* C, std::function<void()> Then) {
         static_cast<TspSkinListView*>(C)->OnChange = [Then](TObject*, TListItem*, TItemChange) { Then(); };
       }},
      {"a skinned tree view",
       [](TWinControl* P) {
         auto* t = Made<TspSkinTreeView>(P);
         for (const wchar_t* s : {L"one", L"two", L"three"}) t->Items()->Add(nullptr, s);
         return t;
       },
       tree, VK_DOWN, VK_DOWN,
       [](TWinControl* C, std::function<void()> Then) {
         static_cast<TspSkinTreeView*>(C)->OnChange = [Then](TObject*, TTreeNode*) { Then(); };
       }},
      {"an fc tree view",
       [](TWinControl* P) {
         auto* t = Made<TfcTreeView>(P);
         for (const wchar_t* s : {L"one", L"two", L"three"}) t->Items()->Add(nullptr, s);
         return t;
       },
       view, VK_DOWN, VK_DOWN,
       [](TWinControl* C, std::function<void()> Then) {
         static_cast<TfcTreeView*>(C)->OnChange = [Then](TfcCustomTreeView*, TfcTreeNode*) { Then(); };
       }},
      {"an fc tree combo",
       [](TWinControl* P) {
         auto* c = Short<TfcTreeCombo>(P);
         for (const wchar_t* s : {L"Apple", L"Bean", L"Cherry"}) c->Items()->Add(nullptr, s);
         return c;
       },
       {evKeyDown, evKeyPress, evChange}, 'B', VK_DOWN, NotifyChange<TfcTreeCombo>},
      {"an fc string combo",
       [](TWinControl* P) {
         auto* c = Short<TfcStringCombo>(P);
         c->Items()->Add(L"Apple");
         return c;
       },
       {evKeyDown, evKeyPress, evChange}, 'A', 'A', NotifyChange<TfcStringCombo>},
      {"a flat edit", Short<TFlatEdit>, edit, 'A', 'A', NotifyChange<TFlatEdit>},
      {"an edit", Short<TEdit>, edit, 'A', 'A', NotifyChange<TEdit>},
      {"a skinned button", Made<TspSkinButton>, {evKeyDown, evClick, evMouseDown}, VK_SPACE, 'A', nullptr},
      {"a skinned check box", Made<TspSkinCheckRadioBox>, {evClick, evMouseDown}, VK_SPACE, 'A', nullptr},
      {"a button", Made<TButton>, {evKeyDown, evKeyPress, evClick, evMouseDown}, 'A', 'A', nullptr},
  };
}

class FreeInOwnMessageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    MouseUp();
    Settle();
    if (form) Free(form);
  }
  // Makes Kind on a fresh shown form, frees it (or the form) from Event by
  // real input; true when the handler ran to its end.
  bool FreedBy(const TKind& Kind, TEventKind Event, bool WholeForm) {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 200);
    TWinControl* c = Kind.Make(form);
    ShowAndActivate(form);
    c->SetFocus();
    Settle();
    const std::string trail = std::string(Kind.Name) + " freed from " + kEventNames[Event] + " went on";
    std::vector<std::string> log;
    auto freeIt = [this, c, WholeForm, trail, &log] {
      if (!log.empty()) return;
      if (WholeForm) {
        Free(form);
        form = nullptr;
      } else {
        Free(c);
      }
      log.push_back(trail);
    };
    switch (Event) {
      case evKeyDown: c->OnKeyDown = [freeIt](TObject*, WORD&, TShiftState) { freeIt(); }; break;
      case evKeyUp: c->OnKeyUp = [freeIt](TObject*, WORD&, TShiftState) { freeIt(); }; break;
      case evKeyPress: c->OnKeyPress = [freeIt](TObject*, wchar_t&) { freeIt(); }; break;
      case evClick: c->OnClick = [freeIt](TObject*) { freeIt(); }; break;
      case evMouseDown:
        c->OnMouseDown = [freeIt](TObject*, TMouseButton, TShiftState, int, int) { freeIt(); };
        break;
      case evChange: Kind.SetOnChange(c, freeIt); break;
    }
    if (Event == evClick || Event == evMouseDown) {
      MoveMouse(c->ClientToScreen(TPoint(30, std::min(40, c->Height() / 2))));
      MouseDown();  // no pause: a view's own press waits for the release
      MouseUp();
    } else {
      KeyChord({}, Event == evChange ? Kind.ChangeKey : Event == evKeyPress ? 'A' : Kind.Key);
    }
    const bool ran = PumpUntil([&] { return !log.empty(); }, 3000);
    Settle();
    if (!WholeForm && form) {
      Free(form);
      form = nullptr;
    }
    return ran && log.front() == trail;
  }
  TForm* form = nullptr;
};

TEST_F(FreeInOwnMessageTest, EachKindFreedFromEachOfItsEvents) {
  for (const TKind& kind : Kinds())
    for (TEventKind event : kind.Events)
      EXPECT_TRUE(FreedBy(kind, event, false)) << kind.Name << " from " << kEventNames[event];
}

TEST_F(FreeInOwnMessageTest, EachKindsFormFreedFromEachOfItsEvents) {
  for (const TKind& kind : Kinds())
    for (TEventKind event : kind.Events)
      EXPECT_TRUE(FreedBy(kind, event, true)) << kind.Name << "'s form from " << kEventNames[event];
}

}  // namespace
