// A skin switch changes what a control draws, never its window: every control
// class the driver makes (the lists of tests/<folder>/DriverMakers.cpp, so a
// new class joins by being listed there), on a skinned form and inside a
// skinned scroll box, keeps each window it and its parts have through
// switches among every skin and none; the edits among them keep their text,
// selection, caret, scroll position and focus as well.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinScrollBox.h"
#include "tests/driver/Driver.h"
#include "tests/driver/Makers.h"
#include "tests/driver/Skins.h"

namespace {

BOOL CALLBACK AddWindow(HWND Wnd, LPARAM Set) {
  reinterpret_cast<std::set<HWND>*>(Set)->insert(Wnd);
  return TRUE;
}

// Every window inside Root, at any depth.
std::set<HWND> WindowsInside(HWND Root) {
  std::set<HWND> all;
  EnumChildWindows(Root, AddWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

// One class's control, alone on a plain panel of its own so that the windows
// inside the panel are the control's and its parts'.
struct TMade {
  std::string Class;
  TPanel* Box;
  TWinControl* Control;  // nullptr for a control without a window
  HWND Handle;
  std::set<HWND> Windows;
};

// One of every control class, each on a panel of its own in Container; the
// skinned combo boxes in their edit style.
std::vector<TMade> MakeEveryClass(TDriver& D, TWinControl* Container) {
  std::vector<TMade> made;
  int i = 0;
  for (const TMaker& maker : ControlMakers()) {
    auto* box = new TPanel(Container);
    box->SetParent(Container);
    box->SetBounds(4 + (i % 12) * 90, 4 + (i / 12) * 70, 86, 66);
    ++i;
    TComponent* c = maker.Make(D, box);
    auto* win = dynamic_cast<TWinControl*>(c);
    // A combo box in the style that has an edit inside.
    if (auto* combo = dynamic_cast<TspSkinCustomComboBox*>(c)) combo->SetStyle(spcbEditStyle);
    if (win) win->HandleNeeded();
    made.push_back({maker.Class, box, win, win ? win->Handle() : nullptr, {}});
  }
  D.Pump();
  for (TMade& m : made) m.Windows = WindowsInside(m.Box->Handle());
  return made;
}

// Switches to every skin the driver knows, none among them, and back to the
// first, checking after each that every window is the one it was.
void ExpectWindowsKeptThroughSwitches(TDriver& D, const std::vector<TMade>& Made, HWND Container) {
  for (int skin : {1, 2, SkinCount() - 1, 0}) {
    SwitchSkin(D, skin);
    D.Pump();
    EXPECT_TRUE(IsWindow(Container));
    for (const TMade& m : Made) {
      SCOPED_TRACE(m.Class + " after a switch to skin " + std::to_string(skin));
      if (m.Control) EXPECT_EQ(m.Control->Handle(), m.Handle) << "the control made its window again";
      EXPECT_EQ(WindowsInside(m.Box->Handle()), m.Windows) << "windows of the control or its parts were made again";
    }
  }
}

class SkinSwitchWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    D.SetHandlersAct(false);
    SwitchSkin(D, 0);
    Form = static_cast<TForm*>(FindMaker("skinned form")->Make(D, nullptr));
    Form->SetBounds(0, 0, 1120, 760);
    D.Pump();
  }
  void TearDown() override { EXPECT_EQ(D.Finish(), ""); }

  TDriver D{1};
  TForm* Form = nullptr;
};

TEST_F(SkinSwitchWindows, EveryControlClassKeepsItsWindowsOnASkinnedForm) {
  const std::vector<TMade> made = MakeEveryClass(D, Form);
  ASSERT_GT(made.size(), 40u);
  ExpectWindowsKeptThroughSwitches(D, made, Form->Handle());
}

// A skinned scroll box that made its own window again took every window
// inside it along.
TEST_F(SkinSwitchWindows, EveryControlClassKeepsItsWindowsInsideASkinnedScrollBox) {
  auto* box = static_cast<TspSkinScrollBox*>(FindMaker("TspSkinScrollBox")->Make(D, Form));
  box->SetAlign(alClient);
  const HWND boxHandle = box->Handle();
  const std::vector<TMade> made = MakeEveryClass(D, box);
  ExpectWindowsKeptThroughSwitches(D, made, boxHandle);
  EXPECT_EQ(box->Handle(), boxHandle);
}

// The state of an edit's window the user sees.
struct TEditState {
  String Text;
  DWORD SelStart = 0, SelEnd = 0;
  int FirstVisible = 0;  // the character at the text's left edge
  bool CaretShown = false;
};

TEditState StateOf(TCustomEdit* Edit) {
  TEditState s;
  const HWND wnd = Edit->Handle();
  s.Text = Edit->Text();
  SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s.SelStart), reinterpret_cast<LPARAM>(&s.SelEnd));
  RECT format;
  SendMessageW(wnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const LRESULT hit = SendMessageW(wnd, EM_CHARFROMPOS, 0, MAKELPARAM(format.left + 1, format.top + 1));
  s.FirstVisible = LOWORD(hit);
  // The caret's character lies within the text's area (the edit scrolled to it).
  const LRESULT at = SendMessageW(wnd, EM_POSFROMCHAR, s.SelEnd > 0 ? s.SelEnd - 1 : 0, 0);
  const int x = static_cast<short>(LOWORD(at));
  s.CaretShown = at != -1 && x >= format.left && x < format.right;
  return s;
}

// Every edit of every class (the edits inside spin, date and combo boxes too),
// given a text longer than it shows, focused and scrolled to its end: a
// switch to the same skin keeps its state whole, a switch to another skin
// keeps text, selection and focus and still shows the caret.
TEST_F(SkinSwitchWindows, EveryEditKeepsTextSelectionCaretScrollAndFocus) {
  const std::vector<TMade> made = MakeEveryClass(D, Form);
  std::vector<std::pair<std::string, TCustomEdit*>> edits;
  for (const TMade& m : made)
    for (HWND w : m.Windows)
      if (auto* e = dynamic_cast<TCustomEdit*>(FindControl(w)); e && IsWindowVisible(w) && e->CanFocus())
        edits.push_back({m.Class, e});
  ASSERT_GT(edits.size(), 10u);
  int scrolled = 0;
  for (const auto& [cls, edit] : edits) {
    SCOPED_TRACE(cls);
    // Digits, which every edit takes (a mask or a date keeps what it allows).
    edit->SetText(String(60, L'7'));
    const int length = static_cast<int>(edit->Text().size());
    if (length < 4) continue;
    edit->SetFocus();
    D.Pump();
    SendMessageW(edit->Handle(), EM_SETSEL, length - 3, length - 1);
    SendMessageW(edit->Handle(), EM_SCROLLCARET, 0, 0);
    const HWND handle = edit->Handle();
    const TEditState before = StateOf(edit);
    if (before.FirstVisible > 0) ++scrolled;
    // Skin 0 again keeps even the scroll position; another skin may lay the
    // text out anew, but still shows the caret.
    for (int skin : {0, 1}) {
      SCOPED_TRACE("after a switch to skin " + std::to_string(skin));
      SwitchSkin(D, skin);
      D.Pump();
      const TEditState after = StateOf(edit);
      EXPECT_EQ(edit->Handle(), handle);
      EXPECT_EQ(GetFocus(), handle);
      EXPECT_EQ(after.Text, before.Text);
      EXPECT_EQ(after.SelStart, before.SelStart);
      EXPECT_EQ(after.SelEnd, before.SelEnd);
      EXPECT_EQ(after.CaretShown, before.CaretShown);
      if (skin == 0) EXPECT_EQ(after.FirstVisible, before.FirstVisible);
    }
    SwitchSkin(D, 0);
    D.Pump();
  }
  // The check of the scroll position means something only where edits scrolled.
  EXPECT_GT(scrolled, 5);
}

}  // namespace
