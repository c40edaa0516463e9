// Every property that changes what a skinned control draws shows at once:
// a control changed while shown looks, pixel for pixel, like a fresh one made
// with the same final properties at the same place, both after the setter
// alone and after the whole form repaints (a kept look must not outlive a
// change it was not keyed on).
#include <functional>

#include "SkinInputTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinToolBar.h"
#include "skinctrls/SkinTreeView.h"
#include "skininputs/SkinComboBox.h"

namespace {

class LookSetters : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    stored.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
    skin = new TspSkinData(form);
    skin->LoadCompressedStoredSkin(&stored);
    (new TspSkinForm(form))->SetSkinData(skin);
    ShowAndActivate(form);
  }

  // A T at Bounds set up by Prepare is shown, then Change runs on it; what it
  // shows is put against a fresh T given Prepare and Change before it shows.
  template <class T>
  void ExpectChangeShows(const TRect& Bounds, const std::function<void(T*)>& Prepare,
                         const std::function<void(T*)>& Change, const char* What) {
    SCOPED_TRACE(What);
    T* shown = Make<T>(Bounds, Prepare);
    Settle();
    const std::unique_ptr<TBitmap> before = ScreenPixels(shown);
    Change(shown);
    Settle();
    const std::unique_ptr<TBitmap> bySetter = ScreenPixels(shown);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    const std::unique_ptr<TBitmap> byForm = ScreenPixels(shown);
    // A change that resizes the control (a record of another size) is put
    // against a fresh control of the same final size.
    const TRect final = shown->BoundsRect();
    Free(shown);
    Settle();
    T* fresh = Make<T>(final, [&](T* C) {
      Prepare(C);
      Change(C);
    });
    Settle();
    const std::unique_ptr<TBitmap> wanted = ScreenPixels(fresh);
    // The change is one that shows at all.
    EXPECT_NE(DifferentPixels(before.get(), wanted.get()), 0);
    EXPECT_EQ(DifferentPixels(bySetter.get(), wanted.get()), 0) << "after the setter alone";
    EXPECT_EQ(DifferentPixels(byForm.get(), wanted.get()), 0) << "after the form repainted";
    Free(fresh);
    Settle();
  }

  template <class T>
  T* Make(const TRect& Bounds, const std::function<void(T*)>& Prepare) {
    T* c = new T(form);
    Prepare(c);
    c->SetParent(form);
    c->SetSkinData(skin);
    c->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    return c;
  }

  TspCompressedStoredSkin stored{nullptr};
  TspSkinData* skin = nullptr;
};

TEST_F(LookSetters, PanelsAndGroupBoxes) {
  const TRect at(10, 10, 260, 110);
  const auto panel = [](TspSkinPanel* P) {
    P->SetCaptionMode(true);
    P->SetCaption(L"Panel caption");
  };
  using Change = std::function<void(TspSkinPanel*)>;
  const std::pair<const char*, Change> changes[] = {
      {"caption", [](TspSkinPanel* P) { P->SetCaption(L"Another, longer caption"); }},
      {"roll-up mode", [](TspSkinPanel* P) { P->SetRollUpMode(true); }},
      {"UseSkinFont off", [](TspSkinPanel* P) { P->SetUseSkinFont(false); }},
      {"default font size, UseSkinFont off",
       [](TspSkinPanel* P) {
         P->SetUseSkinFont(false);
         P->DefaultFont()->SetHeight(20);
       }},
  };
  for (const auto& c : changes) ExpectChangeShows<TspSkinPanel>(at, panel, c.second, c.first);
  // Without a caption bar and a border the skin look is the client piece alone.
  ExpectChangeShows<TspSkinPanel>(at, [](TspSkinPanel*) {}, [](TspSkinPanel* P) { P->SetBorderStyle(bvNone); },
                                  "border style");
  // The skin's caption rectangle shows the caption without the caption bar too.
  ExpectChangeShows<TspSkinPanel>(at, [](TspSkinPanel*) {}, [](TspSkinPanel* P) { P->SetCaption(L"Caption"); },
                                  "caption without the bar");
  const auto box = [](TspSkinGroupBox* G) { G->SetCaption(L"Group"); };
  ExpectChangeShows<TspSkinGroupBox>(at, box, [](TspSkinGroupBox* G) { G->SetUseSkinFont(false); }, "group font");
  ExpectChangeShows<TspSkinGroupBox>(
      at, box,
      [](TspSkinGroupBox* G) {
        G->SetUseSkinFont(false);
        G->DefaultFont()->SetStyle(TFontStyles{fsItalic, fsBold});
      },
      "group default font");
}

TEST_F(LookSetters, ButtonsAndBoxes) {
  const TRect at(10, 10, 130, 40);
  const auto caption = [](auto* C) { C->SetCaption(L"Caption Wg"); };
  ExpectChangeShows<TspSkinButton>(at, caption, [](TspSkinButton* B) { B->SetUseSkinFontColor(false); },
                                   "button font colour");
  ExpectChangeShows<TspSkinButton>(at, caption, [](TspSkinButton* B) { B->SetUseSkinFont(false); }, "button font");
  ExpectChangeShows<TspSkinButton>(
      at, caption,
      [](TspSkinButton* B) {
        B->SetUseSkinFont(false);
        B->DefaultFont()->SetStyle(TFontStyles{fsBold});
      },
      "button default font");
  ExpectChangeShows<TspSkinSpeedButton>(at, caption, [](TspSkinSpeedButton* B) { B->SetUseSkinFontColor(false); },
                                        "speed button font colour");
  ExpectChangeShows<TspSkinSpeedButton>(
      at, caption,
      [](TspSkinSpeedButton* B) {
        B->SetUseSkinFont(false);
        B->DefaultFont()->SetHeight(20);
      },
      "speed button default font");
  ExpectChangeShows<TspSkinCheckRadioBox>(at, caption,
                                          [](TspSkinCheckRadioBox* B) { B->SetUseSkinFontColor(false); },
                                          "check box font colour");
  ExpectChangeShows<TspSkinCheckRadioBox>(
      at, caption,
      [](TspSkinCheckRadioBox* B) {
        B->SetUseSkinFont(false);
        B->DefaultFont()->SetStyle(TFontStyles{fsBold});
      },
      "check box default font");
}

TEST_F(LookSetters, ComboToolBarAndMenuButton) {
  const auto items = [](TspSkinComboBox* C) {
    C->Items()->Add(L"First item Wg");
    C->SetItemIndex(0);
  };
  ExpectChangeShows<TspSkinComboBox>(
      TRect(10, 10, 170, 30), items,
      [](TspSkinComboBox* C) {
        C->SetUseSkinFont(false);
        C->DefaultFont()->SetStyle(TFontStyles{fsBold});
      },
      "combo box font");
  ExpectChangeShows<TspSkinToolBar>(TRect(10, 10, 260, 40), [](TspSkinToolBar*) {},
                                    [](TspSkinToolBar* T) { T->SetBorderStyle(bvFrame); }, "tool bar border");
  ExpectChangeShows<TspSkinMenuSpeedButton>(TRect(10, 10, 80, 50), [](TspSkinMenuSpeedButton* B) { B->SetCaption(L"Menu"); },
                                            [](TspSkinMenuSpeedButton* B) { B->SetNewStyle(true); },
                                            "menu button new style");
}

TEST_F(LookSetters, TabsAndViewsTakeTheirFontChoices) {
  const auto pages = [this](TspSkinPageControl* P) {
    for (const wchar_t* name : {L"First Wg", L"Second"}) {
      auto* sheet = new TspSkinTabSheet(form);
      sheet->SetCaption(name);
      sheet->SetPageControl(P);
    }
  };
  const TRect at(10, 10, 260, 110);
  ExpectChangeShows<TspSkinPageControl>(at, pages, [](TspSkinPageControl* P) { P->SetUseSkinFont(false); },
                                        "tabs font");
  ExpectChangeShows<TspSkinPageControl>(
      at, pages,
      [](TspSkinPageControl* P) {
        P->SetUseSkinFont(false);
        P->DefaultFont()->SetStyle(TFontStyles{fsBold});
      },
      "tabs default font");
  const auto nodes = [](TspSkinTreeView* T) {
    for (const wchar_t* name : {L"Node Wg", L"Another node"}) T->Items()->Add(nullptr, name);
  };
  ExpectChangeShows<TspSkinTreeView>(
      at, nodes,
      [](TspSkinTreeView* T) {
        T->SetUseSkinFont(false);
        T->DefaultFont()->SetHeight(22);
      },
      "tree default font");
}

TEST_F(LookSetters, TheRollUpMarkShowsNoKeyColour) {
  auto* panel = Add<TspSkinPanel>(form, 10, 10, 250, 100);
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  panel->SetCaption(L"Panel");
  panel->SetSkinData(skin);
  Settle();
  const std::unique_ptr<TBitmap> shown = ScreenPixels(panel);
  int magenta = 0;
  for (int y = 0; y < shown->Height(); ++y)
    for (int x = 0; x < shown->Width(); ++x) magenta += shown->Canvas()->Pixels(x, y) == 0xFF00FF;
  EXPECT_EQ(magenta, 0);
}

}  // namespace
