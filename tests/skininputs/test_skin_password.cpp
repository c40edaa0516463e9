// The password edit under Wine: caret and symbols where the geometry puts
// them, typing, word jumps, selection, paste, nothing copied out, the Text
// clamp, no input-method context and the disabled look.
#include <windows.h>

#include <imm.h>

#include "SkinInputTestUtils.h"
#include "skininputs/SkinPasswordEdit.h"

namespace {

class PasswordTest : public InputTest {
 protected:
  TspSkinPasswordEdit* NewEdit(const String& Text) {
    auto* e = Add<TspSkinPasswordEdit>(form, 10, 10, 121, 21);
    e->SetText(Text);
    e->SetFocus();
    Settle();
    return e;
  }
};

TEST_F(PasswordTest, TypingPutsTheCaretAfterEachSymbol) {
  auto* e = NewEdit(L"");
  EXPECT_EQ(e->GetTextRect(), TRect(2, 2, 119, 19));
  EXPECT_EQ(e->SymbolWidth(), 11);
  int changes = 0;
  e->OnChange = [&](TObject*) { ++changes; };
  TypeText(e, L"abc");
  EXPECT_EQ(e->Text(), L"abc");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(e->CaretPosition(), 3);
  POINT p;
  GetCaretPos(&p);
  EXPECT_EQ(p.x, 2 + 3 * 11);
  EXPECT_EQ(p.y, 2);
  // The password never reaches the window text.
  EXPECT_EQ(GetWindowTextLengthW(e->Handle()), 0);
  // Three symbols in the first cells, in the default font colour; none after.
  auto b = Snapshot(e);
  const TRect sq = PasswordSymbolRect(TRect(2 + 2 * 11, 2, 2 + 3 * 11, 19));
  EXPECT_EQ(b->Canvas()->Pixels((sq.Left + sq.Right) / 2, (sq.Top + sq.Bottom) / 2), Rgb(e->DefaultFont()->Color()));
  EXPECT_EQ(b->Canvas()->Pixels(2 + 3 * 11 + 5, 10), Rgb(clWindow));
}

TEST_F(PasswordTest, FocusSelectsAllAndTypingReplacesIt) {
  auto* other = Add<TspSkinPasswordEdit>(form, 10, 40, 121, 21);
  auto* e = NewEdit(L"old password");
  other->SetFocus();
  Settle();
  e->SetFocus();
  Settle();
  EXPECT_EQ(e->SelStart(), 0);
  EXPECT_EQ(e->SelLength(), 12);
  auto b = Snapshot(e);
  EXPECT_EQ(b->Canvas()->Pixels(3, 3), Rgb(clHighlight));
  TypeText(e, L"n");
  EXPECT_EQ(e->Text(), L"n");
}

TEST_F(PasswordTest, WordJumpsAndShiftSelection) {
  auto* e = NewEdit(L"one two three");
  KeyChord({}, VK_HOME);
  EXPECT_EQ(e->CaretPosition(), 0);
  KeyChord({VK_CONTROL}, VK_RIGHT);
  EXPECT_EQ(e->CaretPosition(), 4);
  KeyChord({VK_CONTROL}, VK_RIGHT);
  EXPECT_EQ(e->CaretPosition(), 8);
  KeyChord({VK_CONTROL}, VK_LEFT);
  EXPECT_EQ(e->CaretPosition(), 4);
  KeyChord({VK_SHIFT, VK_CONTROL}, VK_RIGHT);
  EXPECT_EQ(e->SelStart(), 4);
  EXPECT_EQ(e->SelLength(), 4);
  KeyChord({VK_SHIFT}, VK_LEFT);
  EXPECT_EQ(e->SelLength(), 3);
  KeyChord({}, VK_BACK);
  EXPECT_EQ(e->Text(), L"one  three");
  EXPECT_EQ(e->CaretPosition(), 4);
  KeyChord({}, VK_END);
  KeyChord({}, VK_DELETE);
  EXPECT_EQ(e->Text(), L"one  three");
}

TEST_F(PasswordTest, PasteInsertsButNothingCopiesOut) {
  auto* e = NewEdit(L"abcd");
  Clipboard()->SetAsText(L"XY");
  KeyChord({}, VK_HOME);
  KeyChord({VK_SHIFT}, VK_RIGHT);
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(e->Text(), L"XYbcd");
  EXPECT_EQ(e->CaretPosition(), 2);
  KeyChord({VK_SHIFT}, VK_INSERT);
  EXPECT_EQ(e->Text(), L"XYXYbcd");
  Clipboard()->SetAsText(L"untouched");
  e->SelectAll();
  KeyChord({VK_CONTROL}, 'C');
  KeyChord({VK_CONTROL}, 'X');
  KeyChord({VK_SHIFT}, VK_DELETE);  // deletes the selection, copies nothing
  EXPECT_EQ(Clipboard()->AsText(), L"untouched");
  EXPECT_EQ(e->Text(), L"");
  // A pasted text keeps only its first line, as in the other one-line edits.
  Clipboard()->SetAsText(L"x\r\ny");
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(e->Text(), L"x");
  Clipboard()->SetAsText(L"\nz");
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(e->Text(), L"x");
}

TEST_F(PasswordTest, MaxLengthAndReadOnly) {
  auto* e = NewEdit(L"");
  e->SetMaxLength(4);
  TypeText(e, L"12345");
  EXPECT_EQ(e->Text(), L"1234");
  Clipboard()->SetAsText(L"zz");
  KeyChord({VK_CONTROL}, 'V');
  EXPECT_EQ(e->Text(), L"1234");
  e->SetReadOnly(true);
  KeyChord({}, VK_BACK);
  TypeText(e, L"x");
  EXPECT_EQ(e->Text(), L"1234");
  KeyChord({}, VK_HOME);
  EXPECT_EQ(e->CaretPosition(), 0);
}

TEST_F(PasswordTest, WritingAShorterTextKeepsLaterEditsInsideIt) {
  auto* e = NewEdit(L"abcdefghij");
  KeyChord({}, VK_END);
  KeyChord({VK_SHIFT}, VK_LEFT);
  KeyChord({VK_SHIFT}, VK_LEFT);
  e->SetText(L"xy");
  EXPECT_LE(e->CaretPosition(), 2);
  EXPECT_LE(e->SelStart() + e->SelLength(), 2);
  KeyChord({}, VK_BACK);
  TypeText(e, L"Q");
  EXPECT_LE(e->Text().size(), 3u);
  EXPECT_NE(e->Text().find(L'Q'), String::npos);
  // Text written through the window comes in the same way and leaves it empty.
  e->TControl::SetText(L"window");
  EXPECT_EQ(e->Text(), L"window");
  EXPECT_EQ(GetWindowTextLengthW(e->Handle()), 0);
}

TEST_F(PasswordTest, DoubleClickSelectsAWordAndDragSelects) {
  auto* e = NewEdit(L"ab cd ef");
  // In the cell of "d": the word starts before it.
  const TPoint inCd = e->ClientToScreen(TPoint(e->CaretX(4) + 3, 10));
  MoveMouse(inCd);
  ::MouseDown();
  ::MouseUp();
  ::MouseDown();
  ::MouseUp();
  Settle();
  EXPECT_EQ(e->SelStart(), 3);
  EXPECT_EQ(e->SelLength(), 3);
  // A drag from the first symbol to after the second.
  MoveMouse(e->ClientToScreen(TPoint(e->CaretX(0) + 1, 10)));
  Sleep(GetDoubleClickTime() + 50);
  ::MouseDown();
  Settle();
  MoveMouse(e->ClientToScreen(TPoint(e->CaretX(2) + 1, 10)));
  ::MouseUp();
  Settle();
  EXPECT_EQ(e->SelStart(), 0);
  EXPECT_EQ(e->SelLength(), 2);
}

TEST_F(PasswordTest, CentredRowAndAClickLeftOfIt) {
  auto* e = NewEdit(L"abc");
  e->SetTextAlignment(taCenter);
  EXPECT_EQ(e->CaretX(0), 2 + (117 - 33) / 2);
  ClickAt(e, TPoint(5, 10));
  EXPECT_EQ(e->CaretPosition(), 0);
  EXPECT_EQ(e->SelLength(), 0);
}

TEST_F(PasswordTest, ALongPasswordScrollsAndHidesItsFirstSymbols) {
  auto* e = NewEdit(L"");
  TypeText(e, String(20, L'a'));
  EXPECT_GT(e->FirstVisible(), 1);
  POINT p;
  GetCaretPos(&p);
  EXPECT_LE(p.x, e->GetTextRect().Right);
  EXPECT_GE(p.x, e->GetTextRect().Left);
}

TEST_F(PasswordTest, NoInputMethodContextAndADisabledFieldShowsGreySymbols) {
  auto* e = NewEdit(L"WW");
  EXPECT_EQ(ImmGetContext(e->Handle()), nullptr);
  e->SetEnabled(false);
  Settle();
  auto b = Snapshot(e);
  const TRect sq = PasswordSymbolRect(TRect(2, 2, 13, 19));
  EXPECT_EQ(b->Canvas()->Pixels((sq.Left + sq.Right) / 2, (sq.Top + sq.Bottom) / 2), Rgb(clGrayText));
  EXPECT_EQ(e->Text(), L"WW");
}

TEST_F(PasswordTest, SkinnedFieldTakesTheRecordsClientAndColours) {
  TspSkinData* skin = NewTestSkin(form);
  auto* e = NewEdit(L"abc");
  e->SetSkinData(skin);
  auto* record = RecordOf<TspDataSkinEditControl>(skin, L"edit");
  ASSERT_NE(record, nullptr);
  // With the skin font the field takes the skin's height.
  EXPECT_EQ(e->Height(), record->SkinRect.Height());
  const TRect t = e->GetTextRect();
  EXPECT_EQ(t.Left, e->NewClRect.Left + 2);
  EXPECT_EQ(e->SymbolWidth(), t.Height() / 2 + 3);
  KeyChord({}, VK_END);
  auto b = Snapshot(e);
  const TRect sq = PasswordSymbolRect(TRect(e->CaretX(0), t.Top, e->CaretX(1), t.Bottom));
  EXPECT_EQ(b->Canvas()->Pixels((sq.Left + sq.Right) / 2, (sq.Top + sq.Bottom) / 2), Rgb(record->ActiveFontColor));
  // With its own font it keeps its height, and the text rectangle grows with it.
  e->SetUseSkinFont(false);
  e->SetBounds(e->Left(), e->Top(), e->Width(), record->SkinRect.Height() + 10);
  EXPECT_EQ(e->Height(), record->SkinRect.Height() + 10);
  EXPECT_EQ(e->GetTextRect().Height(), t.Height() + 10);
}

}  // namespace
