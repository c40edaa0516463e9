// The gallery's contrast run: each skin in turn, each page shown and drawn
// again whole, every text it drew read, and the texts that do not reach
// 4.5 to 1 listed, apart from the demonstrations listed here.
#include "demo/GalleryContrast.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <tuple>

#include "classlib/ColorContrast.h"
#include "classlib/Forms.h"
#include "classlib/TextCodec.h"
#include "demo/GalleryPages.h"
#include "demo/TextReads.h"
#include "skinctrls/SkinTabs.h"

namespace {

// A text that may read below the line, and why.
struct TDemonstration {
  const wchar_t* Page;  // the start of the page's caption; nullptr: any page
  std::function<bool(const TTextRead&)> Applies;
  const char* Reason;
};

TColor System(TColor C) { return ColorToRGB(C) & 0xFFFFFF; }

bool IsOneOf(const String& Text, std::initializer_list<const wchar_t*> Texts) {
  for (const wchar_t* t : Texts)
    if (Text.compare(0, wcslen(t), t) == 0) return true;
  return false;
}

// Each entry is as narrow as the page and the text allow: the same colours
// elsewhere still count.
const TDemonstration kDemonstrations[] = {
    {nullptr,
     [](const TTextRead& R) {
       return R.Color == System(clGrayText) || R.Color == System(clBtnShadow) || R.Color == System(clGray);
     },
     "disabled text without a skin: the system's grey text or button shadow colour, or clGray, which the look "
     "without a skin keeps whatever the face"},
    {nullptr, [](const TTextRead& R) { return R.Color == System(clHighlightText) && R.Face == System(clHighlight); },
     "a selected item without a skin: the system's highlight colours"},
    {L"Components", [](const TTextRead& R) { return IsOneOf(R.Text, {L"Shadow", L"Outline"}); },
     "the effect labels' demonstrations: the drop shadow, a copy of the text three pixels off, and the outline "
     "effect, white text read here against the page rather than against its outline"},
    {L"Text and glyphs", [](const TTextRead& R) { return IsOneOf(R.Text, {L"Glow ", L"Caption "}); },
     "the glow effects: text on its own glow, and the glow's mask (the text in red on red, blurred and coloured, "
     "never shown as it is)"},
    {L"Skin", [](const TTextRead& R) { return IsOneOf(R.Text, {L"\x6B63\x5E38", L"\x6FC0\x6D3B", L"\x6309\x4E0B"}); },
     "the test skin's pictures shown as they are stored: their state labels on the pictures' pink"},
};

const TDemonstration* DemonstrationOf(const String& Page, const TTextRead& Read) {
  for (const TDemonstration& d : kDemonstrations)
    if ((!d.Page || Page.compare(0, wcslen(d.Page), d.Page) == 0) && d.Applies(Read)) return &d;
  return nullptr;
}

String Hex(TColor C) {
  wchar_t s[8];
  swprintf(s, 8, L"#%02X%02X%02X", C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
  return s;
}

// The figures of one skin's run.
struct TSkinFigures {
  int Reads = 0;
  std::set<std::tuple<String, String, TColor, TColor>> Distinct;
  double Lowest = 100;
  String LowestText;
  int Below = 0;
  std::map<const TDemonstration*, int> Demonstrated;
};

class TContrastRun {
 public:
  TContrastRun(TGalleryForm* Form, TTextReader& Reader) : FForm(Form), FReader(Reader) {}
  int Run(const TContrastSettings& Settings);

 private:
  String Caption(int Page) const { return FForm->Pages()->Pages(Page)->Caption(); }
  // Shows a page, draws the form again whole and returns what it read,
  // with what Before read of the page.
  std::vector<TTextRead> Show(int Page, std::vector<TTextRead> Before);
  void Judge(const char* Skin, const std::vector<TTextRead>& Reads, TSkinFigures& F);

  TGalleryForm* FForm;
  TTextReader& FReader;
  std::set<const TDemonstration*> FUsed;
};

std::vector<TTextRead> TContrastRun::Show(int Page, std::vector<TTextRead> Before) {
  FReader.SetWhere(Caption(Page));
  FForm->Pages()->SetActivePageIndex(Page);
  SettleGallery();
  std::vector<TTextRead> shown = std::move(Before);
  for (TTextRead& r : FReader.Take()) shown.push_back(std::move(r));
  for (TTextRead& r : shown) r.Where = Caption(Page);
  RedrawWindow(FForm->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SettleGallery();
  // A text drawn again by the whole redraw is judged as it is drawn there,
  // as it stays on screen: a control may draw once with the colours of a
  // moment of the switch before it settles. A text only drawn before (a
  // control that keeps its look) is judged as it was drawn then.
  std::vector<TTextRead> reads = FReader.Take();
  std::set<String> again;
  for (const TTextRead& r : reads) again.insert(r.Text);
  for (TTextRead& r : shown)
    if (!again.count(r.Text)) reads.push_back(std::move(r));
  return reads;
}

void TContrastRun::Judge(const char* Skin, const std::vector<TTextRead>& Reads, TSkinFigures& F) {
  std::set<std::tuple<String, String, TColor, TColor>> told;
  for (const TTextRead& r : Reads) {
    ++F.Reads;
    const auto key = std::make_tuple(r.Where, r.Text, r.Color, r.Face);
    F.Distinct.insert(key);
    const double c = r.Contrast();
    if (c >= kReadableContrast) {
      if (c < F.Lowest) {
        F.Lowest = c;
        F.LowestText = r.Where + L": \"" + r.Text + L"\"";
      }
      continue;
    }
    if (const TDemonstration* d = DemonstrationOf(r.Where, r)) {
      ++F.Demonstrated[d];
      FUsed.insert(d);
      continue;
    }
    if (c < F.Lowest) {
      F.Lowest = c;
      F.LowestText = r.Where + L": \"" + r.Text + L"\"";
    }
    if (!told.insert(key).second) continue;
    ++F.Below;
    std::printf("contrast: %s, %s: \"%s\" %s on %s reads %.2f:1\n", Skin, WideToUtf8(r.Where).c_str(),
                WideToUtf8(r.Text).c_str(), WideToUtf8(Hex(r.Color)).c_str(), WideToUtf8(Hex(r.Face)).c_str(), c);
  }
}

int TContrastRun::Run(const TContrastSettings& Settings) {
  std::vector<int> pages;
  for (int p : Settings.Pages)
    if (p >= 1 && p <= FForm->Pages()->PageCount()) pages.push_back(p - 1);
  if (Settings.Pages.empty())
    for (int p = 0; p < FForm->Pages()->PageCount(); ++p) pages.push_back(p);
  if (FReader.Hooked() == 0 || pages.empty()) {
    std::printf("contrast: nothing to read (%d text calls redirected, %d pages)\n", FReader.Hooked(),
                static_cast<int>(pages.size()));
    return 1;
  }
  const struct {
    TGalleryForm::TGallerySkin Skin;
    const char* Name;
  } skins[] = {{TGalleryForm::gsBuiltIn, "built-in skin"}, {TGalleryForm::gsDark, "Dark"}, {TGalleryForm::gsNone, "no skin"}};
  int failures = 0;
  for (const auto& skin : skins) {
    // The switch (or, in the built-in skin, the form's first paint) draws
    // the page on show.
    const int active = FForm->Pages()->ActivePageIndex();
    if (skin.Skin != TGalleryForm::gsBuiltIn) FForm->SwitchSkin(skin.Skin);
    SettleGallery();
    std::vector<TTextRead> early = FReader.Take();
    std::vector<TTextRead> reads;
    for (int p : pages) {
      std::vector<TTextRead> page = Show(p, p == active ? std::move(early) : std::vector<TTextRead>());
      reads.insert(reads.end(), page.begin(), page.end());
    }
    TSkinFigures f;
    Judge(skin.Name, reads, f);
    std::printf("contrast: %s: %d texts read (%d distinct) on %d pages, %d below 4.5:1, lowest %.2f:1 (%s)\n",
                skin.Name, f.Reads, static_cast<int>(f.Distinct.size()), static_cast<int>(pages.size()), f.Below,
                f.Lowest, WideToUtf8(f.LowestText).c_str());
    for (const auto& d : f.Demonstrated)
      std::printf("contrast: %s: %d texts below the line are listed: %s\n", skin.Name, d.second, d.first->Reason);
    if (f.Reads == 0) {
      std::printf("contrast: %s: no text was read\n", skin.Name);
      ++failures;
    }
    failures += f.Below;
  }
  // A listed demonstration that no page draws any more is taken off the
  // list: the list only holds what the gallery shows.
  if (Settings.Pages.empty())
    for (const TDemonstration& d : kDemonstrations)
      if (!FUsed.count(&d)) {
        std::printf("contrast: the listed demonstration \"%s\" was not met\n", d.Reason);
        ++failures;
      }
  std::printf("contrast: %s\n", failures ? "FAILED" : "passed");
  return failures ? 1 : 0;
}

}  // namespace

int RunGalleryContrast(TGalleryForm* Form, TTextReader& Reader, const TContrastSettings& Settings) {
  return TContrastRun(Form, Reader).Run(Settings);
}
