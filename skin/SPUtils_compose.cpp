#include "skin/SPUtils_compose.h"

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

// A piece copied 1:1 into a bitmap of its own, then drawn scaled into Dest;
// only the part of Dest inside Clip is written.
void StretchPiece(TCanvas* dest, TBitmap* SB, const TspDrawOp& op) {
  TBitmap piece;
  piece.SetSize(op.Source.Width(), op.Source.Height());
  piece.Canvas()->CopyRect(TRect(0, 0, op.Source.Width(), op.Source.Height()), SB->Canvas(), op.Source);
  if (op.Clip == op.Dest) {
    dest->StretchDraw(op.Dest, &piece);
    return;
  }
  TRect visible;
  if (!IntersectRect(visible, op.Dest, op.Clip)) return;
  TBitmap scaled;
  scaled.SetSize(op.Dest.Width(), op.Dest.Height());
  scaled.Canvas()->StretchDraw(TRect(0, 0, op.Dest.Width(), op.Dest.Height()), &piece);
  TRect from = visible;
  OffsetRect(from, -op.Dest.Left, -op.Dest.Top);
  dest->CopyRect(visible, scaled.Canvas(), from);
}

void DrawOps(TCanvas* Dest, TBitmap* SB, const std::vector<TspDrawOp>& Ops) {
  for (const TspDrawOp& op : Ops) {
    if (op.Kind == dokStretch)
      StretchPiece(Dest, SB, op);
    else
      Dest->CopyRect(op.Dest, SB->Canvas(), op.Source);
  }
}

}  // namespace

void DrawComposition(TBitmap* B, TBitmap* SB, const TspComposition& Plan) {
  if (!B || !Plan.Apply) return;
  B->SetSize(Plan.Width, Plan.Height);
  if (Plan.Ops.empty() || B->Empty() || !SB || SB->Empty()) return;
  DrawOps(B->Canvas(), SB, Plan.Ops);
}

void DrawPieceFill(TCanvas* Canvas, TBitmap* SB, const TRect& Piece, const TRect& Dest, bool Stretch,
                   uint8_t StretchType) {
  if (!Canvas || !SB || SB->Empty()) return;
  DrawOps(Canvas, SB, PlanPieceFill(Piece, Dest, Stretch, StretchType).Ops);
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
