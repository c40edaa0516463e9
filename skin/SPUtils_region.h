// Window regions from skin masks (black pixels inside), and TFBitmap, the
// 24-bit copy of a bitmap through which masks are read.
#pragma once

#include <vector>

#include "classlib/Graphics.h"
#include "skin/SPUtils_regiondata.h"

// A top-down 24-bit DIB copy of a bitmap handle with a pointer per row.
class TFBitmap : public TObject {
 public:
  explicit TFBitmap(HBITMAP Bitmap);
  ~TFBitmap() override;
  String ClassName() const override { return L"TFBitmap"; }

  uint8_t* Bits() const { return FPixels.Bits; }
  uint8_t* Rows(int Y) const { return FRows[Y]; }
  int Pad() const { return FPixels.Width % 4; }
  int RowBytes() const { return FPixels.RowBytes; }
  int Size() const { return FPixels.RowBytes * FPixels.Height; }
  int Width() const { return FPixels.Width; }
  int Height() const { return FPixels.Height; }
  HBITMAP Handle() const { return FHandle; }
  HDC DC() const { return FDC; }
  const BITMAPINFOHEADER& Info() const { return FInfo; }
  const TspPixels24& Pixels() const { return FPixels; }

 private:
  HBITMAP FHandle = nullptr;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
  BITMAPINFOHEADER FInfo = {};
  TspPixels24 FPixels;
  std::vector<uint8_t*> FRows;
};

// Region data (RGNDATA layout) of Mask's black pixels shifted by (XOff, YOff);
// returns its size. An empty mask returns 0 and leaves Data alone.
int CreateRegionDataFromMask(TBitmap* Mask, int XOff, int YOff, std::vector<uint8_t>& Data);
// The region of Mask's black pixels (0 for an empty mask).
void CreateMaskRegion(HRGN& Rgn, TBitmap* Mask);
// The mask's border re-composed at width W by tiling (H is not used).
void CreateSkinBorderMasks(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CL,
                           const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                           const TRect& NCL, TBitmap* Mask, TBitmap* TopB, TBitmap* LeftB, TBitmap* RightB,
                           TBitmap* BottomB, int W, int H);
// The region of a whole window at the new size: the mask's border parts that
// have a size and the client rectangle, united. 0 when the new points cross
// or nothing is left. The caller owns the region.
void CreateSkinRegion(HRGN& Rgn, const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                      const TRect& CL, const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                      const TRect& NCL, TBitmap* Mask, int W, int H);
