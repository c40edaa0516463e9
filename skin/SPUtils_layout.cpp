#include "skin/SPUtils_layout.h"

namespace {

TRect Shifted(const TRect& r, int dx, int dy) { return TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy); }

// A copy of Source (relative to the skin rect at Origin) to Dest; rectangles
// without area draw nothing.
void CopyOp(std::vector<TspDrawOp>& ops, const TRect& source, const TRect& dest, const TPoint& origin) {
  if (source.IsEmpty() || dest.IsEmpty()) return;
  TspDrawOp op;
  op.Kind = dokCopy;
  op.Source = Shifted(source, origin.X, origin.Y);
  op.Dest = dest;
  ops.push_back(op);
}

void StretchOp(std::vector<TspDrawOp>& ops, const TRect& source, const TRect& dest, const TRect& clip,
             const TPoint& origin) {
  if (source.IsEmpty() || dest.IsEmpty()) return;
  TRect visible;
  if (!IntersectRect(visible, dest, clip)) return;
  TspDrawOp op;
  op.Kind = dokStretch;
  op.Source = Shifted(source, origin.X, origin.Y);
  op.Dest = dest;
  op.Clip = clip;
  ops.push_back(op);
}

// Piece (picture coordinates) tiled over Dest.
void TileOp(std::vector<TspDrawOp>& ops, const TRect& piece, const TRect& dest) {
  if (piece.IsEmpty() || dest.IsEmpty()) return;
  TspDrawOp op;
  op.Kind = dokTile;
  op.Source = piece;
  op.Dest = dest;
  ops.push_back(op);
}

// An edge piece stretched into Dest, or tiled along its run.
void Edge(std::vector<TspDrawOp>& ops, const TRect& source, const TRect& dest, bool stretch, bool horizontal,
          const TPoint& origin) {
  if (stretch) {
    StretchOp(ops, source, dest, dest, origin);
  } else if (horizontal) {
    AppendTiles(ops, Shifted(source, origin.X, origin.Y), dest.Left, dest.Right, dest.Top, dest.Bottom, true);
  } else {
    AppendTiles(ops, Shifted(source, origin.X, origin.Y), dest.Top, dest.Bottom, dest.Left, dest.Right, false);
  }
}

void Client(std::vector<TspDrawOp>& ops, const TRect& CL, const TRect& NCL, const TspNineFlags& f,
            const TPoint& origin) {
  const int cw = CL.Width(), ch = CL.Height();
  if (cw <= 0 || ch <= 0) return;
  if (!f.ClientStretch) {
    TileOp(ops, Shifted(CL, origin.X, origin.Y), NCL);
    return;
  }
  if (NCL.IsEmpty()) return;
  switch (f.StretchType) {
    case 0:
      StretchOp(ops, CL, NCL, NCL, origin);
      break;
    case 1:  // stretched to the client's height, repeated left to right
      for (int i = 0; i <= NCL.Width() / cw; ++i)
        StretchOp(ops, CL, TRect(NCL.Left + i * cw, NCL.Top, NCL.Left + (i + 1) * cw, NCL.Bottom), NCL, origin);
      break;
    case 2:  // stretched to the client's width, repeated top to bottom
      for (int i = 0; i <= NCL.Height() / ch; ++i)
        StretchOp(ops, CL, TRect(NCL.Left, NCL.Top + i * ch, NCL.Right, NCL.Top + (i + 1) * ch), NCL, origin);
      break;
    default:
      break;
  }
}

// Corners in one line cut the picture into no pieces at all: nothing is drawn.
bool Degenerate(const TspSkinGeometry& g) { return g.RB.X == g.LT.X || g.RB.Y == g.LT.Y; }

// Whether every band with a depth has an edge to repeat along it, and the
// client lies within the W x H rectangle.
bool BandsCovered(const TspSkinGeometry& G, int W, int H) {
  const TRect& c = G.CL;
  if (W <= 0 || H <= 0 || c.Left < 0 || c.Top < 0 || c.Right > W || c.Bottom > H || c.Left > c.Right ||
      c.Top > c.Bottom)
    return false;
  for (const TPoint& p : {G.LT, G.RT, G.LB, G.RB})
    if (p.X < 0 || p.Y < 0 || p.X > W || p.Y > H) return false;
  return (c.Top == 0 || G.RT.X > G.LT.X) && (c.Bottom == H || G.RB.X > G.LB.X) &&
         (c.Left == 0 || G.LB.Y > G.LT.Y) && (c.Right == W || G.RB.Y > G.RT.Y);
}

}  // namespace

bool NinePiecesSound(const TspSkinGeometry& G, int W, int H) { return BandsCovered(G, W, H) && !Degenerate(G); }

bool BorderPiecesSound(const TspSkinGeometry& G, int W, int H) {
  const int top = G.CL.Top, bottom = G.CL.Bottom;
  return BandsCovered(G, W, H) && top <= G.LT.Y && G.LT.Y <= G.LB.Y && G.LB.Y <= bottom && top <= G.RT.Y &&
         G.RT.Y <= G.RB.Y && G.RB.Y <= bottom;
}

bool ThreePiecesSound(std::initializer_list<TRect> Pieces, int A, int Z, bool Horizontal) {
  for (const TRect& piece : Pieces)
    if (!piece.IsEmpty() && (Horizontal ? piece.Width() : piece.Height()) <= A + Z) return false;
  return true;
}

void AppendTiles(std::vector<TspDrawOp>& Ops, const TRect& Piece, int Start, int End, int BandFrom, int BandTo,
                 bool Horizontal) {
  // A band deeper than the piece repeats the piece across the run too: no
  // copy reads pixels outside its piece.
  if (Horizontal)
    TileOp(Ops, Piece, TRect(Start, BandFrom, End, BandTo));
  else
    TileOp(Ops, Piece, TRect(BandFrom, Start, BandTo, End));
}

TspComposition PlanPieceFill(const TRect& Piece, const TRect& Dest, bool Stretch, uint8_t StretchType) {
  TspComposition c;
  c.Apply = true;
  c.Width = Dest.Right;
  c.Height = Dest.Bottom;
  TspNineFlags f;
  f.ClientStretch = Stretch;
  f.StretchType = StretchType;
  Client(c.Ops, Piece, Dest, f, TPoint(0, 0));
  return c;
}

TspComposition PlanSkinImage(const TspSkinGeometry& O, const TspSkinGeometry& N, const TRect& R, int W, int H,
                             const TspNineFlags& f, bool SourceEmpty) {
  TspComposition c;
  c.Apply = true;
  c.Width = W;
  c.Height = H;
  if (Degenerate(O) || SourceEmpty) return c;
  const int RW = R.Width(), RH = R.Height();
  const TPoint org = R.TopLeft();
  auto& ops = c.Ops;
  Edge(ops, TRect(O.LT.X, 0, O.RT.X, O.CL.Top), TRect(N.LT.X, 0, N.RT.X, N.CL.Top), f.TopStretch, true, org);
  Edge(ops, TRect(O.LB.X, O.CL.Bottom, O.RB.X, RH), TRect(N.LB.X, N.CL.Bottom, N.RB.X, H), f.BottomStretch, true,
       org);
  Edge(ops, TRect(0, O.LT.Y, O.CL.Left, O.LB.Y), TRect(0, N.LT.Y, N.CL.Left, N.LB.Y), f.LeftStretch, false, org);
  Edge(ops, TRect(O.CL.Right, O.RT.Y, RW, O.RB.Y), TRect(N.CL.Right, N.RT.Y, W, N.RB.Y), f.RightStretch, false, org);

  CopyOp(ops, TRect(0, 0, O.LT.X, O.CL.Top), TRect(0, 0, N.LT.X, N.CL.Top), org);
  CopyOp(ops, TRect(0, O.CL.Top, O.CL.Left, O.LT.Y), TRect(0, N.CL.Top, N.CL.Left, N.LT.Y), org);
  CopyOp(ops, TRect(O.RT.X, 0, RW, O.CL.Top), TRect(N.RT.X, 0, W, N.CL.Top), org);
  CopyOp(ops, TRect(O.CL.Right, O.CL.Top, RW, O.RT.Y), TRect(N.CL.Right, N.CL.Top, W, N.RT.Y), org);
  CopyOp(ops, TRect(0, O.LB.Y, O.CL.Left, RH), TRect(0, N.LB.Y, N.CL.Left, H), org);
  CopyOp(ops, TRect(O.CL.Left, O.CL.Bottom, O.LB.X, RH), TRect(N.CL.Left, N.CL.Bottom, N.LB.X, H), org);
  CopyOp(ops, TRect(O.RB.X, O.CL.Bottom, RW, RH), TRect(N.RB.X, N.CL.Bottom, W, H), org);
  CopyOp(ops, TRect(O.CL.Right, O.RB.Y, RW, O.CL.Bottom), TRect(N.CL.Right, N.RB.Y, W, N.CL.Bottom), org);

  if (f.DrawClient) Client(ops, O.CL, N.CL, f, org);
  return c;
}

TspComposition PlanSkinImage3(const TspSkinGeometry& O, const TspSkinGeometry& N, const TRect& R, int W, int H,
                              const TspNineFlags& f, bool SourceEmpty) {
  TspComposition c;
  c.Apply = true;
  c.Width = W;
  c.Height = H;
  if (Degenerate(O) || SourceEmpty) return c;
  const int RH = R.Height();
  const TPoint org = R.TopLeft();
  auto& ops = c.Ops;
  // The top and bottom edges run to W with the tile steps of their pieces.
  Edge(ops, TRect(O.LT.X, 0, O.RT.X, O.CL.Top), TRect(N.LT.X, 0, W, N.CL.Top), f.TopStretch, true, org);
  Edge(ops, TRect(O.LB.X, O.CL.Bottom, O.RB.X, RH), TRect(N.LB.X, N.CL.Bottom, W, H), f.BottomStretch, true, org);
  Edge(ops, TRect(0, O.LT.Y, O.CL.Left, O.LB.Y), TRect(0, N.LT.Y, N.CL.Left, N.LB.Y), f.LeftStretch, false, org);

  CopyOp(ops, TRect(0, 0, O.LT.X, O.CL.Top), TRect(0, 0, N.LT.X, N.CL.Top), org);
  CopyOp(ops, TRect(0, O.CL.Top, O.CL.Left, O.LT.Y), TRect(0, N.CL.Top, N.CL.Left, N.LT.Y), org);
  CopyOp(ops, TRect(0, O.LB.Y, O.CL.Left, RH), TRect(0, N.LB.Y, N.CL.Left, H), org);
  CopyOp(ops, TRect(O.CL.Left, O.CL.Bottom, O.LB.X, RH), TRect(N.CL.Left, N.CL.Bottom, N.LB.X, H), org);

  if (f.DrawClient) Client(ops, O.CL, TRect(N.CL.Left, N.CL.Top, W, N.CL.Bottom), f, org);
  return c;
}

void OffsetsGeometry(const TRect& R, const TRect& CL, int W, int H, TspSkinGeometry& Old, TspSkinGeometry& New) {
  Old.CL = CL;
  Old.LT = TPoint(CL.Left, CL.Top);
  Old.RT = TPoint(CL.Right, CL.Top);
  Old.LB = TPoint(CL.Left, CL.Bottom);
  Old.RB = TPoint(CL.Right, CL.Bottom);
  TRect n = CL;
  n.Right = W - (R.Width() - CL.Right);
  n.Bottom = H - (R.Height() - CL.Bottom);
  New.CL = n;
  New.LT = TPoint(n.Left, n.Top);
  New.RT = TPoint(n.Right, n.Top);
  New.LB = TPoint(n.Left, n.Bottom);
  New.RB = TPoint(n.Right, n.Bottom);
}

TspComposition PlanHSkinImage(int A, int Z, const TRect& R, int NewWidth, bool Stretch, TspThreePieceKind Kind) {
  TspComposition c;
  c.Apply = true;
  c.Width = NewWidth;
  c.Height = R.Height();
  const int H = R.Height(), BW = NewWidth;
  const TPoint org(0, 0);
  auto& ops = c.Ops;
  if (Kind != tpkMiddleOnly && A != 0) CopyOp(ops, TRect(R.Left, R.Top, R.Left + A, R.Bottom), TRect(0, 0, A, H), org);
  if (Kind == tpkFull && Z != 0) CopyOp(ops, TRect(R.Right - Z, R.Top, R.Right, R.Bottom), TRect(BW - Z, 0, BW, H), org);
  const TRect middle(R.Left + A, R.Top, R.Right - Z, R.Bottom);
  const int from = Kind == tpkMiddleOnly ? 0 : A;
  const int to = Kind == tpkFull ? BW - Z : BW;
  if (Stretch)
    StretchOp(ops, middle, TRect(from, 0, to, H), TRect(from, 0, to, H), org);
  else
    AppendTiles(ops, middle, from, to, 0, H, true);
  return c;
}

TspComposition PlanVSkinImage(int A, int Z, const TRect& R, int NewHeight, bool Stretch) {
  TspComposition c;
  c.Apply = true;
  c.Width = R.Width();
  c.Height = NewHeight;
  const int W = R.Width(), BH = NewHeight;
  const TPoint org(0, 0);
  auto& ops = c.Ops;
  if (A != 0) CopyOp(ops, TRect(R.Left, R.Top, R.Right, R.Top + A), TRect(0, 0, W, A), org);
  if (Z != 0) CopyOp(ops, TRect(R.Left, R.Bottom - Z, R.Right, R.Bottom), TRect(0, BH - Z, W, BH), org);
  const TRect middle(R.Left, R.Top + A, R.Right, R.Bottom - Z);
  if (Stretch)
    StretchOp(ops, middle, TRect(0, A, W, BH - Z), TRect(0, A, W, BH - Z), org);
  else
    AppendTiles(ops, middle, A, BH - Z, 0, W, false);
  return c;
}

namespace {

// Left or right border image, w x h (h the client's height): the edge from
// EdgeTop to EdgeBottom stretched or tiled, the fixed rows above and below it
// copied to the ends. Columns X0 .. X1 of the source.
void SideImage(TspComposition& c, int X0, int X1, int w, int h, int edgeTop, int edgeBottom, const TRect& CL,
               bool stretch, const TPoint& org) {
  c.Apply = true;
  c.Width = w;
  c.Height = h;
  const TRect edge(X0, edgeTop, X1, edgeBottom);
  const int above = edgeTop - CL.Top, below = CL.Bottom - edgeBottom;
  if (stretch)
    StretchOp(c.Ops, edge, TRect(0, above, w, h - below), TRect(0, above, w, h - below), org);
  else
    AppendTiles(c.Ops, Shifted(edge, org.X, org.Y), 0, h, 0, w, false);
  if (above > 0) CopyOp(c.Ops, TRect(X0, CL.Top, X1, edgeTop), TRect(0, 0, w, above), org);
  if (below > 0) CopyOp(c.Ops, TRect(X0, edgeBottom, X1, CL.Bottom), TRect(0, h - below, w, h), org);
}

}  // namespace

TspBorderPlans PlanSkinBorderImages(const TspSkinGeometry& O, const TspSkinGeometry& N, const TRect& R, int W, int H,
                                    const TspEdgeStretch& s, int TopHeightNow, int BottomHeightNow) {
  TspBorderPlans p;
  const int RW = R.Width(), RH = R.Height();
  const TPoint org = R.TopLeft();
  if (W > 0 && N.CL.Top > 0 && O.RT.X - O.LT.X > 0) {
    TspComposition& c = p.Top;
    const int h = N.CL.Top;
    c.Apply = true;
    c.Width = W;
    c.Height = h;
    const TRect edge(O.LT.X, 0, O.RT.X, h);
    if (s.Top)
      StretchOp(c.Ops, edge, TRect(N.LT.X, 0, N.RT.X, h), TRect(N.LT.X, 0, N.RT.X, h), org);
    else
      AppendTiles(c.Ops, Shifted(edge, org.X, org.Y), 0, W, 0, h, true);
    CopyOp(c.Ops, TRect(0, 0, O.LT.X, h), TRect(0, 0, N.LT.X, h), org);
    CopyOp(c.Ops, TRect(O.RT.X, 0, RW, h), TRect(N.RT.X, 0, W, h), org);
  }
  const int bh = H - N.CL.Bottom;
  if (W > 0 && bh > 0 && O.RB.X - O.LB.X > 0) {
    TspComposition& c = p.Bottom;
    c.Apply = true;
    c.Width = W;
    c.Height = bh;
    const int y0 = RH - bh;  // the last bh rows of the skin rect
    const TRect edge(O.LB.X, y0, O.RB.X, RH);
    if (s.Bottom)
      StretchOp(c.Ops, edge, TRect(N.LB.X, 0, N.RB.X, bh), TRect(N.LB.X, 0, N.RB.X, bh), org);
    else
      AppendTiles(c.Ops, Shifted(edge, org.X, org.Y), 0, W, 0, bh, true);
    CopyOp(c.Ops, TRect(0, y0, O.LB.X, RH), TRect(0, 0, N.LB.X, bh), org);
    CopyOp(c.Ops, TRect(O.RB.X, y0, RW, RH), TRect(N.RB.X, 0, W, bh), org);
  }
  const int topH = p.Top.Apply ? p.Top.Height : TopHeightNow;
  const int bottomH = p.Bottom.Apply ? p.Bottom.Height : BottomHeightNow;
  const int h = H - bottomH - topH;
  if (N.CL.Left > 0 && h > 0 && O.LB.Y - O.LT.Y > 0)
    SideImage(p.Left, 0, N.CL.Left, N.CL.Left, h, O.LT.Y, O.LB.Y, O.CL, s.Left, org);
  if (W - N.CL.Right > 0 && h > 0 && O.RB.Y - O.RT.Y > 0)
    SideImage(p.Right, O.CL.Right, RW, W - N.CL.Right, h, O.RT.Y, O.RB.Y, O.CL, s.Right, org);
  return p;
}

TspBorderPlans PlanSkinBorderMasks(const TspSkinGeometry& O, const TspSkinGeometry& N, int MaskW, int MaskH, int W) {
  TspBorderPlans p;
  const TPoint org(0, 0);
  const int ch = N.CL.Height();
  if (O.CL.Left > 0 && ch > 0) SideImage(p.Left, 0, O.CL.Left, O.CL.Left, ch, O.LT.Y, O.LB.Y, O.CL, false, org);
  if (MaskW - O.CL.Right > 0 && ch > 0)
    SideImage(p.Right, O.CL.Right, MaskW, MaskW - O.CL.Right, ch, O.RT.Y, O.RB.Y, O.CL, false, org);
  if (W > 0 && O.CL.Top > 0) {
    TspComposition& c = p.Top;
    const int h = O.CL.Top;
    c.Apply = true;
    c.Width = W;
    c.Height = h;
    AppendTiles(c.Ops, TRect(O.LT.X, 0, O.RT.X, h), N.LT.X, N.RT.X, 0, h, true);
    CopyOp(c.Ops, TRect(0, 0, O.LT.X, h), TRect(0, 0, O.LT.X, h), org);
    CopyOp(c.Ops, TRect(O.RT.X, 0, MaskW, h), TRect(N.RT.X, 0, W, h), org);
  }
  const int bh = MaskH - O.CL.Bottom;
  if (W > 0 && bh > 0) {
    TspComposition& c = p.Bottom;
    c.Apply = true;
    c.Width = W;
    c.Height = bh;
    const int y0 = O.CL.Bottom;
    AppendTiles(c.Ops, TRect(O.LB.X, y0, O.RB.X, MaskH), N.LB.X, N.RB.X, 0, bh, true);
    CopyOp(c.Ops, TRect(0, y0, O.LB.X, MaskH), TRect(0, 0, O.LB.X, bh), org);
    CopyOp(c.Ops, TRect(O.RB.X, y0, MaskW, MaskH), TRect(N.RB.X, 0, W, bh), org);
  }
  return p;
}
