// Graphics on GDI: colours, fonts, pens, brushes, the canvas, graphics
// (bitmaps as DIB sections, icons) and pictures.
//
// Font, pen and brush handles are created on first use and shared between all
// objects with equal attributes; the last user frees the handle.
#pragma once

#include <windows.h>
// The canvas has a TextOut member; the API's A/W macro would rename it.
#undef TextOut

#include <functional>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/GraphicsTypes.h"

class TBitmap;
class TBitmapCanvas;
class TCanvas;
struct TGdiResource;

// A system colour becomes its current RGB value, clNone and clDefault stay as
// they are, and any other value becomes that of its low three bytes (see
// IsSystemColor).
TColor ColorToRGB(TColor Color);
// The header of a top-down DIB without a colour table (BI_RGB).
BITMAPINFO TopDownBitmapInfo(int Width, int Height, int BitCount);

// Base of TFont, TPen and TBrush: attributes plus a shared GDI handle.
class TGraphicsObject : public TPersistent {
 public:
  TGraphicsObject() = default;
  TGraphicsObject(const TGraphicsObject&) = delete;  // handles are shared by count: use Assign
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;
  TNotifyEvent OnChange;
  String ClassName() const override { return L"TGraphicsObject"; }

 protected:
  virtual void Changed();
};

class TFont : public TGraphicsObject {
 public:
  TFont();
  ~TFont() override;
  void Assign(TPersistent* Source) override;
  String ClassName() const override { return L"TFont"; }

  HFONT Handle();
  const String& Name() const { return FName; }
  void SetName(const String& Value);
  // Negative height: character height in pixels; positive: cell height.
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  // Points at PixelsPerInch.
  int Size() const;
  void SetSize(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  // Angle of the text baseline in tenths of a degree, counter-clockwise.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int Value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }

 private:
  void Rebind();
  String FName;
  int FHeight;
  TFontStyles FStyle;
  TColor FColor;
  TFontCharset FCharset;
  TFontPitch FPitch = fpDefault;
  int FOrientation = 0;
  int FPixelsPerInch;
  TGdiResource* FResource = nullptr;
};

// The height of a line of Font on the screen (its text metrics' tmHeight).
int FontLineHeight(HFONT Font);
inline int FontLineHeight(TFont* Font) { return FontLineHeight(Font->Handle()); }

// For drawing or measuring Text on DC: while the font selected there lacks
// letters of the text (its face is missing and the system put one of another
// script in its place, or the face was never made for that script), the
// default GUI font at the same height and style stands in, when it has more of
// them; a system control's text falls back the same way. The DC gets its own
// font back when the scope ends.
class TTextFontScope {
 public:
  TTextFontScope(HDC DC, const wchar_t* Text, int Length);
  ~TTextFontScope();
  TTextFontScope(const TTextFontScope&) = delete;
  TTextFontScope& operator=(const TTextFontScope&) = delete;
  // Whether the default GUI font stands in.
  bool FellBack() const { return FFont != nullptr; }

 private:
  HDC FDC;
  HFONT FFont = nullptr;
  HGDIOBJ FOld = nullptr;
};

// DrawTextW in a face that has the text's letters (see TTextFontScope).
int DrawTextFallback(HDC DC, const wchar_t* Text, int Length, RECT* R, UINT Flags);

class TPen : public TGraphicsObject {
 public:
  TPen();
  ~TPen() override;
  void Assign(TPersistent* Source) override;
  String ClassName() const override { return L"TPen"; }

  HPEN Handle();
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  // Raster operation the canvas applies while drawing with this pen.
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

 private:
  void Rebind();
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
  TGdiResource* FResource = nullptr;
};

class TBrush : public TGraphicsObject {
 public:
  TBrush();
  ~TBrush() override;
  void Assign(TPersistent* Source) override;
  String ClassName() const override { return L"TBrush"; }

  HBRUSH Handle();
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  // Pattern bitmap, not owned; while set it replaces colour and style.
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* Value);

 private:
  void Rebind();
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;
  TGdiResource* FResource = nullptr;
};

// Number of live shared font, pen and brush handles (for leak checks).
int GdiResourceCount();

// ---------------------------------------------------------------------------
// Canvas

using TCopyMode = uint32_t;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

class TGraphic;

// Drawing surface over a device context. Pen, brush and font are selected
// into the DC only when an operation needs them, and deselected when they
// change or the DC goes.
class TCanvas : public TPersistent {
 public:
  TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas() override;
  String ClassName() const override { return L"TCanvas"; }

  // The DC; a canvas that makes its own (bitmap canvas) creates it here.
  HDC Handle();
  // Attaches a DC the canvas does not own (0 detaches).
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* Font() { return &FFont; }
  void SetFont(TFont* Value) { FFont.Assign(Value); }
  TPen* Pen() { return &FPen; }
  void SetPen(TPen* Value) { FPen.Assign(Value); }
  TBrush* Brush() { return &FBrush; }
  void SetBrush(TBrush* Value) { FBrush.Assign(Value); }
  TPoint PenPos();
  void SetPenPos(const TPoint& Value) { MoveTo(Value.X, Value.Y); }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }

  void MoveTo(int X, int Y);
  // Draws to (X, Y) without painting that end point.
  void LineTo(int X, int Y);
  void Polyline(const std::vector<TPoint>& Points);
  void Polygon(const std::vector<TPoint>& Points);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  // Brush only, no pen.
  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);

  // Draws a graphic at its own size (transparently when it is transparent).
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  // Copies Source of Canvas into Dest with CopyMode, scaling when the sizes differ.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

  // Text with the font; the brush fills behind it unless its style is bsClear.
  void TextOut(int X, int Y, const String& Text);
  // Text at (X, Y) clipped to R; an opaque brush fills R first.
  void TextRect(const TRect& R, int X, int Y, const String& Text);
  TSize TextExtent(const String& Text);
  int TextWidth(const String& Text) { return TextExtent(Text).cx; }
  int TextHeight(const String& Text) { return TextExtent(Text).cy; }

  // clNone for a point outside the drawable area.
  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);
  TRect ClipRect();

  // Serialises drawing from several threads on one canvas.
  void Lock();
  void Unlock();
  int LockCount() const { return FLockCount; }

  // Deselects pen, brush and font so they are selected afresh.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  enum TStateFlag { csHandleValid, csFontValid, csPenValid, csBrushValid };
  using TState = TSet<TStateFlag>;

  virtual void CreateHandle() {}
  void RequiredState(TState Required);
  virtual void Changing();
  virtual void Changed();
  // Deselects everything and forgets the DC (for subclasses that own it).
  void ReleaseHandle();

 private:
  void DeselectHandles();
  void CreateFont();
  void CreatePen();
  void CreateBrush();

  HDC FHandle = nullptr;
  TState FState;
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  TCopyMode FCopyMode = cmSrcCopy;
  HGDIOBJ FOldFont = nullptr;
  HGDIOBJ FOldPen = nullptr;
  HGDIOBJ FOldBrush = nullptr;
  CRITICAL_SECTION FLock;
  int FLockCount = 0;
};

// Draws Width nested frames: top and left edges in TopColor, bottom and right
// in BottomColor. Rect shrinks by Width on every side.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// ---------------------------------------------------------------------------
// Graphics

struct TBmpImage;
struct TBmpView;

// An image that can draw itself on a canvas and travel through streams.
class TGraphic : public TPersistent {
 public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;  // owns handles: use Assign
  TGraphic& operator=(const TGraphic&) = delete;
  String ClassName() const override { return L"TGraphic"; }
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  // The file is read whole and then taken by LoadFromStream (a failure
  // leaves the picture as it was); saved whole (SaveFileWhole). Failures
  // name the file.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  virtual void Changed();

 private:
  bool FTransparent = false;
};

// A bitmap held as a DIB section, 24 bits unless set otherwise (pfDevice: a
// device-dependent bitmap).
// Rows of a DIB are reached with ScanLine, top row 0.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;
  String ClassName() const override { return L"TBitmap"; }
  // Copies another bitmap (pixels, format, transparency), draws any other
  // graphic onto a 24-bit bitmap of its size; nullptr empties the bitmap.
  void Assign(TPersistent* Source) override;

  // Canvas on a memory DC that holds the bitmap, made on first use.
  TCanvas* Canvas();
  // The bitmap handle. The canvas lets go of it first (its DC is freed and
  // made again on the next drawing), so the handle can be selected elsewhere.
  HBITMAP Handle();
  // Takes ownership of a bitmap handle (0 empties the bitmap).
  void SetHandle(HBITMAP Value);
  // Gives the handle away; the bitmap is left empty.
  HBITMAP ReleaseHandle();

  bool Empty() const override { return FHandle == nullptr; }
  int Width() const override { return FFullWidth; }
  int Height() const override { return FFullHeight; }
  void SetWidth(int Value) override { SetSize(Value, FFullHeight); }
  void SetHeight(int Value) override { SetSize(FFullWidth, Value); }
  // Keeps the overlapping part of the old image; new pixels are black. A
  // bitmap made at the size of a control that paints inside a
  // TPaintBufferPart keeps only that paint's part (see Partial).
  void SetSize(int AWidth, int AHeight);
  // Whether only StoredPart of the Width x Height image has pixels: drawing
  // on the canvas and drawing the bitmap use the whole image's coordinates,
  // and what falls outside the part is lost. Handle() holds only the part.
  bool Partial() const { return FWidth != FFullWidth || FHeight != FFullHeight; }
  TRect StoredPart() const { return TRect(FPartLeft, FPartTop, FPartLeft + FWidth, FPartTop + FHeight); }

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  // Converts the image. To 1 bit: pixels of the canvas brush colour become
  // white, all others black. From a black-and-white image: black becomes the
  // canvas font colour, white the brush colour.
  void SetPixelFormat(TPixelFormat Value);
  // 1 bit with a black-and-white colour table.
  bool Monochrome() const;
  // True converts to 1 bit; False turns a monochrome image into pfDevice.
  void SetMonochrome(bool Value);
  // First byte of row Row (0 = top); EInvalidGraphic for a row outside the
  // image or a device-dependent bitmap.
  void* ScanLine(int Row);
  // Colour table of a 1-, 4- or 8-bit image, entries 0x00RRGGBB.
  const std::vector<uint32_t>& ColorTable() const { return FColorTable; }
  // Replaces the colour table of a 1-, 4- or 8-bit image; pixels keep their
  // indexes. Missing entries become black, extra ones are dropped.
  void SetColorTable(const std::vector<uint32_t>& Table);

  // tmAuto: the bottom-left pixel; tmFixed: the colour set last.
  TColor TransparentColor();
  // Also switches the mode to tmFixed.
  void SetTransparentColor(TColor Value);
  TBitmapTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TBitmapTransparentMode Value);

  // BMP files. Loading reads exactly one file (its header's size) from the
  // stream position; on bad data it raises EInvalidGraphic and keeps the image.
  void LoadFromStream(TStream* Stream) override;
  // Writes 1, 4 or 8 bits with the colour table, 24 or 32 bits as they are,
  // a device-dependent bitmap as 24 bits.
  void SaveToStream(TStream* Stream) override;
  // A bitmap resource (RT_BITMAP) of the module.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
  void LoadFromBmpImage(const TBmpImage& Image);
  // Decodes a checked BMP file straight into a new section's rows.
  void LoadFromBmpView(const TBmpView& View);
  void SaveToBmpImage(TBmpImage& Image);

 protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

 private:
  friend class TBitmapCanvas;
  void FreeContext();
  // Runs Use with a DC that holds the bitmap (the canvas's, or a temporary one).
  void WithSourceDC(const std::function<void(HDC)>& Use);
  void Clear();
  void Adopt(HBITMAP Handle, void* Bits, int AWidth, int AHeight, TPixelFormat Format,
             std::vector<uint32_t> ColorTable);
  // Rebuild makes Width x Height stored pixels, keeping a partial bitmap's
  // place when the stored size stays; RebuildStored makes a whole bitmap.
  void Rebuild(int AWidth, int AHeight, TPixelFormat Format, std::vector<uint32_t> Table);
  void RebuildStored(int AWidth, int AHeight, TPixelFormat Format, std::vector<uint32_t> Table);
  void SetGeometry(int FullWidth, int FullHeight, const TRect& Part);
  // Sets a DC holding the bitmap to draw in the whole image's coordinates.
  void PlaceStoredPart(HDC DC) const;
  std::vector<uint32_t> ReadPixels32();

  HBITMAP FHandle = nullptr;
  uint8_t* FBits = nullptr;
  int FWidth = 0;  // of the stored pixels
  int FHeight = 0;
  int FFullWidth = 0;  // of the image (larger when partial)
  int FFullHeight = 0;
  int FPartLeft = 0;  // where the stored pixels lie in the image
  int FPartTop = 0;
  TPixelFormat FPixelFormat = pf24bit;
  std::vector<uint32_t> FColorTable;
  TColor FTransparentColor = clDefault;
  TBitmapTransparentMode FTransparentMode = tmAuto;
  TBitmapCanvas* FCanvas = nullptr;
};

// Open while a control paints itself on DC. Paint code composes its look in
// buffers of the control's size; a control larger than can be buffered whole
// (the system allows 32767 x 32767, 4 GB at 32 bits) gets buffers that keep
// only what this paint can show: its clip box, within the monitor the
// window is on. Each TBitmap sized Width x Height meanwhile is partial.
class TPaintBufferPart {
 public:
  TPaintBufferPart(HDC DC, int Width, int Height);
  ~TPaintBufferPart();
  TPaintBufferPart(const TPaintBufferPart&) = delete;
  TPaintBufferPart& operator=(const TPaintBufferPart&) = delete;
  // The part a bitmap of Width x Height keeps: the whole unless an open
  // paint of that size limits it.
  static TRect For(int Width, int Height);
  // Whether a control of Width x Height is buffered whole by every paint.
  static bool Whole(int Width, int Height);

 private:
  const TPaintBufferPart* FOuter;
  int FWidth, FHeight;
  TRect FPart;
  bool FLimits;
};

// An icon (HICON). Streams hold .ico files; a loaded file is saved back as
// it was read, an icon made from a handle is saved with 32-bit colour.
class TIcon : public TGraphic {
 public:
  TIcon() = default;
  ~TIcon() override;
  String ClassName() const override { return L"TIcon"; }
  void Assign(TPersistent* Source) override;

  HICON Handle() const { return FHandle; }
  // Takes ownership of the icon (0 empties it).
  void SetHandle(HICON Value);
  HICON ReleaseHandle();

  bool Empty() const override { return FHandle == nullptr; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  // An icon's size comes from its image: EInvalidGraphic.
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;

  // Reads an .ico file from the stream position to its end and takes the
  // image closest to the system icon size. Bad data: EInvalidGraphic, the
  // icon unchanged.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

 protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

 private:
  void Take(HICON Handle, std::vector<uint8_t> Data);
  HICON FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  std::vector<uint8_t> FData;  // the .ico file it was loaded from
};

// Holds one graphic: a bitmap or an icon.
class TPicture : public TPersistent {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;
  ~TPicture() override;
  String ClassName() const override { return L"TPicture"; }
  // A picture or graphic is copied; nullptr clears the picture.
  void Assign(TPersistent* Source) override;

  TGraphic* Graphic() const { return FGraphic; }
  // Copies Value: bitmaps and icons keep their class, other graphics are
  // drawn into a bitmap. nullptr clears the picture.
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap; a picture holding something else is replaced by
  // an empty bitmap.
  TBitmap* Bitmap();
  TIcon* Icon();
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // By extension: .bmp or .ico (EInvalidGraphic for others).
  void LoadFromFile(const String& FileName);
  // EInvalidGraphic for an empty picture.
  void SaveToFile(const String& FileName);

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* Dest) override;
  virtual void Changed();

 private:
  void Replace(TGraphic* NewGraphic);
  TGraphic* FGraphic = nullptr;
};
