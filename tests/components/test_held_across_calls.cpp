// Library code that goes on after calling out to a handler that freed what
// it was using: the skin data inside its own switch, a page control's tab
// rebuild, a skinned menu item's draw. Faults and unsound heaps fail the test
// (the test main runs it under Wine's heap checks).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/HeapCheck.h"
#include "classlib/Menus.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinTabs.h"
#include "tests/skin/SkinSwitchTestUtils.h"
#include "tests/skinctrls/SkinCtrlTestUtils.h"

namespace {

// Shows a modal form whose timer runs Tick, then closes it.
void ModalFormWhoseTimer(const std::function<void()>& Tick) {
  TForm dialog(nullptr);
  dialog.SetBounds(200, 200, 200, 120);
  auto* timer = new TTimer(&dialog);
  timer->SetInterval(20);
  timer->OnTimer = [&dialog, Tick](TObject*) {
    Tick();
    dialog.SetModalResult(mrOk);
  };
  dialog.ShowModal();
}

}  // namespace

// A switch made by the program's own code resizes the forms; the resize frees
// the skin data, at once or from a modal form's timer. The switch stops, the
// other form wears no skin, and nothing reads the freed component: the other
// form, whose change never ended, resizes with the system's frame and takes a
// new skin's frame.
TEST(HeldAcrossCalls, SkinDataFreedInsideItsOwnSwitch) {
  for (const auto& [name, change] : SkinSwitches()) {
    for (const bool modal : {false, true}) {
      SCOPED_TRACE(std::string(name) + (modal ? ", freed by a modal form's timer" : ""));
      TspSkinData* skin = NewTestSkin(nullptr);
      if (std::string(name) == "load") skin->ClearAll();
      TForm* form = SkinnedFormWithMenuBar(nullptr, skin);
      TForm* other = SkinnedFormWithMenuBar(nullptr, skin);
      int resized = 0;
      form->OnResize = [&, skin = skin, modal = modal](TObject*) {
        if (resized++) return;
        if (modal)
          ModalFormWhoseTimer([skin] { Free(skin); });
        else
          Free(skin);
      };
      change(skin);
      Settle();
      EXPECT_GT(resized, 0);
      EXPECT_EQ(GetSkinForm(other)->SkinData(), nullptr);
      EXPECT_FALSE(GetSkinForm(other)->FrameOn());
      other->SetBounds(140, 140, 420, 300);
      TspSkinData* next = NewTestSkin(nullptr);
      GetSkinForm(other)->SetSkinData(next);
      EXPECT_TRUE(GetSkinForm(other)->FrameOn());
      EXPECT_EQ(ExceptionsReachingApplication(), 0);
      Free(form);
      Free(other);
      Free(next);
      EXPECT_TRUE(ProcessHeapsValid());
    }
  }
}

// A tab rebuild asks each page's image; the handler runs a modal form whose
// timer frees a later page (or the page control). The rebuild reads no freed
// page, and the tabs left are those of the pages left.
TEST(HeldAcrossCalls, PageFreedWhileTheTabsAreRebuilt) {
  for (const bool skinned : {false, true}) {
    for (const bool freeControl : {false, true}) {
      SCOPED_TRACE(std::string(skinned ? "skinned" : "plain") + (freeControl ? ", control freed" : ", page freed"));
      TspSkinData* skin = skinned ? NewTestSkin(nullptr) : nullptr;
      TForm* form = new TForm(nullptr);
      form->SetBounds(100, 100, 400, 300);
      TPageControl* control = skinned ? new TspSkinPageControl(form) : new TPageControl(form);
      if (skinned) static_cast<TspSkinPageControl*>(control)->SetSkinData(skin);
      control->SetParent(form);
      control->SetBounds(10, 10, 360, 240);
      std::vector<TTabSheet*> pages;
      for (int i = 0; i < 3; ++i) {
        TTabSheet* page = skinned ? new TspSkinTabSheet(form) : new TTabSheet(form);
        page->SetPageControl(control);
        page->SetCaption(L"Page " + std::to_wstring(i));
        pages.push_back(page);
      }
      ShowAndActivate(form);
      TObject* going = freeControl ? static_cast<TObject*>(control) : pages[2];
      bool freed = false;
      control->OnGetImageIndex = [&](TObject*, int, int&) {
        if (!freed) ModalFormWhoseTimer([&] { freed = true, Free(going); });
      };
      pages[0]->SetImageIndex(1);
      Settle();
      EXPECT_TRUE(freed);
      if (!freeControl) {
        EXPECT_EQ(control->PageCount(), 2);
        EXPECT_EQ(SendMessageW(control->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
      }
      EXPECT_EQ(ExceptionsReachingApplication(), 0);
      Free(form);
      Free(skin);
      EXPECT_TRUE(ProcessHeapsValid());
    }
  }
}

// A skinned menu item's OnDrawItem frees the form whose skin menu shows it,
// switches the skin (either order of emptying and loading) or shows a modal
// form. The draw and the paint around it read nothing freed.
TEST(HeldAcrossCalls, SkinnedMenuItemsDrawHandlerFreesOrSwitches) {
  using TAct = std::pair<const char*, std::function<void(TForm*, TspSkinData*)>>;
  const std::vector<TAct> acts{
      {"free the form", [](TForm* f, TspSkinData*) { Free(f); }},
      {"empty, then load", [](TForm*, TspSkinData* s) { s->ClearAll(), s->LoadCompressedStoredSkin(TestStoredSkin()); }},
      {"load, then empty", [](TForm*, TspSkinData* s) { s->LoadCompressedStoredSkin(TestStoredSkin()), s->ClearAll(); }},
      {"modal form", [](TForm*, TspSkinData*) { ModalFormWhoseTimer([] {}); }},
      {"modal form frees the form", [](TForm* f, TspSkinData*) { ModalFormWhoseTimer([f] { Free(f); }); }}};
  for (const auto& [name, act] : acts) {
    SCOPED_TRACE(name);
    TspSkinData* skin = NewTestSkin(nullptr);
    TForm* form = SkinnedFormWithMenuBar(nullptr, skin);
    auto* popup = new TPopupMenu(form);
    for (const wchar_t* caption : {L"First", L"Own", L"Last"}) {
      auto* item = new TMenuItem(popup);
      item->SetCaption(caption);
      popup->Items()->Add(item);
    }
    int drawn = 0;
    popup->Items()->Items(1)->OnDrawItem = [&, form, skin, act = act](TObject*, TCanvas*, const TRect&, bool) {
      if (drawn++ == 0) act(form, skin);
    };
    FindSkinMenu(GetSkinForm(form))->PopupItems(nullptr, skin, false, popup->Items(), TRect(150, 150, 150, 150), 0);
    Settle();
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
    if (std::string(name).find("free") == std::string::npos) Free(form);
    Settle();
    Free(skin);
    EXPECT_TRUE(ProcessHeapsValid());
  }
}

// The program paints a panel into a bitmap, outside any message of the
// library; the panel's paint event, led by the canvas, frees the panel and
// pumps. The paint ends on the torn-down panel, and no draw event is raised
// for it once its free has begun.
TEST(HeldAcrossCalls, CanvasLedPaintEventFreesItsPanelFromTheProgramsOwnCall) {
  TspSkinData* skin = NewTestSkin(nullptr);
  TForm* form = SkinnedFormWithMenuBar(nullptr, skin);
  auto* panel = new TspSkinPaintPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 120, 80);
  panel->SetSkinData(skin);
  Settle();
  int painted = 0;
  panel->OnPanelPaint = [&, panel](TCanvas*, const TRect&) {
    if (painted++) return;
    Free(panel);
    Application->ProcessMessages();
  };
  TBitmap b;
  b.SetSize(120, 80);
  panel->PaintTo(b.Canvas()->Handle(), 0, 0);
  EXPECT_EQ(painted, 1);
  EXPECT_EQ(ExceptionsReachingApplication(), 0);
  Free(form);
  Free(skin);
  EXPECT_TRUE(ProcessHeapsValid());
}
