// Samples of the skinned labels and bevels for one column of the skinned
// controls page.
#include "demo/SkinSamples.h"
#include "skinctrls/SkinLabels.h"

namespace {

TspSkinStdLabel* StdLabel(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, const String& Caption) {
  auto* label = PlaceSkinned<TspSkinStdLabel>(Parent, SkinData, X, Y, kSampleColumnWidth - 2 * X, 18);
  label->SetCaption(Caption);
  return label;
}

TspSkinButtonLabel* ButtonLabel(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int H,
                                const String& Caption) {
  auto* label = PlaceSkinned<TspSkinButtonLabel>(Parent, SkinData, X, Y, 140, H);
  label->SetCaption(Caption);
  label->SetMargin(0);
  return label;
}

// Two 16 x 16 frames: a blue disc, and the same disc in grey for the
// disabled look; white is the strip's transparent colour.
void DrawDiscGlyph(TBitmap* Strip) {
  Strip->SetSize(32, 16);
  TCanvas* c = Strip->Canvas();
  c->Brush()->SetColor(clWhite);
  c->FillRect(TRect(0, 0, 32, 16));
  c->Pen()->SetColor(clNavy);
  c->Brush()->SetColor(MakeColor(60, 120, 220));
  c->Ellipse(2, 2, 14, 14);
  c->Pen()->SetColor(clGray);
  c->Brush()->SetColor(clSilver);
  c->Ellipse(18, 2, 30, 14);
}

}  // namespace

int BuildLabelSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;
  StdLabel(Parent, SkinData, X, Y, L"Standard label \x6807\x51C6\x6807\x7B7E");
  StdLabel(Parent, SkinData, X, Y + 20, L"Disabled label \x7981\x7528\x7684\x6807\x7B7E")->SetEnabled(false);
  auto* end = StdLabel(Parent, SkinData, X, Y + 40, L"An end ellipsis cuts a caption that is far too long for its place");
  end->SetAutoSize(false);
  end->SetWidth(w - 60);
  end->SetEllipsType(spetEndEllips);
  auto* path = StdLabel(Parent, SkinData, X, Y + 60, L"C:\\Program Files\\Gallery\\Skins\\Deeper\\Default.skn");
  path->SetAutoSize(false);
  path->SetWidth(w - 60);
  path->SetShowAccelChar(false);
  path->SetEllipsType(spetPathEllips);
  StdLabel(Parent, SkinData, X, Y + 80, L"\x5207\x6362\x76AE\x80A4\x540E\x6807\x7B7E\x4F1A\x91CD\x65B0\x8BFB\x53D6\x5B57\x4F53");

  TBitmap glyph;
  DrawDiscGlyph(&glyph);
  for (int i = 0; i < 2; ++i) {
    auto* label = ButtonLabel(Parent, SkinData, X + i * 150, Y + 104, 24,
                              i == 0 ? L"Glyph \x56FE\x6807" : L"Disabled \x7981\x7528");
    label->SetGlyph(&glyph);
    label->SetNumGlyphs(2);
    label->SetSpacing(4);
    label->SetEnabled(i == 0);
  }
  auto* web = ButtonLabel(Parent, SkinData, X, Y + 130, 24, L"Web link \x7F51\x9875\x94FE\x63A5");
  web->SetWebStyle(true);
  web->SetCursor(crHandPoint);
  auto* glow = ButtonLabel(Parent, SkinData, X + 150, Y + 126, 32, L"Glow \x53D1\x5149");
  glow->SetMargin(-1);
  glow->SetGlowEffect(true);
  glow->SetGlowSize(5);
  glow->SetDoubleBuffered(true);

  // Bevels: lowered box, raised box, frame, a top line and a spacer's place.
  const TBevelShape shapes[] = {bsBox, bsBox, bsFrame, bsTopLine, bsLeftLine};
  for (int i = 0; i < 5; ++i) {
    auto* bevel = PlaceSkinned<TspSkinBevel>(Parent, SkinData, X + i * 58, Y + 164, 50, 30);
    bevel->SetShape(shapes[i]);
    if (i == 1) bevel->SetStyle(bsRaised);
  }
  auto* divider = PlaceSkinned<TspSkinBevel>(Parent, SkinData, X, Y + 198, w, 10);
  divider->SetShape(bsTopLine);
  divider->SetDividerMode(true);
  return Y + 208;
}
