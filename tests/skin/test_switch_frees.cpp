// Frees and skin switches made by handlers that a skin switch or a form's
// first show raises. Faults and unsound heaps fail the test (the test main).
#include "../classlib/ControlTestUtils.h"
#include "../skinctrls/SkinCtrlTestUtils.h"
#include "SkinSwitchTestUtils.h"
#include "../WindowsTestMain.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinForm.h"

// The switch resizes the form; its OnResize frees the form's owner, which
// takes the form and its skinned form along (the skin too, when the owner
// holds it).
TEST(SwitchFrees, ResizeDuringASwitchFreesTheFormsOwner) {
  for (const auto& [name, change] : SkinSwitches()) {
    for (const bool ownerHoldsSkin : {false, true}) {
      SCOPED_TRACE(std::string(name) + (ownerHoldsSkin ? ", skin held by the owner" : ""));
      TForm* owner = new TForm(nullptr);
      TspSkinData* skin = NewTestSkin(ownerHoldsSkin ? owner : nullptr);
      if (std::string(name) == "load") skin->ClearAll();
      TForm* form = SkinnedFormWithMenuBar(owner, skin);
      int resized = 0;
      form->OnResize = [owner, &resized](TObject*) {
        ++resized;
        Free(owner);
      };
      change(skin);
      Settle();
      EXPECT_GT(resized, 0);
      EXPECT_EQ(ExceptionsReachingApplication(), 0);
      if (!ownerHoldsSkin) Free(skin);
    }
  }
}

// A second switch from an OnResize the first raised: one skin is in force
// after both, and every form wears it.
TEST(SwitchFrees, SwitchFromAResizeThatASwitchRaised) {
  for (const auto& [outerName, outer] : SkinSwitches()) {
    for (const auto& [innerName, inner] : SkinSwitches()) {
      SCOPED_TRACE(std::string(outerName) + " then " + innerName);
      TspSkinData* skin = NewTestSkin(nullptr);
      if (std::string(outerName) == "load") skin->ClearAll();
      TForm* form = SkinnedFormWithMenuBar(nullptr, skin);
      TForm* other = SkinnedFormWithMenuBar(nullptr, skin);
      int switched = 0;
      form->OnResize = [skin, inner = inner, &switched](TObject*) {
        if (switched++ == 0) inner(skin);
      };
      outer(skin);
      Settle();
      EXPECT_GT(switched, 0);
      const bool loaded = std::string(innerName) == "load";
      EXPECT_EQ(skin->Empty(), !loaded);
      for (TForm* f : {form, other}) {
        RedrawWindow(f->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_EQ(GetSkinForm(f)->ObjectCount() > 0, loaded);
      }
      Settle();
      EXPECT_EQ(ExceptionsReachingApplication(), 0);
      Free(form);
      Free(other);
      Free(skin);
    }
  }
}

// An MDI child's edit takes the focus as the child first shows; its OnEnter
// closes the child, whose OnClose frees it. The frame then has no child.
TEST(SwitchFrees, MDIChildClosedAndFreedDuringItsFirstShow) {
  for (const bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    TspSkinData* skin = skinned ? NewTestSkin(nullptr) : nullptr;
    auto* frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(30, 30, 500, 400);
    if (skin) (new TspSkinForm(frame))->SetSkinData(skin);
    ShowAndActivate(frame);
    auto* child = new TForm(frame);
    child->SetFormStyle(fsMDIChild);
    if (skin) (new TspSkinForm(child))->SetSkinData(skin);
    auto* edit = new TEdit(child);
    edit->SetParent(child);
    edit->SetBounds(10, 10, 100, 22);
    edit->OnEnter = [child](TObject*) { child->Close(); };
    child->OnClose = [child](TObject*, TCloseAction&) { Free(child); };
    child->Show();
    Settle();
    EXPECT_EQ(frame->MDIChildCount(), 0);
    EXPECT_EQ(frame->ActiveMDIChild(), nullptr);
    HWND client = frame->ClientHandle();
    int children = 0;
    for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) ++children;
    EXPECT_EQ(children, 0);
    PostMessageW(frame->Handle(), WM_KEYDOWN, VK_TAB, 0);
    PostMessageW(frame->Handle(), WM_KEYUP, VK_TAB, 0xC0000001);
    Settle();
    // The next child takes the frame's place as its active child.
    auto* next = new TForm(frame);
    next->SetFormStyle(fsMDIChild);
    next->Show();
    Settle();
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(frame->ActiveMDIChild(), next);
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
    Free(frame);
    Free(skin);
  }
}

// A form's OnResize during a switch gives the form another skin data and
// switches that one: the first switch's hold on the redraw is let go as it
// was taken, and the form's Update paints at once afterwards.
TEST(SwitchFrees, ResizeDuringASwitchSwitchesAnotherSkinData) {
  for (const auto& [name, change] : SkinSwitches()) {
    SCOPED_TRACE(name);
    TspSkinData* skin = NewTestSkin(nullptr);
    TspSkinData* second = NewTestSkin(nullptr);
    if (std::string(name) == "load") skin->ClearAll();
    TForm* form = SkinnedFormWithMenuBar(nullptr, skin);
    int resized = 0;
    form->OnResize = [form, second, &resized](TObject*) {
      if (resized++) return;
      GetSkinForm(form)->SetSkinData(second);
      second->ClearAll();
    };
    change(skin);
    Settle();
    EXPECT_GT(resized, 0);
    int painted = 0;
    form->OnPaint = [&painted](TObject*) { ++painted; };
    form->Invalidate();
    form->Update();
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(ExceptionsReachingApplication(), 0);
    Free(form);
    Free(skin);
    Free(second);
  }
}
