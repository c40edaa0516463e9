// Page 2: skin image composition, morphs and the inactive effects.
#include <functional>

#include "demo/GalleryPages.h"
#include "skin/SPUtils_compose.h"
#include "skin/speffbmp.h"

namespace {

constexpr int kPieceW = 40, kPieceH = 30, kCorner = 6;

// A frame picture: dark blue border with white dashes, yellow and red
// corners, and a striped client. Its corners are 6 x 6.
void MakePiecePicture(TBitmap& Pic) {
  Pic.SetSize(kPieceW, kPieceH);
  TCanvas* c = Pic.Canvas();
  c->Brush()->SetColor(MakeColor(40, 70, 140));
  c->FillRect(Rect(0, 0, kPieceW, kPieceH));
  c->Brush()->SetColor(MakeColor(230, 235, 245));
  c->FillRect(Rect(6, 6, 34, 24));
  c->Brush()->SetColor(MakeColor(200, 210, 235));
  for (int x = 6; x < 34; x += 4) c->FillRect(Rect(x, 6, x + 2, 24));
  c->Brush()->SetColor(MakeColor(250, 200, 60));
  c->FillRect(Rect(0, 0, 6, 6));
  c->FillRect(Rect(34, 24, 40, 30));
  c->Brush()->SetColor(MakeColor(220, 60, 60));
  c->FillRect(Rect(34, 0, 40, 6));
  c->FillRect(Rect(0, 24, 6, 30));
  c->Brush()->SetColor(clWhite);
  for (int x = 8; x < 32; x += 6) {
    c->FillRect(Rect(x, 2, x + 3, 4));
    c->FillRect(Rect(x, 26, x + 3, 28));
  }
  for (int y = 8; y < 22; y += 5) {
    c->FillRect(Rect(2, y, 4, y + 2));
    c->FillRect(Rect(36, y, 38, y + 2));
  }
}

// The morph target: a diagonal blue-to-orange ramp of the photo's size.
void FillRamp(TspEffectBmp& Bmp) {
  TspPixels24& p = Bmp.Pixels();
  const int span = p.Width + p.Height;
  for (int y = 0; y < p.Height; ++y)
    for (int x = 0; x < p.Width; ++x) {
      uint8_t* px = p.Pixel(x, y);  // blue, green, red
      const int t = 255 * (x + y) / span;
      px[0] = static_cast<uint8_t>(230 - t * 3 / 4);
      px[1] = static_cast<uint8_t>(90 + t / 3);
      px[2] = static_cast<uint8_t>(40 + t * 3 / 4);
    }
}

void DrawLabelled(TCanvas* Canvas, TspEffectBmp& Bmp, int X, int Y, const String& Label) {
  Bmp.Draw(Canvas->Handle(), X, Y);
  DrawNote(Canvas, X, Y + Bmp.Height() + 2, Label);
}

}  // namespace

TCompositionPage::TCompositionPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  MakePiecePicture(FPiecePicture);
  FPhotoError = LoadGalleryPhoto(FPhoto);
}

void TCompositionPage::DrawPage(TCanvas* Canvas) {
  DrawNinePiece(Canvas);
  if (FPhoto.Empty()) {
    DrawNote(Canvas, 16, 230, L"gallery.bmp: " + FPhotoError);
    return;
  }
  DrawMorphs(Canvas);
  DrawInactiveEffects(Canvas);
}

void TCompositionPage::DrawNinePiece(TCanvas* Canvas) {
  DrawSectionTitle(Canvas, 16, 12, L"Nine-piece image: the 40 x 30 picture, then stretched (top) and tiled (bottom)");
  Canvas->Draw(16, 36, &FPiecePicture);
  DrawNote(Canvas, 16, 70, L"design size");
  const TSize sizes[] = {TSize(80, 44), TSize(130, 60), TSize(200, 76), TSize(300, 76)};
  for (int row = 0; row < 2; ++row) {
    const bool stretch = row == 0;
    const int y = 36 + row * 86;
    int x = 100;
    for (const TSize& size : sizes) {
      const int dw = size.cx - kPieceW, dh = size.cy - kPieceH;
      const int r = kPieceW - kCorner, b = kPieceH - kCorner;
      TBitmap image;
      CreateSkinImage(Point(kCorner, kCorner), Point(r, kCorner), Point(kCorner, b), Point(r, b),
                      Rect(kCorner, kCorner, r, b), Point(kCorner, kCorner), Point(r + dw, kCorner),
                      Point(kCorner, b + dh), Point(r + dw, b + dh), Rect(kCorner, kCorner, r + dw, b + dh), &image,
                      &FPiecePicture, Rect(0, 0, kPieceW, kPieceH), size.cx, size.cy, true, stretch, stretch,
                      stretch, stretch, stretch, 0);
      Canvas->Draw(x, y, &image);
      x += size.cx + 14;
    }
  }
}

void TCompositionPage::DrawMorphs(TCanvas* Canvas) {
  TspEffectBmp target(FPhoto.Width(), FPhoto.Height());
  FillRamp(target);
  const int step = FPhoto.Width() + 18;

  DrawSectionTitle(Canvas, 16, 212, L"Morph kinds from the photo to a ramp at k = 0.5");
  using TMorph = void (TspEffectBmp::*)(TspEffectBmp*, double);
  const struct {
    TMorph Morph;
    const wchar_t* Name;
  } kinds[] = {{&TspEffectBmp::Morph, L"default"},          {&TspEffectBmp::MorphGrad, L"gradient"},
               {&TspEffectBmp::MorphLeftGrad, L"left grad"}, {&TspEffectBmp::MorphRightGrad, L"right grad"},
               {&TspEffectBmp::MorphLeftSlide, L"left slide"}, {&TspEffectBmp::MorphRightSlide, L"right slide"},
               {&TspEffectBmp::MorphPush, L"push"}};
  int x = 16;
  for (const auto& kind : kinds) {
    TspEffectBmp image(FPhoto.Handle());
    (image.*kind.Morph)(&target, 0.5);
    DrawLabelled(Canvas, image, x, 234, kind.Name);
    x += step;
  }

  DrawSectionTitle(Canvas, 16, 320, L"Default morph sequence, k = 0, 0.2 ... 1");
  for (int i = 0; i <= 5; ++i) {
    TspEffectBmp image(FPhoto.Handle());
    image.Morph(&target, i * 0.2);
    DrawLabelled(Canvas, image, 16 + i * step, 342, L"k = " + std::to_wstring(i * 2) + L"/10");
  }
}

void TCompositionPage::DrawInactiveEffects(TCanvas* Canvas) {
  DrawSectionTitle(Canvas, 16, 428, L"Inactive effects and the other pixel effects");
  const struct {
    std::function<void(TspEffectBmp&)> Apply;
    const wchar_t* Name;
  } effects[] = {{[](TspEffectBmp&) {}, L"original"},
                 {[](TspEffectBmp& b) { b.ChangeBrightness(0.5); }, L"brightness 0.5"},
                 {[](TspEffectBmp& b) { b.ChangeDarkness(0.4); }, L"darkness 0.4"},
                 {[](TspEffectBmp& b) { b.GrayScale(); }, L"grey scale"},
                 {[](TspEffectBmp& b) { b.AddColorNoise(60); }, L"noise 60"},
                 {[](TspEffectBmp& b) { b.SplitBlur(2); }, L"split blur 2"},
                 {[](TspEffectBmp& b) { b.Invert(); }, L"invert"}};
  int x = 16;
  for (const auto& effect : effects) {
    TspEffectBmp image(FPhoto.Handle());
    effect.Apply(image);
    DrawLabelled(Canvas, image, x, 450, effect.Name);
    x += FPhoto.Width() + 18;
  }
}
