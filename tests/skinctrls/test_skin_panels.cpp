// The skinned panel under the real message loop: roll-up and the size limits
// it must give back, the caption check mark, client rectangles, transparent
// mode, and the default look read back in pixels.
#include "SkinCtrlTestUtils.h"

namespace {

class SkinPanel : public FormTest {
 protected:
  // A panel of 200 x 150 with a caption, the mode set by Setup.
  TspSkinPanel* CaptionPanel() {
    auto* panel = Add<TspSkinPanel>(form, 10, 10, 200, 150);
    panel->SetCaption(L"Caption \x6807\x9898");
    panel->SetCaptionMode(true);
    return panel;
  }
};

TSizeConstraints Limits(int MinW, int MinH, int MaxW, int MaxH) {
  TSizeConstraints c;
  c.MinWidth = MinW;
  c.MinHeight = MinH;
  c.MaxWidth = MaxW;
  c.MaxHeight = MaxH;
  return c;
}

bool SameLimits(const TSizeConstraints& A, const TSizeConstraints& B) {
  return A.MinWidth == B.MinWidth && A.MinHeight == B.MinHeight && A.MaxWidth == B.MaxWidth &&
         A.MaxHeight == B.MaxHeight;
}

TEST_F(SkinPanel, RollUpWithoutSkinHidesChildrenAndGivesTheLimitsBack) {
  TspSkinPanel* panel = CaptionPanel();
  panel->SetRollUpMode(true);
  auto* shown = Add<TspSkinPanel>(panel, 5, 30, 50, 50);
  auto* hiddenBefore = Add<TspSkinPanel>(panel, 60, 30, 50, 50);
  hiddenBefore->Hide();
  const TSizeConstraints limits = Limits(150, 100, 400, 300);
  panel->SetConstraints(limits);
  int events = 0;
  panel->OnChangeRollUpState = [&](TObject*) { ++events; };
  ShowAndActivate(form);

  // Two full cycles: the limits must survive more than one.
  for (int cycle = 0; cycle < 2; ++cycle) {
    SCOPED_TRACE(cycle);
    ClickAt(panel, TPoint(100, 10));
    EXPECT_TRUE(panel->RollUpState());
    EXPECT_EQ(panel->Height(), panel->DefaultCaptionHeight() + 1);
    EXPECT_EQ(panel->RealHeight(), 150);
    EXPECT_FALSE(shown->Visible());
    ClickAt(panel, TPoint(100, 10));
    EXPECT_FALSE(panel->RollUpState());
    EXPECT_EQ(panel->Height(), 150);
    EXPECT_EQ(panel->RealHeight(), -1);
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(hiddenBefore->Visible()) << "the roll-up did not hide it";
    EXPECT_TRUE(SameLimits(panel->Constraints(), limits));
  }
  EXPECT_EQ(events, 4);
  // The limits act again, and a click under the caption bar does nothing.
  panel->SetHeight(50);
  EXPECT_EQ(panel->Height(), 100);
  ClickAt(panel, TPoint(100, 60));
  EXPECT_FALSE(panel->RollUpState());
}

TEST_F(SkinPanel, LeavingRollUpModeWhileRolledUpUnrolls) {
  TspSkinPanel* panel = CaptionPanel();
  auto* child = Add<TspSkinPanel>(panel, 0, 0, 10, 10);
  child->SetAlign(alClient);
  const TSizeConstraints limits = Limits(0, 120, 0, 0);
  panel->SetConstraints(limits);
  // Without the mode the state cannot be set.
  panel->SetRollUpState(true);
  EXPECT_FALSE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 150);

  panel->SetRollUpMode(true);
  panel->SetRollUpState(true);
  ASSERT_EQ(panel->Height(), 23);
  panel->SetRollUpMode(false);
  EXPECT_FALSE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 150);
  EXPECT_EQ(panel->RealHeight(), -1);
  EXPECT_TRUE(child->Visible());
  EXPECT_TRUE(SameLimits(panel->Constraints(), limits));
  // Alignment runs again: the client child follows a new height.
  panel->SetHeight(180);
  EXPECT_EQ(child->BoundsRect(), panel->GetSkinClientRect());
  EXPECT_EQ(child->Height(), 180 - 23 - 1);
}

TEST_F(SkinPanel, RollUpWithSkinKeepsCaptionAndBorders) {
  TspSkinData* data = NewTestSkin(form);
  TspDataSkinPanelControl* record = RecordOf(data, L"panel");
  MakeStretchy(record);
  TspSkinPanel* panel = CaptionPanel();
  panel->SetRollUpMode(true);
  auto* child = Add<TspSkinPanel>(panel, 20, 20, 40, 40);
  panel->SetSkinData(data);
  ShowAndActivate(form);
  panel->Repaint();
  // The caption strip grows with the width.
  EXPECT_EQ(panel->CaptionRectNow(), TRect(2, 0, 198, 10));

  ClickAt(panel, TPoint(100, 40));  // in the client: nothing
  EXPECT_FALSE(panel->RollUpState());
  ClickAt(panel, TPoint(198, 10));  // the caption's corner counts
  EXPECT_TRUE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 12) << "the full height less the client's";
  EXPECT_FALSE(child->Visible());
  ClickAt(panel, TPoint(100, 5));
  EXPECT_FALSE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 150);
  EXPECT_TRUE(child->Visible());

  // A skin without a caption rectangle takes no caption clicks at all.
  record->CaptionRect = TRect();
  panel->ChangeSkinData();
  panel->Repaint();
  ClickAt(panel, TPoint(0, 0));
  ClickAt(panel, TPoint(100, 5));
  EXPECT_FALSE(panel->RollUpState());
}

TEST_F(SkinPanel, ASkinChangeWhileRolledUpMeasuresTheCaptionAgain) {
  TspSkinPanel* panel = CaptionPanel();
  panel->SetRollUpMode(true);
  panel->SetRollUpState(true);
  ASSERT_EQ(panel->Height(), 23);
  TspSkinData* data = NewTestSkin(form);
  MakeStretchy(RecordOf(data, L"panel"));
  panel->SetSkinData(data);
  EXPECT_TRUE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 12);
  EXPECT_EQ(panel->RealHeight(), 150);
  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 150);
}

TEST_F(SkinPanel, CheckedModeEnablesTheChildrenWithTheMark) {
  TspSkinPanel* panel = CaptionPanel();
  panel->SetCheckedMode(true);
  auto* a = Add<TspSkinPanel>(panel, 5, 40, 40, 40);
  auto* b = Add<TspSkinPanel>(panel, 60, 40, 40, 40);
  std::vector<bool> heard;
  panel->OnChecked = [&](TObject*) { heard.push_back(panel->Checked()); };
  ShowAndActivate(form);

  ClickAt(panel, TPoint(199, 22));  // the caption bar's far corner counts
  EXPECT_TRUE(panel->Checked());
  EXPECT_TRUE(a->Enabled() && b->Enabled());
  ClickAt(panel, TPoint(100, 10));
  EXPECT_FALSE(panel->Checked());
  EXPECT_FALSE(a->Enabled() || b->Enabled());
  EXPECT_EQ(heard, (std::vector<bool>{true, false})) << "the event follows the change";
  ClickAt(panel, TPoint(100, 23));  // just under the bar
  EXPECT_FALSE(panel->Checked());

  panel->SetAutoEnabledControls(false);
  ClickAt(panel, TPoint(100, 10));
  EXPECT_TRUE(panel->Checked());
  EXPECT_FALSE(a->Enabled() || b->Enabled()) << "children left alone";

  panel->SetCheckedMode(false);
  ClickAt(panel, TPoint(100, 10));
  EXPECT_TRUE(panel->Checked());
  panel->SetCheckedMode(true);
  panel->SetCaptionMode(false);
  ClickAt(panel, TPoint(100, 10));
  EXPECT_TRUE(panel->Checked()) << "no caption, no caption clicks";
}

TEST_F(SkinPanel, ClientRectangleByLookAndMode) {
  auto* panel = Add<TspSkinPanel>(form, 10, 10, 200, 150);
  auto* child = Add<TspSkinPanel>(panel, 0, 0, 10, 10);
  child->SetAlign(alClient);
  auto expect = [&](const TRect& R, const char* What) {
    SCOPED_TRACE(What);
    EXPECT_EQ(panel->GetSkinClientRect(), R);
    panel->Realign();
    EXPECT_EQ(child->BoundsRect(), R);
  };
  expect(TRect(1, 1, 199, 149), "frame");
  panel->SetCaptionMode(true);
  expect(TRect(1, 23, 199, 149), "frame and caption");
  panel->SetBorderStyle(bvNone);
  expect(TRect(0, 22, 200, 150), "caption alone");
  panel->SetCaptionMode(false);
  expect(TRect(0, 0, 200, 150), "nothing");

  TspSkinData* data = NewTestSkin(form);
  TspDataSkinPanelControl* record = RecordOf(data, L"panel");
  MakeStretchy(record);
  panel->SetSkinData(data);
  expect(TRect(0, 0, 200, 150), "skin client fill over the whole control");
  panel->SetBorderStyle(bvFrame);
  expect(TRect(2, 10, 198, 148), "the skin's client at this size");
  record->BGPictureIndex = 0;
  panel->ChangeSkinData();
  expect(TRect(0, 0, 200, 150), "a background picture");
  record->BGPictureIndex = -1;
  panel->SetTransparentMode(true);
  expect(TRect(2, 2, 198, 148), "transparent");
  panel->SetCaption(L"Wg");
  panel->SetCaptionMode(true);
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->Font()->SetName(record->FontName);
  measure.Canvas()->Font()->SetHeight(record->FontHeight);
  expect(TRect(2, measure.Canvas()->TextHeight(L"Wg"), 198, 148), "transparent with a caption");
}

// A windowed child that counts the background-changed messages it hears.
class Listener : public TCustomControl {
 public:
  explicit Listener(TComponent* AOwner) : TCustomControl(AOwner) {}
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == MSG_BACKGROUND_CHANGED) ++Heard;
    TCustomControl::Dispatch(Message);
  }
  int Heard = 0;
};

TEST_F(SkinPanel, TransparentModeShowsTheParentAndTellsChildrenOnMove) {
  form->SetColor(clRed);
  TspSkinData* data = NewTestSkin(form);
  MakeStretchy(RecordOf(data, L"panel"));
  auto* panel = Add<TspSkinPaintPanel>(form, 10, 10, 200, 150);
  int paints = 0;
  panel->OnPanelPaint = [&](TCanvas*, const TRect&) { ++paints; };
  panel->SetSkinData(data);
  auto* child = Add<Listener>(panel, 20, 20, 40, 40);
  form->Show();
  Settle();

  panel->SetLeft(20);
  Settle();
  EXPECT_EQ(child->Heard, 0) << "an opaque panel stops the message";
  panel->SetTransparentMode(true);
  EXPECT_EQ(child->Heard, 1);
  const int before = paints;
  panel->SetLeft(40);
  Settle();
  EXPECT_GE(child->Heard, 2);
  EXPECT_GT(paints, before);

  auto shot = Snapshot(panel);
  EXPECT_EQ(shot->Canvas()->Pixels(150, 100), Rgb(clRed)) << "the parent shows through";
  EXPECT_EQ(shot->Canvas()->Pixels(199, 100), data->SkinColors->cBtnShadow) << "the frame";
}

TEST_F(SkinPanel, DefaultLookBorderAndCaptionPixels) {
  auto* panel = Add<TspSkinPanel>(form, 10, 10, 100, 60);
  form->Show();
  Settle();
  struct {
    TspSkinBorderStyle Style;
    TColor TopLeft, BottomRight;
  } borders[] = {{bvRaised, clBtnHighlight, clBtnShadow},
                 {bvLowered, clBtnShadow, clBtnHighlight},
                 {bvFrame, clBtnShadow, clBtnShadow},
                 {bvNone, clBtnFace, clBtnFace}};
  for (const auto& b : borders) {
    SCOPED_TRACE(b.Style);
    panel->SetBorderStyle(b.Style);
    auto shot = Snapshot(panel);
    EXPECT_EQ(shot->Canvas()->Pixels(0, 0), Rgb(b.TopLeft));
    EXPECT_EQ(shot->Canvas()->Pixels(0, 30), Rgb(b.TopLeft));
    EXPECT_EQ(shot->Canvas()->Pixels(99, 59), Rgb(b.BottomRight));
    EXPECT_EQ(shot->Canvas()->Pixels(99, 30), Rgb(b.BottomRight));
    EXPECT_EQ(shot->Canvas()->Pixels(50, 30), Rgb(clBtnFace));
  }

  // A raised caption bar inside the frame, with the check box at its left.
  panel->SetBorderStyle(bvRaised);
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->SetChecked(true);
  auto shot = Snapshot(panel);
  EXPECT_EQ(shot->Canvas()->Pixels(1, 1), Rgb(clBtnShadow));
  EXPECT_EQ(shot->Canvas()->Pixels(98, 21), Rgb(clBtnHighlight));
  EXPECT_EQ(shot->Canvas()->Pixels(2, 2), Rgb(clBtnHighlight));
  EXPECT_EQ(shot->Canvas()->Pixels(97, 20), Rgb(clBtnShadow));
  EXPECT_EQ(shot->Canvas()->Pixels(50, 22), Rgb(clBtnFace)) << "the client starts under the bar";
  EXPECT_EQ(shot->Canvas()->Pixels(5, 4), Rgb(clBtnShadow)) << "the check box";
  EXPECT_EQ(shot->Canvas()->Pixels(9, 13), Rgb(clBtnText)) << "the mark";
  panel->SetChecked(false);
  EXPECT_EQ(Snapshot(panel)->Canvas()->Pixels(9, 13), Rgb(clBtnFace));
}

TEST_F(SkinPanel, PaintPanelDrawsThroughItsEvent) {
  auto* panel = Add<TspSkinPaintPanel>(form, 10, 10, 120, 80);
  TRect given;
  panel->OnPanelPaint = [&](TCanvas* Cnvs, const TRect& R) {
    given = R;
    Cnvs->Brush()->SetStyle(bsSolid);
    Cnvs->Brush()->SetColor(clLime);
    Cnvs->FillRect(R);
  };
  form->Show();
  Settle();
  auto shot = Snapshot(panel);
  EXPECT_EQ(given, TRect(1, 1, 119, 79));
  EXPECT_EQ(shot->Canvas()->Pixels(60, 40), Rgb(clLime));
  EXPECT_EQ(shot->Canvas()->Pixels(0, 0), Rgb(clBtnShadow));

  // Erasing into a foreign device context paints the whole panel there.
  TBitmap target;
  target.SetSize(120, 80);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(TRect(0, 0, 120, 80));
  SendMessageW(panel->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas()->Handle()), 0);
  EXPECT_EQ(target.Canvas()->Pixels(60, 40), Rgb(clLime));
  EXPECT_EQ(target.Canvas()->Pixels(119, 79), Rgb(clBtnShadow));

  // Over the skin look too.
  TspSkinData* data = NewTestSkin(form);
  MakeStretchy(RecordOf(data, L"panel"));
  panel->SetSkinData(data);
  shot = Snapshot(panel);
  EXPECT_EQ(given, TRect(2, 10, 118, 78));
  EXPECT_EQ(shot->Canvas()->Pixels(60, 40), Rgb(clLime));
}

}  // namespace
