// Window-state changes of a skinned form under Wine: one frame paint at the
// final size per change, each control painted at most once after it, the
// form's window procedure given back without dropping a later subclass, and
// the form's own system and tray menus with the names of the frame glyphs.
#include <gtest/gtest.h>

#include <map>

#include "../skin/SkinFormTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "skin/SkinResStr.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinPanels.h"

namespace {

class FormStatesTest : public DefaultSkinTest {
 protected:
  void TearDown() override { Settle(); }
};

TSize WindowSizeOf(HWND Wnd) {
  const TRect r = WindowRectOf(Wnd);
  return TSize(r.Width(), r.Height());
}

TEST_F(FormStatesTest, EachWindowStateChangePaintsTheFrameOnceAtItsFinalSize) {
  TSkinnedForm f(Skin, 320, 240);
  ShowAndActivate(f.Form);
  Settle();
  ASSERT_TRUE(f.Frame->FrameOn());
  TspSkinForm* frame = f.Frame;
  HWND h = f.Handle();
  // Runs one change and returns the frame paints it caused, all messages done.
  auto paints = [&](const std::function<void()>& Change) {
    const int before = frame->FramePaintCount();
    Change();
    Settle();
    return frame->FramePaintCount() - before;
  };
  EXPECT_EQ(paints([&] { frame->SetWindowState(2); }), 1);
  ASSERT_TRUE(IsZoomed(h));
  EXPECT_EQ(frame->LastFramePaintSize(), WindowSizeOf(h));
  EXPECT_EQ(paints([&] { frame->SetWindowState(0); }), 1);
  EXPECT_EQ(frame->LastFramePaintSize(), TSize(320, 240));
  // A minimized form shows no frame; coming back paints it once.
  EXPECT_EQ(paints([&] { frame->SetWindowState(1); }), 0);
  ASSERT_TRUE(IsIconic(h));
  EXPECT_EQ(paints([&] { frame->SetWindowState(0); }), 1);
  EXPECT_EQ(frame->LastFramePaintSize(), TSize(320, 240));
  EXPECT_EQ(paints([&] { frame->SetRollUpState(true); }), 1);
  EXPECT_EQ(frame->LastFramePaintSize(), WindowSizeOf(h));
  EXPECT_LT(WindowSizeOf(h).cy, 240);
  EXPECT_EQ(paints([&] { frame->SetRollUpState(false); }), 1);
  EXPECT_EQ(frame->LastFramePaintSize(), TSize(320, 240));
  // The system's commands take the same way.
  EXPECT_EQ(paints([&] { SendMessageW(h, WM_SYSCOMMAND, SC_MAXIMIZE, 0); }), 1);
  EXPECT_EQ(paints([&] { SendMessageW(h, WM_SYSCOMMAND, SC_RESTORE, 0); }), 1);
}

// Counts WM_PAINT of every window control on a form, and keeps the bounds
// each had at its last paint.
struct TPaintCounter {
  std::map<TWinControl*, int> Paints;
  std::map<TWinControl*, TRect> PaintedBounds;
  void Watch(TWinControl* Parent) {
    for (int i = 0; i < Parent->ControlCount(); ++i) {
      auto* c = dynamic_cast<TWinControl*>(Parent->Controls(i));
      if (!c) continue;
      Paints[c] = 0;
      auto old = c->WindowProc;
      c->WindowProc = [this, c, old](TMessage& M) {
        if (M.Msg == WM_PAINT) {
          ++Paints[c];
          PaintedBounds[c] = c->BoundsRect();
        }
        old(M);
      };
      Watch(c);
    }
  }
  void Reset() {
    for (auto& p : Paints) p.second = 0;
  }
};

TEST_F(FormStatesTest, AMaximizeLaysOutTheControlsFirstAndPaintsEachAtMostOnce) {
  TSkinnedForm f(Skin, 360, 260);
  // Anchored and aligned controls, and the status bar whose grip the maximize hides.
  auto* status = new TspSkinStatusBar(f.Form);
  status->SetName(L"statusbar");
  status->SetParent(f.Form);
  status->SetSkinData(Skin);
  status->SetSizeGrip(true);
  for (int i = 0; i < 6; ++i) {
    auto* panel = new TspSkinPanel(f.Form);
    panel->SetParent(f.Form);
    panel->SetSkinData(Skin);
    panel->SetBounds(10 + i * 50, 10, 40, 40);
    panel->SetAnchors(i % 2 ? TAnchors{akLeft, akTop, akRight} : TAnchors{akRight, akBottom});
    auto* inner = new TspSkinStatusBar(f.Form);
    inner->SetParent(panel);
    inner->SetSkinData(Skin);
  }
  ShowAndActivate(f.Form);
  Settle();
  TPaintCounter counter;
  counter.Watch(f.Form);
  for (int round = 0; round < 2; ++round) {
    counter.Reset();
    f.Frame->SetWindowState(round == 0 ? 2 : 0);
    Settle();
    int painted = 0;
    for (auto& p : counter.Paints) {
      EXPECT_LE(p.second, 1) << "round " << round << ": " << p.first->ClassName();
      painted += p.second;
      // Laid out first: a control paints only at its final place and size.
      if (p.second) {
        EXPECT_EQ(counter.PaintedBounds[p.first], p.first->BoundsRect()) << "round " << round << ": " << p.first->ClassName();
      }
    }
    // The controls that moved or changed size did paint.
    EXPECT_GT(painted, 0);
  }
  EXPECT_TRUE(status->ShowGrip());
}

TEST_F(FormStatesTest, FreeingTheSkinnedFormKeepsASubclassAddedAfterIt) {
  auto* form = new TForm(nullptr);
  form->SetBounds(50, 50, 300, 200);
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(Skin);
  ShowAndActivate(form);
  // A later subclass saves the skinned form's procedure as its own old one.
  int seen = 0;
  auto saved = form->WindowProc;
  form->WindowProc = [&seen, saved](TMessage& M) {
    if (M.Msg == WM_USER + 7) ++seen;
    saved(M);
  };
  delete skinForm;
  // Still in place, it passes messages on through what was the skinned
  // form's hook, which now only hands them to the form.
  SendMessageW(form->Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(seen, 1);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 280, 190, SWP_NOMOVE | SWP_NOZORDER);
  Settle();
  EXPECT_EQ(form->Width(), 280);
  // The system frame is back: the client is smaller than the window by its borders only.
  RECT c = {};
  GetClientRect(form->Handle(), &c);
  RECT expected = {0, 0, c.right, c.bottom};
  AdjustWindowRectEx(&expected, static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_EXSTYLE)));
  EXPECT_EQ(expected.right - expected.left, 280);

  // On top, the hook is taken out whole: the form's procedure is the saved one.
  auto* second = new TspSkinForm(form);
  form->WindowProc = saved;  // drop the later subclass again
  delete second;
  SendMessageW(form->Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(seen, 1);
  Free(form);
}

TEST_F(FormStatesTest, TheSystemAndTrayMenusAreSkinnedPopupMenusWithTheFrameGlyphNames) {
  TSkinnedForm f(Skin);
  ASSERT_NE(FindSkinMenu(f.Frame), nullptr);
  TMenuItem* items = f.Frame->SystemMenu();
  ASSERT_NE(items, nullptr);
  TspSkinPopupMenu* menu = nullptr;
  for (int i = 0; i < f.Frame->ComponentCount(); ++i)
    if (auto* m = dynamic_cast<TspSkinPopupMenu*>(f.Frame->Components(i)); m && m->Items() == items) menu = m;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->OwnerForm(), f.Form);
  std::vector<String> names;
  for (int i = 0; i < items->Count(); ++i) names.push_back(items->Items(i)->Name());
  const std::vector<String> expected = {L"DSF_RESTORE", L"DSF_MINITEM", L"DSF_MAXITEM", L"DSF_MINTOTRAY",
                                        L"DSF_ROLLUP",  L"",            L"DSF_CLOSE"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(items->Items(6)->Caption(), FrameResStr(Skin->ResourceStrData(), L"MI_CLOSECAPTION"));

  TPopupMenu* tray = f.Frame->TrayMenu();
  ASSERT_NE(dynamic_cast<TspSkinPopupMenu*>(tray), nullptr);
  ASSERT_EQ(tray->Items()->Count(), 2);
  EXPECT_EQ(tray->Items()->Items(0)->Name(), L"TRAY_DSF_RESTORE");
  EXPECT_EQ(tray->Items()->Items(1)->Name(), L"TRAY_DSF_CLOSE");
  EXPECT_EQ(tray->Items()->Items(0)->Caption(), FrameResStr(Skin->ResourceStrData(), L"MI_RESTORECAPTION"));
}

}  // namespace

namespace {

// An MDI frame wearing the built-in skin, with one child; the frame is the
// application's main form.
class MDIBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Skin = new TspSkinData(nullptr);
    LoadSkinSources(Skin, "skins/Default/skin.ini");
    Frame = new TForm(nullptr);
    Frame->SetFormStyle(fsMDIForm);
    Frame->SetBounds(30, 30, 600, 420);
    FrameSkin = new TspSkinForm(Frame);
    FrameSkin->SetSkinData(Skin);
    Application->SetMainForm(Frame);
    ShowAndActivate(Frame);
    Child = new TForm(Frame);
    Child->SetFormStyle(fsMDIChild);
    Child->SetBounds(20, 20, 240, 160);
    ChildSkin = new TspSkinForm(Child);
    ChildSkin->SetSkinData(Skin);
    Child->Show();
    Settle();
  }
  void TearDown() override {
    Application->SetMainForm(nullptr);
    Free(Frame);
    Free(Skin);
    Settle();
  }
  TspDataSkinMainMenuBar* Bar() const {
    return dynamic_cast<TspDataSkinMainMenuBar*>(Skin->CtrlList[Skin->GetControlIndex(L"mainmenubar")]);
  }
  // A bar button record cut from the bar's own picture: normal look at
  // (X, 0), active look at (X, 11) in the same picture, 10 x 11 pixels.
  TspDataSkinMainMenuBarButton* AddButton(const String& Name, TspCommandKind Command, int X) {
    auto* r = new TspDataSkinMainMenuBarButton(Name);
    r->ActivePictureIndex = Bar()->PictureIndex;
    r->SkinRect = TRect(X, 0, X + 10, 11);
    r->ActiveSkinRect = TRect(X, 11, X + 10, 22);
    r->Command = Command;
    Skin->ObjectList.Add(r);
    return r;
  }
  COLORREF PicturePixel(int X, int Y) const {
    return GetPixel(Skin->ActivePictures[Bar()->PictureIndex]->Canvas()->Handle(), X, Y);
  }
  // The frame's pixels in R (window coordinates) equal those of Source in the bar's picture.
  void ExpectPiece(const TRect& R, const TRect& Source) {
    ASSERT_EQ(R.Width(), Source.Width());
    ASSERT_EQ(R.Height(), Source.Height());
    for (const TPoint d : {TPoint(0, 0), TPoint(3, 4), TPoint(R.Width() - 1, R.Height() - 1), TPoint(6, 2)})
      EXPECT_EQ(ScreenPixel(Frame->Handle(), TPoint(R.Left + d.X, R.Top + d.Y)),
                PicturePixel(Source.Left + d.X, Source.Top + d.Y));
  }
  void Maximize() {
    Child->SetWindowState(wsMaximized);
    Settle();
    ASSERT_EQ(FrameSkin->MaximizedMDIChild(), Child);
  }
  TspSkinData* Skin = nullptr;
  TForm* Frame = nullptr;
  TForm* Child = nullptr;
  TspSkinForm* FrameSkin = nullptr;
  TspSkinForm* ChildSkin = nullptr;
};

TEST_F(MDIBarTest, AMaximizedChildsBarButtonsAreDrawnFromTheRecordsTheBarNames) {
  Bar()->MinButton = L"barmin";
  Bar()->MaxButton = L"barmax";
  Bar()->CloseButton = L"barclose";
  Bar()->SysMenuButton = L"barsys";
  AddButton(L"barmin", cmMinimize, 0);
  TspDataSkinMainMenuBarButton* max = AddButton(L"barmax", cmMaximize, 10);
  max->RestoreRect = TRect(40, 0, 50, 11);  // a maximized child shows the restore look
  TspDataSkinMainMenuBarButton* close = AddButton(L"barclose", cmClose, 20);
  TspDataSkinMainMenuBarButton* sys = AddButton(L"barsys", cmSysMenu, 30);
  // Records of the bar's buttons are not caption buttons of the frame.
  ChildSkin->SetSkinData(Skin);
  EXPECT_EQ(ChildSkin->FindObject(L"barclose"), nullptr);
  Maximize();
  FrameSkin->PaintFrame();
  const TRect bar = FrameSkin->MainMenuBarRect();
  const TRect r[4] = {FrameSkin->MDIChildButtonRect(0), FrameSkin->MDIChildButtonRect(1),
                      FrameSkin->MDIChildButtonRect(2), FrameSkin->MDIChildButtonRect(3)};
  EXPECT_EQ(r[2].Right, bar.Right - 2);
  EXPECT_EQ(r[1].Right, r[2].Left - 2);
  EXPECT_EQ(r[3].Left, bar.Left + 2);
  ExpectPiece(r[0], TRect(0, 0, 10, 11));
  ExpectPiece(r[1], max->RestoreRect);
  ExpectPiece(r[2], close->SkinRect);
  ExpectPiece(r[3], sys->SkinRect);

  // Under the mouse a button shows its active look; the system-menu button
  // opens the child's system menu through the frame's skin menu.
  const TRect w = WindowRectOf(Frame->Handle());
  MoveMouse(TPoint(w.Left + r[2].Left + 4, w.Top + r[2].Top + 4));
  PumpUntil([&] { return FrameSkin->MDIChildButtonHot() == 2; });
  Settle();
  ExpectPiece(r[2], close->ActiveSkinRect);
  MoveMouse(TPoint(w.Left + r[3].Left + 4, w.Top + r[3].Top + 4));
  MouseDown();
  MouseUp();
  EXPECT_TRUE(PumpUntil([&] { return FrameSkin->SkinMenuOpened(); }));
  auto* menu = FindSkinMenu(FrameSkin);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->Visible());
  menu->CloseSkinMenu();
  Settle();
}

TEST_F(MDIBarTest, WithoutRecordsTheButtonsWearTheTrackMarkColours) {
  Bar()->TrackMarkColor = RGB(200, 0, 0);
  Bar()->TrackMarkActiveColor = RGB(0, 0, 200);
  Maximize();
  FrameSkin->PaintFrame();
  EXPECT_TRUE(FrameSkin->MDIChildButtonRect(3).IsEmpty());
  const TRect close = FrameSkin->MDIChildButtonRect(2);
  // The close glyph's first stroke starts one pixel in from its box.
  const TPoint mark(close.Left + (close.Width() - 11) / 2 + 1, close.Top + (close.Height() - 10) / 2 + 1);
  EXPECT_EQ(ScreenPixel(Frame->Handle(), mark), RGB(200, 0, 0));
  const TRect w = WindowRectOf(Frame->Handle());
  MoveMouse(TPoint(w.Left + close.Left + 1, w.Top + close.Top + 1));
  PumpUntil([&] { return FrameSkin->MDIChildButtonHot() == 2; });
  Settle();
  EXPECT_EQ(ScreenPixel(Frame->Handle(), mark), RGB(0, 0, 200));
}

TEST_F(MDIBarTest, AChildsPopupMenusOpenThroughTheMainFormsSkinnedForm) {
  auto* childSkinData = new TspSkinData(Child);
  ChildSkin->SetSkinData(childSkinData);
  auto* popup = new TspSkinPopupMenu(Child);
  auto* item = new TMenuItem(popup);
  item->SetCaption(L"Item");
  popup->Items()->Add(item);
  popup->Popup(100, 100);
  TspSkinMenu* frameMenu = FindSkinMenu(FrameSkin);
  ASSERT_NE(frameMenu, nullptr);
  EXPECT_TRUE(frameMenu->Visible());
  EXPECT_FALSE(FindSkinMenu(ChildSkin)->Visible());
  // The skin is the main form's, not the child's.
  EXPECT_EQ(popup->SkinData(), Skin);
  frameMenu->CloseSkinMenu();
  Settle();
}

}  // namespace

namespace {

TEST_F(FormStatesTest, AMaximizeSetBeforeShowingSurvivesAFrameChangeOfTheHiddenForm) {
  TSkinnedForm f(Skin, 320, 240);
  f.Form->HandleNeeded();
  f.Frame->SetWindowState(2);
  // A new frame on the hidden window sends it a size message, as restored.
  f.Frame->SetSkinData(nullptr);
  f.Frame->SetSkinData(Skin);
  EXPECT_EQ(f.Frame->WindowState(), 2);
  ShowAndActivate(f.Form);
  EXPECT_TRUE(IsZoomed(f.Handle()));
  EXPECT_EQ(f.Frame->WindowState(), 2);
}

}  // namespace
