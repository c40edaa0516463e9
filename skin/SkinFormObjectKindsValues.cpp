// Frame objects that show a value: switches, gauges, frame gauges, frame
// regulators and track bars.
#include "skin/SPUtils_geometry.h"
#include "skin/SkinFormObjectKinds.h"
#include "skin/SkinFormObjectRules.h"

namespace {

TRect Offset(const TRect& R, int DX, int DY) { return TRect(R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY); }

}  // namespace

bool TspSkinSwitchObject::SetValue(int Value) {
  const bool on = Value != 0;
  if (on == FOn) return false;
  FOn = on;
  return true;
}

void TspSkinSwitchObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  // The switch's two looks follow its state, not the mouse.
  if (FOn && FActivePicture && !IsNullRect(FActiveSkinRect)) CopyPiece(Canvas, FActivePicture, FActiveSkinRect);
  else DrawLook(Canvas, Frame, FSkinRect, NullRect(), State.FormActive);
}

TspSkinGaugeObject::TspSkinGaugeObject(TspDataSkinGauge* Data, TBitmap* ActivePicture)
    : TspSkinFrameObject(Data, ActivePicture),
      FMin(Data->MinValue),
      FMax(Data->MaxValue),
      FValue(Data->MinValue),
      FVertical(Data->Kind != gkHorizontal) {}

bool TspSkinGaugeObject::SetValue(int Value) {
  Value = ClampObjectValue(Value, FMin, FMax);
  if (Value == FValue) return false;
  FValue = Value;
  return true;
}

void TspSkinGaugeObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  DrawLook(Canvas, Frame, FSkinRect, NullRect(), State.FormActive);
  if (!FActivePicture || IsNullRect(FActiveSkinRect)) return;
  const TRect fill = GaugeFillRect(TSize(ObjectRect.Width(), ObjectRect.Height()), FValue, FMin, FMax, FVertical);
  if (fill.Width() <= 0 || fill.Height() <= 0) return;
  Canvas->CopyRect(Offset(fill, ObjectRect.Left, ObjectRect.Top), FActivePicture->Canvas(),
                   Offset(fill, FActiveSkinRect.Left, FActiveSkinRect.Top));
}

TspSkinFrameGaugeObject::TspSkinFrameGaugeObject(TspDataSkinObject* Data, TBitmap* ActivePicture, int Min, int Max,
                                                 int Count, TspFramesPlacement Placement)
    : TspSkinFrameObject(Data, ActivePicture),
      FMin(Min),
      FMax(Max),
      FCount(Count),
      FValue(Min),
      FVertical(Placement != fpHorizontal),
      FFirstFrame(Data->FirstFrame()) {}

bool TspSkinFrameGaugeObject::SetValue(int Value) {
  Value = ClampObjectValue(Value, FMin, FMax);
  if (Value == FValue) return false;
  FValue = Value;
  return true;
}

int TspSkinFrameGaugeObject::FrameIndex() const { return FrameIndexForValue(FValue, FMin, FMax, FCount); }

void TspSkinFrameGaugeObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  if (!FActivePicture || IsNullRect(FFirstFrame)) {
    DrawLook(Canvas, Frame, FSkinRect, NullRect(), State.FormActive);
    return;
  }
  CopyPiece(Canvas, FActivePicture, FrameStripRect(FFirstFrame, FrameIndex(), FVertical));
}

TspSkinFrameRegulatorObject::TspSkinFrameRegulatorObject(TspDataSkinFrameRegulatorObject* Data,
                                                         TBitmap* ActivePicture)
    : TspSkinFrameGaugeObject(Data, ActivePicture, Data->MinValue, Data->MaxValue, Data->CountFrames,
                              Data->FramesPlacement),
      FKind(Data->Kind) {}

bool TspSkinFrameRegulatorObject::MouseDown(const TPoint& P) {
  // A press only takes hold: the value follows the drag from there.
  FLast = P;
  FDragValue = FValue;
  return false;
}

bool TspSkinFrameRegulatorObject::MouseDrag(const TPoint& P) {
  FDragValue += RegulatorTurn(FKind, TSize(ObjectRect.Width(), ObjectRect.Height()), FLast, P, FMin, FMax);
  FDragValue = FDragValue < FMin ? FMin : FDragValue > FMax ? FMax : FDragValue;
  FLast = P;
  return SetValue(static_cast<int>(FDragValue + (FDragValue < 0 ? -0.5 : 0.5)));
}

TspSkinTrackBarObject::TspSkinTrackBarObject(TspDataSkinTrackBar* Data, TBitmap* ActivePicture)
    : TspSkinFrameObject(Data, ActivePicture), FLook(*Data), FValue(Data->MinValue) {}

bool TspSkinTrackBarObject::SetValue(int Value) {
  Value = ClampObjectValue(Value, FLook.MinValue, FLook.MaxValue);
  if (Value == FValue) return false;
  FValue = Value;
  return true;
}

TRect TspSkinTrackBarObject::ButtonPlace() const {
  const TPoint p = TrackPointForValue(FLook.BeginPoint, FLook.EndPoint, FValue, FLook.MinValue, FLook.MaxValue);
  const int w = FLook.ButtonRect.Width(), h = FLook.ButtonRect.Height();
  return TRect(p.X - w / 2, p.Y - h / 2, p.X - w / 2 + w, p.Y - h / 2 + h);
}

bool TspSkinTrackBarObject::MouseDown(const TPoint& P) {
  const TRect button = ButtonPlace();
  const TPoint at = TrackPointForValue(FLook.BeginPoint, FLook.EndPoint, FValue, FLook.MinValue, FLook.MaxValue);
  FDragging = button.Contains(P);
  if (FDragging) {
    FGrab = TPoint(P.X - at.X, P.Y - at.Y);
    return false;
  }
  if (!FLook.MouseDownChangeValue) return false;
  // The button jumps under the mouse and is dragged from there.
  FDragging = true;
  FGrab = TPoint();
  return SetValue(TrackValueAtPoint(FLook.BeginPoint, FLook.EndPoint, P, FLook.MinValue, FLook.MaxValue));
}

bool TspSkinTrackBarObject::MouseDrag(const TPoint& P) {
  if (!FDragging) return false;
  const TPoint at(P.X - FGrab.X, P.Y - FGrab.Y);
  return SetValue(TrackValueAtPoint(FLook.BeginPoint, FLook.EndPoint, at, FLook.MinValue, FLook.MaxValue));
}

void TspSkinTrackBarObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  DrawLook(Canvas, Frame, FSkinRect, NullRect(), State.FormActive);
  TBitmap* picture = FActivePicture ? FActivePicture : NormalPicture(Frame);
  const bool hot = (Active || Down) && !IsNullRect(FLook.ActiveButtonRect);
  const TRect& look = hot ? FLook.ActiveButtonRect : FLook.ButtonRect;
  if (!picture || IsNullRect(look)) return;
  CopyKeyed(Canvas, picture, look, Offset(ButtonPlace(), ObjectRect.Left, ObjectRect.Top), FLook.ButtonTransparent,
            FLook.ButtonTransparentColor);
}
