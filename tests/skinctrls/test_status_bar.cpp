// The status bar's size grip: its rectangle with and without a grip picture,
// the hit test the form's sizing relies on, and the skinned form hiding the
// grip while maximized.
#include "SkinCtrlTestUtils.h"
#include "skin/SkinForm.h"

namespace {

class StatusBar : public FormTest {
 protected:
  // A status bar named as the test skin's "statusbarname", on a skinned form.
  TspSkinStatusBar* MakeBar() {
    data = NewTestSkin(form);
    skinForm = new TspSkinForm(form);
    skinForm->SetSkinData(data);
    auto* bar = new TspSkinStatusBar(form);
    bar->SetName(data->StatusBarName);
    bar->SetParent(form);
    bar->SetSizeGrip(true);
    return bar;
  }
  LRESULT HitTest(TspSkinStatusBar* Bar, const TPoint& P) {
    const TPoint s = Bar->ClientToScreen(P);
    return SendMessageW(Bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));
  }
  TspSkinData* data = nullptr;
  TspSkinForm* skinForm = nullptr;
};

TEST_F(StatusBar, DrawnGripTakesTheClientHeightAndAnswersTheHitTest) {
  TspSkinStatusBar* bar = MakeBar();
  ShowAndActivate(form);
  const int w = bar->Width();
  ASSERT_EQ(w, form->ClientWidth());
  ASSERT_EQ(bar->Height(), 21);
  EXPECT_EQ(bar->Top(), form->ClientHeight() - 21) << "at the bottom of the form";
  EXPECT_EQ(bar->GetSkinClientRect(), TRect(0, 0, w - 21, 21));
  EXPECT_EQ(bar->GripRect(), TRect(w - 19, 0, w, 19));

  EXPECT_EQ(HitTest(bar, TPoint(w - 5, 15)), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTest(bar, TPoint(w - 19, 0)), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTest(bar, TPoint(w - 20, 10)), HTCLIENT);
  EXPECT_EQ(HitTest(bar, TPoint(10, 10)), HTCLIENT);

  // The grip's lines: dark every 3 pixels with a light one beside.
  auto shot = Snapshot(bar);
  EXPECT_EQ(shot->Canvas()->Pixels(w - 1, 4), Rgb(clBtnShadow));
  EXPECT_EQ(shot->Canvas()->Pixels(w - 1, 5), Rgb(clBtnHighlight));
  EXPECT_EQ(shot->Canvas()->Pixels(w - 1, 7), Rgb(clBtnShadow));
  EXPECT_EQ(shot->Canvas()->Pixels(w - 30, 10), Rgb(clBtnFace));

  // Maximized, the form hides the grip: client everywhere.
  skinForm->SetWindowState(2);
  Settle();
  EXPECT_FALSE(bar->ShowGrip());
  EXPECT_TRUE(bar->GripRect().IsEmpty());
  EXPECT_EQ(HitTest(bar, TPoint(bar->Width() - 5, 15)), HTCLIENT);
  EXPECT_EQ(bar->GetSkinClientRect(), TRect(0, 0, bar->Width(), 21));
  skinForm->SetWindowState(0);
  Settle();
  EXPECT_TRUE(bar->ShowGrip());
  EXPECT_EQ(HitTest(bar, TPoint(bar->Width() - 5, 15)), HTBOTTOMRIGHT);

  // A press on the grip goes to the form as a press on its own corner.
  std::vector<WPARAM> presses;
  auto inner = form->WindowProc;
  form->WindowProc = [&, inner](TMessage& m) {
    if (m.Msg == WM_NCLBUTTONDOWN)
      presses.push_back(m.WParam);  // not passed on: no sizing loop in a test
    else
      inner(m);
  };
  const TPoint grip = bar->ClientToScreen(TPoint(bar->Width() - 5, 15));
  SendMessageW(bar->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(grip.X, grip.Y));
  Settle();
  EXPECT_EQ(presses, (std::vector<WPARAM>{HTBOTTOMRIGHT}));

  // Without SizeGrip there is no grip, whatever the form says.
  bar->SetSizeGrip(false);
  EXPECT_EQ(HitTest(bar, TPoint(bar->Width() - 5, 15)), HTCLIENT);
  EXPECT_EQ(bar->GetSkinClientRect(), TRect(0, 0, bar->Width(), 21));
}

TEST_F(StatusBar, GripPictureSitsInTheBottomRightCorner) {
  TspSkinStatusBar* bar = MakeBar();
  TspDataSkinPanelControl* record = RecordOf(data, L"statusbar");
  MakeStretchy(record);
  record->GripperRect = TRect(0, 44, 12, 56);
  auto* inner = Add<TspSkinPanel>(bar, 2, 2, 30, 16);
  bar->SetSkinData(data);
  EXPECT_EQ(inner->SkinData(), data) << "skinned children take the bar's skin";
  ShowAndActivate(form);
  const int w = bar->Width();
  // The record fills the whole bar (no border, no caption), less the grip.
  EXPECT_EQ(bar->GetSkinClientRect(), TRect(0, 0, w - 12, 21));
  EXPECT_EQ(bar->GripRect(), TRect(w - 12, 9, w, 21));
  EXPECT_EQ(HitTest(bar, TPoint(w - 3, 18)), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTest(bar, TPoint(w - 3, 3)), HTCLIENT) << "above the picture";

  TBitmap* picture = data->ActivePictures[record->PictureIndex];
  auto shot = Snapshot(bar);
  for (const TPoint& p : {TPoint(0, 0), TPoint(11, 11), TPoint(5, 7)})
    EXPECT_EQ(shot->Canvas()->Pixels(w - 12 + p.X, 9 + p.Y), picture->Canvas()->Pixels(p.X, 44 + p.Y));
}

}  // namespace
