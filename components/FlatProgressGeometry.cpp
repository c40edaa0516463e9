// Block snapping and fill of the flat progress bar.
#include "components/FlatProgressGeometry.h"

#include <algorithm>
#include <cstdint>

int FlatBarSnapExtent(int Extent) {
  if (Extent < 12) return 12;
  return (Extent - 3) / kFlatBlockPitch * kFlatBlockPitch + 3;
}

int FlatBarClampPosition(int Value, int Min, int Max) { return std::max(std::min(Value, Max), Min); }

int FlatBarBlockCount(int Extent, int Min, int Max, int Position) {
  const int n = (Extent - 3) / kFlatBlockPitch;
  // An empty range has no fill to show; dividing by it would be meaningless.
  if (n <= 0 || Max <= Min) return 0;
  const double perBlock = (double(Max) - Min) / n;
  const double count = (double(Position) - Min) / perBlock + 0.00000001;
  if (count <= 0) return 0;
  return static_cast<int>(std::min<double>(count, n));
}

std::vector<TRect> FlatBarBlocks(const TRect& R, TProgressBarOrientation Orientation, bool RightToLeft, int Count) {
  std::vector<TRect> blocks;
  for (int i = 0; i < Count; ++i) {
    const int d = i * kFlatBlockPitch;
    if (Orientation == pbVertical)
      blocks.emplace_back(R.Left + 2, R.Bottom - 10 - d, R.Right - 2, R.Bottom - 2 - d);
    else if (RightToLeft)
      blocks.emplace_back(R.Right - 10 - d, R.Top + 2, R.Right - 2 - d, R.Bottom - 2);
    else
      blocks.emplace_back(R.Left + 2 + d, R.Top + 2, R.Left + 10 + d, R.Bottom - 2);
  }
  return blocks;
}

int FlatBarSmoothLength(int Extent, int Min, int Max, int Position) {
  if (Max <= Min) return 0;
  // Wide ranges (disk sizes) would overflow the product in 32 bits.
  return static_cast<int>(int64_t(Extent - 4) * (int64_t(Position) - Min) / (int64_t(Max) - Min));
}

TRect FlatBarSmoothRect(const TRect& R, TProgressBarOrientation Orientation, int Length) {
  if (Length <= 0) return TRect();
  if (Orientation == pbVertical) return TRect(2, R.Bottom - 2 - Length, R.Right - 2, R.Bottom - 2);
  return TRect(2, 2, R.Left + 2 + Length, R.Bottom - 2);
}
