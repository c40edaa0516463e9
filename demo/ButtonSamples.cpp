// Gallery samples of the skinned buttons, check and radio boxes and speed
// buttons in every state.
#include <climits>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"
#include "demo/SkinSamples.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinRadioGroup.h"
#include "skinctrls/SkinSpeedButton.h"

namespace {

// The skin is applied once each sample is set up (a full-skin check box
// takes the skin's size only when it is bound as such).
struct TSkinBinder {
  explicit TSkinBinder(TspSkinData* Data) : SkinData(Data) {}
  TspSkinData* SkinData;
  std::vector<TspSkinControl*> Windowed;
  std::vector<TspGraphicSkinControl*> Windowless;
  ~TSkinBinder() {
    for (auto* c : Windowed) c->SetSkinData(SkinData);
    for (auto* c : Windowless) c->SetSkinData(SkinData);
  }
  void Add(TspSkinControl* C) { Windowed.push_back(C); }
  void Add(TspGraphicSkinControl* C) { Windowless.push_back(C); }
};

template <class T>
T* Sample(TWinControl* Parent, TSkinBinder& Binder, int X, int Y, int W, int H, const String& Caption) {
  T* c = Place<T>(Parent, X, Y, W, H);
  c->SetCaption(Caption);
  c->DefaultFont()->SetName(kChineseFont);
  Binder.Add(c);
  return c;
}

// A bold heading in the text colour of the column's skin, which reads on
// the skin's panels (the system's window text would not, on a dark skin).
void Heading(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, const String& Text) {
  auto* label = Place<TspSkinStdLabel>(Parent, X, Y, 280, 18);
  label->SetUseSkinFont(false);
  label->Font()->SetStyle({fsBold});
  label->SetTransparent(true);
  label->SetCaption(Text);
  label->SetSkinData(SkinData);
}

// A strip of four 16 x 16 frames on fuchsia: normal, disabled, pressed, hot.
void MakeGlyph(TBitmap* Glyph) {
  const TColor fills[] = {MakeColor(40, 120, 200), MakeColor(160, 160, 160), MakeColor(20, 70, 140),
                          MakeColor(240, 150, 30)};
  Glyph->SetSize(64, 16);
  TCanvas* c = Glyph->Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(TRect(0, 0, 64, 16));
  for (int i = 0; i < 4; ++i) {
    c->Brush()->SetColor(fills[i]);
    c->Pen()->SetColor(fills[i]);
    c->Ellipse(i * 16 + 2, 2, i * 16 + 14, 14);
    c->Brush()->SetColor(clWhite);
    c->FillRect(TRect(i * 16 + 7, 5, i * 16 + 9, 11));
    c->FillRect(TRect(i * 16 + 5, 7, i * 16 + 11, 9));
  }
}

}  // namespace

int BuildButtonSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  TSkinBinder binder{SkinData};
  Heading(Parent, SkinData, X, Y, L"Buttons \x6309\x94AE");
  Y += 22;
  // Each caption with room to spare inside the column's 278 pixels.
  Sample<TspSkinButton>(Parent, binder, X, Y, 86, 26, L"Normal \x666E\x901A");
  auto* def = Sample<TspSkinButton>(Parent, binder, X + 90, Y, 86, 26, L"&Default \x9ED8\x8BA4");
  def->SetDefault(true);
  auto* disabled = Sample<TspSkinButton>(Parent, binder, X + 180, Y, 98, 26, L"Disabled \x7981\x7528");
  disabled->SetEnabled(false);
  Y += 32;
  TBitmap glyph;
  MakeGlyph(&glyph);
  auto* withGlyph = Sample<TspSkinButton>(Parent, binder, X, Y, 120, 30, L"Glyph \x56FE\x6807");
  withGlyph->SetGlyph(&glyph);
  withGlyph->SetNumGlyphs(4);
  auto* glyphTop = Sample<TspSkinButton>(Parent, binder, X + 126, Y, 70, 44, L"Top \x4E0A");
  glyphTop->SetGlyph(&glyph);
  glyphTop->SetNumGlyphs(4);
  glyphTop->SetLayout(blGlyphTop);
  auto* down = Sample<TspSkinButton>(Parent, binder, X + 198, Y, 80, 30, L"Down \x6309\x4E0B");
  down->SetGroupIndex(7);
  down->SetDown(true);
  Y += 52;

  Heading(Parent, SkinData, X, Y, L"Check boxes \x590D\x9009\x6846");
  Y += 22;
  auto* checked = Sample<TspSkinCheckRadioBox>(Parent, binder, X, Y, 140, 22, L"Checked \x5DF2\x9009");
  checked->SetChecked(true);
  Sample<TspSkinCheckRadioBox>(Parent, binder, X + 145, Y, 140, 22, L"Unchecked \x672A\x9009");
  Y += 24;
  auto* grayed = Sample<TspSkinCheckRadioBox>(Parent, binder, X, Y, 140, 22, L"Grayed \x4E0D\x5B9A");
  grayed->SetAllowGrayed(true);
  grayed->SetState(cbGrayed);
  auto* off = Sample<TspSkinCheckRadioBox>(Parent, binder, X + 145, Y, 140, 22, L"Disabled \x7981\x7528");
  off->SetChecked(true);
  off->SetEnabled(false);
  Y += 24;
  auto* full = Sample<TspSkinCheckRadioBox>(Parent, binder, X, Y, 140, 22, L"Full skin \x5168\x76AE\x80A4");
  full->SetFlat(false);
  full->SetChecked(true);
  auto* wrap = Sample<TspSkinCheckRadioBox>(Parent, binder, X + 145, Y, 145, 34,
                                           L"Word wrap \x6362\x884C: two lines of caption");
  wrap->SetWordWrap(true);
  Y += 40;

  Heading(Parent, SkinData, X, Y, L"Radio buttons \x5355\x9009\x6309\x94AE");
  Y += 22;
  const wchar_t* radios[] = {L"One \x4E00", L"Two \x4E8C", L"Three \x4E09"};
  for (int i = 0; i < 3; ++i) {
    auto* r = Sample<TspSkinCheckRadioBox>(Parent, binder, X + i * 95, Y, 90, 22, radios[i]);
    r->SetRadio(true);
    r->SetSkinDataName(L"radiobox");
    r->SetGroupIndex(1);
    if (i == 1) r->SetChecked(true);
  }
  Y += 28;
  auto* radioGroup = Sample<TspSkinRadioGroup>(Parent, binder, X, Y, 285, 84, L"Radio group \x5355\x9009\x7EC4");
  for (const wchar_t* item : {L"North \x5317", L"South \x5357", L"East \x4E1C", L"West \x897F", L"Centre \x4E2D"})
    radioGroup->Items()->Add(item);
  radioGroup->SetColumns(2);
  radioGroup->SetItemIndex(1);
  TFont font;
  font.Assign(radioGroup->ButtonDefaultFont());
  font.SetName(kChineseFont);
  radioGroup->SetButtonDefaultFont(&font);
  Y += 92;

  Heading(Parent, SkinData, X, Y, L"Speed buttons \x5DE5\x5177\x6309\x94AE");
  Y += 22;
  const wchar_t* group[] = {L"B", L"I", L"U"};
  for (int i = 0; i < 3; ++i) {
    auto* s = Sample<TspSkinSpeedButton>(Parent, binder, X + i * 28, Y, 25, 25, group[i]);
    s->SetGroupIndex(1);
    s->SetAllowAllUp(true);
    if (i == 0) s->SetDown(true);
  }
  auto* repeat = Sample<TspSkinSpeedButton>(Parent, binder, X + 92, Y, 60, 25, L"Repeat");
  repeat->SetRepeatMode(true);
  auto* flat = Sample<TspSkinSpeedButton>(Parent, binder, X + 158, Y, 25, 25, L"");
  flat->SetFlat(true);
  flat->SetGlyph(&glyph);
  flat->SetNumGlyphs(4);
  auto* disabledSpeed = Sample<TspSkinSpeedButton>(Parent, binder, X + 188, Y, 25, 25, L"");
  disabledSpeed->SetGlyph(&glyph);
  disabledSpeed->SetNumGlyphs(4);
  disabledSpeed->SetEnabled(false);
  Y += 34;

  // A button as large as the system lets a window be (32767 x 32767), seen
  // through two small windows: its top-left and its bottom-right corner.
  Heading(Parent, SkinData, X, Y, L"The largest button, two corners \x6700\x5927\x6309\x94AE");
  Y += 22;
  constexpr int kViewW = 135, kViewH = 40, kLargest = 32767;
  for (int i = 0; i < 2; ++i) {
    auto* view = Place<TPanel>(Parent, X + i * (kViewW + 10), Y, kViewW, kViewH);
    view->SetBevelOuter(bvNone);
    const int offset = i ? -kLargest : 0;
    Sample<TspSkinButton>(view, binder, offset + i * kViewW, offset + i * kViewH, INT_MAX, INT_MAX, L"");
  }
  return Y + kViewH + 6;
}
