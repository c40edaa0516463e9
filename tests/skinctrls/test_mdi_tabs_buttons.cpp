// The MDI tabs bar's list and hidden-tab buttons on a real MDI frame under
// Wine, with real mouse input: menu speed buttons made as the tabs come and
// fit, their menus of the tabs, choosing a child from them, and their looks
// through a skin switch and the switch to no skin.
#include <gtest/gtest.h>

#include <vector>

#include "../skin/SkinFormTestUtils.h"
#include "skin/SkinMDITabs.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinMenus.h"

namespace {

class MDITabsButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = new TspSkinData(nullptr);
    LoadSkinSources(skin, "skins/Default/skin.ini");
    frame = new TForm(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(30, 30, 600, 420);
    frameSkin = new TspSkinForm(frame);
    frameSkin->SetSkinData(skin);
    Application->SetMainForm(frame);
    bar = new TspSkinMDITabsBar(frame);
    bar->SetParent(frame);
    bar->SetBounds(0, 0, 315, 21);
    bar->SetSkinData(skin);
    frameSkin->SetMDITabsBar(bar);
    ShowAndActivate(frame);
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Application->SetMainForm(nullptr);
    Free(frame);
    Free(skin);
    Settle();
  }

  TForm* AddChild(const String& Caption, const String& Name) {
    auto* child = new TForm(frame);
    child->SetName(Name);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption(Caption);
    child->SetBounds(20, 40, 220, 150);
    (new TspSkinForm(child))->SetSkinData(skin);
    child->Show();
    Settle();
    children.push_back(child);
    return child;
  }

  static TspSkinMenuSpeedButton* AsMenuButton(TControl* Control) {
    return dynamic_cast<TspSkinMenuSpeedButton*>(Control);
  }

  int TabHeight() const { return bar->Height() - bar->TabsOffset(); }
  TspSkinMenu* SkinMenu() const { return FindSkinMenu(frameSkin); }

  // A real click in the middle of Control.
  static void Click(TControl* Control) {
    MoveMouse(Control->ClientToScreen(TPoint(Control->Width() / 2, Control->Height() / 2)));
    MouseDown();
    Settle();
    MouseUp();
    Settle();
  }

  // Opens Button's menu by a click and chooses its item Index by another.
  void Choose(TControl* Button, int Index) {
    Click(Button);
    ASSERT_TRUE(SkinMenu()->Visible());
    TspSkinPopupWindow* window = SkinMenu()->Level(0);
    const TRect& r = window->Items(Index)->ItemRect;
    MoveMouse(window->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)));
    Settle();
    MouseDown();
    Settle();
    MouseUp();
    Settle();
  }

  // The screen pixels at three corners of Button, away from its arrow.
  static std::vector<COLORREF> Corners(TControl* Button) {
    std::vector<COLORREF> pixels;
    HDC screen = GetDC(nullptr);
    for (const TPoint d : Insets(Button)) {
      const TPoint at = Button->ClientToScreen(d);
      pixels.push_back(GetPixel(screen, at.X, at.Y));
    }
    ReleaseDC(nullptr, screen);
    return pixels;
  }
  // The same corners of the "resizetoolbutton" record of Skin at rest,
  // composed at the button's size; empty when the skin has no such record.
  static std::vector<COLORREF> RecordCorners(TspSkinData* Skin, TControl* Button) {
    TBitmap b;
    b.SetSize(Button->Width(), Button->Height());
    TColor font = 0;
    std::vector<COLORREF> pixels;
    if (!DrawSkinButtonPart(b.Canvas(), Skin, L"resizetoolbutton", TRect(0, 0, b.Width(), b.Height()), psIdle, font))
      return pixels;
    for (const TPoint d : Insets(Button)) pixels.push_back(GetPixel(b.Canvas()->Handle(), d.X, d.Y));
    return pixels;
  }
  static std::vector<TPoint> Insets(TControl* Button) {
    return {TPoint(1, 1), TPoint(Button->Width() - 2, 2), TPoint(1, Button->Height() - 2)};
  }
  void MouseAway() {
    MoveMouse(frame->ClientToScreen(TPoint(400, 300)));
    Settle();
  }

  TspSkinData* skin = nullptr;
  TForm* frame = nullptr;
  TspSkinForm* frameSkin = nullptr;
  TspSkinMDITabsBar* bar = nullptr;
  std::vector<TForm*> children;
};

TEST_F(MDITabsButtonsTest, TheListButtonComesWithTheFirstChildAndGoesWithTheLast) {
  EXPECT_EQ(bar->ListButton(), nullptr);
  AddChild(L"One", L"FirstChild");
  TspSkinMenuSpeedButton* list = AsMenuButton(bar->ListButton());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->SkinDataName(), L"resizetoolbutton");
  EXPECT_EQ(list->SkinData(), skin);
  EXPECT_EQ(list->Parent(), bar);
  // As high as the tabs: the bar less the skin's strip under them.
  EXPECT_EQ(list->BoundsRect(), TRect(0, 0, 15, TabHeight()));
  AddChild(L"Two", L"SecondChild");
  EXPECT_EQ(bar->ListButton(), list);
  EXPECT_EQ(bar->HiddenButton(), nullptr);
  Free(children[0]);
  Settle();
  EXPECT_EQ(bar->ListButton(), list);
  Free(children[1]);
  Settle();
  EXPECT_EQ(bar->ListButton(), nullptr);
  children.clear();
}

TEST_F(MDITabsButtonsTest, TheListButtonsMenuHoldsOneRadioItemPerTabAndChoosingRestoresTheChild) {
  AddChild(L"One", L"FirstChild");
  AddChild(L"Two", L"SecondChild");
  AddChild(L"Three", L"ThirdChild");
  TspSkinMenuSpeedButton* list = AsMenuButton(bar->ListButton());
  ASSERT_NE(list, nullptr);
  Click(list);
  ASSERT_TRUE(SkinMenu()->Visible());
  EXPECT_TRUE(list->Down());
  EXPECT_TRUE(list->MenuOpen());
  TMenuItem* items = bar->ListMenu();
  ASSERT_EQ(items->Count(), 3);
  const wchar_t* names[] = {L"FirstChild_DSFCHILDITEMBAR", L"SecondChild_DSFCHILDITEMBAR",
                            L"ThirdChild_DSFCHILDITEMBAR"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(items->Items(i)->RadioItem());
    EXPECT_EQ(items->Items(i)->Caption(), children[i]->Caption());
    EXPECT_EQ(items->Items(i)->Name(), names[i]);
    EXPECT_EQ(items->Items(i)->Checked(), i == 2) << i;  // the last child shown is active
  }
  // A click elsewhere closes the menu and the button comes up.
  MoveMouse(frame->ClientToScreen(TPoint(400, 300)));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(SkinMenu()->Visible());
  EXPECT_FALSE(list->Down());

  // A minimized child comes back when chosen, and becomes the active one.
  GetSkinForm(children[0])->SetWindowState(1);
  Settle();
  ASSERT_TRUE(IsIconic(children[0]->Handle()));
  Choose(list, 0);
  EXPECT_FALSE(IsIconic(children[0]->Handle()));
  EXPECT_EQ(GetSkinForm(children[0])->WindowState(), 0);
  EXPECT_EQ(frame->ActiveMDIChild(), children[0]);
  EXPECT_FALSE(list->Down());
  // The menu is rebuilt at each opening: the check follows the active child.
  Click(list);
  ASSERT_EQ(bar->ListMenu()->Count(), 3);
  EXPECT_TRUE(bar->ListMenu()->Items(0)->Checked());
  EXPECT_FALSE(bar->ListMenu()->Items(2)->Checked());
  SkinMenu()->CloseSkinMenu();
  Settle();
}

TEST_F(MDITabsButtonsTest, TheHiddenButtonComesWhenTabsStopFittingAndGoesWhenTheyFit) {
  bar->SetMinTabWidth(80);
  bar->SetBounds(0, 0, 200, 21);
  for (const wchar_t* caption : {L"One", L"Two", L"Three", L"Four"}) AddChild(caption, String(caption) + L"Form");
  bar->Repaint();
  Settle();
  ASSERT_EQ(bar->HiddenCount(), 2);
  TspSkinMenuSpeedButton* hidden = AsMenuButton(bar->HiddenButton());
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(hidden->SkinDataName(), L"resizetoolbutton");
  EXPECT_EQ(hidden->BoundsRect(), TRect(185, 0, 200, TabHeight()));
  // Its menu lists the hidden tabs only; choosing one shows that child.
  Choose(hidden, 0);
  ASSERT_EQ(bar->HiddenMenu()->Count(), 2);
  EXPECT_EQ(bar->HiddenMenu()->Items(0)->Name(), L"ThreeForm_DSFCHILDITEMBARHIDE");
  EXPECT_EQ(frame->ActiveMDIChild(), children[2]);
  // Wider, every tab fits again and the button goes; narrower, it comes back
  // at the new right end.
  bar->SetBounds(0, 0, 400, 21);
  Settle();
  EXPECT_EQ(bar->HiddenButton(), nullptr);
  bar->SetBounds(0, 0, 180, 21);
  Settle();
  ASSERT_NE(bar->HiddenButton(), nullptr);
  EXPECT_EQ(bar->HiddenButton()->BoundsRect(), TRect(165, 0, 180, TabHeight()));
}

TEST_F(MDITabsButtonsTest, BothButtonsFollowASkinSwitchAndTheSwitchToNoSkin) {
  bar->SetMinTabWidth(80);
  bar->SetBounds(0, 0, 200, 21);
  for (const wchar_t* caption : {L"One", L"Two", L"Three"}) AddChild(caption, String(caption) + L"Form");
  bar->Repaint();
  Settle();
  ASSERT_NE(bar->HiddenButton(), nullptr);
  MouseAway();
  const std::vector<TControl*> buttons = {bar->ListButton(), bar->HiddenButton()};
  for (TControl* b : buttons) EXPECT_EQ(Corners(b), RecordCorners(skin, b));
  const std::vector<COLORREF> before = Corners(buttons[0]);

  LoadSkinSources(skin, "skins/Dark/skin.ini");
  Settle();
  for (TControl* b : buttons) {
    bar->Repaint();
    const std::vector<COLORREF> expected = RecordCorners(skin, b);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Corners(b), expected);
  }
  EXPECT_NE(Corners(buttons[0]), before);

  // No skin: the buttons stay, in the default look of a menu button at rest.
  skin->ClearAll();
  Settle();
  ASSERT_EQ(bar->ListButton(), buttons[0]);
  ASSERT_EQ(bar->HiddenButton(), buttons[1]);
  bar->Repaint();
  for (TControl* b : buttons)
    for (COLORREF c : Corners(b))
      EXPECT_TRUE(c == GetSysColor(COLOR_BTNFACE) || c == GetSysColor(COLOR_BTNSHADOW) ||
                  c == GetSysColor(COLOR_BTNHIGHLIGHT) || c == GetSysColor(COLOR_3DDKSHADOW))
          << std::hex << c;

  // Another skin data component given to the bar reaches both buttons.
  auto* other = new TspSkinData(frame);
  LoadSkinSources(other, "skins/Default/skin.ini");
  bar->SetSkinData(other);
  for (TControl* b : buttons) EXPECT_EQ(AsMenuButton(b)->SkinData(), other);
}

}  // namespace
