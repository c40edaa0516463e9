// Text pieces and tokens, rectangle fitting, tiling and dotted lines of the
// fc helpers.
#include <gtest/gtest.h>

#include "components/fcCommon.h"

TEST(fcText, RangesAndPositions) {
  EXPECT_EQ(fcCopyRange(L"abcdef", 2, 4), L"bc");
  EXPECT_EQ(fcCopyRange(L"abcdef", 3, 0), L"cdef");
  EXPECT_EQ(fcPosFrom(L"b", L"abcabc", 3), 5);
  EXPECT_EQ(fcPosFrom(L"x", L"abc", 1), 0);
  EXPECT_EQ(fcPosNth(L"b", L"abcabcab", 0), 2);
  EXPECT_EQ(fcPosNth(L"b", L"abcabcab", 2), 8);
  EXPECT_EQ(fcPosNth(L"b", L"abcabcab", 3), 0);
  EXPECT_EQ(fcPosNth(L"b", L"abcabcab", -1), 0);
}

TEST(fcText, PiecesCountAndCut) {
  EXPECT_EQ(fcCountPieces(L"", L","), 0);
  EXPECT_EQ(fcCountPieces(L"abc", L","), 1);
  EXPECT_EQ(fcCountPieces(L"a,b", L","), 2);
  EXPECT_EQ(fcCountPieces(L"aaa", L"aa"), 3);  // overlapping occurrences count
  EXPECT_EQ(fcGetPiece(L"a,b", L",", 2), L"");
  EXPECT_EQ(fcGetPiece(L"one\r\ntwo\r\nthree", L"\r\n", 0), L"one");
  EXPECT_EQ(fcGetPiece(L"one\r\ntwo\r\nthree", L"\r\n", 1), L"two");
  EXPECT_EQ(fcGetPiece(L"one\r\ntwo\r\nthree", L"\r\n", 2), L"three");
  EXPECT_EQ(fcGetPiece(L"a,,b", L",", 1), L"");
}

TEST(fcText, ReplaceAndAmpersands) {
  EXPECT_EQ(fcReplaceAll(L"aXbXc", L"X", L"XX"), L"aXXbXXc");  // inserted text is not rescanned
  EXPECT_EQ(fcStripAmpersands(L"&Name"), L"Name");
  EXPECT_EQ(fcStripAmpersands(L"Fish && &Chips"), L"Fish & Chips");
  EXPECT_EQ(fcStripAmpersands(L"&&&"), L"&");
}

TEST(fcText, TokensWordsBlanksAndQuotes) {
  String s = L"ab cd", tok;
  int pos = 1;
  fcGetToken(s, pos, 0, L" \t", tok);
  EXPECT_EQ(tok, L"ab");
  EXPECT_EQ(pos, 3);
  fcGetToken(s, pos, 0, L" \t", tok);
  EXPECT_EQ(tok, L" ");  // a delimiter is a token of its own
  EXPECT_EQ(pos, 4);
  fcGetToken(s, pos, 0, L" \t", tok);
  EXPECT_EQ(tok, L"cd");
  fcGetToken(s, pos, 0, L" \t", tok);
  EXPECT_EQ(tok, L"");
  // A one-character word moves one past its stop.
  s = L"a b";
  pos = 1;
  fcGetToken(s, pos, 0, L" ", tok);
  EXPECT_EQ(tok, L"a");
  EXPECT_EQ(pos, 3);

  s = L"  \"x y\" z";
  pos = 1;
  fcGetToken(s, pos, fcgtSkipBlanks | fcgtQuoted | fcgtStripQuotes, L"", tok);
  EXPECT_EQ(tok, L"x y");
  EXPECT_EQ(pos, 8);
  s = L"\"open";
  pos = 1;
  fcGetToken(s, pos, fcgtQuoted, L"", tok);
  EXPECT_EQ(tok, L"\"open");
  EXPECT_EQ(pos, 6);
  // With blanks kept, only delimiters and control characters stop a token.
  s = L"a b,c";
  pos = 1;
  fcGetToken(s, pos, fcgtKeepBlanks, L",", tok);
  EXPECT_EQ(tok, L"a b");
}

TEST(fcRect, FitKeepsProportions) {
  TRect r;
  fcFitRect(TRect(0, 0, 50, 50), 100, 50, r);
  EXPECT_EQ(r, TRect(0, 0, 50, 25));
  fcFitRect(TRect(0, 0, 50, 50), 50, 100, r);
  EXPECT_EQ(r, TRect(0, 0, 25, 50));
  fcFitRectCentered(TRect(10, 10, 60, 60), 100, 50, r);
  EXPECT_EQ(r, TRect(10, 22, 60, 47));
  fcFitRectCentered(TRect(0, 0, 51, 50), 50, 100, r);
  EXPECT_EQ(r, TRect(13, 0, 38, 50));
}

TEST(fcRect, EmptyRectangleOrPictureFitsToNothing) {
  TRect r(1, 2, 3, 4);
  fcFitRect(TRect(5, 6, 5, 40), 10, 10, r);
  EXPECT_EQ(r, TRect(5, 6, 5, 6));
  fcFitRect(TRect(0, 0, 50, 50), 0, 10, r);
  EXPECT_TRUE(r.IsEmpty());
  fcFitRectCentered(TRect(0, 0, 0, 0), 10, 10, r);
  EXPECT_TRUE(r.IsEmpty());
}

TEST(fcTile, CoversTheAreaFromItsOrigin) {
  auto pts = fcTilePoints(10, 8, 25, 9);
  ASSERT_EQ(pts.size(), 6u);
  EXPECT_EQ(pts[0], TPoint(0, 0));
  EXPECT_EQ(pts[2], TPoint(20, 0));
  EXPECT_EQ(pts[5], TPoint(20, 8));
  EXPECT_TRUE(fcTilePoints(0, 8, 25, 9).empty());
  EXPECT_TRUE(fcTilePoints(8, 0, 25, 9).empty());
}

TEST(fcDottedLine, EveryOtherPixel) {
  auto pts = fcDottedLinePoints(TPoint(0, 0), TPoint(0, 6));
  ASSERT_EQ(pts.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(pts[i], TPoint(0, 2 * i));
  pts = fcDottedLinePoints(TPoint(3, 1), TPoint(3, 1));
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_EQ(pts[0], TPoint(3, 1));
}

TEST(fcFlags, SetAndClear) {
  uint32_t f = 0x10;
  fcSetFlag(true, f, 0x3);
  EXPECT_EQ(f, 0x13u);
  fcSetFlag(false, f, 0x11);
  EXPECT_EQ(f, 0x2u);
}

TEST(fcText, StringsIndexIgnoresCase) {
  TStringList list;
  list.Add(L"Alpha");
  list.Add(L"beta");
  list.Add(L"BETA");
  EXPECT_EQ(fcStringsIndexOfText(&list, L"BeTa"), 1);
  EXPECT_EQ(fcStringsIndexOfText(&list, L"alpha"), 0);
  EXPECT_EQ(fcStringsIndexOfText(&list, L"gamma"), -1);
}
