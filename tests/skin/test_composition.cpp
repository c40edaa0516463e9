// Composition with GDI: pixels read back from the destination bitmaps.
#include <gtest/gtest.h>

#include "classlib/GuiCounts.h"
#include "skin/SPUtils.h"

namespace {

// A picture whose pixel (x, y) has red x, green y and blue 7, so every
// destination pixel tells where it came from.
void CoordinatePicture(TBitmap& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    auto* row = static_cast<uint8_t*>(b.ScanLine(y));
    for (int x = 0; x < w; ++x) {
      row[3 * x] = 7;
      row[3 * x + 1] = static_cast<uint8_t>(y);
      row[3 * x + 2] = static_cast<uint8_t>(x);
    }
  }
}

TPoint Source(TBitmap& b, int x, int y) {
  const TColor c = b.Canvas()->Pixels(x, y);
  return TPoint(GetRedOf(c), GetGreenOf(c));
}

// A 30 x 20 frame at (100, 50) of the picture, as in the plan tests.
struct Frame {
  TBitmap Picture;
  TRect R{100, 50, 130, 70};
  TPoint LT{6, 6}, RT{24, 6}, LB{6, 14}, RB{24, 14};
  TRect CL{4, 4, 26, 16};
  Frame() { CoordinatePicture(Picture, 140, 80); }
  void Compose(TBitmap& B, int W, int H, bool stretch, bool drawClient = true) {
    const int dw = W - 30, dh = H - 20;
    CreateSkinImage(LT, RT, LB, RB, CL, LT, TPoint(RT.X + dw, RT.Y), TPoint(LB.X, LB.Y + dh),
                    TPoint(RB.X + dw, RB.Y + dh), TRect(CL.Left, CL.Top, CL.Right + dw, CL.Bottom + dh), &B,
                    &Picture, R, W, H, drawClient, stretch, stretch, stretch, stretch, stretch, 0);
  }
};

TEST(Composition, DesignSizeReproducesTheSkinRect) {
  Frame f;
  for (bool stretch : {false, true}) {
    TBitmap b;
    f.Compose(b, 30, 20, stretch);
    ASSERT_EQ(b.Width(), 30);
    int wrong = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 30; ++x) wrong += Source(b, x, y) != TPoint(100 + x, 50 + y);
    EXPECT_EQ(wrong, 0) << "stretch " << stretch;
  }
}

TEST(Composition, TiledEdgesRepeatAtTheirSizeAndTheLastIsCut) {
  Frame f;
  TBitmap b;
  f.Compose(b, 65, 33, false);
  // Top edge: piece x 6..24 tiled from 6, copies at 6, 24, 42 (the last cut at 59).
  EXPECT_EQ(Source(b, 24, 1), TPoint(106, 51));
  EXPECT_EQ(Source(b, 58, 1), TPoint(122, 51));
  EXPECT_EQ(Source(b, 59, 1), TPoint(124, 51));  // right-top corner
  EXPECT_EQ(Source(b, 64, 19), TPoint(129, 56 + (19 - 6) % 8));  // right edge tiled down
  // Client tiled in two dimensions from (4, 4), pieces 22 x 12.
  EXPECT_EQ(Source(b, 26, 16), TPoint(104, 54));
  EXPECT_EQ(Source(b, 60, 28), TPoint(104 + 34 % 22, 54 + 24 % 12));
}

TEST(Composition, StretchedEdgesKeepTheCorners) {
  Frame f;
  TBitmap b;
  f.Compose(b, 90, 40, true);
  EXPECT_EQ(Source(b, 0, 0), TPoint(100, 50));
  EXPECT_EQ(Source(b, 89, 39), TPoint(129, 69));
  EXPECT_EQ(Source(b, 85, 2), TPoint(125, 52));
  const TPoint mid = Source(b, 45, 1);  // somewhere inside the top edge piece
  EXPECT_GE(mid.X, 106);
  EXPECT_LT(mid.X, 124);
}

TEST(Composition, ByOffsetsKeepsTheSizeAndStretches) {
  TBitmap pic;
  CoordinatePicture(pic, 40, 30);
  TBitmap b;
  b.SetSize(50, 25);
  CreateSkinImageByOffsets(&b, &pic, TRect(10, 5, 30, 15), TRect(3, 2, 17, 8), true);
  EXPECT_EQ(b.Width(), 50);
  EXPECT_EQ(Source(b, 0, 0), TPoint(10, 5));
  EXPECT_EQ(Source(b, 49, 24), TPoint(29, 14));
  EXPECT_EQ(Source(b, 47, 0), TPoint(27, 5));
}

TEST(Composition, ThreePieceImages) {
  TBitmap pic;
  CoordinatePicture(pic, 40, 10);
  TBitmap b;
  CreateHSkinImage(3, 2, &b, &pic, TRect(10, 0, 20, 6), 20, 999, false);
  ASSERT_EQ(b.Width(), 20);
  EXPECT_EQ(b.Height(), 6);
  EXPECT_EQ(Source(b, 2, 0), TPoint(12, 0));
  EXPECT_EQ(Source(b, 9, 3), TPoint(14, 3));  // second middle copy at 8
  EXPECT_EQ(Source(b, 19, 5), TPoint(19, 5));
  CreateVSkinImage(2, 1, &b, &pic, TRect(0, 0, 4, 6), 999, 12, false);
  ASSERT_EQ(b.Height(), 12);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(Source(b, 0, 5), TPoint(0, 2));  // middle rows 2..4 repeat from y 2: 2, 5, 8
  EXPECT_EQ(Source(b, 0, 11), TPoint(0, 5));
}

TEST(Composition, EmptySourceOnlySizes) {
  TBitmap empty, b;
  Frame f;
  CreateSkinImage(f.LT, f.RT, f.LB, f.RB, f.CL, f.LT, f.RT, f.LB, f.RB, f.CL, &b, &empty, f.R, 30, 20, true, false,
                  false, false, false, false, 0);
  EXPECT_EQ(b.Width(), 30);
  EXPECT_EQ(b.Height(), 20);
}

TEST(Composition, BorderImages) {
  Frame f;
  TBitmap top, bottom, left, right;
  left.SetSize(1, 1);
  const int W = 50, H = 24, dw = 20, dh = 4;
  CreateSkinBorderImages(f.LT, f.RT, f.LB, f.RB, f.CL, f.LT, TPoint(f.RT.X + dw, 6), TPoint(6, f.LB.Y + dh),
                         TPoint(f.RB.X + dw, f.RB.Y + dh), TRect(4, 4, 26 + dw, 16 + dh), &left, &top, &right,
                         &bottom, &f.Picture, f.R, W, H, false, false, false, false);
  EXPECT_EQ(top.Width(), 50);
  EXPECT_EQ(top.Height(), 4);
  EXPECT_EQ(left.Height(), 16);
  EXPECT_EQ(Source(left, 0, 0), TPoint(100, 54));   // fixed rows above the edge
  EXPECT_EQ(Source(left, 0, 15), TPoint(100, 65));  // fixed rows below it
  EXPECT_EQ(Source(top, 49, 0), TPoint(129, 50));
}

TEST(Composition, APlanDrawnInPlaceShowsWhatItsBitmapWould) {
  Frame f;
  TBitmap bitmap;
  f.Compose(bitmap, 50, 24, true);
  const TspComposition plan =
      PlanSkinImage({f.LT, f.RT, f.LB, f.RB, f.CL}, {f.LT, TPoint(44, 6), TPoint(6, 18), TPoint(44, 18), TRect(4, 4, 46, 20)},
                    f.R, 50, 24, TspNineFlags{true, true, true, true, true, true, 0}, false);
  // Drawn at (5, 3) of a white 60 x 30 target: the bitmap's pixels there,
  // nothing of the plan outside its 50 x 24.
  TBitmap target;
  target.SetSize(60, 30);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(TRect(0, 0, 60, 30));
  DrawCompositionAt(target.Canvas(), &f.Picture, plan, 5, 3);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inside = x >= 5 && x < 55 && y >= 3 && y < 27;
      const TColor expected = inside ? bitmap.Canvas()->Pixels(x - 5, y - 3) : clWhite;
      ASSERT_EQ(target.Canvas()->Pixels(x, y), expected) << x << "," << y;
    }
}

// A tiled fill seen through a small part of a large destination (a control's
// background painted under it) shows there the tiles it shows everywhere:
// across tile edges, at the cut last tiles and partly beyond the destination.
TEST(Composition, ATiledFillSeenThroughASmallClipShowsItsTiles) {
  TBitmap picture;
  CoordinatePicture(picture, 40, 30);
  const TRect piece(3, 2, 12, 9), dest(10, 5, 510, 305);  // 9 x 7 pieces, far more copies than a block holds
  for (const TPoint at : {TPoint(0, 0), TPoint(33, 47), TPoint(250, 150), TPoint(495, 296)}) {
    TBitmap target;
    target.SetSize(24, 16);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(TRect(0, 0, 24, 16));
    HDC dc = target.Canvas()->Handle();
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, -at.X, -at.Y, nullptr);
    DrawPieceFill(target.Canvas(), &picture, piece, dest, false, 0);
    RestoreDC(dc, saved);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 24; ++x) {
        const int px = at.X + x, py = at.Y + y;
        if (px < dest.Left || py < dest.Top || px >= dest.Right || py >= dest.Bottom) {
          ASSERT_EQ(clWhite, target.Canvas()->Pixels(x, y)) << px << "," << py;
          continue;
        }
        ASSERT_EQ(TPoint(3 + (px - 10) % 9, 2 + (py - 5) % 7), Source(target, x, y)) << px << "," << py;
      }
  }
}

TEST(Composition, APieceIsDrawnWithoutItsKeyColour) {
  Frame f;
  TBitmap target;
  target.SetSize(10, 10);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(TRect(0, 0, 10, 10));
  // The piece (2, 1)-(5, 4): its bottom-left pixel (2, 3) is the key, which
  // no other pixel of the coordinate picture shares.
  DrawPiece(target.Canvas(), &f.Picture, TRect(2, 1, 5, 4), 4, 4, true);
  EXPECT_EQ(target.Canvas()->Pixels(4, 6), clWhite);
  EXPECT_EQ(Source(target, 5, 6), TPoint(3, 3));
  EXPECT_EQ(Source(target, 4, 4), TPoint(2, 1));
  DrawPiece(target.Canvas(), &f.Picture, TRect(2, 1, 5, 4), 0, 0);  // opaque: every pixel
  EXPECT_EQ(Source(target, 0, 2), TPoint(2, 3));
}

TEST(Composition, NoHandleGrowthOverTenThousandCompositions) {
  Frame f;
  TBitmap b;
  f.Compose(b, 40, 30, true);
  const int before = GdiObjectsInUse();
  for (int i = 0; i < 10000; ++i) f.Compose(b, 31 + i % 40, 21 + i % 17, i % 2 == 0);
  EXPECT_LE(GdiObjectsInUse(), before + 2);
}

}  // namespace

namespace {

// Client piece 8 x 5 at (2, 2) of a 12 x 9 skin at (20, 10); frame 2 pixels
// wide with plain corners. New size 24 x 14: client 20 x 10 at (2, 2).
struct ClientSkin {
  TBitmap Picture;
  TRect R{20, 10, 32, 19};
  TRect CL{2, 2, 10, 7};
  ClientSkin() { CoordinatePicture(Picture, 40, 30); }
  void Compose(TBitmap& B, bool clientStretch, uint8_t type) {
    const TRect NCL(2, 2, 22, 12);
    CreateSkinImage(TPoint(2, 2), TPoint(10, 2), TPoint(2, 7), TPoint(10, 7), CL, TPoint(2, 2), TPoint(22, 2),
                    TPoint(2, 12), TPoint(22, 12), NCL, &B, &Picture, R, 24, 14, true, false, false, false, false,
                    clientStretch, type);
  }
};

TEST(Composition, ClientRepeatedAcrossAfterAStretchToTheClientHeight) {
  ClientSkin s;
  TBitmap b;
  s.Compose(b, true, 1);
  // Copies at 2, 10 and 18 (offsets 0, 8, 16), the last one cut to 4 columns.
  for (int x = 2; x < 22; ++x) {
    const TPoint top = Source(b, x, 2), bottom = Source(b, x, 11);
    EXPECT_EQ(top, TPoint(22 + (x - 2) % 8, 12)) << x;
    EXPECT_EQ(bottom, TPoint(22 + (x - 2) % 8, 16)) << x;
  }
  EXPECT_EQ(Source(b, 22, 5).X, 30);  // the right edge, not a fifth client column
}

TEST(Composition, ClientRepeatedDownAfterAStretchToTheClientWidth) {
  ClientSkin s;
  TBitmap b;
  s.Compose(b, true, 2);
  // Copies at 2 and 7 (offsets 0, 5), the third one empty: rows repeat every 5.
  for (int y = 2; y < 12; ++y) {
    EXPECT_EQ(Source(b, 2, y), TPoint(22, 12 + (y - 2) % 5)) << y;
    EXPECT_EQ(Source(b, 21, y), TPoint(29, 12 + (y - 2) % 5)) << y;
  }
  EXPECT_EQ(Source(b, 5, 12).Y, 17);  // the bottom edge
}

TEST(Composition, OpenToTheRightAndPartialThreePieces) {
  Frame f;
  TBitmap b;
  const int dw = 20;
  CreateSkinImage3(f.LT, f.RT, f.LB, f.RB, f.CL, f.LT, TPoint(f.RT.X + dw, f.RT.Y), f.LB,
                   TPoint(f.RB.X + dw, f.RB.Y), TRect(4, 4, 26 + dw, 16), &b, &f.Picture, f.R, 50, 20, true, false,
                   false, false, false, false, 0);
  // Top edge piece x 6..24 tiled from 6 up to W: copies at 6, 24, 42 (cut at 50).
  EXPECT_EQ(Source(b, 49, 0), TPoint(113, 50));
  EXPECT_EQ(Source(b, 49, 19), TPoint(113, 69));  // the bottom edge also reaches W
  EXPECT_EQ(Source(b, 49, 8), TPoint(104 + 45 % 22, 58));  // and the client

  TBitmap pic;
  CoordinatePicture(pic, 40, 10);
  CreateHSkinImage2(3, 2, &b, &pic, TRect(10, 0, 20, 6), 20, 0, false);
  // Middle 13..18 tiled from 3 to the right end: no right piece.
  EXPECT_EQ(Source(b, 3, 0), TPoint(13, 0));
  EXPECT_EQ(Source(b, 19, 0), TPoint(13 + 16 % 5, 0));
  CreateHSkinImage3(3, 2, &b, &pic, TRect(10, 0, 20, 6), 12, 0, false);
  // Only the middle, from x 0.
  EXPECT_EQ(Source(b, 0, 0), TPoint(13, 0));
  EXPECT_EQ(Source(b, 11, 0), TPoint(14, 0));
}

TEST(Composition, StretchedBorderImages) {
  Frame f;
  TBitmap top, bottom, left, right;
  const int W = 60, H = 40, dw = 30, dh = 20;
  CreateSkinBorderImages(f.LT, f.RT, f.LB, f.RB, f.CL, f.LT, TPoint(f.RT.X + dw, 6), TPoint(6, f.LB.Y + dh),
                         TPoint(f.RB.X + dw, f.RB.Y + dh), TRect(4, 4, 26 + dw, 16 + dh), &left, &top, &right,
                         &bottom, &f.Picture, f.R, W, H, true, true, true, true);
  ASSERT_EQ(right.Width(), 4);
  ASSERT_EQ(right.Height(), 32);
  // Fixed corners at both ends, the edge stretched between them.
  EXPECT_EQ(Source(top, 0, 0), TPoint(100, 50));
  EXPECT_EQ(Source(top, 59, 3), TPoint(129, 53));
  EXPECT_EQ(Source(top, 54, 0), TPoint(124, 50));
  EXPECT_EQ(Source(bottom, 0, 3), TPoint(100, 69));
  EXPECT_EQ(Source(right, 3, 0), TPoint(129, 54));   // rows CL.Top .. RT.y at the top
  EXPECT_EQ(Source(right, 3, 31), TPoint(129, 65));  // rows RB.y .. CL.Bottom at the bottom
  const TPoint mid = Source(right, 0, 16);
  EXPECT_GE(mid.Y, 56);
  EXPECT_LT(mid.Y, 64);
}

}  // namespace
