// Frees from events that the library raises in the middle of its own work:
// while it paints, while a skinned menu opens or closes, while a form lays
// out its children, and from key and focus events of MDI children. The freed
// object is torn down at once and released at the loop; the code that raised
// the event runs on without touching freed memory (Wine's heap checks and the
// test main's fault check fail the test otherwise).
#include <gtest/gtest.h>

#include <functional>

#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "components/LEDFont.h"
#include "components/TFlatProgressBarUnit.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/SkinTabs.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinTrackEdit.h"
#include "tests/skin/SkinFormTestUtils.h"
#include "tests/skinctrls/SkinCtrlTestUtils.h"
#include "tests/skinctrls/test_skin_menus_utils.h"

namespace {

class FreeWhileHandledTest : public DefaultSkinTest {
 protected:
  void TearDown() override {
    MouseUp();
    Settle();
    EXPECT_EQ(0u, DeferredFreeCount());
  }

  // A shown form, skinned when asked, of the given style.
  static TForm* NewForm(bool Skinned, TFormStyle Style = fsNormal, TComponent* Owner = nullptr) {
    auto* f = new TForm(Owner);
    f->SetFormStyle(Style);
    f->SetBounds(Style == fsMDIChild ? 10 : 60, Style == fsMDIChild ? 10 : 60, 400, 280);
    if (Skinned) (new TspSkinForm(f))->SetSkinData(Skin);
    return f;
  }
  template <class T>
  static T* Put(TWinControl* Parent, int Left, int Top, int Width, int Height) {
    auto* c = new T(Parent);
    c->SetParent(Parent);
    c->SetBounds(Left, Top, Width, Height);
    return c;
  }
  // Runs the loop until the handler has freed; frees Form itself when the
  // handler freed something else.
  void ExpectFreed(TForm* Form, bool FormFreed, const char* What) {
    EXPECT_TRUE(PumpUntil([&] { return freed; }, 5000)) << What;
    Settle();
    if (!FormFreed) Free(Form);
    Settle();
    freed = false;
  }
  // A handler body that frees Doomed once.
  std::function<void()> Freeing(TObject* Doomed) {
    return [this, Doomed] {
      if (freed) return;
      Free(Doomed);
      freed = true;
    };
  }

  bool freed = false;
};

// ---------------------------------------------------------------------------
// Events raised inside a paint

TEST_F(FreeWhileHandledTest, SkinnedButtonsPaintFreeingThemselvesOrTheirForm) {
  for (const bool speed : {false, true})
    for (const bool wholeForm : {false, true}) {
      TForm* form = NewForm(true);
      TspButtonPaintEvent paint;
      TControl* button;
      if (speed) {
        auto* b = Put<TspSkinSpeedButton>(form, 10, 10, 80, 25);
        b->SetSkinData(Skin);
        button = b;
      } else {
        auto* b = Put<TspSkinButton>(form, 10, 10, 80, 25);
        b->SetSkinData(Skin);
        button = b;
      }
      auto freeIt = Freeing(wholeForm ? static_cast<TObject*>(form) : button);
      paint = [freeIt](TObject*, TCanvas*, TRect, bool, bool, bool&) { freeIt(); };
      if (speed) static_cast<TspSkinSpeedButton*>(button)->OnPaint = paint;
      else static_cast<TspSkinButton*>(button)->OnPaint = paint;
      form->Show();
      ExpectFreed(form, wholeForm, speed ? "speed button" : "button");
    }
}

TEST_F(FreeWhileHandledTest, MDITabsBarsDrawParamsFreeingTheBarOrTheFrame) {
  for (const bool wholeFrame : {false, true}) {
    TForm* frame = NewForm(true, fsMDIForm);
    auto* bar = Put<TspSkinMDITabsBar>(frame, 0, 0, 315, 21);
    bar->SetSkinData(Skin);
    GetSkinForm(frame)->SetMDITabsBar(bar);
    ShowAndActivate(frame);
    TForm* child = NewForm(true, fsMDIChild, frame);
    child->Show();
    Settle();
    auto freeIt = Freeing(wholeFrame ? static_cast<TObject*>(frame) : bar);
    bar->OnTabGetDrawParamsEvent = [freeIt](TspMDITab*, TCanvas*) { freeIt(); };
    bar->Invalidate();
    ExpectFreed(frame, wholeFrame, wholeFrame ? "frame" : "tabs bar");
  }
}

TEST_F(FreeWhileHandledTest, AnLEDDisplaySizedInItsPaintAndAFlatBarSizedByItsFormFreedByTheirResize) {
  for (const bool wholeForm : {false, true}) {
    TForm* form = NewForm(false);
    auto* led = Put<TLEDFontNum>(form, 10, 10, 200, 60);  // its paint sizes it to its digits
    led->SetText(L"12.5");
    led->OnResize = [f = Freeing(wholeForm ? static_cast<TObject*>(form) : led)](TObject*) { f(); };
    form->Show();
    ExpectFreed(form, wholeForm, "LED display");
  }
  // The flat bar snaps the width its side gives it while the form lays out.
  for (const bool wholeForm : {false, true}) {
    TForm* form = NewForm(false);
    auto* bar = Put<TFlatProgressBar>(form, 0, 0, 100, 16);
    bar->SetAlign(alTop);
    ShowAndActivate(form);
    bar->OnResize = [f = Freeing(wholeForm ? static_cast<TObject*>(form) : bar)](TObject*) { f(); };
    SetWindowPos(form->Handle(), nullptr, 0, 0, 333, 200, SWP_NOMOVE | SWP_NOZORDER);
    ExpectFreed(form, wholeForm, "flat bar");
  }
}

// ---------------------------------------------------------------------------
// Skinned menus

class SkinMenuFreeTest : public FreeWhileHandledTest {
 protected:
  // A skinned form (an MDI child of a skinned frame when asked; both have a
  // menu bar) with a panel whose context menu is a skinned popup menu.
  void Make(bool MDIChild) {
    if (MDIChild) {
      frame = NewForm(true, fsMDIForm);
      GiveMenu(frame);
      ShowAndActivate(frame);
    }
    form = NewForm(true, MDIChild ? fsMDIChild : fsNormal, frame);
    GiveMenu(form);
    popup = new TspSkinPopupMenu(form);
    AddItem(popup->Items(), L"Item", popup);
    panel = Put<TPanel>(form, 20, 20, 120, 80);
    panel->SetPopupMenu(popup);
    if (MDIChild) {
      form->Show();
      Settle();
    } else {
      ShowAndActivate(form);
    }
  }
  // A menu bar of one item with one entry.
  static void GiveMenu(TForm* Form) {
    auto* main = new TMainMenu(Form);
    AddItem(AddItem(main->Items(), L"&File", main), L"&Open", main);
    Form->SetMenu(main);
    GetSkinForm(Form)->UpdateMenuBar();
  }
  // The form whose menu bar shows: the frame for an MDI child.
  TForm* BarForm() const { return frame ? frame : form; }
  // Whether the skin menu that shows the form's popup menus (the main
  // form's for an MDI child), or Of's, is open.
  bool MenuOpen(TForm* Of = nullptr) const {
    return FindSkinMenu(GetSkinForm(Of ? Of : MenuFormOf(form)))->Visible();
  }
  void RightClickPanel() {
    MoveMouse(Center(panel));
    MouseInput(MOUSEEVENTF_RIGHTDOWN);
    MouseInput(MOUSEEVENTF_RIGHTUP);
    Settle();
  }
  void PostKey(UINT Msg, WORD Key) {
    HWND focus = GetFocus() ? GetFocus() : form->Handle();
    PostMessageW(focus, Msg, Key, Key == VK_MENU ? 0x20000001 : 1);
    PostMessageW(focus, Msg + 1, Key, (Key == VK_MENU ? 0x20000000 : 0) | 0xC0000001);
    Settle();
  }
  void Finish(bool FormFreed, const char* What) {
    ExpectFreed(form, FormFreed, What);
    if (frame) Free(frame);
    frame = nullptr;
    Settle();
  }
  TForm* frame = nullptr;
  TForm* form = nullptr;
  TspSkinPopupMenu* popup = nullptr;
  TPanel* panel = nullptr;
};

TEST_F(SkinMenuFreeTest, TheBarMenusCloseFreeingThePlainFormOrTheMDIChildAfterAltAndAfterAClick) {
  for (const bool mdiChild : {false, true})
    for (const bool byAlt : {true, false}) {
      Make(mdiChild);
      TForm* bar = BarForm();
      GetSkinForm(bar)->OnSkinMenuClose = [f = Freeing(form)](TObject*) { f(); };
      if (byAlt) {
        PostKey(WM_SYSKEYDOWN, VK_MENU);
        PostKey(WM_KEYDOWN, VK_DOWN);
      } else {
        const TRect w = WindowRectOf(bar->Handle());
        const TRect item = GetSkinForm(bar)->MenuBarItemRect(0);
        MoveMouse(TPoint(w.Left + item.Left + 5, w.Top + item.Top + 5));
        MouseDown();
        MouseUp();
      }
      ASSERT_TRUE(PumpUntil([&] { return MenuOpen(bar); })) << mdiChild << byAlt;
      PostKey(WM_KEYDOWN, VK_ESCAPE);
      PostKey(WM_KEYDOWN, VK_ESCAPE);
      Finish(true, byAlt ? "closed after Alt" : "closed after a click");
    }
}

TEST_F(SkinMenuFreeTest, APopupMenusPopupAndCloseFreeingItsFormOnAPlainFormAndAnMDIChild) {
  for (const bool mdiChild : {false, true})
    for (const bool onClose : {false, true}) {
      Make(mdiChild);
      if (onClose) {
        popup->OnMenuClose = [f = Freeing(form)](TObject*) { f(); };
        RightClickPanel();
        ASSERT_TRUE(PumpUntil([&] { return MenuOpen(); })) << mdiChild;
        PostKey(WM_KEYDOWN, VK_ESCAPE);
      } else {
        popup->OnPopup = [f = Freeing(form)](TObject*) { f(); };
        RightClickPanel();
      }
      Finish(true, onClose ? "freed on close" : "freed on popup");
    }
}

TEST_F(SkinMenuFreeTest, APopupMenuFreedByItsOwnPopupOpensNothing) {
  Make(false);
  popup->OnPopup = [f = Freeing(popup)](TObject*) { f(); };
  RightClickPanel();
  EXPECT_FALSE(MenuOpen());
  // Called directly, outside any message.
  popup = new TspSkinPopupMenu(form);
  AddItem(popup->Items(), L"Item", popup);
  popup->OnPopup = [f = Freeing(popup)](TObject*) { f(); };
  freed = false;
  popup->Popup(150, 150);
  EXPECT_FALSE(MenuOpen());
  Finish(false, "popup menu");
}

// ---------------------------------------------------------------------------
// Layout, keys and focus

TEST_F(FreeWhileHandledTest, AnMDIFrameWhoseStatusBarSitsOnItsChildFreesWholeAfterClearAll) {
  TspSkinData data(nullptr);
  data.LoadCompressedStoredSkin(TestStoredSkin());
  TForm* frame = NewForm(true, fsMDIForm);
  GetSkinForm(frame)->SetSkinData(&data);
  ShowAndActivate(frame);
  TForm* child = NewForm(false, fsMDIChild, frame);
  (new TspSkinForm(child))->SetSkinData(&data);
  auto* status = new TspSkinStatusBar(frame);
  status->SetSkinData(&data);
  status->SetParent(child);
  child->Show();
  Settle();
  const HWND windows[] = {frame->Handle(), frame->ClientHandle(), child->Handle(), status->Handle()};
  data.ClearAll();
  Settle();
  EXPECT_NO_THROW(Free(frame));
  for (HWND w : windows) EXPECT_FALSE(IsWindow(w));
}

TEST_F(FreeWhileHandledTest, ATabSheetsResizeFreeingItsFormDuringRealign) {
  TForm* form = NewForm(true);
  auto* pages = Put<TspSkinPageControl>(form, 0, 0, 200, 150);
  pages->SetSkinData(Skin);
  pages->SetAlign(alClient);
  auto* sheet = new TspSkinTabSheet(form);
  sheet->SetPageControl(pages);
  ShowAndActivate(form);
  sheet->OnResize = [f = Freeing(form)](TObject*) { f(); };
  SetWindowPos(form->Handle(), nullptr, 0, 0, 500, 380, SWP_NOMOVE | SWP_NOZORDER);
  ExpectFreed(form, true, "tab sheet's form");
}

TEST_F(FreeWhileHandledTest, KeysOnAnMDIChildFreeingItsSkinnedFormOrTheFrame) {
  for (const bool pageControlFreesFrame : {false, true}) {
    TForm* frame = NewForm(true, fsMDIForm);
    ShowAndActivate(frame);
    TForm* child = NewForm(true, fsMDIChild, frame);
    auto* pages = Put<TspSkinPageControl>(child, 10, 10, 200, 120);
    pages->SetSkinData(Skin);
    for (int i = 0; i < 2; ++i) (new TspSkinTabSheet(child))->SetPageControl(pages);
    child->Show();
    pages->SetFocus();
    Settle();
    if (pageControlFreesFrame) {
      pages->OnKeyDown = [f = Freeing(frame)](TObject*, WORD&, TShiftState) { f(); };
    } else {
      child->SetKeyPreview(true);
      child->OnKeyDown = [f = Freeing(child)](TObject*, WORD&, TShiftState) { f(); };
    }
    KeyChord({}, VK_RIGHT);
    ExpectFreed(frame, pageControlFreesFrame, pageControlFreesFrame ? "page control" : "MDI child");
  }
}

TEST_F(FreeWhileHandledTest, ATrackEditsEnterFreeingItself) {
  TForm* form = NewForm(true);
  auto* first = Put<TspSkinEdit>(form, 10, 10, 120, 22);
  auto* track = Put<TspSkinTrackEdit>(form, 10, 40, 120, 22);
  ShowAndActivate(form);
  first->SetFocus();
  Settle();
  track->OnEnter = [f = Freeing(track)](TObject*) { f(); };
  KeyChord({}, VK_TAB);
  ExpectFreed(form, false, "track edit");
}

}  // namespace
