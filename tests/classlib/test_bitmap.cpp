// TBitmap: DIB sections, formats, files, transparency, and handle hygiene.
#include <gtest/gtest.h>

#include <cstring>

#include "classlib/BmpCodec.h"
#include "classlib/Graphics.h"
#include "classlib/GuiCounts.h"
#include "classlib/KeyedBlt.h"
#include "classlib/MemoryDCs.h"

namespace {

String TempFile(const String& name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return String(dir) + name;
}

void Fill(TBitmap& b, TColor c) {
  b.Canvas()->Brush()->SetColor(c);
  b.Canvas()->FillRect(Rect(0, 0, b.Width(), b.Height()));
}

// A small picture with distinct pixels in every corner.
void Paint(TBitmap& b) {
  Fill(b, clWhite);
  b.Canvas()->SetPixels(0, 0, clRed);
  b.Canvas()->SetPixels(b.Width() - 1, 0, clLime);
  b.Canvas()->SetPixels(0, b.Height() - 1, clBlue);
  b.Canvas()->SetPixels(b.Width() - 1, b.Height() - 1, clBlack);
}

TEST(BitmapTest, NewBitmapIsA24BitSectionWithScanLines) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  b.SetSize(5, 3);
  EXPECT_FALSE(b.Empty());
  Paint(b);
  auto* top = static_cast<uint8_t*>(b.ScanLine(0));
  EXPECT_EQ(top[2], 255);  // red, stored blue-green-red
  EXPECT_EQ(top[0], 0);
  auto* bottom = static_cast<uint8_t*>(b.ScanLine(2));
  EXPECT_EQ(bottom[0], 255);  // blue
  EXPECT_THROW(b.ScanLine(3), EInvalidGraphic);
  EXPECT_THROW(b.ScanLine(-1), EInvalidGraphic);
  // Writing through ScanLine shows on the canvas.
  bottom[3] = 0x11;
  bottom[4] = 0x22;
  bottom[5] = 0x33;
  EXPECT_EQ(b.Canvas()->Pixels(1, 2), 0x112233);
}

TEST(BitmapTest, SetSizeKeepsTheOverlap) {
  TBitmap b;
  b.SetSize(4, 4);
  Paint(b);
  b.SetSize(8, 2);
  EXPECT_EQ(b.Width(), 8);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(3, 0), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(6, 1), clBlack);  // new area
}

TEST(BitmapTest, FileRoundTripForEveryFormatWithAChineseName) {
  const String name = TempFile(L"\x4F4D\x56FE\x6D4B\x8BD5.bmp");  // Chinese file name
  for (TPixelFormat pf : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
    TBitmap b;
    b.SetPixelFormat(pf);
    b.SetSize(13, 7);
    Paint(b);
    if (pf == pf32bit) static_cast<uint8_t*>(b.ScanLine(3))[3] = 0x7F;  // alpha survives
    b.SaveToFile(name);
    TBitmap c;
    c.LoadFromFile(name);
    EXPECT_EQ(c.PixelFormat(), pf);
    ASSERT_EQ(c.Width(), 13);
    ASSERT_EQ(c.Height(), 7);
    EXPECT_EQ(c.ColorTable(), b.ColorTable());
    const int bits = pf == pf1bit ? 1 : pf == pf4bit ? 4 : pf == pf8bit ? 8 : pf == pf24bit ? 24 : 32;
    for (int y = 0; y < 7; ++y)
      EXPECT_EQ(0, std::memcmp(b.ScanLine(y), c.ScanLine(y), (13 * bits + 7) / 8))
          << "format " << pf << " row " << y;
    EXPECT_EQ(c.Canvas()->Pixels(0, 6), pf == pf1bit ? clBlack : clBlue);
  }
  EXPECT_TRUE(DeleteFile(name));
}

TEST(BitmapTest, CheckedBmpDecodesStraightIntoTheSection) {
  for (TPixelFormat pf : {pf1bit, pf8bit, pf24bit, pf32bit}) {
    TBitmap b;
    b.SetPixelFormat(pf);
    b.SetSize(13, 7);
    Paint(b);
    TMemoryStream file;
    b.SaveToStream(&file);
    TBmpView view;
    ParseBmp(file.Memory(), static_cast<size_t>(file.Size()), view);
    TBitmap c;
    c.LoadFromBmpView(view);
    EXPECT_EQ(c.PixelFormat(), pf);
    ASSERT_EQ(c.Width(), 13);
    ASSERT_EQ(c.Height(), 7);
    EXPECT_EQ(c.ColorTable(), b.ColorTable());
    for (int y = 0; y < 7; ++y)
      EXPECT_EQ(0, std::memcmp(b.ScanLine(y), c.ScanLine(y), static_cast<size_t>(view.RowBytes())))
          << "format " << pf << " row " << y;
    EXPECT_EQ(c.Canvas()->Pixels(0, 0), pf == pf1bit ? clBlack : clRed);
  }
}

TEST(BitmapTest, MalformedDataLeavesTheBitmapAlone) {
  TBitmap b;
  b.SetSize(3, 3);
  Paint(b);
  TMemoryStream good;
  b.SaveToStream(&good);
  std::vector<uint8_t> bytes = good.Bytes();
  bytes[18] = 0;  // width 0
  bytes[19] = 0;
  TMemoryStream bad;
  bad.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  bad.SetPosition(0);
  TBitmap target;
  target.SetSize(2, 2);
  Fill(target, clYellow);
  try {
    target.LoadFromStream(&bad);
    FAIL() << "bad bitmap accepted";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message().find(L"empty"), String::npos);
  }
  EXPECT_EQ(target.Width(), 2);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clYellow);
  EXPECT_THROW(target.LoadFromFile(TempFile(L"no such file.bmp")), EFOpenError);
}

TEST(BitmapTest, BackToBackBitmapsInOneStream) {
  TBitmap a, b;
  a.SetSize(4, 2);
  Fill(a, clRed);
  b.SetPixelFormat(pf1bit);
  b.SetSize(9, 3);
  Paint(b);
  TMemoryStream s;
  a.SaveToStream(&s);
  b.SaveToStream(&s);
  s.SetPosition(0);
  TBitmap x, y;
  x.LoadFromStream(&s);
  y.LoadFromStream(&s);
  EXPECT_EQ(s.Position(), s.Size());
  EXPECT_EQ(x.Width(), 4);
  EXPECT_EQ(x.Canvas()->Pixels(3, 1), clRed);
  EXPECT_EQ(y.PixelFormat(), pf1bit);
  EXPECT_EQ(y.Width(), 9);
  EXPECT_EQ(y.Canvas()->Pixels(0, 0), clBlack);  // red is not the brush colour
  EXPECT_EQ(y.Canvas()->Pixels(4, 1), clWhite);
}

TEST(BitmapTest, MonochromeTakesTheBrushColourAsWhite) {
  TBitmap b;
  b.SetSize(3, 1);
  b.Canvas()->SetPixels(0, 0, clRed);
  b.Canvas()->SetPixels(1, 0, clFuchsia);
  b.Canvas()->SetPixels(2, 0, clWhite);
  b.Canvas()->Brush()->SetColor(clFuchsia);
  b.SetMonochrome(true);
  EXPECT_TRUE(b.Monochrome());
  EXPECT_EQ(b.PixelFormat(), pf1bit);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), clWhite);
  EXPECT_EQ(b.Canvas()->Pixels(2, 0), clBlack);
  // Back to colour: black takes the font colour, white the brush colour.
  b.Canvas()->Font()->SetColor(clBlue);
  b.Canvas()->Brush()->SetColor(clYellow);
  b.SetMonochrome(false);
  EXPECT_FALSE(b.Monochrome());
  EXPECT_EQ(b.PixelFormat(), pfDevice);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), clYellow);
  EXPECT_THROW(b.ScanLine(0), EInvalidGraphic);
  // A device bitmap still saves, as 24 bits.
  TMemoryStream s;
  b.SaveToStream(&s);
  s.SetPosition(0);
  TBitmap c;
  c.LoadFromStream(&s);
  EXPECT_EQ(c.PixelFormat(), pf24bit);
  EXPECT_EQ(c.Canvas()->Pixels(1, 0), clYellow);
}

TEST(BitmapTest, PaletteFormatsMapToTheNearestColour) {
  TBitmap b;
  b.SetSize(2, 1);
  b.Canvas()->SetPixels(0, 0, 0x0000FE);  // nearly red
  b.Canvas()->SetPixels(1, 0, clNavy);
  b.SetPixelFormat(pf4bit);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), clNavy);
  EXPECT_EQ(b.ColorTable().size(), 16u);
  // A new colour table recolours the pixels through their indexes.
  std::vector<uint32_t> table = b.ColorTable();
  table[9] = 0x00FF00;  // the red entry becomes green
  b.SetColorTable(table);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clLime);
  EXPECT_EQ(b.ColorTable()[9], 0x00FF00u);
  TBitmap rgb;
  rgb.SetSize(1, 1);
  EXPECT_THROW(rgb.SetColorTable(table), EInvalidGraphic);
}

TEST(BitmapTest, TransparentDrawSkipsTheKeyColour) {
  TBitmap glyph;
  glyph.SetSize(4, 4);
  Fill(glyph, clFuchsia);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
  TBitmap dest;
  dest.SetSize(10, 10);
  Fill(dest, clBlue);

  dest.Canvas()->Draw(0, 0, &glyph);  // opaque
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clFuchsia);

  Fill(dest, clBlue);
  glyph.SetTransparent(true);
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);  // bottom-left pixel
  dest.Canvas()->Draw(2, 2, &glyph);
  EXPECT_EQ(dest.Canvas()->Pixels(2, 2), clBlue);
  EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clRed);
  EXPECT_EQ(dest.Canvas()->Pixels(5, 5), clBlue);

  // A fixed colour wins over the corner pixel.
  glyph.SetTransparentColor(clRed);
  EXPECT_EQ(glyph.TransparentMode(), tmFixed);
  Fill(dest, clBlue);
  dest.Canvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clFuchsia);
  EXPECT_EQ(dest.Canvas()->Pixels(1, 1), clBlue);
}

TEST(BitmapTest, StretchDrawScales) {
  TBitmap src;
  src.SetSize(2, 2);
  Paint(src);
  TBitmap dest;
  dest.SetSize(8, 8);
  Fill(dest, clYellow);
  dest.Canvas()->StretchDraw(Rect(0, 0, 8, 8), &src);
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clRed);
  EXPECT_EQ(dest.Canvas()->Pixels(4, 0), clLime);
  EXPECT_EQ(dest.Canvas()->Pixels(7, 7), clBlack);
  EXPECT_EQ(dest.Canvas()->Pixels(0, 4), clBlue);
}

TEST(BitmapTest, AssignMakesAnIndependentCopy) {
  TBitmap a;
  a.SetPixelFormat(pf8bit);
  a.SetSize(3, 3);
  Paint(a);
  a.SetTransparent(true);
  a.SetTransparentColor(clLime);
  TBitmap b;
  b.Assign(&a);
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clLime);
  Fill(a, clBlack);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(BitmapTest, HandleCanBeSelectedElsewhereAndTheCanvasStillDraws) {
  TBitmap b;
  b.SetSize(4, 4);
  Fill(b, clWhite);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, b.Handle());
  ASSERT_NE(old, nullptr);
  SetPixelV(dc, 1, 1, RGB(255, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  Fill(b, clGreen);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clGreen);
}

TEST(BitmapTest, SetHandleAdoptsSectionsAndConvertsDeviceBitmaps) {
  HDC screen = GetDC(nullptr);
  HBITMAP ddb = CreateCompatibleBitmap(screen, 5, 4);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, ddb);
  SetPixelV(dc, 2, 3, RGB(10, 20, 30));
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);

  TBitmap b;
  b.SetHandle(ddb);
  EXPECT_EQ(GetObjectType(ddb), 0u);  // copied into a section, then freed
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Canvas()->Pixels(2, 3), static_cast<TColor>(RGB(10, 20, 30)));

  HBITMAP given = b.ReleaseHandle();
  EXPECT_TRUE(b.Empty());
  TBitmap c;
  c.SetHandle(given);  // a bottom-up 24-bit section is taken as it is
  EXPECT_EQ(c.Handle(), given);
  EXPECT_EQ(c.Canvas()->Pixels(2, 3), static_cast<TColor>(RGB(10, 20, 30)));
}

TEST(BitmapTest, ThousandsOfCreateAndFreeCyclesLeakNoHandles) {
  const int before = GdiObjectsInUse();
  const int sharedBefore = GdiResourceCount();
  TBitmap surface;
  surface.SetSize(8, 8);
  for (int i = 0; i < 10000; ++i) {
    HBITMAP handle;
    HFONT font;
    HBRUSH brush;
    {
      TBitmap b;
      b.SetSize(1 + i % 50, 1 + i % 7);
      b.Canvas()->Font()->SetHeight(-8 - i % 300);
      b.Canvas()->Brush()->SetColor(static_cast<TColor>(i * 2654435761u & 0xFFFFFF));
      b.Canvas()->TextOut(0, 0, L"x");
      b.Canvas()->FillRect(Rect(0, 0, 1, 1));
      surface.Canvas()->Draw(0, 0, &b);
      font = b.Canvas()->Font()->Handle();
      brush = b.Canvas()->Brush()->Handle();
      handle = b.Handle();
    }
    // Freed at once, before anything new could reuse the handle values.
    ASSERT_EQ(GetObjectType(handle), 0u) << "bitmap of cycle " << i;
    ASSERT_EQ(GetObjectType(font), 0u) << "font of cycle " << i;
    ASSERT_EQ(GetObjectType(brush), 0u) << "brush of cycle " << i;
  }
  EXPECT_EQ(GdiResourceCount(), sharedBefore);
  EXPECT_LE(GdiObjectsInUse(), before + 2);
}

// While spares are held, a canvas's DC is kept for the next bitmap, which
// finds it as new whatever the last one left selected or set; the last hold's
// end frees the spares.
TEST(BitmapTest, SpareDCsComeBackCleanAndGoWithTheLastHold) {
  const int before = GdiObjectsInUse();
  HoldSpareMemoryDCs();
  HoldSpareMemoryDCs();
  {
    TBitmap first;
    first.SetSize(6, 6);
    HDC dc = first.Canvas()->Handle();
    first.Canvas()->Font()->SetHeight(-30);
    first.Canvas()->TextOut(0, 0, L"x");
    SetWindowOrgEx(dc, 3, 3, nullptr);
    IntersectClipRect(dc, 0, 0, 1, 1);
    SetTextColor(dc, RGB(1, 2, 3));
    SaveDC(dc);  // left unbalanced
  }
  EXPECT_EQ(SpareMemoryDCs(), 1);
  TBitmap second;
  second.SetSize(4, 4);
  HDC dc = second.Canvas()->Handle();
  EXPECT_EQ(SpareMemoryDCs(), 0);
  POINT origin;
  GetWindowOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  // No clip left over: a fill reaches every pixel, on this bitmap's own pixels.
  second.Canvas()->Brush()->SetColor(clRed);
  second.Canvas()->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(second.Canvas()->Pixels(3, 3), clRed);
  second.Handle();  // the canvas lets go of its DC
  EXPECT_EQ(SpareMemoryDCs(), 1);
  ReleaseSpareMemoryDCs();
  EXPECT_EQ(SpareMemoryDCs(), 1);  // one hold is left
  ReleaseSpareMemoryDCs();
  EXPECT_EQ(SpareMemoryDCs(), 0);
  EXPECT_LE(GdiObjectsInUse(), before + 2);  // the second bitmap's section and brush
}

// The kept-surface copy gives TransparentBlt's pixels for every source and
// target format, at sizes that grow and shrink, restores the target's text
// and background colours, and makes no GDI object after its first call.
TEST(BitmapTest, KeyedCopyMatchesTransparentBlt) {
  const COLORREF key = RGB(255, 0, 255);
  uint32_t seed = 7;
  auto noisy = [&](TBitmap& b, TPixelFormat format, int w, int h) {
    b.SetPixelFormat(format);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        seed = seed * 1103515245u + 12345u;
        b.Canvas()->SetPixels(x, y, seed >> 28 < 5 ? static_cast<TColor>(key) : static_cast<TColor>(seed >> 8 & 0xFFFFFF));
      }
  };
  for (const TPixelFormat from : {pf8bit, pf24bit, pf32bit})
    for (const TPixelFormat to : {pf24bit, pf32bit})
      for (const int size : {5, 37, 3}) {
        TBitmap source, mine, theirs;
        noisy(source, from, size + 4, size + 2);
        noisy(mine, to, size + 9, size + 9);
        theirs.Assign(&mine);
        SetTextColor(mine.Canvas()->Handle(), RGB(1, 2, 3));
        SetBkColor(mine.Canvas()->Handle(), RGB(4, 5, 6));
        ASSERT_TRUE(KeyedBlt(mine.Canvas()->Handle(), 3, 2, size, size + 1, source.Canvas()->Handle(), 1, 1, key));
        TransparentBlt(theirs.Canvas()->Handle(), 3, 2, size, size + 1, source.Canvas()->Handle(), 1, 1, size,
                       size + 1, key);
        EXPECT_EQ(GetTextColor(mine.Canvas()->Handle()), RGB(1, 2, 3));
        EXPECT_EQ(GetBkColor(mine.Canvas()->Handle()), RGB(4, 5, 6));
        for (int y = 0; y < mine.Height(); ++y)
          for (int x = 0; x < mine.Width(); ++x)
            ASSERT_EQ(mine.Canvas()->Pixels(x, y), theirs.Canvas()->Pixels(x, y)) << x << "," << y << " size " << size;
      }
  EXPECT_FALSE(KeyedBlt(nullptr, 0, 0, 0, 4, nullptr, 0, 0, key));
  TBitmap source, dest;
  noisy(source, pf24bit, 37, 38);
  dest.SetSize(40, 40);
  HDC to = dest.Canvas()->Handle(), from = source.Canvas()->Handle();
  const int before = GdiObjectsInUse();
  for (int i = 0; i < 500; ++i) KeyedBlt(to, 0, 0, 1 + i % 37, 1 + i % 38, from, 0, 0, key);
  EXPECT_EQ(GdiObjectsInUse(), before);
}

}  // namespace
