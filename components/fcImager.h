// The imager: a picture shown through the effect bitmap's effects in one of
// six draw styles, with optional keyboard focus for the clipboard keys.
#pragma once

#include <memory>
#include <vector>

#include "classlib/Controls.h"
#include "components/fcBitmap.h"
#include "components/fcImagerGeometry.h"

class TfcBitmapOptions;
class TfcCustomImager;

// Blend of another bitmap over the image; off with Amount 0 or an empty bitmap.
class TfcAlphaBlend : public TPersistent {
 public:
  explicit TfcAlphaBlend(TfcBitmapOptions* Options) : FOptions(Options) {}
  String ClassName() const override { return L"TfcAlphaBlend"; }
  int Amount() const { return FAmount; }
  void SetAmount(int Value);
  TfcBitmap* Bitmap() { return &FBitmap; }
  void SetBitmap(TfcBitmap* Value);
  bool Transparent() const { return FBitmap.Transparent(); }
  void SetTransparent(bool Value);

 private:
  void Changed();
  TfcBitmapOptions* FOptions;
  int FAmount = 0;
  TfcBitmap FBitmap;
  bool FChanging = false;
};

class TfcRotate : public TPersistent {
 public:
  explicit TfcRotate(TfcBitmapOptions* Options) : FOptions(Options) {}
  String ClassName() const override { return L"TfcRotate"; }
  int CenterX() const { return FCenterX; }
  void SetCenterX(int Value);
  int CenterY() const { return FCenterY; }
  void SetCenterY(int Value);
  int Angle() const { return FAngle; }
  void SetAngle(int Value);

 private:
  TfcBitmapOptions* FOptions;
  int FCenterX = -1, FCenterY = -1, FAngle = 0;
};

class TfcWave : public TPersistent {
 public:
  explicit TfcWave(TfcBitmapOptions* Options) : FOptions(Options) {}
  String ClassName() const override { return L"TfcWave"; }
  int XDiv() const { return FXDiv; }
  void SetXDiv(int Value);
  int YDiv() const { return FYDiv; }
  void SetYDiv(int Value);
  int Ratio() const { return FRatio; }
  void SetRatio(int Value);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool Value);
  bool Active() const { return FRatio != 0 && FXDiv != 0 && FYDiv != 0; }

 private:
  TfcBitmapOptions* FOptions;
  int FXDiv = 0, FYDiv = 0, FRatio = 0;
  bool FWrap = false;
};

// The imager's effect settings; every change rebuilds the working image.
class TfcBitmapOptions : public TPersistent {
 public:
  explicit TfcBitmapOptions(TfcCustomImager* Imager);
  String ClassName() const override { return L"TfcBitmapOptions"; }

  TfcAlphaBlend* AlphaBlend() { return &FAlphaBlend; }
  TfcRotate* Rotation() { return &FRotation; }
  TfcWave* Wave() { return &FWave; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  int Contrast() const { return FContrast; }
  void SetContrast(int Value) { Store(FContrast, Value); }
  bool Embossed() const { return FEmbossed; }
  void SetEmbossed(bool Value) { Store(FEmbossed, Value); }
  TColor TintColor() const { return FTintColor; }
  void SetTintColor(TColor Value) { Store(FTintColor, Value); }
  int GaussianBlur() const { return FGaussianBlur; }
  void SetGaussianBlur(int Value) { Store(FGaussianBlur, Value); }
  bool GrayScale() const { return FGrayScale; }
  void SetGrayScale(bool Value) { Store(FGrayScale, Value); }
  bool HorizontallyFlipped() const { return FHorizontallyFlipped; }
  void SetHorizontallyFlipped(bool Value) { Store(FHorizontallyFlipped, Value); }
  bool Inverted() const { return FInverted; }
  void SetInverted(bool Value) { Store(FInverted, Value); }
  int Lightness() const { return FLightness; }
  void SetLightness(int Value) { Store(FLightness, Value); }
  int Saturation() const { return FSaturation; }
  void SetSaturation(int Value) { Store(FSaturation, Value); }
  int Sharpen() const { return FSharpen; }
  void SetSharpen(int Value) { Store(FSharpen, Value); }
  int Sponge() const { return FSponge; }
  void SetSponge(int Value) { Store(FSponge, Value); }
  bool VerticallyFlipped() const { return FVerticallyFlipped; }
  void SetVerticallyFlipped(bool Value) { Store(FVerticallyFlipped, Value); }

  // Rebuilds held back until the matching EndUpdate.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // The rebuild: the picture copied into the working image, then every active effect.
  virtual void Changed();
  bool Tile() const { return FTile; }
  void SetTile(bool Value) { FTile = Value; }
  TNotifyEvent OnChange;

 private:
  template <typename T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  void ApplyEffects(TfcBitmap* Work);
  TfcCustomImager* FImager;
  TfcAlphaBlend FAlphaBlend{this};
  TfcRotate FRotation{this};
  TfcWave FWave{this};
  TColor FColor = clNone, FTintColor = clNone;
  int FContrast = 0, FGaussianBlur = 0, FLightness = 0, FSaturation = -1, FSharpen = 0, FSponge = 0;
  bool FEmbossed = false, FGrayScale = false, FHorizontallyFlipped = false, FInverted = false,
       FVerticallyFlipped = false;
  bool FTile = false;
  int FUpdateCount = 0;
};

// The hidden window that holds the keyboard focus for an imager.
class TfcImagerWinControl : public TWinControl {
 public:
  TfcImagerWinControl(TComponent* AOwner, TfcCustomImager* Imager);
  String ClassName() const override { return L"TfcImagerWinControl"; }
  void Dispatch(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;

 private:
  TfcCustomImager* FImager;
};

class TfcCustomImager : public TGraphicControl {
 public:
  explicit TfcCustomImager(TComponent* AOwner);
  ~TfcCustomImager() override;
  String ClassName() const override { return L"TfcCustomImager"; }

  TPicture* Picture() { return &FPicture; }
  void SetPicture(TPersistent* Value) { FPicture.Assign(Value); }
  TfcBitmapOptions* BitmapOptions() { return &FOptions; }
  TfcBitmap* WorkingBitmap() { return &FWork; }
  TfcImagerDrawStyle DrawStyle() const { return FDrawStyle; }
  void SetDrawStyle(TfcImagerDrawStyle Value);
  bool PreProcess() const { return FPreProcess; }
  void SetPreProcess(bool Value);
  void SetAutoSize(bool Value) override;
  bool SmoothStretching() const { return FWork.SmoothStretching(); }
  void SetSmoothStretching(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TColor TransparentColor() const { return FWork.TransparentColor(); }
  void SetTransparentColor(TColor Value);
  bool RespectPalette() const { return FRespectPalette; }
  void SetRespectPalette(bool Value);
  bool Focusable() const { return FFocusable; }
  void SetFocusable(bool Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int Value);
  TfcImagerWinControl* FocusControl() const { return FFocusControl; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void Invalidate() override;
  void Loaded() override;

  void AddListener(IfcBitmapListener* Listener);
  void RemoveListener(IfcBitmapListener* Listener);
  bool PictureEmpty() const;
  virtual void UpdateWorkingBitmap();
  virtual void Reapply();
  virtual void CopyToClipboard();
  virtual void CutToClipboard();
  virtual void PasteFromClipboard();
  virtual void SetFocus();
  // Where the working image is drawn in the present style.
  TRect DrawRect() const;

  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter, OnExit;

 protected:
  friend class TfcImagerWinControl;
  friend class TfcBitmapOptions;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  virtual void CreateFocusControl();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void BitmapChanged(TObject* Sender);
  virtual void PictureChanged(TObject* Sender);
  virtual void AdjustAutoSize();
  virtual void DoKeyDown(WORD& Key, TShiftState Shift);
  virtual void DoKeyUp(WORD& Key, TShiftState Shift);
  virtual void DoKeyPress(wchar_t& Key);
  virtual void DoEnter();
  virtual void DoExit();

 private:
  void InvalidateOnParent(bool Erase);
  void TellListeners();
  bool Loading() const { return ComponentState().Contains(csLoading); }
  TPicture FPicture;
  TfcBitmap FWork;
  TfcBitmapOptions FOptions{this};
  std::vector<IfcBitmapListener*> FListeners;
  TfcImagerDrawStyle FDrawStyle = fcds::dsNormal;
  bool FPreProcess = true, FTransparent = false, FRespectPalette = true;
  bool FFocusable = false, FTabStop = false;
  int FTabOrder = -1;
  bool FInSetBounds = false, FInAutoSize = false;
  TfcImagerWinControl* FFocusControl = nullptr;
};

class TfcImager : public TfcCustomImager {
 public:
  using TfcCustomImager::TfcCustomImager;
  String ClassName() const override { return L"TfcImager"; }
};
