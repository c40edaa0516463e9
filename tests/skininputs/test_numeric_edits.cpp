// The numeric edits under typed keys: limits, rewriting, overflow, stepping
// and the inner edit's notifications.
#include <cmath>

#include "SkinInputTestUtils.h"
#include "skininputs/SkinNumEdits.h"

class NumericEditTest : public InputTest {};

TEST_F(NumericEditTest, TypingBelowTheMinimumStaysAboveTheMaximumIsRewritten) {
  auto* edit = AddFocused<TspSkinNumericEdit>(10, 10, 120, 20);
  edit->SetMinValue(10);
  edit->SetMaxValue(99);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText(L"");
  TypeText(edit, L"1");
  EXPECT_EQ(edit->Text(), L"1");
  EXPECT_EQ(edit->Value(), 10);
  TypeText(edit, L"50");
  EXPECT_EQ(edit->Text(), L"99");
  EXPECT_EQ(edit->Value(), 99);
  EXPECT_GT(changes, 0);
  // Refused keys change nothing.
  TypeText(edit, L"x.");
  EXPECT_EQ(edit->Text(), L"99");
}

TEST_F(NumericEditTest, EqualLimitsLetAnyNumberThroughAndInvalidTextKeepsTheValue) {
  auto* edit = AddFocused<TspSkinNumericEdit>(10, 10, 120, 20);
  edit->SetText(L"");
  TypeText(edit, L"-25");
  EXPECT_EQ(edit->Value(), -25);
  // "-" in the middle passes the key filter only without another "-".
  edit->SetText(L"12");
  EXPECT_EQ(edit->Value(), 12);
  SendMessageW(edit->Handle(), EM_SETSEL, 1, 1);
  TypeText(edit, L"-");
  EXPECT_EQ(edit->Text(), L"1-2");
  EXPECT_EQ(edit->Value(), 12);
  form->SetFocus();
  Settle();
  EXPECT_EQ(edit->Text(), L"12");
}

TEST_F(NumericEditTest, NumbersTooLongForAnIntegerNeverRaise) {
  auto* edit = AddFocused<TspSkinNumericEdit>(10, 10, 160, 20);
  edit->SetText(L"");
  TypeText(edit, L"2147483647");
  EXPECT_EQ(edit->Value(), 2147483647.0);
  TypeText(edit, L"9");
  EXPECT_EQ(edit->Text(), L"21474836479");
  EXPECT_EQ(edit->Value(), 2147483647.0);
  Clipboard()->SetAsText(L"99999999999999999999");
  edit->SetText(L"");
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Value(), 2147483647.0);
  // Set from code: clamped to the ints, NaN keeps the value.
  edit->SetValue(1e300);
  EXPECT_EQ(edit->Text(), L"2147483647");
  edit->SetValue(-1e300);
  EXPECT_EQ(edit->Text(), L"-2147483648");
  edit->SetValue(std::nan(""));
  EXPECT_EQ(edit->Value(), -2147483648.0);
  EXPECT_EQ(edit->Text(), L"-2147483648");
}

TEST_F(NumericEditTest, FloatRoundsToItsDecimalsOnLeaving) {
  auto* edit = AddFocused<TspSkinNumericEdit>(10, 10, 120, 20);
  edit->SetValueType(vtFloat);
  edit->SetDecimal(2);
  const wchar_t sep = FormatSettings().DecimalSeparator;
  edit->SetText(L"");
  TypeText(edit, String(L"1") + sep + L"005");
  EXPECT_DOUBLE_EQ(edit->Value(), 1.005);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  form->SetFocus();
  Settle();
  EXPECT_EQ(edit->Text(), String(L"1") + sep + L"01");
  EXPECT_DOUBLE_EQ(edit->Value(), 1.01);
  EXPECT_GE(changes, 1);
}

TEST_F(NumericEditTest, UpAndDownStepThroughTheLimits) {
  auto* edit = AddFocused<TspSkinNumericEdit>(10, 10, 120, 20);
  edit->SetMinValue(0);
  edit->SetMaxValue(3);
  edit->SetIncrement(2);
  KeyDownUp(edit, VK_UP);
  EXPECT_EQ(edit->Value(), 0);  // off by default
  edit->SetSupportUpDownKeys(true);
  KeyDownUp(edit, VK_UP);
  KeyDownUp(edit, VK_UP);
  EXPECT_EQ(edit->Value(), 3);
  EXPECT_EQ(edit->Text(), L"3");
  KeyDownUp(edit, VK_DOWN);
  EXPECT_EQ(edit->Value(), 1);
}

TEST_F(NumericEditTest, InnerNumberEditFiltersKeysAndTurnsWheelAndArrowsIntoClicks) {
  auto* edit = AddFocused<TspSkinNumEdit>(10, 10, 120, 20);
  int ups = 0, downs = 0, keyDowns = 0;
  edit->OnUpClick = [&](TObject*) { ++ups; };
  edit->OnDownClick = [&](TObject*) { ++downs; };
  edit->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keyDowns; };
  TypeText(edit, L"1a-2-.");
  EXPECT_EQ(edit->Text(), L"1-2");
  edit->SetFloat(true);
  TypeText(edit, String(1, FormatSettings().DecimalSeparator));
  EXPECT_EQ(edit->Text().size(), 4u);
  KeyDownUp(edit, VK_UP);
  KeyDownUp(edit, VK_DOWN);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(keyDowns, 0);
  SendMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);  // away from the user
  EXPECT_EQ(downs, 2);
  SendMessageW(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(ups, 2);
  edit->SetEditorEnabled(false);
  TypeText(edit, L"5\b");
  EXPECT_EQ(edit->Text().size(), 4u);
}
