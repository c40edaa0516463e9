// Text on a plain skinned form, in both shipped skins, read as it is drawn:
// the form's client wears the skin's face, and the captions of check boxes,
// radio buttons and labels placed straight on it read at 4.5 to 1 against
// what lies under them, at rest, under the mouse, pressed and disabled.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "SkinCtrlTestUtils.h"
#include "classlib/ColorContrast.h"
#include "classlib/TextCodec.h"
#include "demo/TextReads.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"

namespace {

// Default is linked into this program as its built-in skin; Dark is packed
// beside it.
std::unique_ptr<TspSkinData> ShippedSkin(const std::string& Name) {
  auto data = std::make_unique<TspSkinData>(nullptr);
  if (Name == "Default") {
    TspCompressedStoredSkin stored(nullptr);
    LoadBuiltInSkin(&stored);
    data->LoadCompressedStoredSkin(&stored);
  } else if (const char* path = std::getenv("SKINGUI_DARK_SKIN")) {
    std::string file = path;
    if (!file.empty() && file[0] == '/') file = "Z:" + file;  // Wine maps Z: to the Unix root
    data->LoadFromCompressedFile(Utf8ToWide(file));
  }
  return data;
}

class PlainFormText : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    FSkin = ShippedSkin(GetParam());
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

}  // namespace
