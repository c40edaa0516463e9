// The bevel: every shape's pixels in both styles, and the shared drawing in
// colours of the caller's choice.
#include <gtest/gtest.h>

#include "PaintedImage.h"
#include "classlib/Bevel.h"
#include "classlib/Forms.h"

namespace {

using Rows = std::vector<std::string>;

constexpr COLORREF kBackground = RGB(0, 128, 0);

// A borderless green form holding one bevel at (2, 2).
class BevelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 40, 30);
    form->SetColor(clGreen);
    bevel = new TBevel(form);
    bevel->SetParent(form);
    form->HandleNeeded();
  }
  void TearDown() override { Free(form); }

  // The bevel's pixels with one pixel of background round them: 'L' for
  // clBtnHighlight, 'D' for clBtnShadow.
  Rows Paint(TBevelShape Shape, TBevelStyle Style, int W, int H) {
    bevel->SetShape(Shape);
    bevel->SetStyle(Style);
    bevel->SetBounds(2, 2, W, H);
    TPaintedImage image(form);
    return image.Rows(TRect(1, 1, W + 3, H + 3), {{kBackground, '.'},
                                                   {static_cast<COLORREF>(ColorToRGB(clBtnHighlight)), 'L'},
                                                   {static_cast<COLORREF>(ColorToRGB(clBtnShadow)), 'D'}});
  }

  TForm* form;
  TBevel* bevel;
};

TEST_F(BevelTest, StartsAsALoweredBoxOf50By50) {
  EXPECT_EQ(bsBox, bevel->Shape());
  EXPECT_EQ(bsLowered, bevel->Style());
  EXPECT_EQ(50, bevel->Width());
  EXPECT_EQ(50, bevel->Height());
}

TEST_F(BevelTest, LoweredShapesAreShadedAtTheTopLeft) {
  // The outline's last corner (bottom-left) keeps the first colour.
  EXPECT_EQ(Paint(bsBox, bsLowered, 6, 5), (Rows{"........",
                                                 ".DDDDDL.",
                                                 ".D....L.",
                                                 ".D....L.",
                                                 ".D....L.",
                                                 ".DLLLLL.",
                                                 "........"}));
  EXPECT_EQ(Paint(bsFrame, bsLowered, 6, 5), (Rows{"........",
                                                   ".DDDDD..",
                                                   ".DLLLDL.",
                                                   ".DL..DL.",
                                                   ".DDDDDL.",
                                                   "..LLLLL.",
                                                   "........"}));
  EXPECT_EQ(Paint(bsTopLine, bsLowered, 6, 5), (Rows{"........",
                                                     ".DDDDDD.",
                                                     ".LLLLLL.",
                                                     "........",
                                                     "........",
                                                     "........",
                                                     "........"}));
  EXPECT_EQ(Paint(bsBottomLine, bsLowered, 6, 5), (Rows{"........",
                                                        "........",
                                                        "........",
                                                        "........",
                                                        ".DDDDDD.",
                                                        ".LLLLLL.",
                                                        "........"}));
  EXPECT_EQ(Paint(bsLeftLine, bsLowered, 6, 5), (Rows{"........",
                                                      ".DL.....",
                                                      ".DL.....",
                                                      ".DL.....",
                                                      ".DL.....",
                                                      ".DL.....",
                                                      "........"}));
  EXPECT_EQ(Paint(bsRightLine, bsLowered, 6, 5), (Rows{"........",
                                                       ".....DL.",
                                                       ".....DL.",
                                                       ".....DL.",
                                                       ".....DL.",
                                                       ".....DL.",
                                                       "........"}));
  EXPECT_EQ(Paint(bsSpacer, bsLowered, 6, 5), Rows(7, "........"));
}

TEST_F(BevelTest, RaisedShapesSwapTheColours) {
  EXPECT_EQ(Paint(bsBox, bsRaised, 4, 3), (Rows{"......",
                                                ".LLLD.",
                                                ".L..D.",
                                                ".LDDD.",
                                                "......"}));
  EXPECT_EQ(Paint(bsFrame, bsRaised, 4, 4), (Rows{"......",
                                                  ".LLL..",
                                                  ".LDLD.",
                                                  ".LLLD.",
                                                  "..DDD.",
                                                  "......"}));
  EXPECT_EQ(Paint(bsRightLine, bsRaised, 3, 2), (Rows{".....",
                                                      "..LD.",
                                                      "..LD.",
                                                      "....."}));
}

TEST(BevelDrawingTest, TakesTheCallersColours) {
  TColor first, second;
  BevelColors(bsLowered, clRed, clBlue, first, second);
  EXPECT_EQ(clBlue, first);
  EXPECT_EQ(clRed, second);
  BevelColors(bsRaised, clRed, clBlue, first, second);
  EXPECT_EQ(clRed, first);
  EXPECT_EQ(clBlue, second);

  TBitmap b;
  b.SetSize(5, 4);
  b.Canvas()->Brush()->SetColor(clWhite);
  b.Canvas()->FillRect(TRect(0, 0, 5, 4));
  DrawBevelRect(b.Canvas(), TRect(1, 1, 4, 3), clRed, clBlue);
  Rows drawn(4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const TColor c = b.Canvas()->Pixels(x, y);
      drawn[y] += c == clRed ? 'R' : c == clBlue ? 'B' : c == clWhite ? '.' : '?';
    }
  EXPECT_EQ(drawn, (Rows{".....", ".RRRB", ".R..B", ".RBBB"}));
}

}  // namespace
