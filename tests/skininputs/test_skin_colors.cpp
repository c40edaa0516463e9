// Colour grids and the colour dialog driven through real windows: picks with
// the mouse, events, the selection drawn, and the dialog's views kept in step.
#include <functional>

#include "SkinInputTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "skin/SkinForm.h"
#include "skin/SkinFormObjects.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/SkinColorGrids.h"
#include "skininputs/SkinHueRing.h"
#include "skininputs/SkinTrackEdit.h"
#include "skinctrls/SkinButtons.h"

namespace {

// The selection frame's fill without a skin.
constexpr TColor SelectionFill = 0xB59385;

bool ShowsSelectionFrame(TWinControl* Grid, const TRect& Frame) {
  auto b = Snapshot(Grid);
  return Rgb(b->Canvas()->Pixels(Frame.Left, Frame.Top)) == clNavy &&
         Rgb(b->Canvas()->Pixels(Frame.Left + 1, Frame.Top + 1)) == SelectionFill;
}

}  // namespace

class ColorGridTest : public InputTest {};

TEST_F(ColorGridTest, ClickPicksABasicColourAndOnlyTableColoursSelect) {
  auto* grid = Add<TspSkinColorGrid>(form, 10, 10, 280, 115);
  int changes = 0;
  grid->OnChange = [&](TObject*) { ++changes; };
  Settle();
  const TColorGridLayout l = grid->Layout();
  // Cell 17 is the second row's fifth: 0x00FF80.
  const TRect cell = l.CellHitRect(17);
  ClickAt(grid, TPoint(cell.Right - 1, cell.Bottom - 1));
  EXPECT_EQ(grid->ColorValue(), 0x00FF80);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(ShowsSelectionFrame(grid, l.CellFrame(17)));
  // The gap right of a cell picks nothing.
  ClickAt(grid, TPoint(cell.Right, cell.Top + 2));
  EXPECT_EQ(grid->ColorValue(), 0x00FF80);
  EXPECT_EQ(changes, 1);
  // Another colour is kept without an event, and no cell stays selected.
  grid->SetColorValue(0x7F7F7F);
  EXPECT_EQ(grid->ColorValue(), 0x7F7F7F);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(ShowsSelectionFrame(grid, l.CellFrame(17)));
  grid->SetColorValue(0xFF0000);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(ShowsSelectionFrame(grid, l.CellFrame(BasicColorIndex(0xFF0000) + 1)));
}

TEST_F(ColorGridTest, CountsBelowOneAreIgnoredAndExtraCellsStayEmpty) {
  auto* grid = Add<TspSkinColorGrid>(form, 10, 10, 280, 140);
  grid->SetColCount(0);
  grid->SetRowCount(-3);
  EXPECT_EQ(grid->ColCount(), 12);
  EXPECT_EQ(grid->RowCount(), 4);
  grid->SetRowCount(5);  // 60 cells for 48 colours
  Settle();
  const TColorGridLayout l = grid->Layout();
  const TRect extra = l.CellHitRect(50);
  ClickAt(grid, TPoint(extra.Left + 2, extra.Top + 2));
  EXPECT_EQ(grid->ColorValue(), 0);
  auto b = Snapshot(grid);
  EXPECT_EQ(Rgb(b->Canvas()->Pixels(extra.Left + extra.Width() / 2, extra.Top + extra.Height() / 2)),
            Rgb(clBtnFace));
}

TEST_F(ColorGridTest, CustomSlotsSelectByClickAndFillInTurn) {
  auto* grid = Add<TspSkinCustomColorGrid>(form, 10, 10, 280, 115);
  EXPECT_EQ(grid->ColCount(), 6);
  EXPECT_EQ(grid->RowCount(), 2);
  int changes = 0;
  grid->OnChange = [&](TObject*) { ++changes; };
  for (TColor c = 1; c <= 13; ++c) grid->AddColor(c * 0x10);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(grid->Slots().Slot(1), 13 * 0x10);
  EXPECT_EQ(grid->Slots().LastWritten, 1);
  Settle();
  const TColorGridLayout l = grid->Layout();
  ClickAt(grid, l.CellOrigin(8));
  EXPECT_EQ(grid->SelectedSlot(), 8);
  EXPECT_EQ(grid->ColorValue(), 8 * 0x10);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(ShowsSelectionFrame(grid, l.CellFrame(8)));
  // Adding keeps the selection and the value.
  grid->AddColor(0xABCDEF);
  EXPECT_EQ(grid->Slots().Slot(2), 0xABCDEF);
  EXPECT_EQ(grid->SelectedSlot(), 8);
  EXPECT_EQ(grid->ColorValue(), 8 * 0x10);
}

TEST_F(ColorGridTest, ViewerPaintsItsColourInsideABlackOutline) {
  auto* v = Add<TspColorViewer>(form, 10, 10, 30, 30);
  v->SetColorValue(0x3366CC);
  Settle();
  auto b = Snapshot(form);
  EXPECT_EQ(Rgb(b->Canvas()->Pixels(10, 10)), clBlack);
  EXPECT_EQ(Rgb(b->Canvas()->Pixels(25, 25)), 0x3366CC);
}

// The dialog runs its own modal loop: each test hands it steps that run once
// the window shows, and the last step closes it.
class ColorDialogTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ::MouseUp();
    Settle();
  }
  bool Run(TspSkinColorDialog& D, const std::function<void(TspSkinColorDialog&)>& Steps, TModalResult Close) {
    D.OnShowDialog = [&](TObject*) {
      auto* t = new TTimer(D.Form());
      t->SetInterval(30);
      t->OnTimer = [&, t](TObject*) {
        t->SetEnabled(false);
        SetForegroundWindow(D.Form()->Handle());
        PumpUntil([&] { return GetActiveWindow() == D.Form()->Handle(); });
        Settle();
        Steps(D);
        D.Form()->SetModalResult(Close);
      };
    };
    return D.Execute();
  }
  static int Field(TspSkinColorDialog& D, int I) { return int(D.Field(I)->Value()); }
  static TRGBBytes RGBFields(TspSkinColorDialog& D) {
    return {uint8_t(Field(D, 0)), uint8_t(Field(D, 1)), uint8_t(Field(D, 2))};
  }
  static THSB HSBFields(TspSkinColorDialog& D) { return {Field(D, 3), Field(D, 4), Field(D, 5)}; }
  static void Press(TControl* C, const TPoint& P, bool Right = false) {
    MoveMouse(C->ClientToScreen(P));
    MouseInput(Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    Settle();
  }
  static void Release(bool Right = false) {
    MouseInput(Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Settle();
  }
  static void Click(TControl* C, const TPoint& P) {
    Press(C, P);
    Release();
  }
};

TEST_F(ColorDialogTest, StartsFromAColourOutsideTheTableAndCancelKeepsEverything) {
  TspSkinColorDialog d(nullptr);
  d.SetColor(0x7F7F7F);
  const bool ok = Run(
      d,
      [](TspSkinColorDialog& D) {
        EXPECT_EQ(D.Form()->ClientWidth(), 378);
        EXPECT_EQ(RGBFields(D), (TRGBBytes{127, 127, 127}));
        EXPECT_EQ(D.Preview()->ColorValue(), 0x7F7F7F);
        EXPECT_EQ(D.BasicGrid()->ColorValue(), 0x7F7F7F);
        EXPECT_EQ(BasicColorIndex(D.BasicGrid()->ColorValue()), -1);
        EXPECT_EQ(HSBFields(D), (THSB{0, 0, 50}));
        Click(D.AddButton(), TPoint(10, 10));
        EXPECT_EQ(D.CustomGrid()->Slots().Slot(1), 0x7F7F7F);
      },
      mrCancel);
  EXPECT_FALSE(ok);
  EXPECT_EQ(d.Color(), 0x7F7F7F);
  EXPECT_EQ(d.CustomColors().LastWritten, 0);
  EXPECT_EQ(d.CustomColors().Slot(1), 0xFFFFFF);
  EXPECT_EQ(d.Form(), nullptr);
}

TEST_F(ColorDialogTest, ASystemColourStartsAsTheColourItStandsFor) {
  TspSkinColorDialog d(nullptr);
  d.SetColor(clWindow);
  const TColor window = ColorToRGB(clWindow);
  const bool ok = Run(
      d, [&](TspSkinColorDialog& D) { EXPECT_EQ(D.Preview()->ColorValue(), window); }, mrOk);
  EXPECT_TRUE(ok);
  EXPECT_EQ(d.Color(), window);
}

TEST_F(ColorDialogTest, EachFieldDropsATrackBarThatSetsTheColour) {
  TspSkinColorDialog d(nullptr);
  Run(
      d,
      [](TspSkinColorDialog& D) {
        const int maxima[6] = {255, 255, 255, 359, 100, 100}, widths[6] = {200, 200, 200, 250, 120, 120};
        for (int i = 0; i < 6; ++i) {
          TspSkinTrackEdit* f = D.Field(i);
          f->DropDown();
          const TRect bar = f->TrackBar()->BoundsRect(), edit = f->BoundsRect();
          EXPECT_EQ(f->TrackBar()->MaxValue(), maxima[i]) << i;
          EXPECT_EQ(bar.Width(), widths[i]) << i;
          // Under the field, right edges together (all fit on the screen).
          RECT w;
          GetWindowRect(f->Handle(), &w);
          EXPECT_EQ(bar.Right, w.right) << i;
          EXPECT_EQ(bar.Top, w.bottom) << i;
          EXPECT_EQ(edit.Width(), 50);
          f->CloseUp();
        }
        // The hue bar moved to green on a saturated, bright colour.
        D.BasicGrid()->SetColorValue(0x0000FF);
        TspSkinTrackEdit* hue = D.Field(3);
        hue->DropDown();
        hue->TrackBar()->SetValue(120);
        EXPECT_EQ(hue->Value(), 120);
        EXPECT_EQ(RGBFields(D), (TRGBBytes{0, 255, 0}));
        EXPECT_EQ(D.Preview()->ColorValue(), 0x00FF00);
        hue->CloseUp();
      },
      mrCancel);
}

TEST_F(ColorDialogTest, GridsFieldsAndPreviewFollowEachOther) {
  TspSkinColorDialog d(nullptr);
  const bool ok = Run(
      d,
      [](TspSkinColorDialog& D) {
        // Pure blue from the grid, then its hue written back: it stays blue.
        D.BasicGrid()->SetColorValue(0xFF0000);
        EXPECT_EQ(RGBFields(D), (TRGBBytes{0, 0, 255}));
        EXPECT_EQ(HSBFields(D), (THSB{240, 100, 100}));
        D.Field(3)->SetValue(240);
        EXPECT_EQ(RGBFields(D), (TRGBBytes{0, 0, 255}));
        EXPECT_EQ(D.Preview()->ColorValue(), 0xFF0000);
        // White has no hue: the H field keeps blue's.
        D.BasicGrid()->SetColorValue(0xFFFFFF);
        EXPECT_EQ(HSBFields(D), (THSB{240, 0, 100}));
        // The H S B fields drive the colour, and the picker follows.
        D.Field(3)->SetValue(120);
        D.Field(4)->SetValue(100);
        EXPECT_EQ(RGBFields(D), (TRGBBytes{0, 255, 0}));
        EXPECT_EQ(D.Preview()->ColorValue(), 0x00FF00);
        EXPECT_EQ(D.PickerColor().Color(), 0x00FF00);
        // R G B fields likewise.
        D.Field(0)->SetValue(255);
        EXPECT_EQ(D.Preview()->ColorValue(), 0x00FFFF);
        EXPECT_EQ(HSBFields(D).H, 60);
        // Thirteen additions: the thirteenth lands in slot 1.
        for (int i = 0; i < 13; ++i) {
          D.Field(2)->SetValue(i);
          Click(D.AddButton(), TPoint(10, 10));
        }
        EXPECT_EQ(D.CustomGrid()->Slots().Slot(1), 0x0CFFFF);
        EXPECT_EQ(D.CustomGrid()->Slots().Slot(2), 0x01FFFF);
        // A custom slot picked with the mouse becomes the colour.
        const TColorGridLayout l = D.CustomGrid()->Layout();
        Click(D.CustomGrid(), l.CellOrigin(3));
        EXPECT_EQ(D.Preview()->ColorValue(), 0x02FFFF);
        EXPECT_EQ(RGBFields(D), (TRGBBytes{255, 255, 2}));
      },
      mrOk);
  EXPECT_TRUE(ok);
  EXPECT_EQ(d.Color(), 0x02FFFF);
  EXPECT_EQ(d.CustomColors().LastWritten, 1);
  EXPECT_EQ(d.CustomColors().Slot(1), 0x0CFFFF);
}

TEST_F(ColorDialogTest, RingAndBoxPicksWithTheMouse) {
  TspSkinColorDialog d(nullptr);
  d.SetColor(0x0000FF);  // red: full saturation, mid lightness
  Run(
      d,
      [](TspSkinColorDialog& D) {
        TspHueRingImage* p = D.Picker();
        // The ring's left edge is a quarter turn counter-clockwise: hue 90.
        Click(p, TPoint(8, 97));
        EXPECT_EQ(D.PickerColor().HByte(), 64);
        EXPECT_EQ(D.PickerColor().SByte(), 255);
        EXPECT_EQ(RGBFields(D), D.PickerColor().Bytes());
        EXPECT_NEAR(HSBFields(D).H, 90, 1);
        EXPECT_EQ(D.Preview()->ColorValue(), D.PickerColor().Color());
        // A press in the ring dragged over the box keeps picking hues.
        Press(p, TPoint(97, 188));  // bottom: cyan
        EXPECT_EQ(D.PickerColor().HByte(), 128);
        MoveMouse(p->ClientToScreen(TPoint(60, 120)));
        EXPECT_EQ(p->PickMode(), 1);
        EXPECT_EQ(D.PickerColor().SByte(), 255);
        EXPECT_NE(D.PickerColor().HByte(), 128);
        Release();
        EXPECT_EQ(p->PickMode(), 0);
        // The box: grey at its left edge, dark at its top; drags past it clamp.
        Press(p, TPoint(44, 97));
        EXPECT_EQ(D.PickerColor().SByte(), 0);
        MoveMouse(p->ClientToScreen(TPoint(170, 30)));
        EXPECT_EQ(D.PickerColor().SByte(), 255);
        EXPECT_EQ(D.PickerColor().LByte(), 0);
        Release();
        EXPECT_EQ(RGBFields(D), (TRGBBytes{0, 0, 0}));
        // A right press chooses the mode and picks nothing.
        const TColor before = D.PickerColor().Color();
        Press(p, TPoint(97, 5), true);
        EXPECT_EQ(p->PickMode(), 1);
        EXPECT_EQ(D.PickerColor().Color(), before);
        Release(true);
        EXPECT_EQ(p->PickMode(), 0);
      },
      mrCancel);
}

TEST_F(ColorDialogTest, SkinnedWindowOffersNoCaptionButtons) {
  std::unique_ptr<TComponent> owner(new TComponent(nullptr));
  TspSkinData* skin = NewTestSkin(owner.get());
  TspSkinColorDialog d(nullptr);
  d.SetSkinData(skin);
  d.SetCtrlSkinData(skin);
  Run(
      d,
      [](TspSkinColorDialog& D) {
        TspSkinForm* frame = nullptr;
        for (int i = 0; i < D.Form()->ComponentCount() && !frame; ++i)
          frame = dynamic_cast<TspSkinForm*>(D.Form()->Components(i));
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->BorderIcons().Empty());
        int buttons = 0, shown = 0;
        for (int i = 0; i < frame->ObjectCount(); ++i)
          if (dynamic_cast<TspSkinStdButtonObject*>(frame->Objects(i))) {
            ++buttons;
            if (frame->ObjectShown(frame->Objects(i))) ++shown;
          }
        EXPECT_GT(buttons, 0);
        EXPECT_EQ(shown, 0);
      },
      mrCancel);
}
