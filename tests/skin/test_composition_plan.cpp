#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "skin/SPUtils_layout.h"

namespace {

TspDrawOp CopyOf(TRect s, TRect d) {
  TspDrawOp op;
  op.Source = s;
  op.Dest = d;
  return op;
}

// A plan with each tile operation replaced by the copies it stands for. A
// tile of an empty piece would reach the tile drawer, which divides by the
// piece's size: it fails the test and stays in the plan as it is.
TspComposition Flat(TspComposition c) {
  std::vector<TspDrawOp> ops;
  for (const TspDrawOp& op : c.Ops) {
    if (op.Kind == dokTile && op.Source.IsEmpty()) ADD_FAILURE() << "a tile of an empty piece";
    if (op.Kind != dokTile || op.Source.IsEmpty()) ops.push_back(op);
    else ForEachTileCopy(op, [&](const TRect& s, const TRect& d) { ops.push_back(CopyOf(s, d)); });
  }
  c.Ops = std::move(ops);
  return c;
}

TspBorderPlans Flat(TspBorderPlans p) {
  for (TspComposition* c : {&p.Left, &p.Top, &p.Right, &p.Bottom}) *c = Flat(*c);
  return p;
}

// The copies of a run of tiles, appended to Ops.
void Tiles(std::vector<TspDrawOp>& Ops, const TRect& Piece, int Start, int End, int BandFrom, int BandTo,
           bool Horizontal) {
  TspComposition c;
  AppendTiles(c.Ops, Piece, Start, End, BandFrom, BandTo, Horizontal);
  for (const TspDrawOp& op : Flat(c).Ops) Ops.push_back(op);
}

// A 30 x 20 frame skin at picture offset (100, 50): corners 6 wide, 4 high,
// client (4, 4, 26, 16), L-shaped corners reaching 2 pixels into the bands.
struct FrameSkin {
  TRect R{100, 50, 130, 70};
  TspSkinGeometry Old{TPoint(6, 6), TPoint(24, 6), TPoint(6, 14), TPoint(24, 14), TRect(4, 4, 26, 16)};

  TspSkinGeometry At(int W, int H) const {
    const int dw = W - R.Width(), dh = H - R.Height();
    TspSkinGeometry n = Old;
    n.RT.X += dw;
    n.RB.X += dw;
    n.LB.Y += dh;
    n.RB.Y += dh;
    n.CL.Right += dw;
    n.CL.Bottom += dh;
    return n;
  }
};

using Pixel = std::pair<int, int>;

std::set<Pixel> Covered(const TspComposition& c) {
  std::set<Pixel> s;
  for (const TspDrawOp& op : c.Ops) {
    TRect d = op.Dest;
    if (op.Kind == dokStretch) IntersectRect(d, op.Dest, op.Clip);
    for (int y = d.Top; y < d.Bottom; ++y)
      for (int x = d.Left; x < d.Right; ++x) s.insert({x, y});
  }
  return s;
}

// Whether nine pieces, and a frame's four border images, cover any size:
// each bound of the checks at its edge, one pixel either side of it. The
// frame's checks differ in two ways: its side images span the client's rows
// only, and corners in one line are no fault for its images.
TEST(CompositionPlan, PiecesSoundAtEveryBound) {
  struct TCase {
    const char* What;
    TPoint LT, RT, LB, RB;
    TRect CL;
    bool Nine, Border;
    int W = 8, H = 8;
  };
  // Corners of 2 pixels round a client of 4 x 4 in an 8 x 8 rectangle.
  const TPoint lt(2, 2), rt(6, 2), lb(2, 6), rb(6, 6);
  const TRect cl(2, 2, 6, 6);
  const TCase cases[] = {
      {"corners round the client", lt, rt, lb, rb, cl, true, true},
      {"no left band, corners at x 0", {0, 2}, rt, {0, 6}, rb, {0, 2, 6, 6}, true, true},
      {"no top band, corners at y 0", {2, 0}, {6, 0}, lb, rb, {2, 0, 6, 6}, true, true},
      {"no right band, corners at x W", lt, {8, 2}, lb, {8, 6}, {2, 2, 8, 6}, true, true},
      {"no bottom band, corners at y H", lt, rt, {2, 8}, {6, 8}, {2, 2, 6, 8}, true, true},
      {"a corner past x 0", {-1, 2}, rt, lb, rb, cl, false, false},
      {"a corner past y 0", {2, -1}, rt, lb, rb, cl, false, false},
      {"a corner past x W", lt, {9, 2}, lb, rb, cl, false, false},
      {"a corner past y H", lt, rt, lb, {6, 9}, cl, false, false},
      {"a client of no height", lt, rt, lb, rb, {2, 4, 6, 4}, true, false},
      {"a client of no width", lt, rt, lb, rb, {4, 2, 4, 6}, true, true},
      {"a client upside down", lt, rt, lb, rb, {2, 5, 6, 4}, false, false},
      {"a client right to left", lt, rt, lb, rb, {5, 2, 4, 6}, false, false},
      {"a client past x 0", lt, rt, lb, rb, {-1, 2, 6, 6}, false, false},
      {"a client past y 0", lt, rt, lb, rb, {2, -1, 6, 6}, false, false},
      {"a client past x W", lt, rt, lb, rb, {2, 2, 9, 6}, false, false},
      {"a client past y H", lt, rt, lb, rb, {2, 2, 6, 9}, false, false},
      {"a top band without an edge", lt, {2, 2}, lb, rb, cl, false, false},
      {"a bottom band without an edge", lt, rt, {6, 6}, rb, cl, false, false},
      {"a left strip of no height", lt, rt, {2, 2}, rb, cl, false, false},
      {"a right strip of no height", lt, rt, lb, {6, 2}, cl, false, false},
      {"a rectangle of no width", {0, 0}, {0, 0}, {0, 8}, {0, 8}, {0, 0, 0, 8}, false, false, 0},
      {"a rectangle of no height", {0, 0}, {8, 0}, {0, 0}, {8, 0}, {0, 0, 8, 0}, false, false, 8, 0},
      // A one-pixel piece whose client fills it: its corners cut the
      // picture into nothing; so do corners in one column or one row.
      {"one pixel, the client filling it", {1, 1}, {1, 1}, {1, 1}, {1, 1}, {0, 0, 1, 1}, false, true, 1, 1},
      {"corners in one column", {4, 2}, {6, 2}, {2, 6}, {4, 6}, {0, 0, 8, 8}, false, true},
      {"corners in one row", {2, 4}, {6, 2}, {2, 6}, {6, 4}, {0, 0, 8, 8}, false, true},
      // The frame's side images span the client's rows.
      {"left corner above the client", lt, {6, 3}, lb, rb, {2, 3, 6, 6}, true, false},
      {"right corner above the client", lt, {6, 1}, lb, rb, cl, true, false},
      {"left corner below the client", lt, rt, {2, 7}, rb, cl, true, false},
      {"right corner below the client", lt, rt, lb, {6, 7}, cl, true, false},
      {"left corners crossed", {0, 5}, rt, {0, 4}, rb, {0, 2, 6, 6}, true, false},
      {"right corners crossed", lt, {8, 5}, lb, {8, 4}, {2, 2, 8, 6}, true, false},
      {"left corners at one row", {0, 4}, rt, {0, 4}, rb, {0, 2, 6, 6}, true, true},
      {"right corners at one row", lt, {8, 4}, lb, {8, 4}, {2, 2, 8, 6}, true, true},
  };
  for (const TCase& c : cases) {
    const TspSkinGeometry g{c.LT, c.RT, c.LB, c.RB, c.CL};
    EXPECT_EQ(NinePiecesSound(g, c.W, c.H), c.Nine) << c.What;
    EXPECT_EQ(BorderPiecesSound(g, c.W, c.H), c.Border) << c.What;
  }
}

TEST(CompositionPlan, TilesRepeatAndTheLastIsCut) {
  std::vector<TspDrawOp> ops;
  Tiles(ops, TRect(0, 0, 10, 4), 0, 35, 0, 4, true);
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(ops[0], CopyOf(TRect(0, 0, 10, 4), TRect(0, 0, 10, 4)));
  EXPECT_EQ(ops[2].Dest, TRect(20, 0, 30, 4));
  EXPECT_EQ(ops[3], CopyOf(TRect(0, 0, 5, 4), TRect(30, 0, 35, 4)));  // left part of the piece
  ops.clear();
  Tiles(ops, TRect(0, 0, 10, 4), 0, 30, 0, 4, true);
  EXPECT_EQ(ops.size(), 3u);  // the fourth copy is empty
  ops.clear();
  Tiles(ops, TRect(7, 3, 9, 10), 5, 10, 1, 3, false);  // vertical run of 5, piece height 7
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0], CopyOf(TRect(7, 3, 9, 8), TRect(1, 5, 3, 10)));
  ops.clear();
  Tiles(ops, TRect(3, 0, 3, 4), 0, 35, 0, 4, true);  // zero-length piece
  Tiles(ops, TRect(0, 0, 10, 4), 20, 10, 0, 4, true);  // reversed run
  EXPECT_TRUE(ops.empty());
}

TEST(CompositionPlan, OnePixelPiecesTileOneColumnOrRowAtATime) {
  std::vector<TspDrawOp> ops;
  Tiles(ops, TRect(4, 2, 5, 6), 10, 13, 0, 4, true);
  ASSERT_EQ(ops.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ops[i], CopyOf(TRect(4, 2, 5, 6), TRect(10 + i, 0, 11 + i, 4))) << i;
  ops.clear();
  Tiles(ops, TRect(0, 7, 3, 8), 0, 2, 5, 8, false);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[1], CopyOf(TRect(0, 7, 3, 8), TRect(5, 1, 8, 2)));
}

// Twelve million copies of a one-pixel piece are one operation of the plan:
// what a plan holds never grows with the number of tiles.
TEST(CompositionPlan, ATileRunIsOneOperationWhateverItsCount) {
  std::vector<TspDrawOp> ops;
  AppendTiles(ops, TRect(4, 2, 5, 6), 0, 4000, 0, 4, true);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].Kind, dokTile);
  EXPECT_EQ(ops[0].Dest, TRect(0, 0, 4000, 4));
  const TspComposition fill = PlanPieceFill(TRect(4, 2, 5, 3), TRect(0, 0, 4000, 3000), false, 0);
  ASSERT_EQ(fill.Ops.size(), 1u);
  int copies = 0;
  ForEachTileCopy(fill.Ops[0], [&](const TRect& s, const TRect&) { copies += s == TRect(4, 2, 5, 3); });
  EXPECT_EQ(copies, 4000 * 3000);
  TspSkinGeometry g{TPoint(1, 1), TPoint(2, 1), TPoint(1, 2), TPoint(2, 2), TRect(1, 1, 2, 2)};
  TspSkinGeometry n{TPoint(1, 1), TPoint(3999, 1), TPoint(1, 2999), TPoint(3999, 2999), TRect(1, 1, 3999, 2999)};
  EXPECT_LE(PlanSkinImage(g, n, TRect(0, 0, 3, 3), 4000, 3000, TspNineFlags{}, false).Ops.size(), 9u);
}

TEST(CompositionPlan, PieceFillsReadTheirOwnPixelsAndSkipEmptyPieces) {
  // A 3 x 2 piece at (7, 3) of the picture tiled over 7 x 3: the copies read
  // the piece's own columns and rows, the last ones cut.
  TspComposition c = Flat(PlanPieceFill(TRect(7, 3, 10, 5), TRect(0, 0, 7, 3), false, 0));
  EXPECT_TRUE(c.Apply);
  EXPECT_EQ(c.Width, 7);
  EXPECT_EQ(c.Height, 3);
  ASSERT_EQ(c.Ops.size(), 6u);
  EXPECT_EQ(c.Ops.front(), CopyOf(TRect(7, 3, 10, 5), TRect(0, 0, 3, 2)));
  EXPECT_EQ(c.Ops[1], CopyOf(TRect(7, 3, 10, 4), TRect(0, 2, 3, 3)));
  EXPECT_EQ(c.Ops.back(), CopyOf(TRect(7, 3, 8, 4), TRect(6, 2, 7, 3)));
  c = Flat(PlanPieceFill(TRect(7, 3, 10, 5), TRect(0, 0, 7, 3), true, 0));
  ASSERT_EQ(c.Ops.size(), 1u);
  EXPECT_EQ(c.Ops[0].Source, TRect(7, 3, 10, 5));
  // A piece of one pixel is tiled like any other.
  c = Flat(PlanPieceFill(TRect(4, 0, 5, 1), TRect(0, 0, 3, 2), false, 0));
  ASSERT_EQ(c.Ops.size(), 6u);
  EXPECT_EQ(c.Ops.back(), CopyOf(TRect(4, 0, 5, 1), TRect(2, 1, 3, 2)));
  // A piece without width or height fills nothing, however tall or wide it is.
  for (bool stretch : {false, true})
    for (uint8_t type = 0; type < 3; ++type) {
      EXPECT_TRUE(Flat(PlanPieceFill(TRect(5, 0, 5, 10), TRect(0, 0, 20, 20), stretch, type)).Ops.empty());
      EXPECT_TRUE(Flat(PlanPieceFill(TRect(0, 5, 10, 5), TRect(0, 0, 20, 20), stretch, type)).Ops.empty());
    }
}

TEST(CompositionPlan, DesignSizeReproducesTheSkinRect) {
  FrameSkin s;
  for (int flags = 0; flags < 64; ++flags) {
    TspNineFlags f;
    f.LeftStretch = flags & 1;
    f.TopStretch = flags & 2;
    f.RightStretch = flags & 4;
    f.BottomStretch = flags & 8;
    f.ClientStretch = flags & 16;
    f.StretchType = (flags & 32) ? 1 : 0;
    const TspComposition c = Flat(PlanSkinImage(s.Old, s.Old, s.R, 30, 20, f, false));
    EXPECT_TRUE(c.Apply);
    for (const TspDrawOp& op : c.Ops) {
      // Every piece lands where it was, at its own size.
      TRect back = op.Source;
      OffsetRect(back, -100, -50);
      EXPECT_EQ(back, op.Dest);
    }
    EXPECT_EQ(Covered(c).size(), 600u);
  }
  TspNineFlags noClient;
  noClient.DrawClient = false;
  EXPECT_EQ(Covered(Flat(PlanSkinImage(s.Old, s.Old, s.R, 30, 20, noClient, false))).size(), 600u - 22 * 12);
}

TEST(CompositionPlan, LargerSizeTilesEdgesAndKeepsCorners) {
  FrameSkin s;
  TspNineFlags f;
  const TspComposition c = Flat(PlanSkinImage(s.Old, s.At(65, 20), s.R, 65, 20, f, false));
  EXPECT_EQ(c.Width, 65);
  // Top edge piece 18 wide (6..24) over 6..59: copies at 6, 24, 42, the last 17 wide.
  std::vector<TspDrawOp> top;
  for (const TspDrawOp& op : c.Ops)
    if (op.Dest.Top == 0 && op.Dest.Bottom == 4 && op.Source.Left == 106) top.push_back(op);
  ASSERT_EQ(top.size(), 3u);
  EXPECT_EQ(top[2], CopyOf(TRect(106, 50, 123, 54), TRect(42, 0, 59, 4)));
  // The right-top corner moved by the change of width, 1:1.
  EXPECT_NE(std::find(c.Ops.begin(), c.Ops.end(), CopyOf(TRect(124, 50, 130, 54), TRect(59, 0, 65, 4))), c.Ops.end());
  EXPECT_EQ(Covered(c).size(), 65u * 20);
}

TEST(CompositionPlan, EachEdgeTakesItsOwnStretchFlag) {
  FrameSkin s;
  // Kinds of the ops drawing the top (rows 0..4) and bottom (16..20) edge pieces.
  auto kinds = [](const TspComposition& c, int top) {
    std::set<TspDrawOpKind> k;
    for (const TspDrawOp& op : c.Ops)
      if (op.Dest.Top == top && op.Source.Left == 106) k.insert(op.Kind);
    return k;
  };
  for (bool topStretch : {true, false}) {
    TspNineFlags f;
    f.TopStretch = topStretch;
    f.BottomStretch = !topStretch;
    const TspComposition c = Flat(PlanSkinImage(s.Old, s.At(65, 20), s.R, 65, 20, f, false));
    EXPECT_EQ(kinds(c, 0), std::set<TspDrawOpKind>{topStretch ? dokStretch : dokCopy});
    EXPECT_EQ(kinds(c, 16), std::set<TspDrawOpKind>{topStretch ? dokCopy : dokStretch});
    const TspComposition open = Flat(PlanSkinImage3(s.Old, s.At(65, 20), s.R, 65, 20, f, false));
    EXPECT_EQ(kinds(open, 0), std::set<TspDrawOpKind>{topStretch ? dokStretch : dokCopy});
    EXPECT_EQ(kinds(open, 16), std::set<TspDrawOpKind>{topStretch ? dokCopy : dokStretch});
    TspEdgeStretch st;
    st.Top = topStretch;
    st.Bottom = !topStretch;
    const TspBorderPlans p = Flat(PlanSkinBorderImages(s.Old, s.At(40, 30), s.R, 40, 30, st, 0, 0));
    EXPECT_EQ(p.Top.Ops.front().Kind, topStretch ? dokStretch : dokCopy);
    EXPECT_EQ(p.Bottom.Ops.front().Kind, topStretch ? dokCopy : dokStretch);
  }
}

TEST(CompositionPlan, NarrowSizeDrawsRightCornerOverLeft) {
  FrameSkin s;
  TspNineFlags f;
  const TspComposition c = Flat(PlanSkinImage(s.Old, s.At(8, 20), s.R, 8, 20, f, false));
  auto leftTop = std::find(c.Ops.begin(), c.Ops.end(), CopyOf(TRect(100, 50, 106, 54), TRect(0, 0, 6, 4)));
  auto rightTop = std::find(c.Ops.begin(), c.Ops.end(), CopyOf(TRect(124, 50, 130, 54), TRect(2, 0, 8, 4)));
  ASSERT_NE(leftTop, c.Ops.end());
  ASSERT_NE(rightTop, c.Ops.end());
  EXPECT_LT(leftTop, rightTop);
}

TEST(CompositionPlan, DegenerateOrEmptySourceOnlySizes) {
  FrameSkin s;
  TspNineFlags f;
  TspSkinGeometry flat = s.Old;
  flat.RB.X = flat.LT.X;
  TspComposition c = Flat(PlanSkinImage(flat, flat, s.R, 40, 30, f, false));
  EXPECT_TRUE(c.Apply);
  EXPECT_EQ(c.Width, 40);
  EXPECT_TRUE(c.Ops.empty());
  EXPECT_TRUE(Flat(PlanSkinImage(s.Old, s.Old, s.R, 30, 20, f, true)).Ops.empty());
  // The same for the image open to the right.
  c = Flat(PlanSkinImage3(s.Old, s.At(50, 20), s.R, 50, 20, f, true));
  EXPECT_TRUE(c.Apply);
  EXPECT_EQ(c.Width, 50);
  EXPECT_EQ(c.Height, 20);
  EXPECT_TRUE(c.Ops.empty());
  EXPECT_TRUE(Flat(PlanSkinImage3(flat, flat, s.R, 50, 20, f, false)).Ops.empty());
}

TEST(CompositionPlan, ClientStretchTypes) {
  // Client piece 8 x 5 at (2, 2) over a new client 20 x 9 at (2, 2).
  TspSkinGeometry o{TPoint(2, 2), TPoint(10, 2), TPoint(2, 7), TPoint(10, 7), TRect(2, 2, 10, 7)};
  TspSkinGeometry n{TPoint(2, 2), TPoint(22, 2), TPoint(2, 11), TPoint(22, 11), TRect(2, 2, 22, 11)};
  TspNineFlags f;
  f.ClientStretch = true;
  f.StretchType = 1;
  TspComposition c = Flat(PlanSkinImage(o, n, TRect(0, 0, 12, 9), 24, 13, f, false));
  std::vector<TspDrawOp> client;
  for (const TspDrawOp& op : c.Ops)
    if (op.Kind == dokStretch && op.Source == TRect(2, 2, 10, 7)) client.push_back(op);
  ASSERT_EQ(client.size(), 3u);
  EXPECT_EQ(client[0].Dest, TRect(2, 2, 10, 11));
  EXPECT_EQ(client[2].Dest, TRect(18, 2, 26, 11));
  EXPECT_EQ(client[2].Clip, TRect(2, 2, 22, 11));  // the last one shows 4 pixels
  f.StretchType = 2;
  c = Flat(PlanSkinImage(o, n, TRect(0, 0, 12, 9), 24, 13, f, false));
  client.clear();
  for (const TspDrawOp& op : c.Ops)
    if (op.Source == TRect(2, 2, 10, 7)) client.push_back(op);
  ASSERT_EQ(client.size(), 2u);
  EXPECT_EQ(client[1].Dest, TRect(2, 7, 22, 12));
  f.StretchType = 0;
  c = Flat(PlanSkinImage(o, n, TRect(0, 0, 12, 9), 24, 13, f, false));
  EXPECT_EQ(c.Ops.back().Dest, TRect(2, 2, 22, 11));
  f.ClientStretch = false;  // tiled in two dimensions: 3 columns x 2 rows
  c = Flat(PlanSkinImage(o, n, TRect(0, 0, 12, 9), 24, 13, f, false));
  EXPECT_EQ(c.Ops.back(), CopyOf(TRect(2, 2, 6, 6), TRect(18, 7, 22, 11)));
}

TEST(CompositionPlan, OpenToTheRight) {
  FrameSkin s;
  TspNineFlags f;
  const TspComposition c = Flat(PlanSkinImage3(s.Old, s.At(50, 20), s.R, 50, 20, f, false));
  int rightmost = 0;
  for (const TspDrawOp& op : c.Ops) {
    EXPECT_LT(op.Source.Left, 124);  // nothing from the right side of the skin
    rightmost = std::max(rightmost, op.Dest.Right);
  }
  EXPECT_EQ(rightmost, 50);
  EXPECT_EQ(Covered(c).size(), 50u * 20);
}

TEST(CompositionPlan, OffsetsMakePlainCorners) {
  TspSkinGeometry o, n;
  OffsetsGeometry(TRect(0, 0, 20, 10), TRect(3, 2, 17, 8), 50, 30, o, n);
  // Each corner point keeps its own corner of the client.
  EXPECT_EQ(o.CL, TRect(3, 2, 17, 8));
  EXPECT_EQ(o.LT, TPoint(3, 2));
  EXPECT_EQ(o.RT, TPoint(17, 2));
  EXPECT_EQ(o.LB, TPoint(3, 8));
  EXPECT_EQ(o.RB, TPoint(17, 8));
  EXPECT_EQ(n.CL, TRect(3, 2, 47, 28));
  EXPECT_EQ(n.LT, TPoint(3, 2));
  EXPECT_EQ(n.RT, TPoint(47, 2));
  EXPECT_EQ(n.LB, TPoint(3, 28));
  EXPECT_EQ(n.RB, TPoint(47, 28));
  // The plan made from them keeps the top-left corner piece where it was.
  TspNineFlags f;
  const TspComposition c = Flat(PlanSkinImage(o, n, TRect(100, 50, 120, 60), 50, 30, f, false));
  EXPECT_NE(std::find(c.Ops.begin(), c.Ops.end(), CopyOf(TRect(100, 50, 103, 52), TRect(0, 0, 3, 2))), c.Ops.end());
  EXPECT_EQ(Covered(c).size(), 50u * 30);
}

TEST(CompositionPlan, ThreePieceImages) {
  const TRect R(10, 0, 20, 6);  // left 3, middle 5, right 2
  TspComposition c = Flat(PlanHSkinImage(3, 2, R, 20, false, tpkFull));
  EXPECT_EQ(c.Height, 6);
  ASSERT_EQ(c.Ops.size(), 5u);
  EXPECT_EQ(c.Ops[0], CopyOf(TRect(10, 0, 13, 6), TRect(0, 0, 3, 6)));
  EXPECT_EQ(c.Ops[1], CopyOf(TRect(18, 0, 20, 6), TRect(18, 0, 20, 6)));
  EXPECT_EQ(c.Ops[4], CopyOf(TRect(13, 0, 18, 6), TRect(13, 0, 18, 6)));
  c = Flat(PlanHSkinImage(3, 2, R, 20, true, tpkNoRight));
  ASSERT_EQ(c.Ops.size(), 2u);
  EXPECT_EQ(c.Ops[1].Dest, TRect(3, 0, 20, 6));
  c = Flat(PlanHSkinImage(3, 2, R, 12, false, tpkMiddleOnly));
  ASSERT_EQ(c.Ops.size(), 3u);
  EXPECT_EQ(c.Ops[2], CopyOf(TRect(13, 0, 15, 6), TRect(10, 0, 12, 6)));
  // One-pixel end pieces are pieces too.
  c = Flat(PlanVSkinImage(1, 1, TRect(0, 0, 4, 6), 10, true));
  ASSERT_EQ(c.Ops.size(), 3u);
  EXPECT_EQ(c.Ops[1], CopyOf(TRect(0, 5, 4, 6), TRect(0, 9, 4, 10)));
  c = Flat(PlanHSkinImage(1, 1, R, 20, true, tpkFull));
  ASSERT_EQ(c.Ops.size(), 3u);
  EXPECT_EQ(c.Ops[1], CopyOf(TRect(19, 0, 20, 6), TRect(19, 0, 20, 6)));
  c = Flat(PlanVSkinImage(3, 3, TRect(0, 0, 4, 6), 20, false));  // middle of height 0
  ASSERT_EQ(c.Ops.size(), 2u);
  EXPECT_EQ(c.Ops[1].Dest, TRect(0, 17, 4, 20));
}

TEST(CompositionPlan, BorderImages) {
  FrameSkin s;
  TspEdgeStretch st;
  TspBorderPlans p = Flat(PlanSkinBorderImages(s.Old, s.At(40, 30), s.R, 40, 30, st, 0, 0));
  ASSERT_TRUE(p.Top.Apply && p.Bottom.Apply && p.Left.Apply && p.Right.Apply);
  EXPECT_EQ(p.Top.Width, 40);
  EXPECT_EQ(p.Top.Height, 4);
  EXPECT_EQ(p.Bottom.Height, 4);
  EXPECT_EQ(p.Left.Width, 4);
  EXPECT_EQ(p.Left.Height, 22);
  EXPECT_EQ(p.Right.Width, 4);
  // The left image: the edge rows 6..14 tiled from 0, then the fixed rows 4..6
  // at the top and 14..16 at the bottom.
  EXPECT_EQ(p.Left.Ops.front(), CopyOf(TRect(100, 56, 104, 64), TRect(0, 0, 4, 8)));
  EXPECT_EQ(p.Left.Ops[p.Left.Ops.size() - 2], CopyOf(TRect(100, 54, 104, 56), TRect(0, 0, 4, 2)));
  EXPECT_EQ(p.Left.Ops.back(), CopyOf(TRect(100, 64, 104, 66), TRect(0, 20, 4, 22)));
  // The right image is as wide as the new right band, W - NCL.Right, even when
  // the caller's band differs from the skin's: the piece's columns repeat,
  // and nothing is read from outside the piece.
  TspSkinGeometry wide = s.At(40, 30);
  wide.CL.Right -= 2;
  p = Flat(PlanSkinBorderImages(s.Old, wide, s.R, 40, 30, st, 0, 0));
  EXPECT_EQ(p.Right.Width, 6);
  EXPECT_EQ(p.Right.Ops[0], CopyOf(TRect(126, 56, 130, 64), TRect(0, 0, 4, 8)));
  EXPECT_NE(std::find(p.Right.Ops.begin(), p.Right.Ops.end(), CopyOf(TRect(126, 56, 128, 64), TRect(4, 0, 6, 8))),
            p.Right.Ops.end());
  // The bottom image takes the skin's last 4 rows (66..70), corners included.
  for (const TspDrawOp& op : p.Bottom.Ops) {
    EXPECT_EQ(op.Source.Top, 66);
    EXPECT_EQ(op.Source.Bottom, 70);
  }
  EXPECT_EQ(p.Bottom.Ops.back(), CopyOf(TRect(124, 66, 130, 70), TRect(34, 0, 40, 4)));
  // The bottom band's pieces all lie in its rows; its left corner at 0.
  p = Flat(PlanSkinBorderImages(s.Old, s.At(40, 30), s.R, 40, 30, st, 0, 0));
  for (const TspComposition* band : {&p.Top, &p.Bottom})
    for (const TspDrawOp& op : band->Ops) {
      EXPECT_EQ(op.Dest.Top, 0);
      EXPECT_EQ(op.Dest.Bottom, 4);
    }
  EXPECT_NE(std::find(p.Bottom.Ops.begin(), p.Bottom.Ops.end(), CopyOf(TRect(100, 66, 106, 70), TRect(0, 0, 6, 4))),
            p.Bottom.Ops.end());
  EXPECT_EQ(Covered(p.Bottom).size(), 40u * 4);
  // No room between top and bottom: the side images stay as they are.
  p = Flat(PlanSkinBorderImages(s.Old, s.At(40, 8), s.R, 40, 8, st, 0, 0));
  EXPECT_TRUE(p.Top.Apply);
  EXPECT_FALSE(p.Left.Apply);
  EXPECT_FALSE(p.Right.Apply);
  // One row of room is room.
  p = Flat(PlanSkinBorderImages(s.Old, s.At(40, 9), s.R, 40, 9, st, 0, 0));
  ASSERT_TRUE(p.Left.Apply && p.Right.Apply);
  EXPECT_EQ(p.Left.Height, 1);
  EXPECT_EQ(p.Right.Height, 1);
  // Side edges of one row tile too.
  TspSkinGeometry thin = s.Old;
  thin.LB.Y = thin.LT.Y + 1;
  thin.RB.Y = thin.RT.Y + 1;
  p = Flat(PlanSkinBorderImages(thin, thin, s.R, 30, 20, st, 0, 0));
  EXPECT_TRUE(p.Left.Apply);
  EXPECT_TRUE(p.Right.Apply);
  // A skin without a top band has no top image.
  TspSkinGeometry flat = s.Old;
  flat.CL.Top = 0;
  flat.LT.Y = flat.RT.Y = 0;
  EXPECT_FALSE(Flat(PlanSkinBorderImages(flat, flat, s.R, 30, 20, st, 0, 0)).Top.Apply);
}

TEST(CompositionPlan, BorderMasksOfANarrowWindow) {
  FrameSkin s;
  const TspBorderPlans p = Flat(PlanSkinBorderMasks(s.Old, s.At(1, 20), 30, 20, 1));
  ASSERT_TRUE(p.Top.Apply);
  ASSERT_TRUE(p.Bottom.Apply);
  EXPECT_EQ(p.Top.Width, 1);
  EXPECT_EQ(p.Top.Height, 4);
  EXPECT_EQ(p.Bottom.Height, 4);
  EXPECT_FALSE(Flat(PlanSkinBorderMasks(s.Old, s.At(0, 20), 30, 20, 0)).Top.Apply);
}

}  // namespace

// Pieces of one pixel and of none, under every stretch kind of the edges and
// the client, in every plan: no operation reads an empty piece, and every
// destination pixel of a one-pixel frame's plan is drawn.
TEST(CompositionPlan, OnePixelAndEmptyPiecesUnderEveryStretchKind) {
  const TRect r(10, 20, 13, 23);
  const TspSkinGeometry onePixel{TPoint(1, 1), TPoint(2, 1), TPoint(1, 2), TPoint(2, 2), TRect(1, 1, 2, 2)};
  const TspSkinGeometry noClient{TPoint(1, 1), TPoint(2, 1), TPoint(1, 2), TPoint(2, 2), TRect(1, 1, 1, 1)};
  const TspSkinGeometry noEdges{TPoint(1, 1), TPoint(1, 1), TPoint(1, 2), TPoint(1, 2), TRect(1, 1, 2, 2)};
  for (int kind = 0; kind < 3 * 32; ++kind) {
    TspNineFlags f;
    f.StretchType = uint8_t(kind % 3);
    f.ClientStretch = kind / 3 & 1;
    f.LeftStretch = kind / 3 & 2;
    f.TopStretch = kind / 3 & 4;
    f.RightStretch = kind / 3 & 8;
    f.BottomStretch = kind / 3 & 16;
    for (const TspSkinGeometry* g : {&onePixel, &noClient, &noEdges}) {
      TspSkinGeometry n = *g;
      n.RT.X = n.RB.X = 37;
      n.LB.Y = n.RB.Y = 18;
      n.CL.Right += 35;
      n.CL.Bottom += 16;
      const TspComposition plans[] = {PlanSkinImage(*g, n, r, 38, 19, f, false), PlanSkinImage3(*g, n, r, 38, 19, f, false),
                                      PlanPieceFill(TRect(r.Left + g->CL.Left, r.Top + g->CL.Top, r.Left + g->CL.Right,
                                                          r.Top + g->CL.Bottom),
                                                    TRect(0, 0, 38, 19), f.ClientStretch, f.StretchType)};
      for (const TspComposition& plan : plans) {
        for (const TspDrawOp& op : plan.Ops) EXPECT_FALSE(op.Source.IsEmpty()) << kind;
        const TspComposition flat = Flat(plan);
        if (g == &onePixel && &plan == &plans[0]) {
          EXPECT_EQ(Covered(flat).size(), 38u * 19u) << kind;
        }
      }
    }
    const TspBorderPlans borders = PlanSkinBorderImages(onePixel, onePixel, r, 38, 19, {}, 1, 1);
    for (const TspComposition* c : {&borders.Left, &borders.Top, &borders.Right, &borders.Bottom}) Flat(*c);
  }
  for (bool stretch : {false, true}) {
    for (const TspComposition& c : {PlanHSkinImage(1, 2, TRect(0, 0, 3, 4), 40, stretch, tpkFull),
                                    PlanVSkinImage(2, 1, TRect(0, 0, 4, 3), 40, stretch),
                                    PlanHSkinImage(1, 2, TRect(0, 0, 4, 4), 40, stretch, tpkMiddleOnly)}) {
      for (const TspDrawOp& op : c.Ops) EXPECT_FALSE(op.Source.IsEmpty());
      Flat(c);
    }
  }
}
