#include "skin/SPUtils_layer.h"

#include <algorithm>

#include "skin/SPUtils_platform.h"

TspLayerWindow::TspLayerWindow(TComponent* AOwner) : TCustomControl(AOwner) { FVisible = false; }

void TspLayerWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
  // The layer only shows a picture (a glow round a button, a shadow): the
  // mouse goes through it to what lies below.
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
  Params.WindowClass.style |= CS_SAVEBITS;
  Params.WndParent = nullptr;
}

void TspLayerWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::Dispatch(Message);
}

void UpdateLayer(TspBitmap* LayerBitmap, uint8_t Alpha, HWND Window) {
  if (!Platform().UpdateLayeredWindow || !LayerBitmap || LayerBitmap->Empty() || !Window) return;
  RECT r;
  GetWindowRect(Window, &r);
  POINT dest = {r.left, r.top};
  SIZE size = {LayerBitmap->Width(), LayerBitmap->Height()};
  POINT source = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, Alpha, AC_SRC_ALPHA};
  GdiFlush();
  Platform().UpdateLayeredWindow(Window, nullptr, &dest, &size, LayerBitmap->DC(), &source, 0, &blend, ULW_ALPHA);
}

TspLayerManager::TspLayerManager(TComponent* AOwner) : TComponent(AOwner) {
  FFadeTimer = new TTimer(this);
  FFadeTimer->SetEnabled(false);
  FFadeTimer->SetInterval(25);
  FFadeTimer->OnTimer = [this](TObject*) { FadeStep(); };
}

TspLayerManager::~TspLayerManager() { delete FLayerBitmap; }

void TspLayerManager::BeforeDestruction() {
  // The window and the timer are owned components: they go with this one.
  if (FFadeTimer) FFadeTimer->SetEnabled(false);
  FFadeTimer = nullptr;
  FLayerWindow = nullptr;
  delete FLayerBitmap;
  FLayerBitmap = nullptr;
  TComponent::BeforeDestruction();
}

void TspLayerManager::Show(int X, int Y, TBitmap* Picture, TBitmap* Mask, uint8_t Alpha) {
  if (!IsWindows2000OrLater() || !Picture || Picture->Empty()) return;
  if (FLayerWindow) Hide();
  FShowing = true;
  FLayerWindow = new TspLayerWindow(this);
  FLayerWindow->SetBounds(X, Y, Picture->Width(), Picture->Height());
  HWND wnd = FLayerWindow->Handle();
  SetWindowLongW(wnd, GWL_EXSTYLE, GetWindowLongW(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);

  delete FLayerBitmap;
  FLayerBitmap = new TspBitmap();
  FLayerBitmap->Assign(Picture);
  if (Mask && !Mask->Empty()) {
    TspBitmap mask;
    mask.Assign(Mask);
    if (mask.Width() < FLayerBitmap->Width() || mask.Height() < FLayerBitmap->Height()) FLayerBitmap->SetAlpha(0);
    AlphaFromGray(FLayerBitmap, &mask);
  } else {
    FLayerBitmap->SetAlpha(255);
  }
  UpdateLayer(FLayerBitmap, 0, wnd);
  SetWindowPos(wnd, FTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, X, Y, 0, 0,
               SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
  FTargetAlpha = Alpha;
  // At least one step, so that small alphas finish too.
  FAlphaStep = std::max(Alpha / 10, 1);
  BeginFade();
}

void TspLayerManager::Hide() {
  if (!IsWindows2000OrLater()) return;
  StopFade();
  delete FLayerBitmap;
  FLayerBitmap = nullptr;
  FShowing = false;
  if (FLayerWindow) {
    if (FLayerWindow->HandleAllocated())
      SetWindowPos(FLayerWindow->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    TspLayerWindow* window = FLayerWindow;
    FLayerWindow = nullptr;
    Free(window);
  }
}

void TspLayerManager::BeginFade() {
  FCurrentAlpha = 0;
  if (FFadeTimer) FFadeTimer->SetEnabled(true);
}

void TspLayerManager::StopFade() {
  if (FFadeTimer) FFadeTimer->SetEnabled(false);
}

void TspLayerManager::FadeStep() {
  if (!FLayerWindow || !FLayerBitmap) return;
  FCurrentAlpha = std::min(FCurrentAlpha + FAlphaStep, FTargetAlpha);
  UpdateLayer(FLayerBitmap, static_cast<uint8_t>(FCurrentAlpha), FLayerWindow->Handle());
  if (FCurrentAlpha == FTargetAlpha) StopFade();
}
