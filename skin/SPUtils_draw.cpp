#include "skin/SPUtils_draw.h"

#include "skin/SPUtils_platform.h"
#include "skin/SPUtils_text.h"
#include "skin/speffbmp.h"

namespace {

void Line(TCanvas* c, int x1, int y1, int x2, int y2) {
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

void Outline(TCanvas* c, int x1, int y1, int x2, int y2) {
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(x1, y1, x2, y2);
}

}  // namespace

void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int i = 0; i <= 2; ++i) {
    Canvas->MoveTo(X, Y + 5 - i);
    Canvas->LineTo(X + 2, Y + 7 - i);
    Canvas->LineTo(X + 7, Y + 2 - i);
  }
}

void DrawRadioMark(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->Rectangle(X, Y, X + 6, Y + 6);
}

void DrawDropDownArrow(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  const int cx = R.Left + RectWidth(R) / 2;
  const int cy = R.Top + RectHeight(R) / 2 + 2;
  for (int i = 2; i >= 0; --i) Line(Canvas, cx - i, cy - i, cx + i + 1, cy - i);
}

void DrawArrowInRect(TCanvas* Canvas, const TRect& R, TColor Color, int Direction) {
  if (Direction < 1 || Direction > 4) return;
  Canvas->Pen()->SetColor(Color);
  const int cx = R.Left + RectWidth(R) / 2;
  const int cy = R.Top + RectHeight(R) / 2;
  switch (Direction) {
    case 1:
      for (int i = 0; i <= 3; ++i) Line(Canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
      break;
    case 2:
      for (int i = 3; i >= 0; --i) Line(Canvas, cx + 2 - i, cy + i, cx + 2 - i, cy - i - 1);
      break;
    case 3:
      for (int i = 0; i <= 3; ++i) Line(Canvas, cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
      break;
    default:
      for (int i = 3; i >= 0; --i) Line(Canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
      break;
  }
}

void DrawDottedFocusRect(TCanvas* Canvas, const TRect& R) {
  const TColor color = Canvas->Font()->Color();
  for (const TPoint& p : DottedFocusRectPoints(R)) Canvas->SetPixels(p.X, p.Y, color);
}

void DrawCloseGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Line(Canvas, X + 1, Y + 1, X + 9, Y + 9);
  Line(Canvas, X + 9, Y + 1, X + 1, Y + 9);
  Line(Canvas, X + 2, Y + 1, X + 10, Y + 9);
  Line(Canvas, X + 8, Y + 1, X, Y + 9);
}

void DrawSysMenuGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Outline(Canvas, X + 1, Y + 3, X + 9, Y + 6);
}

void DrawMinimizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Line(Canvas, X + 1, Y + 8, X + 9, Y + 8);
  Line(Canvas, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Outline(Canvas, X, Y, X + 11, Y + 10);
  Outline(Canvas, X, Y, X + 11, Y + 2);
}

void DrawRestoreGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Outline(Canvas, X + 2, Y, X + 10, Y + 6);
  Outline(Canvas, X + 2, Y, X + 10, Y + 2);
  Outline(Canvas, X, Y + 4, X + 7, Y + 10);
  Outline(Canvas, X, Y + 4, X + 7, Y + 6);
}

void DrawRollDownGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int k = 0; k <= 4; ++k) Line(Canvas, X + 5 - k, Y + 6 - k, X + 5 + k, Y + 6 - k);
}

void DrawTriangleGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  for (int k = 0; k <= 4; ++k) Line(Canvas, X + 5 - k, Y + 2 + k, X + 5 + k, Y + 2 + k);
}

void DrawSquareGlyph(TCanvas* Canvas, int X, int Y, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->Rectangle(X + 2, Y + 2, X + 7, Y + 7);
}

void DrawCommandGlyph(TCanvas* Canvas, int X, int Y, TColor Color, int Command, int WindowState, bool RolledUp) {
  switch (Command) {
    case cmClose: DrawCloseGlyph(Canvas, X, Y, Color); break;
    case cmMaximize:
      if (WindowState == 2) DrawRestoreGlyph(Canvas, X, Y, Color);
      else DrawMaximizeGlyph(Canvas, X, Y, Color);
      break;
    case cmMinimize:
      if (WindowState == 1) DrawRestoreGlyph(Canvas, X, Y, Color);
      else DrawMinimizeGlyph(Canvas, X, Y, Color);
      break;
    case cmSysMenu: DrawSysMenuGlyph(Canvas, X, Y, Color); break;
    case cmRollUp:
      if (RolledUp) DrawRollDownGlyph(Canvas, X, Y, Color);
      else DrawTriangleGlyph(Canvas, X, Y, Color);
      break;
    case cmMinimizeToTray: DrawSquareGlyph(Canvas, X, Y, Color); break;
    default: break;
  }
}

void DrawBitmapFrame(TCanvas* Canvas, int X, int Y, TBitmap* Strip, int Count, int Index) {
  if (!Strip || Strip->Empty() || Count < 1) return;
  const int fw = Strip->Width() / Count;
  if (fw < 1) return;
  TBitmap frame;
  frame.SetSize(fw, Strip->Height());
  frame.Canvas()->CopyRect(TRect(0, 0, fw, Strip->Height()), Strip->Canvas(),
                           TRect((Index - 1) * fw, 0, Index * fw, Strip->Height()));
  frame.SetTransparent(true);
  Canvas->Draw(X, Y, &frame);
}

void DrawBitmapFrame(TCanvas* Canvas, int X, int Y, int Index, int Count, TBitmap* Strip) {
  DrawBitmapFrame(Canvas, X, Y, Strip, Count, Index);
}

namespace {

struct GlyphCaptionLayout {
  int GlyphW = 0, GlyphH = 0, TextW = 0, TextH = 0;
  int GlyphX = 0, GlyphY = 0, TextX = 0, TextY = 0;
  TRect TextRect() const { return TRect(TextX, TextY, TextX + TextW + 2, TextY + TextH); }
};

GlyphCaptionLayout LayOut(TCanvas* Canvas, const TRect& R, int Margin, bool Pressed, int GlyphW, int GlyphH,
                          const String& Caption, int Layout, int Spacing) {
  GlyphCaptionLayout l;
  l.GlyphW = GlyphW;
  l.GlyphH = GlyphH;
  if (!Caption.empty()) {
    TRect m(0, 0, RectWidth(R), RectHeight(R));
    if (Layout == blGlyphLeft || Layout == blGlyphRight) m.Right -= GlyphW;
    else m.Bottom -= GlyphH;
    CanvasDrawText(Canvas, Caption, m, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    l.TextW = m.Width();
    l.TextH = m.Height();
  }
  CalcButtonLayout(Layout, R, GlyphW, l.GlyphY, l.GlyphX, l.TextY, l.TextX, Margin, Spacing, l.TextH, l.TextW,
                   GlyphH);
  if (Pressed) {
    ++l.GlyphX;
    ++l.GlyphY;
    ++l.TextX;
    ++l.TextY;
  }
  return l;
}

// Three 1-pixel lines under the glyph or the caption, or a filled bar.
void DrawColorBar(TCanvas* Canvas, const TRect& R, const GlyphCaptionLayout& l, bool hasGlyph, int barWidth,
                  bool hasCaption, bool Pressed, TColor BarColor) {
  Canvas->Pen()->SetColor(BarColor);
  if (hasGlyph) {
    for (int d = -2; d <= 0; ++d) {
      const int y = l.GlyphY + l.GlyphH + d;
      Canvas->MoveTo(l.GlyphX, y);
      Canvas->LineTo(l.GlyphX + barWidth, y);
    }
  } else if (hasCaption) {
    const TRect t = l.TextRect();
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

}  // namespace

void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar, bool Pressed,
                      int FrameNumber, int FrameCount, TBitmap* Glyph, const String& Caption, int Layout,
                      int Spacing) {
  const bool hasGlyph = Glyph && !Glyph->Empty() && FrameCount >= 1;
  const int gw = hasGlyph ? Glyph->Width() / FrameCount : 0;
  const int gh = hasGlyph ? Glyph->Height() : 0;
  Canvas->Brush()->SetStyle(bsClear);
  const GlyphCaptionLayout l = LayOut(Canvas, R, Margin, Pressed, gw, gh, Caption, Layout, Spacing);
  TRect t = l.TextRect();
  if (!Caption.empty()) CanvasDrawText(Canvas, Caption, t, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS);
  if (hasGlyph) DrawBitmapFrame(Canvas, l.GlyphX, l.GlyphY, Glyph, FrameCount, FrameNumber);
  if (DrawBar) DrawColorBar(Canvas, R, l, hasGlyph, hasGlyph ? Glyph->Width() : 0, !Caption.empty(), Pressed, BarColor);
}

void DrawGlyphAndTextGlow(TCanvas* Canvas, const TRect& R, int Margin, TColor BarColor, bool DrawBar,
                          bool Pressed, int FrameNumber, int FrameCount, TBitmap* Glyph, const String& Caption,
                          int Layout, int Spacing, int GlowSize, TColor GlowColor) {
  const bool hasGlyph = Glyph && !Glyph->Empty() && FrameCount >= 1;
  const int gw = hasGlyph ? Glyph->Width() / FrameCount : 0;
  const int gh = hasGlyph ? Glyph->Height() : 0;
  Canvas->Brush()->SetStyle(bsClear);
  const GlyphCaptionLayout l = LayOut(Canvas, R, Margin, Pressed, gw, gh, Caption, Layout, Spacing);
  if (hasGlyph && gw > 0) {
    const int g = GlowSize > 0 ? GlowSize : 0;
    TBitmap frame;
    frame.SetSize(gw, gh);
    frame.Canvas()->CopyRect(TRect(0, 0, gw, gh), Glyph->Canvas(),
                             TRect((FrameNumber - 1) * gw, 0, FrameNumber * gw, gh));
    TspBitmap glow;
    glow.SetSize(gw + 2 * g, gh + 2 * g);
    DrawBitmapGlyphGlow(&glow, &frame, g);
    BlurBitmap(&glow, g);
    ColorGlow(&glow, GlowColor);
    glow.Draw(Canvas, l.GlyphX - g, l.GlyphY - g);
  }
  if (!Caption.empty()) {
    DrawGlowText(Canvas, l.TextRect(), Caption, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS, 0, GlowColor,
                 GlowSize);
  }
  if (hasGlyph) DrawBitmapFrame(Canvas, l.GlyphX, l.GlyphY, Glyph, FrameCount, FrameNumber);
  // The glow layout's bar has one place, pressed or not.
  if (DrawBar) DrawColorBar(Canvas, R, l, hasGlyph, hasGlyph ? Glyph->Width() : 0, !Caption.empty(), false, BarColor);
}

bool HasSeveralMonitors() {
  return GetSystemMetrics(SM_CMONITORS) >= 2 && Platform().MonitorFromWindow && Platform().GetMonitorInfoA;
}

void GetScreenRect(bool WorkArea, TRect& R) {
  if (WorkArea) {
    RECT r;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    R = TRect(r.left, r.top, r.right, r.bottom);
  } else {
    R = TRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
}

void GetMonitorRect(HWND Window, bool WorkArea, TRect& R) {
  if (!HasSeveralMonitors()) {
    GetScreenRect(WorkArea, R);
    return;
  }
  HMONITOR monitor = Platform().MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info = {};
  info.cbSize = sizeof(info);  // the 40-byte record
  if (!Platform().GetMonitorInfoA(monitor, &info)) return;
  const RECT& r = WorkArea ? info.rcWork : info.rcMonitor;
  R = TRect(r.left, r.top, r.right, r.bottom);
}

void CopyScreenToBitmap(int X, int Y, TBitmap* Bitmap) {
  if (!Bitmap || Bitmap->Empty()) return;
  HDC screen = GetDC(nullptr);
  BitBlt(Bitmap->Canvas()->Handle(), 0, 0, Bitmap->Width(), Bitmap->Height(), screen, X, Y, SRCCOPY);
  ReleaseDC(nullptr, screen);
}
