// Frame objects of every kind on the Objects skin under Wine, with the real
// mouse: switches, track bars, regulators and animation buttons at work,
// animations, labels and values by name, the skin's cursors, the client and
// MDI client backgrounds tiled and stretched, and the size grip.
#include <gtest/gtest.h>

#include "SkinFormTestUtils.h"
#include "classlib/Menus.h"
#include "skin/SkinFormObjectKinds.h"

namespace {

class ObjectsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Skin = new TspSkinData(nullptr);
    TspCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(ProjectPath("skins/Objects/skin.ini"));
    Skin->LoadCompressedStoredSkin(&stored);
  }
  static void TearDownTestSuite() {
    Free(Skin);
    Skin = nullptr;
  }
  void SetUp() override {
    f = std::make_unique<TSkinnedForm>(Skin, 400, 300);
    f->Frame->OnObjectChange = [this](TObject*, const String& Name) { changes.push_back(Name); };
    f->Frame->OnObjectClick = [this](TObject*, const String& Name) { clicks.push_back(Name); };
    ShowAndActivate(f->Form);
  }
  void TearDown() override {
    f.reset();
    Settle();
  }
  TspSkinFrameObject* Object(const wchar_t* Name) {
    TspSkinFrameObject* o = f->Frame->FindObject(Name);
    EXPECT_NE(o, nullptr) << WideToUtf8(Name);
    return o;
  }
  // Screen point at (DX, DY) inside object Name.
  TPoint At(const wchar_t* Name, int DX, int DY) {
    const TRect w = WindowRectOf(f->Handle());
    const TRect& r = Object(Name)->ObjectRect;
    return TPoint(w.Left + r.Left + DX, w.Top + r.Top + DY);
  }
  TPoint Middle(const wchar_t* Name) {
    const TRect& r = Object(Name)->ObjectRect;
    return At(Name, r.Width() / 2, r.Height() / 2);
  }
  // The whole form painted off the screen.
  std::unique_ptr<TBitmap> Shot() {
    auto shot = std::make_unique<TBitmap>();
    shot->SetSize(f->Form->Width(), f->Form->Height());
    f->Frame->PaintFormTo(shot->Canvas()->Handle(), 0, 0);
    return shot;
  }
  // Pixels of colour C in R (window coordinates) of Shot.
  static int Count(TBitmap* Shot, const TRect& R, COLORREF C) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) n += GetPixel(Shot->Canvas()->Handle(), x, y) == C;
    return n;
  }
  // The record's active rectangle: where its strip or full look lies.
  static TRect ActiveRect(const wchar_t* Name) {
    return Skin->ObjectList[Skin->GetObjectIndex(Name)]->ActiveSkinRect;
  }
  static int PictureOf(const wchar_t* Name) { return Skin->ObjectList[Skin->GetObjectIndex(Name)]->ActivePictureIndex; }
  // Pixels that differ between two shots in R.
  static int Changed(TBitmap* A, TBitmap* B, const TRect& R) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        n += GetPixel(A->Canvas()->Handle(), x, y) != GetPixel(B->Canvas()->Handle(), x, y);
    return n;
  }
  COLORREF Picture(int Index, int X, int Y) {
    return GetPixel(Skin->ActivePictures[Index]->Canvas()->Handle(), X, Y);
  }

  inline static TspSkinData* Skin = nullptr;
  std::unique_ptr<TSkinnedForm> f;
  std::vector<String> changes, clicks;
};

constexpr COLORREF kAccent = RGB(37, 99, 235);

TPoint Mid(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

TEST_F(ObjectsTest, EachRecordBecomesAnObjectOfItsKind) {
  EXPECT_NE(dynamic_cast<TspSkinAnimateObject*>(Object(L"objspinner")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinAnimateObject*>(Object(L"objrollup")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinSwitchObject*>(Object(L"objswitch")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinTrackBarObject*>(Object(L"objtrack")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinLabelObject*>(Object(L"objlabel")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinBitLabelObject*>(Object(L"objclock")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinFrameRegulatorObject*>(Object(L"objknob")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinFrameGaugeObject*>(Object(L"objlevel")), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinGaugeObject*>(Object(L"objgauge")), nullptr);
  // Only the kinds that act take the mouse: a plain animation lets the frame be.
  EXPECT_EQ(HitAt(f->Handle(), Mid(Object(L"objspinner")->ObjectRect)), HTBORDER);
  EXPECT_EQ(HitAt(f->Handle(), Mid(Object(L"objrollup")->ObjectRect)), fhObject);
  EXPECT_EQ(HitAt(f->Handle(), Mid(Object(L"objswitch")->ObjectRect)), fhObject);
}

TEST_F(ObjectsTest, AClickTogglesTheSwitchBetweenItsTwoLooks) {
  const TRect r = Object(L"objswitch")->ObjectRect;
  const TRect left(r.Left, r.Top, r.Left + r.Width() / 2, r.Bottom);
  EXPECT_EQ(Count(Shot().get(), left, kAccent), 0);
  MoveMouse(Middle(L"objswitch"));
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objswitch"), 1);
  EXPECT_GT(Count(Shot().get(), left, kAccent), 20);  // the on look's accent track
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], L"objswitch");
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objswitch"), 0);
  EXPECT_EQ(Count(Shot().get(), left, kAccent), 0);
  // A press released away from it is no click.
  MouseDown();
  MoveMouse(TPoint(Middle(L"objswitch").X, Middle(L"objswitch").Y - 120));
  MouseUp();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objswitch"), 0);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ObjectsTest, AMaskedObjectIsItsBlackPixelsOnlyForHitsHoverAndClicks) {
  TspDataSkinObject* record = Skin->ObjectList[Skin->GetObjectIndex(L"objswitch")];
  const TRect skin = record->SkinRect;
  // Black on the left half, white on the right.
  auto* mask = new TBitmap;
  mask->SetSize(skin.Width(), skin.Height());
  mask->Canvas()->Brush()->SetColor(clWhite);
  mask->Canvas()->FillRect(TRect(0, 0, skin.Width(), skin.Height()));
  mask->Canvas()->Brush()->SetColor(clBlack);
  mask->Canvas()->FillRect(TRect(0, 0, skin.Width() / 2, skin.Height()));
  Skin->ActivePictures.Add(mask);
  record->ActiveMaskPictureIndex = Skin->ActivePictures.Count() - 1;
  f = std::make_unique<TSkinnedForm>(Skin, 400, 300);  // objects made with the mask
  f->Frame->OnObjectChange = [this](TObject*, const String& Name) { changes.push_back(Name); };
  ShowAndActivate(f->Form);
  TspSkinFrameObject* sw = Object(L"objswitch");
  const TRect r = sw->ObjectRect;
  const int h = r.Height() / 2;
  EXPECT_EQ(HitAt(f->Handle(), TPoint(r.Left + 3, r.Top + h)), fhObject);
  EXPECT_NE(HitAt(f->Handle(), TPoint(r.Right - 3, r.Top + h)), fhObject);
  // The white half is no part of it: no hot look, and a click there does nothing.
  MoveMouse(At(L"objswitch", r.Width() - 3, h));
  EXPECT_FALSE(sw->Active);
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objswitch"), 0);
  EXPECT_TRUE(changes.empty());
  MoveMouse(At(L"objswitch", 3, h));
  EXPECT_TRUE(sw->Active);
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objswitch"), 1);
  record->ActiveMaskPictureIndex = -1;
}

TEST_F(ObjectsTest, AnEffectInactiveFrameKeepsTheObjectsOwnColours) {
  // The skin without its own inactive picture, rendering one by inverting.
  std::unique_ptr<TBitmap> own = std::move(Skin->InactivePicture);
  Skin->InactivePicture = std::make_unique<TBitmap>();
  Skin->AutoRenderingInActiveImage = true;
  Skin->InActiveEffect = ieInvert;
  const TRect r = Object(L"objswitch")->ObjectRect;
  const TRect left(r.Left, r.Top, r.Left + r.Width() / 2, r.Bottom);
  MoveMouse(Middle(L"objswitch"));
  MouseDown();
  MouseUp();
  MoveMouse(TPoint(0, 0));
  Settle();
  ASSERT_EQ(f->Frame->ObjectValue(L"objswitch"), 1);
  const std::unique_ptr<TBitmap> active = Shot();
  TSkinnedForm other(Skin);
  other.Form->SetLeft(500);
  ShowAndActivate(other.Form);
  const std::unique_ptr<TBitmap> inactive = Shot();
  // The frame picture is inverted; the on look, from its active picture, is not.
  const COLORREF border = GetPixel(active->Canvas()->Handle(), 1, 150);
  EXPECT_EQ(GetPixel(inactive->Canvas()->Handle(), 1, 150),
            RGB(255 - GetRValue(border), 255 - GetGValue(border), 255 - GetBValue(border)));
  EXPECT_EQ(Count(inactive.get(), left, kAccent), Count(active.get(), left, kAccent));
  EXPECT_GT(Count(inactive.get(), left, kAccent), 20);
  Skin->InactivePicture = std::move(own);
  Skin->AutoRenderingInActiveImage = false;
  Skin->InActiveEffect = ieBrightness;
}

TEST_F(ObjectsTest, TheTrackBarJumpsToAPressAndFollowsTheDrag) {
  auto* track = static_cast<TspSkinTrackBarObject*>(Object(L"objtrack"));
  EXPECT_EQ(f->Frame->ObjectValue(L"objtrack"), 0);
  // The track runs from 6 to width - 6 at the middle height; a press on it moves the button there.
  const int length = track->ObjectRect.Width() - 12;
  MoveMouse(At(L"objtrack", 6 + length * 3 / 4, 8));
  MouseDown();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objtrack"), 75);
  MoveMouse(At(L"objtrack", 6 + length / 4, 2));
  EXPECT_EQ(f->Frame->ObjectValue(L"objtrack"), 25);
  // Beyond the ends the value stops at the range.
  MoveMouse(At(L"objtrack", -40, 8));
  EXPECT_EQ(f->Frame->ObjectValue(L"objtrack"), 0);
  MoveMouse(At(L"objtrack", 6 + length / 2, 8));
  MouseUp();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objtrack"), 50);
  EXPECT_EQ(changes.size(), 4u);
  EXPECT_TRUE(clicks.empty());  // a drag is no click
  // The button is drawn at the value: its accent lies over the track's middle.
  MoveMouse(TPoint(Middle(L"objtrack").X, Middle(L"objtrack").Y - 150));
  const TRect button = track->ButtonPlace();
  const TRect& r = track->ObjectRect;
  EXPECT_GT(Count(Shot().get(), TRect(r.Left + button.Left, r.Top, r.Left + button.Right, r.Bottom), kAccent), 40);
  EXPECT_EQ(r.Left + button.Left + button.Width() / 2, r.Left + 6 + length / 2);
}

TEST_F(ObjectsTest, TheRegulatorTurnsByAnUpwardDragAndShowsItsFrame) {
  auto* knob = static_cast<TspSkinFrameRegulatorObject*>(Object(L"objknob"));
  const TPoint middle = Middle(L"objknob");
  MoveMouse(middle);
  MouseDown();
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objknob"), 0);  // a press only takes hold
  // Half the height upwards is half the range.
  MoveMouse(TPoint(middle.X, middle.Y - knob->ObjectRect.Height() / 2));
  EXPECT_EQ(f->Frame->ObjectValue(L"objknob"), 50);
  MoveMouse(TPoint(middle.X, middle.Y - 200));
  EXPECT_EQ(f->Frame->ObjectValue(L"objknob"), 100);
  MouseUp();
  Settle();
  EXPECT_EQ(knob->FrameIndex(), 11);
  // The object shows the strip's last frame.
  auto shot = Shot();
  const TRect& r = knob->ObjectRect;
  for (int y = 0; y < r.Height(); y += 3)
    for (int x = 0; x < r.Width(); x += 3)
      ASSERT_EQ(GetPixel(shot->Canvas()->Handle(), r.Left + x, r.Top + y), Picture(PictureOf(L"objknob"), ActiveRect(L"objknob").Left + 11 * 18 + x, ActiveRect(L"objknob").Top + y))
          << x << "," << y;
}

TEST_F(ObjectsTest, AnAnimationButtonPlaysUnderTheMouseAndRunsItsCommand) {
  auto* button = static_cast<TspSkinAnimateObject*>(Object(L"objrollup"));
  EXPECT_EQ(button->Command(), cmRollUp);
  MoveMouse(Middle(L"objrollup"));
  ASSERT_TRUE(PumpUntil([&] { return button->Frame() == 5; }));
  MoveMouse(TPoint(Middle(L"objrollup").X + 60, Middle(L"objrollup").Y - 150));
  ASSERT_TRUE(PumpUntil([&] { return button->Frame() == 0; }));
  MoveMouse(Middle(L"objrollup"));
  MouseDown();
  Settle();
  EXPECT_FALSE(f->Frame->RollUpState());
  MouseUp();
  Settle();
  EXPECT_TRUE(f->Frame->RollUpState());
  EXPECT_TRUE(clicks.empty());  // carried out like a caption button, not reported
}

TEST_F(ObjectsTest, ACyclingAnimationRunsRoundItsFrames) {
  auto* spinner = static_cast<TspSkinAnimateObject*>(Object(L"objspinner"));
  ASSERT_TRUE(PumpUntil([&] { return spinner->Frame() == 7; }));
  ASSERT_TRUE(PumpUntil([&] { return spinner->Frame() == 0; }));
  ASSERT_TRUE(PumpUntil([&] { return spinner->Frame() == 1; }));
}

TEST_F(ObjectsTest, LabelsAndValuesBySettersSurviveASkinChange) {
  const TRect label = Object(L"objlabel")->ObjectRect;
  const COLORREF accent = kAccent;
  const TRect clock = Object(L"objclock")->ObjectRect;
  auto before = Shot();
  EXPECT_EQ(f->Frame->ObjectText(L"objlabel"), L"Objects");
  EXPECT_GT(Count(before.get(), clock, accent), 20);  // the digits from the grid
  f->Frame->SetObjectText(L"objlabel", L"");
  f->Frame->SetObjectText(L"objclock", L"");
  auto shot = Shot();
  EXPECT_EQ(Count(shot.get(), clock, accent), 0);
  // The label's text was drawn over its background, and goes with it.
  EXPECT_GT(Changed(before.get(), shot.get(), label), 20);

  f->Frame->SetObjectValue(L"objgauge", 50);
  f->Frame->SetObjectValue(L"objgauge", 900);  // kept in the range
  EXPECT_EQ(f->Frame->ObjectValue(L"objgauge"), 100);
  f->Frame->SetObjectValue(L"objgauge", 50);
  f->Frame->SetObjectText(L"objclock", L"10:05");
  EXPECT_EQ(f->Frame->ObjectValue(L"nosuchobject"), 0);
  // The gauge fills its left half with the full look.
  const TRect gauge = Object(L"objgauge")->ObjectRect;
  shot = Shot();
  const int w = gauge.Width();
  EXPECT_EQ(GetPixel(shot->Canvas()->Handle(), gauge.Left + w / 4, gauge.Top + 5), Picture(PictureOf(L"objgauge"), ActiveRect(L"objgauge").Left + w / 4, ActiveRect(L"objgauge").Top + 5));
  EXPECT_EQ(GetPixel(shot->Canvas()->Handle(), gauge.Left + w * 3 / 4, gauge.Top + 5),
            ColorToRGB(MakeColor(255, 255, 255)));

  // The same skin loaded again builds new objects, which take the values on.
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath("skins/Objects/skin.ini"));
  Skin->LoadCompressedStoredSkin(&stored);
  Settle();
  EXPECT_EQ(f->Frame->ObjectValue(L"objgauge"), 50);
  EXPECT_EQ(f->Frame->ObjectText(L"objclock"), L"10:05");
  EXPECT_EQ(f->Frame->ObjectText(L"objlabel"), L"");
}

TEST_F(ObjectsTest, TheSkinsCursorsShowOverTheFrameAndItsObjects) {
  HCURSOR frame = LoadCursorW(nullptr, IDC_SIZEALL), hand = LoadCursorW(nullptr, IDC_HAND),
          track = LoadCursorW(nullptr, IDC_SIZEWE), knob = LoadCursorW(nullptr, IDC_SIZENS);
  Screen->SetCursors(1, frame);
  Screen->SetCursors(2, hand);
  Screen->SetCursors(3, track);
  Screen->SetCursors(4, knob);
  const TRect w = WindowRectOf(f->Handle());
  auto cursorAt = [&](const TPoint& P) {
    MoveMouse(P);
    return GetCursor();
  };
  EXPECT_EQ(cursorAt(TPoint(w.Left + 150, w.Top + 16)), frame);  // the caption
  EXPECT_EQ(cursorAt(Middle(L"objswitch")), hand);
  EXPECT_EQ(cursorAt(Middle(L"objtrack")), track);
  EXPECT_EQ(cursorAt(Middle(L"objknob")), knob);
  EXPECT_EQ(cursorAt(Middle(L"objlabel")), frame);  // an object without a cursor shows the frame's
  // The client keeps its own cursor, the sizing zones their arrows.
  EXPECT_EQ(cursorAt(TPoint(w.Left + 150, w.Top + 120)), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(cursorAt(TPoint(w.Right - 2, w.Top + 120)), LoadCursorW(nullptr, IDC_SIZEWE));
  for (TCursor c = 1; c <= 4; ++c) Screen->SetCursors(c, nullptr);
}

TEST_F(ObjectsTest, TheClientBackgroundIsTiledOrStretched) {
  const TRect client = ClientInWindow(f->Handle());
  const int bg = Skin->BGPictureIndex;
  ASSERT_GE(bg, 0);
  auto shot = Shot();
  // Tiled: the 16 x 16 picture repeats from the client's corner.
  for (const TPoint& p : {TPoint(3, 3), TPoint(12, 4), TPoint(9, 13), TPoint(100, 50), TPoint(205, 131)})
    EXPECT_EQ(GetPixel(shot->Canvas()->Handle(), client.Left + p.X, client.Top + p.Y), Picture(bg, p.X % 16, p.Y % 16))
        << p.X << "," << p.Y;
  ASSERT_NE(Picture(bg, 3, 3), Picture(bg, 12, 3));
  // Stretched: the picture's top-left quarter covers the client's top-left quarter.
  Skin->StretchEffect = true;
  RedrawWindow(f->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  shot = Shot();
  const int cw = client.Width(), ch = client.Height();
  EXPECT_EQ(GetPixel(shot->Canvas()->Handle(), client.Left + cw / 4, client.Top + ch / 4), Picture(bg, 4, 4));
  EXPECT_EQ(GetPixel(shot->Canvas()->Handle(), client.Left + cw * 3 / 4, client.Top + ch / 4), Picture(bg, 12, 4));
  EXPECT_EQ(GetPixel(shot->Canvas()->Handle(), client.Left + 12, client.Top + 4), Picture(bg, 0, 0));
  Skin->StretchEffect = false;
}

TEST_F(ObjectsTest, TheMDIClientShowsTheStretchedMDIPicture) {
  auto* frame = new TForm(nullptr);
  frame->SetFormStyle(fsMDIForm);
  frame->SetBounds(80, 80, 500, 360);
  auto* skinForm = new TspSkinForm(frame);
  skinForm->SetSkinData(Skin);
  ShowAndActivate(frame);
  HWND client = frame->ClientHandle();
  RECT c = {};
  GetClientRect(client, &c);
  TBitmap shot;
  shot.SetSize(c.right, c.bottom);
  SendMessageW(client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(shot.Canvas()->Handle()), 0);
  HDC dc = shot.Canvas()->Handle();
  const int mdi = Skin->MDIBGPictureIndex;
  // Stretched over the whole client: the middle is the picture's middle, a corner its corner.
  const int pw = Skin->ActivePictures[mdi]->Width(), ph = Skin->ActivePictures[mdi]->Height();
  ASSERT_LT(pw, c.right);
  EXPECT_EQ(GetPixel(dc, c.right / 2, c.bottom / 2), Picture(mdi, pw / 2, ph / 2));
  EXPECT_EQ(GetPixel(dc, 1, 1), Picture(mdi, 0, 0));
  EXPECT_EQ(GetPixel(dc, c.right - 2, c.bottom - 2), Picture(mdi, pw - 1, ph - 1));
  // Tiled, the disc in the picture's middle would show again one picture lower.
  ASSERT_GT(c.bottom, ph * 3 / 2);
  EXPECT_NE(GetPixel(dc, pw / 2, ph + ph / 2), Picture(mdi, pw / 2, ph / 2));
  EXPECT_NE(GetPixel(dc, c.right / 2, c.bottom / 2), GetSysColor(COLOR_APPWORKSPACE));
  // Without the skin the client shows the system's background again.
  skinForm->SetSkinData(nullptr);
  SendMessageW(client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetPixel(dc, c.right / 2, c.bottom / 2), GetSysColor(COLOR_APPWORKSPACE));
  // Freeing the skinned form leaves the client window working.
  Free(skinForm);
  SendMessageW(client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetPixel(dc, 1, 1), GetSysColor(COLOR_APPWORKSPACE));
  Free(frame);
}

TEST_F(ObjectsTest, TheSizeGripAreaSizesTheForm) {
  const TRect grip = PlaceFrameRect(Skin->SizeGripArea, f->Frame->FrameMetrics().PicW, f->Frame->FrameMetrics().PicH,
                                    400, 300, &f->Frame->FrameMetrics().Geometry);
  EXPECT_EQ(HitAt(f->Handle(), Mid(grip)), HTBOTTOMRIGHT);
  f->Frame->SetSizeable(false);
  EXPECT_NE(HitAt(f->Handle(), Mid(grip)), HTBOTTOMRIGHT);
}

}  // namespace

namespace {

TEST_F(ObjectsTest, ATransparentMenuBarShowsTheFrameUnderIt) {
  auto* menu = new TMainMenu(f->Form);
  auto* item = new TMenuItem(menu);
  item->SetCaption(L"File");
  menu->Items()->Add(item);
  f->Form->SetMenu(menu);
  f->Frame->UpdateMenuBar();
  Settle();
  const TRect bar = f->Frame->MainMenuBarRect();
  ASSERT_GT(bar.Width(), 100);
  const TPoint end(bar.Right - 3, (bar.Top + bar.Bottom) / 2);
  const TRect& area = Skin->MainMenuRect;
  const COLORREF under = GetPixel(Skin->Picture->Canvas()->Handle(), area.Right - 3, (area.Top + area.Bottom) / 2);
  // The skin's bar is transparent; drawn from its own record it looks otherwise.
  ASSERT_TRUE(Skin->MainMenuBarTransparent);
  EXPECT_EQ(GetPixel(Shot()->Canvas()->Handle(), end.X, end.Y), under);
  Skin->MainMenuBarTransparent = false;
  EXPECT_NE(GetPixel(Shot()->Canvas()->Handle(), end.X, end.Y), under);
  Skin->MainMenuBarTransparent = true;
}

}  // namespace
