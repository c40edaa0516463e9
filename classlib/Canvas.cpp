#include "classlib/Graphics.h"

namespace {

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

const int PenModeRop2[] = {R2_BLACK,       R2_WHITE,       R2_NOP,        R2_NOT,      R2_COPYPEN,    R2_NOTCOPYPEN,
                           R2_MERGEPENNOT, R2_MASKPENNOT,  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
                           R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,     R2_NOTXORPEN};

}  // namespace

TCanvas::TCanvas() {
  InitializeCriticalSection(&FLock);
  FFont.OnChange = [this](TObject*) {
    if (FState.Contains(csFontValid)) {
      SelectObject(FHandle, FOldFont);
      FOldFont = nullptr;
      FState.Exclude(csFontValid);
    }
  };
  FPen.OnChange = [this](TObject*) {
    if (FState.Contains(csPenValid)) {
      SelectObject(FHandle, FOldPen);
      FOldPen = nullptr;
      FState.Exclude(csPenValid);
    }
  };
  FBrush.OnChange = [this](TObject*) {
    if (FState.Contains(csBrushValid)) {
      SelectObject(FHandle, FOldBrush);
      FOldBrush = nullptr;
      FState.Exclude(csBrushValid);
    }
  };
}

TCanvas::~TCanvas() {
  DeselectHandles();
  DeleteCriticalSection(&FLock);
}

HDC TCanvas::Handle() {
  RequiredState({csHandleValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (FHandle == Value) return;
  DeselectHandles();
  FHandle = Value;
  FState = Value ? TState{csHandleValid} : TState{};
}

void TCanvas::ReleaseHandle() { SetHandle(nullptr); }

void TCanvas::DeselectHandles() {
  if (!FHandle) return;
  if (FState.Contains(csFontValid)) SelectObject(FHandle, FOldFont);
  if (FState.Contains(csPenValid)) SelectObject(FHandle, FOldPen);
  if (FState.Contains(csBrushValid)) SelectObject(FHandle, FOldBrush);
  FOldFont = FOldPen = FOldBrush = nullptr;
  FState = FState - TState{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::RequiredState(TState Required) {
  TState needed = Required - FState;
  if (needed.Empty()) return;
  if (needed.Contains(csHandleValid)) {
    CreateHandle();
    if (!FHandle) throw EInvalidOperation(L"Canvas does not allow drawing");
    FState.Include(csHandleValid);
  }
  if (needed.Contains(csFontValid)) CreateFont();
  if (needed.Contains(csPenValid)) CreatePen();
  if (needed.Contains(csBrushValid)) CreateBrush();
}

void TCanvas::CreateFont() {
  FOldFont = SelectObject(FHandle, FFont.Handle());
  SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont.Color())));
  FState.Include(csFontValid);
}

void TCanvas::CreatePen() {
  FOldPen = SelectObject(FHandle, FPen.Handle());
  SetROP2(FHandle, PenModeRop2[FPen.Mode()]);
  FState.Include(csPenValid);
}

void TCanvas::CreateBrush() {
  HBRUSH brush = FBrush.Handle();
  UnrealizeObject(brush);
  FOldBrush = SelectObject(FHandle, brush);
  COLORREF rgb = static_cast<COLORREF>(ColorToRGB(FBrush.Color()));
  if (FBrush.Style() == bsSolid) {
    SetBkColor(FHandle, rgb);
    SetBkMode(FHandle, OPAQUE);
  } else {
    SetBkColor(FHandle, ~rgb & 0xFFFFFF);
    SetBkMode(FHandle, TRANSPARENT);
  }
  FState.Include(csBrushValid);
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
  RequiredState({csHandleValid});
  POINT p;
  GetCurrentPositionEx(FHandle, &p);
  return TPoint(p.x, p.y);
}

void TCanvas::MoveTo(int X, int Y) {
  RequiredState({csHandleValid});
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(FHandle, X, Y);
  Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polyline(FHandle, reinterpret_cast<const POINT*>(Points.data()), static_cast<int>(Points.size()));
  Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polygon(FHandle, reinterpret_cast<const POINT*>(Points.data()), static_cast<int>(Points.size()));
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::FillRect(const TRect& R) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  RECT r = ToRECT(R);
  ::FillRect(FHandle, &r, FBrush.Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& R) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  RECT r = ToRECT(R);
  ::FrameRect(FHandle, &r, FBrush.Handle());
  Changed();
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  Graphic->Draw(this, R);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  if (!Canvas) return;
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  Canvas->RequiredState({csHandleValid, csBrushValid});
  if (Dest.Width() == Source.Width() && Dest.Height() == Source.Height()) {
    BitBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->FHandle, Source.Left, Source.Top,
           FCopyMode);
  } else {
    int oldMode = SetStretchBltMode(FHandle, COLORONCOLOR);
    StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->FHandle, Source.Left, Source.Top,
               Source.Width(), Source.Height(), FCopyMode);
    SetStretchBltMode(FHandle, oldMode);
  }
  Changed();
}

void TCanvas::TextOut(int X, int Y, const String& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  {
    const TTextFontScope face(FHandle, Text.c_str(), static_cast<int>(Text.size()));
    ExtTextOutW(FHandle, X, Y, 0, nullptr, Text.c_str(), static_cast<UINT>(Text.size()), nullptr);
  }
  MoveTo(X + TextWidth(Text), Y);
  Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const String& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  RECT r = ToRECT(R);
  UINT options = ETO_CLIPPED;
  if (FBrush.Style() != bsClear) options |= ETO_OPAQUE;
  const TTextFontScope face(FHandle, Text.c_str(), static_cast<int>(Text.size()));
  ExtTextOutW(FHandle, X, Y, options, &r, Text.c_str(), static_cast<UINT>(Text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const String& Text) {
  RequiredState({csHandleValid, csFontValid});
  SIZE s = {0, 0};
  const TTextFontScope face(FHandle, Text.c_str(), static_cast<int>(Text.size()));
  GetTextExtentPoint32W(FHandle, Text.c_str(), static_cast<int>(Text.size()), &s);
  return TSize(s.cx, s.cy);
}

TColor TCanvas::Pixels(int X, int Y) {
  RequiredState({csHandleValid});
  COLORREF c = GetPixel(FHandle, X, Y);
  return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  Changing();
  RequiredState({csHandleValid});
  SetPixelV(FHandle, X, Y, static_cast<COLORREF>(ColorToRGB(Value)));
  Changed();
}

TRect TCanvas::ClipRect() {
  RequiredState({csHandleValid});
  RECT r = {0, 0, 0, 0};
  GetClipBox(FHandle, &r);
  return TRect(r.left, r.top, r.right, r.bottom);
}

void TCanvas::Lock() {
  EnterCriticalSection(&FLock);
  ++FLockCount;
}

void TCanvas::Unlock() {
  --FLockCount;
  LeaveCriticalSection(&FLock);
}

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  Canvas->Pen()->SetWidth(1);
  --Rect.Bottom;
  --Rect.Right;
  while (Width-- > 0) {
    Canvas->Pen()->SetColor(TopColor);
    Canvas->Polyline({TPoint(Rect.Left, Rect.Bottom), TPoint(Rect.Left, Rect.Top), TPoint(Rect.Right, Rect.Top)});
    Canvas->Pen()->SetColor(BottomColor);
    Canvas->Polyline(
        {TPoint(Rect.Right, Rect.Top), TPoint(Rect.Right, Rect.Bottom), TPoint(Rect.Left - 1, Rect.Bottom)});
    InflateRect(Rect, -1, -1);
  }
  ++Rect.Bottom;
  ++Rect.Right;
}
