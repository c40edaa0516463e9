// Fonts, pens, brushes and the canvas, checked through pixels of a bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "classlib/Graphics.h"
#include "classlib/GuiCounts.h"
#include "classlib/TextCodec.h"

namespace {

// A 24-bit bitmap filled white, to draw on and read back.
struct Surface {
  TBitmap bmp;
  explicit Surface(int w = 40, int h = 30) {
    bmp.SetSize(w, h);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(Rect(0, 0, w, h));
  }
  TCanvas* c() { return bmp.Canvas(); }
  TColor At(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
};

TEST(ColorTest, SystemColoursResolveOthersPassThrough) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clWindowText), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  // Past 24 bits the top byte carries nothing, unless it names a system colour.
  EXPECT_EQ(ColorToRGB(-1), 0xFFFFFF);
  EXPECT_EQ(ColorToRGB(0x01FFFFFF), 0xFFFFFF);
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF00001Fu)), 0x00001F);
  EXPECT_EQ(clNone, 0x1FFFFFFF);
  EXPECT_EQ(static_cast<uint32_t>(clBtnShadow), 0xFF000010u);
  EXPECT_EQ(static_cast<uint32_t>(clBtnHighlight), 0xFF000014u);
}

TEST(FontTest, SizeAndHeightFollowEachOther) {
  TFont f;
  f.SetPixelsPerInch(96);
  f.SetSize(12);
  EXPECT_EQ(f.Height(), -16);
  f.SetHeight(-11);
  EXPECT_EQ(f.Size(), 8);
}

TEST(FontTest, AssignCopiesAndNotifies) {
  TFont a, b;
  a.SetName(L"Arial");
  a.SetHeight(14);
  a.SetStyle({fsBold, fsUnderline});
  a.SetColor(clRed);
  a.SetCharset(134);
  a.SetOrientation(900);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Name(), L"Arial");
  EXPECT_EQ(b.Height(), 14);
  EXPECT_TRUE(b.Style().Contains(fsBold) && b.Style().Contains(fsUnderline) && !b.Style().Contains(fsItalic));
  EXPECT_EQ(b.Color(), clRed);
  EXPECT_EQ(b.Charset(), 134);
  EXPECT_EQ(b.Orientation(), 900);
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(FontTest, EqualAttributesShareOneHandle) {
  const int before = GdiResourceCount();
  // The system's objects too: the last release deletes the font.
  const int objectsBefore = GdiObjectsInUse();
  ASSERT_GT(objectsBefore, 0);
  {
    TFont a, b;
    b.SetHeight(a.Height());
    EXPECT_EQ(a.Handle(), b.Handle());
    b.SetStyle({fsItalic});
    EXPECT_NE(a.Handle(), b.Handle());
    LOGFONTW lf = {};
    ASSERT_EQ(GetObjectW(b.Handle(), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_EQ(GdiResourceCount(), before + 2);
    EXPECT_EQ(GdiObjectsInUse(), objectsBefore + 2);
  }
  EXPECT_EQ(GdiResourceCount(), before);
  EXPECT_EQ(GdiObjectsInUse(), objectsBefore);
}

TEST(CanvasTest, FillRectPaintsExactlyTheRectangle) {
  Surface s;
  s.c()->Brush()->SetColor(clRed);
  s.c()->FillRect(Rect(5, 5, 10, 8));
  EXPECT_EQ(s.At(5, 5), clRed);
  EXPECT_EQ(s.At(9, 7), clRed);
  EXPECT_EQ(s.At(10, 7), clWhite);
  EXPECT_EQ(s.At(9, 8), clWhite);
  EXPECT_EQ(s.At(4, 5), clWhite);
}

TEST(CanvasTest, LineToLeavesTheEndPointUnpainted) {
  Surface s;
  s.c()->Pen()->SetColor(clBlue);
  s.c()->MoveTo(2, 3);
  s.c()->LineTo(12, 3);
  EXPECT_EQ(s.At(2, 3), clBlue);
  EXPECT_EQ(s.At(11, 3), clBlue);
  EXPECT_EQ(s.At(12, 3), clWhite);
  EXPECT_EQ(s.c()->PenPos(), Point(12, 3));
}

TEST(CanvasTest, RectangleHasPenOutlineAndBrushInside) {
  Surface s;
  s.c()->Pen()->SetColor(clBlack);
  s.c()->Brush()->SetColor(clLime);
  s.c()->Rectangle(Rect(2, 2, 12, 10));
  EXPECT_EQ(s.At(2, 2), clBlack);
  EXPECT_EQ(s.At(11, 9), clBlack);
  EXPECT_EQ(s.At(12, 9), clWhite);
  EXPECT_EQ(s.At(5, 5), clLime);
  // A clear brush leaves the inside alone.
  s.c()->Brush()->SetStyle(bsClear);
  s.c()->Rectangle(Rect(20, 2, 30, 10));
  EXPECT_EQ(s.At(20, 2), clBlack);
  EXPECT_EQ(s.At(25, 5), clWhite);
}

TEST(CanvasTest, XorPenTwiceRestores) {
  Surface s;
  s.c()->Brush()->SetColor(0x336699);
  s.c()->FillRect(Rect(0, 0, 40, 30));
  s.c()->Pen()->SetMode(pmXor);
  s.c()->Pen()->SetColor(clWhite);
  s.c()->MoveTo(0, 5);
  s.c()->LineTo(20, 5);
  EXPECT_EQ(s.At(3, 5), 0x336699 ^ 0xFFFFFF);
  s.c()->MoveTo(0, 5);
  s.c()->LineTo(20, 5);
  EXPECT_EQ(s.At(3, 5), 0x336699);
  s.c()->Pen()->SetMode(pmNot);
  s.c()->MoveTo(0, 6);
  s.c()->LineTo(20, 6);
  EXPECT_EQ(s.At(3, 6), 0x336699 ^ 0xFFFFFF);
}

TEST(CanvasTest, PatternBrushRepeatsItsBitmap) {
  TBitmap pattern;
  pattern.SetSize(8, 8);
  pattern.Canvas()->Brush()->SetColor(clWhite);
  pattern.Canvas()->FillRect(Rect(0, 0, 8, 8));
  pattern.Canvas()->SetPixels(0, 0, clRed);
  Surface s;
  s.c()->Brush()->SetBitmap(&pattern);
  s.c()->FillRect(Rect(0, 0, 24, 16));
  EXPECT_EQ(s.At(0, 0), clRed);
  EXPECT_EQ(s.At(8, 8), clRed);
  EXPECT_EQ(s.At(16, 0), clRed);
  EXPECT_EQ(s.At(1, 0), clWhite);
  s.c()->Brush()->SetBitmap(nullptr);
  s.c()->Brush()->SetColor(clBlue);
  s.c()->FillRect(Rect(0, 0, 24, 16));
  EXPECT_EQ(s.At(0, 0), clBlue);
}

TEST(CanvasTest, ChangedPenIsReselected) {
  Surface s;
  s.c()->Pen()->SetColor(clRed);
  s.c()->MoveTo(0, 0);
  s.c()->LineTo(10, 0);
  s.c()->Pen()->SetColor(clBlue);
  s.c()->MoveTo(0, 1);
  s.c()->LineTo(10, 1);
  EXPECT_EQ(s.At(5, 0), clRed);
  EXPECT_EQ(s.At(5, 1), clBlue);
}

TEST(CanvasTest, Frame3DDrawsNestedEdgesAndShrinksTheRect) {
  Surface s;
  TRect r = Rect(2, 2, 12, 12);
  Frame3D(s.c(), r, clRed, clBlue, 2);
  EXPECT_EQ(r, Rect(4, 4, 10, 10));
  EXPECT_EQ(s.At(2, 2), clRed);
  EXPECT_EQ(s.At(2, 10), clRed);
  EXPECT_EQ(s.At(2, 11), clBlue);  // both far corners belong to the bottom colour
  EXPECT_EQ(s.At(11, 2), clBlue);
  EXPECT_EQ(s.At(11, 11), clBlue);
  EXPECT_EQ(s.At(3, 3), clRed);
  EXPECT_EQ(s.At(10, 10), clBlue);
  EXPECT_EQ(s.At(5, 5), clWhite);
}

TEST(CanvasTest, TextIsDrawnMeasuredAndClipped) {
  Surface s(120, 40);
  s.c()->Font()->SetColor(clBlack);
  s.c()->Font()->SetHeight(-14);
  const String text = L"Ab\x4E2D\x6587";  // Latin and Chinese
  const TSize size = s.c()->TextExtent(text);
  EXPECT_GT(size.cx, 20);
  EXPECT_GT(size.cy, 10);
  s.c()->Brush()->SetStyle(bsClear);
  s.c()->TextOut(2, 2, text);
  int dark = 0;
  for (int y = 2; y < 2 + size.cy; ++y)
    for (int x = 2; x < 2 + size.cx; ++x) dark += s.At(x, y) != clWhite;
  EXPECT_GT(dark, 10);
  EXPECT_EQ(s.c()->PenPos(), Point(2 + size.cx, 2));

  // TextRect paints nothing outside its rectangle and fills it with the brush.
  s.c()->Brush()->SetColor(clYellow);
  s.c()->TextRect(Rect(0, 25, 10, 35), 0, 25, L"WWWWWW");
  EXPECT_EQ(s.At(30, 30), clWhite);
  int yellow = 0;
  for (int x = 0; x < 10; ++x) yellow += s.At(x, 34) == clYellow;
  EXPECT_GT(yellow, 0);
}

// The letters of Text the font selected on DC has no glyph for.
int MissingGlyphs(HDC DC, const String& Text) {
  std::vector<WORD> glyphs(Text.size());
  GetGlyphIndicesW(DC, Text.c_str(), static_cast<int>(Text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  return static_cast<int>(std::count(glyphs.begin(), glyphs.end(), 0xFFFF));
}

// A font whose face is missing, or that has no letters of the text's script
// (the Chinese system font's name resolving to a face without Latin letters,
// a Latin face for Chinese text), draws the text in the default GUI font,
// measured the same; a font with the letters keeps its own face.
TEST(CanvasTest, TextTheFontLacksTheLettersOfIsDrawnInTheDefaultGuiFont) {
  const String latin = L"Saved notes", chinese = L"\x5173\x673A\x63D0\x9192";
  struct TCase {
    const wchar_t* Face;
    TFontCharset Charset;
    String Text;
  };
  const TCase cases[] = {{L"\x5B8B\x4F53", GB2312_CHARSET, latin},
                         {L"Droid Sans Fallback", DEFAULT_CHARSET, latin},
                         {L"NoSuchFace", DEFAULT_CHARSET, chinese},
                         {L"NoSuchFace", DEFAULT_CHARSET, latin}};
  int fellBack = 0;
  for (const TCase& c : cases) {
    SCOPED_TRACE(WideToUtf8(String(c.Face) + L" " + c.Text));
    Surface s(200, 30);
    s.c()->Font()->SetName(c.Face);
    s.c()->Font()->SetCharset(c.Charset);
    s.c()->Font()->SetHeight(-12);
    const TSize plain = s.c()->TextExtent(c.Text);  // the font is selected from here on
    const HDC dc = s.c()->Handle();
    const int missing = MissingGlyphs(dc, c.Text);
    {
      const TTextFontScope face(dc, c.Text.c_str(), static_cast<int>(c.Text.size()));
      EXPECT_EQ(face.FellBack(), missing > 0);
      if (!face.FellBack()) continue;  // this machine's face has the letters
      ++fellBack;
      EXPECT_LT(MissingGlyphs(dc, c.Text), missing);
      SIZE standIn{};
      GetTextExtentPoint32W(dc, c.Text.c_str(), static_cast<int>(c.Text.size()), &standIn);
      EXPECT_EQ(plain, TSize(standIn.cx, standIn.cy)) << "measured in the face it is drawn in";
    }
    EXPECT_EQ(MissingGlyphs(dc, c.Text), missing) << "the canvas has its own font back";
  }
  // The Wine prefixes of the tests link no face to a missing one: at least
  // the Chinese text in a missing face falls back.
  EXPECT_GE(fellBack, 1);
}

TEST(CanvasTest, CopyRectScalesAndHonoursCopyMode) {
  Surface src(4, 4), dst(20, 20);
  src.c()->Brush()->SetColor(clRed);
  src.c()->FillRect(Rect(0, 0, 2, 4));
  dst.c()->CopyRect(Rect(0, 0, 8, 8), src.c(), Rect(0, 0, 4, 4));
  EXPECT_EQ(dst.At(3, 7), clRed);
  EXPECT_EQ(dst.At(4, 0), clWhite);
  EXPECT_EQ(dst.At(8, 0), clWhite);
  dst.c()->SetCopyMode(cmNotSrcCopy);
  dst.c()->CopyRect(Rect(10, 10, 14, 14), src.c(), Rect(0, 0, 4, 4));
  EXPECT_EQ(dst.At(10, 10), 0xFFFF00);  // not red
  EXPECT_EQ(dst.At(13, 13), clBlack);   // not white
}

TEST(CanvasTest, ClipRectAndPixels) {
  Surface s(16, 8);
  EXPECT_EQ(s.c()->ClipRect(), Rect(0, 0, 16, 8));
  s.c()->SetPixels(3, 4, clFuchsia);
  EXPECT_EQ(s.At(3, 4), clFuchsia);
  EXPECT_EQ(s.At(100, 100), clNone);
}

TEST(CanvasTest, CanvasWithoutDeviceContextRefusesToDraw) {
  TCanvas canvas;
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

}  // namespace
