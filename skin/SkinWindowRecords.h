// Records of the popup and hint window frames, the skin colours and the named
// areas of a skin.
#pragma once

#include "classlib/Classes.h"
#include "skin/SkinRecordIO.h"

// The frame of a skinned window, read from a section of its own.
class TspDataSkinWindowRecord : public TObject {
 public:
  void LoadFromFile(const TspSkinIni& Ini);
  // Cuts the rectangles and holds the points to the window picture, Bounds.
  // A frame whose nine pieces would leave gaps (an empty client, a corner
  // past its neighbour, corners in one line) then has no pictures: the window
  // draws its plain look.
  void ClipRects(const TRect& Bounds);

  int WindowPictureIndex = -1, MaskPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;

 protected:
  explicit TspDataSkinWindowRecord(const wchar_t* Section) : FSection(Section) {}
  virtual void Exchange(TspRecordIO& IO) = 0;
  // The rectangle the window's content goes in.
  virtual const TRect& Client() const = 0;

 private:
  const wchar_t* FSection;
};

// Frame of the skinned popup (menu) windows: section [POPUPWINDOW].
class TspDataSkinPopupWindow : public TspDataSkinWindowRecord {
 public:
  TspDataSkinPopupWindow() : TspDataSkinWindowRecord(L"POPUPWINDOW") {}
  String ClassName() const override { return L"TspDataSkinPopupWindow"; }

  TRect ItemsRect;
  TColor ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
  int CursorIndex = -1;
  bool TopStretch = false, LeftStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;

 protected:
  void Exchange(TspRecordIO& IO) override;
  const TRect& Client() const override { return ItemsRect; }
};

// Frame and font of the skinned hint window: section [HINTWINDOW].
class TspDataSkinHintWindow : public TspDataSkinWindowRecord {
 public:
  TspDataSkinHintWindow() : TspDataSkinWindowRecord(L"HINTWINDOW") {}
  String ClassName() const override { return L"TspDataSkinHintWindow"; }

  TRect ClRect;
  String FontName = L"Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  bool TopStretch = false, LeftStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;

 protected:
  void Exchange(TspRecordIO& IO) override;
  const TRect& Client() const override { return ClRect; }
};

// The ten colours that skinned controls use in place of the system colours:
// section [SKINCOLORS].
class TspSkinColors : public TObject {
 public:
  String ClassName() const override { return L"TspSkinColors"; }
  void LoadFromFile(const TspSkinIni& Ini);
  // The system colours (0xFF000000 + colour index).
  void SetDefaults();

  int cBtnFace = 0, cBtnText = 0, cWindow = 0, cWindowText = 0, cHighLight = 0, cHighLightText = 0;
  int cBtnHighLight = 0, cBtnShadow = 0, c3DLight = 0, c3DDkShadow = 0;
};

// One named rectangle of [SKINAREAS].
class TspDataSkinArea : public TObject {
 public:
  TspDataSkinArea(const String& AIDName, const TRect& AAreaRect) : IDName(AIDName), AreaRect(AAreaRect) {}
  String ClassName() const override { return L"TspDataSkinArea"; }
  String IDName;
  TRect AreaRect;
};
