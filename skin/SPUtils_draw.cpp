#include "skin/SPUtils_draw.h"

#include "skin/SPUtils_compose.h"
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

void DrawChevronInRect(TCanvas* Canvas, const TRect& R, TColor Color, int Direction) {
  if (Direction < 1 || Direction > 4) return;
  const int cx = R.Left + RectWidth(R) / 2;
  const int cy = R.Top + RectHeight(R) / 2;
  // Drawn pointing down, then turned: k runs across the V, depth along it.
  for (int k = -3; k <= 3; ++k)
    for (int depth = 1; depth <= 2; ++depth) {
      const int along = depth - (k < 0 ? -k : k);
      switch (Direction) {
        case 1: Canvas->SetPixels(cx - along, cy + k, Color); break;
        case 2: Canvas->SetPixels(cx + along, cy + k, Color); break;
        case 3: Canvas->SetPixels(cx + k, cy - along, Color); break;
        default: Canvas->SetPixels(cx + k, cy + along, Color); break;
      }
    }
}

void DrawDottedFocusRect(TCanvas* Canvas, const TRect& R) {
  const TColor color = Canvas->Font()->Color();
  for (const TPoint& p : DottedFocusRectPoints(R)) Canvas->SetPixels(p.X, p.Y, color);
}

void DrawDefaultPartLook(TCanvas* Canvas, const TRect& R, bool Hot, bool Pressed) {
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Pressed ? MakeColor(133, 147, 181) : Hot ? MakeColor(182, 189, 210) : clBtnFace);
  Canvas->FillRect(R);
  Canvas->Brush()->SetColor(Pressed || Hot ? 0x800000 : clBtnShadow);
  Canvas->FrameRect(R);
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
  enum { kClose, kMaximize, kMinimize, kSysMenu, kDefault, kRollUp, kToTray };
  switch (Command) {
    case kClose: DrawCloseGlyph(Canvas, X, Y, Color); break;
    case kMaximize:
      if (WindowState == 2) DrawRestoreGlyph(Canvas, X, Y, Color);
      else DrawMaximizeGlyph(Canvas, X, Y, Color);
      break;
    case kMinimize:
      if (WindowState == 1) DrawRestoreGlyph(Canvas, X, Y, Color);
      else DrawMinimizeGlyph(Canvas, X, Y, Color);
      break;
    case kSysMenu: DrawSysMenuGlyph(Canvas, X, Y, Color); break;
    case kRollUp:
      if (RolledUp) DrawRollDownGlyph(Canvas, X, Y, Color);
      else DrawTriangleGlyph(Canvas, X, Y, Color);
      break;
    case kToTray: DrawSquareGlyph(Canvas, X, Y, Color); break;
    default: break;
  }
}

void DrawBitmapFrame(TCanvas* Canvas, int X, int Y, TBitmap* Strip, int Count, int Index) {
  if (!Strip || Strip->Empty() || Count < 1) return;
  const int fw = Strip->Width() / Count;
  if (fw < 1) return;
  DrawPiece(Canvas, Strip, TRect((Index - 1) * fw, 0, Index * fw, Strip->Height()), X, Y, true);
}

void DrawBitmapFrame(TCanvas* Canvas, int X, int Y, int Index, int Count, TBitmap* Strip) {
  DrawBitmapFrame(Canvas, X, Y, Strip, Count, Index);
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
