// Skin switches during which the system makes every skinned window paint
// while the old skin is already gone: on the form that owns the skin data, on
// a second skinned form and on a form without a skinned form. No control may
// draw from the old skin's records or pictures, and no control is left
// without the new skin.
#include <algorithm>

#include "SkinInputTestUtils.h"
#include "classlib/GuiCounts.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinTabs.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinScrollBox.h"
#include "skininputs/SkinSpinEdit.h"

namespace {

// Access faults seen by the process, caught where they were or not: a
// window procedure's fault may be swallowed on the way back to the system.
LONG gFaults = 0;

LONG CALLBACK NoteFault(EXCEPTION_POINTERS* Info) {
  if (Info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) InterlockedIncrement(&gFaults);
  return EXCEPTION_CONTINUE_SEARCH;
}

// Every shown window drawn whole, frames and children, at once whenever one
// of the forms hears that the skin changed or has its frame changed: the
// moments at which controls still hold what they took from the skin before.
std::vector<HWND> gForms;
bool gForcing = false;
int gForced = 0;

BOOL CALLBACK RedrawShown(HWND Window, LPARAM) {
  if (IsWindowVisible(Window))
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}

LRESULT CALLBACK ForcePaints(int Code, WPARAM W, LPARAM L) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(L);
  const bool trigger = m->message == MSG_AFTER_SKIN_CHANGE || m->message == WM_NCCALCSIZE;
  if (Code == HC_ACTION && trigger && !gForcing &&
      std::find(gForms.begin(), gForms.end(), m->hwnd) != gForms.end()) {
    gForcing = true;
    ++gForced;
    // The forms and every other window of the thread: open menus, hints.
    EnumThreadWindows(GetCurrentThreadId(), RedrawShown, 0);
    gForcing = false;
  }
  return CallNextHookEx(nullptr, Code, W, L);
}

template <class T>
T* Put(TCustomForm* Form, TWinControl* Parent, TspSkinData* Skin, int Left, int Top, int Width, int Height) {
  T* c = new T(Form);
  c->SetParent(Parent);
  c->SetBounds(Left, Top, Width, Height);
  c->SetSkinData(Skin);
  return c;
}

// An edit, and a list box under a panel's label: the controls of the forms
// that hear of a change after the first. Returns the edit.
TspSkinEdit* PutFewControls(TCustomForm* Form, TspSkinData* Skin) {
  auto* edit = Put<TspSkinEdit>(Form, Form, Skin, 230, 4, 150, 22);
  edit->SetText(L"Edit \x7F16\x8F91");
  auto* panel = Put<TspSkinPanel>(Form, Form, Skin, 4, 4, 220, 150);
  Put<TspSkinStdLabel>(Form, panel, Skin, 8, 30, 100, 16)->SetCaption(L"Label \x6807\x7B7E");
  auto* list = Put<TspSkinListBox>(Form, Form, Skin, 230, 56, 150, 80);
  for (const wchar_t* item : {L"One", L"Two", L"Three"}) list->Items()->Add(item);
  return edit;
}

// Controls of many kinds: with frames of their own (edits, list box, scroll
// box, combo box), transparent ones that draw their parent under them
// (labels, check box), a blended panel, pages. Returns the first edit.
TspSkinEdit* PutControls(TCustomForm* Form, TspSkinData* Skin) {
  TspSkinEdit* edit = PutFewControls(Form, Skin);
  auto* panel = static_cast<TspSkinPanel*>(Form->Controls(1));
  panel->SetCaptionMode(true);
  panel->SetCaption(L"Panel");
  Put<TspSkinCheckRadioBox>(Form, panel, Skin, 8, 50, 120, 20)->SetCaption(L"Check");
  auto* blended = Put<TspSkinPanel>(Form, panel, Skin, 8, 74, 120, 40);
  blended->SetAlphaBlend(true);
  Put<TspSkinButton>(Form, blended, Skin, 4, 4, 80, 24)->SetCaption(L"Button");
  Put<TspSkinSpinEdit>(Form, Form, Skin, 230, 30, 100, 22);
  Put<TspSkinComboBox>(Form, Form, Skin, 230, 140, 150, 22)->Items()->Add(L"Item");
  auto* box = Put<TspSkinScrollBox>(Form, Form, Skin, 4, 160, 150, 80);
  Put<TspSkinEdit>(Form, box, Skin, 4, 4, 100, 22);
  auto* pages = Put<TspSkinPageControl>(Form, Form, Skin, 160, 170, 220, 90);
  auto* sheet = new TspSkinTabSheet(Form);
  sheet->SetPageControl(pages);
  sheet->SetCaption(L"Page");
  Put<TspSkinEdit>(Form, sheet, Skin, 4, 4, 100, 22);
  return edit;
}

TForm* NewForm(int Left, int Top, TspSkinData* FrameSkin) {
  auto* form = new TForm(nullptr);
  form->SetBounds(Left, Top, 400, 300);
  if (FrameSkin) (new TspSkinForm(form))->SetSkinData(FrameSkin);
  return form;
}

// As a program leaves the skin: the forms are told as for a load.
void SwitchToNoSkin(TspSkinData* Skin) { Skin->ClearAll(); }

class SkinSwitchPaints : public ::testing::Test {
 protected:
  void SetUp() override {
    light.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
    dark.LoadFromSkinFile(ProjectPath("skins/Dark/skin.ini"));
    // The skin data belongs to the first form, which hears every change first.
    owner = NewForm(20, 20, nullptr);
    skin = new TspSkinData(owner);
    (new TspSkinForm(owner))->SetSkinData(skin);
    second = NewForm(440, 20, skin);
    plain = NewForm(20, 340, nullptr);
    for (TForm* form : {owner, second, plain}) {
      edits.push_back(form == owner ? PutControls(form, skin) : PutFewControls(form, skin));
      ShowAndActivate(form);
      gForms.push_back(form->Handle());
    }
    skin->LoadCompressedStoredSkin(&light);
    Settle();
    fault = AddVectoredExceptionHandler(1, NoteFault);
    hook = SetWindowsHookExW(WH_CALLWNDPROC, ForcePaints, nullptr, GetCurrentThreadId());
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook);
    RemoveVectoredExceptionHandler(fault);
    gForms.clear();
    for (TForm* form : {plain, second, owner}) Free(form);
    Settle();
  }
  TspCompressedStoredSkin light{nullptr}, dark{nullptr};
  TForm *owner = nullptr, *second = nullptr, *plain = nullptr;
  TspSkinData* skin = nullptr;
  std::vector<TspSkinEdit*> edits;  // one on each form, in the order above
  PVOID fault = nullptr;
  HHOOK hook = nullptr;
};

// Each switch goes to a skin with another frame (the dark skin's margins are
// not the light one's; no skin has none), so the forms' frames change in the
// middle of every switch.
TEST_F(SkinSwitchPaints, PaintsForcedInTheMiddleOfSwitchesDrawNothingFreed) {
  const LONG faults = gFaults;
  const auto round = [this] {
    skin->LoadCompressedStoredSkin(&dark);
    SwitchToNoSkin(skin);
    skin->LoadCompressedStoredSkin(&light);
    Application->ProcessMessages();
  };
  // What the first switches keep (fonts, composed looks) is made first.
  for (int i = 0; i < 2; ++i) {
    round();
    Settle();
  }
  const int objects = GdiObjectsInUse();
  const int windows = ThreadWindowsWithChildren();
  gForced = 0;
  for (int i = 0; i < 5; ++i) round();
  Settle();
  EXPECT_GE(gForced, 5 * 6);  // each form at each change, the frames' changes besides
  EXPECT_EQ(gFaults, faults);
  EXPECT_LE(GdiObjectsInUse(), objects);
  EXPECT_EQ(ThreadWindowsWithChildren(), windows);
}

// A control takes the new skin wherever it is: on a form whose skinned form
// tells it, and on a form without one.
TEST_F(SkinSwitchPaints, EveryFormsControlsTakeTheNewSkin) {
  const LONG faults = gFaults;
  SetFocus(nullptr);  // a focused edit has a look of its own
  std::unique_ptr<TBitmap> before;
  for (TspCompressedStoredSkin* next : {&dark, &light}) {
    skin->LoadCompressedStoredSkin(next);
    Settle();
    // An edit made after the switch shows the look this skin gives; every
    // edit that went through the switch must show the same.
    auto* fresh = Put<TspSkinEdit>(plain, plain, skin, 230, 200, 150, 22);
    fresh->SetText(edits[0]->Text());
    Settle();
    std::unique_ptr<TBitmap> told = Snapshot(fresh);
    Free(fresh);
    for (TspSkinEdit* edit : edits) {
      EXPECT_EQ(edit->SkinIndex(), skin->GetControlIndex(L"edit"));
      EXPECT_TRUE(SamePixels(Snapshot(edit).get(), told.get()));
    }
    // And it is not the other skin's look.
    if (before) {
      EXPECT_FALSE(SamePixels(before.get(), told.get()));
    }
    before = std::move(told);
  }
  SwitchToNoSkin(skin);
  Settle();
  for (TspSkinEdit* edit : edits) EXPECT_EQ(edit->SkinIndex(), -1);
  EXPECT_EQ(gFaults, faults);
}

// A menu open when the skin changes draws from the skin's records: it closes
// first, and nothing of it draws from the freed records.
TEST_F(SkinSwitchPaints, AMenuOpenAtASwitchClosesBeforeTheSkinGoes) {
  const LONG faults = gFaults;
  auto* popup = new TspSkinPopupMenu(owner);
  popup->SetSkinData(skin);
  for (const wchar_t* caption : {L"One", L"Two"}) {
    auto* item = new TMenuItem(popup);
    item->SetCaption(caption);
    popup->Items()->Add(item);
  }
  auto* menu = dynamic_cast<TspSkinMenu*>(GetSkinForm(owner)->SkinMenu());
  ASSERT_NE(menu, nullptr);
  for (TspCompressedStoredSkin* next : {&dark, &light}) {
    popup->Popup(120, 120);
    ASSERT_TRUE(menu->MenuVisible());
    skin->LoadCompressedStoredSkin(next);
    EXPECT_FALSE(menu->MenuVisible());
  }
  Settle();
  EXPECT_EQ(gFaults, faults);
}

}  // namespace
