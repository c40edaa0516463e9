// Geometry of composing a skin picture at a new size: which source rectangle
// goes to which destination rectangle, and how. Portable: the Windows side
// executes the plans with GDI, the mask side with its own pixel copies.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "classlib/Types.h"

enum TspDrawOpKind {
  dokCopy,     // canvas copy of Source to Dest (1:1 when the sizes agree)
  dokStretch,  // Source copied 1:1 into a temporary, drawn scaled into Dest, only inside Clip
  dokTile      // Source repeated at its size over Dest from its top-left, the last column and row cut
};

struct TspDrawOp {
  TspDrawOpKind Kind = dokCopy;
  TRect Source;  // picture coordinates
  TRect Dest;    // destination bitmap coordinates
  TRect Clip;    // dokStretch: the part of Dest that is written
  friend bool operator==(const TspDrawOp& a, const TspDrawOp& b) {
    return a.Kind == b.Kind && a.Source == b.Source && a.Dest == b.Dest && a.Clip == b.Clip;
  }
};

// What to do with one destination bitmap.
struct TspComposition {
  bool Apply = false;  // false: the destination keeps its size and content
  int Width = 0;
  int Height = 0;
  std::vector<TspDrawOp> Ops;  // in drawing order
};

// The skin geometry of one object (points and client relative to the skin
// rect) and the same geometry moved for the new size.
struct TspSkinGeometry {
  TPoint LT, RT, LB, RB;
  TRect CL;
};

struct TspNineFlags {
  bool DrawClient = true;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool ClientStretch = false;
  uint8_t StretchType = 0;  // 0 full, 1 horizontal repeat, 2 vertical repeat
};

// Whether nine pieces cut from a W x H rectangle (Geometry relative to it)
// cover a destination of any size: the client lies within the rectangle, and
// every border band with a depth has an edge of some length to repeat along
// it, and the corners do not lie in one row or one column (a one-pixel
// piece whose client fills it, or corners cut to the corner of a rectangle
// smaller than they are: such corners cut the picture into no pieces and
// nothing would be drawn). Any other geometry leaves gaps, undrawn, at sizes
// other than its own.
bool NinePiecesSound(const TspSkinGeometry& Geometry, int W, int H);
// The same for a frame drawn as four border images around its client: the
// side images span the client's rows only, so the left and right edges
// (corner point to corner point) lie within them too. The border images
// are cut by their own edges, so corners in one line are no fault here.
bool BorderPiecesSound(const TspSkinGeometry& Geometry, int W, int H);
// Whether each of Pieces, cut in three along its length with ends A and Z
// long, keeps a middle to repeat. An empty piece is never drawn and counts
// as sound.
bool ThreePiecesSound(std::initializer_list<TRect> Pieces, int A, int Z, bool Horizontal = true);

// Tiling rule: copies of a piece of length PieceLen along Start .. End; the last
// copy is cut, never scaled. Piece and Band give the cross-axis extents.
// Horizontal runs vary x; vertical runs vary y. Nothing for a piece of length 0.
// One tile operation stands for all the copies, however many: a plan's size
// never grows with the count of tiles.
void AppendTiles(std::vector<TspDrawOp>& Ops, const TRect& Piece, int Start, int End, int BandFrom, int BandTo,
                 bool Horizontal);

// The copies a tile operation stands for, columns outer and rows inner, each
// as Copy(Source, Dest) at most the piece's size.
template <class F>
void ForEachTileCopy(const TspDrawOp& Op, F&& Copy) {
  const int pw = Op.Source.Width(), ph = Op.Source.Height();
  if (pw <= 0 || ph <= 0) return;
  for (int x = Op.Dest.Left; x < Op.Dest.Right; x += pw) {
    const int w = x + pw > Op.Dest.Right ? Op.Dest.Right - x : pw;
    for (int y = Op.Dest.Top; y < Op.Dest.Bottom; y += ph) {
      const int h = y + ph > Op.Dest.Bottom ? Op.Dest.Bottom - y : ph;
      Copy(TRect(Op.Source.Left, Op.Source.Top, Op.Source.Left + w, Op.Source.Top + h), TRect(x, y, x + w, y + h));
    }
  }
}

// Piece (picture coordinates) filling Dest: tiled from Dest's top-left with
// the last column and row cut, or stretched: StretchType 0 over the whole of
// Dest, 1 to Dest's height and repeated across, 2 to its width and repeated down.
TspComposition PlanPieceFill(const TRect& Piece, const TRect& Dest, bool Stretch, uint8_t StretchType);

// Nine-piece image at W x H. SourceEmpty: the picture has no pixels.
TspComposition PlanSkinImage(const TspSkinGeometry& Old, const TspSkinGeometry& New, const TRect& R, int W, int H,
                             const TspNineFlags& Flags, bool SourceEmpty);
// The same without a right side: open to the right.
TspComposition PlanSkinImage3(const TspSkinGeometry& Old, const TspSkinGeometry& New, const TRect& R, int W, int H,
                              const TspNineFlags& Flags, bool SourceEmpty);
// The points of a nine-piece image whose corners are the plain rectangles
// around client rect CL, and those points moved for a W x H destination.
void OffsetsGeometry(const TRect& R, const TRect& CL, int W, int H, TspSkinGeometry& Old, TspSkinGeometry& New);

enum TspThreePieceKind { tpkFull, tpkNoRight, tpkMiddleOnly };
// Horizontal three-piece image of NewWidth (left piece A wide, right piece Z).
TspComposition PlanHSkinImage(int A, int Z, const TRect& R, int NewWidth, bool Stretch, TspThreePieceKind Kind);
// Vertical three-piece image of NewHeight (top piece A high, bottom piece Z).
TspComposition PlanVSkinImage(int A, int Z, const TRect& R, int NewHeight, bool Stretch);

// The four border images of a frame. The left and right images take their
// height from what the top and bottom images have after this plan, so the
// heights those bitmaps have now are needed.
struct TspBorderPlans {
  TspComposition Left, Top, Right, Bottom;
};
struct TspEdgeStretch {
  bool Left = false, Top = false, Right = false, Bottom = false;
};
TspBorderPlans PlanSkinBorderImages(const TspSkinGeometry& Old, const TspSkinGeometry& New, const TRect& R, int W,
                                    int H, const TspEdgeStretch& Stretch, int TopHeightNow, int BottomHeightNow);
// The four border masks of a window region, always tiled; all sources are in
// mask coordinates (MaskW x MaskH).
TspBorderPlans PlanSkinBorderMasks(const TspSkinGeometry& Old, const TspSkinGeometry& New, int MaskW, int MaskH,
                                   int W);
