#include "skin/SkinCtrlRecords.h"

#include <algorithm>

#include "skin/SPUtils_layout.h"

void TspDataSkinControl::LoadFromFile(const TspSkinIni& Ini) {
  TspRecordReader io(Ini, IDName);
  Exchange(io);
}

void TspDataSkinControl::SaveToFile(TspSkinIni& Ini) {
  Ini.EraseSection(IDName);
  TspRecordWriter io(Ini, IDName);
  Exchange(io);
}

void TspDataSkinControl::ClipRects(const TRect& Bounds) {
  TRect own;
  IntersectRect(own, SkinRect, Bounds);
  TspRecordCut io(Bounds, TRect(0, 0, std::max(0, own.Width()), std::max(0, own.Height())));
  Exchange(io);
}

int PiecesResizeMode(const TRect& SkinRect, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint) {
  if (SkinRect.Width() == 0 || SkinRect.Height() == 0) return -1;
  if (RBPoint.X != 0 && RBPoint.Y != 0) return 1;
  if (RTPoint.X != 0 || RTPoint.Y != 0) return 2;
  if (LBPoint.X != 0 || LBPoint.Y != 0) return 3;
  return 0;
}

bool TspDataSkinControl::LeavesNothingToDraw(bool HasPicture) const {
  // A record of colours and fonts alone draws without a picture.
  return PictureIndex >= 0 && (!HasPicture || SkinRect.IsEmpty());
}

bool TspDataSkinCustomControl::LeavesNothingToDraw(bool HasPicture) const {
  if (!HasPicture) return true;
  const bool background = HasBackgroundPicture();
  switch (PiecesResizeMode(SkinRect, RTPoint, LBPoint, RBPoint)) {
    case -1: return !background;
    case 1:
      return (ClRect.IsEmpty() && !background) ||
             !NinePiecesSound({LTPoint, RTPoint, LBPoint, RBPoint, ClRect}, SkinRect.Width(), SkinRect.Height());
    case 2: return RTPoint.X <= LTPoint.X;
    case 3: return LBPoint.Y <= LTPoint.Y;
    default: return SkinRect.IsEmpty();
  }
}

namespace {

// Whether R, relative to the skin rectangle, lies within it.
bool WithinSkinRect(const TRect& R, const TRect& SkinRect) {
  return R.Left >= 0 && R.Top >= 0 && R.Right <= SkinRect.Width() && R.Bottom <= SkinRect.Height();
}

}  // namespace

bool TspDataSkinScrollBarControl::LeavesNothingToDraw(bool HasPicture) const {
  return TspDataSkinCustomControl::LeavesNothingToDraw(HasPicture) || !WithinSkinRect(TrackArea, SkinRect);
}

bool TspDataSkinTrackBarControl::LeavesNothingToDraw(bool HasPicture) const {
  return TspDataSkinCustomControl::LeavesNothingToDraw(HasPicture) || !WithinSkinRect(TrackArea, SkinRect);
}

bool TspDataSkinUpDownControl::LeavesNothingToDraw(bool HasPicture) const {
  return !HasPicture || UpButtonRect.IsEmpty() || DownButtonRect.IsEmpty();
}

void TspDataSkinControl::Exchange(TspRecordIO& IO) {
  IO.Index(L"pictureindex", PictureIndex, -1);
  IO.Index(L"maskpictureindex", MaskPictureIndex, -1);
  IO.Index(L"cursorindex", CursorIndex, -1);
  IO.Rect(L"skinrect", SkinRect);
}

void TspDataSkinCustomControl::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Point(L"lefttoppoint", LTPoint);
  IO.Point(L"righttoppoint", RTPoint);
  IO.Point(L"leftbottompoint", LBPoint);
  IO.Point(L"rightbottompoint", RBPoint);
  IO.Rect(L"clientrect", ClRect);
  IO.Boolean(L"stretcheffect", StretchEffect);
  IO.Boolean(L"leftstretch", LeftStretch);
  IO.Boolean(L"topstretch", TopStretch);
  IO.Boolean(L"rightstretch", RightStretch);
  IO.Boolean(L"bottomstretch", BottomStretch);
  IO.StretchType(L"stretchtype", StretchType);
}

void TspDataSkinUpDownControl::Exchange(TspRecordIO& IO) {
  // The up-down is never resized by pieces: its geometry is always zero.
  if (IO.Writing()) LTPoint = RTPoint = LBPoint = RBPoint = TPoint(), ClRect = TRect();
  TspDataSkinCustomControl::Exchange(IO);
  if (IO.Reading()) LTPoint = RTPoint = LBPoint = RBPoint = TPoint(), ClRect = TRect();
  IO.Rect(L"upbuttonrect", UpButtonRect);
  IO.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
  IO.Rect(L"downupbuttonrect", DownUpButtonRect);
  IO.Rect(L"downbuttonrect", DownButtonRect);
  IO.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
  IO.Rect(L"downdownbuttonrect", DownDownButtonRect);
}

void TspDataSkinMainMenuBar::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Rect(L"itemsrect", ItemsRect);
  IO.Text(L"menubaritem", MenuBarItem);
  IO.Text(L"closebutton", CloseButton);
  IO.Text(L"minbutton", MinButton);
  IO.Text(L"maxbutton", MaxButton);
  IO.Text(L"sysmenubutton", SysMenuButton);
  IO.Integer(L"trackmarkcolor", TrackMarkColor);
  IO.Integer(L"trackmarkactivecolor", TrackMarkActiveColor);
  IO.Boolean(L"stretcheffect", StretchEffect);
  IO.Boolean(L"itemtransparent", ItemTransparent);
}

void TspDataSkinViewControl::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"bgcolor", BGColor);
}

void TspDataSkinStdLabelControl::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor, 16711680);
}

void TspDataSkinBevel::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Integer(L"lightcolor", LightColor);
  IO.Integer(L"darkcolor", DarkColor);
}

void TspDataSkinSlider::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Integer(L"bgcolor", BGColor);
  IO.Rect(L"hrulerrect", HRulerRect);
  IO.Rect(L"hthumbrect", HThumbRect);
  IO.Rect(L"vrulerrect", VRulerRect);
  IO.Rect(L"vthumbrect", VThumbRect);
  IO.Piece(L"edgesize", EdgeSize);
  IO.Integer(L"pointscolor", PointsColor);
}

void TspDataSkinFrameControl::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Frames(L"framescount", FramesCount, SkinRect, FramesPlacement == fpVertical, 1);
  if (IO.Reading() && FramesCount < 1) FramesCount = 1;
  IO.FramesPlacement(L"framesplacement", FramesPlacement);
}

void TspDataSkinFrameRegulator::Exchange(TspRecordIO& IO) {
  TspDataSkinFrameControl::Exchange(IO);
  IO.RegulatorKind(L"kind", Kind);
}

void TspDataSkinLabelControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
}

void TspDataSkinBitLabelControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"skintextrect", SkinTextRect);
  IO.Piece(L"symbolwidth", SymbolWidth);
  IO.Piece(L"symbolheight", SymbolHeight);
  IO.Lines(L"symbols", Symbols);
}

void TspDataSkinSplitterControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"gripperrect", GripperRect);
  IO.Boolean(L"grippertransparent", GripperTransparent);
  IO.Integer(L"grippertransparentcolor", GripperTransparentColor);
}

void TspDataSkinControlBar::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"itemrect", ItemRect);
  IO.Index(L"bgpictureindex", BGPictureIndex, -1);
  IO.Rect(L"hgriprect", HGripRect);
  IO.Rect(L"vgriprect", VGripRect);
  IO.Piece(L"gripoffset1", GripOffset1);
  IO.Piece(L"gripoffset2", GripOffset2);
  IO.Piece(L"itemoffset1", ItemOffset1, 3);
  IO.Piece(L"itemoffset2", ItemOffset2, 3);
  IO.Boolean(L"itemstretcheffect", ItemStretchEffect);
  IO.Boolean(L"itemtransparent", ItemTransparent);
  IO.Integer(L"itemtransparentcolor", ItemTransparentColor);
  IO.Boolean(L"griptransparent", GripTransparent);
  IO.Integer(L"griptransparentcolor", GripTransparentColor);
}

void TspDataSkinScrollBarControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"trackarea", TrackArea);
  IO.Rect(L"upbuttonrect", UpButtonRect);
  IO.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
  IO.Rect(L"downupbuttonrect", DownUpButtonRect);
  IO.Rect(L"downbuttonrect", DownButtonRect);
  IO.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
  IO.Rect(L"downdownbuttonrect", DownDownButtonRect);
  IO.Rect(L"thumbrect", ThumbRect);
  IO.Rect(L"activethumbrect", ActiveThumbRect);
  IO.Rect(L"downthumbrect", DownThumbRect);
  IO.Piece(L"thumboffset1", ThumbOffset1);
  IO.Piece(L"thumboffset2", ThumbOffset2);
  IO.Boolean(L"thumbtransparent", ThumbTransparent);
  IO.Integer(L"thumbtransparentcolor", ThumbTransparentColor);
  IO.Boolean(L"thumbstretcheffect", ThumbStretchEffect);
  IO.Piece(L"thumbminsize", ThumbMinSize);
  IO.Piece(L"thumbminpagesize", ThumbMinPageSize);
  IO.Rect(L"glyphrect", GlyphRect);
  IO.Rect(L"activeglyphrect", ActiveGlyphRect);
  IO.Rect(L"downglyphrect", DownGlyphRect);
  IO.Boolean(L"glyphtransparent", GlyphTransparent);
  IO.Integer(L"glyphtransparentcolor", GlyphTransparentColor);
}

void TspDataSkinTrackBarControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"activeskinrect", ActiveSkinRect);
  IO.Rect(L"trackarea", TrackArea);
  IO.Rect(L"buttonrect", ButtonRect);
  IO.Rect(L"activebuttonrect", ActiveButtonRect);
  IO.Boolean(L"vertical", Vertical);
  IO.Boolean(L"buttontransparent", ButtonTransparent);
  IO.Integer(L"buttontransparentcolor", ButtonTransparentColor);
}
