// Control images and frame borders composed from a skin picture at any size:
// nine-piece, three-piece and border images. Corners are copied, edges and
// the client stretched or tiled (tiles repeat at their size, the last one cut).
#pragma once

#include "classlib/Graphics.h"
#include "skin/SPUtils_layout.h"

// Draws a plan into B with pieces of SB (B is sized to the plan first).
void DrawComposition(TBitmap* B, TBitmap* SB, const TspComposition& Plan);
// The same plan drawn straight onto Canvas at (X, Y), with no bitmap between:
// what a bitmap of the plan's size drawn there would show where the plan
// covers it. Nothing for a plan that keeps its destination.
void DrawCompositionAt(TCanvas* Canvas, TBitmap* SB, const TspComposition& Plan, int X, int Y);
// Piece of SB drawn over Dest of Canvas, tiled or stretched (PlanPieceFill);
// nothing is drawn outside Dest.
void DrawPieceFill(TCanvas* Canvas, TBitmap* SB, const TRect& Piece, const TRect& Dest, bool Stretch,
                   uint8_t StretchType);
// Piece of SB copied 1:1 to (X, Y) of Canvas, straight from the picture's
// kept DC. Transparent: pixels of Key are left out; clDefault takes the
// piece's bottom-left pixel as the key.
void DrawPiece(TCanvas* Canvas, TBitmap* SB, const TRect& Piece, int X, int Y, bool Transparent = false,
               TColor Key = clDefault);

void CreateSkinImage(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                     const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCL,
                     TBitmap* B, TBitmap* SB, const TRect& R, int W, int H, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch, uint8_t StretchType);
// The same composition; hint and popup windows call this one.
void CreateSkinImage2(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                      const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCL,
                      TBitmap* B, TBitmap* SB, const TRect& R, int W, int H, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                      uint8_t StretchType);
// Without a right side: top and bottom edges and the client reach W.
void CreateSkinImage3(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                      const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCL,
                      TBitmap* B, TBitmap* SB, const TRect& R, int W, int H, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                      uint8_t StretchType);
// B keeps its size; the borders are the margins of CL inside R, all stretched.
void CreateSkinImageByOffsets(TBitmap* B, TBitmap* SB, const TRect& R, const TRect& CL, bool DrawClient);

// Three-piece images: left piece A wide, right piece Z wide (NewHeight unused),
// or for the vertical one top piece A high and bottom piece Z (NewWidth unused).
void CreateHSkinImage(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, int NewHeight,
                      bool Stretch);
void CreateHSkinImage2(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, int NewHeight,
                       bool Stretch);
void CreateHSkinImage3(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, int NewHeight,
                       bool Stretch);
void CreateVSkinImage(int A, int Z, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, int NewHeight,
                      bool Stretch);

// The four border images of a frame whose client is drawn separately; an
// image whose part has no size keeps its size and content.
void CreateSkinBorderImages(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                            const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                            const TRect& NCL, TBitmap* LeftB, TBitmap* TopB, TBitmap* RightB, TBitmap* BottomB,
                            TBitmap* SB, const TRect& R, int W, int H, bool LeftStretch, bool TopStretch,
                            bool RightStretch, bool BottomStretch);
