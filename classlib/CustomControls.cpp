// TCustomControl and TGraphicControl: controls that paint themselves on a
// canvas, the first in its own window, the second in its parent's.
#include "classlib/Controls.h"

#include <algorithm>
#include <vector>

namespace {

// Control canvases holding a window DC, the oldest first.
std::vector<TControlCanvas*> gCanvasCache;
constexpr size_t kCanvasCacheSize = 4;

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle() {
  if (FWindowDC) return;
  auto* win = dynamic_cast<TWinControl*>(FControl);
  TWinControl* host = win ? win : FControl->Parent();
  if (!host) return;
  if (gCanvasCache.size() >= kCanvasCacheSize) gCanvasCache.front()->FreeHandle();
  FWindow = host->Handle();
  FWindowDC = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!win) {
    OffsetWindowOrgEx(FWindowDC, -FControl->Left(), -FControl->Top(), nullptr);
    IntersectClipRect(FWindowDC, 0, 0, FControl->Width(), FControl->Height());
  }
  gCanvasCache.push_back(this);
  SetHandle(FWindowDC);
}

void TControlCanvas::FreeHandle() {
  if (!FWindowDC) return;
  SetHandle(nullptr);
  ReleaseDC(FWindow, FWindowDC);
  FWindowDC = nullptr;
  FWindow = nullptr;
  gCanvasCache.erase(std::remove(gCanvasCache.begin(), gCanvasCache.end(), this), gCanvasCache.end());
}

void TControlCanvas::FreeCanvasesOf(HWND Wnd) {
  for (TControlCanvas* c : std::vector<TControlCanvas*>(gCanvasCache))
    if (c->FWindow == Wnd) c->FreeHandle();
}

void TControlCanvas::SetPaintDC(HDC DC) {
  FreeHandle();
  FPaintDC = DC;
  SetHandle(DC);
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  FCanvas = std::make_unique<TControlCanvas>(this);
  FControlState.Include(csCustomPaint);
}

void TCustomControl::PaintWindow(HDC DC) {
  TPaintDCLoan loan(FCanvas.get(), DC);
  FCanvas->SetFont(Font());
  FCanvas->Brush()->SetColor(Color());
  const TPaintBufferPart part(DC, FWidth, FHeight);
  Paint();
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  FCanvas = std::make_unique<TControlCanvas>(this);
}

void TGraphicControl::Dispatch(TMessage& Message) {
  // The parent sends WM_PAINT with its DC, already moved and clipped to us.
  if (Message.Msg == WM_PAINT && Message.WParam) {
    TPaintDCLoan loan(FCanvas.get(), reinterpret_cast<HDC>(Message.WParam));
    FCanvas->SetFont(Font());
    FCanvas->Brush()->SetColor(Color());
    const TPaintBufferPart part(reinterpret_cast<HDC>(Message.WParam), FWidth, FHeight);
    Paint();
    Message.Result = 0;
    return;
  }
  TControl::Dispatch(Message);
}
