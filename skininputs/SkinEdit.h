// The skinned single-line edit: its frame drawn in the window's non-client
// area from an "edit" record, the text area filled with the middle of the same
// picture, an optional edit button at the right end and two image buttons.
#pragma once

#include <memory>

#include "classlib/ImgList.h"
#include "skin/SkinCtrlRecords.h"
#include "skininputs/EditRules.h"
#include "skininputs/SkinCustomEdit.h"
#include "skinctrls/SkinLinked.h"
#include "skinctrls/SkinLookCache.h"

// The private queries of the skinned form: paint the frame into a DC.
constexpr unsigned MSG_PAINT_FRAME_QUERY = 0xB1C9;
constexpr intptr_t MSG_PAINT_FRAME_ANSWER = 0x3233;
constexpr unsigned MSG_PAINT_FRAME_CLIPPED = 0xBC4B;
constexpr intptr_t MSG_PAINT_FRAME_CLIPPED_KEY = 0x41A2;
// Hit-test answers of the two image buttons.
constexpr int HT_LEFT_IMAGE_BUTTON = 104, HT_RIGHT_IMAGE_BUTTON = 105;

class TspSkinCustomEdit : public TspSkinLinked<TspCustomEdit> {
 public:
  explicit TspSkinCustomEdit(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinCustomEdit"; }
  void Dispatch(TMessage& Message) override;
  void Invalidate() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  void ChangeSkinData() override;

  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value);
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int Value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);
  bool ButtonMode() const { return FButtonMode; }
  void SetButtonMode(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);

  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int LeftImageIndex() const { return FLeftImageIndex; }
  void SetLeftImageIndex(int Value);
  int LeftImageHotIndex() const { return FLeftImageHotIndex; }
  void SetLeftImageHotIndex(int Value) { FLeftImageHotIndex = Value; }
  int LeftImageDownIndex() const { return FLeftImageDownIndex; }
  void SetLeftImageDownIndex(int Value) { FLeftImageDownIndex = Value; }
  int RightImageIndex() const { return FRightImageIndex; }
  void SetRightImageIndex(int Value);
  int RightImageHotIndex() const { return FRightImageHotIndex; }
  void SetRightImageHotIndex(int Value) { FRightImageHotIndex = Value; }
  int RightImageDownIndex() const { return FRightImageDownIndex; }
  void SetRightImageDownIndex(int Value) { FRightImageDownIndex = Value; }

  // Layout in window coordinates (text area and edit button), as painted now.
  TEditLayout Layout() const;
  bool EditButtonPressed() const { return FButton.Pressed; }
  bool EditButtonHot() const { return FButton.Hot; }
  bool MouseInside() const { return FMouseIn; }
  // The control's frame as it paints it into a bitmap of its size.
  void DrawFrame(TBitmap* B);

  TNotifyEvent OnButtonClick, OnLeftButtonClick, OnRightButtonClick;
  TNotifyEvent OnMouseEnter, OnMouseLeave;

 protected:
  struct TEditButton {
    TRect Rect;
    bool Hot = false, Pressed = false;
  };

  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinEditControl>; }
  // Reads the "edit" record; FIndex -1 without one.
  void GetSkinData() override;
  bool Skinned() const { return FIndex != -1; }
  // The font colour the state calls for.
  void SetFontColorByState();
  // The height the font calls for when UseSkinFont is off (or without a skin).
  int FontHeightNeeded();
  void AdjustHeight();
  void RepaintFrame();
  // Frame and text area together, painted when the queue next paints.
  void InvalidateWithFrame();
  // Makes the kept look stale and asks the window for a paint (Flags of
  // RedrawWindow), unless a skin switch under way redraws it at its end.
  void InvalidateWindow(UINT Flags);
  // The frame's widths the layout asks for at the edit's size.
  TRect FrameWanted() const;
  void PaintFrameTo(HDC DC, bool ExcludeText);
  void PaintTextBackground(HDC DC);
  // Whether the text area's background is the middle of the frame's image, so
  // that the frame and the text area draw from one composition of the whole
  // control, kept until its look changes.
  bool OneLook() const;
  // Draws the whole control's kept look at DC's origin, composed first when
  // it is stale.
  void DrawOneLook(HDC DC);
  void PaintDisabledText(HDC DC);
  // The background, image buttons and text into DC.
  void PaintWhole(HDC DC);
  void DrawImageButtons(TCanvas* Canvas);
  void LayoutImageButtons();
  bool HasImage(int Index) const;
  int HitTest(const TPoint& Screen);
  void DrawEditButton(TBitmap* B, const TRect& R);

  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMPaint(TMessage& Message);
  bool WMNCHitTest(TMessage& Message);
  bool WMNCLButtonDown(TMessage& Message);
  bool WMNCLButtonUp(TMessage& Message);
  bool WMNCMouseMove(TMessage& Message);
  void FocusChanged();

  virtual void MouseEntered();
  virtual void MouseLeft();

  TColor FDefaultColor = clWindow;
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont = true;
  int FDefaultWidth = 0, FDefaultHeight = 0;
  bool FButtonMode = false;
  TAlignment FAlignment = taLeftJustify;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 0;
  TCustomImageList* FImages = nullptr;
  int FLeftImageIndex = -1, FLeftImageHotIndex = -1, FLeftImageDownIndex = -1;
  int FRightImageIndex = -1, FRightImageHotIndex = -1, FRightImageDownIndex = -1;

  bool FMouseIn = false;
  bool FPaintedDuringErase = false;
  // The frame's widths (left, top, right, bottom) the window was last given.
  TRect FFrameGiven;
  // The text's formatting rectangle last asked of the window, and what the
  // window made of it.
  RECT FFormatAsked{}, FFormatMade{};
  TspLookCache FLook;
  bool FInHeightChange = false;
  TEditButton FLeftButton, FRightButton, FButton;

  // From the record.
  TEditSkinGeometry FGeom;
  TBitmap* FPicture = nullptr;
  TRect FActiveSkinRect, FActiveButtonRect, FDownButtonRect, FUnEnabledButtonRect;
  bool FStretchEffect = false;
  String FSkinFontName;
  int FSkinFontHeight = 14;
  TFontStyles FSkinFontStyle;
  TColor FFontColor = 0, FDisabledFontColor = 0, FActiveFontColor = 0;
};

class TspSkinEdit : public TspSkinCustomEdit {
 public:
  explicit TspSkinEdit(TComponent* AOwner) : TspSkinCustomEdit(AOwner) {}
  String ClassName() const override { return L"TspSkinEdit"; }
};
