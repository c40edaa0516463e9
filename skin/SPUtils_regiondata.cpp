#include "skin/SPUtils_regiondata.h"

#include <algorithm>
#include <cstring>

namespace {

void PutInt(std::vector<uint8_t>& d, size_t at, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  d[at] = u & 0xFF;
  d[at + 1] = (u >> 8) & 0xFF;
  d[at + 2] = (u >> 16) & 0xFF;
  d[at + 3] = (u >> 24) & 0xFF;
}

bool Inside(const uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

}  // namespace

int BuildRegionData(const TspPixels24& Mask, int XOff, int YOff, std::vector<uint8_t>& Data) {
  if (Mask.Empty()) return 0;
  std::vector<TRect> rects;
  for (int y = 0; y < Mask.Height; ++y) {
    const uint8_t* row = Mask.Row(y);
    int x = 0;
    while (x < Mask.Width) {
      if (!Inside(row + 3 * x)) {
        ++x;
        continue;
      }
      const int x0 = x;
      while (x < Mask.Width && Inside(row + 3 * x)) ++x;
      rects.emplace_back(XOff + x0, YOff + y, XOff + x, YOff + y + 1);
    }
  }
  const size_t size = spRgnHeaderSize + 16 * rects.size();
  Data.assign(size, 0);
  PutInt(Data, 0, spRgnHeaderSize);
  PutInt(Data, 4, 1);  // rectangles
  PutInt(Data, 8, static_cast<int32_t>(rects.size()));
  PutInt(Data, 12, 0);
  PutInt(Data, 16, XOff);
  PutInt(Data, 20, YOff);
  PutInt(Data, 24, XOff + Mask.Width);
  PutInt(Data, 28, YOff + Mask.Height);
  size_t at = spRgnHeaderSize;
  for (const TRect& r : rects) {
    PutInt(Data, at, r.Left);
    PutInt(Data, at + 4, r.Top);
    PutInt(Data, at + 8, r.Right);
    PutInt(Data, at + 12, r.Bottom);
    at += 16;
  }
  return static_cast<int>(size);
}

TspPixelBuffer24 ComposeMask(const TspPixels24& Mask, const TspComposition& Plan) {
  TspPixelBuffer24 out(Plan.Width, Plan.Height, 255);
  TspPixels24 dst = out.View();
  if (dst.Empty() || Mask.Empty()) return out;
  // Masks are composed by tiling only: every copy keeps its size.
  const auto copy = [&](const TRect& Source, const TRect& Dest) {
    const int dx = Dest.Left - Source.Left, dy = Dest.Top - Source.Top;
    const int left = std::max({Source.Left, 0, -dx});
    const int top = std::max({Source.Top, 0, -dy});
    const int right = std::min({Source.Right, Source.Left + Dest.Width(), Mask.Width, dst.Width - dx});
    const int bottom = std::min({Source.Bottom, Source.Top + Dest.Height(), Mask.Height, dst.Height - dy});
    for (int y = top; y < bottom && left < right; ++y)
      std::memcpy(dst.Pixel(left + dx, y + dy), Mask.Pixel(left, y), 3 * (right - left));
  };
  for (const TspDrawOp& op : Plan.Ops) {
    if (op.Kind == dokTile)
      ForEachTileCopy(op, copy);
    else
      copy(op.Source, op.Dest);
  }
  return out;
}

TspSkinRegionParts BuildSkinRegionParts(const TspSkinGeometry& Old, const TspSkinGeometry& New,
                                        const TspPixels24& Mask, int W) {
  TspSkinRegionParts r;
  if (New.LT.X > New.RT.X || New.LT.Y > New.LB.Y) return r;
  r.Valid = true;
  r.Client = New.CL;
  const TspBorderPlans plans = PlanSkinBorderMasks(Old, New, Mask.Width, Mask.Height, W);
  const struct {
    const TspComposition& Plan;
    TPoint Offset;
  } parts[] = {
      {plans.Top, TPoint(0, 0)},
      {plans.Bottom, TPoint(0, New.CL.Bottom)},
      {plans.Left, TPoint(0, New.CL.Top)},
      {plans.Right, TPoint(New.CL.Right, New.CL.Top)},
  };
  for (const auto& part : parts) {
    if (!part.Plan.Apply || part.Plan.Width <= 0 || part.Plan.Height <= 0) continue;
    const TspPixelBuffer24 image = ComposeMask(Mask, part.Plan);
    std::vector<uint8_t> data;
    if (BuildRegionData(image.View(), part.Offset.X, part.Offset.Y, data) > 0) r.Parts.push_back(std::move(data));
  }
  return r;
}
