// TspSkinTrackBar: the skinned slider, a thumb moving along a track between
// MinValue and MaxValue (a vertical bar grows upwards).
#pragma once

#include "skinctrls/BarGeometry.h"
#include "skinctrls/SkinBarControl.h"

class TspSkinTrackBar : public TspSkinBarControl {
 public:
  explicit TspSkinTrackBar(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinTrackBar"; }

  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value);
  int Value() const { return FValue; }
  void SetValue(int Value);
  bool Vertical() const { return FVertical; }
  void SetVertical(bool Value);
  bool MouseSupport() const { return FMouseSupport; }
  void SetMouseSupport(bool Value) { FMouseSupport = Value; }
  bool JumpWhenClick() const { return FJumpWhenClick; }
  void SetJumpWhenClick(bool Value) { FJumpWhenClick = Value; }

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinTrackBarControl>; }
  void GetSkinData() override;
  // The track the thumb runs on at the present size, and the thumb on it.
  TRect TrackArea();
  TspTrackThumb ThumbLayout();

  TNotifyEvent OnChange, OnLastChange, OnStartDragButton;

 protected:
  void Dispatch(TMessage& Message) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void ThumbSize(int& W, int& H) const;
  void StepValue(int Delta);
  bool HasSkin() const { return FIndex != -1 && FSkinValid; }
  bool ThumbLit() const { return FDragging || FocusedLook(); }

  int FMinValue = 0, FMaxValue = 100, FValue = 50;
  bool FVertical = false, FMouseSupport = true, FJumpWhenClick = false;
  bool FDragging = false;
  int FDragOrigin = 0, FDragOffset = 0;
  TRect FThumbRect;  // of the last paint, for hit tests

  bool FSkinValid = false;
  TRect FActiveSkinRect, FTrackArea, FButtonRect, FActiveButtonRect;
  bool FButtonTransparent = false;
  TColor FButtonTransparentColor = 0;
};
