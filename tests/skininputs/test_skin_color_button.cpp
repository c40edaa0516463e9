// The colour button: its menu of colours, the entry highlighted for the
// current colour, choices and the colour dialog behind "More colors...".
#include "SkinInputTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/SkinTrackEdit.h"

namespace {

class ColorButtonTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    button = Add<TspSkinColorButton>(form, 20, 20, 60, 25);
    button->OnChangeColor = [this](TObject*) { ++changes; };
  }
  TspSkinImagesMenu* Menu() const { return button->ColorMenu(); }
  TspSkinImagesMenuPopupWindow* Window() const { return Menu()->PopupWindow(); }
  // Opens the menu with a click and returns the highlighted item.
  int OpenAndHighlighted() {
    ClickAt(button, TPoint(20, 12));
    EXPECT_NE(Window(), nullptr);
    return Menu()->ItemIndex();
  }
  void Choose(int Index) {
    const TRect& r = Menu()->ImagesItems()->Items(Index)->ItemRect;
    MoveMouse(Window()->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)));
    ::MouseDown();
    Settle();
    ::MouseUp();
    Settle();
  }
  void Close() {
    MoveMouse(TPoint(2, 2));
    PostKey(VK_ESCAPE);
  }
  TspSkinColorButton* button = nullptr;
  int changes = 0;
};

}  // namespace

TEST_F(ColorButtonTest, MenuHoldsAutomaticFortyColoursAndMore) {
  TspImagesMenuItems* items = Menu()->ImagesItems();
  ASSERT_EQ(items->Count(), 42);
  EXPECT_EQ(Menu()->ColumnsCount(), 8);
  EXPECT_EQ(items->Items(0)->Caption(), L"Automatic");
  EXPECT_TRUE(items->Items(0)->Button());
  EXPECT_EQ(items->Items(0)->ImageIndex(), 0);
  EXPECT_EQ(items->Items(41)->Caption(), L"More colors...");
  EXPECT_EQ(items->Items(41)->ImageIndex(), -1);
  EXPECT_EQ(button->ColorImages()->Count(), 41);
  for (int i = 1; i <= 40; ++i) EXPECT_EQ(items->Items(i)->ImageIndex(), i);
  EXPECT_EQ(button->ItemColor(6), 0x800000);
  // Without "Automatic" the colours keep images 1..40 behind a spare image 0.
  button->SetShowAutoColor(false);
  ASSERT_EQ(items->Count(), 41);
  EXPECT_EQ(items->Items(0)->ImageIndex(), 1);
  EXPECT_EQ(items->Items(39)->ImageIndex(), 40);
  EXPECT_EQ(button->ColorImages()->Count(), 41);
  EXPECT_EQ(button->ItemColor(0), 0x000000);
  button->SetShowMoreColor(false);
  EXPECT_EQ(items->Count(), 40);
}

TEST_F(ColorButtonTest, OpeningHighlightsAutomaticOrMoreColors) {
  button->SetColorValue(clBlack);  // and AutoColor is black
  EXPECT_EQ(OpenAndHighlighted(), 0);
  Close();
  // A system colour is compared by its RGB value (button text is black or
  // another table colour here); unresolved it would match nothing.
  button->SetAutoColor(0x112233);
  button->SetColorValue(clBtnText);
  const int expected = TColorMenuPlan{}.Highlight(ColorToRGB(clBtnText), 0x112233);
  EXPECT_NE(expected, 41);
  EXPECT_EQ(OpenAndHighlighted(), expected);
  Close();
  button->SetColorValue(0x123456);
  EXPECT_EQ(OpenAndHighlighted(), 41);
  Close();
  button->SetShowMoreColor(false);
  EXPECT_EQ(OpenAndHighlighted(), -1);
  Close();
}

TEST_F(ColorButtonTest, ChoosingAColourSetsItAndFiresEveryTime) {
  button->SetColorValue(0x00FF00);
  EXPECT_EQ(changes, 1);
  button->SetColorValue(0x00FF00);  // the same colour fires too
  EXPECT_EQ(changes, 2);
  OpenAndHighlighted();
  Choose(14);  // 0xFF0000 (blue)
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(button->ColorValue(), 0xFF0000);
  EXPECT_EQ(changes, 3);
  // The face shows the colour.
  Settle();
  auto b = Snapshot(form);
  EXPECT_EQ(Rgb(b->Canvas()->Pixels(20 + 10, 20 + 12)), 0xFF0000);
  button->SetAutoColor(0x445566);
  button->SetShowAutoColor(false);
  button->SetShowAutoColor(true);  // rebuilt with the new automatic colour
  OpenAndHighlighted();
  Choose(0);
  EXPECT_EQ(button->ColorValue(), 0x445566);
}

TEST_F(ColorButtonTest, MoreColorsRunsTheDialogAndCancelChangesNothing) {
  auto* dialog = new TspSkinColorDialog(form);
  button->SetColorDialog(dialog);
  button->SetColorValue(0x123456);
  changes = 0;
  TModalResult answer = mrCancel;
  TColor start = -1;
  dialog->OnShowDialog = [&](TObject*) {
    start = dialog->Color();
    auto* t = new TTimer(dialog->Form());
    t->SetInterval(30);
    t->OnTimer = [&, t](TObject*) {
      t->SetEnabled(false);
      dialog->Field(0)->SetValue(0x99);
      dialog->Form()->SetModalResult(answer);
    };
  };
  OpenAndHighlighted();
  Choose(41);
  PumpUntil([&] { return !dialog->Form(); });
  EXPECT_EQ(start, 0x123456);
  EXPECT_EQ(button->ColorValue(), 0x123456);
  EXPECT_EQ(changes, 0);
  answer = mrOk;
  OpenAndHighlighted();
  Choose(41);
  PumpUntil([&] { return !dialog->Form(); });
  EXPECT_EQ(button->ColorValue(), 0x123499);
  EXPECT_EQ(changes, 1);
  // A freed dialog is forgotten.
  Free(dialog);
  EXPECT_EQ(button->ColorDialog(), nullptr);
}

// The grid dropped down from a skinned button draws from the skin's
// pictures: a clear or a load of another skin while it is open leaves it
// nothing freed to paint from, and the next drop-down wears what is there.
TEST_F(ColorButtonTest, AnOpenGridOutlivesTheSkinsClearAndLoad) {
  TspSkinData* skin = NewTestSkin(form);
  button->SetSkinData(skin);
  TspCompressedStoredSkin* other = StoredSkin(form, ProjectPath("skins/Default/skin.ini"));
  TFaultCount faults;
  const int exceptions = ExceptionsReachingApplication();
  for (int step = 0; step < 4; ++step) {
    TspCompressedStoredSkin* const worn = step < 2 ? TestStoredSkin() : other;
    skin->LoadCompressedStoredSkin(worn);
    OpenAndHighlighted();
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->Skinned()) << step;
    if (step % 2)
      skin->LoadCompressedStoredSkin(worn == other ? TestStoredSkin() : other);
    else
      skin->ClearAll();
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->Skinned(), !skin->Empty()) << step;  // it wears what there is
    if (TspSkinImagesMenuPopupWindow* w = Window()) {
      RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      w->HandleKey(VK_RIGHT);
    }
    Settle();
    Close();
    Settle();
  }
  EXPECT_EQ(faults.Count(), 0);
  EXPECT_EQ(ExceptionsReachingApplication(), exceptions);
}
