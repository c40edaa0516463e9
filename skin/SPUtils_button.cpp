#include "skin/SPUtils_button.h"

#include <functional>

#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_text.h"
#include "skin/speffbmp.h"

namespace {

enum { kGlyphLeft, kGlyphRight, kGlyphTop, kGlyphBottom };
constexpr UINT kMeasureFlags = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
constexpr UINT kCaptionFlags = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS;

// A glyph of either kind: its size (0 x 0 for none), the width of the bar
// under it, how it draws and how its silhouette goes into a glow bitmap.
struct Glyph {
  int Width = 0, Height = 0, BarWidth = 0;
  std::function<void(TCanvas*, int, int)> Draw;
  std::function<void(TspBitmap*, int)> Silhouette;
  bool Present() const { return Width > 0 || Height > 0; }
};

Glyph FromImageList(TCustomImageList* Images, int Index, bool Enabled) {
  Glyph g;
  if (!Images || Index < 0 || Index >= Images->Count()) return g;
  g.Width = g.BarWidth = Images->Width();
  g.Height = Images->Height();
  g.Draw = [=](TCanvas* c, int x, int y) { Images->Draw(c, x, y, Index, Enabled); };
  g.Silhouette = [=](TspBitmap* target, int offset) { DrawImageListGlyphGlow(target, Images, Index, offset); };
  return g;
}

Glyph FromStrip(TBitmap* Strip, int FrameNumber, int FrameCount) {
  Glyph g;
  if (!Strip || Strip->Empty() || FrameCount < 1) return g;
  g.Width = Strip->Width() / FrameCount;
  g.Height = Strip->Height();
  g.BarWidth = Strip->Width();  // the whole strip, not one frame
  g.Draw = [=](TCanvas* c, int x, int y) { DrawBitmapFrame(c, x, y, Strip, FrameCount, FrameNumber); };
  g.Silhouette = [=](TspBitmap* target, int offset) {
    const int w = Strip->Width() / FrameCount, h = Strip->Height();
    TBitmap frame;
    frame.SetSize(w, h);
    frame.Canvas()->CopyRect(TRect(0, 0, w, h), Strip->Canvas(), TRect((FrameNumber - 1) * w, 0, FrameNumber * w, h));
    DrawBitmapGlyphGlow(target, &frame, offset);
  };
  return g;
}

struct Placement {
  int GlyphX = 0, GlyphY = 0, TextX = 0, TextY = 0, TextW = 0, TextH = 0;
  TRect TextRect() const { return TRect(TextX, TextY, TextX + TextW + 2, TextY + TextH); }
};

Placement Place(TCanvas* Canvas, const TRect& R, int Margin, bool Pressed, const Glyph& g, const String& Caption,
                int Layout, int Spacing) {
  Placement p;
  if (!Caption.empty()) {
    TRect m(0, 0, RectWidth(R), RectHeight(R));
    if (Layout == kGlyphLeft || Layout == kGlyphRight) m.Right -= g.Width;
    else m.Bottom -= g.Height;
    CanvasDrawText(Canvas, Caption, m, kMeasureFlags);
    p.TextW = m.Width();
    p.TextH = m.Height();
  }
  CalcButtonLayout(Layout, R, g.Width, p.GlyphY, p.GlyphX, p.TextY, p.TextX, Margin, Spacing, p.TextH, p.TextW,
                   g.Height);
  if (Pressed) {
    ++p.GlyphX;
    ++p.GlyphY;
    ++p.TextX;
    ++p.TextY;
  }
  return p;
}

// Three 1-pixel lines under the glyph or under the caption, or, with
// neither, a filled bar (lower by one when pressed).
void DrawBar(TCanvas* Canvas, const TRect& R, const Placement& p, const Glyph& g, bool hasCaption, bool Pressed,
             TColor BarColor) {
  Canvas->Pen()->SetColor(BarColor);
  if (g.Present()) {
    for (int d = -2; d <= 0; ++d) {
      const int y = p.GlyphY + g.Height + d;
      Canvas->MoveTo(p.GlyphX, y);
      Canvas->LineTo(p.GlyphX + g.BarWidth, y);
    }
  } else if (hasCaption) {
    const TRect t = p.TextRect();
    for (int d = -1; d <= 1; ++d) {
      Canvas->MoveTo(t.Left, t.Bottom + d);
      Canvas->LineTo(t.Right, t.Bottom + d);
    }
  } else {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(BarColor);
    Canvas->FillRect(Pressed ? TRect(R.Left + 4, R.Top + 5, R.Right - 2, R.Bottom - 3)
                             : TRect(R.Left + 4, R.Top + 4, R.Right - 2, R.Bottom - 4));
  }
}

void Plain(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool WithBar, bool Pressed, const Glyph& g,
           const String& Caption, int Layout, int Spacing) {
  Canvas->Brush()->SetStyle(bsClear);
  const Placement p = Place(Canvas, R, Margin, Pressed, g, Caption, Layout, Spacing);
  if (!Caption.empty()) {
    TRect t = p.TextRect();
    CanvasDrawText(Canvas, Caption, t, kCaptionFlags);
  }
  if (g.Present()) g.Draw(Canvas, p.GlyphX, p.GlyphY);
  if (WithBar) DrawBar(Canvas, R, p, g, !Caption.empty(), Pressed, BarColor);
}

void Glowing(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool WithBar, bool Pressed,
             const Glyph& g, const String& Caption, int Layout, int Spacing, int GlowSize, TColor GlowColor) {
  Canvas->Brush()->SetStyle(bsClear);
  const Placement p = Place(Canvas, R, Margin, Pressed, g, Caption, Layout, Spacing);
  if (g.Present()) {
    const int size = GlowSize > 0 ? GlowSize : 0;
    TspBitmap glow;
    glow.SetSize(g.Width + 2 * size, g.Height + 2 * size);
    g.Silhouette(&glow, size);
    BlurBitmap(&glow, size);
    ColorGlow(&glow, GlowColor);
    glow.Draw(Canvas, p.GlyphX - size, p.GlyphY - size);
  }
  if (!Caption.empty()) DrawGlowText(Canvas, p.TextRect(), Caption, kCaptionFlags, 0, GlowColor, GlowSize);
  if (g.Present()) g.Draw(Canvas, p.GlyphX, p.GlyphY);
  // The glow layout's bar has one place, pressed or not.
  if (WithBar) DrawBar(Canvas, R, p, g, !Caption.empty(), false, BarColor);
}

}  // namespace

void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar, bool Enabled,
                      bool Pressed, TCustomImageList* Images, int ImageIndex, const String& Caption, int Layout,
                      int Spacing) {
  Plain(Canvas, R, Margin, BarColor, DrawBar, Pressed, FromImageList(Images, ImageIndex, Enabled), Caption, Layout,
        Spacing);
}

void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar, bool Pressed,
                      int FrameNumber, int FrameCount, TBitmap* Glyph, const String& Caption, int Layout,
                      int Spacing) {
  Plain(Canvas, R, Margin, BarColor, DrawBar, Pressed, FromStrip(Glyph, FrameNumber, FrameCount), Caption, Layout,
        Spacing);
}

void DrawImageAndTextGlow(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar, bool Enabled,
                          bool Pressed, TCustomImageList* Images, int ImageIndex, const String& Caption,
                          int Layout, int Spacing, int GlowSize, TColor GlowColor) {
  Glowing(Canvas, R, Margin, BarColor, DrawBar, Pressed, FromImageList(Images, ImageIndex, Enabled), Caption, Layout,
          Spacing, GlowSize, GlowColor);
}

void DrawGlyphAndTextGlow(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar,
                          bool Pressed, int FrameNumber, int FrameCount, TBitmap* Glyph, const String& Caption,
                          int Layout, int Spacing, int GlowSize, TColor GlowColor) {
  Glowing(Canvas, R, Margin, BarColor, DrawBar, Pressed, FromStrip(Glyph, FrameNumber, FrameCount), Caption, Layout,
          Spacing, GlowSize, GlowColor);
}
