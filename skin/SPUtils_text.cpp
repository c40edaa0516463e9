#include "skin/SPUtils_text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>
#include <vector>

#include "classlib/ColorContrast.h"
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_platform.h"
#include "skin/speffbmp.h"

namespace {

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
TRect FromRECT(const RECT& r) { return TRect(r.left, r.top, r.right, r.bottom); }

// Selects the canvas font, text colour and background mode for one call.
class TextScope {
 public:
  explicit TextScope(TCanvas* canvas) : FDC(canvas->Handle()) {
    FOldFont = SelectObject(FDC, canvas->Font()->Handle());
    FOldColor = SetTextColor(FDC, static_cast<COLORREF>(ColorToRGB(canvas->Font()->Color())));
    if (canvas->Brush()->Style() == bsClear) {
      FOldMode = SetBkMode(FDC, TRANSPARENT);
    } else {
      FOldMode = SetBkMode(FDC, OPAQUE);
      FOldBk = SetBkColor(FDC, static_cast<COLORREF>(ColorToRGB(canvas->Brush()->Color())));
      FSetBk = true;
    }
  }
  ~TextScope() {
    SelectObject(FDC, FOldFont);
    SetTextColor(FDC, FOldColor);
    SetBkMode(FDC, FOldMode);
    if (FSetBk) SetBkColor(FDC, FOldBk);
  }
  HDC DC() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FOldFont;
  COLORREF FOldColor;
  COLORREF FOldBk = 0;
  int FOldMode;
  bool FSetBk = false;
};

void PrepareGlowCanvas(TspBitmap& g, TCanvas* from) {
  TCanvas* c = g.Canvas();
  c->Font()->Assign(from->Font());
  c->Font()->SetColor(clRed);
  c->Brush()->SetStyle(bsClear);
}

void DrawTextAt(TCanvas* c, const String& text, const TRect& r, UINT flags, int dx, int dy) {
  TRect moved(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
  CanvasDrawText(c, text, moved, flags);
}

void DrawCaptionOver(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags) {
  Canvas->Brush()->SetStyle(bsClear);
  TRect r = R;
  CanvasDrawText(Canvas, Text, r, Flags);
}

// What a glow's pixels depend on: the text and how it is laid out, the
// font, the size of its rectangle, the glow's size and colour.
struct TGlowKey {
  String Text;
  UINT Flags = 0;
  int Width = 0, Height = 0, Size = 0;
  TColor Color = 0;
  bool Shifted = false;
  LOGFONTW Font{};
  bool operator==(const TGlowKey& o) const {
    return Text == o.Text && Flags == o.Flags && Width == o.Width && Height == o.Height && Size == o.Size &&
           Color == o.Color && Shifted == o.Shifted &&
           std::memcmp(&Font, &o.Font, offsetof(LOGFONTW, lfFaceName)) == 0 &&
           std::wcsncmp(Font.lfFaceName, o.Font.lfFaceName, LF_FACESIZE) == 0;
  }
};

// A glow as made, cut to the pixels it shows (alpha above 0), kept as pixels
// only: no GDI object lives between paints.
struct TKeptGlow {
  TGlowKey Key;
  TspPixelBuffer32 Pixels;
  TPoint At;  // the cut's place in the whole glow
};

// The glows made last. A caption repaints with the same glow again and
// again (active and inactive, a few forms), and a glow of a large size costs
// far more to make than to draw.
constexpr size_t kKeptGlows = 4;
std::vector<TKeptGlow>& KeptGlows() {
  static std::vector<TKeptGlow> kept;
  return kept;
}

// The part of a glow whose pixels have any alpha; empty when none has.
TRect ShownPart(const TspPixels32& Glow) {
  int left = Glow.Width, top = Glow.Height, right = 0, bottom = 0;
  for (int y = 0; y < Glow.Height; ++y) {
    const TspPixel* row = Glow.Row(y);
    for (int x = 0; x < Glow.Width; ++x)
      if (row[x] >> 24) {
        left = std::min(left, x), right = std::max(right, x + 1);
        top = std::min(top, y), bottom = std::max(bottom, y + 1);
      }
  }
  return right > left ? TRect(left, top, right, bottom) : TRect();
}

// The glow of Key, kept or made now (in time that grows with its area:
// the blur's cost does not grow with its radius).
const TKeptGlow& MakeGlow(TCanvas* Canvas, const TGlowKey& Key) {
  std::vector<TKeptGlow>& kept = KeptGlows();
  for (size_t i = 0; i < kept.size(); ++i)
    if (kept[i].Key == Key) {
      std::rotate(kept.begin(), kept.begin() + ptrdiff_t(i), kept.begin() + ptrdiff_t(i) + 1);
      return kept.front();
    }
  const int g = Key.Size, w = Key.Width + 2 * g, h = Key.Height + 2 * g;
  TspBitmap glow;
  glow.SetSize(w, h);
  PrepareGlowCanvas(glow, Canvas);
  const TRect inner(g, g, w - g, h - g);
  DrawTextAt(glow.Canvas(), Key.Text, inner, Key.Flags, 0, 0);
  if (Key.Shifted)
    for (auto d : {TPoint(-1, 0), TPoint(1, 0), TPoint(0, -1), TPoint(0, 1)})
      DrawTextAt(glow.Canvas(), Key.Text, inner, Key.Flags, d.X, d.Y);
  BlurBitmap(&glow, g);
  ColorGlow(&glow, Key.Color);
  GdiFlush();
  const TRect shown = ShownPart(glow.Pixels());
  TKeptGlow made{Key, TspPixelBuffer32(shown.Width(), shown.Height()), shown.TopLeft()};
  DrawPixels(made.Pixels.View(), TRect(0, 0, shown.Width(), shown.Height()), glow.Pixels(), shown, dmCopy);
  if (kept.size() == kKeptGlows) kept.pop_back();
  kept.insert(kept.begin(), std::move(made));
  return kept.front();
}

void GlowText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, int Offset, TColor GlowColor,
              int g, bool shiftedCopies) {
  if (g < 0) g = 0;
  if (R.Width() + 2 * g > 0 && R.Height() + 2 * g > 0) {
    TGlowKey key;
    key.Text = Text;
    key.Flags = Flags;
    key.Width = R.Width(), key.Height = R.Height(), key.Size = g;
    key.Color = GlowColor;
    key.Shifted = shiftedCopies;
    GetObjectW(Canvas->Font()->Handle(), sizeof(key.Font), &key.Font);
    const TKeptGlow& glow = MakeGlow(Canvas, key);
    const TspPixels32 pixels = glow.Pixels.View();
    if (!pixels.Empty())
      DrawPixelsOnDC(Canvas->Handle(),
                     Bounds(R.Left + Offset - g + glow.At.X, R.Top + Offset - g + glow.At.Y, pixels.Width,
                            pixels.Height),
                     pixels, TRect(0, 0, pixels.Width, pixels.Height), dmBlend);
  }
  DrawCaptionOver(Canvas, R, Text, Flags);
}

}  // namespace

int CanvasDrawText(TCanvas* Canvas, const String& Text, TRect& R, UINT Flags) {
  TextScope scope(Canvas);
  RECT r = ToRECT(R);
  const int height = DrawTextFallback(scope.DC(), Text.c_str(), static_cast<int>(Text.size()), &r, Flags);
  if (Flags & DT_CALCRECT) R = FromRECT(r);
  return height;
}

int DrawWideText(TCanvas* Canvas, const String& Text, TRect& R, UINT Flags) {
  if (Platform().IsNT) return CanvasDrawText(Canvas, Text, R, Flags);
  TextScope scope(Canvas);
  const int n = WideCharToMultiByte(CP_ACP, 0, Text.c_str(), static_cast<int>(Text.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::vector<char> narrow(n > 0 ? n : 1);
  WideCharToMultiByte(CP_ACP, 0, Text.c_str(), static_cast<int>(Text.size()), narrow.data(), n, nullptr, nullptr);
  RECT r = ToRECT(R);
  const int height = DrawTextA(scope.DC(), narrow.data(), n, &r, Flags);
  if (Flags & DT_CALCRECT) R = FromRECT(r);
  return height;
}

int WideTextWidth(TCanvas* Canvas, const String& Text) {
  TRect r;
  DrawWideText(Canvas, Text, r, DT_CALCRECT);
  return r.Width();
}

int WideTextHeight(TCanvas* Canvas, const String& Text) {
  TRect r;
  DrawWideText(Canvas, Text, r, DT_CALCRECT);
  return r.Height();
}

void DrawTextCenteredV(TCanvas* Canvas, const String& Text, const TRect& R) {
  if (Text.empty()) return;
  TRect r = R;
  CanvasDrawText(Canvas, Text, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void DrawLabelText(TCanvas* Canvas, const String& Text, const TRect& R) { DrawLabelTextOffset(Canvas, Text, R, 0); }

void DrawLabelTextOffset(TCanvas* Canvas, const String& Text, const TRect& R, int Offset) {
  if (Text.empty()) return;
  const int y = R.Top + RectHeight(R) / 2 - Canvas->TextHeight(Text) / 2;
  Canvas->TextRect(R, R.Left + 2 + Offset, y, Text);
}

void FitTextWithEllipsis(TCanvas* Canvas, String& Text, int Width) {
  FitTextWithEllipsis(Text, Width, [Canvas](const String& s) { return Canvas->TextWidth(s); });
}

void FitWideTextWithEllipsis(TCanvas* Canvas, String& Text, int Width) {
  FitTextWithEllipsis(Text, Width, [Canvas](const String& s) { return WideTextWidth(Canvas, s); });
}

void DrawGlowText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, int Offset, TColor GlowColor,
                  int GlowSize) {
  GlowText(Canvas, R, Text, Flags, Offset, GlowColor, GlowSize, true);
}

void DrawGlowText(TCanvas* Canvas, const TRect& R, const String& Text, int GlowSize, TColor GlowColor, UINT Flags) {
  GlowText(Canvas, R, Text, Flags, 0, GlowColor, GlowSize, true);
}

void DrawGlowWideText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, int Offset,
                      TColor GlowColor, int GlowSize) {
  GlowText(Canvas, R, Text, Flags, Offset, GlowColor, GlowSize, false);
}

void DrawGlowCaptionText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, TColor GlowColor) {
  const int g = 12;
  const int w = R.Width() + 2 * g, h = R.Height() + 2 * g;
  if (w > 0 && h > 0) {
    TspBitmap glow;
    glow.SetSize(w, h);
    PrepareGlowCanvas(glow, Canvas);
    const TRect inner(g, g, w - g, h - g);
    TCanvas* c = glow.Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clRed);
    c->FillRect(TRect(inner.Left - 3, inner.Top + 2, inner.Right + 3, inner.Bottom - 2));
    c->Brush()->SetStyle(bsClear);
    for (auto d : {TPoint(-1, -1), TPoint(-2, -2), TPoint(-1, 0), TPoint(-2, 0), TPoint(1, 0), TPoint(2, 0),
                   TPoint(1, 1), TPoint(2, 2), TPoint(0, 0)})
      DrawTextAt(c, Text, inner, Flags, d.X, d.Y);
    BlurBitmap(&glow, 6);
    BlurBitmap(&glow, 6);
    ColorGlow(&glow, GlowColor);
    glow.Draw(Canvas, R.Left - g, R.Top - g);
  }
  DrawCaptionOver(Canvas, R, Text, Flags);
}

void DrawReflectedText(TCanvas* Canvas, const TRect& R, const String& Text, UINT Flags, int Offset,
                       TColor ReflectionColor) {
  const int w = R.Width(), h = R.Height();
  if (w > 0 && h > 0) {
    TspBitmap image;
    image.SetSize(w, h);
    PrepareGlowCanvas(image, Canvas);
    DrawTextAt(image.Canvas(), Text, TRect(0, 0, w, h), Flags, 0, 0);
    // The rows the text takes: its measured height, placed as the flags place it.
    TRect measured(0, 0, w, h);
    CanvasDrawText(image.Canvas(), Text, measured, Flags | DT_CALCRECT);
    const int textHeight = measured.Height();
    int top = 0;
    if ((Flags & DT_SINGLELINE) && (Flags & DT_VCENTER)) top = (h - textHeight) / 2;
    else if ((Flags & DT_SINGLELINE) && (Flags & DT_BOTTOM)) top = h - textHeight;
    const int bottom = top + textHeight;
    if (bottom > top) {
      GdiFlush();
      ReflectionAlpha(image.Pixels(), top, bottom, static_cast<uint32_t>(ColorToRGB(ReflectionColor)));
      FlipRows(image.Pixels());
      image.HasAlpha = true;
      // The flipped row of the text's last row lands just under the text.
      image.Draw(Canvas, R.Left, R.Top + bottom + Offset - (h - bottom));
    }
  }
  DrawCaptionOver(Canvas, R, Text, Flags);
}

TColor ReadableTextColor(TCanvas* Canvas, TPoint At, TColor Text) {
  if (Text == clNone) return Text;
  const TColor face = Canvas->Pixels(At.X, At.Y);
  if (face == clNone) return Text;
  return ReadableOn(ColorToRGB(Text), face);
}

void DrawDisabledText(TCanvas* Canvas, const String& Text, const TRect& R, UINT Flags, TColor Light, TColor Shade) {
  const TColor shade = ReadableTextColor(Canvas, R.TopLeft(), Shade);
  TRect shifted(R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1);
  Canvas->Font()->SetColor(Light);
  CanvasDrawText(Canvas, Text, shifted, Flags);
  Canvas->Font()->SetColor(shade);
  TRect r = R;
  CanvasDrawText(Canvas, Text, r, Flags);
}
