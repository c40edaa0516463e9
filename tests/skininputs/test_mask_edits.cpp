// The mask edit and the time edit under typed keys.
#include "SkinInputTestUtils.h"
#include "skininputs/SkinMaskEdits.h"

class MaskEditTest : public InputTest {};

TEST_F(MaskEditTest, TypingOverwritesPositionsAndSkipsLiterals) {
  auto* edit = AddFocused<TspSkinMaskEdit>(10, 10, 120, 20);
  edit->SetEditMask(L"000-0000;1;_");
  EXPECT_EQ(edit->EditText(), L"___-____");
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 0);
  TypeText(edit, L"12x345");
  EXPECT_EQ(edit->EditText(), L"123-45__");
  EXPECT_EQ(edit->Text(), L"123-45  ");
  EXPECT_THROW(edit->ValidateEdit(), EDBEditError);
  EXPECT_EQ(edit->SelStart(), 6);  // the caret on the first missing digit
  TypeText(edit, L"\b\b");
  EXPECT_EQ(edit->EditText(), L"123-____");
  TypeText(edit, L"4567");
  EXPECT_NO_THROW(edit->ValidateEdit());
  edit->SetText(L"987-6543");
  EXPECT_EQ(edit->EditText(), L"987-6543");
}

TEST_F(MaskEditTest, TimeEditRefusesKeysThatMakeTheTimeInvalid) {
  auto* edit = AddFocused<TspSkinTimeEdit>(10, 10, 120, 20);
  const wchar_t sep = FormatSettings().TimeSeparator;
  const String zero = String(L"00") + sep + L"00" + sep + L"00";
  EXPECT_EQ(edit->Text(), zero);
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 0);
  TypeText(edit, L"25");
  EXPECT_EQ(edit->Text().substr(0, 2), L"20");  // 25 hours refused
  TypeText(edit, L"4");
  EXPECT_EQ(edit->Text().substr(0, 2), L"24");
  // The caret stays on the hours; 24 with minutes is refused.
  SendMessageW(edit->Handle(), EM_SETSEL, 3, 3);
  TypeText(edit, L"1");
  EXPECT_EQ(edit->Text().substr(3, 2), L"00");
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 0);
  TypeText(edit, L"1");
  SendMessageW(edit->Handle(), EM_SETSEL, 3, 3);
  TypeText(edit, L"6");
  EXPECT_EQ(edit->Text().substr(3, 2), L"00");  // 60 minutes refused
  // A caret left on a separator checks the digit the mask will write.
  SendMessageW(edit->Handle(), EM_SETSEL, 2, 2);
  TypeText(edit, L"7");
  EXPECT_EQ(edit->Text().substr(3, 1), L"0");
}

TEST_F(MaskEditTest, PastedTextStepsOverItsLiteralsAndPassesTheTimeCheck) {
  auto* mask = AddFocused<TspSkinMaskEdit>(10, 10, 120, 20);
  mask->SetEditMask(L"000-0000;1;_");
  Clipboard()->SetAsText(L"123-4567\r\n890");
  SendMessageW(mask->Handle(), EM_SETSEL, 0, 0);
  SendMessageW(mask->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(mask->EditText(), L"123-4567");
  // Without its literal the text still fills the positions; a refused
  // character stops it.
  Clipboard()->SetAsText(L"98x7");
  SendMessageW(mask->Handle(), EM_SETSEL, 0, 8);
  SendMessageW(mask->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(mask->EditText(), L"98_-____");
  // Complete again, so that the focus may leave it.
  Clipboard()->SetAsText(L"5551234");
  SendMessageW(mask->Handle(), EM_SETSEL, 0, 8);
  SendMessageW(mask->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(mask->EditText(), L"555-1234");

  auto* edit = AddFocused<TspSkinTimeEdit>(10, 40, 120, 20);
  const String sep(1, FormatSettings().TimeSeparator);
  const String time = L"12" + sep + L"34" + sep + L"56";
  Clipboard()->SetAsText(time);
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 8);  // over the selected time
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), time);
  edit->SetText(L"00" + sep + L"00" + sep + L"00");
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 0);  // at the caret
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), time);
  // An impossible time is refused where typing it would be.
  Clipboard()->SetAsText(L"99" + sep + L"99" + sep + L"99");
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 8);
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), time);
  Clipboard()->SetAsText(L"23" + sep + L"75");
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 0);
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"23" + sep + L"34" + sep + L"56");
}

TEST_F(MaskEditTest, LeavingTheTimeEditWithAPartTimeRaisesNothing) {
  auto* edit = AddFocused<TspSkinTimeEdit>(10, 10, 120, 20);
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 2);
  TypeText(edit, L"\b");
  const String partial = edit->EditText();
  auto* other = Add<TspSkinEdit>(form, 10, 50, 120, 20);
  other->SetFocus();
  Settle();
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(edit->EditText(), partial);
}
