// The bases of every skinned control. A control names its record in a skin
// data component (SkinDataName), paints itself double-buffered through a skin
// look and a default look, can blend with its parent's background, and at the
// picture level composes a resizable skin picture at its own size.
//
//   TspSkinControl                windowed (a TCustomControl)
//   TspSkinCustomControl          windowed, with the skin picture and region
//   TspGraphicSkinControl         windowless (a TGraphicControl)
//   TspGraphicSkinCustomControl   windowless, with the skin picture
//
// The windowed and windowless classes share their code through two class
// templates: TspSkinBinding (record look-up, cursor, paint, alpha blend) and
// TspSkinPictureControl (geometry, sizing, composition, default font).
#pragma once

#include <array>

#include <functional>
#include <memory>

#include "classlib/Controls.h"
#include "classlib/ImgList.h"
#include "skinctrls/ControlGeometry.h"
#include "skinctrls/SkinLinked.h"
#include "skinctrls/SkinLookCache.h"

// Sent to the children of a control when the background behind them changed;
// blended and transparent controls repaint and pass it on.
constexpr unsigned MSG_BACKGROUND_CHANGED = WM_USER + 0x104;

// MSG_BACKGROUND_CHANGED to each child of Control in index order: windowed
// children by SendMessage, windowless ones by a direct dispatch.
void BroadcastBackgroundChanged(TWinControl* Control);

// For a control built from parts, in its teardown: Part (a control Whole
// made and owns) leaves Whole's children and components, hidden and
// windowless for good, so that the base's teardown passes it by. It stays whole until
// Whole's destructor frees it: code that runs on in a control freed by a
// handler still finds its parts. The caller takes the part's events off first.
void SetPartAside(TWinControl* Whole, TControl* Part);

// A parent that places its skinned children itself: a tool bar centres them
// vertically in its skin client rectangle when AdjustControls is on.
class TspCentringParent {
 public:
  virtual ~TspCentringParent() = default;
  virtual bool AdjustControls() const = 0;
  virtual TRect GetSkinClientRect() = 0;
};
// The top at which a control of Height stands on Parent: centred when the
// parent centres its controls, else ATop.
int CentredTop(TWinControl* Parent, int ATop, int Height);

// A control's glyph picture, made on first use: most controls never show
// one. A change of its pixels repaints the control.
class TspGlyph {
 public:
  explicit TspGlyph(TControl* Owner) : FOwner(Owner) {}
  // The picture, made now when it was not yet.
  TBitmap* Get() const;
  // The picture when one was made, else nullptr.
  TBitmap* Made() const { return FBitmap.get(); }
  bool Empty() const { return !FBitmap || FBitmap->Empty(); }

 private:
  TControl* FOwner;
  mutable std::unique_ptr<TBitmap> FBitmap;
};

template <class TBase>
class TspSkinBinding : public TspSkinLinked<TBase> {
 public:
  explicit TspSkinBinding(TComponent* AOwner) : TspSkinLinked<TBase>(AOwner) {}

  bool DrawDefault() const { return FDrawDefault; }
  void SetDrawDefault(bool Value) { SetLookValue(FDrawDefault, Value); }
  const String& AreaName() const { return FAreaName; }
  void SetAreaName(const String& Value) { FAreaName = Value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  virtual void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  virtual void SetAlphaBlendValue(uint8_t Value);
  bool UseSkinCursor() const { return FUseSkinCursor; }
  void SetUseSkinCursor(bool Value) { FUseSkinCursor = Value; }
  // The record's cursor number; -1 for none.
  int CursorIndex() const { return FCursorIndex; }
  // Kept for the hint component.
  const String& HintTitle() const { return FHintTitle; }
  void SetHintTitle(const String& Value) { FHintTitle = Value; }
  int HintImageIndex() const { return FHintImageIndex; }
  void SetHintImageIndex(int Value) { FHintImageIndex = Value; }
  TCustomImageList* HintImageList() const { return FHintImageList; }
  void SetHintImageList(TCustomImageList* Value);

  using TspSkinLinked<TBase>::GetSkinData;
  virtual void ClearSkinIndex() { FIndex = -1; }
  void ChangeSkinData() override;
  // Drops the kept look and invalidates the windows the control made for
  // itself: whatever made the control invalidate itself may have changed them.
  void Invalidate() override;
  // True while a composed look is kept for the next paint.
  bool HoldsLook() const { return FLookCache.Holding(); }

  TNotifyEvent OnMouseEnter, OnMouseLeave;

 protected:
  using TspSkinLinked<TBase>::FSkinData;
  using TspSkinLinked<TBase>::FIndex;
  using TspSkinLinked<TBase>::Designing;

  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Composes the control into a bitmap of its size and copies it once.
  void Paint() override;
  // The look without a skin record and the look from the record, drawn into B.
  virtual void CreateControlDefaultImage(TBitmap* B) {}
  virtual void CreateControlSkinImage(TBitmap* B) {}
  // Whether the composed look may be kept between paints: not when it mixes
  // in the parent (alpha blend) or an owner draws on it.
  virtual bool LookCacheable() const { return !FAlphaBlend; }
  // The control's own states that change its picture, packed for the look's
  // key (the size, skin, record, caption, enabled, focus and hover states are
  // in the key already).
  virtual uint64_t LookState() const { return 0; }
  // Everything the look is drawn from that may change without an
  // invalidation; descendants add their font choices.
  virtual TspLookKey LookKey() const;
  // Sets Field, a value the look is drawn from: a change drops the kept look
  // and invalidates the control, so that the setter alone shows it. Every
  // setter of a drawn value goes through here.
  template <class T, class V>
  bool SetLookValue(T& Field, const V& Value) {
    if (Field == Value) return false;
    Field = Value;
    Invalidate();
    return true;
  }
  // The look kept for the key of the moment, or one composed by Compose into
  // a bitmap of the control's size (then kept, when the look may be); drawn
  // at (0, 0) of Canvas.
  void DrawKeptLook(TCanvas* Canvas, const std::function<void(TBitmap*)>& Compose);
  virtual void BackgroundChanged();
  // The skin's cursor (by CursorIndex) when UseSkinCursor is on.
  void ApplySkinCursor();

  String FAreaName;
  bool FDrawDefault = true;
  int FCursorIndex = -1;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FUseSkinCursor = false;
  String FHintTitle;
  int FHintImageIndex = 0;
  TCustomImageList* FHintImageList = nullptr;
  TspLookCache FLookCache;
};

class TspSkinControl : public TspSkinBinding<TCustomControl> {
 public:
  explicit TspSkinControl(TComponent* AOwner);
  ~TspSkinControl() override;
  String ClassName() const override { return L"TspSkinControl"; }
  bool Painting() const { return FPainting; }

 protected:
  void Dispatch(TMessage& Message) override;
  void BackgroundChanged() override;
  void CreateHandleDone() override;
  // Sets the window region (nullptr removes it) and keeps it as FRgn.
  void SetWindowRegion(HRGN Rgn);
  // The inner window of a control built around one, where its keys work;
  // the focus given to the control goes on to it.
  virtual TWinControl* FocusWindow() const { return nullptr; }
  // Hands the focus to FocusWindow; false when there is none to take it.
  bool PassFocusInward();
  // Whether a WM_ERASEBKGND asks for the control's picture in a context of
  // another's (a parent painting its children into a bitmap, a print). The
  // system's own erase of the window outside a paint is followed by the
  // window's WM_PAINT: drawing the look then as well would compose it twice.
  bool ErasesIntoForeignDC(const TMessage& Message) const;

  bool FPainting = false;
  HRGN FRgn = nullptr;
};

class TspGraphicSkinControl : public TspSkinBinding<TGraphicControl> {
 public:
  explicit TspGraphicSkinControl(TComponent* AOwner);
  String ClassName() const override { return L"TspGraphicSkinControl"; }
};

template <class TBase>
class TspSkinPictureControl : public TBase, public TspControlGeometry {
 public:
  explicit TspSkinPictureControl(TComponent* AOwner);

  // The font text is drawn in without a skin font: Arial, 14 pixels, until
  // changed. Made on first use.
  TFont* DefaultFont() const;
  void SetDefaultFont(TFont* Value) { DefaultFont()->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  virtual void SetUseSkinFont(bool Value) { this->SetLookValue(FUseSkinFont, Value); }
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int Value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);

  void GetSkinData() override;
  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // The skin picture, not owned; nullptr without one.
  TBitmap* Picture = nullptr;

 protected:
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override { CreateSkinControlImage(B, Picture, SkinRect); }
  // R of Pict composed at the control's size into B by the resize mode;
  // descendants pass other rectangles of the same geometry.
  virtual void CreateSkinControlImage(TBitmap* B, TBitmap* Pict, const TRect& R);
  virtual void DefaultFontChanged() {}
  TspLookKey LookKey() const override;
  // The size the skin gives W x H; moves the New... geometry there.
  virtual void CalcSize(int& W, int& H) { TspControlGeometry::CalcSize(W, H, this->FIndex != -1); }
  // Called when the size or the skin changed; windowed controls set their region.
  virtual void SkinShapeChanged() {}
  // The active picture Index of the skin data, or nullptr.
  TBitmap* ActivePicture(int Index) const;
  // The font text is drawn in without a skin font.
  void DoDefaultFontChange();

  // The default font to draw with: the control's own once it was asked
  // for, else one font of the same values that all the others share.
  TFont* DrawingDefaultFont() const;

  bool FUseSkinFont = true;
  int FDefaultWidth = 0, FDefaultHeight = 0;

 private:
  mutable std::unique_ptr<TFont> FOwnDefaultFont;
};

class TspSkinCustomControl : public TspSkinPictureControl<TspSkinControl> {
 public:
  explicit TspSkinCustomControl(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinCustomControl"; }

  bool PaintByPieces() const { return FPaintByPieces; }
  void SetPaintByPieces(bool Value) { SetLookValue(FPaintByPieces, Value); }
  bool FillSkinClient() const { return FFillSkinClient; }
  void SetFillSkinClient(bool Value) { SetLookValue(FFillSkinClient, Value); }

  void GetSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TBitmap* MaskPicture = nullptr;

 protected:
  void Paint() override;
  void CreateSkinControlImage(TBitmap* B, TBitmap* Pict, const TRect& R) override;
  void SkinShapeChanged() override { SetControlRegion(); }
  void SetControlRegion();
  void CreateControlRegion();
  // The client piece of the picture over Dest of Canvas, tiled or stretched.
  void FillClientPiece(TCanvas* Canvas, const TRect& Dest);
  // The border images, and the client piece when the control fills its
  // client, composed on B (the control's size); gives the four border areas.
  std::array<TRect, 4> PaintPieces(TBitmap* B);

  bool FPaintByPieces = false;
  bool FFillSkinClient = true;
};

class TspGraphicSkinCustomControl : public TspSkinPictureControl<TspGraphicSkinControl> {
 public:
  explicit TspGraphicSkinCustomControl(TComponent* AOwner);
  String ClassName() const override { return L"TspGraphicSkinCustomControl"; }
};

extern template class TspSkinBinding<TCustomControl>;
extern template class TspSkinBinding<TGraphicControl>;
extern template class TspSkinPictureControl<TspSkinControl>;
extern template class TspSkinPictureControl<TspGraphicSkinControl>;
