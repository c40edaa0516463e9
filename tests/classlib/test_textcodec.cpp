#include <gtest/gtest.h>

#include <string>

#include "classlib/TextCodec.h"

namespace {

const String kChinese = L"\x4E2D\x6587";      // zhong wen
const std::string kChineseGbk = "\xD6\xD0\xCE\xC4";

TEST(GbkTest, ChineseTextBothWays) {
  EXPECT_EQ(WideToGbk(kChinese), kChineseGbk);
  EXPECT_EQ(GbkToWide(kChineseGbk), kChinese);
  // Mixed with ASCII, an odd byte count that is still whole characters.
  const String mixed = L"a" + kChinese + L"=1";
  const std::string mixedGbk = "a" + kChineseGbk + "=1";
  ASSERT_EQ(mixedGbk.size() % 2, 1u);
  EXPECT_EQ(WideToGbk(mixed), mixedGbk);
  EXPECT_EQ(GbkToWide(mixedGbk), mixed);
  // Latin letters with accents and the euro sign exist in the code page.
  EXPECT_EQ(WideToGbk(L"\x00E9\x20AC"), "\xA8\xA6\x80");
  EXPECT_EQ(GbkToWide("\xA8\xA6\x80"), L"\x00E9\x20AC");
}

TEST(GbkTest, BrokenPairsNeverSwallowTheNextCharacter) {
  // A lead byte cut off at the end.
  EXPECT_EQ(GbkToWide("\xD6\xD0\xCE"), L"\x4E2D\xFFFD");
  // A lead byte followed by something that cannot be a trail byte.
  EXPECT_EQ(GbkToWide("\xD6" "1\xCE\xC4"), L"\xFFFD" L"1\x6587");
  EXPECT_EQ(GbkToWide("\xFF"), L"\xFFFD");
}

TEST(GbkTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(WideToGbk(L"x\x0E01y"), "x?y");  // Thai
  String emoji;
  if (sizeof(wchar_t) == 2) emoji = L"\xD83D\xDE00";
  else emoji.push_back(static_cast<wchar_t>(0x1F600));
  EXPECT_EQ(WideToGbk(emoji + kChinese), "?" + kChineseGbk);
}

TEST(Utf8Test, RoundTripAndInvalidInput) {
  EXPECT_EQ(WideToUtf8(kChinese), "\xE4\xB8\xAD\xE6\x96\x87");
  EXPECT_EQ(Utf8ToWide("\xE4\xB8\xAD\xE6\x96\x87"), kChinese);
  EXPECT_EQ(Utf8ToWide("a\xE4\xB8"), L"a\xFFFD");
}

}  // namespace
