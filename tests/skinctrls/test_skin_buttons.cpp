// The skinned button, check and radio boxes and speed button driven by real
// mouse and key messages under Wine: clicks, groups, repeat, dialog keys,
// grayed states, morph, the default look's pixels and freeing from a click.
#include <gtest/gtest.h>

#include "../classlib/ControlTestUtils.h"
#include "../skin/MarkCells.h"
#include "../skin/SkinTestData.h"
#include "EditedTestSkin.h"
#include "SkinCtrlTestUtils.h"
#include <algorithm>
#include <string>

#include "classlib/HeapCheck.h"
#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"
#include "skin/SkinStoredSkin.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinSpeedButton.h"

namespace {

// The control's pixel at (X, Y) of its host window's paint.
TColor PixelOf(TControl* Control, int X, int Y) {
  auto* host = dynamic_cast<TWinControl*>(Control);
  int x = X, y = Y;
  if (!host) {
    host = Control->Parent();
    x += Control->Left();
    y += Control->Top();
  }
  TBitmap b;
  b.SetSize(host->Width(), host->Height());
  host->PaintTo(b.Canvas()->Handle(), 0, 0);
  return b.Canvas()->Pixels(x, y);
}

// The darkest grey level (0-255, the mean of the channels) in the middle of
// the control's paint, where its caption is: smoothed text is never darker
// than its colour, and its strokes reach it.
int DarkestInTheMiddle(TWinControl* Control) {
  TBitmap b;
  b.SetSize(Control->Width(), Control->Height());
  Control->PaintTo(b.Canvas()->Handle(), 0, 0);
  int darkest = 255;
  for (int y = b.Height() / 4; y < b.Height() * 3 / 4; ++y)
    for (int x = b.Width() / 4; x < b.Width() * 3 / 4; ++x) {
      const TColor c = b.Canvas()->Pixels(x, y);
      darkest = std::min(darkest, static_cast<int>((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3));
    }
  return darkest;
}

TspSkinData* LoadTestSkin(TComponent* Owner) {
  auto* stored = new TspCompressedStoredSkin(Owner);
  stored->LoadFromSkinFile(ProjectPath("skins/Test/skin.ini"));
  auto* data = new TspSkinData(Owner);
  data->LoadCompressedStoredSkin(stored);
  return data;
}

// The test skin with a glow picture around the button.
TspSkinData* LoadGlowSkin(TComponent* Owner) {
  std::vector<TIniEdit> glow;
  for (const auto& [key, value] :
       std::vector<std::pair<const char*, const char*>>{{"glowlayerpictureindex", "2"},
                                                        {"glowlayeroffsetleft", "4"},
                                                        {"glowlayeroffsettop", "4"},
                                                        {"glowlayeroffsetright", "4"},
                                                        {"glowlayeroffsetbottom", "4"},
                                                        {"glowlayershowoffsetx", "6"},
                                                        {"glowlayershowoffsety", "5"},
                                                        {"glowlayeralphablendvalue", "180"}})
    glow.push_back({"button", key, value});
  auto* stored = new TspCompressedStoredSkin(Owner);
  stored->LoadFromSkinFile(EditedTestSkin(L"glow", glow));
  auto* data = new TspSkinData(Owner);
  data->LoadCompressedStoredSkin(stored);
  return data;
}

class ButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 260);
  }
  void TearDown() override {
    MouseUp();
    Settle();
    Free(form);
  }
  template <class T>
  T* Add(int Left, int Top, int W = 0, int H = 0) {
    T* c = new T(form);
    c->SetParent(form);
    c->SetBounds(Left, Top, W ? W : c->Width(), H ? H : c->Height());
    return c;
  }
  void ClickAt(TControl* C) {
    MoveMouse(Center(C));
    MouseDown();
    Settle();
    MouseUp();
    Settle();
  }
  TForm* form;
};

TEST_F(ButtonsTest, DefaultsAfterConstruction) {
  auto* b = Add<TspSkinButton>(10, 10);
  EXPECT_EQ(75, b->Width());
  EXPECT_EQ(25, b->Height());
  EXPECT_EQ(100, b->RepeatInterval());
  EXPECT_EQ(1, b->Spacing());
  EXPECT_EQ(-1, b->Margin());
  EXPECT_EQ(-1, b->ImageIndex());
  EXPECT_TRUE(b->CanFocused());
  EXPECT_FALSE(b->TabStop());
  EXPECT_EQ(L"button", b->SkinDataName());
  b->SetMargin(-5);  // refused
  EXPECT_EQ(-1, b->Margin());
  b->SetGroupIndex(2);
  EXPECT_FALSE(b->CanFocused());
  auto* c = Add<TspSkinCheckRadioBox>(10, 40);
  EXPECT_EQ(150, c->Width());
  EXPECT_EQ(25, c->Height());
  EXPECT_TRUE(c->Flat());
  EXPECT_EQ(cbUnchecked, c->State());
  EXPECT_EQ(L"checkbox", c->SkinDataName());
  auto* s = Add<TspSkinSpeedButton>(10, 70);
  EXPECT_EQ(25, s->Width());
  EXPECT_EQ(25, s->Height());
  EXPECT_EQ(0, s->ImageIndex());
  EXPECT_EQ(100, s->RepeatInterval());
  EXPECT_EQ(L"toolbutton", s->SkinDataName());
}

TEST_F(ButtonsTest, ButtonClicksOnlyOnReleaseOverIt) {
  auto* b = Add<TspSkinButton>(20, 20);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  ShowAndActivate(form);
  ClickAt(b);
  EXPECT_EQ(1, clicks);
  EXPECT_TRUE(b->Focused());  // a click takes the focus
  // Pressed, dragged off and released: no click, and the button comes up.
  MoveMouse(Center(b));
  MouseDown();
  Settle();
  EXPECT_TRUE(b->Down());
  MoveMouse(TPoint(Center(b).X + 200, Center(b).Y + 150));
  MouseUp();
  Settle();
  EXPECT_EQ(1, clicks);
  EXPECT_FALSE(b->Down());
}

// A press that reaches a control which cannot take the focus (a posted
// click, or a handler that hid or disabled it) is dropped without a raise;
// only a program's own SetFocus still raises.
TEST_F(ButtonsTest, PressOnAControlThatCannotTakeTheFocusIsDropped) {
  auto* panel = Add<TPanel>(10, 60, 200, 80);
  auto* hidden = new TspSkinButton(form);
  hidden->SetParent(panel);
  auto* box = new TspSkinCheckRadioBox(form);
  box->SetParent(panel);
  box->SetTop(30);
  auto* disabled = Add<TspSkinButton>(20, 20);
  auto* edit = Add<TEdit>(220, 20, 80, 24);
  int clicks = 0;
  for (TspSkinButton* b : {hidden, disabled}) b->OnClick = [&](TObject*) { ++clicks; };
  ShowAndActivate(form);
  edit->SetFocus();
  panel->Hide();
  disabled->SetEnabled(false);
  for (TWinControl* c : std::initializer_list<TWinControl*>{hidden, box, disabled}) {
    SendMessageW(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(c->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  Settle();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_TRUE(edit->Focused());
  EXPECT_THROW(hidden->SetFocus(), EInvalidOperation);
}

TEST_F(ButtonsTest, RepeatWaitsFirstThenRepeatsAtTheInterval) {
  auto* b = Add<TspSkinButton>(20, 20);
  b->SetRepeatMode(true);
  b->SetRepeatInterval(60);
  int clicks = 0;
  std::vector<unsigned> delayAtClick;
  b->OnClick = [&](TObject*) {
    ++clicks;
    delayAtClick.push_back(b->RepeatDelay());
  };
  ShowAndActivate(form);
  MoveMouse(Center(b));
  MouseDown();
  Settle();
  EXPECT_EQ(0, clicks);  // no click at the press
  EXPECT_EQ(kFirstRepeatDelay, b->RepeatDelay());
  ASSERT_TRUE(PumpUntil([&] { return clicks >= 3; }));
  // Every repeat click, the first included, is followed by the interval.
  for (unsigned d : delayAtClick) EXPECT_EQ(60u, d);
  MouseUp();
  Settle();
  EXPECT_EQ(0u, b->RepeatDelay());
  const int afterRelease = clicks;
  Sleep(200);
  Settle();
  EXPECT_EQ(afterRelease, clicks);
}

TEST_F(ButtonsTest, RepeatStopsWhenDisabledAndAClickMayFreeTheButton) {
  auto* b = Add<TspSkinButton>(20, 20);
  b->SetRepeatMode(true);
  ShowAndActivate(form);
  MoveMouse(Center(b));
  MouseDown();
  Settle();
  ASSERT_NE(0u, b->RepeatDelay());
  b->SetEnabled(false);
  EXPECT_EQ(0u, b->RepeatDelay());
  MouseUp();
  Settle();
  // A repeat click that frees its own button ends the repeat with it.
  auto* doomed = Add<TspSkinButton>(20, 60);
  doomed->SetRepeatMode(true);
  bool freed = false;
  doomed->OnClick = [&](TObject* Sender) {
    Free(static_cast<TspSkinButton*>(Sender));
    freed = true;
  };
  MoveMouse(Center(doomed));
  MouseDown();
  ASSERT_TRUE(PumpUntil([&] { return freed; }));
  MouseUp();
  Settle();
  // And so does a plain click.
  auto* once = Add<TspSkinButton>(20, 100);
  bool onceFreed = false;
  once->OnClick = [&](TObject* Sender) {
    Free(static_cast<TspSkinButton*>(Sender));
    onceFreed = true;
  };
  const TPoint at = Center(once);
  MoveMouse(at);
  MouseDown();
  Settle();
  MouseUp();
  Settle();
  EXPECT_TRUE(onceFreed);
  EXPECT_EQ(1, form->ControlCount());  // only the first button is left
}

TEST_F(ButtonsTest, GroupButtonsToggleAndReleaseWithAllowAllUp) {
  auto* a = Add<TspSkinButton>(20, 20);
  auto* b = Add<TspSkinButton>(120, 20);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int aClicks = 0;
  a->OnClick = [&](TObject*) { ++aClicks; };
  ShowAndActivate(form);
  ClickAt(a);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(1, aClicks);  // a group button clicks at the press
  ClickAt(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  ClickAt(b);  // AllowAllUp off: stays down
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  ClickAt(b);
  EXPECT_FALSE(b->Down());
}

TEST_F(ButtonsTest, EnterAndEscapePressDefaultAndCancel) {
  auto* edit = Add<TEdit>(20, 20, 150, 24);
  auto* ok = Add<TspSkinButton>(20, 60);
  auto* cancel = Add<TspSkinButton>(120, 60);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  int okClicks = 0, cancelClicks = 0;
  ok->OnClick = [&](TObject*) { ++okClicks; };
  cancel->OnClick = [&](TObject*) { ++cancelClicks; };
  form->SetActiveControl(edit);
  ShowAndActivate(form);
  ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }));
  EXPECT_TRUE(ok->Active());
  EXPECT_TRUE(ok->MouseIn());  // highlighted while Enter would press it
  PostKey(VK_RETURN);
  EXPECT_EQ(1, okClicks);
  EXPECT_EQ(mrOk, form->ModalResult());
  PostKey(VK_ESCAPE);
  EXPECT_EQ(1, cancelClicks);
  EXPECT_EQ(mrCancel, form->ModalResult());
  // With the focus on the cancel button, Enter presses that one.
  cancel->SetFocus();
  Settle();
  EXPECT_FALSE(ok->Active());
  EXPECT_FALSE(ok->MouseIn());
  PostKey(VK_RETURN);
  EXPECT_EQ(1, okClicks);
  EXPECT_EQ(2, cancelClicks);
}

TEST_F(ButtonsTest, SpaceAndAcceleratorsClick) {
  auto* edit = Add<TEdit>(20, 20, 150, 24);
  auto* b = Add<TspSkinButton>(20, 60);
  b->SetCaption(L"&Apply");
  auto* s = Add<TspSkinSpeedButton>(120, 60, 60, 25);
  s->SetCaption(L"&Zoom");
  auto* c = Add<TspSkinCheckRadioBox>(20, 100);
  c->SetCaption(L"&Wrap");
  int clicks = 0, speedClicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  s->OnClick = [&](TObject*) { ++speedClicks; };
  form->SetActiveControl(edit);
  ShowAndActivate(form);
  const auto altChar = [](wchar_t Ch) {
    PostMessageW(GetFocus(), WM_SYSCHAR, Ch, 0x20000001);
    Settle();
  };
  altChar(L'a');
  EXPECT_EQ(1, clicks);
  EXPECT_TRUE(b->Focused());  // the accelerator moves the focus there
  // Space: down while held, a click when let go.
  PostMessageW(b->Handle(), WM_KEYDOWN, VK_SPACE, 1);
  Settle();
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(1, clicks);
  PostMessageW(b->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  Settle();
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(2, clicks);
  altChar(L'z');
  EXPECT_EQ(1, speedClicks);
  altChar(L'w');
  EXPECT_TRUE(c->Checked());
  EXPECT_TRUE(c->Focused());
}

// A control that cannot take the focus is no Tab stop, and neither Space nor
// its accelerator reaches it; a focused check box toggles when Space is let go.
TEST_F(ButtonsTest, KeysReachOnlyControlsThatTakeTheFocus) {
  auto* edit = Add<TEdit>(20, 20, 150, 24);
  auto* b = Add<TspSkinButton>(20, 60);
  b->SetCaption(L"&Apply");
  auto* c = Add<TspSkinCheckRadioBox>(20, 100);
  c->SetCaption(L"&Wrap");
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  b->SetCanFocused(false);
  c->SetCanFocused(false);
  EXPECT_FALSE(b->TabStop());
  EXPECT_FALSE(c->TabStop());
  form->SetActiveControl(edit);
  ShowAndActivate(form);
  for (wchar_t ch : {L'a', L'w'}) PostMessageW(GetFocus(), WM_SYSCHAR, ch, 0x20000001);
  for (TWinControl* w : {static_cast<TWinControl*>(b), static_cast<TWinControl*>(c)}) {
    PostMessageW(w->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(w->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  }
  Settle();
  EXPECT_EQ(0, clicks);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(c->Checked());
  EXPECT_TRUE(edit->Focused());

  c->SetCanFocused(true);
  EXPECT_TRUE(c->TabStop());
  c->SetFocus();
  PostMessageW(c->Handle(), WM_KEYDOWN, VK_SPACE, 1);
  Settle();
  EXPECT_FALSE(c->Checked());
  PostMessageW(c->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  Settle();
  EXPECT_TRUE(c->Checked());
}

TEST_F(ButtonsTest, GlyphFrameFollowsTheState) {
  auto* b = Add<TspSkinButton>(20, 20, 80, 30);
  // Four 8 x 8 frames on fuchsia, each with a coloured middle.
  const TColor colours[] = {clRed, clGreen, clBlue, clYellow};
  TBitmap glyph;
  glyph.SetSize(32, 8);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(TRect(0, 0, 32, 8));
  for (int i = 0; i < 4; ++i) {
    glyph.Canvas()->Brush()->SetColor(colours[i]);
    glyph.Canvas()->FillRect(TRect(i * 8 + 1, 1, i * 8 + 7, 7));
  }
  b->SetGlyph(&glyph);
  b->SetNumGlyphs(4);
  ShowAndActivate(form);
  const auto middle = [&] { return PixelOf(b, 40, 15); };  // the glyph sits centred at (36, 11)
  EXPECT_EQ(clRed, middle());
  MoveMouse(Center(b));
  EXPECT_EQ(clYellow, middle());
  MouseDown();
  Settle();
  EXPECT_EQ(clBlue, PixelOf(b, 41, 16));  // pressed: one pixel lower and to the right
  MouseUp();
  Settle();
  MoveMouse(TPoint(2, 2));
  b->SetEnabled(false);
  EXPECT_EQ(clGreen, middle());
}

TEST_F(ButtonsTest, DefaultLookPixels) {
  auto* b = Add<TspSkinButton>(20, 20);
  auto* s = Add<TspSkinSpeedButton>(120, 20);
  ShowAndActivate(form);
  EXPECT_EQ(ColorToRGB(clBtnShadow), PixelOf(b, 0, 0));
  EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(b, 3, 3));
  MoveMouse(Center(b));
  EXPECT_EQ(0x800000, PixelOf(b, 0, 0));
  EXPECT_EQ(MakeColor(182, 189, 210), PixelOf(b, 3, 3));
  MouseDown();
  Settle();
  EXPECT_EQ(MakeColor(133, 147, 181), PixelOf(b, 3, 3));
  MouseUp();
  Settle();
  EXPECT_EQ(ColorToRGB(clBtnShadow), PixelOf(s, 0, 0));
  MoveMouse(Center(s));
  EXPECT_EQ(0x800000, PixelOf(s, 0, 0));
  EXPECT_EQ(MakeColor(182, 189, 210), PixelOf(s, 3, 3));
  // A flat idle speed button shows the form through it.
  s->SetFlat(true);
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return !s->MouseIn(); }));  // the system notices the leave on its own time
  EXPECT_EQ(ColorToRGB(form->Color()), PixelOf(s, 3, 3));
}

// Without a skin the box is a 14 x 14 square outlined in the button shadow
// at (3, Height / 2 - 7); a checked box holds the check mark at
// (7, Height / 2 - 4), a checked radio button the radio mark at
// (7, Height / 2 - 3), in black; a grayed box the check mark in the grayed
// text colour. Every pixel of the box is as these say, the rest the form's.
TEST_F(ButtonsTest, DefaultLookBoxesAndMarksPixelForPixel) {
  auto* unchecked = Add<TspSkinCheckRadioBox>(20, 20);
  auto* checked = Add<TspSkinCheckRadioBox>(20, 60);
  checked->SetChecked(true);
  auto* radio = Add<TspSkinCheckRadioBox>(20, 100);
  radio->SetRadio(true);
  radio->SetChecked(true);
  auto* grayed = Add<TspSkinCheckRadioBox>(20, 140);
  grayed->SetAllowGrayed(true);
  grayed->SetState(cbGrayed);
  ShowAndActivate(form);
  const int mid = checked->Height() / 2;
  const Cells none;
  const struct {
    TspSkinCheckRadioBox* Box;
    Cells Mark;
    TColor Colour;
  } looks[] = {{unchecked, none, clBlack},
               {checked, CheckMarkCells(7, mid - 4), clBlack},
               {radio, RadioMarkCells(7, mid - 3), clBlack},
               {grayed, CheckMarkCells(7, mid - 4), clGrayText}};
  const Cells frame = FrameCells(3, mid - 7, 17, mid + 7);
  for (const auto& look : looks) {
    TBitmap shot;
    shot.SetSize(look.Box->Width(), look.Box->Height());
    look.Box->PaintTo(shot.Canvas()->Handle(), 0, 0);
    for (int y = mid - 8; y <= mid + 7; ++y)
      for (int x = 2; x <= 17; ++x) {
        const TColor expected = frame.count({x, y})       ? ColorToRGB(clBtnShadow)
                                : look.Mark.count({x, y}) ? ColorToRGB(look.Colour)
                                                          : ColorToRGB(form->Color());
        EXPECT_EQ(shot.Canvas()->Pixels(x, y), expected) << look.Box->Top() << ": " << x << "," << y;
      }
  }
}

// The skinned flat box draws its mark from the skin's picture with the
// mark's bottom-left colour let through: each pixel of the mark is the
// picture's, or the form's where the picture has that colour; a grayed box
// without a grayed picture shows the checked mark lightened, its holes kept.
TEST_F(ButtonsTest, SkinnedMarksComeFromThePictureWithTheirKeyLetThrough) {
  TspSkinData* skin = LoadTestSkin(form);
  auto* record = RecordOf<TspDataSkinCheckRadioControl>(skin, L"checkbox");
  ASSERT_NE(record, nullptr);
  TBitmap* picture = ActivePictureOf(skin, record->PictureIndex);
  ASSERT_NE(picture, nullptr);
  // The test skin's checked mark is all one colour: the checked looks take
  // the unchecked mark's picture, which has pixels of its own.
  record->CheckImageRect = record->UnCheckImageRect;
  const struct {
    TCheckBoxState State;
    TRect Mark;
    bool Lightened;
  } looks[] = {{cbUnchecked, record->UnCheckImageRect, false},
               {cbChecked, record->CheckImageRect, false},
               {cbGrayed, record->CheckImageRect, true}};
  for (const auto& look : looks) {
    SCOPED_TRACE(look.State);
    auto* box = Add<TspSkinCheckRadioBox>(20, 20, 120, 30);
    box->SetSkinData(skin);
    box->SetAllowGrayed(true);
    box->SetState(look.State);
    ShowAndActivate(form);
    TBitmap shot;
    shot.SetSize(box->Width(), box->Height());
    box->PaintTo(shot.Canvas()->Handle(), 0, 0);
    const TRect& r = look.Mark;
    const int top = box->Height() / 2 - r.Height() / 2;
    const TColor key = picture->Canvas()->Pixels(r.Left, r.Bottom - 1);
    int drawn = 0;
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) {
        const TColor source = picture->Canvas()->Pixels(r.Left + x, r.Top + y), shown = shot.Canvas()->Pixels(3 + x, top + y);
        if (source == key) {
          EXPECT_EQ(shown, ColorToRGB(form->Color())) << x << "," << y;
          continue;
        }
        ++drawn;
        if (look.Lightened) EXPECT_NE(shown, source) << x << "," << y;
        else EXPECT_EQ(shown, source) << x << "," << y;
      }
    EXPECT_GT(drawn, 0) << "the mark has pixels of its own";
    Free(box);
  }
}

TEST_F(ButtonsTest, SkinnedButtonMorphsAndGreysItsDisabledCaption) {
  TspSkinData* skin = LoadTestSkin(form);
  auto* b = Add<TspSkinButton>(20, 20, 90, 30);
  b->SetSkinData(skin);
  b->SetCaption(L"MMMM");
  // The test skin gives no font colours: the disabled one equals the font
  // colour and so becomes grey.
  EXPECT_EQ(TColor(0x808080), b->SkinValues().DisabledFontColor);
  EXPECT_EQ(90, b->Width());  // a both-ways skin keeps the size
  ShowAndActivate(form);
  std::vector<double> seen;
  b->OnPaint = [&](TObject*, TCanvas*, TRect, bool, bool, bool&) { seen.push_back(b->MorphKf()); };
  MoveMouse(Center(b));
  ASSERT_TRUE(PumpUntil([&] { return b->MorphKf() == 1; }));
  bool between = false;
  for (double k : seen) between |= k > 0 && k < 1;
  EXPECT_TRUE(between);
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return b->MorphKf() == 0; }));
  EXPECT_EQ(0, ColorToRGB(b->Font()->Color()));
  EXPECT_LT(DarkestInTheMiddle(b), 0x20);  // the black caption
  // A button disabled while it morphs stops where it ends.
  MoveMouse(Center(b));
  b->SetEnabled(false);
  EXPECT_EQ(0, b->MorphKf());
  Sleep(100);
  Settle();
  EXPECT_EQ(0, b->MorphKf());
  // Its caption turned grey.
  EXPECT_NEAR(0x80, DarkestInTheMiddle(b), 8);
  // The speed button morphs by the same record.
  auto* s = Add<TspSkinSpeedButton>(140, 20, 60, 30);
  s->SetSkinDataName(L"button");
  s->SetSkinData(skin);
  MoveMouse(Center(s));
  ASSERT_TRUE(PumpUntil([&] { return s->MorphKf() == 1; }));
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return s->MorphKf() == 0; }));
}

// The repeat and morph timers are owned by the button: freeing the button
// frees them, and nothing may stop them after that (a write into freed memory
// the heap check sees).
TEST_F(ButtonsTest, FreedWithItsTimersMadeLeavesTheHeapsSound) {
  ASSERT_TRUE(ProcessHeapsValid());
  TspSkinData* skin = LoadTestSkin(form);
  auto* repeating = Add<TspSkinButton>(20, 20, 90, 30);
  repeating->SetRepeatMode(true);
  auto* speed = Add<TspSkinSpeedButton>(140, 20, 60, 30);
  speed->SetRepeatMode(true);
  auto* morphing = Add<TspSkinButton>(20, 70, 90, 30);
  morphing->SetSkinData(skin);
  auto* check = Add<TspSkinCheckRadioBox>(140, 70, 120, 30);
  check->SetSkinData(skin);
  ShowAndActivate(form);
  for (TControl* held : {static_cast<TControl*>(repeating), static_cast<TControl*>(speed)}) {
    MoveMouse(Center(held));
    MouseDown();
    Settle();
    MouseUp();
    Settle();
  }
  MoveMouse(Center(morphing));
  ASSERT_TRUE(PumpUntil([&] { return morphing->MorphKf() == 1; }));
  MoveMouse(Center(check));
  Settle();
  // Still running while it goes.
  MoveMouse(Center(repeating));
  MouseDown();
  Settle();
  ASSERT_NE(0u, repeating->RepeatDelay());
  for (TControl* c : {static_cast<TControl*>(repeating), static_cast<TControl*>(speed),
                      static_cast<TControl*>(morphing), static_cast<TControl*>(check)})
    Free(c);
  MouseUp();
  Settle();
  EXPECT_TRUE(ProcessHeapsValid());
}

TEST_F(ButtonsTest, GlowFrameShowsWhileTheMouseIsOverTheButton) {
  TspSkinData* skin = LoadGlowSkin(form);
  auto* b = Add<TspSkinButton>(40, 40, 90, 30);
  b->SetSkinData(skin);
  ShowAndActivate(form);
  MoveMouse(Center(b));
  ASSERT_TRUE(PumpUntil([&] { return b->LayerManager()->Showing(); }));
  RECT r;
  GetWindowRect(b->LayerManager()->LayerWindow()->Handle(), &r);
  const TPoint origin = b->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(origin.X - 6, r.left);
  EXPECT_EQ(origin.Y - 5, r.top);
  // The 32 x 32 glow picture grows with the button beyond its 48 x 22 skin.
  EXPECT_EQ(32 + 90 - 48, r.right - r.left);
  EXPECT_EQ(32 + 30 - 22, r.bottom - r.top);
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return !b->LayerManager()->Showing(); }));
  // Shown only because the button asks for it, the frame still goes with the mouse.
  skin->SetShowButtonGlowFrames(false);
  MoveMouse(Center(b));
  Settle();
  EXPECT_FALSE(b->LayerManager()->Showing());
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return !b->MouseIn(); }));
  b->SetAlwaysShowLayeredFrame(true);
  MoveMouse(Center(b));
  ASSERT_TRUE(PumpUntil([&] { return b->LayerManager()->Showing(); }));
  MoveMouse(TPoint(2, 2));
  ASSERT_TRUE(PumpUntil([&] { return !b->LayerManager()->Showing(); }));
}

TEST_F(ButtonsTest, CheckBoxCyclesThroughGrayedWithAllowGrayed) {
  auto* c = Add<TspSkinCheckRadioBox>(20, 20);
  c->SetCaption(L"Grayed \x7070");
  c->SetAllowGrayed(true);
  int clicks = 0;
  c->OnClick = [&](TObject*) { ++clicks; };
  ShowAndActivate(form);
  const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked};
  for (TCheckBoxState state : expected) {
    ClickAt(c);
    EXPECT_EQ(state, c->State());
    EXPECT_EQ(state == cbChecked, c->Checked());
  }
  EXPECT_EQ(3, clicks);
  c->SetState(cbGrayed);
  c->SetChecked(false);  // a grayed box stays grayed
  EXPECT_EQ(cbGrayed, c->State());
  c->SetChecked(true);
  EXPECT_EQ(cbChecked, c->State());
}

// Only a release that follows a press on the box clicks it: a stray release
// (the button pressed elsewhere, or none at all) changes nothing and fires no
// click, so a handler never runs after the press that ended outside.
// One click rule for the push button and the check box: a click is a press
// (the left button on the control, or Space while it has the focus) and the
// release of what pressed. A held Space key repeats its key down: no new
// press. Each row's keys and mouse messages go straight to the focused
// control's window; Enter clicks a push button on its key down.
TEST_F(ButtonsTest, OnlyTheReleaseOfWhatPressedClicks) {
  constexpr LPARAM kFirst = 1, kRepeat = 0x40000001, kUp = 0xC0000001;
  struct TStep {
    UINT Msg;
    WPARAM Key;
    LPARAM Data;
  };
  const TStep spaceDown{WM_KEYDOWN, VK_SPACE, kFirst}, spaceRepeat{WM_KEYDOWN, VK_SPACE, kRepeat},
      spaceUp{WM_KEYUP, VK_SPACE, kUp}, mouseDown{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
      mouseUp{WM_LBUTTONUP, 0, MAKELPARAM(5, 5)}, enter{WM_KEYDOWN, VK_RETURN, kFirst};
  const TStep leave{0, 0, 0};  // the focus goes to the edit
  struct TCase {
    const char* What;
    std::vector<TStep> Steps;
    int ButtonClicks, BoxClicks;
    bool ButtonStaysDown = false;  // Space still holds the push button
  };
  const std::vector<TCase> cases = {
      {"Space pressed and let go", {spaceDown, spaceUp}, 1, 1},
      {"Space held: its repeats are no new press", {spaceDown, spaceRepeat, spaceRepeat, spaceRepeat, spaceUp}, 1, 1},
      {"Space let go with no press (the focus came while it was held)", {spaceRepeat, spaceRepeat, spaceUp}, 0, 0},
      {"a release that ends no press", {mouseUp}, 0, 0},
      {"the mouse let go while Space holds the control", {spaceDown, mouseUp, spaceUp}, 1, 1},
      {"the mouse let go while Space still holds the control", {spaceDown, mouseUp}, 0, 0, true},
      {"Space let go while the mouse holds the control", {mouseDown, spaceDown, spaceUp, mouseUp}, 1, 1},
      {"the focus goes before Space is let go", {spaceDown, leave, spaceUp}, 0, 0},
      {"Enter", {enter}, 1, 0},
  };
  auto* edit = Add<TEdit>(20, 20, 150, 24);
  auto* button = Add<TspSkinButton>(20, 60);
  auto* box = Add<TspSkinCheckRadioBox>(20, 100);
  int clicks[2] = {0, 0};
  button->OnClick = [&](TObject*) { ++clicks[0]; };
  box->OnClick = [&](TObject*) { ++clicks[1]; };
  ShowAndActivate(form);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    const TWinControl* controls[2] = {button, box};
    for (int i = 0; i < 2; ++i) {
      auto* control = const_cast<TWinControl*>(controls[i]);
      control->SetFocus();
      Settle();
      clicks[i] = 0;
      for (const TStep& step : c.Steps) {
        if (!step.Msg) {
          edit->SetFocus();
          continue;
        }
        SendMessageW(control->Handle(), step.Msg, step.Key, step.Data);
      }
      Settle();
      EXPECT_EQ(clicks[i], i == 0 ? c.ButtonClicks : c.BoxClicks) << (i == 0 ? "push button" : "check box");
      // A press still held ends without a click when the focus moves on.
      if (i == 0) EXPECT_EQ(button->Down(), c.ButtonStaysDown);
    }
  }
}

// A press on a control without the focus takes the focus first; a handler of
// that focus change (the edit's OnExit) that frees the control leaves the press
// dropped, with no click and the heaps sound.
TEST_F(ButtonsTest, AControlFreedByTheFocusItsPressTakesDropsThePress) {
  for (int kind = 0; kind < 2; ++kind) {
    SCOPED_TRACE(kind == 0 ? "push button" : "check box");
    auto* edit = Add<TEdit>(20, 20, 150, 24);
    TWinControl* control = kind == 0 ? static_cast<TWinControl*>(Add<TspSkinButton>(20, 60))
                                     : static_cast<TWinControl*>(Add<TspSkinCheckRadioBox>(20, 60));
    int clicks = 0;
    if (kind == 0) static_cast<TspSkinButton*>(control)->OnClick = [&](TObject*) { ++clicks; };
    else static_cast<TspSkinCheckRadioBox*>(control)->OnClick = [&](TObject*) { ++clicks; };
    ShowAndActivate(form);
    edit->SetFocus();
    Settle();
    bool freed = false;
    edit->OnExit = [&](TObject*) {
      Free(control);
      freed = true;
    };
    const HWND window = control->Handle();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Settle();
    EXPECT_TRUE(freed);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(ProcessHeapsValid());
    edit->OnExit = nullptr;
    Free(edit);
  }
}

TEST_F(ButtonsTest, CheckBoxIgnoresAReleaseWithoutAPressOnIt) {
  auto* c = Add<TspSkinCheckRadioBox>(20, 20);
  c->SetAllowGrayed(true);
  int clicks = 0;
  c->OnClick = [&](TObject*) { ++clicks; };
  ShowAndActivate(form);
  MoveMouse(Center(c));
  MouseUp();
  Settle();
  EXPECT_EQ(cbUnchecked, c->State());
  EXPECT_EQ(0, clicks);
  // Pressed beside the box, dragged onto it and released there.
  MoveMouse(TPoint(Center(c).X, Center(c).Y + 60));
  MouseDown();
  Settle();
  MoveMouse(Center(c));
  MouseUp();
  Settle();
  EXPECT_EQ(cbUnchecked, c->State());
  EXPECT_EQ(0, clicks);
  ClickAt(c);  // a whole click still counts
  EXPECT_EQ(cbGrayed, c->State());
  EXPECT_EQ(1, clicks);
  c->OnClick = nullptr;
}

TEST_F(ButtonsTest, RadioButtonsOfAGroupCheckOneAtATime) {
  TspSkinCheckRadioBox* radios[3];
  int clicks[3] = {};
  for (int i = 0; i < 3; ++i) {
    radios[i] = Add<TspSkinCheckRadioBox>(20, 20 + i * 30);
    radios[i]->SetRadio(true);
    radios[i]->SetGroupIndex(1);
    radios[i]->OnClick = [&clicks, i](TObject*) { ++clicks[i]; };
  }
  ShowAndActivate(form);
  ClickAt(radios[0]);
  ClickAt(radios[2]);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_EQ(1, clicks[0]);  // unchecking a radio button fires nothing
  EXPECT_EQ(1, clicks[2]);
  ClickAt(radios[2]);  // a click on the checked one changes nothing
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_EQ(1, clicks[2]);
}

TEST_F(ButtonsTest, FlatBoxKeepsItsSizeAndFullSkinBoxTakesTheSkins) {
  TspSkinData* skin = LoadTestSkin(form);
  auto* flat = Add<TspSkinCheckRadioBox>(20, 20);
  auto* full = Add<TspSkinCheckRadioBox>(20, 60);
  full->SetFlat(false);
  flat->SetSkinData(skin);
  full->SetSkinData(skin);
  EXPECT_EQ(150, flat->Width());
  EXPECT_EQ(25, flat->Height());
  // The test skin's check box picture is a fixed 32 x 16.
  EXPECT_EQ(32, full->Width());
  EXPECT_EQ(16, full->Height());
}

TEST_F(ButtonsTest, SpeedButtonClicksOnReleaseInsideAndHoldsTheMouse) {
  auto* s = Add<TspSkinSpeedButton>(20, 20);
  int clicks = 0;
  s->OnClick = [&](TObject*) { ++clicks; };
  ShowAndActivate(form);
  MoveMouse(Center(s));
  MouseDown();
  Settle();
  EXPECT_EQ(s, GetCaptureControl());
  EXPECT_EQ(0, clicks);
  MouseUp();
  Settle();
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(nullptr, GetCaptureControl());
  MouseDown();
  Settle();
  MoveMouse(TPoint(Center(s).X + 150, Center(s).Y + 100));
  EXPECT_FALSE(s->MouseIn());
  MouseUp();
  Settle();
  EXPECT_EQ(1, clicks);
  EXPECT_FALSE(s->Down());
}

TEST_F(ButtonsTest, SpeedButtonGroupsAndAllowAllUp) {
  auto* a = Add<TspSkinSpeedButton>(20, 20);
  auto* b = Add<TspSkinSpeedButton>(60, 20);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int aClicks = 0;
  a->OnClick = [&](TObject*) { ++aClicks; };
  ShowAndActivate(form);
  ClickAt(a);
  ClickAt(a);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(1, aClicks);  // at the first press only
  ClickAt(b);
  EXPECT_FALSE(a->Down());
  a->SetAllowAllUp(true);
  b->SetAllowAllUp(true);
  ClickAt(a);
  EXPECT_TRUE(a->Down());
  EXPECT_TRUE(b->Down());  // with AllowAllUp the others stay down
  ClickAt(a);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(3, aClicks);
}

TEST_F(ButtonsTest, SpeedButtonRepeatStopsWhenHidden) {
  auto* s = Add<TspSkinSpeedButton>(20, 20);
  s->SetRepeatMode(true);
  int clicks = 0;
  s->OnClick = [&](TObject*) { ++clicks; };
  ShowAndActivate(form);
  MoveMouse(Center(s));
  MouseDown();
  Settle();
  EXPECT_EQ(kFirstRepeatDelay, s->RepeatDelay());
  ASSERT_TRUE(PumpUntil([&] { return clicks >= 1; }));
  EXPECT_EQ(100u, s->RepeatDelay());
  s->SetVisible(false);
  EXPECT_EQ(0u, s->RepeatDelay());
  const int atHide = clicks;
  Sleep(250);
  Settle();
  EXPECT_EQ(atHide, clicks);
}

}  // namespace

// A disabled flat speed button over a face as dark as the shadow colour, with
// and without a skin, still shows its caption: the shadow moves to a colour
// that reads on the face.
TEST_F(ButtonsTest, DisabledFlatSpeedButtonCaptionReadsOnAFaceOfTheShadowColour) {
  TspSkinData* skin = LoadTestSkin(form);
  ShowAndActivate(form);
  for (bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    const TColor shadow = skinned ? ColorToRGB(skin->SkinColors->cBtnShadow) : GetSysColor(COLOR_BTNSHADOW);
    form->SetColor(shadow);
    auto* s = Add<TspSkinSpeedButton>(20, 20, 90, 30);
    s->SetFlat(true);
    s->SetCaption(L"WWWW");
    if (skinned) s->SetSkinData(skin);
    s->SetEnabled(false);
    Settle();
    TBitmap b;
    b.SetSize(form->Width(), form->Height());
    form->PaintTo(b.Canvas()->Handle(), 0, 0);
    int differing = 0;
    for (int y = 25; y < 45; ++y)
      for (int x = 30; x < 100; ++x) differing += b.Canvas()->Pixels(x, y) != shadow;
    EXPECT_GT(differing, 20);
    Free(s);
  }
}
