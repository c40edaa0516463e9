// Skin object records: one per [SKINOBJECTS] entry of a skin (caption
// buttons, caption, menu items, labels, gauges, track bars, animations).
#pragma once

#include <vector>

#include "classlib/Classes.h"
#include "skin/SkinRecordIO.h"

class TspDataSkinObject : public TObject {
 public:
  explicit TspDataSkinObject(const String& AIDName) : IDName(AIDName) {}
  String ClassName() const override { return L"TspDataSkinObject"; }
  virtual void LoadFromFile(const TspSkinIni& Ini);
  virtual void SaveToFile(TspSkinIni& Ini);
  // Cuts every rectangle and holds every point to Bounds, which covers the
  // frame picture and the record's active picture; a frame strip keeps the
  // frames that lie within Active, the active picture it is drawn from.
  void ClipRects(const TRect& Bounds, const TRect& Active);
  // The first frame of a strip of frames drawn from the active picture: the
  // active skin rectangle, else the skin rectangle when it lies in that
  // picture; empty for none.
  TRect FirstFrame() const;
  // Whether the record's pieces, cut to their pictures, leave nothing sound
  // to draw (a piece no longer than its two ends, say): such a record loses
  // its picture at load, and what it skins keeps its plain look.
  virtual bool LeavesNothingToDraw() const { return false; }

  String IDName;
  String Hint;
  bool SkinRectInAPicture = false;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool Morphing = false;
  TspMorphKind MorphKind = mkDefault;
  int ActivePictureIndex = -1, ActiveMaskPictureIndex = -1;
  int CursorIndex = -1;
  bool RollUp = false;
  int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetX = 0, GlowLayerOffsetY = 0;
  int GlowLayerAlphaBlendValue = 255;

 protected:
  virtual void Exchange(TspRecordIO& IO);
};

// A user area: only "rollup", "skinrect" and "cursorindex".
class TspDataUserObject : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataUserObject"; }

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinSwitch : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinSwitch"; }
};

class TspDataSkinGauge : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinGauge"; }
  int MinValue = 0, MaxValue = 0;
  TspGaugeKind Kind = gkHorizontal;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinFrameGaugeObject : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinFrameGaugeObject"; }
  int MinValue = 0, MaxValue = 0, CountFrames = 0;
  TspFramesPlacement FramesPlacement = fpHorizontal;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinFrameRegulatorObject : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinFrameRegulatorObject"; }
  int MinValue = 0, MaxValue = 0, CountFrames = 0;
  TspFramesPlacement FramesPlacement = fpHorizontal;
  TspRegulatorKind Kind = rkRound;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinTrackBar : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinTrackBar"; }
  TRect ButtonRect, ActiveButtonRect;
  TPoint BeginPoint, EndPoint;
  int MinValue = 0, MaxValue = 0;
  bool MouseDownChangeValue = false, ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinAnimate : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinAnimate"; }
  int CountFrames = 1;
  bool Cycle = false, ButtonStyle = false;
  int TimerInterval = 50;
  TspCommandKind Command = cmDefault;
  TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  String RestoreHint;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinButton : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinButton"; }
  TRect DownRect, DisableSkinRect;
  int GroupIndex = -1;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinStdButton : public TspDataSkinButton {
 public:
  using TspDataSkinButton::TspDataSkinButton;
  String ClassName() const override { return L"TspDataSkinStdButton"; }
  TspCommandKind Command = cmDefault;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  String RestoreHint;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
 public:
  using TspDataSkinStdButton::TspDataSkinStdButton;
  String ClassName() const override { return L"TspDataSkinMainMenuBarButton"; }
};

class TspDataSkinMenuItem : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinMenuItem"; }
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DividerRect;
  int DividerLeftOffset = 0, DividerRightOffset = 0;
  TRect TextRect, ImageRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false, InActiveStretchEffect = false, DividerStretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool InActiveAnimation = false, UseImageColor = false;
  TColor ImageColor = 0, ActiveImageColor = 0;
  bool InActiveTransparent = false;
  TRect CheckImageRect, ActiveCheckImageRect, RadioImageRect, ActiveRadioImageRect;
  TRect ArrowImageRect, ActiveArrowImageRect;

  bool LeavesNothingToDraw() const override;
  // Frame 1 .. FrameCount of the animation strip; empty with no animation.
  TRect AnimationFrame(int Frame) const;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinMainMenuItem : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinMainMenuItem"; }
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DownRect, TextRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool InActiveAnimation = false;

  bool LeavesNothingToDraw() const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
 public:
  using TspDataSkinMainMenuItem::TspDataSkinMainMenuItem;
  String ClassName() const override { return L"TspDataSkinMainMenuBarItem"; }
};

class TspDataSkinBitLabel : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinBitLabel"; }
  String TextValue;
  int SymbolWidth = 0, SymbolHeight = 0;
  std::vector<String> Symbols;
  bool Transparent = false;
  TColor TransparentColor = 16711935;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinLabel : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinLabel"; }
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0;
  TAlignment Alignment = taCenter;
  String TextValue;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinCaption : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  String ClassName() const override { return L"TspDataSkinCaption"; }
  bool DefaultCaption = false;
  TRect TextRect;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 0;
  TAlignment Alignment = taCenter;
  bool Shadow = false;
  TColor ShadowColor = 0;
  bool Light = false;
  TColor LightColor = 0, ActiveLightColor = 0, ActiveShadowColor = 0;
  TRect FrameRect, ActiveFrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool InActiveAnimation = false, FullFrame = false;
  bool VistaGlowEffect = false, VistaGlowInActiveEffect = false, GlowEffect = false, GlowInActiveEffect = false;
  int GlowSize = 3, GlowOffset = 0;
  TColor GlowColor = 0, GlowActiveColor = 0;
  bool ReflectionEffect = false;
  int ReflectionOffset = 0;
  TColor ReflectionColor = 0, ReflectionActiveColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};
