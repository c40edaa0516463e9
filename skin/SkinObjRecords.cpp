#include "skin/SkinObjRecords.h"

#include "skin/SPUtils_layout.h"

namespace {

// Caption buttons that change to a restore state get the hint "Restore" when
// the skin names none.
void ApplyRestoreHint(const String& Hint, TspCommandKind Command, String& RestoreHint) {
  if (!RestoreHint.empty()) return;
  if ((Hint == L"Maximize" && Command == cmMaximize) || (Hint == L"Minimize" && Command == cmMinimize) ||
      ((Hint == L"RollUp" || Hint == L"Roll Up") && Command == cmRollUp))
    RestoreHint = L"Restore";
}

// The active look of a menu mark falls back to its normal look.
void ActiveRect(TspRecordIO& IO, const wchar_t* Key, TRect& Active, const TRect& Normal) {
  IO.Rect(Key, Active);
  if (IO.Reading() && (Active.Width() <= 0 || Active.Height() <= 0)) Active = Normal;
}

}  // namespace

void TspDataSkinObject::LoadFromFile(const TspSkinIni& Ini) {
  TspRecordReader io(Ini, IDName);
  Exchange(io);
}

void TspDataSkinObject::SaveToFile(TspSkinIni& Ini) {
  Ini.EraseSection(IDName);
  TspRecordWriter io(Ini, IDName);
  Exchange(io);
}

void TspDataSkinObject::ClipRects(const TRect& Bounds, const TRect& Active) {
  TspRecordCut io(Bounds, Bounds, Active);
  Exchange(io);
  if (LeavesNothingToDraw()) ActivePictureIndex = ActiveMaskPictureIndex = -1;
}

TRect TspDataSkinObject::FirstFrame() const {
  if (!ActiveSkinRect.IsEmpty()) return ActiveSkinRect;
  return SkinRectInAPicture ? SkinRect : TRect();
}

void TspDataSkinObject::Exchange(TspRecordIO& IO) {
  IO.Text(L"hint", Hint);
  IO.Boolean(L"rollup", RollUp);
  IO.Index(L"activepictureindex", ActivePictureIndex, -1);
  IO.Index(L"activemaskpictureindex", ActiveMaskPictureIndex, -1);
  IO.Boolean(L"skinrectinapicture", SkinRectInAPicture);
  IO.Index(L"cursorindex", CursorIndex, -1);
  IO.Rect(L"skinrect", SkinRect);
  IO.Rect(L"activeskinrect", ActiveSkinRect);
  IO.Rect(L"inactiveskinrect", InActiveSkinRect);
  IO.Boolean(L"morphing", Morphing);
  IO.MorphKind(L"morphkind", MorphKind);
  IO.Index(L"glowlayerpictureindex", GlowLayerPictureIndex, -1);
  IO.Index(L"glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
  IO.Shift(L"glowlayeroffsetx", GlowLayerOffsetX);
  IO.Shift(L"glowlayeroffsety", GlowLayerOffsetY);
  IO.Level(L"glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TspDataUserObject::Exchange(TspRecordIO& IO) {
  IO.Boolean(L"rollup", RollUp);
  IO.Rect(L"skinrect", SkinRect);
  IO.Index(L"cursorindex", CursorIndex, -1);
}

void TspDataSkinGauge::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Amount(L"minvalue", MinValue);
  IO.Amount(L"maxvalue", MaxValue);
  IO.GaugeKind(L"kind", Kind);
}

void TspDataSkinFrameGaugeObject::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Amount(L"minvalue", MinValue);
  IO.Amount(L"maxvalue", MaxValue);
  IO.Frames(L"countframes", CountFrames, FirstFrame(), FramesPlacement == fpVertical);
  IO.FramesPlacement(L"framesplacement", FramesPlacement);
}

void TspDataSkinFrameRegulatorObject::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Amount(L"minvalue", MinValue);
  IO.Amount(L"maxvalue", MaxValue);
  IO.Frames(L"countframes", CountFrames, FirstFrame(), FramesPlacement == fpVertical);
  IO.FramesPlacement(L"framesplacement", FramesPlacement);
  IO.RegulatorKind(L"kind", Kind);
}

void TspDataSkinTrackBar::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Rect(L"buttonrect", ButtonRect);
  IO.Rect(L"activebuttonrect", ActiveButtonRect);
  IO.Point(L"beginpoint", BeginPoint);
  IO.Point(L"endpoint", EndPoint);
  IO.Amount(L"minvalue", MinValue);
  IO.Amount(L"maxvalue", MaxValue);
  IO.Boolean(L"mousedownchangevalue", MouseDownChangeValue);
  IO.Boolean(L"buttontransparent", ButtonTransparent);
  IO.Integer(L"buttontransparentcolor", ButtonTransparentColor);
  if (IO.Reading()) Morphing = false;
}

void TspDataSkinAnimate::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  if (IO.Reading()) Morphing = false;
  IO.Frames(L"countframes", CountFrames, ActiveSkinRect, false, 1);
  IO.Boolean(L"cycle", Cycle);
  IO.Boolean(L"buttonstyle", ButtonStyle);
  IO.Interval(L"timerinterval", TimerInterval, 50);
  IO.Command(L"command", Command);
  IO.Rect(L"downskinrect", DownSkinRect);
  IO.Rect(L"restorerect", RestoreRect);
  IO.Rect(L"restoreactiverect", RestoreActiveRect);
  IO.Rect(L"restoredownrect", RestoreDownRect);
  IO.Rect(L"restoreinactiverect", RestoreInActiveRect);
  IO.Text(L"restorehint", RestoreHint);
  if (IO.Reading()) ApplyRestoreHint(Hint, Command, RestoreHint);
}

void TspDataSkinButton::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Rect(L"downrect", DownRect);
  IO.Rect(L"disableskinrsect", DisableSkinRect);
  IO.Index(L"groupindex", GroupIndex, -1);
}

void TspDataSkinStdButton::Exchange(TspRecordIO& IO) {
  TspDataSkinButton::Exchange(IO);
  IO.Command(L"command", Command);
  IO.Rect(L"restorerect", RestoreRect);
  IO.Rect(L"restoreactiverect", RestoreActiveRect);
  IO.Rect(L"restoredownrect", RestoreDownRect);
  IO.Rect(L"restoreinactiverect", RestoreInActiveRect);
  IO.Text(L"restorehint", RestoreHint);
  if (IO.Reading()) ApplyRestoreHint(Hint, Command, RestoreHint);
}

void TspDataSkinMenuItem::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Piece(L"itemleftoffset", ItemLeftOffset);
  IO.Piece(L"itemrightoffset", ItemRightOffset);
  IO.Rect(L"dividerrect", DividerRect);
  IO.Piece(L"dividerleftoffset", DividerLeftOffset);
  IO.Piece(L"dividerrightoffset", DividerRightOffset);
  IO.Rect(L"textrect", TextRect);
  IO.Rect(L"imagerect", ImageRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"unenabledfontcolor", UnEnabledFontColor);
  IO.Boolean(L"stretcheffect", StretchEffect);
  IO.Boolean(L"inactivestretcheffect", InActiveStretchEffect);
  IO.Boolean(L"dividerstretcheffect", DividerStretchEffect);
  IO.Rect(L"animateskinrect", AnimateSkinRect);
  IO.Count(L"framecount", FrameCount);
  IO.Interval(L"animateinterval", AnimateInterval, 25);
  IO.Boolean(L"inactiveanimation", InActiveAnimation);
  IO.Boolean(L"useimagecolor", UseImageColor);
  IO.Integer(L"imagecolor", ImageColor);
  IO.Integer(L"activeimagecolor", ActiveImageColor);
  IO.Boolean(L"inactivetransparent", InActiveTransparent);
  IO.Rect(L"checkimagerect", CheckImageRect);
  ActiveRect(IO, L"activecheckimagerect", ActiveCheckImageRect, CheckImageRect);
  IO.Rect(L"radioimagerect", RadioImageRect);
  ActiveRect(IO, L"activeradioimagerect", ActiveRadioImageRect, RadioImageRect);
  IO.Rect(L"arrowimagerect", ArrowImageRect);
  ActiveRect(IO, L"activearrowimagerect", ActiveArrowImageRect, ArrowImageRect);
}

bool TspDataSkinMenuItem::LeavesNothingToDraw() const {
  // Every item of a menu level takes the record's height and draws its
  // normal or its lit piece, or a frame of its animation: none of them may
  // be empty. A divider of some height and no width leaves its band undrawn.
  const bool animates = FrameCount > 0 && !AnimateSkinRect.IsEmpty();
  return SkinRect.IsEmpty() || ActiveSkinRect.IsEmpty() || (animates && AnimationFrame(1).IsEmpty()) ||
         !ThreePiecesSound({SkinRect, ActiveSkinRect, AnimationFrame(1)}, ItemLeftOffset, ItemRightOffset) ||
         !ThreePiecesSound({DividerRect}, DividerLeftOffset, DividerRightOffset) ||
         (DividerRect.Height() > 0 && DividerRect.Width() <= 0);
}

TRect TspDataSkinMenuItem::AnimationFrame(int Frame) const {
  // The strip runs top to bottom when taller than an item, else left to right.
  const TRect& a = AnimateSkinRect;
  if (FrameCount <= 0 || a.IsEmpty()) return TRect();
  if (a.Height() > SkinRect.Height()) {
    const int slice = a.Height() / FrameCount;
    return TRect(a.Left, a.Top + (Frame - 1) * slice, a.Right, a.Top + Frame * slice);
  }
  const int slice = a.Width() / FrameCount;
  return TRect(a.Left + (Frame - 1) * slice, a.Top, a.Left + Frame * slice, a.Bottom);
}

bool TspDataSkinMainMenuItem::LeavesNothingToDraw() const {
  // An empty piece is not drawn: the bar shows through.
  return !ThreePiecesSound({SkinRect, ActiveSkinRect, DownRect}, ItemLeftOffset, ItemRightOffset);
}

void TspDataSkinMainMenuItem::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Piece(L"itemleftoffset", ItemLeftOffset);
  IO.Piece(L"itemrightoffset", ItemRightOffset);
  IO.Rect(L"downrect", DownRect);
  IO.Rect(L"textrect", TextRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"downfontcolor", DownFontColor);
  IO.Integer(L"unenabledfontColor", UnEnabledFontColor);
  IO.Boolean(L"stretcheffect", StretchEffect);
  IO.Rect(L"animateskinrect", AnimateSkinRect);
  IO.Count(L"framecount", FrameCount);
  IO.Interval(L"animateinterval", AnimateInterval, 25);
  IO.Boolean(L"inactiveanimation", InActiveAnimation);
}

void TspDataSkinBitLabel::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  if (IO.Reading()) Morphing = false;
  IO.Text(L"textvalue", TextValue);
  IO.Piece(L"symbolwidth", SymbolWidth);
  IO.Piece(L"symbolheight", SymbolHeight);
  IO.Lines(L"symbols", Symbols);
  IO.Boolean(L"transparent", Transparent);
  IO.Integer(L"transparentcolor", TransparentColor, 16711935);
}

void TspDataSkinLabel::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  // Read as "fontName", written as "fontname": one key, since keys ignore case.
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Alignment(L"alignment", Alignment);
  IO.Text(L"textvalue", TextValue);
}

void TspDataSkinCaption::Exchange(TspRecordIO& IO) {
  TspDataSkinObject::Exchange(IO);
  IO.Boolean(L"defaultcaption", DefaultCaption);
  IO.Rect(L"textrect", TextRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Alignment(L"alignment", Alignment);
  IO.Boolean(L"light", Light);
  IO.Integer(L"lightcolor", LightColor);
  IO.Integer(L"activelightcolor", ActiveLightColor);
  IO.Boolean(L"shadow", Shadow);
  IO.Integer(L"shadowcolor", ShadowColor);
  IO.Integer(L"activeshadowcolor", ActiveShadowColor);
  IO.Rect(L"framerect", FrameRect);
  IO.Rect(L"activeframerect", ActiveFrameRect);
  IO.Rect(L"frametextrect", FrameTextRect);
  IO.Piece(L"frameleftoffset", FrameLeftOffset);
  IO.Piece(L"framerightoffset", FrameRightOffset);
  IO.Boolean(L"stretcheffect", StretchEffect);
  IO.Rect(L"animateskinrect", AnimateSkinRect);
  IO.Count(L"framecount", FrameCount);
  IO.Interval(L"animateinterval", AnimateInterval, 25);
  IO.Boolean(L"inactiveanimation", InActiveAnimation);
  IO.Boolean(L"fullframe", FullFrame);
  IO.Boolean(L"vistagloweffect", VistaGlowEffect);
  IO.Boolean(L"vistaglowinactiveeffect", VistaGlowInActiveEffect);
  IO.Boolean(L"gloweffect", GlowEffect);
  IO.Boolean(L"glowinactiveeffect", GlowInActiveEffect);
  IO.Level(L"glowsize", GlowSize, 3);
  IO.Integer(L"glowcolor", GlowColor);
  IO.Integer(L"glowactivecolor", GlowActiveColor);
  IO.Shift(L"glowoffset", GlowOffset);
  IO.Boolean(L"reflectioneffect", ReflectionEffect);
  IO.Integer(L"reflactioncolor", ReflectionColor);
  IO.Integer(L"reflactionactivecolor", ReflectionActiveColor);
  IO.Shift(L"reflectionoffset", ReflectionOffset);
}
