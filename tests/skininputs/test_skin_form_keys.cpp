// A skinned form's keys and activation through skin loads and ClearAll:
// shortcuts of its menu with the skinned menu bar and with the system's after
// ClearAll, and the caption (skinned or the system's) showing the real
// activation after ClearAll and after a load while a second form is active,
// modal or not.
#include <string>
#include <vector>

#include "../skin/SkinFormTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "skininputs/SkinEdit.h"

namespace {

// The caption's pixels along one row, as the screen shows them.
std::vector<COLORREF> CaptionStrip(TCustomForm* Form) {
  HWND h = Form->Handle();
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Settle();
  std::vector<COLORREF> strip;
  const TRect w = WindowRectOf(h);
  for (int x = 30; x < w.Width() - 90; x += 3) strip.push_back(ScreenPixel(h, TPoint(x, 9)));
  return strip;
}

void Activate(TCustomForm* Form) {
  SetForegroundWindow(Form->Handle());
  PumpUntil([&] { return GetActiveWindow() == Form->Handle(); });
  Settle();
}

class SkinFormKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = new TspSkinData(nullptr);
    LoadSkinSources(skin, "skins/Default/skin.ini");
  }
  void TearDown() override {
    Free(skin);
    Settle();
  }
  TspSkinData* skin = nullptr;
};

TEST_F(SkinFormKeysTest, ShortCutsRunWithTheSkinnedMenuBarAndAfterClearAll) {
  TSkinnedForm f(skin, 360, 240);
  auto* menu = new TMainMenu(f.Form);
  auto* file = new TMenuItem(menu);
  file->SetCaption(L"&File");
  menu->Items()->Add(file);
  auto* newItem = new TMenuItem(menu);
  newItem->SetCaption(L"&New");
  newItem->SetShortCut(ShortCut('N', TShiftState{ssCtrl}));
  int runs = 0;
  newItem->OnClick = [&](TObject*) { ++runs; };
  file->Add(newItem);
  f.Form->SetMenu(menu);
  f.Frame->UpdateMenuBar();
  auto* edit = new TspSkinEdit(f.Form);
  edit->SetParent(f.Form);
  edit->SetBounds(20, 20, 150, 22);
  edit->SetSkinData(skin);
  ShowAndActivate(f.Form);
  ASSERT_TRUE(f.Frame->HasMenuBar());
  ASSERT_EQ(menu->Handle(), nullptr) << "the skinned frame draws the bar";
  edit->SetFocus();
  KeyChord({VK_CONTROL}, 'N');
  EXPECT_EQ(runs, 1);
  skin->ClearAll();
  Settle();
  ASSERT_NE(menu->Handle(), nullptr) << "the system's bar is back";
  edit->SetFocus();
  KeyChord({VK_CONTROL}, 'N');
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(edit->Text(), L"");
}

TEST_F(SkinFormKeysTest, AfterClearAllTheActiveFormsSystemCaptionShowsActive) {
  TSkinnedForm f(skin, 360, 240);
  ShowAndActivate(f.Form);
  skin->ClearAll();
  Settle();
  ASSERT_EQ(GetActiveWindow(), f.Handle());
  const auto afterClear = CaptionStrip(f.Form);
  auto* other = new TForm(nullptr);
  other->SetBounds(500, 300, 200, 150);
  ShowAndActivate(other);
  const auto inactive = CaptionStrip(f.Form);
  Activate(f.Form);
  const auto active = CaptionStrip(f.Form);
  ASSERT_NE(active, inactive) << "the caption shows its state at all";
  EXPECT_EQ(afterClear, active);
  Free(other);
}

TEST_F(SkinFormKeysTest, ALoadWhileASecondFormIsActiveDrawsEachFrameAsItIs) {
  skin->ClearAll();
  TSkinnedForm main(skin, 360, 240);
  TSkinnedForm box(skin, 260, 160);
  main.Form->SetLeft(20);
  box.Form->SetBounds(420, 300, 260, 160);
  ShowAndActivate(main.Form);
  ShowAndActivate(box.Form);
  LoadSkinSources(skin, "skins/Default/skin.ini");
  Settle();
  const auto mainAfterLoad = CaptionStrip(main.Form), boxAfterLoad = CaptionStrip(box.Form);
  Activate(main.Form);
  const auto mainActive = CaptionStrip(main.Form), boxInactive = CaptionStrip(box.Form);
  Activate(box.Form);
  const auto mainInactive = CaptionStrip(main.Form), boxActive = CaptionStrip(box.Form);
  ASSERT_NE(mainActive, mainInactive);
  ASSERT_NE(boxActive, boxInactive);
  EXPECT_EQ(mainAfterLoad, mainInactive);
  EXPECT_EQ(boxAfterLoad, boxActive);

  // The same with the box shown modally: the skin comes while it runs.
  box.Form->Hide();
  Activate(main.Form);
  skin->ClearAll();
  Settle();
  std::vector<COLORREF> mainInModal, boxInModal;
  auto* timer = new TTimer(box.Form);
  timer->SetInterval(50);
  timer->OnTimer = [&](TObject*) {
    if (GetActiveWindow() != box.Handle()) return;
    timer->SetEnabled(false);
    LoadSkinSources(skin, "skins/Default/skin.ini");
    Settle();
    mainInModal = CaptionStrip(main.Form);
    boxInModal = CaptionStrip(box.Form);
    box.Form->SetModalResult(mrOk);
  };
  box.Form->ShowModal();
  EXPECT_EQ(mainInModal, mainInactive);
  EXPECT_EQ(boxInModal, boxActive);
}

}  // namespace
