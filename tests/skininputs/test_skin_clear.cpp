// A skin cleared while forms wear it: shown skinned forms (frame objects, menu
// bar, controls) and controls that no form holds let go of the skin and draw
// their default look, then take the next skin loaded. Run under Wine's heap
// checks: a paint from a freed record or picture faults at once.
#include "../skin/SkinFormTestUtils.h"
#include "classlib/Menus.h"
#include "skinctrls/SkinButtons.h"
#include "skininputs/SkinEdit.h"

namespace {

// Access faults seen by the process, caught or not: a window procedure's
// fault may be swallowed on the way back to the system.
LONG gFaults = 0;

LONG CALLBACK NoteFault(EXCEPTION_POINTERS* Info) {
  if (Info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) InterlockedIncrement(&gFaults);
  return EXCEPTION_CONTINUE_SEARCH;
}

void RedrawAll(HWND Window) {
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
}

class SkinClearTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gFaults = 0;
    FHandler = AddVectoredExceptionHandler(1, NoteFault);
  }
  void TearDown() override {
    RemoveVectoredExceptionHandler(FHandler);
    Settle();
  }
  void* FHandler = nullptr;
};

TEST_F(SkinClearTest, AShownSkinnedFormOutlivesClearAllAndTakesTheNextLoad) {
  for (const char* folder : {"skins/Objects/skin.ini", "skins/Default/skin.ini"}) {
    SCOPED_TRACE(folder);
    TspSkinData* skin = new TspSkinData(nullptr);
    LoadSkinSources(skin, folder);
    TSkinnedForm f(skin, 460, 320);
    auto* menu = new TMainMenu(f.Form);
    auto* file = new TMenuItem(menu);
    file->SetCaption(L"&File");
    menu->Items()->Add(file);
    auto* open = new TMenuItem(menu);
    open->SetCaption(L"&Open");
    file->Add(open);
    f.Form->SetMenu(menu);
    f.Frame->UpdateMenuBar();
    auto* button = new TspSkinButton(f.Form);
    button->SetParent(f.Form);
    button->SetBounds(20, 20, 100, 26);
    button->SetCaption(L"Button");
    button->SetSkinData(skin);
    auto* edit = new TspSkinEdit(f.Form);
    edit->SetParent(f.Form);
    edit->SetBounds(20, 60, 150, 22);
    edit->SetSkinData(skin);
    ShowAndActivate(f.Form);
    const int objects = f.Frame->ObjectCount();
    ASSERT_GT(objects, 0);
    ASSERT_TRUE(f.Frame->HasMenuBar());

    skin->ClearAll();
    EXPECT_TRUE(skin->Empty());
    EXPECT_EQ(f.Frame->ObjectCount(), 0);
    EXPECT_EQ(button->SkinIndex(), -1);
    EXPECT_EQ(edit->SkinIndex(), -1);
    // Paint, hover every part of the frame, resize, maximize and restore.
    RedrawAll(f.Handle());
    const TRect w = WindowRectOf(f.Handle());
    for (int x = w.Left + 2; x < w.Right; x += 24) MoveMouse(TPoint(x, w.Top + 12));
    MoveMouse(TPoint(w.Right - 2, w.Bottom - 2));
    MoveMouse(TPoint(2, 2));
    f.Form->SetBounds(w.Left, w.Top, 500, 360);
    RedrawAll(f.Handle());
    f.Frame->SetWindowState(2);
    RedrawAll(f.Handle());
    f.Frame->SetWindowState(0);
    RedrawAll(f.Handle());
    EXPECT_EQ(gFaults, 0);

    // Loaded again, everything wears the skin once more.
    LoadSkinSources(skin, folder);
    RedrawAll(f.Handle());
    EXPECT_EQ(f.Frame->ObjectCount(), objects);
    EXPECT_EQ(button->SkinIndex(), skin->GetControlIndex(button->SkinDataName()));
    EXPECT_EQ(gFaults, 0);
    Free(skin);
    Settle();
  }
}

TEST_F(SkinClearTest, AControlNoFormHoldsHearsOfClearAndLoad) {
  TspSkinData* skin = new TspSkinData(nullptr);
  LoadSkinSources(skin, "skins/Default/skin.ini");
  // Bound while it has no parent: no form's walk reaches it.
  auto* button = new TspSkinButton(nullptr);
  button->SetSkinData(skin);
  auto* edit = new TspSkinEdit(nullptr);
  edit->SetSkinData(skin);
  const int buttonRecord = skin->GetControlIndex(button->SkinDataName());
  ASSERT_NE(buttonRecord, -1);
  ASSERT_EQ(button->SkinIndex(), buttonRecord);
  ASSERT_NE(edit->SkinIndex(), -1);

  skin->ClearAll();
  EXPECT_EQ(button->SkinIndex(), -1);
  EXPECT_EQ(edit->SkinIndex(), -1);
  LoadSkinSources(skin, "skins/Dark/skin.ini");
  EXPECT_EQ(button->SkinIndex(), skin->GetControlIndex(button->SkinDataName()));
  EXPECT_NE(edit->SkinIndex(), -1);

  // Parented and shown after a load, it draws from the skin it holds now.
  LoadSkinSources(skin, "skins/Default/skin.ini");
  auto* form = new TForm(nullptr);
  form->SetBounds(80, 80, 300, 200);
  button->SetParent(form);
  button->SetBounds(20, 20, 100, 26);
  edit->SetParent(form);
  edit->SetBounds(20, 60, 150, 22);
  ShowAndActivate(form);
  RedrawAll(form->Handle());
  EXPECT_EQ(button->SkinIndex(), skin->GetControlIndex(button->SkinDataName()));
  EXPECT_EQ(gFaults, 0);
  Free(button);
  Free(edit);
  Free(form);
  Free(skin);
}

}  // namespace
