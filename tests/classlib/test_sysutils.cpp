#include <gtest/gtest.h>

#include <cmath>

#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"

namespace {

// Number texts below are written with '.'; one test switches the separator.
class SysUtilsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = FormatSettings().DecimalSeparator;
    FormatSettings().DecimalSeparator = L'.';
  }
  void TearDown() override { FormatSettings().DecimalSeparator = FSaved; }
  wchar_t FSaved = L'.';
};

TEST_F(SysUtilsTest, IntegerTextWithSignsAndHexPrefixes) {
  EXPECT_EQ(StrToInt(L"123"), 123);
  EXPECT_EQ(StrToInt(L"-123"), -123);
  EXPECT_EQ(StrToInt(L"+7"), 7);
  EXPECT_EQ(StrToInt(L"  42"), 42);
  EXPECT_EQ(StrToInt(L"$1F"), 31);
  EXPECT_EQ(StrToInt(L"0x1f"), 31);
  EXPECT_EQ(StrToInt(L"0X1F"), 31);
  EXPECT_EQ(StrToInt(L"-$10"), -16);
  EXPECT_EQ(StrToInt(L"$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt(L"0"), 0);
  EXPECT_EQ(StrToInt(L"2147483647"), 2147483647);
  EXPECT_EQ(StrToInt(L"-2147483648"), -2147483647 - 1);
  for (const wchar_t* bad : {L"", L" ", L"-", L"$", L"0x", L"12 ", L"1.5", L"--1", L"abc", L"2147483648",
                             L"-2147483649", L"$100000000", L"0x1G", L"1e3"}) {
    int value = 99;
    EXPECT_FALSE(TryStrToInt(bad, value)) << WideToUtf8(bad);
    EXPECT_EQ(value, 99);
    EXPECT_EQ(StrToIntDef(bad, -5), -5);
  }
  try {
    StrToInt(L"12a");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'12a' is not a valid integer value");
  }
  EXPECT_EQ(IntToStr(-45), L"-45");
  EXPECT_EQ(IntToStr(int64_t{-9000000000}), L"-9000000000");
  EXPECT_EQ(IntToStr(sizeof(int32_t)) + IntToStr(uint32_t{4000000000u}), L"44000000000");
  EXPECT_EQ(IntToHex(255, 4), L"00FF");
  EXPECT_EQ(IntToHex(0x1A2B, 2), L"1A2B");
  EXPECT_EQ(IntToHex(-1, 2), L"FFFFFFFF");
}

TEST_F(SysUtilsTest, RoundingHalvesToEven) {
  const double in[] = {0.5, 1.5, 2.5, 3.5, -0.5, -1.5, -2.5, 2.4999999, 2.5000001, -2.5000001};
  const int out[] = {0, 2, 2, 4, 0, -2, -2, 2, 3, -3};
  for (size_t i = 0; i < sizeof in / sizeof in[0]; ++i) EXPECT_EQ(Round(in[i]), out[i]) << in[i];
  EXPECT_EQ(RoundHalfEven(3000000000.5), 3000000000.0);
  EXPECT_EQ(RoundHalfEven(3000000001.5), 3000000002.0);
  EXPECT_EQ(RoundHalfEven(1e300), 1e300);
  EXPECT_THROW(Round(3000000000.0), EConvertError);
  EXPECT_THROW(Round(std::nan("")), EConvertError);
}

TEST_F(SysUtilsTest, FixedPointTextRoundsTheDecimalDigits) {
  // 2.675 and 1.005 are stored slightly below the half; at 15 digits they are halves.
  EXPECT_EQ(FloatToStrF(2.675, ffFixed, 15, 2), L"2.68");
  EXPECT_EQ(FloatToStrF(1.005, ffFixed, 15, 2), L"1.01");
  EXPECT_EQ(FloatToStrF(0.125, ffFixed, 15, 2), L"0.13");
  EXPECT_EQ(FloatToStrF(-0.125, ffFixed, 15, 2), L"-0.13");
  EXPECT_EQ(FloatToStrF(99.995, ffFixed, 15, 2), L"100.00");
  EXPECT_EQ(FloatToStrF(123456.789, ffFixed, 15, 0), L"123457");
  EXPECT_EQ(FloatToStrF(0.0001, ffFixed, 15, 2), L"0.00");
  EXPECT_EQ(FloatToStrF(-0.004, ffFixed, 15, 2), L"0.00");
  EXPECT_EQ(FloatToStrF(0.05, ffFixed, 15, 3), L"0.050");
  EXPECT_EQ(FloatToStrF(0.0, ffFixed, 15, 1), L"0.0");
  EXPECT_EQ(FloatToStrF(1234.5, ffFixed, 4, 1), L"1235.0");  // four significant digits first
  EXPECT_EQ(FloatToStrF(1e20, ffFixed, 15, 2), L"1.00000000000000E+20");
  FormatSettings().DecimalSeparator = L',';
  EXPECT_EQ(FloatToStrF(2.5, ffFixed, 15, 1), L"2,5");
  EXPECT_EQ(StrToFloat(L"2,25"), 2.25);
  EXPECT_THROW(StrToFloat(L"2.25"), EConvertError);
}

TEST_F(SysUtilsTest, FloatText) {
  EXPECT_EQ(StrToFloat(L"1.5"), 1.5);
  EXPECT_EQ(StrToFloat(L" -2.25e2 "), -225.0);
  EXPECT_EQ(StrToFloat(L"+.5"), 0.5);
  EXPECT_EQ(StrToFloat(L"7."), 7.0);
  // Too small for a double is zero; too large is refused.
  double tiny = 5;
  EXPECT_TRUE(TryStrToFloat(L"1e-400", tiny));
  EXPECT_EQ(tiny, 0.0);
  EXPECT_TRUE(TryStrToFloat(L"-0.000012e-99999999999", tiny));
  EXPECT_EQ(tiny, 0.0);
  EXPECT_TRUE(std::signbit(tiny));
  EXPECT_TRUE(TryStrToFloat(L"4.9e-324", tiny));
  EXPECT_GT(tiny, 0.0);
  for (const wchar_t* bad : {L"", L".", L"1e", L"1e+", L"1.2.3", L"0x10", L"inf", L"nan", L"1 2", L"1e999",
                             L"1e99999999999999999999", L"1000.5e306"}) {
    double value = 3;
    EXPECT_FALSE(TryStrToFloat(bad, value)) << WideToUtf8(bad);
  }
  try {
    StrToFloat(L"x");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'x' is not a valid floating point value");
  }
}

TEST_F(SysUtilsTest, FormatSubset) {
  String name = L"Skin";
  EXPECT_EQ(Format(L"%s=%d", {name, 5}), L"Skin=5");
  EXPECT_EQ(Format(L"#%x/%x", {255, -1}), L"#FF/FFFFFFFF");
  EXPECT_EQ(Format(L"%.2f|%f|%.0f", {2.675, 1.0, 2.5}), L"2.68|1.00|3");
  EXPECT_EQ(Format(L"[%5d][%-4s][%.3d][%.3d][%.2s]", {42, L"ab", 7, -7, L"abc"}), L"[   42][ab  ][007][-007][ab]");
  EXPECT_EQ(Format(L"100%% %s", {L"\x4E2D\x6587"}), L"100% \x4E2D\x6587");
  EXPECT_THROW(Format(L"%d", {L"text"}), EConvertError);
  EXPECT_THROW(Format(L"%s", {3}), EConvertError);
  EXPECT_THROW(Format(L"%d %d", {3}), EConvertError);
  EXPECT_THROW(Format(L"%q", {3}), EConvertError);
  EXPECT_THROW(Format(L"50%", {}), EConvertError);
}

TEST_F(SysUtilsTest, CaseLeavesChineseAlone) {
  const String chinese = L"\x4E2D\x6587";
  EXPECT_EQ(UpperCase(L"abc\x00E9" + chinese), L"ABC\x00E9" + chinese);
  EXPECT_EQ(AnsiUpperCase(L"abc\x00E9\x00FF\x0101\x0138\x03C3\x03C2\x0436" + chinese),
            L"ABC\x00C9\x0178\x0100\x0138\x03A3\x03A3\x0416" + chinese);
  EXPECT_EQ(AnsiLowerCase(L"ABC\x00C9\x0178\x0139\x03A3\x0416\x0401\xFF21" + chinese),
            L"abc\x00E9\x00FF\x013A\x03C3\x0436\x0451\xFF41" + chinese);
  EXPECT_EQ(LowerCase(L"ABC\x00C9"), L"abc\x00C9");

  EXPECT_TRUE(SameText(L"Caption", L"cAPTION"));
  EXPECT_FALSE(SameText(L"\x00E9", L"\x00C9"));
  EXPECT_TRUE(AnsiSameText(L"\x00E9t\x00E9", L"\x00C9T\x00C9"));
  EXPECT_TRUE(AnsiSameText(L"a" + chinese, L"A" + chinese));
  EXPECT_FALSE(AnsiSameText(chinese, chinese + L" "));
  EXPECT_LT(CompareText(L"abc", L"ABD"), 0);
  EXPECT_LT(AnsiCompareText(L"a", L"B"), 0);
  EXPECT_GT(CompareStr(L"a", L"B"), 0);
  EXPECT_LT(AnsiCompareText(L"\x4E00", chinese), 0);
  EXPECT_LT(AnsiCompareText(L"ab", L"ABC"), 0);
}

TEST_F(SysUtilsTest, TrimPosAndReplace) {
  EXPECT_EQ(Trim(L" \t a b \r\n"), L"a b");
  EXPECT_EQ(TrimLeft(L"  x "), L"x ");
  EXPECT_EQ(TrimRight(L"  x "), L"  x");
  EXPECT_EQ(Trim(L"\x3000x"), L"\x3000x");  // the ideographic space is text
  EXPECT_EQ(FirstLine(L"x\r\ny"), L"x");
  EXPECT_EQ(FirstLine(L"x\ny\rz"), L"x");
  EXPECT_EQ(FirstLine(L"\rx"), L"");
  EXPECT_EQ(FirstLine(L"one line"), L"one line");
  EXPECT_EQ(Pos(L"b", L"abcb"), 2);
  EXPECT_EQ(Pos(L"z", L"abc"), 0);
  EXPECT_EQ(Pos(L"", L"abc"), 0);

  const String s = L"Hello hello HELLO";
  EXPECT_EQ(StringReplace(s, L"hello", L"x", {rfReplaceAll, rfIgnoreCase}), L"x x x");
  EXPECT_EQ(StringReplace(s, L"hello", L"x", {rfReplaceAll}), L"Hello x HELLO");
  EXPECT_EQ(StringReplace(s, L"HELLO", L"x", {rfIgnoreCase}), L"x hello HELLO");
  EXPECT_EQ(StringReplace(L"aaa", L"a", L"aa", {rfReplaceAll}), L"aaaaaa");
  EXPECT_EQ(StringReplace(L"abc", L"", L"x", {rfReplaceAll}), L"abc");
  EXPECT_EQ(StringReplace(L"\x4E2D-\x4E2D", L"\x4E2D", L"z", {rfReplaceAll}), L"z-z");
}

TEST_F(SysUtilsTest, FileNameParts) {
  const String file = L"C:\\Skins\\Blue.v2\\skin.ini";
  EXPECT_EQ(ExtractFilePath(file), L"C:\\Skins\\Blue.v2\\");
  EXPECT_EQ(ExtractFileName(file), L"skin.ini");
  EXPECT_EQ(ExtractFileExt(file), L".ini");
  EXPECT_EQ(ChangeFileExt(file, L".skn"), L"C:\\Skins\\Blue.v2\\skin.skn");
  EXPECT_EQ(ExtractFileExt(L"C:\\Skins\\Blue.v2\\readme"), L"");
  EXPECT_EQ(ChangeFileExt(L"dir.d/readme", L".txt"), L"dir.d/readme.txt");
  EXPECT_EQ(ExtractFileExt(L"backup.tar.gz"), L".gz");
  EXPECT_EQ(ExtractFileName(L"C:file.txt"), L"file.txt");
  EXPECT_EQ(ExtractFilePath(L"file.txt"), L"");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"C:\\Skins\\"), L"C:\\Skins\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"skins/"), L"skins/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"Skin"), String(L"Skin") + PathDelim);
}

}  // namespace
