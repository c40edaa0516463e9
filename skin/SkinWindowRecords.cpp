#include "skin/SkinWindowRecords.h"

#include <cstdint>

#include "skin/SPUtils_layout.h"

namespace {

void ExchangeCorners(TspRecordIO& IO, TPoint& LT, TPoint& RT, TPoint& LB, TPoint& RB) {
  IO.Point(L"lefttoppoint", LT);
  IO.Point(L"righttoppoint", RT);
  IO.Point(L"leftbottompoint", LB);
  IO.Point(L"rightbottompoint", RB);
}

void ExchangeStretch(TspRecordIO& IO, bool& Left, bool& Right, bool& Top, bool& Bottom, bool& Effect,
                     TspStretchType& Type) {
  IO.Boolean(L"leftstretch", Left);
  IO.Boolean(L"rightstretch", Right);
  IO.Boolean(L"topstretch", Top);
  IO.Boolean(L"bottomstretch", Bottom);
  IO.Boolean(L"stretcheffect", Effect);
  IO.StretchType(L"stretchtype", Type);
}

constexpr int SystemColor(int Index) { return static_cast<int32_t>(0xFF000000u | uint32_t(Index)); }

}  // namespace

void TspDataSkinWindowRecord::LoadFromFile(const TspSkinIni& Ini) {
  TspRecordReader io(Ini, FSection);
  Exchange(io);
}

void TspDataSkinWindowRecord::ClipRects(const TRect& Bounds) {
  TspRecordCut io(Bounds, Bounds);
  Exchange(io);
  // Corners in one line (as when none are given) draw nothing but black.
  if (Client().IsEmpty() ||
      !NinePiecesSound({LTPoint, RTPoint, LBPoint, RBPoint, Client()}, Bounds.Width(), Bounds.Height()))
    WindowPictureIndex = MaskPictureIndex = -1;
}

void TspDataSkinPopupWindow::Exchange(TspRecordIO& io) {
  io.Index(L"windowpictureindex", WindowPictureIndex, -1);
  io.Index(L"maskpictureindex", MaskPictureIndex, -1);
  ExchangeCorners(io, LTPoint, RTPoint, LBPoint, RBPoint);
  io.Index(L"cursorindex", CursorIndex, -1);
  io.Rect(L"itemsrect", ItemsRect);
  io.Integer(L"scrollmarkercolor", ScrollMarkerColor);
  io.Integer(L"scrollmarkeractivecolor", ScrollMarkerActiveColor);
  ExchangeStretch(io, LeftStretch, RightStretch, TopStretch, BottomStretch, StretchEffect, StretchType);
}

void TspDataSkinHintWindow::Exchange(TspRecordIO& io) {
  io.Index(L"windowpictureindex", WindowPictureIndex, -1);
  io.Index(L"maskpictureindex", MaskPictureIndex, -1);
  ExchangeCorners(io, LTPoint, RTPoint, LBPoint, RBPoint);
  io.Rect(L"clientrect", ClRect);
  io.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  ExchangeStretch(io, LeftStretch, RightStretch, TopStretch, BottomStretch, StretchEffect, StretchType);
}

void TspSkinColors::LoadFromFile(const TspSkinIni& Ini) {
  TspRecordReader io(Ini, L"SKINCOLORS");
  io.Integer(L"cbtnface", cBtnFace);
  io.Integer(L"cbtntext", cBtnText);
  io.Integer(L"cwindow", cWindow);
  io.Integer(L"cwindowtext", cWindowText);
  io.Integer(L"chighlight", cHighLight);
  io.Integer(L"chighlighttext", cHighLightText);
  io.Integer(L"cbtnhighlight", cBtnHighLight);
  io.Integer(L"cbtnshadow", cBtnShadow);
  io.Integer(L"c3dlight", c3DLight);
  io.Integer(L"c3ddkshadow", c3DDkShadow);
}

void TspSkinColors::SetDefaults() {
  cBtnFace = SystemColor(15);
  cBtnText = SystemColor(18);
  cWindow = SystemColor(5);
  cWindowText = SystemColor(8);
  cHighLight = SystemColor(13);
  cHighLightText = SystemColor(14);
  cBtnHighLight = SystemColor(20);
  cBtnShadow = SystemColor(16);
  c3DLight = SystemColor(22);
  c3DDkShadow = SystemColor(21);
}
