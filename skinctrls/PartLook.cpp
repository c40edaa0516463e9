// Skin parts blended over the canvas or composed from a button record.
#include "skinctrls/PartLook.h"

#include "skin/SPUtils_compose.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinCtrlRecords2.h"
#include "skin/SkinData.h"
#include "skin/speffbmp.h"
#include "skinctrls/ControlGeometry.h"

void DrawPartBlended(TCanvas* Canvas, TBitmap* Part, int X, int Y, uint8_t Value) {
  const int w = Part->Width(), h = Part->Height();
  TBitmap under;
  under.SetSize(w, h);
  under.Canvas()->CopyRect(TRect(0, 0, w, h), Canvas, Bounds(X, Y, w, h));
  TspEffectBmp image(Part->Handle());
  TspEffectBmp background(under.Handle());
  image.Morph(&background, 1.0 - Value / 255.0);
  image.Draw(Canvas->Handle(), X, Y);
}

namespace {

// The skin data finds only records whose picture it holds.
TspDataSkinButtonControl* ButtonRecordWithPicture(TspSkinData* SkinData, std::initializer_list<String> Names) {
  if (!SkinData || SkinData->Empty()) return nullptr;
  for (const String& name : Names) {
    if (auto* r = SkinData->ControlRecord<TspDataSkinButtonControl>(name)) return r;
  }
  return nullptr;
}

TColor StateFontColor(const TspDataSkinButtonControl* R, TspPartState State) {
  return State == psPressed ? R->DownFontColor : (State == psHot ? R->ActiveFontColor : R->FontColor);
}

}  // namespace

bool SkinButtonPartFontColor(TspSkinData* SkinData, std::initializer_list<String> Names, TspPartState State,
                             TColor& FontColor) {
  TspDataSkinButtonControl* r = ButtonRecordWithPicture(SkinData, Names);
  if (r) FontColor = StateFontColor(r, State);
  return r != nullptr;
}

bool DrawSkinButtonPart(TCanvas* Canvas, TspSkinData* SkinData, std::initializer_list<String> Names,
                        const TRect& Dest, TspPartState State, TColor& FontColor) {
  TspDataSkinButtonControl* r = ButtonRecordWithPicture(SkinData, Names);
  if (!r) return false;
  FontColor = StateFontColor(r, State);
  const int w = Dest.Width(), h = Dest.Height();
  if (w <= 0 || h <= 0) return true;
  const TRect active = r->ActiveSkinRect.IsEmpty() ? r->SkinRect : r->ActiveSkinRect;
  const TRect down = r->DownSkinRect.IsEmpty() ? active : r->DownSkinRect;
  const TRect& source = State == psPressed ? down : (State == psHot ? active : r->SkinRect);
  TBitmap* picture = SkinData->ActivePicture(r->PictureIndex);
  TBitmap image;
  if (TspControlGeometry::ResizeModeOf(r->SkinRect, r->RTPoint, r->LBPoint, r->RBPoint) != 1) {
    // A record without corner points has no fixed borders: the piece is stretched whole.
    image.SetSize(w, h);
    image.Canvas()->CopyRect(TRect(0, 0, w, h), picture->Canvas(), source);
  } else {
    // The record's corner points and client moved for the new size.
    const int dw = w - r->SkinRect.Width(), dh = h - r->SkinRect.Height();
    const TPoint nrt(r->RTPoint.X + dw, r->RTPoint.Y), nlb(r->LBPoint.X, r->LBPoint.Y + dh),
        nrb(r->RBPoint.X + dw, r->RBPoint.Y + dh);
    const TRect ncl(r->ClRect.Left, r->ClRect.Top, r->ClRect.Right + dw, r->ClRect.Bottom + dh);
    CreateSkinImage(r->LTPoint, r->RTPoint, r->LBPoint, r->RBPoint, r->ClRect, r->LTPoint, nrt, nlb, nrb, ncl, &image,
                    picture, source, w, h, true, r->LeftStretch, r->TopStretch, r->RightStretch, r->BottomStretch,
                    r->StretchEffect, r->StretchType);
  }
  Canvas->Draw(Dest.Left, Dest.Top, &image);
  return true;
}
