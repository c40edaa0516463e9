// TSpeedButton: a windowless push button with a glyph strip, flat and
// transparent looks, and groups of mutually exclusive buttons.
#pragma once

#include <memory>

#include "classlib/ButtonLayout.h"
#include "classlib/Controls.h"

// A new bitmap of Source's size showing Source engraved on BackColor: its
// MaskColor pixels are stamped in HighlightColor one pixel down and right
// (when DrawHighlight), then in ShadowColor in place. Owned by the caller.
TBitmap* CreateDisabledBitmap(TBitmap* Source, TColor MaskColor, TColor BackColor, TColor HighlightColor,
                              TColor ShadowColor, bool DrawHighlight);
// Draws cell Cell of a glyph strip of NumGlyphs equal cells at (X, Y), keyed
// on Transparent.
void DrawGlyphCell(TCanvas* Canvas, TBitmap* Glyph, int Cell, TNumGlyphs NumGlyphs, int X, int Y, TColor Transparent);
// The single-line extent of a caption in the canvas font, within Width.
TSize MeasureButtonCaption(TCanvas* Canvas, const String& Caption, int Width);
// Text engraved as a disabled caption: highlight one pixel down and right,
// shadow in place.
void DrawEngravedText(HDC DC, const String& Text, const TRect& R, UINT Flags);
// A button caption centred on one line in TextBounds with the canvas font,
// engraved when Disabled; BiDiFlags add the caller's reading order.
void DrawButtonCaption(TCanvas* Canvas, const String& Caption, const TRect& TextBounds, bool Disabled,
                       TColor FontColor, UINT BiDiFlags = 0);

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;
  String ClassName() const override { return L"TSpeedButton"; }
  void Dispatch(TMessage& Message) override;

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // A button of a group stays down until another of the group goes down
  // (or, with AllowAllUp, until it is clicked again).
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  // A flat button shows its frame only while the mouse is over it or it is down.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // A transparent button leaves its face unpainted.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TButtonState State() const { return FState; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Tells the other buttons of the group (CM_BUTTONPRESSED) that this one went down.
  void UpdateExclusive();
  void CMButtonPressed(TMessage& Message);
  // Repairs the state after an enable change: bsDisabled while disabled, and
  // back to up (or exclusive for a down group member) once enabled.
  void RepairState();
  // The glyph cell of the state (engraved when disabled with one cell) at
  // GlyphPos, and the caption (engraved when disabled) in TextBounds.
  void DrawGlyphAndCaption(TCanvas* Canvas, const TPoint& GlyphPos, const TRect& TextBounds);
  bool InsideClient(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }

  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FTransparent = false;
  bool FDragging = false;
  std::unique_ptr<TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TButtonState FState = bsUp;
};
