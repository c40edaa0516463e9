// The skinned labels and bevel: fonts and colours from the skin, ellipses and
// embossed disabled text, the button label's hover, press, image and glyph
// states, the bevel's colours and divider, and skin changes that the skinned
// form relays.
#include <gtest/gtest.h>

#include <memory>

#include "../classlib/ControlTestUtils.h"
#include "../classlib/PaintedImage.h"
#include "../skin/SkinTestData.h"
#include "classlib/ColorContrast.h"
#include "skin/SkinForm.h"
#include "skin/SkinStoredSkin.h"
#include "skinctrls/SkinControl.h"
#include "skinctrls/SkinLabels.h"

namespace {

using Rows = std::vector<std::string>;

COLORREF RGBOf(TColor Color) { return static_cast<COLORREF>(ColorToRGB(Color)); }

constexpr COLORREF kBackground = RGB(0, 128, 0);  // clGreen
// Disabled text's shade as it is drawn: moved to read on the background.
COLORREF DisabledOn(TColor Shade) { return static_cast<COLORREF>(ReadableOn(RGBOf(Shade), kBackground)); }
// The colours of the skin below.
constexpr TColor kSkinText = 0x0000FF, kSkinActiveText = 0xFF0000;
constexpr TColor kSkinHighlight = 0x00FFFF, kSkinShadow = 0xFF00FF;
constexpr TColor kSkinLight = 0x00FF00, kSkinDark = 0x800000;

// A skin of the labels' records alone: a large bold label font and bevel
// colours, and button colours unlike any system colour.
std::vector<String> LabelSkinLines() {
  return {L"[VERSION]",        L"skinname=labels",
          L"[SKINCOLORS]",     L"cbtnhighlight=65535",
          L"cbtnshadow=16711935", L"[SKINCONTROLS]",
          L"count=2",          L"0=stdlabel:stdlabel",
          L"1=bevel:bevel",    L"[stdlabel]",
          L"fontname=Arial",   L"fontheight=30",
          L"fontstyle=fsbold", L"fontcolor=255",
          L"activefontcolor=16711680", L"[bevel]",
          L"lightcolor=65280", L"darkcolor=8388608"};
}

void LoadLabelSkin(TspSkinData* Data) {
  TspCompressedStoredSkin stored(nullptr);
  const std::vector<uint8_t> skn = MakeSkn(MakeSkinStream(LabelSkinLines()));
  stored.LoadFromMemory(skn.data(), skn.size());
  Data->LoadCompressedStoredSkin(&stored);
}

// The project's small test skin: a "stdlabel" record, no "bevel" record.
void LoadTestSkin(TspSkinData* Data) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  Data->LoadCompressedStoredSkin(&stored);
}

// A borderless green form at (100, 100) and a skin data component that it owns.
class LabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 320, 200);
    form->SetColor(clGreen);
    skin = new TspSkinData(form);
    form->HandleNeeded();
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  template <class T>
  T* Add(int X, int Y, int W, int H) {
    auto* c = new T(form);
    c->SetParent(form);
    c->SetBounds(X, Y, W, H);
    return c;
  }
  TRect Area(TControl* C) const { return C->BoundsRect(); }

  TForm* form;
  TspSkinData* skin;
};

// ---------------------------------------------------------------------------
// Standard label

TEST_F(LabelTest, AnEmptyCaptionKeepsTheHeightOfOneLine) {
  auto* label = Add<TspSkinStdLabel>(10, 10, 50, 10);
  for (bool skinned : {false, true}) {
    if (skinned) {
      LoadLabelSkin(skin);
      label->SetSkinData(skin);
    }
    label->SetCaption(L"Xy");
    const int oneLine = label->Height();
    EXPECT_GT(oneLine, skinned ? 25 : 10) << skinned;
    label->SetCaption(L"");
    EXPECT_EQ(oneLine, label->Height()) << skinned;
    label->SetCaption(L"&");
    EXPECT_EQ(oneLine, label->Height()) << skinned;
  }
}

TEST_F(LabelTest, FontAndColourComeFromTheRecordUnlessSwitchedOff) {
  auto* label = Add<TspSkinStdLabel>(10, 10, 50, 10);
  label->SetCaption(L"HIH");
  label->Font()->SetHeight(8);
  label->Font()->SetColor(clBlue);
  label->DefaultFont()->SetColor(clYellow);
  label->DefaultFont()->SetStyle({fsBold});
  const int defaultHeight = label->Height();
  {
    TPaintedImage image(form);
    EXPECT_GT(image.Count(Area(label), RGBOf(clYellow)), 0) << "without a skin: the default font";
  }
  label->SetUseSkinFont(false);
  EXPECT_LT(label->Height(), defaultHeight) << "without a skin: the label's own font";

  LoadLabelSkin(skin);
  label->SetUseSkinFont(true);
  label->SetSkinData(skin);
  EXPECT_NE(-1, label->SkinIndex());
  const int skinHeight = label->Height();
  EXPECT_GT(skinHeight, defaultHeight);
  {
    TPaintedImage image(form);
    EXPECT_GT(image.Count(Area(label), RGBOf(kSkinText)), 0);
    EXPECT_EQ(0, image.Count(Area(label), RGBOf(clBlue)));
  }
  label->SetUseSkinColor(false);
  {
    TPaintedImage image(form);
    EXPECT_EQ(0, image.Count(Area(label), RGBOf(kSkinText)));
    EXPECT_GT(image.Count(Area(label), RGBOf(clBlue)), 0);
  }
  EXPECT_EQ(skinHeight, label->Height());
  label->SetUseSkinFont(false);
  EXPECT_LT(label->Height(), defaultHeight);

  // Unbound again, it draws as it did before the skin.
  label->SetUseSkinFont(true);
  label->SetSkinData(nullptr);
  EXPECT_EQ(-1, label->SkinIndex());
  EXPECT_EQ(defaultHeight, label->Height());
  TPaintedImage image(form);
  EXPECT_GT(image.Count(Area(label), RGBOf(clYellow)), 0);
}

// The text Windows shows of Text in Width pixels of Font with an ellipsis of
// the given kind.
String Ellipsized(TFont* Font, const String& Text, int Width, UINT Ellipsis) {
  std::vector<wchar_t> buffer(Text.begin(), Text.end());
  buffer.resize(Text.size() + 8, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font->Handle());
  RECT r = {0, 0, Width, 100};
  DrawTextExW(dc, buffer.data(), -1, &r, DT_SINGLELINE | DT_NOPREFIX | DT_MODIFYSTRING | Ellipsis, nullptr);
  SelectObject(dc, old);
  DeleteDC(dc);
  return String(buffer.data());
}

TEST_F(LabelTest, EllipsesShortenTextThatDoesNotFit) {
  const String path = L"C:\\Program Files\\Some Folder\\Deeper\\notes.txt";
  auto* label = Add<TspSkinStdLabel>(10, 10, 50, 10);
  label->SetAutoSize(false);
  label->SetShowAccelChar(false);
  label->SetBounds(10, 10, 150, 20);
  label->SetCaption(path);
  auto* reference = Add<TspSkinStdLabel>(10, 40, 150, 20);
  reference->SetAutoSize(false);
  reference->SetShowAccelChar(false);
  reference->SetBounds(10, 40, 150, 20);

  const String endText = Ellipsized(label->DefaultFont(), path, 150, DT_END_ELLIPSIS);
  const String pathText = Ellipsized(label->DefaultFont(), path, 150, DT_PATH_ELLIPSIS);
  ASSERT_NE(path, endText);
  ASSERT_NE(endText, pathText);
  ASSERT_EQ(L"notes.txt", pathText.substr(pathText.size() - 9));

  const struct {
    TspEllipsType Type;
    String Shown;
  } cases[] = {{spetEndEllips, endText}, {spetPathEllips, pathText}, {spetNone, path}};
  for (const auto& c : cases) {
    label->SetEllipsType(c.Type);
    reference->SetCaption(c.Shown);
    TPaintedImage image(form);
    EXPECT_TRUE(image.SameAs(image, Area(label), 0, 30)) << c.Type;
    EXPECT_NE(image.InkBounds(Area(label), kBackground).Width(), 0);
  }

  // Auto-sized, a label fits the whole text whatever its ellipsis.
  int full = 0;
  for (TspEllipsType type : {spetNone, spetEndEllips, spetPathEllips}) {
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 150, 20);
    label->SetEllipsType(type);
    label->SetAutoSize(true);
    if (type == spetNone) full = label->Width();
    EXPECT_EQ(full, label->Width()) << type;
  }
  EXPECT_GT(full, 150);
}

TEST_F(LabelTest, DisabledTextIsEmbossedInTheSystemsOrTheSkinsColours) {
  auto* label = Add<TspSkinStdLabel>(10, 10, 50, 10);
  label->SetCaption(L"IHI");
  label->DefaultFont()->SetHeight(30);
  label->DefaultFont()->SetStyle({fsBold});
  label->SetEnabled(false);
  for (bool skinned : {false, true}) {
    if (skinned) {
      LoadLabelSkin(skin);
      label->SetSkinData(skin);
    }
    const COLORREF light = RGBOf(skinned ? kSkinHighlight : clBtnHighlight);
    const COLORREF dark = DisabledOn(skinned ? kSkinShadow : clBtnShadow);
    TPaintedImage image(form);
    const TRect r = Area(label);
    ASSERT_GT(image.Count(r, dark), 0) << skinned;
    ASSERT_GT(image.Count(r, light), 0) << skinned;
    // The light copy lies one pixel lower and further right: it shows under
    // the shaded strokes and reaches one row below them, never above them.
    int lightBelowDark = 0;
    TRect lightInk(r.Right, r.Bottom, r.Left, r.Top), darkInk = lightInk;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const COLORREF c = image.At(x, y);
        if (y > r.Top) lightBelowDark += c == light && image.At(x, y - 1) == dark;
        TRect& ink = c == light ? lightInk : darkInk;
        if (c != light && c != dark) continue;
        ink.Top = std::min(ink.Top, y);
        ink.Bottom = std::max(ink.Bottom, y + 1);
      }
    EXPECT_GT(lightBelowDark, 10) << skinned;
    EXPECT_EQ(darkInk.Bottom + 1, lightInk.Bottom) << skinned;
    EXPECT_GT(lightInk.Top, darkInk.Top) << skinned;
  }
}

// ---------------------------------------------------------------------------
// Button label

// A strip of Count square frames of Size, frame i filled with Colors[i]
// inside a white border (white is the strip's transparent colour).
std::unique_ptr<TBitmap> GlyphStrip(const std::vector<TColor>& Colors, int Size) {
  auto strip = std::make_unique<TBitmap>();
  const int n = static_cast<int>(Colors.size());
  strip->SetSize(Size * n, Size);
  strip->Canvas()->Brush()->SetColor(clWhite);
  strip->Canvas()->FillRect(TRect(0, 0, Size * n, Size));
  for (int i = 0; i < n; ++i) {
    strip->Canvas()->Brush()->SetColor(Colors[i]);
    strip->Canvas()->FillRect(TRect(i * Size + 1, 1, (i + 1) * Size - 1, Size - 1));
  }
  return strip;
}

class ButtonLabelTest : public LabelTest {
 protected:
  void SetUp() override {
    LabelTest::SetUp();
    label = Add<TspSkinButtonLabel>(20, 20, 160, 60);
    label->SetCaption(L"HIH");
    label->DefaultFont()->SetHeight(28);
    label->DefaultFont()->SetStyle({fsBold});
    label->OnClick = [this](TObject*) { ++clicks; };
    ShowAndActivate(form);
  }
  void Hover() {
    MoveMouse(Center(label));
    PumpUntil([&] { return label->Hot(); }, 5000);
  }
  void Leave() {
    MoveMouse(TPoint(2, 2));
    PumpUntil([&] { return !label->Hot(); }, 5000);
  }
  void Press() {
    MouseDown();
    Settle();
  }
  void Release() {
    MouseUp();
    Settle();
  }
  TRect Ink() const {
    TPaintedImage image(form);
    return image.InkBounds(Area(label), kBackground);
  }

  TspSkinButtonLabel* label = nullptr;
  int clicks = 0;
};

TEST_F(ButtonLabelTest, StartsWithItsDocumentedDefaults) {
  auto* fresh = new TspSkinButtonLabel(form);
  EXPECT_EQ(100, fresh->Width());
  EXPECT_EQ(50, fresh->Height());
  EXPECT_EQ(L"stdlabel", fresh->SkinDataName());
  EXPECT_EQ(L"Arial", fresh->DefaultFont()->Name());
  EXPECT_EQ(14, fresh->DefaultFont()->Height());
  EXPECT_EQ(clBlue, fresh->DefaultActiveFontColor());
  EXPECT_EQ(clAqua, fresh->CustomGlowColor());
  EXPECT_EQ(7, fresh->GlowSize());
  EXPECT_EQ(-1, fresh->Margin());
  EXPECT_EQ(1, fresh->Spacing());
  EXPECT_FALSE(fresh->ControlStyle().Contains(csOpaque));
  fresh->SetMargin(-2);
  EXPECT_EQ(-1, fresh->Margin());
  fresh->SetMargin(3);
  EXPECT_EQ(3, fresh->Margin());
  fresh->SetDoubleBuffered(true);
  EXPECT_TRUE(fresh->ControlStyle().Contains(csOpaque));
}

TEST_F(ButtonLabelTest, WebStyleUnderlinesOnlyWhileHotAndNeverShifts) {
  label->SetWebStyle(true);
  const TRect idle = Ink();
  ASSERT_FALSE(idle.IsEmpty());
  Hover();
  ASSERT_TRUE(label->Hot());
  TPaintedImage hot(form);
  const TRect hotInk = hot.InkBounds(Area(label), kBackground);
  EXPECT_GT(hotInk.Bottom, idle.Bottom) << "an underline below the letters";
  EXPECT_EQ(idle.Top, hotInk.Top);
  EXPECT_GT(hot.Count(Area(label), RGBOf(clBlue)), 0) << "the hover colour";

  Press();
  EXPECT_FALSE(label->Pressed());
  TPaintedImage pressed(form);
  EXPECT_TRUE(pressed.SameAs(hot, Area(label)));
  Release();
  EXPECT_EQ(1, clicks);

  Leave();
  EXPECT_EQ(idle, Ink());
}

TEST_F(ButtonLabelTest, APlainLabelShiftsWhilePressedAndIsNeverUnderlined) {
  const TRect idle = Ink();
  Hover();
  TPaintedImage hot(form);
  EXPECT_EQ(idle, hot.InkBounds(Area(label), kBackground));
  Press();
  EXPECT_TRUE(label->Pressed());
  TPaintedImage pressed(form);
  TRect shifted = hot.InkBounds(Area(label), kBackground);
  OffsetRect(shifted, 1, 1);
  EXPECT_EQ(shifted, pressed.InkBounds(Area(label), kBackground));
  EXPECT_TRUE(pressed.SameAs(hot, shifted, -1, -1));
  Release();
  EXPECT_FALSE(label->Pressed());
  EXPECT_EQ(1, clicks);
}

TEST_F(ButtonLabelTest, ALabelDisabledUnderTheMouseIsNotLitWhenEnabledAgain) {
  const TRect idle = Ink();
  label->SetWebStyle(true);
  Hover();
  ASSERT_TRUE(label->Hot());
  label->SetEnabled(false);
  Leave();
  label->SetEnabled(true);
  EXPECT_FALSE(label->Hot());
  EXPECT_EQ(idle, Ink()) << "no underline";
}

TEST_F(ButtonLabelTest, ActiveImageOutsideTheListFallsBackToTheImage) {
  TCustomImageList images(nullptr, 16, 16);
  TBitmap two;
  two.SetSize(32, 16);
  two.Canvas()->Brush()->SetColor(clRed);
  two.Canvas()->FillRect(TRect(0, 0, 16, 16));
  two.Canvas()->Brush()->SetColor(clBlue);
  two.Canvas()->FillRect(TRect(16, 0, 32, 16));
  ASSERT_EQ(0, images.AddMasked(&two, clFuchsia));
  label->SetCaption(L"");
  label->SetImageList(&images);
  label->SetImageIndex(0);
  label->SetActiveImageIndex(5);
  Hover();
  EXPECT_EQ(0, label->CurrentImage());
  {
    TPaintedImage image(form);
    EXPECT_EQ(256, image.Count(Area(label), RGB(255, 0, 0)));
    EXPECT_EQ(0, image.Count(Area(label), RGB(0, 0, 255)));
  }
  label->SetActiveImageIndex(1);
  {
    TPaintedImage image(form);
    EXPECT_EQ(0, image.Count(Area(label), RGB(255, 0, 0)));
    EXPECT_EQ(256, image.Count(Area(label), RGB(0, 0, 255)));
  }
  Leave();
  EXPECT_EQ(0, label->CurrentImage());
  // An image index outside the list leaves the glyph strip (empty here).
  label->SetImageIndex(2);
  EXPECT_EQ(-1, label->CurrentImage());
  EXPECT_TRUE(Ink().IsEmpty());
}

TEST_F(ButtonLabelTest, TheGlyphFrameFollowsHoverPressAndEnabled) {
  label->SetCaption(L"");
  auto strip = GlyphStrip({clRed, clLime, clBlue, clYellow}, 10);
  label->SetGlyph(strip.get());
  label->SetNumGlyphs(4);
  auto shows = [&](TColor Color) {
    TPaintedImage image(form);
    return image.Count(Area(label), RGBOf(Color)) == 64;
  };
  EXPECT_EQ(1, label->CurrentGlyphFrame());
  EXPECT_TRUE(shows(clRed));
  Hover();
  EXPECT_EQ(4, label->CurrentGlyphFrame());
  EXPECT_TRUE(shows(clYellow));
  Press();
  EXPECT_EQ(3, label->CurrentGlyphFrame());
  EXPECT_TRUE(shows(clBlue));
  Release();
  Leave();
  label->SetEnabled(false);
  EXPECT_EQ(2, label->CurrentGlyphFrame());
  EXPECT_TRUE(shows(clLime));
  // With fewer than four frames the hover keeps the first; one frame
  // serves the disabled look too.
  label->SetEnabled(true);
  label->SetNumGlyphs(3);
  Hover();
  EXPECT_EQ(1, label->CurrentGlyphFrame());
  Leave();
  label->SetNumGlyphs(1);
  label->SetEnabled(false);
  EXPECT_EQ(1, label->CurrentGlyphFrame());
}

TEST_F(ButtonLabelTest, SkinColoursForIdleHotGlowingAndDisabled) {
  LoadLabelSkin(skin);
  label->SetSkinData(skin);
  ASSERT_NE(-1, label->SkinIndex());
  const TRect r = Area(label);
  {
    TPaintedImage image(form);
    EXPECT_GT(image.Count(r, RGBOf(kSkinText)), 0);
    EXPECT_EQ(0, image.Count(r, RGBOf(kSkinActiveText)));
  }
  Hover();
  const TRect plainHot = Ink();
  {
    TPaintedImage image(form);
    EXPECT_EQ(0, image.Count(r, RGBOf(kSkinText)));
    EXPECT_GT(image.Count(r, RGBOf(kSkinActiveText)), 0);
  }
  // Glowing, the caption keeps its colour and the glow spreads round it.
  label->SetGlowEffect(true);
  {
    TPaintedImage image(form);
    EXPECT_GT(image.Count(r, RGBOf(kSkinText)), 0);
    const TRect glow = image.InkBounds(r, kBackground);
    EXPECT_LT(glow.Left, plainHot.Left);
    EXPECT_GT(glow.Bottom, plainHot.Bottom);
  }
  Leave();
  EXPECT_EQ(plainHot, Ink()) << "no glow without the mouse";
  label->SetEnabled(false);
  TPaintedImage image(form);
  EXPECT_GT(image.Count(r, DisabledOn(kSkinShadow)), 0);
  EXPECT_EQ(0, image.Count(r, RGBOf(kSkinText)));
}

TEST_F(ButtonLabelTest, DoubleBufferingShowsTheParentUnderTheCaption) {
  TPaintedImage direct(form);
  label->SetDoubleBuffered(true);
  TPaintedImage buffered(form);
  EXPECT_TRUE(buffered.SameAs(direct, Area(label)));
}

// ---------------------------------------------------------------------------
// Bevel

// The bevel's pixels: 'L' and 'D' for the light and dark colours.
Rows BevelRows(TWinControl* Form, TspSkinBevel* Bevel, TColor Light, TColor Dark) {
  TPaintedImage image(Form);
  return image.Rows(Bevel->BoundsRect(), {{kBackground, '.'}, {RGBOf(Light), 'L'}, {RGBOf(Dark), 'D'}});
}

TEST_F(LabelTest, TheBevelTakesTheRecordsColoursOrTheSystems) {
  auto* bevel = Add<TspSkinBevel>(10, 10, 5, 4);
  EXPECT_EQ(L"bevel", bevel->SkinDataName());
  EXPECT_EQ(clBtnHighlight, bevel->LightColor());
  EXPECT_EQ(clBtnShadow, bevel->DarkColor());

  LoadLabelSkin(skin);
  bevel->SetSkinData(skin);
  EXPECT_EQ(kSkinLight, bevel->LightColor());
  EXPECT_EQ(kSkinDark, bevel->DarkColor());
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark), (Rows{"DDDDL", "D...L", "D...L", "DLLLL"}));
  bevel->SetStyle(bsRaised);
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark), (Rows{"LLLLD", "L...D", "L...D", "LDDDD"}));

  // A skin without a "bevel" record.
  LoadTestSkin(skin);
  bevel->SetSkinData(skin);
  EXPECT_EQ(-1, bevel->SkinIndex());
  EXPECT_EQ(clBtnHighlight, bevel->LightColor());
  EXPECT_EQ(clBtnShadow, bevel->DarkColor());
  EXPECT_EQ(BevelRows(form, bevel, clBtnHighlight, clBtnShadow), (Rows{"LLLLD", "L...D", "L...D", "LDDDD"}));

  // A record of another kind under the bevel's name counts as none.
  LoadLabelSkin(skin);
  bevel->SetSkinDataName(L"stdlabel");
  bevel->SetSkinData(skin);
  EXPECT_EQ(-1, bevel->SkinIndex());
  EXPECT_EQ(clBtnHighlight, bevel->LightColor());
}

TEST_F(LabelTest, TheDividerIsAGrooveThroughTheMiddle) {
  LoadLabelSkin(skin);
  auto* bevel = Add<TspSkinBevel>(10, 10, 10, 6);
  bevel->SetSkinData(skin);
  bevel->SetDividerMode(true);
  bevel->SetShape(bsTopLine);
  const Rows horizontal = {"..........", "..........", "..DDDDDDL.", "..DLLLLLL.", "..........", ".........."};
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark), horizontal);
  bevel->SetShape(bsBottomLine);
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark), horizontal);

  bevel->SetBounds(10, 10, 6, 8);
  bevel->SetShape(bsBox);
  const Rows vertical = {"......", "......", "..DL..", "..DL..", "..DL..", "..DL..", "..DL..", "......"};
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark), vertical);
  bevel->SetShape(bsRightLine);
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark), vertical);
  bevel->SetShape(bsSpacer);
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark), Rows(8, "......"));
  bevel->SetDividerMode(false);
  bevel->SetShape(bsLeftLine);
  EXPECT_EQ(BevelRows(form, bevel, kSkinLight, kSkinDark)[0], "DL....");
}

// A parent that centres its controls, as a tool bar does.
class CentringBar : public TCustomControl, public TspCentringParent {
 public:
  using TCustomControl::TCustomControl;
  bool Adjust = true;
  bool AdjustControls() const override { return Adjust; }
  TRect GetSkinClientRect() override { return TRect(0, 4, Width(), 30); }
};

TEST_F(LabelTest, TheBevelIsCentredOnABarThatPlacesItsControls) {
  auto* bar = Add<CentringBar>(0, 0, 200, 40);
  auto* bevel = new TspSkinBevel(form);
  bevel->SetParent(bar);
  bevel->SetBounds(10, 0, 2, 10);
  EXPECT_EQ(4 + 13 - 5, bevel->Top());
  bar->Adjust = false;
  bevel->SetBounds(10, 1, 2, 10);
  EXPECT_EQ(1, bevel->Top());
}

// ---------------------------------------------------------------------------
// Skin changes

class CountingBevel : public TspSkinBevel {
 public:
  using TspSkinBevel::TspSkinBevel;
  int ReReads = 0;
  void ChangeSkinData() override {
    ++ReReads;
    TspSkinBevel::ChangeSkinData();
  }
};

TEST_F(LabelTest, ASkinChangeRelayedByTheSkinnedFormReReadsTheLabelsAndBevel) {
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  LoadTestSkin(skin);
  auto* label = Add<TspSkinStdLabel>(10, 10, 50, 10);
  label->SetCaption(L"HIH");
  label->SetSkinData(skin);
  auto* button = Add<TspSkinButtonLabel>(10, 60, 120, 50);
  button->SetCaption(L"HIH");
  button->SetSkinData(skin);
  auto* bevel = Add<CountingBevel>(10, 120, 50, 4);
  bevel->SetSkinData(skin);
  TspSkinData other(nullptr);
  auto* otherBevel = Add<CountingBevel>(10, 130, 50, 4);
  otherBevel->SetSkinData(&other);
  const int heightBefore = label->Height();
  const int bevelReads = bevel->ReReads, otherReads = otherBevel->ReReads;

  LoadLabelSkin(skin);
  EXPECT_GT(label->Height(), heightBefore) << "auto-sized to the new font";
  EXPECT_EQ(bevelReads + 1, bevel->ReReads);
  EXPECT_EQ(kSkinLight, bevel->LightColor());
  EXPECT_EQ(otherReads, otherBevel->ReReads) << "bound to another skin data component";
  TPaintedImage image(form);
  EXPECT_GT(image.Count(Area(button), RGBOf(kSkinText)), 0);
  EXPECT_GT(image.Count(Area(label), RGBOf(kSkinText)), 0);

  // Back to a skin without a bevel record.
  LoadTestSkin(skin);
  EXPECT_EQ(clBtnShadow, bevel->DarkColor());
  EXPECT_EQ(heightBefore, label->Height());
}

TEST_F(LabelTest, ASwitchMeasuresTheLabelAgainOnlyWhenItsFontChanges) {
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  LoadLabelSkin(skin);
  auto* label = Add<TspSkinStdLabel>(10, 10, 50, 10);
  label->SetCaption(L"HIH");
  label->SetSkinData(skin);
  const int fitted = label->Height();
  label->SetBounds(10, 10, 200, 12);  // placed at a size of the program's own
  LoadLabelSkin(skin);
  EXPECT_EQ(TRect(10, 10, 210, 22), label->BoundsRect()) << "the same label font: nothing to fit";
  LoadTestSkin(skin);
  EXPECT_LT(label->Height(), fitted) << "another font: fitted to it";
  LoadLabelSkin(skin);
  EXPECT_EQ(fitted, label->Height());
  skin->ClearAll();
  EXPECT_LT(label->Height(), fitted) << "no skin: fitted to the default font";
}

TEST_F(LabelTest, FreeingTheSkinDataLeavesTheDefaultLook) {
  auto* data = new TspSkinData(nullptr);
  LoadLabelSkin(data);
  auto* label = Add<TspSkinStdLabel>(10, 10, 50, 10);
  label->SetCaption(L"IHI");
  label->SetEnabled(false);
  label->SetSkinData(data);
  auto* button = Add<TspSkinButtonLabel>(10, 60, 120, 50);
  button->SetCaption(L"IHI");
  button->DefaultFont()->SetHeight(28);
  button->DefaultFont()->SetStyle({fsBold});
  button->SetEnabled(false);
  button->SetSkinData(data);
  auto* bevel = Add<TspSkinBevel>(10, 120, 50, 4);
  bevel->SetSkinData(data);
  Free(data);
  EXPECT_EQ(nullptr, label->SkinData());
  EXPECT_EQ(nullptr, button->SkinData());
  EXPECT_EQ(nullptr, bevel->SkinData());
  // Painting reads no colour of the freed skin.
  TPaintedImage image(form);
  EXPECT_EQ(0, image.Count(Area(label), DisabledOn(kSkinShadow)));
  EXPECT_GT(image.Count(Area(button), DisabledOn(clGray)), 0);
}

}  // namespace
