// The fc effect bitmap: a 24-bit top-down DIB section with direct pixel
// access, in-place effects, smooth stretching, tiling and transparent drawing.
#pragma once

#include <windows.h>

#include <vector>

#include "classlib/Graphics.h"
#include "components/fcBitmapPixels.h"

class TfcBitmap;

// A colour (system colours resolved) as a pixel's 0x00RRGGBB.
uint32_t fcColorToPixelRGB(TColor Color);

// Told of every change of a bitmap it listens to.
class IfcBitmapListener {
 public:
  virtual ~IfcBitmapListener() = default;
  virtual void BitmapChanged(TfcBitmap* Bitmap) = 0;
};

class TfcBitmap : public TGraphic {
 public:
  TfcBitmap();
  ~TfcBitmap() override;
  String ClassName() const override { return L"TfcBitmap"; }

  void Assign(TPersistent* Source) override;
  bool Empty() const override { return FDIB == nullptr; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetWidth(int Value) override { SetSizeIfChanged(Value, FHeight); }
  void SetHeight(int Value) override { SetSizeIfChanged(FWidth, Value); }
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

  // Pixel memory and its layout: Stride = 3 x Width + Width mod 4.
  uint8_t* Bits() const { return FBits; }
  int Stride() const { return FStride; }
  int Gap() const { return FGap; }
  int ImageSize() const { return FStride * FHeight; }
  uint8_t* Row(int Y) const { return FRows[Y]; }
  TspPixels24 Pixels() const { return {FBits, FWidth, FHeight, FStride}; }
  TCanvas* Canvas() { return &FCanvas; }

  bool SmoothStretching() const { return FSmoothStretching; }
  void SetSmoothStretching(bool Value) { FSmoothStretching = Value; }
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor Value);
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value) { FPixelFormat = Value; }
  bool RespectPalette() const { return FRespectPalette; }
  void SetRespectPalette(bool Value) { FRespectPalette = Value; }
  bool UseHalftonePalette() const { return FUseHalftonePalette; }
  void SetUseHalftonePalette(bool Value) { FUseHalftonePalette = Value; }

  void AddListener(IfcBitmapListener* Listener);
  void RemoveListener(IfcBitmapListener* Listener);

  // A new image filled white; either size 0 leaves the bitmap empty.
  void SetSize(int W, int H);
  void SetSizeIfChanged(int W, int H);
  // Stretches the present image to the new size.
  void Resize(int W, int H);
  void Clear() { FreeImage(); }
  void LoadFromBitmap(TBitmap* Bitmap);
  void LoadFromGraphic(TGraphic* Graphic);
  // Builds the image from packed top-down 24-bit rows of Stride24(W) bytes.
  void SetFromBits(const uint8_t* Bits, int Size, int W, int H);
  void SaveToBitmap(TBitmap* Bitmap);
  // Keeps a copy of the pixels and frees the image; Unpark rebuilds it.
  void ParkPixels();
  void UnparkPixels();

  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void SmoothStretchDraw(TCanvas* ACanvas, const TRect& Rect);
  void StretchDrawPlain(TCanvas* ACanvas, const TRect& Rect);
  void TileDraw(TCanvas* ACanvas, const TRect& Rect);
  void TransparentDraw(TCanvas* ACanvas, const TRect& Rect);

  // Effects change the pixels only: the caller repaints.
  void BlurStep(int R) { Apply([&](TspPixels24& p) { fcBlurStepPixels(p, R); }); }
  void Contrast(int Amount) { Apply([&](TspPixels24& p) { fcContrastPixels(p, Amount); }); }
  void Emboss() { Apply([](TspPixels24& p) { fcEmbossPixels(p); }); }
  void Flip(bool Horizontal) { Apply([&](TspPixels24& p) { fcFlipPixels(p, Horizontal); }); }
  void GaussianBlur(int Amount) { Apply([&](TspPixels24& p) { fcGaussianBlurPixels(p, Amount); }); }
  void GrayScale() { Apply([](TspPixels24& p) { fcGrayScalePixels(p); }); }
  void Invert() { Apply([](TspPixels24& p) { InvertPixels(p); }); }
  void Lightness(int Amount) { Apply([&](TspPixels24& p) { fcLightnessPixels(p, Amount); }); }
  void MakeMask(uint32_t Key) { Apply([&](TspPixels24& p) { fcMakeMaskPixels(p, Key); }); }
  void ReplaceColor(uint32_t New, uint32_t Old) { Apply([&](TspPixels24& p) { fcReplaceColorPixels(p, New, Old); }); }
  void Tint(int R, int G, int B) { Apply([&](TspPixels24& p) { fcTintPixels(p, R, G, B); }); }
  void Colorize(int R, int G, int B);
  void Rotate(int Cx, int Cy, double Angle) { Apply([&](TspPixels24& p) { fcRotatePixels(p, Cx, Cy, Angle); }); }
  void Saturation(int Amount) { Apply([&](TspPixels24& p) { fcSaturationPixels(p, Amount); }); }
  void Sharpen(int Amount) { Apply([&](TspPixels24& p) { fcSharpenPixels(p, Amount); }); }
  void Sponge(int Amount) { Apply([&](TspPixels24& p) { fcSpongePixels(p, Amount); }); }
  void Wave(int XDiv, int YDiv, int Ratio, bool Wrap) {
    Apply([&](TspPixels24& p) { fcWavePixels(p, XDiv, YDiv, Ratio, Wrap); });
  }
  // Other of another size is stretched over ours with Stretch, else refused
  // with EInvalidOperation.
  void AlphaBlend(TfcBitmap* Other, int Amount, bool Stretch);

 protected:
  void AssignTo(TPersistent* Dest) override;
  void Changed() override;

 private:
  template <typename F>
  void Apply(F Effect) {
    if (Empty()) return;
    TspPixels24 p = Pixels();
    Effect(p);
  }
  void FreeImage();
  void InitializeImage();
  void NotifyListeners();
  // Palettes matter on displays of 8 bits or fewer only.
  void SelectPalette(TCanvas* ACanvas);
  void RestorePalette(TCanvas* ACanvas);
  HPALETTE BuildPalette();
  void FreeMask();
  TBitmap* Mask();

  int FWidth = 0, FHeight = 0, FStride = 0, FGap = 0;
  uint8_t* FBits = nullptr;
  std::vector<uint8_t*> FRows;
  HBITMAP FDIB = nullptr;
  HBITMAP FOldBitmap = nullptr;
  HDC FDC = nullptr;
  TCanvas FCanvas;
  bool FSmoothStretching = false;
  TColor FTransparentColor = clNone;
  TPixelFormat FPixelFormat = pf24bit;
  bool FRespectPalette = false;
  bool FUseHalftonePalette = false;
  std::vector<uint32_t> FColorTable;
  bool FPaletteFromTable = false, FPaletteHalftone = false;
  TBitmap* FMask = nullptr;
  std::vector<IfcBitmapListener*> FListeners;
  std::vector<uint8_t> FParked;
  int FParkedWidth = 0, FParkedHeight = 0;
  bool FUpdating = false, FDrawingForCopy = false, FTiling = false;
  HPALETTE FPalette = nullptr, FOldPalette = nullptr;
};
