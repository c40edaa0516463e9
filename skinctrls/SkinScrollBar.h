// TspSkinScrollBar: the skinned scroll bar, standing alone on a form or
// serving a view, list or memo in place of the window's own scroll bars.
#pragma once

#include "skinctrls/BarGeometry.h"
#include "skinctrls/SkinBarControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TspSkinScrollBar : public TspSkinBarControl {
 public:
  explicit TspSkinScrollBar(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinScrollBar"; }

  int Min() const { return FRange.Min; }
  void SetMin(int Value);
  int Max() const { return FRange.Max; }
  void SetMax(int Value);
  int Position() const { return FRange.Position; }
  void SetPosition(int Value);
  int PageSize() const { return FRange.PageSize; }
  void SetPageSize(int Value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value);
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value);
  // Stores the range and clamps Position into it; fires no event.
  void SetRange(int AMin, int AMax, int APageSize, int APosition);
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  bool Both() const { return FBoth; }
  void SetBoth(bool Value);
  int BothMarkerWidth() const { return FBothMarkerWidth; }
  void SetBothMarkerWidth(int Value);
  const String& BothSkinDataName() const { return FBothSkinDataName; }
  void SetBothSkinDataName(const String& Value) { FBothSkinDataName = Value; }

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinScrollBarControl>; }
  void GetSkinData() override;
  // The current parts, track and thumb travel, laid out for the present size.
  TspScrollBarLayout Layout() const;

  TNotifyEvent OnChange, OnLastChange, OnUpButtonClick, OnDownButtonClick, OnPageUp, OnPageDown;

 protected:
  void Dispatch(TMessage& Message) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  // What the three parts show.
  struct TPart {
    TRect R;
    bool MouseIn = false, Down = false;
  };
  enum TTimerMode { tmNone, tmDownRepeat, tmUpRepeat, tmPageToMin, tmPageToMax };

  void WMTimer();
  void WMMouseWheel(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void ArrowAction(int Part);
  void PageStep(bool TowardsMax);
  void TestActive(const TPoint& P);
  void UpdateParts();
  void RepaintIfMoved(const TspScrollBarLayout& Before);
  void StartTimer(unsigned Ms);
  void StopTimer();
  void DrawSkinThumb(TCanvas* Canvas, const TRect& R);
  bool ThumbPressedLook() const;
  bool HasSkin() const { return FIndex != -1 && FSkinValid; }

  TspScrollBarRange FRange;
  int FSmallChange = 1, FLargeChange = 1;
  TScrollBarKind FKind = sbHorizontal;
  bool FBoth = false;
  int FBothMarkerWidth = 0;
  String FBothSkinDataName = L"bothhscrollbar";
  String FSavedSkinDataName;

  TPart FParts[3];
  TRect FTrack;
  int FTravelStart = 0, FTravelEnd = 0, FOffset = 0;
  int FActivePart = -1, FOldActivePart = -1, FDownPart = -1;
  TTimerMode FTimerMode = tmNone;
  bool FFirstTick = false, FMouseDown = false, FDragging = false;
  int FDragOrigin = 0, FDragOffset = 0;
  TPoint FLastPoint;

  // The skin record's values.
  bool FSkinValid = false;
  TspScrollBarSkinGeometry FGeometry;
  TRect FActiveUpButtonRect, FDownUpButtonRect, FActiveDownButtonRect, FDownDownButtonRect;
  TRect FActiveThumbRect, FDownThumbRect, FGlyphRect, FActiveGlyphRect, FDownGlyphRect;
  int FThumbOffset1 = 0, FThumbOffset2 = 0;
  bool FThumbTransparent = false, FThumbStretchEffect = false, FGlyphTransparent = false;
  TColor FThumbTransparentColor = 0, FGlyphTransparentColor = 0;
};
