// Frame objects: construction from the records, looks and morphing.
#include "skin/SkinFormObjects.h"

#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_platform.h"
#include "skin/SkinFormObjectKinds.h"
#include "skin/speffbmp.h"

namespace {

// The bitmap holding Source of Picture at Size (scaled when they differ).
std::unique_ptr<TspEffectBmp> PieceImage(TBitmap* Picture, const TRect& Source, const TSize& Size) {
  auto image = std::make_unique<TspEffectBmp>(Size.cx, Size.cy);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, image->Handle());
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, Size.cx, Size.cy, Picture->Canvas()->Handle(), Source.Left, Source.Top, Source.Width(),
             Source.Height(), SRCCOPY);
  SelectObject(dc, old);
  DeleteDC(dc);
  return image;
}

void MorphByKind(TspEffectBmp* From, TspEffectBmp* To, TspMorphKind Kind, double k) {
  switch (Kind) {
    case mkGradient: From->MorphGrad(To, k); break;
    case mkLeftGradient: From->MorphLeftGrad(To, k); break;
    case mkRightGradient: From->MorphRightGrad(To, k); break;
    case mkLeftSlide: From->MorphLeftSlide(To, k); break;
    case mkRightSlide: From->MorphRightSlide(To, k); break;
    case mkPush: From->MorphPush(To, k); break;
    default: From->Morph(To, k); break;
  }
}

}  // namespace

String FrameResStr(TspResourceStrData* Strings, const String& Key) {
  if (Strings) return Strings->GetResStr(Key);
  static TspResourceStrData defaults(nullptr);
  return defaults.GetResStr(Key);
}

TspSkinFrameObject::TspSkinFrameObject(TspDataSkinObject* Data, TBitmap* ActivePicture)
    : FIDName(Data->IDName),
      FHint(Data->Hint),
      FRollUp(Data->RollUp),
      FSkinRectInAPicture(Data->SkinRectInAPicture),
      FSkinRect(Data->SkinRect),
      FActiveSkinRect(Data->ActiveSkinRect),
      FInActiveSkinRect(Data->InActiveSkinRect),
      FMorphing(Data->Morphing),
      FMorphKind(Data->MorphKind),
      FActivePicture(ActivePicture),
      FCursorIndex(Data->CursorIndex),
      FGlowPicture(Data->GlowLayerPictureIndex),
      FGlowMask(Data->GlowLayerMaskPictureIndex),
      FGlowAlpha(Data->GlowLayerAlphaBlendValue),
      FGlowOffset(Data->GlowLayerOffsetX, Data->GlowLayerOffsetY) {}

bool TspSkinFrameObject::Contains(const TPoint& P) const {
  if (!ObjectRect.Contains(P)) return false;
  if (!FActiveMask || FActiveMask->Empty()) return true;
  const int x = P.X - ObjectRect.Left, y = P.Y - ObjectRect.Top;
  if (x >= FActiveMask->Width() || y >= FActiveMask->Height()) return false;
  return (ColorToRGB(FActiveMask->Canvas()->Pixels(x, y)) & 0xFFFFFF) == 0;
}

void TspSkinFrameObject::CopyPiece(TCanvas* Canvas, TBitmap* Picture, const TRect& Source) const {
  if (!Picture || Picture->Empty() || IsNullRect(Source)) return;
  Canvas->CopyRect(ObjectRect, Picture->Canvas(), Source);
}

void TspSkinFrameObject::CopyKeyed(TCanvas* Canvas, TBitmap* Picture, const TRect& Source, const TRect& Dest,
                                   bool Keyed, TColor Key) {
  if (!Picture || Picture->Empty() || IsNullRect(Source)) return;
  if (!Keyed || !Platform().TransparentBlt) {
    Canvas->CopyRect(Dest, Picture->Canvas(), Source);
    return;
  }
  Platform().TransparentBlt(Canvas->Handle(), Dest.Left, Dest.Top, Dest.Width(), Dest.Height(),
                            Picture->Canvas()->Handle(), Source.Left, Source.Top, Source.Width(), Source.Height(),
                            static_cast<UINT>(ColorToRGB(Key)));
}

void TspSkinFrameObject::DrawLook(TCanvas* Canvas, TBitmap* Frame, const TRect& Normal, const TRect& Hot,
                                  bool FormActive) {
  TBitmap* normalPicture = NormalPicture(Frame);
  TRect normal = Normal;
  // An inactive form shows the inactive look of its objects, where the skin has one.
  if (!FormActive && FActivePicture && !IsNullRect(FInActiveSkinRect)) {
    normalPicture = FActivePicture;
    normal = FInActiveSkinRect;
  }
  const bool hasHot = FActivePicture && !IsNullRect(Hot);
  if (!hasHot || MorphKf <= 0) {
    CopyPiece(Canvas, normalPicture, normal);
    return;
  }
  if (MorphKf >= 1 || !normalPicture || normalPicture->Empty()) {
    CopyPiece(Canvas, FActivePicture, Hot);
    return;
  }
  const TSize size(ObjectRect.Width(), ObjectRect.Height());
  if (size.cx <= 0 || size.cy <= 0) return;
  auto from = PieceImage(normalPicture, normal, size);
  auto to = PieceImage(FActivePicture, Hot, size);
  MorphByKind(from.get(), to.get(), FMorphKind, MorphKf);
  from->Draw(Canvas->Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TspSkinFrameObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  DrawLook(Canvas, Frame, FSkinRect, FActiveSkinRect, State.FormActive);
}

bool TspSkinFrameObject::MorphStep(bool Effects) {
  const double target = Active ? 1.0 : 0.0;
  if (!Effects || !FMorphing) {
    MorphKf = target;
    return false;
  }
  // Hot tracking morphs in steps of 0.2 (the form's timer runs every 20 ms).
  if (MorphKf < target) MorphKf = MorphKf + 0.2 > target ? target : MorphKf + 0.2;
  else if (MorphKf > target) MorphKf = MorphKf - 0.2 < target ? target : MorphKf - 0.2;
  return MorphKf != target;
}

TspSkinButtonObject::TspSkinButtonObject(TspDataSkinButton* Data, TBitmap* ActivePicture)
    : TspSkinFrameObject(Data, ActivePicture), FDownRect(Data->DownRect) {}

void TspSkinButtonObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  if (Down && Active && FActivePicture && !IsNullRect(FDownRect)) {
    CopyPiece(Canvas, FActivePicture, FDownRect);
    return;
  }
  TspSkinFrameObject::Draw(Canvas, Frame, State);
}

namespace {

TBitmap* ActivePictureAt(TspSkinData* Skin, int Index) {
  return Index >= 0 && Index < Skin->ActivePictures.Count() ? Skin->ActivePictures[Index] : nullptr;
}

}  // namespace

std::unique_ptr<TspSkinFrameObject> CreateFrameObject(TspDataSkinObject* Data, TspSkinData* Skin) {
  TBitmap* active = ActivePictureAt(Skin, Data->ActivePictureIndex);
  // A record without a usable active picture has no active look: its
  // active rectangle is emptied in the record itself.
  if (!active) Data->ActiveSkinRect = NullRect();
  std::unique_ptr<TspSkinFrameObject> object;
  if (auto* stdButton = dynamic_cast<TspDataSkinStdButton*>(Data)) {
    object = std::make_unique<TspSkinStdButtonObject>(stdButton, active);
  } else if (auto* button = dynamic_cast<TspDataSkinButton*>(Data)) {
    object = std::make_unique<TspSkinButtonObject>(button, active);
  } else if (auto* caption = dynamic_cast<TspDataSkinCaption*>(Data)) {
    object = std::make_unique<TspSkinCaptionObject>(caption, active, Skin->CaptionRect);
  } else if (auto* animate = dynamic_cast<TspDataSkinAnimate*>(Data)) {
    object = std::make_unique<TspSkinAnimateObject>(animate, active);
  } else if (auto* label = dynamic_cast<TspDataSkinLabel*>(Data)) {
    object = std::make_unique<TspSkinLabelObject>(label, active);
  } else if (auto* bitLabel = dynamic_cast<TspDataSkinBitLabel*>(Data)) {
    object = std::make_unique<TspSkinBitLabelObject>(bitLabel, active);
  } else if (dynamic_cast<TspDataSkinSwitch*>(Data)) {
    object = std::make_unique<TspSkinSwitchObject>(Data, active);
  } else if (auto* gauge = dynamic_cast<TspDataSkinGauge*>(Data)) {
    object = std::make_unique<TspSkinGaugeObject>(gauge, active);
  } else if (auto* frameGauge = dynamic_cast<TspDataSkinFrameGaugeObject*>(Data)) {
    object = std::make_unique<TspSkinFrameGaugeObject>(frameGauge, active);
  } else if (auto* regulator = dynamic_cast<TspDataSkinFrameRegulatorObject*>(Data)) {
    object = std::make_unique<TspSkinFrameRegulatorObject>(regulator, active);
  } else if (auto* trackBar = dynamic_cast<TspDataSkinTrackBar*>(Data)) {
    object = std::make_unique<TspSkinTrackBarObject>(trackBar, active);
  } else if (dynamic_cast<TspDataUserObject*>(Data)) {
    object = std::make_unique<TspSkinUserObject>(Data, active);
  } else {
    object = std::make_unique<TspSkinFrameObject>(Data, active);
    if (dynamic_cast<TspDataSkinMenuItem*>(Data) || dynamic_cast<TspDataSkinMainMenuItem*>(Data))
      object->Visible = false;
  }
  object->SetActiveMask(ActivePictureAt(Skin, Data->ActiveMaskPictureIndex));
  return object;
}

TColor FrameGlyphColor(TspSkinData* Skin, bool Hot) {
  for (int i = 0; i < Skin->ObjectList.Count(); ++i)
    if (auto* caption = dynamic_cast<TspDataSkinCaption*>(Skin->ObjectList[i]))
      return Hot ? caption->ActiveFontColor : caption->FontColor;
  return clBtnText;
}
