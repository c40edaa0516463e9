// Canvas helpers of the fc components.
#include "components/fcCanvas.h"

void fcSelectCanvasObjects(TCanvas* Canvas) {
  HDC dc = Canvas->Handle();
  // An object the DC holds already is not selected again: under Wine each
  // selection of a font looks the font up anew.
  auto select = [dc](HGDIOBJ Object, UINT Kind) {
    if (GetCurrentObject(dc, Kind) != Object) SelectObject(dc, Object);
  };
  select(Canvas->Pen()->Handle(), OBJ_PEN);
  select(Canvas->Font()->Handle(), OBJ_FONT);
  select(Canvas->Brush()->Handle(), OBJ_BRUSH);
}

void fcDottedLine(TCanvas* Canvas, const TPoint& P1, const TPoint& P2) {
  fcSelectCanvasObjects(Canvas);
  HDC dc = Canvas->Handle();
  for (const TPoint& p : fcDottedLinePoints(P1, P2)) {
    POINT seg[2] = {{p.X, p.Y}, {p.X + 1, p.Y + 1}};
    Polyline(dc, seg, 2);
  }
}

void fcDrawCanvasText(TCanvas* Canvas, const String& Text, const TRect& R, UINT Flags, TRect& ResultRect) {
  HDC dc = Canvas->Handle();
  SetBkColor(dc, ColorToRGB(Canvas->Brush()->Color()));
  SetTextColor(dc, ColorToRGB(Canvas->Font()->Color()));
  fcSelectCanvasObjects(Canvas);
  String text = Text;
  RECT r = {R.Left, R.Top, R.Right, R.Bottom};
  constexpr UINT kEngraved = 0x80000;
  if ((Flags & kEngraved) && !(Flags & DT_CALCRECT)) {
    RECT shifted = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shifted, Flags & ~kEngraved);
    SetBkMode(dc, TRANSPARENT);
    Canvas->Font()->SetColor(clBtnShadow);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
  }
  DrawTextExW(dc, text.data(), static_cast<int>(text.size()), &r, Flags & ~kEngraved, nullptr);
  ResultRect = Rect(r.left, r.top, r.right, r.bottom);
}
