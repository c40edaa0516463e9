// Handlers that free their own sender and then go on writing through their
// captures, from every kind of event source: class library controls, forms,
// menu items and timers, skinned controls and components. Run under Wine's
// heap checks, a handler destroyed with its sender would write to 0xFEEEFEEE.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "components/HyStdCtrls.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "tests/skinctrls/SkinCtrlTestUtils.h"

namespace {

// What every handler below writes after freeing its sender: a log held by
// reference and a name copied into the handler (long enough to live on the heap).
struct TTrail {
  std::vector<std::string> Log;
  void Note(const std::string& Name) { Log.push_back(Name); }
  bool Has(const std::string& Name) const {
    for (const std::string& s : Log)
      if (s == Name) return true;
    return false;
  }
};

std::string Named(const char* Kind) { return std::string(Kind) + " was freed by its own handler, which went on"; }

class FreeFromEventTest : public FormTest {
 protected:
  void Click(TControl* C) {
    MoveMouse(Center(C));
    MouseDown();
    Settle();
    MouseUp();
  }
  // Clicks C, whose OnClick frees it; true when the handler ran to its end.
  bool ClickFrees(TControl* C, const char* Kind) {
    const std::string name = Named(Kind);
    C->OnClick = [this, name](TObject* Sender) {
      Free(Sender);
      trail.Note(name);
    };
    Click(C);
    return PumpUntil([&] { return trail.Has(name); });
  }
  TTrail trail;
};

TEST_F(FreeFromEventTest, ControlsSkinnedControlsAndComponentsFreedByTheirClick) {
  ShowAndActivate(form);
  const int before = form->ControlCount();
  EXPECT_TRUE(ClickFrees(Add<TButton>(form, 20, 20, 80, 30), "a button"));
  EXPECT_TRUE(ClickFrees(Add<TPanel>(form, 20, 20, 80, 30), "a panel"));
  EXPECT_TRUE(ClickFrees(Add<TspSkinButton>(form, 20, 20, 80, 30), "a skinned button"));
  EXPECT_TRUE(ClickFrees(Add<TspSkinCheckRadioBox>(form, 20, 20, 120, 30), "a skinned check box"));
  EXPECT_TRUE(ClickFrees(Add<TFlatSpeedButton>(form, 20, 20, 80, 30), "a flat speed button"));
  EXPECT_TRUE(ClickFrees(Add<THySpeedButton>(form, 20, 20, 80, 30), "a speed button"));
  Settle();
  EXPECT_EQ(before, form->ControlCount());

  // An event with more arguments than the sender.
  auto* pressed = Add<TPanel>(form, 20, 20, 80, 30);
  const std::string down = Named("a pressed panel");
  pressed->OnMouseDown = [this, down](TObject* Sender, TMouseButton, TShiftState, int X, int Y) {
    Free(Sender);
    trail.Note(down + std::to_string(X + Y));
  };
  Click(pressed);
  EXPECT_TRUE(PumpUntil([&] { return trail.Log.size() == 7; }));
  Settle();
  EXPECT_EQ(before, form->ControlCount());
}

TEST_F(FreeFromEventTest, AFormFreedFromItsOwnEventAndFromItsControl) {
  // A skinned form: its frame sits in the form's window procedure, which the
  // free ends in the middle of the message.
  for (bool byControl : {false, true}) {
    auto* doomed = new TForm(nullptr);
    doomed->SetBorderStyle(bsNone);
    doomed->SetBounds(150, 150, 200, 120);
    auto* skinForm = new TspSkinForm(doomed);
    skinForm->SetSkinData(NewTestSkin(doomed));
    TControl* clicked = doomed;
    if (byControl) {
      clicked = new TspSkinButton(doomed);
      clicked->SetParent(doomed);
      clicked->SetBounds(20, 20, 80, 30);
    }
    const std::string name = Named(byControl ? "a form, by its button," : "a form");
    clicked->OnClick = [this, name, doomed](TObject*) {
      Free(doomed);
      trail.Note(name);
    };
    ShowAndActivate(doomed);
    Click(clicked);
    EXPECT_TRUE(PumpUntil([&] { return trail.Has(name); })) << byControl;
    Settle();
  }
}

TEST_F(FreeFromEventTest, AMenuItemAndATimerFreedByTheirOwnEvent) {
  auto* menu = new TMainMenu(form);
  auto* top = new TMenuItem(menu);
  top->SetCaption(L"File");
  menu->Items()->Add(top);
  auto* item = new TMenuItem(menu);
  item->SetCaption(L"Close");
  top->Add(item);
  form->SetMenu(menu);
  ShowAndActivate(form);
  const std::string chosen = Named("a menu item");
  item->OnClick = [this, chosen](TObject* Sender) {
    Free(Sender);
    trail.Note(chosen);
  };
  PostMessageW(form->Handle(), WM_COMMAND, item->Command(), 0);
  EXPECT_TRUE(PumpUntil([&] { return trail.Has(chosen); }));
  EXPECT_EQ(0, top->Count());

  auto* timer = new TTimer(nullptr);
  timer->SetInterval(10);
  const std::string ticked = Named("a timer");
  timer->OnTimer = [this, ticked](TObject* Sender) {
    Free(Sender);
    trail.Note(ticked);
  };
  EXPECT_TRUE(PumpUntil([&] { return trail.Has(ticked); }));
  Settle();
  EXPECT_EQ(2u, trail.Log.size());  // the freed timer ticks no more
}

}  // namespace
