// A thousand skin switches of a form holding every panel, label and bevel
// kind: no window and no GDI object may be left behind, and every control
// must end up drawn from the skin that was loaded last.
#include "SkinCtrlTestUtils.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinLabels.h"

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM Count) {
  ++*reinterpret_cast<int*>(Count);
  return TRUE;
}

int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

int ChildWindows(HWND Parent) {
  int count = 0;
  EnumChildWindows(Parent, CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

class SkinSwitch : public FormTest {};

TEST_F(SkinSwitch, AThousandSwitchesLeaveNoWindowsOrGdiObjects) {
  auto* skin = new TspSkinData(form);
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  auto* panel = Add<TspSkinPanel>(form, 4, 4, 200, 120);
  panel->SetCaptionMode(true);
  panel->SetCaption(L"Panel \x9762\x677F");
  auto* group = Add<TspSkinGroupBox>(panel, 4, 30, 150, 60);
  auto* paint = Add<TspSkinPaintPanel>(form, 210, 4, 100, 60);
  auto* bar = Add<TspSkinStatusBar>(form, 0, 0, 100, 21);
  bar->SetName(L"statusbar");
  bar->SetSizeGrip(true);
  auto* label = Add<TspSkinStdLabel>(group, 4, 20, 100, 16);
  label->SetCaption(L"Label \x6807\x7B7E");
  auto* buttonLabel = Add<TspSkinButtonLabel>(form, 210, 70, 100, 24);
  auto* bevel = Add<TspSkinBevel>(form, 210, 100, 100, 4);
  panel->SetSkinData(skin);
  group->SetSkinData(skin);
  paint->SetSkinData(skin);
  bar->SetSkinData(skin);
  label->SetSkinData(skin);
  buttonLabel->SetSkinData(skin);
  bevel->SetSkinData(skin);
  ShowAndActivate(form);

  skin->LoadCompressedStoredSkin(TestStoredSkin());  // the first load makes the caches
  Settle();
  const int windows = ThreadWindows();
  const int children = ChildWindows(form->Handle());
  const int shared = GdiResourceCount();
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 1000; ++i) {
    skin->LoadCompressedStoredSkin(TestStoredSkin());
    if (i % 50 == 0) Application->ProcessMessages();
  }
  Settle();
  EXPECT_EQ(ThreadWindows(), windows);
  EXPECT_EQ(ChildWindows(form->Handle()), children);
  EXPECT_EQ(GdiResourceCount(), shared);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);

  // Each control found its record in the skin loaded last.
  EXPECT_NE(panel->SkinIndex(), -1);
  EXPECT_NE(bar->SkinIndex(), -1);
  EXPECT_NE(label->SkinIndex(), -1);
  EXPECT_EQ(panel->SkinRecord(), skin->CtrlList[skin->GetControlIndex(L"panel")]);
}

}  // namespace
