// The custom combo under real messages: opening and closing by mouse and keys,
// the shared mouse hook, read-only and Esc rules, the button and the frame.
#include <gtest/gtest.h>

#include <vssym32.h>

#include <algorithm>

#include "components/fcCommonDraw.h"
#include "components/fcStringCombo.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

void Key(TWinControl* C, WORD VK, bool Alt = false) {
  if (Alt) {
    SendMessageW(C->Handle(), WM_SYSKEYDOWN, VK, 1 << 29);
  } else {
    SendMessageW(C->Handle(), WM_KEYDOWN, VK, 0);
  }
  Settle();
}

bool WindowReadOnly(TWinControl* C) { return (GetWindowLongW(C->Handle(), GWL_STYLE) & ES_READONLY) != 0; }

}  // namespace

class fcComboTest : public FormTest {
 protected:
  TfcStringCombo* NewCombo(int Left, int Top) {
    auto* c = Add<TfcStringCombo>(Left, Top, 120, 21);
    for (const wchar_t* s : {L"alpha", L"beta", L"gamma", L"delta"}) c->Items()->Add(s);
    return c;
  }
  void ShowForm() {
    MoveMouse(TPoint(5, 5));  // away from where the lists open
    form->Show();
    SetForegroundWindow(form->Handle());
    Settle();
  }
};

TEST_F(fcComboTest, ButtonOpensAndAClickOutsideClosesWithoutChoosing) {
  auto* c = NewCombo(20, 20);
  int closes = 0;
  bool accepted = true;
  c->OnCloseUp = [&](TObject*, bool Select) {
    ++closes;
    accepted = Select;
  };
  ShowForm();
  const TPoint button = c->ButtonHolder()->ClientToScreen(TPoint(5, 5));
  MoveMouse(button);
  MouseDown();
  MouseUp();
  Settle();
  ASSERT_TRUE(c->GetDroppedDown());
  EXPECT_EQ(fcComboHookUsers(), 1);
  EXPECT_TRUE(c->Focused());
  RECT lw;
  GetWindowRect(c->List()->Handle(), &lw);
  RECT cw;
  GetWindowRect(c->Handle(), &cw);
  EXPECT_EQ(lw.top, cw.bottom);  // right under the edit
  EXPECT_EQ(lw.left, cw.left);
  EXPECT_EQ(GetForegroundWindow(), form->Handle());  // the list took no activation

  MoveMouse(form->ClientToScreen(TPoint(300, 250)));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(accepted);
  EXPECT_EQ(fcComboHookUsers(), 0);
  EXPECT_EQ(c->Text(), L"");

  // Open again and choose an item with the mouse.
  MoveMouse(button);
  MouseDown();
  MouseUp();
  Settle();
  ASSERT_TRUE(c->GetDroppedDown());
  const TPoint item = c->List()->ClientToScreen(TPoint(10, c->List()->ItemHeight() + 3));
  MoveMouse(item);
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_TRUE(accepted);
  EXPECT_EQ(c->Text(), L"beta");
}

TEST_F(fcComboTest, TheHookStaysWhileAnyComboIsOpen) {
  auto* a = NewCombo(20, 20);
  auto* b = NewCombo(20, 60);
  ShowForm();
  a->DropDown();
  b->DropDown();
  EXPECT_EQ(fcComboHookUsers(), 2);
  a->CloseUp(false);
  EXPECT_EQ(fcComboHookUsers(), 1);  // b's drop-down still has its hook
  EXPECT_TRUE(b->GetDroppedDown());
  a->CloseUp(false);  // closing twice does not take b's share
  EXPECT_EQ(fcComboHookUsers(), 1);
  delete b;  // a combo going away gives its share back
  EXPECT_EQ(fcComboHookUsers(), 0);
}

TEST_F(fcComboTest, KeysOpenAndCloseAndFocusLossAccepts) {
  auto* c = NewCombo(20, 20);
  auto* other = NewCombo(20, 100);
  ShowForm();
  c->SetFocus();
  Settle();
  Key(c, VK_F4);
  ASSERT_TRUE(c->GetDroppedDown());
  Key(c, VK_DOWN);
  Key(c, VK_DOWN);  // moves in the list while open
  Key(c, VK_RETURN);
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_EQ(c->Text(), L"beta");
  Key(c, VK_DOWN, true);  // Alt+Down
  ASSERT_TRUE(c->GetDroppedDown());
  Key(c, VK_ESCAPE);
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_EQ(c->Text(), L"beta");
  Key(c, VK_F4);
  Key(c, VK_DOWN);
  other->SetFocus();  // focus elsewhere closes with acceptance
  Settle();
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_EQ(c->Text(), L"gamma");
}

TEST_F(fcComboTest, EscOnAModifiedComboRestoresTheTextOnEntering) {
  auto* c = NewCombo(20, 20);
  c->SetText(L"start");
  ShowForm();
  c->SetFocus();
  Settle();
  SendMessageW(c->Handle(), WM_CHAR, L'x', 0);
  Settle();
  ASSERT_TRUE(c->Modified());
  ASSERT_NE(c->Text(), L"start");
  Key(c, VK_ESCAPE);
  EXPECT_EQ(c->Text(), L"start");
  EXPECT_FALSE(c->Modified());
}

TEST_F(fcComboTest, ReadOnlyStaysReadOnlyThroughADropDown) {
  auto* c = NewCombo(20, 20);
  c->SetText(L"fixed");
  ShowForm();
  c->SetReadOnly(true);
  EXPECT_TRUE(WindowReadOnly(c));
  c->SetFocus();
  Settle();
  Key(c, VK_F4);
  EXPECT_TRUE(c->GetDroppedDown());  // the drop-down still opens
  EXPECT_TRUE(WindowReadOnly(c));
  Key(c, VK_F4);
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_TRUE(WindowReadOnly(c));
  SendMessageW(c->Handle(), WM_CHAR, L'x', 0);
  Settle();
  EXPECT_EQ(c->Text(), L"fixed");
  SendMessageW(c->Handle(), EM_SETREADONLY, FALSE, 0);  // drifted away from the flag
  c->SetReadOnly(true);  // the same value is passed on again
  EXPECT_TRUE(WindowReadOnly(c));
}

TEST_F(fcComboTest, HiddenButtonWidensTheTextAndKeysStillOpen) {
  auto* c = NewCombo(20, 20);
  c->SetBorderStyle(bsNone);
  ShowForm();
  RECT r;
  SendMessageW(c->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  const LONG withButton = r.right;
  c->SetShowButton(false);
  EXPECT_FALSE(c->ButtonHolder()->Visible());
  SendMessageW(c->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_GT(r.right, withButton);
  EXPECT_NEAR(r.right, c->ClientWidth() - 2, 1);  // the system may keep a pixel of its own
  c->SetFocus();
  Settle();
  Key(c, VK_F4);
  EXPECT_TRUE(c->GetDroppedDown());
  Key(c, VK_F4);
}

TEST_F(fcComboTest, FrameOnABorderlessComboSizesAndPaintsTheText) {
  auto* c = NewCombo(20, 20);
  auto* focus = NewCombo(20, 100);
  c->SetBorderStyle(bsNone);
  c->SetText(L"W");
  ShowForm();
  c->Frame()->SetEnabled(true);
  EXPECT_EQ(c->BorderStyle(), bsNone);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, c->Font()->Handle());
  TEXTMETRICW tm;
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(c->Height(), tm.tmHeight + 6);
  c->Frame()->SetEnabled(false);
  EXPECT_EQ(c->BorderStyle(), bsNone);  // not given back

  c->Frame()->SetEnabled(true);
  focus->SetFocus();
  Settle();
  TBitmap shot;
  shot.SetSize(c->Width(), c->Height());
  SendMessageW(c->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(shot.Canvas()->Handle()), 0);
  // Unfocused: only the bottom side, a monochrome line, and the text from the frame offsets (1, 2).
  EXPECT_NE(PixelAt(shot, 5, c->ClientHeight() - 1), PixelAt(shot, 5, 0));
  bool ink = false;
  for (int y = 2; y < c->ClientHeight() - 1; ++y)
    for (int x = 1; x < 12; ++x) ink |= (PixelAt(shot, x, y) & 0xFF) < 128;  // dark text, smoothed or not
  EXPECT_TRUE(ink);

  TfcEditFrame source(nullptr);
  source.SetFocusStyle(efsFrameRaised);
  source.SetNonFocusStyle(efsFrameEtched);
  c->Frame()->Assign(&source);  // a disabled source copies its style, Enabled and Transparent only
  EXPECT_EQ(c->Frame()->FocusStyle(), efsFrameRaised);
  EXPECT_FALSE(c->Frame()->Enabled());
  EXPECT_EQ(c->Frame()->NonFocusStyle(), efsFrameBox);
}

TEST_F(fcComboTest, ContextPopupEventSeesMouseAndKeyboardMenus) {
  auto* c = NewCombo(20, 20);
  ShowForm();
  std::vector<TPoint> seen;
  // Handled: the edit's own menu (a modal one) never opens.
  c->OnContextPopup = [&](TObject*, TPoint P, bool& Handled) {
    seen.push_back(P);
    Handled = true;
  };
  const TPoint screen = c->ClientToScreen(TPoint(8, 6));
  SendMessageW(c->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(c->Handle()), MAKELPARAM(screen.X, screen.Y));
  SendMessageW(c->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(c->Handle()), -1);
  EXPECT_EQ(seen, (std::vector<TPoint>{TPoint(8, 6), TPoint(-1, -1)}));
}

TEST_F(fcComboTest, ActiveThemeDrawsTheButtonAsAPushButtonWithItsArrow) {
  ASSERT_TRUE(fcUseThemes(nullptr)) << "the test prefix has no active theme";
  auto* c = NewCombo(20, 20);
  ShowForm();
  TBtnWinControl* holder = c->ButtonHolder();
  const TRect b = c->Button()->BoundsRect();
  // The expected face: the theme's push button one pixel right, reaching one
  // pixel above and below the button, on the holder's background.
  TBitmap expected;
  expected.SetSize(holder->Width(), holder->Height());
  expected.Canvas()->Brush()->SetColor(holder->Color());
  expected.Canvas()->FillRect(TRect(0, 0, holder->Width(), holder->Height()));
  TRect content;
  ASSERT_TRUE(fcDrawThemePart(L"BUTTON", BP_PUSHBUTTON, PBS_NORMAL, expected.Canvas()->Handle(),
                              TRect(b.Left + 1, b.Top - 1, b.Right + 1, b.Bottom + 1), &content));
  TBitmap shot;
  PaintWindowInto(holder, shot);
  int differing = 0, black = 0;
  for (int y = std::max(0, b.Top); y < std::min(b.Bottom, holder->Height()); ++y)
    for (int x = std::max(0, b.Left); x < std::min(b.Right, holder->Width()); ++x) {
      if (content.Contains(TPoint(x, y))) {
        black += ColorToRGB(PixelAt(shot, x, y)) == 0;  // the arrow
      } else {
        differing += PixelAt(shot, x, y) != PixelAt(expected, x, y);
      }
    }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(black, 16);  // the 7 x 4 arrow
  // Themes switched off on the combo bring the classic button back.
  c->SetDisableThemes(true);
  PaintWindowInto(holder, shot);
  differing = 0;
  for (int y = std::max(0, b.Top); y < std::min(b.Bottom, holder->Height()); ++y)
    for (int x = std::max(0, b.Left); x < std::min(b.Right, holder->Width()); ++x)
      if (!content.Contains(TPoint(x, y))) differing += PixelAt(shot, x, y) != PixelAt(expected, x, y);
  EXPECT_GT(differing, 0);
}

TEST_F(fcComboTest, EveryPickReplacesTheWholeTypedText) {
  auto* c = NewCombo(20, 20);
  c->Items()->Add(L"Tea");
  auto* next = NewCombo(20, 100);
  ShowForm();
  c->SetFocus();
  Settle();
  // Typed, then picked with Alt+Down, Down to "Tea", Enter.
  TypeInput(L"Zzz #9");
  ASSERT_EQ(c->Text(), L"Zzz #9");
  KeyChord({VK_MENU}, VK_DOWN);
  ASSERT_TRUE(c->GetDroppedDown());
  for (int i = 0; i < 5; ++i) KeyChord({}, VK_DOWN);
  KeyChord({}, VK_RETURN);
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_EQ(c->Text(), L"Tea");
  // Enter on the closed combo leaves the text as it is.
  KeyChord({}, VK_END);
  TypeInput(L"l\u00E9e82");
  KeyChord({}, VK_RETURN);
  EXPECT_EQ(c->Text(), L"Teal\u00E9e82");
  // Picked with F4, Down, Down and Alt+Up.
  KeyChord({}, VK_F4);
  KeyChord({}, VK_DOWN);
  KeyChord({}, VK_DOWN);
  KeyChord({VK_MENU}, VK_UP);
  EXPECT_EQ(c->Text(), L"beta");
  // Picked with Tab, which also moves on.
  KeyChord({}, VK_END);
  TypeInput(L"s");
  KeyChord({}, VK_F4);
  KeyChord({}, VK_UP);
  KeyChord({}, VK_TAB);
  EXPECT_EQ(c->Text(), L"alpha");
  EXPECT_TRUE(next->Focused());
  // Typed, then picked with the mouse.
  c->SetFocus();
  TypeInput(L"Rices");
  KeyChord({}, VK_F4);
  MoveMouse(c->List()->ClientToScreen(TPoint(5, c->List()->ItemHeight() * 2 + 2)));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(c->Text(), L"gamma");
}

namespace {

// Whether the frame's edges on the screen are those the frame draws for the
// Focused look: two pixels deep at the middle of each side, the button aside.
bool ScreenShowsFrame(TfcCustomCombo* C, bool Focused) {
  TBitmap look;
  look.SetSize(C->Width(), C->Height());
  look.Canvas()->Brush()->SetColor(C->Color());
  look.Canvas()->FillRect(TRect(0, 0, C->Width(), C->Height()));
  DrawEditFrame(C, C->Frame(), look.Canvas(), Focused);
  const int midX = C->ButtonHolder()->Left() / 2, midY = C->Height() / 2;
  const std::vector<TPoint> edges = {TPoint(0, midY), TPoint(1, midY), TPoint(midX, 0), TPoint(midX, 1),
                                     TPoint(midX, C->Height() - 1), TPoint(midX, C->Height() - 2)};
  HDC screen = GetDC(nullptr);
  bool same = true;
  for (const TPoint& p : edges) {
    const TPoint s = C->ClientToScreen(p);
    same &= GetPixel(screen, s.X, s.Y) == static_cast<COLORREF>(ColorToRGB(PixelAt(look, p.X, p.Y)));
  }
  ReleaseDC(nullptr, screen);
  return same;
}

}  // namespace

// The active frame as the user sees it: the focused look while the combo has
// the focus, however keys and the drop-down repaint it; the unfocused look
// once the focus goes; the focused look under the mouse when asked for.
TEST_F(fcComboTest, TheActiveFrameFollowsFocusKeysAndHover) {
  auto* c = NewCombo(20, 20);
  auto* other = NewCombo(20, 100);
  c->SetBorderStyle(bsNone);
  c->Frame()->SetEnabled(true);
  c->Frame()->SetFocusStyle(efsFrameSunken);
  // The system tells of the mouse leaving a while after: wait for it.
  int leaves = 0;
  c->OnMouseLeave = [&](TObject*) { ++leaves; };
  const auto hoverAndLeave = [&](bool FocusedLook, const char* When) {
    MoveMouse(c->ClientToScreen(TPoint(10, 5)));
    EXPECT_EQ(ScreenShowsFrame(c, true), FocusedLook) << When;
    const int before = leaves;
    MoveMouse(TPoint(5, 5));
    ASSERT_TRUE(PumpUntil([&] { return leaves > before; }, 3000)) << When;
  };
  ShowForm();
  other->SetFocus();
  Settle();
  ASSERT_TRUE(ScreenShowsFrame(c, false));
  ASSERT_FALSE(ScreenShowsFrame(c, true));  // the two looks differ where sampled
  KeyChord({VK_SHIFT}, VK_TAB);
  ASSERT_TRUE(c->Focused());
  EXPECT_TRUE(ScreenShowsFrame(c, true)) << "focus came by key";
  TypeInput(L"gam");
  EXPECT_TRUE(ScreenShowsFrame(c, true)) << "typed";
  KeyChord({}, VK_F4);
  KeyChord({}, VK_ESCAPE);
  EXPECT_TRUE(ScreenShowsFrame(c, true)) << "list opened and closed";
  KeyChord({}, VK_TAB);
  EXPECT_TRUE(ScreenShowsFrame(c, false)) << "focus left by key";
  hoverAndLeave(false, "hovered without MouseEnterSameAsFocus");

  c->Frame()->SetMouseEnterSameAsFocus(true);
  hoverAndLeave(true, "hovered");
  EXPECT_TRUE(ScreenShowsFrame(c, false)) << "left by the mouse";
  KeyChord({VK_SHIFT}, VK_TAB);
  hoverAndLeave(true, "hovered while focused");
  EXPECT_TRUE(ScreenShowsFrame(c, true)) << "a focused combo keeps its look when the mouse leaves";
}

// A character outside the basic plane takes two units: with one unit of room
// neither half goes in, with two both do, at both ends of the range.
TEST_F(fcComboTest, ACharacterOfTwoUnitsGoesInWholeOrNotAtAll) {
  auto* c = NewCombo(20, 20);
  c->SetMaxLength(5);
  ShowForm();
  c->SetFocus();
  Settle();
  TypeInput(L"abcd");
  for (const wchar_t* pair : {L"\U00010000", L"\U0010FFFF"}) {
    TypeInput(pair);
    EXPECT_EQ(c->Text(), L"abcd");
  }
  KeyChord({}, VK_BACK);
  TypeInput(L"\U00010000");
  EXPECT_EQ(c->Text(), L"abc\U00010000");
  // The pair selected is room enough for another.
  c->SetSelStart(3);
  c->SetSelLength(2);
  TypeInput(L"\U0010FFFF");
  EXPECT_EQ(c->Text(), L"abc\U0010FFFF");
}
