#include "skin/speffbmp_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "skin/speffbmp_mix.h"

namespace {

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

void CopyPixel(uint8_t* dst, const uint8_t* src) {
  dst[0] = src[0];
  dst[1] = src[1];
  dst[2] = src[2];
}

bool CanMorph(const TspPixels24& Old, const TspPixels24& New) {
  return !Old.Empty() && !New.Empty() && Old.SameSize(New);
}

// Soft edge of a gradient: t starts at 0 at the first column (or row) and
// grows by Step, never above 1; the pixel becomes t x old + (1 - t) x new.
struct SoftEdge {
  double t = 0;
  double Step;
  explicit SoftEdge(double step) : Step(step) {}
  double Next() {
    const double now = t;
    t = std::min(t + Step, 1.0);
    return now;
  }
};

void MixPixel(uint8_t* old, const uint8_t* nw, double t) {
  for (int c = 0; c < 3; ++c)
    old[c] = static_cast<uint8_t>(Clamp(RoundHalfEven(t * old[c] + (1 - t) * nw[c]), 0, 255));
}

void GradColumns(TspPixels24& Old, const TspPixels24& New, int first, int last, int dir, double step) {
  for (int y = 0; y < Old.Height; ++y) {
    uint8_t* a = Old.Row(y);
    const uint8_t* b = New.Row(y);
    SoftEdge edge(step);
    for (int x = first;; x += dir) {
      MixPixel(a + 3 * x, b + 3 * x, edge.Next());
      if (x == last) break;
    }
  }
}

void GradRows(TspPixels24& Old, const TspPixels24& New, int first, int last, int dir, double step) {
  SoftEdge edge(step);
  for (int y = first;; y += dir) {
    const double t = edge.Next();
    uint8_t* a = Old.Row(y);
    const uint8_t* b = New.Row(y);
    for (int x = 0; x < Old.Width; ++x) MixPixel(a + 3 * x, b + 3 * x, t);
    if (y == last) break;
  }
}

// Every channel c becomes (1 - k) x c + k x target.
void MixRows(TspPixels24& Img, uint8_t target, double k) {
  k = ClampFactor(k);
  uint8_t table[256];
  for (int c = 0; c < 256; ++c) table[c] = MixByFormula(c, target, k);
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* row = Img.Row(y);
    for (int i = 0, n = 3 * Img.Width; i < n; ++i) row[i] = table[row[i]];
  }
}

uint32_t GRandSeed = 0;

}  // namespace

TspPixelBuffer24::TspPixelBuffer24(int Width, int Height, uint8_t Fill) {
  if (Width <= 0 || Height <= 0) return;
  FView.Width = Width;
  FView.Height = Height;
  FView.RowBytes = RowBytes24(Width);
  FData.assign(static_cast<size_t>(FView.RowBytes) * Height, Fill);
  FView.Bits = FData.data();
}

TspPixelBuffer24& TspPixelBuffer24::operator=(const TspPixelBuffer24& Other) {
  FData = Other.FData;
  FView = Other.FView;
  FView.Bits = FData.empty() ? nullptr : FData.data();
  return *this;
}

void MorphPixels(TspPixels24& Old, const TspPixels24& New, double k) {
  if (!CanMorph(Old, New)) return;
  const TspRowMixer mixer(k);
  for (int y = 0; y < Old.Height; ++y) mixer.Mix(Old.Row(y), New.Row(y), 3 * Old.Width);
}

void MorphRectPixels(TspPixels24& Old, const TspPixels24& New, TRect R, int x, int y, double k) {
  if (Old.Empty() || New.Empty()) return;
  // Clip R to this image and the paired rectangle to the other one.
  int dx = x - R.Left, dy = y - R.Top;
  R.Left = std::max({R.Left, 0, -dx});
  R.Top = std::max({R.Top, 0, -dy});
  R.Right = std::min({R.Right, Old.Width, New.Width - dx});
  R.Bottom = std::min({R.Bottom, Old.Height, New.Height - dy});
  if (R.IsEmpty()) return;
  const TspRowMixer mixer(k);
  for (int row = R.Top; row < R.Bottom; ++row)
    mixer.Mix(Old.Pixel(R.Left, row), New.Pixel(R.Left + dx, row + dy), 3 * R.Width());
}

void MorphGradPixels(TspPixels24& Old, const TspPixels24& New, double k) {
  if (!CanMorph(Old, New)) return;
  const int W = Old.Width, H = Old.Height;
  if (W < H) {
    const int n = Clamp(RoundHalfEven(H * k), 0, H);
    const int half = (H - 1 - n) / 2;
    const double step = half == 0 ? 0.0 : 1.0 / half;
    const int top = std::max(H / 2 - n / 2, 0);
    const int bottom = std::min(H / 2 + n / 2, H - 1);
    for (int y = top; y <= bottom; ++y) std::memcpy(Old.Row(y), New.Row(y), 3 * W);
    GradRows(Old, New, top, 0, -1, step);
    GradRows(Old, New, bottom, H - 1, +1, step);
  } else {
    const int n = Clamp(RoundHalfEven(W * k), 0, W);
    const int half = (W - n) / 2;
    const double step = half == 0 ? 1.0 : 1.0 / half;
    const int left = std::max(W / 2 - n / 2, 0);
    const int right = std::min(W / 2 + n / 2, W - 1);
    for (int y = 0; y < H; ++y)
      std::memcpy(Old.Pixel(left, y), New.Pixel(left, y), 3 * (right - left + 1));
    GradColumns(Old, New, left, 0, -1, step);
    GradColumns(Old, New, right, W - 1, +1, step);
  }
}

void MorphLeftGradPixels(TspPixels24& Old, const TspPixels24& New, double k) {
  if (!CanMorph(Old, New) || Old.Width < 2) return;
  const int W = Old.Width;
  const int n = Clamp(RoundHalfEven(W * k), 1, W - 1);
  GradColumns(Old, New, 0, n, +1, 1.0 / n);
}

void MorphRightGradPixels(TspPixels24& Old, const TspPixels24& New, double k) {
  if (!CanMorph(Old, New)) return;
  const int W = Old.Width;
  const int n = Clamp(W - RoundHalfEven(W * k), 0, W - 1);
  GradColumns(Old, New, W - 1, n, -1, 1.0 / (W - n));
}

void MorphLeftSlidePixels(TspPixels24& Old, const TspPixels24& New, double k) {
  if (!CanMorph(Old, New) || Old.Width < 2) return;
  const int W = Old.Width;
  const int n = Clamp(RoundHalfEven(W * k), 1, W - 1);
  for (int y = 0; y < Old.Height; ++y) std::memcpy(Old.Row(y), New.Pixel(W - n, y), 3 * n);
}

void MorphRightSlidePixels(TspPixels24& Old, const TspPixels24& New, double k) {
  if (!CanMorph(Old, New) || Old.Width < 2) return;
  const int W = Old.Width;
  const int n = Clamp(RoundHalfEven(W * k), 1, W - 1);
  for (int y = 0; y < Old.Height; ++y) std::memcpy(Old.Pixel(W - n, y), New.Row(y), 3 * n);
}

void MorphPushPixels(TspPixels24& Old, const TspPixels24& New, double k) {
  if (!CanMorph(Old, New)) return;
  const int W = Old.Width;
  const int n = Clamp(RoundHalfEven(W * k), 0, W - 1);
  std::vector<uint8_t> copy(3 * W);
  for (int y = 0; y < Old.Height; ++y) {
    uint8_t* a = Old.Row(y);
    std::memcpy(copy.data(), a, copy.size());
    for (int x = W - 1; x >= n; --x) CopyPixel(a + 3 * x, copy.data() + 3 * std::max(x - n - 1, 0));
    std::memcpy(a, New.Pixel(W - n - 1, y), 3 * (n + 1));
  }
}

void MorphPixelsByKind(TspPixels24& Old, const TspPixels24& New, int Kind, double k) {
  switch (Kind) {
    case 1: MorphGradPixels(Old, New, k); break;
    case 2: MorphLeftGradPixels(Old, New, k); break;
    case 3: MorphRightGradPixels(Old, New, k); break;
    case 4: MorphLeftSlidePixels(Old, New, k); break;
    case 5: MorphRightSlidePixels(Old, New, k); break;
    case 6: MorphPushPixels(Old, New, k); break;
    default: MorphPixels(Old, New, k); break;
  }
}

void ChangeBrightnessPixels(TspPixels24& Img, double k) {
  if (!Img.Empty()) MixRows(Img, 255, k);
}

void ChangeDarknessPixels(TspPixels24& Img, double k) {
  if (!Img.Empty()) MixRows(Img, 0, k);
}

void GrayScalePixels(TspPixels24& Img) {
  if (Img.Empty()) return;
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3) {
      // 0.3 red + 0.59 green + 0.11 blue in hundredths, rounded half to even.
      const int v = 30 * p[2] + 59 * p[1] + 11 * p[0];
      int g = v / 100;
      const int r = v % 100;
      if (r > 50 || (r == 50 && (g & 1))) ++g;
      p[0] = p[1] = p[2] = static_cast<uint8_t>(g);
    }
  }
}

void AddColorNoisePixels(TspPixels24& Img, int Amount) {
  if (Img.Empty() || Amount < 1) return;
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3) {
      const int r = Random(Amount) - Amount / 2;
      for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(Clamp(p[c] + r, 0, 255));
    }
  }
}

void SplitBlurPixels(TspPixels24& Img, int d) {
  if (Img.Empty() || d < 1) return;
  const int W = Img.Width, H = Img.Height;
  // A sample beyond the far edge mirrors to W - x (H - y); where that is outside
  // too, the pixel's own column (row) is used.
  auto nearCol = [&](int x) { return x - d < 0 ? x : x - d; };
  auto farCol = [&](int x) { return x + d < W ? x + d : (W - x < W ? W - x : x); };
  auto nearRow = [&](int y) { return y - d < 0 ? y : y - d; };
  auto farRow = [&](int y) { return y + d < H ? y + d : (H - y < H ? H - y : y); };
  std::vector<uint8_t> row(3 * W);
  for (int y = 0; y < H; ++y) {
    const uint8_t* up = Img.Row(nearRow(y));
    const uint8_t* down = Img.Row(farRow(y));
    for (int x = 0; x < W; ++x) {
      const int l = 3 * nearCol(x), r = 3 * farCol(x);
      for (int c = 0; c < 3; ++c)
        row[3 * x + c] = static_cast<uint8_t>((up[l + c] + down[l + c] + up[r + c] + down[r + c]) / 4);
    }
    std::memcpy(Img.Row(y), row.data(), row.size());
  }
}

void InvertPixels(TspPixels24& Img) {
  if (Img.Empty()) return;
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int i = 0, n = 3 * Img.Width; i < n; ++i) p[i] = static_cast<uint8_t>(255 - p[i]);
  }
}

void Rotate90Pixels(const TspPixels24& Src, TspPixels24& Dst) {
  if (Src.Empty() || Dst.Width != Src.Height || Dst.Height != Src.Width) return;
  for (int y = 0; y < Src.Height; ++y)
    for (int x = 0; x < Src.Width; ++x) CopyPixel(Dst.Pixel(y, Src.Width - 1 - x), Src.Pixel(x, y));
}

void Rotate270Pixels(const TspPixels24& Src, TspPixels24& Dst) {
  if (Src.Empty() || Dst.Width != Src.Height || Dst.Height != Src.Width) return;
  for (int y = 0; y < Src.Height; ++y)
    for (int x = 0; x < Src.Width; ++x) CopyPixel(Dst.Pixel(Src.Height - 1 - y, x), Src.Pixel(x, y));
}

void FlipVerticalPixels(const TspPixels24& Src, TspPixels24& Dst) {
  if (Src.Empty() || !Dst.SameSize(Src)) return;
  const int H = Src.Height;
  if (Src.Bits == Dst.Bits) {  // in place: swap the rows pairwise
    std::vector<uint8_t> tmp(3 * Src.Width);
    for (int y = 0; y < H / 2; ++y) {
      std::memcpy(tmp.data(), Dst.Row(y), tmp.size());
      std::memcpy(Dst.Row(y), Dst.Row(H - 1 - y), tmp.size());
      std::memcpy(Dst.Row(H - 1 - y), tmp.data(), tmp.size());
    }
    return;
  }
  for (int y = 0; y < H; ++y) std::memcpy(Dst.Row(H - 1 - y), Src.Row(y), 3 * Src.Width);
}

void RandSeed(uint32_t Seed) { GRandSeed = Seed; }

int Random(int Range) {
  if (Range < 1) return 0;
  GRandSeed = GRandSeed * 0x08088405u + 1u;
  return static_cast<int>((static_cast<uint64_t>(GRandSeed) * static_cast<uint32_t>(Range)) >> 32);
}
