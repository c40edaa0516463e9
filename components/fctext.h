// TfcText and TfcCaptionText: render a caption on an owner's canvas with
// rotation, word wrap and full justification, a drop shadow, a graded 3-D
// extrusion, an outline, an embossed look and disabled colours, optionally
// through an off-screen buffer.
#pragma once

#include <functional>
#include <memory>

#include "classlib/Controls.h"
#include "components/fcTextGeometry.h"

enum TfcTextStyle { fclsDefault, fclsLowered, fclsRaised, fclsOutline };
enum TfcTextOption { toShowAccel, toShowEllipsis, toFullJustify };
using TfcTextOptions = TSet<TfcTextOption>;
enum TfcVAlignment { vaTop, vaVCenter, vaBottom };

// The owner's hooks: repaint it, re-measure and resize it, and ask whether it is enabled.
struct TfcTextCallbacks {
  std::function<void()> Invalidate;
  std::function<void()> AdjustBounds;
  std::function<bool()> GetEnabled;
};

class TfcText;

class TfcShadowEffects : public TPersistent {
 public:
  explicit TfcShadowEffects(TfcText* AText) : FText(AText) {}
  String ClassName() const override { return L"TfcShadowEffects"; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int XOffset() const { return FXOffset; }
  void SetXOffset(int Value);
  int YOffset() const { return FYOffset; }
  void SetYOffset(int Value);

 protected:
  void AssignTo(TPersistent* Dest) override;

 private:
  TfcText* FText;
  TColor FColor = clBtnShadow;
  bool FEnabled = false;
  int FXOffset = 10, FYOffset = 10;
};

class TfcExtrudeEffects : public TPersistent {
 public:
  explicit TfcExtrudeEffects(TfcText* AText) : FText(AText) {}
  String ClassName() const override { return L"TfcExtrudeEffects"; }
  int Depth() const { return FDepth; }
  void SetDepth(int Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  TColor FarColor() const { return FFarColor; }
  void SetFarColor(TColor Value);
  TColor NearColor() const { return FNearColor; }
  void SetNearColor(TColor Value);
  TfcOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TfcOrientation Value);
  bool Striated() const { return FStriated; }
  void SetStriated(bool Value);

 protected:
  void AssignTo(TPersistent* Dest) override;

 private:
  TfcText* FText;
  int FDepth = 10;
  bool FEnabled = false;
  TColor FFarColor = clBlack, FNearColor = clBlack;
  TfcOrientation FOrientation = fcBottomRight;
  bool FStriated = false;
};

class TfcDisabledColors : public TPersistent {
 public:
  explicit TfcDisabledColors(TfcText* AText) : FText(AText) {}
  String ClassName() const override { return L"TfcDisabledColors"; }
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor ShadeColor() const { return FShadeColor; }
  void SetShadeColor(TColor Value);

 protected:
  void AssignTo(TPersistent* Dest) override;

 private:
  TfcText* FText;
  TColor FHighlightColor = clBtnHighlight, FShadeColor = clBtnShadow;
};

class TfcText : public TPersistent {
 public:
  TfcText(TfcTextCallbacks Callbacks, TCanvas* Canvas, TFont* Font);
  ~TfcText() override;
  String ClassName() const override { return L"TfcText"; }

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  const TRect& TextRect() const { return FTextRect; }
  void SetTextRect(const TRect& Value) { FTextRect = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TfcVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TfcVAlignment Value);
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor ShadeColor() const { return FShadeColor; }
  void SetShadeColor(TColor Value);
  TColor OutlineColor() const { return FOutlineColor; }
  void SetOutlineColor(TColor Value);
  int LineSpacing() const { return FLineSpacing; }
  void SetLineSpacing(int Value);
  TfcTextOptions Options() const { return FOptions; }
  void SetOptions(TfcTextOptions Value);
  // Degrees counter-clockwise, stored within 0..360.
  int Rotation() const { return FRotation; }
  void SetRotation(int Value);
  TfcTextStyle Style() const { return FStyle; }
  void SetStyle(TfcTextStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  UINT Flags() const { return FFlags; }
  TfcShadowEffects* Shadow() const { return FShadow.get(); }
  TfcExtrudeEffects* ExtrudeEffects() const { return FExtrudeEffects.get(); }
  TfcDisabledColors* DisabledColors() const { return FDisabledColors.get(); }
  TFont* Font() const { return FFont; }

  // The rectangle the text needs, with its effects; Unclipped lets it
  // outgrow the text rectangle.
  TRect CalcRectWithFont(bool Unclipped);
  void Draw();
  // Copies F's style, name, size, colour, height, pitch and charset into the shared font.
  void AssignFont(TFont* F);
  TRect LastDrawRect() const { return FDrawRect; }

  // Effect changes reach the owner through these.
  void Changed();
  void AdjustBounds();
  void InvalidateOwner();

 protected:
  void AssignTo(TPersistent* Dest) override;
  TCanvas* GetCanvas() const { return FPaintCanvas ? FPaintCanvas : FCanvas; }
  TfcEffectGeometry Geometry() const;
  TSize CalcTextSize();
  TRect CalcRect(bool Unclipped);
  bool OwnerEnabled() const { return !FCallbacks.GetEnabled || FCallbacks.GetEnabled(); }

  // The style drawers, each around a rotated font made for the pass.
  void DrawDefault();
  void DrawOutlined();
  void DrawEmbossed(bool Raised);
  void DrawShadow(const TRect& R);
  void DrawOutline();
  void DrawExtrusion();
  // The text pass: lines (or justified paragraphs) drawn from R.
  void DrawText(TRect R);
  void DrawTextAt(const TRect& R, TColor Color);

 private:
  class TFontPass;
  void DrawJustified(TRect& R, double SinA, double CosA);
  TfcTextCallbacks FCallbacks;
  TCanvas* FCanvas;
  TCanvas* FPaintCanvas = nullptr;
  TFont* FFont;
  String FText;
  TRect FTextRect, FDrawRect;
  TAlignment FAlignment = taLeftJustify;
  TfcVAlignment FVAlignment = vaTop;
  TColor FHighlightColor = clBtnHighlight, FShadeColor = clBtnShadow, FOutlineColor = clBlack;
  int FLineSpacing = 5;
  TfcTextOptions FOptions{toShowAccel};
  int FRotation = 0;
  TfcTextStyle FStyle = fclsDefault;
  bool FWordWrap = false;
  bool FDoubleBuffered = false;
  UINT FFlags = DT_NOCLIP;
  std::unique_ptr<TfcShadowEffects> FShadow;
  std::unique_ptr<TfcExtrudeEffects> FExtrudeEffects;
  std::unique_ptr<TfcDisabledColors> FDisabledColors;
};

// The renderer as the effect label's TextOptions.
class TfcCaptionText : public TfcText {
 public:
  using TfcText::TfcText;
  String ClassName() const override { return L"TfcCaptionText"; }
};
