// Text on a plain skinned form, in both shipped skins, read as it is drawn:
// the form's client wears the skin's face, and the captions of check boxes,
// radio buttons and labels placed straight on it read at 4.5 to 1 against
// what lies under them, at rest, under the mouse, pressed and disabled.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "../skin/ShippedSkins.h"
#include "SkinCtrlTestUtils.h"
#include "classlib/ColorContrast.h"
#include "classlib/TextCodec.h"
#include "demo/TextReads.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"

namespace {

class PlainFormText : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    FSkin = std::string(GetParam()) == "Default" ? LoadDefault() : LoadDark();
    ASSERT_FALSE(FSkin->Empty()) << "skin " << GetParam() << " did not load";
    FForm = new TForm(nullptr);
    FForm->SetBounds(100, 100, 380, 240);
    auto* frame = new TspSkinForm(FForm);
    frame->SetSkinData(FSkin.get());
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(FForm);
  }
  template <class T>
  T* Add(int Top, const wchar_t* Caption) {
    auto* c = new T(FForm);
    c->SetParent(FForm);
    c->SetBounds(16, Top, 220, 22);
    c->SetCaption(Caption);
    c->SetSkinData(FSkin.get());
    return c;
  }
  // Every reading of Control's caption that Act makes it draw: there must be
  // one, and each must reach 4.5 to 1.
  void ExpectReadable(TTextReader& Reader, TControl* Control, const char* State, const std::function<void()>& Act) {
    Reader.Take();
    Act();
    Settle();
    int found = 0;
    for (const TTextRead& r : Reader.Take()) {
      if (r.Text != Control->Caption()) continue;
      ++found;
      EXPECT_GE(r.Contrast(), kReadableContrast)
          << WideToUtf8(r.Text) << " " << State << std::hex << ": text " << r.Color << " on " << r.Face;
    }
    EXPECT_GT(found, 0) << WideToUtf8(Control->Caption()) << " " << State << ": its caption was not drawn";
  }
  std::unique_ptr<TspSkinData> FSkin;
  TForm* FForm = nullptr;
};

TEST_P(PlainFormText, ClientWearsTheSkinFace) {
  ShowAndActivate(FForm);
  RECT r = {};
  GetClientRect(FForm->Handle(), &r);
  HDC dc = GetDC(FForm->Handle());
  const TColor pixel = GetPixel(dc, r.right - 4, r.bottom - 4);
  ReleaseDC(FForm->Handle(), dc);
  EXPECT_EQ(pixel, ColorToRGB(FSkin->SkinColors->cBtnFace) & 0xFFFFFF);
}

TEST_P(PlainFormText, CaptionsReadInEveryState) {
  TTextReader reader;
  ASSERT_GT(reader.Hooked(), 0);
  auto* check = Add<TspSkinCheckRadioBox>(16, L"Check box \x590D\x9009\x6846");
  auto* radio = Add<TspSkinCheckRadioBox>(46, L"Radio \x5355\x9009");
  radio->SetRadio(true);
  auto* off = Add<TspSkinCheckRadioBox>(76, L"Disabled \x7981\x7528");
  off->SetEnabled(false);
  auto* offRadio = Add<TspSkinCheckRadioBox>(106, L"Disabled radio");
  offRadio->SetRadio(true);
  offRadio->SetEnabled(false);
  auto* label = Add<TspSkinStdLabel>(136, L"Label \x6807\x7B7E");
  ShowAndActivate(FForm);
  for (TControl* c : std::initializer_list<TControl*>{check, radio, off, offRadio, label})
    ExpectReadable(reader, c, "at rest", [c] {
      c->Invalidate();
      c->Update();
    });
  for (TspSkinCheckRadioBox* box : {check, radio}) {
    const TPoint inside = box->ClientToScreen(TPoint(60, 11));
    ExpectReadable(reader, box, "under the mouse", [&] {
      MoveMouse(inside);
      ASSERT_TRUE(PumpUntil([&] { return box->MouseIn(); }));
    });
    ExpectReadable(reader, box, "pressed", [] { ::MouseDown(); });
    ExpectReadable(reader, box, "let go", [] { ::MouseUp(); });
    MoveMouse(TPoint(2, 2));
    ASSERT_TRUE(PumpUntil([&] { return !box->MouseIn(); }));
  }
  EXPECT_TRUE(check->Checked());  // the presses were real clicks
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, PlainFormText, ::testing::Values("Default", "Dark"));

// The reader itself: each text on the face under it, layers of one look read
// once, and nothing read of what does not show.
TEST(TextReader, ReadsEachTextOnTheFaceUnderIt) {
  TBitmap b;
  b.SetSize(200, 120);
  HDC dc = b.Canvas()->Handle();
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  auto fill = [&](COLORREF C) {
    HBRUSH brush = CreateSolidBrush(C);
    RECT all = {0, 0, 200, 120};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
  };
  auto draw = [&](const wchar_t* T, COLORREF C, RECT R) {
    SetTextColor(dc, C);
    DrawTextW(dc, T, -1, &R, DT_SINGLELINE);
  };
  SetBkMode(dc, TRANSPARENT);
  TTextReader reader;
  fill(RGB(250, 250, 250));
  draw(L"Plain", RGB(0, 0, 0), RECT{10, 10, 190, 30});
  // Engraved: a light copy a pixel down and right under the grey one.
  draw(L"Engraved", RGB(255, 255, 255), RECT{11, 41, 191, 61});
  draw(L"Engraved", RGB(128, 128, 128), RECT{10, 40, 190, 60});
  // Clipped to nothing: nothing shows.
  draw(L"Nothing", RGB(0, 0, 0), RECT{50, 80, 40, 100});
  // Drawn again after its place was painted over: a second reading.
  draw(L"Again", RGB(0, 0, 0), RECT{10, 80, 190, 100});
  fill(RGB(0, 0, 128));
  draw(L"Again", RGB(255, 255, 255), RECT{10, 80, 190, 100});
  // An opaque call lays its own background under the text.
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, RGB(200, 0, 0));
  draw(L"Opaque", RGB(255, 255, 255), RECT{10, 10, 190, 30});
  const std::vector<TTextRead> reads = reader.Take();
  const struct {
    const wchar_t* Text;
    COLORREF Color, Face;
  } expected[] = {{L"Plain", RGB(0, 0, 0), RGB(250, 250, 250)},
                  {L"Engraved", RGB(128, 128, 128), RGB(250, 250, 250)},
                  {L"Again", RGB(0, 0, 0), RGB(250, 250, 250)},
                  {L"Again", RGB(255, 255, 255), RGB(0, 0, 128)},
                  {L"Opaque", RGB(255, 255, 255), RGB(200, 0, 0)}};
  ASSERT_EQ(reads.size(), std::size(expected));
  for (size_t i = 0; i < reads.size(); ++i) {
    EXPECT_EQ(reads[i].Text, expected[i].Text) << i;
    EXPECT_EQ(reads[i].Color, TColor(expected[i].Color)) << i;
    EXPECT_EQ(reads[i].Face, TColor(expected[i].Face)) << i;
  }
}

}  // namespace
