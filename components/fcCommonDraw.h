// The fc helpers that need the platform: colours, small glyphs and bitmaps on
// a canvas, text measuring, class and property questions by name, theme and
// common-controls versions.
#pragma once

#include <windows.h>

#include "classlib/Controls.h"
#include "classlib/ImgList.h"
#include "components/fcCommon.h"

// The version text of the fc components.
extern const String fcVersion;

// The colour's bytes from the top one down, system colours resolved.
void fcSplitColor(TColor Color, uint8_t& High, uint8_t& Blue, uint8_t& Green, uint8_t& Red);
// A colour as an image list takes it: clNone and clDefault become CLR_NONE and CLR_DEFAULT.
COLORREF fcImageListColor(TColor Color);
// Draws image Index of Images at (X, Y); disabled, it is engraved in the
// button highlight and shadow colours.
void fcDrawImageListImage(TCustomImageList* Images, int Index, TCanvas* Canvas, int X, int Y, UINT Style,
                          bool Enabled);
// Image through Mask into R (XOR, AND, XOR), optionally through a buffer.
void fcDrawMaskedBitmap(TCanvas* Canvas, const TRect& R, TBitmap* Image, TBitmap* Mask, bool UseBuffer);
// Draws Graphic over R's size from the canvas origin; nothing for an empty graphic.
void fcTileGraphic(TGraphic* Graphic, TCanvas* Canvas, const TRect& R);
// A raised button with three dots; State 2 is pressed.
void fcDrawEllipsisButton(TCanvas* Canvas, const TRect& R, int State, bool Enabled, bool NoEdge, bool NoFill,
                          uint8_t State2);
// Three black squares of Side, the middle one's left edge at MidX, two sides apart.
void fcDrawThreeDots(HDC DC, int MidX, int Top, int Side);
// The 7 x 4 drop-down arrow with its top-left corner at (X, Y).
void fcDrawDownArrow(TCanvas* Canvas, int X, int Y, TColor Color);
// The combo-box arrow button.
void fcDrawArrowButton(TCanvas* Canvas, const TRect& R, int State, bool Enabled, uint8_t State2);
// Height of Text drawn with Flags in Width.
int fcTextHeightIn(TCanvas* Canvas, UINT Flags, int Width, const String& Text);
// Size of Text's lines (cut at CR LF) with LineSpacing between them; Width 0
// measures each line unwrapped.
void fcMultiLineTextExtent(TCanvas* Canvas, const String& Text, int LineSpacing, int Width, UINT Flags, TSize& Size);
void fcRemoveClipChildren(TWinControl* Control);

// Class and property questions answered from the published-property table.
bool fcIsClassByName(TObject* Obj, const String& Name);
bool fcParentIsGrid(TControl* Control);
bool fcIsGridPaintCopy(TControl* Control);
bool fcIsDesigning(TControl* Control);
int64_t fcGetOrdPropByName(TObject* Obj, const String& Name);
void fcSetOrdPropByName(TObject* Obj, const String& Name, int64_t Value);
void fcListBooleanProps(TObject* Obj, TStrings* Strings);
TObject* fcGetControlList(TComponent* Component);
// Points Ref at NewValue, moving Owner from the old value's control list to the new one's.
void fcSetControlListRef(TComponent*& Ref, TComponent* NewValue, TComponent* Owner);
// The control's DisableThemes, or (lacking the property) its parent's, is set.
bool fcThemesSwitchedOff(TControl* Control);
// Themes are on and not switched off for the control (nullptr: any control).
bool fcUseThemes(TControl* Control);
// Draws Part in State of the theme class ClassList (as OpenThemeData names
// it) into R; false when no active theme draws it. Content, when given,
// receives the part's content rectangle.
bool fcDrawThemePart(const wchar_t* ClassList, int Part, int State, HDC DC, const TRect& R,
                     TRect* Content = nullptr);
// comctl32's file version: major in the high word, minor in the low; 0 when unknown.
uint32_t fcGetComCtlVersion();
