// The skinned container controls: the panel (caption bar, check mark, roll-up,
// transparent mode), the group box, the owner-drawn paint panel and the status
// bar with its size grip.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/ControlTypes.h"
#include "classlib/ExtCtrls.h"
#include "skin/SkinCtrlRecords.h"
#include "skinctrls/SkinControl.h"

using TspSkinBorderStyle = TBevelCut;  // bvFrame, bvRaised, bvLowered, bvNone
enum TspImagePosition { spipDefault, spipLeft };
using TspPaintPanelEvent = TEvent<void(TCanvas* Cnvs, const TRect& R)>;

class TspSkinPanel : public TspSkinCustomControl {
 public:
  explicit TspSkinPanel(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinPanel"; }

  bool CaptionMode() const { return FCaptionMode; }
  virtual void SetCaptionMode(bool Value);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  virtual void SetDefaultCaptionHeight(int Value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);
  TspSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TspSkinBorderStyle Value);
  bool CheckedMode() const { return FCheckedMode; }
  void SetCheckedMode(bool Value);
  bool Checked() const { return FChecked; }
  // With CheckedMode and AutoEnabledControls the children follow the mark.
  void SetChecked(bool Value);
  bool AutoEnabledControls() const { return FAutoEnabledControls; }
  void SetAutoEnabledControls(bool Value) { FAutoEnabledControls = Value; }
  bool RollUpMode() const { return FRollUpMode; }
  // Clearing the mode while rolled up unrolls the panel.
  void SetRollUpMode(bool Value);
  bool RollUpState() const { return FRollUpState; }
  void SetRollUpState(bool Value);
  // The height before the roll-up; -1 while unrolled.
  int RealHeight() const { return FRealHeight; }
  void SetRealHeight(int Value) { FRealHeight = Value; }
  bool TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(bool Value);
  TspImagePosition ImagePosition() const { return FImagePosition; }
  void SetImagePosition(TspImagePosition Value);
  TBitmap* Glyph() const { return FGlyph.Get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
  void SetCaptionImageList(TCustomImageList* Value);
  int CaptionImageIndex() const { return FCaptionImageIndex; }
  void SetCaptionImageIndex(int Value);

  // Where the children go: the whole control through AdjustClientRect.
  TRect GetSkinClientRect() const;
  // The caption line at the current size, where caption clicks count.
  const TRect& CaptionRectNow() const { return FCaptionRectNow; }

  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinPanelControl>; }
  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChecked, OnChangeRollUpState;

 protected:
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) const override;
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void BackgroundChanged() override;
  void Paint() override;
  bool LookCacheable() const override;
  uint64_t LookState() const override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  // Drawn last over the transparent and background-picture looks.
  virtual void PaintContent(TCanvas* Cnvs) {}

  // The caption font: the record's with UseSkinFont and a record, else DefaultFont.
  void SetCaptionFont(TCanvas* Cnvs) const;
  // Piece R of the skin picture drawn at (X, Y); transparent in Color, or in
  // the piece's bottom-left colour when Color is clDefault.
  void DrawPicturePiece(TCanvas* Cnvs, const TRect& R, int X, int Y, bool Transparent,
                        TColor Color = clDefault) const;
  bool HasCaptionImage() const;
  // Size of the caption image or of one glyph frame; 0 without either.
  int CaptionImageWidth() const;
  int CaptionImageHeight() const;
  // The caption image, else the glyph, at X and centred in Top .. Top + Height.
  void DrawCaptionImage(TCanvas* Cnvs, int X, int Top, int Height) const;
  // The height the panel keeps while rolled up.
  int RolledUpHeight();
  // Height of the caption text in the caption font.
  int CaptionTextHeight() const;

  // The panel record of the skin data at SkinIndex; an empty one without it.
  const TspDataSkinPanelControl& Skin() const;
  TRect FCaptionRectNow;

 private:
  void PaintTransparentCaption(TCanvas* Cnvs);
  void PaintTransparentFrame(TCanvas* Cnvs);
  void DrawSkinCaption(TCanvas* Cnvs, const TRect& R, const String& Text);
  void DrawDefaultCaption(TCanvas* Cnvs, TRect Bar);
  void DoRollUp(bool Up);
  void RepaintAndRealign();

  bool FCaptionMode = false;
  int FDefaultCaptionHeight = 22;
  TAlignment FDefaultAlignment = taLeftJustify;
  TspSkinBorderStyle FBorderStyle = bvFrame;
  bool FCheckedMode = false, FChecked = false, FAutoEnabledControls = true;
  bool FRollUpMode = false, FRollUpState = false;
  int FRealHeight = -1;
  bool FTransparentMode = false;
  TspImagePosition FImagePosition = spipDefault;
  TspGlyph FGlyph{this};
  int FNumGlyphs = 1, FSpacing = 2;
  TCustomImageList* FCaptionImageList = nullptr;
  int FCaptionImageIndex = -1;
  bool FRollingUp = false;
  bool FAlignHeld = false;  // alignment suspended while rolled up
  TSizeConstraints FSavedConstraints;
  bool FConstraintsSaved = false;
  std::vector<TControl*> FHiddenByRollUp;
};

class TspSkinGroupBox : public TspSkinPanel {
 public:
  explicit TspSkinGroupBox(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinGroupBox"; }
};

class TspSkinPaintPanel : public TspSkinPanel {
 public:
  explicit TspSkinPaintPanel(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinPaintPanel"; }

  // Draws over the panel's look, given the skin client rectangle.
  TspPaintPanelEvent OnPanelPaint;

 protected:
  void Dispatch(TMessage& Message) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void PaintContent(TCanvas* Cnvs) override;
  // What the owner draws may change at any paint.
  bool LookCacheable() const override { return !OnPanelPaint && TspSkinPanel::LookCacheable(); }
};

class TspSkinStatusBar : public TspSkinPanel, public TspSizeGripLink {
 public:
  explicit TspSkinStatusBar(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinStatusBar"; }

  bool SizeGrip() const override { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  bool ShowGrip() const { return FShowGrip; }
  void SetShowGrip(bool Value) override;
  // The children that are skinned controls take the same skin data.
  void SetSkinData(TspSkinData* Value) override;

  // The grip's rectangle; empty without a grip.
  TRect GripRect() const;

 protected:
  void Dispatch(TMessage& Message) override;
  void AdjustClientRect(TRect& Rect) const override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void PaintContent(TCanvas* Cnvs) override;
  uint64_t LookState() const override { return TspSkinPanel::LookState() << 2 | FSizeGrip << 1 | FShowGrip; }

 private:
  bool HasGrip() const { return FSizeGrip && FShowGrip; }
  bool HasGripPicture() const;
  void DrawGripOn(TCanvas* Cnvs);
  void WMNCHitTest(TMessage& Message);
  // A press on the grip starts sizing the form from its bottom-right corner.
  void WMNCLButtonDown(TMessage& Message);

  bool FSizeGrip = false, FShowGrip = true;
};

// The grip's diagonal lines in R: one dark line every 3 pixels with a light
// one beside it.
void DrawGrip(TCanvas* Cnvs, const TRect& R, TColor Dark, TColor Light);
