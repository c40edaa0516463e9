// Glow windows: a top-level window with per-pixel alpha beside a control,
// fading in over a quarter of a second.
#pragma once

#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"
#include "skin/speffbmp.h"

// A pop-up tool window that never becomes active.
class TspLayerWindow : public TCustomControl {
 public:
  explicit TspLayerWindow(TComponent* AOwner);
  String ClassName() const override { return L"TspLayerWindow"; }
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
};

// Updates a layered window from the bitmap's pixels with an overall alpha;
// nothing without the system function.
void UpdateLayer(TspBitmap* LayerBitmap, uint8_t Alpha, HWND Window);

class TspLayerManager : public TComponent {
 public:
  explicit TspLayerManager(TComponent* AOwner);
  ~TspLayerManager() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspLayerManager"; }

  // Shows Picture at screen point (X, Y), each pixel's alpha from the grey of
  // Mask (no mask: opaque; outside a smaller mask: transparent), fading from 0
  // to Alpha. Nothing before Windows 2000.
  void Show(int X, int Y, TBitmap* Picture, TBitmap* Mask, uint8_t Alpha);
  // Hides and frees the window and its picture at once.
  void Hide();
  void BeginFade();
  void StopFade();

  TspLayerWindow* LayerWindow() const { return FLayerWindow; }
  TspBitmap* LayerBitmap() const { return FLayerBitmap; }
  TTimer* FadeTimer() const { return FFadeTimer; }
  int TargetAlpha() const { return FTargetAlpha; }
  int CurrentAlpha() const { return FCurrentAlpha; }
  int AlphaStep() const { return FAlphaStep; }
  bool Showing() const { return FShowing; }
  bool TopMost() const { return FTopMost; }
  void SetTopMost(bool Value) { FTopMost = Value; }

 private:
  void FadeStep();
  TspLayerWindow* FLayerWindow = nullptr;
  TspBitmap* FLayerBitmap = nullptr;
  TTimer* FFadeTimer = nullptr;
  int FTargetAlpha = 0;
  int FCurrentAlpha = 0;
  int FAlphaStep = 0;
  bool FShowing = false;
  bool FTopMost = true;
};
