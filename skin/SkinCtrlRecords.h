// Skin control records: one per [SKINCONTROLS] entry of a skin, each reading
// its own INI section (named by IDName) with a default for every key.
#pragma once

#include <vector>

#include "classlib/Classes.h"
#include "skin/SkinRecordIO.h"

// How a record's picture is laid over a control of any size, from its skin
// rectangle and corner points: -1 no size; 0 fixed (the skin rectangle);
// 1 nine pieces, both ways; 2 three pieces across; 3 three pieces down.
int PiecesResizeMode(const TRect& SkinRect, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint);

class TspDataSkinControl : public TObject {
 public:
  explicit TspDataSkinControl(const String& AIDName) : IDName(AIDName) {}
  String ClassName() const override { return L"TspDataSkinControl"; }
  // Reads the section IDName, parent's keys first.
  virtual void LoadFromFile(const TspSkinIni& Ini);
  // Erases the section IDName and writes every key back.
  virtual void SaveToFile(TspSkinIni& Ini);
  // Cuts every rectangle of the record to Bounds, its picture's: a piece
  // reaching past the picture is drawn from what lies inside it, and one
  // wholly outside counts as absent. Corner points, relative to the skin
  // rectangle, are held within it; piece sizes within the picture's side.
  void ClipRects(const TRect& Bounds);
  // Whether a control drawing from the record, cut to its picture, would
  // find nothing to draw and leave a box undrawn: the record names a picture
  // that is not there (HasPicture false), names none though it is drawn from
  // one, or its main pieces are empty. The control then draws as without a
  // skin. Any other empty piece is simply not drawn.
  virtual bool LeavesNothingToDraw(bool HasPicture) const;

  String IDName;
  int PictureIndex = -1;
  int MaskPictureIndex = -1;
  TRect SkinRect;
  int CursorIndex = -1;

 protected:
  // Reads or writes this class's keys after calling the parent's.
  virtual void Exchange(TspRecordIO& IO);
};

// The kind of record a control draws from: a test that a record is of that
// class or one derived from it. A control finds its record by name and kind,
// and a record of another kind under the name counts as none.
using TspRecordKind = bool (*)(const TspDataSkinControl* Record);
template <class T>
bool RecordKindOf(const TspDataSkinControl* Record) {
  return dynamic_cast<const T*>(Record) != nullptr;
}
// The kind of a control that has not said its kind: no record is of it.
inline bool RecordKindNone(const TspDataSkinControl*) { return false; }

// Base of the resizable controls: nine-piece geometry of the skin image.
class TspDataSkinCustomControl : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinCustomControl"; }
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  bool StretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  TspStretchType StretchType = spstFull;
  // Drawn from pieces of its picture (PiecesResizeMode): the piece that
  // fills all the corners and ends leave, the client piece or the middle of
  // three, must be there unless a background picture of its own fills it.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
  // Whether the record names a background picture drawn under its client.
  virtual bool HasBackgroundPicture() const { return false; }
};

class TspDataSkinUpDownControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinUpDownControl"; }
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  // Drawn from its two button pieces alone.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinMainMenuBar : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinMainMenuBar"; }
  TRect ItemsRect;
  String MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
  TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;
  bool StretchEffect = false, ItemTransparent = false;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

// Font and background of the tree view, list view and rich edit.
class TspDataSkinViewControl : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, BGColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinTreeView : public TspDataSkinViewControl {
 public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
  String ClassName() const override { return L"TspDataSkinTreeView"; }
};

class TspDataSkinListView : public TspDataSkinViewControl {
 public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
  String ClassName() const override { return L"TspDataSkinListView"; }
};

class TspDataSkinRichEdit : public TspDataSkinViewControl {
 public:
  using TspDataSkinViewControl::TspDataSkinViewControl;
  String ClassName() const override { return L"TspDataSkinRichEdit"; }
};

class TspDataSkinStdLabelControl : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinStdLabelControl"; }
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0, ActiveFontColor = 16711680;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinBevel : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinBevel"; }
  TColor LightColor = 0, DarkColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinSlider : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinSlider"; }
  TColor BGColor = 0;
  TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int EdgeSize = 0;
  TColor PointsColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

// Images made of FramesCount equal frames, the skin rectangle the first of
// them: a load keeps only the frames that lie within the picture.
class TspDataSkinFrameControl : public TspDataSkinControl {
 public:
  using TspDataSkinControl::TspDataSkinControl;
  String ClassName() const override { return L"TspDataSkinFrameControl"; }
  int FramesCount = 1;
  TspFramesPlacement FramesPlacement = fpHorizontal;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
  String ClassName() const override { return L"TspDataSkinAnimateControl"; }
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
  String ClassName() const override { return L"TspDataSkinSwitchControl"; }
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
  String ClassName() const override { return L"TspDataSkinFrameGauge"; }
};

class TspDataSkinFrameRegulator : public TspDataSkinFrameControl {
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
  String ClassName() const override { return L"TspDataSkinFrameRegulator"; }
  TspRegulatorKind Kind = rkRound;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinLabelControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinLabelControl"; }
  String FontName = L"Arial";
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinBitLabelControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinBitLabelControl"; }
  TRect SkinTextRect;
  int SymbolWidth = 0, SymbolHeight = 0;
  std::vector<String> Symbols;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinSplitterControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinSplitterControl"; }
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinControlBar : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinControlBar"; }
  TRect ItemRect;
  int BGPictureIndex = -1;
  TRect HGripRect, VGripRect;
  int GripOffset1 = 0, GripOffset2 = 0;
  bool ItemStretchEffect = false;
  int ItemOffset1 = 3, ItemOffset2 = 3;
  bool ItemTransparent = false;
  TColor ItemTransparentColor = 0;
  bool GripTransparent = false;
  TColor GripTransparentColor = 0;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinScrollBarControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinScrollBarControl"; }
  TRect TrackArea;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  bool ThumbTransparent = false;
  TColor ThumbTransparentColor = 0;
  bool ThumbStretchEffect = false;
  int ThumbMinSize = 0, ThumbMinPageSize = 0;
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
  bool GlyphTransparent = false;
  TColor GlyphTransparentColor = 0;
  // Its track lies within its skin rectangle.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

class TspDataSkinTrackBarControl : public TspDataSkinCustomControl {
 public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  String ClassName() const override { return L"TspDataSkinTrackBarControl"; }
  TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false, ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;
  // Its track lies within its skin rectangle.
  bool LeavesNothingToDraw(bool HasPicture) const override;

 protected:
  void Exchange(TspRecordIO& IO) override;
};

#include "skin/SkinCtrlRecords2.h"
