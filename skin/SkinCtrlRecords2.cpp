#include "skin/SkinCtrlRecords.h"

#include "skin/SPUtils_layout.h"

void TspDataSkinListBox::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"itemrect", ItemRect);
  IO.Rect(L"activeitemrect", ActiveItemRect);
  IO.Rect(L"focusitemrect", FocusItemRect);
  IO.Piece(L"itemleftoffset", ItemLeftOffset);
  IO.Piece(L"itemrightoffset", ItemRightOffset);
  IO.Rect(L"itemtextrect", ItemTextRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"focusfontcolor", FocusFontColor);
  IO.Rect(L"captionrect", CaptionRect);
  IO.Font(L"caption", CaptionFontName, CaptionFontHeight, CaptionFontStyle, CaptionFontColor);
  IO.Rect(L"upbuttonrect", UpButtonRect);
  IO.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
  IO.Rect(L"downupbuttonrect", DownUpButtonRect);
  IO.Rect(L"downbuttonrect", DownButtonRect);
  IO.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
  IO.Rect(L"downdownbuttonrect", DownDownButtonRect);
  IO.Rect(L"checkbuttonrect", CheckButtonRect);
  IO.Rect(L"activecheckbuttonrect", ActiveCheckButtonRect);
  IO.Rect(L"downcheckbuttonrect", DownCheckButtonRect);
  IO.Text(L"vscrollbarname", VScrollBarName, L"vscrollbar");
  IO.Text(L"hscrollbarname", HScrollBarName, L"hscrollbar");
  IO.Text(L"bothhscrollbarname", BothHScrollBarName, L"bothhscrollbar");
  IO.Boolean(L"showfocus", ShowFocus);
  IO.Rect(L"disabledbuttonsrect", DisabledButtonsRect);
  IO.Rect(L"buttonsarea", ButtonsArea);
}

void TspDataSkinCheckListBox::Exchange(TspRecordIO& IO) {
  TspDataSkinListBox::Exchange(IO);
  IO.Rect(L"itemcheckrect", ItemCheckRect);
  IO.Rect(L"uncheckimagerect", UnCheckImageRect);
  IO.Rect(L"checkimagerect", CheckImageRect);
}

void TspDataSkinComboBox::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"activeskinrect", ActiveSkinRect);
  IO.Rect(L"itemrect", ItemRect);
  IO.Rect(L"activeitemrect", ActiveItemRect);
  IO.Rect(L"focusitemrect", FocusItemRect);
  IO.Piece(L"itemleftoffset", ItemLeftOffset);
  IO.Piece(L"itemrightoffset", ItemRightOffset);
  IO.Rect(L"itemtextrect", ItemTextRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"focusfontcolor", FocusFontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Rect(L"buttonrect", ButtonRect);
  IO.Rect(L"activebuttonrect", ActiveButtonRect);
  IO.Rect(L"downbuttonrect", DownButtonRect);
  IO.Rect(L"unenabledbuttonrect", UnEnabledButtonRect);
  IO.Text(L"listboxname", ListBoxName);
  IO.Boolean(L"itemstretcheffect", ItemStretchEffect);
  IO.Boolean(L"focusitemstretcheffect", FocusItemStretchEffect);
  IO.Boolean(L"showfocus", ShowFocus);
}

bool TspDataSkinEditControl::LeavesNothingToDraw(bool HasPicture) const {
  return TspDataSkinCustomControl::LeavesNothingToDraw(HasPicture) || SkinRect.IsEmpty() || ClRect.IsEmpty() ||
         RTPoint.X <= LTPoint.X;
}

void TspDataSkinEditControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"activeskinrect", ActiveSkinRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"disabledfontcolor", DisabledFontColor);
  IO.Rect(L"buttonrect", ButtonRect);
  IO.Rect(L"activebuttonrect", ActiveButtonRect);
  IO.Rect(L"downbuttonrect", DownButtonRect);
  IO.Rect(L"unenabledbuttonrect", UnEnabledButtonRect);
}

void TspDataSkinMemoControl::Exchange(TspRecordIO& IO) {
  TspDataSkinEditControl::Exchange(IO);
  IO.Integer(L"bgcolor", BGColor);
  IO.Integer(L"activebgcolor", ActiveBGColor);
}

void TspDataSkinSpinEditControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"activeskinrect", ActiveSkinRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"disabledfontcolor", DisabledFontColor);
  IO.Rect(L"upbuttonrect", UpButtonRect);
  IO.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
  IO.Rect(L"downupbuttonrect", DownUpButtonRect);
  IO.Rect(L"downbuttonrect", DownButtonRect);
  IO.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
  IO.Rect(L"downdownbuttonrect", DownDownButtonRect);
}

bool TspDataSkinTabControl::LeavesNothingToDraw(bool HasPicture) const {
  return !HasPicture || SkinRect.IsEmpty() || (ClRect.IsEmpty() && BGPictureIndex < 0) ||
         !ThreePiecesSound({TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect}, TabLeftOffset, TabRightOffset);
}

bool TspDataSkinListBox::LeavesNothingToDraw(bool HasPicture) const {
  return TspDataSkinCustomControl::LeavesNothingToDraw(HasPicture) ||
         !ThreePiecesSound({ItemRect, ActiveItemRect, FocusItemRect}, ItemLeftOffset, ItemRightOffset);
}

bool TspDataSkinComboBox::LeavesNothingToDraw(bool HasPicture) const {
  return TspDataSkinCustomControl::LeavesNothingToDraw(HasPicture) ||
         !ThreePiecesSound({ItemRect, ActiveItemRect, FocusItemRect}, ItemLeftOffset, ItemRightOffset);
}

bool TspDataSkinPanelControl::LeavesNothingToDraw(bool HasPicture) const {
  return TspDataSkinCustomControl::LeavesNothingToDraw(HasPicture) ||
         !ThreePiecesSound({FrameRect}, FrameLeftOffset, FrameRightOffset);
}

void TspDataSkinTabControl::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Rect(L"tabrect", TabRect);
  IO.Rect(L"activetabrect", ActiveTabRect);
  IO.Rect(L"focustabrect", FocusTabRect);
  IO.Rect(L"mouseintabrect", MouseInTabRect);
  IO.Rect(L"clientrect", ClRect);
  IO.Index(L"bgpictureindex", BGPictureIndex, -1);
  IO.Point(L"lefttoppoint", LTPoint);
  IO.Point(L"righttoppoint", RTPoint);
  IO.Point(L"leftbottompoint", LBPoint);
  IO.Point(L"rightbottompoint", RBPoint);
  IO.Piece(L"tableftoffset", TabLeftOffset);
  IO.Piece(L"tabrightoffset", TabRightOffset);
  IO.Rect(L"tabsbgrect", TabsBGRect);
  IO.Boolean(L"tabstretcheffect", TabStretchEffect);
  IO.Boolean(L"leftstretch", LeftStretch);
  IO.Boolean(L"topstretch", TopStretch);
  IO.Boolean(L"rightstretch", RightStretch);
  IO.Boolean(L"bottomstretch", BottomStretch);
  IO.Boolean(L"stretcheffect", StretchEffect);
  IO.StretchType(L"stretchtype", StretchType);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"focusfontcolor", FocusFontColor);
  IO.Integer(L"mouseinfontcolor", MouseInFontColor);
  IO.Text(L"updown", UpDown);
  IO.Boolean(L"showfocus", ShowFocus);
  IO.Shift(L"focusoffsetx", FocusOffsetX);
  IO.Shift(L"focusoffsety", FocusOffsetY);
  IO.Rect(L"closebuttonrect", CloseButtonRect);
  IO.Rect(L"closebuttonactiverect", CloseButtonActiveRect);
  IO.Rect(L"closebuttondownrect", CloseButtonDownRect);
  IO.Boolean(L"buttontransparent", ButtonTransparent);
  IO.Integer(L"buttontransparentcolor", ButtonTransparentColor);
}

void TspDataSkinGridControl::Exchange(TspRecordIO& IO) {
  TspDataSkinControl::Exchange(IO);
  IO.Rect(L"fixedcellrect", FixedCellRect);
  IO.Rect(L"selectcellrect", SelectCellRect);
  IO.Rect(L"focuscellrect", FocusCellRect);
  IO.Piece(L"fixedcellleftoffset", FixedCellLeftOffset);
  IO.Piece(L"fixedcellrightoffset", FixedCellRightOffset);
  IO.Rect(L"fixedcelltextrect", FixedCellTextRect);
  IO.Piece(L"cellleftoffset", CellLeftOffset);
  IO.Piece(L"cellrightoffset", CellRightOffset);
  IO.Rect(L"celltextrect", CellTextRect);
  IO.Integer(L"linescolor", LinesColor);
  IO.Integer(L"bgcolor", BGColor);
  IO.Index(L"bgpictureindex", BGPictureIndex, -1);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"selectfontcolor", SelectFontColor);
  IO.Integer(L"focusfontcolor", FocusFontColor);
  IO.Font(L"fixed", FixedFontName, FixedFontHeight, FixedFontStyle, FixedFontColor);
  IO.Boolean(L"cellstretcheffect", CellStretchEffect);
  IO.Boolean(L"fixedcellstretcheffect", FixedCellStretchEffect);
  IO.Boolean(L"showfocus", ShowFocus);
}

void TspDataSkinGaugeControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"progressarea", ProgressArea);
  IO.Rect(L"progressrect", ProgressRect);
  IO.Piece(L"beginoffset", BeginOffset);
  IO.Piece(L"endoffset", EndOffset);
  IO.Boolean(L"vertical", Vertical);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Boolean(L"progresstransparent", ProgressTransparent);
  IO.Integer(L"progresstransparentcolor", ProgressTransparentColor);
  IO.Boolean(L"progressstretch", ProgressStretch);
  IO.Rect(L"animationskinrect", AnimationSkinRect);
  IO.Count(L"animationcountframes", AnimationCountFrames);
  IO.Interval(L"animationtimerinterval", AnimationTimerInterval);
  IO.Rect(L"progressanimationskinrect", ProgressAnimationSkinRect);
  IO.Count(L"progressanimationcountframes", ProgressAnimationCountFrames);
  IO.Interval(L"progressanimationtimerinterval", ProgressAnimationTimerInterval);
  IO.Piece(L"animationbeginoffset", AnimationBeginOffset);
  IO.Piece(L"animationendoffset", AnimationEndOffset);
}

void TspDataSkinScrollBoxControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Index(L"bgpictureindex", BGPictureIndex, -1);
}

void TspDataSkinPanelControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Index(L"bgpictureindex", BGPictureIndex, -1);
  IO.Rect(L"captionrect", CaptionRect);
  IO.Alignment(L"alignment", Alignment);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Rect(L"checkimagerect", CheckImageRect);
  IO.Rect(L"uncheckimagerect", UnCheckImageRect);
  IO.Rect(L"markframerect", MarkFrameRect);
  IO.Rect(L"framerect", FrameRect);
  IO.Rect(L"frametextrect", FrameTextRect);
  IO.Piece(L"frameleftoffset", FrameLeftOffset);
  IO.Piece(L"framerightoffset", FrameRightOffset);
  IO.Rect(L"gripperrect", GripperRect);
  IO.Boolean(L"grippertransparent", GripperTransparent);
  IO.Integer(L"grippertransparentcolor", GripperTransparentColor);
}

void TspDataSkinExPanelControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Rect(L"rollhskinrect", RollHSkinRect);
  IO.Rect(L"rollvskinrect", RollVSkinRect);
  IO.Piece(L"rollleftoffset", RollLeftOffset);
  IO.Piece(L"rollrightoffset", RollRightOffset);
  IO.Piece(L"rolltopoffset", RollTopOffset);
  IO.Piece(L"rollbottomoffset", RollBottomOffset);
  IO.Rect(L"rollvcaptionrect", RollVCaptionRect);
  IO.Rect(L"rollhcaptionrect", RollHCaptionRect);
  IO.Rect(L"closebuttonrect", CloseButtonRect);
  IO.Rect(L"closebuttonactiverect", CloseButtonActiveRect);
  IO.Rect(L"closebuttondownrect", CloseButtonDownRect);
  IO.Rect(L"hrollbuttonrect", HRollButtonRect);
  IO.Rect(L"hrollbuttonactiverect", HRollButtonActiveRect);
  IO.Rect(L"hrollbuttondownrect", HRollButtonDownRect);
  IO.Rect(L"hrestorebuttonrect", HRestoreButtonRect);
  IO.Rect(L"hrestorebuttonactiverect", HRestoreButtonActiveRect);
  IO.Rect(L"hrestorebuttondownrect", HRestoreButtonDownRect);
  IO.Rect(L"vrollbuttonrect", VRollButtonRect);
  IO.Rect(L"vrollbuttonactiverect", VRollButtonActiveRect);
  IO.Rect(L"vrollbuttondownrect", VRollButtonDownRect);
  IO.Rect(L"vrestorebuttonrect", VRestoreButtonRect);
  IO.Rect(L"vrestorebuttonactiverect", VRestoreButtonActiveRect);
  IO.Rect(L"vrestorebuttondownrect", VRestoreButtonDownRect);
  IO.Rect(L"captionrect", CaptionRect);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Boolean(L"buttonstransparent", ButtonsTransparent);
  IO.Integer(L"buttonstransparentcolor", ButtonsTransparentColor);
}

void TspDataSkinCheckRadioControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"unenabledfontcolor", UnEnabledFontColor);
  IO.Integer(L"framefontcolor", FrameFontColor);
  IO.Boolean(L"morphing", Morphing);
  IO.MorphKind(L"morphkind", MorphKind);
  IO.Rect(L"activeskinrect", ActiveSkinRect);
  IO.Rect(L"checkimagearea", CheckImageArea);
  IO.Rect(L"textarea", TextArea);
  IO.Rect(L"checkimagerect", CheckImageRect);
  IO.Rect(L"uncheckimagerect", UnCheckImageRect);
  IO.Rect(L"activecheckimagerect", ActiveCheckImageRect);
  IO.Rect(L"activeuncheckimagerect", ActiveUnCheckImageRect);
  IO.Rect(L"unenabledcheckimagerect", UnEnabledCheckImageRect);
  IO.Rect(L"unenableduncheckimagerect", UnEnabledUnCheckImageRect);
  IO.Rect(L"grayedcheckimagerect", GrayedCheckImageRect);
  IO.Rect(L"activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
}

void TspDataSkinButtonControl::Exchange(TspRecordIO& IO) {
  TspDataSkinCustomControl::Exchange(IO);
  IO.Font(L"", FontName, FontHeight, FontStyle, FontColor);
  IO.Integer(L"activefontcolor", ActiveFontColor);
  IO.Integer(L"downfontcolor", DownFontColor);
  IO.Integer(L"disabledfontcolor", DisabledFontColor);
  IO.Boolean(L"morphing", Morphing);
  IO.MorphKind(L"morphkind", MorphKind);
  IO.Rect(L"activeskinrect", ActiveSkinRect);
  IO.Rect(L"downskinrect", DownSkinRect);
  IO.Rect(L"focusedskinrect", FocusedSkinRect);
  IO.Rect(L"disabledskinrect", DisabledSkinRect);
  IO.Rect(L"animateskinrect", AnimateSkinRect);
  IO.Count(L"framecount", FrameCount);
  IO.Interval(L"animateinterval", AnimateInterval, 25);
  IO.Boolean(L"showfocus", ShowFocus);
  IO.Rect(L"menumarkerflatrect", MenuMarkerFlatRect);
  IO.Rect(L"menumarkerrect", MenuMarkerRect);
  IO.Rect(L"menumarkeractiverect", MenuMarkerActiveRect);
  IO.Rect(L"menumarkerdownrect", MenuMarkerDownRect);
  IO.Integer(L"menumarkertransparentcolor", MenuMarkerTransparentColor);
  IO.Index(L"glowlayerpictureindex", GlowLayerPictureIndex, -1);
  IO.Index(L"glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
  IO.Piece(L"glowlayeroffsetleft", GlowLayerOffsetLeft);
  IO.Piece(L"glowlayeroffsetright", GlowLayerOffsetRight);
  IO.Piece(L"glowlayeroffsettop", GlowLayerOffsetTop);
  IO.Piece(L"glowlayeroffsetbottom", GlowLayerOffsetBottom);
  IO.Shift(L"glowlayershowoffsetx", GlowLayerShowOffsetX);
  IO.Shift(L"glowlayershowoffsety", GlowLayerShowOffsetY);
  IO.Level(L"glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TspDataSkinMenuButtonControl::Exchange(TspRecordIO& IO) {
  TspDataSkinButtonControl::Exchange(IO);
  IO.Rect(L"trackbuttonrect", TrackButtonRect);
}
