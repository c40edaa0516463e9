// Frame objects that show a value, a text or an animation: switches, gauges,
// frame gauges, frame regulators, track bars, animations, labels and bit labels.
#pragma once

#include "skin/SkinFormObjects.h"

// Two looks, toggled by a click: off is the normal look, on the active one.
class TspSkinSwitchObject : public TspSkinFrameObject {
 public:
  using TspSkinFrameObject::TspSkinFrameObject;
  bool Interactive() const override { return true; }
  bool HasValue() const override { return true; }
  int Value() const override { return FOn ? 1 : 0; }
  bool SetValue(int Value) override;
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;

 private:
  bool FOn = false;
};

// A bar filled for its value: the normal look empty, the active look full.
class TspSkinGaugeObject : public TspSkinFrameObject {
 public:
  TspSkinGaugeObject(TspDataSkinGauge* Data, TBitmap* ActivePicture);
  bool HasValue() const override { return true; }
  int Value() const override { return FValue; }
  bool SetValue(int Value) override;
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;

 private:
  int FMin, FMax, FValue;
  bool FVertical;
};

// A strip of frames showing its value, the first at the lowest value. The
// strip lies in the active picture from the active rectangle (or from the
// normal rectangle there with "skinrectinapicture").
class TspSkinFrameGaugeObject : public TspSkinFrameObject {
 public:
  TspSkinFrameGaugeObject(TspDataSkinObject* Data, TBitmap* ActivePicture, int Min, int Max, int Count,
                          TspFramesPlacement Placement);
  TspSkinFrameGaugeObject(TspDataSkinFrameGaugeObject* Data, TBitmap* ActivePicture)
      : TspSkinFrameGaugeObject(Data, ActivePicture, Data->MinValue, Data->MaxValue, Data->CountFrames,
                                Data->FramesPlacement) {}
  bool HasValue() const override { return true; }
  int Value() const override { return FValue; }
  bool SetValue(int Value) override;
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;
  int FrameIndex() const;

 protected:
  int FMin, FMax, FCount, FValue;
  bool FVertical;
  TRect FFirstFrame;
};

// A frame gauge turned by dragging: sideways, up and down, or round its middle.
class TspSkinFrameRegulatorObject : public TspSkinFrameGaugeObject {
 public:
  TspSkinFrameRegulatorObject(TspDataSkinFrameRegulatorObject* Data, TBitmap* ActivePicture);
  bool Interactive() const override { return true; }
  bool TakesDrag() const override { return true; }
  bool MouseDown(const TPoint& P) override;
  bool MouseDrag(const TPoint& P) override;

 private:
  TspRegulatorKind FKind;
  TPoint FLast;
  double FDragValue = 0;
};

// A button (thumb) on a track from the begin to the end point (object
// coordinates), dragged or, with "mousedownchangevalue", moved by a press.
class TspSkinTrackBarObject : public TspSkinFrameObject {
 public:
  TspSkinTrackBarObject(TspDataSkinTrackBar* Data, TBitmap* ActivePicture);
  bool Interactive() const override { return true; }
  bool HasValue() const override { return true; }
  int Value() const override { return FValue; }
  bool SetValue(int Value) override;
  bool TakesDrag() const override { return true; }
  bool MouseDown(const TPoint& P) override;
  bool MouseDrag(const TPoint& P) override;
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;
  // The button at the current value (object coordinates).
  TRect ButtonPlace() const;

 private:
  TspDataSkinTrackBar FLook;
  int FValue;
  TPoint FGrab;  // where the button was taken, from its track point
  bool FDragging = false;
};

// Frames of a strip in the active picture from the active rectangle, one
// every "timerinterval" ms: cycling all the time, or played to the last
// frame once; as a button it plays while the mouse is over it, back to the
// first frame after, shows its pressed look and carries out its command.
class TspSkinAnimateObject : public TspSkinFrameObject {
 public:
  TspSkinAnimateObject(TspDataSkinAnimate* Data, TBitmap* ActivePicture);
  bool Interactive() const override { return FButtonStyle; }
  TspCommandKind Command() const { return FCommand; }
  String Hint(const TspFrameState& State) const override;
  bool Animating() const override;
  int AnimationInterval() const override { return FInterval; }
  bool AnimationTick() override;
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;
  int Frame() const { return FFrame; }

 private:
  int FCount, FInterval;
  bool FCycle, FButtonStyle;
  TspCommandKind FCommand;
  TRect FDownRect;
  TspRestoreLooks FRestore;
  String FRestoreHint;
  int FFrame = 0;
  bool FPlayed = false;  // a plain animation has run to its last frame
};

// Text over the normal look in the record's font, colours and alignment.
class TspSkinLabelObject : public TspSkinFrameObject {
 public:
  TspSkinLabelObject(TspDataSkinLabel* Data, TBitmap* ActivePicture);
  bool HasText() const override { return true; }
  String Text() const override { return FLook.TextValue; }
  void SetText(const String& Value) override { FLook.TextValue = Value; }
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;

 private:
  TspDataSkinLabel FLook;
};

// Text drawn cell by cell from a character grid in the active picture.
class TspSkinBitLabelObject : public TspSkinFrameObject {
 public:
  TspSkinBitLabelObject(TspDataSkinBitLabel* Data, TBitmap* ActivePicture);
  bool HasText() const override { return true; }
  String Text() const override { return FLook.TextValue; }
  void SetText(const String& Value) override { FLook.TextValue = Value; }
  void Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) override;

 private:
  TspDataSkinBitLabel FLook;
};
