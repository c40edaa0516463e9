// Skin switches of a form holding skinned panels, labels and bevels: a
// thousand leave no window and no GDI object behind, every control ends up
// drawn from the skin loaded last, and one switch paints each window once,
// after every control has taken the new skin.
#include <functional>
#include <map>

#include "SkinCtrlTestUtils.h"
#include "classlib/GuiCounts.h"
#include "classlib/Menus.h"
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

// WM_PAINT messages of each window during a switch, and how many came before
// the skin data's last message.
std::map<HWND, int> gPaints;
int gPaintsBeforeDone = 0, gErasesBeforeDone = 0;
bool gDoneSeen = false;

LRESULT CALLBACK NotePaints(int Code, WPARAM W, LPARAM L) {
  if (Code == HC_ACTION) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(L);
    if (m->message == MSG_SKIN_CHANGE_DONE) gDoneSeen = true;
    if (m->message == WM_PAINT) {
      ++gPaints[m->hwnd];
      if (!gDoneSeen) ++gPaintsBeforeDone;
    }
    // A frame or background drawn at once, by a new window shape, say.
    if ((m->message == WM_ERASEBKGND || m->message == WM_NCPAINT) && !gDoneSeen) ++gErasesBeforeDone;
  }
  return CallNextHookEx(nullptr, Code, W, L);
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
  // The panels keep their composed looks through the switches.
  ASSERT_TRUE(panel->HoldsLook());
  ASSERT_TRUE(group->HoldsLook());
  const int objects = GdiObjectsInUse();
  const size_t looks = TspLookCache::BytesHeld();
  const int windows = ThreadWindows();
  const int children = ChildWindows(form->Handle());
  const int shared = GdiResourceCount();
  for (int i = 0; i < 1000; ++i) {
    skin->LoadCompressedStoredSkin(TestStoredSkin());
    if (i % 50 == 0) Application->ProcessMessages();
  }
  Settle();
  EXPECT_EQ(ThreadWindows(), windows);
  EXPECT_EQ(ChildWindows(form->Handle()), children);
  EXPECT_EQ(GdiResourceCount(), shared);
  EXPECT_LE(GdiObjectsInUse(), objects);
  EXPECT_TRUE(panel->HoldsLook());
  EXPECT_EQ(TspLookCache::BytesHeld(), looks);

  // Each control found its record in the skin loaded last.
  EXPECT_NE(panel->SkinIndex(), -1);
  EXPECT_NE(bar->SkinIndex(), -1);
  EXPECT_NE(label->SkinIndex(), -1);
  EXPECT_EQ(panel->SkinRecord(), skin->CtrlList[skin->GetControlIndex(L"panel")]);
}

}  // namespace

namespace {

TEST_F(SkinSwitch, OneSwitchPaintsEachWindowOnceFromTheNewSkin) {
  auto* skin = new TspSkinData(form);
  (new TspSkinForm(form))->SetSkinData(skin);
  auto* panel = Add<TspSkinPanel>(form, 4, 4, 200, 120);
  panel->SetCaptionMode(true);
  panel->SetCaption(L"Panel");
  auto* other = Add<TspSkinPanel>(form, 210, 4, 150, 90);
  auto* label = Add<TspSkinStdLabel>(panel, 4, 40, 100, 16);
  label->SetCaption(L"Label");
  panel->SetSkinData(skin);
  other->SetSkinData(skin);
  label->SetSkinData(skin);
  ShowAndActivate(form);
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  Settle();
  const std::unique_ptr<TBitmap> before = Snapshot(panel);

  TspCompressedStoredSkin next(nullptr);
  next.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  gPaints.clear();
  gPaintsBeforeDone = 0;
  gDoneSeen = false;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, NotePaints, nullptr, GetCurrentThreadId());
  skin->LoadCompressedStoredSkin(&next);
  UpdateWindow(form->Handle());
  UnhookWindowsHookEx(hook);

  // Nothing is drawn while the controls take the new skin one by one; then
  // each window paints once.
  EXPECT_EQ(gPaintsBeforeDone, 0);
  EXPECT_EQ(gPaints[form->Handle()], 1);
  EXPECT_EQ(gPaints[panel->Handle()], 1);
  EXPECT_EQ(gPaints[other->Handle()], 1);
  EXPECT_EQ(gPaints.size(), 3u);

  // What the window shows is the panel drawn from the new skin.
  const std::unique_ptr<TBitmap> after = Snapshot(panel);
  EXPECT_FALSE(SamePixels(before.get(), after.get()));
  EXPECT_TRUE(SamePixels(WindowPixels(panel).get(), after.get()));
  // Its top left corner is the new panel record's, pixel for pixel.
  const int index = skin->GetControlIndex(L"panel");
  ASSERT_NE(index, -1);
  const TspDataSkinControl* record = skin->CtrlList[index];
  TBitmap* picture = skin->ActivePictures[record->PictureIndex];
  for (const TPoint p : {TPoint(0, 0), TPoint(1, 1), TPoint(5, 20), TPoint(3, 15)})
    EXPECT_EQ(after->Canvas()->Pixels(p.X, p.Y),
              picture->Canvas()->Pixels(record->SkinRect.Left + p.X, record->SkinRect.Top + p.Y))
        << p.X << "," << p.Y;
}

// A program leaves the skin by emptying the skin data (alone, or between
// messages of a load it sends itself), and comes back by loading: each way
// the frame and the window's shape change (the system's frame, then the
// skinned one), and still nothing is drawn before the last message and each
// window paints once. (A menu bar would add the system's own redraw of its
// frame when it comes and goes.)
TEST_F(SkinSwitch, TheSwitchToNoSkinAndBackPaintsEachWindowOnce) {
  form->SetBorderStyle(bsSizeable);
  auto* skin = new TspSkinData(form);
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  auto* panel = Add<TspSkinPanel>(form, 4, 4, 200, 120);
  panel->SetCaptionMode(true);
  panel->SetCaption(L"Panel");
  auto* label = Add<TspSkinStdLabel>(panel, 4, 40, 100, 16);
  label->SetCaption(L"Label");
  panel->SetSkinData(skin);
  label->SetSkinData(skin);
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  ShowAndActivate(form);
  const std::function<void()> ways[] = {
      [&] {
        skin->BroadcastMessage(MSG_BEFORE_SKIN_CHANGE);
        skin->ClearAll();
        skin->BroadcastMessage(MSG_AFTER_SKIN_CHANGE);
        skin->BroadcastMessage(MSG_SKIN_CHANGE_DONE);
      },
      [&] { skin->LoadCompressedStoredSkin(TestStoredSkin()); },
      [&] { skin->ClearAll(); },
      [&] { skin->LoadCompressedStoredSkin(TestStoredSkin()); },
  };
  for (int way = 0; way < 4; ++way) {
    SCOPED_TRACE(way % 2 == 0 ? (way == 0 ? "to no skin, the program's messages" : "to no skin") : "from no skin");
    gPaints.clear();
    gPaintsBeforeDone = gErasesBeforeDone = 0;
    gDoneSeen = false;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, NotePaints, nullptr, GetCurrentThreadId());
    ways[way]();
    UpdateWindow(form->Handle());
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(skin->SkinChanging());
    EXPECT_EQ(gPaintsBeforeDone, 0);
    EXPECT_EQ(gErasesBeforeDone, 0);
    EXPECT_EQ(gPaints[form->Handle()], 1);
    EXPECT_EQ(gPaints[panel->Handle()], 1);
    EXPECT_EQ(gPaints.size(), 2u);
  }
}

// With a menu bar the form holds its drawing while the system's bar comes
// and goes: afterwards it is shown as before, the system's bar with the
// system's frame, and the screen shows the controls as they paint.
TEST_F(SkinSwitch, AFormWithAMenuBarShowsItsControlsAfterTheSwitchToNoSkinAndBack) {
  form->SetBorderStyle(bsSizeable);
  auto* skin = new TspSkinData(form);
  auto* skinForm = new TspSkinForm(form);
  skinForm->SetSkinData(skin);
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(menu);
  file->SetCaption(L"&File");
  menu->Items()->Add(file);
  form->SetMenu(menu);
  skinForm->UpdateMenuBar();
  auto* panel = Add<TspSkinPanel>(form, 4, 4, 200, 120);
  panel->SetSkinData(skin);
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  ShowAndActivate(form);
  const auto onScreen = [&] {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(panel->Width(), panel->Height());
    const TPoint p = panel->ClientToScreen(TPoint(0, 0));
    HDC screen = GetDC(nullptr);
    BitBlt(b->Canvas()->Handle(), 0, 0, panel->Width(), panel->Height(), screen, p.X, p.Y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return b;
  };
  skin->ClearAll();
  Settle();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_NE(GetMenu(form->Handle()), nullptr);
  EXPECT_TRUE(SamePixels(onScreen().get(), Snapshot(panel).get()));
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  Settle();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  EXPECT_TRUE(SamePixels(onScreen().get(), Snapshot(panel).get()));
}

}  // namespace

namespace {

// A label measures its text again when a switch brings another label font,
// and keeps its size through switches to the same one.
TEST_F(SkinSwitch, ALabelFollowsTheSkinsLabelFont) {
  auto* skin = new TspSkinData(form);
  (new TspSkinForm(form))->SetSkinData(skin);
  auto* label = Add<TspSkinStdLabel>(form, 4, 4, 10, 10);
  label->SetCaption(L"Label \x6807\x7B7E measured");
  label->SetSkinData(skin);
  ShowAndActivate(form);
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  Settle();
  const int testWidth = label->Width(), testHeight = label->Height();
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  EXPECT_EQ(label->Width(), testWidth);
  EXPECT_EQ(label->Height(), testHeight);

  // The default skin's label font is taller (15 pixels against 12).
  TspCompressedStoredSkin other(nullptr);
  other.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  skin->LoadCompressedStoredSkin(&other);
  EXPECT_GT(label->Height(), testHeight);
  TFont font;
  font.SetName(L"WenQuanYi Micro Hei");
  font.SetHeight(15);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font.Handle());
  SIZE extent = {};
  const String text = label->Caption();
  GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(label->Width(), extent.cx);  // measured as the screen measures it
  skin->LoadCompressedStoredSkin(TestStoredSkin());
  EXPECT_EQ(label->Width(), testWidth);
  EXPECT_EQ(label->Height(), testHeight);
}

}  // namespace

namespace {

// The pixels the screen shows of the window, inside its shape: everything
// the switch left there, the frame and every control.
std::vector<COLORREF> OnScreen(HWND Wnd) {
  RECT w = {};
  GetWindowRect(Wnd, &w);
  const int width = w.right - w.left, height = w.bottom - w.top;
  TBitmap shot;
  shot.SetSize(width, height);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas()->Handle(), 0, 0, width, height, screen, w.left, w.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(Wnd, shape) != ERROR;
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels.push_back(!shaped || PtInRegion(shape, x, y) ? GetPixel(shot.Canvas()->Handle(), x, y) : CLR_INVALID);
  DeleteObject(shape);
  return pixels;
}

// Panels, a status bar and labels on a form with the skinned frame.
void PutSkinnedControls(TForm* Form, TspSkinData* Skin) {
  (new TspSkinForm(Form))->SetSkinData(Skin);
  auto* panel = new TspSkinPanel(Form);
  panel->SetParent(Form);
  panel->SetBounds(4, 4, 200, 120);
  panel->SetCaptionMode(true);
  panel->SetCaption(L"Panel \x9762\x677F");
  auto* group = new TspSkinGroupBox(Form);
  group->SetParent(panel);
  group->SetBounds(4, 40, 150, 60);
  group->SetCaption(L"Group");
  auto* bar = new TspSkinStatusBar(Form);
  bar->SetParent(Form);
  bar->SetSizeGrip(true);
  auto* label = new TspSkinStdLabel(Form);
  label->SetParent(Form);
  label->SetBounds(220, 10, 100, 16);
  label->SetCaption(L"Label \x6807\x7B7E");
  panel->SetSkinData(Skin);
  group->SetSkinData(Skin);
  bar->SetSkinData(Skin);
  label->SetSkinData(Skin);
}

// After a switch (to a skin of another frame, to the same skin again, and
// back) the form shows, frame and controls, what a form made with the new
// skin in the same place paints.
TEST_F(SkinSwitch, TheSwitchedFormShowsWhatAFreshFormPaints) {
  TspCompressedStoredSkin light(nullptr), dark(nullptr);
  light.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  dark.LoadFromSkinFile(ProjectPath("skins/Dark/skin.ini"));
  auto* skin = new TspSkinData(form);
  skin->LoadCompressedStoredSkin(&light);
  form->SetBorderStyle(bsSizeable);
  form->SetCaption(L"Switched");
  PutSkinnedControls(form, skin);
  ShowAndActivate(form);
  ASSERT_TRUE(GetSkinForm(form)->FrameOn());

  int step = 0;
  for (TspCompressedStoredSkin* next : {&dark, &dark, &light}) {
    ++step;
    skin->LoadCompressedStoredSkin(next);
    Settle();
    const std::vector<COLORREF> switched = OnScreen(form->Handle());
    form->Hide();
    auto* fresh = new TForm(nullptr);
    fresh->SetBorderStyle(bsSizeable);
    fresh->SetCaption(L"Switched");
    fresh->SetBounds(form->Left(), form->Top(), form->Width(), form->Height());
    PutSkinnedControls(fresh, skin);
    ShowAndActivate(fresh);
    EXPECT_TRUE(switched == OnScreen(fresh->Handle())) << "switch " << step;
    Free(fresh);
    ShowAndActivate(form);
  }
}

}  // namespace
