// Buttons drawn from button records ("editbutton", "resizebutton").
#include "skininputs/SkinButtonPiece.h"

#include "skin/SPUtils_compose.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinMenus.h"

TColor DrawSkinButtonPiece(TCanvas* Canvas, TspSkinData* SkinData, std::initializer_list<const wchar_t*> Names,
                           const TRect& Dest, TspPieceState State) {
  if (!SkinData || SkinData->Empty() || Dest.IsEmpty()) return clNone;
  TspDataSkinButtonControl* r = nullptr;
  for (const wchar_t* name : Names) {
    const int index = SkinData->GetControlIndex(name);
    if (index >= 0 && (r = dynamic_cast<TspDataSkinButtonControl*>(SkinData->CtrlList[index]))) break;
  }
  TBitmap* picture = r ? ActivePictureOf(SkinData, r->PictureIndex) : nullptr;
  if (!picture) return clNone;
  // Each missing state rectangle falls back to the one before it.
  TRect src = r->SkinRect;
  TColor color = r->FontColor;
  const TRect active = r->ActiveSkinRect.IsEmpty() ? r->SkinRect : r->ActiveSkinRect;
  if (State == psHot) {
    src = active;
    color = r->ActiveFontColor;
  } else if (State == psDown) {
    src = r->DownSkinRect.IsEmpty() ? active : r->DownSkinRect;
    color = r->DownFontColor;
  }
  const int dw = Dest.Width() - r->SkinRect.Width(), dh = Dest.Height() - r->SkinRect.Height();
  const TPoint nrt(r->RTPoint.X + dw, r->RTPoint.Y), nlb(r->LBPoint.X, r->LBPoint.Y + dh);
  const TPoint nrb(r->RBPoint.X + dw, r->RBPoint.Y + dh);
  const TRect ncl(r->ClRect.Left, r->ClRect.Top, r->ClRect.Right + dw, r->ClRect.Bottom + dh);
  TBitmap b;
  b.SetSize(Dest.Width(), Dest.Height());
  CreateSkinImage(r->LTPoint, r->RTPoint, r->LBPoint, r->RBPoint, r->ClRect, r->LTPoint, nrt, nlb, nrb, ncl, &b,
                  picture, src, Dest.Width(), Dest.Height(), true, r->LeftStretch, r->TopStretch, r->RightStretch,
                  r->BottomStretch, r->StretchEffect, static_cast<uint8_t>(r->StretchType));
  Canvas->Draw(Dest.Left, Dest.Top, &b);
  return color;
}
