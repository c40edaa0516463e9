// Colours, glyphs, bitmaps and text measuring of the fc helpers.
#include "components/fcCommonDraw.h"

#include <algorithm>

const String fcVersion = L"4000.01";

void fcSplitColor(TColor Color, uint8_t& High, uint8_t& Blue, uint8_t& Green, uint8_t& Red) {
  const auto c = static_cast<uint32_t>(ColorToRGB(Color));
  High = static_cast<uint8_t>(c >> 24);
  Blue = static_cast<uint8_t>(c >> 16);
  Green = static_cast<uint8_t>(c >> 8);
  Red = static_cast<uint8_t>(c);
}

COLORREF fcImageListColor(TColor Color) {
  if (Color == clNone) return CLR_NONE;
  if (Color == clDefault) return CLR_DEFAULT;
  return static_cast<COLORREF>(ColorToRGB(Color));
}

void fcDrawImageListImage(TCustomImageList* Images, int Index, TCanvas* Canvas, int X, int Y, UINT Style,
                          bool Enabled) {
  if (!Images || !Images->HandleAllocated()) return;
  HDC dc = Canvas->Handle();
  if (Enabled) {
    ImageList_DrawEx(Images->Handle(), Index, dc, X, Y, 0, 0, fcImageListColor(Images->BkColor()),
                     fcImageListColor(Images->BlendColor()), Style);
    return;
  }
  const int w = Images->Width(), h = Images->Height();
  HDC memDC = CreateCompatibleDC(dc);
  HBITMAP mono = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldBmp = SelectObject(memDC, mono);
  PatBlt(memDC, 0, 0, w, h, WHITENESS);
  ImageList_DrawEx(Images->Handle(), Index, memDC, 0, 0, 0, 0, CLR_DEFAULT, 0, ILD_MASK);
  const COLORREF oldText = SetTextColor(dc, RGB(255, 255, 255));
  const COLORREF oldBk = SetBkColor(dc, RGB(0, 0, 0));
  auto stamp = [&](TColor Brush, int At) {
    HBRUSH b = CreateSolidBrush(ColorToRGB(Brush));
    HGDIOBJ old = SelectObject(dc, b);
    BitBlt(dc, X + At, Y + At, w, h, memDC, 0, 0, 0x00E20746);
    SelectObject(dc, old);
    DeleteObject(b);
  };
  stamp(clBtnHighlight, 1);
  stamp(clBtnShadow, 0);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBk);
  SelectObject(memDC, oldBmp);
  DeleteObject(mono);
  DeleteDC(memDC);
}

void fcDrawMaskedBitmap(TCanvas* Canvas, const TRect& R, TBitmap* Image, TBitmap* Mask, bool UseBuffer) {
  HDC dc = Canvas->Handle();
  const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const int w = R.Width(), h = R.Height();
  auto blits = [&](HDC Target, int X, int Y) {
    BitBlt(Target, X, Y, w, h, Image->Canvas()->Handle(), 0, 0, SRCINVERT);
    BitBlt(Target, X, Y, w, h, Mask->Canvas()->Handle(), 0, 0, SRCAND);
    BitBlt(Target, X, Y, w, h, Image->Canvas()->Handle(), 0, 0, SRCINVERT);
  };
  if (UseBuffer) {
    TBitmap buffer;
    buffer.SetSize(w, h);
    HDC b = buffer.Canvas()->Handle();
    BitBlt(b, 0, 0, w, h, dc, R.Left, R.Top, SRCCOPY);
    SetBkColor(b, RGB(255, 255, 255));
    SetTextColor(b, RGB(0, 0, 0));
    blits(b, 0, 0);
    BitBlt(dc, R.Left, R.Top, w, h, b, 0, 0, SRCCOPY);
  } else {
    blits(dc, R.Left, R.Top);
  }
  SetBkColor(dc, oldBk);
  SetTextColor(dc, oldText);
}

void fcTileGraphic(TGraphic* Graphic, TCanvas* Canvas, const TRect& R) {
  if (!Graphic || Graphic->Empty()) return;
  for (const TPoint& p : fcTilePoints(Graphic->Width(), Graphic->Height(), R.Width(), R.Height()))
    Canvas->Draw(p.X, p.Y, Graphic);
}

void fcDrawEllipsisButton(TCanvas* Canvas, const TRect& R, int State, bool, bool NoEdge, bool NoFill,
                          uint8_t State2) {
  HDC dc = Canvas->Handle();
  const bool down = State == 2;
  const bool sunken = down && static_cast<int8_t>(State2) >= 0;
  if (!NoEdge) {
    RECT r = {R.Left, R.Top, R.Right, R.Bottom};
    UINT flags = BF_RECT;
    if (!NoFill) flags |= BF_MIDDLE;
    if (sunken) flags |= BF_FLAT;
    DrawEdge(dc, &r, EDGE_RAISED, flags);
  }
  const int d = std::max(1, (R.Width() + 1) >> 3);
  const int top = R.Top + ((R.Bottom + 1 - R.Top) >> 1) - (down ? 0 : 1);
  const int mid = R.Left + ((R.Right - R.Left) >> 1) - (down ? 0 : 1);
  fcDrawThreeDots(dc, mid, top, d);
}

void fcDrawThreeDots(HDC DC, int MidX, int Top, int Side) {
  for (int x : {MidX - 2 * Side, MidX, MidX + 2 * Side}) PatBlt(DC, x, Top, Side, Side, BLACKNESS);
}

void fcDrawDownArrow(TCanvas* Canvas, int X, int Y, TColor Color) {
  for (int y = 0; y < 4; ++y)
    for (int x = y; x < 7 - y; ++x) Canvas->SetPixels(X + x, Y + y, Color);
}

void fcDrawArrowButton(TCanvas* Canvas, const TRect& R, int State, bool Enabled, uint8_t State2) {
  RECT r = {R.Left, R.Top, R.Right, R.Bottom};
  UINT flags = DFCS_SCROLLCOMBOBOX;
  if (Enabled && State != 0 && static_cast<int8_t>(State2) >= 0) flags |= DFCS_PUSHED | DFCS_FLAT;
  if (!Enabled) flags |= DFCS_INACTIVE;
  DrawFrameControl(Canvas->Handle(), &r, DFC_SCROLL, flags);
}

int fcTextHeightIn(TCanvas* Canvas, UINT Flags, int Width, const String& Text) {
  RECT r = {0, 0, Width, 0};
  HDC dc = Canvas->Handle();
  HGDIOBJ old = SelectObject(dc, Canvas->Font()->Handle());
  String text = Text;  // DrawTextEx may write to a text it ellipsises
  DrawTextExW(dc, text.data(), static_cast<int>(text.size()), &r, Flags | DT_CALCRECT, nullptr);
  SelectObject(dc, old);
  return r.bottom - r.top;
}

void fcMultiLineTextExtent(TCanvas* Canvas, const String& Text, int LineSpacing, int Width, UINT Flags, TSize& Size) {
  Size = TSize();
  const int lines = fcCountPieces(Text, L"\r\n");
  for (int i = 0; i < lines; ++i) {
    String line = fcGetPiece(Text, L"\r\n", i);
    if (Width == 0) {
      const TSize ext = Canvas->TextExtent(line);
      Size.cy += ext.cy;
      Size.cx = std::max(Size.cx, ext.cx);
    } else {
      RECT r = {0, 0, Width, 0};
      HDC dc = Canvas->Handle();
      HGDIOBJ old = SelectObject(dc, Canvas->Font()->Handle());
      DrawTextExW(dc, line.data(), static_cast<int>(line.size()), &r, Flags | DT_CALCRECT, nullptr);
      SelectObject(dc, old);
      Size.cy += r.bottom - r.top;
      Size.cx = std::max<int>(Size.cx, r.right - r.left);
    }
    if (i < lines - 1) Size.cy += LineSpacing;
  }
}

void fcRemoveClipChildren(TWinControl* Control) {
  HWND wnd = Control->Handle();
  SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) & ~WS_CLIPCHILDREN);
}
