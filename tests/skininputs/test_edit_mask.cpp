// The edit-mask grammar: positions, typing, text conversions and validation.
#include <gtest/gtest.h>

#include "classlib/EditMask.h"

TEST(EditMask, TimeMaskKeepsLiteralsAndBlanks) {
  TEditMask m(L"!90:00:00;1; ");
  EXPECT_EQ(m.Length(), 8);
  EXPECT_TRUE(m.SaveLiterals());
  EXPECT_EQ(m.Blank(), L' ');
  EXPECT_EQ(m.EmptyEditText(), L"  :  :  ");
  EXPECT_TRUE(m.IsLiteral(2));
  EXPECT_EQ(m.NextInput(2), 3);
  EXPECT_EQ(m.PrevInput(3), 1);
  EXPECT_EQ(m.NextInput(8), 8);
  EXPECT_EQ(m.EditTextOf(L"12:34:56"), L"12:34:56");
  EXPECT_EQ(m.TextOf(L"12:34:56"), L"12:34:56");
  // Optional first digit may stay blank; the required ones may not.
  EXPECT_EQ(m.FirstInvalid(L" 2:34:56"), -1);
  EXPECT_EQ(m.FirstInvalid(L"12:3 :56"), 4);
}

TEST(EditMask, CharacterClassesAndCase) {
  TEditMask m(L">LL<ll\\L0#;0;_");
  EXPECT_FALSE(m.SaveLiterals());
  EXPECT_EQ(m.Accept(0, L'a'), L'A');
  EXPECT_EQ(m.Accept(0, L'1'), 0);
  EXPECT_EQ(m.Accept(2, L'B'), L'b');
  EXPECT_TRUE(m.IsLiteral(4));  // the escaped L
  EXPECT_EQ(m.Accept(5, L'x'), 0);
  EXPECT_EQ(m.Accept(5, L'7'), L'7');
  EXPECT_EQ(m.Accept(6, L'-'), L'-');
  EXPECT_EQ(m.Accept(6, L'x'), 0);
  // Literals are not saved: Text holds the typed characters only.
  EXPECT_EQ(m.EditTextOf(L"ABcd5"), L"ABcdL5_");
  EXPECT_EQ(m.TextOf(L"ABcdL5_"), L"ABcd5");
  EXPECT_EQ(m.FirstInvalid(L"AB__L5_"), -1);  // l and # are optional
  EXPECT_EQ(m.FirstInvalid(L"A___L5_"), 1);
}

TEST(EditMask, MaskFieldsAndEmptyMask) {
  EXPECT_TRUE(TEditMask(L"").Empty());
  TEditMask m(L"000-0000;1;*");
  EXPECT_EQ(m.EmptyEditText(), L"***-****");
  EXPECT_EQ(m.TextOf(L"12*-3***"), L"12 -3   ");
  // Characters the position refuses are left blank.
  EXPECT_EQ(m.EditTextOf(L"1a3-4567"), L"1*3-4567");
}
