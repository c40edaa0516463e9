// Pixel effects of the fc effect bitmap: table, neighbourhood and geometric rules.
#include "components/fcBitmapPixels.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

inline uint8_t Clamp255(int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }
inline int ClampInt(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// Every channel of every pixel through one 256-entry table per channel.
void MapChannels(TspPixels24& Img, const uint8_t* Blue, const uint8_t* Green, const uint8_t* Red) {
  if (Img.Empty()) return;
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3) {
      p[0] = Blue[p[0]];
      p[1] = Green[p[1]];
      p[2] = Red[p[2]];
    }
  }
}

void MapAll(TspPixels24& Img, const uint8_t* Table) { MapChannels(Img, Table, Table, Table); }

inline int Gray(const uint8_t* p) { return p[0] / 3 + p[1] / 3 + p[2] / 3; }

inline void CopyPixel(uint8_t* d, const uint8_t* s) {
  d[0] = s[0];
  d[1] = s[1];
  d[2] = s[2];
}

// Row by row: the padding at the end of each row is not ours to write.
void CopyBack(TspPixels24& Img, const TspPixelBuffer24& From) {
  for (int y = 0; y < Img.Height; ++y) std::memcpy(Img.Row(y), From.View().Row(y), 3 * static_cast<size_t>(Img.Width));
}

// Rounds halves to even, as the rest of the program rounds.
// (The rounding-mode call is slow on some runtimes: rotation rounds twice a pixel.)
inline int64_t RoundEven(double v) {
  const double f = std::floor(v), d = v - f;
  const int64_t i = static_cast<int64_t>(f);
  if (d > 0.5) return i + 1;
  if (d < 0.5) return i;
  return (i & 1) ? i + 1 : i;
}

}  // namespace

void fcLightnessPixels(TspPixels24& Img, int a) {
  uint8_t t[256];
  const uint32_t m = static_cast<uint32_t>(std::abs(a));
  for (int v = 0; v < 256; ++v)
    t[v] = a > 0 ? Clamp255(v + static_cast<int>((uint32_t(255 - v) * m) >> 8))
                 : Clamp255(v - static_cast<int>((m * uint32_t(v)) >> 8));
  MapAll(Img, t);
}

void fcContrastPixels(TspPixels24& Img, int a) {
  uint8_t t[256];
  for (int v = 0; v < 256; ++v) {
    const int d = (std::abs(128 - v) * a) / 256;  // truncates toward zero
    t[v] = Clamp255(v <= 126 ? v - d : v + d);
  }
  MapAll(Img, t);
}

void fcTintPixels(TspPixels24& Img, int R, int G, int B) {
  uint8_t tb[256], tg[256], tr[256];
  for (int v = 0; v < 256; ++v) {
    tb[v] = Clamp255(v + B);
    tg[v] = Clamp255(v + G);
    tr[v] = Clamp255(v + R);
  }
  MapChannels(Img, tb, tg, tr);
}

void fcGrayScalePixels(TspPixels24& Img) {
  if (Img.Empty()) return;
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3) p[0] = p[1] = p[2] = static_cast<uint8_t>(Gray(p));
  }
}

void fcSaturationPixels(TspPixels24& Img, int s) {
  if (Img.Empty()) return;
  // m(i) = (i x s) shr 8 of the 32-bit product, kept to a signed 16-bit value.
  int16_t m[256];
  for (int i = 0; i < 256; ++i) m[i] = static_cast<int16_t>(static_cast<uint16_t>((uint32_t(i) * uint32_t(s)) >> 8));
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3) {
      const int g = Gray(p), mg = m[g];
      for (int c = 0; c < 3; ++c) p[c] = Clamp255(g + m[p[c]] - mg);
    }
  }
}

void fcColorizePixels(TspPixels24& Img, int R, int G, int B, int64_t Key) {
  if (Img.Empty()) return;
  uint8_t tb[256], tg[256], tr[256];
  for (int v = 0; v < 256; ++v) {
    tb[v] = Clamp255(v - 192 + B);
    tg[v] = Clamp255(v - 192 + G);
    tr[v] = Clamp255(v - 192 + R);
  }
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3) {
      if (Key >= 0 && fcPixelRGB(p) == static_cast<uint32_t>(Key)) continue;
      p[0] = tb[p[0]];
      p[1] = tg[p[1]];
      p[2] = tr[p[2]];
    }
  }
}

void fcMakeMaskPixels(TspPixels24& Img, uint32_t Key) {
  if (Img.Empty()) return;
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3) {
      const uint8_t v = fcPixelRGB(p) == Key ? 0 : 255;
      p[0] = p[1] = p[2] = v;
    }
  }
}

void fcReplaceColorPixels(TspPixels24& Img, uint32_t New, uint32_t Old) {
  if (Img.Empty()) return;
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3)
      if (fcPixelRGB(p) == Old) {
        p[0] = New & 0xFF;
        p[1] = (New >> 8) & 0xFF;
        p[2] = (New >> 16) & 0xFF;
      }
  }
}

void fcBlurStepPixels(TspPixels24& Img, int r) {
  if (Img.Empty()) return;
  const int W = Img.Width - 1, H = Img.Height - 1;
  for (int y = 0; y < Img.Height; ++y) {
    const int yu = ClampInt(y - r, 0, H), yd = ClampInt(y + r, 0, H);
    for (int x = 0; x < Img.Width; ++x) {
      const int xl = ClampInt(x - r, 0, W), xr = ClampInt(x + r, 0, W);
      const uint8_t *a = Img.Pixel(xr, yd), *b = Img.Pixel(xr, yu), *c = Img.Pixel(xl, yd), *d = Img.Pixel(xl, yu);
      uint8_t* p = Img.Pixel(x, y);
      for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>((a[k] + b[k] + c[k] + d[k]) >> 2);
    }
  }
}

void fcGaussianBlurPixels(TspPixels24& Img, int N) {
  for (int r = N; r >= 1; --r) fcBlurStepPixels(Img, r);
}

void fcSharpenPixels(TspPixels24& Img, int r) {
  if (Img.Empty()) return;
  const int W = Img.Width - 1, H = Img.Height - 1;
  for (int y = 0; y < Img.Height; ++y) {
    const int ys[3] = {ClampInt(y - r, 0, H), y, ClampInt(y + r, 0, H)};
    for (int x = 0; x < Img.Width; ++x) {
      const int xs[3] = {ClampInt(x - r, 0, W), x, ClampInt(x + r, 0, W)};
      int s[3] = {0, 0, 0};
      for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
          if (i == 1 && j == 1) continue;
          const uint8_t* q = Img.Pixel(xs[i], ys[j]);
          for (int k = 0; k < 3; ++k) s[k] += q[k];
        }
      uint8_t* p = Img.Pixel(x, y);
      for (int k = 0; k < 3; ++k) p[k] = Clamp255((256 * p[k] - 16 * s[k]) / 128);
    }
  }
}

void fcEmbossPixels(TspPixels24& Img) {
  if (Img.Empty()) return;
  const int W = Img.Width, H = Img.Height;
  std::vector<uint8_t> last(Img.Row(H - 1), Img.Row(H - 1) + 3 * W);
  for (int y = 0; y < H; ++y) {
    const uint8_t* below = y + 1 < H ? Img.Row(y + 1) : last.data();
    uint8_t* p = Img.Row(y);
    for (int x = 0; x < W; ++x, p += 3) {
      const uint8_t* q = below + 3 * (x + 1 < W ? x + 1 : W - 1);
      for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>(((255 - q[k]) + p[k]) >> 1);
    }
  }
}

void fcSpongePixels(TspPixels24& Img, int a) {
  if (Img.Empty()) return;
  const int W = Img.Width - 1, H = Img.Height - 1;
  for (int y = 0; y < Img.Height; ++y)
    for (int x = 0; x < Img.Width; ++x) {
      const int k = Random(a);
      const int dx = k - Random(2 * k);
      const int dy = k - Random(2 * k);
      CopyPixel(Img.Pixel(x, y), Img.Pixel(ClampInt(x + dx, 0, W), ClampInt(y + dy, 0, H)));
    }
}

void fcFlipPixels(TspPixels24& Img, bool Horizontal) {
  if (Img.Empty()) return;
  const int W = Img.Width, H = Img.Height;
  if (Horizontal) {
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W / 2; ++x) {
        uint8_t *a = Img.Pixel(x, y), *b = Img.Pixel(W - 1 - x, y);
        for (int k = 0; k < 3; ++k) std::swap(a[k], b[k]);
      }
    return;
  }
  std::vector<uint8_t> row(3 * W);
  for (int y = 0; y < H / 2; ++y) {
    uint8_t *a = Img.Row(y), *b = Img.Row(H - 1 - y);
    std::memcpy(row.data(), a, row.size());
    std::memcpy(a, b, row.size());
    std::memcpy(b, row.data(), row.size());
  }
}

void fcRotatePixels(TspPixels24& Img, int Cx, int Cy, double Angle) {
  if (Img.Empty()) return;
  const int W = Img.Width, H = Img.Height;
  if (Cx < 0) Cx = W / 2;
  if (Cy < 0) Cy = H / 2;
  TspPixelBuffer24 out(W, H);
  TspPixels24 d = out.View();
  const uint8_t* fill = Img.Pixel(0, 0);
  const double t = -Angle * 3.14159265358979323846 / 180, c = std::cos(t), s = std::sin(t);
  for (int y = 0; y < H; ++y) {
    const double w = 2.0 * (y - Cy) + 1;
    for (int x = 0; x < W; ++x) {
      const double u = 2.0 * (x - Cx) + 1;
      const int64_t sx = (RoundEven(u * c - w * s) - 1) / 2 + Cx;
      const int64_t sy = (RoundEven(u * s + w * c) - 1) / 2 + Cy;
      const bool inside = sx >= 0 && sx < W && sy >= 0 && sy < H;
      CopyPixel(d.Pixel(x, y), inside ? Img.Pixel(int(sx), int(sy)) : fill);
    }
  }
  CopyBack(Img, out);
}

void fcWavePixels(TspPixels24& Img, int XDiv, int YDiv, int Ratio, bool Wrap) {
  if (Img.Empty() || XDiv == 0 || YDiv == 0) return;
  const int W = Img.Width, H = Img.Height;
  std::vector<int> rowShift(H), colShift(W);
  for (int y = 0; y < H; ++y) rowShift[y] = int(RoundEven(std::sin(double(y) / YDiv) * Ratio));
  for (int x = 0; x < W; ++x) colShift[x] = int(RoundEven(std::sin(double(x) / XDiv) * Ratio));
  TspPixelBuffer24 out(W, H, 255);
  TspPixels24 d = out.View();
  for (int x = 0; x < W; ++x) {
    int v = colShift[x];
    if (Wrap) {
      // Folding by Height - 1 keeps the start row off the last one; a single
      // row has nowhere else to start.
      if (v < 0) v = H - 1 - ((-v) % H);
      else if (v >= H) v = H > 1 ? v % (H - 1) : 0;
    }
    for (int y = 0; y < H; ++y) {
      int u = x + rowShift[y];
      int sy = Wrap ? (v + y) % H : y + colShift[x];
      if (Wrap) {
        if (u < 0) u = W - 1 - ((-u) % W);
        else if (u >= W) u %= W;
      } else if (u < 0 || u >= W || sy < 0 || sy >= H) {
        continue;
      }
      CopyPixel(d.Pixel(x, y), Img.Pixel(u, sy));
    }
  }
  CopyBack(Img, out);
}

void fcAlphaBlendPixels(TspPixels24& Img, const TspPixels24& Other, int Amount, bool HasKey, uint32_t Key) {
  if (Img.Empty() || !Img.SameSize(Other)) return;
  // d(o - c) is the low byte of (Amount x diff) shifted right by 8: a floor division by 256.
  uint8_t table[511];
  for (int diff = -255; diff <= 255; ++diff)
    table[diff + 255] = static_cast<uint8_t>((static_cast<uint32_t>(Amount * diff)) >> 8);
  for (int y = 0; y < Img.Height; ++y) {
    uint8_t* p = Img.Row(y);
    const uint8_t* o = Other.Row(y);
    for (int x = 0; x < Img.Width; ++x, p += 3, o += 3) {
      if (HasKey && fcPixelRGB(o) == Key) continue;
      for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>(p[k] + table[o[k] - p[k] + 255]);
    }
  }
}

void fcSmoothStretchPixels(const TspPixels24& Src, TspPixels24& Dst) {
  if (Src.Empty() || Dst.Empty()) return;
  const int W = Src.Width, H = Src.Height, Wn = Dst.Width, Hn = Dst.Height;
  if (W == Wn && H == Hn) {
    std::memcpy(Dst.Bits, Src.Bits, static_cast<size_t>(Src.RowBytes) * H);
    return;
  }
  const int64_t stepX = (int64_t(W - 1) << 15) / Wn, stepY = (int64_t(H - 1) << 15) / Hn;
  for (int j = 0; j < Hn; ++j) {
    const int64_t sy = j * stepY;
    const int r0 = int(sy >> 15), r1 = r0 + 1 < H ? r0 + 1 : r0;
    const uint32_t fy = uint32_t(sy & 32767), wy0 = 32768 - fy;
    const uint8_t *top = Src.Row(r0), *bottom = Src.Row(r1);
    uint8_t* d = Dst.Row(j);
    for (int i = 0; i < Wn; ++i, d += 3) {
      const int64_t sx = i * stepX;
      const int c0 = int(sx >> 15), c1 = c0 + 1 < W ? c0 + 1 : c0;  // a one-pixel-wide source has no right neighbour
      const uint32_t fx = uint32_t(sx & 32767);
      const uint32_t wtr = (fx * wy0) >> 15, wtl = wy0 - wtr;
      const uint32_t wbr = (fx * fy) >> 15, wbl = fy - wbr;
      const uint8_t *tl = top + 3 * c0, *tr = top + 3 * c1, *bl = bottom + 3 * c0, *br = bottom + 3 * c1;
      for (int k = 0; k < 3; ++k) d[k] = uint8_t((tl[k] * wtl + tr[k] * wtr + bl[k] * wbl + br[k] * wbr) >> 15);
    }
  }
}
