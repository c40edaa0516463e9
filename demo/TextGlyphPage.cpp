// Page 3: text effects, default marks and glyphs, glyph-and-caption layouts,
// and controls shaped by a mask or glowing on mouse-over.
#include "demo/GalleryControls.h"
#include "demo/GalleryPages.h"
#include "skin/SPUtils_button.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_text.h"

namespace {

// Frame 1 a green disc, frame 2 a blue diamond, on fuchsia.
void MakeGlyphStrip(TBitmap& Strip) {
  Strip.SetSize(32, 16);
  TCanvas* c = Strip.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 32, 16));
  c->Pen()->SetColor(MakeColor(0, 90, 0));
  c->Brush()->SetColor(MakeColor(60, 180, 70));
  c->Ellipse(1, 1, 15, 15);
  c->Pen()->SetColor(MakeColor(0, 40, 120));
  c->Brush()->SetColor(MakeColor(60, 120, 230));
  c->Polygon({Point(24, 1), Point(30, 8), Point(24, 14), Point(18, 8)});
}

void ApplyFont(TCanvas* Canvas, const String& Name, int Height, TColor Color, TFontStyles Style = {}) {
  Canvas->Font()->SetName(Name);
  Canvas->Font()->SetHeight(Height);
  Canvas->Font()->SetColor(Color);
  Canvas->Font()->SetStyle(Style);
  Canvas->Brush()->SetStyle(bsClear);
}

}  // namespace

TTextGlyphPage::TTextGlyphPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  MakeGlyphStrip(FGlyphStrip);
  FImages.AddMasked(&FGlyphStrip, clFuchsia);

  auto* shaped = Place<TShapedControl>(this, 16, 420, 190, 96);
  shaped->SetCaption(L"Shaped \x5F62\x72B6");
  auto* wide = Place<TShapedControl>(this, 226, 436, 300, 64);
  wide->SetCaption(L"The same mask, wider");

  auto* glow = Place<TGlowPanel>(this, 580, 436, 170, 64);
  glow->SetCaption(L"Point here \x6307\x5411\x8FD9\x91CC");
}

void TTextGlyphPage::DrawPage(TCanvas* Canvas) {
  DrawTextEffects(Canvas);
  DrawMarksAndGlyphs(Canvas);
  DrawButtonLayouts(Canvas);
  DrawFittedText(Canvas);
  DrawSectionTitle(Canvas, 16, 396, L"Window regions from a mask, and a glow window beside a control on mouse-over");
}

void TTextGlyphPage::DrawTextEffects(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  DrawSectionTitle(c, 16, 12, L"Glow text, caption glow, reflected text");
  ApplyFont(c, kChineseFont, -26, clWhite, {fsBold});
  DrawGlowText(c, Rect(16, 34, 256, 84), L"Glow \x5149\x6655", DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0,
               MakeColor(0, 120, 255), 6);
  ApplyFont(c, kChineseFont, -22, clBlack);
  DrawGlowCaptionText(c, Rect(280, 40, 500, 78), L"Caption \x6807\x9898", DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                      MakeColor(255, 220, 80));
  ApplyFont(c, kChineseFont, -24, MakeColor(30, 60, 140), {fsBold});
  DrawReflectedText(c, Rect(530, 34, 800, 64), L"Reflected \x5012\x5F71", DT_LEFT | DT_TOP | DT_SINGLELINE, 0,
                    MakeColor(30, 60, 140));
}

void TTextGlyphPage::DrawMarksAndGlyphs(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  const int top = 124;
  DrawSectionTitle(c, 16, top - 22, L"Default marks, arrows and caption-button glyphs");
  DrawCheckMark(c, 18, top + 4, clBlack);
  DrawRadioMark(c, 40, top + 6, clBlack);
  for (int d = 1; d <= 4; ++d) DrawArrowInRect(c, Rect(44 + d * 20, top, 60 + d * 20, top + 16), clBlack, d);
  DrawDropDownArrow(c, Rect(150, top, 166, top + 16), clBlack);
  DrawNote(c, 16, top + 20, L"check, radio, arrows, drop-down");

  using TGlyph = void (*)(TCanvas*, int, int, TColor);
  const struct {
    TGlyph Draw;
    const wchar_t* Name;
  } glyphs[] = {{DrawCloseGlyph, L"close"},       {DrawSysMenuGlyph, L"menu"},   {DrawMinimizeGlyph, L"min"},
                {DrawMaximizeGlyph, L"max"},      {DrawRestoreGlyph, L"restore"}, {DrawRollDownGlyph, L"roll"},
                {DrawTriangleGlyph, L"triangle"}, {DrawSquareGlyph, L"square"}};
  int x = 230;
  for (const auto& glyph : glyphs) {
    glyph.Draw(c, x + 8, top + 2, MakeColor(20, 40, 110));
    DrawNote(c, x, top + 20, glyph.Name);
    x += 52;
  }
  // The glyph a caption button's command shows: normal form, maximized, rolled up.
  DrawNote(c, 660, top - 6, L"commands 0-6: normal,");
  DrawNote(c, 660, top + 6, L"maximized, rolled up");
  for (int command = 0; command <= 6; ++command) {
    const int gx = 660 + command * 18;
    DrawCommandGlyph(c, gx, top + 22, clNavy, command, 0, false);
    DrawCommandGlyph(c, gx, top + 36, clNavy, command, 2, false);
    DrawCommandGlyph(c, gx, top + 50, clNavy, command, 0, true);
  }
}

void TTextGlyphPage::DrawButtonLayouts(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  const int top = 210;
  DrawSectionTitle(c, 16, top - 22, L"Glyph and caption layouts: left, right, above, below; pressed with a bar; glow");
  const wchar_t* captions[] = {L"Left \x5DE6", L"Right \x53F3", L"Above \x4E0A", L"Below \x4E0B"};
  for (int layout = 0; layout < 4; ++layout) {
    const TRect r = Bounds(16 + layout * 112, top, 100, 56);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(MakeColor(232, 234, 240));
    c->FillRect(r);
    ApplyFont(c, kChineseFont, -13, clBlack);
    DrawGlyphAndText(c, r, -1, clRed, false, false, 1, 2, &FGlyphStrip, captions[layout], layout, 4);
  }
  TRect pressed = Bounds(464, top, 100, 56);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(MakeColor(210, 214, 226));
  c->FillRect(pressed);
  ApplyFont(c, kChineseFont, -13, clBlack);
  DrawGlyphAndText(c, pressed, -1, MakeColor(230, 60, 40), true, true, 2, 2, &FGlyphStrip, L"Pressed", 0, 4);
  const TRect images[] = {Bounds(576, top, 100, 26), Bounds(576, top + 30, 100, 26)};
  for (int i = 0; i < 2; ++i) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(MakeColor(232, 234, 240));
    c->FillRect(images[i]);
    ApplyFont(c, kChineseFont, -13, i == 0 ? clBlack : clGray);
    DrawImageAndText(c, images[i], -1, clRed, false, i == 0, false, &FImages, 1, i == 0 ? L"Enabled" : L"Disabled",
                     0, 4);
  }
  ApplyFont(c, kChineseFont, -14, clWhite, {fsBold});
  DrawGlyphAndTextGlow(c, Bounds(690, top, 130, 56), -1, clRed, false, false, 1, 2, &FGlyphStrip,
                       L"Glow \x53D1\x5149", 0, 4, 5, MakeColor(255, 120, 0));
}

void TTextGlyphPage::DrawFittedText(TCanvas* Canvas) {
  TCanvas* c = Canvas;
  const int top = 312;
  DrawSectionTitle(c, 16, top - 22, L"Text fitted to 240, 140 and 70 pixels with an ellipsis");
  const String text = L"Skin GUI \x76AE\x80A4\x754C\x9762\x5E93 gallery";
  int y = top;
  for (int width : {240, 140, 70}) {
    String fitted = text;
    ApplyFont(c, kChineseFont, -14, clBlack);
    FitTextWithEllipsis(c, fitted, width);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(MakeColor(255, 250, 220));
    c->FillRect(Bounds(16, y, width, 20));
    c->Brush()->SetStyle(bsClear);
    c->TextOut(16, y + 1, fitted);
    y += 24;
  }
}
