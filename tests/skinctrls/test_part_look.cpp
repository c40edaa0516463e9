// Parts drawn from a skin's button records: which record is taken, which of
// its pieces each state shows and the text colour that comes with it.
#include <gtest/gtest.h>

#include "SkinCtrlTestUtils.h"
#include "skinctrls/PartLook.h"

namespace {

// A piece of the Test skin's controls picture in another colour than the buttons'.
const TRect kOtherPiece(48, 0, 64, 16);

class PartLookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = NewTestSkin(nullptr);
    canvas.SetSize(20, 20);
    Clear();
  }
  void TearDown() override { Free(skin); }
  void Clear() {
    canvas.Canvas()->Brush()->SetColor(clWhite);
    canvas.Canvas()->FillRect(TRect(0, 0, 20, 20));
  }
  // The colour the Test skin's picture shows in the middle of a record's rectangle.
  TColor PieceColor(const TRect& R) {
    TspDataSkinButtonControl* r = RecordOf<TspDataSkinButtonControl>(skin, L"resizebutton");
    return skin->ActivePictures[r->PictureIndex]->Canvas()->Pixels(R.Left + R.Width() / 2, R.Top + R.Height() / 2);
  }
  bool Draw(std::initializer_list<String> Names, TspPartState State, TColor& Font) {
    Clear();
    return DrawSkinButtonPart(canvas.Canvas(), skin, Names, TRect(2, 2, 18, 18), State, Font);
  }
  TColor Middle() { return canvas.Canvas()->Pixels(10, 10); }

  TspSkinData* skin = nullptr;
  TBitmap canvas;
};

TEST_F(PartLookTest, TakesTheFirstNameThatIsAButtonRecordWithAPicture) {
  auto* tool = RecordOf<TspDataSkinButtonControl>(skin, L"resizetoolbutton");
  auto* resize = RecordOf<TspDataSkinButtonControl>(skin, L"resizebutton");
  ASSERT_TRUE(tool && resize);
  tool->SkinRect = kOtherPiece;
  ASSERT_NE(PieceColor(tool->SkinRect), PieceColor(resize->SkinRect));
  ASSERT_NE(RecordOf(skin, L"panel"), nullptr);  // a record, but not of a button

  TColor font = 0;
  EXPECT_TRUE(Draw({L"nosuchbutton", L"panel", L"resizetoolbutton", L"resizebutton"}, psIdle, font));
  EXPECT_EQ(Middle(), PieceColor(tool->SkinRect));
  EXPECT_EQ(canvas.Canvas()->Pixels(1, 1), TColor(clWhite));  // nothing outside Dest

  // A record whose picture the skin does not have gives way to the next name.
  tool->PictureIndex = skin->ActivePictures.Count();
  EXPECT_TRUE(Draw({L"resizetoolbutton", L"resizebutton"}, psIdle, font));
  EXPECT_EQ(Middle(), PieceColor(resize->SkinRect));
}

TEST_F(PartLookTest, NoRecordDrawsNothingAndKeepsTheFontColour) {
  TColor font = 0x123456;
  EXPECT_FALSE(Draw({L"nosuchbutton", L"panel"}, psPressed, font));
  EXPECT_EQ(font, TColor(0x123456));
  EXPECT_EQ(Middle(), TColor(clWhite));
  EXPECT_FALSE(DrawSkinButtonPart(canvas.Canvas(), nullptr, {L"resizebutton"}, TRect(2, 2, 18, 18), psIdle, font));
  auto* empty = new TspSkinData(nullptr);
  EXPECT_FALSE(DrawSkinButtonPart(canvas.Canvas(), empty, {L"resizebutton"}, TRect(2, 2, 18, 18), psIdle, font));
  Free(empty);
}

TEST_F(PartLookTest, EachStateShowsItsPieceOrTheOneBeforeIt) {
  auto* r = RecordOf<TspDataSkinButtonControl>(skin, L"resizebutton");
  const TRect normal = r->SkinRect, other = kOtherPiece;
  ASSERT_NE(PieceColor(normal), PieceColor(other));
  r->FontColor = 0x000011;
  r->ActiveFontColor = 0x000022;
  r->DownFontColor = 0x000033;
  TColor font = 0;

  // Neither a hot nor a pressed piece: every state shows the normal one.
  r->ActiveSkinRect = r->DownSkinRect = TRect();
  for (TspPartState s : {psIdle, psHot, psPressed}) {
    EXPECT_TRUE(Draw({L"resizebutton"}, s, font));
    EXPECT_EQ(Middle(), PieceColor(normal)) << s;
  }
  EXPECT_EQ(font, TColor(0x000033));  // the pressed colour all the same

  // A hot piece alone serves the pressed state too.
  r->ActiveSkinRect = other;
  EXPECT_TRUE(Draw({L"resizebutton"}, psIdle, font));
  EXPECT_EQ(Middle(), PieceColor(normal));
  EXPECT_EQ(font, TColor(0x000011));
  EXPECT_TRUE(Draw({L"resizebutton"}, psHot, font));
  EXPECT_EQ(Middle(), PieceColor(other));
  EXPECT_EQ(font, TColor(0x000022));
  EXPECT_TRUE(Draw({L"resizebutton"}, psPressed, font));
  EXPECT_EQ(Middle(), PieceColor(other));

  // With its own pressed piece the hot one is not used for it.
  r->ActiveSkinRect = TRect();
  r->DownSkinRect = other;
  EXPECT_TRUE(Draw({L"resizebutton"}, psHot, font));
  EXPECT_EQ(Middle(), PieceColor(normal));
  EXPECT_TRUE(Draw({L"resizebutton"}, psPressed, font));
  EXPECT_EQ(Middle(), PieceColor(other));
}

}  // namespace
