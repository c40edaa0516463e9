// The effects page: the gallery photo through the imager's effects and draw
// styles, and custom combos with and without the edit frame. Command line:
// --dropcombo opens the framed combo's list once the page shows.
#include <windows.h>
// windows.h first: shellapi.h builds on it.
#include <shellapi.h>

#include <cwchar>
#include <iterator>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "components/fcImager.h"
#include "components/fcStringCombo.h"
#include "demo/GalleryPages.h"

namespace {

bool DropComboSwitch() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  bool found = false;
  for (int i = 1; i < count; ++i) found |= std::wcscmp(args[i], L"--dropcombo") == 0;
  LocalFree(args);
  return found;
}

struct TEffectSample {
  const wchar_t* Caption;
  std::function<void(TfcImager*)> Apply;
};

class TEffectsPage : public TGalleryPage {
 public:
  explicit TEffectsPage(TComponent* AOwner) : TGalleryPage(AOwner) {
    FPhotoError = LoadGalleryPhoto(FPhoto);
    BuildImagers();
    BuildCombos();
  }
  String ClassName() const override { return L"TEffectsPage"; }

 protected:
  void DrawPage(TCanvas* Canvas) override {
    DrawSectionTitle(Canvas, 16, 10, L"Imager effects \x56FE\x50CF\x6548\x679C");
    for (size_t i = 0; i < FNotes.size(); ++i) DrawNote(Canvas, FNotes[i].X, FNotes[i].Y, FNotes[i].Text);
    if (!FPhotoError.empty()) DrawNote(Canvas, 16, 30, FPhotoError);
    DrawSectionTitle(Canvas, 16, 390, L"Custom combos \x7EC4\x5408\x6846");
    DrawNote(Canvas, 16, 444, L"framed, no border (unfocused: bottom line only)");
    DrawNote(Canvas, 260, 444, L"3-D border, ellipsis button");
    DrawNote(Canvas, 480, 444, L"read-only, hidden button (F4 opens)");
  }

 private:
  struct TNote {
    int X, Y;
    String Text;
  };

  TfcImager* NewImager(int Left, int Top, int Width, int Height) {
    auto* im = Place<TfcImager>(this, Left, Top, Width, Height);
    return im;
  }

  void BuildImagers() {
    const TEffectSample samples[] = {
        {L"original", [](TfcImager*) {}},
        {L"gray scale", [](TfcImager* i) { i->BitmapOptions()->SetGrayScale(true); }},
        {L"embossed", [](TfcImager* i) { i->BitmapOptions()->SetEmbossed(true); }},
        {L"inverted", [](TfcImager* i) { i->BitmapOptions()->SetInverted(true); }},
        {L"lightness 120", [](TfcImager* i) { i->BitmapOptions()->SetLightness(120); }},
        {L"contrast 200", [](TfcImager* i) { i->BitmapOptions()->SetContrast(200); }},
        {L"saturation 0", [](TfcImager* i) { i->BitmapOptions()->SetSaturation(0); }},
        {L"tint blue", [](TfcImager* i) { i->BitmapOptions()->SetTintColor(clBlue); }},
        {L"blur 3", [](TfcImager* i) { i->BitmapOptions()->SetGaussianBlur(3); }},
        {L"sharpen 1", [](TfcImager* i) { i->BitmapOptions()->SetSharpen(1); }},
        {L"sponge 3", [](TfcImager* i) { i->BitmapOptions()->SetSponge(3); }},
        {L"mirrored", [](TfcImager* i) { i->BitmapOptions()->SetHorizontallyFlipped(true); }},
        {L"wave 6/6/4, wrap", [](TfcImager* i) {
           auto* w = i->BitmapOptions()->Wave();
           w->SetXDiv(6);
           w->SetYDiv(6);
           w->SetRatio(4);
           w->SetWrap(true);
         }},
        {L"rotated 30", [](TfcImager* i) { i->BitmapOptions()->Rotation()->SetAngle(30); }},
        {L"colourised orange", [](TfcImager* i) { i->BitmapOptions()->SetColor(MakeColor(255, 160, 60)); }},
    };
    const int columns = 5, w = 110, h = 90, gapX = 20, gapY = 26;
    for (size_t n = 0; n < std::size(samples); ++n) {
      const int x = 16 + static_cast<int>(n % columns) * (w + gapX);
      const int y = 34 + static_cast<int>(n / columns) * (h + gapY);
      TfcImager* im = NewImager(x, y, w, h);
      im->SetDrawStyle(fcds::dsCenter);
      im->SetPicture(&FPhoto);
      samples[n].Apply(im);
      FNotes.push_back({x, y + h + 2, samples[n].Caption});
    }
    // Draw styles of one picture: stretched smoothly, tiled, proportional.
    const struct {
      TfcImagerDrawStyle Style;
      const wchar_t* Caption;
    } styles[] = {{fcds::dsStretch, L"stretched, smooth"},
                  {fcds::dsTile, L"tiled"},
                  {fcds::dsProportionalCenter, L"proportional, centred"}};
    for (int n = 0; n < 3; ++n) {
      const int x = 16 + 5 * (w + gapX) + 10, y = 34 + n * (h + gapY);
      TfcImager* im = NewImager(x, y, 170, h);
      im->SetSmoothStretching(true);
      im->SetDrawStyle(styles[n].Style);
      im->SetPicture(&FPhoto);
      FNotes.push_back({x, y + h + 2, styles[n].Caption});
    }
  }

  TfcStringCombo* NewCombo(int Left, int Top, int Width) {
    auto* c = Place<TfcStringCombo>(this, Left, Top, Width, 21);
    for (const wchar_t* s : {L"Red \x7EA2", L"Green \x7EFF", L"Blue \x84DD", L"Orange", L"Violet", L"Teal",
                             L"Gold", L"Silver", L"Ivory", L"Navy"})
      c->Items()->Add(s);
    return c;
  }

  void BuildCombos() {
    TfcStringCombo* framed = NewCombo(16, 414, 200);
    framed->SetBorderStyle(bsNone);
    framed->Frame()->SetEnabled(true);
    framed->SetText(L"Blue \x84DD");
    TfcStringCombo* plain = NewCombo(260, 414, 180);
    plain->SetButtonStyle(cbsEllipsis);
    plain->SetText(L"Orange");
    TfcStringCombo* fixed = NewCombo(480, 414, 180);
    fixed->SetReadOnly(true);
    fixed->SetShowButton(false);
    fixed->SetText(L"Gold (read-only)");
    if (DropComboSwitch()) DropDownOnceShown(this, framed);
  }

  TBitmap FPhoto;
  String FPhotoError;
  std::vector<TNote> FNotes;
};

}  // namespace

TGalleryPage* NewEffectsPage(TComponent* AOwner) { return new TEffectsPage(AOwner); }
