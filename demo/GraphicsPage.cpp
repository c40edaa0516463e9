// Page 1: what the canvas, bitmaps and image lists of the class library draw.
#include "demo/GalleryPages.h"

namespace {

// Four 24 x 24 glyphs side by side on fuchsia: square, disc, triangle, cross.
void MakeGlyphStrip(TBitmap& Strip) {
  Strip.SetSize(96, 24);
  TCanvas* c = Strip.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 96, 24));
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(0x2080E0);
  c->Rectangle(3, 3, 21, 21);
  c->Brush()->SetColor(0x30A040);
  c->Ellipse(27, 3, 45, 21);
  c->Brush()->SetColor(0xC06020);
  c->Polygon({Point(60, 2), Point(70, 21), Point(50, 21)});
  c->Pen()->SetColor(0x2020C0);
  c->Pen()->SetWidth(4);
  c->MoveTo(77, 4);
  c->LineTo(91, 19);
  c->MoveTo(91, 4);
  c->LineTo(77, 19);
  c->Pen()->SetWidth(1);
}

}  // namespace

TGraphicsPage::TGraphicsPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  FPhotoError = LoadGalleryPhoto(FPhoto);
  TBitmap strip;
  MakeGlyphStrip(strip);
  FImages.AddMasked(&strip, clFuchsia);
  FGlyph.SetSize(40, 40);
  TCanvas* g = FGlyph.Canvas();
  g->Brush()->SetColor(clFuchsia);
  g->FillRect(Rect(0, 0, 40, 40));
  g->Brush()->SetColor(0x00A0FF);
  g->Pen()->SetColor(0x004080);
  g->Ellipse(2, 2, 38, 38);
  g->Brush()->SetColor(clWhite);
  g->Ellipse(12, 12, 28, 28);
}

void TGraphicsPage::DrawPage(TCanvas* Canvas) {
  DrawTextSamples(Canvas);
  DrawShapes(Canvas);
  DrawBitmaps(Canvas);
  DrawImageList(Canvas);
}

void TGraphicsPage::DrawTextSamples(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  DrawSectionTitle(c, 16, 12, L"Text");
  c->Font()->SetName(L"Tahoma");
  c->Font()->SetHeight(-13);
  c->Font()->SetColor(clBlack);
  const struct {
    TFontStyles Style;
    const wchar_t* Text;
  } styles[] = {{{}, L"Regular"}, {{fsBold}, L"Bold"}, {{fsItalic}, L"Italic"},
                {{fsUnderline}, L"Underline"}, {{fsStrikeOut}, L"Strike-out"}};
  int x = 16;
  for (const auto& s : styles) {
    c->Font()->SetStyle(s.Style);
    c->TextOut(x, 34, s.Text);
    x += c->TextWidth(s.Text) + 14;
  }
  c->Font()->SetStyle({});
  c->Font()->SetName(kChineseFont);
  c->Font()->SetHeight(-18);
  c->Font()->SetColor(0x006000);
  c->TextOut(16, 56, L"\x4E2D\x6587\x6587\x5B57\xFF1A\x4F60\x597D\xFF0C\x4E16\x754C\xFF01");
  // Opaque text on a brush, clipped to its rectangle.
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clInfoBk);
  c->Font()->SetColor(clInfoText);
  c->Font()->SetName(L"Tahoma");
  c->Font()->SetHeight(-12);
  c->TextRect(Rect(230, 58, 340, 78), 234, 60, L"TextRect clips this long line");
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetOrientation(300);
  c->Font()->SetColor(clMaroon);
  c->TextOut(370, 80, L"Rotated 30\x00B0");
  c->Font()->SetOrientation(0);
}

void TGraphicsPage::DrawShapes(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  const int top = 118;
  DrawSectionTitle(c, 16, top - 22, L"Shapes");
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(0x3C3CC8);
  c->Rectangle(16, top, 86, top + 60);
  c->Brush()->SetColor(0x50A03C);
  c->RoundRect(96, top, 166, top + 60, 18, 18);
  c->Brush()->SetColor(0xC85A3C);
  c->Ellipse(176, top, 246, top + 60);
  c->Brush()->SetColor(clYellow);
  const int sy = top - 2;
  c->Polygon({Point(286, sy), Point(298, sy + 25), Point(324, sy + 28), Point(304, sy + 44), Point(310, sy + 66),
              Point(286, sy + 53), Point(262, sy + 66), Point(268, sy + 44), Point(248, sy + 28),
              Point(274, sy + 25)});
  c->Brush()->SetColor(clTeal);
  c->Brush()->SetStyle(bsDiagCross);
  c->Rectangle(336, top, 406, top + 60);
  c->Brush()->SetStyle(bsSolid);
  c->Pen()->SetStyle(psDash);
  c->Pen()->SetColor(clPurple);
  c->Polyline({Point(416, top + 60), Point(436, top), Point(456, top + 60), Point(476, top)});
  c->Pen()->SetStyle(psSolid);
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(486, top, 556, top + 60));
  TRect r = Rect(492, top + 6, 550, top + 54);
  Frame3D(c, r, clBtnHighlight, clBtnShadow, 2);
  // An XOR pen shows the colours under it inverted.
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetWidth(3);
  c->MoveTo(16, top + 30);
  c->LineTo(556, top + 30);
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetWidth(1);
}

void TGraphicsPage::DrawBitmaps(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  const int top = 224;
  DrawSectionTitle(c, 16, top - 22, L"BMP file: as it is, stretched twice; a glyph opaque and transparent");
  if (FPhoto.Empty()) {
    c->Font()->SetColor(clRed);
    c->TextOut(16, top, FPhotoError);
  } else {
    c->Draw(16, top, &FPhoto);
    c->StretchDraw(Bounds(126, top, FPhoto.Width() * 2, FPhoto.Height() * 2), &FPhoto);
  }
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(0xE0E0E0);
  c->FillRect(Rect(400, top, 500, top + 64));
  FGlyph.SetTransparent(false);
  c->Draw(410, top + 12, &FGlyph);
  FGlyph.SetTransparent(true);
  c->Draw(455, top + 12, &FGlyph);
}

void TGraphicsPage::DrawImageList(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  const int left = 600, top = 224;
  DrawSectionTitle(c, left, top - 22, L"Image list: enabled, disabled");
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(left, top, left + 170, top + 68));
  for (int i = 0; i < FImages.Count(); ++i) {
    FImages.Draw(c, left + 8 + i * 40, top + 6, i, true);
    FImages.Draw(c, left + 8 + i * 40, top + 38, i, false);
  }
}
