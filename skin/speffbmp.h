// Effect bitmaps: TspEffectBmp, a 24-bit DIB section for morphs, inactive
// effects and turns; TspBitmap, a 32-bit DIB section with an alpha byte for
// blended and colour-keyed drawing and glow. The pixel rules themselves live
// in speffbmp_pixels and speffbmp_alpha.
#pragma once

#include "classlib/Graphics.h"
#include "classlib/ImgList.h"
#include "skin/speffbmp_alpha.h"
#include "skin/speffbmp_pixels.h"

class TspEffectBmp : public TObject {
 public:
  // An empty image of the given size (CreateSize).
  TspEffectBmp(int AWidth, int AHeight);
  // An image of the bitmap's size holding its pixels (CreateFromBitmapHandle).
  explicit TspEffectBmp(HBITMAP Bitmap);
  ~TspEffectBmp() override;
  String ClassName() const override { return L"TspEffectBmp"; }

  HBITMAP Handle() const { return FHandle; }
  int Width() const { return FPixels.Width; }
  int Height() const { return FPixels.Height; }
  int Size() const { return FPixels.RowBytes * FPixels.Height; }
  uint8_t* Bits() const { return FPixels.Bits; }
  const BITMAPINFOHEADER& Info() const { return FInfo; }
  TspPixels24& Pixels() { return FPixels; }

  void Draw(HDC DC, int X, int Y);

  void Morph(TspEffectBmp* Other, double k);
  void MorphRect(TspEffectBmp* Other, const TRect& R, int X, int Y, double k);
  void MorphGrad(TspEffectBmp* Other, double k);
  void MorphLeftGrad(TspEffectBmp* Other, double k);
  void MorphRightGrad(TspEffectBmp* Other, double k);
  void MorphLeftSlide(TspEffectBmp* Other, double k);
  void MorphRightSlide(TspEffectBmp* Other, double k);
  void MorphPush(TspEffectBmp* Other, double k);

  void ChangeBrightness(double k);
  void ChangeDarkness(double k);
  void GrayScale();
  void AddColorNoise(int Amount);
  void SplitBlur(int Distance);
  void Invert();

  // Turned or flipped copies; the destination must have the turned size.
  void Rotate90(TspEffectBmp* Dest);
  void Rotate270(TspEffectBmp* Dest);
  void FlipVertical(TspEffectBmp* Dest);

 private:
  void Allocate(int AWidth, int AHeight);
  HBITMAP FHandle = nullptr;
  BITMAPINFOHEADER FInfo = {};
  TspPixels24 FPixels;
};

class TspBitmap : public TPersistent {
 public:
  TspBitmap();
  ~TspBitmap() override;
  String ClassName() const override { return L"TspBitmap"; }

  // Copies another TspBitmap (with tag text and flags), a TBitmap, or any
  // other graphic, also inside a TPicture (drawn over magenta; what is not
  // magenta is taken).
  void Assign(TPersistent* Source) override;

  // (Re)creates the DIB section when the size changes; absolute values, nothing
  // when either is 0.
  void SetSize(int AWidth, int AHeight);
  bool Empty() const { return FHandle == nullptr; }
  int Width() const { return FPixels.Width; }
  int Height() const { return FPixels.Height; }
  TspPixel* Bits() const { return FPixels.Bits; }
  const TspPixels32& Pixels() const { return FPixels; }
  HBITMAP Handle() const { return FHandle; }
  HDC DC() const { return FDC; }
  const BITMAPINFOHEADER& Info() const { return FInfo; }
  TCanvas* Canvas();
  const String& TagText() const { return FTagText; }
  void SetTagText(const String& Value) { FTagText = Value; }

  bool HasAlpha = false;
  bool HasKey = false;

  TspPixel* ScanLine(int Y) const { return FPixels.Row(Y); }
  TspPixel* PixelPtr(int X, int Y) const { return FPixels.Row(Y) + X; }
  TspPixel GetPixel(int X, int Y) const;
  void SetPixel(int X, int Y, TspPixel Value);
  void SetAlpha(uint8_t Alpha);
  void UpdateAlphaFlag();
  void SetKeyColor(TspPixel Value);

  void Draw(TCanvas* ACanvas, int X, int Y);
  void Draw(HDC ADC, int X, int Y);
  void DrawRect(HDC ADC, const TRect& DestRect, const TRect& SrcRect);
  void DrawToBitmap(TspBitmap* Target, int X, int Y);
  void DrawToBitmap(TspBitmap* Target, const TRect& DestRect, const TRect& SrcRect);

  // Copies into a TBitmap (made 32-bit), a TPicture's bitmap or the clipboard.
  void AssignTo(TPersistent* Dest) override;

  // The registered TspBitmap whose DC this is, or nullptr.
  static TspBitmap* FromDC(HDC ADC);

 private:
  void Release();
  TspDrawMode Mode() const { return HasAlpha ? dmBlend : (HasKey ? dmKey : dmCopy); }
  HBITMAP FHandle = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
  HDC FDC = nullptr;
  TCanvas* FCanvas = nullptr;
  BITMAPINFOHEADER FInfo = {};
  TspPixels32 FPixels;
  String FTagText;
};

// SrcRect of Src drawn into DestRect of the DC by Mode (dmBlend: by each
// pixel's alpha; dmKey: all but the key colour), straight into the pixels of
// a TspBitmap's DC, else through a copy of the part of DestRect the DC shows.
void DrawPixelsOnDC(HDC ADC, const TRect& DestRect, const TspPixels32& Src, const TRect& SrcRect, TspDrawMode Mode);

// Blurs a TspBitmap in place with the stack blur; nothing when Radius < 1.
void BlurBitmap(TspBitmap* Bitmap, int Radius);
// Alpha of each target pixel := (red + green + blue) / 3 of the source pixel.
void AlphaFromGray(TspBitmap* Target, TspBitmap* Source);
// Every pixel of Bitmap becomes Color with alpha = its red value; HasAlpha.
void ColorGlow(TspBitmap* Bitmap, TColor Color);

// Glyph silhouette of a glyph bitmap drawn into Target at (o, o), (o - 1,
// o - 1) and (o + 1, o + 1); the glyph's top-left pixel is the background.
void DrawBitmapGlyphGlow(TspBitmap* Target, TBitmap* Glyph, int Offset);
// The same for image Index of an image list.
void DrawImageListGlyphGlow(TspBitmap* Target, TCustomImageList* Images, int Index, int Offset);
