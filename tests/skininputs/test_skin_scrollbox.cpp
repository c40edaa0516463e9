// The scroll box with two linked bars: ranges, scrolling the children and
// the frame.
#include "SkinInputTestUtils.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinScrollBox.h"

class ScrollBoxTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    box = Add<TspSkinScrollBox>(form, 10, 10, 152, 102);  // a 150 x 100 client
    vbar = Add<TspSkinScrollBar>(form, 170, 10, 16, 102);
    vbar->SetKind(sbVertical);
    hbar = Add<TspSkinScrollBar>(form, 10, 120, 152, 16);
    box->SetVScrollBar(vbar);
    box->SetHScrollBar(hbar);
    Settle();
  }
  TspSkinScrollBox* box = nullptr;
  TspSkinScrollBar *vbar = nullptr, *hbar = nullptr;
};

TEST_F(ScrollBoxTest, BarsFollowTheChildrensExtent) {
  ASSERT_EQ(box->ClientHeight(), 100);
  auto* child = Add<TspSkinPanel>(box, 0, 0, 100, 80);
  box->UpdateScrollBars();
  EXPECT_FALSE(vbar->Visible());
  EXPECT_EQ(vbar->Max(), 0);
  EXPECT_EQ(vbar->PageSize(), 0);
  child->SetHeight(250);
  box->UpdateScrollBars();
  EXPECT_TRUE(vbar->Visible());
  EXPECT_FALSE(hbar->Visible());
  EXPECT_EQ(vbar->Max(), 249);
  EXPECT_EQ(vbar->PageSize(), 100);
  // Wide as well: both bars, the horizontal one leaving the corner.
  child->SetWidth(300);
  box->UpdateScrollBars();
  EXPECT_TRUE(hbar->Visible());
  EXPECT_TRUE(hbar->Both());
  child->SetHeight(50);
  box->UpdateScrollBars();
  EXPECT_FALSE(vbar->Visible());
  EXPECT_FALSE(hbar->Both());
}

TEST_F(ScrollBoxTest, MovingABarScrollsTheChildrenAndTheyComeBack) {
  auto* a = Add<TspSkinPanel>(box, 0, 0, 100, 150);
  auto* b = Add<TspSkinPanel>(box, 0, 150, 100, 150);
  box->UpdateScrollBars();
  vbar->SetPosition(120);
  EXPECT_EQ(a->Top(), -120);
  EXPECT_EQ(b->Top(), 30);
  // Children shrunk to fit: the bar goes and everything is back in view.
  b->SetVisible(false);
  a->SetHeight(40);
  box->UpdateScrollBars();
  EXPECT_FALSE(vbar->Visible());
  EXPECT_EQ(a->Top(), 0);
}

TEST_F(ScrollBoxTest, GrowingWhileScrolledLeavesNoEmptyBand) {
  auto* a = Add<TspSkinPanel>(box, 0, 0, 100, 300);
  box->UpdateScrollBars();
  vbar->SetPosition(200);  // the end: the last 100 pixels in view
  ASSERT_EQ(a->Top(), -200);
  box->SetHeight(142);     // 40 more of client
  Settle();
  EXPECT_EQ(a->Top(), -160);
  EXPECT_EQ(vbar->Position(), 160);
  EXPECT_EQ(a->Top() + a->Height(), box->ClientHeight());
}

TEST_F(ScrollBoxTest, FrameAndItsPrivateQueries) {
  TBitmap b;
  b.SetSize(box->Width(), box->Height());
  b.Canvas()->Brush()->SetColor(clLime);
  b.Canvas()->FillRect(TRect(0, 0, b.Width(), b.Height()));
  EXPECT_EQ(SendMessageW(box->Handle(), MSG_PAINT_FRAME_QUERY, reinterpret_cast<WPARAM>(b.Canvas()->Handle()), 0),
            MSG_PAINT_FRAME_ANSWER);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(b.Canvas()->Pixels(5, 5), Rgb(clLime));
  box->SetBorderStyle(bvNone);
  Settle();
  EXPECT_EQ(box->ClientWidth(), box->Width());
  EXPECT_EQ(SendMessageW(box->Handle(), MSG_PAINT_FRAME_QUERY, reinterpret_cast<WPARAM>(b.Canvas()->Handle()), 0),
            0);
}

TEST_F(ScrollBoxTest, FreedBarsAreForgotten) {
  Free(vbar);
  EXPECT_EQ(box->VScrollBar(), nullptr);
  Add<TspSkinPanel>(box, 0, 0, 100, 300);
  EXPECT_NO_THROW(box->UpdateScrollBars());
}

TEST_F(ScrollBoxTest, ABackgroundPictureTakesTheWholeBox) {
  // The test skin's "scrollbox" has a background picture and so no frame.
  box->SetSkinData(NewTestSkin(form));
  Settle();
  EXPECT_EQ(box->ClientWidth(), box->Width());
  EXPECT_EQ(box->ClientHeight(), box->Height());
  TBitmap b;
  b.SetSize(box->Width(), box->Height());
  EXPECT_EQ(SendMessageW(box->Handle(), MSG_PAINT_FRAME_QUERY, reinterpret_cast<WPARAM>(b.Canvas()->Handle()), 0),
            0);
  // Its children are ranged against the full height.
  Add<TspSkinPanel>(box, 0, 0, 100, 400);
  box->UpdateScrollBars();
  EXPECT_EQ(vbar->PageSize(), box->Height());
}
