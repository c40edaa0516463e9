#include "skin/SPUtils_compose.h"

#include <algorithm>

#include "classlib/KeyedBlt.h"

namespace {

TspNineFlags Flags(bool DrawClient, bool L, bool T, bool R, bool B, bool ClientStretch, uint8_t StretchType) {
  TspNineFlags f;
  f.DrawClient = DrawClient;
  f.LeftStretch = L;
  f.TopStretch = T;
  f.RightStretch = R;
  f.BottomStretch = B;
  f.ClientStretch = ClientStretch;
  f.StretchType = StretchType;
  return f;
}

// A piece drawn scaled from the picture's own DC into Dest moved by (DX, DY);
// only the part of Dest inside Clip is written (a clip on the target, not a
// scaled copy). Nearest-neighbour scaling (the caller's stretch mode) keeps
// every pixel where a copy of the piece, stretched on its own, would put it.
void StretchPiece(HDC Dest, HDC Source, const TspDrawOp& op, int DX, int DY) {
  TRect dest = op.Dest;
  OffsetRect(dest, DX, DY);
  int saved = 0;
  if (!(op.Clip == op.Dest)) {
    TRect visible;
    if (!IntersectRect(visible, op.Dest, op.Clip)) return;
    OffsetRect(visible, DX, DY);
    saved = SaveDC(Dest);
    IntersectClipRect(Dest, visible.Left, visible.Top, visible.Right, visible.Bottom);
  }
  StretchBlt(Dest, dest.Left, dest.Top, dest.Width(), dest.Height(), Source, op.Source.Left, op.Source.Top,
             op.Source.Width(), op.Source.Height(), SRCCOPY);
  if (saved) RestoreDC(Dest, saved);
}

// Smallest side of the block a small piece is widened to before it is tiled
// onto a canvas that cannot be read back: about a hundred blits cover a large
// area, whatever the piece's size.
constexpr int kTileBlock = 128;
// Up to this many copies a piece is tiled straight from the picture: making a
// block would cost more than it saves.
constexpr long long kDirectTiles = 64;

// The side of the block for a piece side of Piece over Extent: a whole number
// of pieces, at least kTileBlock unless the extent is smaller.
int BlockSide(int Piece, int Extent) {
  const int want = std::min(kTileBlock, Extent);
  return Piece >= want ? Piece : Piece * ((want + Piece - 1) / Piece);
}

// The PW x PH piece at (X, Y) of DC repeated over W x H from there, by copies
// of what is done so far, each twice as large: a number of blits that grows
// with the logarithm of the area, not with the count of tiles.
void RepeatByDoubling(HDC DC, int X, int Y, int PW, int PH, int W, int H) {
  for (int w = PW; w < W; w *= 2) BitBlt(DC, X + w, Y, std::min(w, W - w), PH, DC, X, Y, SRCCOPY);
  for (int h = PH; h < H; h *= 2) BitBlt(DC, X, Y + h, W, std::min(h, H - h), DC, X, Y, SRCCOPY);
}

// How many copies tile operation op stands for.
long long TileCopies(const TspDrawOp& op) {
  const int pw = op.Source.Width(), ph = op.Source.Height();
  return static_cast<long long>((op.Dest.Width() + pw - 1) / pw) * ((op.Dest.Height() + ph - 1) / ph);
}

// The copies of tile operation op that reach Shown once moved by (DX, DY),
// as an operation of their own: the same copies at the same places.
TspDrawOp TilesReaching(const TspDrawOp& op, const TRect& Shown, int DX, int DY) {
  TspDrawOp part = op;
  TRect seen = Shown;
  OffsetRect(seen, -DX, -DY);
  if (!IntersectRect(seen, seen, op.Dest)) {
    part.Dest = TRect();
    return part;
  }
  const int pw = op.Source.Width(), ph = op.Source.Height();
  part.Dest.Left += (seen.Left - op.Dest.Left) / pw * pw;
  part.Dest.Top += (seen.Top - op.Dest.Top) / ph * ph;
  part.Dest.Right = std::min(op.Dest.Right, part.Dest.Left + (seen.Right - part.Dest.Left + pw - 1) / pw * pw);
  part.Dest.Bottom = std::min(op.Dest.Bottom, part.Dest.Top + (seen.Bottom - part.Dest.Top + ph - 1) / ph * ph);
  return part;
}

// Each copy of tile operation op straight from the picture.
void TileDirect(HDC Dest, HDC Source, const TspDrawOp& op, int DX, int DY) {
  ForEachTileCopy(op, [&](const TRect& s, const TRect& d) {
    BitBlt(Dest, d.Left + DX, d.Top + DY, d.Width(), d.Height(), Source, s.Left, s.Top, SRCCOPY);
  });
}

// A tile operation. On a bitmap whose pixels can be read back (Readable, the
// destination's bounds) the piece is copied once and repeated in place;
// elsewhere a small piece is first repeated into a block of its own and the
// block tiled. Either way the cost stays about the same whatever the piece's
// size, and no memory grows with the count of tiles.
void TilePiece(HDC Dest, TBitmap* SB, const TspDrawOp& op, int DX, int DY, const TRect* Readable) {
  HDC source = SB->Canvas()->Handle();
  const int pw = op.Source.Width(), ph = op.Source.Height();
  const int dw = op.Dest.Width(), dh = op.Dest.Height();
  if (pw <= 0 || ph <= 0) return;
  if (TileCopies(op) <= kDirectTiles) {
    TileDirect(Dest, source, op, DX, DY);
    return;
  }
  TRect dest = op.Dest;
  OffsetRect(dest, DX, DY);
  TRect inside;
  if (Readable && IntersectRect(inside, dest, *Readable) && inside == dest) {
    const int w0 = std::min(pw, dw), h0 = std::min(ph, dh);
    BitBlt(Dest, dest.Left, dest.Top, w0, h0, source, op.Source.Left, op.Source.Top, SRCCOPY);
    RepeatByDoubling(Dest, dest.Left, dest.Top, w0, h0, dw, dh);
    return;
  }
  // Only blocks that reach what Dest can show are copied: a huge control's
  // client holds many thousands of them, nearly all cut away.
  TRect shown;
  if (Readable) {
    shown = *Readable;
  } else {
    RECT clip;
    shown = GetClipBox(Dest, &clip) == ERROR ? dest : TRect(clip.left, clip.top, clip.right, clip.bottom);
  }
  // A small part shown (a control's background painted under it) takes a
  // few copies straight from the picture, without a block.
  const TspDrawOp reaching = TilesReaching(op, shown, DX, DY);
  if (reaching.Dest.IsEmpty()) return;
  if (TileCopies(reaching) <= kDirectTiles) {
    TileDirect(Dest, source, reaching, DX, DY);
    return;
  }
  const int bw = BlockSide(pw, dw), bh = BlockSide(ph, dh);
  TBitmap block;
  // A block of 32 bits keeps the picture's alpha; any other picture's colours
  // are taken as they are.
  block.SetPixelFormat(SB->PixelFormat() == pf32bit ? pf32bit : pf24bit);
  block.SetSize(bw, bh);
  HDC b = block.Canvas()->Handle();
  BitBlt(b, 0, 0, pw, ph, source, op.Source.Left, op.Source.Top, SRCCOPY);
  RepeatByDoubling(b, 0, 0, pw, ph, bw, bh);
  TspDrawOp blocks = op;
  blocks.Source = TRect(0, 0, bw, bh);
  ForEachTileCopy(blocks, [&](const TRect& s, const TRect& d) {
    TRect moved = d, seen;
    OffsetRect(moved, DX, DY);
    if (IntersectRect(seen, moved, shown))
      BitBlt(Dest, moved.Left, moved.Top, d.Width(), d.Height(), b, s.Left, s.Top, SRCCOPY);
  });
}

// The plan's operations drawn on Dest, moved by (DX, DY); Readable: the
// bounds of Dest when it is a bitmap whose pixels can be read back.
void DrawOps(TCanvas* Dest, TBitmap* SB, const std::vector<TspDrawOp>& Ops, int DX = 0, int DY = 0,
             const TRect* Readable = nullptr) {
  if (Ops.empty()) return;
  HDC dest = Dest->Handle(), source = SB->Canvas()->Handle();
  const int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
  for (const TspDrawOp& op : Ops) {
    if (op.Kind == dokStretch)
      StretchPiece(dest, source, op, DX, DY);
    else if (op.Kind == dokTile)
      TilePiece(dest, SB, op, DX, DY, Readable);
    else
      BitBlt(dest, op.Dest.Left + DX, op.Dest.Top + DY, op.Dest.Width(), op.Dest.Height(), source, op.Source.Left,
             op.Source.Top, SRCCOPY);
  }
  SetStretchBltMode(dest, oldMode);
}

// True when every operation writes inside Width x Height only.
bool OpsInside(const std::vector<TspDrawOp>& Ops, int Width, int Height) {
  for (const TspDrawOp& op : Ops) {
    TRect written = op.Dest;
    if (op.Kind == dokStretch && !IntersectRect(written, op.Dest, op.Clip)) continue;
    if (written.Left < 0 || written.Top < 0 || written.Right > Width || written.Bottom > Height) return false;
  }
  return true;
}

}  // namespace

void DrawComposition(TBitmap* B, TBitmap* SB, const TspComposition& Plan) {
  if (!B || !Plan.Apply) return;
  B->SetSize(Plan.Width, Plan.Height);
  if (Plan.Ops.empty() || B->Empty() || !SB || SB->Empty()) return;
  // Of a bitmap that keeps part of its image, only that part can be read back.
  const TRect bounds = B->StoredPart();
  DrawOps(B->Canvas(), SB, Plan.Ops, 0, 0, &bounds);
}

void DrawCompositionAt(TCanvas* Canvas, TBitmap* SB, const TspComposition& Plan, int X, int Y) {
  if (!Canvas || !Plan.Apply || Plan.Ops.empty() || Plan.Width < 1 || Plan.Height < 1 || !SB || SB->Empty()) return;
  // The bitmap's edges cut what the plan draws beyond them; a plan that stays
  // inside needs no clip.
  if (OpsInside(Plan.Ops, Plan.Width, Plan.Height)) {
    DrawOps(Canvas, SB, Plan.Ops, X, Y);
    return;
  }
  HDC dc = Canvas->Handle();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, X, Y, X + Plan.Width, Y + Plan.Height);
  DrawOps(Canvas, SB, Plan.Ops, X, Y);
  RestoreDC(dc, saved);
}

void DrawPieceFill(TCanvas* Canvas, TBitmap* SB, const TRect& Piece, const TRect& Dest, bool Stretch,
                   uint8_t StretchType) {
  if (!Canvas || !SB || SB->Empty()) return;
  DrawOps(Canvas, SB, PlanPieceFill(Piece, Dest, Stretch, StretchType).Ops);
}

void DrawPiece(TCanvas* Canvas, TBitmap* SB, const TRect& Piece, int X, int Y, bool Transparent, TColor Key) {
  if (!Canvas || !SB || SB->Empty() || Piece.IsEmpty()) return;
  HDC dest = Canvas->Handle(), source = SB->Canvas()->Handle();
  if (!Transparent) {
    BitBlt(dest, X, Y, Piece.Width(), Piece.Height(), source, Piece.Left, Piece.Top, SRCCOPY);
    return;
  }
  const TColor key = Key == clDefault ? static_cast<TColor>(GetPixel(source, Piece.Left, Piece.Bottom - 1)) : Key;
  KeyedBlt(dest, X, Y, Piece.Width(), Piece.Height(), source, Piece.Left, Piece.Top,
           static_cast<COLORREF>(ColorToRGB(key)) & 0xFFFFFF);
}

void CreateSkinImage(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                     const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCL,
                     TBitmap* B, TBitmap* SB, const TRect& R, int W, int H, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch, uint8_t StretchType) {
  const TspComposition plan =
      PlanSkinImage({LT, RT, LB, RB, CL}, {NLT, NRT, NLB, NRB, NCL}, R, W, H,
                    Flags(DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, ClientStretch, StretchType),
                    !SB || SB->Empty());
  DrawComposition(B, SB, plan);
}

void CreateSkinImage2(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                      const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCL,
                      TBitmap* B, TBitmap* SB, const TRect& R, int W, int H, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                      uint8_t StretchType) {
  CreateSkinImage(LT, RT, LB, RB, CL, NLT, NRT, NLB, NRB, NCL, B, SB, R, W, H, DrawClient, LeftStretch, TopStretch,
                  RightStretch, BottomStretch, ClientStretch, StretchType);
}

void CreateSkinImage3(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                      const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCL,
                      TBitmap* B, TBitmap* SB, const TRect& R, int W, int H, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                      uint8_t StretchType) {
  const TspComposition plan = PlanSkinImage3(
      {LT, RT, LB, RB, CL}, {NLT, NRT, NLB, NRB, NCL}, R, W, H,
      Flags(DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, ClientStretch, StretchType),
      !SB || SB->Empty());
  DrawComposition(B, SB, plan);
}

void CreateSkinImageByOffsets(TBitmap* B, TBitmap* SB, const TRect& R, const TRect& CL, bool DrawClient) {
  if (!B) return;
  TspSkinGeometry o, n;
  OffsetsGeometry(R, CL, B->Width(), B->Height(), o, n);
  CreateSkinImage(o.LT, o.RT, o.LB, o.RB, o.CL, n.LT, n.RT, n.LB, n.RB, n.CL, B, SB, R, B->Width(), B->Height(),
                  DrawClient, true, true, true, true, true, 0);
}

void CreateHSkinImage(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, int, bool Stretch) {
  DrawComposition(B, SB, PlanHSkinImage(A, Z, R, NewWidth, Stretch, tpkFull));
}

void CreateHSkinImage2(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, int, bool Stretch) {
  DrawComposition(B, SB, PlanHSkinImage(A, Z, R, NewWidth, Stretch, tpkNoRight));
}

void CreateHSkinImage3(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, int, bool Stretch) {
  DrawComposition(B, SB, PlanHSkinImage(A, Z, R, NewWidth, Stretch, tpkMiddleOnly));
}

void CreateVSkinImage(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int, int NewHeight, bool Stretch) {
  DrawComposition(B, SB, PlanVSkinImage(A, Z, R, NewHeight, Stretch));
}

void CreateSkinBorderImages(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                            const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                            const TRect& NCL, TBitmap* LeftB, TBitmap* TopB, TBitmap* RightB, TBitmap* BottomB,
                            TBitmap* SB, const TRect& R, int W, int H, bool LeftStretch, bool TopStretch,
                            bool RightStretch, bool BottomStretch) {
  TspEdgeStretch s;
  s.Left = LeftStretch;
  s.Top = TopStretch;
  s.Right = RightStretch;
  s.Bottom = BottomStretch;
  const TspBorderPlans p =
      PlanSkinBorderImages({LT, RT, LB, RB, CL}, {NLT, NRT, NLB, NRB, NCL}, R, W, H, s, TopB ? TopB->Height() : 0,
                           BottomB ? BottomB->Height() : 0);
  DrawComposition(TopB, SB, p.Top);
  DrawComposition(BottomB, SB, p.Bottom);
  DrawComposition(LeftB, SB, p.Left);
  DrawComposition(RightB, SB, p.Right);
}
