// A desk program's round: a modal Find box opened and closed by the keyboard
// on a skinned MDI frame, then the children switched by Ctrl+F6, many times
// over, leaves the windows and GDI objects where they were.
#include "../skin/SkinFormTestUtils.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "skininputs/SkinEdit.h"
#include "skinctrls/SkinButtons.h"

namespace {

TForm* NewChild(TForm* Frame, TspSkinData* Skin, int Index) {
  auto* child = new TForm(Frame);
  child->SetFormStyle(fsMDIChild);
  child->SetBounds(Index * 30, Index * 30, 320, 200);
  (new TspSkinForm(child))->SetSkinData(Skin);
  auto* name = new TfcStringCombo(child);
  name->SetParent(child);
  name->SetBounds(10, 10, 150, 21);
  name->Items()->Add(L"Tea");
  auto* place = new TfcTreeCombo(child);
  place->SetParent(child);
  place->SetBounds(10, 40, 150, 21);
  place->Items()->Add(nullptr, L"North");
  child->Show();
  return child;
}

// The Find box as a program makes it: made when opened, freed when closed;
// the keys that close it come through the system's input while it is modal.
// The modal result, with the text typed into the box.
TModalResult FindByKeyboard(TForm* Frame, TspSkinData* Skin, WORD CloseKey, String& Typed) {
  TForm box(Frame);
  box.SetBorderStyle(bsDialog);
  box.SetBounds(200, 150, 300, 120);
  (new TspSkinForm(&box))->SetSkinData(Skin);
  auto* what = new TspSkinEdit(&box);
  what->SetParent(&box);
  what->SetBounds(10, 10, 200, 22);
  what->SetSkinData(Skin);
  auto* find = new TspSkinButton(&box);
  find->SetParent(&box);
  find->SetBounds(10, 50, 80, 26);
  find->SetDefault(true);
  find->SetModalResult(mrOk);
  find->SetSkinData(Skin);
  auto* cancel = new TspSkinButton(&box);
  cancel->SetParent(&box);
  cancel->SetBounds(100, 50, 80, 26);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  cancel->SetSkinData(Skin);
  box.OnShow = [CloseKey](TObject*) {
    TypeInput(L"Tea");
    KeyInput(CloseKey, false);
    KeyInput(CloseKey, true);
  };
  const TModalResult result = box.ShowModal();
  Typed = what->Text();
  return result;
}

}  // namespace

TEST(FindBoxCounts, FindAndChildSwitchesManyTimesLeaveWindowsAndGdiObjectsFlat) {
  auto* skin = new TspSkinData(nullptr);
  LoadSkinSources(skin, "skins/Default/skin.ini");
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(20, 20, 700, 500);
  (new TspSkinForm(frame))->SetSkinData(skin);
  ShowAndActivate(frame);
  NewChild(frame, skin, 0);
  NewChild(frame, skin, 1);
  Settle();
  auto round = [&](int I) {
    String typed;
    EXPECT_EQ(FindByKeyboard(frame, skin, I % 2 ? VK_RETURN : VK_ESCAPE, typed), I % 2 ? mrOk : mrCancel) << I;
    EXPECT_EQ(typed, L"Tea") << I;
    TCustomForm* before = frame->ActiveMDIChild();
    KeyChord({VK_CONTROL}, VK_F6);
    EXPECT_NE(frame->ActiveMDIChild(), before) << I;
  };
  round(0);
  Settle();
  const int windows = ThreadWindowsWithChildren();
  const int gdi = GdiObjectsInUse();
  for (int i = 1; i <= 60; ++i) round(i);
  Settle();
  EXPECT_EQ(ThreadWindowsWithChildren(), windows);
  EXPECT_LE(GdiObjectsInUse(), gdi + 4);
  Free(frame);
  Free(skin);
}
