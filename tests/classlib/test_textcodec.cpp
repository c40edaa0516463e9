#include <gtest/gtest.h>

#include <string>

#include "classlib/TextCodec.h"

namespace {

const String kChinese = L"\x4E2D\x6587";      // zhong wen
const std::string kChineseGbk = "\xD6\xD0\xCE\xC4";

// U+1F600, a pair of UTF-16 units where wchar_t is 16 bits wide.
String Emoji() {
  String emoji;
  if (sizeof(wchar_t) == 2) emoji = L"\xD83D\xDE00";
  else emoji.push_back(static_cast<wchar_t>(0x1F600));
  return emoji;
}

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
  const String emoji = Emoji();
  EXPECT_EQ(WideToGbk(emoji + kChinese), "?" + kChineseGbk);
}

TEST(Utf8Test, RoundTripAndInvalidInput) {
  EXPECT_EQ(WideToUtf8(kChinese), "\xE4\xB8\xAD\xE6\x96\x87");
  EXPECT_EQ(Utf8ToWide("\xE4\xB8\xAD\xE6\x96\x87"), kChinese);
  EXPECT_EQ(Utf8ToWide("a\xE4\xB8"), L"a\xFFFD");
}

// Text files: code page 936 wherever it carries the text, byte for byte as
// such files always were; UTF-8 with its mark where it does not; a mark read
// says what follows.
TEST(TextFileTest, WritesCodePage936WhereItCanAndLosesNothingElsewhere) {
  const String emoji = Emoji();
  const std::string mark = "\xEF\xBB\xBF";
  struct TCase {
    String Text;
    std::string Bytes;
  };
  const TCase cases[] = {
      {L"", ""},
      {L"a=1\r\n", "a=1\r\n"},
      {L"a" + kChinese + L"\r\n\x00E9\x20AC", "a" + kChineseGbk + "\r\n\xA8\xA6\x80"},
      {L"ma\x00F1" L"ana na\x00EFve \x00C6r\x00F8 \x00DF",
       mark + "ma\xC3\xB1" "ana na\xC3\xAFve \xC3\x86r\xC3\xB8 \xC3\x9F"},
      {kChinese + emoji, mark + "\xE4\xB8\xAD\xE6\x96\x87\xF0\x9F\x98\x80"},
      // Code page 936 bytes that would begin with the UTF-8 mark (EF BB, BF A1).
      {L"\x9518\x4FCA", mark + "\xE9\x94\x98\xE4\xBF\x8A"},
      {L"\x9518" L"a", "\xEF\xBB" "a"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.Text));
    EXPECT_EQ(TextToFileBytes(c.Text), c.Bytes);
    EXPECT_EQ(TextFromFileBytes(c.Bytes), c.Text);
  }
}

TEST(TextFileTest, ReadsWhatItsMarkSays) {
  struct TCase {
    std::string Bytes;
    String Text;
  };
  const TCase cases[] = {
      {std::string("\xFF\xFE" "a\0\x2D\x4E", 6), L"a\x4E2D"},
      {std::string("\xFE\xFF\0a\x4E\x2D", 6), L"a\x4E2D"},
      {std::string("\xFF\xFE" "a\0b", 5), L"a\xFFFD"},  // an odd last byte
      {std::string("\xFF\xFE", 2), L""},
      {"\xEF\xBB\xBF", L""},
      // A mark before bytes that are no UTF-8: a code page 936 file that
      // happens to begin so, read as it always was.
      {"\xEF\xBB\xBF\xD6\xD0", GbkToWide("\xEF\xBB\xBF\xD6\xD0")},
      {kChineseGbk, kChinese},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Bytes);
    EXPECT_EQ(TextFromFileBytes(c.Bytes), c.Text);
  }
  // Pairs of UTF-16 are one character wherever a String holds it.
  const String emoji = Emoji();
  EXPECT_EQ(TextFromFileBytes(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)), emoji);
  EXPECT_EQ(TextFromFileBytes(std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6)), emoji);
}

}  // namespace
