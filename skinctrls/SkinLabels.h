// Windowless controls that take only fonts and colours from the skin: the
// standard label and the clickable button label ("stdlabel" records), and the
// bevel or divider ("bevel" records).
#pragma once

#include <memory>

#include "classlib/Bevel.h"
#include "classlib/ButtonLayout.h"
#include "classlib/ImgList.h"
#include "classlib/StdCtrls.h"
#include "skinctrls/SkinLinked.h"

enum TspEllipsType { spetNone, spetEndEllips, spetPathEllips };
using TspButtonLayout = TButtonLayout;

class TspDataSkinStdLabelControl;

// What a label keeps of a "stdlabel" record.
struct TspLabelSkinFont {
  String Name = L"Arial";
  int Height = 14;
  TFontStyles Style;
  TColor Color = 0, ActiveColor = clBlue;

  void Read(const TspDataSkinStdLabelControl& Record);
  // Name, height and style onto Font.
  void ApplyTo(TFont* Font) const;
};

// The character set of a label's text: the skin's resource strings', when
// SkinData has them, else DefaultFont's.
TFontCharset LabelCharset(const TspSkinData* SkinData, const TFont* DefaultFont);

class TspSkinStdLabel : public TspSkinLinked<TCustomLabel> {
 public:
  explicit TspSkinStdLabel(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinStdLabel"; }

  // The font without a skin record (when UseSkinFont is on).
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value);
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool Value);
  TspEllipsType EllipsType() const { return FEllipsType; }
  void SetEllipsType(TspEllipsType Value);

  // Record values, an auto-size pass when AutoSize, a repaint.
  void ChangeSkinData() override;

 protected:
  // Draws (or measures) with the skin's font and, disabled, embossed.
  void DoDrawText(TRect& Rect, UINT Flags) override;

 private:
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinStdLabelControl>; }
  void GetSkinData() override;
  void ForgetSkin() override;
  // The font the label draws in: from the skin's record when Skinned.
  void SetUpFont(TFont* Target, bool Skinned) const;
  void SettingChanged();

  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont = true;
  bool FUseSkinColor = true;
  TspEllipsType FEllipsType = spetNone;
  TspLabelSkinFont FSkinFont;
  // Dropped from a skin's font (which FSkinFont still holds) and neither told
  // of a skin nor measured since: the next change compares with that font.
  bool FDroppedSkinFont = false;
};

// A clickable caption with a glyph: hover colour, a link look (WebStyle) and
// a glow under the mouse.
class TspSkinButtonLabel : public TspSkinLinked<TGraphicControl> {
 public:
  explicit TspSkinButtonLabel(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinButtonLabel"; }
  void Dispatch(TMessage& Message) override;

  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value);
  TColor DefaultActiveFontColor() const { return FDefaultActiveFontColor; }
  void SetDefaultActiveFontColor(TColor Value);
  bool WebStyle() const { return FWebStyle; }
  void SetWebStyle(bool Value);
  bool GlowEffect() const { return FGlowEffect; }
  void SetGlowEffect(bool Value);
  int GlowSize() const { return FGlowSize; }
  void SetGlowSize(int Value);
  bool UseCustomGlowColor() const { return FUseCustomGlowColor; }
  void SetUseCustomGlowColor(bool Value);
  TColor CustomGlowColor() const { return FCustomGlowColor; }
  void SetCustomGlowColor(TColor Value);
  // Paints through a bitmap over the parent's background, and so is opaque.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value);

  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The image under the mouse; out of the list's range, ImageIndex serves.
  int ActiveImageIndex() const { return FActiveImageIndex; }
  void SetActiveImageIndex(int Value);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout Value);
  // -1 centres glyph and caption together; lower values are refused.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

  bool Hot() const { return FHot; }
  bool Pressed() const { return FPressed; }
  // The image of the list drawn now, or -1 for the glyph strip.
  int CurrentImage() const;
  // The frame of the glyph strip drawn now, from 1.
  int CurrentGlyphFrame() const;

  // Record values, a repaint.
  void ChangeSkinData() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinStdLabelControl>; }
  void GetSkinData() override;
  void SetUpFont(TFont* Target) const;
  TColor GlowColor() const;
  void DrawContent(TCanvas* Target);
  void SetHot(bool Value);

  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont = true;
  TColor FDefaultActiveFontColor = clBlue;
  bool FWebStyle = false;
  bool FGlowEffect = false;
  int FGlowSize = 7;
  bool FUseCustomGlowColor = false;
  TColor FCustomGlowColor = clAqua;
  bool FDoubleBuffered = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = -1, FActiveImageIndex = -1;
  TspButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1, FSpacing = 1;
  bool FHot = false, FPressed = false;
  TspLabelSkinFont FSkinFont;
};

// A bevel in the skin's light and dark colours; in DividerMode one thin
// groove through its middle.
class TspSkinBevel : public TspSkinLinked<TBevel> {
 public:
  explicit TspSkinBevel(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinBevel"; }

  bool DividerMode() const { return FDividerMode; }
  void SetDividerMode(bool Value);
  TColor LightColor() const { return FLightColor; }
  TColor DarkColor() const { return FDarkColor; }

  // Centred vertically on a tool bar that places its controls.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinBevel>; }
  // The record's colours, or clBtnHighlight and clBtnShadow without one.
  void ChangeSkinData() override;

 protected:
  void Paint() override;

 private:
  bool FDividerMode = false;
  TColor FLightColor = clBtnHighlight, FDarkColor = clBtnShadow;
};
